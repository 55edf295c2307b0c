#include "market/competitors.h"

namespace cw {

void UpdateGenreTrends(Game&) {}
void ReleaseCompetitorTitles(Game&, Player&) {}

}  // namespace cw
