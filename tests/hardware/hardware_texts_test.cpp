// The shared texts about platforms and processors.
#include "hardware/hardware_texts.h"

#include <gtest/gtest.h>

#include <climits>

#include "hardware_world.h"

namespace cw {
namespace {

TEST(HardwareTexts, PlatformNameIsTrimmedAndSafeOutsideTheTable) {
    Game g;
    test::putPlatform(g, 3, "  Jaguar 64 ", 900, 300);
    EXPECT_EQ(platformNameText(g, 3), "Jaguar 64");
    test::putPlatform(g, 4, "   ", 900, 300);
    EXPECT_EQ(platformNameText(g, 4), "");
    EXPECT_EQ(platformNameText(g, 0), "");
    EXPECT_EQ(platformNameText(g, 501), "");
}

TEST(HardwareTexts, AgeCountsWholeYearsOfFiftyTwoWeeks) {
    Game g;
    g.currentYear = 1985;
    g.currentWeek = 10;
    EXPECT_EQ(platformAgeText(g, 1985, 10), "0 Year(s),  0 Weeks");
    EXPECT_EQ(platformAgeText(g, 1984, 11), "0 Year(s),  51 Weeks");
    EXPECT_EQ(platformAgeText(g, 1984, 10), "1 Year(s),  0 Weeks");
    EXPECT_EQ(platformAgeText(g, 1978, 40), "6 Year(s),  22 Weeks");
    // A date still to come counts backwards, as the division truncates.
    EXPECT_EQ(platformAgeText(g, 1986, 20), "-1 Year(s),  -10 Weeks");
}

TEST(HardwareTexts, AgeOfAnExtremeDateDoesNotWrap) {
    Game g;
    g.currentYear = 1985;
    g.currentWeek = 10;
    // 2147420105 * 52 is far outside 32 bits; the age is still the plain
    // difference of the two dates.
    EXPECT_EQ(platformAgeText(g, 2147420105, 1), "-2147418119 Year(s),  -43 Weeks");
    EXPECT_EQ(platformAgeText(g, INT_MIN, 0), "2147485633 Year(s),  10 Weeks");
    EXPECT_EQ(cpuReleaseText(g, INT_MIN).substr(0, 15), "New medium fast");
}

TEST(HardwareTexts, OpinionWordsAtTheirLimits) {
    const std::pair<i32, const char*> cases[] = {
        {-3, "scrap"}, {4, "scrap"}, {5, "Disliked"}, {19, "Disliked"}, {20, "unpopular"}, {29, "unpopular"},
        {30, "okay"},  {54, "okay"}, {55, "popular"}, {84, "popular"},  {85, "HOT"},       {100, "HOT"}};
    for (const auto& [v, word] : cases) EXPECT_EQ(opinionWord(v), word) << v;
}

TEST(HardwareTexts, AnalysisWordsAtTheirLimits) {
    const std::pair<i32, const char*> cases[] = {
        {1, "Very Bad"},    {80, "Very Bad"},     {81, "Bad"},  {96, "Bad"},   {97, "fair"},
        {120, "fair"},      {121, "OK"},          {141, "OK"},  {142, "Good"}, {162, "Good"},
        {163, "Very good"}, {10000, "Very good"}, {10001, "NA"}};
    for (const auto& [v, word] : cases) EXPECT_EQ(analysisScoreWord(v), word) << v;
}

TEST(HardwareTexts, ProcessorTypesAndGroupedNumbers) {
    EXPECT_EQ(cpuTypeText(1), "CPU");
    EXPECT_EQ(cpuTypeText(2), "GPU");
    EXPECT_EQ(cpuTypeText(3), "All");
    EXPECT_EQ(cpuTypeText(4), "SPU");
    EXPECT_EQ(cpuTypeText(0), "");
    EXPECT_EQ(thousands(0), "0");
    EXPECT_EQ(thousands(999), "999");
    EXPECT_EQ(thousands(1000), "1,000");
    EXPECT_EQ(thousands(-1234567), "-1,234,567");
    EXPECT_EQ(thousands(LLONG_MIN), "-9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace cw
