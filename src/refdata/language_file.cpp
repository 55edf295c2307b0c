#include "refdata/language_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "state/codepage.h"
#include "state/files.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool startsWithNoCase(std::string_view s, std::string_view head) {
    if (s.size() < head.size()) return false;
    for (std::size_t i = 0; i < head.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(head[i])))
            return false;
    return true;
}

std::string_view trimmedEnd(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The text before the first "=" (the whole line when there is none).
std::string_view prefixOf(std::string_view line) { return line.substr(0, line.find('=')); }

// Everything after the first "=". A second "=" belongs to the text: a
// caption such as "Price = cost" must come back whole.
std::string_view valueOf(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

bool isSeparator(std::string_view line) { return trimmedEnd(line) == languageSeparator(); }
bool isKeyLine(std::string_view line) { return startsWithNoCase(line, "*OBJ="); }
bool isHintLine(std::string_view line) { return prefixOf(line) == "**HINT"; }

// Appends to a text held to the cap, never cutting a character in two.
void appendCapped(std::string& text, std::string_view more) {
    if (text.size() >= kMaxLanguageTextBytes) return;
    std::size_t room = kMaxLanguageTextBytes - text.size();
    if (more.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(more[room]) & 0xC0) == 0x80) --room;
        more = more.substr(0, room);
    }
    text.append(more);
}

// The lines of a text, whatever its line ends (CR LF, LF or a lone CR); a
// line end at the very end starts no further line.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

// A text's line breaks as the file writes them. An empty last line is kept:
// a text read from a file may end in one.
void appendText(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    out += "\r\n";
}

}  // namespace

const std::string& languageSeparator() {
    static const std::string line(67, '-');
    return line;
}

std::string writeLanguageText(const std::vector<LanguageEntry>& entries) {
    std::string out;
    for (const LanguageEntry& e : entries) {
        out += languageSeparator() + "\r\n";
        out += "*OBJ=" + e.screen + "." + e.control + "\r\n";
        if (e.kind == LanguageControlKind::TextField) {
            out += "**TEXT=";
            appendText(out, e.text);
        } else if (e.kind == LanguageControlKind::Captioned) {
            out += "**Caption=";
            appendText(out, e.text);
        }
        out += "**HINT=";
        appendText(out, e.hint);
        out += languageSeparator() + "\r\n";
    }
    return out;
}

std::string writeLanguageFile(const std::string& path, const std::vector<LanguageEntry>& entries) {
    const std::string text = writeLanguageText(entries);
    const std::string temp = temporaryName(path);
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return "Cannot write " + path + ": " + std::strerror(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return "Cannot write " + path + ": the disk refused the text";
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return "Cannot write " + path + ": " + ec.message();
    }
    return {};
}

std::string parseLanguageText(std::string_view bytes, std::string_view name, LanguageFile& out) {
    out = {};
    const std::string file = "The language file \"" + std::string(name) + "\"";
    if (bytes.size() > kMaxLanguageFileBytes) return file + " is larger than 4 MB and was not read.";
    if (trimmedEnd(bytes).find_first_not_of("\r\n") == std::string_view::npos) return file + " is empty.";
    if (bytes.find('\0') != std::string_view::npos) return file + " is not a text file.";
    std::string text = validUtf8(bytes);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    LanguageFile read;
    read.lines = splitLines(text);
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        const std::string_view line = read.lines[i];
        if (!isKeyLine(line)) continue;
        // The first entry of a key is the one that counts.
        read.keys.emplace(lower(trimmedEnd(line.substr(5))), i);
    }
    if (read.keys.empty()) return file + " holds no screen texts (no line starting with \"*OBJ=\").";
    out = std::move(read);
    return {};
}

std::string readLanguageFile(const std::string& path, LanguageFile& out) {
    out = {};
    const std::string name = fs::path(path).filename().string();
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec && size > kMaxLanguageFileBytes)
        return "The language file \"" + name + "\" is larger than 4 MB and was not read.";
    std::string bytes;
    if (const int err = readRegularFile(path, bytes); err != 0)
        return "The language file \"" + name + "\" cannot be read: " + std::strerror(err);
    return parseLanguageText(bytes, name, out);
}

LanguageTexts languageTexts(const LanguageFile& file, std::string_view screen, std::string_view control,
                            LanguageControlKind kind) {
    LanguageTexts texts;
    std::string key = lower(screen);
    key += '.';
    key += lower(control);
    const auto found = file.keys.find(key);
    if (found == file.keys.end()) return texts;
    const std::vector<std::string>& lines = file.lines;
    std::size_t j = found->second + 1;
    // Continued lines end at the next hint line, separator or key, so a
    // damaged entry never swallows the entries after it.
    const auto ends = [&](std::size_t k) { return k >= lines.size() || isSeparator(lines[k]) || isKeyLine(lines[k]); };
    if (!ends(j) && !isHintLine(lines[j])) {
        // A line without "=" is no caption line: the entry is damaged and
        // the control keeps its own texts.
        if (lines[j].find('=') == std::string::npos) return texts;
        std::string caption;
        appendCapped(caption, valueOf(lines[j]));
        for (++j; !ends(j) && !isHintLine(lines[j]); ++j) {
            appendCapped(caption, "\n");
            appendCapped(caption, lines[j]);
        }
        // A text field's text is the player's: only its hint is taken.
        if (kind == LanguageControlKind::Captioned) texts.caption = std::move(caption);
    }
    if (!ends(j) && isHintLine(lines[j])) {
        std::string hint;
        appendCapped(hint, valueOf(lines[j]));
        for (++j; !ends(j); ++j) {
            appendCapped(hint, "\n");
            appendCapped(hint, lines[j]);
        }
        texts.hint = std::move(hint);
    }
    return texts;
}

std::vector<LanguageChoice> languageFiles(const std::string& programFolder) {
    std::vector<LanguageChoice> out;
    std::error_code ec;
    for (fs::directory_iterator dir(programFolder, ec), end; !ec && dir != end; dir.increment(ec)) {
        if (lower(dir->path().filename().string()) != "lng" || !dir->is_directory(ec)) continue;
        std::error_code inner;
        for (fs::directory_iterator it(dir->path(), inner), stop; !inner && it != stop; it.increment(inner)) {
            const std::string fileName = it->path().filename().string();
            const std::string low = lower(fileName);
            if (low.size() < 4 || low.compare(low.size() - 4, 4, ".lng") != 0) continue;
            std::error_code kind;
            if (!it->is_regular_file(kind)) continue;
            const std::string name = fileName.substr(0, fileName.find('.'));
            // A file named ".lng" would show as an empty entry, which means "no choice".
            if (name.empty()) continue;
            out.push_back({name, it->path().string()});
        }
        break;
    }
    std::sort(out.begin(), out.end(), [](const LanguageChoice& a, const LanguageChoice& b) {
        const std::string la = lower(a.name), lb = lower(b.name);
        return la != lb ? la < lb : a.path < b.path;
    });
    return out;
}

std::vector<LanguageChoice> languageFiles(const std::string& programFolder, const std::string& userFolder) {
    if (userFolder.empty() || userFolder == programFolder) return languageFiles(programFolder);
    std::vector<LanguageChoice> out = languageFiles(userFolder);
    for (LanguageChoice& shipped : languageFiles(programFolder)) {
        const bool own = std::any_of(out.begin(), out.end(),
                                     [&](const LanguageChoice& c) { return lower(c.name) == lower(shipped.name); });
        if (!own) out.push_back(std::move(shipped));
    }
    std::sort(out.begin(), out.end(), [](const LanguageChoice& a, const LanguageChoice& b) {
        const std::string la = lower(a.name), lb = lower(b.name);
        return la != lb ? la < lb : a.path < b.path;
    });
    return out;
}

}  // namespace cw
