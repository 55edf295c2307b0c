#include "state/table_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace cw {
namespace fs = std::filesystem;

namespace {
const std::string kEmpty;
}

std::string trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

std::vector<std::string> splitFields(const std::string& line, char separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t pos = line.find(separator, start);
        if (pos == std::string::npos) {
            out.push_back(line.substr(start));
            return out;
        }
        out.push_back(line.substr(start, pos - start));
        start = pos + 1;
    }
}

StringTable::StringTable(char sep, int columns) : separator(sep), columns_(std::max(columns, 1)) {
    rows.assign(2, std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

void StringTable::setColCount(int columns) {
    columns_ = std::max(columns, 1);
    for (auto& r : rows) r.resize(static_cast<std::size_t>(columns_));
}

void StringTable::setRowCount(int count) {
    rows.resize(static_cast<std::size_t>(std::max(count, 1)), std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

const std::string& StringTable::cell(int col, int row) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columns_) return kEmpty;
    return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringTable::setCell(int col, int row, std::string value) {
    if (row < 0 || col < 0) return;
    if (col >= columns_) setColCount(col + 1);
    if (row >= rowCount()) setRowCount(row + 1);
    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(value);
}

bool StringTable::readLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
    const std::string name = fs::path(path).filename().string();
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        error = " File does not exist (" + name + ")";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = " File Locked (" + name + ")";
        return false;
    }
    lines.clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) {
        error = " File Locked (" + name + ")";
        return false;
    }
    if (lines.empty()) {
        error = " File Empty (" + name + ")";
        return false;
    }
    return true;
}

bool StringTable::load(const std::string& path) {
    std::vector<std::string> lines;
    if (!readLines(path, lines, lastError)) return false;
    const int fields = static_cast<int>(std::count(lines[0].begin(), lines[0].end(), separator)) + 1;
    const int columns = std::max(fields, 2) + 1;  // one spare column at the end
    const std::string sepText(1, separator);
    std::vector<std::vector<std::string>> loaded;
    loaded.emplace_back(static_cast<std::size_t>(columns));  // title row, set by the program
    for (const std::string& line : lines) {
        if (line.size() < 2 || trimmed(line) == sepText) continue;
        std::vector<std::string> f = splitFields(line, separator);
        f.resize(static_cast<std::size_t>(columns));
        loaded.push_back(std::move(f));
    }
    // A title row the program had set survives a reload.
    if (!rows.empty()) {
        for (std::size_t c = 0; c < rows[0].size() && c < loaded[0].size(); ++c) loaded[0][c] = rows[0][c];
    }
    rows = std::move(loaded);
    columns_ = columns;
    if (rows.size() < 2) rows.emplace_back(static_cast<std::size_t>(columns_));
    return true;
}

bool StringTable::save(const std::string& path) const {
    std::string text;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c) text += separator;
            text += rows[r][c];
        }
        text += "\r\n";
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace cw
