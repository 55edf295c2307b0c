// The player's inbox: a table of letters that stays until the player
// deletes it. Row 0 is the heading row and the table always ends with one
// blank row, which the next letter fills.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

struct Game;
class Player;

struct InboxRow {
    // 0 date received "yyyy, mm - d", 1 "NO"/"YES", 2 subject, 3 body with
    // every line break stored as "##".
    std::array<std::string, 4> cells;
    bool blank() const;
    // A row the player can open: its date column is filled.
    bool holdsLetter() const { return !cells[0].empty(); }
};

struct Inbox {
    Inbox();  // the heading row and one blank row
    void reset();

    std::vector<InboxRow> rows;
    bool newMailFlag = false;  // a letter arrived that the player has not looked at
    int unread = 0;            // letters whose read flag is "NO", kept current by every change below
    int sortColumn = -1;       // last column sorted by, and its direction
    bool sortAscending = false;
};

// Letters whose read flag is "NO" (rows 1..last); no reminder.
int countUnread(const Inbox& inbox);

// Adds a letter dated with the current game week and tells the player.
void postLetter(Game& g, Player& p, std::string_view subject, std::string_view body);

// Recounts unread letters into g.inbox.unread; in every tenth week with
// unread mail it reminds the player.
int updateUnreadCount(Game& g, Player& p);

// Opening letter `row` (1..): marks it read and returns the reading pane's
// text; an empty text when the row holds no letter (the heading, a blank
// row, a row out of range).
std::string openLetter(Game& g, Player& p, int row);

// Opening the inbox screen: the inbox icon stops blinking.
void openInbox(Game& g);

// "Inbox (" + n + ")" for the main screen and "Inbox messages :" + n for the
// progress window; n counted afresh, so a freshly loaded inbox shows right.
std::string inboxLabel(const Game& g);
std::string inboxProgressText(const Game& g);

// "Delete permanent": deletes the row, but never below heading + one row,
// and never the heading or the blank row the next letter goes into.
// Returns whether a row was deleted.
bool deleteLetter(Game& g, int row);
// "Delete all mails"; returns false when there was nothing to delete (no
// refresh then).
bool deleteAllLetters(Game& g, Player& p);
// The week tick's clean-up of letters more than a year old. The caller
// checks the "DELETE mail older than One year" option and logs; `onDeleted`
// runs once per deleted row (the week tick logs "Deleting mail.." there).
// Returns how many rows were deleted.
int deleteOldLetters(Game& g, const std::function<void()>& onDeleted = {});
// Clicking a column heading (0..2): sorts the letters by that column;
// clicking the same heading again reverses the order, another heading starts
// ascending. Out-of-range columns are ignored.
void sortInbox(Game& g, int column);

}  // namespace cw
