#include "hardware/platform_publishers.h"

namespace cw {

void weeklyPlatformDeals(Game&, Player&, int) {}

}  // namespace cw
