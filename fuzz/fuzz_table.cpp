// The table files of the data archive as the import reads them: any file
// gives a rectangular table or is refused leaving the table as it was, and a
// loaded table written back and read again holds the same rows (with the
// loader's spare column added once more).
#include <cstdint>
#include <filesystem>
#include <string>

#include "state/table_file.h"
#include "support.h"

namespace {

void checkShape(const cw::StringTable& t) {
    cw::fuzz::check(t.rowCount() >= 2, "a table without a data row");
    cw::fuzz::check(t.colCount() >= 3, "a table without its spare column");
    for (const auto& row : t.rows)
        cw::fuzz::check(static_cast<int>(row.size()) == t.colCount(), "a ragged table");
    cw::fuzz::check(t.cell(-1, 0).empty() && t.cell(0, t.rowCount()).empty() && t.cell(t.colCount(), 1).empty(),
                    "a cell outside the table is not empty");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cw::fuzz::Bytes in(data, size);
    static constexpr char kSeparators[] = {';', ',', '\t', '|'};
    const char sep = kSeparators[in.u8() % 4];
    const std::string folder = cw::fuzz::freshFolder("table");
    const std::string path = (std::filesystem::path(folder) / "cw2_table.txt").string();
    cw::fuzz::writeFile(path, std::string(in.rest()));

    cw::StringTable t(sep, 4);
    t.setCell(0, 0, "Title");
    t.setCell(1, 1, "kept");
    const auto before = t.rows;
    if (!t.load(path)) {
        cw::fuzz::check(t.rows == before && t.colCount() == 4, "a refused file changed the table");
        cw::fuzz::check(!t.lastError.empty(), "a refused file without a reason");
        return 0;
    }
    checkShape(t);
    cw::fuzz::check(t.rows[0][0] == "Title", "a reload lost the title row");

    const std::string again = (std::filesystem::path(folder) / "again.txt").string();
    cw::fuzz::check(t.save(again), "a loaded table cannot be written");
    cw::StringTable u(sep, 2);
    cw::fuzz::check(u.load(again), "a written table cannot be read: " + u.lastError);
    checkShape(u);
    cw::fuzz::check(u.rowCount() == t.rowCount() && u.colCount() == t.colCount() + 1,
                    "a written table reads back with another shape");
    for (int r = 1; r < t.rowCount(); ++r)
        for (int c = 0; c <= t.colCount(); ++c)
            cw::fuzz::check(u.cell(c, r) == t.cell(c, r), "a written table reads back with another cell");
    return 0;
}
