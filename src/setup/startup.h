// Program start: the command-line switches, the screens created at start in
// their fixed order, and the log lines written on the way.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

class Log;

struct StartupSwitches {
    bool debugLogging = false;    // "/debug", "-debug" or "debug", any letter case
    bool exportLanguage = false;  // "/Lngfile", exactly so
    bool editorMode = false;      // "/EDITOR", any letter case
};

// Only the first parameter counts (args[0] is the program itself); anything
// else is ignored.
StartupSwitches parseStartupSwitches(const std::vector<std::string>& args);
StartupSwitches parseStartupSwitches(int argc, const char* const* argv);

struct ScreenStep {
    const char* name;           // the screen's class name, also its object name
    const char* verboseBefore;  // written before creating it, in verbose mode only
    const char* verboseAfter;   // written after creating it, in verbose mode only
    const char* alwaysAfter;    // written after creating it in every run
};

// The 54 screens in the order they are created.
const std::vector<ScreenStep>& screenCreationOrder();

// What the start-up asks of the windowing side. Every hook may be left
// empty; the start-up then skips that piece and keeps the order of the rest.
struct StartupHooks {
    std::function<void(std::string_view title)> setApplicationTitle;
    std::function<void(const ScreenStep& screen)> createScreen;
    // Writes the default language file; false when nothing was written.
    std::function<bool()> exportDefaultLanguage;
    // Shows the language chooser and waits; returns the chosen language's
    // name, or an empty text when none was chosen.
    std::function<std::string()> chooseLanguage;
    std::function<void(const std::string& language)> loadLanguage;
    std::function<void()> closeLanguageChooser;
    // Sizes and places the screens and lays the cover panel over the main screen.
    std::function<void()> layoutScreens;
};

// Runs the start-up up to the event loop: starts the log, writes its lines
// and calls the hooks in order. The log's verbose mode follows the switches.
void runStartup(Log& log, const StartupSwitches& switches, const StartupHooks& hooks);

}  // namespace cw
