#include "state/save_file.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <unistd.h>

#include "state/log.h"
#include "state/save_ranges.h"
#include "state/save_slot.h"
#include "state/table_file.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

bool sameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool endsWithNoCase(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && sameNoCase(s.substr(s.size() - tail.size()), tail);
}

}  // namespace

FileChecksum fileChecksum(const std::string& path) {
    FileChecksum out;
    const int fd = openRegularFile(path);
    if (fd < 0) {
        out.errorCode = static_cast<std::uint16_t>(errno ? errno : EIO);
        return out;
    }
    std::vector<unsigned char> block(32768);
    uLong crc = crc32(0L, Z_NULL, 0);
    while (true) {
        const ssize_t n = ::read(fd, block.data(), block.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            out.errorCode = static_cast<std::uint16_t>(errno ? errno : EIO);
            break;
        }
        if (n == 0) break;
        crc = crc32(crc, block.data(), static_cast<uInt>(n));
        out.length += static_cast<std::int64_t>(n);
    }
    ::close(fd);
    out.crc = static_cast<std::uint32_t>(crc);
    return out;
}

std::string safeFileName(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        switch (c) {
            case '"': case '*': case '+': case '/': case ':': case ';':
            case '<': case '=': case '>': case '?': case '\\': case '|':
                c = ' ';
                break;
            default: break;
        }
    }
    return out;
}

std::string formatSaveLength(std::int64_t length) {
    static const std::string pattern = "##1###4###9###0";
    std::string digits = std::to_string(length < 0 ? -length : length);
    if (length == 0) digits = "";  // the "0" position alone writes the zero
    std::string out;
    int digitPositions = 0;
    for (char c : pattern)
        if (c == '#' || c == '0') ++digitPositions;
    // Fill from the right; digits beyond the twelve positions go before the
    // leftmost one, as numeric patterns do.
    int di = static_cast<int>(digits.size()) - 1;
    for (int i = static_cast<int>(pattern.size()) - 1; i >= 0; --i) {
        const char c = pattern[static_cast<std::size_t>(i)];
        if (c == '#' || c == '0') {
            --digitPositions;
            std::string piece;
            if (di >= 0) piece = std::string(1, digits[static_cast<std::size_t>(di--)]);
            else if (c == '0') piece = "0";
            if (digitPositions == 0 && di >= 0) {
                piece = digits.substr(0, static_cast<std::size_t>(di + 1)) + piece;
                di = -1;
            }
            out.insert(0, piece);
        } else {
            out.insert(0, 1, c);
        }
    }
    if (length < 0) out.insert(0, 1, '-');
    return out;
}

std::string saveFolderPath(const Game& g) { return findFileNoCase(g.writableFolder(), kSaveFolderName); }

void recoverInterruptedSave(const Game& g, const std::string& fileName) {
    const std::string folder = saveFolderPath(g);
    const SaveFolderLock lock(folder);
    // Without the lock another run may be saving this slot right now, and
    // its files are not leftovers.
    if (lock.held()) repairSlot(folder, fileName);
}

std::vector<std::string> listSaveFiles(const Game& g) {
    std::vector<std::string> names;
    std::error_code ec;
    const std::string folder = saveFolderPath(g);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (endsWithNoCase(name, ".sav") && it->is_regular_file(ec)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const auto& n : names) recoverInterruptedSave(g, n);
    return names;
}

std::string annotateSaveEntry(const Game& g, const std::string& name) {
    std::error_code ec;
    const auto when = fs::last_write_time(findFileNoCase(saveFolderPath(g), name), ec);
    if (ec) return name;
    const auto sys = std::chrono::file_clock::to_sys(when);
    const std::time_t t = std::chrono::system_clock::to_time_t(sys);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return name + " >>> " + buf;
}

ActionResult checkSaveFile(const Game& g, const std::string& fileName) {
    recoverInterruptedSave(g, fileName);
    const std::string folder = saveFolderPath(g);
    const SlotFiles files = slotFiles(folder, fileName);
    // The check file in place first; one still waiting beside the image
    // (its save could not rename it) describes the image just as well.
    std::vector<std::string> checks;
    std::error_code ec;
    if (fs::exists(files.check, ec) || fs::is_symlink(files.check, ec)) checks.push_back(files.check);
    checks.insert(checks.end(), files.checkTemps.begin(), files.checkTemps.end());
    if (checks.empty())
        return Refusal{"Load Error", "Error. File is not valid, mayby from an old build of the game"};
    const FileChecksum sum = fileChecksum(files.image);
    if (sum.errorCode != 0)
        return Refusal{"Load Error", "Error. File is not a valid cw2 savegame, error:" + std::to_string(sum.errorCode)};
    for (const std::string& check : checks)
        if (checkFileDescribes(check, sum)) return std::nullopt;
    return Refusal{"Load Error", "Error. File is not valid. Dont change the files outside the game"};
}

std::string readSaveImage(const Game& g, const std::string& fileName, std::unique_ptr<SaveImage>& image) {
    const std::string path = findFileNoCase(saveFolderPath(g), fileName);
    const int fd = openRegularFile(path);
    if (fd < 0) return "The save file " + fileName + " cannot be opened.";
    struct stat st {};
    const off_t size = ::fstat(fd, &st) == 0 ? st.st_size : -1;
    if (size != static_cast<off_t>(sizeof(SaveImage))) {
        ::close(fd);
        return "The save file " + fileName + " is damaged: it is " + std::to_string(size) + " bytes long, not " +
               std::to_string(sizeof(SaveImage)) + ".";
    }
    auto loaded = std::make_unique<SaveImage>();
    char* into = reinterpret_cast<char*>(loaded.get());
    std::size_t got = 0;
    while (got < sizeof(SaveImage)) {
        const ssize_t n = ::read(fd, into + got, sizeof(SaveImage) - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != sizeof(SaveImage)) return "The save file " + fileName + " cannot be read.";
    if (const std::string bad = saveImageRangeProblem(*loaded); !bad.empty())
        return "The save file " + fileName + " is damaged: " + bad + ".";
    image = std::move(loaded);
    return {};
}

void applySaveImage(Game& g, const SaveImage& image, Player& p) {
    SaveImage& t = g.tables();
    ProgressInfo bar;
    int group = 0;
    auto step = [&] {
        bar.barPercent = ++group * 100 / 7;
        p.progressUpdate(bar);
        p.pause(50);
    };
    t.platforms = image.platforms;
    t.cpus = image.cpus;
    t.tasks = image.tasks;
    step();
    t.gameTitles = image.gameTitles;
    step();
    t.people = image.people;
    step();
    t.catalogueGamesPerYear = image.catalogueGamesPerYear;
    t.companies = image.companies;
    step();
    t.genres = image.genres;
    step();
    t.world = image.world;
    g.currentYear = t.world.savedYear;
    g.currentWeek = t.world.savedWeek;
    step();
    t.titlesPerYear = image.titlesPerYear;
    step();
}

std::string loadSaveImage(Game& g, const std::string& fileName, Player& p) {
    std::unique_ptr<SaveImage> image;
    if (std::string why = readSaveImage(g, fileName, image); !why.empty()) return why;
    applySaveImage(g, *image, p);
    return {};
}

std::string inboxFileText(const Game& g) {
    std::string text;
    for (std::size_t r = 1; r < g.inbox.rows.size(); ++r) {
        const auto& cells = g.inbox.rows[r].cells;
        text += cells[0] + ";" + cells[1] + ";" + cells[2] + ";" + cells[3] + "\r\n";
    }
    return text;
}

bool writeInboxFile(const Game& g, const std::string& path) {
    const std::string text = inboxFileText(g);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

bool readInboxFile(Game& g, const std::string& path) {
    // Read like the image: a FIFO or a folder of that name is refused at
    // once instead of being waited on.
    const std::vector<std::string> lines = readTextLines(path);
    if (lines.empty()) {
        writeLog("WARNING: the inbox file " + path + " cannot be read or is empty; the letters stay as they are");
        return false;
    }
    std::vector<InboxRow> rows;
    rows.push_back(g.inbox.rows.empty() ? InboxRow{} : g.inbox.rows[0]);
    for (const std::string& line : lines) {
        if (line.size() < 2 || trimmed(line) == ";") continue;
        std::vector<std::string> f = splitFields(line, ';');
        InboxRow row;
        for (std::size_t c = 0; c < 3 && c < f.size(); ++c) row.cells[c] = f[c];
        // A letter whose text holds a ";" spans more fields; they all belong
        // to the body, which would otherwise be cut at its first ";".
        for (std::size_t c = 3; c < f.size(); ++c) row.cells[3] += (c > 3 ? ";" : "") + f[c];
        rows.push_back(std::move(row));
    }
    if (rows.size() < 2 || !rows.back().blank()) rows.emplace_back();
    g.inbox.rows = std::move(rows);
    return true;
}

}  // namespace cw
