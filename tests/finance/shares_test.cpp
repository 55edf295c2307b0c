// Shares: the price and its packets, issuing and buying back, the rivals'
// own buying, and the takeover at equal holdings.
#include "finance/shares.h"

#include <gtest/gtest.h>

#include "finance/bank.h"
#include "finance/finance_world.h"
#include "sim/week_tick.h"

namespace cw {
namespace {

using test::FinanceWorld;

TEST(SharePrice, TheStartValueDividesAndDebtPullsItToOne) {
    FinanceWorld f;
    f.w().money = 2000000;
    // standing 3 + 2 = 5 millions: 500, + (2,000,000 + 5,000,000) div 100,000 = 570
    EXPECT_EQ(sharePrice(f.g), 570 / 3);
    f.w().startCompanyValue = 9000000;
    EXPECT_EQ(sharePrice(f.g), 570 / 9);
    // Net debt as large as the credit standing: 300 - 300.
    f.w().money = -2000000;
    f.w().loan = 1000000;
    EXPECT_EQ(creditStanding(f.g), 3);
    EXPECT_EQ(sharePrice(f.g), 1);
    f.w().money = -1999999;
    EXPECT_EQ(sharePrice(f.g), 1);  // 300 - 299 = 1, divided by 9
    f.w().startCompanyValue = 3000000;
    f.w().money = -1000000;
    EXPECT_EQ(sharePrice(f.g), 100 / 3);
}

TEST(SharePrice, PacketsTruncateBeforeThePrice) {
    FinanceWorld f;
    f.w().money = 2000000;
    const i32 price = sharePrice(f.g);
    EXPECT_EQ(packetValue(f.g), (3000000 / 100 * 5) / 105 * price);  // 1428 × price
    EXPECT_EQ(buyBackPrice(f.g), (3000000 / 100 * 5) / 95 * price);  // 1578 × price
    EXPECT_EQ(packetValue(f.g), 1428 * 190);
}

TEST(SharePrice, RivalsPricesFromTheirCashAndLoans) {
    FinanceWorld f;
    f.rival(1).money = 3000000;
    f.rival(1).companyLoan = 1000000;  // 20, + 30
    f.rival(2).money = -500000;        // below 1: 10, then 10 + 20
    f.rival(3).money = 50000;          // 10 + 0, not below 10
    f.rival(4).name = "Not yet";
    f.rival(4).firstYear = 1990;
    f.rival(4).sharePrice = 100;
    updateSharePrices(f.g);
    EXPECT_EQ(f.rival(1).sharePrice, 50);
    EXPECT_EQ(f.rival(2).sharePrice, 30);
    EXPECT_EQ(f.rival(3).sharePrice, 10);
    EXPECT_EQ(f.rival(4).sharePrice, 100);
    f.rival(1).money = 100000;
    f.rival(1).companyLoan = 500000;  // 10 + 1 = 11
    updateSharePrices(f.g);
    EXPECT_EQ(f.rival(1).sharePrice, 11);
}

TEST(IssueShares, TheFirstWillingRivalBuysAndPaysThePacket) {
    FinanceWorld f;
    for (int i = 1; i <= 3; ++i) f.rival(i).money = 10000000;
    const i32 value = packetValue(f.g);
    f.p.buttonAnswers = {true};
    EXPECT_FALSE(issueShares(f.g, f.p));
    const auto d = f.p.only("dialog");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].b, "You will get " + std::to_string(value) +
                          "\r\nAre you sure you want to issue 5% of your shares\r\nRemember to keep an eye out for "
                          "possible hostile takeovers from competing companys");
    EXPECT_EQ(f.w().sharesOwnedPercent, 35);
    EXPECT_EQ(f.w().money, 500000 + value);
    EXPECT_EQ(f.w().yearlyIncome[1985], value);
    int buyers = 0;
    for (int i = 1; i <= 3; ++i) buyers += f.rival(i).playerSharesHeld == 5 ? 1 : 0;
    EXPECT_EQ(buyers, 1);
    const auto n = f.p.only("notify");
    ASSERT_EQ(n.size(), 1u);
    EXPECT_EQ(n[0].a, "Shares sold");
    EXPECT_NE(n[0].b.find(" just bought 5% of your company\r\nThey now have 5%"), std::string::npos);
    EXPECT_EQ(n[0].number, 4000);
}

TEST(IssueShares, NoBuyerLeavesEverythingAndNoIsNoSale) {
    FinanceWorld f;
    f.p.buttonAnswers = {false};
    EXPECT_FALSE(issueShares(f.g, f.p));
    EXPECT_TRUE(f.p.only("notify").empty());
    EXPECT_EQ(f.w().sharesOwnedPercent, 40);
    EXPECT_FALSE(issueShares(f.g, f.p));  // the rivals have no cash
    EXPECT_EQ(f.p.only("notify").at(0).b, "No one was interrested in buying shares in your company");
    EXPECT_EQ(f.w().sharesOwnedPercent, 40);
    EXPECT_EQ(f.w().money, 500000);
}

TEST(IssueShares, NothingLeftToSellIsRefused) {
    FinanceWorld f;
    f.w().sharesOwnedPercent = 0;
    const ActionResult r = issueShares(f.g, f.p);
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, (Refusal{"Shares not sold", "You have no shares left to sell"}));
    EXPECT_TRUE(f.p.only("dialog").empty());
}

TEST(BuyBack, RefusedFrom45AndOneOfferAcceptedFrom40) {
    FinanceWorld f;
    f.w().sharesOwnedPercent = 45;
    EXPECT_FALSE(buyBackShares(f.g, f.p));
    EXPECT_EQ(f.p.only("notify").at(0).b, "Theres no shares for sale at the moment");

    FinanceWorld g;
    g.w().sharesOwnedPercent = 35;
    g.rival(2).playerSharesHeld = 5;
    g.rival(2).money = 1000000;
    const i32 price = buyBackPrice(g.g);
    // Declined at the plain price, then taken at three times (the draws may
    // skip a round: keep answering until one offer came).
    for (int tries = 0; tries < 20 && g.w().sharesOwnedPercent == 35; ++tries) {
        g.p.buttonAnswers = {false, true};
        buyBackShares(g.g, g.p);
    }
    EXPECT_EQ(g.w().sharesOwnedPercent, 40);
    EXPECT_EQ(g.rival(2).playerSharesHeld, 0);
    const auto d = g.p.only("dialog");
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ(d[d.size() - 2].b, "Rival 2 is offering you 5% of you shares. You will have to pay " +
                                     std::to_string(price) +
                                     "\r\nAre you sure you want to buy back the 5% of your shares at that price ?");
    EXPECT_EQ(d.back().b,
              "Rival 2 is offering you 5% of you shares for three times the current value. You will "
              "have to pay " +
                  std::to_string(3 * price) +
                  "\r\nAre you sure you want to buy back the 5% of your shares at that price ?");
    EXPECT_EQ(g.w().money, 500000 - 3 * price);
    EXPECT_EQ(g.w().yearlyIncome[1985], -3 * price);
}

TEST(RivalsBuying, OnePacketAStepUpToTheLevelsLimitAndNeverPast95) {
    FinanceWorld f;
    for (int i = 1; i <= 3; ++i) f.rival(i).money = 100000000;
    for (int step = 0; step < 40; ++step) competitorShareBuying(f.g, f.p);
    // Level 1 stops each rival at 15 %; 40 + 3 × 15 = 85.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f.rival(i).playerSharesHeld, 15);
    const auto letters = f.p.only("letter");
    ASSERT_EQ(letters.size(), 9u);
    EXPECT_EQ(letters[0].a, "Financial : shares");
    EXPECT_EQ(f.p.only("notify").at(0).a, "Shares bought");
    EXPECT_EQ(f.w().sharesOwnedPercent, 40);
    EXPECT_EQ(f.w().money, 500000);

    FinanceWorld full;
    full.w().gameLevel = 3;
    full.rival(1).money = 100000000;
    full.rival(1).playerSharesHeld = 30;
    full.rival(2).playerSharesHeld = 30;  // 40 + 30 + 30 = 100
    competitorShareBuying(full.g, full.p);
    EXPECT_EQ(full.rival(1).playerSharesHeld, 30);
}

TEST(Takeover, ATieWithThePlayerEndsTheGame) {
    FinanceWorld f;
    f.w().sharesOwnedPercent = 30;  // after selling twice
    f.rival(1).playerSharesHeld = 25;
    EXPECT_TRUE(takeoverThreatening(f.g));
    EXPECT_FALSE(takeoverComplete(f.g));
    weekTick(f.g, f.p);
    EXPECT_FALSE(f.g.gameOver);
    EXPECT_EQ(f.p.only("dialog").back().b,
              "A company is trying to buy you out, make sure you buy back some shares next week");
    EXPECT_TRUE(f.g.session.stopRequested);

    f.rival(1).playerSharesHeld = 30;
    EXPECT_TRUE(takeoverComplete(f.g));
    weekTick(f.g, f.p);
    EXPECT_TRUE(f.g.gameOver);
    EXPECT_EQ(f.p.only("dialog").back().b,
              "A company managed to buy you out, by getting more shares in your company then you owned. Next time "
              "try to keep an eye out for these hostile takeovers");
    EXPECT_EQ(f.p.only("screen").back().a, "Tform_end_screen");
}

TEST(Takeover, SellingEverythingIsMatchedByEverySlot) {
    FinanceWorld f;
    f.w().sharesOwnedPercent = 0;
    EXPECT_TRUE(takeoverComplete(f.g));  // even the empty slots hold 0
}

TEST(ExchangeModel, RowsChartScaleAndLabels) {
    FinanceWorld f;
    f.rival(3).firstYear = 1985;
    const ExchangeScreen e = exchangeScreen(f.g);
    ASSERT_EQ(e.rows.size(), 4u);
    EXPECT_EQ(e.rows[0].company, "Acme");
    EXPECT_EQ(e.rows[0].sharesInYours, 40);
    EXPECT_EQ(e.rows[0].yoursOwn, 40);
    EXPECT_EQ(e.rows[1].price, "100");
    EXPECT_EQ(e.rows[3].price, "NA");
    EXPECT_EQ(e.previousYear, "1984");
    EXPECT_EQ(e.currentWeek, "Current week 1985");
    const std::pair<i32, i32> scales[] = {{150, 2}, {151, 3}, {301, 4}, {501, 8}, {1001, 20}};
    for (const auto& [newest, scale] : scales) {
        f.w().sharePriceHistory[104] = newest;
        const ExchangeScreen s = exchangeScreen(f.g);
        EXPECT_EQ(s.scale, scale);
        EXPECT_EQ(s.lowMark, 33 * scale);
        EXPECT_EQ(s.highMark, 66 * scale);
    }
}

}  // namespace
}  // namespace cw
