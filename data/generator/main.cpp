// cw_datagen: makes the game's reference data from our own word lists.
//
//   cw_datagen --words DIR --out DIR            the four archive members
//   cw_datagen --words DIR --write-lists FILE   the best-title lists as C++ source
//   cw_datagen --words DIR --stats              figures about the world it makes
//   cw_datagen --pack ZIP FILE...               a deflated archive of the files
//
// --out, --write-lists and --stats may be given together. The same sources
// always give the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive.h"
#include "bonus.h"
#include "catalogue.h"
#include "genres.h"
#include "names.h"
#include "people.h"
#include "platforms.h"
#include "processors.h"
#include "rng.h"
#include "words.h"

namespace {

using namespace datagen;

constexpr std::uint64_t kSeed = 0x43726573747732ULL;
constexpr int kPeople = 3200;

int usage() {
    std::cerr << "usage: cw_datagen --words DIR [--out DIR] [--write-lists FILE] [--stats]\n"
                 "       cw_datagen --pack ZIP FILE...\n";
    return 2;
}

bool writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

void printStats(const Catalogue& cat, const std::string& people, const std::string& cpus) {
    const auto& table = platformTable();
    std::map<int, int> rows, entries;
    std::map<std::string, int> combos;
    std::vector<int> perPlatform(table.size(), 0);
    std::map<int, int> companyGames, companyFirst, companyLast;
    int blankCompany = 0;
    for (const auto& r : cat.rows) {
        rows[r.year]++;
        entries[r.year] += static_cast<int>(r.platforms.size());
        for (int p : r.platforms) perPlatform[static_cast<std::size_t>(p)]++;
        std::string code = r.genreBlank ? std::string(genreName(Puzzle)) : std::string(genreName(r.genre));
        if (r.secondary && !r.genreBlank) code += std::string(",") + genreName(r.secondary);
        combos[code]++;
        if (r.company < 0) {
            ++blankCompany;
            continue;
        }
        int& g = companyGames[r.company];
        if (g++ == 0) companyFirst[r.company] = companyLast[r.company] = r.year;
        companyFirst[r.company] = std::min(companyFirst[r.company], r.year);
        companyLast[r.company] = std::max(companyLast[r.company], r.year);
    }
    int inSeries = 0;
    for (const auto& r : cat.rows)
        if (r.franchise >= 0 && cat.franchises[static_cast<std::size_t>(r.franchise)].entries > 1) ++inSeries;
    int large = 0;
    for (const auto& [c, g] : companyGames)
        if (passesLargeTest(g, companyFirst[c], companyLast[c])) ++large;

    std::printf("titles %zu, companies %zu (large %d), rows without company %d, series %zu, games in a series %d\n",
                cat.rows.size(), companyGames.size(), large, blankCompany, cat.franchises.size(), inSeries);
    std::printf("year  titles  platform entries\n");
    for (const auto& [y, n] : rows) std::printf("%d  %6d  %6d\n", y, n, entries[y]);
    std::printf("platforms %zu\n", table.size());
    for (std::size_t p = 0; p < table.size(); ++p) std::printf("  %-22s %5d\n", table[p].name, perPlatform[p]);
    std::printf("genre combinations %zu\n", combos.size());
    for (const auto& [code, n] : combos) std::printf("  %-40s %5d\n", code.c_str(), n);
    int peopleRows = 0, cpuRows = -1;
    for (char c : people) peopleRows += c == '\n';
    for (char c : cpus) cpuRows += c == '\n';
    std::printf("people %d, processors %d\n", peopleRows, cpuRows);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();

    if (args[0] == "--pack") {
        if (args.size() < 3) return usage();
        std::string error;
        if (!writeArchive(args[1], std::vector<std::string>(args.begin() + 2, args.end()), error)) {
            std::cerr << "cw_datagen: " << error << "\n";
            return 1;
        }
        return 0;
    }

    std::string wordsDir, outDir, listsFile;
    bool stats = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--words" && i + 1 < args.size())
            wordsDir = args[++i];
        else if (args[i] == "--out" && i + 1 < args.size())
            outDir = args[++i];
        else if (args[i] == "--write-lists" && i + 1 < args.size())
            listsFile = args[++i];
        else if (args[i] == "--stats")
            stats = true;
        else
            return usage();
    }
    if (wordsDir.empty() || (outDir.empty() && listsFile.empty() && !stats)) return usage();

    try {
        WordBank words;
        std::string error;
        if (!words.load(wordsDir, error)) {
            std::cerr << "cw_datagen: " << error << "\n";
            return 1;
        }
        NameSource names(words);
        Rng root(kSeed);
        Catalogue cat = buildCatalogue(words, names, root.fork("catalogue"));
        std::string people = peopleText(names, root.fork("people"), kPeople);
        std::string cpus = processorText(root.fork("processors"));

        if (!outDir.empty()) {
            std::filesystem::create_directories(outDir);
            const std::filesystem::path dir(outDir);
            if (!writeFile(dir / "cw2_test.txt", catalogueText(cat)) ||
                !writeFile(dir / "cw2_test_people.txt", people) || !writeFile(dir / "cw2_cpus.csv", cpus) ||
                !writeFile(dir / "platform_release.csv", platformReleaseText())) {
                std::cerr << "cw_datagen: cannot write into " << outDir << "\n";
                return 1;
            }
        }
        if (!listsFile.empty()) {
            BonusLists lists = chooseBonusLists(cat, root.fork("bonus"));
            if (!writeFile(listsFile, bonusListsSource(lists))) {
                std::cerr << "cw_datagen: cannot write " << listsFile << "\n";
                return 1;
            }
        }
        if (stats) printStats(cat, people, cpus);
    } catch (const std::exception& e) {
        std::cerr << "cw_datagen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
