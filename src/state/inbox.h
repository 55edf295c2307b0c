// The player's inbox: a table of letters that stays until the player
// deletes it. Row 0 is the heading row and the table always ends with one
// blank row, which the next letter fills.
#pragma once

#include <array>
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
};

struct Inbox {
    Inbox();  // the heading row and one blank row
    void reset();

    std::vector<InboxRow> rows;
    bool newMailFlag = false;  // a letter arrived that the player has not looked at
    int unread = 0;            // as last counted by updateUnreadCount
    int sortColumn = -1;       // last column sorted by, and its direction
    bool sortAscending = false;
};

// Adds a letter dated with the current game week and tells the player.
void postLetter(Game& g, Player& p, std::string_view subject, std::string_view body);

// Recounts unread letters; in every tenth week with unread mail it reminds
// the player.
int updateUnreadCount(Game& g, Player& p);

// Opening letter `row` (1..): marks it read and returns the reading pane's
// text; an empty text when the row holds no letter.
std::string openLetter(Game& g, Player& p, int row);

// "Delete permanent": deletes the row, but never below heading + one row.
bool deleteLetter(Game& g, int row);
// "Delete all mails".
void deleteAllLetters(Game& g, Player& p);
// The week tick's clean-up of letters older than a year; returns how many
// rows were deleted.
int deleteOldLetters(Game& g);
// Clicking a column heading: sorts rows 1.. by that column, alternating
// ascending and descending.
void sortInbox(Game& g, int column);

}  // namespace cw
