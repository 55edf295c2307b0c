#include "ui/expo_screen.h"

#include <QButtonGroup>
#include <cmath>
#include <numbers>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "state/game.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The pause before each place appears, fifth place first.
constexpr int kRevealMs[5] = {1000, 1500, 2000, 2000, 2000};

// Left to right on the podium: 4, 2, 1, 3, 5.
constexpr int kSlotOfColumn[5] = {3, 1, 0, 2, 4};
constexpr qreal kPodiumHeight[5] = {0.30, 0.23, 0.18, 0.12, 0.09};

QColor podiumColour(int position) {
    switch (position) {
        case 1: return QColor(0xe8, 0xb9, 0x3c);
        case 2: return QColor(0xb9, 0xc2, 0xcc);
        case 3: return QColor(0xc0, 0x7a, 0x3e);
        default: return QColor(0x55, 0x62, 0x78);
    }
}

void drawStar(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal rr = i % 2 == 0 ? r : r * 0.45;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(star);
}

}  // namespace

AwardStage::AwardStage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("awardStage"));
    setMinimumSize(640, 360);
}

void AwardStage::setCategory(const AwardCategory& c) {
    category_ = c;
    revealed_ = 0;
    update();
}

void AwardStage::setRevealed(int count) {
    revealed_ = std::clamp(count, 0, 5);
    update();
}

void AwardStage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width(), h = height();
    // The hall and the curtain behind the stage.
    QLinearGradient hall(0, 0, 0, h);
    hall.setColorAt(0, QColor(0x1a, 0x10, 0x2e));
    hall.setColorAt(1, QColor(0x07, 0x06, 0x10));
    p.fillRect(rect(), hall);
    const int folds = 18;
    for (int i = 0; i < folds; ++i) {
        QLinearGradient fold(w * i / folds, 0, w * (i + 1) / folds, 0);
        fold.setColorAt(0, QColor(0x5a, 0x0e, 0x18));
        fold.setColorAt(0.5, QColor(0x8c, 0x1a, 0x28));
        fold.setColorAt(1, QColor(0x4a, 0x0a, 0x14));
        p.fillRect(QRectF(w * i / folds, 0, w / folds + 1, h * 0.70), fold);
    }
    // Spotlights from the rig above.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const qreal x = w * (0.25 + 0.25 * i);
        QRadialGradient cone(QPointF(x, h * 0.62), h * 0.55);
        cone.setColorAt(0, QColor(255, 240, 200, i == 1 ? 90 : 55));
        cone.setColorAt(1, QColor(255, 240, 200, 0));
        QPainterPath beam;
        beam.moveTo(x - w * 0.02, 0);
        beam.lineTo(x + w * 0.02, 0);
        beam.lineTo(x + w * 0.16, h * 0.80);
        beam.lineTo(x - w * 0.16, h * 0.80);
        beam.closeSubpath();
        p.setBrush(cone);
        p.drawPath(beam);
    }
    // The floor.
    QLinearGradient floor(0, h * 0.80, 0, h);
    floor.setColorAt(0, QColor(0x2a, 0x22, 0x30));
    floor.setColorAt(1, QColor(0x0e, 0x0b, 0x12));
    p.fillRect(QRectF(0, h * 0.80, w, h * 0.20), floor);

    // The category's heading in gold.
    QFont heading = font();
    heading.setPointSizeF(heading.pointSizeF() * 1.7);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(QColor(0xf3, 0xd3, 0x6b));
    p.drawText(QRectF(0, h * 0.02, w, h * 0.11), Qt::AlignCenter, toQ(category_.heading));

    const qreal colWidth = w / 5.0;
    const qreal base = h * 0.86;
    for (int col = 0; col < 5; ++col) {
        const int slot = kSlotOfColumn[col];
        const int position = slot + 1;
        const AwardPlace& place = category_.places[static_cast<std::size_t>(slot)];
        const bool shown = position > 5 - revealed_;
        const qreal podH = h * kPodiumHeight[slot];
        const QRectF podium(col * colWidth + colWidth * 0.10, base - podH, colWidth * 0.80, podH);
        QLinearGradient metal(podium.topLeft(), podium.bottomLeft());
        metal.setColorAt(0, podiumColour(position).lighter(125));
        metal.setColorAt(1, podiumColour(position).darker(150));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(metal);
        p.drawRect(podium);
        QFont number = font();
        number.setBold(true);
        number.setPointSizeF(number.pointSizeF() * (position == 1 ? 2.6 : 2.0));
        p.setFont(number);
        p.setPen(QColor(0x20, 0x18, 0x10));
        p.drawText(podium, Qt::AlignCenter, QString::number(position));

        // The card above the podium.
        const QRectF card(podium.left() - colWidth * 0.04, podium.top() - h * 0.36, podium.width() + colWidth * 0.08,
                          h * 0.33);
        const bool yours = shown && place.players;
        QColor cardFill = !shown ? QColor(30, 30, 44, 200) : yours ? QColor(0x9c, 0x12, 0x1e) : QColor(250, 246, 236);
        p.setPen(QPen(yours ? QColor(0xff, 0xd7, 0x5e) : QColor(0x8a, 0x7a, 0x5a), yours ? 3 : 1.5));
        p.setBrush(cardFill);
        p.drawRoundedRect(card, 8, 8);
        const QRectF inner = card.adjusted(8, 8, -8, -8);
        if (!shown) {
            QFont q = font();
            q.setPointSizeF(q.pointSizeF() * 2.4);
            q.setBold(true);
            p.setFont(q);
            p.setPen(QColor(0xc8, 0xb8, 0x90));
            p.drawText(card, Qt::AlignCenter, QStringLiteral("?"));
            continue;
        }
        if (place.title == 0) {
            p.setFont(font());
            p.setPen(QColor(0x70, 0x68, 0x60));
            p.drawText(card, Qt::AlignCenter, QStringLiteral("(no title)"));
            continue;
        }
        QFont name = font();
        name.setBold(true);
        name.setPointSizeF(name.pointSizeF() * 1.1);
        p.setFont(name);
        p.setPen(yours ? QColor(Qt::white) : QColor(0x1e, 0x1a, 0x14));
        p.drawText(QRectF(inner.left(), inner.top(), inner.width(), inner.height() * 0.52),
                   Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, toQ(place.name));
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        p.setFont(small);
        p.setPen(yours ? QColor(0xff, 0xe0, 0xe0) : QColor(0x55, 0x4c, 0x40));
        p.drawText(QRectF(inner.left(), inner.top() + inner.height() * 0.52, inner.width(), inner.height() * 0.48),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   p.fontMetrics().elidedText(toQ(place.company), Qt::ElideRight, static_cast<int>(inner.width())) +
                       QLatin1Char('\n') + toQ(place.platform));
        if (yours) {
            drawStar(p, QPointF(card.right() - 6, card.top() + 6), 14, QColor(0xff, 0xd7, 0x5e));
            QFont tag = font();
            tag.setBold(true);
            tag.setPointSizeF(tag.pointSizeF() * 0.85);
            p.setFont(tag);
            p.setPen(QColor(0xff, 0xd7, 0x5e));
            p.drawText(QRectF(card.left(), card.bottom() + 2, card.width(), 18), Qt::AlignCenter,
                       QStringLiteral("YOUR GAME"));
        }
    }
}

TForm_E3::TForm_E3(Game& g, ExpoShow& show, QWidget* parent) : QDialog(parent), game_(g), show_(show) {
    setObjectName(QStringLiteral("TForm_E3"));
    setWindowTitle(QStringLiteral("Yearly Computer and games show"));
    setModal(true);
    resize(1000, 640);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 12);
    outer->setSpacing(10);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::News, 34).pixmap(34, 34),
                                             QStringLiteral("Yearly Computer and games show"),
                                             QStringLiteral("headerLabel"));
    outer->addWidget(header.band);
    pages_ = new QStackedWidget(this);
    outer->addWidget(pages_, 1);

    // The booth offer.
    auto* offer = new QWidget(pages_);
    auto* offerCol = new QVBoxLayout(offer);
    offerCol->setContentsMargins(24, 8, 24, 0);
    offerCol->setSpacing(10);
    auto* text = new QLabel(toQ(kExpoOfferText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), offer);
    text->setObjectName(QStringLiteral("offerText"));
    text->setWordWrap(true);
    offerCol->addWidget(text);
    auto* group = new QButtonGroup(this);
    for (int b = 0; b < kBoothCount; ++b) {
        booths_[b] = new QRadioButton(toQ(boothCaption(static_cast<Booth>(b))), offer);
        booths_[b]->setObjectName(QStringLiteral("booth_%1").arg(QString::fromLatin1(boothWord(static_cast<Booth>(b)))));
        group->addButton(booths_[b], b);
        offerCol->addWidget(booths_[b]);
    }
    booths_[0]->setChecked(true);
    offerCol->addStretch(1);
    auto* offerButtons = new QHBoxLayout;
    offerButtons->addStretch(1);
    skip_ = new QPushButton(QString::fromLatin1(kExpoSkipButton), offer);
    skip_->setObjectName(QStringLiteral("skipButton"));
    setButtonRole(skip_, "secondary");
    enter_ = new QPushButton(QString::fromLatin1(kExpoEnterButton), offer);
    enter_->setObjectName(QStringLiteral("enterButton"));
    setButtonRole(enter_, "action");
    offerButtons->addWidget(skip_);
    offerButtons->addWidget(enter_);
    offerCol->addLayout(offerButtons);
    pages_->addWidget(offer);

    // The stage with the player's entries beside it.
    auto* awards = new QWidget(pages_);
    auto* awardsRow = new QHBoxLayout(awards);
    awardsRow->setContentsMargins(12, 0, 12, 0);
    awardsRow->setSpacing(10);
    stage_ = new AwardStage(awards);
    awardsRow->addWidget(stage_, 1);
    auto* side = new QVBoxLayout;
    entriesCaption_ = new QLabel(QString::fromLatin1(kExpoEntriesCaption), awards);
    entriesCaption_->setWordWrap(true);
    entriesCaption_->setObjectName(QStringLiteral("entriesCaption"));
    side->addWidget(entriesCaption_);
    entries_ = new QListWidget(awards);
    entries_->setObjectName(QStringLiteral("playerEntries"));
    entries_->setFixedWidth(210);
    side->addWidget(entries_, 1);
    next_ = new QPushButton(QString::fromLatin1(kExpoNextButton), awards);
    next_->setObjectName(QStringLiteral("nextButton"));
    setButtonRole(next_, "action");
    side->addWidget(next_);
    awardsRow->addLayout(side);
    pages_->addWidget(awards);

    // The impression.
    auto* last = new QWidget(pages_);
    auto* lastCol = new QVBoxLayout(last);
    lastCol->setContentsMargins(24, 8, 24, 0);
    auto* caption = new QLabel(QString::fromLatin1(kExpoImpressionCaption), last);
    caption->setObjectName(QStringLiteral("impressionCaption"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    lastCol->addWidget(caption);
    impression_ = new QLabel(last);
    impression_->setObjectName(QStringLiteral("impressionText"));
    impression_->setWordWrap(true);
    impression_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lastCol->addWidget(impression_, 1);
    pages_->addWidget(last);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(12, 0, 12, 0);
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(this, this));
    outer->addLayout(bottom);

    reveal_ = new QTimer(this);
    reveal_->setSingleShot(true);
    connect(reveal_, &QTimer::timeout, this, &TForm_E3::revealNext);
    connect(enter_, &QPushButton::clicked, this, &TForm_E3::enterShow);
    connect(skip_, &QPushButton::clicked, this, [this] {
        SkipExpo(show_);
        reject();
    });
    connect(next_, &QPushButton::clicked, this, &TForm_E3::nextCategory);
}

int TForm_E3::page() const { return pages_->currentIndex(); }

void TForm_E3::enterShow() {
    Booth booth = Booth::None;
    for (int b = 0; b < kBoothCount; ++b)
        if (booths_[b]->isChecked()) booth = static_cast<Booth>(b);
    EnterExpo(game_, show_, booth);
    pages_->setCurrentIndex(1);
    showCategory();
}

void TForm_E3::showCategory() {
    const AwardCategory& c = show_.shown.back();
    stage_->setCategory(c);
    entries_->clear();
    for (const std::string& e : c.playerEntries) entries_->addItem(toQ(e));
    next_->setEnabled(false);
    reveal_->start(kRevealMs[0]);
}

void TForm_E3::revealNext() {
    stage_->setRevealed(stage_->revealed() + 1);
    if (stage_->revealed() < 5)
        reveal_->start(kRevealMs[stage_->revealed()]);
    else
        next_->setEnabled(true);
}

void TForm_E3::revealAll() {
    reveal_->stop();
    stage_->setRevealed(5);
    next_->setEnabled(true);
}

void TForm_E3::nextCategory() {
    if (NextCategory(game_, show_)) {
        showCategory();
        return;
    }
    QString text = toQ(show_.impression).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
    impression_->setText(text);
    pages_->setCurrentIndex(2);
}

}  // namespace cw::ui
