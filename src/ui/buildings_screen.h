// The buildings panel (TForm_buildings): the four buildings with their
// "Build" and "Upgrade", the facilities with "Setup", the publisher
// negotiation department, and the room the buildings give.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_buildings : public QDialog {
    Q_OBJECT
public:
    TForm_buildings(Game& g, Player& p, QWidget* parent = nullptr);

    // Rebuilds every label and button from the levels.
    void refresh();

    QLabel* buildingLine(int building, int line) const { return lines_[building][line]; }
    QPushButton* buildButton(int building) const { return build_[building]; }
    QPushButton* upgradeButton(int building) const { return upgrade_[building]; }
    QLabel* facilityLabel(int facility) const { return facilityLabels_[facility]; }
    QPushButton* setupButton(int facility) const { return setup_[facility]; }

signals:
    // Something was bought or started: the main screen redraws.
    void changed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    Player& player_;
    std::array<std::array<QLabel*, 2>, 4> lines_{};
    std::array<QLabel*, 4> levelBadges_{};
    std::array<QProgressBar*, 4> construction_{};
    std::array<QPushButton*, 4> build_{};
    std::array<QPushButton*, 4> upgrade_{};
    std::array<QLabel*, 4> facilityLabels_{};
    std::array<QPushButton*, 4> setup_{};
    QLabel* negotiationLabel_ = nullptr;
    QPushButton* negotiationSetup_ = nullptr;
    QPushButton* negotiationClose_ = nullptr;
    QLabel* storage_ = nullptr;
    QLabel* offices_ = nullptr;
};

}  // namespace cw::ui
