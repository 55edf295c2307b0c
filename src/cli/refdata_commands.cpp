// Reference data commands of the headless driver: the import and the tables.
#include "cli/commands.h"
#include "cli/driver.h"
#include "refdata/import.h"
#include "setup/world_init.h"

namespace cw::cli {
namespace {

// What the database screen shows after an import.
void printImport(Session& s, int lastStatus) {
    if (!s.ref.importProblem.empty())
        s.out << "import: incomplete: " << s.ref.importProblem << '\n';
    else
        s.out << "import: " << (s.ref.tablesFromCache ? "read the conversion files" : "converted the catalogue")
              << '\n';
    for (const std::string& name : ReferenceTables::tableNames()) {
        const StringTable* t = s.ref.byName(name);
        s.out << name << ": " << (t->rowCount() - 1) << " rows";
        if (!t->lastError.empty()) s.out << " (" << t->lastError.substr(1) << ")";
        s.out << '\n';
    }
    if (lastStatus > 0) s.out << "game num:" << lastStatus << '\n';
    s.out << "names not converted: " << s.ref.namesNotConverted.size() << '\n';
    for (const std::string& n : s.ref.namesNotConverted) s.out << "  " << n << '\n';
    s.out << "Year releases:\n";
    for (const std::string& y : s.ref.yearReleases) s.out << "  " << y << '\n';
}

std::string cmdImport(Session& s, const Command& cmd) {
    bool rebuild = false;
    for (const Arg& a : cmd.args) {
        if (a.key.empty() && (a.value == "--rebuild" || a.value == "rebuild"))
            rebuild = true;
        else
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
    }
    int lastStatus = 0;
    importReferenceData(*s.game, s.player, s.ref, rebuild ? ImportAction::RebuildData : ImportAction::ConvertData,
                        builtinBonusLists(), [&](int row) { lastStatus = row; });
    printImport(s, lastStatus);
    return {};
}

// "Rebuild Database" on the new-game screen, with the text typed into its
// access-code dialog.
std::string cmdRebuildDatabase(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "needs the access code";
    int lastStatus = 0;
    if (!rebuildDatabase(*s.game, s.player, s.ref, pos[0], [&](int row) { lastStatus = row; })) {
        // The dialog says nothing about a wrong code; the transcript shows that nothing happened.
        s.out << "rebuild-database: nothing happens\n";
        return {};
    }
    printImport(s, lastStatus);
    s.out << "[screen] TDBForm -> shown\n";
    return {};
}

std::string cmdDumpTable(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "needs a table name and a file";
    StringTable* t = s.ref.byName(pos[0]);
    if (!t) return "no table named \"" + pos[0] + "\"";
    if (!t->save(pos[1])) {
        s.out << "dump-table: cannot write " << pos[1] << '\n';
        return {};
    }
    s.out << "dump-table: " << pos[0] << " (" << (t->rowCount() - 1) << " rows) written to " << pos[1] << '\n';
    return {};
}

std::string cmdTestWorld(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    if (!s.ref.testEnabled) {
        // The button is disabled until an import has filled the tables.
        s.out << "test-world: import the reference tables first\n";
        return {};
    }
    std::string summary;
    if (!testWorld(*s.game, s.player, s.ref, summary)) {
        s.out << "test-world: refused\n";
        return {};
    }
    s.out << "test world: " << summary << '\n';
    return {};
}

}  // namespace

void registerRefdataCommands(CommandTable& t) {
    t.add({"import", "import [--rebuild]",
           "import the reference tables from data.zip (--rebuild converts the raw catalogue again)", cmdImport});
    t.add({"rebuild-database", "rebuild-database CODE",
           "\"Rebuild Database\" of the new-game screen with CODE typed as its access code (a wrong code does nothing)",
           cmdRebuildDatabase});
    t.add({"dump-table", "dump-table NAME FILE", "write a reference table (List_games, list_people, ...) to FILE",
           cmdDumpTable});
    t.add({"test-world", "test-world", "\"Test\" of the database screen: build a world from the imported tables",
           cmdTestWorld});
}

}  // namespace cw::cli
