#include "people.h"

#include <set>

namespace datagen {

std::string peopleText(const NameSource& names, Rng rng, int count) {
    std::string out;
    std::set<std::string> seen;
    while (static_cast<int>(seen.size()) < count) {
        const auto& origin = names.pickOrigin(rng);
        std::string name = rng.pick(origin.surnames) + "," + rng.pick(origin.given);
        if (!seen.insert(name).second) continue;
        // Most people are ordinary hands; one in four is good, one in
        // twelve excellent.
        int r = rng.below(100);
        int rank = r < 70 ? 4 : (r < 92 ? 8 : 12);
        out += name + ";" + std::to_string(rank) + "\n";
    }
    return out;
}

}  // namespace datagen
