// People commands of the headless driver.
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {

void registerPeopleCommands(CommandTable&) {}

}  // namespace cw::cli
