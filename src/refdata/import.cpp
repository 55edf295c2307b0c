#include "refdata/import.h"

#include <chrono>
#include <filesystem>

#include "refdata/zip_extract.h"
#include "state/log.h"
#include "state/save_file.h"

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

}  // namespace

bool rebuildPasswordAccepted(const std::string& typed) { return typed == "qvjjQ"; }

void importReferenceData(Game& g, Player& p, ReferenceTables& t, ImportAction action, const BonusLists& lists,
                         const std::function<void(int)>& status) {
    const std::string& dir = g.programFolder;
    auto file = [&](const char* name) { return findFileNoCase(dir, name); };
    auto exists = [&](const char* name) {
        std::error_code ec;
        return fs::exists(file(name), ec);
    };

    if (isRebuild(action)) t.rebuildRequested = true;
    t.List_games.separator = '\t';

    // Every member the archive holds is unpacked; the names the import needs
    // are found on disk afterwards, whatever their letter case.
    const std::string archive = file(kDataArchiveName);
    if (fs::exists(archive)) {
        const ZipExtractResult unpacked = extractArchive(archive, dir);
        if (!unpacked.opened) writeLog("ERROR: " + std::string(kDataArchiveName) + " cannot be read: " + unpacked.openError);
        for (const std::string& w : unpacked.warnings) writeLog(w);
    } else {
        writeLog("WARNING: " + std::string(kDataArchiveName) + " is missing");
    }

    if (exists("cw2_cpus.csv")) t.List_cpus.load(file("cw2_cpus.csv"));

    if (exists("cw2_test_people.txt")) {
        t.list_people.load(file("cw2_test_people.txt"));
        t.list_people.setColCount(6);
        appendGeneratedPeople(t.list_people, g.rng);
    } else {
        p.messageBox("UnZip failure", "cw2_test_people.txt is missing", false);
    }

    const bool cached = !t.rebuildRequested && exists("cw2_text_conv.txt") &&
                        modificationTime(file("cw2_test_conv.txt")) < modificationTime(file("cw2_test.txt"));
    if (cached) {
        for (const ConversionFile& f : kConversionFiles) (t.*f.table).load(file(f.fileName));
        t.testEnabled = true;
        t.tablesFromCache = true;
    } else {
        t.List_games.load(file("cw2_test.txt"));
        t.List_platforms_release.load(file("platform_release.csv"));
        t.List_games.setColCount(9);
        t.List_Company.rows.clear();
        t.List_Company.setColCount(5);
        t.List_Company.setRowCount(2);
        t.tablesFromCache = false;
        convertCatalogue(t, g, lists, dir, status);
    }

    t.list_people.setCell(0, 0, "Name");
    t.list_people.setCell(1, 0, "Rank");
    for (const char* name : {"cw2_text_conv.txt", "cw2_test_people.txt", "cw2_test.txt", "cw2_platforms_conv.txt",
                             "cw2_ltds_conv.txt", "cw2_genre_conv.txt", "cw2_comp_conv.txt"}) {
        std::error_code ec;
        fs::remove(file(name), ec);
    }
    // Filling the mod lists after "New MOD" arrives with the mods.
}

}  // namespace cw
