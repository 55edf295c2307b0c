#include "people/staff_management.h"

#include "quality/task_calculators.h"

#include <algorithm>
#include <cctype>

#include "people/labour_market.h"
#include "people/staff_screen.h"
#include "state/money.h"
#include "state/tasks.h"

namespace cw {

const char* const kStudySubjects[5] = {"Leadership", "Programming", "Designing", "Graphics", "Hardware"};

namespace {

using People = decltype(SaveImage::people);
using Tasks = decltype(SaveImage::tasks);

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string taskName(const Game& g, i32 task) {
    return Tasks::inRange(task) ? g.tables().tasks[task].name.str() : std::string();
}

bool leadsAnyTask(const Game& g, i32 person) {
    for (const Task& t : g.tables().tasks)
        if (!t.name.empty() && t.leader == person) return true;
    return false;
}

// The flair and the skill each subject trains, in subject order.
constexpr u8 Person::*kTalentOf[5] = {&Person::talentLeadership, &Person::talentProgramming, &Person::talentDesign,
                                      &Person::talentGraphics, &Person::talentHardware};
constexpr u8 Person::*kSkillOf[5] = {&Person::leadership, &Person::programming, &Person::design, &Person::graphics,
                                     &Person::hardware};


}  // namespace

// --- people and teams --------------------------------------------------------

i32 peopleListRows(const Game& g) {
    const auto& people = g.tables().people;
    i32 lastNamed = 0;
    for (i32 i = People::first; i <= People::last; ++i) {
        const std::string& name = people[i].name.str();
        if (name.empty()) continue;
        if (upper(name).rfind("*YOU* (", 0) == 0) return i;
        lastNamed = i;
    }
    // A world without the player's person (a test world, a damaged save):
    // he would have come right after the last listed person.
    return std::min(lastNamed + 1, People::last);
}

bool isOwnPerson(const Game& g, i32 person) {
    if (!People::inRange(person)) return false;
    return upper(g.tables().people[person].name.str()).find("*YOU*") != std::string::npos;
}

bool isStaffMember(const Game& g, i32 person) {
    if (!People::inRange(person)) return false;
    const Person& p = g.tables().people[person];
    return p.employed && !p.name.empty();
}

bool isOpenTask(const Game& g, i32 task) {
    if (!Tasks::inRange(task)) return false;
    const Task& t = g.tables().tasks[task];
    return !t.name.empty() && !t.closedFlag;
}

bool taskTakesStaff(const Game& g, i32 task) {
    return isOpenTask(g, task) && g.tables().tasks[task].taskType != kTaskStudy;
}

i32 filledStaffSlots(const Task& t) {
    i32 n = 0;
    for (i32 s : t.staff)
        if (s != 0) ++n;
    return n;
}

i32 taskCapacity(const Game& g, i32 task) {
    if (!Tasks::inRange(task)) return managerCapacity(0);
    const i32 leader = g.tables().tasks[task].leader;
    return managerCapacity(People::inRange(leader) ? g.tables().people[leader].leadership : 0);
}

Refusal noEmployeeChosen(Player& p) {
    Refusal r{"No Employee choosen", "No employee choosen. Choose an employee and try again"};
    p.notify(r.caption, r.text, 2000);
    return r;
}

std::string timeUntil(const Game& g, i32 year, i32 week) {
    const i32 d = year * 52 + week - (g.currentYear * 52 + g.currentWeek);
    return std::to_string(d / 52) + " Year(s),  " + std::to_string(d % 52) + " Weeks";
}

int chooseTeamLeader(Game& g, Player& p, int task, bool newProject) {
    StaffScreen screen(g);
    screen.openManager(task, newProject);
    p.chooseStaff(screen);
    return screen.chosen();
}

void assignEmployees(Game& g, Player& p, int task) {
    StaffScreen screen(g);
    screen.openEmployees(task);
    p.chooseStaff(screen);
    p.refreshMainScreen();
}

int offerAutoTeam(Game& g, Player& p, int leader) {
    const i32 leadership = People::inRange(leader) ? g.tables().people[leader].leadership : 0;
    AutoTeamOffer offer;
    offer.caption = "Let team leader choose employees";
    offer.question = "Would you like the Team Leader to choose \r\nhis own team of idle employees ?";
    offer.capacity = managerCapacity(leadership);
    offer.capacityText = "Teamleader can manage a maximum of " + std::to_string(offer.capacity) + " employee(s)";
    offer.preset = offer.capacity / 2;
    offer.buttons[0] = "No. I will choose the employees";
    offer.buttons[1] = "Let teamleader choose";
    offer.buttons[2] = "Let teamleader choose maximum of idle employees";
    return std::clamp(p.chooseAutoTeam(offer), 0, offer.capacity);
}

void autoAssignIdle(Game& g, int count, int task) {
    if (!Tasks::inRange(task)) return;
    Task& t = g.tables().tasks[task];
    auto& people = g.tables().people;
    i32 n = filledStaffSlots(t);
    const i32 cap = taskCapacity(g, task);
    if (n >= cap) return;
    count = std::min(count, cap);
    std::vector<i32> candidates;
    for (i32 i = People::first; i <= People::last && candidates.size() < 100; ++i) {
        const Person& p = people[i];
        if (!p.name.empty() && p.employed && p.currentTask < 1) candidates.push_back(i);
    }
    for (const i32 limit : {40, 50, 60, 1000}) {
        for (const i32 c : candidates) {
            if (n >= count) return;
            Person& p = people[c];
            if (p.currentTask >= 1) continue;
            const bool fits = limit == 1000 ? p.leadership > 60 : p.leadership <= limit;
            if (!fits) continue;
            // The lowest empty slot: after removals the filled slots need not
            // be the first n, and slot n+1 may hold somebody.
            auto slot = std::find(t.staff.begin(), t.staff.end(), 0);
            if (slot == t.staff.end()) return;
            *slot = c;
            p.currentTask = task;
            ++n;
        }
    }
}

PickOutcome pickTeamManager(Game& g, Player& p, i32 person, i32 task, bool newProject) {
    PickOutcome out;
    if (!isStaffMember(g, person)) return out;
    Person& chosen = g.tables().people[person];
    if (chosen.currentTask >= 1) {
        Refusal r{"Employee already assigned to a project",
                  "Employee already assigned to the project \"" + taskName(g, chosen.currentTask) + "\""};
        p.notify(r.caption, r.text, 500);
        out.refusal = r;
        return out;
    }
    const std::string name = chosen.name.str();
    const i32 cap = managerCapacity(chosen.leadership);
    if (newProject) {
        out.confirmed = p.messageBox("Assign a leader",
                                     "Assign " + name + " as team manager to the new project" + ". " + "\r\n" + name +
                                         " can manage up to " + std::to_string(cap) + " employees.",
                                     true);
        out.closeScreen = out.confirmed;
        return out;
    }
    if (!Tasks::inRange(task)) return out;
    Task& t = g.tables().tasks[task];
    const std::string tname = t.name.str();
    out.confirmed = p.messageBox("Assign a leader : " + tname,
                                 "Assign as team manager on project " + tname + ". " + "\r\n" + name +
                                     " can manage up to " + std::to_string(cap) + " employees.",
                                 true);
    if (!out.confirmed) return out;
    auto& people = g.tables().people;
    if (People::inRange(t.leader)) people[t.leader].currentTask = -1;
    t.leader = person;
    chosen.currentTask = task;
    const i32 n = filledStaffSlots(t);
    if (n > cap) {
        p.notify("Max limit of employees",
                 "The new leader can handle the amount of employees already assigned to the project. removing " +
                     std::to_string(n - cap),
                 4000);
        for (i32 k = 0; k < n - cap; ++k) {
            for (i32 s = decltype(Task::staff)::last; s >= decltype(Task::staff)::first; --s) {
                if (t.staff[s] == 0) continue;
                if (People::inRange(t.staff[s])) people[t.staff[s]].currentTask = -1;
                t.staff[s] = 0;
                break;
            }
        }
    }
    out.closeScreen = true;
    return out;
}

PickOutcome pickTeamMember(Game& g, Player& p, i32 person, i32 task) {
    PickOutcome out;
    if (!isStaffMember(g, person) || !Tasks::inRange(task)) return out;
    Person& chosen = g.tables().people[person];
    if (chosen.currentTask >= 1) {
        Refusal r{"Employee already assigned to a project",
                  "Employee already assigned to the project \"" + taskName(g, chosen.currentTask) + "\""};
        p.notify(r.caption, r.text, 500);
        out.refusal = r;
        return out;
    }
    Task& t = g.tables().tasks[task];
    const std::string tname = t.name.str();
    out.confirmed = p.messageBox("Assign to project : " + tname, "Assign employee to project " + tname, true);
    if (!out.confirmed) return out;
    auto slot = std::find(t.staff.begin(), t.staff.end(), 0);
    if (filledStaffSlots(t) < taskCapacity(g, task) && slot != t.staff.end()) {
        *slot = person;
        chosen.currentTask = task;
        return out;
    }
    Refusal r{"No more employees can be added to project",
              "No more room for employee on this team. if you wish to add more employees to the projectYou need a team "
              "manager with better leadership"};
    p.notify(r.caption, r.text, 4000);
    out.refusal = r;
    return out;
}

ActionResult removeFromTask(Game& g, Player& p, i32 person, bool messages) {
    if (!People::inRange(person)) return std::nullopt;
    Person& who = g.tables().people[person];
    if (who.currentTask <= 0) return std::nullopt;
    if (leadsAnyTask(g, person)) {
        Refusal r{"Cannot remove employee from projct",
                  "Employee assigned to a project as team manager.\r\nIf you wish to remove this employee from his "
                  "current project\r\nthen assign a new Team manager to the project instead."};
        if (messages) p.notify(r.caption, r.text, 5000);
        return r;
    }
    if (Tasks::inRange(who.currentTask))
        for (i32& s : g.tables().tasks[who.currentTask].staff)
            if (s == person) s = 0;
    who.currentTask = -1;
    if (messages) p.notify("Employee removed", "Employee Removed from project.", 1000);
    return std::nullopt;
}

void cancelTaskOfPerson(Game& g, Player& p, i32 person) {
    if (!People::inRange(person)) return;
    const i32 task = g.tables().people[person].currentTask;
    if (Tasks::inRange(task)) {
        // The whole team is set free: a cleared slot must not keep people who
        // would later turn up on whatever project takes the slot next.
        for (Person& q : g.tables().people)
            if (q.currentTask == task) q.currentTask = -1;
        clearTask(g, task);
    }
    g.tables().people[person].currentTask = -1;
    p.refreshMainScreen();
}

// --- study -------------------------------------------------------------------

std::string studyLevelWord(i32 level) {
    static const char* const kWords[10] = {
        "Beginner(1)", "Basic(2)",   "Advancing Basic(3)", "Average(4)",          "Above Average(5)",
        "Advanced(6)", "complex(7)", "Highly complex(8)",  "Extremly complex(9)", "God like(10)"};
    if (level < 1 || level > 10) return {};
    return kWords[level - 1];
}

std::string studyFlairWord(const Person& person, int subject) {
    if (subject < StudyLeadership || subject > StudyHardware) return {};
    return personRatingWord(person.*kTalentOf[subject]);
}

std::string studyCurrentWord(const Person& person, int subject) {
    if (subject < StudyLeadership || subject > StudyHardware) return {};
    const i32 value = person.*kSkillOf[subject];
    // Leadership and hardware run 0..100; the software skills are levels.
    return subject == StudyLeadership || subject == StudyHardware ? personRatingWord(value) : studyLevelWord(value);
}

i32 studyTargetLevel(const Person& person, int subject) {
    switch (subject) {
        case StudyLeadership:
            return (person.leadership - 10) / 10;
        case StudyProgramming:
            return person.programming + 1;
        case StudyDesign:
            return person.design + 1;
        case StudyGraphics:
            return person.graphics + 1;
        case StudyHardware:
            return (person.hardware + 10) / 10;
        default:
            return 0;
    }
}

ActionResult canStudy(Game& g, Player& p, i32 person) {
    if (!isStaffMember(g, person)) {
        return noEmployeeChosen(p);
    }
    if (g.tables().people[person].currentTask > 0) {
        Refusal r{"Employee Busy", "Employee already assigned to another task"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    return std::nullopt;
}

ActionResult startStudy(Game& g, Player& p, i32 person, int subject) {
    if (ActionResult busy = canStudy(g, p, person)) return busy;
    if (subject < StudyLeadership || subject > StudyHardware) return std::nullopt;
    const Person& who = g.tables().people[person];
    const i32 level = studyTargetLevel(who, subject);
    if (level > 10) {
        Refusal r{"Maximum level reached", "Maximum study level reached"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    static const char* const kTaskNames[5] = {"Study : Leadership", "Study : Programming", "Study : Design",
                                              "Study : Graphics", "Study : Hardware"};
    const int task =
        createTask(g, kTaskNames[subject], kTaskStudy, kStudySubtypeBase + subject, person, 0, level * 1000);
    if (task == 0) {
        // Every task slot is taken; nothing may be overwritten.
        Refusal r{"No room for more projects",
                  "The company cannot run more projects at the same time. Finish or cancel a project first."};
        p.notify(r.caption, r.text, 3000);
        return r;
    }
    p.notify("Study Project started", who.name.str() + " is assigned to a study project", 2000);
    p.refreshMainScreen();
    return std::nullopt;
}

i32 studyWeeksNeeded(const Game& g, i32 task) {
    if (!Tasks::inRange(task)) return 0;
    const Task& t = g.tables().tasks[task];
    return (t.workTotal - t.progress) / studyRate(g, t.taskSubtype, t.leader);
}

i32 intensifyCost(const Game& g, i32 task) { return studyWeeksNeeded(g, task) * 2500; }

ActionResult intensifyStudy(Game& g, Player& p, i32 task) {
    if (!Tasks::inRange(task)) return std::nullopt;
    Task& t = g.tables().tasks[task];
    if (!(2 * (t.progress + 1) < t.workTotal)) {
        Refusal r{"Not Possible",
                  "Its not possible to intensify this employees study as the employee has already study more than "
                  "half of what he needs "};
        p.notify(r.caption, r.text, 3000);
        return r;
    }
    const i32 cost = intensifyCost(g, task);
    if (!p.messageBox("Intensified Study",
                      "Do you wish to pay for intensified study course for this worker ?\r\nIt will cost you : " +
                          std::to_string(cost) + "$",
                      true))
        return std::nullopt;
    t.progress += t.workTotal / 3;
    payCash(g.world().money, cost);
    p.refreshMainScreen();
    return std::nullopt;
}

// --- firing ------------------------------------------------------------------

ActionResult fireEmployee(Game& g, Player& p, i32 person) {
    if (!isStaffMember(g, person)) {
        return noEmployeeChosen(p);
    }
    Person& who = g.tables().people[person];
    const std::string name = who.name.str();
    if (upper(name).find(upper("*you* (" + g.world().playerName.str() + ")")) != std::string::npos) {
        Refusal r{"Could not fire Employee ", "You cannot fire yourself. The board Members will take care of that ;-)"};
        p.messageBox(r.caption, r.text, false);
        return r;
    }
    if (Tasks::inRange(who.currentTask) && g.tables().tasks[who.currentTask].leader == person) {
        Refusal r{"Could not fire Employee ",
                  "The Employee is currently Team leader on a Task. Please choose another teamleader for that task "
                  "before proceeding"};
        p.messageBox(r.caption, r.text, false);
        return r;
    }
    if (!p.messageBox("Fire employee", "Are you sure you want to fire " + name + " ?", true)) return std::nullopt;
    if (who.currentTask > 0 && removeFromTask(g, p, person)) {
        Refusal r{"Could not fire Employee ",
                  "We where unable to fire the employee. Unknown CW2 error. Please try again"};
        p.messageBox(r.caption, r.text, false);
        return r;
    }
    who.employed = 0;
    who.employerCompany = 0;
    who.interviewCooldown = 12;
    p.notify("Employee Fired", "Employee was fired", 2000);
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult leaderRefusal(const Game& g, int person) {
    const auto& people = g.tables().people;
    if (!people.inRange(person) || people[person].name.empty() || !people[person].employed)
        return Refusal{"Choose Team Leader", "Only an employee of your company can lead the project"};
    const Person& who = people[person];
    if (who.currentTask >= 1) {
        const auto& tasks = g.tables().tasks;
        const std::string task = tasks.inRange(who.currentTask) ? tasks[who.currentTask].name.str() : std::string();
        return Refusal{"Employee already assigned to a project",
                       "Employee already assigned to the project \"" + task + "\""};
    }
    return std::nullopt;
}

}  // namespace cw
