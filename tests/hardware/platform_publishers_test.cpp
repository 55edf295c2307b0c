// Game companies signed for the player's console: the talks on the platform
// publisher screen and the ports they bring once the console is out.
#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "hardware/platform_publisher_screen.h"
#include "hardware/platform_publishers.h"
#include "state/game.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr int kTask = 2;
constexpr int kConsole = 3;   // the player's released console
constexpr int kCompany = 5;   // "Ocean Soft", list row 7
constexpr int kRow = 7;

class PlatformPublishers : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        g.currentYear = 1990;
        g.currentWeek = 10;
        g.rng.seed = 4711;
        g.world().money = 1000000;
        auto& t = g.tables();
        for (i32& n : t.titlesPerYear) n = 1;
        Company& c = t.companies[kCompany];
        c.name = "Ocean Soft";
        c.listRow = kRow;
        c.firstYear = 1980;
        Company& other = t.companies[6];
        other.name = "Bit Works";
        other.listRow = 8;
        other.firstYear = 1980;
        t.platforms[1].name = "Home Micro";
        Platform& console = t.platforms[kConsole];
        console.name = "Cube";
        console.playerOwned = 1;
        console.released = 1;
        Task& task = t.tasks[kTask];
        task.name = "Cube";
        task.taskType = kTaskPlatform;
        task.taskSubtype = 0;
        task.platform.name = "Cube";
    }

    // A catalogue title in the next free slot of its year.
    GameTitle& title(int year, const char* name, int row, int review, int platform = 1) {
        auto& t = g.tables();
        GameTitle& x = t.gameTitles[year][t.titlesPerYear[year]];
        x.title = name;
        x.companyRow = row;
        x.reviewScore = static_cast<u8>(review);
        x.salesScore = static_cast<u8>(review);
        x.platform = static_cast<u8>(platform);
        x.genre = 3;
        x.releaseYear = year;
        t.titlesPerYear[year] += 1;
        return x;
    }

    std::vector<std::string> portsOnConsole() {
        std::vector<std::string> out;
        auto& t = g.tables();
        for (int y = 1990; y <= 1991; ++y)
            for (int i = 1; i < t.titlesPerYear[y]; ++i)
                if (t.gameTitles[y][i].platform == kConsole) out.push_back(t.gameTitles[y][i].title.str());
        return out;
    }
};

TEST_F(PlatformPublishers, GridCountsPlansAndBackCatalogueAndHitsOnce) {
    title(1992, "Future Hit", kRow, 95);
    title(1993, "Future Hit", kRow, 97, 2);  // the same name counts once among the hits
    title(1985, "Old Hit", kRow, 92);
    title(1986, "Old Flop", kRow, 40);
    title(1994, "Too Far Ahead", 8, 99);  // beyond current + 3: neither planned nor released
    PlatformPublisherScreen s(g, kTask);
    ASSERT_EQ(s.rows().size(), 1u);
    const PlatformPublisherRow& r = s.rows()[0];
    EXPECT_EQ(r.name, "Ocean Soft");
    EXPECT_EQ(r.planned, 2);
    EXPECT_EQ(r.released, 2);
    EXPECT_EQ(r.id, kCompany);
    EXPECT_EQ(r.hitGames, 2);
}

// The patience: drawn at 7..9, one more when talks begin, then each mood step
// (the opening one and one per counter-offer) loses a point on draws 3..9.
TEST_F(PlatformPublishers, PatienceRunsOutWithCounterOffersAndTheCompanyTurnsBusy) {
    title(1985, "Old Hit", kRow, 92);
    g.world().platformsImage = 60;
    PlatformPublisherScreen s(g, kTask);
    Random ref = g.rng;
    ASSERT_TRUE(s.choose(p, 0));
    int mood = ref.randomInt(3) + 7;
    const int price = (ref.randomInt(5000) + 25000) / ((60 + 26) / 25) + 3000;  // one hit: bonus 3,000
    const char* const keen[3] = {"We heard that your company are planning a new platform.",
                                 "We are interrested...\r\nWhat can your company offer us ?",
                                 "We are excited to get this chance.\r\nTell us of your plans and What can your company "
                                 "offer us ?"};
    EXPECT_EQ(s.comment(), keen[ref.randomInt(3)]);
    mood += 1;
    if (ref.randomInt(10) > 2) mood -= 1;
    EXPECT_EQ(s.pricePerGame(), price);
    EXPECT_EQ(s.mood(), mood);
    EXPECT_EQ(s.offerField, "150000");
    EXPECT_EQ(s.gamesField, "1");
    EXPECT_EQ(s.infoText(),
              "Publisher       : Ocean Soft\r\nFuture Releases : 0\r\nOld Releases    : 1\r\n"
              "Top games released by publisher : \r\nOld Hit(Average)\r\n");

    int offers = 0;
    s.offerField = "1000";
    while (s.offerEnabled()) {
        EXPECT_FALSE(s.suggest(p));
        ++offers;
        if (ref.randomInt(10) > 2) mood -= 1;
        EXPECT_EQ(s.mood(), mood);
        if (mood > 0) ref.randomInt(3);
        ASSERT_LT(offers, 200);
    }
    EXPECT_EQ(s.mood(), 0);
    EXPECT_EQ(s.moodText(), "Publisher lost interrested");
    EXPECT_EQ(s.moodColour(), TalkColour::Red);
    EXPECT_EQ(g.tables().companies[kCompany].busyWeeks, ref.randomInt(10) + 10);
    EXPECT_FALSE(s.canMakeDeal());

    // A busy company names its price but takes no offers.
    ASSERT_TRUE(s.choose(p, 0));
    EXPECT_EQ(s.comment(), "We are a bit busy at the moment. Try contacting us in a few months.");
    EXPECT_FALSE(s.offerEnabled());
    EXPECT_FALSE(s.suggest(p));
}

TEST_F(PlatformPublishers, ExactlyTheAskedPriceIsAcceptedPaidAndSigned) {
    title(1985, "Old Game", kRow, 70);
    g.world().platformsImage = 100;
    PlatformPublisherScreen s(g, kTask);
    Random ref = g.rng;
    ASSERT_TRUE(s.choose(p, 0));
    ref.randomInt(3);
    // With the best image the base is divided by five; no hits: bonus 2,000.
    EXPECT_EQ(s.pricePerGame(), (ref.randomInt(5000) + 25000) / 5 + 2000);
    s.gamesField = "2";
    s.offerField = std::to_string(s.pricePerGame() * 3 - 1);
    EXPECT_FALSE(s.suggest(p));  // one dollar short
    s.offerField = std::to_string(s.pricePerGame() * 3);
    ASSERT_TRUE(s.suggest(p));
    EXPECT_EQ(s.askedPrice(), s.pricePerGame() * 3);
    EXPECT_EQ(s.comment(),
              "We have a deal. We will start producing games for your platform as soon as we get the docmentation");
    EXPECT_EQ(p.calls.back().kind, "pause");
    EXPECT_EQ(p.calls.back().number, 300);
    const i32 paid = s.pricePerGame() * 3;
    EXPECT_FALSE(s.makeDeal(p));
    EXPECT_EQ(g.world().money, 1000000 - paid);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1990], paid);
    EXPECT_EQ(g.tables().tasks[kTask].platform.deals[1].dealCompany, kCompany);
    EXPECT_EQ(g.tables().tasks[kTask].platform.deals[1].dealGamesLeft, 2);
    EXPECT_FALSE(s.negotiating());
    EXPECT_EQ(s.dealLines(), std::vector<std::string>{"Ocean Soft(2)"});
    EXPECT_EQ(s.dealCountText(), "1/3");
}

TEST_F(PlatformPublishers, RefusalsComeInOrder) {
    title(1985, "Old Game", kRow, 70);
    title(1985, "Bits", 8, 70);
    auto& deals = g.tables().tasks[kTask].platform.deals;
    deals[4] = {kCompany, 1};
    PlatformPublisherScreen s(g, kTask);
    const int ocean = s.rowOf(kCompany);
    const int bits = s.rowOf(6);
    EXPECT_FALSE(s.choose(p, ocean));
    EXPECT_EQ(p.calls.back().a, "Publisher already signed");
    // Three deals: the limit is named first, even for a company already signed.
    deals[1] = {40, 1};
    deals[9] = {41, 1};
    EXPECT_FALSE(s.choose(p, ocean));
    EXPECT_EQ(p.calls.back().a, "Maximum deals already signed");
    EXPECT_EQ(p.calls.back().b,
              "You have the maximum of 3 main Publisher deals signed on this project. No more deals possible");
    deals[9] = {0, 0};

    p.buttonAnswers = {false};
    EXPECT_FALSE(s.choose(p, bits));
    EXPECT_EQ(p.calls.back().b, "try to make a plublisher deal with this publisher");
    ASSERT_TRUE(s.choose(p, bits));

    p.calls.clear();
    s.gamesField = "many";
    EXPECT_FALSE(s.suggest(p));
    s.gamesField = "250";
    s.offerField = "lots";
    EXPECT_FALSE(s.suggest(p));
    EXPECT_EQ(s.gamesField, "100");
    g.world().money = 1000;
    s.offerField = "5000";
    EXPECT_FALSE(s.suggest(p));
    ASSERT_EQ(p.calls.size(), 4u);
    EXPECT_EQ(p.calls[0].a, "Error in number of copys field");
    EXPECT_EQ(p.calls[1].b, "Setting numbers of games to 100. No posibility for a higher number");
    EXPECT_EQ(p.calls[2].a, "Error in suggested offer");
    EXPECT_EQ(p.calls[3].b, "Not enough funds.\r\nMissing : -4000$");
}

// A company with 30 hits asks the capped bonus of 25,000.
TEST_F(PlatformPublishers, HitBonusStopsAt25000) {
    for (int i = 0; i < 30; ++i) title(1985, ("Hit " + std::to_string(i)).c_str(), kRow, 95);
    PlatformPublisherScreen s(g, kTask);
    Random ref = g.rng;
    ASSERT_TRUE(s.choose(p, 0));
    ref.randomInt(3);
    EXPECT_EQ(s.pricePerGame(), ref.randomInt(5000) + 25000 + 25000);
}

TEST_F(PlatformPublishers, PortsArriveWeekByWeekUpToThePromise) {
    auto& slot = g.tables().platforms[kConsole].deals[2];
    slot = {kCompany, 3};
    title(1990, "Fresh", kRow, 65);
    title(1989, "Weak", kRow, 64);           // never ported
    title(1984, "Too Old", kRow, 99);        // six years back: out of reach
    title(1988, "Already There", kRow, 90);
    title(1989, "already there", 8, 50, kConsole);  // the console has it under that name
    title(1987, "Other Firm", 8, 99);

    Random ref = g.rng;
    weeklyPlatformDeals(g, p, kConsole);
    EXPECT_EQ(portsOnConsole(), (std::vector<std::string>{"Fresh"}));
    EXPECT_EQ(slot.dealGamesLeft, 2);
    const GameTitle* port = nullptr;
    for (int y = 1990; y <= 1991 && !port; ++y)
        for (int i = 1; i < g.tables().titlesPerYear[y]; ++i)
            if (g.tables().gameTitles[y][i].platform == kConsole) port = &g.tables().gameTitles[y][i];
    ASSERT_NE(port, nullptr);
    const int week = 10 + 3 + ref.randomInt(26);
    EXPECT_EQ(port->releaseWeek, week);
    EXPECT_EQ(port->releaseYear, 1990);
    EXPECT_EQ(port->reviewScore, 65 - ref.randomInt(10));
    EXPECT_EQ(port->salesScore, port->reviewScore);
    EXPECT_EQ(port->companyRow, kRow);
    EXPECT_EQ(port->genre, 3);
    EXPECT_TRUE(port->inUS && port->inEU && port->inAsia);
    EXPECT_FALSE(port->released);

    // The next week brings nothing new: the same titles are not ported twice.
    g.currentWeek = 11;
    weeklyPlatformDeals(g, p, kConsole);
    EXPECT_EQ(slot.dealGamesLeft, 2);
    // New titles of the company come over as they appear, up to the promise.
    g.currentWeek = 12;
    title(1990, "Second", kRow, 80);
    weeklyPlatformDeals(g, p, kConsole);
    EXPECT_EQ(slot.dealGamesLeft, 1);
    g.currentWeek = 13;
    title(1990, "Third", kRow, 80);
    title(1990, "Fourth", kRow, 80);
    weeklyPlatformDeals(g, p, kConsole);
    EXPECT_EQ(slot.dealCompany, 0);
    EXPECT_EQ(slot.dealGamesLeft, 0);
    EXPECT_EQ(portsOnConsole(), (std::vector<std::string>{"Fresh", "Second", "Third"}));
}

TEST_F(PlatformPublishers, PortLateInTheYearLandsInTheNextYear) {
    g.currentWeek = 50;
    g.tables().platforms[kConsole].deals[1] = {kCompany, 5};
    for (int i = 0; i < 5; ++i) title(1990, ("Game " + std::to_string(i)).c_str(), kRow, 80);
    Random ref = g.rng;
    weeklyPlatformDeals(g, p, kConsole);
    for (int i = 0; i < 5; ++i) {
        int year = 1990;
        int week = 53 + ref.randomInt(26);
        ref.randomInt(10);
        if (week >= 53) {
            year = 1991;
            week -= 52;
        }
        bool found = false;
        for (int k = 1; k < g.tables().titlesPerYear[year]; ++k) {
            const GameTitle& x = g.tables().gameTitles[year][k];
            if (x.platform == kConsole && x.title == "Game " + std::to_string(i)) {
                EXPECT_EQ(x.releaseWeek, week);
                found = true;
            }
        }
        EXPECT_TRUE(found) << i;
    }
}

// A count that names an occupied slot (as a release used to leave it) must
// never lead a port over the title there.
TEST_F(PlatformPublishers, PortNeverOverwritesACatalogueTitle) {
    g.tables().platforms[kConsole].deals[1] = {kCompany, 2};
    title(1990, "Source A", kRow, 80);
    title(1990, "Source B", kRow, 80);
    auto& t = g.tables();
    GameTitle& mine = t.gameTitles[1990][3];
    mine.title = "My Game";
    mine.isPlayers = 1;
    mine.platform = 1;
    ASSERT_EQ(t.titlesPerYear[1990], 3);  // the count points at the player's copy
    weeklyPlatformDeals(g, p, kConsole);
    EXPECT_EQ(t.gameTitles[1990][3].title.str(), "My Game");
    EXPECT_TRUE(t.gameTitles[1990][3].isPlayers);
    EXPECT_EQ(t.gameTitles[1990][4].title.str(), "Source A");
    EXPECT_EQ(t.gameTitles[1990][5].title.str(), "Source B");
    EXPECT_EQ(t.titlesPerYear[1990], 6);
    EXPECT_EQ(portsOnConsole().size(), 2u);
    EXPECT_EQ(freeCatalogueSlot(g, 2016), 0);
}

}  // namespace
}  // namespace cw
