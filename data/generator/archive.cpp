#include "archive.h"

#include <zip.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace datagen {

namespace {

// Noon on the last day of the catalogue, UTC: every member gets it instead
// of the time of the build.
constexpr std::time_t kMemberTime = 1136030400;

}  // namespace

bool writeArchive(const std::string& zipPath, const std::vector<std::string>& files, std::string& error) {
    namespace fs = std::filesystem;
    // libzip turns the member time into the local time of the machine; fix
    // the zone so that the bytes do not depend on where the build runs.
    setenv("TZ", "UTC0", 1);
    tzset();

    std::vector<std::string> contents;
    contents.reserve(files.size());
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        if (!in) {
            error = "cannot read " + f;
            return false;
        }
        std::ostringstream ss;
        ss << in.rdbuf();
        contents.push_back(ss.str());
    }

    std::error_code ec;
    fs::remove(zipPath, ec);
    int code = 0;
    zip_t* za = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, code);
        error = std::string("cannot create ") + zipPath + ": " + zip_error_strerror(&ze);
        zip_error_fini(&ze);
        return false;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        // The buffers stay alive until zip_close, which is when libzip reads them.
        zip_source_t* src = zip_source_buffer(za, contents[i].data(), contents[i].size(), 0);
        std::string name = fs::path(files[i]).filename().string();
        zip_int64_t idx = src ? zip_file_add(za, name.c_str(), src, ZIP_FL_ENC_GUESS) : -1;
        if (idx < 0) {
            if (src) zip_source_free(src);
            error = "cannot add " + name + ": " + zip_strerror(za);
            zip_discard(za);
            return false;
        }
        auto index = static_cast<zip_uint64_t>(idx);
        if (zip_set_file_compression(za, index, ZIP_CM_DEFLATE, 9) < 0 ||
            zip_file_set_mtime(za, index, kMemberTime, 0) < 0 ||
            zip_file_set_external_attributes(za, index, 0, ZIP_OPSYS_UNIX, 0100644u << 16) < 0) {
            error = "cannot set up " + name + ": " + zip_strerror(za);
            zip_discard(za);
            return false;
        }
    }
    if (zip_close(za) < 0) {
        error = "cannot write " + zipPath + ": " + zip_strerror(za);
        zip_discard(za);
        return false;
    }
    return true;
}

}  // namespace datagen
