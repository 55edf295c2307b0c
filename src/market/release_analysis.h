// The paid release analysis (Tform_Analyse) and the genre demand screen
// (TForm_genredemands).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

inline constexpr i32 kAnalysisPrice = 5000;

// "LOW(1)" .. "HIGH(5)" for a season factor; empty above 100.
std::string demandWord(i32 value);
// "Low Sales" .. "Superb sales": how the experts see a genre's next years.
std::string genreOutlookWord(const Genre& genre);
// "Superb", "High", "Fair" or "Low".
std::string interestWord(i32 interest);

// One of the two boxes: the rivals releasing on the platform in a window of
// 21 weeks.
struct AnalysisBox {
    int firstWeek = 0, firstYear = 0;  // where the window starts
    i32 threat = 0;                    // before the season correction
    i32 highRated = 0;
    i32 corrected = 0;                 // after it
    std::string demand, competitors, recommendation;
    // Headings and values in order, as the box shows them (headings in the
    // heading colour); their concatenation is the box's text.
    std::vector<std::pair<std::string, std::string>> parts;
    std::string text() const;
};

struct ReleaseAnalysis {
    std::string title, platform, genre;
    AnalysisBox now;    // "Release now :"
    AnalysisBox later;  // "Release in 3 months :"
};

// Works the analysis out; changes nothing.
ReleaseAnalysis releaseAnalysis(const Game& g, const std::string& title, int platform, int genre);

// "Analysis of release": asks, and on yes pays 5,000 (the cash may go into
// debt) and returns true; the caller then shows releaseAnalysis.
bool buyReleaseAnalysis(Game& g, Player& p);

struct GenreDemandRow {
    int genre = 0;
    std::string name, prognosis, interestCaption;
    i32 bar = 0;  // interest - 40
};

// One row per genre 1..50 available this year, in genre order.
std::vector<GenreDemandRow> genreDemandRows(const Game& g);

}  // namespace cw
