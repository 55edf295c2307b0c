#include "dev/game_project.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "dev/dev_tools.h"
#include "finance/company_texts.h"
#include "people/staff_management.h"
#include "quality/game_quality.h"
#include "state/money.h"
#include "state/tasks.h"

namespace cw {
namespace {

using EngineRow = Arr<EngineSlot, 1, 150>;

bool engineCell(int platform, int genre) {
    return decltype(World::ownEngines)::inRange(platform) && EngineRow::inRange(genre);
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

constexpr const char* kChooseLeaderText =
    "You need to choose a team Leader.Click The \"Find\" button found in the topleft box and select a Team Leader";

}  // namespace

bool platformOffered(const Game& g, i32 year, i32 week) {
    if (year > g.currentYear + 1) return false;
    if (year == g.currentYear + 1 && g.currentWeek > week) return false;
    return true;
}

GameEstimateValues gameEstimate(const Game& g, int genre, int toolPlatform, const std::array<i32, 3>& research,
                                int extrasScore) {
    GameEstimateValues e;
    if (genre <= 0 || !decltype(SaveImage::genres)::inRange(genre)) return e;
    // The size averages over the same parts of the genre's name as the weights.
    i32 size = 0;
    {
        const std::string_view name = g.tables().genres[genre].name.view();
        i32 parts = 0;
        std::size_t start = 0;
        while (true) {
            const std::size_t end = name.find(',', start);
            const std::string_view part = name.substr(start, end == std::string_view::npos ? end : end - start);
            ++parts;
            for (std::size_t b = 1; b < g.session.genreProfiles.size(); ++b)
                if (!g.session.genreProfiles[b].name.empty() && g.session.genreProfiles[b].name == part)
                    size += g.session.genreProfiles[b].baseSize;
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
        size /= parts;
    }
    const auto weights = genreWeights(g, genre);
    i32 wP = weights[0], wD = weights[1], wG = weights[2];
    size = (g.currentYear - 1977) * 100 * size;
    wP += wP * research[0] / 100;
    wD += wD * research[1] / 100;
    wG += wG * research[2] / 100;
    const ToolLevels tools = toolLevels(g, toolPlatform);
    if (tools.code > 1) wP -= 15 * tools.code * wP / 100;
    if (tools.design > 1) wD -= 15 * tools.design * wD / 100;
    if (tools.graphics > 1) wG -= 15 * tools.graphics * wG / 100;
    const i32 w = wP + wD + wG;
    // A genre whose name lists no base genre has no weights; it needs no work
    // rather than a division by zero.
    if (w <= 0) return e;
    const i32 total = size * w / 100;
    const i32 unit = total / w;
    const i32 aP = unit * wP, aD = unit * wD, aG = unit * wG;
    i32 extras = extrasScore;
    if (extras > 0) extras = unit * extras;
    e.total = aP + aD + aG + extras;
    e.programming = aP + extras;
    e.design = aD;
    e.graphics = aG;
    return e;
}

std::string networkCaption(i32 year) {
    if (year > 1995) return "WAN Network";
    if (year > 1987) return "LAN Network";
    return "Serial Network";
}

std::string extraCaption(Extra e, i32 year) {
    switch (e) {
        case Extra::GameEditor: return "Game Editor";
        case Extra::ModEditor: return "Mod Editor";
        case Extra::Multiplayer: return "Multiplayer";
        case Extra::Network: return networkCaption(year);
        case Extra::Mmo: return "MMO";
        case Extra::Cutscene: return "Actors";
        case Extra::Voice: return "Voice";
        case Extra::Celebrity: return "Endorse";
    }
    return {};
}

std::string musicCaption(int level) {
    static const char* const kCaptions[5] = {
        "Music Quality : NONE", "Music Quality : Low (They get 2%)", "Music Quality : Fair(They get 4%)",
        "Music Quality : High(They get 6%)", "Music Quality : Best(they get 8%)"};
    return level >= 0 && level <= 4 ? kCaptions[level] : std::string();
}

int extrasScoreOf(const std::array<bool, kExtraCount>& c) {
    auto on = [&](Extra e) { return c[static_cast<std::size_t>(e)] ? 1 : 0; };
    return 5 * on(Extra::GameEditor) + 5 * on(Extra::ModEditor) + 8 * on(Extra::Multiplayer) + 10 * on(Extra::Network) +
           15 * on(Extra::Mmo);
}

void keepSum100(std::array<i32, 3>& v, int moved, i32 value, i32 low, i32 high) {
    if (moved < 0 || moved > 2) return;
    v[static_cast<std::size_t>(moved)] = std::clamp(value, low, high);
    const int others[2] = {moved == 0 ? 1 : 0, moved == 2 ? 1 : 2};
    auto sum = [&] { return v[0] + v[1] + v[2]; };
    bool changed = true;
    while (sum() != 100 && changed) {
        changed = false;
        for (int o : others) {
            i32& x = v[static_cast<std::size_t>(o)];
            if (sum() > 100 && x > low) {
                --x;
                changed = true;
            } else if (sum() < 100 && x < high) {
                ++x;
                changed = true;
            }
        }
    }
    // The others are at their limits: the moved slider stops where they allow.
    i32& m = v[static_cast<std::size_t>(moved)];
    m = std::clamp(100 - v[static_cast<std::size_t>(others[0])] - v[static_cast<std::size_t>(others[1])], low, high);
}

i32 paidExtraCost(i32 year, i32 draw) { return (75 + draw) * (1000 + 250 * (year - 1979)); }

// ---------------------------------------------------------------------------

DevelopmentScreen::DevelopmentScreen(Game& g) : g_(g) { open(); }

void DevelopmentScreen::open() {
    genreRow_ = 0;
    genre_ = 0;
    chosenPlatform_ = 0;
    lines_.clear();
    checkOrder_.clear();
    listEnabled_ = false;
    refillNeeded_ = false;
    engineNote_.clear();
    name_.clear();
    leader_ = 0;
    freelancers_ = 0;
    extras_ = {};
    music_ = 0;
    focus_ = {34, 33, 33};
    research_ = {25, 25, 25};
    sequel_ = false;
    sequelYear_ = sequelSlot_ = 0;
    focusName_ = false;
    createdTask_ = 0;
    fillGenres();
    recompute();
}

void DevelopmentScreen::fillGenres() {
    genres_.clear();
    genres_.push_back({0, "Choose genre"});
    const auto& genres = g_.tables().genres;
    for (int i = genres.first; i <= genres.last; ++i)
        if (!genres[i].name.empty() && genres[i].yearAvailable <= g_.currentYear)
            genres_.push_back({i, genres[i].name.str()});
}

void DevelopmentScreen::fillPlatforms() {
    lines_.clear();
    checkOrder_.clear();
    chosenPlatform_ = 0;
    engineNote_.clear();
    if (genre_ <= 0) {
        listEnabled_ = false;
        return;
    }
    const auto& platforms = g_.tables().platforms;
    int withEngine = 0;
    for (int p = platforms.first; p <= platforms.last; ++p) {
        const Platform& pl = platforms[p];
        if (pl.name.empty() || !platformOffered(g_, pl.releaseYear, pl.releaseWeek)) continue;
        // Engines exist for the first 150 platforms only.
        if (!engineCell(p, genre_)) continue;
        const i32 rating = g_.world().ownEngines[p][genre_].rating;
        if (rating > 0) {
            ++withEngine;
            lines_.push_back({p, "(Engine:" + std::to_string(rating) + ")" + pl.name.str(), rating, false});
        } else {
            // Offered too, so that an engine can be bought for the game.
            lines_.push_back({p, "(No engine)" + pl.name.str(), 0, false});
        }
    }
    if (lines_.empty()) {
        lines_.push_back({0, "You have no engine for this genre", 0, false});
        listEnabled_ = false;
        engineNote_ = "You have no engine for this genre";
        return;
    }
    listEnabled_ = true;
    if (withEngine == 0) engineNote_ = "You have no engine for this genre";
    // Platforms with an engine start checked, as many as a game may have.
    for (std::size_t i = 0; i < lines_.size() && checkOrder_.size() < 3; ++i)
        if (lines_[i].rating > 0) {
            lines_[i].checked = true;
            checkOrder_.push_back(static_cast<int>(i));
        }
    chosenPlatform_ = checkOrder_.empty() ? 0 : lines_[static_cast<std::size_t>(checkOrder_.back())].platform;
}

int DevelopmentScreen::checkedCount() const {
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [](const PlatformLine& l) { return l.checked; }));
}

bool DevelopmentScreen::startEnabled() const { return genre_ > 0 && listEnabled_ && !refillNeeded_; }

std::string DevelopmentScreen::startDisabledReason() const {
    if (genre_ <= 0) return "Choose a genre first";
    if (!listEnabled_) return "You have no engine for this genre";
    if (refillNeeded_) return "Choose the genre of the sequel";
    return {};
}

std::string DevelopmentScreen::leaderText() const {
    const auto& people = g_.tables().people;
    if (leader_ <= 0 || !people.inRange(leader_)) return "No team leader";
    return people[leader_].name.str();
}

int DevelopmentScreen::freelancersMax() const {
    const auto& people = g_.tables().people;
    if (leader_ <= 0 || !people.inRange(leader_)) return 0;
    return managerCapacity(people[leader_].leadership);
}

std::string DevelopmentScreen::freelancerCostText() const {
    return "Cost " + std::to_string(freelancers_ * 500) + "$ weekly";
}

i32 DevelopmentScreen::shownTotal() const {
    const i32 divisor = freelancers_ > 0 ? 10 * freelancers_ + 30 : 30;
    return estimate_.total / divisor * std::max(1, checkedCount());
}

i32 DevelopmentScreen::shownArea(int area) const {
    const i32 divisor = freelancers_ > 0 ? 10 * freelancers_ + 30 : 30;
    const i32 v = area == 0 ? estimate_.programming : area == 1 ? estimate_.design : estimate_.graphics;
    return v / divisor * std::max(1, checkedCount());
}

std::vector<std::string> DevelopmentScreen::estimateLines() const {
    if (!estimateShown()) return {};
    return {"Approx. work (man-weeks) :" + std::to_string(shownTotal()),
            "Amount of programming : " + std::to_string(shownArea(0)),
            "Amount of Designing : " + std::to_string(shownArea(1)),
            "Amount of Graphics : " + std::to_string(shownArea(2))};
}

void DevelopmentScreen::recompute() {
    if (genre_ <= 0) {
        estimate_ = {};
        return;
    }
    estimate_ = gameEstimate(g_, genre_, chosenPlatform_, research_, extrasScoreOf(extras_));
}

void DevelopmentScreen::chooseGenre(int row) {
    if (row < 0 || row >= static_cast<int>(genres_.size())) return;
    genreRow_ = row;
    genre_ = genres_[static_cast<std::size_t>(row)].genre;
    refillNeeded_ = false;
    fillPlatforms();
    recompute();
}

bool DevelopmentScreen::checkPlatform(int line, bool checked) {
    if (!listEnabled_ || line < 0 || line >= static_cast<int>(lines_.size())) return false;
    PlatformLine& l = lines_[static_cast<std::size_t>(line)];
    if (checked && !l.checked) {
        if (checkedCount() >= 3) return false;  // "Max choose 3 platforms."
        l.checked = true;
        checkOrder_.push_back(line);
    } else if (!checked && l.checked) {
        l.checked = false;
        checkOrder_.erase(std::remove(checkOrder_.begin(), checkOrder_.end(), line), checkOrder_.end());
    }
    chosenPlatform_ = checkOrder_.empty() ? 0 : lines_[static_cast<std::size_t>(checkOrder_.back())].platform;
    recompute();
    return l.checked;
}

bool DevelopmentScreen::findLeader(Player& p) {
    const int chosen = chooseTeamLeader(g_, p, 0, true);
    if (chosen <= 0) return false;
    return !setLeader(chosen);
}

ActionResult DevelopmentScreen::setLeader(int person) {
    if (ActionResult refused = leaderRefusal(g_, person)) return refused;
    const Person& who = g_.tables().people[person];
    leader_ = person;
    freelancers_ = managerCapacity(who.leadership);
    recompute();
    return std::nullopt;
}

void DevelopmentScreen::setFreelancers(int n) {
    if (leader_ <= 0) return;
    freelancers_ = std::clamp(n, 0, freelancersMax());
    recompute();
}

void DevelopmentScreen::setExtra(Extra e, bool on) {
    const bool paid = e == Extra::Cutscene || e == Extra::Voice || e == Extra::Celebrity;
    if (paid && !paidExtrasShown()) return;
    extras_[static_cast<std::size_t>(e)] = on;
    recompute();
}

void DevelopmentScreen::cycleMusic() { music_ = (music_ + 1) % 5; }

void DevelopmentScreen::moveFocus(int which, i32 value) {
    keepSum100(focus_, which, value, 1, 100);
    recompute();
}

bool DevelopmentScreen::setFocus(const std::array<i32, 3>& v) {
    if (v[0] + v[1] + v[2] != 100 || std::any_of(v.begin(), v.end(), [](i32 x) { return x < 1 || x > 98; }))
        return false;
    focus_ = v;
    recompute();
    return true;
}

void DevelopmentScreen::moveResearch(int which, i32 value) {
    if (which < 0 || which > 2) return;
    research_[static_cast<std::size_t>(which)] = std::clamp(value, 25, 100);
    recompute();
}

std::vector<DevelopmentScreen::SequelRow> DevelopmentScreen::sequelRows() const {
    std::vector<SequelRow> rows;
    const auto& titles = g_.tables().gameTitles;
    const auto& counts = g_.tables().titlesPerYear;
    auto countOf = [&](i32 y) { return std::clamp(counts[y], 0, 3500); };
    // A title is continued when a sequel of its number and name exists; a
    // title that is no sequel never matches itself, so one pass over the
    // catalogue collects them all (the catalogue holds thousands of titles).
    std::set<std::pair<i32, std::string_view>> sequels;
    for (i32 y2 = titles.first; y2 <= titles.last; ++y2)
        for (i32 s2 = 1; s2 <= countOf(y2); ++s2)
            if (const GameTitle& o = titles[y2][s2]; o.hasSequel) sequels.emplace(o.sequelNumber, o.title.view());
    for (i32 y = 1980; y <= std::min(g_.currentYear, 2015); ++y) {
        for (i32 s = 1; s <= countOf(y); ++s) {
            const GameTitle& t = titles[y][s];
            if (!t.isPlayers || !t.released || t.hasSequel) continue;
            if (sequels.contains({t.sequelNumber, t.title.view()})) continue;
            rows.push_back({y, s, t.title.str(), fansText(t.fans), t.totalSales});
        }
    }
    return rows;
}

bool DevelopmentScreen::chooseSequel(i32 year, i32 slot) {
    for (const SequelRow& r : sequelRows()) {
        if (r.year != year || r.slot != slot) continue;
        sequel_ = true;
        sequelYear_ = year;
        sequelSlot_ = slot;
        extras_[static_cast<std::size_t>(Extra::Cutscene)] = false;
        extras_[static_cast<std::size_t>(Extra::Voice)] = false;
        extras_[static_cast<std::size_t>(Extra::Celebrity)] = false;
        refillNeeded_ = true;
        recompute();
        return true;
    }
    return false;
}

ActionResult DevelopmentScreen::startDevelopment(Player& p) {
    focusName_ = false;
    createdTask_ = 0;
    if (!startEnabled()) return Refusal{"Game Development", startDisabledReason()};
    auto refuse = [&p](Refusal r) -> ActionResult {
        p.askDialog(r.caption, r.text, false, false);
        return r;
    };
    if (leader_ <= 0) return refuse({"Choose Team Leader", kChooseLeaderText});
    // The leader may have been given other work or left while the screen
    // stayed open; he would end up on two projects.
    if (ActionResult gone = leaderRefusal(g_, leader_)) {
        leader_ = 0;
        freelancers_ = 0;
        recompute();
        return refuse(*gone);
    }
    if (trimmed(name_).empty()) {
        focusName_ = true;
        return refuse({"Missing Game name", "You need to name your new Game"});
    }
    // A full task table is found out before any engine is bought for the game.
    bool slotFree = false;
    for (const Task& t : g_.tables().tasks) slotFree = slotFree || t.name.empty() || t.closedFlag;
    if (!slotFree)
        return refuse({"No free project slot",
                       "Your company already runs 500 projects. Finish one before you start a new game."});
    // A genre whose name lists no base genre has no work to do: its game
    // would finish at once at the lowest score.
    const Triple weights = genreWeights(g_, genre_);
    if (weights[0] + weights[1] + weights[2] <= 0)
        return refuse({"Game Development", "The genre " + g_.tables().genres[genre_].name.str() +
                                               " is made of no known base genre, so a game of it has no work to "
                                               "do. Choose another genre."});

    World& w = g_.world();
    const Genre& genre = g_.tables().genres[genre_];
    std::string list;
    std::vector<int> chosen;
    for (const PlatformLine& line : lines_) {
        if (!line.checked || line.platform <= 0) continue;
        const int pi = line.platform;
        const Platform& platform = g_.tables().platforms[pi];
        EngineSlot& slot = w.ownEngines[pi][genre_];
        if (slot.name.empty()) {
            const i32 price = 400000 + g_.rng.randomInt(200000);
            const bool buy = p.askDialog("No Engine",
                                         "You have no engine for " + platform.name.str() + " platform and " +
                                             genre.name.str() + " genre" + "\r\n" +
                                             "You got an offer for an engine for " + std::to_string(price) + "$" +
                                             "\r\n" + "Do you want to buy this engine?",
                                         true, true);
            if (!buy) continue;
            if (w.money < price) {
                // The shortfall is told as the amount still missing.
                p.notify("Not enough cash",
                         "You do not have enough cash. You are missing " + std::to_string(price - w.money) + "$", 2000);
                continue;
            }
            std::string engineName = "Engine" + genre.name.str();
            if (engineName.size() >= 16) engineName = engineName.substr(0, 15) + ".";
            slot.name = engineName;
            slot.genre = static_cast<u8>(genre_);
            slot.featureLevel = 1;
            slot.platform = static_cast<u8>(pi);
            slot.codeLevel = 1;
            slot.rating = slot.experience + 7 * 2 + 7 * 2;
            slot.licenceIncome = 0;
            slot.supportCost = price;
            slot.experience = 40;
            payCash(w.money, price);
        }
        chosen.push_back(pi);
        list += std::to_string(pi) + ";";
    }
    if (chosen.empty()) {
        if (checkedCount() == 0)
            return refuse({"Choose Platform", "You need to choose at least one platform for your new Game"});
        return refuse({"No platform",
                       "No platform is left for this game: it needs an engine for each platform it is made for. "
                       "Nothing was started."});
    }

    GameEstimateValues est = gameEstimate(g_, genre_, chosenPlatform_, research_, extrasScoreOf(extras_));
    const ToolLevels tools = toolLevels(g_, chosenPlatform_);
    const i32 toolSum = tools.code + tools.design + tools.graphics;
    if (toolSum > 0) est.total -= 3 * toolSum * est.total / 100;

    const int ti = createTask(g_, "Game " + name_, kTaskGame, 0, leader_, 0, est.total);
    if (ti == 0)
        return refuse({"No free project slot",
                       "Your company already runs 500 projects. Finish one before you start a new game."});
    Task& task = g_.tables().tasks[ti];
    GameTitle& game = task.game;
    task.platformList = list;
    game.title = name_;
    game.genre = static_cast<u8>(genre_);
    game.platform = static_cast<u8>(chosen.front());
    game.isPlayers = 1;
    game.sequelNumber = 1;
    game.paidToPartners = 0;
    game.extrasScore = static_cast<u8>(extrasScoreOf(extras_));
    game.hasGameEditor = extra(Extra::GameEditor);
    game.hasModEditor = extra(Extra::ModEditor);
    game.hasMultiplayer = extra(Extra::Multiplayer);
    game.hasSerialNetwork = extra(Extra::Network);
    game.hasMmo = extra(Extra::Mmo);

    auto paidExtra = [&](Extra e, const char* caption, const std::string& before, const std::string& after,
                         bool8& flag) {
        if (!extra(e)) return;
        const i32 cost = paidExtraCost(g_.currentYear, g_.rng.randomInt(50));
        if (!p.askDialog(caption, before + std::to_string(cost) + "\r\n" + after, true, true)) return;
        flag = 1;
        addToMoney(game.paidToPartners, cost);
        addToMoney(task.spent, cost);
        payCash(w.money, cost);
    };
    paidExtra(Extra::Celebrity, "Celebrity Contract", "The Celebrity Contract will cost you : ",
              "Still want to have a celebrity to endorse the game ?", game.hasCelebrity);
    paidExtra(Extra::Voice, "Voice", "Hire a Proffesional actor to record voices for you game will cost you : ",
              "go ahead ?", game.hasVoiceActor);
    paidExtra(Extra::Cutscene, "Voice", "Hire A Proffesional actor for your games cut scene will cost you : ",
              "go ahead ?", game.hasCutsceneActor);

    const i32 factor = 100 + 60 * (static_cast<i32>(chosen.size()) - 1);
    game.workLeftProgramming = est.programming * factor / 100;
    game.workLeftDesign = est.design * factor / 100;
    game.workLeftGraphics = est.graphics * factor / 100;
    auto cut = [](i32& x, i32 level) {
        if (level > 1) x = x - (x / 100) * (15 * level);
    };
    cut(game.workLeftProgramming, tools.code);
    cut(game.workLeftDesign, tools.design);
    cut(game.workLeftGraphics, tools.graphics);

    game.released = 0;
    game.bestChartPos = 255;
    game.chartPos = 255;
    game.weeksOnSale = 0;
    game.focusGameplay = static_cast<u8>(focus_[0]);
    game.focusComplexity = static_cast<u8>(focus_[1]);
    game.focusReplayability = static_cast<u8>(focus_[2]);
    const auto demands = genreDemands(g_, genre_);
    game.qualityGameplay = 10 * demands[0];
    game.qualityComplexity = 10 * demands[1];
    game.qualityReplayability = 10 * demands[2];
    game.fans = 0;
    if (sequel_) {
        GameTitle& source = g_.tables().gameTitles[sequelYear_][sequelSlot_];
        game.sequelNumber = static_cast<u8>(source.sequelNumber + 1);
        source.hasSequel = 1;
        game.fans = source.fans / 3;
        game.hype = game.fans;
    }
    game.researchProgramming = static_cast<u8>(research_[0]);
    game.researchDesign = static_cast<u8>(research_[1]);
    game.researchGraphics = static_cast<u8>(research_[2]);
    game.expProgramming = game.expDesign = game.expGraphics = 0;
    game.shareProgramming = 34;
    game.shareDesign = 33;
    game.shareGraphics = 33;
    game.partnerShare = static_cast<u8>(music_);
    const int score = std::clamp(gameScore(g_, task, 0), 0, 255);  // the byte fields hold no more
    game.salesScore = static_cast<u8>(score);
    game.totalSales = 0;
    game.reviewScore = static_cast<u8>(score);
    game.reserved_129[0] = 0;
    task.freelancers = freelancers_;

    createdTask_ = ti;
    // The new leader may pick his own team among the idle employees.
    if (const int team = offerAutoTeam(g_, p, leader_); team > 0) autoAssignIdle(g_, team, ti);
    p.refreshMainScreen();
    p.notify("New Game", "Game Development started", 2000);
    return std::nullopt;
}

ActionResult setGameResearch(Game& g, int task, const std::array<i32, 3>& research) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.blank() || tasks[task].taskType != kTaskGame)
        return Refusal{"Employee Reseach Amount", "Task " + std::to_string(task) + " is no game in development"};
    Task& t = tasks[task];
    if (t.progress >= t.workTotal)
        return Refusal{"Employee Reseach Amount", "Game Core/Idea Finished. Changes not possible"};
    for (i32 v : research)
        if (v < 25 || v > 100) return Refusal{"Employee Reseach Amount", "Each research amount is 25..100"};
    t.game.researchProgramming = static_cast<u8>(research[0]);
    t.game.researchDesign = static_cast<u8>(research[1]);
    t.game.researchGraphics = static_cast<u8>(research[2]);
    return std::nullopt;
}

}  // namespace cw
