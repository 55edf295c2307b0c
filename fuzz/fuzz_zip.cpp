// Unpacking the data archive: whatever the archive holds, nothing is written
// outside the target folder, no half-written member is left behind, every
// member reported as written is there, and the size limits hold.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "refdata/import.h"
#include "refdata/zip_extract.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    cw::fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.u8();
    const std::string root = cw::fuzz::freshFolder("zip");
    const fs::path archive = fs::path(root) / "data.zip";
    const fs::path out = fs::path(root) / "out";
    cw::fuzz::writeFile(archive.string(), std::string(in.rest()));
    fs::create_directories(out);

    // Small limits, so that the fuzzer reaches them with small inputs.
    cw::ZipLimits limits;
    limits.maxMemberBytes = 256 << 10;
    limits.maxTotalBytes = 512 << 10;
    limits.ratioCheckFrom = 16 << 10;
    limits.maxRatio = 50;
    const bool wantedOnly = mode & 1;
    const auto& wanted = cw::importedMemberNames();
    const cw::ZipExtractResult r = wantedOnly ? cw::extractMembers(archive.string(), out.string(), wanted, limits)
                                              : cw::extractArchive(archive.string(), out.string(), limits);
    if (!r.opened) cw::fuzz::check(r.written.empty() && !r.openError.empty(), "an unopened archive wrote members");

    std::error_code ec;
    for (const auto& e : fs::directory_iterator(root, ec))
        cw::fuzz::check(e.path() == archive || e.path() == out, "written outside the folder: " + e.path().string());
    std::uint64_t total = 0;
    std::size_t files = 0;
    for (auto it = fs::recursive_directory_iterator(out, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const fs::directory_entry& e = *it;
        cw::fuzz::check(!e.is_symlink(ec), "a member became a link: " + e.path().string());
        if (e.is_directory(ec)) continue;
        cw::fuzz::check(e.is_regular_file(ec), "a member is not a plain file: " + e.path().string());
        const std::string name = e.path().filename().string();
        const std::string relative = e.path().lexically_relative(out).generic_string();
        // A member may itself be called "x.part"; any other such file is a
        // half-written one left behind.
        const bool part = name.size() >= 5 && name.substr(name.size() - 5) == ".part";
        cw::fuzz::check(!part || std::find(r.written.begin(), r.written.end(), relative) != r.written.end(),
                        "a half-written member is left: " + relative);
        const std::uint64_t bytes = fs::file_size(e.path(), ec);
        cw::fuzz::check(bytes <= limits.maxMemberBytes, "a member beyond the member limit: " + name);
        total += bytes;
        ++files;
    }
    cw::fuzz::check(total <= limits.maxTotalBytes, "the archive unpacked beyond its limit");
    cw::fuzz::check(files <= r.written.size(), "more files than members reported written");
    for (const std::string& name : r.written) {
        cw::fuzz::check(fs::is_regular_file(out / name, ec), "a member reported written is missing: " + name);
        if (wantedOnly)
            cw::fuzz::check(std::find(wanted.begin(), wanted.end(), name) != wanted.end(),
                            "a member the import does not read was written: " + name);
    }
    return 0;
}
