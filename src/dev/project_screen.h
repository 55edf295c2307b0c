// The "Project properties" screen's model for a game in development: its
// progress, the work left per area with the weeks it will take, the work
// shares and the focus (each group summing to 100), the quality with the
// way it is heading, and the buttons.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

enum class TrafficLight { Red, Yellow, Green };

struct ProjectButton {
    std::string caption;
    bool enabled;
    std::string hint;  // why a disabled button cannot be pressed yet
};

// The change the weekly quality step would make to quality `area` (0
// gameplay, 1 complexity, 2 replayability) of game task `t` next week.
i32 qualityChangeNextWeek(const Game& g, const Task& t, int area);
TrafficLight trafficLight(i32 change);

// The game tasks the screen can show, in task order.
std::vector<int> gameTasks(const Game& g);

class ProjectScreen {
public:
    ProjectScreen(Game& g, int task);

    // False when the task is gone or is not a game in development.
    bool valid() const;
    int task() const { return task_; }

    std::string name() const;
    i32 progress() const;
    i32 workTotal() const;
    i32 hype() const;  // 0..100
    // "Programming left :" and the rest: the work left (not below 0), the
    // bars' common maximum and the weeks each area still needs.
    static const std::array<const char*, 3> kWorkCaptions;
    i32 workLeft(int area) const;
    i32 workBarMaximum() const;
    i32 weeksLeft(int area) const;
    std::string weeksText(int area) const;

    static const std::array<const char*, 3> kShareCaptions;  // "Programming", "Designing", "Graphics"
    static const std::array<const char*, 3> kFocusCaptions;  // "GamePlay", "Complexity", "replayability"
    std::array<i32, 3> shares() const;
    std::array<i32, 3> focus() const;
    void moveShare(int which, i32 value);
    void moveFocus(int which, i32 value);
    // Settings the sliders can reach: three values 1..98 summing to 100.
    bool setShares(const std::array<i32, 3>& v);
    bool setFocus(const std::array<i32, 3>& v);

    // The "Employee Reseach Amount" sliders (25..100): they move in the
    // core phase only.
    static const std::array<const char*, 3> kResearchCaptions;  // "Programming", "Design/GUI", "Graphics"
    std::array<i32, 3> research() const;
    bool researchLocked() const;
    ActionResult setResearch(const std::array<i32, 3>& v);

    static const std::array<const char*, 3> kQualityCaptions;
    i32 quality(int area) const;
    i32 qualityBarMaximum(int area) const;
    TrafficLight light(int area) const;

    std::vector<ProjectButton> buttons() const;
    // "Assign employees to this task": the staff screen for this project.
    // "Publisher deals": the publisher list for this game, or the platform
    // publishers for a console in development.
    void publisherDeals(Player& p);
    void assignEmployees(Player& p);
    // "Advertising": the campaigns of this game. "Details": its project
    // status dialog.
    void advertising(Player& p);
    void details(Player& p);
    // "Preview game": the paid preview of the game as it stands.
    void previewGame(Player& p);

    // The whole screen as lines of text, for the headless driver.
    std::vector<std::string> describe() const;

private:
    const Task& t() const { return g_.tables().tasks[task_]; }
    Task& t() { return g_.tables().tasks[task_]; }

    Game& g_;
    int task_;
};

}  // namespace cw
