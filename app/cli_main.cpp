// crestwork-cli: plays the game headless from a script, printing a transcript.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/driver.h"
#include "setup/startup.h"
#include "state/log.h"
#include "state/game_folders.h"
#include "state/paths.h"

namespace {

void usage(std::ostream& out) {
    out << "usage: crestwork-cli [--dir GAMEFOLDER] [--seed N] [/debug] [SCRIPT]\n"
           "Reads commands from SCRIPT (or standard input), one per line; 'help' lists them.\n"
           "/debug (also -debug or debug) turns on the verbose log, as in the game.\n";
}

}  // namespace

int main(int argc, char** argv) {
    const cw::ProgramLocation where = cw::locateProgram(argv[0]);
    std::string folder;  // --dir
    std::string scriptPath;
    std::optional<std::uint32_t> seed;
    bool debug = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (cw::parseStartupSwitches({argv[0], a}).debugLogging) {
            debug = true;
        } else if (a == "--help" || a == "-h") {
            usage(std::cout);
            return 0;
        } else if (a == "--dir" && i + 1 < argc) {
            folder = argv[++i];
        } else if (a == "--seed" && i + 1 < argc) {
            long long v = 0;
            if (!cw::cli::parseInt(argv[++i], v) || v < 0 || v > 0xFFFFFFFFLL) {
                std::cerr << "error: --seed takes a whole number 0..4294967295\n";
                return 2;
            }
            seed = static_cast<std::uint32_t>(v);
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            std::cerr << "error: unknown option " << a << '\n';
            usage(std::cerr);
            return 2;
        } else if (scriptPath.empty()) {
            scriptPath = a;
        } else {
            std::cerr << "error: only one script can be given\n";
            return 2;
        }
    }
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        std::cerr << "error: game folder " << folder << " does not exist\n";
        return 2;
    }
    // The same folders as the game's: installed, what it writes goes to the
    // player's data folder, and so does a --dir folder that is read-only.
    const cw::FolderEnvironment env = cw::processEnvironment();
    const cw::GameFolders folders =
        folder.empty() ? cw::gameFoldersFor(where.folder, env) : cw::gameFoldersOfFolder(folder, env);
    if (const std::string why = cw::prepareUserFolder(folders); !why.empty())
        std::cerr << "warning: " << why << "; nothing can be saved\n";

    cw::Log log(folders.user, where.fileName, where.fullPath, cw::programVersion());
    log.startLog();
    cw::installAppLog(&log);
    log.writeLog("Application Init...");
    if (debug) {
        log.debugLogging = true;
        log.writeLog("DUBUG mode ON, Verbose logging in this session");
    }

    cw::cli::Session session(std::cout, folders.program);
    if (folders.user != folders.program) session.game->userFolder = folders.user;
    session.game->rng.fixedSeed = seed;
    session.game->rng.randomizeSeed();

    int rc = 0;
    if (scriptPath.empty() || scriptPath == "-") {
        rc = cw::cli::runScript(session, std::cin, "<stdin>");
    } else {
        std::ifstream in(scriptPath);
        if (!in) {
            std::cerr << "error: cannot read script " << scriptPath << '\n';
            return 2;
        }
        rc = cw::cli::runScript(session, in, scriptPath);
    }
    std::cout.flush();
    cw::installAppLog(nullptr);
    return rc;
}
