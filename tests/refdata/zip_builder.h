// Builds ZIP archives byte by byte for tests, including the malformed and
// hostile ones no ordinary archiver would write.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace cw::test {

struct ZipMember {
    std::string name;  // may hold NUL bytes, "..", backslashes
    std::string data;
    bool deflate = false;
    std::int64_t claimedSize = -1;  // a lie about the unpacked size, when >= 0
};

inline std::string deflateRaw(const std::string& in) {
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&zs, static_cast<uLong>(in.size())) + 16, '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    zs.avail_in = static_cast<uInt>(in.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

inline void writeZip(const std::string& path, const std::vector<ZipMember>& members) {
    std::string out, central;
    auto u16 = [](std::string& s, unsigned v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>((v >> 8) & 0xFF);
    };
    auto u32 = [](std::string& s, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    for (const ZipMember& m : members) {
        const std::string packed = m.deflate ? deflateRaw(m.data) : m.data;
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(m.data.data()), static_cast<uInt>(m.data.size())));
        const auto usize = static_cast<std::uint32_t>(m.claimedSize >= 0 ? m.claimedSize : std::int64_t(m.data.size()));
        const auto offset = static_cast<std::uint32_t>(out.size());
        u32(out, 0x04034b50);
        u16(out, 20);
        u16(out, 0);
        u16(out, m.deflate ? 8 : 0);
        u16(out, 0);
        u16(out, 0x21);
        u32(out, crc);
        u32(out, static_cast<std::uint32_t>(packed.size()));
        u32(out, usize);
        u16(out, static_cast<unsigned>(m.name.size()));
        u16(out, 0);
        out += m.name;
        out += packed;

        u32(central, 0x02014b50);
        u16(central, 20);
        u16(central, 20);
        u16(central, 0);
        u16(central, m.deflate ? 8 : 0);
        u16(central, 0);
        u16(central, 0x21);
        u32(central, crc);
        u32(central, static_cast<std::uint32_t>(packed.size()));
        u32(central, usize);
        u16(central, static_cast<unsigned>(m.name.size()));
        u16(central, 0);
        u16(central, 0);
        u16(central, 0);
        u16(central, 0);
        u32(central, 0);
        u32(central, offset);
        central += m.name;
    }
    const auto cdOffset = static_cast<std::uint32_t>(out.size());
    out += central;
    u32(out, 0x06054b50);
    u16(out, 0);
    u16(out, 0);
    u16(out, static_cast<unsigned>(members.size()));
    u16(out, static_cast<unsigned>(members.size()));
    u32(out, static_cast<std::uint32_t>(central.size()));
    u32(out, cdOffset);
    u16(out, 0);
    std::ofstream(path, std::ios::binary) << out;
}

}  // namespace cw::test
