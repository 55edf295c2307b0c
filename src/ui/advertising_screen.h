// The advertising screen (Tform_advertising): the seven campaigns of a
// project with their state, and the price panel of the chosen one.
#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace cw {
struct Game;
class Player;
}

namespace cw::ui {

class Tform_advertising : public QDialog {
    Q_OBJECT
public:
    Tform_advertising(Game& g, Player& p, int task, QWidget* parent = nullptr);

    QPushButton* campaignLink(int type) const { return links_[type - 1]; }
    QLabel* statusLabel(int type) const { return status_[type - 1]; }
    QFrame* pricePanel() const { return panel_; }
    QComboBox* areaBox() const { return area_; }
    QLabel* priceLabel() const { return price_; }
    QPushButton* startButton() const { return start_; }

private:
    void refresh();
    void choose(int type);
    void changeArea();
    void start();

    Game& g_;
    Player& p_;
    int task_;
    int chosen_ = 0;
    QPushButton* links_[7] = {};
    QLabel* status_[7] = {};
    QFrame* panel_ = nullptr;
    QLabel* panelHeader_ = nullptr;
    QComboBox* area_ = nullptr;
    QLabel* price_ = nullptr;
    QPushButton* start_ = nullptr;
};

}  // namespace cw::ui
