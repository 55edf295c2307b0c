// Making the people of a new world: the generated labour market and the
// player's own person.
#pragma once

#include "refdata/reference_tables.h"
#include "state/game.h"

namespace cw {

// Fills People[1..n] from the reference people list (n = its data rows).
void generatePeople(Game& g, const ReferenceTables& ref);

// Adds the player as the next person after the generated ones.
void createPlayerPerson(Game& g, const ReferenceTables& ref);

}  // namespace cw
