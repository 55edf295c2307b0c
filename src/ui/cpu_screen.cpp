#include "ui/cpu_screen.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "hardware/hardware_texts.h"
#include "state/game.h"
#include "ui/app_style.h"
#include "ui/platforms_screen.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QColor kLineColours[] = {QColor(0xf2, 0xc1, 0x4e), QColor(0x4f, 0xa3, 0xe0), QColor(0x7e, 0xd9, 0x57),
                               QColor(0xe0, 0x6c, 0x75), QColor(0xb1, 0x8c, 0xf2), QColor(0x56, 0xd6, 0xc9),
                               QColor(0xf0, 0x8a, 0x3c)};

// A round upper limit for the price axis: 1, 2 or 5 times a power of ten.
i32 niceCeiling(i32 v) {
    long long step = 1;
    while (step * 10 <= v) step *= 10;
    for (long long m : {1LL, 2LL, 5LL, 10LL})
        if (step * m >= v) return static_cast<i32>(step * m);
    return v;
}

}  // namespace

PriceChart::PriceChart(QWidget* parent) : QWidget(parent) { setMinimumHeight(220); }

void PriceChart::setSeries(const std::vector<CpuScreen::Series>& series) {
    series_ = series;
    update();
}

void PriceChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x33, 0x44, 0x5e), 1));
    p.setBrush(QColor(0x1b, 0x25, 0x34));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);

    QFont small = font();
    small.setPixelSize(11);
    QFont title = font();
    title.setPixelSize(14);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf2, 0xc1, 0x4e));
    p.drawText(QRectF(12, 6, width() - 24, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Prices this year"));

    const qreal legendWidth = 190;
    const QRectF plot(62, 36, width() - 62 - legendWidth - 16, height() - 36 - 30);
    i32 top = 10;
    bool anyPoint = false;
    for (const auto& s : series_)
        for (const auto& [week, price] : s.points) {
            top = std::max(top, price);
            anyPoint = true;
        }
    top = niceCeiling(top);

    p.setFont(small);
    for (int i = 0; i <= 4; ++i) {
        const qreal y = plot.bottom() - plot.height() * i / 4;
        p.setPen(QPen(QColor(0x2a, 0x39, 0x50), 1, i == 0 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(QColor(0x8a, 0x9b, 0xb0));
        p.drawText(QRectF(4, y - 8, plot.left() - 10, 16), Qt::AlignRight | Qt::AlignVCenter,
                   toQ(thousands(static_cast<long long>(top) * i / 4)) + QStringLiteral("$"));
    }
    auto xOf = [&plot](int week) { return plot.left() + plot.width() * (week - 1) / 51.0; };
    auto yOf = [&plot, top](i32 price) { return plot.bottom() - plot.height() * price / static_cast<double>(top); };
    for (int week : {1, 10, 20, 30, 40, 52}) {
        p.setPen(QColor(0x8a, 0x9b, 0xb0));
        p.drawText(QRectF(xOf(week) - 30, plot.bottom() + 4, 60, 16), Qt::AlignCenter,
                   QStringLiteral("Week %1").arg(week));
    }
    if (!anyPoint) {
        QFont note = small;
        note.setPixelSize(13);
        note.setItalic(true);
        p.setFont(note);
        p.setPen(QColor(0x8a, 0x9b, 0xb0));
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No prices recorded yet this year"));
    }
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const QColor colour = kLineColours[i % 7];
        const auto& pts = series_[i].points;
        QPainterPath path;
        for (std::size_t k = 0; k < pts.size(); ++k) {
            const QPointF at(xOf(pts[k].first), yOf(pts[k].second));
            if (k == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        p.setPen(QPen(colour, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (const auto& [week, price] : pts) p.drawEllipse(QPointF(xOf(week), yOf(price)), 2.6, 2.6);

        const qreal ly = 40 + 22 * static_cast<qreal>(i);
        const qreal lx = width() - legendWidth - 4;
        p.drawRoundedRect(QRectF(lx, ly + 5, 12, 12), 3, 3);
        p.setPen(QColor(0xe6, 0xec, 0xf3));
        p.setFont(small);
        p.drawText(QRectF(lx + 18, ly, legendWidth - 22, 22), Qt::AlignLeft | Qt::AlignVCenter, toQ(series_[i].name));
    }
}

Tform_cpu::Tform_cpu(Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    setObjectName(QStringLiteral("Tform_cpu"));
    setWindowTitle(QStringLiteral("CPU prices"));
    makeGameWindow(this);
    setStyleSheet(hardwareStyleSheet());
    resize(1000, 760);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    QWidget* band = hardwareHeaderBand(this, HardwarePicture::Chip, QStringLiteral("CPU prices"), weekLabel_);
    auto* bandLayout = static_cast<QHBoxLayout*>(band->layout());
    const char* captions[3] = {"CPUs", "GPUs", "SPUs"};
    bool* flags[3] = {&model_.showCpus, &model_.showGpus, &model_.showSpus};
    for (int i = 0; i < 3; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(captions[i]), band);
        boxes_[i]->setObjectName(QStringLiteral("CheckBox_") + QString::fromLatin1(captions[i]));
        boxes_[i]->setChecked(*flags[i]);
        bool* flag = flags[i];
        connect(boxes_[i], &QCheckBox::toggled, this, [this, flag](bool on) {
            *flag = on;
            rebuild();
        });
        bandLayout->addWidget(boxes_[i]);
    }
    outer->addWidget(band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 4);
    body->setSpacing(10);
    grid_ = makeHardwareTable(this, QStringLiteral("StringGrid_cpu"), [this](int column) { headerClicked(column); });
    body->addWidget(grid_, 3);
    chart_ = new PriceChart(this);
    chart_->setObjectName(QStringLiteral("Chart_cpu"));
    body->addWidget(chart_, 2);
    outer->addLayout(body, 1);
    addCloseBar(this);

    watch_ = new WeekWatch(this, game_, [this] { rebuild(); });
    rebuild();
}

void Tform_cpu::rebuild() {
    model_.build(game_);
    watch_->stamp();
    showModel();
}

void Tform_cpu::headerClicked(int column) {
    model_.headerClicked(column);
    showModel();
}

void Tform_cpu::showEvent(QShowEvent* event) {
    rebuild();
    QWidget::showEvent(event);
}

void Tform_cpu::showModel() {
    weekLabel_->setText(QStringLiteral("Week %1, %2  -  %3 processors on the market")
                            .arg(game_.currentWeek)
                            .arg(game_.currentYear)
                            .arg(model_.grid.rows.size()));
    const World& w = game_.world();
    const auto& cpus = game_.tables().cpus;
    fillHardwareTable(grid_, model_.grid, [&cpus, &w](const GridRow& row, int column) {
        return column == CpuScreen::SpeedColumn ? cpuSpeedMood(w, cpus[row.index]) : Mood::Neutral;
    });
    chart_->setSeries(model_.chart);
}

}  // namespace cw::ui
