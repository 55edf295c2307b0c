// A saved game of the nineties, changed by the fuzzer, loaded the way "Load
// game" loads it (the import, the set-up, the tables, the inbox and the
// week every load plays) and then played one week more. The base game has
// a game in development, released games and engines, staff and a market, so
// the week's arithmetic runs on all of them. Whatever the changes, nothing
// crashes and the cash stays within its bound. A loaded game need not stay
// loadable: a value at the top of a load range may step past it in a week.
//
// Input: flags (u8), then patches to the end: offset (u32), length (u8, up
// to 64), bytes. Bits 5..7 of the flags pick the table the offsets count
// in: the whole image, the World record, the tasks, the platforms, the
// people, the genres, the companies or the game titles.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fakes/recording_player.h"
#include "setup/load_game.h"
#include "setup/new_game.h"
#include "sim/game_clock.h"
#include "state/game.h"
#include "state/money.h"
#include "state/save_file.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using cw::fuzz::check;

struct Base {
    std::string folder;
    std::string image;
    Base() {
        const std::string from = cw::fuzz::base1990sFolder();
        folder = cw::fuzz::freshFolder("week");
        fs::copy_file(fs::path(from) / "data.zip", fs::path(folder) / "data.zip");
        fs::create_directories(fs::path(folder) / cw::kSaveFolderName);
        image = cw::fuzz::readFile((fs::path(from) / cw::kSaveFolderName / "base90s.sav").string());
        check(image.size() == cw::kSaveImageSize, "the nineties base save has the wrong length");
    }
};

struct Region {
    std::size_t at, size;
};

Region region(int which) {
    switch (which) {
    case 1: return {offsetof(cw::SaveImage, world), sizeof(cw::World)};
    case 2: return {offsetof(cw::SaveImage, tasks), sizeof(cw::SaveImage::tasks)};
    case 3: return {offsetof(cw::SaveImage, platforms), sizeof(cw::SaveImage::platforms)};
    case 4: return {offsetof(cw::SaveImage, people), sizeof(cw::SaveImage::people)};
    case 5: return {offsetof(cw::SaveImage, genres), sizeof(cw::SaveImage::genres)};
    case 6: return {offsetof(cw::SaveImage, companies), sizeof(cw::SaveImage::companies)};
    case 7: return {offsetof(cw::SaveImage, gameTitles), sizeof(cw::SaveImage::gameTitles)};
    default: return {0, cw::kSaveImageSize};
    }
}

void checkWeek(const cw::Game& g, const char* when) {
    const std::int32_t cash = g.world().money;
    check(cash >= -cw::kCashLimit && cash <= cw::kCashLimit, std::string("the cash passed its bound ") + when);
    check(g.currentWeek >= 1 && g.currentWeek <= 52, std::string("the week is no week ") + when);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Base base;
    cw::fuzz::Bytes in(data, size);
    const std::uint8_t flags = in.u8();
    const Region r = region((flags >> 5) & 7);
    std::string image = base.image;
    while (in.left() >= 5) {
        const std::size_t at = r.at + in.u32() % r.size;
        const std::size_t n = in.u8() % 65;
        const std::string_view bytes = in.take(n);
        image.replace(at, std::min(bytes.size(), image.size() - at), bytes.substr(0, image.size() - at));
    }
    const fs::path saves = fs::path(base.folder) / cw::kSaveFolderName;
    cw::fuzz::writeFile((saves / "fuzz.sav").string(), image);
    cw::fuzz::writeFile((saves / "fuzz.sav.tem").string(), cw::fuzz::saveCheckText(image));

    // A fresh game and tables each time, as a program that has just started.
    cw::Game g;
    g.programFolder = base.folder;
    g.rng.fixedSeed = 1990;
    g.session.chosenSaveFile = "fuzz.sav";
    cw::test::RecordingPlayer p;
    cw::ReferenceTables ref;
    const cw::NewGameOptions options;
    const bool loaded = cw::loadChosenGame(
        g, p, [&] { return cw::beginNewGame(g, p, ref, options); }, [&] { cw::finishNewGame(g, p, options); });
    if (!loaded) return 0;
    checkWeek(g, "in the week of the load");
    if (!g.gameOver) {
        cw::nextWeek(g, p);
        checkWeek(g, "in the week after the load");
    }
    return 0;
}
