// "The Bank" (Tform_bank): the account, the loan and its limits, the
// banker's words, and the boxes to borrow and repay.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QProgressBar;
class QToolButton;
class QPushButton;
class QSpinBox;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class Tform_bank : public QDialog {
    Q_OBJECT
public:
    Tform_bank(Game& g, Player& p, QWidget* parent = nullptr);

    // Rebuilds every figure and control from the game.
    void refresh();

    QSpinBox* borrowBox() const { return borrowBox_; }
    QSpinBox* repayBox() const { return repayBox_; }
    QPushButton* borrowButton() const { return borrowButton_; }
    QPushButton* repayButton() const { return repayButton_; }
    QLabel* comment() const { return comment_; }
    // 0 account, 1 loan, 2 maximum credit, 3 interest rate, 4 maximum new loan
    QLabel* figure(int i) const { return figures_[i]; }

signals:
    void moneyChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void borrowClicked();
    void repayClicked();

    Game& game_;
    Player& player_;
    QLabel* figures_[5] = {};
    QLabel* comment_ = nullptr;
    QSpinBox* borrowBox_ = nullptr;
    QSpinBox* repayBox_ = nullptr;
    QPushButton* borrowButton_ = nullptr;
    QPushButton* repayButton_ = nullptr;
    std::vector<QToolButton*> arrows_;  // borrow down, up; repay down, up
    QProgressBar* creditUsed_ = nullptr;
    QLabel* debtNote_ = nullptr;
};

}  // namespace cw::ui
