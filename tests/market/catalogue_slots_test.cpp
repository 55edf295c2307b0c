// A player's released game must never be overwritten by a port that the
// computer-run companies bring to the player's own console.
#include <gtest/gtest.h>

#include "dev/release.h"
#include "fakes/recording_player.h"
#include "market/competitors.h"
#include "market/market_world.h"
#include "state/catalogue_slots.h"

namespace cw {
namespace {

class CatalogueSlotTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;
};

TEST_F(CatalogueSlotTest, PortsToThePlayersConsoleLeaveThePlayersReleasedGameAlone) {
    g.currentWeek = 10;
    GameTitle& source = title(1980, 90);  // 1980/1, the count names 2
    source.reviewScore = 95;
    // A finished game of the player's waits in the holding year.
    GameTitle& held = g.tables().gameTitles[1978][40];
    held.title = "Own Hit";
    held.platform = 1;
    held.salesScore = held.reviewScore = 80;
    ProductEntry& e = g.world().products[1];
    e.kind = ProductGame;
    e.refA = 1978;
    e.refB = 40;
    ASSERT_EQ(releaseProduct(g, p, 1), "");
    ASSERT_EQ(e.refA, 1980);
    const int own = e.refB;
    ASSERT_EQ(g.tables().titlesPerYear[1980], own);  // the count names the copy

    Platform& console = platform(9, "Own Box");
    console.playerOwned = 1;
    console.soldUnits = 2000000;
    console.weeksOnMarket = 10;
    int ports = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        g.rng.seed = seed;
        SpawnPorts(g, 1980, 1);
    }
    for (int n = 1; n <= g.tables().titlesPerYear[1980]; ++n)
        if (g.tables().gameTitles[1980][n].platform == 9) ++ports;
    EXPECT_GT(ports, 5);
    const GameTitle& mine = g.tables().gameTitles[1980][own];
    EXPECT_EQ(mine.title.str(), "Own Hit");
    EXPECT_TRUE(mine.isPlayers);
    EXPECT_EQ(mine.platform, 1);

    // A later release of the player's goes past the ports as well.
    GameTitle& second = g.tables().gameTitles[1978][41];
    second = held;
    second.title = "Own Sequel";
    ProductEntry& e2 = g.world().products[2];
    e2.kind = ProductGame;
    e2.refA = 1978;
    e2.refB = 41;
    ASSERT_EQ(releaseProduct(g, p, 2), "");
    EXPECT_EQ(g.tables().gameTitles[1980][e2.refB].title.str(), "Own Sequel");
    EXPECT_EQ(g.tables().titlesPerYear[1980], e2.refB);
    int stillPorts = 0;
    for (int n = 1; n <= g.tables().titlesPerYear[1980]; ++n)
        if (g.tables().gameTitles[1980][n].platform == 9) ++stillPorts;
    EXPECT_EQ(stillPorts, ports);
}

TEST_F(CatalogueSlotTest, AFreeSlotIsTheFirstBlankOneFromTheStart) {
    title(1981, 50);
    title(1981, 50);
    EXPECT_EQ(freeCatalogueSlot(g.tables(), 1981, 0), 3);
    EXPECT_EQ(freeCatalogueSlot(g.tables(), 1981, 2), 3);
    EXPECT_EQ(freeCatalogueSlot(g.tables(), 1976, 1), 0);
    g.tables().gameTitles[1981][3500].title = "Last";
    EXPECT_EQ(freeCatalogueSlot(g.tables(), 1981, 3500), 0);
}

}  // namespace
}  // namespace cw
