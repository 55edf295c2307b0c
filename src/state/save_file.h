// Save files: the exact table image ("*.sav"), its check file ("*.sav.tem")
// and the inbox file, and the checks the load screen runs on them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "state/action.h"
#include "state/files.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

inline constexpr const char* kSaveFolderName = "savegame";
inline constexpr const char* kAutosaveFileName = "AutoSave.sav";
inline constexpr const char* kInboxFileName = "INbox.txt";

struct FileChecksum {
    std::uint32_t crc = 0;
    std::int64_t length = 0;
    std::uint16_t errorCode = 0;  // 0 = read to the end
};

// CRC-32 (IEEE 802.3) and length of a file read in 32,768-byte blocks; on an
// error, what was reached and the error's code.
FileChecksum fileChecksum(const std::string& path);

// Characters that cannot stand in a file name become blanks.
std::string safeFileName(std::string_view text);

// A number written with the pattern "##1###4###9###0": the digits fill the
// twelve digit positions from the right; the literals 1, 4 and 9 are always
// written.
std::string formatSaveLength(std::int64_t length);

std::string saveFolderPath(const Game& g);

// What a save left on disk.
struct SaveOutcome {
    // The slot now holds and loads the game just saved (its image is in
    // place and described by a check file).
    bool saved = false;
    // Empty when every file was written; otherwise what went wrong and
    // which files now hold which game, for the player and the log.
    std::string problem;
};

// Writes the image, its check file and the inbox file for the save file
// `fileName` ("mygame.sav") in the save folder. Each file is written under a
// temporary name of its own beside its final name, read back, flushed to
// disk and then renamed over the old one, so that a failed or interrupted
// save leaves the previous game loadable. A save interrupted earlier in this
// slot is completed or cleaned up first.
SaveOutcome saveToSlot(Game& g, const std::string& fileName);
// The same, returning only the problem (empty on full success).
std::string writeSaveFiles(Game& g, const std::string& fileName);

// Tests stand in for a disk that loses bytes, or for a run that is killed
// half way through a save. `afterWrite` runs when a temporary file is
// written, before it is read back; `afterStep` after each step ("image",
// "check", "image in place", "check in place", "inbox", "inbox in place").
struct SaveDiskHooks {
    std::function<void(const std::string& tempPath)> afterWrite;
    std::function<void(const std::string& step)> afterStep;
};
void setSaveDiskHooks(SaveDiskHooks hooks);

// The entries of the load screen: every "*.sav" in the save folder.
std::vector<std::string> listSaveFiles(const Game& g);
// The load screen's annotation of an entry: name + " >>> " + date and time.
std::string annotateSaveEntry(const Game& g, const std::string& name);

// The checks of the load screen's "Load Game" for the chosen file, in their
// order; empty when the file may be loaded.
ActionResult checkSaveFile(const Game& g, const std::string& fileName);

// Reads and checks a whole save file without touching the running game:
// a regular file of the image's size whose date and other ranges the game
// relies on hold (see saveImageRangeProblem). Returns an empty text and
// the image, or what is wrong with the file.
std::string readSaveImage(const Game& g, const std::string& fileName, std::unique_ptr<SaveImage>& image);
// Copies an image into the tables in seven groups, showing each on the
// progress bar with a short pause; the date comes from the saved copy.
void applySaveImage(Game& g, const SaveImage& image, Player& p);
// Both: a failing read leaves the running game whole.
std::string loadSaveImage(Game& g, const std::string& fileName, Player& p);

// Removes the inbox files of runs killed while writing one (a save does
// this too), with the save folder's lock held; a load runs it.
void removeInboxLeftovers(const Game& g);

// The inbox file: one line per letter, four columns joined by ";".
std::string inboxFileText(const Game& g);
bool writeInboxFile(const Game& g, const std::string& path);
// False, with the inbox unchanged, for a missing or empty file and for a
// name that is not a regular file (never waited on).
bool readInboxFile(Game& g, const std::string& path);

// Completes a save that was interrupted between its two renames (the new
// image is in place and its check file still waits beside it), and throws
// away the leftovers of saves interrupted before their image went in. Run
// before a file is listed or checked, and before a slot is written.
void recoverInterruptedSave(const Game& g, const std::string& fileName);

}  // namespace cw
