#include "market/company_list.h"

#include <algorithm>
#include <charconv>

namespace cw {

namespace {

// A cell that is not a whole number of the Companies table books nothing:
// a damaged list must not move money into a slot that does not exist.
i32 companyNumber(const std::string& cell) {
    const std::string text = trimmed(cell);
    i32 v = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    if (text.empty() || r.ec != std::errc() || r.ptr != end) return 0;
    return decltype(SaveImage::companies)::inRange(v) ? v : 0;
}

}  // namespace

void loadCompanyList(Game& g, const ReferenceTables& ref) {
    const StringTable& list = ref.List_Company;
    auto& rows = g.session.companyList;
    rows.assign(static_cast<std::size_t>(std::max(list.rowCount(), 0)), CompanyListRow{});
    for (int r = 1; r < list.rowCount(); ++r) {
        CompanyListRow& row = rows[static_cast<std::size_t>(r)];
        row.name = list.cell(0, r);
        row.company = companyNumber(list.cell(4, r));
    }
}

const std::string& companyRowName(const Game& g, i32 row) {
    static const std::string none;
    const auto& rows = g.session.companyList;
    if (row < 1 || static_cast<std::size_t>(row) >= rows.size()) return none;
    return rows[static_cast<std::size_t>(row)].name;
}

i32 companyOfRow(const Game& g, i32 row) {
    const auto& rows = g.session.companyList;
    if (row < 1 || static_cast<std::size_t>(row) >= rows.size()) return 0;
    return rows[static_cast<std::size_t>(row)].company;
}

}  // namespace cw
