// Inbox commands of the headless driver.
#include <iomanip>
#include <sstream>

#include "cli/commands.h"
#include "cli/driver.h"
#include "state/inbox.h"

namespace cw::cli {
namespace {

// Row numbers a command may name: every row below the heading.
std::string needRow(const Session& s, const Command& cmd, long long& row) {
    if (cmd.positional().size() > 1) return "takes one row number";
    const long long last = static_cast<long long>(s.game->inbox.rows.size()) - 1;
    if (last < 1) return "the inbox has no rows";
    return needInt(cmd, 0, 1, last, row);
}

void printRows(Session& s) {
    const Inbox& in = s.game->inbox;
    bool any = false;
    for (std::size_t r = 1; r < in.rows.size(); ++r) {
        const InboxRow& row = in.rows[r];
        if (row.blank()) continue;
        any = true;
        s.out << std::right << std::setw(4) << r << "  " << std::left << std::setw(13) << row.cells[0] << "  "
              << std::setw(3) << row.cells[1] << "  " << oneLine(row.cells[2]) << '\n';
    }
    if (!any) s.out << "(empty)\n";
    s.out << "unread: " << countUnread(in) << '\n';
}

std::string cmdInbox(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    openInbox(*s.game);
    printRows(s);
    return {};
}

// The reading pane, one transcript line per line of the letter.
std::string cmdRead(Session& s, const Command& cmd) {
    long long row = 0;
    if (std::string err = needRow(s, cmd, row); !err.empty()) return err;
    const std::string text = openLetter(*s.game, s.player, static_cast<int>(row));
    if (text.empty()) return "row " + std::to_string(row) + " holds no letter";
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        s.out << line << '\n';
    }
    return {};
}

std::string cmdDelete(Session& s, const Command& cmd) {
    long long row = 0;
    if (std::string err = needRow(s, cmd, row); !err.empty()) return err;
    if (deleteLetter(*s.game, static_cast<int>(row)))
        s.out << "deleted row " << row << '\n';
    else
        s.out << "row " << row << " not deleted\n";
    return {};
}

std::string cmdDeleteAll(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    if (deleteAllLetters(*s.game, s.player))
        s.out << "deleted all mails\n";
    else
        s.out << "nothing to delete\n";
    return {};
}

std::string cmdSort(Session& s, const Command& cmd) {
    if (cmd.positional().size() > 1) return "takes one column number";
    long long column = 0;
    if (std::string err = needInt(cmd, 0, 0, 2, column); !err.empty()) return err;
    sortInbox(*s.game, static_cast<int>(column));
    static const char* const headings[] = {"Recived", "Read", "Subject"};
    s.out << "sorted by " << headings[column] << ", " << (s.game->inbox.sortAscending ? "ascending" : "descending")
          << '\n';
    return {};
}

}  // namespace

void registerInboxCommands(CommandTable& t) {
    t.add({"inbox", "inbox",
           "open the inbox: one line per letter (row, received, read, subject), then the unread count", cmdInbox, kNeedsGame});
    t.add({"read", "read ROW", "open the letter in inbox row ROW and print it", cmdRead, kNeedsGame});
    t.add({"delete", "delete ROW", "delete the letter in inbox row ROW (\"Delete permanent\")", cmdDelete, kNeedsGame});
    t.add({"delete-all", "delete-all", "\"Delete all mails\"", cmdDeleteAll, kNeedsGame});
    t.add({"sort", "sort COLUMN", "sort the inbox by column 0 (received), 1 (read) or 2 (subject); again reverses",
           cmdSort, kNeedsGame});
}

}  // namespace cw::cli
