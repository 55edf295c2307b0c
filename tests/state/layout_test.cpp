// Run-time checks of the save image layout: where the indexed accessors of
// the nested tables land in the raw bytes, and that string writes stay
// inside their fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "state/world.h"

namespace cw {
namespace {

constexpr std::size_t kWorldAt = 28784520;

class LayoutTest : public ::testing::Test {
protected:
    std::unique_ptr<SaveImage> img = std::make_unique<SaveImage>();
    const u8* raw() const { return reinterpret_cast<const u8*>(img.get()); }
    std::size_t at(const void* p) const { return static_cast<std::size_t>(static_cast<const u8*>(p) - raw()); }
};

TEST_F(LayoutTest, NewImageIsAllZero) {
    EXPECT_TRUE(std::all_of(raw(), raw() + kSaveImageSize, [](u8 b) { return b == 0; }));
}

TEST_F(LayoutTest, GameTitleIndexedByYearThenSlot) {
    img->gameTitles[1980][2].title = "X";
    const std::size_t off = 134000 + (1980 - 1977) * 714000 + 204;
    EXPECT_EQ(at(&img->gameTitles[1980][2]), off);
    EXPECT_EQ(raw()[off], 1);
    EXPECT_EQ(raw()[off + 1], 'X');
    EXPECT_EQ(at(&img->gameTitles[2015][3500]) + sizeof(GameTitle), 27980000u);
}

TEST_F(LayoutTest, MoneyIsLittleEndianAtItsOffset) {
    img->world.money = 0x01020304;
    const u8* p = raw() + kWorldAt + 8360;
    EXPECT_EQ(p[0], 0x04);
    EXPECT_EQ(p[1], 0x03);
    EXPECT_EQ(p[2], 0x02);
    EXPECT_EQ(p[3], 0x01);
}

TEST_F(LayoutTest, TablesEndWhereExpected) {
    EXPECT_EQ(at(&img->tasks[500]) + sizeof(Task), kSaveImageSize);
    EXPECT_EQ(at(&img->world.worldHistory[2015][100]), kWorldAt + sizeof(World) - 81);
    EXPECT_EQ(at(&img->world.productHistory[600].weekRevenue[200]) + 4, at(&img->world.weeklyCash[1]));
    EXPECT_EQ(at(&img->titlesPerYear[1977]), kWorldAt + sizeof(World));
}

TEST_F(LayoutTest, NestedWorldTablesUseTheirIndexOrder) {
    World& w = img->world;
    // Each tool table is a run of 500 platform bytes.
    EXPECT_EQ(at(&w.devToolTables[2][1]), kWorldAt + 4768);
    EXPECT_EQ(at(&w.devToolTables[4][7]), kWorldAt + 5768 + 6);
    // Engines run by platform, then genre.
    EXPECT_EQ(at(&w.ownEngines[3][5]), kWorldAt + 998376 + ((3 - 1) * 150 + (5 - 1)) * 44);
    EXPECT_EQ(at(&w.newsItems[2][3]), kWorldAt + 2715020 + ((2 - 1) * 4 + (3 - 1)) * 318);
    EXPECT_EQ(at(&w.companyHistory[1981][1]), kWorldAt + 2718836 + 100 * 81);
    EXPECT_EQ(at(&w.yearlyIncome[2015]), kWorldAt + 2605384 + 35 * 4);
}

TEST_F(LayoutTest, PlatformDealSlotsArePairs) {
    Platform& p = img->platforms[1];
    p.deals[3].dealCompany = 7;
    p.deals[3].dealGamesLeft = 9;
    const u8* base = raw() + 27980000;
    EXPECT_EQ(base[176 + 2 * 8], 7);
    EXPECT_EQ(base[176 + 2 * 8 + 4], 9);
}

TEST_F(LayoutTest, LongTextIsCutAndLeavesTheNextFieldAlone) {
    World& w = img->world;
    w.playerName = "Ann";
    w.companyName = std::string(45, 'c');
    EXPECT_EQ(w.companyName.size(), 30);
    EXPECT_EQ(w.companyName.str(), std::string(30, 'c'));
    EXPECT_EQ(w.playerName.str(), "Ann");
    EXPECT_EQ(raw()[kWorldAt + 8327], 3);
}

TEST_F(LayoutTest, TaskCarriesRecordsAtTheirOffsets) {
    Task& t = img->tasks[2];
    t.game.title = "Quest";
    t.platform.unitStock = 0x55;
    t.engine.rating = 0x66;
    const u8* base = raw() + 32116712 + sizeof(Task);
    EXPECT_EQ(base[460], 5);
    EXPECT_EQ(std::memcmp(base + 461, "Quest", 5), 0);
    // Other code reaches the designed platform's unit stock as Task offset 776.
    EXPECT_EQ(base[776], 0x55);
    EXPECT_EQ(base[1068 + 28], 0x66);
}

TEST(ProductFree, OnlyCatalogueYearsAndPlatformsAreTaken) {
    ProductEntry p{};
    EXPECT_TRUE(productFree(p));
    p.refA = 1985;
    EXPECT_FALSE(productFree(p));
    p.refA = 3000;
    EXPECT_FALSE(productFree(p));
    p.refA = 3001;
    EXPECT_TRUE(productFree(p));
    p.refA = -1;
    EXPECT_TRUE(productFree(p));
}

}  // namespace
}  // namespace cw
