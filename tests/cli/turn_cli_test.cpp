// The turn commands of the headless driver, as a script sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"
#include "state/shared_ops.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

class TurnCliTest : public test::CliSessionTest {
protected:
    void SetUp() override { test::writeTinyDataArchive(dir); }
};

TEST_F(TurnCliTest, APlayedOutGameEndsWithTheEndYearDialogAndExitCodeZero) {
    const int rc = run("new-game company=\"Acme\" player=\"Ann\" level=3\nnext-week 5000\necho after\n");
    EXPECT_EQ(rc, 0);
    const std::string tail =
        "[dialog] GAME | Game is over.You managed to get to the end year, Congratulations\\nYou can now view the "
        "result "
        "of you game. When done Choose Game options, End game -> Ok\n"
        "Tform_end_screen: Game is over\n"
        "  Game Over\n"
        "  Acme, Week 1, 2006\n";
    const std::string text = out.str();
    const std::size_t at = text.find(tail);
    ASSERT_NE(at, std::string::npos);
    const std::size_t score = at + tail.size();
    EXPECT_EQ(text.compare(score, 16, "  Final Score : "), 0);
    const std::string end = "[screen] Tform_end_screen -> closed\ngame over: the rest of the script is skipped\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(text.rfind("new game: company \"Acme\", player \"Ann\", level 3 (Experinced), start-up 20 (Medium), "
                         "money 4000000\n",
                         0),
              0u);
    EXPECT_FALSE(printed("after"));
    EXPECT_EQ(s.game->currentYear, 2006);
    EXPECT_TRUE(s.game->gameOver);
    EXPECT_TRUE(fs::exists(dir / "Cw2.tid"));
    EXPECT_TRUE(fs::exists(dir / "Namstart.txt"));
}

TEST_F(TurnCliTest, NextWeekAndFastForwardReportTheNewDate) {
    EXPECT_EQ(run("new-game\nnext-week\nnext-week 3\nfast-forward 10\n"), 0);
    // The two opening letters are still unread in week 10: a reminder.
    EXPECT_TRUE(
        printed("now: week 2, 1980\nnow: week 5, 1980\n[notify] Unread Mail | You have unread mail in your inbox\n"
                "now: week 15, 1980\n"));
    EXPECT_FALSE(s.game->session.fastForward);
}

TEST_F(TurnCliTest, NewGameRefusesLongNamesAndRejectsBadArguments) {
    EXPECT_EQ(run("new-game player=\"Abcdefghijklmnopqrstu\"\n"), 2);
    EXPECT_EQ(out.str().rfind("error: t:1: new-game: The player name can have at most 20 characters (usage: ", 0), 0u);
    EXPECT_EQ(s.game->world().money, 0);
    EXPECT_EQ(run("new-game level=4\n"), 2);
    EXPECT_EQ(out.str().rfind("error: t:1: new-game: The game level is 1..3 (usage: ", 0), 0u);
    EXPECT_EQ(run("new-game board=maybe\n"), 2);
    EXPECT_EQ(run("new-game colour=red\n"), 2);
    EXPECT_EQ(run("next-week 0\n"), 2);
    EXPECT_EQ(run("fast-forward\n"), 2);
}

TEST_F(TurnCliTest, StatusShowsTheFinanceFigures) {
    EXPECT_EQ(run("new-game value=2\nnext-week\nstatus\n"), 0);
    EXPECT_TRUE(
        printed("year: 1980\nweek: 2\nmoney: 2000000\nloan: 0\ndebtWeeks: 0\nunread: 2\n"
                "weekCashChange: 0\nmonthCashChange: 0\nyearChange: 0\nyearlyLoanCost: 0\n"
                "sharePrice: 190\n"));
}

TEST_F(TurnCliTest, EndGameAsksFirst) {
    EXPECT_EQ(run("new-game\nanswer no\nend-game\n"), 0);
    EXPECT_TRUE(
        printed("[dialog] Quit Current Game | Are you sure you will quit current game ? -> No\n"
                "the game goes on\n"));
    EXPECT_FALSE(s.game->gameOver);
    EXPECT_EQ(run("end-game\necho after\n"), 0);
    EXPECT_EQ(out.str(),
              "[dialog] Quit Current Game | Are you sure you will quit current game ? -> Yes\n"
              "Tform_end_screen: Game is over\n"
              "  Game Over\n"
              "  My Company, Week 1, 1980\n"
              "  Final Score : 6000\n"
              "  New high score (the best was 0)\n"
              "[screen] Tform_end_screen -> closed\n"
              "game over: the rest of the script is skipped\n");
}

TEST_F(TurnCliTest, OptionsAreShownAndSet) {
    EXPECT_EQ(run("autosave on\n"), 0);
    EXPECT_EQ(out.str(), "autosave: on\n");
    EXPECT_TRUE(s.game->session.autosave);
    EXPECT_EQ(run("inbox-options deleteOld=off softwareNews=off\n"), 0);
    EXPECT_FALSE(s.game->session.inboxOptions.deleteOldMail);
    EXPECT_FALSE(s.game->session.inboxOptions.mailOnSoftwareNews);
    EXPECT_TRUE(printed("deleteOld: off  (DELETE mail older than One year)\n"));
    EXPECT_EQ(run("event-stops warehouse=off\n"), 0);
    EXPECT_FALSE(s.game->session.eventStops.warehouseFull);
    EXPECT_TRUE(s.game->session.eventStops.employeeChanges);
    EXPECT_TRUE(printed("warehouse: off  (WareHouse Full)\nemployees: on  (Employee changes)\n"));
    EXPECT_EQ(run("event-stops nothing=off\n"), 2);
    EXPECT_EQ(run("autosave sometimes\n"), 2);
}

TEST_F(TurnCliTest, NewsAndHistoryPrintWhatTheWorldHolds) {
    s.gameRunning = true;  // the lines below stand for a game in progress
    Game& g = *s.game;
    g.currentYear = 1982;
    postNews(g, NewsSoftware, "New game", "Line one\r\nLine two");
    addCompanyHistory(g, 7, "Founded");
    addWorldHistory(g, 9, "Crash");
    EXPECT_EQ(run("news\n"), 0);
    EXPECT_TRUE(printed("financial news:\nsoftware news:\n  "));
    EXPECT_TRUE(printed(" | New game | Line one\\nLine two\nhardware news:\n"));
    EXPECT_EQ(run("history\nhistory world 1982\nhistory world 1983\n"), 0);
    EXPECT_EQ(out.str(),
              "company history 1982:\n  Week 7: Founded\nworld history 1982:\n  Week 9: Crash\nworld history 1983:\n");
    EXPECT_EQ(run("history galaxy\n"), 2);
}

}  // namespace
}  // namespace cw::cli
