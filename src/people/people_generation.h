// Making the people of a new world: the generated labour market and the
// player's own person.
#pragma once

#include <functional>

#include "refdata/reference_tables.h"
#include "state/game.h"

namespace cw {

// Fills People[1..n] from the reference people list (n = its data rows).
// `rowDone` is called after every 25th row, for the progress bar.
void generatePeople(Game& g, const ReferenceTables& ref, const std::function<void(int row, int rows)>& rowDone = {});

// Adds the player as the next person after the generated ones, with the age
// and special ability chosen on the player setup screen.
void createPlayerPerson(Game& g, const ReferenceTables& ref);

// The index the player's own person gets: the people list's row count,
// never past the end of the table.
int playerPersonIndex(const ReferenceTables& ref);

// Sets the work area and overall rating from the skills, and trims the skills
// that do not belong to the area.
void classifyPerson(Game& g, Person& p);

// A new monthly wage for the person in the current year; draws at random.
i32 startingWage(Game& g, const Person& p);

}  // namespace cw
