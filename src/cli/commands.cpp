#include "cli/commands.h"

namespace cw::cli {

void registerCommands(CommandTable& table) {
    registerBasicCommands(table);
    registerInboxCommands(table);
    registerTurnCommands(table);
    registerRefdataCommands(table);
    registerPeopleCommands(table);
    registerHardwareCommands(table);
    registerSaveCommands(table);
    registerDevCommands(table);
    registerEngineCommands(table);
    registerStaffCommands(table);
    registerTaskCommands(table);
    registerMarketCommands(table);
    registerFinanceCommands(table);
    registerReleaseCommands(table);
    registerPostMortemCommands(table);
    registerAutoplayCommands(table);
    registerProductCommands(table);
    registerReviewCommands(table);
    registerExpoCommands(table);
    registerPlanningCommands(table);
    registerBuildingCommands(table);
    registerWorldCommands(table);
    registerToolsCommands(table);
    registerBooksCommands(table);
    registerFactoryCommands(table);
    registerConsoleDesignCommands(table);
    registerModCommands(table);
    registerLanguageCommands(table);
    registerPlatformPublisherCommands(table);
    registerSoundCommands(table);
}

}  // namespace cw::cli
