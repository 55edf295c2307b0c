#include "setup/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "state/log.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

StartupSwitches parse(std::vector<std::string> params) {
    params.insert(params.begin(), "crestwork");
    return parseStartupSwitches(params);
}

TEST(StartupSwitches, DebugInAnyLetterCase) {
    for (const char* s : {"/debug", "-debug", "debug", "/DEBUG", "-DeBuG", "Debug"}) {
        const StartupSwitches sw = parse({s});
        EXPECT_TRUE(sw.debugLogging) << s;
        EXPECT_FALSE(sw.exportLanguage) << s;
        EXPECT_FALSE(sw.editorMode) << s;
    }
    for (const char* s : {"/debugx", "--debug", "debug ", "/dbg"}) EXPECT_FALSE(parse({s}).debugLogging) << s;
}

TEST(StartupSwitches, EditorInAnyLetterCase) {
    for (const char* s : {"/EDITOR", "/editor", "/Editor"}) EXPECT_TRUE(parse({s}).editorMode) << s;
    EXPECT_FALSE(parse({"EDITOR"}).editorMode);
    EXPECT_FALSE(parse({"-editor"}).editorMode);
}

TEST(StartupSwitches, LanguageExportOnlyInExactCase) {
    EXPECT_TRUE(parse({"/Lngfile"}).exportLanguage);
    for (const char* s : {"/lngfile", "/LNGFILE", "/LngFile", "Lngfile"}) EXPECT_FALSE(parse({s}).exportLanguage) << s;
}

TEST(StartupSwitches, OnlyTheFirstParameterCounts) {
    const StartupSwitches none = parse({});
    EXPECT_FALSE(none.debugLogging || none.exportLanguage || none.editorMode);
    const StartupSwitches second = parse({"/foo", "/debug", "/EDITOR"});
    EXPECT_FALSE(second.debugLogging || second.exportLanguage || second.editorMode);
    EXPECT_TRUE(parse({"/EDITOR", "/debug"}).editorMode);
    EXPECT_FALSE(parse({"/EDITOR", "/debug"}).debugLogging);

    const char* argv[] = {"crestwork", "-Debug", "/Lngfile"};
    const StartupSwitches fromArgv = parseStartupSwitches(3, argv);
    EXPECT_TRUE(fromArgv.debugLogging);
    EXPECT_FALSE(fromArgv.exportLanguage);
}

TEST(ScreenCreationOrder, FiftyFourScreensInTheirOrder) {
    const auto& order = screenCreationOrder();
    ASSERT_EQ(order.size(), 54u);
    std::set<std::string> names;
    for (const auto& s : order) names.insert(s.name);
    EXPECT_EQ(names.size(), 54u);
    EXPECT_STREQ(order[0].name, "TForm_main");
    EXPECT_STREQ(order[1].name, "TForm_CW2Starter");
    EXPECT_STREQ(order[3].name, "TForm_Project_progress");
    EXPECT_STREQ(order[11].name, "TForm_inbox");
    EXPECT_STREQ(order[28].name, "Tform_end_screen");
    EXPECT_STREQ(order[42].name, "TTheStreamPlayer");
    EXPECT_STREQ(order[52].name, "TForm_E3");
    EXPECT_STREQ(order[53].name, "TForm_lng");
}

class StartupRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_startup_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        freshLog();
        hooks.createScreen = [this](const ScreenStep& s) {
            takeNewMessages();
            trace.push_back(std::string("[") + s.name + "]");
        };
    }
    void TearDown() override { fs::remove_all(dir); }

    void freshLog() {
        log = std::make_unique<Log>(dir.string(), "crestwork", "/games/crestwork", "1.2.3.4");
        log->setClock({[] { return std::string("10:20:30"); }, [] { return std::string("2026-01-02 10:20:30"); }});
        trace.clear();
        seen = 0;
    }

    // The log's messages since the last look, without time stamps and the
    // header and footer blocks.
    void takeNewMessages() {
        const auto& lines = log->lines();
        if (lines.size() < 8) return;
        for (std::size_t i = 5 + seen; i + 3 < lines.size(); ++i, ++seen) {
            const std::string& line = lines[i];
            trace.push_back(line.substr(line.find(": ") + 2));
        }
    }
    std::vector<std::string> run(const StartupSwitches& sw) {
        runStartup(*log, sw, hooks);
        takeNewMessages();
        return trace;
    }
    std::vector<std::string> messagesOnly(const std::vector<std::string>& t) {
        std::vector<std::string> out;
        for (const auto& s : t)
            if (s.front() != '[') out.push_back(s);
        return out;
    }

    fs::path dir;
    std::unique_ptr<Log> log;
    StartupHooks hooks;
    std::vector<std::string> trace;
    std::size_t seen = 0;
};

TEST_F(StartupRun, PlainRunWritesOnlyTheMilestones) {
    log->debugLogging = true;  // left over from nothing: the start-up decides
    const auto t = messagesOnly(run({}));
    EXPECT_EQ(t, (std::vector<std::string>{"Application Init...", "Main Windows initialized...",
                                           "Starter Window initialized...", "All forms initilized...",
                                           "Init form size and locations..."}));
    EXPECT_FALSE(log->debugLogging);
}

TEST_F(StartupRun, MilestonesFollowTheirScreens) {
    const auto t = run({});
    ASSERT_GE(t.size(), 6u);
    EXPECT_EQ(t[0], "Application Init...");
    EXPECT_EQ(t[1], "[TForm_main]");
    EXPECT_EQ(t[2], "Main Windows initialized...");
    EXPECT_EQ(t[3], "[TForm_CW2Starter]");
    EXPECT_EQ(t[4], "Starter Window initialized...");
    EXPECT_EQ(t[5], "[TForm_MapOption]");
    EXPECT_EQ(t[t.size() - 3], "[TForm_lng]");
}

TEST_F(StartupRun, DebugRunAddsVerboseLinesAroundTheirScreens) {
    const auto t = run({.debugLogging = true});
    EXPECT_TRUE(log->debugLogging);
    auto at = [&](const std::string& s) { return static_cast<int>(std::find(t.begin(), t.end(), s) - t.begin()); };
    EXPECT_EQ(t[1], "DUBUG mode ON, Verbose logging in this session");
    EXPECT_EQ(t[2], "[TForm_main]");
    const std::pair<const char*, const char*> after[] = {
        {"[TForm_MapOption]", "MAP form was init."},
        {"[TForm_Project_progress]", "Project_progress was init."},
        {"[TDBForm]", "DBFORM was init."},
        {"[TInitform]", "INITFORM was init."},
        {"[TForm_view_employees]", "View_employess was init."},
        {"[Tform_Calendar]", "Form_Calender was init."},
        {"[TForm_development]", "form_development was init."},
        {"[TTheStreamPlayer]", "Streamplayer init done !."},
        {"[TForm_E3]", "Form E3 was init."},
    };
    for (const auto& [screen, line] : after) EXPECT_EQ(at(line), at(screen) + 1) << line;
    EXPECT_EQ(at("Streamplayer init start."), at("[TTheStreamPlayer]") - 1);
    EXPECT_EQ(at("Streamplayer init start."), at("[Tform_releasegame]") + 3);  // after the memos and preview
    EXPECT_EQ(messagesOnly(t).size(), 5u + 1u + 10u);
    EXPECT_EQ(t.back(), "Init form size and locations...");
}

TEST_F(StartupRun, TitleAndLayoutHooks) {
    std::string title;
    bool laidOut = false;
    hooks.setApplicationTitle = [&](std::string_view s) { title = s; };
    hooks.layoutScreens = [&] {
        takeNewMessages();
        laidOut = true;
        EXPECT_EQ(trace.back(), "Init form size and locations...");
    };
    run({});
    EXPECT_EQ(title, "Crestwork II");
    EXPECT_TRUE(laidOut);
}

TEST_F(StartupRun, LanguageExportReplacesTheChooser) {
    bool chooserAsked = false;
    hooks.chooseLanguage = [&] {
        chooserAsked = true;
        return std::string("Deutsch");
    };
    hooks.exportDefaultLanguage = [] { return true; };
    const auto t = messagesOnly(run({.exportLanguage = true}));
    EXPECT_FALSE(chooserAsked);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[3], "All forms initilized...");
    EXPECT_EQ(t[4], "Exporting Default Lng file");
}

TEST_F(StartupRun, NoExportLineWhenNothingWasWritten) {
    hooks.exportDefaultLanguage = [] { return false; };
    const auto t = messagesOnly(run({.exportLanguage = true}));
    EXPECT_EQ(std::count(t.begin(), t.end(), "Exporting Default Lng file"), 0);
}

TEST_F(StartupRun, ChosenLanguageIsImportedUnlessItIsTheDefault) {
    std::vector<std::string> loaded;
    int closed = 0;
    hooks.loadLanguage = [&](const std::string& l) { loaded.push_back(l); };
    hooks.closeLanguageChooser = [&] { ++closed; };

    hooks.chooseLanguage = [] { return std::string("Deutsch"); };
    auto t = messagesOnly(run({}));
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[4], "Importing Lng :Deutsch");
    EXPECT_EQ(loaded, std::vector<std::string>{"Deutsch"});

    for (const char* none : {"English Default", ""}) {
        freshLog();
        hooks.chooseLanguage = [none] { return std::string(none); };
        t = messagesOnly(run({}));
        EXPECT_EQ(t.size(), 5u) << none;
    }
    EXPECT_EQ(loaded.size(), 1u);
    EXPECT_EQ(closed, 3);
}

}  // namespace
}  // namespace cw
