#include "refdata/import.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <random>

#include "refdata/mods.h"
#include "refdata/zip_extract.h"
#include "state/files.h"
#include "state/log.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string beforeFirstComma(const std::string& s) { return s.substr(0, s.find(',')); }

std::string betweenFirstAndSecondComma(const std::string& s) {
    const std::size_t a = s.find(',');
    if (a == std::string::npos) return {};
    const std::size_t b = s.find(',', a + 1);
    return s.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
}

// Appends generated people, each made of a surname and a given name of the
// people listed before it.
void appendGeneratedPeople(StringTable& people, Random& rng) {
    int k = people.rowCount();
    while (true) {
        k -= 1 + rng.randomInt(4);
        if (k <= 0) break;
        const int row = people.rowCount();
        people.setRowCount(row + 1);
        // Rows as they stand after the append: for the last listed person
        // the next row is this new, still empty one.
        const std::string name = beforeFirstComma(people.cell(0, k)) + "," + betweenFirstAndSecondComma(people.cell(0, k + 1));
        people.setCell(0, row, name);
        people.setCell(1, row, std::to_string(4 * (1 + rng.randomInt(3))));
    }
}

// A missing file has the time -1, earlier than any existing file.
long long modificationTime(const std::string& path) {
    std::error_code ec;
    const auto t = fs::last_write_time(path, ec);
    if (ec) return -1;
    // The file clock's own epoch may lie in the future; compare in system time.
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::file_clock::to_sys(t).time_since_epoch())
                                      .count());
}

// Where one import unpacks the archive: a folder of its own inside the
// folder the game writes to, removed with everything in it afterwards. Two runs importing at
// once never see each other's files, and no member can land on a file of
// the game. Folders left by runs that were killed are cleared on the way.
class ImportFolder {
public:
    explicit ImportFolder(const std::string& gameFolder) {
        clearLeftovers(gameFolder);
        std::random_device rd;
        const std::string stem = std::string(kPrefix) + std::to_string(::getpid()) + ".";
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const fs::path p = fs::path(gameFolder) / (stem + std::to_string(rd() % 1000000000u));
            std::error_code ec;
            if (fs::create_directory(p, ec))
                path_ = p.string();
            else if (ec)
                error_ = ec.message();
        }
        if (path_.empty() && error_.empty()) error_ = "no free folder name";
    }
    ~ImportFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        fs::remove_all(path_, ec);
        if (ec) writeLog("WARNING: cannot remove " + path_ + ": " + ec.message());
    }
    ImportFolder(const ImportFolder&) = delete;
    ImportFolder& operator=(const ImportFolder&) = delete;

    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

private:
    static constexpr const char* kPrefix = "~import.";

    static void clearLeftovers(const std::string& gameFolder) {
        std::error_code ec;
        for (fs::directory_iterator it(gameFolder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.rfind(kPrefix, 0) != 0) continue;
            const std::string rest = name.substr(std::string(kPrefix).size());
            const std::size_t dot = rest.find('.');
            int pid = 0;
            const auto r = std::from_chars(rest.data(), rest.data() + dot, pid);
            if (dot == std::string::npos || r.ec != std::errc() || r.ptr != rest.data() + dot || pid <= 0) continue;
            // Only a run that no longer exists leaves its folder for good.
            if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
            std::error_code rec;
            if (it->is_directory(rec) && !it->is_symlink(rec)) fs::remove_all(it->path(), rec);
        }
    }

    std::string path_;
    std::string error_;
};

// True when some row from `firstRow` on names something.
bool holdsRows(const StringTable& t, int firstRow) {
    for (int r = firstRow; r < t.rowCount(); ++r)
        if (!trimmed(t.cell(0, r)).empty()) return true;
    return false;
}

}  // namespace

const std::vector<std::string>& importedMemberNames() {
    static const std::vector<std::string> names = {
        kRawCatalogueFile,
        kPeopleFile,
        kProcessorFile,
        kReleaseYearFile,
        kConversionFiles[0].fileName,
        kConversionFiles[1].fileName,
        kConversionFiles[2].fileName,
        kConversionFiles[3].fileName,
        kConversionFiles[4].fileName,
    };
    return names;
}

bool rebuildPasswordAccepted(const std::string& typed) { return typed == "qvjjQ"; }

std::string importReferenceData(Game& g, Player& p, ReferenceTables& t, ImportAction action, const BonusLists& lists,
                                const std::function<void(int)>& status) {
    if (isRebuild(action)) t.rebuildRequested = true;
    t.List_games.separator = '\t';

    // The first thing that keeps the tables from building a world.
    std::string problem;
    auto note = [&](const std::string& why) {
        if (problem.empty()) problem = why;
    };

    ImportFolder work(g.writableFolder());
    ZipExtractResult unpacked;
    const std::string archive = existingFileNoCase(g.programFolder, kDataArchiveName);
    if (archive.empty()) {
        note(std::string(kDataArchiveName) + " is missing from the game folder");
    } else if (work.path().empty()) {
        note(std::string(kDataArchiveName) + " cannot be unpacked: " + work.error());
    } else {
        unpacked = extractMembers(archive, work.path(), importedMemberNames());
        for (const std::string& w : unpacked.warnings) writeLog(w);
        if (!unpacked.opened) note(std::string(kDataArchiveName) + " cannot be read (" + unpacked.openError + ")");
    }

    const std::string& dir = work.path();
    auto file = [&](const char* name) { return dir.empty() ? std::string() : (fs::path(dir) / name).string(); };
    auto exists = [&](const char* name) {
        std::error_code ec;
        return !dir.empty() && fs::is_regular_file(file(name), ec);
    };
    // Why a file the world needs did not arrive.
    auto absent = [&](const char* name) {
        const auto broken = unpacked.brokenWanted.find(name);
        if (broken != unpacked.brokenWanted.end())
            return std::string(name) + " in " + kDataArchiveName + " " + broken->second;
        return std::string(name) + " is missing from " + kDataArchiveName;
    };
    auto empty = [&](const char* name) { return std::string(name) + " in " + kDataArchiveName + " holds no data"; };

    if (exists(kProcessorFile)) {
        // Row 1 is a title line, so processors start at row 2.
        if (!t.List_cpus.load(file(kProcessorFile)) || !holdsRows(t.List_cpus, 2)) note(empty(kProcessorFile));
    } else if (unpacked.opened) {
        note(absent(kProcessorFile));
    }

    if (exists(kPeopleFile)) {
        if (t.list_people.load(file(kPeopleFile))) {
            t.list_people.setColCount(6);
            appendGeneratedPeople(t.list_people, g.rng);
        }
        if (!holdsRows(t.list_people, 1)) note(empty(kPeopleFile));
    } else {
        // A start is refused with a message of its own that names the file.
        if (action != ImportAction::StartNewGame)
            p.messageBox("UnZip failure", "cw2_test_people.txt is missing", false);
        if (unpacked.opened) note(absent(kPeopleFile));
    }

    // Nothing in the archive is ever named "cw2_test_conv.txt", so the
    // ready-made tables are read whenever the raw catalogue came too.
    const bool cached = !t.rebuildRequested && exists(kConversionFiles[0].fileName) &&
                        modificationTime(file("cw2_test_conv.txt")) < modificationTime(file(kRawCatalogueFile));
    if (cached) {
        for (const ConversionFile& f : kConversionFiles) {
            if (!exists(f.fileName)) {
                note(absent(f.fileName));
            } else if (!(t.*f.table).load(file(f.fileName)) ||
                       (f.table != &ReferenceTables::List_LTDs && !holdsRows(t.*f.table, 1))) {
                // A catalogue may have no large company; every other table has rows.
                note(empty(f.fileName));
            }
        }
        t.testEnabled = true;
        t.tablesFromCache = true;
    } else if (!exists(kRawCatalogueFile) || !t.List_games.load(file(kRawCatalogueFile))) {
        // Converting again would read the tables of an earlier import as a
        // raw catalogue: they stay as they were.
        if (unpacked.opened) note(exists(kRawCatalogueFile) ? empty(kRawCatalogueFile) : absent(kRawCatalogueFile));
    } else {
        t.List_platforms_release.load(file(kReleaseYearFile));
        t.List_games.setColCount(9);
        t.List_Company.rows.clear();
        t.List_Company.setColCount(5);
        t.List_Company.setRowCount(2);
        t.tablesFromCache = false;
        convertCatalogue(t, g, lists, dir, status);
        if (!holdsRows(t.list_platforms, 1) || !holdsRows(t.List_Company, 1)) note(empty(kRawCatalogueFile));
    }

    t.list_people.setCell(0, 0, "Name");
    t.list_people.setCell(1, 0, "Rank");
    // The unpacked and the conversion files go with the import's folder.
    // The tables name a file that failed by its own name, not by that folder.
    if (!dir.empty()) {
        const std::string prefix = (fs::path(dir) / "").string();
        for (const std::string& name : ReferenceTables::tableNames()) {
            std::string& e = t.byName(name)->lastError;
            for (std::size_t at; (at = e.find(prefix)) != std::string::npos;) e.erase(at, prefix.size());
        }
    }
    t.importProblem = problem;
    if (!problem.empty()) writeLog("ERROR: reference data: " + problem);
    if (action == ImportAction::NewMod) fillModLists(t);
    return problem;
}

bool rebuildDatabase(Game& g, Player& p, ReferenceTables& t, const std::string& typed,
                     const std::function<void(int)>& status) {
    if (!rebuildPasswordAccepted(typed)) return false;
    importReferenceData(g, p, t, ImportAction::RebuildDatabase, builtinBonusLists(), status);
    return true;
}

std::string referenceDataRefusal(const ReferenceTables& t) {
    if (t.importProblem.empty()) return {};
    return "The reference data is incomplete: " + t.importProblem + ".";
}

}  // namespace cw
