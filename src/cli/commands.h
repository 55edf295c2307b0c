// Registration of the driver's commands, one function per subsystem.
#pragma once

namespace cw::cli {

class CommandTable;

void registerCommands(CommandTable& table);
void registerBasicCommands(CommandTable& table);
void registerInboxCommands(CommandTable& table);  // inbox, read, delete, delete-all
void registerTurnCommands(CommandTable& table);   // new-game, next-week, fast-forward, news, history

}  // namespace cw::cli
