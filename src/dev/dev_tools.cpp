#include "dev/dev_tools.h"

namespace cw {

ToolLevels toolLevels(const Game& g, int platform) {
    if (platform < 1 || platform > 500) return {};
    const auto& t = g.world().devToolTables;
    // Table 1 holds the graphics tools, 2 the code tools, 4 the design tools.
    return {t[2][platform], t[4][platform], t[1][platform]};
}

}  // namespace cw
