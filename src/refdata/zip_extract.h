// Unpacking the data archive. Archives come from outside the program, so
// every member is checked before anything is written: a bad member is
// skipped with a warning and the rest are still unpacked.
#pragma once

#include <cstdint>
#include <map>
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
    std::vector<std::string> written;   // names written, as the folder now holds them
    std::vector<std::string> warnings;  // one line per member refused
    // For extractMembers: a wanted name whose member was there but could not
    // be unpacked, and why ("is damaged (CRC error)").
    std::map<std::string, std::string> brokenWanted;
};

// Unpacks every acceptable member of `zipPath` into `folder`, replacing
// files of the same name.
ZipExtractResult extractArchive(const std::string& zipPath, const std::string& folder, const ZipLimits& limits = {});

// Unpacks only the members named in `wanted`, matched without regard to
// letter case and written under the spelling `wanted` gives; every other
// member is skipped with a warning. Of two members with the same name the
// first one wins.
ZipExtractResult extractMembers(const std::string& zipPath, const std::string& folder,
                                const std::vector<std::string>& wanted, const ZipLimits& limits = {});

// Why a member name may not be written below the target folder; empty when
// it may.
std::string unsafeMemberName(const std::string& rawName);

}  // namespace cw
