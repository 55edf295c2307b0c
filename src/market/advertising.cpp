#include "market/advertising.h"

namespace cw {

void RunCampaigns(Game&, Player&) {}

}  // namespace cw
