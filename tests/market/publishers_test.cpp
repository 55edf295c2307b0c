// Publisher terms at their boundaries, the list of offers and the two
// questions of a deal.
#include "market/publishers.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "state/tasks.h"

namespace cw {
namespace {

class PublishersTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    Company& company(int i, i32 money) {
        Company& c = g.tables().companies[i];
        c.name = "Company " + std::to_string(i);
        c.money = money;
        return c;
    }
    Task& gameTask(int ti) {
        Task& t = g.tables().tasks[ti];
        t.name = "Project";
        t.taskType = kTaskGame;
        return t;
    }
};

TEST_F(PublishersTest, SizeIsFiveUpToHalfAMillionAndClampsAtTwentyFive) {
    company(1, 500000);
    EXPECT_EQ(PublisherSize(g, 1), 5);
    company(1, 500001);
    EXPECT_EQ(PublisherSize(g, 1), 6);
    company(1, 5500000);
    EXPECT_EQ(PublisherSize(g, 1), 16);
    company(1, 12600000);
    EXPECT_EQ(PublisherSize(g, 1), 25);
    company(1, -3000000);
    EXPECT_EQ(PublisherSize(g, 1), 5);
}

TEST_F(PublishersTest, AdvertisingAndOutputTermsByCompanyNumber) {
    company(120, 0);
    EXPECT_EQ(AdvertisingLevel(g, 120), 9);
    EXPECT_EQ(AdvertisingWord(AdvertisingLevel(g, 120)), "Low");
    company(1, 0);
    EXPECT_EQ(AdvertisingLevel(g, 1), 5);
    company(201, 0);  // >5 >15 >25 >75 >125 >200, divisible by 3
    EXPECT_EQ(AdvertisingLevel(g, 201), 8);

    EXPECT_EQ(PublisherOutput(g, 1), 4000);    // (5 + 0) div 2
    EXPECT_EQ(PublisherOutput(g, 120), 8000);  // (5 + 4) div 2
    company(2, 0);
    EXPECT_EQ(PublisherOutput(g, 2), 6000);  // even
    company(3, 0);
    EXPECT_EQ(PublisherOutput(g, 3), 4000);  // (5 - 1) div 2
    company(401, 0);                         // +1 +1 -1 +1 +1 -1
    EXPECT_EQ(PublisherOutput(g, 401), 6000);
}

TEST_F(PublishersTest, AdvertisingWordsAtTheirEdges) {
    EXPECT_EQ(AdvertisingWord(11), "Low");
    EXPECT_EQ(AdvertisingWord(12), "fair");
    EXPECT_EQ(AdvertisingWord(16), "fair");
    EXPECT_EQ(AdvertisingWord(17), "high");
    EXPECT_EQ(AdvertisingWord(21), "high");
    EXPECT_EQ(AdvertisingWord(22), "Superb");
}

TEST_F(PublishersTest, ShareDropsWithImageOnlyAboveSizeSixteen) {
    company(1, 12600000);  // size 25
    g.world().gameLevel = 1;
    g.world().gamesImage = 69;
    EXPECT_EQ(PublisherShare(g, 1), 26);
    g.world().publisherNegotiationDept = 1;
    EXPECT_EQ(PublisherShare(g, 1), 18);  // 25 - 69 div 8 + 1
    g.world().gamesImage = 70;
    EXPECT_EQ(PublisherShare(g, 1), 19);  // the image rule comes first: 25 - 7 + 1
    g.world().publisherNegotiationDept = 0;
    EXPECT_EQ(PublisherShare(g, 1), 19);

    company(2, 5500000);  // size 16: no drop
    g.world().gamesImage = 100;
    g.world().gameLevel = 3;
    EXPECT_EQ(PublisherShare(g, 2), 19);
    company(2, 6000000);  // size 17
    EXPECT_EQ(PublisherShare(g, 2), 10);  // 17 - 10 + 3
}

TEST_F(PublishersTest, ListOffersCompaniesWithTitlesThatExistThisYear) {
    company(3, 0);  // "Three Soft", list row 5
    g.tables().companies[3].name = "Three Soft";
    title(1979, 80).companyRow = 5;
    Company& late = company(4, 0);
    late.listRow = 7;
    late.firstYear = 1981;
    title(1981, 80).companyRow = 7;
    Company& idle = company(9, 0);  // no titles
    idle.listRow = 9;

    const auto offers = publisherOffers(g);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].name, "Three Soft");
    EXPECT_EQ(offers[0].id, 3);
    EXPECT_EQ(offers[0].share, 6);
    EXPECT_EQ(offers[0].output, 4000);
    EXPECT_EQ(offers[0].advertisingWord, "Low");

    late.firstYear = 1980;
    EXPECT_EQ(publisherOffers(g).size(), 2u);  // a title due within three years counts
}

// Row numbers far outside the company list (a damaged save) still find
// their titles, and a title's row matches only that row.
TEST_F(PublishersTest, OffersFindTitlesOfAnyRowNumber) {
    const i32 rows[] = {-3, 0, 4095, 4096, 100000};
    for (int i = 0; i < 5; ++i) {
        company(10 + i, 0).listRow = rows[i];
        title(1978, 80).companyRow = rows[i];
    }
    company(20, 0).listRow = -4;
    company(21, 0).listRow = 4097;
    std::vector<int> ids;
    for (const PublisherOffer& o : publisherOffers(g)) ids.push_back(o.id);
    EXPECT_EQ(ids, (std::vector<int>{10, 11, 12, 13, 14}));
}

TEST_F(PublishersTest, DealTextsLetterForLetter) {
    const PublisherOffer o{"Three Soft", 13, 8000, "fair", 3};
    EXPECT_EQ(publisherDealText(o, true),
              "Publisher : Three Soft\r\nThey want : 13 % of the sales\r\nWeekly max Output : 8000 copys\r\n"
              "Advertising Amount : fair\r\nDo you want do make a deal with this publiher ?\r\n"
              "Note : press no if you want an offer without advertising");
    EXPECT_EQ(publisherDealText(o, false),
              "Publisher : Three Soft\r\nThey want : 6 % of the sales\r\nWeekly max Output : 8000 copys\r\n"
              "Advertising Amount : None\r\nDo you want do make a deal with this publiher ?");
}

TEST_F(PublishersTest, TheTwoQuestionsOfADeal) {
    g.tables().companies[3].listRow = 99;
    company(120, 0).listRow = 5;
    title(1980, 80).companyRow = 5;
    Task& a = gameTask(1);
    a.game.hype = 10;
    g.rng.seed = test::seedDrawing(5, 4);
    OfferDeal(g, p, 1, 0);
    EXPECT_EQ(a.game.companyRow, 120);
    EXPECT_EQ(a.game.publisherShare, 6);
    EXPECT_EQ(a.game.weeklyOutput, 8000);
    EXPECT_EQ(a.game.advertising, 9);
    EXPECT_EQ(a.game.hype, 10 + 4 - 5 + 27);

    Task& b = gameTask(2);
    p.buttonAnswers = {false, true};
    OfferDeal(g, p, 2, 0);
    EXPECT_EQ(b.game.publisherShare, 3);
    EXPECT_EQ(b.game.advertising, 1);
    EXPECT_EQ(b.game.hype, 1);

    Task& c = gameTask(3);
    p.buttonAnswers = {false, false};
    OfferDeal(g, p, 3, 0);
    EXPECT_EQ(c.game.companyRow, 0);
    EXPECT_EQ(p.only("dialog").size(), 5u);

    p.calls.clear();
    OfferDeal(g, p, 1, 0);  // the deal cannot change
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "You have a publisher deal");
    EXPECT_EQ(p.only("notify")[0].b, "You already have a publisher deal for this game");
    EXPECT_TRUE(p.only("dialog").empty());
    EXPECT_EQ(a.game.publisherShare, 6);
}

TEST_F(PublishersTest, ShowingTheListOpensTheScreenForItsTask) {
    gameTask(4);
    EXPECT_EQ(ShowPublisherOffers(g, p, 4), 0);
    EXPECT_EQ(p.only("screen").size(), 1u);
    EXPECT_EQ(openPublisherTask(), 0);
    EXPECT_FALSE(signDefaultPublisher(g, p, 4));
}

}  // namespace
}  // namespace cw
