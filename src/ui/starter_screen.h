// The new-game screen, shown once after start-up: names, company value,
// game level and start options, then "Start new game" or "Exit game".
#pragma once

#include <QWidget>

#include "setup/new_game.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace cw::ui {

class TForm_CW2Starter : public QWidget {
    Q_OBJECT
public:
    TForm_CW2Starter(Game& game, QWidget* parent = nullptr);

    // The choices as the screen shows them now.
    NewGameOptions options() const;

    QLineEdit* companyNameEdit() const { return companyName_; }
    QLineEdit* playerNameEdit() const { return playerName_; }

public slots:
    void startNewGame();
    void exitGame();

signals:
    // The world holds the new game's choices; the main screen takes over.
    void gameStarted();
    void exitRequested();

protected:
    // The window's own close command is ignored: the screen is left only
    // through its buttons.
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTexts();

    Game& game_;
    bool leaving_ = false;
    QLineEdit* companyName_ = nullptr;
    QLineEdit* playerName_ = nullptr;
    QSlider* companyValue_ = nullptr;
    QSlider* gameLevel_ = nullptr;
    QLabel* moneyLine_ = nullptr;
    QLabel* levelName_ = nullptr;
    QLabel* startupLevel_ = nullptr;
    QCheckBox* boardMeeting_ = nullptr;
    QCheckBox* tutor_ = nullptr;
    QCheckBox* music_ = nullptr;
};

}  // namespace cw::ui
