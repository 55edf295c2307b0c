#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <zlib.h>

#include "state/save_file.h"

namespace cw::fuzz {
namespace fs = std::filesystem;

namespace {

std::string makeScratch() {
    // Memory-backed when the machine has it: the save target writes a whole
    // save image on every run.
    std::string base = "/dev/shm";
    std::error_code ec;
    if (!fs::is_directory(base, ec)) {
        const char* tmp = std::getenv("TMPDIR");
        base = tmp && *tmp ? tmp : "/tmp";
    }
    std::string pattern = base + "/crestwork-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        pattern = (fs::temp_directory_path() / "crestwork-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) fail("no scratch folder can be made");
    }
    return pattern;
}

struct Scratch {
    std::string path = makeScratch();
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace

const std::string& scratchFolder() {
    static Scratch scratch;
    return scratch.path;
}

std::string freshFolder(const std::string& name) {
    const fs::path p = fs::path(scratchFolder()) / name;
    std::error_code ec;
    fs::remove_all(p, ec);
    fs::create_directories(p, ec);
    if (ec) fail("cannot make " + p.string());
    return p.string();
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fail("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::vector<unsigned char>& baseSave() {
    static const std::vector<unsigned char> image = [] {
        const char* given = std::getenv("CW_FUZZ_BASE_SAVE");
        const std::string path = given && *given ? given : CW_FUZZ_BASE_SAVE;
        const std::string bytes = readFile(path);
        if (bytes.empty()) fail("cannot read the base save " + path + " (build the target cw_fuzz_base)");
        return std::vector<unsigned char>(bytes.begin(), bytes.end());
    }();
    return image;
}

const std::string& base1990sFolder() {
    static const std::string folder = [] {
        const char* given = std::getenv("CW_FUZZ_BASE_90S_DIR");
        const std::string path = given && *given ? given : CW_FUZZ_BASE_90S_DIR;
        if (!fs::exists(fs::path(path) / "savegame" / "base90s.sav") || !fs::exists(fs::path(path) / "data.zip"))
            fail("no nineties base game in " + path + " (build the target cw_fuzz_base)");
        return path;
    }();
    return folder;
}

std::string saveCheckText(const std::string& image) {
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(image.data()),
                            static_cast<uInt>(image.size()));
    return "0\r\n" + std::to_string(crc) + "\r\n" + cw::formatSaveLength(static_cast<std::int64_t>(image.size())) +
           "\r\n";
}

}  // namespace cw::fuzz
