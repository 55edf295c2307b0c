// The engine function catalogue by year, the work and feature level of a
// design, the engine score and the genre bonus, at their boundaries.
#include "engines/engine_catalogue.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"

namespace cw {
namespace {

using Lists = std::array<std::vector<OfferedFunction>, 3>;

std::string first(const Lists& l, int list) {
    const auto& v = l[static_cast<std::size_t>(list)];
    return v.empty() ? std::string("(empty)") : v.front().text();
}

TEST(EngineCatalogueTest, TheNewestOfferedGroupsFillTheThreeLists) {
    // In 1980 the newest group is that of 1979.
    const Lists l1980 = offeredEngineFunctions(1980);
    EXPECT_EQ(first(l1980, kAdvancedFunctions), "2D Graphical Mode (2200 Codelines)");
    EXPECT_EQ(first(l1980, kStandardFunctions), "Highres Text Mode (1200 Codelines)");
    EXPECT_EQ(first(l1980, kSimpleFunctions), "Text mode (500 Codelines)");
    EXPECT_EQ(l1980[kAdvancedFunctions].size(), 3u);
    EXPECT_EQ(l1980[kSimpleFunctions][3].text(), "Save Game function (375 Codelines)");

    // A group is offered from its year on.
    EXPECT_EQ(first(offeredEngineFunctions(1980), kAdvancedFunctions), first(offeredEngineFunctions(1979), kAdvancedFunctions));
    const Lists l1981 = offeredEngineFunctions(1981);
    EXPECT_EQ(first(l1981, kAdvancedFunctions), "2D Scrolling mode (3850 Codelines)");
    EXPECT_EQ(first(l1981, kStandardFunctions), "2D Graphical Mode (1600 Codelines)");
    EXPECT_EQ(first(l1981, kSimpleFunctions), "Highres Text Mode (750 Codelines)");

    // Too early for three groups: the simple list stays empty.
    const Lists l1978 = offeredEngineFunctions(1978);
    EXPECT_EQ(first(l1978, kSimpleFunctions), "(empty)");
    EXPECT_EQ(first(l1978, kStandardFunctions), "Text mode (800 Codelines)");

    // Late groups keep their captions letter for letter.
    const Lists l2005 = offeredEngineFunctions(2005);
    EXPECT_EQ(first(l2005, kAdvancedFunctions), "3D Vector, Realtime semi-Bump mapping etc. (23100 Codelines)");
    EXPECT_EQ(l2005[kSimpleFunctions][1].text(), "Blob Sprites, 16000 Color, 512*512 pixels (3750 Codelines)");
    EXPECT_EQ(first(offeredEngineFunctions(2009), kAdvancedFunctions),
              "3D Vector, Realtime reallife rendering. (27500 Codelines)");
}

TEST(EngineCatalogueTest, TheThirdAndFourthItemsOfTheFirstLongEnoughListStartTicked) {
    auto ticked = [](i32 year) {
        const auto t = initialEngineTicks(offeredEngineFunctions(year));
        std::string s;
        for (int l = 0; l < 3; ++l)
            for (std::size_t i = 0; i < t[static_cast<std::size_t>(l)].size(); ++i)
                if (t[static_cast<std::size_t>(l)][i]) s += "sta"[l] + std::to_string(i + 1) + " ";
        return s;
    };
    EXPECT_EQ(ticked(1980), "s3 s4 ");
    EXPECT_EQ(ticked(1978), "t3 t4 ");  // no simple list yet
    EXPECT_EQ(ticked(1982), "s3 t4 ");  // the simple list (1979) has three items
}

TEST(EngineCatalogueTest, WorkGrowsByWholeHundredsWithTheOptions) {
    using O = EngineOptions;
    EXPECT_EQ(engineWork(0, O{true, true, true, true}), 0);
    EXPECT_EQ(engineWork(1000, O{}), 1010);
    EXPECT_EQ(engineWork(1000, O{false, true, false, false}), 1360);
    EXPECT_EQ(engineWork(1000, O{true, false, false, false}), 1250);
    EXPECT_EQ(engineWork(1000, O{true, true, true, true}), 2000);
    EXPECT_EQ(engineWork(199, O{false, true, false, false}), 199 + 36);  // only whole hundreds count
}

TEST(EngineCatalogueTest, FeatureLevelsChangeAtTheirThresholds) {
    using O = EngineOptions;
    const O none{};
    const O prog{false, true, false, false};
    const O opt{true, false, false, false};
    EXPECT_EQ(engineFeatureLevel({0, 0, 0}, none), 1);
    EXPECT_EQ(engineFeatureLevel({0, 0, 0}, prog), 1);   // 8
    EXPECT_EQ(engineFeatureLevel({1, 0, 0}, prog), 2);   // 10
    EXPECT_EQ(engineFeatureLevel({4, 2, 0}, none), 2);   // 17
    EXPECT_EQ(engineFeatureLevel({0, 3, 0}, opt), 3);    // 18
    EXPECT_EQ(engineFeatureLevel({0, 0, 3}, none), 3);   // 25
    EXPECT_EQ(engineFeatureLevel({0, 0, 3}, O{false, false, true, false}), 4);  // 28
    EXPECT_EQ(engineFeatureLevel({0, 1, 3}, opt), 5);    // 34
    EXPECT_EQ(engineFeatureLevel({1, 2, 4}, opt), 7);    // 48
    EXPECT_EQ(engineFeatureLevel({2, 2, 4}, opt), 8);    // 50
}

TEST(EngineCatalogueTest, ScoreBonusAndEstimate) {
    Game g;
    test::makeDevWorld(g);
    EXPECT_EQ(engineScore(g, 0, 1), 0);
    EXPECT_EQ(engineScore(g, 1, 0), 0);
    EXPECT_EQ(engineScore(g, 1, 1), 54 + 7 + 7);
    EXPECT_EQ(engineScore(g, 4, 2), 54);  // no engine yet

    // Levels of one are no experience of the genre.
    EXPECT_EQ(genreBonus(g, 1), 0);
    auto levels = [&](int genre, int count, int level) {
        for (int p = 1; p <= count; ++p) g.world().ownEngines[p][genre].featureLevel = static_cast<u8>(level);
    };
    levels(2, 3, 2);  // sum 6
    EXPECT_EQ(genreBonus(g, 2), 1);
    levels(2, 11, 2);  // sum 22 gives 3, but never beyond the best level less one
    EXPECT_EQ(genreBonus(g, 2), 1);
    levels(3, 5, 5);  // sum 25
    EXPECT_EQ(genreBonus(g, 3), 3);
    levels(4, 128, 2);  // the sum is a byte: 256 counts as 0
    EXPECT_EQ(genreBonus(g, 4), 0);

    const EngineEstimate e = engineEstimate(g, 1000, 2, 1);
    EXPECT_EQ(e.weeks, 1000 / 65);
    EXPECT_EQ(e.cost, 15 * 4 * 1000 + 15 * 2 * 500);
    g.world().devToolTables[2][1] = 2;  // a code tool of level 2 cuts 30 of every hundred lines
    EXPECT_EQ(engineEstimate(g, 1000, 0, 1).weeks, (1000 - 10 * 30) / 45);
}

}  // namespace
}  // namespace cw

#include "engines/engine_market.h"

namespace cw {
namespace {

TEST(EngineMarketTest, TheNextTwoYearsOfTitlesOfThePair) {
    Game g;
    test::makeDevWorld(g);  // week 10 of 1980
    auto put = [&](i32 year, int slot, int week, int genre) {
        GameTitle& t = g.tables().gameTitles[year][slot];
        t.title = "T" + std::to_string(slot);
        t.releaseYear = year;
        t.releaseWeek = static_cast<u8>(week);
        t.genre = static_cast<u8>(genre);
        t.platform = 1;
    };
    put(1980, 1, 9, 1);   // already out
    put(1980, 2, 10, 1);  // this week
    put(1981, 1, 30, 1);
    put(1981, 2, 30, 2);  // another genre
    put(1982, 1, 10, 1);  // the last week counted
    put(1982, 2, 11, 1);  // too far
    g.world().marketEngines[1][1].rating = 70;
    const EngineMarketAnalysis a = engineMarketAnalysis(g, 1, 1);
    EXPECT_EQ(a.planned, 3);
    EXPECT_EQ(a.approxOneYear, 1);
    EXPECT_EQ(a.nextRelease, "Week 10/1980");
    EXPECT_EQ(a.chart[0], 5);
    EXPECT_EQ(a.chart[72], 5);
    EXPECT_EQ(a.chart[104], 5);
    EXPECT_EQ(a.chart[105], 5);  // the chart looks at all 156 weeks
    EXPECT_EQ(a.referenceLine, 70);
    EXPECT_EQ(engineMarketAnalysis(g, 2, 1).referenceLine, 50);
    EXPECT_EQ(engineMarketAnalysis(g, 2, 1).nextRelease, "NA");
}

}  // namespace
}  // namespace cw
