#include "cli/commands.h"

namespace cw::cli {

void registerCommands(CommandTable& table) {
    registerBasicCommands(table);
    registerInboxCommands(table);
    registerTurnCommands(table);
}

}  // namespace cw::cli
