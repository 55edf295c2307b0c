#include "state/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string normal(const fs::path& p) {
    std::error_code ec;
    fs::path out = fs::weakly_canonical(p, ec);
    if (ec) out = p.lexically_normal();
    std::string s = out.string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

GameFolders decide(std::string program, bool installed, const FolderEnvironment& e) {
    GameFolders f;
    f.program = std::move(program);
    f.installed = installed;
    f.user = f.program;
    // The shipped files of an installed game are never written, even where
    // the prefix happens to allow it (a game run as root).
    if (installed || !folderWritable(f.program)) {
        const std::string user = userDataFolder(e);
        if (!user.empty()) f.user = user;
    }
    return f;
}

}  // namespace

FolderEnvironment processEnvironment() {
    FolderEnvironment e;
    e.xdgDataHome = env("XDG_DATA_HOME");
    e.home = env("HOME");
    if (e.home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) e.home = pw->pw_dir;
    }
    return e;
}

std::string userDataFolder(const FolderEnvironment& e) {
    if (!e.xdgDataHome.empty() && e.xdgDataHome.front() == '/')
        return normal(fs::path(e.xdgDataHome) / "crestwork");
    if (e.home.empty()) return {};
    return normal(fs::path(e.home) / ".local" / "share" / "crestwork");
}

bool folderWritable(const std::string& folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

GameFolders gameFoldersFor(const std::string& exeFolder, const FolderEnvironment& e) {
    std::error_code ec;
    const fs::path exe(exeFolder);
    if (!fs::exists(exe / kGameFolderMark, ec)) {
        const fs::path shared = exe / kInstalledDataFolder;
        if (fs::exists(shared / kGameFolderMark, ec)) return decide(normal(shared), true, e);
    }
    return decide(exeFolder, false, e);
}

GameFolders gameFoldersOfFolder(const std::string& folder, const FolderEnvironment& e) {
    return decide(folder, false, e);
}

std::string prepareUserFolder(const GameFolders& f) {
    if (f.user.empty()) return "there is no home folder to keep the game's files in";
    if (f.user == f.program) return {};
    std::error_code ec;
    fs::create_directories(f.user, ec);
    if (ec) return "cannot create " + f.user + ": " + ec.message();
    if (!folderWritable(f.user)) return f.user + " cannot be written";
    return {};
}

}  // namespace cw
