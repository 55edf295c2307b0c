// The processor screen (Tform_cpu): the processors on the market, filtered
// by type, and a chart of this year's prices of the first seven.
#pragma once

#include <QWidget>

#include "hardware/platform_screens.h"

class QCheckBox;
class QLabel;
class QTableWidget;

namespace cw {
struct Game;
}

namespace cw::ui {

class WeekWatch;

// Weekly prices of a few processors as lines over the weeks of the year.
class PriceChart : public QWidget {
    Q_OBJECT
public:
    explicit PriceChart(QWidget* parent = nullptr);
    void setSeries(const std::vector<CpuScreen::Series>& series);
    const std::vector<CpuScreen::Series>& series() const { return series_; }
    QSize sizeHint() const override { return {900, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CpuScreen::Series> series_;
};

class Tform_cpu : public QWidget {
    Q_OBJECT
public:
    explicit Tform_cpu(Game& g, QWidget* parent = nullptr);

    void rebuild();
    void headerClicked(int column);

    const CpuScreen& model() const { return model_; }
    QTableWidget* grid() const { return grid_; }
    QCheckBox* typeBox(int i) const { return boxes_[i]; }  // 0 "CPUs", 1 "GPUs", 2 "SPUs"
    PriceChart* chart() const { return chart_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showModel();

    Game& game_;
    CpuScreen model_;
    QLabel* weekLabel_ = nullptr;
    QCheckBox* boxes_[3] = {};
    QTableWidget* grid_ = nullptr;
    PriceChart* chart_ = nullptr;
    WeekWatch* watch_ = nullptr;
};

}  // namespace cw::ui
