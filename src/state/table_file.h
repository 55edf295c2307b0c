// The plain-text table files the game reads and writes: one data row per
// line, fields joined by the table's separator, no title line.
#pragma once

#include <string>
#include <vector>

namespace cw {

// A rectangular table of text cells. Row 0 holds the column titles the
// program sets; data rows are 1..rowCount()-1.
class StringTable {
public:
    explicit StringTable(char separator = ';', int columns = 2);

    char separator;
    std::vector<std::vector<std::string>> rows;  // rows[0] = titles
    std::string lastError;

    int rowCount() const { return static_cast<int>(rows.size()); }
    int colCount() const { return columns_; }
    void setColCount(int columns);
    void setRowCount(int count);
    // Empty cell for anything outside the table.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string value);

    // Reads a table file. A missing, unreadable or empty file leaves the
    // table as it was and records why in lastError.
    bool load(const std::string& path);
    // Writes data rows 1.. joined by the separator. False when it could not
    // be written.
    bool save(const std::string& path) const;

    // The lines of a file as the loader reads them (no line ends).
    static bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

private:
    int columns_;
};

std::vector<std::string> splitFields(const std::string& line, char separator);
std::string trimmed(const std::string& s);

}  // namespace cw
