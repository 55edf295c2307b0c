// The player's staff: teams and their managers, study, firing, and the two
// weekly steps that touch the employees (the wage review and the computer-run
// companies' job offers).
#pragma once

#include <string>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// The study subjects in the order of the study screen's list; a study task's
// subtype is 10 + the subject.
enum StudySubject : int {
    StudyLeadership = 0,
    StudyProgramming = 1,
    StudyDesign = 2,
    StudyGraphics = 3,
    StudyHardware = 4,
};
inline constexpr int kStudySubtypeBase = 10;
extern const char* const kStudySubjects[5];  // "Leadership" .. "Hardware"

// --- people and teams --------------------------------------------------------

// The row count of the people list the world was made from: the player's own
// person sits at that index, right after the listed people.
i32 peopleListRows(const Game& g);
// The player's own person, by the name the world gave him ("*You* (...)").
bool isOwnPerson(const Game& g, i32 person);
// An employee of the player, with a name.
bool isStaffMember(const Game& g, i32 person);
// A task the player runs (a slot with a name that is not closed).
bool isOpenTask(const Game& g, i32 task);
// A task that takes a team manager and members: every open task but a study,
// which its student does alone.
bool taskTakesStaff(const Game& g, i32 task);
i32 filledStaffSlots(const Task& t);
// How many employees the task's leader can manage; a task without a leader
// manages like a leader without leadership.
i32 taskCapacity(const Game& g, i32 task);

// "No Employee choosen": an employee option without a chosen employee.
Refusal noEmployeeChosen(Player& p);

// d weeks from now to (year, week): "1 Year(s),  3 Weeks".
std::string timeUntil(const Game& g, i32 year, i32 week);

// Opens the staff screen in manager mode for a task (or a project still to
// be created, with newProject) and returns the chosen person, or -1.
int chooseTeamLeader(Game& g, Player& p, int task, bool newProject);
// Opens the staff screen in employee mode for the task.
void assignEmployees(Game& g, Player& p, int task);
// Offers to let the new leader pick his own team; returns how many idle
// employees he should take (0: the player chooses).
int offerAutoTeam(Game& g, Player& p, int leader);
// The leader takes up to `count` idle employees, those with little
// leadership first.
void autoAssignIdle(Game& g, int count, int task);

// A click on a person while the screen chooses a team manager or members
// for `task`. Asks the player to confirm; `chosen` receives the person when
// a manager for a new project was confirmed. Returns true when the screen
// should close (a manager was confirmed).
struct PickOutcome {
    ActionResult refusal;  // the person was refused
    bool confirmed = false;
    bool closeScreen = false;
};
PickOutcome pickTeamManager(Game& g, Player& p, i32 person, i32 task, bool newProject);
PickOutcome pickTeamMember(Game& g, Player& p, i32 person, i32 task);

// "Remove from project". With messages off (an employee who leaves for a
// competitor) the player is told nothing.
// Who may lead a new project: an employee who is on no task; the refusal
// names the task he is on.
ActionResult leaderRefusal(const Game& g, int person);

ActionResult removeFromTask(Game& g, Player& p, i32 person, bool messages = true);
// Ends the task the person works on, freeing everybody on it.
void cancelTaskOfPerson(Game& g, Player& p, i32 person);

// --- study -------------------------------------------------------------------

// "Beginner(1)" .. "God like(10)"; nothing for other values.
std::string studyLevelWord(i32 level);
// The study screen's two words for a subject: the flair for it and the
// present level.
std::string studyFlairWord(const Person& person, int subject);
std::string studyCurrentWord(const Person& person, int subject);
// The level a study of the subject leads to.
i32 studyTargetLevel(const Person& person, int subject);
// "Assign to study...": refuses an employee busy on a task.
ActionResult canStudy(Game& g, Player& p, i32 person);
// "Start Study": creates the study task, led by the person.
ActionResult startStudy(Game& g, Player& p, i32 person, int subject);
// The weeks a study still needs at its student's present rate, and what
// paying to intensify it costs.
i32 studyWeeksNeeded(const Game& g, i32 task);
i32 intensifyCost(const Game& g, i32 task);
// "Intensify Study (speed up)": a paid jump of a third of the course.
ActionResult intensifyStudy(Game& g, Player& p, i32 task);

// --- firing ------------------------------------------------------------------

// "Fire employee"; person 0 (nobody chosen) is refused.
ActionResult fireEmployee(Game& g, Player& p, i32 person);

// --- weekly steps ------------------------------------------------------------

// The computer-run companies' job offers to the player's staff.
void competitorHiring(Game& g, Player& p);

// Wage review at each employee's hiring anniversary, with the raises owed
// for unkept promises.
void yearlyWageReview(Game& g, Player& p);

}  // namespace cw
