#include "hardware/cpu_market.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "hardware/hardware_texts.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

constexpr int kCpuSlots = decltype(SaveImage::cpus)::last;
constexpr int kPlatformSlots = decltype(SaveImage::platforms)::last;
constexpr int kTaskSlots = decltype(SaveImage::tasks)::last;

// The number of catalogue titles of this year and the next two on each
// platform, in one pass over the catalogue rather than one per platform.
std::vector<i32> upcomingTitlesByPlatform(const Game& g) {
    std::vector<i32> counts(kPlatformSlots + 1, 0);
    for (i32 y = g.currentYear; y <= g.currentYear + 2; ++y) {
        if (!decltype(SaveImage::gameTitles)::inRange(y)) continue;
        for (const GameTitle& t : g.tables().gameTitles[y])
            if (t.platform >= 1) ++counts[t.platform];
    }
    return counts;
}

i32 rankingScore(const Game& g, int p, const std::vector<i32>& upcoming) {
    const auto& pfs = g.tables().platforms;
    const Platform& pf = pfs[p];
    i32 score = 1;
    for (int r = 1; r <= kPlatformSlots; ++r) {
        if (r == p || !platformRanked(pfs[r])) continue;
        // In 64 bits: two ratings far apart must not wrap their difference.
        const std::int64_t ahead = std::int64_t{pf.cpuSpec} - pfs[r].cpuSpec;
        if (ahead > 100) score += static_cast<i32>(ahead / 100);
    }
    score += upcoming[static_cast<std::size_t>(p)];
    i32 priceClass = pf.price / 100 + 1;
    // A negative price of -199..-100 would make the class 0; such a price is
    // never set on purpose, so it ranks as the cheapest class.
    if (priceClass == 0) priceClass = 1;
    return score / priceClass;
}

// a + b, held at the ends of the 32-bit range instead of wrapping.
i32 addCapped(i32 a, i32 b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<i32>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

// Appends a piece to a text that holds at most `capacity` characters.
void appendCut(std::string& text, std::string_view piece, std::size_t capacity) {
    text += piece;
    if (text.size() > capacity) text.resize(capacity);
}

void askAboutResearch(Game& g, Player& p, const Cpu& cpu) {
    auto& tasks = g.tables().tasks;
    for (int j = 1; j <= kTaskSlots; ++j) {
        Task& task = tasks[j];
        if (task.name.empty() || task.taskType != 1 || task.taskSubtype != 0) continue;
        if (task.platform.cpuSpec <= 800 || std::int64_t{task.workTotal} - task.progress <= 1000) continue;
        if (p.askDialog("New Cpu released", cpuResearchQuestion(cpu.name.str(), task.platform.name.str()), true, true))
            task.workTotal = addCapped(task.workTotal, (task.workTotal / 100) * 3);
        else
            task.platform.cpuSpec = addCapped(task.platform.cpuSpec, -(g.rng.randomInt(5) + 5));
    }
}

// A new best processor of its type makes every slower one of that type cheaper.
void newBestCutsPrices(Game& g, const Cpu& cpu) {
    World& w = g.world();
    const struct {
        int type;
        i32* best;
    } kinds[] = {{1, &w.bestCpuSpeed}, {2, &w.bestGpuSpeed}, {4, &w.bestSpuSpeed}};
    auto& cpus = g.tables().cpus;
    for (const auto& k : kinds) {
        if (cpu.cpuType != k.type || cpu.speed <= *k.best) continue;
        *k.best = cpu.speed;
        for (int j = 1; j <= kCpuSlots; ++j) {
            Cpu& other = cpus[j];
            if (other.cpuType == k.type && other.speed < *k.best) other.price -= other.price / (g.rng.randomInt(5) + 5);
        }
    }
}

void priceDrift(Game& g, Cpu& cpu) {
    if (g.rng.randomInt(10) > 4) cpu.price -= cpu.price / 50;
    if (g.rng.randomInt(10) > 4 && cpu.speed < g.world().bestCpuSpeed) cpu.price -= cpu.price / 25;
    if (cpu.price < 10) cpu.price = 10 - g.rng.randomInt(3);
}

}  // namespace

bool platformRanked(const Platform& pf) { return pf.released && !pf.name.empty() && !pf.discontinued; }

i32 platformRankingScore(const Game& g, int p) {
    if (!decltype(SaveImage::platforms)::inRange(p) || !platformRanked(g.tables().platforms[p])) return 0;
    return rankingScore(g, p, upcomingTitlesByPlatform(g));
}

void platformMarketRanking(Game& g) {
    auto& pfs = g.tables().platforms;
    const std::vector<i32> upcoming = upcomingTitlesByPlatform(g);
    std::vector<i32> score(kPlatformSlots + 1, 0);
    std::vector<bool> ranked(kPlatformSlots + 1, false);
    // All scores are taken before any rank is given, so a rank never depends
    // on a value changed in the same pass.
    for (int p = 1; p <= kPlatformSlots; ++p) {
        Platform& pf = pfs[p];
        pf.previousMarketRank = static_cast<u8>(pf.marketRank & 0xFF);
        pf.marketRank = 0;
        if (!platformRanked(pf)) continue;
        ranked[static_cast<std::size_t>(p)] = true;
        score[static_cast<std::size_t>(p)] = rankingScore(g, p, upcoming);
    }
    for (int p = 1; p <= kPlatformSlots; ++p) {
        if (!ranked[static_cast<std::size_t>(p)]) continue;
        i32 rank = 1;
        for (int r = 1; r <= kPlatformSlots; ++r) {
            if (r == p || !ranked[static_cast<std::size_t>(r)]) continue;
            const i32 sr = score[static_cast<std::size_t>(r)];
            const i32 sp = score[static_cast<std::size_t>(p)];
            if (sr > sp || (sr == sp && r < p)) ++rank;
        }
        pfs[p].marketRank = rank;
    }
}

void cpuWeeklyHistory(Game& g) {
    if (!decltype(Cpu::priceHistory)::inRange(g.currentWeek)) return;
    for (Cpu& cpu : g.tables().cpus) cpu.priceHistory[g.currentWeek] = cpu.price;
}

std::string cpuResearchQuestion(const std::string& cpuName, const std::string& platformName) {
    // The question is put together in short texts of fixed capacity, so
    // each piece is cut where its text would end.
    std::string q = "New Cpu was released this week.\r\nThe CPU ";
    appendCut(q, cpuName, 66);
    appendCut(q, " was just released.", 85);
    appendCut(q, "\r\n", 87);
    appendCut(q, "Do you want your team working on ", 120);
    appendCut(q, platformName, 145);
    appendCut(q, " to research the cpu. ?", 168);
    appendCut(q, "\r\n", 170);
    appendCut(q, "Pros : Prevent your platform from being out of date before release.", 237);
    appendCut(q, "\r\n", 239);
    q += "Cons : Development of your console will be lengthen";
    return q;
}

void cpuNews(Game& g, Player& p) {
    std::string news;
    auto& cpus = g.tables().cpus;
    for (int i = 1; i <= kCpuSlots; ++i) {
        Cpu& cpu = cpus[i];
        if (cpu.name.empty()) continue;
        if (!cpu.announced) {
            // Weeks since the release, in 64 bits: the year comes from the
            // save and is only checked to be a year, not a recent one.
            if ((std::int64_t{g.currentYear} - cpu.releaseYear) * 52 + g.currentWeek - cpu.releaseWeek < 0) continue;
            cpu.announced = 1;
            news += cpuReleaseText(g, cpu.speed) + "\r\n" + "\r\n";
            newBestCutsPrices(g, cpu);
            if (cpu.cpuType == 1) askAboutResearch(g, p, cpu);
        } else if (g.currentWeek % 10 == 0) {
            priceDrift(g, cpu);
        }
    }
    if (news.empty()) return;
    postNews(g, NewsHardware, "Hardware News, CPU", news);
    for (Platform& pf : g.tables().platforms)
        if (!pf.name.empty()) pf.cpuSpec = addCapped(pf.cpuSpec, -(g.rng.randomInt(5) + 5));
}

}  // namespace cw
