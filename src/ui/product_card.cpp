#include "ui/product_card.h"

#include <QFontDatabase>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/main_screen_model.h"
#include "state/shared_ops.h"
#include "ui/app_style.h"
#include "ui/language_support.h"
#include "ui/main_screen_parts.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {
// The game's panels line their values up with blanks.
const QString kMono = QStringLiteral("font-family: \"DejaVu Sans Mono\"; font-size: 9pt; color: #2b3a4a;");
}  // namespace

ProductCard::ProductCard(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("productCard"));
    // Made when first needed, so a language file names its controls after
    // the card itself, not after the screen that holds it.
    markLanguageScreens({this});
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("Product"), PaintedIcon::Products, body, this);
    outer->addWidget(panel);

    auto* top = new QHBoxLayout;
    name_ = new QLabel(panel);
    name_->setObjectName(QStringLiteral("taskPanelTitle"));
    top->addWidget(name_, 1);
    auto* close = new QPushButton(QStringLiteral("Close"), panel);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    top->addWidget(close);
    body->addLayout(top);
    state_ = new QLabel(panel);
    state_->setObjectName(QStringLiteral("financeCaption"));
    body->addWidget(state_);

    auto* money = new QGridLayout;
    money->setHorizontalSpacing(16);
    money->setVerticalSpacing(2);
    for (int i = 0; i < 3; ++i) {
        moneyCaption_[i] = new QLabel(panel);
        moneyCaption_[i]->setObjectName(QStringLiteral("financeCaption"));
        moneyValue_[i] = new QLabel(panel);
        moneyValue_[i]->setObjectName(QStringLiteral("financeValue"));
        moneyValue_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        money->addWidget(moneyCaption_[i], i, 0);
        money->addWidget(moneyValue_[i], i, 1);
    }
    price_ = new QLabel(panel);
    price_->setObjectName(QStringLiteral("financeCaption"));
    money->addWidget(price_, 3, 0, 1, 2);
    body->addLayout(money);

    info_ = new QLabel(panel);
    info_->setObjectName(QStringLiteral("taskPanelText"));
    info_->setStyleSheet(kMono);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    body->addWidget(info_);
    figures_ = new QLabel(panel);
    figures_->setObjectName(QStringLiteral("taskPanelText"));
    figures_->setStyleSheet(kMono);
    body->addWidget(figures_);
    gauge_ = new QProgressBar(panel);
    gauge_->setObjectName(QStringLiteral("taskProgress"));
    gauge_->setRange(0, 100);
    gauge_->setFormat(QStringLiteral("Market standing %v"));
    body->addWidget(gauge_);

    auto* buttons = new QHBoxLayout;
    release_ = new QPushButton(QStringLiteral("Release Product"), panel);
    release_->setObjectName(QStringLiteral("productReleaseButton"));
    release_->setFocusPolicy(Qt::NoFocus);
    release_->setToolTip(QStringLiteral("On sale from next week"));
    setButtonRole(release_, "action");
    connect(release_, &QPushButton::clicked, this, [this] { emit releaseRequested(slot_); });
    screen_ = new QPushButton(QStringLiteral("Product screen"), panel);
    screen_->setObjectName(QStringLiteral("productScreenButton"));
    screen_->setFocusPolicy(Qt::NoFocus);
    connect(screen_, &QPushButton::clicked, this, [this] { emit productScreenRequested(slot_); });
    buttons->addWidget(release_);
    buttons->addWidget(screen_);
    buttons->addStretch(1);
    body->addLayout(buttons);
    // A game's post-mortem sits on its own line: beside the two main buttons
    // the card would have to be wider than the list it stands over.
    auto* why = new QHBoxLayout;
    whyScore_ = new QPushButton(QStringLiteral("Why this score"), panel);
    whyScore_->setObjectName(QStringLiteral("productWhyScoreButton"));
    whyScore_->setFocusPolicy(Qt::NoFocus);
    connect(whyScore_, &QPushButton::clicked, this, [this] { emit whyScoreRequested(slot_); });
    whySales_ = new QPushButton(QStringLiteral("Why it sold"), panel);
    whySales_->setObjectName(QStringLiteral("productWhySalesButton"));
    whySales_->setFocusPolicy(Qt::NoFocus);
    connect(whySales_, &QPushButton::clicked, this, [this] { emit whySalesRequested(slot_); });
    why->addWidget(whyScore_);
    why->addWidget(whySales_);
    why->addStretch(1);
    body->addLayout(why);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(28);
    shadow->setOffset(0, 6);
    shadow->setColor(QColor(0, 0, 0, 150));
    setGraphicsEffect(shadow);
    setFixedWidth(400);
    hide();
}

void ProductCard::fill(const ProductPanel& p) {
    slot_ = p.slot;
    name_->setText(qs(p.name));
    state_->setText(qs(p.kindText + (p.stateText.empty() ? "" : " - " + p.stateText)));
    for (int i = 0; i < 3; ++i) {
        const MoneyFigure& m = p.money[static_cast<std::size_t>(i)];
        moneyCaption_[i]->setText(qs(m.caption));
        moneyValue_[i]->setText(qs(changeText(m.value)).remove(QLatin1Char('+')) + QStringLiteral(" $"));
        const Tone tone = i == 2 ? toneOf(m.value) : Tone::Neutral;
        moneyValue_[i]->setStyleSheet(QStringLiteral("color: ") + toneColour(tone) + QLatin1Char(';'));
    }
    QString price =
        QStringLiteral("Price : ") + qs(p.priceText) + (p.priceText == "NA" ? QString() : QStringLiteral(" $"));
    if (p.priceMarked) price += QStringLiteral("  (!)");
    if (!p.costText.empty()) price += QStringLiteral("     Production cost : ") + qs(p.costText) + QStringLiteral(" $");
    price_->setText(price);
    price_->setStyleSheet(p.priceMarked ? QStringLiteral("color: #c62828; font-weight: bold;") : QString());
    price_->setToolTip(p.priceMarked ? QStringLiteral("A price above 30 or below 1 keeps buyers away") : QString());
    info_->setText(displayText(p.info).trimmed());
    figures_->setText(displayText(p.figures).trimmed());
    // A product not yet on sale has no week's figures to show.
    figures_->setVisible(!p.figures.empty() && !p.canRelease);
    gauge_->setVisible(p.gauge >= 0);
    gauge_->setValue(std::max(p.gauge, 0));
    release_->setVisible(p.canRelease);
    whyScore_->setVisible(p.kind == ProductGame);
    // A game not yet on sale has no sales week to take apart.
    whySales_->setVisible(p.kind == ProductGame && !p.canRelease);
    release_->setText(p.kind == 1 ? QStringLiteral("Release Product") : QStringLiteral("Release Product"));
}

void ProductCard::showPanel(const ProductPanel& panel, QPoint pointer) {
    fill(panel);
    adjustSize();
    const QWidget* area = parentWidget();
    const int h = std::min(sizeHint().height(), area->height() - 20);
    resize(width(), h);
    const int x = std::clamp(pointer.x() - width() - 16, 10, std::max(10, area->width() - width() - 10));
    const int y = std::clamp(area->height() / 2 - h / 2, 10, std::max(10, area->height() - h - 10));
    move(x, y);
    show();
    raise();
    // The card takes the keys, so that Esc closes it and not what lies below.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::PopupFocusReason);
}

void ProductCard::update(const ProductPanel& panel, bool found) {
    if (!found) {
        hide();
        return;
    }
    fill(panel);
    adjustSize();
}

void ProductCard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace cw::ui
