#include "state/log.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

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

void Log::firstWrite() {
    logFileName_ = programFile_ + ".log";
    std::error_code ec;
    const fs::path dir(folder_);
    for (int k = backupCount - 1; k >= 0; --k) {
        const fs::path from = dir / (k >= 1 ? std::to_string(k) + "_" + logFileName_ : logFileName_);
        if (!fs::exists(from, ec)) continue;
        const fs::path to = dir / (std::to_string(k + 1) + "_" + logFileName_);
        fs::remove(to, ec);
        fs::rename(from, to, ec);
    }
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
    // tries again with the whole list.
    std::string text;
    std::size_t total = 0;
    for (const auto& l : logLines_) total += l.size() + 1;
    text.reserve(total);
    for (const auto& l : logLines_) {
        text += l;
        text += '\n';
    }
    std::FILE* f = std::fopen(filePath().c_str(), "wb");
    if (!f) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
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
