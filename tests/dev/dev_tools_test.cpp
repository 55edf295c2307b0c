// Development tools and copy protection: prices by the platform's age, the
// refusals, what a tool does to the work estimate, and the crackers' wear.
#include "dev/dev_tools.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "market/sales.h"

namespace cw {
namespace {

class DevToolsTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    void SetUp() override { test::makeDevWorld(g); }
    u8& code(int platform) { return g.world().devToolTables[2][platform]; }
    u8& design(int platform) { return g.world().devToolTables[4][platform]; }
    u8& graphics(int platform) { return g.world().devToolTables[1][platform]; }
    const test::Call& last() const { return p.calls.back(); }
};

TEST_F(DevToolsTest, PriceFactorFallsWithThePlatformsAge) {
    // Year 1980: a = 1983 - release year.
    const std::pair<i32, i32> byRelease[] = {{1985, 230}, {1980, 230}, {1979, 180}, {1978, 180}, {1977, 150},
                                             {1976, 150}, {1975, 110}, {1974, 110}, {1973, 80},  {1960, 80}};
    for (auto [year, factor] : byRelease) {
        g.tables().platforms[3].releaseYear = year;
        EXPECT_EQ(toolPriceFactor(g, 3), factor) << year;
    }
}

TEST_F(DevToolsTest, UpgradePricesAsTheLabelsShowThem) {
    code(3) = 2;  // Gamma, released this year
    EXPECT_EQ(toolUpgradePrice(g, Tool::Code, 3), 184000);
    EXPECT_EQ(toolOffer(g, Tool::Code, 3).priceText, "Upgrade Price :184000$");
    EXPECT_EQ(toolOffer(g, Tool::Code, 3).levelName, "(2) Single user Licence");
    g.currentYear = 1987;  // seven years on
    EXPECT_EQ(toolUpgradePrice(g, Tool::Code, 3), 64000);
    design(3) = 1;
    EXPECT_EQ(toolOffer(g, Tool::Design, 3).priceText, "Upgrade Price :20000$");  // 250 x 80
    graphics(3) = 4;
    const ToolOffer top = toolOffer(g, Tool::Graphics, 3);
    EXPECT_EQ(top.levelName, "(4) Enterprise licence");
    EXPECT_EQ(top.priceText, "");
    EXPECT_FALSE(top.upgradeEnabled);
    // No platform: blank and disabled.
    const ToolOffer none = toolOffer(g, Tool::Code, 0);
    EXPECT_EQ(none.levelName, "");
    EXPECT_FALSE(none.upgradeEnabled);
}

TEST_F(DevToolsTest, PanelsListTheOfferedPlatforms) {
    const auto box = toolPlatformBox(g);
    ASSERT_EQ(box.size(), 5u);  // Omega comes in 1982
    EXPECT_EQ(box[0].platform, 0);
    EXPECT_EQ(box[4].text, "Delta;4");
    const auto pbox = protectionPlatformBox(g);
    EXPECT_EQ(pbox[0].text, "Choose Platform");
    EXPECT_EQ(pbox[1].text, "Alpha" + std::string(57, ' ') + ";1");
    code(2) = 3;
    EXPECT_EQ(toolGrid(g, Tool::Code)[1].levelName, "(3) Professional Licence");
}

TEST_F(DevToolsTest, UpgradeToolPaysAndRefusesInOrder) {
    g.world().money = 100000;
    // Level 0 is upgraded for nothing.
    EXPECT_FALSE(upgradeTool(g, p, Tool::Design, 1));
    EXPECT_EQ(design(1), 1);
    EXPECT_EQ(g.world().money, 100000);
    // Alpha (1978): factor 180; 250 x 180 = 45,000, booked as development cost.
    EXPECT_FALSE(upgradeTool(g, p, Tool::Design, 1));
    EXPECT_EQ(design(1), 2);
    EXPECT_EQ(g.world().money, 55000);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1980], 45000);
    EXPECT_GE(p.refreshes, 2);

    const auto shortOf = upgradeTool(g, p, Tool::Design, 1);  // 90,000
    ASSERT_TRUE(shortOf);
    EXPECT_EQ(shortOf->caption, "Not enough money");
    EXPECT_EQ(shortOf->text, "You do not have enough money to buy this tool\r\nYou are missing :35000");
    EXPECT_EQ(last().kind, "notify");
    EXPECT_EQ(last().number, 2000);
    EXPECT_EQ(design(1), 2);

    design(1) = 4;
    EXPECT_EQ(upgradeTool(g, p, Tool::Design, 1), (Refusal{"No better product", "Theres no better product available."}));
    EXPECT_EQ(upgradeTool(g, p, Tool::Design, 0),
              (Refusal{"Choose a valid platform", "You need to choose a valid platform"}));
    EXPECT_EQ(upgradeTool(g, p, Tool::Design, 5),  // Omega is not offered yet
              (Refusal{"Choose a valid platform", "You need to choose a valid platform"}));
    EXPECT_EQ(g.world().money, 55000);
}

TEST_F(DevToolsTest, ToolsAboveLevelOneShortenTheEstimate) {
    const std::array<i32, 3> research{50, 50, 50};
    const GameEstimateValues before = gameEstimate(g, 1, 1, research, 0);
    g.world().money = 10000000;
    for (int i = 0; i < 2; ++i) ASSERT_FALSE(upgradeTool(g, p, Tool::Code, 1));
    EXPECT_EQ(code(1), 2);
    const GameEstimateValues after = gameEstimate(g, 1, 1, research, 0);
    EXPECT_LT(after.programming, before.programming);
    EXPECT_LT(after.total, before.total);
    // Level 1 alone changes nothing; the other platforms keep their work.
    code(1) = 1;
    EXPECT_EQ(gameEstimate(g, 1, 1, research, 0).total, before.total);
    code(1) = 4;
    EXPECT_EQ(gameEstimate(g, 1, 2, research, 0).total, before.total);
    EXPECT_LT(gameEstimate(g, 1, 1, research, 0).programming, after.programming);
}

TEST(ProtectionTextTest, Boundaries) {
    EXPECT_EQ(protectionText(0), "");
    EXPECT_EQ(protectionText(1).substr(0, 20), "Roumors has it, that");
    EXPECT_EQ(protectionText(20).substr(0, 20), "Roumors has it, that");
    EXPECT_EQ(protectionText(21).substr(0, 20), "This platform piracy");
    EXPECT_EQ(protectionText(34).substr(0, 20), "This platform piracy");
    EXPECT_EQ(protectionText(35), "Your protection seems to work very well, nobody have cracked it yet");
    EXPECT_EQ(protectionText(40), "Your protection seems to work very well, nobody have cracked it yet");
    EXPECT_EQ(protectionText(60), "Your protection seems to work very well, nobody have cracked it yet");
    EXPECT_EQ(protectionText(61).substr(0, 30), "Your protection is working ver");
    EXPECT_EQ(protectionText(100).substr(0, 30), "Your protection is working ver");
    EXPECT_EQ(protectionText(101), "");
}

TEST_F(DevToolsTest, ProtectionStatusByState) {
    EXPECT_EQ(protectionStatus(g, 0).headline, "NA");
    EXPECT_FALSE(protectionStatus(g, 0).buyAllowed);
    ProtectionState& s = g.world().platformProtection[3];
    s.strength = -1;
    EXPECT_EQ(protectionStatus(g, 3).headline, "You have no Anti-Piracy protection for this Platform yet");
    EXPECT_TRUE(protectionStatus(g, 3).buyAllowed);
    s.strength = 40;
    const ProtectionStatus ok = protectionStatus(g, 3);
    EXPECT_EQ(ok.headline, "Piracy Protection is working and has not been broken yet");
    EXPECT_EQ(ok.text, "Your protection seems to work very well, nobody have cracked it yet");
    EXPECT_FALSE(ok.buyAllowed);
    EXPECT_TRUE(ok.working);
    s.strength = 0;
    s.cracked = 1;
    EXPECT_EQ(protectionStatus(g, 3).headline, "Protection has been broken");
    EXPECT_TRUE(protectionStatus(g, 3).buyAllowed);
}

TEST_F(DevToolsTest, BuyingProtectionDrawsPriceAskesAndInstalls) {
    ProtectionState& s = g.world().platformProtection[3];
    s.strength = 0;
    s.cracked = 1;  // a broken protection is replaced at once
    Random r = g.rng;
    const i32 price = (r.randomInt(250) + 550) * 230;
    const i32 strength = r.randomInt(10) + 89;
    EXPECT_FALSE(buyProtection(g, p, 3, ProtectionKind::Advanced));
    ASSERT_EQ(p.calls[0].kind, "dialog");
    EXPECT_EQ(p.calls[0].a, "Buy Piracy Protection");
    EXPECT_EQ(p.calls[0].b, "The Piracy protection will cost you :" + std::to_string(price) + "$\r\nDo you want to buy it ?");
    EXPECT_EQ(g.world().money, 1000000 - price);
    EXPECT_EQ(s.strength, strength);
    EXPECT_EQ(s.cracked, 0);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1980], 0);

    EXPECT_EQ(buyProtection(g, p, 3, ProtectionKind::Simple),
              (Refusal{"Protection exists", "You Already have protection for this platfom"}));

    // Simple on Alpha (factor 180); "No" keeps the money but the price was drawn.
    r = g.rng;
    const i32 simple = (r.randomInt(150) + 350) * 180;
    p.buttonAnswers = {false};
    const i32 money = g.world().money;
    EXPECT_FALSE(buyProtection(g, p, 1, ProtectionKind::Simple));
    EXPECT_EQ(g.world().money, money);
    EXPECT_EQ(g.world().platformProtection[1].strength, 0);
    EXPECT_NE(p.calls.back().b.find(std::to_string(simple)), std::string::npos);

    g.world().money = 1000;
    const auto poor = buyProtection(g, p, 1, ProtectionKind::Simple);
    ASSERT_TRUE(poor);
    EXPECT_EQ(poor->caption, "Not enough money");
    EXPECT_EQ(developProtectionInhouse(p), (Refusal{"Not in this beta", "Not coded yet :-) wait for the the next release"}));
}

class ProtectionWearTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;
};

TEST_F(ProtectionWearTest, SalesWearItDownUntilCracked) {
    playersTitle(1980, 80, 1);
    ProtectionState& s = g.world().platformProtection[1];
    s.strength = 6;
    g.rng.seed = 99;
    i32 before = s.strength;
    bool cracked = false;
    for (int week = 0; week < 40 && !cracked; ++week) {
        UpdateWeeklySales(g, p);
        EXPECT_LE(s.strength, before);
        EXPECT_GE(s.strength, before - 2);
        before = s.strength;
        cracked = s.cracked != 0;
    }
    ASSERT_TRUE(cracked);
    EXPECT_EQ(s.strength, 0);
    // Piracy is back; a rival's title on another platform wears nothing.
    ProtectionState& other = g.world().platformProtection[2];
    other.strength = 50;
    title(1980, 80, 2);
    UpdateWeeklySales(g, p);
    EXPECT_EQ(other.strength, 50);
}

}  // namespace
}  // namespace cw
