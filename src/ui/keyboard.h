// Play by keyboard in every window: Alt+letter on every button, Enter for
// the button that has the focus, F1 for the manual, and windows that fit the
// screen they open on. One watcher on the application does it for every
// window, so no screen has to think of it.
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

class QApplication;
class QWidget;

namespace cw::ui {

// Gives every button, check box and radio button of `window` that has no
// Alt+letter yet one of its own letters (a word's first letter before any
// other), never one another control of the same window already uses. A
// button with the property "noMnemonic" keeps its text. A text the program
// sets again later gets a letter at the next call. Returns how many it gave.
int assignMnemonics(QWidget* window);

// The captions of input fields (a label just before a line edit, spin box
// or combo box in its row) become the fields' buddies and get letters too,
// after the buttons.
//
// The Alt+letters of `window`'s visible controls and field captions, one per
// control that has one ('C' for "&Close").
QList<QChar> mnemonicsOf(QWidget* window);

// Makes `window` fit into `area` (a screen's available part): a window whose
// layout needs more room than there is gets its contents in a scroll area,
// and a larger window is shrunk. The main window is left alone. Returns
// true when it had to change anything.
bool fitIntoArea(QWidget* window, const QRect& area);

// The watcher. Each window shown gets its mnemonics and is fitted to its
// screen; Enter presses a focused button also in windows that are not
// dialogs; F1 calls `openManual` with the window in front.
class KeyboardHelper : public QObject {
    Q_OBJECT
public:
    explicit KeyboardHelper(std::function<void(QWidget*)> openManual, QObject* parent = nullptr);
    // Watches every window of the application until it is destroyed.
    void install(QApplication& app);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget*)> openManual_;
    QList<QWidget*> pending_;  // windows whose letters are given next round
};

}  // namespace cw::ui
