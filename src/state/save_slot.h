// The files of one save slot on disk, the lock that keeps two runs from
// changing the slots of one folder at the same time, and the repair of a
// slot whose save was interrupted.
#pragma once

#include <string>
#include <vector>

#include "state/save_file.h"

namespace cw {

// The save folder's lock, held while a slot is written or repaired. Two
// runs of the game in one folder take turns; a run that cannot get the
// lock within a few seconds goes on without it (held() is false) rather
// than wait for ever on a stopped one.
class SaveFolderLock {
public:
    explicit SaveFolderLock(const std::string& folder);
    ~SaveFolderLock();
    SaveFolderLock(const SaveFolderLock&) = delete;
    SaveFolderLock& operator=(const SaveFolderLock&) = delete;
    bool held() const { return fd_ >= 0; }
    // Why the lock is not held, for the player.
    const std::string& why() const { return why_; }

private:
    int fd_ = -1;
    std::string why_;
};

struct SlotFiles {
    std::string image;                    // NAME.sav (the path as given when there is none)
    std::string check;                    // NAME.sav.tem
    std::vector<std::string> imageTemps;  // images written but never put in place
    std::vector<std::string> checkTemps;  // check files waiting beside the image
};
SlotFiles slotFiles(const std::string& folder, const std::string& fileName);

// The check file's three lines for a file of this checksum.
std::string checkFileText(const FileChecksum& sum);
// The lines of a regular text file without their line ends; none for a
// missing file or one that is not regular.
std::vector<std::string> readTextLines(const std::string& path);
// Whether the check file at `path` describes a file of this checksum
// (lines 2 and 3; line 1 is not compared).
bool checkFileDescribes(const std::string& path, const FileChecksum& sum);

// Puts a waiting check file that matches the image in place, or removes
// the leftovers of a save that never put its image in place. A waiting
// check file that matches the image is never removed, even when it cannot
// be put in place. Runs with the folder's lock held.
void repairSlot(const std::string& folder, const std::string& fileName);

// Whether the slot's image is described by its check file or by a check
// file waiting beside it, so that the load screen accepts it.
bool slotLoads(const std::string& folder, const std::string& fileName);

}  // namespace cw
