#include "ui/market_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QtMath>

#include "ui/main_screen_parts.h"

namespace cw::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Green for buyers eager, red for a market that holds back.
QColor demandColour(const std::string& word) {
    if (word == "Very good" || word == "Good") return QColor(0x1b, 0x7a, 0x3a);
    if (word == "Bad" || word == "Very Bad") return QColor(0xb0, 0x2a, 0x2a);
    return QColor(0x2b, 0x3a, 0x4a);
}

}  // namespace

EconomyNeedle::EconomyNeedle(QWidget* parent) : QWidget(parent) {
    setMinimumSize(64, 40);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void EconomyNeedle::setAngle(int degrees) {
    if (degrees == angle_) return;
    angle_ = degrees;
    QWidget::update();
}

void EconomyNeedle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = std::min(width() / 2.0 - 4, height() - 8.0);
    const QPointF centre(width() / 2.0, height() - 4.0);
    const QRectF arc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // The dial runs from crisis on the left (red) to boom on the right (green).
    const QColor bands[3] = {QColor(0xd9, 0x6b, 0x5f), QColor(0xe8, 0xc5, 0x5a), QColor(0x6d, 0xb3, 0x6d)};
    QPen pen;
    pen.setWidthF(6);
    pen.setCapStyle(Qt::FlatCap);
    for (int i = 0; i < 3; ++i) {
        pen.setColor(bands[i]);
        p.setPen(pen);
        // Qt counts arcs in 1/16 degree, anticlockwise from three o'clock.
        p.drawArc(arc.adjusted(3, 3, -3, -3), (180 - 60 * i) * 16, -60 * 16);
    }
    const qreal rad = qDegreesToRadians(static_cast<qreal>(angle_));
    const QPointF tip(centre.x() + std::cos(rad) * (r - 6), centre.y() - std::sin(rad) * (r - 6));
    p.setPen(QPen(QColor(0x17, 0x32, 0x4d), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    p.setBrush(QColor(0x17, 0x32, 0x4d));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 3.5, 3.5);
}

StandingArrow::StandingArrow(QWidget* parent) : QWidget(parent) { setFixedSize(18, 18); }

void StandingArrow::setAngle(int degrees) {
    if (degrees == angle_) return;
    angle_ = degrees;
    QWidget::update();
}

void StandingArrow::paintEvent(QPaintEvent*) {
    if (angle_ == 0) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    // Drawn pointing up, then turned: up for a climb, down for a fall,
    // sideways for no change, half-way up for a newcomer.
    p.rotate(angle_ == 1 ? 0 : angle_ == 180 ? 180 : angle_ == 90 ? 90 : 45);
    const QColor colour = angle_ == 315   ? QColor(0x24, 0x52, 0x7a)
                          : angle_ == 180 ? QColor(0xb0, 0x2a, 0x2a)
                          : angle_ == 1   ? QColor(0x1b, 0x7a, 0x3a)
                                          : QColor(0x8a, 0x94, 0xa0);
    QPainterPath arrow;
    arrow.moveTo(0, -7);
    arrow.lineTo(6, 0);
    arrow.lineTo(2, 0);
    arrow.lineTo(2, 7);
    arrow.lineTo(-2, 7);
    arrow.lineTo(-2, 0);
    arrow.lineTo(-6, 0);
    arrow.closeSubpath();
    p.fillPath(arrow, colour);
}

MarketPanel::MarketPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("marketPanelHolder"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("World market"), PaintedIcon::Star, body, this);
    outer->addWidget(panel);

    auto* consumerRow = new QHBoxLayout;
    auto* consumerCaption = new QLabel(QStringLiteral("Hardware consumers"), panel);
    consumerCaption->setObjectName(QStringLiteral("financeCaption"));
    consumers_ = new QLabel(panel);
    consumers_->setObjectName(QStringLiteral("consumerLabel"));
    consumers_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    consumerRow->addWidget(consumerCaption);
    consumerRow->addWidget(consumers_);
    body->addLayout(consumerRow);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(1);
    for (int i = 0; i < 5; ++i) {
        auto* place = new QLabel(QString::number(i + 1) + QLatin1Char('.'), panel);
        place->setObjectName(QStringLiteral("financeCaption"));
        topNames_[i] = new QLabel(QStringLiteral("#"), panel);
        topNames_[i]->setObjectName(QStringLiteral("topPlatform") + QString::number(i + 1));
        arrows_[i] = new StandingArrow(panel);
        top->addWidget(place, i, 0);
        top->addWidget(topNames_[i], i, 1);
        top->addWidget(arrows_[i], i, 2);
    }
    top->setColumnStretch(1, 1);
    body->addLayout(top);

    auto* dials = new QHBoxLayout;
    dials->setSpacing(4);
    const char* regions[3] = {"USA", "Europe", "Asia"};
    for (int r = 0; r < 3; ++r) {
        auto* col = new QVBoxLayout;
        col->setSpacing(0);
        auto* name = new QLabel(QString::fromLatin1(regions[r]), panel);
        name->setAlignment(Qt::AlignCenter);
        name->setObjectName(QStringLiteral("financeCaption"));
        needles_[r] = new EconomyNeedle(panel);
        demand_[r] = new QLabel(panel);
        demand_[r]->setObjectName(QStringLiteral("demandLabel") + QString::number(r + 1));
        demand_[r]->setAlignment(Qt::AlignCenter);
        col->addWidget(name);
        col->addWidget(needles_[r]);
        col->addWidget(demand_[r]);
        dials->addLayout(col, 1);
    }
    body->addLayout(dials);
}

void MarketPanel::update(const MainScreenModel& m) {
    consumers_->setText(qs(m.consumerLabel));
    for (int i = 0; i < 5; ++i) {
        topNames_[i]->setText(qs(m.topPlatforms.names[static_cast<std::size_t>(i)]));
        arrows_[i]->setAngle(m.topPlatforms.arrows[static_cast<std::size_t>(i)]);
    }
    for (int r = 0; r < 3; ++r) {
        const RegionEconomyDial& d = m.economy[static_cast<std::size_t>(r)];
        needles_[r]->setAngle(d.needleAngle);
        needles_[r]->setToolTip(QStringLiteral("Economy level %1 of 10").arg(d.level));
        demand_[r]->setText(qs(d.demandWord));
        demand_[r]->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(demandColour(d.demandWord).name()));
    }
}

}  // namespace cw::ui
