#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "cli/driver.h"
#include "cli/script.h"

namespace cw::cli {

TEST(Script, ParsesNamesOptionsQuotesAndComments) {
    const auto r = parseLine(R"(new-game company="Acme Soft" level=2 "plain text" word # comment "x")");
    ASSERT_TRUE(r.command);
    EXPECT_EQ(r.command->name, "new-game");
    EXPECT_EQ(r.command->option("company"), "Acme Soft");
    EXPECT_EQ(r.command->option("level"), "2");
    EXPECT_EQ(r.command->positional(), (std::vector<std::string>{"plain text", "word"}));
    EXPECT_FALSE(r.command->option("player"));

    EXPECT_FALSE(parseLine("   # only a comment").command);
    EXPECT_FALSE(parseLine("").command);
    EXPECT_EQ(parseLine(R"(answer "a \"quoted\" word")").command->positional()[0], R"(a "quoted" word)");
    EXPECT_EQ(parseLine("answer \"#not a comment\"").command->positional()[0], "#not a comment");
    EXPECT_EQ(parseLine("x key=").command->option("key"), "");
}

TEST(Script, MalformedLinesAreRefused) {
    EXPECT_EQ(parseLine(R"(answer "open)").error, "unterminated quote");
    EXPECT_FALSE(parseLine(R"("quoted" first)").error.empty());
    EXPECT_FALSE(parseLine("x =value").error.empty());
    EXPECT_FALSE(parseLine(R"(x a"b")").error.empty());
}

TEST(Script, OneLineShowsLineBreaks) { EXPECT_EQ(oneLine("a\r\nb\nc"), "a\\nb\\nc"); }

namespace {

struct RunResult {
    int rc;
    std::string out;
};

RunResult run(const std::string& script) {
    std::ostringstream out;
    Session s(out, ".");
    std::istringstream in(script);
    const int rc = runScript(s, in, "test.txt");
    return {rc, out.str()};
}

}  // namespace

TEST(Driver, StatusPrintsKeyValueLines) {
    const RunResult r = run("status\n");
    EXPECT_EQ(r.rc, 0);
    for (const char* key : {"year: 1980\n", "week: 1\n", "money: ", "loan: ", "debtWeeks: ", "unread: "})
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
}

TEST(Driver, ErrorsNameTheLineAndStopTheScript) {
    RunResult r = run("status\n\n  frobnicate now\nstatus\n");
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.out.find("error: test.txt:3: unknown command 'frobnicate'"), std::string::npos);
    EXPECT_EQ(r.out.find("year: 1980", r.out.find("error")), std::string::npos);

    r = run("answer maybe\n");
    EXPECT_EQ(r.rc, 2);
    EXPECT_NE(r.out.find("error: test.txt:1: answer: \"maybe\" is not yes, no, ok, cancel or a quoted text"),
              std::string::npos);
    EXPECT_EQ(run("answer\n").rc, 2);
    EXPECT_EQ(run("status extra\n").rc, 2);
    EXPECT_EQ(run("echo \"unterminated\n").rc, 2);
}

namespace {

// Serves its text, then fails as a disk does in the middle of a file.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string text_;
};

}  // namespace

TEST(Driver, AScriptThatCannotBeReadIsAnError) {
    std::ostringstream out;
    Session s(out, ".");
    FailingBuffer buffer("echo first\n");
    std::istream broken(&buffer);
    EXPECT_EQ(runScript(s, broken, "test.txt"), 2);
    EXPECT_EQ(out.str(), "first\nerror: test.txt: the script cannot be read after line 1\n");

    // A folder given as the script file.
    std::ifstream folder(::testing::TempDir());
    std::ostringstream out2;
    Session s2(out2, ".");
    EXPECT_EQ(runScript(s2, folder, "dir"), 2);
    EXPECT_NE(out2.str().find("error: dir: the script cannot be read"), std::string::npos);
}

TEST(Driver, NumbersBeyondTheInt32RangeAreNoNumbers) {
    long long n = 0;
    EXPECT_TRUE(parseInt("2147483647", n));
    EXPECT_TRUE(parseInt("-2147483648", n));
    EXPECT_FALSE(parseInt("2147483648", n));
    EXPECT_FALSE(parseInt("4294967299", n));
    EXPECT_FALSE(parseInt("-2147483649", n));
}

TEST(Driver, QuitEndsTheRunWithSuccess) {
    const RunResult r = run("echo before\nquit\nfrobnicate\n");
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "before\n");
}

TEST(Driver, SelftestPrintsTheLayout) {
    const RunResult r = run("selftest\n");
    EXPECT_NE(r.out.find("World                       28784520     3302036"), std::string::npos);
    EXPECT_NE(r.out.find("total                       32744712"), std::string::npos);
    EXPECT_NE(r.out.find("selftest: layout ok"), std::string::npos);
}

TEST(CliPlayer, AnswersFromTheQueueThenTheFirstButton) {
    std::ostringstream out;
    CliPlayer p(out);
    p.queue({Answer::No, {}});
    p.queue({Answer::Text, "my save"});
    EXPECT_FALSE(p.askDialog("Quit Current Game", "Sure ?", true, true));
    EXPECT_EQ(p.inputBox("Filename", "Write a filename", "game"), "my save");
    EXPECT_TRUE(p.askDialog("GAME", "Line one\r\nLine two", false, false));
    EXPECT_EQ(p.inputBox("Filename", "Write a filename", "game"), "game");
    EXPECT_FALSE(p.messageBox("Note", "Just so you know", false));
    p.notify("Saving Game", "Saving game...", 2000);
    p.letterPosted("Financial, Bank", "Dear Ann\r\nWe have credited");
    EXPECT_EQ(out.str(),
              "[dialog] Quit Current Game | Sure ? -> No\n"
              "[input] Filename | Write a filename -> my save\n"
              "[dialog] GAME | Line one\\nLine two -> Ok\n"
              "[input] Filename | Write a filename -> game\n"
              "[message] Note | Just so you know -> Ok\n"
              "[notify] Saving Game | Saving game...\n"
              "[letter] Financial, Bank | Dear Ann\\nWe have credited\n");
    EXPECT_EQ(p.takeError(), "");
}

TEST(CliPlayer, AnAnswerThatDoesNotFitIsAnError) {
    std::ostringstream out;
    CliPlayer p(out);
    p.queue({Answer::Text, "hello"});
    EXPECT_TRUE(p.askDialog("A", "B", true, true));
    EXPECT_NE(p.takeError().find("hello"), std::string::npos);
    p.queue({Answer::No, {}});
    EXPECT_TRUE(p.askDialog("A", "one button only", false, false));
    EXPECT_FALSE(p.takeError().empty());
}

TEST(CliExecutable, RunsAScriptFileWithASeed) {
    const std::string script = ::testing::TempDir() + "cw_cli_script.txt";
    {
        std::FILE* f = std::fopen(script.c_str(), "w");
        ASSERT_TRUE(f);
        std::fputs("# a comment line\nstatus\nquit\n", f);
        std::fclose(f);
    }
    const std::string cmd = std::string(CW_CLI_EXE) + " --dir " + ::testing::TempDir() + " --seed 7 " + script;
    std::FILE* pipe = popen(cmd.c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string out;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe)) out += buf;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(out.find("year: 1980"), std::string::npos);

    const std::string bad = std::string(CW_CLI_EXE) + " --seed notanumber </dev/null >/dev/null 2>&1";
    EXPECT_NE(std::system(bad.c_str()), 0);
}

}  // namespace cw::cli

namespace cw::cli {

TEST(RefdataCommands, TestWorldNeedsAnImportFirst) {
    std::ostringstream out;
    Session s(out, ::testing::TempDir());
    std::istringstream script("test-world\nimport nonsense\n");
    EXPECT_EQ(runScript(s, script, "t"), 2);
    EXPECT_NE(out.str().find("test-world: import the reference tables first"), std::string::npos);
    EXPECT_NE(out.str().find("import: unexpected argument \"nonsense\""), std::string::npos);
}

}  // namespace cw::cli
