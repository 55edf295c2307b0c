#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstdlib>

#include "state/files.h"
#include "state/log.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_log_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Log makeLog() {
        Log log(dir.string(), "crestwork", "/games/crestwork", "1.2.3.4");
        log.setClock({[this] { return stamp; }, [this] { return dateTime; }});
        log.startLog();
        return log;
    }
    std::string read(const std::string& name) {
        std::ifstream in(dir / name);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    fs::path dir;
    std::string stamp = "10:20:30";
    std::string dateTime = "2026-01-02 10:20:30";
};

const std::string kStars(109, '*');

}  // namespace

TEST_F(LogTest, HeaderLinesAndFooter) {
    Log log = makeLog();
    log.writeLog("Application Init...");
    const auto& l = log.lines();
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[0], kStars);
    const std::string indent(dateTime.size(), ' ');
    EXPECT_EQ(l[1], indent + "   Log Stated :" + dateTime);
    EXPECT_EQ(l[2], indent + "   Program    :/games/crestwork");
    EXPECT_EQ(l[3], indent + "   Version    :1.2.3.4");
    EXPECT_EQ(l[4], kStars);
    EXPECT_EQ(l[5], "10:20:30 : Application Init...");
    EXPECT_EQ(l[6], kStars);
    EXPECT_EQ(l[7], "Log:crestwork.log   Statistics -->  Fatal errors:0  Error:0  Warnings:0");
    EXPECT_EQ(l[8], kStars);
    EXPECT_EQ(read("crestwork.log"), [&] {
        std::string all;
        for (const auto& line : l) all += line + "\n";
        return all;
    }());
}

TEST_F(LogTest, SameSecondLinesAlignUnderTheColon) {
    Log log = makeLog();
    log.writeLog("first");
    log.writeLog("second");
    dateTime = "2026-01-02 10:20:31";
    stamp = "10:20:31";
    log.writeLog("third");
    const auto& l = log.lines();
    EXPECT_EQ(l[5], "10:20:30 : first");
    EXPECT_EQ(l[6], "         : second");
    EXPECT_EQ(l[6].find(':'), l[5].find(" : ") + 1);
    EXPECT_EQ(l[7], "10:20:31 : third");
    EXPECT_EQ(l.size(), 11u);  // one footer only
}

TEST_F(LogTest, StatisticsCountByKeywordInAnyCase) {
    Log log = makeLog();
    log.writeLog("a Fatal Error happened");  // fatal only
    log.writeLog("load error: bad file");
    log.writeLog("Warning: odd value");
    log.writeLog("fatal but fine");  // neither
    EXPECT_EQ(log.fatalCount(), 1);
    EXPECT_EQ(log.errorCount(), 1);
    EXPECT_EQ(log.warningCount(), 1);
    EXPECT_EQ(log.lines()[log.lines().size() - 2],
              "Log:crestwork.log   Statistics -->  Fatal errors:1  Error:1  Warnings:1");
}

TEST_F(LogTest, LineCapDropsTheOldestLineAfterTheHeader) {
    Log log = makeLog();
    log.maxLines = 20;
    for (int i = 1; i <= 40; ++i) log.writeLog("line " + std::to_string(i));
    const auto& l = log.lines();
    // The cap is checked before each line and its footer are added.
    EXPECT_EQ(l.size(), 24u);
    EXPECT_EQ(l[4], kStars);  // the header stays
    EXPECT_EQ(l.back(), kStars);
    EXPECT_EQ(l[l.size() - 4], "         : line 40");
    EXPECT_EQ(l[5], "         : line 25");
}

TEST_F(LogTest, ThreeRunsKeepTwoOlderCopies) {
    for (int run = 1; run <= 4; ++run) {
        Log log = makeLog();
        log.writeLog("run " + std::to_string(run));
    }
    EXPECT_NE(read("crestwork.log").find("run 4"), std::string::npos);
    EXPECT_NE(read("1_crestwork.log").find("run 3"), std::string::npos);
    EXPECT_NE(read("2_crestwork.log").find("run 2"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "3_crestwork.log"));
}

// A run killed at any change of a file on disk, in a child process: each
// log file left behind is a whole log, header to footer.
TEST_F(LogTest, AKillAtAnyStepOfTheRotationLeavesWholeLogs) {
    for (int run = 1; run <= 3; ++run) makeLog().writeLog("run " + std::to_string(run));
    auto whole = [&](const std::string& name) {
        const std::string text = read(name);
        return text.rfind(kStars + "\n", 0) == 0 && text.size() > 2 * kStars.size() &&
               text.compare(text.size() - kStars.size() - 1, kStars.size() + 1, kStars + "\n") == 0;
    };
    for (int stopAt = 1; stopAt <= 6; ++stopAt) {
        EXPECT_EXIT(
            {
                Log log = makeLog();
                int steps = 0;
                log.afterFileStep = [&](const std::string&) {
                    if (++steps == stopAt) std::_Exit(5);
                };
                log.writeLog("killed run");
                log.writeLog("second line");
            },
            ::testing::ExitedWithCode(5), "");
        for (const auto& e : fs::directory_iterator(dir)) {
            const std::string name = e.path().filename().string();
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".log") == 0) {
                EXPECT_TRUE(whole(name)) << name << " after a kill at step " << stopAt;
            } else if (!isTemporaryOf(name, "crestwork.log")) {  // a log never put in place
                EXPECT_EQ(name, "crestwork.log.lock") << "a leftover after a kill at step " << stopAt;
            }
        }
        makeLog().writeLog("next run");
        for (const auto& e : fs::directory_iterator(dir))
            EXPECT_FALSE(isTemporaryOf(e.path().filename().string(), "crestwork.log")) << "not cleaned up";
    }
    EXPECT_NE(read("crestwork.log").find("next run"), std::string::npos);
}

// Two runs at once: the second finds the log's name in use and keeps its
// own log, and neither rotates away the other's.
TEST_F(LogTest, TwoRunsAtOnceEachKeepTheirLog) {
    Log first = makeLog();
    first.writeLog("first run");
    Log second = makeLog();
    second.writeLog("second run");
    first.writeLog("first again");
    EXPECT_EQ(first.fileName(), "crestwork.log");
    EXPECT_EQ(second.fileName(), "crestwork-2.log");
    EXPECT_NE(read("crestwork.log").find("first again"), std::string::npos);
    EXPECT_EQ(read("crestwork.log").find("second run"), std::string::npos);
    EXPECT_NE(read("crestwork-2.log").find("second run"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "1_crestwork.log"));
}

TEST_F(LogTest, UnwritableFolderNeverStopsTheGame) {
    Log log(dir.string() + "/missing/sub", "crestwork", "x", "1.0.0.0");
    log.startLog();
    log.writeLog("still fine");
    EXPECT_EQ(log.lines().size(), 9u);
}

TEST_F(LogTest, VerboseLinesOnlyInDebugMode) {
    Log log = makeLog();
    installAppLog(&log);
    verboseLog("hidden");
    writeLog("shown");
    log.debugLogging = true;
    verboseLog("verbose");
    installAppLog(nullptr);
    writeLog("no log installed");
    ASSERT_EQ(log.lines().size(), 10u);
    EXPECT_EQ(log.lines()[5], "10:20:30 : shown");
    EXPECT_EQ(log.lines()[6], "         : verbose");
}

}  // namespace cw
