// The inbox's rows, the reading pane, the unread reminder, deleting, the
// yearly clean-up and sorting.
#include "state/inbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_player.h"
#include "state/game.h"

namespace cw {
namespace {

class InboxTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        g.currentYear = 1983;
        g.currentWeek = 10;
        g.world().playerName = "Ann Smith";
    }
    void post(int year, int week, const std::string& subject, const std::string& body = "b") {
        g.currentYear = year;
        g.currentWeek = week;
        postLetter(g, p, subject, body);
    }
    std::vector<std::string> column(std::size_t c) const {
        std::vector<std::string> out;
        for (std::size_t r = 1; r < g.inbox.rows.size(); ++r) out.push_back(g.inbox.rows[r].cells[c]);
        return out;
    }
};

TEST_F(InboxTest, NewInboxIsHeadingAndOneBlankRow) {
    ASSERT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_EQ(g.inbox.rows[0].cells, (std::array<std::string, 4>{"Recived", "Read", "Subject", ""}));
    EXPECT_TRUE(g.inbox.rows[1].blank());
    EXPECT_FALSE(g.inbox.newMailFlag);
}

TEST_F(InboxTest, TwoLettersFillRowsOneAndTwoAndLeaveRowThreeBlank) {
    postLetter(g, p, "Game finished", "Line one\r\nLine two");
    postLetter(g, p, "Financial, Bank", "x");
    ASSERT_EQ(g.inbox.rows.size(), 4u);
    EXPECT_EQ(g.inbox.rows[1].cells,
              (std::array<std::string, 4>{"1983, 03 - 7", "NO", "Game finished", "Line one##Line two"}));
    EXPECT_EQ(g.inbox.rows[2].cells[2], "Financial, Bank");
    EXPECT_TRUE(g.inbox.rows[3].blank());
    EXPECT_TRUE(g.inbox.newMailFlag);
    EXPECT_EQ(g.inbox.unread, 2);
    // The transcript sees the letter as sent, line breaks and all.
    ASSERT_EQ(p.only("letter").size(), 2u);
    EXPECT_EQ(p.only("letter")[0].a, "Game finished");
    EXPECT_EQ(p.only("letter")[0].b, "Line one\r\nLine two");
}

TEST_F(InboxTest, ReadingPaneTextIsExactAndRestoresLineBreaks) {
    postLetter(g, p, "Good Luck", "Dear Sir\r\n\r\nWelcome##aboard");
    const std::string text = openLetter(g, p, 1);
    EXPECT_EQ(text, "To      : Ann Smith\r\nRecived : 1983, 03 - 7\r\n\r\nDear Sir\r\n\r\nWelcome\r\naboard");
    EXPECT_EQ(g.inbox.rows[1].cells[1], "YES");
    EXPECT_EQ(g.inbox.unread, 0);
}

TEST_F(InboxTest, LoneLineBreaksAreStoredAsHashesSoTheFileKeepsOneLetterALine) {
    postLetter(g, p, "S", "a\nb\rc");
    EXPECT_EQ(g.inbox.rows[1].cells[3], "a##b##c");
}

TEST_F(InboxTest, OpeningHeadingBlankOrMissingRowsDoesNothing) {
    postLetter(g, p, "S", "b");
    for (int row : {-1, 0, 2, 3, 99}) {
        EXPECT_EQ(openLetter(g, p, row), "") << row;
    }
    EXPECT_EQ(g.inbox.rows[1].cells[1], "NO");
    EXPECT_EQ(g.inbox.rows[0].cells[1], "Read");
    EXPECT_TRUE(p.only("notify").empty());
}

TEST_F(InboxTest, OpeningTheInboxStopsTheBlinkAndLabelsCountUnread) {
    postLetter(g, p, "A", "b");
    postLetter(g, p, "B", "b");
    openInbox(g);
    EXPECT_FALSE(g.inbox.newMailFlag);
    EXPECT_EQ(inboxLabel(g), "Inbox (2)");
    EXPECT_EQ(inboxProgressText(g), "Inbox messages :2");
    g.currentWeek = 11;
    openLetter(g, p, 2);
    EXPECT_EQ(inboxLabel(g), "Inbox (1)");
    EXPECT_EQ(g.inbox.rows[2].cells[1], "YES");
}

TEST_F(InboxTest, ReminderOnlyInEveryTenthWeekWithUnreadMail) {
    std::vector<int> reminded;
    for (int week = 1; week <= 52; ++week) {
        g.currentWeek = week;
        const std::size_t before = p.calls.size();
        updateUnreadCount(g, p);
        if (p.calls.size() > before) reminded.push_back(week);
    }
    EXPECT_TRUE(reminded.empty());  // nothing unread

    postLetter(g, p, "S", "b");
    p.calls.clear();
    for (int week = 1; week <= 52; ++week) {
        g.currentWeek = week;
        EXPECT_EQ(updateUnreadCount(g, p), 1);
    }
    ASSERT_EQ(p.calls.size(), 10u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(p.calls[2 * i].kind, "notify");
        EXPECT_EQ(p.calls[2 * i].a, "Unread Mail");
        EXPECT_EQ(p.calls[2 * i].b, "You have unread mail in your inbox");
        EXPECT_EQ(p.calls[2 * i].number, 2000);
        EXPECT_EQ(p.calls[2 * i + 1].kind, "pause");
        EXPECT_EQ(p.calls[2 * i + 1].number, 1500);
    }
}

TEST_F(InboxTest, DeleteNeverLeavesFewerThanTwoRowsNorTakesHeadingOrBlankRow) {
    EXPECT_FALSE(deleteLetter(g, 1));  // heading + blank only
    postLetter(g, p, "A", "b");
    postLetter(g, p, "B", "b");
    EXPECT_FALSE(deleteLetter(g, 0));
    EXPECT_FALSE(deleteLetter(g, 3));  // the blank row the next letter goes into
    EXPECT_FALSE(deleteLetter(g, 4));
    EXPECT_FALSE(deleteLetter(g, -2));
    EXPECT_TRUE(deleteLetter(g, 1));
    ASSERT_EQ(g.inbox.rows.size(), 3u);
    EXPECT_EQ(g.inbox.rows[1].cells[2], "B");
    EXPECT_EQ(g.inbox.unread, 1);
    EXPECT_TRUE(deleteLetter(g, 1));
    EXPECT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_FALSE(deleteLetter(g, 1));
    EXPECT_EQ(g.inbox.unread, 0);
}

TEST_F(InboxTest, DeleteAllLeavesHeadingAndOneBlankRowAndRefreshes) {
    EXPECT_FALSE(deleteAllLetters(g, p));
    EXPECT_EQ(p.refreshes, 0);
    postLetter(g, p, "A", "b");
    postLetter(g, p, "B", "b");
    EXPECT_TRUE(deleteAllLetters(g, p));
    ASSERT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_EQ(g.inbox.rows[0].cells[0], "Recived");
    EXPECT_TRUE(g.inbox.rows[1].blank());
    EXPECT_EQ(g.inbox.unread, 0);
    EXPECT_EQ(p.refreshes, 1);
}

TEST_F(InboxTest, DeleteAllBlanksRowOneWhenTheInboxHadNoBlankRow) {
    // As an inbox file without the trailing blank row loads.
    g.inbox.rows = {g.inbox.rows[0], {{"1983, 03 - 7", "NO", "A", "a"}}, {{"1983, 03 - 7", "NO", "B", "b"}}};
    EXPECT_TRUE(deleteAllLetters(g, p));
    ASSERT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_TRUE(g.inbox.rows[1].blank());
    postLetter(g, p, "C", "c");
    EXPECT_EQ(g.inbox.rows.size(), 3u);
    EXPECT_EQ(g.inbox.rows[1].cells[2], "C");
}

TEST_F(InboxTest, PostingNeverOverwritesALetterInTheLastRow) {
    g.inbox.rows = {g.inbox.rows[0], {{"1983, 03 - 7", "NO", "A", "a"}}};
    postLetter(g, p, "B", "b");
    ASSERT_EQ(g.inbox.rows.size(), 4u);
    EXPECT_EQ(column(2), (std::vector<std::string>{"A", "B", ""}));
}

TEST_F(InboxTest, CleanUpDeletesLettersOlderThanAYearNeverBelowTwoRows) {
    post(1983, 10, "old");
    post(1984, 10, "last year");
    g.currentYear = 1984;
    EXPECT_EQ(deleteOldLetters(g), 0);  // a 1983 letter is kept through 1984

    g.currentYear = 1985;
    int logged = 0;
    EXPECT_EQ(deleteOldLetters(g, [&] { ++logged; }), 1);
    EXPECT_EQ(logged, 1);
    EXPECT_EQ(column(2), (std::vector<std::string>{"last year", ""}));

    // Without the blank row the only letter is the second row and stays.
    g.inbox.rows = {g.inbox.rows[0], {{"1980, 03 - 3", "NO", "ancient", ""}}};
    EXPECT_EQ(deleteOldLetters(g), 0);
    EXPECT_EQ(g.inbox.rows.size(), 2u);
}

TEST_F(InboxTest, CleanUpWalksFromTheLastRowAndKeepsUnreadableDates) {
    post(1981, 10, "a");
    post(1985, 10, "odd date");
    post(1982, 10, "b");
    g.inbox.rows[2].cells[0] = "March 1981";  // no year before a ","
    g.currentYear = 1985;
    int logged = 0;
    EXPECT_EQ(deleteOldLetters(g, [&] { ++logged; }), 2);
    EXPECT_EQ(logged, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"odd date", ""}));
    EXPECT_EQ(g.inbox.unread, 1);

    // A year as large as a number gets, from an edited file, is not old.
    g.inbox.rows[1].cells[0] = "2147483647, 01 - 1";
    EXPECT_EQ(deleteOldLetters(g), 0);
}

TEST_F(InboxTest, WeekOneDatesCountFromTheYearOfTheirMonday) {
    post(1985, 1, "new year");  // Monday of ISO week 1 of 1985 is 31 December 1984
    EXPECT_EQ(g.inbox.rows[1].cells[0], "1984, 12 - 31");
    g.currentYear = 1986;
    EXPECT_EQ(deleteOldLetters(g), 1);
}

TEST_F(InboxTest, SortAlternatesAndKeepsTheBlankRowLast) {
    post(1983, 12, "beta");
    post(1983, 10, "Alpha");
    post(1983, 11, "gamma");
    sortInbox(g, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"Alpha", "beta", "gamma", ""}));
    EXPECT_TRUE(g.inbox.sortAscending);
    sortInbox(g, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"gamma", "beta", "Alpha", ""}));
    sortInbox(g, 0);  // another heading starts ascending again; dates compare as text
    EXPECT_EQ(column(0), (std::vector<std::string>{"1983, 03 - 14", "1983, 03 - 21", "1983, 03 - 7", ""}));
    sortInbox(g, 7);
    EXPECT_EQ(g.inbox.sortColumn, 0);
    postLetter(g, p, "after", "x");
    EXPECT_EQ(column(2).size(), 5u);
    EXPECT_EQ(column(2)[3], "after");
}

TEST_F(InboxTest, SortComparesNumbersWhenRowOneHoldsANumber) {
    post(1983, 10, "10");
    post(1983, 10, "9");
    post(1983, 10, "100");
    sortInbox(g, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"9", "10", "100", ""}));
    sortInbox(g, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"100", "10", "9", ""}));
    // The same subjects as text once row 1 is not a number.
    g.inbox.rows[1].cells[2] = "x";
    sortInbox(g, 2);
    EXPECT_EQ(column(2), (std::vector<std::string>{"10", "9", "x", ""}));
}

}  // namespace
}  // namespace cw
