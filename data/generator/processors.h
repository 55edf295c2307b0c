// The processors of the hardware market: main CPUs, graphics chips,
// combined chips and sound chips, 1975 to 2005.
#pragma once

#include <string>

#include "rng.h"

namespace datagen {

// cw2_cpus.csv: a title line, then name;year;clock MHz;bits;speed index;
// base price;kind (1 CPU, 2 GPU, 3 combined, 4 sound).
std::string processorText(Rng rng);

}  // namespace datagen
