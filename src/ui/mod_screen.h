// Mods on screen: the chooser "Choose a MOD" of the new-game screen, and
// the builder panel "NEW MODfication" of the "Database Operations" screen.
#pragma once

#include <QDialog>
#include <QWidget>

namespace cw {
struct Game;
class Player;
struct ReferenceTables;
}  // namespace cw

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace cw::ui {

class TForm_mod_load : public QDialog {
    Q_OBJECT
public:
    TForm_mod_load(Game& g, Player& p, QWidget* parent = nullptr);

    // Lists "Default CW2" and the files of MODS afresh, the first selected.
    void refill();
    // "Choose": the chosen mod for the next game; the screen closes unless
    // the file cannot be used (the player has been told why).
    void chooseClicked();
    QListWidget* list() const { return list_; }
    QString descriptionText() const;
    // The new-game screen's mod label after the last "Choose".
    QString chosenLabel() const { return chosenLabel_; }

signals:
    void modChosen(const QString& label);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDescription();

    Game& game_;
    Player& player_;
    QListWidget* list_;
    QLabel* description_;
    QString chosenLabel_;
};

class ModBuilderPanel : public QWidget {
    Q_OBJECT
public:
    ModBuilderPanel(Game& g, Player& p, ReferenceTables& ref, QWidget* parent = nullptr);

    // Shows the builder's lists as the "New MOD" import filled them.
    void reload();
    // "Save MOD and close" and "Load Mod" with their file dialogs.
    void saveMod();
    void loadMod();
    // The same with the file already chosen; false when nothing was done
    // (the player has been told why).
    bool saveModTo(const QString& path);
    bool loadModFrom(const QString& path);

    QListWidget* platformList() const { return platforms_; }
    QListWidget* genreList() const { return genres_; }
    QPlainTextEdit* descriptionEdit() const { return description_; }

signals:
    // "Save MOD and close" saved, or "Cancel": the screen closes.
    void closeRequested();

private:
    void takeChecks();

    Game& game_;
    Player& player_;
    ReferenceTables& ref_;
    QListWidget* platforms_;
    QListWidget* genres_;
    QPlainTextEdit* description_;
};

}  // namespace cw::ui
