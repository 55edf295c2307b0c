// The main window's size, kept between runs in the game folder's settings
// file, and the way it opens on screens of every size.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace cw::ui {

// The settings file of the game folder (not part of any save).
QString settingsFile(const QString& gameFolder);

struct WindowPlacement {
    QSize size;  // the size of the window when it is not maximised
    bool maximized = false;
};

// What was stored, or an invalid size and false when nothing was.
WindowPlacement loadWindowPlacement(const QString& settingsPath);
void saveWindowPlacement(const QString& settingsPath, const WindowPlacement& placement);

// How the main window opens on a screen with `available` room: as it was
// left, shrunk to the screen; maximised where the screen is smaller than
// the window's `preferred` size or where it was left maximised.
WindowPlacement chooseMainPlacement(const WindowPlacement& stored, QSize available, QSize preferred);

// Shows the main window as chooseMainPlacement says and stores its size
// whenever it is closed.
void showMainWindow(QWidget* main, const QString& settingsPath);

}  // namespace cw::ui
