// The publisher list (TForm_GamePublisher) and the distribution dialog
// (Tform_releasegame) of a finished game.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}

namespace cw::ui {

class TForm_GamePublisher : public QDialog {
    Q_OBJECT
public:
    TForm_GamePublisher(Game& g, Player& p, int task, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // A click on a row: the deal's questions.
    void offerRow(int row);

private:
    Game& g_;
    Player& p_;
    int task_;
    QTableWidget* table_ = nullptr;
};

class Tform_releasegame : public QDialog {
    Q_OBJECT
public:
    Tform_releasegame(Game& g, int task, QWidget* parent = nullptr);

    QCheckBox* region(int r) const { return boxes_[r - 1]; }
    QPushButton* okButton() const { return ok_; }
    QLabel* shareLabel() const { return share_; }
    QLabel* costLabel() const { return cost_; }

private:
    void recompute();
    void confirm();

    Game& g_;
    int task_;
    QCheckBox* boxes_[3] = {};
    QLabel* share_ = nullptr;
    QLabel* cost_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace cw::ui
