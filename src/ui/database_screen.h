// "Database Operations": the reference tables, their import and rebuild.
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
class QPushButton;
class QTabWidget;
class QLineEdit;

namespace cw::ui {

class ModBuilderPanel;

class TDBForm : public QWidget {
    Q_OBJECT
public:
    TDBForm(Game& g, Player& p, ReferenceTables& ref, QWidget* parent = nullptr);

    // Shows the tables as they are now.
    void reload();

    // The screen's buttons, also callable from tests.
    void convertData();
    void rebuildData();

    // The mod builder panel after a "New MOD" import, in place of the
    // tables, the screen modal; leaving the screen brings the tables back.
    void showModBuilder();
    ModBuilderPanel* modBuilder() const { return modBuilder_; }

protected:
    void hideEvent(QHideEvent* event) override;

signals:
    // "Test": build a test world (the core's testWorld re-seeds first).
    void testRequested();

private:
    void runImport(bool rebuild);

    Game& game_;
    Player& player_;
    ReferenceTables& ref_;
    QTabWidget* tabs_;
    QListWidget* notConverted_;
    QListWidget* yearReleases_;
    QPushButton* test_;
    QLabel* status_;
    QWidget* tablesPart_ = nullptr;
    ModBuilderPanel* modBuilder_ = nullptr;
};

// The access-code dialog of "Rebuild Database" and "New MOD".
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);
    // The typed text, whichever button closed the dialog.
    QString typed() const;
    void setTyped(const QString& text);

private:
    QLineEdit* field_;
};

}  // namespace cw::ui
