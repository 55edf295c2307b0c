// Hardware commands of the headless driver.
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {

void registerHardwareCommands(CommandTable&) {}

}  // namespace cw::cli
