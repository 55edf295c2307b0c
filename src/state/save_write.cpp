// Writing a save slot so that a failure or a kill at any point leaves a slot
// that loads, and a message that says what is on disk.
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "state/files.h"
#include "state/log.h"
#include "state/save_file.h"
#include "state/save_ranges.h"
#include "state/save_slot.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

SaveDiskHooks gHooks;

void step(const char* name) {
    if (gHooks.afterStep) gHooks.afterStep(name);
}

std::string baseName(const std::string& path) { return fs::path(path).filename().string(); }

std::uint32_t crcOf(const void* data, std::size_t size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* p = static_cast<const Bytef*>(data);
    while (size > 0) {
        const uInt n = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        crc = crc32(crc, p, n);
        p += n;
        size -= n;
    }
    return static_cast<std::uint32_t>(crc);
}

// Writes a whole file under a temporary name of its own beside `finalPath`
// and flushes it to the disk, so that a rename can put it in place in one
// step; then reads it back, so that a disk that lost bytes never replaces a
// good file. Returns what went wrong, or empty with `temp` named.
std::string writeTemporary(const std::string& finalPath, const void* data, std::size_t size, std::string& temp) {
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 100; ++tries) {
        temp = temporaryName(finalPath);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const std::string why = std::strerror(errno);
        temp.clear();
        return why;
    }
    const char* p = static_cast<const char*>(data);
    std::size_t left = size;
    std::string why;
    while (left > 0 && why.empty()) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno != EINTR) why = std::strerror(errno);
            continue;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (why.empty() && ::fsync(fd) != 0) why = std::strerror(errno);
    if (::close(fd) != 0 && why.empty()) why = std::strerror(errno);
    if (!why.empty()) return why;
    if (gHooks.afterWrite) gHooks.afterWrite(temp);

    const FileChecksum back = fileChecksum(temp);
    if (back.errorCode != 0)
        return "the written file cannot be read back (error " + std::to_string(back.errorCode) + ")";
    if (back.length != static_cast<std::int64_t>(size))
        return "the written file is " + std::to_string(back.length) + " bytes long, not " + std::to_string(size);
    if (back.crc != crcOf(data, size)) return "the written file reads back different from what was written";
    return {};
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void removeIfNamed(const std::string& path) {
    std::error_code ec;
    if (!path.empty()) fs::remove(path, ec);
}

// Inbox files left by runs that were killed while writing one. Only a save
// writes them, always with the save folder's lock held, so none of them is
// in use while this run holds it.
void removeInboxLeftovers(const std::string& programFolder) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec))
        if (isTemporaryOf(it->path().filename().string(), kInboxFileName)) stale.push_back(it->path());
    for (const auto& p : stale) fs::remove(p, ec);
}

std::string unchangedText(bool hadImage) {
    return hadImage ? "Your previous save of this name is unchanged." : "No save of this name was written.";
}

}  // namespace

void setSaveDiskHooks(SaveDiskHooks hooks) { gHooks = std::move(hooks); }

SaveOutcome saveToSlot(Game& g, const std::string& fileName) {
    SaveOutcome out;
    const std::string folder = saveFolderPath(g);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        out.problem = "the folder " + folder + " cannot be created";
        return out;
    }
    const SaveFolderLock lock(folder);
    if (!lock.held()) {
        out.problem =
            fileName + ": " + lock.why() + "\r\n" + unchangedText(fs::exists(findFileNoCase(folder, fileName), ec));
        return out;
    }
    // A slot whose last save was interrupted between its renames holds the
    // newer game only together with the waiting check file; finish that
    // first, so that this save can never leave the slot with neither.
    repairSlot(folder, fileName);
    removeInboxLeftovers(g.writableFolder());

    World& w = g.world();
    w.savedYear = g.currentYear;
    w.savedWeek = static_cast<u8>(g.currentWeek);

    const std::string savPath = findFileNoCase(folder, fileName);
    const std::string temPath = findFileNoCase(folder, fileName + ".tem");
    const bool hadImage = fs::exists(savPath, ec);

    // A file the load would refuse is no save: the slot keeps what it has
    // (an autosave included) and the player is told why.
    if (const std::string bad = saveImageRangeProblem(g.tables()); !bad.empty()) {
        writeLog("ERROR: the game holds a value a load refuses: " + bad);
        out.problem = fileName + ": the game holds a value a saved game cannot have (" + bad + ")\r\n" +
                      unchangedText(hadImage);
        return out;
    }

    std::string savTemp, temTemp;
    std::string why = writeTemporary(savPath, g.imageBytes(), sizeof(SaveImage), savTemp);
    step("image");
    if (why.empty()) {
        const std::string tem =
            checkFileText(FileChecksum{crcOf(g.imageBytes(), sizeof(SaveImage)), sizeof(SaveImage), 0});
        why = writeTemporary(temPath, tem.data(), tem.size(), temTemp);
        step("check");
    }
    if (why.empty()) {
        fs::rename(savTemp, savPath, ec);
        if (ec) why = "the file cannot be replaced (" + ec.message() + ")";
    }
    if (!why.empty()) {
        removeIfNamed(savTemp);
        removeIfNamed(temTemp);
        out.problem = fileName + ": " + why + "\r\n" + unchangedText(hadImage);
        return out;
    }
    step("image in place");

    // From here on the slot holds this game, whatever else fails.
    std::string problem;
    bool loads = true;
    fs::rename(temTemp, temPath, ec);
    if (ec) {
        loads = slotLoads(folder, fileName);
        problem = fileName + ".tem: the check file cannot be replaced (" + ec.message() + ")\r\n" + fileName +
                  " holds this game, and its check file waits as " + baseName(temTemp) + "; ";
        problem += loads ? "the slot loads this game." : "the slot does not load.";
        if (hadImage) problem += " The previous save of this name is replaced.";
    } else {
        step("check in place");
    }
    syncFolder(folder);

    const std::string inboxPath = findFileNoCase(g.writableFolder(), kInboxFileName);
    const bool hadInbox = fs::exists(inboxPath, ec);
    const std::string inbox = inboxFileText(g);
    std::string inboxTemp;
    std::string inboxWhy = writeTemporary(inboxPath, inbox.data(), inbox.size(), inboxTemp);
    step("inbox");
    if (inboxWhy.empty()) {
        fs::rename(inboxTemp, inboxPath, ec);
        if (ec) inboxWhy = "the inbox cannot be replaced (" + ec.message() + ")";
        else step("inbox in place");
    } else {
        inboxWhy = "the inbox cannot be written (" + inboxWhy + ")";
    }
    if (!inboxWhy.empty()) {
        removeIfNamed(inboxTemp);
        if (!problem.empty()) problem += "\r\n";
        problem += std::string(kInboxFileName) + ": " + inboxWhy + "\r\n" + fileName +
                   (problem.empty() ? " and " + fileName + ".tem hold" : " holds") +
                   " this game without its letters; " + kInboxFileName +
                   (hadInbox ? " still holds the letters of the save before." : " was not written.");
    }
    syncFolder(g.writableFolder());
    out.saved = loads;
    out.problem = std::move(problem);
    return out;
}

std::string writeSaveFiles(Game& g, const std::string& fileName) { return saveToSlot(g, fileName).problem; }

void removeInboxLeftovers(const Game& g) {
    const std::string folder = saveFolderPath(g);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return;
    // Without the lock another run may be writing its inbox right now.
    const SaveFolderLock lock(folder);
    if (lock.held()) removeInboxLeftovers(g.writableFolder());
}

}  // namespace cw
