// The yearly computer and games show: the booth offer and the award show
// that ranks last year's games.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

enum class Booth : int { None = 0, Small = 1, Medium = 2, Large = 3, Giant = 4 };
inline constexpr int kBoothCount = 5;

inline constexpr const char* kExpoOfferText =
    "The organizer's of this years show is offering you place for a booth on this years show. \r\nThis is the Main "
    "computer show. The best place to demonstrate your upcoming games and computers.  \r\nDo you want to buy space "
    "for a stand on this years computer show ?";
inline constexpr const char* kExpoEnterButton = "Go to the show >>";
inline constexpr const char* kExpoSkipButton = "Skip the show";
inline constexpr const char* kExpoNextButton = "Next >>";
inline constexpr const char* kExpoEntriesCaption = "You have the following items in this category :";
inline constexpr const char* kExpoImpressionCaption = "Your impression from this years E3/Award show :";

std::string boothCaption(Booth b);
i32 boothCost(Booth b);
// "none", "small", "medium", "large", "giant"; false for another word.
bool parseBooth(const std::string& word, Booth& b);
const char* boothWord(Booth b);

// The award steps: 0 best game of the year, 1 best games on a platform,
// 2 best games of a genre, 3 best selling games, 4 the impression panel.
enum AwardStep : int { AwardBest = 0, AwardPlatform = 1, AwardGenre = 2, AwardSales = 3, AwardImpression = 4 };

// One of the five ranked slots; title 0 is a slot no title ever filled.
struct AwardSlot {
    int title = 0;  // catalogue index of last year
    i32 key = 0;
    int position = 0;  // 1..5
};

// The ranking of one category, slots in fill order. Filter 0 ranks all of
// last year's titles; otherwise the platform (step 1) or genre (step 2).
std::array<AwardSlot, 5> awardSlots(const Game& g, int step, int filter);

struct AwardPlace {
    int title = 0;      // 0: nobody holds this place
    std::string line;   // "1. Title - Company (Platform)"
    std::string name, company, platform;  // the line's parts, for a stage
    bool players = false;  // shown in red
};

struct AwardCategory {
    int step = 0;
    int filter = 0;
    std::string heading;
    std::vector<std::string> playerEntries;  // the player's released titles in the category
    std::array<AwardPlace, 5> places;        // [0] is position 1
};

// The platforms (step 1) or genres (step 2) that get a category of their own.
std::vector<int> qualifyingPlatforms(const Game& g);
std::vector<int> qualifyingGenres(const Game& g);

std::string awardHeading(const Game& g, int step, int filter);
// The lines under "You have the following items in this category :".
std::vector<std::string> ListPlayerEntries(const Game& g, int step, int filter);

// A place of the player's won in the show, kept for the letter and history.
struct AwardWin {
    std::string title;
    std::string heading;
    int position = 0;
};

// One show from the offer to the impression panel.
struct ExpoShow {
    int year = 0;  // the year whose games are ranked
    Booth booth = Booth::None;
    bool entered = false;
    bool skipped = false;
    std::string impression;
    std::vector<std::pair<int, int>> pending;  // (step, filter) still to show
    std::vector<AwardCategory> shown;
    std::vector<AwardWin> wins;
    std::string bestGame;  // the line of the best game of the year, for the news
};

// Ranks one category and fills its places; the player's titles in steps 0
// to 2 gain sales score and a line of the impression text.
AwardCategory AwardTop5(Game& g, ExpoShow& show, int step, int filter);

// "Go to the show >>" with the booth ticked: pays, draws the image and hype
// gains and queues the categories.
void EnterExpo(Game& g, ExpoShow& show, Booth booth);
// "Skip the show": nothing is charged, nothing shown.
void SkipExpo(ExpoShow& show);
// "Next >>": ranks the next category; false once only the impression panel
// is left.
bool NextCategory(Game& g, ExpoShow& show);
// The categories a player who closed the window early did not watch still
// award their places: the titles won whether anyone looked or not.
void finishExpo(Game& g, ExpoShow& show);

// The show ShowExpo has open, for the screen that presents it (null when
// none is open).
ExpoShow* openExpo();

// Offers the booth and runs the show (week 4 of every year after 1980).
void ShowExpo(Game& g, Player& p);

}  // namespace cw
