// Surnames and given names by origin, shared by the people list, the
// athletes and detectives of the titles and the founders of companies.
#pragma once

#include <string>
#include <vector>

#include "rng.h"
#include "words.h"

namespace datagen {

class NameSource {
public:
    struct Origin {
        std::string key;
        int weight = 1;
        std::vector<std::string> surnames;
        std::vector<std::string> given;
    };

    explicit NameSource(const WordBank& words);

    const std::vector<Origin>& origins() const { return origins_; }
    const Origin& pickOrigin(Rng& rng) const;
    std::string surname(Rng& rng) const { return rng.pick(pickOrigin(rng).surnames); }
    // "Given Surname", both of one origin.
    std::string fullName(Rng& rng) const;

private:
    std::vector<Origin> origins_;
};

}  // namespace datagen
