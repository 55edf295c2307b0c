// The sound cues the rules ask for: one per event, through the player.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/driver.h"
#include "dev/release.h"
#include "fakes/recording_player.h"
#include "finance/end_game.h"
#include "finance/finance_world.h"
#include "market/expo.h"
#include "market/market_world.h"
#include "sim/task_finish.h"
#include "sim/task_progress.h"
#include "sim/task_world.h"
#include "state/inbox.h"
#include "state/sound_cue.h"

namespace cw {
namespace {

TEST(SoundCues, NamesAndErasOfTheYears) {
    for (int i = 0; i < kSoundCueCount; ++i) {
        const auto cue = static_cast<SoundCue>(i);
        EXPECT_EQ(soundCueFromName(soundCueName(cue)), cue);
    }
    EXPECT_FALSE(soundCueFromName("applause").has_value());
    EXPECT_EQ(musicCueForYear(1980), SoundCue::Music1980s);
    EXPECT_EQ(musicCueForYear(1989), SoundCue::Music1980s);
    EXPECT_EQ(musicCueForYear(1990), SoundCue::Music1990s);
    EXPECT_EQ(musicCueForYear(1999), SoundCue::Music1990s);
    EXPECT_EQ(musicCueForYear(2000), SoundCue::Music2000s);
    EXPECT_EQ(musicCueForYear(2005), SoundCue::Music2000s);
}

TEST(SoundCues, TheWeekAsksForTheNewEraAndTheCashAlarmOnlyOnTheCrossing) {
    test::RecordingPlayer p;
    weekEndCues(p, 1985, 1985, 100, 50);
    EXPECT_TRUE(p.cues.empty());
    weekEndCues(p, 1989, 1990, 0, -1);  // zero counts as not below
    EXPECT_EQ(p.cues, (std::vector<SoundCue>{SoundCue::Music1990s, SoundCue::CashNegative}));
    p.cues.clear();
    weekEndCues(p, 1990, 1990, -5, -500);  // already below: no second alarm
    weekEndCues(p, 1999, 2000, -5, 10);
    EXPECT_EQ(p.cues, (std::vector<SoundCue>{SoundCue::Music2000s}));
}

TEST(SoundCues, ALetterAFinishedGameAndACodeBug) {
    test::TaskWorld w;
    postLetter(w.g, w.p, "Financial", "x");
    EXPECT_EQ(w.p.cues, std::vector<SoundCue>{SoundCue::Letter});

    w.p.cues.clear();
    const int t = w.gameTask("Solo", 0, 10, 0);
    codeBugEvent(w.g, w.p, t);
    EXPECT_EQ(w.p.cues, std::vector<SoundCue>{SoundCue::CodeBug});

    w.p.cues.clear();
    finishGame(w.g, w.p, t);
    ASSERT_GE(w.p.cues.size(), 2u);
    EXPECT_EQ(w.p.cues[0], SoundCue::GameFinished);  // then the letter that tells about it
    EXPECT_EQ(w.p.cues[1], SoundCue::Letter);
}

TEST(SoundCues, TheAwardShowAndTheEndOfTheGame) {
    Game g;
    g.currentYear = 1986;
    test::RecordingPlayer p;
    ShowExpo(g, p);
    EXPECT_EQ(p.cues, std::vector<SoundCue>{SoundCue::AwardShow});

    test::FinanceWorld f;
    showEndScreen(f.g, f.p);
    showEndScreen(f.g, f.p);  // a second ending is not a second end
    EXPECT_EQ(f.p.cues, std::vector<SoundCue>{SoundCue::GameEnd});
}

class ReleaseCueTest : public ::testing::Test, public test::MarketWorld {};

TEST_F(ReleaseCueTest, OnlyAReleaseThatHappensAsksForTheFanfare) {
    test::RecordingPlayer p;
    GameTitle& x = g.tables().gameTitles[1978][40];
    x.title = "Space Quest";
    x.genre = 1;
    x.platform = 1;
    x.companyRow = 3;
    g.tables().titlesPerYear[1978] = 40;
    ProductEntry& e = g.world().products[5];
    e.kind = 1;
    e.refA = 1978;
    e.refB = 40;
    EXPECT_EQ(releaseProduct(g, p, 6), "There is no product 6");
    EXPECT_TRUE(p.cues.empty());
    ASSERT_EQ(releaseProduct(g, p, 5), "");
    EXPECT_EQ(p.cues, std::vector<SoundCue>{SoundCue::Release});
    EXPECT_EQ(releaseProduct(g, p, 5), "The product is already released");
    EXPECT_EQ(p.cues.size(), 1u);
}

// The driver's `sound`: the hire's cue, then the next week's alone.
TEST(SoundCues, TheCliListsTheCuesOfTheLastWeek) {
    std::ostringstream out;
    const auto dir = std::filesystem::temp_directory_path() / "cw_sound_cli";
    std::filesystem::create_directories(dir);
    cli::Session s{out, dir.string()};
    auto run = [&](const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return cli::runScript(s, in, "t");
    };
    s.gameRunning = true;
    World& w = s.game->world();
    w.headquartersLevel = 1;
    w.money = 1000000;
    Person& me = s.game->tables().people[1];
    me.name = "*You* (Ann)";
    me.employed = 1;
    Person& bo = s.game->tables().people[21];
    bo.name = "Marsh,Bo";
    bo.workArea = 1;
    bo.overallRating = 30;
    bo.salary = 12000;
    bo.labourMarketYear = 1980;
    s.game->rng.seed = 3;

    ASSERT_EQ(run("sound\n"), 0);
    EXPECT_EQ(out.str(), "");
    ASSERT_EQ(run("interview 21\noffer salary=19000 oneoff=0 car=yes study=much\nhire\nsound\n"), 0);
    EXPECT_NE(out.str().find("[notify] New employee hired"), std::string::npos);
    EXPECT_NE(out.str().find("\nhire\n"), std::string::npos);
    EXPECT_EQ(run("sound now\n"), 2);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace cw
