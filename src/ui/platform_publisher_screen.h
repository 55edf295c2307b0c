// The platform publisher screen (Tform_platformPublisher): the game
// companies a console in development can sign, the deals signed and the
// talks with one company.
#pragma once

#include <QDialog>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace cw {
struct Game;
class Player;
class PlatformPublisherScreen;
}  // namespace cw

namespace cw::ui {

class Tform_platformPublisher : public QDialog {
    Q_OBJECT
public:
    Tform_platformPublisher(Game& g, Player& p, int task, QWidget* parent = nullptr);
    ~Tform_platformPublisher() override;

    PlatformPublisherScreen& model() { return *model_; }
    QTableWidget* companyGrid() const { return grid_; }
    QListWidget* dealList() const { return deals_; }
    QFrame* negotiationBox() const { return talks_; }
    QLineEdit* offerField() const { return offer_; }
    QSpinBox* gamesField() const { return games_; }
    QPushButton* suggestButton() const { return suggest_; }
    QPushButton* makeDealButton() const { return makeDeal_; }
    QLabel* moodLabel() const { return mood_; }
    QLabel* commentLabel() const { return comment_; }

    // A click on grid row `row` as the grid shows it.
    void chooseRow(int row);

private:
    void fillGrid();
    void refreshDeals();
    void refreshTalks();
    void suggest();
    void makeDeal();

    Game& g_;
    Player& p_;
    std::unique_ptr<PlatformPublisherScreen> model_;
    QTableWidget* grid_ = nullptr;
    QListWidget* deals_ = nullptr;
    QLabel* dealCount_ = nullptr;
    QFrame* talks_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* mood_ = nullptr;
    QLabel* comment_ = nullptr;
    QLineEdit* offer_ = nullptr;
    QSpinBox* games_ = nullptr;
    QPushButton* suggest_ = nullptr;
    QPushButton* makeDeal_ = nullptr;
};

}  // namespace cw::ui
