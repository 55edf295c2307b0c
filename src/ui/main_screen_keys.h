// The main screen's keys: a function key or Ctrl+digit for each of its
// panels, Enter and the menu key in its lists, and its "Help" button.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QMainWindow;

namespace cw::ui {

struct PanelKey {
    QKeySequence key;
    const char* target;  // the object name of the button or list it uses
    const char* what;    // for the manual and the tool tips
};

// Every key installMainScreenKeys gives the main screen, in the manual's order.
const std::vector<PanelKey>& mainScreenKeys();

// Gives `main` its keys and a "Help" button on its options bar that calls
// `openHelp`.
void installMainScreenKeys(QMainWindow* main, std::function<void()> openHelp);

}  // namespace cw::ui
