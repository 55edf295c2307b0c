// The charts of the product screens: a game's chart position and weekly
// revenue, and the release chart of an engine's platform and genre.
#pragma once

#include <array>
#include <vector>

#include "dev/product_panel.h"

class QChartView;
class QWidget;

namespace cw::ui {

// Chart position per week on sale; position 1 at the top.
QChartView* makePositionChart(const std::vector<HistoryPoint>& points, QWidget* parent);
// Revenue per week on sale.
QChartView* makeRevenueChart(const std::vector<HistoryPoint>& points, QWidget* parent);
// One column per week of the next 156, a mark every fourth week, and the
// reference line across.
QChartView* makeReleaseChart(const std::array<int, 156>& columns, int referenceLine, QWidget* parent);

}  // namespace cw::ui
