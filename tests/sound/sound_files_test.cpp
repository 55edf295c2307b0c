// The generated music and effects in snd/ of the game folder, and the
// generator's own check that refuses a file nobody can hear.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSnd = fs::path(CW_GAME_DIR_FOR_TESTS) / "snd";

std::uint32_t u32(const std::string& s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}
std::uint16_t u16(const std::string& s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1]) << 8);
}

// Seconds of a mono 22,050 Hz 16-bit PCM WAV; -1 for any other file.
double wavSeconds(const fs::path& file) {
    std::ifstream f(file, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 8, "WAVEfmt ") != 0) return -1;
    if (u16(s, 20) != 1 || u16(s, 22) != 1 || u32(s, 24) != 22050 || u16(s, 34) != 16) return -1;
    if (s.compare(36, 4, "data") != 0 || u32(s, 40) != s.size() - 44 || u32(s, 4) != s.size() - 8) return -1;
    return u32(s, 40) / 2.0 / 22050;
}

int check(const fs::path& file, double minSeconds) {
    const std::string cmd = std::string(CW_SOUNDGEN_EXE) + " --check '" + file.string() +
                            "' --min-seconds " + std::to_string(minSeconds) + " 2>/dev/null";
    return std::system(cmd.c_str());
}

void writeWav(const fs::path& file, const std::vector<std::int16_t>& samples) {
    std::string out = "RIFF";
    auto put32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [&out](std::uint16_t v) {
        out.push_back(static_cast<char>(v));
        out.push_back(static_cast<char>(v >> 8));
    };
    put32(static_cast<std::uint32_t>(36 + samples.size() * 2));
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    out += "data";
    put32(static_cast<std::uint32_t>(samples.size() * 2));
    for (std::int16_t v : samples) put16(static_cast<std::uint16_t>(v));
    std::ofstream(file, std::ios::binary) << out;
}

TEST(SoundFiles, SixTunesOfAMinuteAndEveryEffectArePlayableWavs) {
    std::uintmax_t total = 0;
    for (const char* era : {"1980s", "1990s", "2000s"})
        for (int n = 1; n <= 2; ++n) {
            const fs::path f = kSnd / ("music-" + std::string(era) + "-" + std::to_string(n) + ".wav");
            EXPECT_GE(wavSeconds(f), 60.0) << f;
            EXPECT_EQ(check(f, 60), 0) << f;
            total += fs::file_size(f);
        }
    for (const char* fx : {"letter", "game-finished", "code-bug", "hire", "release", "cash-negative", "awards",
                           "game-end", "click"}) {
        const fs::path f = kSnd / (std::string(fx) + ".wav");
        const double seconds = wavSeconds(f);
        EXPECT_GT(seconds, 0.04) << f;
        EXPECT_LT(seconds, 6.0) << f;  // an effect must not outlast its moment
        EXPECT_EQ(check(f, 0), 0) << f;
        total += fs::file_size(f);
    }
    EXPECT_LT(total, 25u * 1024 * 1024);
}

TEST(SoundFiles, TheCheckRefusesSilenceAShortTuneAndABrokenHeader) {
    const fs::path dir = fs::temp_directory_path() / "cw_sound_check";
    fs::create_directories(dir);
    const fs::path silent = dir / "silent.wav";
    writeWav(silent, std::vector<std::int16_t>(22050 * 2, 0));
    EXPECT_NE(check(silent, 1), 0);
    std::vector<std::int16_t> tone(22050 * 2);
    for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = (i / 25) % 2 ? 9000 : -9000;
    const fs::path loud = dir / "tone.wav";
    writeWav(loud, tone);
    EXPECT_EQ(check(loud, 1), 0);
    EXPECT_NE(check(loud, 60), 0);  // two seconds are no tune
    EXPECT_NEAR(wavSeconds(loud), 2.0, 1e-9);
    // Cut short: the header promises more than the file holds.
    fs::resize_file(loud, fs::file_size(loud) - 100);
    EXPECT_NE(check(loud, 1), 0);
    fs::remove_all(dir);
}

}  // namespace
