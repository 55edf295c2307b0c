// Magazine reviews of the player's games: the review of a finished game and
// the paid preview of one still in development. The texts are put together
// from fixed phrase tables by how far each quality lies from what the genre
// asks for, with a random spread; the review changes nothing in the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"
#include "state/player.h"
#include "state/random.h"

namespace cw {

struct ReviewInput {
    std::string title;
    int platform = 0;
    int genre = 0;
    bool isPreview = false;
    int design = 0;    // the project's researchDesign
    int graphics = 0;  // the project's researchGraphics
    int replayability = 0;
    int complexity = 0;
    int gameplay = 0;
    int overall = 0;  // the game's reviewScore
};

// What a review reads from the world besides its inputs.
struct ReviewContext {
    std::string genreName;
    std::string platformName;
    std::string companyName;
    std::string playerName;
    std::array<i32, 3> demands{};  // gameplay, complexity, replayability
    std::array<i32, 3> weights{};  // programming, design, graphics
};
ReviewContext reviewContext(const Game& g, const ReviewInput& in);

struct ReviewBar {
    const char* label = "";
    i32 value = 0;
    // Where the bar stands: bars run 0..100.
    i32 position() const { return value < 0 ? 0 : value > 100 ? 100 : value; }
};

enum ReviewBarIndex { kBarGameplay, kBarGraphics, kBarSound, kBarReplayability, kBarOverall };

// One review as the screen shows it. Line breaks in the texts are CR LF.
struct Review {
    std::string title;
    std::string genreName;
    std::string platformName;
    bool isPreview = false;
    std::string introduction;  // empty when the score fits no introduction
    std::string body;          // the verdicts among lines of dots, and the overall opinion
    // "Gameplay :", "Graphics :", "Sound :", "Replayability:", "Overall"
    std::array<ReviewBar, 5> bars{};
    std::string byline;  // "written by " + first name + last name
    // The product a review read again from the product list belongs to, so
    // the screen can offer its post-mortem; 0 for a review as it is written.
    int product = 0;
};

// The three verdict tables: the phrase for difference b (and, for B and C,
// the second draw r); empty when b lies outside every range.
const char* verdictAPhrase(i32 b);
const char* verdictBPhrase(i32 b, i32 r);
const char* verdictCPhrase(i32 b, i32 r);
// A verdict: the aspect's name followed by its phrase, drawing the spread
// (and for B and C then the phrase set) from `rng`.
std::string verdictA(std::string_view aspect, i32 value, i32 standard, Random& rng);
std::string verdictB(std::string_view aspect, i32 value, i32 standard, Random& rng);
std::string verdictC(std::string_view aspect, i32 value, i32 standard, Random& rng);

// The introduction list for a score (0 for 0..60 up to 4 for 111..210), or
// -1 when there is none; and sentence k (0..6) of list `list`, unfilled.
int introductionList(i32 overall);
const char* introductionSentence(int list, int k);
// Fills the placeholders of an introduction sentence.
std::string fillIntroduction(std::string text, const std::string& title, const std::string& genre,
                             const std::string& company);
// Preview introduction `variant` 0..5.
std::string previewIntroduction(int variant, const std::string& title, const std::string& company,
                                const std::string& player);

inline constexpr const char* kReviewFiller1 = "... ..... ..... ..";
inline constexpr const char* kReviewFiller1b = "... ... ..";
inline constexpr const char* kReviewFiller2 = "..... .. ... .......  .. . . ....";
inline constexpr const char* kReviewFiller3 = ".... ...... ........ ... .. ......";

// Writes a review from its inputs, drawing every random number from `rng`
// in the fixed order; the result depends on nothing else.
Review composeReview(const ReviewInput& in, const ReviewContext& ctx, Random& rng);

// Writes the review and shows it until the player closes it. A preview is
// drawn from the game's generator; the review of a finished game from a
// generator seeded by its own values, the ones its record keeps, while the
// game's generator makes the same draws beside it.
void GenerateReview(Game& g, Player& p, const ReviewInput& in);

// The review of game product k (as the product list numbers it), written
// again without touching the game's generator: the same text as shown when
// the game was finished, also after a load or in another run. False for an
// entry that holds no game.
bool productReview(const Game& g, int k, Review& out);

// "Preview game" on the project screen of game task `task`: refused while
// less than half of the work is done (with the "To early..." notification),
// asks whether to prepare a preview, shows it and lengthens the remaining
// work by 3 %.
enum class PreviewResult { Refused, Declined, Shown };
PreviewResult RequestPreview(Game& g, Player& p, int task);

// The review as lines of text, for the headless driver.
std::vector<std::string> reviewLines(const Review& r);

}  // namespace cw
