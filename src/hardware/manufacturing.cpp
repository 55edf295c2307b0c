#include "hardware/manufacturing.h"

namespace cw {

void platformBugCheck(Game&, Player&) {}
void factoryProduction(Game&, Player&) {}
void clearEmptyEntries(Game&) {}

}  // namespace cw
