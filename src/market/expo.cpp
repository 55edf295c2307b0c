#include "market/expo.h"

#include <algorithm>

#include "hardware/hardware_texts.h"
#include "market/sales_charts.h"
#include "state/inbox.h"
#include "state/money.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {

struct BoothKind {
    const char* word;
    const char* caption;
    i32 cost;
};

constexpr BoothKind kBooths[kBoothCount] = {
    {"none", "NO. I will just attend the show as a regular visitor.  Price $10", 10},
    {"small", "Yes. I would like to buy space for a small booth. Price $100.000", 100000},
    {"medium", "Yes. I would like to buy space for a Medium sized booth. Price $250.000", 250000},
    {"large", "Yes. I would like to buy space for a Large sized booth. Price $500.000", 500000},
    {"giant", "Yes. I would like to buy space for a Giant sized booth. Price $1.000.000", 1000000},
};

ExpoShow* g_open = nullptr;

int boothIndex(Booth b) { return std::clamp(static_cast<int>(b), 0, kBoothCount - 1); }

// The image gain of a booth; one draw for a bought booth.
i32 imageGain(Game& g, Booth b) {
    switch (b) {
        case Booth::Small: return g.rng.randomInt(3);
        case Booth::Medium: return 1 + g.rng.randomInt(5);
        case Booth::Large: return 5 + g.rng.randomInt(5);
        case Booth::Giant: return 10 + g.rng.randomInt(6);
        case Booth::None: break;
    }
    return 0;
}

i32 hypeGain(Game& g, Booth b) {
    switch (b) {
        case Booth::Small: return g.rng.randomInt(5);
        case Booth::Medium: return 5 + g.rng.randomInt(10);
        case Booth::Large: return 15 + g.rng.randomInt(10);
        case Booth::Giant: return 25 + g.rng.randomInt(10);
        case Booth::None: break;
    }
    return 0;
}

u8 raisedImage(u8 image, i32 gain) { return static_cast<u8>(std::min<i32>(image + gain, 100)); }

int lastYearCount(const Game& g) {
    const int year = g.currentYear - 1;
    const auto& t = g.tables();
    if (!t.titlesPerYear.inRange(year)) return 0;
    return std::clamp<i32>(t.titlesPerYear[year], 0, 3500);
}

bool inCategory(const GameTitle& t, int step, int filter) {
    if (filter == 0) return true;
    if (step == AwardPlatform) return t.platform == filter;
    if (step == AwardGenre) return t.genre == filter;
    return true;
}

// The player's titles name their publisher in every category (the company
// list's row would name some unrelated historic company beside them).
std::string companyText(const Game& g, const GameTitle& t) { return titleCompanyName(g, t); }

// Counts last year's titles per platform or genre and notes where the
// player released one.
struct YearCounts {
    std::array<int, 256> titles{};
    std::array<bool, 256> players{};
};

YearCounts countLastYear(const Game& g, bool byGenre) {
    YearCounts c;
    const int count = lastYearCount(g);
    for (int n = 1; n <= count; ++n) {
        const GameTitle& t = g.tables().gameTitles[g.currentYear - 1][n];
        const int k = byGenre ? t.genre : t.platform;
        ++c.titles[static_cast<std::size_t>(k)];
        if (t.isPlayers && t.released) c.players[static_cast<std::size_t>(k)] = true;
    }
    return c;
}

void queueCategories(const Game& g, ExpoShow& show) {
    show.pending.clear();
    show.pending.emplace_back(AwardBest, 0);
    for (int p : qualifyingPlatforms(g)) show.pending.emplace_back(AwardPlatform, p);
    for (int k : qualifyingGenres(g)) show.pending.emplace_back(AwardGenre, k);
    show.pending.emplace_back(AwardSales, 0);
}

}  // namespace

std::string boothCaption(Booth b) { return kBooths[boothIndex(b)].caption; }
i32 boothCost(Booth b) { return kBooths[boothIndex(b)].cost; }
const char* boothWord(Booth b) { return kBooths[boothIndex(b)].word; }

bool parseBooth(const std::string& word, Booth& b) {
    for (int i = 0; i < kBoothCount; ++i) {
        if (word == kBooths[i].word) {
            b = static_cast<Booth>(i);
            return true;
        }
    }
    return false;
}

std::array<AwardSlot, 5> awardSlots(const Game& g, int step, int filter) {
    std::array<AwardSlot, 5> s{};
    const int count = lastYearCount(g);
    int filled = 0;
    for (int n = 1; n <= count; ++n) {
        const GameTitle& t = g.tables().gameTitles[g.currentYear - 1][n];
        // The entry after the last title is the year's next free slot.
        if (t.title.empty() || !inCategory(t, step, filter)) continue;
        const i32 key = step == AwardSales ? t.totalSales : static_cast<i32>(t.reviewScore);
        if (filled < 5) {
            s[static_cast<std::size_t>(filled++)] = {n, key, 0};
            continue;
        }
        std::size_t lowest = 0;
        for (std::size_t i = 1; i < 5; ++i)
            if (s[i].key < s[lowest].key) lowest = i;
        if (key > s[lowest].key) s[lowest] = {n, key, 0};
    }
    // A slot never filled ranks below every title, so the titles take the
    // top places when fewer than five qualify.
    for (int i = 0; i < 5; ++i) {
        AwardSlot& a = s[static_cast<std::size_t>(i)];
        if (i >= filled) {
            a.position = i + 1;
            continue;
        }
        int below = 5 - filled;
        for (int j = 0; j < filled; ++j) {
            const AwardSlot& b = s[static_cast<std::size_t>(j)];
            if (j != i && (b.key < a.key || (b.key == a.key && b.title > a.title))) ++below;
        }
        a.position = 5 - below;
    }
    return s;
}

std::vector<int> qualifyingPlatforms(const Game& g) {
    std::vector<int> out;
    const YearCounts c = countLastYear(g, false);
    const auto& platforms = g.tables().platforms;
    for (int p = platforms.first; p <= platforms.last && !platforms[p].name.empty(); ++p) {
        if (p < 256 && c.titles[static_cast<std::size_t>(p)] > 5 && c.players[static_cast<std::size_t>(p)])
            out.push_back(p);
    }
    return out;
}

std::vector<int> qualifyingGenres(const Game& g) {
    std::vector<int> out;
    const YearCounts c = countLastYear(g, true);
    const auto& genres = g.tables().genres;
    for (int k = genres.first; k <= genres.last && !genres[k].name.empty(); ++k) {
        if (k < 256 && c.titles[static_cast<std::size_t>(k)] > 5 && genres[k].yearAvailable < g.currentYear &&
            c.players[static_cast<std::size_t>(k)])
            out.push_back(k);
    }
    return out;
}

std::string awardHeading(const Game& g, int step, int filter) {
    const std::string year = std::to_string(g.currentYear - 1);
    switch (step) {
        case AwardBest: return "Best game of " + year;
        case AwardPlatform: return "Best games on " + g.tables().platforms[filter].name.str();
        case AwardGenre: return "Best " + g.tables().genres[filter].name.str() + " games of the year";
        case AwardSales: return "Best selling games of " + year;
        default: return kExpoImpressionCaption;
    }
}

std::vector<std::string> ListPlayerEntries(const Game& g, int step, int filter) {
    std::vector<std::string> lines;
    const int count = lastYearCount(g);
    for (int n = 1; n <= count; ++n) {
        const GameTitle& t = g.tables().gameTitles[g.currentYear - 1][n];
        if (t.isPlayers && t.released && inCategory(t, step, filter))
            lines.push_back(t.title.str() + " (" + platformNameText(g, t.platform) + ")");
    }
    return lines;
}

AwardCategory AwardTop5(Game& g, ExpoShow& show, int step, int filter) {
    AwardCategory c;
    c.step = step;
    c.filter = filter;
    c.heading = awardHeading(g, step, filter);
    c.playerEntries = ListPlayerEntries(g, step, filter);
    for (const AwardSlot& s : awardSlots(g, step, filter)) {
        if (s.title == 0) continue;
        GameTitle& t = g.tables().gameTitles[g.currentYear - 1][s.title];
        AwardPlace& place = c.places[static_cast<std::size_t>(s.position - 1)];
        place.title = s.title;
        place.line = std::to_string(s.position) + ". " + t.title.str() + " - " + companyText(g, t) + " (" +
                     platformNameText(g, t.platform) + ")";
        place.name = t.title.str();
        place.company = companyText(g, t);
        place.platform = platformNameText(g, t.platform);
        place.players = t.isPlayers;
        if (step == AwardBest && s.position == 1) show.bestGame = t.title.str() + " - " + companyText(g, t);
        if (!t.isPlayers || step > AwardGenre) continue;
        if (t.salesScore < 120) t.salesScore = static_cast<u8>(t.salesScore + 5);
        if (s.position == 1 && t.salesScore < 120) t.salesScore = static_cast<u8>(t.salesScore + 10);
        show.impression += "\r\n" + t.title.str() +
                           (step == AwardGenre ? " got a top 5 spot in one of the award shows, this could increase sales."
                                               : " got a top 5 spot in one of the award shows. This could increase the sales");
        show.wins.push_back({t.title.str(), c.heading, s.position});
    }
    return c;
}

void EnterExpo(Game& g, ExpoShow& show, Booth booth) {
    World& w = g.world();
    show.impression.clear();
    show.booth = booth;
    show.entered = true;
    payCash(w.money, boothCost(booth));
    const i32 games = imageGain(g, booth);
    const i32 platforms = imageGain(g, booth);
    w.gamesImage = raisedImage(w.gamesImage, games);
    w.platformsImage = raisedImage(w.platformsImage, platforms);
    if (booth != Booth::None) {
        // A finished or cancelled project leaves a gap in the table; the
        // projects after it were paid for just the same.
        auto& tasks = g.tables().tasks;
        for (int i = tasks.first; i <= tasks.last; ++i) {
            Task& t = tasks[i];
            if (t.name.empty() || t.closedFlag || t.taskSubtype != kWorkNew) continue;
            if (t.taskType == kTaskGame) {
                t.game.hype += hypeGain(g, booth);
                show.impression += t.name.str() + " got some positiv publicity\r\n";
            } else if (t.taskType == kTaskPlatform) {
                // The task's own hype is what the console takes to market.
                t.hype += hypeGain(g, booth);
                show.impression += t.platform.name.str() + " got some positiv publicity\r\n";
            }
        }
    }
    queueCategories(g, show);
    NextCategory(g, show);
}

void SkipExpo(ExpoShow& show) {
    show.skipped = true;
    show.pending.clear();
}

bool NextCategory(Game& g, ExpoShow& show) {
    if (show.pending.empty()) return false;
    const auto [step, filter] = show.pending.front();
    show.pending.erase(show.pending.begin());
    show.shown.push_back(AwardTop5(g, show, step, filter));
    return true;
}

void finishExpo(Game& g, ExpoShow& show) {
    while (NextCategory(g, show)) {
    }
}

ExpoShow* openExpo() { return g_open; }

namespace {

// What the player reads afterwards: the news of the year's best game, a
// history line per place of the player's and a letter listing them.
void reportExpo(Game& g, Player& p, const ExpoShow& show) {
    if (!show.bestGame.empty())
        postNews(g, NewsSoftware, "Award show", "Best game of " + std::to_string(show.year) + " : " + show.bestGame);
    if (show.wins.empty()) return;
    std::string body = "Dear " + g.world().playerName.str() + "\r\nYour games got these places at this years award show :";
    for (const AwardWin& win : show.wins) {
        const std::string place = "Place " + std::to_string(win.position) + " : " + win.title + ", " + win.heading;
        body += "\r\n" + place;
        addCompanyHistory(g, g.currentWeek, place);
    }
    postLetter(g, p, "Award show", body);
}

}  // namespace

void ShowExpo(Game& g, Player& p) {
    ExpoShow show;
    show.year = g.currentYear - 1;
    ExpoShow* previous = g_open;
    g_open = &show;
    p.playCue(SoundCue::AwardShow);
    p.showModal(ScreenId::Expo);
    g_open = previous;
    if (!show.entered) return;
    finishExpo(g, show);
    reportExpo(g, p, show);
    p.refreshMainScreen();
}

}  // namespace cw
