// Sorting of the people screens' lists by a clicked column.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace cw {

// Case-blind first, then exact, so that equal names in other cases keep a
// fixed order.
int compareListText(const std::string& a, const std::string& b);

// A cell that is a whole number (an optional sign and digits), or nothing.
std::optional<long long> listNumber(const std::string& text);

// Sorts rows (each with `cells`) by one column: by value when the first row's
// cell is a number, by text otherwise. Stable, so equal rows keep the order
// the list was built in.
template <typename Row>
void sortRowsByColumn(std::vector<Row>& rows, int column, bool ascending) {
    if (column < 0 || rows.size() < 2) return;
    const auto c = static_cast<std::size_t>(column);
    const bool numeric = listNumber(rows[0].cells[c]).has_value();
    auto key = [c](const Row& r) { return listNumber(r.cells[c]).value_or(0); };
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        const int cmp =
            numeric ? (key(a) < key(b) ? -1 : (key(a) > key(b) ? 1 : 0)) : compareListText(a.cells[c], b.cells[c]);
        return ascending ? cmp < 0 : cmp > 0;
    });
}

}  // namespace cw
