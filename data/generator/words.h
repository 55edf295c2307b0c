// The word lists under data/words: named sections of one entry a line.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace datagen {

class WordBank {
public:
    // Reads every .txt file of the folder, in name order. A section named
    // in two files gets the entries of both.
    bool load(const std::string& folder, std::string& error);

    bool has(const std::string& section) const { return sections_.count(section) != 0; }
    // Throws std::runtime_error for a section that does not exist: a typo in
    // a pattern must stop the build, not quietly print "{nuon}".
    const std::vector<std::string>& list(const std::string& section) const;
    const std::vector<std::string>& files() const { return files_; }

private:
    std::map<std::string, std::vector<std::string>> sections_;
    std::vector<std::string> files_;
};

// Splits at every occurrence of the separator.
std::vector<std::string> split(const std::string& text, char separator);
std::string trim(const std::string& text);
std::string lower(std::string text);

}  // namespace datagen
