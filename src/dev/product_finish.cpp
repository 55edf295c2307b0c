#include "dev/product_finish.h"

#include <utility>

#include "dev/release.h"

namespace cw {
namespace {
// The game task whose dialog is on the screen.
int g_openTask = 0;
}  // namespace
}  // namespace cw

namespace cw {

int openDistributionTask() { return g_openTask; }

bool distributionDialog(Game& g, Player& p, int task) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    const int previous = std::exchange(g_openTask, task);
    p.showModal(ScreenId::Distribution);
    g_openTask = previous;
    // Closing the dialog without a region must not hold the week: the game
    // goes to every region the company can pay for.
    const GameTitle& game = tasks[task].game;
    if (!game.inUS && !game.inEU && !game.inAsia) chooseDistribution(g, task, defaultRegions(g));
    return true;
}

// Filled by the issue that brings the project status dialog.
void showProjectStatus(Game&, Player&, int) {}

}  // namespace cw
