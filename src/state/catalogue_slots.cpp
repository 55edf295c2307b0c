#include "state/catalogue_slots.h"

#include <algorithm>

namespace cw {

int freeCatalogueSlot(const SaveImage& image, int year, int from) {
    if (!decltype(SaveImage::gameTitles)::inRange(year)) return 0;
    const auto& titles = image.gameTitles[year];
    for (int slot = std::max(from, 1); slot <= std::decay_t<decltype(titles)>::last; ++slot)
        if (titles[slot].title.blank()) return slot;
    return 0;
}

}  // namespace cw
