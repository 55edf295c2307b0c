// The game calendar: 52 weeks a year, each shown by the Monday of its ISO week.
#pragma once

#include <string>

namespace cw {

struct CivilDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    bool operator==(const CivilDate&) const = default;
};

// Monday of ISO week `week` of `year` (week 1 holds January 4th, so its
// Monday may lie in the previous December).
CivilDate mondayOfIsoWeek(int year, int week);

// Formats a date with the patterns the game uses: "yyyy", "mmmm" (January),
// "mmm" (Jan), "mm" (01), "m" (1), "dd" (07), "d" (7); any other character
// is copied as it stands. Month names are English.
std::string formatDate(const CivilDate& date, const std::string& pattern);

// The three date texts of the game, for the Monday of a game week, with any
// "(" and ")" removed as the game does for every such text.
std::string newsDateText(int year, int week);      // "yyyy, mmm  d"
std::string progressDateText(int year, int week);  // "d. mmmm, yyyy"
std::string letterDateText(int year, int week);    // "yyyy, mm - d"

}  // namespace cw
