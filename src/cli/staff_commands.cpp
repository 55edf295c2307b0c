// Staff commands of the headless driver: the "Manage Employees" screen as
// text, with its team, study and firing actions.
#include <algorithm>
#include <cctype>
#include <iomanip>

#include "cli/commands.h"
#include "cli/driver.h"
#include "people/labour_market.h"
#include "people/staff_screen.h"
#include "state/tasks.h"

namespace cw::cli {
namespace {

using People = decltype(SaveImage::people);
using Tasks = decltype(SaveImage::tasks);

std::string lower(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

// A person given by number or by name as the staff list shows it (either
// way case-blind); only the player's employees are found.
std::string needEmployee(Session& s, const std::string& text, i32& person) {
    long long n = 0;
    if (parseInt(text, n)) {
        if (n < People::first || n > People::last || !isStaffMember(*s.game, static_cast<i32>(n)))
            return "person " + text + " is not one of your employees (see \"staff\")";
        person = static_cast<i32>(n);
        return {};
    }
    const auto& people = s.game->tables().people;
    for (i32 i = People::first; i <= People::last; ++i)
        if (isStaffMember(*s.game, i) && lower(people[i].name.str()) == lower(text)) {
            person = i;
            return {};
        }
    return "\"" + text + "\" is not one of your employees (see \"staff\")";
}

std::string needTask(Session& s, const std::string& text, i32& task) {
    long long n = 0;
    if (!parseInt(text, n) || n < Tasks::first || n > Tasks::last || !isOpenTask(*s.game, static_cast<i32>(n)))
        return "task " + text + " is not one of your projects";
    if (!taskTakesStaff(*s.game, static_cast<i32>(n))) return "task " + text + " is a study: it takes no team";
    task = static_cast<i32>(n);
    return {};
}

std::string taskLine(const Game& g, i32 task) {
    const Task& t = g.tables().tasks[task];
    std::string line = "task " + std::to_string(task) + " \"" + t.name.str() + "\": manager ";
    if (People::inRange(t.leader) && t.leader > 0)
        line += std::to_string(t.leader) + ' ' + g.tables().people[t.leader].name.str();
    else
        line += "none";
    line += ", team " + std::to_string(filledStaffSlots(t)) + " of " + std::to_string(taskCapacity(g, task));
    return line;
}

std::string personTask(const Game& g, i32 person) {
    const Person& p = g.tables().people[person];
    if (p.currentTask < 1 || !Tasks::inRange(p.currentTask)) return "-";
    const Task& t = g.tables().tasks[p.currentTask];
    return std::to_string(p.currentTask) + ' ' + t.name.str() + (t.leader == person ? " (manager)" : "");
}

std::string cmdStaff(Session& s, const Command& cmd) {
    StaffScreen screen(*s.game);
    screen.openViewing();
    const std::vector<std::string> columns = {"name", "project", "lead", "code", "gui",
                                              "gfx",  "hw",      "pub",  "plat", "id"};
    for (const Arg& a : cmd.args) {
        if (a.key != "sort") return a.key.empty() ? "unexpected \"" + a.value + "\"" : "unknown option " + a.key;
        const auto it = std::find(columns.begin(), columns.end(), lower(a.value));
        if (it == columns.end()) return "sort must be name|project|lead|code|gui|gfx|hw|pub|plat|id";
        screen.sortBy(static_cast<int>(it - columns.begin()));
    }
    const Game& g = *s.game;
    s.out << "Manage Employees: " << screen.title() << '\n'
          << "employees: " << screen.rows().size() << " of " << officeCapacity(g) << " office places\n";
    std::size_t nameWidth = 4;
    for (const StaffRow& r : screen.rows()) nameWidth = std::max(nameWidth, r.cells[0].size());
    s.out << "  " << std::setw(4) << "ID."
          << "  " << std::left << std::setw(static_cast<int>(nameWidth)) << "Name"
          << "  " << std::setw(15) << "Area" << std::right << std::setw(5) << "Lead" << std::setw(5) << "Code"
          << std::setw(5) << "GUI" << std::setw(5) << "GFX" << std::setw(5) << "HW" << std::setw(5) << "Pub"
          << std::setw(9) << "Salary"
          << "  Project\n";
    for (const StaffRow& r : screen.rows()) {
        const Person& p = g.tables().people[r.person];
        s.out << "  " << std::setw(4) << r.person << "  " << std::left << std::setw(static_cast<int>(nameWidth))
              << r.cells[0] << "  " << std::setw(15) << workAreaName(p.workArea) << std::right << std::setw(5)
              << r.cells[2] << std::setw(5) << r.cells[3] << std::setw(5) << r.cells[4] << std::setw(5) << r.cells[5]
              << std::setw(5) << r.cells[6] << std::setw(5) << r.cells[7] << std::setw(9) << p.salary << "  "
              << personTask(g, r.person) << '\n';
    }
    return {};
}

std::string cmdEmployee(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "takes one employee";
    i32 person = 0;
    if (auto e = needEmployee(s, pos[0], person); !e.empty()) return e;
    const std::string sheet = employeeSheet(*s.game, person);
    std::size_t start = 0;
    while (start < sheet.size()) {
        std::size_t end = sheet.find("\r\n", start);
        if (end == std::string::npos) end = sheet.size();
        s.out << "  " << sheet.substr(start, end - start) << '\n';
        start = end + 2;
    }
    return {};
}

// assign / manager: the screen opened for the task in that mode, and a
// click on the person.
std::string teamCommand(Session& s, const Command& cmd, bool manager) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "takes an employee and a task number";
    i32 person = 0, task = 0;
    if (auto e = needEmployee(s, pos[0], person); !e.empty()) return e;
    if (auto e = needTask(s, pos[1], task); !e.empty()) return e;
    StaffScreen screen(*s.game);
    if (manager)
        screen.openManager(task, false);
    else
        screen.openEmployees(task);
    s.out << "Manage Employees: " << screen.title() << '\n';
    screen.pick(s.player, person);
    s.out << taskLine(*s.game, task) << '\n';
    return {};
}

std::string cmdAssign(Session& s, const Command& cmd) { return teamCommand(s, cmd, false); }
std::string cmdManager(Session& s, const Command& cmd) { return teamCommand(s, cmd, true); }

std::string cmdUnassign(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "takes one employee";
    i32 person = 0;
    if (auto e = needEmployee(s, pos[0], person); !e.empty()) return e;
    StaffScreen screen(*s.game);
    screen.openViewing();
    screen.select(person);
    const i32 task = s.game->tables().people[person].currentTask;
    if (!screen.canRemove()) {
        s.out << "unassign: \"Remove from project\" is disabled for " << s.game->tables().people[person].name.str()
              << '\n';
        return {};
    }
    if (screen.removeSelected(s.player)) return {};  // the refusal is in the transcript
    if (isOpenTask(*s.game, task)) s.out << taskLine(*s.game, task) << '\n';
    return {};
}

std::string cmdStudy(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "takes an employee and a subject";
    i32 person = 0;
    if (auto e = needEmployee(s, pos[0], person); !e.empty()) return e;
    int subject = -1;
    const std::string want = lower(pos[1]);
    long long n = 0;
    if (parseInt(want, n) && n >= 1 && n <= 5) subject = static_cast<int>(n) - 1;
    for (int i = 0; i < 5 && subject < 0; ++i) {
        const std::string item = lower(kStudySubjects[i]);
        // "design" is the task's word for the list's "Designing".
        if (want.size() >= 3 && item.rfind(want, 0) == 0) subject = i;
    }
    if (subject < 0) return "subject must be leadership|programming|design|graphics|hardware or 1..5";
    StaffScreen screen(*s.game);
    screen.openViewing();
    screen.select(person);
    if (screen.studySelected(s.player)) return {};
    const Person& p = s.game->tables().people[person];
    s.out << "Studying: " << p.name.str() << ", " << kStudySubjects[subject] << " to level "
          << studyTargetLevel(p, subject) << '\n';
    if (startStudy(*s.game, s.player, person, subject)) return {};
    const i32 task = p.currentTask;
    const Task& t = s.game->tables().tasks[task];
    s.out << "task " << task << " \"" << t.name.str() << "\": student " << person << ", work " << t.workTotal
          << ", weeks " << studyWeeksNeeded(*s.game, task) << '\n';
    return {};
}

std::string cmdIntensify(Session& s, const Command& cmd) {
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one task number";
    if (auto err = needInt(cmd, 0, Tasks::first, Tasks::last, n); !err.empty()) return err;
    const i32 task = static_cast<i32>(n);
    if (!isOpenTask(*s.game, task) || s.game->tables().tasks[task].taskType != kTaskStudy)
        return "task " + std::to_string(task) + " is not a study project";
    if (intensifyStudy(*s.game, s.player, task)) return {};
    const Task& t = s.game->tables().tasks[task];
    s.out << "task " << task << " \"" << t.name.str() << "\": progress " << t.progress << " of " << t.workTotal
          << ", money " << s.game->world().money << '\n';
    return {};
}

std::string cmdFire(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "takes one employee";
    i32 person = 0;
    if (auto e = needEmployee(s, pos[0], person); !e.empty()) return e;
    StaffScreen screen(*s.game);
    screen.openViewing();
    screen.select(person);
    if (screen.fireSelected(s.player)) return {};
    s.out << "employees: " << employeeCount(*s.game) << '\n';
    return {};
}

}  // namespace

void registerStaffCommands(CommandTable& t) {
    t.add({"staff", "staff [sort=C]", "list your employees (\"Manage Employees\")", cmdStaff});
    t.add({"employee", "employee PERSON", "show an employee's sheet", cmdEmployee});
    t.add({"assign", "assign PERSON TASK", "add an employee to a project's team", cmdAssign});
    t.add({"unassign", "unassign PERSON", "press \"Remove from project\" for an employee", cmdUnassign});
    t.add({"manager", "manager PERSON TASK", "make an employee team manager of a project", cmdManager});
    t.add({"study", "study PERSON SUBJECT", "send an employee to study a subject", cmdStudy});
    t.add({"intensify", "intensify TASK", "pay to speed up a study project", cmdIntensify});
    t.add({"fire", "fire PERSON", "fire an employee", cmdFire});
}

}  // namespace cw::cli
