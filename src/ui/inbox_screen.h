// The inbox screen: the letters in a grid, the selected one on a sheet of
// paper below. Every rule lives in the core inbox; this only shows it and
// forwards clicks.
#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_inbox : public QWidget {
    Q_OBJECT
public:
    TForm_inbox(Game& g, Player& p, QWidget* parent = nullptr);

    // Rebuilds the grid and the header from the inbox.
    void reload();

    // The inbox row (1..) a grid row shows, or -1.
    int inboxRowAt(int gridRow) const;

    // "Delete permanent" on the selected letter, and "Delete all mails".
    void deleteSelected();
    void deleteAll();

    QTableWidget* grid() const { return grid_; }
    QPlainTextEdit* readingPane() const { return pane_; }

signals:
    // A letter was read or deleted: the main screen's inbox label changes.
    void inboxChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openGridRow(int gridRow);
    void showRow(int gridRow, int inboxRow);
    void updateHeader();

    Game& game_;
    Player& player_;
    QLabel* header_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPlainTextEdit* pane_ = nullptr;
    QPushButton* deleteAll_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace cw::ui
