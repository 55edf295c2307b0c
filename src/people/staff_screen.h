// The "Manage Employees" screen's model: the player's staff list with its
// sorting, the employee sheet, and the selection modes other screens open it
// in to choose a team manager or team members. The Qt screen and the
// headless driver show this model and forward clicks to it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "people/staff_management.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// "Name", "Project", "Lead", "Code", "GUI", "GFX", "HW", "Pub", "Fav. plat.", "ID."
extern const std::array<const char*, 10> kStaffColumns;

// The sheet of one of the player's employees, lines ended by "\r\n".
std::string employeeSheet(const Game& g, i32 person);

struct StaffRow {
    i32 person = 0;
    std::array<std::string, 10> cells;
};

enum class StaffMode {
    Viewing,    // "Viewing Employees"
    Manager,    // choosing a team manager for the target task or a new project
    Employees,  // adding members to the target task
};

class StaffScreen {
public:
    explicit StaffScreen(Game& g);

    // `showEmployees`: viewing mode, no target.
    void openViewing();
    // The selection modes; the chosen person is reset to -1.
    void openManager(i32 task, bool newProject);
    void openEmployees(i32 task);

    StaffMode mode() const { return mode_; }
    bool selecting() const { return mode_ != StaffMode::Viewing; }
    i32 targetTask() const { return task_; }
    bool newProject() const { return newProject_; }
    // The manager chosen for a new project, or -1.
    i32 chosen() const { return chosen_; }
    // Set when a choice closed the screen; a view closes itself then.
    bool closeRequested() const { return closeRequested_; }
    std::string title() const;

    const std::vector<StaffRow>& rows() const { return rows_; }
    void rebuild();
    // A click on a column title; the direction alternates, and the sort stays
    // for later rebuilds.
    void sortBy(int column);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }

    // Choosing a row shows its sheet; only a listed employee can be chosen.
    void select(i32 person);
    i32 selected() const { return selected_; }
    std::string sheet() const { return selected_ > 0 ? employeeSheet(g_, selected_) : std::string(); }

    // A click on a row in a selection mode (manager or members).
    ActionResult pick(Player& p, i32 person);

    // The buttons, on the selected employee. Making him manager of or
    // member on an existing task works as a pick in that mode would.
    ActionResult makeSelectedManager(Player& p, i32 task);
    ActionResult assignSelected(Player& p, i32 task);
    bool canRemove() const;
    ActionResult removeSelected(Player& p);
    // "Assign to study...": true when the study screen may open.
    ActionResult studySelected(Player& p);
    ActionResult fireSelected(Player& p);
    // The selected employee's study task, when he is on one (else 0).
    i32 selectedStudyTask() const;

    // The tasks a viewing screen can make managers or members for.
    std::vector<i32> staffedTasks() const;

private:
    Game& g_;
    StaffMode mode_ = StaffMode::Viewing;
    i32 task_ = 0;
    bool newProject_ = false;
    i32 chosen_ = -1;
    bool closeRequested_ = false;
    std::vector<StaffRow> rows_;
    int sortColumn_ = -1;
    bool sortAscending_ = false;
    i32 selected_ = 0;
};

}  // namespace cw
