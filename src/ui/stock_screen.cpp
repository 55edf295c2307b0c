#include "ui/stock_screen.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "finance/shares.h"
#include "state/game.h"
#include "ui/finance_look.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A rising line over bars, drawn for the header.
QPixmap exchangeIcon(int size) {
    QPixmap pm = paintingCanvas(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4f, 0xa3, 0xe0));
    const qreal heights[4] = {0.3, 0.45, 0.38, 0.65};
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(s * (0.08 + i * 0.23), s * (0.92 - heights[i]), s * 0.16, s * heights[i]));
    p.setPen(QPen(look::kAccent, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF line;
    line << QPointF(s * 0.08, s * 0.55) << QPointF(s * 0.35, s * 0.35) << QPointF(s * 0.58, s * 0.45)
         << QPointF(s * 0.92, s * 0.1);
    p.drawPolyline(line);
    return pm;
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

Tform_stock::Tform_stock(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("Tform_stock"));
    setWindowTitle(QStringLiteral("CW2 - The Exchange"));
    setStyleSheet(financeStyleSheet());
    resize(1000, 680);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const HeaderBand header =
        makeHeaderBand(this, exchangeIcon(34), QStringLiteral("CW2 - The Exchange"), QStringLiteral("headerLabel"));
    holding_ = new QLabel(header.band);
    holding_->setObjectName(QStringLiteral("value"));
    header.layout->addWidget(holding_);
    outer->addWidget(header.band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->setSpacing(14);

    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("StringGrid_stock"));
    grid_->verticalHeader()->hide();
    grid_->setAlternatingRowColors(true);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) {
        grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        grid_->setColumnWidth(c, c == 1 ? 96 : 118);
    }
    grid_->horizontalHeader()->setMinimumHeight(44);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->setMinimumWidth(570);
    body->addWidget(grid_, 3);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    auto* chart = new QChart;
    chart->setBackgroundBrush(QColor(0x1b, 0x25, 0x34));
    chart->setBackgroundRoundness(8);
    chart->setTitleBrush(look::kAccent);
    QFont titleFont = chart->titleFont();
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setMargins(QMargins(6, 6, 14, 6));
    series_ = new QLineSeries(chart);
    series_->setPen(QPen(look::kAccent, 2.5));
    chart->addSeries(series_);
    xAxis_ = new QCategoryAxis(chart);
    yAxis_ = new QCategoryAxis(chart);
    for (QCategoryAxis* axis : {xAxis_, yAxis_}) {
        axis->setLabelsBrush(QColor(0xb8, 0xc6, 0xd6));
        axis->setGridLineColor(QColor(0x2a, 0x39, 0x50));
        axis->setLinePenColor(QColor(0x33, 0x44, 0x5e));
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    }
    // Each year's label stands under its half of the two years.
    xAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    chart->addAxis(xAxis_, Qt::AlignBottom);
    chart->addAxis(yAxis_, Qt::AlignLeft);
    series_->attachAxis(xAxis_);
    series_->attachAxis(yAxis_);
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName(QStringLiteral("shareChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(290, 280);
    chartView_->setStyleSheet(QStringLiteral("background: transparent;"));
    right->addWidget(chartView_, 1);

    packet_ = new QLabel(this);
    packet_->setObjectName(QStringLiteral("speech"));
    packet_->setWordWrap(true);
    right->addWidget(packet_);
    auto* trade = new QHBoxLayout;
    sellButton_ = new QPushButton(QStringLiteral("Sell 5%"), this);
    sellButton_->setObjectName(QStringLiteral("sellButton"));
    buyButton_ = new QPushButton(QStringLiteral("Buy back 5%"), this);
    buyButton_->setObjectName(QStringLiteral("buyButton"));
    trade->addWidget(sellButton_);
    trade->addWidget(buyButton_);
    trade->addStretch(1);
    right->addLayout(trade);
    body->addLayout(right, 2);
    outer->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this));
    outer->addLayout(buttons);

    connect(sellButton_, &QPushButton::clicked, this, [this] {
        issueShares(game_, player_);
        refresh();
        emit moneyChanged();
    });
    connect(buyButton_, &QPushButton::clicked, this, [this] {
        buyBackShares(game_, player_);
        refresh();
        emit moneyChanged();
    });
    // The list follows the week while the exchange stays open.
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Tform_stock::refresh);
    refresh();
}

void Tform_stock::refresh() {
    const ExchangeScreen e = exchangeScreen(game_);
    // The long headings take two lines so the numbers' columns stay narrow.
    QStringList headings;
    for (const std::string& h : e.headers) {
        QString text = toQ(h);
        const qsizetype space = text.indexOf(QLatin1Char(' '), text.size() / 2 - 2);
        if (text.size() > 14 && space > 0) text[space] = QLatin1Char('\n');
        headings << text;
    }
    grid_->setHorizontalHeaderLabels(headings);
    grid_->setRowCount(static_cast<int>(e.rows.size()));
    for (int r = 0; r < static_cast<int>(e.rows.size()); ++r) {
        const ExchangeRow& row = e.rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* items[4] = {cell(toQ(row.company), false), cell(toQ(row.price), true),
                                      cell(QString::number(row.sharesInYours) + QStringLiteral(" %"), true),
                                      cell(QString::number(row.yoursOwn) + QStringLiteral(" %"), true)};
        for (int c = 0; c < 4; ++c) {
            if (row.players) {
                items[c]->setForeground(look::kAccent);
                QFont f = items[c]->font();
                f.setBold(true);
                items[c]->setFont(f);
            } else if (c == 2 && row.sharesInYours > 0) {
                // A competitor holding packets of the player's company stands out.
                items[c]->setForeground(QColor(0xff, 0x9e, 0x64));
            }
            grid_->setItem(r, c, items[c]);
        }
    }
    const World& w = game_.world();
    holding_->setText(
        QStringLiteral("You own %1 %   ·   Share price %2").arg(w.sharesOwnedPercent).arg(sharePrice(game_)));
    packet_->setText(QStringLiteral("Issue 5 %: you get %1\nBuy back 5 %: about %2")
                         .arg(dollarsText(packetValue(game_)), dollarsText(buyBackPrice(game_))));
    refreshChart();
}

void Tform_stock::refreshChart() {
    const ExchangeScreen e = exchangeScreen(game_);
    chartView_->chart()->setTitle(toQ(e.chartTitle).replace(QStringLiteral("\r\n \r\n"), QStringLiteral("<br>")));
    QList<QPointF> points;
    for (int i = 0; i < 105; ++i) points.append(QPointF(i, e.history[static_cast<std::size_t>(i)]));
    series_->replace(points);
    // The scale grows with the price, so the line keeps to the chart's 100 steps.
    for (const QString& label : yAxis_->categoriesLabels()) yAxis_->remove(label);
    yAxis_->setRange(0, 100 * e.scale);
    yAxis_->append(QString::number(e.lowMark), e.lowMark);
    yAxis_->append(QString::number(e.highMark), e.highMark);
    for (const QString& label : xAxis_->categoriesLabels()) xAxis_->remove(label);
    xAxis_->setRange(0, 104);
    xAxis_->append(toQ(e.previousYear), 52);
    xAxis_->append(toQ(e.currentWeek), 104);
}

void Tform_stock::showEvent(QShowEvent* event) {
    refresh();
    timer_->start();
    QDialog::showEvent(event);
    look::centreOver(this, parentWidget());
}

void Tform_stock::hideEvent(QHideEvent* event) {
    timer_->stop();
    QDialog::hideEvent(event);
}

}  // namespace cw::ui
