#include "names.h"

#include <stdexcept>

namespace datagen {

NameSource::NameSource(const WordBank& words) {
    for (const auto& line : words.list("origins")) {
        auto parts = split(line, '|');
        if (parts.size() != 2) throw std::runtime_error("bad origin line '" + line + "'");
        Origin o;
        o.key = trim(parts[0]);
        o.weight = std::stoi(parts[1]);
        o.surnames = words.list("s:" + o.key);
        o.given = words.list("g:" + o.key);
        origins_.push_back(std::move(o));
    }
}

const NameSource::Origin& NameSource::pickOrigin(Rng& rng) const {
    std::vector<double> w;
    for (const auto& o : origins_) w.push_back(o.weight);
    return origins_[static_cast<std::size_t>(rng.weighted(w))];
}

std::string NameSource::fullName(Rng& rng) const {
    const Origin& o = pickOrigin(rng);
    std::string given = rng.pick(o.given);
    return given + " " + rng.pick(o.surnames);
}

}  // namespace datagen
