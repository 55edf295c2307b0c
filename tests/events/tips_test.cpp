// The tips file: reading it, choosing a tip, and the files that would make
// the choice run for ever.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "events/tips.h"

namespace cw {
namespace {

std::vector<std::string> numberedTips(int tips) {
    std::vector<std::string> lines{"Heading"};
    for (int i = 1; i <= tips; ++i) {
        lines.push_back("");
        lines.push_back("Tip " + std::to_string(i) + " first line");
        lines.push_back("Tip " + std::to_string(i) + " second line");
    }
    return lines;
}

TEST(TipsTest, LinesSplitOnLfAndCrLf) {
    EXPECT_EQ(tipsLines("a\r\n\r\nb\nc"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_TRUE(tipsLines("").empty());
    EXPECT_EQ(tipText({"x", "", "", "one", "two", "", "three"}, 1), "one\r\ntwo");
}

// Every choice is the first line of a tip, and with many tips more than one
// of them comes up.
TEST(TipsTest, ChoicesAreTipStarts) {
    const auto lines = numberedTips(30);
    Random rng;
    rng.seed = 7;
    std::set<int> seen;
    for (int k = 0; k < 200; ++k) {
        const int l = chooseTipLine(rng, lines);
        ASSERT_GE(l, 1);
        ASSERT_TRUE(lines[static_cast<std::size_t>(l - 1)].empty());
        ASSERT_FALSE(lines[static_cast<std::size_t>(l)].empty());
        seen.insert(l);
    }
    EXPECT_GT(seen.size(), 10u);
    EXPECT_EQ(tipText(lines, 2), "Tip 1 first line\r\nTip 1 second line");
}

// Sixteen lines or fewer, no empty line before a text, or one tip right at
// the top of a long file: each ends.
TEST(TipsTest, FilesThatCouldHangStillEnd) {
    Random rng;
    rng.seed = 3;
    EXPECT_EQ(chooseTipLine(rng, {}), 0);
    EXPECT_EQ(chooseTipLine(rng, {"only"}), 0);
    const auto few = numberedTips(5);  // 16 lines
    ASSERT_EQ(few.size(), 16u);
    const int l = chooseTipLine(rng, few);
    EXPECT_TRUE(l >= 1 && few[static_cast<std::size_t>(l - 1)].empty());
    EXPECT_EQ(chooseTipLine(rng, std::vector<std::string>(500, "no gaps")), 0);
    EXPECT_EQ(chooseTipLine(rng, std::vector<std::string>(500, "")), 0);
    std::vector<std::string> topOnly{"", "The only tip"};
    topOnly.resize(5000, "filler");
    EXPECT_EQ(chooseTipLine(rng, topOnly), 1);
}

// The draws: one for the start line, one more each time the search runs
// off the end of the file.
TEST(TipsTest, TheFirstDrawPicksTheStartLine) {
    const auto lines = numberedTips(30);  // 91 lines: random(76)
    Random probe;
    probe.seed = 11;
    const int s = probe.randomInt(76);
    Random rng;
    rng.seed = 11;
    int expected = s + 1;
    while (!(lines[static_cast<std::size_t>(expected - 1)].empty() && !lines[static_cast<std::size_t>(expected)].empty()))
        ++expected;
    EXPECT_EQ(chooseTipLine(rng, lines), expected);
}

#ifdef CW_GAME_DIR_FOR_TESTS
TEST(TipsTest, TheShippedFileHasFortyTipsOfOurOwn) {
    const auto lines = readTipsFile(std::string(CW_GAME_DIR_FOR_TESTS) + "/gfx/dykt.his");
    int tips = 0;
    for (std::size_t l = 1; l < lines.size(); ++l) tips += lines[l - 1].empty() && !lines[l].empty() ? 1 : 0;
    EXPECT_GE(tips, 40);
    Game g;
    g.programFolder = CW_GAME_DIR_FOR_TESTS;
    TipsScreen screen;
    screen.open(g);
    EXPECT_FALSE(screen.text().empty());
    EXPECT_TRUE(screen.shown);
}
#endif

}  // namespace
}  // namespace cw
