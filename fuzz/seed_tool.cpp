// Writes the structured seeds of the save target for make_corpus.sh: the
// real save unchanged and with the check file, date, names and money of its
// World record damaged in the ways a hand-edited or broken file is.
//   fuzz_seed_tool save OUTDIR CHECKFILE
//   fuzz_seed_tool highscore OUTDIR SCORE...
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "save_input.h"
#include "setup/new_game.h"
#include "state/world.h"
#include "support.h"

namespace {

using cw::fuzz::SaveInput;
using cw::fuzz::SavePatch;

template <typename T>
std::string bytesOf(T v) {
    std::string s(sizeof v, '\0');
    std::memcpy(s.data(), &v, sizeof v);
    return s;
}

SavePatch worldPatch(std::size_t offset, std::string bytes) {
    return SavePatch{static_cast<std::uint32_t>(offset), std::move(bytes)};
}

int writeSaveSeeds(const std::string& dir, const std::string& checkFile) {
    const std::string realCheck = cw::fuzz::readFile(checkFile);
    int n = 0;
    auto put = [&](const std::string& name, const SaveInput& in) {
        cw::fuzz::writeFile(dir + "/" + name, cw::fuzz::encodeSaveInput(in));
        ++n;
    };
    constexpr std::uint8_t kCorrect = 0, kGiven = 1, kMissing = 2, kCut = 4, kCaps = 8, kPending = 16, kWorld = 32;
    put("unchanged", SaveInput{kCorrect, {}, 0, {}, {}});
    put("real-check-file", SaveInput{kGiven, realCheck, 0, {}, {}});
    put("no-check-file", SaveInput{kMissing, {}, 0, {}, {}});
    put("check-file-of-another", SaveInput{kGiven, "0\r\n12345\r\n##1###4###9###0\r\n", 0, {}, {}});
    put("capital-name", SaveInput{kCaps, {}, 0, {}, {}});
    put("cut-short", SaveInput{kCut, {}, 32744711, {}, {}});
    put("interrupted-save", SaveInput{kMissing | kPending, {}, 0, realCheck, {}});
    put("changed-behind-check", SaveInput{kGiven, realCheck, 0, {}, {{1000, "XYZ"}}});
    const std::size_t year = offsetof(cw::World, savedYear), week = offsetof(cw::World, savedWeek);
    for (int y : {1979, 1980, 2015, 2016, std::numeric_limits<int>::max()})
        put("year-" + std::to_string(y), SaveInput{kWorld, {}, 0, {}, {worldPatch(year, bytesOf<std::int32_t>(y))}});
    for (int w : {0, 1, 52, 53, 255})
        put("week-" + std::to_string(w),
            SaveInput{kWorld, {}, 0, {}, {worldPatch(week, bytesOf<std::uint8_t>(static_cast<std::uint8_t>(w)))}});
    put("long-names", SaveInput{kWorld, {}, 0, {},
                                {worldPatch(offsetof(cw::World, companyName), std::string(1, '\xff')),
                                 worldPatch(offsetof(cw::World, playerName), std::string(1, '\x1f'))}});
    put("least-money", SaveInput{kWorld, {}, 0, {},
                                 {worldPatch(offsetof(cw::World, money),
                                             bytesOf<std::int32_t>(std::numeric_limits<std::int32_t>::min()))}});
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_seed_tool save OUTDIR CHECKFILE | highscore OUTDIR SCORE...\n");
        return 2;
    }
    const std::string kind = argv[1], dir = argv[2];
    std::filesystem::create_directories(dir);
    int n = 0;
    if (kind == "save" && argc == 4) {
        n = writeSaveSeeds(dir, argv[3]);
    } else if (kind == "highscore") {
        for (int i = 3; i < argc; ++i, ++n)
            cw::fuzz::writeFile(dir + "/score-" + argv[i], cw::encodeHighScore(std::stoi(argv[i])) + "\r\n");
    } else {
        std::fprintf(stderr, "unknown seed kind %s\n", kind.c_str());
        return 2;
    }
    std::printf("%d seeds in %s\n", n, dir.c_str());
    return 0;
}
