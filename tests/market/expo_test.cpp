// The yearly show: the booth's price and draws, the award ranking with its
// ties and empty places, which platforms and genres get a category, and the
// sales score a place of the player's brings.
#include "market/expo.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {

class ExpoTest : public ::testing::Test, public test::MarketWorld {
protected:
    ExpoTest() {
        g.currentYear = 1985;
        g.currentWeek = 4;
        g.tables().genres[1].yearAvailable = 1980;
    }
    // A title of 1984 with the given review score (and sales score 50).
    GameTitle& entry(int review, int platform = 1, int genre = 1) {
        GameTitle& t = title(1984, review, platform);
        t.genre = static_cast<u8>(genre);
        t.salesScore = 50;
        return t;
    }
    GameTitle& playersEntry(int review, int salesScore, int platform = 1) {
        GameTitle& t = entry(review, platform);
        t.isPlayers = 1;
        t.companyRow = 3;  // the publisher's Companies entry
        t.salesScore = static_cast<u8>(salesScore);
        return t;
    }
    std::array<int, 5> titlesByPosition(int step = AwardBest, int filter = 0) {
        std::array<int, 5> out{};
        for (const AwardSlot& s : awardSlots(g, step, filter)) out[static_cast<std::size_t>(s.position - 1)] = s.title;
        return out;
    }
    test::RecordingPlayer p;
};

TEST_F(ExpoTest, EqualScoresRankTheSmallerCatalogueIndexFirst) {
    for (int score : {60, 90, 70, 90, 50, 80, 95, 90}) entry(score);
    // Slots take 1..5 (60 90 70 90 50); 80 replaces the 50, 95 the 60, the
    // last 90 (entry 8) beats the 70; ties of 90 go by index: 2, 4, 8.
    EXPECT_EQ(titlesByPosition(), (std::array<int, 5>{7, 2, 4, 8, 6}));
    // A title equal to the lowest slot does not push it out.
    for (int i = 0; i < 3; ++i) entry(80);
    EXPECT_EQ(titlesByPosition(), (std::array<int, 5>{7, 2, 4, 8, 6}));
}

TEST_F(ExpoTest, FewerThanFiveTitlesLeaveTheLowerPlacesEmpty) {
    entry(70);
    entry(90);
    entry(70);
    EXPECT_EQ(titlesByPosition(), (std::array<int, 5>{2, 1, 3, 0, 0}));
    ExpoShow show;
    const AwardCategory c = AwardTop5(g, show, AwardBest, 0);
    EXPECT_EQ(c.heading, "Best game of 1984");
    EXPECT_EQ(c.places[0].line, "1. Title 1984/2 - Lone Coder (Zed)");
    EXPECT_EQ(c.places[3].title, 0);
    EXPECT_TRUE(c.places[4].line.empty());
    EXPECT_EQ(show.bestGame, "Title 1984/2 - Lone Coder");
    // No title of last year: five empty places.
    g.currentYear = 1990;
    EXPECT_EQ(titlesByPosition(), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST_F(ExpoTest, BestSellingRanksByTotalSalesAndGivesNoBonus) {
    entry(99).totalSales = 10;
    playersEntry(40, 100).totalSales = 500;
    ExpoShow show;
    const AwardCategory c = AwardTop5(g, show, AwardSales, 0);
    EXPECT_EQ(c.heading, "Best selling games of 1984");
    EXPECT_EQ(c.places[0].line, "1. Title 1984/2 - Three Soft (Zed)");
    EXPECT_TRUE(c.places[0].players);
    EXPECT_EQ(g.tables().gameTitles[1984][2].salesScore, 100);
    EXPECT_TRUE(show.impression.empty());
}

TEST_F(ExpoTest, QualifyingPlatformsAndGenres) {
    platform(3, "Third");
    g.tables().genres[2].name = "Sport";
    g.tables().genres[2].yearAvailable = 1985;  // not before this year
    g.tables().genres[3].name = "Puzzle";
    g.tables().genres[3].yearAvailable = 1984;
    for (int i = 0; i < 6; ++i) entry(50, 1, 1);
    for (int i = 0; i < 6; ++i) entry(50, 2, 2);
    for (int i = 0; i < 5; ++i) entry(50, 3, 3);
    EXPECT_TRUE(qualifyingPlatforms(g).empty());  // the player released nothing
    playersEntry(50, 50, 1);                       // a seventh on Zed, Action
    GameTitle& sport = playersEntry(50, 50, 2);
    sport.genre = 2;
    GameTitle& puzzle = playersEntry(50, 50, 3);  // the sixth on Third, in Puzzle
    puzzle.genre = 3;
    EXPECT_EQ(qualifyingPlatforms(g), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(qualifyingGenres(g), (std::vector<int>{1, 3}));  // Sport is new this year
    puzzle.released = 0;  // an unreleased title of the player's does not count
    EXPECT_EQ(qualifyingPlatforms(g), (std::vector<int>{1, 2}));
    EXPECT_EQ(qualifyingGenres(g), (std::vector<int>{1}));
    // The walk ends at the first nameless platform.
    g.tables().platforms[2].name = "";
    EXPECT_EQ(qualifyingPlatforms(g), (std::vector<int>{1}));
    EXPECT_EQ(awardHeading(g, AwardGenre, 1), "Best Action games of the year");
    EXPECT_EQ(awardHeading(g, AwardPlatform, 1), "Best games on Zed");
}

TEST_F(ExpoTest, APlayersTopFiveGameGainsSalesScoreInEachCategory) {
    for (int i = 0; i < 5; ++i) entry(60);
    GameTitle& first = playersEntry(99, 115);   // entry 6, position 1
    GameTitle& second = playersEntry(98, 110);  // entry 7, position 2
    GameTitle& top = playersEntry(97, 110);     // entry 8, position 3
    g.tables().platforms[1].name = "Zed";
    ExpoShow show;
    AwardTop5(g, show, AwardBest, 0);
    EXPECT_EQ(first.salesScore, 120);  // 115 + 5, then 120 is not below 120
    EXPECT_EQ(second.salesScore, 115);
    EXPECT_EQ(top.salesScore, 115);
    EXPECT_EQ(show.impression,
              "\r\nTitle 1984/6 got a top 5 spot in one of the award shows. This could increase the sales"
              "\r\nTitle 1984/7 got a top 5 spot in one of the award shows. This could increase the sales"
              "\r\nTitle 1984/8 got a top 5 spot in one of the award shows. This could increase the sales");
    // The same games win again on their platform (the first already at
    // 120 gains nothing), and a genre of its own puts a 110 title in first
    // place: 110 + 5 + 10.
    show.impression.clear();
    const AwardCategory onZed = AwardTop5(g, show, AwardPlatform, 1);
    EXPECT_EQ(onZed.places[0].line, "1. Title 1984/6 - Three Soft (Zed)");
    EXPECT_EQ(first.salesScore, 120);
    EXPECT_EQ(second.salesScore, 120);
    EXPECT_EQ(top.salesScore, 120);
    GameTitle& alone = playersEntry(90, 110);
    alone.genre = 4;
    g.tables().genres[4].name = "Quiz";
    show.impression.clear();
    AwardTop5(g, show, AwardGenre, 4);
    EXPECT_EQ(alone.salesScore, 125);
    EXPECT_EQ(show.impression, "\r\nTitle 1984/9 got a top 5 spot in one of the award shows, this could increase sales.");
}

class BoothTest : public ExpoTest {
protected:
    BoothTest() {
        g.world().money = 2000000;
        g.world().gamesImage = 95;
        g.world().platformsImage = 20;
        Task& game = g.tables().tasks[1];
        game.name = "Space Duel";
        game.taskType = kTaskGame;
        Task& study = g.tables().tasks[3];  // after a free slot
        study.name = "Study";
        study.taskType = kTaskStudy;
        study.taskSubtype = kStudyDesign;
        Task& console = g.tables().tasks[4];
        console.name = "New platform";
        console.taskType = kTaskPlatform;
        console.platform.name = "Zap 64";
        g.rng.seed = 99;
    }
};

TEST_F(BoothTest, AGiantBoothDrawsTheImagesThenEachProjectsHype) {
    Random expected = g.rng;
    const i32 games = 10 + expected.randomInt(6);
    const i32 platforms = 10 + expected.randomInt(6);
    const i32 gameHype = 25 + expected.randomInt(10);
    const i32 consoleHype = 25 + expected.randomInt(10);
    ExpoShow show;
    EnterExpo(g, show, Booth::Giant);
    EXPECT_EQ(g.world().money, 1000000);
    EXPECT_EQ(g.world().gamesImage, 100);  // capped
    EXPECT_EQ(g.world().platformsImage, 20 + platforms);
    (void)games;
    EXPECT_EQ(g.tables().tasks[1].game.hype, gameHype);
    EXPECT_EQ(g.tables().tasks[4].hype, consoleHype);  // what the console takes to market
    EXPECT_EQ(g.rng.seed, expected.seed);
    EXPECT_EQ(show.impression, "Space Duel got some positiv publicity\r\nZap 64 got some positiv publicity\r\n");
    ASSERT_EQ(show.shown.size(), 1u);  // step 0 is on show at once
    EXPECT_EQ(show.shown[0].heading, "Best game of 1984");
}

TEST_F(BoothTest, TheRegularVisitorPaysTenAndDrawsNothing) {
    const Random before = g.rng;
    ExpoShow show;
    EnterExpo(g, show, Booth::None);
    EXPECT_EQ(g.world().money, 2000000 - 10);
    EXPECT_EQ(g.world().gamesImage, 95);
    EXPECT_EQ(g.rng.seed, before.seed);
    EXPECT_TRUE(show.impression.empty());
    EXPECT_EQ(boothCaption(Booth::Medium), "Yes. I would like to buy space for a Medium sized booth. Price $250.000");
    EXPECT_EQ(boothCost(Booth::Large), 500000);
}

// A screen that takes the booth given, or skips.
class ShowGoer : public test::RecordingPlayer {
public:
    Game* game = nullptr;
    bool skip = false;
    Booth booth = Booth::None;
    void showModal(ScreenId screen) override {
        RecordingPlayer::showModal(screen);
        if (ExpoShow* show = openExpo()) {
            if (skip)
                SkipExpo(*show);
            else
                EnterExpo(*game, *show, booth);  // then closed at once
        }
    }
};

TEST_F(BoothTest, SkippingCostsNothingAndShowsNoAwards) {
    playersEntry(99, 50);
    ShowGoer goer;
    goer.game = &g;
    goer.skip = true;
    ShowExpo(g, goer);
    EXPECT_EQ(g.world().money, 2000000);
    EXPECT_EQ(g.tables().gameTitles[1984][1].salesScore, 50);
    EXPECT_TRUE(goer.only("letter").empty());
    EXPECT_EQ(openExpo(), nullptr);
}

TEST_F(BoothTest, ClosingEarlyStillAwardsAndTellsThePlayer) {
    for (int i = 0; i < 5; ++i) entry(60);
    playersEntry(99, 100);  // wins the year, and Zed (six titles there)
    g.world().playerName = "Ann";
    ShowGoer goer;
    goer.game = &g;
    goer.booth = Booth::Small;
    ShowExpo(g, goer);
    // The year: 100 + 5 + 10; Zed: + 5 reaches 120; Action: nothing more.
    EXPECT_EQ(g.tables().gameTitles[1984][6].salesScore, 120);
    const auto letters = goer.only("letter");
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_EQ(letters[0].a, "Award show");
    EXPECT_EQ(letters[0].b,
              "Dear Ann\r\nYour games got these places at this years award show :"
              "\r\nPlace 1 : Title 1984/6, Best game of 1984\r\nPlace 1 : Title 1984/6, Best games on Zed"
              "\r\nPlace 1 : Title 1984/6, Best Action games of the year");
    EXPECT_EQ(g.world().companyHistory[1985][1].str(), "Week 4: Place 1 : Title 1984/6, Best game of 1984");
    EXPECT_EQ(g.world().newsItems[NewsSoftware][1].text.str(), "Best game of 1984 : Title 1984/6 - Three Soft");
}

}  // namespace
}  // namespace cw
