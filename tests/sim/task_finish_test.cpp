// Finished tasks: a game from its first week to the catalogue and the
// product list, study, engines, buildings, cost reduction and the console
// that waits for its status dialog, with their notices and letters.
#include "sim/task_finish.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "market/reviews.h"
#include "quality/game_quality.h"
#include "quality/task_calculators.h"
#include "sim/task_progress.h"
#include "sim/task_world.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

using test::TaskWorld;

std::vector<std::string> historyOf(const Game& g, int year) {
    std::vector<std::string> lines;
    for (const auto& line : g.world().companyHistory[year])
        if (!line.empty()) lines.push_back(line.str());
    return lines;
}

int productsOfKind(const Game& g, int kind) {
    const auto& products = g.world().products;
    return static_cast<int>(std::count_if(products.begin(), products.end(), [&](const ProductEntry& e) {
        return !productFree(e) && e.kind == kind;
    }));
}

TEST(FinishGame, FromTheFirstWeekToTwoCatalogueVersions) {
    TaskWorld w;
    w.world().ownEngines[1][1].rating = 80;
    w.world().soundStudioLevel = 1;
    w.world().gameTestCenterLevel = 1;  // no code bugs on game level 1
    const int ann = w.hire(1, "Ann", 4, 3, 3, 4000);
    const int t = w.gameTask("Space Duel", ann, 300, 90);
    w.assign(t, 1, w.hire(2, "Bob", 3, 3, 3, 2000));
    w.task(t).platformList = "1;2;";
    w.task(t).game.extrasScore = 240;  // keeps both versions above the floor
    w.g.rng.seed = 5;

    int weeks = 0;
    i32 spentAtEnd = 0;
    while (!w.task(t).name.empty() && weeks < 100) {
        w.g.currentWeek = weeks % 52 + 1;
        staffWeek(w.g, w.p);
        spentAtEnd = w.task(t).spent;
        advanceTasks(w.g, w.p);
        ++weeks;
    }
    ASSERT_TRUE(w.task(t).name.empty()) << "the game never finished";
    // The wages, every week, and the distribution the closed dialog chose:
    // all three regions at level 1.
    EXPECT_EQ(w.world().money, 1000000 - weeks * (1000 + 500) - 120000);

    const auto notices = w.p.only("notify");
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back().a, "Game project finished");
    EXPECT_EQ(notices.back().b, "Game Project Space Duel finished this week.");
    EXPECT_EQ(notices.back().number, 2000);
    const auto letters = w.p.only("letter");
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_EQ(letters[0].a, "Game finished");
    EXPECT_EQ(letters[0].b, "Project Space Duel finished this week.\r\nGame is ready for release.\r\nKind Regards Ann");
    EXPECT_EQ(historyOf(w.g, 1985).back(),
              "Week " + std::to_string(w.g.currentWeek) + ": Game Space Duel finished.");

    // One version per platform, each carrying half of what the game cost.
    const auto& held = w.g.tables().gameTitles[1978];
    EXPECT_EQ(held[1].title, "Space Duel");
    EXPECT_EQ(held[1].platform, 1);
    EXPECT_EQ(held[2].platform, 2);
    EXPECT_EQ(w.g.tables().titlesPerYear[1978], 2);
    EXPECT_EQ(held[1].paidToPartners, spentAtEnd / 2);
    EXPECT_EQ(held[2].paidToPartners, spentAtEnd / 2);
    // The team's wages count once in what the game cost, as they were paid.
    EXPECT_EQ(spentAtEnd, weeks * (1000 + 500));

    // Each version's review reads the same after a save and load (a game
    // with nothing but the saved tables), and reading it draws nothing.
    ASSERT_EQ(w.p.reviews.size(), 2u);
    Game loaded;
    *loaded.image = w.g.tables();
    fillGenreProfiles(loaded.session);  // as every start and load does
    loaded.rng.seed = 77;
    for (int k = 1; k <= 2; ++k) {
        Review again;
        ASSERT_TRUE(productReview(loaded, k, again));
        EXPECT_EQ(reviewLines(again), reviewLines(w.p.reviews[static_cast<std::size_t>(k - 1)])) << k;
    }
    EXPECT_EQ(loaded.rng.seed, 77u);
    EXPECT_EQ(held[1].soundStudioAtFinish, 1);
    // The first version counts ZX Home's engine (80 / 3), the second has none.
    EXPECT_EQ(held[1].salesScore - held[2].salesScore, 26);
    EXPECT_EQ(held[1].reviewScore, held[1].salesScore);
    Task check{};
    check.game = held[2];
    EXPECT_EQ(held[2].salesScore, gameScore(w.g, check, 2));

    EXPECT_EQ(productsOfKind(w.g, ProductGame), 2);
    EXPECT_EQ(w.world().products[1].refA, 1978);
    EXPECT_EQ(w.world().products[1].refB, 1);
    EXPECT_EQ(w.world().products[2].refB, 2);
    EXPECT_FALSE(w.world().products[2].released);
    // The team is free for the next project.
    EXPECT_EQ(w.person(ann).currentTask, -1);
    EXPECT_EQ(w.person(2).currentTask, -1);
    EXPECT_TRUE(w.g.session.stopRequested);
}

TEST(FinishGame, TheTeamLearnsGenreAndPlatformByDraw) {
    TaskWorld w;
    w.world().ownEngines[1][1].experience = 40;
    const int t = w.gameTask("Space Duel", w.hire(1, "Ann", 4, 3, 3), 300, 0);
    w.task(t).progress = 300;
    w.assign(t, 1, w.hire(2, "Bob", 3, 3, 3));
    w.assign(t, 2, w.hire(3, "Cy", 2, 2, 9));  // too little design and programming to learn
    w.g.rng.seed = 31;
    Random replica = w.g.rng;
    replica.randomInt(50);  // the bug chance
    const bool genre = replica.randomInt(10) > 3;
    const bool platform = replica.randomInt(10) > 3;
    replica.randomInt(10), replica.randomInt(10);  // Cy
    // The review: its sentence, the verdicts, the bars and the byline.
    for (int i = 0; i < 13; ++i) replica.randomInt(1);
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, replica.seed);
    EXPECT_EQ(w.p.only("review").size(), 1u);
    EXPECT_EQ(w.person(2).genreExperience, genre ? 1 : 0);
    EXPECT_EQ(w.person(2).platformExperience, platform ? 1 : 0);
    EXPECT_EQ(w.person(3).genreExperience, 0);
    EXPECT_EQ(w.person(3).platformExperience, 0);
}

TEST(FinishGame, OnePlatformAndAFullCatalogueYear) {
    TaskWorld w;
    const int t = w.gameTask("Solo", 0, 10, 0);
    w.task(t).progress = 10;
    w.task(t).spent = 9001;
    finishGame(w.g, w.p, t);
    EXPECT_EQ(w.g.tables().gameTitles[1978][1].paidToPartners, 9001);
    EXPECT_EQ(productsOfKind(w.g, ProductGame), 1);

    auto& image = w.g.tables();
    image.titlesPerYear[1978] = 3500;
    image.gameTitles[1978][3500].title = "Taken";
    const int u = w.gameTask("No room", 0, 10, 0);
    EXPECT_EQ(catalogueVersion(w.g, u, 1978, 1), 0);
    finishGame(w.g, w.p, u);
    EXPECT_TRUE(w.task(u).name.empty());
    EXPECT_EQ(productsOfKind(w.g, ProductGame), 1);
}

TEST(FinishGame, PlatformListKeepsOnlyNumbers) {
    Task t{};
    t.platformList = "1;x;;3;";
    EXPECT_EQ(chosenPlatforms(t), (std::vector<int>{1, 3}));
}

TEST(FinishStudy, RaisesTheSkillAndFreesTheStudent) {
    TaskWorld w;
    Person& ann = w.person(w.hire(1, "Ann", 4, 3, 3));
    ann.talentLeadership = 60;  // 30 a week
    ann.leadership = 40;
    const int t = createTask(w.g, "Leadership", kTaskStudy, kStudyLeadership, 1, 0, 50);
    w.task(t).progress = 19;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.task(t).progress, 49);
    EXPECT_EQ(ann.leadership, 40);
    Random replica = w.g.rng;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(ann.leadership, 40 + 7 + replica.randomInt(3));
    EXPECT_TRUE(w.task(t).name.empty());
    EXPECT_EQ(ann.currentTask, -1);
    EXPECT_EQ(w.p.only("notify").at(0).b, "Study Project : Leadership finished this week.");
    EXPECT_EQ(w.p.only("notify").at(0).a, "Study project finished");
    EXPECT_TRUE(w.g.session.stopRequested);

    const int s = createTask(w.g, "Coding", kTaskStudy, kStudyProgramming, 1, 0, 5);
    advanceTasks(w.g, w.p);  // at least 5 a week
    EXPECT_TRUE(w.task(s).name.empty());
    EXPECT_EQ(ann.programming, 5);
}

struct EngineWorld : TaskWorld {
    int t = 0;
    EngineWorld(int subtype, const std::string& name) {
        t = createTask(g, name, kTaskEngine, subtype, hire(1, "Ann", 6, 1, 1), 0, 100);
        EngineSlot& e = task(t).engine;
        e.name = "Blaze";
        e.platform = 2;
        e.genre = 3;
    }
    EngineSlot& own() { return world().ownEngines[2][3]; }
};

TEST(FinishEngine, NewEngineReplacesTheOldProduct) {
    EngineWorld w(kWorkNew, "Engine Blaze");
    EngineSlot& e = w.task(w.t).engine;
    e.codeLevel = 3;
    e.featureLevel = 2;
    e.rating = 80;
    e.experience = 40;
    w.own().rating = 50;
    w.own().licenceIncome = 1000;
    w.world().products[1] = {2, 3, 0, ProductEngine, 0, 1, {}};

    // Freelancers work while it is not done.
    w.task(w.t).freelancers = 2;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.task(w.t).progress, 20);
    EXPECT_EQ(w.task(w.t).engine.supportCost, 1000);
    EXPECT_EQ(w.world().money, 1000000 - 1000);

    w.task(w.t).progress = 100;
    advanceTasks(w.g, w.p);
    EXPECT_TRUE(w.task(w.t).name.empty());
    EXPECT_EQ(w.p.only("notify").at(0).a, "Engine project finished");
    EXPECT_EQ(w.p.only("notify").at(0).b, "Engine Project Engine Blaze finished this week.");
    EXPECT_EQ(w.p.only("letter").at(0).a, "Engine finished");
    EXPECT_EQ(w.p.only("letter").at(0).b,
              "Project Engine Blaze finished this week.\r\nWe can now start selling the Engine.\r\nKind Regards Ann");
    EXPECT_EQ(historyOf(w.g, 1985).back(), "Week 3: Engine Engine Blaze finished. Score :80");
    EXPECT_EQ(w.own().name, "Blaze");
    EXPECT_EQ(w.own().licenceIncome, 0);  // a new engine starts afresh
    EXPECT_EQ(w.own().rating, 40 + 21 + 14);
    EXPECT_EQ(productsOfKind(w.g, ProductEngine), 1);
    EXPECT_EQ(w.world().products[1].refA, 2);
    EXPECT_TRUE(w.world().products[1].released);
}

TEST(FinishEngine, UpgradeKeepsIncomeAndTheBetterLevels) {
    EngineWorld w(kWorkUpgrade, "Engine Upgrade");
    w.own() = {};
    w.own().licenceIncome = 5000;
    w.own().supportCost = 700;
    w.own().experience = 40;
    w.own().codeLevel = 4;
    w.own().featureLevel = 3;
    EngineSlot& e = w.task(w.t).engine;
    e.codeLevel = 5;
    e.featureLevel = 2;
    e.experience = 30;
    e.supportCost = 900;
    w.task(w.t).progress = 100;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.p.only("letter").at(0).b, "Upgrade Project Engine Upgrade finished this week.\r\nKind Regards Ann");
    EXPECT_EQ(w.own().licenceIncome, 5000);
    EXPECT_EQ(w.own().supportCost, 700);
    EXPECT_EQ(w.own().experience, 40);
    EXPECT_EQ(w.own().codeLevel, 5);
    EXPECT_EQ(w.own().featureLevel, 3);
    EXPECT_EQ(w.own().rating, 40 + 35 + 21);
    EXPECT_EQ(productsOfKind(w.g, ProductEngine), 0);
}

TEST(FinishEngine, SupportDealPaysTheAgreedPriceSilently) {
    EngineWorld w(kWorkEngineSupport, "Support Engine Zap");
    w.task(w.t).engine.licenceIncome = 20000;
    w.task(w.t).engine.supportCost = 3000;
    w.own().licenceIncome = 100;
    w.task(w.t).progress = 100;
    advanceTasks(w.g, w.p);
    EXPECT_TRUE(w.task(w.t).name.empty());
    EXPECT_EQ(w.own().licenceIncome, 20100);
    EXPECT_EQ(w.own().supportCost, 3000);
    EXPECT_EQ(w.world().money, 1020000);
    EXPECT_EQ(w.world().yearlyIncome[1985], 20000);
    EXPECT_TRUE(w.p.calls.empty());
}

TEST(FinishBuilding, ChargesThePriceAndRaisesTheLevel) {
    TaskWorld w;
    w.world().headquartersLevel = 1;
    const int t = createTask(w.g, "Headquarters", kTaskHeadquarters, kWorkConstruction, 0, 0, 5000);
    w.task(t).spent = 400000;
    w.task(t).progress = 4920;
    Random replica = w.g.rng;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, (replica.randomInt(33), replica.seed));
    EXPECT_TRUE(w.task(t).name.empty());
    EXPECT_EQ(w.p.only("notify").at(0).b, "Building Project Headquarters finished this week.");
    EXPECT_EQ(w.p.only("letter").at(0).a, "Building finished");
    EXPECT_EQ(w.p.only("letter").at(0).b,
              "Building Project Headquarters finished this week.\r\nYour account was credited, 400000$");
    EXPECT_EQ(w.world().money, 600000);
    EXPECT_EQ(w.world().yearlyBuildingCost[1985], 400000);
    EXPECT_EQ(w.world().headquartersLevel, 2);
    EXPECT_EQ(historyOf(w.g, 1985).back(), "Week 3: Building Project Headquarters was finished. Level 2 acquired");
}

struct CostWorld : TaskWorld {
    int t = 0;
    CostWorld() {
        Platform& pf = g.tables().platforms[5];
        pf.costReduction = 20;
        pf.productionCost = 180;
        world().products[7] = {5, 0, 0, ProductPlatform, 0, 1, {}};
        Person& ann = person(hire(1, "Ann", 0, 0, 0));
        ann.hardware = 60;
        t = createTask(g, "Cut cost", kTaskPlatform, kWorkCostReduction, 1, 7, 2);
    }
    Platform& platform() { return g.tables().platforms[5]; }
};

TEST(FinishCostReduction, FoundSavingsLowerTheUnitCost) {
    CostWorld w;
    w.g.rng.seed = test::seedWhere([](Random& r) { return r.randomInt(52) < 6; });
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.task(w.t).improvementPoints, 6);
    EXPECT_EQ(w.task(w.t).workTotal, 1);
    advanceTasks(w.g, w.p);  // the last week draws nothing
    EXPECT_TRUE(w.task(w.t).name.empty());
    EXPECT_EQ(w.platform().costReduction, 26);
    EXPECT_EQ(w.p.only("letter").at(0).a, "Product : Cut cost");
    EXPECT_EQ(w.p.only("letter").at(0).b,
              "Cost Reduction project for Cut cost is done\r\nTotal reduction in hardware cost was 6$.\r\n\r\nKind "
              "regards Ann");
}

TEST(FinishCostReduction, NothingFoundAndTheCap) {
    CostWorld w;
    w.platform().costReduction = 150;  // nothing more to find: no draws
    const u32 seed = w.g.rng.seed;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, seed);
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.p.only("letter").at(0).b,
              "Cost Reduction project for Cut cost is done\r\nUnfortunately we did not find a way to reduce "
              "cost.\r\nProduction cost per unit stand at : 180$.\r\n\r\nKind regards Ann");

    CostWorld v;
    v.platform().costReduction = 138;
    v.task(v.t).workTotal = 1;
    v.task(v.t).improvementPoints = 6;
    advanceTasks(v.g, v.p);
    EXPECT_EQ(v.platform().costReduction, 140);
}

TEST(FinishPlatform, WaitsForItsStatusDialogWithAPublisherReminder) {
    TaskWorld w;
    const int t = createTask(w.g, "New platform", kTaskPlatform, kWorkNew, 0, 0, 100);
    w.task(t).progress = 100;
    advanceTasks(w.g, w.p);
    advanceTasks(w.g, w.p);
    const auto dialogs = w.p.only("dialog");
    ASSERT_EQ(dialogs.size(), 2u);  // every week until the dialog acts
    EXPECT_EQ(dialogs[0].a, "Publisher");
    EXPECT_EQ(dialogs[0].b,
              "You still have space for more main Game publishers on your platform\r\nBy establishing releations "
              "with publishers you can sell even more if they make good games for the platform");
    EXPECT_FALSE(w.task(t).name.empty());

    for (int d = 1; d <= 3; ++d) w.task(t).platform.deals[d].dealCompany = d;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.p.only("dialog").size(), 2u);
    // The status dialog opens every week, but not while an improvement runs;
    // the reminder's weeks open the publisher screen before it.
    const auto screens = w.p.only("screen");
    ASSERT_EQ(screens.size(), 5u);
    EXPECT_EQ(screens[0].a, "Tform_platformPublisher");
    EXPECT_EQ(screens[1].a, "TForm_project_finished");
    EXPECT_EQ(screens[4].a, "TForm_project_finished");
    w.task(t).improving = 1;
    w.task(t).improveWeeksLeft = 3;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.p.only("screen").size(), 5u);
    w.task(t).improveWeeksLeft = 0;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.p.only("screen").size(), 6u);
}

}  // namespace
}  // namespace cw
