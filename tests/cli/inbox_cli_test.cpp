// The inbox commands of the headless driver, as a script sees them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/driver.h"
#include "state/inbox.h"

namespace cw::cli {
namespace {

class InboxCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, "."};

    void SetUp() override {
        s.gameRunning = true;  // the world below stands for a game in progress
        s.game->currentYear = 1983;
        s.game->currentWeek = 11;
        s.game->world().playerName = "Ann";
    }
    void post(const std::string& subject, const std::string& body) {
        postLetter(*s.game, s.player, subject, body);
        out.str("");
    }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(s, in, "t");
    }
};

TEST_F(InboxCliTest, ListsLettersAndUnreadCountAndStopsTheBlink) {
    EXPECT_EQ(run("inbox\n"), 0);
    EXPECT_EQ(out.str(), "(empty)\nunread: 0\n");
    post("Good Luck", "Hello");
    post("Financial, Bank", "Pay");
    EXPECT_TRUE(s.game->inbox.newMailFlag);
    EXPECT_EQ(run("inbox\n"), 0);
    EXPECT_EQ(out.str(),
              "   1  1983, 03 - 14  NO   Good Luck\n"
              "   2  1983, 03 - 14  NO   Financial, Bank\n"
              "unread: 2\n");
    EXPECT_FALSE(s.game->inbox.newMailFlag);
}

TEST_F(InboxCliTest, ReadPrintsTheLetterLineByLineAndMarksItRead) {
    post("Good Luck", "Dear Ann\r\n\r\nWelcome");
    EXPECT_EQ(run("read 1\ninbox\n"), 0);
    EXPECT_EQ(out.str(),
              "To      : Ann\n"
              "Recived : 1983, 03 - 14\n"
              "\n"
              "Dear Ann\n"
              "\n"
              "Welcome\n"
              "   1  1983, 03 - 14  YES  Good Luck\n"
              "unread: 0\n");
}

TEST_F(InboxCliTest, DeleteAndDeleteAllReportWhatHappened) {
    post("A", "a");
    post("B", "b");
    post("C", "c");
    EXPECT_EQ(run("delete 2\ndelete 3\ninbox\n"), 0);
    EXPECT_EQ(out.str(),
              "deleted row 2\n"
              "row 3 not deleted\n"
              "   1  1983, 03 - 14  NO   A\n"
              "   2  1983, 03 - 14  NO   C\n"
              "unread: 2\n");
    EXPECT_EQ(run("delete-all\ndelete-all\ninbox\n"), 0);
    EXPECT_EQ(out.str(), "deleted all mails\nnothing to delete\n(empty)\nunread: 0\n");
}

TEST_F(InboxCliTest, SortNamesTheColumnAndDirection) {
    post("b", "x");
    post("a", "x");
    EXPECT_EQ(run("sort 2\nsort 2\nsort 0\n"), 0);
    EXPECT_EQ(out.str(), "sorted by Subject, ascending\nsorted by Subject, descending\nsorted by Recived, ascending\n");
}

TEST_F(InboxCliTest, BadRowsAndColumnsAreScriptErrors) {
    post("A", "a");
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"read\n", "error: t:1: read: missing a number (usage: read ROW)\n"},
        {"read x\n", "error: t:1: read: \"x\" is not a whole number (usage: read ROW)\n"},
        {"read 3\n", "error: t:1: read: 3 is out of range (1..2) (usage: read ROW)\n"},
        {"read 0\n", "error: t:1: read: 0 is out of range (1..2) (usage: read ROW)\n"},
        {"read 2\n", "error: t:1: read: row 2 holds no letter (usage: read ROW)\n"},
        {"delete 9\n", "error: t:1: delete: 9 is out of range (1..2) (usage: delete ROW)\n"},
        {"sort 3\n", "error: t:1: sort: 3 is out of range (0..2) (usage: sort COLUMN)\n"},
        {"delete-all now\n", "error: t:1: delete-all: takes no arguments (usage: delete-all)\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.line), 2) << c.line;
        EXPECT_EQ(out.str(), c.message);
    }
    EXPECT_EQ(s.game->inbox.rows[1].cells[1], "NO");
}

}  // namespace
}  // namespace cw::cli
