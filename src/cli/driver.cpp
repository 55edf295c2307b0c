#include "cli/driver.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "cli/commands.h"
#include "state/log.h"

namespace cw::cli {

Session::Session(std::ostream& o, std::string folder)
    : out(o), gameFolder(std::move(folder)), game(std::make_unique<Game>()), player(o) {
    game->programFolder = gameFolder;
    player.setScreenText([this](ScreenId screen, std::ostream& text) { printModalScreen(*this, screen, text); });
}

void CommandTable::add(CommandInfo info) {
    std::string name = info.name;
    commands_[name] = std::move(info);
}

const CommandInfo* CommandTable::find(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : &it->second;
}

const CommandTable& commandTable() {
    static const CommandTable table = [] {
        CommandTable t;
        registerCommands(t);
        return t;
    }();
    return table;
}

bool parseInt(const std::string& text, long long& value) {
    const char* b = text.data();
    const char* e = b + text.size();
    auto [p, ec] = std::from_chars(b, e, value);
    // Every number of the game is an int32: a wider one, cast down by a
    // command, would alias a valid object (4294967299 as 3).
    return ec == std::errc() && p == e && !text.empty() && value >= INT32_MIN && value <= INT32_MAX;
}

namespace {
bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

template <typename Table>
int rowByIndexOrName(const Table& table, const std::string& text) {
    long long n = 0;
    if (parseInt(text, n))
        return n >= table.first && n <= table.last && !table[static_cast<int>(n)].name.blank() ? static_cast<int>(n) : 0;
    if (text.empty()) return 0;
    for (int i = table.first; i <= table.last; ++i)
        if (!table[i].name.blank() && sameName(table[i].name.str(), text)) return i;
    return 0;
}
}  // namespace

int platformByIndexOrName(const Game& g, const std::string& text) { return rowByIndexOrName(g.tables().platforms, text); }

int genreByIndexOrName(const Game& g, const std::string& text) { return rowByIndexOrName(g.tables().genres, text); }

std::string needInt(const Command& cmd, std::size_t position, long long min, long long max, long long& value) {
    const auto pos = cmd.positional();
    if (position >= pos.size()) return "missing a number";
    if (!parseInt(pos[position], value)) return "\"" + pos[position] + "\" is not a whole number";
    if (value < min || value > max)
        return pos[position] + " is out of range (" + std::to_string(min) + ".." + std::to_string(max) + ")";
    return {};
}

int runScript(Session& s, std::istream& in, const std::string& sourceName) {
    std::string line;
    int lineNo = 0;
    const CommandTable& table = commandTable();
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const ParseResult parsed = parseLine(line);
        auto fail = [&](const std::string& why) {
            s.out << "error: " << sourceName << ":" << lineNo << ": " << oneLine(why) << '\n';
            s.out.flush();
            return 2;
        };
        if (!parsed.error.empty()) return fail(parsed.error);
        if (!parsed.command) continue;
        const Command& cmd = *parsed.command;
        const CommandInfo* info = table.find(cmd.name);
        if (!info) return fail("unknown command '" + cmd.name + "' (try 'help')");
        if (info->needsGame && !s.gameRunning)
            return fail(cmd.name + ": there is no game yet (start one with new-game or load)");
        const std::string err = info->run(s, cmd);
        if (!err.empty()) return fail(cmd.name + ": " + err + " (usage: " + info->usage + ")");
        const std::string answerErr = s.player.takeError();
        if (!answerErr.empty()) return fail(cmd.name + ": " + answerErr);
        s.out.flush();
        if (s.quitRequested) return 0;
        if (s.game->gameOver) {
            s.out << "game over: the rest of the script is skipped\n";
            return 0;
        }
    }
    // The end of input is the end of the script only when it was read to
    // the end: a folder given as the script, or a read error, is no script.
    if (in.bad()) {
        s.out << "error: " << sourceName << ": the script cannot be read after line " << lineNo << '\n';
        s.out.flush();
        return 2;
    }
    return 0;
}

}  // namespace cw::cli
