#include "people/staff_screen.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "people/labour_market.h"
#include "people/list_sort.h"
#include "state/tasks.h"

namespace cw {

const std::array<const char*, 10> kStaffColumns = {"Name", "Project", "Lead", "Code",       "GUI",
                                                   "GFX",  "HW",      "Pub",  "Fav. plat.", "ID."};

namespace {

using People = decltype(SaveImage::people);
using Tasks = decltype(SaveImage::tasks);

// The platform a person knows best, or "None" before it is on the market.
std::string expertPlatform(const Game& g, const Person& p) {
    const auto& platforms = g.tables().platforms;
    if (p.platformExperience == 0 || !platforms.inRange(p.platformExperience)) return "None";
    const Platform& pf = platforms[p.platformExperience];
    if (pf.releaseYear > g.currentYear) return "None";
    return pf.name.str();
}

std::string taskNameOf(const Game& g, i32 task) {
    return Tasks::inRange(task) ? g.tables().tasks[task].name.str() : std::string();
}

}  // namespace

std::string employeeSheet(const Game& g, i32 index) {
    if (!People::inRange(index)) return {};
    const Person& p = g.tables().people[index];
    std::string s;
    s += "Name : " + p.name.str() + "\r\n";
    s += "Age   : " + std::to_string(p.age) + ", Wage  : " + std::to_string(p.salary) + "\r\n";
    // The owner has no contract to renegotiate: the countdown from a hiring
    // date he never had would read "-1979 Year(s)".
    if (!isOwnPerson(g, index)) {
        s += "\r\nContract renegotiation in :\r\n";
        s += "  " + timeUntil(g, p.hireYear + 1, p.hireWeek) + "\r\n";
    }
    if (p.currentTask < 1) {
        s += "Current project : None\r\n";
    } else {
        s += "Current project : " + taskNameOf(g, p.currentTask) + "\r\n";
        if (Tasks::inRange(p.currentTask) && g.tables().tasks[p.currentTask].leader == index)
            s += "Assigned as team Manager\r\n";
    }
    s += "\r\nCompany promised employee : \r\n";
    s += std::to_string(p.studyWeeksLeft) + " week(s)" + " of studying" + "\r\n";
    s += std::to_string(p.leadWeeksLeft) + " week(s)" + " as team manager on projects" + "\r\n\r\n";
    s += "Experince\r\n";
    s += "LeaderShip  : " + personRatingWord(p.leadership) + "\r\n";
    s += "Can manage up to " + std::to_string(managerCapacity(p.leadership)) + " employees" + "\r\n";
    s += "Programming : " + skillLevelWord(p.programming) + "\r\n";
    s += "Design      : " + skillLevelWord(p.design) + "\r\n";
    s += "Graphics    : " + skillLevelWord(p.graphics) + "\r\n\r\n";
    const auto& genres = g.tables().genres;
    s += "Genre Spec. : " + (genres.inRange(p.genreExperience) ? genres[p.genreExperience].name.str() : "") + "\r\n";
    s += "Expert on   : " + expertPlatform(g, p) + " " + "\r\n";
    s += "Hardware    : " + personRatingWord(p.hardware) + "\r\n";
    s += "Publishing  : " + personRatingWord(p.publishing) + "\r\n";
    s += "Platform Porting : " + personRatingWord(p.platformPorting) + "\r\n";
    s += "\r\nFlair for study\r\n";
    s += "Leadership : " + personRatingWord(p.talentLeadership) + "\r\n";
    s += "Software   : " + personRatingWord((p.talentDesign + p.talentGraphics + p.talentProgramming) / 3) + "\r\n";
    s += "Hardware   : " + personRatingWord(p.talentHardware) + "\r\n";
    return s;
}

StaffScreen::StaffScreen(Game& g) : g_(g) {}

void StaffScreen::openViewing() {
    mode_ = StaffMode::Viewing;
    task_ = 0;
    newProject_ = false;
    chosen_ = -1;
    closeRequested_ = false;
    rebuild();
}

void StaffScreen::openManager(i32 task, bool newProject) {
    mode_ = StaffMode::Manager;
    task_ = newProject ? task : (Tasks::inRange(task) ? task : 0);
    newProject_ = newProject;
    chosen_ = -1;
    closeRequested_ = false;
    rebuild();
}

void StaffScreen::openEmployees(i32 task) {
    mode_ = StaffMode::Employees;
    task_ = Tasks::inRange(task) ? task : 0;
    newProject_ = false;
    chosen_ = -1;
    closeRequested_ = false;
    rebuild();
}

std::string StaffScreen::title() const {
    switch (mode_) {
        case StaffMode::Manager:
            if (newProject_) return "Assigen team manager (New project)";
            return " Assigen team manager (project : " + taskNameOf(g_, task_) + ")";
        case StaffMode::Employees:
            return "Assigen Employees (project : " + taskNameOf(g_, task_) + ")";
        case StaffMode::Viewing:
            break;
    }
    return "Viewing Employees";
}

void StaffScreen::rebuild() {
    rows_.clear();
    const auto& people = g_.tables().people;
    for (i32 i = People::first; i <= People::last; ++i) {
        const Person& p = people[i];
        if (p.name.empty() || !p.employed) continue;
        StaffRow row;
        row.person = i;
        row.cells = {p.name.str(),
                     p.currentTask < 1 ? std::string() : taskNameOf(g_, p.currentTask),
                     std::to_string(p.leadership),
                     std::to_string(p.programming),
                     std::to_string(p.design),
                     std::to_string(p.graphics),
                     std::to_string(p.hardware),
                     std::to_string(p.publishing),
                     expertPlatform(g_, p),
                     std::to_string(i)};
        rows_.push_back(std::move(row));
    }
    // A person who left the list (fired, poached) is no longer chosen.
    if (selected_ > 0 && !isStaffMember(g_, selected_)) selected_ = 0;
    sortRowsByColumn(rows_, sortColumn_, sortAscending_);
}

void StaffScreen::sortBy(int column) {
    if (column < 0 || column >= static_cast<int>(kStaffColumns.size())) return;
    sortAscending_ = sortColumn_ == column ? !sortAscending_ : true;
    sortColumn_ = column;
    rebuild();
}

void StaffScreen::select(i32 person) { selected_ = isStaffMember(g_, person) ? person : 0; }

ActionResult StaffScreen::pick(Player& p, i32 person) {
    select(person);
    if (mode_ == StaffMode::Viewing || selected_ == 0) return std::nullopt;
    PickOutcome out = mode_ == StaffMode::Manager ? pickTeamManager(g_, p, person, task_, newProject_)
                                                  : pickTeamMember(g_, p, person, task_);
    if (mode_ == StaffMode::Manager && out.confirmed) chosen_ = person;
    if (out.closeScreen) closeRequested_ = true;
    rebuild();
    return out.refusal;
}

ActionResult StaffScreen::makeSelectedManager(Player& p, i32 task) {
    if (selected_ == 0) return noEmployeeChosen(p);
    if (!taskTakesStaff(g_, task)) return std::nullopt;
    PickOutcome out = pickTeamManager(g_, p, selected_, task, false);
    rebuild();
    return out.refusal;
}

ActionResult StaffScreen::assignSelected(Player& p, i32 task) {
    if (selected_ == 0) return noEmployeeChosen(p);
    if (!taskTakesStaff(g_, task)) return std::nullopt;
    PickOutcome out = pickTeamMember(g_, p, selected_, task);
    rebuild();
    return out.refusal;
}

bool StaffScreen::canRemove() const { return selected_ > 0 && g_.tables().people[selected_].currentTask != -1; }

ActionResult StaffScreen::removeSelected(Player& p) {
    if (selected_ == 0) return noEmployeeChosen(p);
    ActionResult r = removeFromTask(g_, p, selected_);
    rebuild();
    return r;
}

ActionResult StaffScreen::studySelected(Player& p) { return canStudy(g_, p, selected_); }

ActionResult StaffScreen::fireSelected(Player& p) {
    ActionResult r = fireEmployee(g_, p, selected_);
    rebuild();
    return r;
}

i32 StaffScreen::selectedStudyTask() const {
    if (selected_ == 0) return 0;
    const i32 task = g_.tables().people[selected_].currentTask;
    if (!isOpenTask(g_, task)) return 0;
    const Task& t = g_.tables().tasks[task];
    return t.taskType == kTaskStudy && t.leader == selected_ ? task : 0;
}

std::vector<i32> StaffScreen::staffedTasks() const {
    std::vector<i32> out;
    for (i32 i = Tasks::first; i <= Tasks::last; ++i)
        if (taskTakesStaff(g_, i)) out.push_back(i);
    return out;
}

}  // namespace cw
