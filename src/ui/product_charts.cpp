#include "ui/product_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/message_dialogs.h"

namespace cw::ui {
namespace {

QChart* darkChart(const QString& title) {
    auto* chart = new QChart;
    chart->setBackgroundBrush(QColor(0x1b, 0x25, 0x34));
    chart->setBackgroundRoundness(8);
    chart->setTitle(title);
    chart->setTitleBrush(look::kAccent);
    QFont font = chart->titleFont();
    font.setPixelSize(13);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 10, 4));
    return chart;
}

QValueAxis* axis(QChart* chart, Qt::Alignment where, double min, double max, const QString& title) {
    auto* a = new QValueAxis(chart);
    a->setRange(min, max);
    a->setLabelsBrush(QColor(0xb8, 0xc6, 0xd6));
    a->setGridLineColor(QColor(0x2a, 0x39, 0x50));
    a->setMinorGridLineColor(QColor(0x22, 0x2f, 0x42));
    a->setLinePenColor(QColor(0x33, 0x44, 0x5e));
    a->setLabelFormat(QStringLiteral("%d"));
    a->setTitleText(title);
    a->setTitleBrush(QColor(0x8f, 0xa3, 0xb8));
    QFont f = a->titleFont();
    f.setPixelSize(11);
    a->setTitleFont(f);
    chart->addAxis(a, where);
    return a;
}

QChartView* view(QChart* chart, QWidget* parent, const char* name) {
    auto* v = new QChartView(chart, parent);
    v->setObjectName(QString::fromLatin1(name));
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumSize(300, 180);
    v->setStyleSheet(QStringLiteral("background: transparent;"));
    return v;
}

double weeksRange(const std::vector<HistoryPoint>& points) { return std::max<double>(points.size(), 10); }

}  // namespace

QChartView* makePositionChart(const std::vector<HistoryPoint>& points, QWidget* parent) {
    QChart* chart = darkChart(QStringLiteral("Chart position"));
    auto* line = new QLineSeries(chart);
    line->setPen(QPen(look::kAccent, 2.5));
    int worst = 10;
    for (const HistoryPoint& h : points) {
        if (h.chartPos <= 0) continue;
        worst = std::max(worst, h.chartPos);
        line->append(h.week, h.chartPos);
    }
    chart->addSeries(line);
    QValueAxis* x = axis(chart, Qt::AlignBottom, 1, weeksRange(points), QStringLiteral("Week on sale"));
    QValueAxis* y = axis(chart, Qt::AlignLeft, 1, worst, QStringLiteral("Position"));
    // The better the position, the higher the curve.
    y->setReverse(true);
    line->attachAxis(x);
    line->attachAxis(y);
    return view(chart, parent, "positionChart");
}

QChartView* makeRevenueChart(const std::vector<HistoryPoint>& points, QWidget* parent) {
    QChart* chart = darkChart(QStringLiteral("Revenue per week ($)"));
    auto* upper = new QLineSeries(chart);
    auto* lower = new QLineSeries(chart);
    double top = 1000;
    for (const HistoryPoint& h : points) {
        upper->append(h.week, h.revenue);
        lower->append(h.week, 0);
        top = std::max(top, static_cast<double>(h.revenue));
    }
    auto* area = new QAreaSeries(upper, lower);
    area->setPen(QPen(QColor(0x5c, 0xc2, 0xb3), 2));
    area->setBrush(QColor(0x5c, 0xc2, 0xb3, 70));
    chart->addSeries(area);
    QValueAxis* x = axis(chart, Qt::AlignBottom, 1, weeksRange(points), QStringLiteral("Week on sale"));
    QValueAxis* y = axis(chart, Qt::AlignLeft, 0, top * 1.1, QString());
    y->applyNiceNumbers();
    area->attachAxis(x);
    area->attachAxis(y);
    return view(chart, parent, "revenueChart");
}

QChartView* makeReleaseChart(const std::array<int, 156>& columns, int referenceLine, QWidget* parent) {
    QChart* chart = darkChart(QStringLiteral("Releases of the next 156 weeks"));
    auto* upper = new QLineSeries(chart);
    auto* lower = new QLineSeries(chart);
    int top = referenceLine;
    for (std::size_t w = 0; w < columns.size(); ++w) {
        const double x = static_cast<double>(w);
        const int h = columns[w];
        top = std::max(top, h);
        upper->append(x, 0);
        upper->append(x, h);
        upper->append(x + 0.8, h);
        upper->append(x + 0.8, 0);
    }
    lower->append(0, 0);
    lower->append(156, 0);
    auto* bars = new QAreaSeries(upper, lower);
    bars->setPen(QPen(QColor(0x7f, 0xb8, 0xf0), 1));
    bars->setBrush(QColor(0x7f, 0xb8, 0xf0, 160));
    chart->addSeries(bars);
    auto* reference = new QLineSeries(chart);
    reference->setPen(QPen(QColor(0xe0, 0x5a, 0x47), 2, Qt::DashLine));
    reference->append(0, referenceLine);
    reference->append(156, referenceLine);
    chart->addSeries(reference);
    QValueAxis* x = axis(chart, Qt::AlignBottom, 0, 156, QStringLiteral("Weeks from now"));
    // Labels every 12 weeks, a mark every fourth week between them.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(12);
    x->setMinorTickCount(2);
    QValueAxis* y = axis(chart, Qt::AlignLeft, 0, top + 10, QString());
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(reference)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    return view(chart, parent, "releaseChart");
}

}  // namespace cw::ui
