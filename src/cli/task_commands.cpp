// Task commands of the headless driver: the main screen's "Projects in
// progress" list and the information panel of one task.
#include "cli/commands.h"
#include "cli/driver.h"
#include "sim/task_panel.h"

namespace cw::cli {
namespace {

std::string cmdTasks(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const std::vector<ProjectRow> rows = projectsList(*s.game);
    s.out << "Projects in progress: " << rows.size() << '\n';
    for (const ProjectRow& r : rows)
        s.out << "  " << r.task << ": " << r.name << " | " << r.kindText << " | " << r.percent << "% | "
              << r.weeksText << " weeks\n";
    return {};
}

std::string cmdTask(Session& s, const Command& cmd) {
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one task number";
    if (auto err = needInt(cmd, 0, 1, 500, n); !err.empty()) return err;
    const TaskPanel panel = taskPanel(*s.game, static_cast<int>(n));
    if (panel.task == 0) {
        s.out << "task " << n << ": no task in this slot\n";
        return {};
    }
    s.out << taskPanelText(panel);
    return {};
}

}  // namespace

void registerTaskCommands(CommandTable& t) {
    t.add({"tasks", "tasks", "list the projects in progress: number, name, kind, progress, weeks left", cmdTasks});
    t.add({"task", "task N", "show the information panel of task N", cmdTask});
}

}  // namespace cw::cli
