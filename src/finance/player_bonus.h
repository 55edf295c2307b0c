// The player setup screen ("Player setup"): the player's age and special
// ability, chosen before the world is built and read when the player's own
// person is made.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/game.h"

namespace cw {

struct PlayerBonus {
    int age = 30;       // "Player Age :" 16..40
    int specialty = 0;  // position in "Player Special Abilities :"
};

inline constexpr int kMinPlayerAge = 16;
inline constexpr int kMaxPlayerAge = 40;

// "Leadership", "Programming", "Designing", "Graphics", "Hardware".
const std::array<const char*, 5>& specialtyNames();

// A specialty by its list text (any letter case) or its position 0..4; -1
// for anything else.
int specialtyFromText(std::string_view text);

// Why the choice cannot be stored (an age off the field's range, a position
// off the list); empty when it can.
std::string checkPlayerBonus(const PlayerBonus& b);

// Before the screen shows: age 30 and "Leadership", whatever was chosen in
// an earlier start of this run.
void resetPlayerSetup(Game& g);
// "Continue": stores both choices. A refused choice stores nothing and
// returns the reason.
std::string applyPlayerBonus(Game& g, const PlayerBonus& b);

// What the special ability adds to the player's own person, for the screen.
std::string specialtyEffectText(int specialty);

// The year at whose end the board replaces a player who starts in 1980 at
// `age`: everybody ages by one at every year's end, and past 65 the player
// has to go.
int retirementYear(int age);
// The screen's line about it: the year, or that the player stays to the end.
std::string retirementText(int age);

}  // namespace cw
