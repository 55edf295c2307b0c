// The game's one look, set once on the application: colours, fonts, the
// gold-edged bands, the grids, the buttons and the paper sheets every screen
// shares. A screen keeps only the few rules that belong to it alone.
#pragma once

#include <QString>

class QApplication;
class QPushButton;
class QWidget;

namespace cw::ui {

QString appStyleSheet();

// Sets the look on the application; the game and the screen tests call it
// once, before any screen is made.
void applyAppStyle(QApplication& app);

// Buttons come in four kinds, chosen with the property "role": the plain
// blue one, "secondary" (grey: Cancel, Close), "action" (gold: the one big
// step of a screen) and "danger" (red: deleting). A button named
// "closeButton" looks "secondary" without being told.
void setButtonRole(QPushButton* button, const char* role);

// A window of its own over the main screen: the screens' background, Esc
// closes it, and `closeButton` (made by makeCloseButton) is its Close.
void makeGameWindow(QWidget* window);
// "Close", object name "closeButton", closes `window` when clicked.
QPushButton* makeCloseButton(QWidget* window, QWidget* parent);
// For a window built elsewhere: a row with its Close button at the bottom of
// its layout, unless it has one already.
void addCloseBar(QWidget* window);

// Everything a screen shown as a window of its own over the main screen
// needs: a window of its own, the look, Esc, and a Close button.
void makeSecondaryWindow(QWidget* window);

// Moves a top-level window to the centre of the main window, below the main
// window's header, shrinking it when it would not fit there.
void placeOverMain(QWidget* window, QWidget* mainWindow);

// The same for a window whose parent is a widget of the main window.
void centreOverParent(QWidget* window);

}  // namespace cw::ui
