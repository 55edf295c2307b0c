// What happens to a finished project before it becomes a product: the
// distribution of a game and the status dialog of a console.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The distribution dialog of a finished game task; returns false when no
// dialog could be shown, so a caller waiting for a region stops asking.
bool distributionDialog(Game& g, Player& p, int task);

// The game task whose distribution dialog is open, 0 when none is.
int openDistributionTask();

// The project status dialog of a finished or improved console task.
void showProjectStatus(Game& g, Player& p, int task);

}  // namespace cw
