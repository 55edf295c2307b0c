// Language commands of the headless driver: the language files the chooser
// offers at start-up.
#include <filesystem>

#include "cli/commands.h"
#include "cli/driver.h"
#include "refdata/language_file.h"

namespace cw::cli {
namespace {

// The chooser's list, each file with what a start with it would find: its
// number of controls, or the message that keeps the game in English.
std::string cmdLanguages(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    s.out << "languages: " << kDefaultLanguage << '\n';
    for (const LanguageChoice& choice : languageFiles(s.gameFolder, s.game->userFolder)) {
        LanguageFile file;
        const std::string error = readLanguageFile(choice.path, file);
        const std::string where = std::filesystem::path(choice.path).parent_path().filename().string() + "/" +
                                  std::filesystem::path(choice.path).filename().string();
        s.out << "  " << choice.name << " (" << where << "): ";
        if (error.empty())
            s.out << file.keys.size() << " controls\n";
        else
            s.out << error << '\n';
    }
    return {};
}

}  // namespace

void registerLanguageCommands(CommandTable& t) {
    t.add({"languages", "languages",
           "the language files of the folder lng, as the language chooser lists them, with their number of controls",
           cmdLanguages});
}

}  // namespace cw::cli
