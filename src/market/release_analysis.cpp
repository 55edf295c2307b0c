#include "market/release_analysis.h"

#include <algorithm>

#include "hardware/hardware_texts.h"
#include "market/sales.h"
#include "state/money.h"
#include "state/table_file.h"

namespace cw {
namespace {

// The same five bands name the rival count and the recommendation.
int band(i32 t) {
    if (t <= 6) return 0;
    if (t <= 15) return 1;
    if (t <= 25) return 2;
    if (t <= 50) return 3;
    return 4;
}

const char* const kCompetitorWords[5] = {"No problem at all\r\n", "Properly no problem\r\n", "Could be an issue\r\n",
                                         "Issue of concern\r\n", "Grounds for great concern\r\n"};
const char* const kRecommendations[5] = {"Perfect Timing\r\n", "Good Timing\r\n", "Fair Timing\r\n", "Bad Timing\r\n",
                                         "Do not release!\r\n"};

i32 seasonOf(int week) { return SeasonFactor[salesPeriod(std::clamp(week, 1, 52))]; }

// Counts the window of 21 weeks from firstWeek of firstYear; the weeks past
// 52 belong to the next year.
void countWindow(const Game& g, AnalysisBox& box, int platform, int genre) {
    const auto& t = g.tables();
    const int last = box.firstWeek + 20;
    for (int part = 0; part < 2; ++part) {
        const int year = box.firstYear + part;
        const int from = part == 0 ? box.firstWeek : 1;
        const int to = part == 0 ? std::min(last, 52) : last - 52;
        if (to < from || !t.titlesPerYear.inRange(year)) continue;
        const int count = std::clamp<i32>(t.titlesPerYear[year], 0, 3500);
        for (int n = 1; n <= count; ++n) {
            const GameTitle& x = t.gameTitles[year][n];
            if (x.platform != platform || x.releaseWeek < from || x.releaseWeek > to) continue;
            if (x.salesScore > 75) box.threat += 1;
            if (x.genre != genre) continue;
            if (x.salesScore > 70) box.threat += 2;
            if (x.salesScore > 100) {
                box.highRated += 1;
                box.threat += 2;
            }
        }
    }
}

void describe(AnalysisBox& box) {
    box.competitors = kCompetitorWords[band(box.threat)];
    box.recommendation = kRecommendations[band(box.corrected)];
    box.parts = {{"Consumer Demand :", box.demand + "\r\n" + "\r\n"},
                 {"Number of Competitor games :\r\n", box.competitors},
                 {"High rated games releasing :", std::to_string(box.highRated) + "\r\n" + "\r\n"},
                 {"Recommendation :", box.recommendation}};
}

}  // namespace

std::string AnalysisBox::text() const {
    std::string out;
    for (const auto& [heading, value] : parts) out += heading + value;
    return out;
}

std::string demandWord(i32 v) {
    if (v < 0 || v > 100) return {};
    if (v <= 40) return "LOW(1)";
    if (v <= 50) return "Mediocre(2)";
    if (v <= 60) return "OK(3)";
    if (v <= 75) return "Good(4)";
    return "HIGH(5)";
}

std::string genreOutlookWord(const Genre& genre) {
    i32 v = 0;
    if (genre.trend <= -3) v = 35;
    else if (genre.trend <= -1) v = 15;
    else if (genre.trend <= 1) v = 9;
    v += genre.upcomingHits / 4;
    v = std::clamp(v, 0, 100);
    if (v <= 10) return "Low Sales";
    if (v <= 17) return "Uncertain";
    if (v <= 28) return "Fair sales";
    if (v <= 45) return "OK sales";
    if (v <= 65) return "Good sales";
    return "Superb sales";
}

std::string interestWord(i32 interest) {
    if (interest >= 95) return "Superb";
    if (interest >= 70) return "High";
    if (interest >= 55) return "Fair";
    return "Low";
}

ReleaseAnalysis releaseAnalysis(const Game& g, const std::string& title, int platform, int genre) {
    ReleaseAnalysis a;
    a.title = title;
    a.platform = platformNameText(g, platform);
    const auto& genres = g.tables().genres;
    a.genre = genres.inRange(genre) ? genres[genre].name.str() : std::string();
    const int week = g.currentWeek;

    AnalysisBox& now = a.now;
    now.firstWeek = week == 52 ? 1 : week;
    now.firstYear = week == 52 ? g.currentYear + 1 : g.currentYear;
    countWindow(g, now, platform, genre);
    now.demand = demandWord(seasonOf(week));
    const i32 s0 = seasonOf(week);
    const i32 s5 = seasonOf(week + 5 > 52 ? 1 : week + 5);
    now.corrected = now.threat - ((s5 - 60) + (s0 - 60)) / 2;
    describe(now);

    AnalysisBox& later = a.later;
    later.firstWeek = week + 13;
    later.firstYear = g.currentYear;
    if (later.firstWeek > 52) {
        later.firstWeek -= 52;
        later.firstYear += 1;
    }
    countWindow(g, later, platform, genre);
    later.demand = demandWord(seasonOf(later.firstWeek));
    later.corrected = later.threat - (seasonOf(later.firstWeek) - 60);
    describe(later);
    return a;
}

bool buyReleaseAnalysis(Game& g, Player& p) {
    if (!p.askDialog("Analysis of release", "Pay 5000$ for an analysis of the next 3 months game sales", true, true))
        return false;
    World& w = g.world();
    payCash(w.money, kAnalysisPrice);
    return true;
}

std::vector<GenreDemandRow> genreDemandRows(const Game& g) {
    std::vector<GenreDemandRow> rows;
    const auto& genres = g.tables().genres;
    for (int k = 1; k <= 50 && k <= genres.last; ++k) {
        const Genre& x = genres[k];
        const std::string name = trimmed(x.name.str());
        if (name.empty() || x.yearAvailable <= 0 || x.yearAvailable > g.currentYear) continue;
        rows.push_back({k, x.name.str(), genreOutlookWord(x), interestWord(x.interest), x.interest - 40});
    }
    return rows;
}

}  // namespace cw
