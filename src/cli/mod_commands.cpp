// Mod commands of the headless driver: the chooser's list, the access-code
// dialog of "New MOD" and the builder's "Save MOD and close" and "Load Mod".
#include <algorithm>
#include <cctype>
#include <optional>

#include "cli/commands.h"
#include "cli/driver.h"
#include "refdata/import.h"
#include "refdata/mods.h"
#include "state/codepage.h"

namespace cw::cli {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void printLines(Session& s, const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        s.out << "  " << text.substr(start, end - start) << '\n';
        start = end + 1;
    }
}

// The builder's lists come from a "New MOD" import; the CLI runs one when
// the lists are still empty, as the access-code dialog would have.
bool ensureBuilder(Session& s) {
    if (s.ref.modLists.platforms.empty()) importReferenceData(*s.game, s.player, s.ref, ImportAction::NewMod);
    if (!s.ref.importProblem.empty()) {
        s.out << "mod builder: " << referenceDataRefusal(s.ref) << '\n';
        return false;
    }
    return !s.ref.modLists.platforms.empty();
}

void printBuilder(Session& s, bool everyItem) {
    const ModLists& l = s.ref.modLists;
    for (const auto& [heading, items] :
         {std::pair{"Platforms Active in MOD", &l.platforms}, std::pair{"Genre Active in MOD", &l.genres}}) {
        int active = 0;
        for (const ModItem& i : *items) active += i.checked ? 1 : 0;
        s.out << heading << ": " << active << " of " << items->size() << '\n';
        for (const ModItem& i : *items)
            if (everyItem || !i.checked) s.out << "  [" << (i.checked ? 'x' : ' ') << "] " << i.text << '\n';
    }
    s.out << "MOD Description:\n";
    printLines(s, l.description);
}

// A list of names: separated by "," (a genre combination then joins its
// base genres with "+": "Role-Playing (RPG)+Strategy"), or by ";" when the
// value holds one, taken as written.
std::vector<std::string> nameList(const std::string& value) {
    std::vector<std::string> names;
    const bool semicolons = value.find(';') != std::string::npos;
    const char sep = semicolons ? ';' : ',';
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = std::min(value.find(sep, start), value.size());
        std::string name = trimmed(value.substr(start, end - start));
        if (!semicolons) std::replace(name.begin(), name.end(), '+', ',');
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

// Unchecks the items named; the first unknown name is the error.
std::string uncheckNamed(std::vector<ModItem>& items, const std::string& value, const char* what) {
    for (const std::string& name : nameList(value)) {
        auto it = std::find_if(items.begin(), items.end(),
                               [&](const ModItem& i) { return lower(modItemName(i.text)) == lower(name); });
        if (it == items.end())
            return std::string("no ") + what + " named \"" + name + "\" (new-mod CODE lists them)";
        it->checked = false;
    }
    return {};
}

std::string cmdMods(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const std::vector<std::string> entries = modChooserEntries(s.game->programFolder, s.game->userFolder);
    s.out << "Available MODs: " << entries.size() << '\n';
    for (const std::string& e : entries) {
        s.out << e << '\n';
        printLines(s, modEntryDescription(s.game->programFolder, e, s.game->userFolder));
    }
    return {};
}

std::string cmdChooseMod(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "needs the name of a MOD (or \"Default CW2\")";
    std::string label;
    if (!chooseMod(*s.game, s.player, pos[0], label).empty()) {
        s.out << "choose-mod: refused\n";
        return {};
    }
    s.out << "MOD: " << (pos[0] == kDefaultModName ? kDefaultModName : pos[0]) << '\n';
    printLines(s, label);
    return {};
}

std::string cmdNewMod(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "needs the access code";
    if (!newMod(*s.game, s.player, s.ref, pos[0])) {
        s.out << "new-mod: nothing happens\n";
        return {};
    }
    if (!s.ref.importProblem.empty()) s.out << "import: incomplete: " << s.ref.importProblem << '\n';
    s.out << "[screen] TDBForm -> NEW MODfication\n";
    printBuilder(s, true);
    return {};
}

std::string cmdModSave(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1) return "needs the MOD's file name";
    if (std::string why = checkModFileName(pos[0]); !why.empty()) return why;
    std::string platforms, genres;
    std::optional<std::string> description;
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        if (a.key == "platforms")
            platforms = a.value;
        else if (a.key == "genres")
            genres = a.value;
        else if (a.key == "description")
            description = a.value;
        else
            return "unknown option " + a.key;
    }
    if (!ensureBuilder(s)) {
        s.out << "mod-save: refused\n";
        return {};
    }
    ModLists& l = s.ref.modLists;
    ModLists before = l;
    for (ModItem& i : l.platforms) i.checked = true;
    for (ModItem& i : l.genres) i.checked = true;
    std::string why = uncheckNamed(l.platforms, platforms, "platform");
    if (why.empty()) why = uncheckNamed(l.genres, genres, "genre");
    if (!why.empty()) {
        l = std::move(before);
        return why;
    }
    if (description) {
        // A script line holds no line break; "\n" stands for one typed into the field.
        std::string text = *description;
        for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
        l.description = cutText(text, kMaxModDescription);
    }
    const std::string path = modFolder(s.game->writableFolder()) + "/" + withModExtension(pos[0]);
    if (std::string failed = writeModFile(path, modFromLists(l)); !failed.empty()) {
        s.player.messageBox(kModCaption, failed, false);
        s.out << "mod-save: refused\n";
        return {};
    }
    s.out << "mod-save: " << withModExtension(pos[0]) << " written to " << kModFolderName << '\n';
    printBuilder(s, false);
    return {};
}

std::string cmdModLoad(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "needs the MOD's file name";
    ModFile m;
    if (std::string why = readModByName(s.game->programFolder, pos[0], m, s.game->userFolder); !why.empty()) {
        s.player.messageBox(kModCaption, why, false);
        s.out << "mod-load: refused\n";
        return {};
    }
    if (!ensureBuilder(s)) {
        s.out << "mod-load: refused\n";
        return {};
    }
    applyModToLists(s.ref.modLists, m);
    s.out << "mod-load: " << pos[0] << '\n';
    printBuilder(s, false);
    return {};
}

}  // namespace

void registerModCommands(CommandTable& t) {
    t.add({"mods", "mods", "the MOD chooser's list: \"Default CW2\" and the files of MODS with their descriptions",
           cmdMods});
    t.add({"choose-mod", "choose-mod NAME",
           "\"Choose\" in the MOD chooser: the next new game leaves out the MOD's platforms and genres "
           "(\"Default CW2\" for the full world)",
           cmdChooseMod});
    t.add({"new-mod", "new-mod CODE",
           "\"New MOD\" with CODE typed as its access code: the import and the MOD builder's lists "
           "(a wrong code does nothing)",
           cmdNewMod});
    t.add({"mod-save", "mod-save NAME [platforms=P1,P2,..] [genres=G1,G2,..] [description=\"..\"]",
           "the MOD builder's \"Save MOD and close\": MODS/NAME (.CWM added) without the platforms and genres named "
           "(a genre combination joins its genres with +)",
           cmdModSave});
    t.add({"mod-load", "mod-load NAME", "the MOD builder's \"Load Mod\": the builder's lists as the MOD file sets them",
           cmdModLoad});
}

}  // namespace cw::cli
