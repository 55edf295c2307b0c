// "hs.tmp", the highest score: any file reads as a score of 0 or more, and
// the score read is the score the file's first line decodes to and
// encodes back to a file that reads the same.
#include <cstdint>
#include <filesystem>
#include <string>

#include "setup/new_game.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = cw::fuzz::freshFolder("hs");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The name in another letter case: the game finds it all the same.
    const char* name = size > 0 && (data[0] & 1) ? "HS.TMP" : "hs.tmp";
    cw::fuzz::writeFile((std::filesystem::path(folder) / name).string(), bytes);
    const int score = cw::readHighScore(folder);
    cw::fuzz::check(score >= 0, "a negative high score");

    std::string first = bytes.substr(0, bytes.find('\n'));
    if (!first.empty() && first.back() == '\r') first.pop_back();
    cw::fuzz::check(cw::decodeHighScore(first) == score, "the file reads otherwise than its first line decodes");

    cw::fuzz::writeFile((std::filesystem::path(folder) / name).string(), cw::encodeHighScore(score) + "\r\n");
    cw::fuzz::check(cw::readHighScore(folder) == score, "a written high score reads back otherwise");
    return 0;
}
