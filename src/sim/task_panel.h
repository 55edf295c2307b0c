// What the main screen shows of the company's tasks: the "Projects in
// progress" list and the information panel of the selected task. Both are
// built from the tables alone, each week afresh.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"

namespace cw {

struct ProjectRow {
    int task = 0;  // Tasks slot 1..500
    std::string name;
    std::string kindText;  // "Game", "Engine upgrade", "Study", ...
    int percent = 0;       // 0..100
    std::string weeksText;  // the estimate: a number of weeks or "Infinte"
};

// Every task in slot order.
std::vector<ProjectRow> projectsList(const Game& g);

// What a task works at, in a word or two.
std::string taskKindText(const Task& t);

struct AreaProgress {
    std::string name;       // "Programming", "Design", "Graphics"
    std::string weeksText;  // "12 Weeks"
    i32 workLeft = 0;       // the bar, against the largest work left
    i32 maximum = 1;
};

struct TaskPanel {
    int task = 0;  // 0 when the slot holds no task
    std::string name;
    // "Team Manager :...", "Can manage  up to ...", "Number of Employees : ..."
    std::vector<std::string> teamLines;
    std::string progressCaption;
    i32 progressMaximum = 0;
    i32 progressPosition = 0;

    // Game tasks only.
    bool isGame = false;
    std::string gameTitle;
    std::array<int, 3> research{};  // the "Employee Reseach Amount" sliders
    bool slidersLocked = false;     // the finishing phase
    std::string phaseCaption;
    std::array<AreaProgress, 3> areas{};
    i32 hype = 0;
    bool hasPublisher = false;  // "Find Publisher" has found one

    // A study offers "Intensify Study (speed up)".
    bool isStudy = false;

    // The other kinds' lines, in the order shown; "\r\n" breaks a line.
    std::vector<std::string> details;
};

TaskPanel taskPanel(const Game& g, int task);


// The panel as plain text, one line each, for the headless driver.
std::string taskPanelText(const TaskPanel& panel);

}  // namespace cw
