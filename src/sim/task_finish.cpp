#include "sim/task_finish.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "dev/post_mortem.h"
#include "dev/product_finish.h"
#include "market/publishers.h"
#include "market/reviews.h"
#include "quality/game_quality.h"
#include "quality/task_calculators.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/shared_ops.h"
#include "state/money.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kHoldingYear = 1978;  // finished games wait here until released

std::string leaderName(const Game& g, const Task& t) {
    const Person* p = personOf(g, t.leader);
    return p ? p->name.str() : std::string();
}

void addYearly(Arr<i32, 1980, 2015>& table, int year, i32 amount) {
    if (table.inRange(year)) addToMoney(table[year], amount);
}

void storeVersion(Game& g, Player& p, Task& t, int ti, int platformOverride, int count) {
    const int score = scoreFinishedGame(g, t, platformOverride);
    // What the score was made of, for the post-mortem: the deal signed
    // next changes the hype the record keeps.
    const GameTitle scored = t.game;
    const ScoreSetting setting = scoreSetting(g, t.game, platformOverride);
    const GameTitle& game = t.game;
    GenerateReview(g, p,
                   {game.title.str(), game.platform, game.genre, false, game.researchDesign, game.researchGraphics,
                    game.qualityReplayability, game.qualityComplexity, game.qualityGameplay, score});
    const int slot = catalogueVersion(g, ti, kHoldingYear, count);
    if (slot == 0) {
        writeLog("WARNING: no free catalogue slot for the finished game " + game.title.str());
        return;
    }
    rememberFinishedScore(g, addProduct(g, 0, kHoldingYear, slot, ProductGame, false), scored, setting);
}

}  // namespace

int catalogueVersion(Game& g, int ti, int year, int count) {
    auto& image = g.tables();
    if (!image.gameTitles.inRange(year) || !image.tasks.inRange(ti)) return 0;
    Task& t = image.tasks[ti];
    auto& titles = image.gameTitles[year];
    for (int slot = std::max(image.titlesPerYear[year], 1); slot <= titles.last; ++slot) {
        if (!titles[slot].title.blank()) continue;
        image.titlesPerYear[year] = slot;
        t.game.paidToPartners = t.spent / std::max(count, 1);
        titles[slot] = t.game;
        return slot;
    }
    return 0;
}

int scoreFinishedGame(Game& g, Task& t, int platformOverride) {
    t.game.soundStudioAtFinish = static_cast<u8>(g.world().soundStudioLevel);
    // The byte fields cannot hold more; no real game comes near.
    const int score = std::min(gameScore(g, t, platformOverride), 255);
    t.game.salesScore = static_cast<u8>(score);
    t.game.reviewScore = static_cast<u8>(score);
    return score;
}

void finishGame(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    if (g.session.eventStops.newGameFinished) g.session.stopRequested = true;
    scoreFinishedGame(g, t, 0);
    const std::string name = t.name.str();
    p.notify("Game project finished", "Game Project " + name + " finished this week.", 2000);
    p.playCue(SoundCue::GameFinished);
    postLetter(g, p, "Game finished",
               "Project " + name + " finished this week." + kCrLf + "Game is ready for release." + kCrLf +
                   "Kind Regards " + leaderName(g, t));

    for (i32 member : t.staff) {
        Person* person = personOf(g, member);
        if (!person) continue;
        if (g.rng.randomInt(10) > 3 && person->design > 2) person->genreExperience = t.game.genre;
        if (g.rng.randomInt(10) > 3 && person->programming > 2) person->platformExperience = t.game.platform;
    }

    // A publisher list closed without a deal must not hold the week: the
    // game goes to the first publisher, with advertising.
    if (t.game.companyRow == 0 && ShowPublisherOffers(g, p, ti) > 0 && t.game.companyRow == 0)
        signDefaultPublisher(g, p, ti);
    while (!t.game.inUS && !t.game.inEU && !t.game.inAsia)
        if (!distributionDialog(g, p, ti)) break;

    addCompanyHistory(g, g.currentWeek, "Game " + name + " finished.");

    const std::vector<int> versions = finishedVersionOverrides(t);
    const int n = static_cast<int>(versions.size());
    for (int q : versions) {
        if (q != 0) t.game.platform = static_cast<u8>(q);
        storeVersion(g, p, t, ti, q, n);
    }
    clearTask(g, ti);
}

void finishStudy(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    p.notify("Study project finished", "Study Project : " + t.name.str() + " finished this week.", 2000);
    if (Person* s = personOf(g, t.leader)) {
        switch (t.taskSubtype) {
            case kStudyLeadership: s->leadership = static_cast<u8>(s->leadership + 7 + g.rng.randomInt(3)); break;
            case kStudyProgramming: s->programming = static_cast<u8>(s->programming + 1); break;
            case kStudyDesign: s->design = static_cast<u8>(s->design + 1); break;
            case kStudyGraphics: s->graphics = static_cast<u8>(s->graphics + 1); break;
            case kStudyHardware: s->hardware = static_cast<u8>(s->hardware + 7 + g.rng.randomInt(3)); break;
            default: break;
        }
    }
    clearTask(g, ti);
    if (g.session.eventStops.employeeChanges) g.session.stopRequested = true;
}

void finishEngine(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    World& w = g.world();
    if (g.session.eventStops.engineFinished) g.session.stopRequested = true;
    const int platform = t.engine.platform;
    const int genre = t.engine.genre;
    if (!w.ownEngines.inRange(platform) || !Arr<EngineSlot, 1, 150>::inRange(genre)) {
        // An engine for no platform or genre has nowhere to go.
        writeLog("WARNING: engine task " + t.name.str() + " names no platform and genre");
        clearTask(g, ti);
        return;
    }
    EngineSlot& s = w.ownEngines[platform][genre];

    if (t.taskSubtype == kWorkEngineSupport) {
        const i32 price = t.engine.licenceIncome;
        addToMoney(s.licenceIncome, price);
        receiveCash(w.money, price);
        addYearly(w.yearlyIncome, g.currentYear, price);
        addToMoney(s.supportCost, t.engine.supportCost);
        clearTask(g, ti);
        return;
    }

    const std::string name = t.name.str();
    p.notify("Engine project finished", "Engine Project " + name + " finished this week.", 2000);
    if (t.taskSubtype == kWorkUpgrade)
        postLetter(g, p, "Engine finished",
                   "Upgrade Project " + name + " finished this week." + kCrLf + "Kind Regards " + leaderName(g, t));
    else
        postLetter(g, p, "Engine finished",
                   "Project " + name + " finished this week." + kCrLf + "We can now start selling the Engine." +
                       kCrLf + "Kind Regards " + leaderName(g, t));
    addCompanyHistory(g, g.currentWeek, "Engine " + name + " finished." + " Score :" + std::to_string(t.engine.rating));

    const EngineSlot old = s;
    s = t.engine;
    if (t.taskSubtype == kWorkUpgrade) {
        s.licenceIncome = old.licenceIncome;
        s.supportCost = old.supportCost;
        s.experience = std::max(old.experience, s.experience);
        s.codeLevel = std::max(old.codeLevel, s.codeLevel);
        s.featureLevel = std::max(old.featureLevel, s.featureLevel);
        s.rating = engineRating(g, platform, genre);
        clearTask(g, ti);
        return;
    }
    if (s.rating > 0) {
        for (ProductEntry& e : w.products)
            if (e.kind == ProductEngine && e.refA == platform && e.refB == genre) std::memset(&e, 0, sizeof e);
    }
    clearTask(g, ti);
    addProduct(g, 0, platform, genre, ProductEngine, true);
    s.rating = engineRating(g, platform, genre);
}

void finishBuilding(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    World& w = g.world();
    const std::string name = t.name.str();
    p.notify("Building project finished", "Building Project " + name + " finished this week.", 2000);
    postLetter(g, p, "Building finished",
               "Building Project " + name + " finished this week." + kCrLf + "Your account was credited, " +
                   std::to_string(t.spent) + "$");
    payCash(w.money, t.spent);
    addYearly(w.yearlyBuildingCost, g.currentYear, t.spent);
    u8* level = nullptr;
    switch (t.taskType) {
        case kTaskWarehouse: level = &w.warehouseLevel; break;
        case kTaskPublishingDept: level = &w.publisherLevel; break;
        case kTaskExtraOffice: level = &w.extraOffices; break;
        case kTaskHeadquarters: level = &w.headquartersLevel; break;
        case kTaskFactory: level = &w.factoryLevel; break;
        default: break;
    }
    if (level) {
        *level = static_cast<u8>(*level + 1);
        addCompanyHistory(g, g.currentWeek,
                          "Building Project " + name + " was finished." + " Level " + std::to_string(*level) +
                              " acquired");
    }
    clearTask(g, ti);
}

void finishCostReduction(Game& g, Player& p, int ti, int platform) {
    Task& t = g.tables().tasks[ti];
    const std::string name = t.name.str();
    const std::string subject = "Product : " + name;
    const std::string regards = std::string(kCrLf) + kCrLf + "Kind regards " + leaderName(g, t);
    Platform* P = platform > 0 ? &g.tables().platforms[platform] : nullptr;
    if (t.improvementPoints > 0) {
        if (P) P->costReduction = std::min(P->costReduction + t.improvementPoints, 140);
        postLetter(g, p, subject,
                   "Cost Reduction project for " + name + " is done" + kCrLf + "Total reduction in hardware cost was " +
                       std::to_string(t.improvementPoints) + "$." + regards);
    } else {
        postLetter(g, p, subject,
                   "Cost Reduction project for " + name + " is done" + kCrLf +
                       "Unfortunately we did not find a way to reduce cost." + kCrLf +
                       "Production cost per unit stand at : " + std::to_string(P ? P->productionCost : 0) + "$." +
                       regards);
    }
    clearTask(g, ti);
}

}  // namespace cw
