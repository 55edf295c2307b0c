#include "state/paths.h"

#include <filesystem>

#ifndef CW_VERSION
#define CW_VERSION "0.1.0.0"
#endif

namespace cw {
namespace fs = std::filesystem;

ProgramLocation locateProgram(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(fs::path(argv0 ? argv0 : "crestwork"), ec);
    return {exe.parent_path().string(), exe.filename().string(), exe.string()};
}

const char* programVersion() { return CW_VERSION; }

}  // namespace cw
