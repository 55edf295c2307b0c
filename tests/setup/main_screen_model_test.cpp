#include "setup/main_screen_model.h"

#include <gtest/gtest.h>

#include "dev/release.h"

#include <climits>

#include "fakes/recording_player.h"
#include "sim/game_clock.h"
#include "state/calendar.h"
#include "state/inbox.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

TEST(MainScreenTexts, ThousandsSeparators) {
    EXPECT_EQ(thousands(0), "0");
    EXPECT_EQ(thousands(999), "999");
    EXPECT_EQ(thousands(1000), "1,000");
    EXPECT_EQ(thousands(1234567), "1,234,567");
    EXPECT_EQ(thousands(-999), "-999");
    EXPECT_EQ(thousands(-1234), "-1,234");
    EXPECT_EQ(thousands(-100000), "-100,000");
    EXPECT_EQ(thousands(2000000000), "2,000,000,000");
    EXPECT_EQ(thousands(INT32_MIN), "-2,147,483,648");
    EXPECT_EQ(thousands(LLONG_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(cashText(4000000), "$ 4,000,000");
    EXPECT_EQ(cashText(-50001), "$ -50,001");
    EXPECT_EQ(changeText(1500), "+1,500");
    EXPECT_EQ(changeText(-250), "-250");
    EXPECT_EQ(changeText(0), "0");
}

TEST(MainScreenTexts, PlayTime) {
    EXPECT_EQ(playTimeText(0), "0:00:00");
    EXPECT_EQ(playTimeText(70), "0:01:10");
    EXPECT_EQ(playTimeText(3670), "1:01:10");
    EXPECT_EQ(playTimeText(100 * 3600), "100:00:00");
    EXPECT_EQ(playTimeText(-10), "0:00:00");
}

TEST(MainScreenTexts, ChristmasBannerInWeeks38To47) {
    EXPECT_EQ(christmasBannerText(37), "");
    EXPECT_EQ(christmasBannerText(38), "Christmas sales\r\n10 weeks left");
    EXPECT_EQ(christmasBannerText(47), "Christmas sales\r\n1 weeks left");
    EXPECT_EQ(christmasBannerText(48), "");
}

TEST(MainScreenTexts, ReportsCarryTheInformationIconRefusalsTheWarning) {
    EXPECT_EQ(noticeKind("Game saved"), NoticeKind::Information);
    EXPECT_EQ(noticeKind("Saving Game"), NoticeKind::Information);
    EXPECT_EQ(noticeKind("New employee hired"), NoticeKind::Information);
    EXPECT_EQ(noticeKind("Unread Mail"), NoticeKind::Information);
    EXPECT_EQ(noticeKind("Office space"), NoticeKind::Warning);
    EXPECT_EQ(noticeKind("No file selected"), NoticeKind::Warning);
    EXPECT_EQ(noticeKind("game saved"), NoticeKind::Warning);  // the game's own texts, letter for letter
}

TEST(MainScreenTexts, TaskPercent) {
    Task t{};
    EXPECT_EQ(taskPercent(t), 0);  // no work planned yet
    t.workTotal = 200;
    t.progress = 71;
    EXPECT_EQ(taskPercent(t), 35);
    t.progress = 250;
    EXPECT_EQ(taskPercent(t), 100);
    t.progress = -5;
    EXPECT_EQ(taskPercent(t), 0);
    t.workTotal = 2100000000;
    t.progress = 2000000000;
    EXPECT_EQ(taskPercent(t), 95);  // no overflow on the way
}

class MainScreenModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.world().companyName = "Pixel Forge";
        g.world().playerName = "Alex";
        g.world().money = 4000000;
        g.session.lastCash = 4000000;
    }
    Game g;
    test::RecordingPlayer player;
};

TEST_F(MainScreenModelTest, DateCashAndNames) {
    g.currentYear = 1983;
    g.currentWeek = 5;
    const MainScreenModel m = buildMainScreenModel(g);
    EXPECT_EQ(m.weekText, "Week 5");
    EXPECT_EQ(m.dateText, progressDateText(1983, 5));
    EXPECT_EQ(m.dateText, "31. January, 1983");
    EXPECT_EQ(m.companyName, "Pixel Forge");
    EXPECT_EQ(m.playerName, "Alex");
    EXPECT_EQ(m.cashText, "$ 4,000,000");
    EXPECT_EQ(m.cashTone, Tone::Good);
    g.world().money = -1;
    EXPECT_EQ(buildMainScreenModel(g).cashTone, Tone::Bad);
}

TEST_F(MainScreenModelTest, FinanceLabelsAndTones) {
    g.world().yearlyCash[1980] = 4500000;
    g.currentWeek = 2;
    g.world().money = 3750000;
    updateFinanceLabels(g);
    MainScreenModel m = buildMainScreenModel(g);
    EXPECT_EQ(m.finance[0].text, "-250,000");
    EXPECT_EQ(m.finance[0].tone, Tone::Bad);
    EXPECT_EQ(m.finance[1].text, "-250,000");
    EXPECT_EQ(m.finance[2].caption, "Since 1 Jan 1980");
    EXPECT_EQ(m.finance[2].text, "-750,000");
    EXPECT_EQ(m.finance[2].tone, Tone::Bad);

    g.currentWeek = 3;
    g.world().money = 3760000;
    updateFinanceLabels(g);
    m = buildMainScreenModel(g);
    EXPECT_EQ(m.finance[0].text, "+10,000");
    EXPECT_EQ(m.finance[0].tone, Tone::Good);
    EXPECT_EQ(m.finance[1].text, "-240,000");

    // Week 4 closes the four-week period: the label shows the finished
    // period's sum, and only the turn after it starts over.
    g.currentWeek = 4;
    g.world().money = 3770000;
    updateFinanceLabels(g);
    m = buildMainScreenModel(g);
    EXPECT_EQ(m.finance[0].text, "+10,000");
    EXPECT_EQ(m.finance[1].text, "-230,000");
    EXPECT_EQ(m.finance[1].tone, Tone::Bad);
    EXPECT_EQ(g.session.monthCashChange, 0);
    // Redrawing the screen between turns keeps the sum on show.
    EXPECT_EQ(buildMainScreenModel(g).finance[1].text, "-230,000");

    g.currentWeek = 5;
    g.world().money = 3775000;
    updateFinanceLabels(g);
    m = buildMainScreenModel(g);
    EXPECT_EQ(m.finance[1].text, "+5,000");

    g.currentWeek = 6;
    updateFinanceLabels(g);
    m = buildMainScreenModel(g);
    EXPECT_EQ(m.finance[0].text, "0");
    EXPECT_EQ(m.finance[0].tone, Tone::Neutral);
    EXPECT_EQ(m.finance[1].text, "+5,000");
}

// Three turns of the period of weeks 2..4 lose 10,000 each: the label after
// week 4 shows all three, the next turn only its own.
TEST_F(MainScreenModelTest, MonthLabelShowsTheFinishedPeriodsSum) {
    g.currentWeek = 2;
    g.world().money = 3990000;
    updateFinanceLabels(g);
    g.currentWeek = 3;
    g.world().money = 3980000;
    updateFinanceLabels(g);
    g.currentWeek = 4;
    g.world().money = 3970000;
    updateFinanceLabels(g);
    EXPECT_EQ(buildMainScreenModel(g).finance[1].text, "-30,000");
    EXPECT_EQ(g.session.monthCashChange, 0);
    g.currentWeek = 5;
    g.world().money = 3960000;
    updateFinanceLabels(g);
    EXPECT_EQ(buildMainScreenModel(g).finance[1].text, "-10,000");
}

TEST_F(MainScreenModelTest, InboxCheatsAndPlayTime) {
    MainScreenModel m = buildMainScreenModel(g);
    EXPECT_EQ(m.inboxText, "Inbox (0)");
    EXPECT_FALSE(m.inboxBlinking);
    EXPECT_EQ(m.cheatCaption, "Used Cheat codes");
    EXPECT_EQ(m.cheatText, "0/3 times");

    postLetter(g, player, "Good Luck", "Dear Alex");
    postLetter(g, player, "Stock Exchange", "Shares");
    g.session.cheatCount = 2;
    g.session.sessionPlaySeconds = 70;
    g.session.storedPlaySeconds = 3600;
    m = buildMainScreenModel(g);
    EXPECT_EQ(m.inboxText, "Inbox (2)");
    EXPECT_TRUE(m.inboxBlinking);
    EXPECT_EQ(m.cheatText, "2/3 times");
    EXPECT_EQ(m.sessionPlayText, "0:01:10");
    EXPECT_EQ(m.totalPlayText, "1:01:10");

    openInbox(g);
    EXPECT_FALSE(buildMainScreenModel(g).inboxBlinking);
}

TEST_F(MainScreenModelTest, TaskRowsInSlotOrderSkippingFreeSlots) {
    auto& tasks = g.tables().tasks;
    tasks[7].name = "Engine 2D";
    tasks[7].taskType = 2;
    tasks[7].progress = 8;
    tasks[7].workTotal = 10;
    tasks[3].name = "Dungeon Quest";
    tasks[3].taskType = 0;
    tasks[3].workTotal = 100;
    tasks[3].progress = 35;
    tasks[5].name = "   ";  // blank names mark free slots
    const MainScreenModel m = buildMainScreenModel(g);
    ASSERT_EQ(m.tasks.size(), 2u);
    EXPECT_EQ(m.tasks[0].index, 3);
    EXPECT_EQ(m.tasks[0].name, "Dungeon Quest");
    EXPECT_EQ(m.tasks[0].typeText, "Software");
    EXPECT_EQ(m.tasks[0].percent, 35);
    EXPECT_EQ(m.tasks[1].index, 7);
    EXPECT_EQ(m.tasks[1].typeText, "Engine");
    EXPECT_EQ(m.tasks[1].percent, 80);
    EXPECT_TRUE(m.games.empty() && m.engines.empty() && m.platforms.empty());
}

TEST_F(MainScreenModelTest, NewsOlderAboveNewer) {
    g.currentWeek = 3;
    for (int i = 1; i <= 5; ++i) postNews(g, 2, "Title " + std::to_string(i), "Text " + std::to_string(i));
    postNews(g, 3, "Chip", "Line one\r\nLine two");
    const MainScreenModel m = buildMainScreenModel(g);
    EXPECT_TRUE(m.news[0].empty());
    ASSERT_EQ(m.news[1].size(), 4u);
    EXPECT_EQ(m.news[1][0].title, "Title 2");
    EXPECT_EQ(m.news[1][3].title, "Title 5");
    EXPECT_EQ(m.news[1][3].body, "Text 5\r\n - " + newsDateText(1980, 3));
    ASSERT_EQ(m.news[2].size(), 1u);
    EXPECT_EQ(m.news[2][0].body, "Line one\r\nLine two\r\n - " + newsDateText(1980, 3));
}

TEST_F(MainScreenModelTest, ProgressWindowTexts) {
    g.world().money = -1234567;
    EXPECT_EQ(progressMoneyText(g), "Money balance: $ -1,234,567");
    auto& pfs = g.tables().platforms;
    pfs[3].name = "Vectra";
    pfs[3].released = 1;
    pfs[3].marketShare = 12;
    pfs[3].cpuSpec = 1200;
    pfs[3].price = 1299;
    pfs[2].name = "Unreleased";
    pfs[1].name = "Atari 2600";
    pfs[1].released = 1;
    pfs[1].marketShare = 45;
    pfs[1].cpuSpec = 2;
    pfs[1].price = 199;
    const auto rows = progressPlatformRows(g);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Atari 2600");
    EXPECT_EQ(rows[0].price, "$ 199");
    EXPECT_EQ(rows[1].name, "Vectra");
    EXPECT_EQ(rows[1].share, "12");
    EXPECT_EQ(rows[1].cpu, "1,200");
    EXPECT_EQ(rows[1].price, "$ 1,299");

    postNews(g, 1, "Economy booming in the US", "Consumers spend more\r\nsecond line");
    postNews(g, 1, "Oil", "Prices up");
    postNews(g, 1, "Exactly12chr", "x");
    const auto lines = progressNewsLines(g, 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Economy boom...,Consumers spend more");
    EXPECT_EQ(lines[1], "Oil...,Prices up");
    EXPECT_EQ(lines[2], "Exactly12chr...,x");
    EXPECT_TRUE(progressNewsLines(g, 2).empty());
    EXPECT_TRUE(progressNewsLines(g, 0).empty());
    EXPECT_TRUE(progressNewsLines(g, 4).empty());
}

TEST(ProgressAnimationTest, NewsCategoryTurnsEveryFortySteps) {
    ProgressAnimation a;
    std::vector<int> changesAt;
    std::vector<int> categories;
    for (int i = 1; i <= 160; ++i) {
        if (a.advance()) {
            changesAt.push_back(i);
            categories.push_back(a.newsCategory);
        }
    }
    EXPECT_EQ(changesAt, (std::vector<int>{40, 80, 120, 160}));
    EXPECT_EQ(categories, (std::vector<int>{2, 3, 1, 2}));
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

// A finished game and a bought engine show in the Products lists at once.
TEST(MainScreenProducts, OwnGamesWithTheirScoreAndEngines) {
    Game g;
    EXPECT_TRUE(buildMainScreenModel(g).games.empty());
    auto& title = g.tables().gameTitles[1978][4];
    title.title = "Space Duel";
    title.reviewScore = 61;
    const int game = addProduct(g, 0, 1978, 4, ProductGame, false);
    g.world().ownEngines[1][5].name = "Apple II Action";
    g.world().ownEngines[1][5].rating = 12;
    addProduct(g, 0, 1, 5, ProductEngine, true);
    addProduct(g, 0, 1978, 9, ProductGame, false);  // an empty catalogue slot lists nothing
    const MainScreenModel m = buildMainScreenModel(g);
    ASSERT_EQ(m.games.size(), 1u);
    EXPECT_EQ(m.games[0].slot, game);
    EXPECT_EQ(m.games[0].name, "Space Duel  (score 61) - " + productStateText(g, game));
    ASSERT_EQ(m.engines.size(), 1u);
    EXPECT_EQ(m.engines[0].name, "Apple II Action  (score 12/150)");
    g.tables().platforms[1].name = "Apple II";
    g.tables().genres[5].name = "Action";
    EXPECT_EQ(buildMainScreenModel(g).engines[0].name, "Apple II Action - Apple II, Action  (score 12/150)");
    // An engine bought with a game (no product entry) is listed too.
    g.world().ownEngines[1][6].name = "EngineAction";
    g.world().ownEngines[1][6].rating = 68;
    const MainScreenModel bought = buildMainScreenModel(g);
    ASSERT_EQ(bought.engines.size(), 2u);
    EXPECT_EQ(bought.engines[1].slot, 0);
    EXPECT_EQ(bought.engines[1].name, "EngineAction - Apple II  (score 68/150) - bought");
}

}  // namespace
}  // namespace cw
