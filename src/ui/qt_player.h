// The player interface shown with Qt windows.
#pragma once

#include <QPointer>
#include <QWidget>

#include "state/player.h"

namespace cw::ui {

class QtPlayer : public Player {
public:
    explicit QtPlayer(QWidget* mainWindow) : main_(mainWindow) {}

    void notify(std::string_view title, std::string_view text, int durationMs) override;
    bool askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) override;
    bool messageBox(std::string_view caption, std::string_view text, bool yesNo) override;
    std::string inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
    std::string chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                           bool forSaving) override;
    void showModal(ScreenId screen) override;
    void letterPosted(std::string_view, std::string_view) override {}
    void progressShow() override {}
    void progressUpdate(const ProgressInfo&) override {}
    void progressHide() override {}
    void processEvents() override;
    void pause(int ms) override;
    void refreshMainScreen() override {}
    void setChristmasBanner(std::string_view) override {}

private:
    QPointer<QWidget> main_;
    bool lastDialogAnswer_ = true;  // closing the dialog another way repeats it
};

QString qs(std::string_view s);

}  // namespace cw::ui
