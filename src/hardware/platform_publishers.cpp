#include "hardware/platform_publishers.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <unordered_set>

#include "state/catalogue_slots.h"
#include "state/tasks.h"

namespace cw {
namespace {

using Years = decltype(SaveImage::titlesPerYear);

// The oldest catalogue year a company's back catalogue reaches.
constexpr int kFirstCatalogueYear = 1978;

// The task whose screen is open; the screen is modal, so one at a time.
int g_openTask = 0;

int titleCount(const SaveImage& t, int year) { return std::clamp<i32>(t.titlesPerYear[year], 0, 3500); }

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The names of the titles a console already has, in the years a port could
// still meet one.
std::unordered_set<std::string> namesOn(const Game& g, int platform) {
    const SaveImage& t = g.tables();
    std::unordered_set<std::string> names;
    const int last = std::min(g.currentYear + 2, Years::last);
    for (int y = kFirstCatalogueYear; y <= last; ++y) {
        const int n = titleCount(t, y);
        for (int i = 1; i <= n; ++i)
            if (t.gameTitles[y][i].platform == platform && !t.gameTitles[y][i].title.blank())
                names.insert(lowerCase(t.gameTitles[y][i].title.view()));
    }
    return names;
}

struct PortWeek {
    int year = 0;
    int week = 0;
};

// A port is announced three to twenty-eight weeks ahead.
PortWeek portWeek(Game& g) {
    PortWeek when{g.currentYear, g.currentWeek + 3 + g.rng.randomInt(26)};
    if (when.week >= 53) {
        when.year += 1;
        when.week -= 52;
    }
    return when;
}

}  // namespace

bool isNewPlatformTask(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    const Task& t = tasks[task];
    return !t.name.empty() && !t.closedFlag && t.taskType == kTaskPlatform && t.taskSubtype == 0;
}

int dealCount(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return 0;
    int n = 0;
    for (const DealSlot& d : tasks[task].platform.deals)
        if (d.dealCompany != 0) ++n;
    return n;
}

bool hasDeal(const Game& g, int company, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    for (const DealSlot& d : tasks[task].platform.deals)
        if (d.dealCompany == company) return true;
    return false;
}

bool signDeal(Game& g, int company, int task, int games) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    for (DealSlot& d : tasks[task].platform.deals) {
        if (d.dealCompany != 0) continue;
        d.dealCompany = company;
        d.dealGamesLeft = games;
        return true;
    }
    return false;
}

int freeCatalogueSlot(const Game& g, int year) {
    const SaveImage& t = g.tables();
    if (!Years::inRange(year)) return 0;
    // From the year's count on first, then any gap left before it.
    if (const int slot = cw::freeCatalogueSlot(t, year, t.titlesPerYear[year])) return slot;
    return cw::freeCatalogueSlot(t, year, 1);
}

void weeklyPlatformDeals(Game& g, Player&, int platform) {
    SaveImage& t = g.tables();
    if (!decltype(SaveImage::platforms)::inRange(platform)) return;
    // A title names its platform in one byte: a console beyond it gets no port.
    if (platform > 255) return;
    std::unordered_set<std::string> onConsole;
    bool namesRead = false;
    for (DealSlot& deal : t.platforms[platform].deals) {
        const int c = deal.dealCompany;
        if (c <= 0 || deal.dealGamesLeft < 1 || !t.companies.inRange(c)) continue;
        const i32 row = t.companies[c].listRow;
        bool catalogueFull = false;
        for (int y = g.currentYear; y >= std::max(g.currentYear - 5, kFirstCatalogueYear); --y) {
            if (!Years::inRange(y)) continue;
            const int n = titleCount(t, y);
            for (int i = 1; i <= n && deal.dealCompany != 0 && !catalogueFull; ++i) {
                const GameTitle& source = t.gameTitles[y][i];
                if (source.title.blank() || source.companyRow != row || source.platform == platform ||
                    source.reviewScore < 65)
                    continue;
                if (!namesRead) {
                    onConsole = namesOn(g, platform);
                    namesRead = true;
                }
                const std::string key = lowerCase(source.title.view());
                if (onConsole.count(key)) continue;

                const PortWeek when = portWeek(g);
                const int slot = freeCatalogueSlot(g, when.year);
                if (slot == 0) {
                    // No room in that year: the company tries again next week.
                    catalogueFull = true;
                    break;
                }
                GameTitle port{};
                port.title = source.title;
                port.genre = source.genre;
                port.companyRow = source.companyRow;
                port.platform = static_cast<u8>(platform);
                port.releaseYear = when.year;
                port.releaseWeek = static_cast<u8>(when.week);
                port.inUS = port.inEU = port.inAsia = 1;
                port.reviewScore = static_cast<u8>(source.reviewScore - g.rng.randomInt(10));
                port.salesScore = port.reviewScore;
                // Like every other catalogue title it has not charted yet; a
                // best position of 0 could never be bettered.
                port.bestChartPos = port.chartPos = 255;
                t.gameTitles[when.year][slot] = port;
                // The year's count keeps naming a free slot after the new title.
                if (slot >= t.titlesPerYear[when.year]) t.titlesPerYear[when.year] = slot + 1;
                onConsole.insert(key);

                deal.dealGamesLeft -= 1;
                if (deal.dealGamesLeft <= 0) deal.dealCompany = 0;
            }
            if (deal.dealCompany == 0 || catalogueFull) break;
        }
    }
}

void openPlatformPublishers(Game& g, Player& p, int task) {
    if (!isNewPlatformTask(g, task)) return;
    const int before = g_openTask;
    g_openTask = task;
    p.showModal(ScreenId::PlatformPublishers);
    g_openTask = before;
    p.refreshMainScreen();
}

int openPlatformPublisherTask() { return g_openTask; }

std::vector<PlatformDealLine> platformDealLines(const Game& g, int platform) {
    std::vector<PlatformDealLine> out;
    const SaveImage& t = g.tables();
    if (!decltype(SaveImage::platforms)::inRange(platform)) return out;
    for (const DealSlot& d : t.platforms[platform].deals) {
        if (d.dealCompany <= 0 || !t.companies.inRange(d.dealCompany)) continue;
        const Company& c = t.companies[d.dealCompany];
        PlatformDealLine line{d.dealCompany, c.name.str(), d.dealGamesLeft, 0};
        for (int y = Years::first; y <= Years::last; ++y) {
            const int n = titleCount(t, y);
            for (int i = 1; i <= n; ++i) {
                const GameTitle& x = t.gameTitles[y][i];
                if (x.platform == platform && x.companyRow == c.listRow && !x.title.blank()) ++line.ported;
            }
        }
        out.push_back(line);
    }
    return out;
}

}  // namespace cw
