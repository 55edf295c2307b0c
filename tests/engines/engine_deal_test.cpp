// Licence deals: which competitor games are offered, the developer's
// interest and price limit, the terms and the support task with its royalty.
#include "engines/engine_deal.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "engines/engine_deal_screen.h"
#include "fakes/recording_player.h"
#include "state/tasks.h"

namespace cw {
namespace {

class EngineDealTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    void SetUp() override { test::makeDevWorld(g); }  // week 10 of 1980, gameLevel 2
    GameTitle& put(i32 year, int slot, int week, int score) {
        GameTitle& t = g.tables().gameTitles[year][slot];
        t.title = "Game " + std::to_string(year) + "/" + std::to_string(slot);
        t.releaseYear = year;
        t.releaseWeek = static_cast<u8>(week);
        t.genre = 1;
        t.platform = 1;
        t.salesScore = static_cast<u8>(score);
        return t;
    }
    DealCandidate candidate(int score) { return {1981, 1, "Game", score}; }
};

TEST_F(EngineDealTest, CandidatesAreUpcomingCompetitorGamesDrawnFourInTen) {
    put(1980, 1, 9, 50);               // already out
    put(1980, 2, 10, 25);              // previews too low
    put(1980, 3, 10, 50).isPlayers = 1;
    put(1981, 1, 30, 50).usesPlayerEngine = 1;
    for (int s = 2; s <= 41; ++s) put(1981, s, 30, 50);
    put(1982, 1, 11, 50);              // beyond two years
    Random r = g.rng;
    int expected = 0;
    for (int s = 2; s <= 41; ++s) expected += r.randomInt(10) >= 6 ? 1 : 0;
    const auto list = engineDealCandidates(g, 1, 1);
    EXPECT_EQ(static_cast<int>(list.size()), expected);
    for (const auto& c : list) EXPECT_EQ(c.year, 1981);
    EXPECT_EQ(g.rng.seed, r.seed);  // one draw per game that qualifies, no more
}

TEST_F(EngineDealTest, InterestAndThePriceLimit) {
    EngineSlot& e = g.world().ownEngines[1][1];
    e.rating = 69;
    // A game previewing at 90 rejects an engine rated 69.
    EXPECT_FALSE(openEngineDeal(g, 1, 1, candidate(90)).interested);
    EXPECT_FALSE(openEngineDeal(g, 1, 1, candidate(90)).interested);
    e.rating = 60;
    g.world().marketEngines[1][1].rating = 100;  // (100-60)^2 x 100 is more than 60,000
    EXPECT_FALSE(openEngineDeal(g, 1, 1, candidate(50)).interested);

    g.world().marketEngines[1][1].rating = 0;  // counts as 30
    Random r = g.rng;
    const i32 draw = r.randomInt(10000);
    i32 m = 4 * (60000 + 30 * 100) + draw;
    m -= (m / 100) * 10 * 2;
    m += 200 * 1;  // the platform has sold nothing
    m /= 3;        // previews 61..75
    const EngineDeal d = openEngineDeal(g, 1, 1, candidate(70));
    ASSERT_TRUE(d.interested);
    EXPECT_EQ(d.maxPrice, m);
    EXPECT_EQ(d.royalty, 0);
    EXPECT_EQ(d.weeks, 78);

    e.rating = 120;  // royalty (120-90)/5 = 6, one less above 100 previews
    EXPECT_EQ(openEngineDeal(g, 1, 1, candidate(105)).royalty, 5);
}

TEST_F(EngineDealTest, SuggestedTermsAndTheSupportTask) {
    EngineDeal d;
    d.interested = true;
    d.maxPrice = 100000;
    d.price = 98000;
    d.royalty = 0;
    d.weeks = 78;
    EXPECT_TRUE(suggestTerms(d, 50));  // 98,000 + 1,000
    d.price = 99000;
    EXPECT_FALSE(suggestTerms(d, 50));
    d.price = 50000;
    d.royalty = 2;
    d.weeks = 74;  // 50*100*2 + 4*1000 + 50,000 = 64,000
    EXPECT_TRUE(suggestTerms(d, 50));
    d.weeks = 300;
    suggestTerms(d, 50);
    EXPECT_EQ(d.weeks, 104);
    d.weeks = 74;
    ASSERT_TRUE(suggestTerms(d, 50));

    GameTitle& game = put(1981, 1, 30, 50);
    const DealCandidate c{1981, 1, game.title.str(), 50};
    p.buttonAnswers = {false};
    EXPECT_EQ(makeEngineDeal(g, p, 1, 1, c, d)->text, "You canceled the project");
    EXPECT_EQ(makeEngineDeal(g, p, 1, 1, c, d)->text, "You did not choose a team leader");
    p.staffPicks = {5};
    int ti = 0;
    ASSERT_FALSE(makeEngineDeal(g, p, 1, 1, c, d, &ti));
    const Task& t = g.tables().tasks[ti];
    EXPECT_EQ(t.name.str(), "Support Engine Game ");  // cut to the record's twenty letters
    EXPECT_EQ(t.taskSubtype, kWorkEngineSupport);
    EXPECT_EQ(t.workTotal, 74);
    EXPECT_EQ(t.engine.licenceIncome, 50000);
    EXPECT_TRUE(game.usesPlayerEngine);
    EXPECT_EQ(game.engineRoyalty, 2);
}

TEST_F(EngineDealTest, TheDealScreenNegotiatesWithinTheTermsAndListsTheSupportTask) {
    put(1981, 1, 30, 90);  // previews far above the engine
    for (int s = 2; s <= 30; ++s) put(1981, s, 30, 40);
    EngineDealScreen screen(g, 1, 1);  // engine rated 50
    ASSERT_GE(screen.candidates().size(), 2u);
    EXPECT_EQ(screen.chart().referenceLine, 50);
    EXPECT_FALSE(screen.negotiating());
    EXPECT_FALSE(screen.startNegotiation(99));

    int rejecting = -1, willing = -1;
    for (std::size_t i = 0; i < screen.candidates().size(); ++i)
        (screen.candidates()[i].previewScore == 90 ? rejecting : willing) = static_cast<int>(i);
    if (rejecting >= 0) {
        EXPECT_FALSE(screen.startNegotiation(rejecting));
        EXPECT_EQ(screen.answer(), "We are not interrested");
        EXPECT_FALSE(screen.canMakeDeal());
    }
    ASSERT_TRUE(screen.startNegotiation(willing));
    EXPECT_EQ(screen.answer(), "What is you offer ?");
    const std::vector<std::string> lines = screen.dealLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "Game Preview score : Poor (1/10)");
    EXPECT_EQ(lines[3], "Game release date  : 30/1981");

    screen.setPrice(3000);
    EXPECT_EQ(screen.price(), 10000);
    screen.setPrice(2000000);
    EXPECT_EQ(screen.price(), 1000000);
    screen.setRoyalty(12);
    EXPECT_EQ(screen.royalty(), 10);
    screen.setWeeks(10);
    EXPECT_EQ(screen.weeks(), 26);
    EXPECT_FALSE(screen.suggest());
    EXPECT_EQ(screen.answer(), "Not on these terms");
    screen.setPrice(10000);
    screen.setRoyalty(0);
    screen.setWeeks(78);
    ASSERT_TRUE(screen.suggest());
    EXPECT_EQ(screen.answer(), "Great, lets make the deal.");
    EXPECT_TRUE(screen.canMakeDeal());
    screen.setWeeks(82);  // every change asks for a new suggestion
    EXPECT_FALSE(screen.canMakeDeal());
    ASSERT_TRUE(screen.suggest());

    const std::size_t before = screen.candidates().size();
    p.staffPicks = {5};
    int ti = 0;
    ASSERT_FALSE(screen.makeDeal(p, &ti));
    EXPECT_EQ(screen.candidates().size(), before - 1);
    EXPECT_FALSE(screen.negotiating());
    const auto support = screen.supportTasks();
    ASSERT_EQ(support.size(), 1u);
    EXPECT_EQ(support[0].task, ti);
    EXPECT_EQ(support[0].weeksLeft, 82);
    EXPECT_EQ(support[0].price, 10000);
    const auto licensed = screen.licensedGames();
    ASSERT_EQ(licensed.size(), 1u);
    EXPECT_EQ(licensed[0].royalty, 0);
    EXPECT_EQ(licensed[0].released, "30/1981");
}

TEST_F(EngineDealTest, ADeveloperAnswersOncePerOpeningOfTheScreen) {
    // Previews of 60 against an engine of 50: interested, at a limit drawn
    // anew on every talk before, so a second click could buy a better limit.
    for (int s = 1; s <= 30; ++s) put(1981, s, 30, 60);
    EngineDealScreen screen(g, 1, 1);
    ASSERT_GE(screen.candidates().size(), 2u);
    ASSERT_TRUE(screen.startNegotiation(0));
    const i32 limit = screen.price();
    ASSERT_TRUE(screen.startNegotiation(1));
    const std::uint32_t seed = g.rng.seed;
    for (int again = 0; again < 5; ++again) {
        screen.setPrice(500000);
        screen.cancelNegotiation();
        EXPECT_TRUE(screen.startNegotiation(0));
        EXPECT_EQ(screen.price(), limit);  // the terms open at the same limit
        EXPECT_TRUE(screen.startNegotiation(1));
    }
    EXPECT_EQ(g.rng.seed, seed);
    g.world().ownEngines[1][1].licenceIncome = 539471;
    EXPECT_EQ(screen.engineSummary(), "Engine score : 50/150   Licence income : 539,471 $");
    // A new opening of the screen asks the developers afresh.
    EngineDealScreen reopened(g, 1, 1);
    ASSERT_FALSE(reopened.candidates().empty());
    const std::uint32_t before = g.rng.seed;
    reopened.startNegotiation(0);
    EXPECT_NE(g.rng.seed, before);
}

}  // namespace
}  // namespace cw
