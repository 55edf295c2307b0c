// Turn commands of the headless driver: new game, next week, fast forward.
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {

void registerTurnCommands(CommandTable&) {}

}  // namespace cw::cli
