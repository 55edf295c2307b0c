#include "setup/startup.h"

#include <algorithm>
#include <cctype>

#include "state/log.h"

namespace cw {
namespace {

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

StartupSwitches parseStartupSwitches(const std::vector<std::string>& args) {
    StartupSwitches s;
    if (args.size() < 2) return s;
    const std::string& first = args[1];
    const std::string low = lowered(first);
    s.debugLogging = low == "/debug" || low == "-debug" || low == "debug";
    // The language export is the only switch that cares about letter case.
    s.exportLanguage = first == "/Lngfile";
    s.editorMode = low == "/editor";
    return s;
}

StartupSwitches parseStartupSwitches(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc && i < 2; ++i) args.emplace_back(argv[i] ? argv[i] : "");
    return parseStartupSwitches(args);
}

const std::vector<ScreenStep>& screenCreationOrder() {
    static const std::vector<ScreenStep> order = {
        {"TForm_main", nullptr, nullptr, "Main Windows initialized..."},
        {"TForm_CW2Starter", nullptr, nullptr, "Starter Window initialized..."},
        {"TForm_MapOption", nullptr, "MAP form was init.", nullptr},
        {"TForm_Project_progress", nullptr, "Project_progress was init.", nullptr},
        {"TForm_product_status", nullptr, nullptr, nullptr},
        {"TForm_salesCharts", nullptr, nullptr, nullptr},
        {"TDBForm", nullptr, "DBFORM was init.", nullptr},
        {"TBonusForm", nullptr, nullptr, nullptr},
        {"TForm_employees", nullptr, nullptr, nullptr},
        {"Tform_stock", nullptr, nullptr, nullptr},
        {"TInitform", nullptr, "INITFORM was init.", nullptr},
        {"TForm_inbox", nullptr, nullptr, nullptr},
        {"TForm_platforms", nullptr, nullptr, nullptr},
        {"Tform_cpu", nullptr, nullptr, nullptr},
        {"TForm_newplatform", nullptr, nullptr, nullptr},
        {"TMessage_box", nullptr, nullptr, nullptr},
        {"TForm_view_employees", nullptr, "View_employess was init.", nullptr},
        {"TForm_project_finished", nullptr, nullptr, nullptr},
        {"TForm_factory_assembly", nullptr, nullptr, nullptr},
        {"TForm_storage", nullptr, nullptr, nullptr},
        {"Tform_advertising", nullptr, nullptr, nullptr},
        {"Tform_platformPublisher", nullptr, nullptr, nullptr},
        {"TDevelopment", nullptr, nullptr, nullptr},
        {"Tform_Calendar", nullptr, "Form_Calender was init.", nullptr},
        {"TCW2Dialog", nullptr, nullptr, nullptr},
        {"TForm_newtask_dialog", nullptr, nullptr, nullptr},
        {"Tform_bank", nullptr, nullptr, nullptr},
        {"TCW2DialogBox", nullptr, nullptr, nullptr},
        {"Tform_end_screen", nullptr, nullptr, nullptr},
        {"TForm_development", nullptr, "form_development was init.", nullptr},
        {"TForm_view_engines", nullptr, nullptr, nullptr},
        {"TForm_EngineDeal", nullptr, nullptr, nullptr},
        {"Tform_player_bonus", nullptr, nullptr, nullptr},
        {"Tform_leaderchoose", nullptr, nullptr, nullptr},
        {"Tform_Secatary", nullptr, nullptr, nullptr},
        {"TForm_webbrowse", nullptr, nullptr, nullptr},
        {"TForm_study", nullptr, nullptr, nullptr},
        {"TForm_genredemands", nullptr, nullptr, nullptr},
        {"TForm_GamePublisher", nullptr, nullptr, nullptr},
        {"Tform_releasegame", nullptr, nullptr, nullptr},
        {"TForm_memos", nullptr, nullptr, nullptr},
        {"TForm_preview", nullptr, nullptr, nullptr},
        {"TTheStreamPlayer", "Streamplayer init start.", "Streamplayer init done !.", nullptr},
        {"Tform_Analyse", nullptr, nullptr, nullptr},
        {"TForm_boardmeeting", nullptr, nullptr, nullptr},
        {"Tform_didyouknow", nullptr, nullptr, nullptr},
        {"TForm_platform_analysis", nullptr, nullptr, nullptr},
        {"Tform_music_setup", nullptr, nullptr, nullptr},
        {"TForm_company_overview", nullptr, nullptr, nullptr},
        {"TPasswordDlg", nullptr, nullptr, nullptr},
        {"TForm_mod_load", nullptr, nullptr, nullptr},
        {"TForm_load_game", nullptr, nullptr, nullptr},
        {"TForm_E3", nullptr, "Form E3 was init.", nullptr},
        {"TForm_lng", nullptr, nullptr, nullptr},
    };
    return order;
}

void runStartup(Log& log, const StartupSwitches& switches, const StartupHooks& hooks) {
    log.startLog();
    log.writeLog("Application Init...");

    log.debugLogging = false;
    if (switches.debugLogging) {
        log.debugLogging = true;
        log.writeLog("DUBUG mode ON, Verbose logging in this session");
    }

    if (hooks.setApplicationTitle) hooks.setApplicationTitle("Crestwork II");

    for (const ScreenStep& screen : screenCreationOrder()) {
        if (screen.verboseBefore && log.debugLogging) log.writeLog(screen.verboseBefore);
        if (hooks.createScreen) hooks.createScreen(screen);
        if (screen.alwaysAfter) log.writeLog(screen.alwaysAfter);
        if (screen.verboseAfter && log.debugLogging) log.writeLog(screen.verboseAfter);
    }
    log.writeLog("All forms initilized...");

    if (switches.exportLanguage) {
        if (hooks.exportDefaultLanguage && hooks.exportDefaultLanguage()) log.writeLog("Exporting Default Lng file");
    } else if (hooks.chooseLanguage) {
        const std::string language = hooks.chooseLanguage();
        if (!language.empty() && language != "English Default") {
            log.writeLog("Importing Lng :" + language);
            if (hooks.loadLanguage) hooks.loadLanguage(language);
        }
    }
    if (hooks.closeLanguageChooser) hooks.closeLanguageChooser();

    log.writeLog("Init form size and locations...");
    if (hooks.layoutScreens) hooks.layoutScreens();
}

}  // namespace cw
