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
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "refdata/table_file.h"
#include "state/log.h"

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

// Writes a whole file beside its final name and flushes it to the disk, so
// that a rename can put it in place in one step.
std::string writeDurably(const std::string& path, const void* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return std::strerror(errno);
    const char* p = static_cast<const char*>(data);
    std::size_t left = size;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string why = std::strerror(errno);
            ::close(fd);
            return why;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const std::string why = std::strerror(errno);
        ::close(fd);
        return why;
    }
    if (::close(fd) != 0) return std::strerror(errno);
    return {};
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string checkFileText(const FileChecksum& sum) {
    return std::to_string(sum.errorCode) + "\r\n" + std::to_string(sum.crc) + "\r\n" + formatSaveLength(sum.length) +
           "\r\n";
}

std::vector<std::string> readTextLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool checkFileMatches(const std::string& temPath, const std::string& savPath) {
    const std::vector<std::string> lines = readTextLines(temPath);
    if (lines.size() < 3) return false;
    const FileChecksum sum = fileChecksum(savPath);
    return sum.errorCode == 0 && lines[1] == std::to_string(sum.crc) && lines[2] == formatSaveLength(sum.length);
}

}  // namespace

FileChecksum fileChecksum(const std::string& path) {
    FileChecksum out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.errorCode = static_cast<std::uint16_t>(errno ? errno : EIO);
        return out;
    }
    std::vector<unsigned char> block(32768);
    uLong crc = crc32(0L, Z_NULL, 0);
    while (true) {
        const std::size_t n = std::fread(block.data(), 1, block.size(), f);
        if (n > 0) {
            crc = crc32(crc, block.data(), static_cast<uInt>(n));
            out.length += static_cast<std::int64_t>(n);
        }
        if (n < block.size()) {
            if (std::ferror(f)) out.errorCode = static_cast<std::uint16_t>(errno ? errno : EIO);
            break;
        }
    }
    std::fclose(f);
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

std::string saveFolderPath(const Game& g) { return findFileNoCase(g.programFolder, kSaveFolderName); }

std::string writeSaveFiles(Game& g, const std::string& fileName) {
    const std::string folder = saveFolderPath(g);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return "the folder " + folder + " cannot be created";

    World& w = g.world();
    w.savedYear = g.currentYear;
    w.savedWeek = static_cast<u8>(g.currentWeek);

    const std::string savPath = findFileNoCase(folder, fileName);
    const std::string temPath = findFileNoCase(folder, fileName + ".tem");
    const std::string savNew = savPath + ".new";
    const std::string temNew = temPath + ".new";

    std::string why = writeDurably(savNew, g.imageBytes(), sizeof(SaveImage));
    if (why.empty()) {
        const FileChecksum sum = fileChecksum(savNew);
        if (sum.errorCode != 0) why = "the written file cannot be read back (error " + std::to_string(sum.errorCode) + ")";
        else {
            const std::string tem = checkFileText(sum);
            why = writeDurably(temNew, tem.data(), tem.size());
        }
    }
    if (!why.empty()) {
        fs::remove(savNew, ec);
        fs::remove(temNew, ec);
        return fileName + ": " + why;
    }
    // The image goes in first; a save killed between the two renames is
    // completed by recoverInterruptedSave, which finds the new check file
    // waiting beside the new image.
    fs::rename(savNew, savPath, ec);
    if (ec) {
        fs::remove(savNew, ec);
        fs::remove(temNew, ec);
        return fileName + ": the file cannot be replaced";
    }
    fs::rename(temNew, temPath, ec);
    if (ec) return fileName + ".tem: the check file cannot be replaced";
    syncFolder(folder);

    const std::string inboxPath = findFileNoCase(g.programFolder, kInboxFileName);
    if (!writeInboxFile(g, inboxPath + ".new")) {
        fs::remove(inboxPath + ".new", ec);
        return std::string(kInboxFileName) + ": the inbox cannot be written";
    }
    fs::rename(inboxPath + ".new", inboxPath, ec);
    if (ec) return std::string(kInboxFileName) + ": the inbox cannot be replaced";
    syncFolder(g.programFolder);
    return {};
}

void recoverInterruptedSave(const Game& g, const std::string& fileName) {
    const std::string folder = saveFolderPath(g);
    const std::string savPath = findFileNoCase(folder, fileName);
    const std::string temPath = findFileNoCase(folder, fileName + ".tem");
    std::error_code ec;
    const bool savNew = fs::exists(savPath + ".new", ec);
    const bool temNew = fs::exists(temPath + ".new", ec);
    if (savNew) {
        // Killed before the new image was put in place: the old pair stands.
        fs::remove(savPath + ".new", ec);
        fs::remove(temPath + ".new", ec);
        return;
    }
    if (temNew) {
        if (checkFileMatches(temPath + ".new", savPath)) {
            fs::rename(temPath + ".new", temPath, ec);
            writeLog("WARNING: completed an interrupted save of " + fileName);
        } else {
            fs::remove(temPath + ".new", ec);
        }
    }
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
    const std::string temPath = findFileNoCase(folder, fileName + ".tem");
    std::error_code ec;
    if (!fs::exists(temPath, ec))
        return Refusal{"Load Error", "Error. File is not valid, mayby from an old build of the game"};
    const std::vector<std::string> lines = readTextLines(temPath);
    const FileChecksum sum = fileChecksum(findFileNoCase(folder, fileName));
    if (sum.errorCode != 0)
        return Refusal{"Load Error", "Error. File is not a valid cw2 savegame, error:" + std::to_string(sum.errorCode)};
    const std::string line2 = lines.size() > 1 ? lines[1] : std::string();
    const std::string line3 = lines.size() > 2 ? lines[2] : std::string();
    if (std::to_string(sum.crc) != line2 || formatSaveLength(sum.length) != line3)
        return Refusal{"Load Error", "Error. File is not valid. Dont change the files outside the game"};
    return std::nullopt;
}

std::string readSaveImage(const Game& g, const std::string& fileName, std::unique_ptr<SaveImage>& image) {
    const std::string path = findFileNoCase(saveFolderPath(g), fileName);
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return "The save file " + fileName + " cannot be opened.";
    const std::streamoff size = in.tellg();
    if (size != static_cast<std::streamoff>(sizeof(SaveImage)))
        return "The save file " + fileName + " is damaged: it is " + std::to_string(size) + " bytes long, not " +
               std::to_string(sizeof(SaveImage)) + ".";
    auto loaded = std::make_unique<SaveImage>();
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(loaded.get()), static_cast<std::streamsize>(sizeof(SaveImage))))
        return "The save file " + fileName + " cannot be read.";
    const World& w = loaded->world;
    // The date indexes every weekly and yearly table; a date outside the
    // game would make the first week read outside them.
    if (w.savedWeek < 1 || w.savedWeek > 52 || w.savedYear < 1980 || w.savedYear > 2015)
        return "The save file " + fileName + " is damaged: its date is not a game week.";
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

bool writeInboxFile(const Game& g, const std::string& path) {
    StringTable table(';', 4);
    table.rows.clear();
    table.rows.emplace_back(4);
    for (std::size_t r = 1; r < g.inbox.rows.size(); ++r) {
        const auto& cells = g.inbox.rows[r].cells;
        table.rows.push_back({cells[0], cells[1], cells[2], cells[3]});
    }
    return table.save(path);
}

bool readInboxFile(Game& g, const std::string& path) {
    std::vector<std::string> lines;
    std::string error;
    if (!StringTable::readLines(path, lines, error)) return false;
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
