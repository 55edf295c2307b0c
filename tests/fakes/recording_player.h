// A player for tests: records every call in order and answers from queues.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "hardware/manufacturing.h"
#include "market/reviews.h"
#include "people/staff_screen.h"
#include "state/player.h"

namespace cw::test {

struct Call {
    std::string kind;  // "notify", "dialog", "message", "input", "file", "screen", "letter", "pause", ...
    std::string a;     // title, caption or subject
    std::string b;     // text, prompt or body
    int number = 0;    // duration, pause length
};

class RecordingPlayer : public Player {
public:
    std::vector<Call> calls;
    std::deque<bool> buttonAnswers;       // dialogs and message boxes; first button when empty
    std::deque<std::string> textAnswers;  // input boxes and file choices; default when empty
    std::vector<ProgressInfo> progress;
    std::vector<std::string> banners;
    // The staff screen clicks these people in turn (each click's question
    // takes the next button answer); none closes it at once.
    std::deque<int> staffPicks;
    // The team dialog's answers (0..capacity); 0, the first button, when empty.
    std::deque<int> autoTeamAnswers;
    int refreshes = 0;
    // Every review shown, in order (each also recorded as a "review" call).
    std::vector<Review> reviews;
    // Each "New project" dialog presses "Find" (the staff screen takes
    // staffPicks), sets this number and presses "OK"; a negative number
    // presses "Cancel" at once. Empty: "Find", 4, "OK".
    std::deque<int> newTaskAmounts;
    // Every sound cue asked for, in order.
    std::vector<SoundCue> cues;

    void notify(std::string_view title, std::string_view text, int ms) override {
        calls.push_back({"notify", std::string(title), std::string(text), ms});
    }
    bool askDialog(std::string_view caption, std::string_view text, bool, bool) override {
        calls.push_back({"dialog", std::string(caption), std::string(text)});
        return nextButton();
    }
    bool messageBox(std::string_view caption, std::string_view text, bool yesNo) override {
        calls.push_back({"message", std::string(caption), std::string(text)});
        const bool b = nextButton();
        return yesNo && b;
    }
    std::string inputBox(std::string_view caption, std::string_view prompt, std::string_view def) override {
        calls.push_back({"input", std::string(caption), std::string(prompt)});
        return nextText(std::string(def));
    }
    std::string chooseFile(std::string_view caption, std::string_view folder, std::string_view, bool) override {
        calls.push_back({"file", std::string(caption), std::string(folder)});
        return nextText({});
    }
    void showModal(ScreenId screen) override { calls.push_back({"screen", screenName(screen), {}}); }
    void letterPosted(std::string_view subject, std::string_view body) override {
        calls.push_back({"letter", std::string(subject), std::string(body)});
    }
    void progressShow() override { calls.push_back({"progressShow", {}, {}}); }
    void progressUpdate(const ProgressInfo& info) override { progress.push_back(info); }
    void progressHide() override { calls.push_back({"progressHide", {}, {}}); }
    void processEvents() override {}
    void pause(int ms) override { calls.push_back({"pause", {}, {}, ms}); }
    void refreshMainScreen() override { ++refreshes; }
    void setChristmasBanner(std::string_view text) override { banners.emplace_back(text); }
    void chooseStaff(StaffScreen& screen) override {
        calls.push_back({"staff", screen.title(), {}});
        while (!staffPicks.empty() && !screen.closeRequested()) {
            const int person = staffPicks.front();
            staffPicks.pop_front();
            screen.pick(*this, person);
        }
    }
    int chooseAutoTeam(const AutoTeamOffer& offer) override {
        calls.push_back({"autoTeam", offer.caption, offer.question + "|" + offer.capacityText, offer.preset});
        if (autoTeamAnswers.empty()) return 0;
        const int n = autoTeamAnswers.front();
        autoTeamAnswers.pop_front();
        return n;
    }

    void showReview(const Review& review) override {
        calls.push_back({"review", review.title, review.introduction});
        reviews.push_back(review);
    }
    void newTaskDialog(NewTaskDialog& dialog) override {
        calls.push_back({"newTask", dialog.header(), dialog.measure()});
        int amount = NewTaskDialog::kLowest;
        if (!newTaskAmounts.empty()) {
            amount = newTaskAmounts.front();
            newTaskAmounts.pop_front();
        }
        if (amount < 0) {
            dialog.pressCancel();
            return;
        }
        dialog.find(*this);
        dialog.setAmount(amount);
        dialog.pressOk();
    }

    void playCue(SoundCue cue) override { cues.push_back(cue); }

    // The calls of one kind, in order.
    std::vector<Call> only(const std::string& kind) const {
        std::vector<Call> out;
        for (const auto& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }

private:
    bool nextButton() {
        if (buttonAnswers.empty()) return true;
        const bool b = buttonAnswers.front();
        buttonAnswers.pop_front();
        return b;
    }
    std::string nextText(std::string def) {
        if (textAnswers.empty()) return def;
        std::string t = textAnswers.front();
        textAnswers.pop_front();
        return t;
    }
};

}  // namespace cw::test
