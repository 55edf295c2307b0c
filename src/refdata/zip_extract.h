// Unpacking the data archive. Archives come from outside the program, so
// every member is checked before anything is written: a bad member is
// skipped with a warning and the rest are still unpacked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cw {

struct ZipLimits {
    std::uint64_t maxMemberBytes = 64ull << 20;   // bytes really unpacked from one member
    std::uint64_t maxTotalBytes = 256ull << 20;   // from the whole archive
    std::uint64_t ratioCheckFrom = 1ull << 20;    // small members may compress very well
    std::uint64_t maxRatio = 200;                 // unpacked : packed
};

struct ZipExtractResult {
    bool opened = false;                // a readable ZIP archive
    std::string openError;              // why not
    std::vector<std::string> written;   // member names written
    std::vector<std::string> warnings;  // one line per member refused
};

// Unpacks every acceptable member of `zipPath` into `folder`, replacing
// files of the same name.
ZipExtractResult extractArchive(const std::string& zipPath, const std::string& folder, const ZipLimits& limits = {});

// Why a member name may not be written below the target folder; empty when
// it may.
std::string unsafeMemberName(const std::string& rawName);

}  // namespace cw
