// Registration of the driver's commands, one function per subsystem.
#pragma once

namespace cw::cli {

class CommandTable;

void registerCommands(CommandTable& table);
void registerBasicCommands(CommandTable& table);

}  // namespace cw::cli
