// The people of the labour market.
#pragma once

#include <string>

#include "names.h"
#include "rng.h"

namespace datagen {

// cw2_test_people.txt: "Surname,Given;rank", rank 4, 8 or 12, every name
// different.
std::string peopleText(const NameSource& names, Rng rng, int count);

}  // namespace datagen
