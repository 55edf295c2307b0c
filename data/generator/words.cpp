#include "words.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace datagen {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

std::string trim(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t' || text[b] == '\r')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r')) --e;
    return text.substr(b, e - b);
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool WordBank::load(const std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") paths.push_back(entry.path());
    if (ec || paths.empty()) {
        error = "no word lists in " + folder;
        return false;
    }
    // Directory order is the file system's whim; the output must not be.
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        std::ifstream in(path);
        if (!in) {
            error = "cannot read " + path.string();
            return false;
        }
        files_.push_back(path.string());
        std::string line, section;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            std::string entry = trim(line);
            if (entry.empty() || entry[0] == '#') continue;
            if (entry.front() == '[' && entry.back() == ']') {
                section = entry.substr(1, entry.size() - 2);
                sections_[section];
                continue;
            }
            if (section.empty()) {
                error = path.string() + ":" + std::to_string(number) + ": entry outside a section";
                return false;
            }
            for (unsigned char c : entry) {
                if (c >= 0x80 || c == '\t' || c == ';' || c == '"') {
                    error = path.string() + ":" + std::to_string(number) + ": character not allowed in '" + entry + "'";
                    return false;
                }
            }
            sections_[section].push_back(entry);
        }
    }
    return true;
}

const std::vector<std::string>& WordBank::list(const std::string& section) const {
    auto it = sections_.find(section);
    if (it == sections_.end() || it->second.empty()) throw std::runtime_error("no word list [" + section + "]");
    return it->second;
}

}  // namespace datagen
