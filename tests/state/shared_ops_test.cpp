#include <gtest/gtest.h>

#include "state/shared_ops.h"

namespace cw {

TEST(SharedOps, TaskTexts) {
    EXPECT_EQ(taskTypeText(0), "Software");
    EXPECT_EQ(taskTypeText(3), "WareHouse");
    EXPECT_EQ(taskTypeText(5), "Unknown Type");
    EXPECT_EQ(taskTypeText(-1), "Unknown Type");
    EXPECT_EQ(taskSubtypeText(2), "Produce Copys");
    EXPECT_EQ(taskSubtypeText(3), "Improve & Optimize");
    EXPECT_EQ(taskSubtypeText(4), "Unknown SubType");
}

TEST(SharedOps, HistoryFillsFirstEmptyLineAndDropsThe101st) {
    Game g;
    g.currentYear = 1984;
    for (int i = 1; i <= 100; ++i) EXPECT_TRUE(addCompanyHistory(g, 7, "event " + std::to_string(i)));
    EXPECT_FALSE(addCompanyHistory(g, 7, "one too many"));
    const auto& year = g.world().companyHistory[1984];
    EXPECT_EQ(year[1].str(), "Week 7: event 1");
    EXPECT_EQ(year[100].str(), "Week 7: event 100");
    EXPECT_EQ(g.world().companyHistory[1985][1].len, 0);
    EXPECT_EQ(g.world().worldHistory[1984][1].len, 0);  // the two histories are separate

    // A freed line in the middle is reused before the end.
    g.world().worldHistory[1984][1] = "old";
    g.world().worldHistory[1984][3] = "old";
    addWorldHistory(g, 12, std::string(100, 'x'));
    EXPECT_EQ(g.world().worldHistory[1984][2].str(), "Week 12: " + std::string(71, 'x'));  // cut to 80
}

TEST(SharedOps, NewsKeepsFourPerCategoryAndPushesOutTheOldest) {
    Game g;
    g.currentYear = 1983;
    g.currentWeek = 5;
    for (int i = 1; i <= 5; ++i) postNews(g, NewsHardware, "title " + std::to_string(i), "text");
    const auto& hw = g.world().newsItems[NewsHardware];
    EXPECT_EQ(hw[1].title.str(), "title 2");
    EXPECT_EQ(hw[4].title.str(), "title 5");
    EXPECT_EQ(hw[4].dateText.str(), "1983, Jan  31");
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].title.len, 0);

    postNews(g, NewsSoftware, std::string(50, 't'), std::string(300, 'b'));
    const auto& sw = g.world().newsItems[NewsSoftware][1];
    EXPECT_EQ(sw.title.size(), 40);
    EXPECT_EQ(sw.text.size(), 255);
    postNews(g, 0, "ignored", "bad category");
    postNews(g, 4, "ignored", "bad category");
}

TEST(SharedOps, AddProductTakesTheLowestFreeSlotAndEmptiesTheTask) {
    Game g;
    auto& products = g.world().products;
    products[1].refA = 1990;   // in use
    products[2].refA = 3001;   // beyond the valid range: free
    products[2].value16 = 77;  // kept by addProduct
    products[2].value8 = 5;
    g.tables().tasks[3].name = "Space Game";
    g.tables().tasks[3].progress = 40;

    EXPECT_EQ(addProduct(g, 3, 1978, 12, ProductGame, true), 2);
    EXPECT_EQ(products[2].refA, 1978);
    EXPECT_EQ(products[2].refB, 12);
    EXPECT_EQ(products[2].value8, 0);
    EXPECT_EQ(products[2].kind, ProductGame);
    EXPECT_EQ(products[2].value16, 77);
    EXPECT_EQ(products[2].released, 1);
    EXPECT_TRUE(g.tables().tasks[3].name.blank());
    EXPECT_EQ(g.tables().tasks[3].progress, 0);

    EXPECT_EQ(addProduct(g, 0, 7, 3, ProductEngine, false), 3);
    for (int i = 4; i <= 3500; ++i) products[i].refA = 1;
    EXPECT_EQ(addProduct(g, 0, 7, 3, ProductEngine, false), 0);
}

TEST(SharedOps, PstrCutsToCapacityAndSurvivesBadLengthBytes) {
    pstr<5> s;
    s = "abcdefgh";
    EXPECT_EQ(s.str(), "abcde");
    s = "  ";
    EXPECT_TRUE(s.blank());
    EXPECT_FALSE(s.empty());
    s.len = 200;  // as a damaged save file might hold
    EXPECT_EQ(s.size(), 5);
}

}  // namespace cw
