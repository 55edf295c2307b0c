#include "cli/script.h"

#include <cctype>

#include "state/codepage.h"

namespace cw::cli {

std::vector<std::string> Command::positional() const {
    std::vector<std::string> out;
    for (const auto& a : args)
        if (a.key.empty()) out.push_back(a.value);
    return out;
}

std::optional<std::string> Command::option(const std::string& key) const {
    for (const auto& a : args)
        if (a.key == key) return a.value;
    return std::nullopt;
}

namespace {

// Reads one word starting at i: either a quoted text, or characters up to a
// blank, an "=" (when a key may follow) or a comment.
bool readWord(const std::string& s, std::size_t& i, std::string& out, bool& quoted, bool stopAtEquals,
              std::string& error) {
    out.clear();
    quoted = false;
    if (s[i] == '"') {
        quoted = true;
        ++i;
        while (i < s.size() && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '"' || s[i + 1] == '\\')) ++i;
            out += s[i++];
        }
        if (i >= s.size()) {
            error = "unterminated quote";
            return false;
        }
        ++i;  // closing quote
        return true;
    }
    while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])) && s[i] != '#' &&
           !(stopAtEquals && s[i] == '=') && s[i] != '"')
        out += s[i++];
    return true;
}

}  // namespace

ParseResult parseLine(const std::string& line) {
    ParseResult result;
    Command cmd;
    std::size_t i = 0;
    bool first = true;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i >= line.size() || line[i] == '#') break;
        std::string word;
        bool quoted = false;
        if (!readWord(line, i, word, quoted, !first, result.error)) return result;
        if (first) {
            if (quoted || word.empty()) {
                result.error = "a command name must come first";
                return result;
            }
            cmd.name = word;
            first = false;
            continue;
        }
        Arg arg;
        if (!quoted && i < line.size() && line[i] == '=') {
            if (word.empty()) {
                result.error = "an option needs a name before \"=\"";
                return result;
            }
            ++i;
            arg.key = word;
            if (i >= line.size() || std::isspace(static_cast<unsigned char>(line[i])) || line[i] == '#') {
                arg.value.clear();
            } else if (!readWord(line, i, arg.value, arg.quoted, false, result.error)) {
                return result;
            }
        } else {
            if (word.empty() && !quoted) {
                result.error = "unexpected character '" + std::string(1, line[i]) + "'";
                return result;
            }
            arg.value = word;
            arg.quoted = quoted;
        }
        if (i < line.size() && line[i] == '"') {
            result.error = "a quote must start a value";
            return result;
        }
        cmd.args.push_back(std::move(arg));
    }
    if (!first) result.command = std::move(cmd);
    return result;
}

std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (text[i] == '\n' || text[i] == '\r') {
            out += "\\n";
        } else if (static_cast<unsigned char>(text[i]) < 0x20 || text[i] == 0x7F) {
            // A control character would act on the terminal reading the
            // transcript (or end a C string); it is shown as its code.
            static const char* const kHex = "0123456789abcdef";
            const auto c = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += text[i];
        }
    }
    return out;
}

std::size_t cellWidth(std::string_view text) { return static_cast<std::size_t>(textLength(oneLine(text))); }

}  // namespace cw::cli
