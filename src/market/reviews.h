// Magazine reviews of the player's games.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

struct ReviewInput {
    std::string title;
    int platform = 0;
    int genre = 0;
    bool isPreview = false;
    int design = 0;    // the project's researchDesign
    int graphics = 0;  // the project's researchGraphics
    int replayability = 0;
    int complexity = 0;
    int gameplay = 0;
    int overall = 0;  // the game's reviewScore
};

// Writes the review and shows it until the player closes it.
void GenerateReview(Game& g, Player& p, const ReviewInput& in);

}  // namespace cw
