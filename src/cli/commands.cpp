#include "cli/commands.h"

namespace cw::cli {

void registerCommands(CommandTable& table) { registerBasicCommands(table); }

}  // namespace cw::cli
