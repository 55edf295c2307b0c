#include <gtest/gtest.h>

#include "state/calendar.h"
#include "state/random.h"

namespace cw {

TEST(Random, KnownSeedGivesKnownSequence) {
    Random r;
    r.seed = 12345;
    EXPECT_EQ(r.randomInt(100), 38);
    EXPECT_EQ(r.seed, 1655067934u);
    EXPECT_EQ(r.randomInt(1000), 289);
    EXPECT_EQ(r.randomInt(7), 0);
    EXPECT_EQ(r.randomInt(1), 0);
    EXPECT_EQ(r.seed, 2377737157u);
    EXPECT_EQ(r.randomInt(2147483647), 1360806764);
}

TEST(Random, StaysInsideItsRange) {
    Random r;
    r.seed = 0xFFFFFFFFu;
    for (int i = 0; i < 20000; ++i) {
        EXPECT_EQ(r.randomInt(1), 0);
        const int n = 1 + i % 97;
        const int v = r.randomInt(n);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, n);
    }
}

TEST(Random, EmptyRangeStillAdvancesTheSequence) {
    Random a, b;
    a.seed = b.seed = 99;
    EXPECT_EQ(a.randomInt(0), 0);
    EXPECT_EQ(a.randomInt(-5), 0);
    b.randomInt(10);
    b.randomInt(10);
    EXPECT_EQ(a.seed, b.seed);
}

TEST(Random, FixedSeedReplacesTheClock) {
    Random r;
    r.fixedSeed = 4242;
    r.randomizeSeed();
    EXPECT_EQ(r.seed, 4242u);
    r.randomInt(10);
    r.randomizeSeed();
    EXPECT_EQ(r.seed, 4242u);
}

TEST(Random, ClockSeedIsMillisecondsOfTheDay) {
    Random r;
    r.randomizeSeed();
    EXPECT_LT(r.seed, 24u * 60 * 60 * 1000);
}

TEST(Calendar, MondayOfIsoWeek) {
    // Week 1 holds January 4th, so its Monday may fall in December.
    EXPECT_EQ(mondayOfIsoWeek(1980, 1), (CivilDate{1979, 12, 31}));
    EXPECT_EQ(mondayOfIsoWeek(1980, 52), (CivilDate{1980, 12, 22}));
    EXPECT_EQ(mondayOfIsoWeek(1999, 1), (CivilDate{1999, 1, 4}));
    EXPECT_EQ(mondayOfIsoWeek(2004, 1), (CivilDate{2003, 12, 29}));
    EXPECT_EQ(mondayOfIsoWeek(2005, 52), (CivilDate{2005, 12, 26}));
    EXPECT_EQ(mondayOfIsoWeek(2000, 9), (CivilDate{2000, 2, 28}));
}

TEST(Calendar, TheGamesThreeDateTexts) {
    EXPECT_EQ(newsDateText(1980, 1), "1979, Dec  31");
    EXPECT_EQ(newsDateText(1983, 5), "1983, Jan  31");
    EXPECT_EQ(progressDateText(1983, 5), "31. January, 1983");
    EXPECT_EQ(progressDateText(1999, 1), "4. January, 1999");
    EXPECT_EQ(letterDateText(1983, 5), "1983, 01 - 31");
    EXPECT_EQ(letterDateText(2000, 40), "2000, 10 - 2");
}

TEST(Calendar, FormatPatterns) {
    const CivilDate d{1987, 9, 7};
    EXPECT_EQ(formatDate(d, "dd/mm/yy"), "07/09/87");
    EXPECT_EQ(formatDate(d, "mmmm d (yyyy)"), "September 7 (1987)");
    EXPECT_EQ(formatDate(d, "m"), "9");
}

}  // namespace cw
