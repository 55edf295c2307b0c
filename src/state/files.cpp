#include "state/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

std::string existingFileNoCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    const fs::path exact = fs::path(folder) / name;
    if (fs::exists(exact, ec)) return exact.string();
    const std::string wanted = lower(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (lower(it->path().filename().string()) == wanted) return it->path().string();
    return {};
}

std::string findFileNoCase(const std::string& folder, const std::string& name) {
    const std::string found = existingFileNoCase(folder, name);
    return found.empty() ? (fs::path(folder) / name).string() : found;
}

}  // namespace cw
