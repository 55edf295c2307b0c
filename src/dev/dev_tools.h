// The company's development tools: one level 0..4 per platform for code,
// design and graphics; levels above 1 shorten the work of a game.
#pragma once

#include "state/game.h"

namespace cw {

struct ToolLevels {
    i32 code = 0;
    i32 design = 0;
    i32 graphics = 0;
};

// The three levels for a platform; all 0 for no platform.
ToolLevels toolLevels(const Game& g, int platform);

}  // namespace cw
