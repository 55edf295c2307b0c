#include "state/files.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// "1234-5": a process id and a counter.
bool isTemporaryTag(const std::string& tag) {
    const auto dash = tag.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 >= tag.size()) return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (i != dash && !std::isdigit(static_cast<unsigned char>(tag[i]))) return false;
    return true;
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

int openRegularFile(const std::string& path) {
    // Without O_NONBLOCK the open itself would wait for a writer on a FIFO.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

int readRegularFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = openRegularFile(path);
    if (fd < 0) return errno ? errno : EIO;
    char block[65536];
    while (true) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int why = errno ? errno : EIO;
            ::close(fd);
            return why;
        }
        if (n == 0) break;
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return 0;
}

std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".new";
}

bool isTemporaryOf(const std::string& name, const std::string& finalName) {
    const std::string n = lower(name);
    const std::string f = lower(finalName);
    if (!endsWith(n, ".new")) return false;
    const std::string stem = n.substr(0, n.size() - 4);
    if (stem == f) return true;
    return stem.size() > f.size() + 1 && stem.compare(0, f.size(), f) == 0 && stem[f.size()] == '.' &&
           isTemporaryTag(stem.substr(f.size() + 1));
}


bool readFirstLines(const std::string& path, std::vector<std::string>& lines, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (lines.size() < count && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}
}  // namespace cw
