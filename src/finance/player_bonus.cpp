#include "finance/player_bonus.h"

#include <cctype>

namespace cw {

const std::array<const char*, 5>& specialtyNames() {
    static const std::array<const char*, 5> names = {"Leadership", "Programming", "Designing", "Graphics", "Hardware"};
    return names;
}

int specialtyFromText(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '4') return text[0] - '0';
    const auto& names = specialtyNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view name = names[i];
        if (name.size() != text.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k)
            same =
                std::tolower(static_cast<unsigned char>(name[k])) == std::tolower(static_cast<unsigned char>(text[k]));
        if (same) return static_cast<int>(i);
    }
    return -1;
}

std::string checkPlayerBonus(const PlayerBonus& b) {
    if (b.age < kMinPlayerAge || b.age > kMaxPlayerAge)
        return "The player's age is " + std::to_string(kMinPlayerAge) + ".." + std::to_string(kMaxPlayerAge);
    if (b.specialty < 0 || b.specialty >= static_cast<int>(specialtyNames().size()))
        return "The special ability is one of Leadership, Programming, Designing, Graphics, Hardware";
    return {};
}

void resetPlayerSetup(Game& g) {
    g.session.chosenPlayerAge = 30;
    g.session.chosenPlayerSpecialty = 0;
}

std::string applyPlayerBonus(Game& g, const PlayerBonus& b) {
    if (std::string why = checkPlayerBonus(b); !why.empty()) return why;
    g.session.chosenPlayerAge = b.age;
    g.session.chosenPlayerSpecialty = b.specialty;
    return {};
}

std::string specialtyEffectText(int specialty) {
    switch (specialty) {
        case 0:
            return "A born leader: +15 leadership";
        case 1:
            return "A coder at heart: +2 programming";
        case 2:
            return "An eye for game design: +2 design";
        case 3:
            return "An artist's hand: +2 graphics";
        case 4:
            return "A hardware tinkerer: +10 hardware";
        default:
            return {};
    }
}

int retirementYear(int age) { return 2045 - age; }

std::string retirementText(int age) {
    const int year = retirementYear(age);
    if (year > 2005) return "Young enough to lead the company to the very end";
    return "The board retires you at the end of " + std::to_string(year);
}

}  // namespace cw
