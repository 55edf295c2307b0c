#include "refdata/mods.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "refdata/import.h"
#include "state/codepage.h"
#include "state/files.h"
#include "state/log.h"
#include "state/text_format.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool hasModExtension(const std::string& name) {
    return name.size() > 4 && lower(name.substr(name.size() - 4)) == ".cwm";
}

bool lessNoCase(const std::string& a, const std::string& b) {
    const std::string la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
}

std::string quoted(const std::string& path) { return "\"" + fs::path(path).filename().string() + "\""; }

// A list of names between semicolons: ";" alone, or ";A;B;".
bool isNameList(const std::string& line) { return !line.empty() && line.front() == ';' && line.back() == ';'; }

bool excluded(const std::string& upperLine, const std::string& name) {
    return upperLine.find(";" + upper(name) + ";") != std::string::npos;
}

// Reads at most kMaxModFileBytes + 1 bytes, so a huge file is never read whole.
std::string readLimited(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = openRegularFile(path);
    if (fd < 0) return "The MOD file " + quoted(path) + " cannot be read (" + std::strerror(errno) + ").";
    char block[8192];
    while (bytes.size() <= kMaxModFileBytes) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string why = std::strerror(errno);
            ::close(fd);
            return "The MOD file " + quoted(path) + " cannot be read (" + why + ").";
        }
        if (n == 0) break;
        bytes.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.size() > kMaxModFileBytes)
        return "The MOD file " + quoted(path) + " is too large: a MOD file holds at most " +
               std::to_string(kMaxModFileBytes) + " bytes.";
    return {};
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines = textLines(bytes);
    for (std::string& line : lines) line = validUtf8(line);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
}

std::vector<std::string> descriptionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// The player's folder first: his own mod of a shipped mod's name wins.
std::vector<std::string> modSearchFolders(const std::string& programFolder, const std::string& userFolder) {
    if (userFolder.empty() || userFolder == programFolder) return {programFolder};
    return {userFolder, programFolder};
}

}  // namespace

std::string modFolder(const std::string& programFolder) {
    const std::string found = existingFileNoCase(programFolder, kModFolderName);
    return found.empty() ? (fs::path(programFolder) / kModFolderName).string() : found;
}

std::vector<std::string> modFileNames(const std::string& programFolder, const std::string& userFolder) {
    std::vector<std::string> names;
    for (const std::string& folder : modSearchFolders(programFolder, userFolder)) {
        std::error_code ec;
        for (fs::directory_iterator it(modFolder(folder), ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (!hasModExtension(name)) continue;
            const bool listed =
                std::any_of(names.begin(), names.end(), [&](const std::string& n) { return lower(n) == lower(name); });
            if (!listed) names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

std::string readModFile(const std::string& path, ModFile& out) {
    std::string bytes;
    if (std::string why = readLimited(path, bytes); !why.empty()) return why;
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) return "The MOD file " + quoted(path) + " is empty.";
    if (bytes.find('\0') != std::string::npos)
        return "The MOD file " + quoted(path) + " is damaged: it holds binary data, not text.";
    std::vector<std::string> lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size() && i < 2; ++i) lines[i] = trimmed(lines[i]);
    if (lines.size() < 2 || !isNameList(lines[0]) || !isNameList(lines[1]))
        return "The MOD file " + quoted(path) +
               " is damaged: its first two lines must list the excluded platforms and genres between semicolons.";
    ModFile m;
    m.platformLine = lines[0];
    m.genreLine = lines[1];
    m.description.assign(lines.begin() + 2, lines.end());
    out = std::move(m);
    return {};
}

std::string findModFile(const std::string& programFolder, const std::string& name, const std::string& userFolder) {
    if (!checkModFileName(name).empty()) return {};
    for (const std::string& top : modSearchFolders(programFolder, userFolder)) {
        const std::string folder = modFolder(top);
        std::string found = existingFileNoCase(folder, name);
        if (found.empty() && !hasModExtension(name)) found = existingFileNoCase(folder, name + ".cwm");
        if (!found.empty()) return found;
    }
    return {};
}

std::string readModByName(const std::string& programFolder, const std::string& name, ModFile& out,
                          const std::string& userFolder) {
    if (std::string why = checkModFileName(name); !why.empty()) return why;
    const std::string path = findModFile(programFolder, name, userFolder);
    if (path.empty()) return "There is no MOD named \"" + name + "\" in " + kModFolderName + ".";
    return readModFile(path, out);
}

std::vector<std::string> modChooserEntries(const std::string& programFolder, const std::string& userFolder) {
    std::vector<std::string> entries{kDefaultModName};
    for (std::string& n : modFileNames(programFolder, userFolder)) entries.push_back(std::move(n));
    return entries;
}

std::string modEntryDescription(const std::string& programFolder, const std::string& entry,
                                const std::string& userFolder) {
    if (entry.empty() || entry == kDefaultModName) return kDefaultModLines;
    ModFile m;
    if (std::string why = readModByName(programFolder, entry, m, userFolder); !why.empty()) return why;
    return joinLines(m.description);
}

std::string chooseMod(Game& g, Player& p, const std::string& entry, std::string& label) {
    if (entry.empty() || entry == kDefaultModName) {
        g.session.modPlatformLine.clear();
        g.session.modGenreLine.clear();
        label = kDefaultModLines;
        return {};
    }
    ModFile m;
    if (std::string why = readModByName(g.programFolder, entry, m, g.userFolder); !why.empty()) {
        writeLog("ERROR: " + why);
        p.messageBox(kModCaption, why, false);
        return why;
    }
    g.session.modPlatformLine = m.platformLine;
    g.session.modGenreLine = m.genreLine;
    label = joinLines(m.description);
    writeLog("MOD chosen: " + entry);
    return {};
}

std::string modWorldRefusal(const ReferenceTables& ref, const std::string& platformLine,
                            const std::string& genreLine) {
    const std::string platforms = upper(platformLine), genres = upper(genreLine);
    bool platformLeft = false, genreLeft = false;
    for (int r = 1; r < ref.list_platforms.rowCount() && !platformLeft; ++r) {
        const std::string name = ref.list_platforms.cell(0, r);
        platformLeft = !trimmed(name).empty() && !excluded(platforms, name);
    }
    for (int r = 1; r < ref.list_genre.rowCount() && !genreLeft; ++r) {
        const std::string name = ref.list_genre.cell(2, r);
        genreLeft = !ref.list_genre.cell(0, r).empty() && !name.empty() && !excluded(genres, name);
    }
    if (!platformLeft) return "The chosen MOD excludes every platform: there would be nothing to make games for.";
    if (!genreLeft) return "The chosen MOD excludes every genre: there would be no game to make.";
    return {};
}

std::string modItemName(const std::string& itemText) {
    const std::size_t at = itemText.find(kModItemCountTag);
    return at == std::string::npos ? itemText : itemText.substr(0, at);
}

void fillModLists(ReferenceTables& ref) {
    ModLists& l = ref.modLists;
    l.platforms.clear();
    l.genres.clear();
    for (int r = 1; r < ref.list_platforms.rowCount(); ++r) {
        const std::string& name = ref.list_platforms.cell(0, r);
        if (trimmed(name).empty()) continue;
        l.platforms.push_back({name + kModItemCountTag + ref.list_platforms.cell(1, r) + ")", true});
    }
    for (int r = 1; r < ref.list_genre.rowCount(); ++r) {
        const std::string& name = ref.list_genre.cell(2, r);
        if (trimmed(name).empty()) continue;
        l.genres.push_back({name + kModItemCountTag + ref.list_genre.cell(1, r) + ")", true});
    }
    const auto byText = [](const ModItem& a, const ModItem& b) { return lessNoCase(a.text, b.text); };
    std::stable_sort(l.platforms.begin(), l.platforms.end(), byText);
    std::stable_sort(l.genres.begin(), l.genres.end(), byText);
    l.description = "Here you Write a breif description of \nMODfication";
}

ModFile modFromLists(const ModLists& lists) {
    ModFile m;
    for (const ModItem& i : lists.platforms)
        if (!i.checked) m.platformLine += modItemName(i.text) + ";";
    for (const ModItem& i : lists.genres)
        if (!i.checked) m.genreLine += modItemName(i.text) + ";";
    m.description = descriptionLines(cutText(lists.description, kMaxModDescription));
    return m;
}

void applyModToLists(ModLists& lists, const ModFile& mod) {
    for (ModItem& i : lists.platforms)
        i.checked = mod.platformLine.find(";" + modItemName(i.text) + ";") == std::string::npos;
    for (ModItem& i : lists.genres) i.checked = mod.genreLine.find(";" + modItemName(i.text) + ";") == std::string::npos;
    lists.description = joinLines(mod.description);
}

std::string writeModFile(const std::string& path, const ModFile& mod) {
    std::error_code ec;
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, ec);
    std::string text = mod.platformLine + "\r\n" + mod.genreLine + "\r\n";
    for (const std::string& line : mod.description) text += line + "\r\n";
    // Written beside and renamed, so a failed write leaves the old mod whole.
    const std::string temp = temporaryName(path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            return "The MOD file " + quoted(path) + " could not be written.";
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return "The MOD file " + quoted(path) + " could not be written.";
    }
    writeLog("MOD saved: " + path);
    return {};
}

std::string proposedModFileName(const std::string& description) {
    std::string first = description.substr(0, std::min(description.find_first_of("\r\n"), description.size()));
    return cutText(first, 8);
}

std::string checkModFileName(const std::string& name) {
    if (trimmed(name).empty()) return "A MOD needs a file name.";
    if (name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
        return "A MOD's file name cannot name a folder: \"" + name + "\".";
    if (textLength(validUtf8(name)) > 100 || validUtf8(name) != name)
        return "The MOD file name \"" + validUtf8(name) + "\" is not a usable file name.";
    for (char32_t c : decodeText(name))
        if (isControlChar(c) || c == U':' || c == U'*' || c == U'?' || c == U'"' || c == U'<' || c == U'>' ||
            c == U'|')
            return "The MOD file name \"" + name + "\" holds a character a file name may not have.";
    return {};
}

std::string withModExtension(const std::string& name) {
    return fs::path(name).has_extension() && fs::path(name).extension() != "." ? name : name + ".CWM";
}

bool modAccessCodeAccepted(const std::string& typed) { return typed == "QvjjQ"; }

bool newMod(Game& g, Player& p, ReferenceTables& ref, const std::string& typed) {
    if (!modAccessCodeAccepted(typed)) return false;
    importReferenceData(g, p, ref, ImportAction::NewMod);
    return true;
}

}  // namespace cw
