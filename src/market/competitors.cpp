#include "market/competitors.h"

namespace cw {

void UpdateGenreTrends(Game&) {}
void ReleaseCompetitorTitles(Game&, Player&) {}
void ReleasePastTitles(Game&, Player&) {}

}  // namespace cw
