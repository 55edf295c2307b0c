// The mod builder's two lists, kept with the reference tables because the
// "New MOD" import fills them from those tables.
#pragma once

#include <string>
#include <vector>

namespace cw {

// One line of a builder list: "NES(game releases:120)", checked while the
// platform or genre stays in the world.
struct ModItem {
    std::string text;
    bool checked = true;
};

struct ModLists {
    std::vector<ModItem> platforms;  // "Platforms Active in MOD"
    std::vector<ModItem> genres;     // "Genre Active in MOD"
    std::string description;         // "MOD Description"
};

}  // namespace cw
