#include "state/save_slot.h"

#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <unistd.h>

#include "state/files.h"
#include "state/log.h"
#include "state/text_format.h"

namespace cw {
namespace fs = std::filesystem;

SaveFolderLock::SaveFolderLock(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        why_ = std::string("the save folder cannot be opened (") + std::strerror(errno) + ")";
        return;
    }
    // A save takes a second or two; a run that holds the lock much longer
    // is stopped or hung, and waiting for it would hang this run too.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp) {
            ::close(fd);
            why_ = "another run of the game is saving in this folder";
            writeLog("WARNING: the save folder " + folder + " is busy; going on without its lock");
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    fd_ = fd;
}

SaveFolderLock::~SaveFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

SlotFiles slotFiles(const std::string& folder, const std::string& fileName) {
    SlotFiles files;
    files.image = findFileNoCase(folder, fileName);
    files.check = findFileNoCase(folder, fileName + ".tem");
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isTemporaryOf(name, fileName)) files.imageTemps.push_back(it->path().string());
        else if (isTemporaryOf(name, fileName + ".tem")) files.checkTemps.push_back(it->path().string());
    }
    return files;
}

std::string checkFileText(const FileChecksum& sum) {
    return std::to_string(sum.errorCode) + "\r\n" + std::to_string(sum.crc) + "\r\n" + formatSaveLength(sum.length) +
           "\r\n";
}

std::vector<std::string> readTextLines(const std::string& path) {
    std::string bytes;
    if (readRegularFile(path, bytes) != 0) return {};
    return textLines(bytes);
}

bool checkFileDescribes(const std::string& path, const FileChecksum& sum) {
    const std::vector<std::string> lines = readTextLines(path);
    return lines.size() >= 3 && lines[1] == std::to_string(sum.crc) && lines[2] == formatSaveLength(sum.length);
}

void repairSlot(const std::string& folder, const std::string& fileName) {
    const SlotFiles files = slotFiles(folder, fileName);
    std::error_code ec;
    // An image that was never put in place is a save that did not finish:
    // the pair beside it still stands.
    for (const std::string& temp : files.imageTemps) fs::remove(temp, ec);
    if (files.checkTemps.empty()) return;

    const FileChecksum image = fileChecksum(files.image);
    bool inPlace = image.errorCode == 0 && checkFileDescribes(files.check, image);
    for (const std::string& temp : files.checkTemps) {
        const bool matches = image.errorCode == 0 && checkFileDescribes(temp, image);
        if (!matches) {
            fs::remove(temp, ec);  // the check file of an image that never went in
        } else if (inPlace) {
            fs::remove(temp, ec);  // the same check file is in place already
        } else {
            // The image went in and the save stopped before its check file
            // did: finish it.
            fs::rename(temp, files.check, ec);
            if (!ec) {
                inPlace = true;
                writeLog("WARNING: completed an interrupted save of " + fileName);
            } else {
                writeLog("WARNING: the check file of " + fileName + " waits in " + temp + ": " + ec.message());
            }
        }
    }
}

bool slotLoads(const std::string& folder, const std::string& fileName) {
    const SlotFiles files = slotFiles(folder, fileName);
    const FileChecksum image = fileChecksum(files.image);
    if (image.errorCode != 0) return false;
    if (checkFileDescribes(files.check, image)) return true;
    for (const std::string& temp : files.checkTemps)
        if (checkFileDescribes(temp, image)) return true;
    return false;
}

}  // namespace cw
