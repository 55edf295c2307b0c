#include "state/calendar.h"

#include <algorithm>
#include <array>

namespace cw {
namespace {

// Days since 1970-01-01 for a proleptic Gregorian date, and back.
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

// 1 = Monday .. 7 = Sunday
int isoWeekday(long days) {
    const long wd = (days + 3) % 7;  // 1970-01-01 was a Thursday
    return static_cast<int>((wd < 0 ? wd + 7 : wd) + 1);
}

const std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string withoutParentheses(std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '(' || c == ')'; }), s.end());
    return s;
}

}  // namespace

CivilDate mondayOfIsoWeek(int year, int week) {
    const long jan4 = daysFromCivil(year, 1, 4);
    const long weekOneMonday = jan4 - (isoWeekday(jan4) - 1);
    return civilFromDays(weekOneMonday + static_cast<long>(week - 1) * 7);
}

std::string formatDate(const CivilDate& date, const std::string& pattern) {
    std::string out;
    std::size_t i = 0;
    auto run = [&](char c) {
        std::size_t n = 0;
        while (i + n < pattern.size() && pattern[i + n] == c) ++n;
        return n;
    };
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == 'y') {
            const std::size_t n = run('y');
            out += n >= 3 ? std::to_string(date.year) : twoDigits(date.year % 100);
            i += n;
        } else if (c == 'm') {
            const std::size_t n = run('m');
            const std::string name = kMonthNames[static_cast<std::size_t>(date.month - 1)];
            if (n >= 4) out += name;
            else if (n == 3) out += name.substr(0, 3);
            else if (n == 2) out += twoDigits(date.month);
            else out += std::to_string(date.month);
            i += n;
        } else if (c == 'd') {
            const std::size_t n = run('d');
            out += n >= 2 ? twoDigits(date.day) : std::to_string(date.day);
            i += n;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string newsDateText(int year, int week) {
    return withoutParentheses(formatDate(mondayOfIsoWeek(year, week), "yyyy, mmm  d"));
}
std::string progressDateText(int year, int week) {
    return withoutParentheses(formatDate(mondayOfIsoWeek(year, week), "d. mmmm, yyyy"));
}
std::string letterDateText(int year, int week) {
    return withoutParentheses(formatDate(mondayOfIsoWeek(year, week), "yyyy, mm - d"));
}

}  // namespace cw
