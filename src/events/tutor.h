// The secretary's tutorial: ten steps from a new engine to a hired
// employee. The screens report what is open; the tutorial says what the
// secretary shows and which windows she moves. It changes no game data.
#pragma once

#include <string>
#include <vector>

namespace cw {

// The step the tutorial stands at. It lives for the whole program run, so a
// second game continues where the first one left it.
extern int tutorialStep;

// What the secretary sees of the screens on a timer tick.
struct TutorView {
    bool developmentShown = false;      // TForm_development
    bool newEnginePageShown = false;    // its "New Engine" page
    bool newEngineSecondPart = false;   // the second part of that page
    bool engineChoicesMade = false;     // genre and platform other than the first entries
    bool manageEmployeesShown = false;  // TForm_view_employees
    bool hiringShown = false;           // TForm_employees
    bool interviewShown = false;        // the job-interview panel of the hiring screen
    int employeeCount = 0;
};

// What one tick asks of the screens, in order.
struct TutorTick {
    std::string text;                  // the secretary's new text; empty = unchanged
    bool showSecretary = false;        // make visible, bring to the front, place top-right
    bool closeSecretary = false;       // an awaited step was reached
    bool showCloseButton = false;      // the last step
    bool placeTopLeft = false;         // the last step places the secretary top-left
    bool placeDevelopment = false;     // move the development screen to the bottom-left
    bool placeManageEmployees = false; // move "Manage Employees" below the header
    bool placeHiring = false;          // move "Hire/view Employees" to the top-left
    bool keepSecretaryInFront = false; // while waiting for "Manage Employees"
};

// The text shown at an even step ("" for odd steps and beyond the end).
std::string tutorText(int step);

// The text the secretary shows while the tutorial stands at `step`: that of
// the last even step passed ("" before the first tick).
std::string tutorShownText(int step);
// What an odd step waits for, in words ("" for other steps).
std::string tutorWaitText(int step);

// One timer tick: passes every step whose condition holds, in order.
TutorTick tutorTick(int& step, const TutorView& view);

}  // namespace cw
