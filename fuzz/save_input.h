// The save target's input: a few changes to a real save image instead of a
// whole 32 MB image, so that the fuzzer can work on it. Layout:
//   flags (u8)
//   flags & 3 == 1: the check file's text: length (u8), bytes
//   flags & 3 == 2: no check file;  otherwise: the image's correct one
//   flags & 4:  the image cut to a length (u32, modulo the image's size)
//   flags & 8:  the file named in capitals, opened by its lower-case name
//   flags & 16: the check file of an interrupted save waits beside it:
//               length (u8), bytes
//   flags & 32: patch offsets count from the World record
//   then patches to the end: offset (u32), length (u8, up to 64), bytes
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cw::fuzz {

struct SavePatch {
    std::uint32_t offset = 0;
    std::string bytes;
};

struct SaveInput {
    std::uint8_t flags = 0;
    std::string checkText;     // flags & 3 == 1
    std::uint32_t cutTo = 0;   // flags & 4
    std::string pendingCheck;  // flags & 16
    std::vector<SavePatch> patches;
};

inline std::string encodeSaveInput(const SaveInput& in) {
    std::string out(1, static_cast<char>(in.flags));
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto text = [&](const std::string& t) {
        out += static_cast<char>(t.size() & 0xFF);
        out += t.substr(0, 255);
    };
    if ((in.flags & 3) == 1) text(in.checkText);
    if (in.flags & 4) u32(in.cutTo);
    if (in.flags & 16) text(in.pendingCheck);
    for (const SavePatch& p : in.patches) {
        u32(p.offset);
        out += static_cast<char>(p.bytes.size());
        out += p.bytes;
    }
    return out;
}

}  // namespace cw::fuzz
