#include "engines/engine_project.h"

#include <algorithm>

#include "dev/dev_tools.h"
#include "dev/game_project.h"
#include "engines/engine_texts.h"
#include "people/staff_management.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr i32 kFreelancerWeekly = 500;

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

// The rating the task progress gives a finished engine, for a record that
// is not in the table yet.
i32 ratingOf(const EngineSlot& e) {
    return e.experience + 7 * std::min<int>(e.codeLevel, 10) + 7 * std::min<int>(e.featureLevel, 5);
}

const Refusal kNoSlot{"No free project slot", "Your company already runs 500 projects. Finish one first."};

}  // namespace

std::vector<std::pair<int, int>> ownEngineCells(const Game& g) {
    std::vector<std::pair<int, int>> cells;
    const World& w = g.world();
    for (int p = 1; p <= 150; ++p)
        for (int genre = 1; genre <= 150; ++genre) {
            const EngineSlot& e = w.ownEngines[p][genre];
            if (!e.name.empty() || e.rating != 0) cells.emplace_back(p, genre);
        }
    return cells;
}

std::string competitorEngineText(const Game& g, int platform, int genre) {
    if (!engineCellInRange(platform, genre)) return "None";
    const EngineSlot& m = g.world().marketEngines[platform][genre];
    if (m.rating <= 0) return "None";
    return m.name.str() + " - Rating : " + std::to_string(m.rating) + "/150";
}

namespace {
// Long names are cut so that the grid's columns stay narrow.
std::string viewCell(const EngineSlot& e, bool present) {
    if (!present) return "No engine";
    std::string name = e.name.str();
    if (name.size() > 15) name = name.substr(0, 12) + "...";
    return std::to_string(e.rating) + "/150 - " + name;
}
}  // namespace

std::vector<EngineViewRow> viewEngineRows(const Game& g, int platform) {
    std::vector<EngineViewRow> rows;
    if (!engineCellInRange(platform, 1)) return rows;
    const auto& genres = g.tables().genres;
    for (int i = genres.first; i <= genres.last && i <= 150; ++i) {
        if (genres[i].name.empty()) continue;
        const EngineSlot& m = g.world().marketEngines[platform][i];
        const EngineSlot& o = g.world().ownEngines[platform][i];
        rows.push_back({i, genres[i].name.str(), viewCell(m, m.rating > 0), viewCell(o, o.codeLevel > 0)});
    }
    return rows;
}

NewEngineScreen::NewEngineScreen(Game& g) : g_(g) { open(); }

void NewEngineScreen::open() {
    platforms_.clear();
    genres_.clear();
    const auto& platforms = g_.tables().platforms;
    // Engines exist for the first 150 platforms and genres only.
    for (int p = 1; p <= 150 && p <= platforms.last; ++p) {
        const Platform& pl = platforms[p];
        if (pl.name.empty() || !platformOffered(g_, pl.releaseYear, pl.releaseWeek)) continue;
        platforms_.push_back({p, pl.name.str() + ";" + std::to_string(p), pl.name.str()});
    }
    const auto& genres = g_.tables().genres;
    for (int i = genres.first; i <= genres.last && i <= 150; ++i)
        if (!genres[i].name.empty() && genres[i].yearAvailable <= g_.currentYear)
            genres_.push_back({i, genres[i].name.str() + ";" + std::to_string(i), genres[i].name.str()});
    platform_ = genre_ = 0;
    functions_ = offeredEngineFunctions(g_.currentYear);
    ticks_ = initialEngineTicks(functions_);
    options_ = {};
    leader_ = freelancers_ = 0;
    name_.clear();
    focusName_ = false;
    createdTask_ = 0;
}

bool NewEngineScreen::ticked(int list, int item) const {
    if (list < 0 || list > 2) return false;
    const auto& t = ticks_[static_cast<std::size_t>(list)];
    return item >= 0 && item < static_cast<int>(t.size()) && t[static_cast<std::size_t>(item)];
}

bool NewEngineScreen::optionAvailable(EngineOption o) const {
    if (leader_ <= 0) return false;
    const i32 programming = g_.tables().people[leader_].programming;
    if (o == EngineOption::Optimizing || o == EngineOption::Programming) return programming > 5;
    return programming > 3;
}

int NewEngineScreen::freelancersMax() const {
    return leader_ > 0 ? managerCapacity(g_.tables().people[leader_].leadership) : 0;
}

std::string NewEngineScreen::costText() const {
    return "Cost " + std::to_string(freelancers_ * kFreelancerWeekly) + "$ weekly";
}

i32 NewEngineScreen::work() const {
    i32 lines = 0;
    for (std::size_t l = 0; l < 3; ++l)
        for (std::size_t i = 0; i < functions_[l].size(); ++i)
            if (ticks_[l][i]) lines += functions_[l][i].size;
    return engineWork(lines, options_);
}

int NewEngineScreen::featureLevel() const {
    std::array<int, 3> counts{};
    for (std::size_t l = 0; l < 3; ++l)
        counts[l] = static_cast<int>(std::count(ticks_[l].begin(), ticks_[l].end(), true));
    return engineFeatureLevel(counts, options_);
}

EngineEstimate NewEngineScreen::estimate() const { return engineEstimate(g_, work(), freelancers_, platform_); }

std::vector<std::string> NewEngineScreen::engineLines() const {
    const bool cell = engineCellInRange(platform_, genre_);
    const EngineSlot none{};
    const EngineSlot& e = cell ? g_.world().ownEngines[platform_][genre_] : none;
    return {
        "Current Engine code level : " + codeLevelWord(e.codeLevel) + " - " + codeLevelRemark(e.codeLevel),
        "Current genre level : " + (genre_ > 0 ? genreLevelWord(e.featureLevel) : std::string("None")),
        "Engine Score : " + std::to_string(engineScore(g_, platform_, genre_)) + "/150",
        "Leading competitors : " + leadingCompetitor(),
    };
}

std::string NewEngineScreen::leadingCompetitor() const { return competitorEngineText(g_, platform_, genre_); }

bool NewEngineScreen::choosePlatform(int platform) {
    if (std::none_of(platforms_.begin(), platforms_.end(), [&](const Item& i) { return i.index == platform; }))
        return false;
    platform_ = platform;
    return true;
}

bool NewEngineScreen::chooseGenre(int genre) {
    if (std::none_of(genres_.begin(), genres_.end(), [&](const Item& i) { return i.index == genre; })) return false;
    genre_ = genre;
    return true;
}

bool NewEngineScreen::findLeader(Player& p) {
    const int chosen = chooseTeamLeader(g_, p, 0, true);
    if (chosen <= 0) return false;
    return !setLeader(chosen);
}

ActionResult NewEngineScreen::setLeader(int person) {
    if (ActionResult refused = leaderRefusal(g_, person)) return refused;
    leader_ = person;
    freelancers_ = freelancersMax();
    for (int o = 0; o < kEngineOptionCount; ++o)
        if (!optionAvailable(static_cast<EngineOption>(o))) options_[static_cast<std::size_t>(o)] = false;
    return std::nullopt;
}

void NewEngineScreen::setFreelancers(int n) {
    if (leader_ <= 0) return;
    freelancers_ = std::clamp(n, 0, freelancersMax());
}

void NewEngineScreen::tick(int list, int item, bool on) {
    if (list < 0 || list > 2) return;
    auto& t = ticks_[static_cast<std::size_t>(list)];
    if (item < 0 || item >= static_cast<int>(t.size())) return;
    t[static_cast<std::size_t>(item)] = on;
}

void NewEngineScreen::setOption(EngineOption o, bool on) {
    options_[static_cast<std::size_t>(o)] = on && optionAvailable(o);
}

ActionResult NewEngineScreen::startDevelopment(Player& p) {
    focusName_ = false;
    createdTask_ = 0;
    auto refuse = [&p](Refusal r) -> ActionResult {
        p.messageBox(r.caption, r.text, false);
        return r;
    };
    if (leader_ <= 0)
        return refuse({"Choose Team Leader",
                       "You need to choose a team Leader.Click The \"Find\" button found in the topleft box and "
                       "select a Team Leader"});
    // The manager may have taken other work while the page stayed open.
    if (ActionResult gone = leaderRefusal(g_, leader_)) {
        leader_ = freelancers_ = 0;
        return refuse(*gone);
    }
    if (platform_ <= 0 || genre_ <= 0 || !engineCellInRange(platform_, genre_))
        return refuse({"Choose Platform and genre",
                       "You need to choose the platform and genre for which you want to develop this new engine."});
    const EngineSlot existing = g_.world().ownEngines[platform_][genre_];
    if (existing.codeLevel > 0) {
        const Refusal exists{"Engine already exist",
                             "Engine/genre combination already exists in your company. Replace your Early design "
                             "with this new design when its finsihed.\r\nThe engine will inheirite the genre level "
                             "of the previouse engine when finished"};
        if (!p.messageBox(exists.caption, exists.text, true)) {
            focusName_ = true;
            return exists;
        }
    }
    if (trimmed(name_).empty()) {
        focusName_ = true;
        return refuse({"Missing engine name", "You need to name your new engine"});
    }

    const Person& manager = g_.tables().people[leader_];
    const int score = engineScore(g_, platform_, genre_);
    EngineSlot e{};
    e.name = name_;
    e.platform = static_cast<u8>(platform_);
    e.genre = static_cast<u8>(genre_);
    e.experience = 40;
    e.licenceIncome = 0;
    i32 work = 0;
    if (manager.programming > existing.codeLevel) {
        work = this->work();
        const i32 t = toolLevels(g_, platform_).code;
        if (t > 0) work = work - t * 10 * work / 100;
        // The table of level words ends at 10; a bigger design is a level 10 engine.
        e.codeLevel = static_cast<u8>(std::min(10, existing.codeLevel + featureLevel()));
        e.featureLevel = static_cast<u8>(std::min(5, genreBonus(g_, genre_) + existing.featureLevel + 1));
        e.rating = score;
    } else {
        const Refusal weak{"Team Leader progamming abilities ",
                           "The currently selected team leaders programming abilities is not high enough to "
                           "develope the next level of engine code level. If you do not choose/hire an other "
                           "leader with higher programming abilities the Core Engine Code level will stay at the "
                           "current level.\r\nNote : The leader can increase his programmig abilities by "
                           "stydying.\r\n\r\nStart development with the select Team leader anyway ?"};
        if (!p.messageBox(weak.caption, weak.text, true)) return weak;
        work = (score * 10 - manager.programming * 10) * 10;
        e.codeLevel = existing.codeLevel;
        e.featureLevel = existing.featureLevel;
        e.rating = score;
    }
    const int ti = createTask(g_, "Engine " + name_, kTaskEngine, kWorkNew, leader_, 0, work);
    if (ti == 0) return refuse(kNoSlot);
    Task& task = g_.tables().tasks[ti];
    task.engine = e;
    task.freelancers = freelancers_;
    createdTask_ = ti;
    p.refreshMainScreen();
    p.notify("New Engine", "Engine Development started", 2000);
    return std::nullopt;
}

bool engineUpgradeAtBest(const EngineSlot& e, EngineUpgrade kind) {
    switch (kind) {
        case EngineUpgrade::Code: return e.codeLevel > 9;
        case EngineUpgrade::Genre: return e.featureLevel > 4;
        case EngineUpgrade::Update: return e.experience > 39;
    }
    return true;
}

i32 engineUpgradeWork(const EngineSlot& e, EngineUpgrade kind) {
    switch (kind) {
        case EngineUpgrade::Code: return e.codeLevel * 1000;
        case EngineUpgrade::Genre: return e.featureLevel * 1000;
        case EngineUpgrade::Update: return std::max<i32>(300, 6000 - 150 * e.experience);
    }
    return 0;
}

ActionResult upgradeEngine(Game& g, Player& p, int platform, int genre, EngineUpgrade kind, int* createdTask) {
    if (createdTask) *createdTask = 0;
    auto refuse = [&p](Refusal r) -> ActionResult {
        p.messageBox(r.caption, r.text, false);
        return r;
    };
    if (!engineCellInRange(platform, genre) || g.world().ownEngines[platform][genre].codeLevel == 0)
        return refuse({"No engine", "You have no engine for this platform and genre"});
    const EngineSlot& e = g.world().ownEngines[platform][genre];
    const bool atBest = engineUpgradeAtBest(e, kind);
    if (kind == EngineUpgrade::Code && atBest)
        return refuse({"Upgrade no possible",
                       "You cannot upgrade the core engine as it already at the highest level possible"});
    if (kind == EngineUpgrade::Genre && atBest)
        return refuse({"Upgrade no possible",
                       "You cannot upgrade the genre integration for this engine as it already at the highest "
                       "integration level possible"});
    if (kind == EngineUpgrade::Update && atBest)
        return refuse({"Update not nesssary", "The engine is already updated to the maximum at its current level"});

    const Refusal cancelled{"Assign a team leader",
                            "Assign your best employee for the teamleader job or hire a new employee for this task"};
    if (!p.askDialog(cancelled.caption, cancelled.text, false, true)) return cancelled;
    const int leader = chooseTeamLeader(g, p, 0, true);
    if (leader <= 0)
        return refuse({"No team leader assigned",
                       "You did not assign a team leader. Thereby the task cannot be started"});
    if (ActionResult busy = leaderRefusal(g, leader)) return refuse(*busy);
    const Person& m = g.tables().people[leader];

    EngineSlot copy = e;
    const char* taskName = "";
    const char* noticeTitle = "";
    const char* noticeText = "";
    const i32 work = engineUpgradeWork(e, kind);
    int ms = 3000;
    switch (kind) {
        case EngineUpgrade::Code:
            if (m.programming + (m.platformExperience == platform ? 1 : 0) < e.codeLevel + 1)
                return refuse({"Team leader problem",
                               "The team leader you choosen does not have high enough programming abilities to "
                               "upgrade the engine.\r\nHave the leader study or find an other team leader to "
                               "leader this task"});
            taskName = "Engine Upgrade";
            copy.codeLevel = static_cast<u8>(e.codeLevel + 1);
            noticeTitle = "Engine Upgrade ";
            noticeText = "Engine Upgrade task started";
            break;
        case EngineUpgrade::Genre:
            if (m.design + (m.genreExperience == genre ? 1 : 0) < e.featureLevel + 1)
                return refuse({"Team leader problem",
                               "The team leader you choosen does not have high enough design abilities to upgrade "
                               "the engine.\r\nHave the leader study or find an other team leader to leader this "
                               "task"});
            taskName = "Engine Genre Upgrade";
            copy.featureLevel = static_cast<u8>(e.featureLevel + 1);
            noticeTitle = "Genre Upgrade ";
            noticeText = "Engine Genre Upgrade task started";
            break;
        case EngineUpgrade::Update:
            taskName = "Engine Update";
            copy.experience = 40;
            noticeTitle = "Engine Update ";
            noticeText = "Engine Update task started";
            break;
    }
    copy.rating = ratingOf(copy);
    const int ti = createTask(g, taskName, kTaskEngine, kWorkUpgrade, leader, 0, work);
    if (ti == 0) return refuse(kNoSlot);
    g.tables().tasks[ti].engine = copy;
    if (createdTask) *createdTask = ti;
    if (const int team = offerAutoTeam(g, p, leader); team > 0) autoAssignIdle(g, team, ti);
    p.refreshMainScreen();
    p.notify(noticeTitle, noticeText, ms);
    return std::nullopt;
}

}  // namespace cw
