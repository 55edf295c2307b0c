// "Load a saved game": the saves in the save folder, each annotated in turn
// with its date and shown with its company, game date and cash; the newest
// is selected.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "state/save_game.h"

class QListWidget;
class QLineEdit;
class QTimer;

namespace cw::ui {

class TForm_load_game : public QDialog {
    Q_OBJECT
public:
    TForm_load_game(Game& g, Player& p, QWidget* parent = nullptr);

    // Fills the list afresh, as showing the screen does.
    void refill();
    void loadGameClicked();
    void cancelClicked();
    QListWidget* list() const { return list_; }
    QLineEdit* hiddenBox() const { return hidden_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void annotateTick();
    QString entryText(std::size_t i) const;

    Game& game_;
    Player& player_;
    LoadScreen screen_;
    std::vector<std::string> summaries_;  // one per entry
    QListWidget* list_;
    QLineEdit* hidden_;
    QTimer* annotate_;
};

}  // namespace cw::ui
