// The diagnostic log kept next to the program file. It is rewritten in full
// after every line, always ends with a statistics footer, and keeps the two
// previous runs' logs as "1_" and "2_" copies. Every change on disk is a
// rename, so each log file is complete whenever the program is killed; and
// a run owns its log's name while it runs, so a second run started at the
// same time writes its own log ("crestwork-2.log") instead of taking over
// the first run's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cw {

class Log {
public:
    // `folder` is the program folder; `programFile` the program file's name
    // with its extension (the log is that name + ".log").
    Log(std::string folder, std::string programFile, std::string programPath, std::string version);

    // Begins a run: empty log, statistics on and zeroed, two backups kept.
    void startLog();
    void writeLog(const std::string& message);

    bool debugLogging = false;

    // Where the clock comes from; tests replace it to control the time stamps.
    struct Clock {
        std::function<std::string()> stamp;     // time of day, "hh:mm:ss"
        std::function<std::string()> dateTime;  // full date and time, to the second
    };
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // Called after each change of a file on disk ("rotated", "written",
    // "replaced"); tests stop the process there.
    std::function<void(const std::string& step)> afterFileStep;

    const std::vector<std::string>& lines() const { return logLines_; }
    const std::string& fileName() const { return logFileName_; }
    std::string filePath() const;
    std::int32_t fatalCount() const { return fatalCount_; }
    std::int32_t errorCount() const { return errorCount_; }
    std::int32_t warningCount() const { return warningCount_; }

    std::int32_t maxLines = 10000;
    std::int32_t backupCount = 2;
    static constexpr std::int32_t headerLines = 5;

private:
    // The lock on a log name, released when the run ends.
    class NameLock {
    public:
        NameLock() = default;
        explicit NameLock(int fd) : fd_(fd) {}
        NameLock(NameLock&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
        NameLock& operator=(NameLock&& o) noexcept;
        ~NameLock();

    private:
        int fd_ = -1;
    };

    void firstWrite();
    void claimName();
    void flush() const;
    void fileStep(const char* step) const;

    std::string folder_, programFile_, programPath_, version_;
    std::vector<std::string> logLines_;
    std::string logFileName_;
    std::string lastStampText_;
    std::string lastMessage_;
    std::int32_t fatalCount_ = 0, errorCount_ = 0, warningCount_ = 0;
    bool countStatistics_ = true;
    Clock clock_;
    NameLock nameLock_;
};

// The program's own log, set up once at start by the executable.
void installAppLog(Log* log);
Log* appLog();
// Writes a line to the program's log (nothing when none is installed).
void writeLog(const std::string& message);
// Writes a line only when verbose logging was asked for on the command line.
void verboseLog(const std::string& message);
bool debugLogging();

}  // namespace cw
