// A saved game as the load screen and a load see it: the image and its check
// file, made from a real save with the fuzzer's changes. A refused file
// leaves the running game as it was; an accepted one is the running game
// byte for byte afterwards and saves again to the very same bytes.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/recording_player.h"
#include "save_input.h"
#include "setup/load_game.h"
#include "state/game.h"
#include "state/save_file.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using cw::fuzz::check;

struct Running {
    cw::Game g;
    std::vector<unsigned char> base;
    Running() : base(cw::fuzz::baseSave()) {
        if (base.size() != cw::kSaveImageSize) cw::fuzz::fail("the base save has the wrong length");
    }
    void restore() {
        std::memcpy(g.imageBytes(), base.data(), base.size());
        g.currentYear = 1990;
        g.currentWeek = 17;
        g.inbox.reset();
    }
    bool untouched() const {
        return g.currentYear == 1990 && g.currentWeek == 17 &&
               std::memcmp(g.imageBytes(), base.data(), base.size()) == 0;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Running run;
    cw::Game& g = run.g;
    run.restore();

    cw::fuzz::Bytes in(data, size);
    const std::uint8_t flags = in.u8();
    std::string image(reinterpret_cast<const char*>(run.base.data()), run.base.size());
    std::string givenCheck, pending;
    if ((flags & 3) == 1) givenCheck = std::string(in.take(in.u8()));
    const std::uint32_t cutTo = (flags & 4) ? in.u32() : 0;
    if (flags & 16) pending = std::string(in.take(in.u8()));
    const std::size_t worldAt = offsetof(cw::SaveImage, world);
    while (in.left() >= 5) {
        std::size_t at = in.u32();
        const std::size_t n = in.u8() % 65;
        const std::string_view bytes = in.take(n);
        at = (flags & 32) ? worldAt + at % sizeof(cw::World) : at % image.size();
        image.replace(at, std::min(bytes.size(), image.size() - at), bytes.substr(0, image.size() - at));
    }
    if (flags & 4) image.resize(cutTo % image.size());

    g.programFolder = cw::fuzz::freshFolder("save");
    const fs::path folder = fs::path(g.programFolder) / cw::kSaveFolderName;
    fs::create_directories(folder);
    const std::string name = "fuzz.sav";
    const std::string onDisk = (flags & 8) ? "FUZZ.SAV" : name;
    cw::fuzz::writeFile((folder / onDisk).string(), image);
    if ((flags & 3) == 1) cw::fuzz::writeFile((folder / (onDisk + ".tem")).string(), givenCheck);
    else if ((flags & 3) != 2) cw::fuzz::writeFile((folder / (onDisk + ".tem")).string(), cw::fuzz::saveCheckText(image));
    if (flags & 16) cw::fuzz::writeFile((folder / (onDisk + ".tem.new")).string(), pending);

    // The load screen: the list, each entry's date and summary.
    const std::vector<std::string> listed = cw::listSaveFiles(g);
    check(listed.size() == 1, "the save is not listed once");
    (void)cw::annotateSaveEntry(g, listed[0]);
    (void)cw::saveSummaryText(cw::readSaveSummary(g, name));
    check(run.untouched(), "the load screen changed the running game");

    cw::test::RecordingPlayer p;
    if (cw::checkSaveFile(g, name)) {
        check(run.untouched(), "a refused save changed the running game");
        return 0;
    }
    if (const std::string why = cw::loadSaveImage(g, name, p); !why.empty()) {
        check(run.untouched(), "a save that failed to load changed the running game: " + why);
        return 0;
    }
    check(image.size() == cw::kSaveImageSize && std::memcmp(g.imageBytes(), image.data(), image.size()) == 0,
          "the loaded game is not the save file's image");
    check(g.currentYear == g.world().savedYear && g.currentWeek == g.world().savedWeek,
          "the loaded game's date is not the saved one");

    const std::string why = cw::writeSaveFiles(g, "again.sav");
    check(why.empty(), "a loaded game cannot be saved: " + why);
    check(cw::fuzz::readFile((folder / "again.sav").string()) == image, "a loaded game saves to other bytes");
    check(!cw::checkSaveFile(g, "again.sav"), "a game saved again is refused");
    return 0;
}
