// What happens to a finished project before it becomes a product: the
// distribution of a game and the project status dialog, from which a
// console is improved or finished into a real platform.
#pragma once

#include <array>
#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The distribution dialog of a finished game task; returns false when no
// dialog could be shown, so a caller waiting for a region stops asking.
bool distributionDialog(Game& g, Player& p, int task);

// The game task whose distribution dialog is open, 0 when none is.
int openDistributionTask();

// The project status dialog ("Product development status") of a task.
struct ProjectStatusDialog {
    static constexpr const char* kCaption = "Product development status";
    // "Product name:", "Project name :", "Product type :", "Product Subtype :",
    // "Product quality :", "Unit Stock :", "Total storage left :"
    static const std::array<const char*, 7> kLabels;
    static constexpr const char* kImprove = "Improve product";
    static constexpr const char* kFinish = "Finish Project";
    static constexpr const char* kClose = "Close";

    int task = 0;
    bool console = false;  // a console in new development
    bool game = false;     // a game project: its score can be taken apart
    // The label values, in the order of kLabels.
    std::array<std::string, 7> values;
    // A game task: the platforms it is developed for.
    std::string platformsText;
    std::string statusText;
    bool improveEnabled = false;
    bool finishEnabled = false;
    // Why a button is disabled; empty while it is enabled.
    std::string improveHint;
    std::string finishHint;
};

// The dialog's contents for task `task`; an empty dialog (task 0) for a
// free slot.
ProjectStatusDialog projectStatusDialog(const Game& g, int task);

// The dialog's status text alone (empty for tasks that get none).
std::string projectStatusText(const Game& g, int task);

// Shows the dialog of a task through the player; called by the weekly
// task step for finished or improved consoles and by the project screens.
void showProjectStatus(Game& g, Player& p, int task);

// The task whose status dialog is open, 0 when none is.
int openProjectStatusTask();

// "Improve product": another 8 weeks of work on a finished console, with
// the question of what to improve. Returns the refusal, or an empty text
// when the improvement started (the dialog then closes).
std::string improveProduct(Game& g, Player& p, int task);

// What "Finish Project" did.
struct FinishOutcome {
    bool finished = false;  // the console is a platform and a ready product
    int platform = 0;       // its Platforms slot
    int product = 0;        // its product entry
    std::string refusal;    // why nothing happened; empty when finished or declined
};

// "Finish Project": after the "Finish Product" question, a finished console
// becomes platform `platform`, a product "ready for release" (the task is
// cleared) and asks for assembly lines. Nothing changes when the player says
// No, or when the market or the product list has no room for it.
FinishOutcome finishProject(Game& g, Player& p, int task);

}  // namespace cw
