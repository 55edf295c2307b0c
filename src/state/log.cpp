#include "state/log.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

#include "state/files.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

std::tm localNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

std::string formatNow(const char* fmt) {
    const std::tm local = localNow();
    char buf[64];
    std::strftime(buf, sizeof buf, fmt, &local);
    return buf;
}

const std::string kStars(109, '*');

Log* gAppLog = nullptr;

}  // namespace

Log::Log(std::string folder, std::string programFile, std::string programPath, std::string version)
    : folder_(std::move(folder)),
      programFile_(std::move(programFile)),
      programPath_(std::move(programPath)),
      version_(std::move(version)) {
    clock_.stamp = [] { return formatNow("%H:%M:%S"); };
    clock_.dateTime = [] { return formatNow("%Y-%m-%d %H:%M:%S"); };
}

void Log::startLog() {
    logLines_.clear();
    countStatistics_ = true;
    fatalCount_ = errorCount_ = warningCount_ = 0;
    backupCount = 2;
}

std::string Log::filePath() const { return (fs::path(folder_) / logFileName_).string(); }

Log::NameLock& Log::NameLock::operator=(NameLock&& o) noexcept {
    if (this != &o) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = o.fd_;
        o.fd_ = -1;
    }
    return *this;
}

Log::NameLock::~NameLock() {
    if (fd_ >= 0) ::close(fd_);
}

void Log::fileStep(const char* step) const {
    if (afterFileStep) afterFileStep(step);
}

// The log's name is taken by holding a lock on a small file beside it; a
// run that finds the name taken by a running program uses the next free one.
void Log::claimName() {
    const std::string base = programFile_ + ".log";
    logFileName_ = base;
    for (int n = 1; n <= 20; ++n) {
        const std::string name = n == 1 ? base : programFile_ + "-" + std::to_string(n) + ".log";
        const std::string lockPath = (fs::path(folder_) / (name + ".lock")).string();
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return;  // an unwritable folder: the log cannot be written anyway
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            logFileName_ = name;
            nameLock_ = NameLock(fd);
            return;
        }
        ::close(fd);
    }
}

void Log::firstWrite() {
    claimName();
    std::error_code ec;
    const fs::path dir(folder_);
    // Renaming onto the older copy replaces it in one step, so every copy
    // is always a whole log.
    for (int k = backupCount - 1; k >= 0; --k) {
        const fs::path from = dir / (k >= 1 ? std::to_string(k) + "_" + logFileName_ : logFileName_);
        if (!fs::exists(from, ec)) continue;
        fs::rename(from, dir / (std::to_string(k + 1) + "_" + logFileName_), ec);
        fileStep("rotated");
    }
    // Temporary files of a run of this name that was killed while writing;
    // the name is this run's now, so none of them is in use.
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (isTemporaryOf(it->path().filename().string(), logFileName_)) stale.push_back(it->path());
    for (const auto& p : stale) fs::remove(p, ec);
    const std::string now = clock_.dateTime();
    const std::string indent(now.size(), ' ');
    logLines_.push_back(kStars);
    logLines_.push_back(indent + "   Log Stated :" + now);
    logLines_.push_back(indent + "   Program    :" + programPath_);
    logLines_.push_back(indent + "   Version    :" + version_);
    logLines_.push_back(kStars);
}

void Log::writeLog(const std::string& message) {
    if (logFileName_.empty()) firstWrite();
    const std::string stamp = clock_.stamp();

    if (static_cast<std::int32_t>(logLines_.size()) > headerLines)
        logLines_.resize(logLines_.size() - 3);  // the previous footer
    while (static_cast<std::int32_t>(logLines_.size()) > maxLines)
        logLines_.erase(logLines_.begin() + headerLines);

    if (countStatistics_) {
        std::string upper = message;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const bool fatal = upper.find("FATAL ERROR") != std::string::npos;
        if (upper.find("ERROR") != std::string::npos && upper.find("FATAL") == std::string::npos) ++errorCount_;
        if (fatal) ++fatalCount_;
        if (upper.find("WARNING") != std::string::npos) ++warningCount_;
    }

    const std::string now = clock_.dateTime();
    if (now != lastStampText_) {
        logLines_.push_back(stamp + " : " + message);
        lastStampText_ = now;
    } else {
        const std::size_t pad = stamp.size() >= 5 ? stamp.size() - 5 : 0;
        logLines_.push_back(std::string(pad, ' ') + "      : " + message);
    }

    logLines_.push_back(kStars);
    logLines_.push_back("Log:" + logFileName_ + "   Statistics --> " + " Fatal errors:" + std::to_string(fatalCount_) +
                        "  Error:" + std::to_string(errorCount_) + "  Warnings:" + std::to_string(warningCount_));
    logLines_.push_back(kStars);

    flush();
    lastMessage_ = message;
}

void Log::flush() const {
    // A log that cannot be written must never stop the game; the next line
    // tries again with the whole list. The new text goes in beside the log
    // and is renamed over it, so the file is never seen half written.
    std::string text;
    std::size_t total = 0;
    for (const auto& l : logLines_) total += l.size() + 1;
    text.reserve(total);
    for (const auto& l : logLines_) {
        text += l;
        text += '\n';
    }
    const std::string path = filePath();
    const std::string temp = temporaryName(path);
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !written) {
        std::remove(temp.c_str());
        return;
    }
    fileStep("written");
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return;
    }
    fileStep("replaced");
}

void installAppLog(Log* log) { gAppLog = log; }
Log* appLog() { return gAppLog; }
void writeLog(const std::string& message) {
    if (gAppLog) gAppLog->writeLog(message);
}
void verboseLog(const std::string& message) {
    if (gAppLog && gAppLog->debugLogging) gAppLog->writeLog(message);
}
bool debugLogging() { return gAppLog && gAppLog->debugLogging; }

}  // namespace cw
