// Inbox commands of the headless driver.
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {

void registerInboxCommands(CommandTable&) {}

}  // namespace cw::cli
