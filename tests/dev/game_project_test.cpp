// The "Game Development" screen's model: its lists, the work estimate and
// "Start development" with its checks, dialogs and the filled game record.
#include "dev/game_project.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "fakes/recording_player.h"
#include "quality/game_quality.h"
#include "state/tasks.h"

namespace cw {
namespace {

using test::RecordingPlayer;

class GameProjectTest : public ::testing::Test {
protected:
    Game g;
    RecordingPlayer p;
    void SetUp() override { test::makeDevWorld(g); }

    // A screen with a genre, a leader and a name: ready to start.
    DevelopmentScreen ready(int genreRow = 1) {
        DevelopmentScreen s(g);
        s.chooseGenre(genreRow);
        EXPECT_FALSE(s.setLeader(5));
        s.setName("Space Duel");
        return s;
    }
    // A released platform beyond the engine table, which can have no engine.
    void putDevPlatformAt(int i) { test::putDevPlatform(g, i, "Far", 1979, 1); }
    i32 nextDraw(i32 n) const {
        Random r = g.rng;
        return r.randomInt(n);
    }
};

TEST_F(GameProjectTest, PlatformsAreOfferedUpToTheirReleaseWeekOfNextYear) {
    EXPECT_TRUE(platformOffered(g, 1970, 52));
    EXPECT_TRUE(platformOffered(g, 1980, 52));
    EXPECT_TRUE(platformOffered(g, 1981, 10));
    EXPECT_FALSE(platformOffered(g, 1981, 9));
    EXPECT_FALSE(platformOffered(g, 1982, 52));
}

TEST_F(GameProjectTest, ANextYearPlatformLeavesTheListAfterItsWeekAndEnginesStopAt150) {
    putDevPlatformAt(151);
    DevelopmentScreen s(g);
    s.chooseGenre(1);
    EXPECT_EQ(s.platformLines().back().text, "(No engine)Delta");
    g.currentWeek = 11;
    s.chooseGenre(1);
    EXPECT_EQ(s.platformLines().back().text, "(Engine:30)Gamma");
}

TEST_F(GameProjectTest, TheListsFollowTheYearAndThePlayersEngines) {
    DevelopmentScreen s(g);
    std::vector<std::string> genres;
    for (const auto& item : s.genres()) genres.push_back(item.text);
    EXPECT_EQ(genres, (std::vector<std::string>{"Choose genre", "Action", "Action,Adventure", "Nonsense"}));
    EXPECT_FALSE(s.startEnabled());
    EXPECT_FALSE(s.estimateShown());
    EXPECT_TRUE(s.estimateLines().empty());

    s.chooseGenre(1);
    std::vector<std::string> lines;
    std::vector<bool> checked;
    for (const auto& l : s.platformLines()) {
        lines.push_back(l.text);
        checked.push_back(l.checked);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"(Engine:50)Alpha", "(Engine:40)Beta", "(Engine:30)Gamma",
                                               "(No engine)Delta"}));
    EXPECT_EQ(checked, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(s.chosenPlatform(), 3);
    EXPECT_TRUE(s.engineNote().empty());
    EXPECT_TRUE(s.startEnabled());
    // A fourth platform is unchecked at once; after unchecking one it fits.
    EXPECT_FALSE(s.checkPlatform(3, true));
    EXPECT_EQ(s.checkedCount(), 3);
    EXPECT_FALSE(s.checkPlatform(0, false));
    EXPECT_TRUE(s.checkPlatform(3, true));
    EXPECT_EQ(s.chosenPlatform(), 4);

    // No engine for this genre anywhere: the warning, and the platforms stay
    // open for an engine offer.
    s.chooseGenre(2);
    EXPECT_EQ(s.engineNote(), "You have no engine for this genre");
    EXPECT_EQ(s.platformLines().front().text, "(No engine)Alpha");
    EXPECT_EQ(s.checkedCount(), 0);
    EXPECT_TRUE(s.platformListEnabled());

    // No platform at all: the single line, the list and the button disabled.
    for (int i = 1; i <= 5; ++i) g.tables().platforms[i].name.clear();
    s.chooseGenre(1);
    ASSERT_EQ(s.platformLines().size(), 1u);
    EXPECT_EQ(s.platformLines()[0].text, "You have no engine for this genre");
    EXPECT_FALSE(s.platformListEnabled());
    EXPECT_FALSE(s.startEnabled());
}

TEST_F(GameProjectTest, TheEstimateFollowsGenreResearchToolsAndExtras) {
    const std::array<i32, 3> research{25, 25, 25};
    // Action in 1980: size 3 * 100 * 8; weights 50, 25, 50 after research.
    GameEstimateValues e = gameEstimate(g, 1, 0, research, 0);
    EXPECT_EQ(e.total, 3000);
    EXPECT_EQ(e.programming, 1200);
    EXPECT_EQ(e.design, 600);
    EXPECT_EQ(e.graphics, 1200);
    // Game Editor and Multiplayer: 13 units of 24 more programming.
    e = gameEstimate(g, 1, 0, research, 13);
    EXPECT_EQ(e.total, 3312);
    EXPECT_EQ(e.programming, 1512);
    // Tool level 1 cuts nothing; code tools at level 2 cut the weight by 30 %.
    g.world().devToolTables[2][1] = 1;
    EXPECT_EQ(gameEstimate(g, 1, 1, research, 0).total, 3000);
    g.world().devToolTables[2][1] = 2;
    e = gameEstimate(g, 1, 1, research, 0);
    EXPECT_EQ(e.programming, 24 * 35);
    EXPECT_EQ(e.total, 2640);
    // Research at 100 doubles a weight before the truncations.
    EXPECT_EQ(gameEstimate(g, 1, 0, {100, 25, 25}, 0).programming, 24 * 80);
    // A genre without a base genre needs no work, and no genre gives nothing.
    EXPECT_EQ(gameEstimate(g, 4, 0, research, 10).total, 0);
    EXPECT_EQ(gameEstimate(g, 0, 0, research, 0).total, 0);

    DevelopmentScreen s = ready();
    s.setExtra(Extra::GameEditor, true);
    s.setExtra(Extra::Multiplayer, true);
    s.setFreelancers(0);
    // 3312 work for 30 a week per platform, three platforms; freelancers
    // raise the divisor by 10 each.
    EXPECT_EQ(s.estimateLines(), (std::vector<std::string>{"Approx. work (man-weeks) :330",
                                                           "Amount of programming : 150",
                                                           "Amount of Designing : 60",
                                                           "Amount of Graphics : 120"}));
    s.setFreelancers(2);
    EXPECT_EQ(s.shownTotal(), 3312 / 50 * 3);
}

TEST_F(GameProjectTest, CaptionsSlidersAndTheLeader) {
    EXPECT_EQ(networkCaption(1980), "Serial Network");
    EXPECT_EQ(networkCaption(1987), "Serial Network");
    EXPECT_EQ(networkCaption(1988), "LAN Network");
    EXPECT_EQ(networkCaption(1995), "LAN Network");
    EXPECT_EQ(networkCaption(1996), "WAN Network");
    DevelopmentScreen s(g);
    std::vector<std::string> music;
    for (int i = 0; i < 6; ++i) {
        music.push_back(musicCaption(s.music()));
        s.cycleMusic();
    }
    EXPECT_EQ(music, (std::vector<std::string>{"Music Quality : NONE", "Music Quality : Low (They get 2%)",
                                               "Music Quality : Fair(They get 4%)",
                                               "Music Quality : High(They get 6%)",
                                               "Music Quality : Best(they get 8%)", "Music Quality : NONE"}));

    std::array<i32, 3> v{34, 33, 33};
    keepSum100(v, 0, 60, 1, 100);
    EXPECT_EQ(v, (std::array<i32, 3>{60, 20, 20}));
    keepSum100(v, 1, 21, 1, 100);  // one step: the first of the others gives it
    EXPECT_EQ(v, (std::array<i32, 3>{59, 21, 20}));
    keepSum100(v, 2, 100, 1, 100);  // the others stop at 1, so does the moved one
    EXPECT_EQ(v, (std::array<i32, 3>{1, 1, 98}));
    keepSum100(v, 2, 50, 1, 98);
    EXPECT_EQ(v, (std::array<i32, 3>{25, 25, 50}));
    s.moveResearch(0, 10);
    s.moveResearch(1, 300);
    EXPECT_EQ(s.research(), (std::array<i32, 3>{25, 100, 25}));

    EXPECT_FALSE(s.freelancersEnabled());
    EXPECT_EQ(s.freelancerCostText(), "Cost 0$ weekly");
    EXPECT_EQ(s.setLeader(7)->text, "Only an employee of your company can lead the project");
    g.tables().people[6].currentTask = 9;
    g.tables().tasks[9].name = "Game Old";
    EXPECT_EQ(s.setLeader(6), (Refusal{"Employee already assigned to a project",
                                       "Employee already assigned to the project \"Game Old\""}));
    EXPECT_FALSE(s.setLeader(5));
    EXPECT_EQ(s.leaderText(), "Stone,Ava");
    EXPECT_EQ(s.freelancers(), managerCapacity(61));
    EXPECT_EQ(s.freelancersMax(), 10);
    EXPECT_EQ(s.freelancerCostText(), "Cost 5000$ weekly");
    s.setFreelancers(99);
    EXPECT_EQ(s.freelancers(), 10);
}

TEST_F(GameProjectTest, StartDevelopmentRefusesInOrder) {
    DevelopmentScreen s(g);
    EXPECT_EQ(s.startDevelopment(p)->text, "Choose a genre first");
    EXPECT_TRUE(p.calls.empty());
    s.chooseGenre(1);
    s.setName("   ");
    EXPECT_EQ(s.startDevelopment(p),
              (Refusal{"Choose Team Leader", "You need to choose a team Leader.Click The \"Find\" button found in the "
                                             "topleft box and select a Team Leader"}));
    ASSERT_FALSE(s.setLeader(5));
    EXPECT_EQ(s.startDevelopment(p), (Refusal{"Missing Game name", "You need to name your new Game"}));
    EXPECT_TRUE(s.wantsNameFocus());
    ASSERT_EQ(p.only("dialog").size(), 2u);
    EXPECT_EQ(p.only("dialog")[1].a, "Missing Game name");

    // Given other work while the screen was open: the choice is undone.
    g.tables().people[5].currentTask = 9;
    g.tables().tasks[9].name = "Study : Design";
    EXPECT_EQ(s.startDevelopment(p)->text, "Employee already assigned to the project \"Study : Design\"");
    EXPECT_EQ(s.leader(), 0);
    g.tables().people[5].currentTask = 0;
    g.tables().tasks[9].name.clear();
    ASSERT_FALSE(s.setLeader(5));
    s.setName("Space Duel");
    for (int i = 1; i <= 3; ++i) s.checkPlatform(i - 1, false);
    EXPECT_EQ(s.startDevelopment(p),
              (Refusal{"Choose Platform", "You need to choose at least one platform for your new Game"}));

    // Every task slot in use: refused before any engine is offered.
    for (Task& t : g.tables().tasks) t.name = "Busy";
    s.checkPlatform(3, true);
    p.calls.clear();
    EXPECT_EQ(s.startDevelopment(p),
              (Refusal{"No free project slot",
                       "Your company already runs 500 projects. Finish one before you start a new game."}));
    ASSERT_EQ(p.calls.size(), 1u);
    EXPECT_EQ(s.createdTask(), 0);
}

TEST_F(GameProjectTest, AGenreOfNoBaseGenreHasNoWorkAndIsRefused) {
    DevelopmentScreen s = ready(3);  // row 3: "Nonsense"
    s.checkPlatform(1, true);
    const i32 money = g.world().money;
    EXPECT_EQ(s.startDevelopment(p),
              (Refusal{"Game Development", "The genre Nonsense is made of no known base genre, so a game of it has no "
                                           "work to do. Choose another genre."}));
    EXPECT_EQ(p.only("dialog").size(), 1u);  // no engine is offered for it either
    EXPECT_EQ(s.createdTask(), 0);
    EXPECT_EQ(g.world().money, money);
}

TEST_F(GameProjectTest, AMissingEngineIsOfferedAndBought) {
    DevelopmentScreen s = ready(2);  // Action,Adventure: no engine anywhere
    s.checkPlatform(1, true);         // Beta
    const i32 price = 400000 + nextDraw(200000);
    p.buttonAnswers = {true};
    ASSERT_FALSE(s.startDevelopment(p));
    const auto dialogs = p.only("dialog");
    ASSERT_GE(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].a, "No Engine");
    EXPECT_EQ(dialogs[0].b, "You have no engine for Beta platform and Action,Adventure genre\r\nYou got an offer for "
                            "an engine for " + std::to_string(price) + "$\r\nDo you want to buy this engine?");
    const EngineSlot& e = g.world().ownEngines[2][2];
    EXPECT_EQ(e.name.str(), "EngineAction,Ad.");
    EXPECT_EQ(e.rating, 28);
    EXPECT_EQ(e.experience, 40);
    EXPECT_EQ(e.codeLevel, 1);
    EXPECT_EQ(e.featureLevel, 1);
    EXPECT_EQ(e.platform, 2);
    EXPECT_EQ(e.genre, 2);
    EXPECT_EQ(e.supportCost, price);
    EXPECT_EQ(g.world().money, 1000000 - price);
    EXPECT_EQ(g.tables().tasks[s.createdTask()].platformList.str(), "2;");
}

TEST_F(GameProjectTest, DecliningOrMissingCashLeavesThePlatformOut) {
    DevelopmentScreen s = ready(2);
    s.checkPlatform(0, true);
    s.checkPlatform(1, true);
    g.world().money = 450000;
    Random r = g.rng;
    r.randomInt(200000);
    const i32 second = 400000 + r.randomInt(200000);
    p.buttonAnswers = {false, true};
    EXPECT_EQ(s.startDevelopment(p),
              (Refusal{"No platform", "No platform is left for this game: it needs an engine for each platform it is "
                                      "made for. Nothing was started."}));
    const auto notes = p.only("notify");
    if (second > 450000) {
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].a, "Not enough cash");
        EXPECT_EQ(notes[0].b, "You do not have enough cash. You are missing " + std::to_string(second - 450000) + "$");
        EXPECT_EQ(notes[0].number, 2000);
    }
    EXPECT_EQ(g.world().ownEngines[1][2].name.size(), 0);
    EXPECT_EQ(s.createdTask(), 0);
    for (const Task& t : g.tables().tasks) EXPECT_TRUE(t.name.empty());
}

TEST_F(GameProjectTest, TheGameRecordIsFilled) {
    DevelopmentScreen s = ready();
    s.setExtra(Extra::Mmo, true);
    s.setExtra(Extra::Network, true);
    s.cycleMusic();
    s.cycleMusic();
    s.moveFocus(0, 50);
    s.moveResearch(2, 60);
    s.setFreelancers(3);
    const GameEstimateValues est = gameEstimate(g, 1, 3, {25, 25, 60}, 25);
    ASSERT_FALSE(s.startDevelopment(p));
    const Task& t = g.tables().tasks[s.createdTask()];
    const GameTitle& game = t.game;
    EXPECT_EQ(t.name.str(), "Game Space Duel");
    EXPECT_EQ(t.taskType, kTaskGame);
    EXPECT_EQ(t.leader, 5);
    EXPECT_EQ(g.tables().people[5].currentTask, s.createdTask());
    EXPECT_EQ(t.workTotal, est.total);
    EXPECT_EQ(t.platformList.str(), "1;2;3;");
    EXPECT_EQ(t.freelancers, 3);
    EXPECT_EQ(game.title.str(), "Space Duel");
    EXPECT_EQ(game.genre, 1);
    EXPECT_EQ(game.platform, 1);
    EXPECT_TRUE(game.isPlayers);
    EXPECT_EQ(game.sequelNumber, 1);
    EXPECT_EQ(game.extrasScore, 25);
    EXPECT_TRUE(game.hasMmo && game.hasSerialNetwork && !game.hasGameEditor);
    // Three platforms: 220 % of each area's work.
    EXPECT_EQ(game.workLeftProgramming, est.programming * 220 / 100);
    EXPECT_EQ(game.workLeftDesign, est.design * 220 / 100);
    EXPECT_EQ(game.workLeftGraphics, est.graphics * 220 / 100);
    EXPECT_EQ(game.bestChartPos, 255);
    EXPECT_EQ(game.chartPos, 255);
    EXPECT_FALSE(game.released);
    EXPECT_EQ(game.focusGameplay, 50);
    EXPECT_EQ(game.focusComplexity + game.focusReplayability, 50);
    EXPECT_EQ(game.qualityGameplay, 400);
    EXPECT_EQ(game.qualityComplexity, 100);
    EXPECT_EQ(game.qualityReplayability, 500);
    EXPECT_EQ(game.researchGraphics, 60);
    EXPECT_EQ(game.shareProgramming, 34);
    EXPECT_EQ(game.shareDesign, 33);
    EXPECT_EQ(game.shareGraphics, 33);
    EXPECT_EQ(game.partnerShare, 2);
    EXPECT_EQ(game.salesScore, gameScore(g, t, 0));
    EXPECT_EQ(game.reviewScore, game.salesScore);
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "New Game");
    EXPECT_EQ(p.only("notify")[0].b, "Game Development started");
    EXPECT_EQ(p.refreshes, 1);
}

TEST_F(GameProjectTest, TwoPlatformsGetHundredSixtyPercentAndToolsCutTheWork) {
    DevelopmentScreen s = ready();
    s.checkPlatform(0, false);  // Beta and Gamma stay; Gamma was checked last
    g.world().devToolTables[2][3] = 2;  // code tools for Gamma
    g.world().devToolTables[4][3] = 1;  // design tools: no cut, but they count
    GameEstimateValues est = gameEstimate(g, 1, 3, {25, 25, 25}, 0);
    ASSERT_FALSE(s.startDevelopment(p));
    const Task& t = g.tables().tasks[s.createdTask()];
    EXPECT_EQ(t.workTotal, est.total - 3 * 3 * est.total / 100);
    const i32 prog = est.programming * 160 / 100;
    EXPECT_EQ(t.game.workLeftProgramming, prog - (prog / 100) * 30);
    EXPECT_EQ(t.game.workLeftDesign, est.design * 160 / 100);
    EXPECT_EQ(t.platformList.str(), "2;3;");
    EXPECT_EQ(t.game.platform, 2);
}

TEST_F(GameProjectTest, PaidExtrasAreChargedOnlyWhenAccepted) {
    g.currentYear = 1983;
    DevelopmentScreen s = ready();
    s.setExtra(Extra::Celebrity, true);
    s.setExtra(Extra::Voice, true);
    s.setExtra(Extra::Cutscene, true);
    Random r = g.rng;
    const i32 celebrity = (75 + r.randomInt(50)) * (1000 + 250 * 4);
    r.randomInt(50);
    const i32 cutscene = (75 + r.randomInt(50)) * 2000;
    p.buttonAnswers = {true, false, true};
    ASSERT_FALSE(s.startDevelopment(p));
    const auto d = p.only("dialog");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].a, "Celebrity Contract");
    EXPECT_EQ(d[0].b, "The Celebrity Contract will cost you : " + std::to_string(celebrity) +
                          "\r\nStill want to have a celebrity to endorse the game ?");
    EXPECT_EQ(d[1].a, "Voice");
    EXPECT_EQ(d[1].b.rfind("Hire a Proffesional actor to record voices for you game will cost you : ", 0), 0u);
    EXPECT_EQ(d[2].b, "Hire A Proffesional actor for your games cut scene will cost you : " + std::to_string(cutscene) +
                          "\r\ngo ahead ?");
    const Task& t = g.tables().tasks[s.createdTask()];
    EXPECT_TRUE(t.game.hasCelebrity);
    EXPECT_FALSE(t.game.hasVoiceActor);
    EXPECT_TRUE(t.game.hasCutsceneActor);
    EXPECT_EQ(t.game.paidToPartners, celebrity + cutscene);
    EXPECT_EQ(t.spent, celebrity + cutscene);
    EXPECT_EQ(g.world().money, 1000000 - celebrity - cutscene);
    EXPECT_GE(paidExtraCost(1980, 0), 75 * 1250);
    EXPECT_EQ(paidExtraCost(1981, 49) - paidExtraCost(1980, 49), 250 * 124);
}

TEST_F(GameProjectTest, ASequelCarriesTheFansOfItsSource) {
    GameTitle& src = g.tables().gameTitles[1980][1];
    src.title = "Space Duel";
    src.isPlayers = 1;
    src.released = 1;
    src.sequelNumber = 1;
    src.fans = 31;
    src.totalSales = 120000;
    GameTitle& other = g.tables().gameTitles[1980][2];
    other.title = "Old Hit";
    other.isPlayers = 1;
    other.released = 1;
    other.sequelNumber = 1;
    GameTitle& twin = g.tables().gameTitles[1979][1];  // another version already continued
    twin.title = "Old Hit";
    twin.sequelNumber = 1;
    twin.hasSequel = 1;
    g.tables().titlesPerYear[1980] = 2;
    g.tables().titlesPerYear[1979] = 1;

    DevelopmentScreen s = ready();
    const auto rows = s.sequelRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Space Duel");
    EXPECT_EQ(rows[0].fans, "Fair. Some very devoted");
    EXPECT_EQ(rows[0].earnings, 120000);
    EXPECT_FALSE(s.chooseSequel(1980, 2));
    s.setExtra(Extra::Celebrity, true);
    ASSERT_TRUE(s.chooseSequel(1980, 1));
    EXPECT_FALSE(s.paidExtrasShown());
    EXPECT_FALSE(s.extra(Extra::Celebrity));
    EXPECT_FALSE(s.startEnabled());
    EXPECT_EQ(s.startDisabledReason(), "Choose the genre of the sequel");
    s.chooseGenre(1);
    s.setName("Space Duel 2");
    ASSERT_FALSE(s.startDevelopment(p));
    const GameTitle& game = g.tables().tasks[s.createdTask()].game;
    EXPECT_EQ(game.sequelNumber, 2);
    EXPECT_EQ(game.fans, 10);
    EXPECT_EQ(game.hype, 10);
    EXPECT_TRUE(src.hasSequel);
    EXPECT_TRUE(s.sequelRows().empty());
}

}  // namespace
}  // namespace cw
