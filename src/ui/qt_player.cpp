#include "ui/qt_player.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace cw::ui {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

void QtPlayer::notify(std::string_view title, std::string_view text, int) {
    // The fading notification window arrives with the main screen's turn
    // panel; until then the window title carries it.
    if (main_) main_->setWindowTitle(QStringLiteral("Crestwork II - ") + qs(title) + QStringLiteral(": ") + qs(text));
}

bool QtPlayer::askDialog(std::string_view caption, std::string_view text, bool yesNo, bool showSecondButton) {
    QMessageBox box(main_);
    box.setObjectName(QStringLiteral("TCW2Dialog"));
    box.setWindowTitle(qs(caption));
    box.setText(qs(text));
    QPushButton* first = box.addButton(yesNo ? QStringLiteral("Yes") : QStringLiteral("Ok"), QMessageBox::AcceptRole);
    QPushButton* second = nullptr;
    if (showSecondButton)
        second = box.addButton(yesNo ? QStringLiteral("No") : QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == first) lastDialogAnswer_ = true;
    else if (second && box.clickedButton() == second) lastDialogAnswer_ = false;
    return lastDialogAnswer_;
}

bool QtPlayer::messageBox(std::string_view caption, std::string_view text, bool yesNo) {
    QMessageBox box(main_);
    box.setObjectName(QStringLiteral("TMessage_box"));
    box.setWindowTitle(qs(caption));
    box.setText(qs(text));
    QPushButton* yes = nullptr;
    if (yesNo) {
        yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    } else {
        box.addButton(QStringLiteral("Ok"), QMessageBox::AcceptRole);
    }
    box.exec();
    return yes && box.clickedButton() == yes;
}

std::string QtPlayer::inputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(main_, qs(caption), qs(prompt), QLineEdit::Normal, qs(defaultText), &ok);
    return ok ? text.toStdString() : std::string(defaultText);
}

std::string QtPlayer::chooseFile(std::string_view caption, std::string_view folder, std::string_view pattern,
                                 bool forSaving) {
    const QString file = forSaving ? QFileDialog::getSaveFileName(main_, qs(caption), qs(folder), qs(pattern))
                                   : QFileDialog::getOpenFileName(main_, qs(caption), qs(folder), qs(pattern));
    return file.toStdString();
}

void QtPlayer::showModal(ScreenId) {}

void QtPlayer::processEvents() { QApplication::processEvents(); }

void QtPlayer::pause(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

}  // namespace cw::ui
