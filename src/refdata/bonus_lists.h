// The four lists of best-remembered titles of the catalogue, built into the
// program. A catalogue title counts as listed when it occurs anywhere in a
// list's text, without regard to case. The definitions in bonus_lists.cpp are
// written by the data generator (target cw_bonus_lists) together with the
// catalogue they name.
#pragma once

namespace cw {

// 25 lines: rank, tab, title, tab, average score with two decimals, tab.
extern const char* const Top25Memo;
// 63 lines: title, tab (the best of each platform).
extern const char* const Top10All_memo;
// 80 lines: title, tab (the best of each genre).
extern const char* const GenreBest_memo;
// 252 lines: rank, tab, title, tab (the best of each year, ranks from 1 each year).
extern const char* const Yearbest_memo;

}  // namespace cw
