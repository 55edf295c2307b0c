// The new-game screen (TForm_CW2Starter), shown once after start-up: names,
// company value, game level and start options, the start-up level and the
// highest score; then "Start new game", "Load game", "Rebuild Database" or
// "Exit game".
#pragma once

#include <QPointer>
#include <QWidget>

#include "setup/new_game.h"
#include "ui/database_screen.h"
#include "ui/mod_screen.h"
#include "ui/player_bonus_screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace cw::ui {

class StarterBanner;

class TForm_CW2Starter : public QWidget {
    Q_OBJECT
public:
    TForm_CW2Starter(Game& game, Player& player, ReferenceTables& ref, QWidget* parent = nullptr);

    // The choices as the screen shows them now.
    NewGameOptions options() const;
    void setOptions(const NewGameOptions& o);

    // What "Start new game" asks of the main screen once the world is built.
    // The player setup and closing this screen are the screen's own steps.
    void setStartHooks(NewGameHooks hooks) { hooks_ = std::move(hooks); }
    // The screens created at start; without them passing ones are made.
    void setPlayerSetupScreen(Tform_player_bonus* screen) { playerSetup_ = screen; }
    void setPasswordDialog(TPasswordDlg* dialog) { password_ = dialog; }
    void setModChooser(TForm_mod_load* chooser) { modChooser_ = chooser; }
    QLabel* modLabel() const { return modLabel_; }

    int highScore() const { return highScore_; }
    int score() const { return score_; }
    bool animating() const;

    QLineEdit* companyNameEdit() const { return companyName_; }
    QLineEdit* playerNameEdit() const { return playerName_; }
    QSlider* companyValueSlider() const { return companyValue_; }
    QSlider* gameLevelSlider() const { return gameLevel_; }
    QCheckBox* boardMeetingBox() const { return boardMeeting_; }
    QLabel* startupLevelLabel() const { return startupLevel_; }
    QLabel* moneyLabel() const { return moneyLine_; }
    QLabel* levelEffectsLabel() const { return levelEffects_; }

    // A load goes through "Start new game" too: its first half (the import
    // and the world set-up's always-steps, closing this screen) before the
    // save file is read, and its end (the main screen) afterwards. The
    // first returns the start's refusal, already shown, or an empty text.
    std::string beginLoadedGame();
    void finishLoadedGame();

public slots:
    void startNewGame();
    void loadGame();
    void exitGame();
    void rebuildDatabase();
    // The access code as typed: a match runs the rebuild import and asks for
    // the database screen; anything else does nothing. True on a match.
    bool rebuildDatabaseWithCode(const QString& typed);
    // "Choose MOD": the chooser, modal; its choice shows on the mod label.
    void chooseMod();
    // "New MOD": the access-code dialog, then newModWithCode.
    void newMod();
    // A match runs the "New MOD" import and asks for the builder; anything
    // else does nothing. True on a match.
    bool newModWithCode(const QString& typed);

private:
    // The access-code dialog, modal (the one set for tests, or a fresh one).
    QString askAccessCode();

signals:
    // The world is built; the main screen takes over.
    void gameStarted();
    void exitRequested();
    // "Load game": the load screen and the loading start take over.
    void loadRequested();
    // The rebuild import ran; the database screen should show.
    void databaseRequested();
    // The "New MOD" import ran; the database screen's mod builder should show.
    void modBuilderRequested();

protected:
    // The window's own close command is ignored: the screen is left only
    // through its buttons.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildNamesCard();
    QWidget* buildStartCard();
    QWidget* buildScoreCard();
    void updateTexts();
    void leave();
    NewGameHooks startHooks();

    Game& game_;
    Player& player_;
    ReferenceTables& ref_;
    NewGameHooks hooks_;
    QPointer<Tform_player_bonus> playerSetup_;
    QPointer<TPasswordDlg> password_;
    QPointer<TForm_mod_load> modChooser_;
    QLabel* modLabel_ = nullptr;
    bool leaving_ = false;
    int score_ = kInitialStartupScore;
    int highScore_ = 0;

    StarterBanner* banner_ = nullptr;
    QLineEdit* companyName_ = nullptr;
    QLineEdit* playerName_ = nullptr;
    QSlider* companyValue_ = nullptr;
    QSlider* gameLevel_ = nullptr;
    QLabel* moneyLine_ = nullptr;
    QLabel* levelName_ = nullptr;
    QLabel* levelEffects_ = nullptr;
    QLabel* startupLevel_ = nullptr;
    QLabel* startupScore_ = nullptr;
    QLabel* highScoreLabel_ = nullptr;
    QCheckBox* startPublisher_ = nullptr;
    QCheckBox* startWarehouse_ = nullptr;
    QCheckBox* startFactory_ = nullptr;
    QCheckBox* boardMeeting_ = nullptr;
    QCheckBox* tutor_ = nullptr;
    QCheckBox* music_ = nullptr;
};

}  // namespace cw::ui
