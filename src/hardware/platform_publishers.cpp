#include "hardware/platform_publishers.h"

namespace cw {

void weeklyPlatformDeals(Game&, Player&, int) {}

int dealCount(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return 0;
    int n = 0;
    for (const DealSlot& d : tasks[task].platform.deals)
        if (d.dealCompany != 0) ++n;
    return n;
}

// Filled by the issue that brings the platform publisher screen.
void openPlatformPublishers(Game&, Player&, int) {}

}  // namespace cw
