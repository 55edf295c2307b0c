// The reference company list as the market uses it: a title's company row
// names the company that made it (column 0) and the computer-run company
// that pays and earns for it (column 4).
#pragma once

#include <string>

#include "refdata/reference_tables.h"
#include "state/game.h"

namespace cw {

// Reads List_Company into the session; run by every world set-up and load,
// since the weekly market must not parse text cells for every title.
void loadCompanyList(Game& g, const ReferenceTables& ref);

// Column 0 of the row; empty for a row the list does not have.
const std::string& companyRowName(const Game& g, i32 row);

// The Companies entry named in column 4 of the row, or 0 when the cell is
// blank or names no entry of the table.
i32 companyOfRow(const Game& g, i32 row);

}  // namespace cw
