#include "cli/cli_player.h"

#include <algorithm>

#include "cli/driver.h"
#include "cli/script.h"
#include "hardware/manufacturing.h"
#include "market/reviews.h"
#include "people/staff_screen.h"

namespace cw::cli {

void CliPlayer::notify(std::string_view title, std::string_view text, int) {
    out_ << "[notify] " << oneLine(title) << " | " << oneLine(text) << '\n';
}

// Takes the next queued answer for a dialog with the given buttons. With
// nothing queued the first button is pressed, as a player hitting Enter would.
bool CliPlayer::nextButton(bool twoButtons, const char* first, const char* second, std::string& label) {
    bool firstPressed = true;
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        switch (a.kind) {
            case Answer::Yes:
            case Answer::Ok: firstPressed = true; break;
            case Answer::No:
            case Answer::Cancel: firstPressed = false; break;
            case Answer::Text:
                error_ = "a dialog was answered with the text \"" + a.text + "\"";
                firstPressed = true;
                break;
        }
        if (!firstPressed && !twoButtons) {
            error_ = std::string("the dialog has only the button \"") + first + "\"";
            firstPressed = true;
        }
    }
    label = firstPressed ? first : second;
    return firstPressed;
}

bool CliPlayer::askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) {
    std::string label;
    const bool first = nextButton(showSecondButton, yesNo ? "Yes" : "Ok", yesNo ? "No" : "Cancel", label);
    out_ << "[dialog] " << oneLine(caption) << " | " << oneLine(text) << " -> " << label << '\n';
    return first;
}

bool CliPlayer::messageBox(std::string_view caption, std::string_view text, bool yesNo) {
    std::string label;
    const bool first = nextButton(yesNo, yesNo ? "Yes" : "Ok", "No", label);
    out_ << "[message] " << oneLine(caption) << " | " << oneLine(text) << " -> " << label << '\n';
    return yesNo && first;
}

std::string CliPlayer::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
    std::string answer(defaultText);
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        if (a.kind == Answer::Text) answer = a.text;
        // "ok" accepts the default; "cancel" gives the default as a cancelled input box does
    }
    out_ << "[input] " << oneLine(caption) << " | " << oneLine(prompt) << " -> " << oneLine(answer) << '\n';
    return answer;
}

std::string CliPlayer::chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                                  bool) {
    std::string answer;
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        if (a.kind == Answer::Text) answer = a.text;
    }
    out_ << "[file] " << oneLine(caption) << " | " << oneLine(folder) << '/' << oneLine(pattern) << " -> "
         << (answer.empty() ? "(none)" : oneLine(answer)) << '\n';
    return answer;
}

void CliPlayer::showModal(ScreenId screen) {
    if (screenText_) screenText_(screen, out_);
    out_ << "[screen] " << screenName(screen) << " -> closed\n";
}

std::optional<std::string> CliPlayer::takeTextAnswer() {
    if (answers_.empty() || answers_.front().kind != Answer::Text) return std::nullopt;
    std::string text = answers_.front().text;
    answers_.pop_front();
    return text;
}

void CliPlayer::letterPosted(std::string_view subject, std::string_view body) {
    out_ << "[letter] " << oneLine(subject) << " | " << oneLine(body) << '\n';
}

void CliPlayer::chooseStaff(StaffScreen& screen) {
    out_ << "[screen] " << oneLine(screen.title()) << '\n';
    std::string picks;
    if (!answers_.empty() && answers_.front().kind == Answer::Text) {
        picks = answers_.front().text;
        answers_.pop_front();
    } else if (!answers_.empty() && (answers_.front().kind == Answer::Cancel || answers_.front().kind == Answer::No)) {
        answers_.pop_front();
    }
    std::size_t start = 0;
    while (!picks.empty() && start <= picks.size() && !screen.closeRequested()) {
        std::size_t end = picks.find(',', start);
        if (end == std::string::npos) end = picks.size();
        const std::string item = picks.substr(start, end - start);
        long long person = 0;
        if (!parseInt(item, person) || person < 1 || person > 5000) {
            error_ = "the staff screen takes person numbers, not \"" + item + "\"";
            break;
        }
        out_ << "[click] " << person << '\n';
        screen.pick(*this, static_cast<int>(person));
        start = end + 1;
    }
    if (screen.mode() == StaffMode::Manager)
        out_ << "[screen] closed -> "
             << (screen.chosen() > 0 ? "team manager " + std::to_string(screen.chosen()) : std::string("nobody chosen"))
             << '\n';
    else
        out_ << "[screen] closed\n";
}

int CliPlayer::chooseAutoTeam(const AutoTeamOffer& offer) {
    int count = 0;
    int button = 0;
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        long long n = 0;
        if (a.kind == Answer::Yes || a.kind == Answer::Ok) {
            button = 1;
            count = offer.preset;
        } else if (a.kind == Answer::Text && a.text == "max") {
            button = 2;
            count = offer.capacity;
        } else if (a.kind == Answer::Text && parseInt(a.text, n)) {
            button = 1;
            count = static_cast<int>(std::clamp<long long>(n, 0, offer.capacity));
        } else if (a.kind == Answer::Text) {
            error_ = "the team dialog takes yes, no, a number or \"max\", not \"" + a.text + "\"";
        }
    }
    out_ << "[dialog] " << oneLine(offer.caption) << " | " << oneLine(offer.question) << ' '
         << oneLine(offer.capacityText) << " -> " << offer.buttons[button];
    if (button > 0) out_ << " (" << count << ')';
    out_ << '\n';
    return count;
}

void CliPlayer::showReview(const Review& review) {
    out_ << "[screen] TForm_preview: Review\n";
    for (const std::string& line : reviewLines(review)) out_ << "  " << line << '\n';
    out_ << "[screen] TForm_preview -> closed\n";
}

void CliPlayer::newTaskDialog(NewTaskDialog& dialog) {
    out_ << "[screen] TForm_newtask_dialog | " << oneLine(dialog.header()) << " | " << oneLine(dialog.measure())
         << '\n';
    std::optional<std::pair<int, int>> fill = std::exchange(newTaskFill_, std::nullopt);
    if (!fill && !answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        if (a.kind == Answer::Text) {
            const std::size_t colon = a.text.find(':');
            long long person = 0;
            long long amount = NewTaskDialog::kLowest;
            if (parseInt(a.text.substr(0, colon), person) &&
                (colon == std::string::npos || parseInt(a.text.substr(colon + 1), amount)))
                fill = std::pair{static_cast<int>(person), static_cast<int>(amount)};
            else
                error_ = "the new project dialog takes PERSON or PERSON:AMOUNT, not \"" + a.text + "\"";
        }
    }
    if (fill) {
        out_ << "[click] Find\n";
        answers_.push_front(Answer{Answer::Text, std::to_string(fill->first)});
        dialog.find(*this);
        dialog.setAmount(fill->second);
    }
    out_ << "[dialog] New project | leader " << oneLine(dialog.leaderText()) << ", " << dialog.amount() << ' '
         << oneLine(dialog.measure()) << " -> ";
    if (fill && dialog.okEnabled()) {
        dialog.pressOk();
        out_ << "OK\n";
    } else {
        dialog.pressCancel();
        out_ << "Cancel\n";
    }
}

}  // namespace cw::cli
