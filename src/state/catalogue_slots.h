// Where a new entry of a catalogue year may go. The year's counter is moved
// by different rules (world set-up leaves it on the next free entry, a
// release puts it on the entry it wrote), so no writer may trust it to name
// a free entry: each takes the first entry that really is free.
#pragma once

#include "state/world.h"

namespace cw {

// The first entry of year `year`, from `from` (at least 1) up to the last,
// whose title is blank; 0 when the year is outside the catalogue or has no
// free entry from there on.
int freeCatalogueSlot(const SaveImage& image, int year, int from);

}  // namespace cw
