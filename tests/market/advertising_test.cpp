// Campaign prices and lengths, the refusals of "Start" and the weekly use
// of the units with their hype draws.
#include "market/advertising.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "market/market_world.h"

namespace cw {
namespace {

class AdvertisingTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;
    Task& task() {
        Task& t = g.tables().tasks[2];
        t.name = "Console";
        t.taskType = 1;
        return t;
    }
};

TEST_F(AdvertisingTest, AWorldWideTvCampaignCostsAndRuns) {
    Task& t = task();
    g.world().money = 210000;
    EXPECT_EQ(campaignPrice(7, 3), 210000);
    EXPECT_TRUE(StartCampaign(g, p, 2, 7, 3));
    EXPECT_EQ(campaignWeeks(t, 7), 60);
    EXPECT_EQ(g.world().money, 0);
    EXPECT_EQ(t.spent, 210000);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1980], 210000);
    EXPECT_EQ(campaignStatus(t, 7), "(In progress)");
    EXPECT_EQ(campaignStatus(t, 1), "(Ready)");

    RunCampaigns(g, p);
    EXPECT_EQ(campaignWeeks(t, 7), 55);
    setCampaignWeeks(t, 7, 11);
    RunCampaigns(g, p);
    EXPECT_EQ(campaignWeeks(t, 7), 7);  // 11 div 3 + 1 units
    setCampaignWeeks(t, 7, 1);
    RunCampaigns(g, p);
    EXPECT_EQ(campaignWeeks(t, 7), 0);
    EXPECT_EQ(campaignWeeks(t, 6), 0);  // the neighbours stay untouched
}

TEST_F(AdvertisingTest, StartRefusesWithoutCashAndWithAPublishingDepartment) {
    Task& t = task();
    g.world().money = 9999;
    EXPECT_FALSE(StartCampaign(g, p, 2, 1, 1));
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "Not enough Cash");
    EXPECT_EQ(p.only("notify")[0].b, "You do not have enough cash for this selection");
    g.world().money = 10000;
    g.world().publisherLevel = 1;
    EXPECT_FALSE(StartCampaign(g, p, 2, 1, 1));
    EXPECT_EQ(g.world().money, 10000);
    ASSERT_EQ(p.only("notify").size(), 2u);
    EXPECT_EQ(p.only("notify")[1].a, "Campaign not started");
    EXPECT_EQ(p.only("notify")[1].b,
              "No campaign can be bought while the company has its own publishing department.");
    g.world().publisherLevel = 0;
    EXPECT_TRUE(StartCampaign(g, p, 2, 1, 1));
    EXPECT_EQ(campaignWeeks(t, 1), 20);
    g.world().money = 10000;
    EXPECT_FALSE(StartCampaign(g, p, 2, 1, 1));  // still running
    ASSERT_EQ(p.only("notify").size(), 3u);
    EXPECT_NE(p.only("notify")[2].b.find("is still running"), std::string::npos);
}

TEST_F(AdvertisingTest, EachUnitDrawsForHype) {
    Task& t = task();
    setCampaignWeeks(t, 1, 3);  // two units this week
    g.rng.seed = test::seedDrawing(700, 5);
    RunCampaigns(g, p);
    EXPECT_GE(t.hype, 1);
    EXPECT_EQ(campaignWeeks(t, 1), 1);
}

}  // namespace
}  // namespace cw
