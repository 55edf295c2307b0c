// The headless driver's script lines: every line parses to a command, to
// nothing (blank or comment) or to an error, and a parsed command written
// back with every value quoted parses to the same command.
#include <cstdint>
#include <string>

#include "cli/script.h"
#include "support.h"

namespace {

std::string quote(const std::string& v) {
    std::string out = "\"";
    for (char c : v) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

void checkLine(const std::string& line) {
    using namespace cw::cli;
    const ParseResult r = parseLine(line);
    if (!r.error.empty()) {
        cw::fuzz::check(!r.command, "a refused line still gave a command");
        return;
    }
    if (!r.command) return;
    const Command& c = *r.command;
    cw::fuzz::check(!c.name.empty(), "a command without a name");
    std::string again = c.name;
    for (const Arg& a : c.args) {
        again += ' ';
        if (!a.key.empty()) again += a.key + "=";
        again += quote(a.value);
    }
    const ParseResult r2 = parseLine(again);
    cw::fuzz::check(r2.error.empty() && r2.command, "a written-back command is refused: " + again + " " + r2.error);
    const Command& c2 = *r2.command;
    cw::fuzz::check(c2.name == c.name && c2.args.size() == c.args.size(), "a written-back command differs: " + again);
    for (std::size_t i = 0; i < c.args.size(); ++i)
        cw::fuzz::check(c2.args[i].key == c.args[i].key && c2.args[i].value == c.args[i].value,
                        "an argument changes when written back: " + again);
    const std::string shown = oneLine(line);
    cw::fuzz::check(shown.find('\n') == std::string::npos && shown.find('\r') == std::string::npos,
                    "a transcript line holds a line break");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The driver reads its script with getline: each line on its own.
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        checkLine(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return 0;
}
