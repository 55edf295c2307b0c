// The development screen's "Buy Tools" and "Anti-Piracy" pages. What they
// list, price and refuse comes from the core's tool and protection model.
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class BuyToolsPanel : public QWidget {
    Q_OBJECT
public:
    BuyToolsPanel(Game& g, Player& p, QWidget* parent = nullptr);
    void reopen();  // the lists and the chosen platform from the start
    void refresh();
    // Chooses the box's item for a platform (0: none).
    void choosePlatform(int platform);
    void pressUpgrade(int tool);  // 0 code, 1 graphics, 2 design

    QComboBox* platformBox() const { return box_; }
    QLabel* levelLabel(int tool) const { return level_[static_cast<std::size_t>(tool)]; }
    QLabel* priceLabel(int tool) const { return price_[static_cast<std::size_t>(tool)]; }
    QPushButton* upgradeButton(int tool) const { return upgrade_[static_cast<std::size_t>(tool)]; }
    QTableWidget* grid(int tool) const { return grids_[static_cast<std::size_t>(tool)]; }

signals:
    // A tool was bought: the work estimate changes.
    void toolBought();

private:
    int chosen() const;
    Game& game_;
    Player& player_;
    QComboBox* box_ = nullptr;
    std::array<QTableWidget*, 3> grids_{};
    std::array<QLabel*, 3> level_{};
    std::array<QLabel*, 3> price_{};
    std::array<QPushButton*, 3> upgrade_{};
};

class AntiPiracyPanel : public QWidget {
    Q_OBJECT
public:
    AntiPiracyPanel(Game& g, Player& p, QWidget* parent = nullptr);
    void reopen();
    void refresh();
    void choosePlatform(int platform);
    void pressSimple();
    void pressAdvanced();
    void pressInhouse();

    QComboBox* platformBox() const { return box_; }
    QLabel* headlineLabel() const { return headline_; }
    QLabel* textLabel() const { return text_; }
    QPushButton* simpleButton() const { return simple_; }
    QPushButton* advancedButton() const { return advanced_; }
    QPushButton* inhouseButton() const { return inhouse_; }

private:
    int chosen() const;
    Game& game_;
    Player& player_;
    QComboBox* box_ = nullptr;
    QLabel* marker_ = nullptr;
    QLabel* headline_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* inhouse_ = nullptr;
    QPushButton* advanced_ = nullptr;
    QPushButton* simple_ = nullptr;
};

}  // namespace cw::ui
