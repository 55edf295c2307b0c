// The warehouse entries and the room the buildings give: matching by keys,
// the first free entry, the weight of a console unit, the capacity by level.
#include "hardware/warehouse.h"

#include <gtest/gtest.h>

#include "finance/buildings.h"
#include "state/game.h"

namespace cw {
namespace {

TEST(Warehouse, ConsolesMatchByPlatformGamesByBothKeys) {
    Game g;
    EXPECT_TRUE(addStock(g, 7, 0, 4, 1000));
    EXPECT_TRUE(addStock(g, 7, 99, 4, 500));  // a console's second key does not matter
    EXPECT_EQ(stockOf(g, 7, 0, 4), 1500);
    EXPECT_EQ(stockOf(g, 7, 3, 4), 1500);
    const StorageEntry& first = g.world().storageEntries[1];
    EXPECT_EQ(first.itemKey, 7);
    EXPECT_EQ(first.itemKey2, 0);
    EXPECT_EQ(first.itemKind, 4);

    EXPECT_TRUE(addStock(g, 1985, 3, 1, 40));
    EXPECT_TRUE(addStock(g, 1985, 4, 1, 60));
    EXPECT_EQ(stockOf(g, 1985, 3, 1), 40);
    EXPECT_EQ(stockOf(g, 1985, 4, 1), 60);
    EXPECT_EQ(g.world().storageEntries[3].itemKey2, 4);
    EXPECT_EQ(stockOf(g, 7, 0, 1), 0);  // a game is not the console
    EXPECT_EQ(stockOf(g, 7, 0, 2), 0);  // nor is any other kind stored

    removeStock(g, 7, 0, 4, 1600);
    EXPECT_EQ(stockOf(g, 7, 0, 4), -100);
    removeStock(g, 8, 0, 4, 5);  // nothing of it in store: nothing changes
    EXPECT_EQ(stockOf(g, 8, 0, 4), 0);
}

TEST(Warehouse, AFullTableStoresNothing) {
    Game g;
    for (int i = 1; i <= 1000; ++i) ASSERT_TRUE(addStock(g, i, 0, 4, 1));
    EXPECT_FALSE(addStock(g, 1001, 0, 4, 10));
    EXPECT_EQ(stockOf(g, 1001, 0, 4), 0);
    EXPECT_TRUE(addStock(g, 500, 0, 4, 10));  // an item already in store still grows
    EXPECT_EQ(stockOf(g, 500, 0, 4), 11);
}

TEST(Warehouse, FreeStorageWeighsAConsoleUnitAsFourCopies) {
    Game g;
    g.world().warehouseLevel = 1;
    EXPECT_EQ(storageCapacity(g), 50000);
    addStock(g, 1, 0, 4, 1000);
    addStock(g, 2, 0, 4, 1000);
    EXPECT_EQ(freeStorage(g), 50000 - 8000);
    addStock(g, 1983, 1, 1, 2000);
    EXPECT_EQ(freeStorage(g), 40000);
    addStock(g, 3, 0, 4, 20000);
    EXPECT_EQ(freeStorage(g), -40000);  // a last production week may overfill it
}

TEST(Buildings, StorageCapacityAddsTheFourBuildingsByLevel) {
    Game g;
    World& w = g.world();
    EXPECT_EQ(storageCapacity(g), 0);
    w.factoryLevel = 3;
    w.headquartersLevel = 3;
    w.warehouseLevel = 5;
    w.publisherLevel = 3;
    EXPECT_EQ(storageCapacity(g), 30000 + 20000 + 500000 + 15000);
    w.warehouseLevel = 10;
    EXPECT_EQ(storageCapacity(g), 30000 + 20000 + 2000000 + 15000);
    w.warehouseLevel = 6;
    EXPECT_EQ(storageCapacity(g), 30000 + 20000 + 750000 + 15000);
    // Levels beyond a building's rows add nothing.
    w.factoryLevel = 4;
    w.headquartersLevel = 4;
    w.warehouseLevel = 11;
    w.publisherLevel = 2;
    EXPECT_EQ(storageCapacity(g), 10000);
}

}  // namespace
}  // namespace cw
