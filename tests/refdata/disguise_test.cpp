#include <gtest/gtest.h>

#include "refdata/disguise.h"

namespace cw {

namespace {
std::string d(const std::string& s) { return disguiseName(s); }
}  // namespace

TEST(DisguiseName, FirstStageSwapsLettersAndStopsThere) {
    EXPECT_EQ(d("Wave Commander"), "Vave Kommander");
    EXPECT_EQ(d("Ice Race"), "Ise Rase");
    EXPECT_EQ(d("Clock"), "Klokk");
    // A "Ph" at the very start stays; later ones become "Fh".
    EXPECT_EQ(d("Phantom Phase"), "Phantom Fhase");
}

TEST(DisguiseName, SecondStagePairs) {
    EXPECT_EQ(d("Dragons of Gold"), "Dragonz of Gold");
    EXPECT_EQ(d("Big Fish"), "Bi' Fiss");
    EXPECT_EQ(d("Path Rang: Up"), "Pato Ran': Up");
}

TEST(DisguiseName, ThirdStageLetters) {
    EXPECT_EQ(d("Max Kong"), "Mak Cong");
    EXPECT_EQ(d("Zed"), "Sed");
}

TEST(DisguiseName, FourthStageStopsAtItsFirstTrigger) {
    EXPECT_EQ(d("Lords"), "Lhords");  // an "h" before the first "o", then stop
    EXPECT_EQ(d("Bull"), "Buul");
    EXPECT_EQ(d("Army"), "Armi");
    EXPECT_EQ(d("Saga"), "Zaga");
    EXPECT_EQ(d("Un..."), "Unn..");
    EXPECT_EQ(d("A.B."), "A.B:");
}

TEST(DisguiseName, FifthStageGrowsTheText) {
    EXPECT_EQ(d("Tiny Pub"), "Teni' Pub");
    EXPECT_EQ(d("Run 42"), "Run 53");
    EXPECT_EQ(d("Run 9"), "Run 1");
    EXPECT_EQ(d("Plan 9"), "Plahn 9");  // the insertions push the 9 past the stage's end
}

TEST(DisguiseName, UnchangedTitlesAreReported) {
    bool changed = true;
    EXPECT_EQ(disguiseName("Run", &changed), "Run");
    EXPECT_FALSE(changed);
    EXPECT_EQ(disguiseName("", &changed), "");
    EXPECT_FALSE(changed);
    disguiseName("Wave", &changed);
    EXPECT_TRUE(changed);
}

}  // namespace cw
