// The end of a game: the final score, the high-score file kept only when
// beaten, and every way a game ends reaching the end screen.
#include "finance/end_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "finance/finance_world.h"
#include "setup/new_game.h"
#include "sim/game_clock.h"
#include "sim/week_tick.h"

namespace cw {
namespace {

using test::FinanceWorld;

TEST(FinalScore, BuildingsCashStartUpAndTheLevelSquared) {
    FinanceWorld f;
    World& w = f.w();
    w.gameLevel = 2;
    w.headquartersLevel = 3;
    w.warehouseLevel = 2;
    w.extraOffices = 4;
    w.factoryLevel = 1;
    w.money = 12345678;
    w.loan = 0;
    w.startupScore = 20;
    f.g.currentYear = 1998;
    FinalScoreParts why;
    EXPECT_EQ(finalScore(f.g, &why), 28536);  // (3000 + 600 + 800 + 1000 + 1234 + 500) × 4
    EXPECT_EQ(why.buildings, 5400);
    EXPECT_EQ(why.cash, 1234);
    EXPECT_EQ(why.startup, 500);
    EXPECT_EQ(why.multiplier, 4);

    w.money = 200000000;  // capped at 5000
    EXPECT_EQ(finalScore(f.g), (5400 + 5000 + 500) * 4);
    f.g.currentYear = 1985;  // 2500 off before 1990
    EXPECT_EQ(finalScore(f.g), (5400 + 2500 + 500) * 4);
    f.g.currentYear = 1980;  // never below nothing
    EXPECT_EQ(finalScore(f.g), (5400 + 0 + 500) * 4);
    w.loan = 300000000;  // in debt: no cash part at all
    EXPECT_EQ(finalScore(f.g), (5400 + 500) * 4);
}

TEST(HighScore, WrittenOnlyWhenBeaten) {
    FinanceWorld f;
    const std::string file = (f.dir / "hs.tmp").string();
    std::ofstream(file, std::ios::binary) << encodeHighScore(99999) << "\r\n";
    showEndScreen(f.g, f.p);
    EXPECT_EQ(f.g.session.finalScore, 1500);  // 1000 + 500
    EXPECT_EQ(readHighScore(f.g.programFolder), 99999);
    EXPECT_FALSE(endScreen(f.g).newHighScore);

    FinanceWorld g;
    std::ofstream((g.dir / "HS.TMP").string(), std::ios::binary) << encodeHighScore(1499) << "\r\n";
    showEndScreen(g.g, g.p);
    EXPECT_EQ(readHighScore(g.g.programFolder), 1500);
    EXPECT_TRUE(endScreen(g.g).newHighScore);
    EXPECT_EQ(endScreen(g.g).previousHighScore, 1499);
    // The file kept its name and holds one line of digit bytes.
    EXPECT_TRUE(std::filesystem::exists(g.dir / "HS.TMP"));
    std::ifstream in((g.dir / "HS.TMP").string(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, encodeHighScore(1500) + "\r\n");
}

TEST(HighScore, AnUnwritableFolderStillShowsTheScore) {
    FinanceWorld f;
    f.g.programFolder = (f.dir / "missing" / "deeper").string();
    showEndScreen(f.g, f.p);
    EXPECT_TRUE(f.g.gameOver);
    EXPECT_EQ(f.p.only("screen").back().a, "Tform_end_screen");
    EXPECT_EQ(endScreen(f.g).score, 1500);
}

// Every ending shows the end screen once, with the score already kept.
void expectEndScreen(const FinanceWorld& f) {
    EXPECT_TRUE(f.g.gameOver);
    int shown = 0;
    for (const auto& c : f.p.calls) shown += c.kind == "screen" && c.a == "Tform_end_screen" ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(f.g.session.endScreenShown);
    EXPECT_EQ(readHighScore(f.g.programFolder), f.g.session.finalScore);
}

TEST(Endings, TheLastYear) {
    FinanceWorld f;
    f.g.currentYear = 2006;
    f.g.currentWeek = 1;
    weekTick(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").at(0).a, "GAME");
    expectEndScreen(f);
}

TEST(Endings, Cheating) {
    FinanceWorld f;
    f.g.session.cheatCount = 4;
    weekTick(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").at(0).b, "Gameover. You cheated one to many times");
    expectEndScreen(f);
}

TEST(Endings, Bankruptcy) {
    FinanceWorld f;
    f.w().money = -5000000;
    f.w().loan = 1000000;
    f.w().debtWeeks = 20;
    weekTick(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").back().a, "Bankrupt");
    expectEndScreen(f);
}

TEST(Endings, HostileTakeover) {
    FinanceWorld f;
    f.rival(2).playerSharesHeld = 40;
    weekTick(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").back().a, "Financial");
    expectEndScreen(f);
}

TEST(Endings, Retirement) {
    FinanceWorld f;
    f.g.tables().people[3].name = "*You* (Ann)";
    f.g.tables().people[3].age = 65;
    f.g.currentWeek = 51;
    weekTick(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").back().b, "You was replaced as managing director.");
    expectEndScreen(f);
    EXPECT_EQ(f.g.currentWeek, 52);  // nothing after the retirement ran
}

TEST(Endings, QuitCurrentGame) {
    FinanceWorld f;
    f.p.buttonAnswers = {true};
    EXPECT_TRUE(endGameFromMenu(f.g, f.p));
    expectEndScreen(f);
}

}  // namespace
}  // namespace cw
