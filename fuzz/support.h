// What every fuzz target shares: a private scratch folder for the readers
// that take a path, file helpers, the failure report, and the real save
// image the save target patches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw::fuzz {

// A folder of this process's own, removed when the process ends.
const std::string& scratchFolder();
// scratchFolder()/name, emptied (created when missing).
std::string freshFolder(const std::string& name);

void writeFile(const std::string& path, std::string_view bytes);
std::string readFile(const std::string& path);

// Reports a broken property of the reader and aborts, so that libFuzzer
// keeps the input and the replay test fails.
[[noreturn]] void fail(const std::string& what);
inline void check(bool holds, const std::string& what) {
    if (!holds) fail(what);
}

// The bytes of a real saved game: the one the build played from data.zip,
// or the file $CW_FUZZ_BASE_SAVE names.
const std::vector<unsigned char>& baseSave();
// The folder of the nineties game the week target plays on: its data.zip
// and savegame/base90s.sav ($CW_FUZZ_BASE_90S_DIR names another).
const std::string& base1990sFolder();

// The check file (".tem") the game writes beside a save of `image`.
std::string saveCheckText(const std::string& image);

// Reads the input from the front: the fuzzer's bytes as a stream of small
// values, zero once they are used up.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : p_(data), left_(size) {}
    std::uint8_t u8() { return left_ ? (--left_, *p_++) : 0; }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(u8()) << (8 * i);
        return v;
    }
    std::string_view take(std::size_t n) {
        n = n < left_ ? n : left_;
        std::string_view out(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        left_ -= n;
        return out;
    }
    std::string_view rest() { return take(left_); }
    std::size_t left() const { return left_; }

private:
    const std::uint8_t* p_;
    std::size_t left_;
};

}  // namespace cw::fuzz
