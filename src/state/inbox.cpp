#include "state/inbox.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "state/calendar.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {
namespace {

constexpr std::string_view kUnread = "NO";
constexpr std::string_view kRead = "YES";

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

// The inbox file keeps one letter a line, so a lone "\n" or "\r" that slipped
// into a body would split the letter when it is saved; they are stored as
// "##" like the proper "\r\n".
std::string bodyForStorage(std::string_view body) {
    std::string out = replaceAll(body, "\r\n", "##");
    out = replaceAll(out, "\n", "##");
    return replaceAll(out, "\r", "##");
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// A plain decimal number: optional sign, digits, optional fraction.
std::optional<double> asNumber(std::string_view s) {
    s = trimmed(s);
    if (s.empty()) return std::nullopt;
    std::size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])))
            digits = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits) return std::nullopt;
    double v = 0;
    const char* b = s.data() + (s[0] == '+' ? 1 : 0);
    auto [p, ec] = std::from_chars(b, s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

// The year a letter arrived: the date text before its first ",". A date that
// does not start with a year (a hand-edited inbox file) gives none, and the
// letter is kept.
std::optional<int> letterYear(const std::string& date) {
    const std::size_t comma = date.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const std::string_view y = trimmed(std::string_view(date).substr(0, comma));
    int year = 0;
    auto [p, ec] = std::from_chars(y.data(), y.data() + y.size(), year);
    if (ec != std::errc() || p != y.data() + y.size() || y.empty()) return std::nullopt;
    return year;
}

// Rows that hold letters or may be sorted: 1 .. end, leaving out the blank
// row at the end that the next letter is written into.
std::size_t letterEnd(const Inbox& in) {
    std::size_t end = in.rows.size();
    if (end > 1 && in.rows.back().blank()) --end;
    return end;
}

void deleteRow(Inbox& in, std::size_t row) { in.rows.erase(in.rows.begin() + static_cast<std::ptrdiff_t>(row)); }

}  // namespace

bool InboxRow::blank() const {
    for (const auto& c : cells)
        if (!c.empty()) return false;
    return true;
}

Inbox::Inbox() { reset(); }

void Inbox::reset() {
    rows.clear();
    rows.push_back({{"Recived", "Read", "Subject", ""}});
    rows.push_back({});
    newMailFlag = false;
    unread = 0;
    sortColumn = -1;
    sortAscending = false;
}

int countUnread(const Inbox& inbox) {
    int n = 0;
    for (std::size_t r = 1; r < inbox.rows.size(); ++r)
        if (inbox.rows[r].cells[1] == kUnread) ++n;
    return n;
}

void postLetter(Game& g, Player& p, std::string_view subject, std::string_view body) {
    Inbox& in = g.inbox;
    if (in.rows.empty()) in.reset();
    // The letter goes into the last row, which must be the blank one; an
    // inbox read from a file without it would otherwise lose its last letter.
    if (in.rows.size() < 2 || !in.rows.back().blank()) in.rows.push_back({});
    InboxRow& row = in.rows.back();
    row.cells[0] = letterDateText(g.currentYear, g.currentWeek);
    row.cells[1] = kUnread;
    row.cells[2] = subject;
    row.cells[3] = bodyForStorage(body);
    in.newMailFlag = true;
    in.rows.push_back({});
    in.unread = countUnread(in);
    p.letterPosted(subject, body);
    p.playCue(SoundCue::Letter);
}

int updateUnreadCount(Game& g, Player& p) {
    const int n = countUnread(g.inbox);
    g.inbox.unread = n;
    // Also runs when a letter is opened, so in a reminder week opening one of
    // several unread letters reminds again; kept, the player can read them all.
    if (g.currentWeek % 10 == 0 && n > 0) {
        p.notify("Unread Mail", "You have unread mail in your inbox", 2000);
        p.pause(1500);
    }
    return n;
}

std::string openLetter(Game& g, Player& p, int row) {
    Inbox& in = g.inbox;
    if (row < 1 || static_cast<std::size_t>(row) >= in.rows.size()) return {};
    InboxRow& letter = in.rows[static_cast<std::size_t>(row)];
    if (!letter.holdsLetter()) return {};
    // A "##" that was part of the text itself also becomes a line break.
    const std::string text = "To      : " + g.world().playerName.str() + "\r\n" + "Recived : " + letter.cells[0] +
                             "\r\n" + "\r\n" + replaceAll(letter.cells[3], "##", "\r\n");
    letter.cells[1] = kRead;
    updateUnreadCount(g, p);
    return text;
}

void openInbox(Game& g) { g.inbox.newMailFlag = false; }

std::string inboxLabel(const Game& g) { return "Inbox (" + std::to_string(countUnread(g.inbox)) + ")"; }

std::string inboxProgressText(const Game& g) { return "Inbox messages :" + std::to_string(countUnread(g.inbox)); }

bool deleteLetter(Game& g, int row) {
    Inbox& in = g.inbox;
    if (in.rows.size() <= 2) return false;
    if (row < 1 || static_cast<std::size_t>(row) >= in.rows.size()) return false;
    // The blank row at the end is where the next letter goes; deleting it
    // would make the next letter overwrite the one above.
    if (static_cast<std::size_t>(row) == in.rows.size() - 1 && in.rows.back().blank()) return false;
    deleteRow(in, static_cast<std::size_t>(row));
    in.unread = countUnread(in);
    return true;
}

bool deleteAllLetters(Game& g, Player& p) {
    Inbox& in = g.inbox;
    if (in.rows.size() <= 2) return false;
    while (in.rows.size() > 2) deleteRow(in, 1);
    // Only the first three columns are visible; the body goes too, so the
    // row counts as blank and the next letter is written into it.
    InboxRow& first = in.rows[1];
    if (!first.blank()) first = InboxRow{};
    in.unread = countUnread(in);
    p.refreshMainScreen();
    return true;
}

int deleteOldLetters(Game& g, const std::function<void()>& onDeleted) {
    Inbox& in = g.inbox;
    int deleted = 0;
    for (std::size_t r = in.rows.size(); r-- > 1;) {
        const std::string& date = in.rows[r].cells[0];
        if (trimmed(date).empty()) continue;
        const std::optional<int> year = letterYear(date);
        // Compared without adding to the year: an edited file may hold any number.
        if (!year || !(*year < g.currentYear - 1) || in.rows.size() <= 2) continue;
        deleteRow(in, r);
        ++deleted;
        if (onDeleted) onDeleted();
    }
    if (deleted > 0) in.unread = countUnread(in);
    return deleted;
}

void sortInbox(Game& g, int column) {
    if (column < 0 || column > 2) return;
    Inbox& in = g.inbox;
    in.sortAscending = in.sortColumn == column ? !in.sortAscending : true;
    in.sortColumn = column;
    const std::size_t end = letterEnd(in);
    if (end <= 2) return;  // fewer than two letters
    const auto c = static_cast<std::size_t>(column);
    const bool numeric = asNumber(in.rows[1].cells[c]).has_value();
    const bool ascending = in.sortAscending;
    auto less = [&](const InboxRow& a, const InboxRow& b) {
        int cmp;
        if (numeric) {
            const double x = asNumber(a.cells[c]).value_or(0.0);
            const double y = asNumber(b.cells[c]).value_or(0.0);
            cmp = x < y ? -1 : (x > y ? 1 : 0);
        } else {
            cmp = compareText(a.cells[c], b.cells[c]);
        }
        return ascending ? cmp < 0 : cmp > 0;
    };
    std::stable_sort(in.rows.begin() + 1, in.rows.begin() + static_cast<std::ptrdiff_t>(end), less);
}

}  // namespace cw
