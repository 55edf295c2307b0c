#include "cli/cli_player.h"

#include "cli/script.h"

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
         << (answer.empty() ? "(none)" : answer) << '\n';
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

}  // namespace cw::cli
