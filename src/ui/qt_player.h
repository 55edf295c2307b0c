// The player interface shown with Qt windows.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "state/player.h"

namespace cw {
struct Game;
}

namespace cw::ui {

class NotificationWindow;
class SoundSystem;
class TForm_main;
class TForm_Project_progress;

class QtPlayer : public Player {
public:
    QtPlayer() = default;
    explicit QtPlayer(Game* game) : game_(game) {}
    ~QtPlayer() override;

    void setGame(Game* game) { game_ = game; }
    void setMainScreen(TForm_main* main);
    void setProgressWindow(TForm_Project_progress* progress);
    NotificationWindow* notificationWindow();

    void notify(std::string_view title, std::string_view text, int durationMs) override;
    bool askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) override;
    bool messageBox(std::string_view caption, std::string_view text, bool yesNo) override;
    std::string inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
    std::string chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                           bool forSaving) override;
    void showModal(ScreenId screen) override;
    void letterPosted(std::string_view subject, std::string_view body) override;
    void progressShow() override;
    void progressUpdate(const ProgressInfo& info) override;
    void progressHide() override;
    void processEvents() override;
    void pause(int ms) override;
    void refreshMainScreen() override;
    void setChristmasBanner(std::string_view text) override;
    void chooseStaff(StaffScreen& screen) override;
    int chooseAutoTeam(const AutoTeamOffer& offer) override;
    void showReview(const Review& review) override;
    void newTaskDialog(NewTaskDialog& dialog) override;
    // Hands the cue to the sound system set below (sound_system.cpp).
    void playCue(SoundCue cue) override;
    void setSound(SoundSystem* sound);

    // The answer a dialog closed without a button repeats.
    bool lastDialogAnswer() const { return lastDialogAnswer_; }

private:
    QWidget* dialogParent() const;

    Game* game_ = nullptr;
    QPointer<TForm_main> main_;
    QPointer<TForm_Project_progress> progress_;
    QPointer<NotificationWindow> notification_;
    QPointer<SoundSystem> sound_;
    bool lastDialogAnswer_ = true;  // closing the dialog another way repeats it; true before any use
};

QString qs(std::string_view s);

}  // namespace cw::ui
