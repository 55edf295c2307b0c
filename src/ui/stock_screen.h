// The exchange, "CW2 - The Exchange" (Tform_stock): every listed company's
// share price and holdings, the player's share price over two years, and
// the buttons to issue and buy back 5% packets.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

class QChartView;
class QLineSeries;
class QCategoryAxis;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class Tform_stock : public QDialog {
    Q_OBJECT
public:
    Tform_stock(Game& g, Player& p, QWidget* parent = nullptr);

    void refresh();

    QTableWidget* grid() const { return grid_; }
    QLineSeries* series() const { return series_; }
    QCategoryAxis* priceAxis() const { return yAxis_; }
    QPushButton* sellButton() const { return sellButton_; }
    QPushButton* buyButton() const { return buyButton_; }
    QLabel* holding() const { return holding_; }

signals:
    void moneyChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refreshChart();

    Game& game_;
    Player& player_;
    QTableWidget* grid_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QCategoryAxis* xAxis_ = nullptr;
    QCategoryAxis* yAxis_ = nullptr;
    QLabel* holding_ = nullptr;
    QLabel* packet_ = nullptr;
    QPushButton* sellButton_ = nullptr;
    QPushButton* buyButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace cw::ui
