// The licence deal screen (`TForm_EngineDeal`): the competitors' game
// projects that might use one of the player's engines, the talks with a
// developer, the engine's support tasks and licensed games, and the release
// chart of the next 156 weeks.
#pragma once

#include <QDialog>
#include <memory>

#include "engines/engine_deal_screen.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace cw::ui {

class TForm_EngineDeal : public QDialog {
    Q_OBJECT
public:
    TForm_EngineDeal(Game& g, Player& p, QWidget* parent = nullptr);

    // Opens the screen for the player's engine of the pair: the list is
    // drawn now, once.
    void openFor(int platform, int genre);
    EngineDealScreen* model() const { return model_.get(); }

    QTableWidget* gameGrid() const { return games_; }
    QPushButton* negotiateButton() const { return negotiate_; }
    QPushButton* suggestButton() const { return suggest_; }
    QPushButton* makeDealButton() const { return makeDeal_; }
    QSpinBox* priceBox() const { return price_; }

signals:
    void dealMade();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillGames();
    void fillDeals();
    void showNegotiation();
    void termsChanged();

    Game& game_;
    Player& player_;
    std::unique_ptr<EngineDealScreen> model_;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QTableWidget* games_ = nullptr;
    QPushButton* negotiate_ = nullptr;
    QWidget* terms_ = nullptr;
    QLabel* dealText_ = nullptr;
    QLabel* answer_ = nullptr;
    QSpinBox* price_ = nullptr;
    QSpinBox* royalty_ = nullptr;
    QSpinBox* weeks_ = nullptr;
    QLabel* royaltyText_ = nullptr;
    QLabel* weeksText_ = nullptr;
    QPushButton* suggest_ = nullptr;
    QPushButton* makeDeal_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTableWidget* deals_ = nullptr;
    QVBoxLayout* chartHost_ = nullptr;
    QWidget* chart_ = nullptr;
};

}  // namespace cw::ui
