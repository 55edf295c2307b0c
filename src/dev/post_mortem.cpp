#include "dev/post_mortem.h"

#include <algorithm>
#include <map>
#include <utility>

#include "dev/release.h"
#include "hardware/hardware_texts.h"
#include "market/publishers.h"
#include "market/sales.h"
#include "dev/release.h"
#include "quality/game_quality.h"
#include "quality/task_calculators.h"
#include "state/shared_ops.h"
#include "state/tasks.h"
#include "state/text_format.h"

namespace cw {
namespace {

using i64 = std::int64_t;

std::string num(i64 v) { return std::to_string(v); }
// Money and counts of homes or copies read with thousands separators.
std::string amount(i64 v) { return thousands(v); }

std::string genreName(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    return genres.inRange(genre) ? genres[genre].name.str() : std::string("(none)");
}

constexpr const char* kQualityNames[3] = {"Gameplay", "Complexity", "Replayability"};

// The additions of a score in words, in the order they are made.
std::vector<WhyLine> scoreLines(const Game& g, const GameTitle& game, const ScoreSetting& setting,
                                const ScoreBreakdown& s) {
    std::vector<WhyLine> out;
    out.push_back({"extras", s.extras,
                   game.extrasScore > 0
                       ? "The technical extras (editors, multiplayer, network, online play) are worth " +
                             num(game.extrasScore) + "; a third of that counts."
                       : "No technical extras: a game editor, mod editor, multiplayer or network play would add a "
                         "third of their worth."});
    const int people = (game.hasCelebrity ? 1 : 0) + (game.hasCutsceneActor ? 1 : 0) + (game.hasVoiceActor ? 1 : 0);
    out.push_back({"production", s.production,
                   "The research sliders (" + num(game.researchProgramming) + " + " + num(game.researchDesign) +
                       " + " + num(game.researchGraphics) + ") add an eighth of their sum; a celebrity, a cutscene "
                       "actor and a voice actor add 4 each (this game has " + num(people) + ")."});
    out.push_back({"hype", s.hype,
                   game.hype > 0 ? "A hype of " + num(game.hype) +
                                       " counts a fifth; advertising and a sequel's fans raise it." +
                                       (game.hype / 5 < 7 ? " A title with no hype at all would get 7." : "")
                                 : "A new title without hype gets 7; advertising and a sequel's fans raise it."});
    out.push_back({"engine", s.engine,
                   setting.engineRating > 0
                       ? "Your engine for this platform and genre is rated " + num(setting.engineRating) + "; " +
                             (setting.otherPlatform ? "a third" : "a quarter") + " of it counts."
                       : "No engine of yours for this platform and genre: one would add a quarter of its rating."});
    const Triple demand = genreDemands(g, game.genre);
    const i32 quality[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    std::string fit;
    for (std::size_t a = 0; a < 3; ++a)
        fit += (a ? ", " : "") + std::string(kQualityNames[a]) + " " + num(quality[a]) + " (asks " +
               num(10 * demand[a]) + ")";
    out.push_back({"genre demands", s.demands,
                   genreName(g, game.genre) + ": " + fit +
                       ". Every 30 points above a demand earn up to 10, every 10 points short cost one; a quarter "
                       "of the sum counts."});
    out.push_back({"experience", s.experience,
                   "The team gathered " + num(game.expProgramming) + " programming, " + num(game.expDesign) +
                       " design and " + num(game.expGraphics) +
                       " graphics experience; weighted by the genre it counts a fifth, at most 20."});
    out.push_back({"sound", s.sound,
                   "Music choice " + num(game.partnerShare) + " of 4 and sound studio level " +
                       num(setting.soundStudioLevel) +
                       ": better music and a bigger sound studio add points."});
    out.push_back({"early years", s.earlyYears,
                   s.earlyYears > 0 ? "Games up to 1986 on the lower game levels get a head start."
                                    : "There is no head start after 1986 or on the hardest game level."});
    out.push_back({"minimum", s.floor,
                   s.floor > 0 ? "No game scores below 55; this lifts the game to it, so small gains below 55 "
                                 "do not show."
                               : "The game is above the minimum of 55."});
    return out;
}

std::vector<WhyBar> qualityBars(const Game& g, const GameTitle& game) {
    const Triple demand = genreDemands(g, game.genre);
    const i32 quality[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    std::vector<WhyBar> out;
    for (std::size_t a = 0; a < 3; ++a) {
        const i32 want = 10 * demand[a];
        std::string sentence = std::string(kQualityNames[a]) + " " + num(quality[a]) + " against the " + num(want) +
                               " the genre asks: ";
        sentence += quality[a] >= want ? num(quality[a] - want) + " above." : num(want - quality[a]) + " short.";
        out.push_back({kQualityNames[a], quality[a], want, sentence});
    }
    return out;
}

// The one or two changes that would have raised the score most, each
// scored by gameScoreIn on a changed copy of the game and its setting.
std::vector<WhyLine> bestChanges(const Game& g, const GameTitle& game, const ScoreSetting& setting, i32 score) {
    struct Candidate {
        std::string what;
        GameTitle game;
        ScoreSetting setting;
    };
    std::vector<Candidate> c;
    auto add = [&](std::string what, auto change) {
        Candidate k{std::move(what), game, setting};
        change(k.game, k.setting);
        c.push_back(std::move(k));
    };
    add("50 more hype (advertising, a sequel of a hit)", [](GameTitle& x, ScoreSetting&) { x.hype += 50; });
    for (int a = 0; a < 3; ++a)
        add(std::string(kQualityNames[a]) + " 100 points higher (more focus or a stronger team)",
            [a](GameTitle& x, ScoreSetting&) {
                i32* q[3] = {&x.qualityGameplay, &x.qualityComplexity, &x.qualityReplayability};
                *q[a] += 100;
            });
    add("all three research sliders at 100", [](GameTitle& x, ScoreSetting&) {
        x.researchProgramming = x.researchDesign = x.researchGraphics = 100;
    });
    if (!game.hasCelebrity) add("a celebrity", [](GameTitle& x, ScoreSetting&) { x.hasCelebrity = 1; });
    if (!game.hasCutsceneActor) add("a cutscene actor", [](GameTitle& x, ScoreSetting&) { x.hasCutsceneActor = 1; });
    if (!game.hasVoiceActor) add("a voice actor", [](GameTitle& x, ScoreSetting&) { x.hasVoiceActor = 1; });
    if (game.partnerShare < 4) add("the best music", [](GameTitle& x, ScoreSetting&) { x.partnerShare = 4; });
    add("a sound studio one level bigger", [](GameTitle&, ScoreSetting& s) { ++s.soundStudioLevel; });
    add("an engine rated 40 points higher for this platform and genre",
        [](GameTitle&, ScoreSetting& s) { s.engineRating = std::max(s.engineRating, 0) + 40; });
    add("50 more team experience in each area", [](GameTitle& x, ScoreSetting&) {
        x.expProgramming = static_cast<u8>(std::min(x.expProgramming + 50, 255));
        x.expDesign = static_cast<u8>(std::min(x.expDesign + 50, 255));
        x.expGraphics = static_cast<u8>(std::min(x.expGraphics + 50, 255));
    });
    add("network play among the extras", [](GameTitle& x, ScoreSetting&) {
        x.extrasScore = static_cast<u8>(std::min(x.extrasScore + 10, 255));
    });

    std::vector<WhyLine> gains;
    for (const Candidate& k : c) {
        const i32 gain = gameScoreIn(g, k.game, k.setting) - score;
        if (gain > 0) gains.push_back({k.what, gain, {}});
    }
    std::stable_sort(gains.begin(), gains.end(), [](const WhyLine& a, const WhyLine& b) { return a.value > b.value; });
    if (gains.size() > 2) gains.resize(2);
    for (WhyLine& l : gains)
        l.sentence = "With " + l.key + " the score would have been " + num(l.value) + (l.value == 1 ? " point" : " points") +
                     " higher.";
    return gains;
}

struct ScoredGame {
    GameTitle game;
    ScoreSetting setting;
};

std::map<const Game*, std::map<int, ScoredGame>>& finishedScores() {
    static std::map<const Game*, std::map<int, ScoredGame>> kept;
    return kept;
}

// The finish of product `product` as it was scored, when this program saw
// it and the entry still holds that game.
const ScoredGame* finishedScore(const Game& g, int product, const GameTitle& now) {
    const auto& kept = finishedScores();
    const auto game = kept.find(&g);
    if (game == kept.end()) return nullptr;
    const auto entry = game->second.find(product);
    if (entry == game->second.end()) return nullptr;
    const ScoredGame& s = entry->second;
    if (s.game.title.view() != now.title.view() || gameScoreIn(g, s.game, s.setting) != now.reviewScore) return nullptr;
    return &s;
}

}  // namespace

void rememberFinishedScore(const Game& g, int product, const GameTitle& game, const ScoreSetting& setting) {
    if (product > 0) finishedScores()[&g][product] = {game, setting};
}

void forgetFinishedScores(const Game& g) { finishedScores().erase(&g); }

WhyScore whyScoreOfTask(const Game& g, int task) {
    WhyScore w;
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.blank() || tasks[task].taskType != kTaskGame) {
        w.unavailable = "Task " + num(task) + " is no game in development.";
        return w;
    }
    const Task& t = tasks[task];
    w.title = t.name.str();
    // The game as the finish will score it: after the deal it signs with the
    // publisher it would get by default, when it has none yet.
    GameTitle game = t.game;
    const auto& companies = g.tables().companies;
    if (game.companyRow != 0) {
        w.publisher = "Published by " +
                      (companies.inRange(game.companyRow) ? companies[game.companyRow].name.str() : std::string("?")) +
                      ": its advertising is in the hype already.";
    } else if (PublisherOffer offer; defaultPublisherOffer(g, offer)) {
        const i32 before = game.hype;
        applyPublisherTerms(g, game, offer, true, 2);
        w.publisher = "Scored with the deal the finish signs by default: " + offer.name + ", with " +
                      offer.advertisingWord + " advertising, adds about " + num(game.hype - before) +
                      " hype (2 more or less by chance). Another publisher, or none of its advertising, changes "
                      "the hype line.";
    } else {
        w.publisher = "Nobody publishes games this year: the finish signs no deal and the hype stays as it is.";
    }
    for (int q : finishedVersionOverrides(t)) {
        GameTitle version = game;
        if (q != 0) version.platform = static_cast<u8>(q);
        const ScoreSetting setting = scoreSetting(g, version, q);
        ScoreBreakdown s;
        WhyVersion v;
        v.platform = version.platform;
        v.platformName = platformNameText(g, version.platform);
        v.total = gameScoreIn(g, version, setting, &s);
        v.lines = scoreLines(g, version, setting, s);
        if (w.versions.empty()) w.changes = bestChanges(g, version, setting, v.total);
        w.versions.push_back(std::move(v));
    }
    w.lines = w.versions.front().lines;
    w.total = w.versions.front().total;
    w.qualities = qualityBars(g, game);
    const std::array<QualityPull, 3> pull = qualityPull(g, t);
    for (std::size_t a = 0; a < 3; ++a) {
        const bool rising = pull[a].weighted > pull[a].target;
        w.team.push_back({kQualityNames[a], pull[a].weighted, pull[a].target,
                          std::string(kQualityNames[a]) + ": the team brings " + num(pull[a].weighted) +
                              " (its skills weighted by your focus) where the era asks " + num(pull[a].target) +
                              (rising ? ", so it rises." : ", so it does not rise.")});
    }
    w.note = "The score the game would get if it were finished now (era level " + num(eraLevel(g.currentYear)) +
             " in " + num(g.currentYear) + ").";
    return w;
}

WhyScore whyScoreOfProduct(const Game& g, int product) {
    WhyScore w;
    const GameTitle* found = productTitle(g, product);
    if (!found) {
        w.unavailable = "Product " + num(product) + " is no game.";
        return w;
    }
    const GameTitle& game = *found;
    w.title = game.title.str();
    w.finished = true;
    // The game as it was scored when it was finished; when that is not
    // known (a loaded game), as the finished game stands, with the sound
    // studio it was finished with and the year it came out.
    const ScoredGame* finish = finishedScore(g, product, game);
    ScoreSetting setting = scoreSetting(g, game, 0);
    setting.soundStudioLevel = game.soundStudioAtFinish;
    if (game.released && game.releaseYear > 0) setting.year = game.releaseYear;
    const GameTitle& scored = finish ? finish->game : game;
    if (finish) setting = finish->setting;
    ScoreBreakdown s;
    const i32 now = gameScoreIn(g, scored, setting, &s);
    w.lines = scoreLines(g, scored, setting, s);
    const i32 finishScore = game.reviewScore;
    w.lines.push_back(
        {"since finished", finishScore - now,
         finishScore == now
             ? "The game was finished with this score of " + num(finishScore) + "."
             : "The game was finished with " + num(finishScore) +
                   "; its hype and your engines have moved since, which the additions above show as they are now."});
    // A switch to the budget price raised the sales score once; the rest of
    // the change since the finish is the decay on sale.
    const i32 budget = game.price == kBudgetPrice ? budgetPriceBonus(game) : 0;
    w.lines.push_back({"on sale", static_cast<i64>(game.salesScore) - finishScore - budget,
                       "On sale the score loses a point in about three weeks of ten, and stronger games of the same "
                       "genre pull it down; below 51 the game stops selling."});
    if (budget > 0)
        w.lines.push_back({"budget price", budget,
                           "The switch to the budget price added a sixth of the review score (" + num(game.reviewScore) +
                               ") to the sales score."});
    w.total = game.salesScore;
    w.qualities = qualityBars(g, scored);
    w.changes = bestChanges(g, scored, setting, now);
    w.note = "Finished games keep no team; the experience line shows what the team gathered.";
    return w;
}

std::string noChangeText(const WhyScore& w) {
    for (const WhyLine& l : w.lines)
        if (l.key == "minimum" && l.value > 0)
            return "The game is " + num(l.value) + " points below the minimum of 55 that every game gets, so no "
                   "single change would have lifted it above 55; the additions show where the points are missing.";
    return "No single change would have raised the score.";
}

int regionFromKey(const std::string& key) {
    if (key == "us") return 1;
    if (key == "eu") return 2;
    if (key == "asia") return 3;
    return 0;
}

WhySales whySales(const Game& g, int product, int region) {
    WhySales w;
    w.region = std::clamp(region, 1, 3);
    static const char* const kKeys[4] = {"", "us", "eu", "asia"};
    w.regionKey = kKeys[w.region];
    w.regionName = regionText(w.region);
    const GameTitle* found = productTitle(g, product);
    if (!found) {
        w.unavailable = "Product " + num(product) + " is no game.";
        return w;
    }
    const GameTitle& t = *found;
    w.title = t.title.str();
    if (product <= 600) {
        const ProductHistory& h = g.world().productHistory[product];
        const int weeks = std::clamp<i32>(t.weeksOnSale, 0, 200);
        for (int k = 1; k <= weeks; ++k) w.history.push_back({k, h.chartPos[k], h.weekRevenue[k]});
    }
    if (!t.released) {
        w.unavailable = w.title + " is not on sale yet: the breakdown starts with its first week on sale.";
        return w;
    }
    const ProductEntry& e = g.world().products[product];
    const SalesWeekRecord& kept = lastSalesWeek(g);
    const TitleSalesRecord* r = kept.computed ? kept.find(e.refA, e.refB) : nullptr;
    // The record must be the week the title holds: a title released after
    // the last sales week, or a game loaded since, has none yet.
    bool matches = r != nullptr;
    if (r && r->sold)
        for (int k = 1; k <= 3 && matches; ++k) {
            const i32 stored = k == 1 ? t.weekSalesUS : k == 2 ? t.weekSalesEU : t.weekSalesAsia;
            const i64 kept64 = r->region[k].distributed ? r->region[k].after[RegionSalesSteps::PublisherCapacity] : 0;
            matches = kept64 == stored;
        }
    if (!matches) {
        w.unavailable = t.weeksOnSale <= 0
                            ? w.title + " has not sold a week yet: the breakdown is there after its first week on sale."
                            : "The sales breakdown of " + w.title +
                                  " is available from the next week: the steps of a week are kept while the game "
                                  "runs, not in the save.";
        return w;
    }
    w.year = kept.year;
    w.week = kept.week;
    const i32 stored = w.region == 1 ? t.weekSalesUS : w.region == 2 ? t.weekSalesEU : t.weekSalesAsia;
    if (!r->sold) {
        w.total = stored;
        w.note = "The sales score of " + num(r->salesScore) + " is 50 or lower: the game no longer sells.";
        return w;
    }
    if (r->earnsPlayer) {
        w.shares.push_back({"all regions", r->revenue, "The week's revenue of all regions."});
        w.shares.push_back({"publisher", -r->publisherShare,
                            "The publisher keeps " + num(r->publisherPercent) + " % of it."});
        w.shares.push_back({"partners", -r->partnerShare,
                            "The partners get twice " + num(r->partnerPercent) + " % of the rest."});
        w.shares.push_back({"to you", r->toPlayer, "What came to your cash."});
    }
    const RegionSalesSteps& s = r->region[w.region];
    if (!s.distributed) {
        w.total = stored;
        w.note = w.title + " is not distributed in " + w.regionName + ", so it sells nothing there.";
        return w;
    }

    using S = RegionSalesSteps;
    const std::string platform = platformNameText(g, t.platform);
    const i32 level = s.gameLevel;
    // A rule that works in whole hundreds loses the rest even where its
    // factor is 100 %; say so where that is all it does.
    auto rounding = [&](int k) {
        const i64 before = s.after[static_cast<std::size_t>(k - 1)];
        const i64 after = s.after[static_cast<std::size_t>(k)];
        const bool whole = (k == S::Piracy && s.piracyPercent == 0) ||
                           (k == S::StillInUse && s.stillInUsePercent == 100);
        return whole && after != before ? std::string(" It works in whole hundreds, which drops the rest.")
                                        : std::string();
    };
    auto step = [&](const char* key, int k, std::string sentence) {
        const i64 before = k == 0 ? 0 : s.after[static_cast<std::size_t>(k - 1)];
        w.lines.push_back({key, s.after[static_cast<std::size_t>(k)] - before, std::move(sentence)});
    };
    step("score", S::Score,
         "A sales score of " + num(s.salesScore) + " and this week's luck (" + num(60 + s.draw) +
             " of 60..69) start the week at " + num(60 + s.draw) + " x " + num(s.salesScore - 48) + " x 5.");
    step("installed base", S::InstalledBase,
         platform + " is in " + amount(s.soldUnits) + " homes; a hundredth of that is added" +
             (s.salesScore < 65 ? ", cut by the score below 65." : "."));
    step("game level", S::GameLevel,
         "On game level " + num(level) + " a game keeps " + num(100 - 10 * level) + " % of that.");
    step("piracy", S::Piracy,
         (s.piracyApplies ? "With no working copy protection " + num(s.piracyPercent) + " % of " + platform +
                                " players copy the game instead of buying it."
                          : std::string("The copy protection still holds: nobody copies the game.")) +
             rounding(S::Piracy));
    step("still in use", S::StillInUse,
         num(s.stillInUsePercent) + " % of the " + platform + " units sold are still in use." +
             rounding(S::StillInUse));
    step("price", S::Price,
         s.price < 30 ? "A price of " + num(s.price) + " (below 30) halves the sales."
                      : "A price of " + num(s.price) + " is 30 or more: no cut.");
    step("genre interest", S::GenreInterest,
         "Interest in " + genreName(g, t.genre) + " is " + num(s.genreInterest) + ": the game keeps " +
             num(s.genreInterest + 30 - 10 * level) + " %.");
    step("regional demand", S::RegionalDemand,
         "Demand in " + w.regionName + " is " + num(s.regionDemand) + ": 2 x (" + num(s.regionDemand) + " - " +
             num(10 * level) + ") = " + num(2 * (s.regionDemand - 10 * level)) + " %.");
    step("preferred platform", S::PreferredPlatform,
         s.preferred ? "Players in " + w.regionName + " favour " + platform + ": half as much again."
                     : platform + " is no favourite in " + w.regionName + ": no bonus.");
    step("low score", S::LowScore,
         s.salesScore < 70 ? "A sales score below 70 keeps only " + num(s.salesScore) + " % of the sales."
                           : "A sales score of 70 or more: no cut.");
    step("season", S::Season,
         "Week " + num(w.week) + " sells " + num(s.seasonFactor) + "/60 of a normal week; the weeks before "
         "Christmas sell best, the last weeks of the year worst.");
    step("launch weeks", S::LaunchWeeks,
         s.weeksOnSale < 5 ? "Week " + num(s.weeksOnSale) + " on sale: the first four weeks sell more (x 10/" +
                                 num(s.weeksOnSale + 4) + ")."
                           : "Week " + num(s.weeksOnSale) + " on sale: the launch bonus of the first four weeks is over.");
    if (r->earnsPlayer) {
        step("public image", S::PublicImage,
             r->gamesImage > 15 ? "Your public image of " + num(r->gamesImage) + " adds half of that in percent."
                                : "A public image of 15 or less adds nothing; good and top games raise it.");
        step("publisher capacity", S::PublisherCapacity,
             r->capacityUsedUp ? "The publisher makes only " + amount(r->weeklyOutput) +
                                     " copies a week, served to the US first, then Europe, then Asia; a bigger "
                                     "publisher would have sold more."
                               : "The publisher made enough copies (" + amount(r->weeklyOutput) + " a week).");
    } else {
        w.lines.push_back({"public image", 0, "A game released before 1980 earns you nothing and gets no boost."});
        w.lines.push_back({"publisher capacity", 0, "A game released before 1980 has no publisher limit."});
    }
    w.total = stored;
    return w;
}

}  // namespace cw
