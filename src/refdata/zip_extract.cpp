#include "refdata/zip_extract.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace cw {
namespace fs = std::filesystem;

std::string unsafeMemberName(const std::string& raw) {
    if (raw.empty()) return "has an empty name";
    if (raw.find('\0') != std::string::npos) return "has a NUL byte in its name";
    if (raw.find('\\') != std::string::npos) return "has a backslash path";
    if (raw[0] == '/') return "has an absolute path";
    if (raw.size() >= 2 && std::isalpha(static_cast<unsigned char>(raw[0])) && raw[1] == ':')
        return "names a drive";
    if (raw.find(':') != std::string::npos) return "has a colon in its name";
    for (const auto& part : fs::path(raw)) {
        if (part == "..") return "climbs out of the folder with \"..\"";
    }
    return {};
}

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The member names exactly as the central directory stores them. libzip
// hands names out as C strings and quietly mends some bytes (a NUL becomes a
// blank), so the safety checks read the directory themselves. Empty when the
// directory cannot be walked; the libzip names are used then.
std::vector<std::string> rawCentralNames(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 65535 + 22);
    std::string buf(static_cast<std::size_t>(tail), '\0');
    in.seekg(size - tail);
    in.read(buf.data(), tail);
    auto u16 = [](const std::string& b, std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
    };
    auto u32 = [&](const std::string& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; };
    std::size_t eocd = std::string::npos;
    for (std::size_t i = buf.size() >= 22 ? buf.size() - 22 + 1 : 0; i-- > 0;) {
        if (u32(buf, i) == 0x06054b50) {
            eocd = i;
            break;
        }
    }
    if (eocd == std::string::npos) return {};
    const std::uint32_t entries = u16(buf, eocd + 10);
    const std::uint32_t cdSize = u32(buf, eocd + 12);
    const std::uint32_t cdOffset = u32(buf, eocd + 16);
    if (static_cast<std::streamoff>(cdOffset) + cdSize > size) return {};
    std::string cd(cdSize, '\0');
    in.seekg(cdOffset);
    if (!in.read(cd.data(), cdSize)) return {};
    std::vector<std::string> names;
    std::size_t at = 0;
    for (std::uint32_t e = 0; e < entries; ++e) {
        if (at + 46 > cd.size() || u32(cd, at) != 0x02014b50) return {};
        const std::size_t nameLen = u16(cd, at + 28), extraLen = u16(cd, at + 30), commentLen = u16(cd, at + 32);
        if (at + 46 + nameLen > cd.size()) return {};
        names.push_back(cd.substr(at + 46, nameLen));
        at += 46 + nameLen + extraLen + commentLen;
    }
    return names;
}

}  // namespace

namespace {

std::string openErrorText(int err) {
    zip_error_t ze;
    zip_error_init_with_code(&ze, err);
    std::string text = zip_error_strerror(&ze);
    zip_error_fini(&ze);
    return text;
}

ZipExtractResult extract(const std::string& zipPath, const std::string& folder, const std::vector<std::string>* wanted,
                         const ZipLimits& limits) {
    ZipExtractResult result;
    std::error_code fec;
    // Opening a pipe or a device would wait for a writer or read forever.
    if (!fs::is_regular_file(zipPath, fec)) {
        result.openError = fs::exists(zipPath, fec) ? "not a regular file" : "no such file";
        return result;
    }
    int err = 0;
    zip_t* za = zip_open(zipPath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
    // The consistency check also refuses two members of exactly the same
    // name; such an archive is still readable member by member, and the
    // first of the two wins below.
    if (!za && err == ZIP_ER_EXISTS) za = zip_open(zipPath.c_str(), ZIP_RDONLY, &err);
    if (!za) {
        result.openError = openErrorText(err);
        return result;
    }
    result.opened = true;
    const std::vector<std::string> rawNames = rawCentralNames(zipPath);
    std::set<std::string> seen;
    std::uint64_t total = 0;
    std::vector<char> buffer(1 << 16);
    const zip_int64_t count = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* libName = zip_get_name(za, index, ZIP_FL_ENC_RAW);
        const std::string raw = rawNames.size() == static_cast<std::size_t>(count)
                                    ? rawNames[index]
                                    : std::string(libName ? libName : "");
        std::string outName = raw;  // the name written below the folder
        auto refuse = [&](const std::string& why) {
            std::string shown = raw;
            std::replace(shown.begin(), shown.end(), '\0', '?');
            result.warnings.push_back("WARNING: data archive member \"" + shown + "\" " + why + "; not unpacked");
        };
        if (const std::string why = unsafeMemberName(raw); !why.empty()) {
            refuse(why);
            continue;
        }
        if (wanted) {
            const auto match = std::find_if(wanted->begin(), wanted->end(),
                                            [&](const std::string& w) { return lower(w) == lower(raw); });
            if (match == wanted->end()) {
                refuse("is not a file the import reads");
                continue;
            }
            outName = *match;
        } else if (raw.back() == '/') {
            continue;  // a folder entry
        }
        if (!seen.insert(lower(raw)).second) {
            refuse("repeats an earlier member's name");
            continue;
        }
        auto refuseWanted = [&](const std::string& why) {
            refuse(why);
            if (wanted) result.brokenWanted.emplace(outName, why);
        };
        zip_stat_t st;
        zip_stat_init(&st);
        const zip_uint64_t packed = zip_stat_index(za, index, 0, &st) == 0 && (st.valid & ZIP_STAT_COMP_SIZE)
                                        ? st.comp_size
                                        : 0;
        zip_file_t* zf = zip_fopen_index(za, index, 0);
        if (!zf) {
            refuseWanted(std::string("cannot be read (") + zip_strerror(za) + ")");
            continue;
        }
        const fs::path target = fs::path(folder) / outName;
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        const std::string tmp = target.string() + ".part";
        std::FILE* out = std::fopen(tmp.c_str(), "wb");
        if (!out) {
            zip_fclose(zf);
            refuseWanted("cannot be written to " + target.string());
            continue;
        }
        std::uint64_t unpacked = 0;
        std::string why;
        while (true) {
            const zip_int64_t n = zip_fread(zf, buffer.data(), buffer.size());
            if (n < 0) {
                why = std::string("is damaged (") + zip_file_strerror(zf) + ")";
                break;
            }
            if (n == 0) break;
            unpacked += static_cast<std::uint64_t>(n);
            total += static_cast<std::uint64_t>(n);
            if (unpacked > limits.maxMemberBytes) {
                why = "unpacks to more than " + std::to_string(limits.maxMemberBytes) + " bytes";
                break;
            }
            if (total > limits.maxTotalBytes) {
                why = "makes the archive unpack to more than " + std::to_string(limits.maxTotalBytes) + " bytes";
                break;
            }
            if (unpacked > limits.ratioCheckFrom && unpacked / std::max<zip_uint64_t>(packed, 1) > limits.maxRatio) {
                why = "unpacks to over " + std::to_string(limits.maxRatio) + " times its packed size";
                break;
            }
            if (std::fwrite(buffer.data(), 1, static_cast<std::size_t>(n), out) != static_cast<std::size_t>(n)) {
                why = "cannot be written to " + target.string();
                break;
            }
        }
        zip_fclose(zf);
        const bool closed = std::fclose(out) == 0;
        if (why.empty() && !closed) why = "cannot be written to " + target.string();
        if (!why.empty()) {
            fs::remove(tmp, ec);
            refuseWanted(why);
            if (total > limits.maxTotalBytes) break;
            continue;
        }
        fs::rename(tmp, target, ec);
        if (ec) {
            fs::remove(tmp, ec);
            refuseWanted("cannot replace " + target.string());
            continue;
        }
        result.written.push_back(outName);
    }
    zip_discard(za);
    return result;
}

}  // namespace

ZipExtractResult extractArchive(const std::string& zipPath, const std::string& folder, const ZipLimits& limits) {
    return extract(zipPath, folder, nullptr, limits);
}

ZipExtractResult extractMembers(const std::string& zipPath, const std::string& folder,
                                const std::vector<std::string>& wanted, const ZipLimits& limits) {
    return extract(zipPath, folder, &wanted, limits);
}

}  // namespace cw
