// The engine functions the program knows, grouped by the generation that
// brought them, and the numbers an engine design is judged by: its work, its
// feature level, its score and the genre bonus of the player's other engines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/game.h"

namespace cw {

struct EngineFunction {
    const char* name;
    i32 baseSize;
};

struct EngineFunctionGroup {
    int generation;
    i32 year;  // offered from this year on
    std::vector<EngineFunction> functions;
};

// Oldest group first.
const std::vector<EngineFunctionGroup>& engineFunctionCatalogue();

enum EngineList : int { kSimpleFunctions = 0, kStandardFunctions = 1, kAdvancedFunctions = 2 };

struct OfferedFunction {
    std::string name;
    i32 size = 0;  // code lines
    std::string text() const;  // name + " (" + size + " Codelines)"
};

// The three lists the era offers: the newest group of the year becomes the
// advanced list, the one before it the standard, the one before that the
// simple list.
std::array<std::vector<OfferedFunction>, 3> offeredEngineFunctions(i32 year);

// Which functions are ticked when the lists are first filled.
std::array<std::vector<bool>, 3> initialEngineTicks(const std::array<std::vector<OfferedFunction>, 3>& lists);

enum class EngineOption { Optimizing, Programming, ArtificialIntelligence, Testing };
inline constexpr int kEngineOptionCount = 4;
using EngineOptions = std::array<bool, kEngineOptionCount>;
const char* engineOptionCaption(EngineOption o);

// The code lines of a design: the ticked functions' sizes raised by the
// extreme options.
i32 engineWork(i32 tickedLines, const EngineOptions& options);
// 1..8 from the ticked functions per list and the options.
int engineFeatureLevel(const std::array<int, 3>& tickedPerList, const EngineOptions& options);
// "Engine Score :" out of 150 for the player's engine of the pair; 0
// without a platform or genre.
int engineScore(const Game& g, int platform, int genre);
// What the player's engines of other platforms already know of the genre.
int genreBonus(const Game& g, int genre);

// The week estimate of a design.
struct EngineEstimate {
    i32 lines = 0;
    i32 weeks = 0;
    i32 cost = 0;
};
EngineEstimate engineEstimate(const Game& g, i32 lines, int freelancers, int platform);

// True for a pair the engine tables have room for.
bool engineCellInRange(int platform, int genre);

}  // namespace cw
