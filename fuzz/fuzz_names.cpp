// "Namstart.txt", the names of the last game: any file gives two names no
// longer than the screen allows, the tutor stays off, and the names written
// back read the same.
#include <cstdint>
#include <filesystem>
#include <string>

#include "setup/new_game.h"
#include "state/game.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = cw::fuzz::freshFolder("names");
    cw::fuzz::writeFile((std::filesystem::path(folder) / "Namstart.txt").string(),
                        std::string(reinterpret_cast<const char*>(data), size));
    cw::NewGameOptions o;
    cw::readNamesFile(folder, o);
    cw::fuzz::check(!o.tutor, "the tutor is on although the file is there");
    cw::fuzz::check(o.playerName.size() <= cw::kMaxNewGameName && o.companyName.size() <= cw::kMaxNewGameName,
                    "a name longer than the screen allows");
    (void)cw::checkNewGameOptions(o);
    (void)cw::startupScore(o);

    // A name holding a line break cannot come out of a file of lines.
    const auto plain = [](const std::string& s) { return s.find_first_of("\r\n") == std::string::npos; };
    if (!plain(o.playerName) || !plain(o.companyName)) return 0;
    static cw::Game g;
    g.programFolder = folder;
    cw::writeNamesFile(g, o);
    cw::NewGameOptions back;
    cw::readNamesFile(folder, back);
    cw::fuzz::check(back.playerName == o.playerName && back.companyName == o.companyName,
                    "names written back read otherwise");
    return 0;
}
