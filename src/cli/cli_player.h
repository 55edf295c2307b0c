// The headless player: prints everything the game says as one transcript
// line each, and answers dialogs and prompts from a queue the script fills.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "state/player.h"

namespace cw::cli {

struct Answer {
    enum Kind { Yes, No, Ok, Cancel, Text } kind;
    std::string text;
};

class CliPlayer : public Player {
public:
    explicit CliPlayer(std::ostream& out) : out_(out) {}

    void queue(Answer a) { answers_.push_back(std::move(a)); }
    // An answer for the very next question, ahead of those already queued.
    void queueFront(Answer a) { answers_.push_front(std::move(a)); }
    std::size_t queued() const { return answers_.size(); }
    // Set when a queued answer did not fit the question asked; the driver
    // reports it as a script error.
    std::string takeError() { return std::exchange(error_, {}); }
    // Prints what a modal screen shows before it closes (the board meeting,
    // the end screen, the bank during a debt warning).
    using ScreenText = std::function<void(ScreenId, std::ostream&)>;
    void setScreenText(ScreenText f) { screenText_ = std::move(f); }
    // The next queued answer when it is a text; nothing otherwise.
    std::optional<std::string> takeTextAnswer();
    // Drops the next queued answer, whatever it is.
    void takeAnyAnswer() {
        if (!answers_.empty()) answers_.pop_front();
    }

    void notify(std::string_view title, std::string_view text, int durationMs) override;
    bool askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) override;
    bool messageBox(std::string_view caption, std::string_view text, bool yesNo) override;
    std::string inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
    std::string chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                           bool forSaving) override;
    void showModal(ScreenId screen) override;
    void letterPosted(std::string_view subject, std::string_view body) override;
    void progressShow() override {}
    void progressUpdate(const ProgressInfo&) override {}
    void progressHide() override {}
    void processEvents() override {}
    void pause(int) override {}  // scripted runs never wait
    void refreshMainScreen() override {}
    void setChristmasBanner(std::string_view) override {}
    // The staff screen takes one queued text: the person numbers to click,
    // "3" or "3,5,7" (each click's question takes the next answer). Anything
    // else queued, or nothing, closes it without a click.
    void chooseStaff(StaffScreen& screen) override;
    // "no"/"cancel" (or nothing queued): the player chooses; "yes"/"ok": the
    // leader takes the number the box shows; "N": he takes N; "max": as many
    // as he can manage.
    int chooseAutoTeam(const AutoTeamOffer& offer) override;
    // The review screen prints its header, text, bars and byline; it has
    // only "Close", so it takes no answer.
    void showReview(const Review& review) override;
    // "New project": a queued text "PERSON" or "PERSON:AMOUNT" presses
    // "Find", clicks the person on the staff screen (its question takes the
    // next answer), sets the number and presses "OK"; "cancel"/"no", or
    // nothing queued, presses "Cancel". A fill set by a command goes first.
    void newTaskDialog(NewTaskDialog& dialog) override;
    void setNewTaskFill(int person, int amount) { newTaskFill_ = std::pair{person, amount}; }
    void clearNewTaskFill() { newTaskFill_.reset(); }
    // Cues are only recorded: `sound` lists those since the last week began.
    void playCue(SoundCue cue) override;
    void beginWeekCues() { cues_.clear(); }
    const std::vector<SoundCue>& lastCues() const { return cues_; }

private:
    bool nextButton(bool twoButtons, const char* first, const char* second, std::string& label);

    std::ostream& out_;
    std::deque<Answer> answers_;
    std::string error_;
    ScreenText screenText_;
    std::optional<std::pair<int, int>> newTaskFill_;
    std::vector<SoundCue> cues_;
};

}  // namespace cw::cli
