// Magazine reviews and the paid preview: the phrase tables at their range
// ends, the introductions, the bars, the order of the random draws, and the
// review read again without moving the game's generator.
#include "market/reviews.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/recording_player.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

// Draws n times with ranges that do not matter: moves a copy of a generator
// past the draws a review makes.
std::uint32_t after(std::uint32_t seed, int draws) {
    Random r;
    r.seed = seed;
    for (int i = 0; i < draws; ++i) r.randomInt(1);
    return r.seed;
}

ReviewContext actionContext() {
    ReviewContext c;
    c.genreName = "Action";
    c.platformName = "Alpha";
    c.companyName = "Acme";
    c.playerName = "Ann";
    c.demands = {40, 10, 50};
    c.weights = {40, 20, 40};
    return c;
}

ReviewInput quest(int overall) {
    return {"Quest", 1, 1, false, 60, 40, 500, 100, 400, overall};
}

std::string lastLine(const std::string& text) { return text.substr(text.rfind("\r\n") + 2); }

TEST(ReviewPhrases, EachTableChangesPhraseExactlyAtItsRangeEnds) {
    // VerdictA
    EXPECT_STREQ(verdictAPhrase(-201), "");
    EXPECT_STREQ(verdictAPhrase(-200), " is very bad and does not at all meet the standard of other games in the genre");
    EXPECT_STREQ(verdictAPhrase(-30), verdictAPhrase(-200));
    EXPECT_STREQ(verdictAPhrase(-29),
                 " is less then perfect and in this reviews opinon could have been so much better");
    EXPECT_STREQ(verdictAPhrase(-1),
                 " is that its clearly has some potential but falls shorts in some of the main aspects");
    EXPECT_STREQ(verdictAPhrase(0), " is good, and has some very nice features");
    EXPECT_STREQ(verdictAPhrase(5), verdictAPhrase(0));
    EXPECT_STREQ(verdictAPhrase(6), " is good. Not many games in this genre has been executed better in recent year");
    EXPECT_STREQ(verdictAPhrase(30),
                 " is extremly good. The game gets nearly all aspects right and is properly the best in this genre");
    EXPECT_STREQ(verdictAPhrase(31), verdictAPhrase(100));
    EXPECT_EQ(std::string(verdictAPhrase(31)).substr(0, 50), " is just great. This is by fare the best game I ha");
    EXPECT_STREQ(verdictAPhrase(101), "");

    // VerdictB: the second draw picks the set, 10 and above the first.
    EXPECT_STREQ(verdictBPhrase(-200, 10), " is junk junk junk");
    EXPECT_STREQ(verdictBPhrase(-200, 9), " Is very bad and could do with a complete remake");
    EXPECT_STREQ(verdictBPhrase(-29, 19), " Is bad to say the least");
    EXPECT_STREQ(verdictBPhrase(-10, 0), " Is bad, only a few worser game has been seen in recent years");
    EXPECT_STREQ(verdictBPhrase(-9, 10), " is fair, but need some finish");
    EXPECT_STREQ(verdictBPhrase(10, 10), " is one of the better in this genre");
    EXPECT_STREQ(verdictBPhrase(11, 9), " is good. Only a handful of games is better this year");
    EXPECT_STREQ(verdictBPhrase(55, 10), verdictBPhrase(41, 10));
    EXPECT_STREQ(verdictBPhrase(56, 9), " is extremly good. Nearly perfect. I praise the makers of this game");
    EXPECT_STREQ(verdictBPhrase(1000, 10),
                 " is great. This is by fare the best i have seen in this genre for as long as i can remember.");
    EXPECT_STREQ(verdictBPhrase(1001, 10), "");
    EXPECT_STREQ(verdictBPhrase(-201, 10), "");

    // VerdictC
    EXPECT_STREQ(verdictCPhrase(-30, 10),
                 " is horrible and does not at all meet the requirments of other games in the genre");
    EXPECT_STREQ(verdictCPhrase(-29, 9), " is not very good");
    EXPECT_STREQ(verdictCPhrase(-1, 9), " is fair, but could be improved a lot");
    EXPECT_STREQ(verdictCPhrase(0, 9), " is an good example of the current standard of the genre");
    EXPECT_STREQ(verdictCPhrase(25, 10), " is very good, and not many games in the genre is better");
    EXPECT_STREQ(verdictCPhrase(26, 10), " is very good. In my opinion this is one of the best in this genre so fare");
    EXPECT_STREQ(verdictCPhrase(56, 10), " is great. This is the best i have seen so fare in this genre");
    EXPECT_STREQ(verdictCPhrase(1001, 9), "");
}

TEST(ReviewPhrases, ADifferenceOutsideEveryRangeGivesTheAspectNameAlone) {
    Random rng;
    rng.seed = 99;
    // The spread is at most 7 (A) or 5 (B, C): these stay outside whatever is drawn.
    EXPECT_EQ(verdictA("Overall game opinion", 90 + 108, 90, rng), "Overall game opinion");
    EXPECT_EQ(verdictA("Overall game opinion", 90 - 208, 90, rng), "Overall game opinion");
    EXPECT_EQ(verdictB("Gameplay", 1006, 0, rng), "Gameplay");
    EXPECT_EQ(verdictB("the graphics", -300, 0, rng), "the graphics");
    EXPECT_EQ(verdictC("Design", 2000, 50, rng), "Design");
    // A draws once, B and C twice, also when nothing fits.
    EXPECT_EQ(rng.seed, after(99, 2 + 2 * 3));
}

TEST(ReviewIntroductions, ChosenByOverallWithNoneBelowZeroOrAbove210) {
    EXPECT_EQ(introductionList(-1), -1);
    EXPECT_EQ(introductionList(0), 0);
    EXPECT_EQ(introductionList(60), 0);
    EXPECT_EQ(introductionList(61), 1);
    EXPECT_EQ(introductionList(75), 1);
    EXPECT_EQ(introductionList(76), 2);
    EXPECT_EQ(introductionList(94), 2);
    EXPECT_EQ(introductionList(95), 3);
    EXPECT_EQ(introductionList(110), 3);
    EXPECT_EQ(introductionList(111), 4);
    EXPECT_EQ(introductionList(210), 4);
    EXPECT_EQ(introductionList(211), -1);

    for (int overall : {-1, 211, 255}) {
        Random rng;
        rng.seed = 5;
        const Review r = composeReview(quest(overall), actionContext(), rng);
        EXPECT_EQ(r.introduction, "") << overall;
        // No sentence is drawn either: twelve draws instead of thirteen.
        EXPECT_EQ(rng.seed, after(5, 12)) << overall;
    }
    Random rng;
    rng.seed = 5;
    EXPECT_NE(composeReview(quest(210), actionContext(), rng).introduction, "");
    EXPECT_EQ(rng.seed, after(5, 13));
}

TEST(ReviewIntroductions, PlaceholdersBecomeTitleGenreAndCompany) {
    EXPECT_EQ(fillIntroduction("<gamename>/<Gamename>/<GameName>/<Gameplay>/<GamePlay>/<Game>/<game>/<Genre>/<genre>/"
                               "<Company>/<company>/<Companyname>/<GAME>",
                               "Quest", "Action", "Acme"),
              "Quest/Quest/Quest/Quest/Quest/Quest/Quest/Action/Action/Acme/Acme/Acme/<GAME>");
    EXPECT_EQ(fillIntroduction(introductionSentence(4, 2), "Quest", "Action", "Acme"),
              "Quest is 100% faithful to its genre and has truly exceptional gameplay.Quest is one of the best Action "
              "games in years. The design of the game is spot on.");
    EXPECT_STREQ(introductionSentence(1, 1),
                 "There's a lot of gameplay in <GamePlay>, but it's mainly because the designers keep forcing you to "
                 "do the same thing over and over. There are many game available  in the genre that are much more "
                 "worthwhile.");
    EXPECT_STREQ(introductionSentence(5, 0), "");

    EXPECT_EQ(previewIntroduction(0, "Quest", "Acme", "Ann"),
              "PREVIEW\r\n\r\nThis week we get our hands on the upcoming title Questfrom the people at Acme.");
    EXPECT_EQ(previewIntroduction(1, "Quest", "Acme", "Ann"),
              "PREVIEW\r\n\r\nThis week we recieved an working example of Quest.\r\nAnn of Acme said the game is still "
              "pretty early on in development. So heres how we rated the game in its current stage");
    EXPECT_EQ(previewIntroduction(2, "Quest", "Acme", "Ann"),
              "PREVIEW\r\n\r\nWe played through the early single-player version of the upcoming titleQuest by Acme");
    EXPECT_EQ(previewIntroduction(5, "Quest", "Acme", "Ann"),
              "PREVIEW\r\n\r\nAs Quest nears completion, head of Acme Ann is hyping the game again and again. Now we "
              "look at the pre-release version to see if its infact true what they are claiming at Acme.");
}

// The whole review against its draws, made one by one in the fixed order
// from a copy of the generator.
TEST(ReviewComposition, DrawsComeInTheFixedOrder) {
    bool sawFirstBranch = false, sawSecondBranch = false;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Random rng;
        rng.seed = seed;
        Random ref = rng;
        const ReviewInput in = quest(100);  // above 90, design 60 > graphics 40: the design verdict
        const Review r = composeReview(in, actionContext(), rng);

        const int sentence = ref.randomInt(7);
        std::string body = "....";
        const std::string fill = std::string(kReviewFiller1) + "\r\n" + kReviewFiller2 + "\r\n" + kReviewFiller3;
        auto bc = [&](bool isB, const char* aspect, i32 value, i32 standard) {
            const i32 b = value - standard + ref.randomInt(10) - 5;
            const i32 x = ref.randomInt(20);
            return std::string(aspect) + (isB ? verdictBPhrase(b, x) : verdictCPhrase(b, x));
        };
        if (ref.randomInt(10) < 5) {
            sawFirstBranch = true;
            body += bc(false, "Gameplay", 40, 40) + fill;
            body += bc(true, "Replaybility", 50, 50) + fill;
        } else {
            sawSecondBranch = true;
            body += bc(true, "Gameplay", 40, 40) + fill;
            body += bc(false, "Complixity", 10, 10) + kReviewFiller1b + "\r\n" + kReviewFiller2 + "\r\n" +
                    kReviewFiller3;
        }
        body += bc(false, "Design", 60, 20) + kReviewFiller1;
        const i32 a = 100 - 90 + ref.randomInt(15) - 7;
        body += std::string("\r\nOverall game opinion") + verdictAPhrase(a) + ".";
        const i32 overallBar = 100 + ref.randomInt(3) - 6;
        const i32 sound = 20 + ref.randomInt(80);
        ref.randomInt(6);  // the byline's first name
        ref.randomInt(6);  // and last name

        EXPECT_EQ(r.introduction, fillIntroduction(introductionSentence(3, sentence), "Quest", "Action", "Acme"));
        EXPECT_EQ(r.body, body) << seed;
        EXPECT_EQ(r.bars[kBarOverall].value, overallBar);
        EXPECT_EQ(r.bars[kBarSound].value, sound);
        EXPECT_EQ(r.byline.substr(0, 11), "written by ");
        EXPECT_EQ(r.byline.back(), ' ');
        EXPECT_EQ(rng.seed, ref.seed);
    }
    EXPECT_TRUE(sawFirstBranch);
    EXPECT_TRUE(sawSecondBranch);
}

TEST(ReviewComposition, HeaderBarsAndTheThirdAspect) {
    Random rng;
    rng.seed = 3;
    const Review r = composeReview(quest(100), actionContext(), rng);
    EXPECT_EQ(r.title, "Quest");
    EXPECT_EQ(r.genreName, "Action");
    EXPECT_EQ(r.platformName, "Alpha");
    const char* labels[5] = {"Gameplay :", "Graphics :", "Sound :", "Replayability:", "Overall"};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(r.bars[static_cast<std::size_t>(i)].label, labels[i]);
    EXPECT_EQ(r.bars[kBarGraphics].value, 40);
    EXPECT_EQ(r.bars[kBarGameplay].value, 50);        // 400 is exactly 10 x 40: overall div 2
    EXPECT_EQ(r.bars[kBarReplayability].value, 50);   // 500 is exactly 10 x 50
    EXPECT_GE(r.bars[kBarSound].value, 20);
    EXPECT_LE(r.bars[kBarSound].value, 99);

    // Above 90 the stronger side is judged, at 90 and below the weaker one.
    auto third = [](int overall, int design, int graphics) {
        ReviewInput in = quest(overall);
        in.design = design;
        in.graphics = graphics;
        Random x;
        x.seed = 11;
        const std::string body = composeReview(in, actionContext(), x).body;
        const bool designLine = body.find("Design") != std::string::npos;
        const bool graphicsLine = body.find("the graphics") != std::string::npos;
        EXPECT_NE(designLine, graphicsLine);
        // The graphics verdict ends its filler with a line break of its own.
        if (graphicsLine) {
            EXPECT_NE(body.find(std::string(kReviewFiller1) + "\r\n\r\nOverall"), std::string::npos);
        }
        return designLine ? "design" : "graphics";
    };
    EXPECT_STREQ(third(91, 60, 40), "design");
    EXPECT_STREQ(third(91, 40, 40), "graphics");
    EXPECT_STREQ(third(90, 60, 40), "graphics");
    EXPECT_STREQ(third(90, 40, 40), "design");
}

TEST(ReviewComposition, AspectBarsAtTheirThresholdAndClamps) {
    ReviewContext c = actionContext();
    c.demands = {5, 5, 5};
    auto bars = [&](int gameplay, int replay, int overall) {
        ReviewInput in = quest(overall);
        in.gameplay = gameplay;
        in.replayability = replay;
        Random x;
        x.seed = 1;
        const Review r = composeReview(in, c, x);
        return std::pair(r.bars[kBarGameplay].value, r.bars[kBarReplayability].value);
    };
    EXPECT_EQ(bars(50, 50, 61), std::pair(30, 30));   // exactly 10 x d: overall div 2
    EXPECT_EQ(bars(51, 52, 61), std::pair(71, 72));   // 51 - 10 + 30
    EXPECT_EQ(bars(50, 0, 1), std::pair(1, 1));       // 0 becomes 1
    EXPECT_EQ(bars(200, 50, 60), std::pair(100, 30)); // 220 becomes 100
}

TEST(ReviewComposition, APreviewRaisesTheOverallVerdictAndBarByTen) {
    const ReviewContext c = actionContext();
    for (std::uint32_t seed : {2u, 17u, 4242u}) {
        Random a, b, d;
        a.seed = b.seed = d.seed = seed;
        ReviewInput preview = quest(70);
        preview.isPreview = true;
        const Review p = composeReview(preview, c, a);
        const Review same = composeReview(quest(70), c, b);
        const Review tenMore = composeReview(quest(80), c, d);
        EXPECT_EQ(p.introduction.substr(0, 11), "PREVIEW\r\n\r\n");
        EXPECT_EQ(p.bars[kBarOverall].value, same.bars[kBarOverall].value + 10);
        EXPECT_EQ(lastLine(p.body), lastLine(tenMore.body));
        // The aspect bars still use the score itself.
        EXPECT_EQ(p.bars[kBarGameplay].value, same.bars[kBarGameplay].value);
        EXPECT_EQ(a.seed, b.seed);
    }
}

class ReviewGameTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    int task = 0;
    void SetUp() override {
        test::makeDevWorld(g);
        g.world().sharesOwnedPercent = 40;
        g.world().companyName = "Acme";
        g.world().playerName = "Ann";
        DevelopmentScreen s(g);
        s.chooseGenre(1);
        ASSERT_FALSE(s.setLeader(5));
        s.setName("Quest");
        ASSERT_FALSE(s.startDevelopment(p));
        task = s.createdTask();
        p.calls.clear();
    }
    Task& t() { return g.tables().tasks[task]; }
    // A finished version of the game in the catalogue, as a product.
    int finishedProduct() {
        GameTitle& held = g.tables().gameTitles[1978][3];
        held = t().game;
        held.reviewScore = 88;
        return addProduct(g, 0, 1978, 3, ProductGame, false);
    }
    ReviewInput productInput() {
        const GameTitle& x = g.tables().gameTitles[1978][3];
        return {x.title.str(), x.platform, x.genre, false, x.researchDesign, x.researchGraphics,
                x.qualityReplayability, x.qualityComplexity, x.qualityGameplay, x.reviewScore};
    }
};

TEST_F(ReviewGameTest, GenerateReviewShowsItAndReadingItAgainDrawsNothing) {
    const int k = finishedProduct();
    ASSERT_EQ(k, 1);
    const std::uint32_t start = g.rng.seed;
    GenerateReview(g, p, productInput());
    ASSERT_EQ(p.reviews.size(), 1u);
    EXPECT_EQ(p.reviews[0].platformName, "Alpha");
    EXPECT_EQ(p.reviews[0].genreName, "Action");
    EXPECT_EQ(g.rng.seed, after(start, 13));

    const std::uint32_t now = g.rng.seed;
    Review again;
    ASSERT_TRUE(productReview(g, 1, again));
    EXPECT_EQ(reviewLines(again), reviewLines(p.reviews[0]));
    EXPECT_EQ(g.rng.seed, now);

    // A new session (a load) reads the same text: it is made from the
    // title's stored values, the same every time, and still draws nothing.
    Review first, second;
    ASSERT_TRUE(productReview(g, 1, first));
    ASSERT_TRUE(productReview(g, 1, second));
    EXPECT_EQ(reviewLines(first), reviewLines(second));
    EXPECT_EQ(reviewLines(first), reviewLines(p.reviews[0]));
    EXPECT_EQ(g.rng.seed, now);
    EXPECT_FALSE(productReview(g, 2, first));
}

TEST_F(ReviewGameTest, APreviewIsRefusedAtExactlyHalfTheWork) {
    t().workTotal = 1000;
    t().progress = 500;
    const std::uint32_t seed = g.rng.seed;
    EXPECT_EQ(RequestPreview(g, p, task), PreviewResult::Refused);
    ASSERT_EQ(p.calls.size(), 1u);
    EXPECT_EQ(p.calls[0].kind, "notify");
    EXPECT_EQ(p.calls[0].a, "To early...");
    EXPECT_EQ(p.calls[0].b,
              "The game needs further development before a playable beta version is ready. Try again later");
    EXPECT_EQ(p.calls[0].number, 3000);
    EXPECT_EQ(g.rng.seed, seed);
    EXPECT_EQ(RequestPreview(g, p, 0), PreviewResult::Refused);
    EXPECT_EQ(RequestPreview(g, p, 499), PreviewResult::Refused);
}

TEST_F(ReviewGameTest, APreviewAsksThenShowsAndTheWorkLeftGrowsByThreePercent) {
    t().workTotal = 1000;
    t().progress = 501;
    t().game.workLeftProgramming = 1000;
    t().game.workLeftDesign = 99;
    t().game.workLeftGraphics = 33;

    p.buttonAnswers = {false};
    EXPECT_EQ(RequestPreview(g, p, task), PreviewResult::Declined);
    ASSERT_EQ(p.calls.size(), 1u);
    EXPECT_EQ(p.calls[0].kind, "message");
    EXPECT_EQ(p.calls[0].a, "Prepare game preview");
    EXPECT_EQ(p.calls[0].b,
              "Do you want your employees to prepare the game for a playable preview version. The total development "
              "time of the game will increase.");
    EXPECT_EQ(t().game.workLeftProgramming, 1000);

    const GameTitle before = t().game;
    const std::uint32_t seedBefore = g.rng.seed;
    EXPECT_EQ(RequestPreview(g, p, task), PreviewResult::Shown);
    ASSERT_EQ(p.reviews.size(), 1u);
    EXPECT_TRUE(p.reviews[0].isPreview);
    EXPECT_EQ(p.reviews[0].title, "Quest");
    EXPECT_EQ(p.reviews[0].introduction.substr(0, 9), "PREVIEW\r\n");
    EXPECT_EQ(t().game.workLeftProgramming, 1030);
    EXPECT_EQ(t().game.workLeftDesign, 101);
    EXPECT_EQ(t().game.workLeftGraphics, 33);
    // Nothing else of the project changes; a preview is not remembered as
    // the game's review.
    EXPECT_EQ(t().game.reviewScore, before.reviewScore);
    EXPECT_EQ(t().game.qualityGameplay, before.qualityGameplay);
    EXPECT_NE(g.rng.seed, seedBefore);  // drawn from the game's generator
}

}  // namespace
}  // namespace cw
