#include "ui/qt_player.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "dev/product_finish.h"
#include "hardware/platform_publishers.h"
#include "market/advertising.h"
#include "market/expo.h"
#include "market/publishers.h"
#include "setup/main_screen_model.h"
#include "state/game.h"
#include "ui/bank_screen.h"
#include "ui/advertising_screen.h"
#include "ui/board_meeting_screen.h"
#include "ui/end_screen.h"
#include "ui/expo_screen.h"
#include "ui/factory_assembly_screen.h"
#include "ui/main_screen.h"
#include "ui/message_dialogs.h"
#include "ui/notification_window.h"
#include "ui/company_books_screens.h"
#include "ui/placeholder_screens.h"
#include "ui/platform_publisher_screen.h"
#include "ui/post_mortem_screens.h"
#include "ui/progress_window.h"
#include "ui/project_status_screen.h"
#include "ui/release_screens.h"
#include "ui/review_screen.h"
#include "ui/staff_dialogs.h"
#include "ui/staff_screen.h"

namespace cw::ui {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QtPlayer::~QtPlayer() {
    // The notification window has no parent when no main screen existed.
    if (notification_ && !notification_->parent()) delete notification_;
}

void QtPlayer::setMainScreen(TForm_main* main) { main_ = main; }
void QtPlayer::setProgressWindow(TForm_Project_progress* progress) { progress_ = progress; }

QWidget* QtPlayer::dialogParent() const { return main_ ? static_cast<QWidget*>(main_) : nullptr; }

NotificationWindow* QtPlayer::notificationWindow() {
    if (!notification_) notification_ = new NotificationWindow(dialogParent());
    return notification_;
}

void QtPlayer::notify(std::string_view title, std::string_view text, int durationMs) {
    notificationWindow()->showNotification(qs(title), qs(text), durationMs);
}

bool QtPlayer::askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) {
    return runAskDialog(dialogParent(), qs(caption), qs(text), yesNo, showSecondButton, lastDialogAnswer_);
}

bool QtPlayer::messageBox(std::string_view caption, std::string_view text, bool yesNo) {
    return runMessageBox(dialogParent(), qs(caption), qs(text), yesNo);
}

std::string QtPlayer::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
    return runInputBox(dialogParent(), qs(caption), qs(prompt), qs(defaultText)).toStdString();
}

std::string QtPlayer::chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                                 bool forSaving) {
    const QString file = forSaving ? QFileDialog::getSaveFileName(dialogParent(), qs(caption), qs(folder), qs(pattern))
                                   : QFileDialog::getOpenFileName(dialogParent(), qs(caption), qs(folder), qs(pattern));
    return file.toStdString();
}

void QtPlayer::showModal(ScreenId screen) {
    if (game_ && screen == ScreenId::Bank) {
        Tform_bank bank(*game_, *this, dialogParent());
        bank.exec();
        return;
    }
    if (game_ && screen == ScreenId::BoardMeeting) {
        TForm_boardmeeting meeting(*game_, dialogParent());
        meeting.exec();
        return;
    }
    if (game_ && screen == ScreenId::EndScreen) {
        // The game is over: the main screen goes under its cover and takes
        // no more clicks while the result is shown.
        if (main_) main_->setCoverVisible(true);
        Tform_end_screen end(*game_, dialogParent());
        QObject::connect(&end, &Tform_end_screen::reportsRequested, &end,
                         [this, &end] { showFinalAnnualReport(*game_, &end); });
        end.exec();
        return;
    }
    if (game_ && screen == ScreenId::PublisherChoice) {
        TForm_GamePublisher list(*game_, *this, openPublisherTask(), dialogParent());
        list.exec();
        return;
    }
    if (game_ && screen == ScreenId::PlatformPublishers) {
        Tform_platformPublisher deals(*game_, *this, openPlatformPublisherTask(), dialogParent());
        deals.exec();
        return;
    }
    if (game_ && screen == ScreenId::Distribution) {
        Tform_releasegame dialog(*game_, openDistributionTask(), dialogParent());
        dialog.exec();
        return;
    }
    if (game_ && screen == ScreenId::ProjectStatus) {
        TForm_project_finished dialog(*game_, *this, openProjectStatusTask(), dialogParent());
        dialog.exec();
        refreshMainScreen();
        return;
    }
    if (game_ && screen == ScreenId::Expo && openExpo()) {
        TForm_E3 show(*game_, *openExpo(), dialogParent());
        show.exec();
        return;
    }
    if (game_ && screen == ScreenId::Advertising) {
        Tform_advertising dialog(*game_, *this, openAdvertisingTask(), dialogParent());
        dialog.exec();
        refreshMainScreen();
        return;
    }
    if (game_ && screen == ScreenId::FactoryAssembly) {
        TForm_factory_assembly assembly(*game_, *this, dialogParent());
        assembly.exec();
        refreshMainScreen();
        return;
    }
    runScreenPlaceholder(dialogParent(), QString::fromLatin1(screenName(screen)));
}

void QtPlayer::newTaskDialog(NewTaskDialog& dialog) {
    TForm_newtask_dialog window(dialog, *this, dialogParent());
    window.exec();
}

void QtPlayer::letterPosted(std::string_view, std::string_view) {
    if (main_) main_->refresh();
}

void QtPlayer::progressShow() {
    if (main_) main_->setCoverVisible(true);
    if (!progress_) return;
    progress_->show();
    progress_->raise();
    progress_->startAnimation();
}

void QtPlayer::progressUpdate(const ProgressInfo& info) {
    if (progress_) progress_->setInfo(info);
}

void QtPlayer::progressHide() {
    // The window goes with the cover under it: the main screen is free again.
    if (progress_) {
        progress_->stopAnimation();
        progress_->hide();
    }
    if (main_) main_->setCoverVisible(false);
}

void QtPlayer::processEvents() { QApplication::processEvents(); }

void QtPlayer::pause(int ms) {
    // A local event loop keeps every window alive (the "Stop fast forward"
    // button above all) while the game waits.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlayer::refreshMainScreen() {
    if (main_) main_->refresh();
}

void QtPlayer::setChristmasBanner(std::string_view text) {
    if (main_) main_->setChristmasBanner(qs(text));
}

void QtPlayer::chooseStaff(StaffScreen& screen) {
    if (!game_) return;
    TForm_view_employees view(*game_, *this, screen, dialogParent());
    view.exec();
    refreshMainScreen();
}

int QtPlayer::chooseAutoTeam(const AutoTeamOffer& offer) {
    Tform_leaderchoose dialog(offer, dialogParent());
    dialog.exec();
    return dialog.count();
}

void QtPlayer::showReview(const Review& review) {
    TForm_preview screen(review, dialogParent());
    // A review read again from the product list can take its score apart.
    // The post-mortem opens once the review is closed: opened over the modal
    // review it would close with it.
    bool whyScore = false;
    if (review.product > 0 && game_)
        screen.offerWhyScore([&screen, &whyScore] {
            whyScore = true;
            screen.accept();
        });
    screen.exec();
    if (whyScore) openWhyScoreOfProduct(dialogParent(), *game_, review.product);
}

}  // namespace cw::ui
