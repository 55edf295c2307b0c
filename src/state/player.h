// Everything the game asks of, or tells, the person playing goes through this
// one interface. The Qt game shows windows, the headless driver prints a
// transcript and answers from a queue, and tests record every call.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/sound_cue.h"

namespace cw {

// Screens the game itself opens modally in the middle of a step and waits on.
enum class ScreenId {
    Bank,         // the bank, during a debt warning
    EndScreen,    // the end of a game
    BoardMeeting,
    Expo,
    Distribution,
    PublisherChoice,
    RecallOffer,
    ProjectStatus,    // "Product development status" of a project
    FactoryAssembly,  // the assembly lines, after a console is finished
    Advertising,      // the campaigns of a project in development
    PlatformPublishers,  // the game companies that port titles to a console
};

const char* screenName(ScreenId id);

class StaffScreen;  // people/staff_screen.h: the "Manage Employees" screen's model
struct Review;      // market/reviews.h: a magazine review of one of the player's games
class NewTaskDialog;  // hardware/manufacturing.h: the "New project" dialog's model

// The dialog in which a new team manager may pick his own team of idle
// employees.
struct AutoTeamOffer {
    std::string caption;       // "Let team leader choose employees"
    std::string question;      // "Would you like the Team Leader to choose ..."
    std::string capacityText;  // "Teamleader can manage a maximum of 4 employee(s)"
    int capacity = 0;          // the number box runs 0..capacity
    int preset = 0;            // what the box shows first
    // "No. I will choose the employees", "Let teamleader choose",
    // "Let teamleader choose maximum of idle employees"
    std::string buttons[3];
};

// What the progress window shows during a week or a world set-up.
struct ProgressInfo {
    std::string weekText;                // "Week 5, 1983"
    std::string dateText;                // "31. January, 1983"
    std::vector<std::string> platforms;  // one line per released platform
    std::string inboxText;               // "Inbox messages :3"
    int barPercent = -1;                 // 0..100, or -1 for no bar
    std::string caption;                 // world set-up and loading steps
    std::string statusText;              // the week's current step (" Calculating sales.... ")
    std::vector<std::string> listing;    // the week's releases, sent with the last status
};

class Player {
public:
    virtual ~Player() = default;

    // A timed notification that fades by itself; the game does not wait.
    virtual void notify(std::string_view title, std::string_view text, int durationMs) = 0;
    // A modal dialog with two buttons ("Yes"/"No" or "Ok"/"Cancel"); true
    // when the first one was pressed.
    virtual bool askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) = 0;
    // A modal box with "Ok", or "Yes" and "No"; true only for "Yes".
    virtual bool messageBox(std::string_view caption, std::string_view text, bool yesNo) = 0;
    // A text prompt; returns the default text when the player cancels.
    virtual std::string inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) = 0;
    // Choosing a file in `folder` matching `pattern` (e.g. "*.sav"); empty
    // when nothing was chosen.
    virtual std::string chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                                   bool forSaving) = 0;
    // Shows a screen modally and returns when the player closed it.
    virtual void showModal(ScreenId screen) = 0;
    // A letter arrived in the inbox (the inbox itself lives in the game state).
    virtual void letterPosted(std::string_view subject, std::string_view body) = 0;
    // Progress window: shown, updated and hidden during long steps.
    virtual void progressShow() = 0;
    virtual void progressUpdate(const ProgressInfo& info) = 0;
    virtual void progressHide() = 0;
    // Lets the window repaint and take clicks during a long step.
    virtual void processEvents() = 0;
    // A pause that keeps the screen responsive; headless runs do not wait.
    virtual void pause(int ms) = 0;
    // The state changed: redraw the main screen's status panels from it.
    virtual void refreshMainScreen() = 0;
    // The main screen's Christmas banner; an empty text hides it.
    virtual void setChristmasBanner(std::string_view text) = 0;
    // Shows the staff screen modally in the selection mode its model was
    // opened in; returns when the player closed it, the choice being in the
    // model.
    virtual void chooseStaff(StaffScreen& screen) = 0;
    // The team manager's offer to pick his own team: how many idle
    // employees he should take, 0..capacity (0 when the player declines).
    virtual int chooseAutoTeam(const AutoTeamOffer& offer) = 0;
    // The review screen ("Review"); returns when the player closed it.
    virtual void showReview(const Review& review) = 0;
    // The "New project" dialog (TForm_newtask_dialog), modal; the choice
    // stays in the model. A player that cannot show it leaves it cancelled.
    virtual void newTaskDialog(NewTaskDialog&) {}
    // A sound the rules ask for; a player without sound ignores it.
    virtual void playCue(SoundCue) {}
};

// A player that sees nothing and always takes the first button; useful for
// benchmarks and for steps run before any screen exists.
class SilentPlayer : public Player {
public:
    void notify(std::string_view, std::string_view, int) override {}
    bool askDialog(std::string_view, std::string_view, bool, bool) override { return true; }
    bool messageBox(std::string_view, std::string_view, bool) override { return false; }
    std::string inputBox(std::string_view, std::string_view, std::string_view def) override { return std::string(def); }
    std::string chooseFile(std::string_view, std::string_view, std::string_view, bool) override { return {}; }
    void showModal(ScreenId) override {}
    void letterPosted(std::string_view, std::string_view) override {}
    void progressShow() override {}
    void progressUpdate(const ProgressInfo&) override {}
    void progressHide() override {}
    void processEvents() override {}
    void pause(int) override {}
    void refreshMainScreen() override {}
    void setChristmasBanner(std::string_view) override {}
    void chooseStaff(StaffScreen&) override {}
    int chooseAutoTeam(const AutoTeamOffer&) override { return 0; }
    void showReview(const Review&) override {}
};

}  // namespace cw
