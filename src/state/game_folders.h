// The game's two folders: the one its shipped files are read from, and the
// one everything it writes goes to. Run from the build, both are the game
// folder beside the executable. Installed (PREFIX/bin/crestwork beside
// PREFIX/share/crestwork), the shipped files stay read-only and the saves,
// log, play time, high score and settings go to the player's own data
// folder ($XDG_DATA_HOME/crestwork, else ~/.local/share/crestwork).
// Both executables decide here, so the game and crestwork-cli agree.
#pragma once

#include <string>

#include "state/paths.h"

namespace cw {

// The share/ folder an installed executable reads from, relative to bin/.
inline constexpr const char* kInstalledDataFolder = "../share/crestwork";
// The file that marks a folder as a game folder: the reference data.
inline constexpr const char* kGameFolderMark = "data.zip";

struct GameFolders {
    std::string program;     // data, pictures, sounds, mods, languages, manual
    std::string user;        // saves, log, play time, high score, settings
    bool installed = false;  // program is PREFIX/share/crestwork
};

// The environment the user folder comes from; empty values are unset.
struct FolderEnvironment {
    std::string xdgDataHome;
    std::string home;
};
// The running process's $XDG_DATA_HOME and $HOME (the password file's home
// when $HOME is unset).
FolderEnvironment processEnvironment();

// $XDG_DATA_HOME/crestwork; a relative or empty XDG_DATA_HOME is ignored,
// as the XDG rules say, for ~/.local/share/crestwork. Empty without a home.
std::string userDataFolder(const FolderEnvironment& env);

// True when a file can be created in `folder` (it exists and allows it).
bool folderWritable(const std::string& folder);

// The folders for an executable in `exeFolder`: the executable's own folder
// when it holds the game's data (the build) or has no installed data
// beside it; PREFIX/share/crestwork for PREFIX/bin. An installed game always
// writes to the user folder; any other writes to its own folder unless
// that is read-only.
GameFolders gameFoldersFor(const std::string& exeFolder, const FolderEnvironment& env);
// The same for a game folder named on the command line ("--dir").
GameFolders gameFoldersOfFolder(const std::string& folder, const FolderEnvironment& env);

// Creates the user folder when it differs from the program folder. Returns
// why it cannot be made, empty when it is there.
std::string prepareUserFolder(const GameFolders& folders);

}  // namespace cw
