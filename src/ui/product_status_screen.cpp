#include "ui/product_status_screen.h"

#include <QChartView>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_style.h"
#include "ui/engine_deal_window.h"
#include "ui/finance_look.h"
#include "ui/main_screen_parts.h"
#include "ui/painted_icons.h"
#include "ui/product_charts.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QLabel* fixedText(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(displayText(text).trimmed(), parent);
    // The game's panels line their values up with blanks.
    label->setStyleSheet(QStringLiteral("font-family: \"DejaVu Sans Mono\"; font-size: 9.5pt;"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(false);
    return label;
}

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("noteLabel"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #9fb2c6;"));
    return label;
}

}  // namespace

TForm_product_status::TForm_product_status(Game& g, Player& p, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), model_(g) {
    setObjectName(QStringLiteral("TForm_product_status"));
    setWindowTitle(QStringLiteral("Product status"));
    setStyleSheet(financeStyleSheet());
    setMinimumSize(900, 560);
    resize(1000, 640);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const TitledBand band = makeTitledBand(this, paintedIcon(PaintedIcon::Products, 40).pixmap(40, 40),
                                           QStringLiteral("Product"), QStringLiteral("productKind"));
    title_ = band.title;
    subtitle_ = band.subtitle;
    outer->addWidget(band.band);
    pageHost_ = new QVBoxLayout;
    pageHost_->setContentsMargins(16, 0, 16, 0);
    outer->addLayout(pageHost_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(16, 0, 16, 0);
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(this, this));
    outer->addLayout(bottom);
}

void TForm_product_status::showProduct(int k) {
    model_.open(k);
    rebuild();
}

void TForm_product_status::refresh() {
    model_.refresh();
    rebuild();
}

void TForm_product_status::rebuild() {
    if (page_) {
        // The page may hold the button being clicked: it goes once the click
        // is over, and off the screen at once.
        pageHost_->removeWidget(page_);
        page_->hide();
        page_->setParent(nullptr);
        page_->deleteLater();
    }
    sell_ = nullptr;
    saleWait_ = nullptr;
    release_ = nullptr;
    priceButton_ = nullptr;
    priceField_ = nullptr;
    priceLabel_ = nullptr;
    title_->setText(model_.panel().slot ? qs(model_.panel().name) : QStringLiteral("No product"));
    subtitle_->setText(
        qs(model_.panel().kindText + (model_.panel().stateText.empty() ? "" : " - " + model_.panel().stateText)));
    setWindowTitle(qs(model_.caption()));

    page_ = new QWidget(this);
    auto* row = new QHBoxLayout(page_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    if (model_.panel().slot == 0) {
        row->addWidget(noteLabel(QStringLiteral("This product no longer exists."), page_));
    } else {
        row->addWidget(buildFigures(page_), 2);
        QWidget* side = model_.isEngine()    ? buildEngine(page_)
                        : model_.isConsole() ? buildConsole(page_)
                                             : buildGame(page_);
        row->addWidget(side, 3);
    }
    pageHost_->addWidget(page_, 1);
}

QWidget* TForm_product_status::buildFigures(QWidget* parent) {
    const ProductPanel& p = model_.panel();
    QVBoxLayout* body = nullptr;
    QFrame* card = makeCard(parent, QStringLiteral("KEY FIGURES"), body);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    for (int i = 0; i < 3; ++i) {
        const MoneyFigure& m = p.money[static_cast<std::size_t>(i)];
        grid->addWidget(new QLabel(qs(m.caption), card), i, 0);
        auto* value = new QLabel(card);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setObjectName(QStringLiteral("money%1").arg(i));
        if (i == 2)
            setMoneyLabel(value, m.value);
        else
            value->setText(dollarsText(m.value));
        grid->addWidget(value, i, 1);
    }
    QString price =
        QStringLiteral("Price : ") + qs(p.priceText) + (p.priceText == "NA" ? QString() : QStringLiteral(" $"));
    if (p.priceMarked) price += QStringLiteral("  (!)");
    auto* priceLine = new QLabel(price, card);
    if (p.priceMarked) priceLine->setStyleSheet(QStringLiteral("color: #ff8a7a; font-weight: bold;"));
    grid->addWidget(priceLine, 3, 0, 1, 2);
    if (!p.costText.empty())
        grid->addWidget(new QLabel(QStringLiteral("Production cost : ") + qs(p.costText) + QStringLiteral(" $"), card),
                        4, 0, 1, 2);
    body->addLayout(grid);
    body->addWidget(fixedText(p.info, card));
    if (!p.figures.empty() && !p.canRelease) body->addWidget(fixedText(p.figures, card));
    if (p.gauge >= 0) {
        auto* gauge = new QProgressBar(card);
        gauge->setObjectName(QStringLiteral("gauge"));
        gauge->setRange(0, 100);
        gauge->setValue(p.gauge);
        gauge->setFormat(QStringLiteral("Market standing %v"));
        body->addWidget(gauge);
    }
    body->addStretch(1);
    return card;
}

QWidget* TForm_product_status::buildEngine(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(12);
    QVBoxLayout* body = nullptr;
    QFrame* engine = makeCard(box, QStringLiteral("THE ENGINE"), body);
    std::string lines;
    for (const std::string& l : model_.engineLines()) lines += l + "\r\n";
    body->addWidget(fixedText(lines, engine));
    col->addWidget(engine);

    QFrame* improve = makeCard(box, QStringLiteral("IMPROVE THE ENGINE"), body);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int r = 0;
    for (const EngineUpgradeOffer& o : model_.upgradeOffers()) {
        auto* button = new QPushButton(qs(o.caption), improve);
        button->setObjectName(QStringLiteral("upgrade%1").arg(r));
        button->setMinimumWidth(150);
        const EngineUpgrade kind = o.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] {
            model_.upgrade(player_, kind);
            afterAction();
        });
        grid->addWidget(button, r, 0);
        auto* text =
            new QLabel(qs(o.description) + (o.atBest ? QString() : QStringLiteral("  (work %1)").arg(o.work)), improve);
        text->setWordWrap(true);
        grid->addWidget(text, r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    body->addLayout(grid);
    col->addWidget(improve);

    QFrame* licence = makeCard(box, QStringLiteral("LICENCES"), body);
    body->addWidget(noteLabel(QStringLiteral("Offer the engine to competitors' game projects of its platform and "
                                             "genre: a price, a share of their sales and some weeks of support."),
                              licence));
    auto* sellRow = new QHBoxLayout;
    sell_ = new QPushButton(QStringLiteral("Try to Sell Engine"), licence);
    sell_->setObjectName(QStringLiteral("sellEngineButton"));
    setButtonRole(sell_, "action");
    connect(sell_, &QPushButton::clicked, this, &TForm_product_status::trySell);
    sellRow->addWidget(sell_);
    saleWait_ = new QLabel(licence);
    saleWait_->setObjectName(QStringLiteral("saleWaitLabel"));
    saleWait_->setWordWrap(true);
    sellRow->addWidget(saleWait_, 1);
    body->addLayout(sellRow);
    col->addWidget(licence);
    col->addStretch(1);
    updateSaleState();
    return box;
}

QWidget* TForm_product_status::buildGame(QWidget* parent) {
    QVBoxLayout* body = nullptr;
    QFrame* card = makeCard(parent, QStringLiteral("SALES HISTORY"), body);
    if (model_.showsCurves()) {
        const std::vector<HistoryPoint> points = model_.history();
        body->addWidget(makePositionChart(points, card), 1);
        body->addWidget(makeRevenueChart(points, card), 1);
        if (points.empty())
            body->addWidget(noteLabel(QStringLiteral("The curves start with the first week on sale."), card));
    } else {
        body->addWidget(noteLabel(QStringLiteral("The game is ready and waits for its release. It goes on sale the "
                                                 "week after \"Release Game\"; its chart position and weekly revenue "
                                                 "are drawn here from then on."),
                                  card));
        body->addStretch(1);
    }
    if (model_.showsCurves()) {
        // Both buttons of the screen switch to the budget price.
        auto* row = new QHBoxLayout;
        for (const QString& caption :
             {QStringLiteral("Switch to Budget game price"), QStringLiteral("Budget pricing")}) {
            auto* budget = new QPushButton(caption, card);
            budget->setObjectName(QStringLiteral("budgetButton"));
            budget->setEnabled(model_.canBudgetPrice());
            budget->setToolTip(QStringLiteral("Price 25 $: more buyers for an older game"));
            connect(budget, &QPushButton::clicked, this, [this] {
                if (model_.budgetPrice(player_)) afterAction();
            });
            row->addWidget(budget);
        }
        row->addStretch(1);
        body->addLayout(row);
    }
    auto* row = new QHBoxLayout;
    if (model_.canRelease()) {
        release_ = new QPushButton(QStringLiteral("Release Game"), card);
        release_->setObjectName(QStringLiteral("releaseGameButton"));
        setButtonRole(release_, "action");
        connect(release_, &QPushButton::clicked, this, &TForm_product_status::releaseNow);
        row->addWidget(release_);
    }
    // When to bring the game out, judged against the rivals' releases.
    if (std::string title; model_.analysisSubject(title, analysisPlatform_, analysisGenre_)) {
        analysisTitle_ = QString::fromStdString(title);
        auto* analysis = new QPushButton(QStringLiteral("Release Analysis"), card);
        analysis->setObjectName(QStringLiteral("analysisButton"));
        analysis->setToolTip(QStringLiteral("Pay 5,000 $ for an analysis of the next 3 months game sales"));
        connect(analysis, &QPushButton::clicked, this,
                [this] { emit analysisRequested(analysisTitle_, analysisPlatform_, analysisGenre_); });
        row->addWidget(analysis);
    }
    row->addStretch(1);
    body->addLayout(row);
    return card;
}

QWidget* TForm_product_status::buildConsole(QWidget* parent) {
    QVBoxLayout* body = nullptr;
    QFrame* card = makeCard(parent, QStringLiteral("PRICE"), body);
    body->addWidget(noteLabel(QStringLiteral("The price the shops ask for the console, 50 to 3000 $."), card));
    auto* row = new QHBoxLayout;
    priceField_ = new QLineEdit(qs(model_.priceField()), card);
    priceField_->setObjectName(QStringLiteral("priceField"));
    priceField_->setMaximumWidth(120);
    priceButton_ = new QPushButton(QStringLiteral("Set new price"), card);
    priceButton_->setObjectName(QStringLiteral("setPriceButton"));
    connect(priceButton_, &QPushButton::clicked, this, [this] {
        model_.setPriceField(priceField_->text().toStdString());
        model_.setNewPrice();
        priceField_->setText(qs(model_.priceField()));
        priceLabel_->setText(qs(model_.priceLabel()));
        emit productChanged();
    });
    connect(priceField_, &QLineEdit::returnPressed, priceButton_, &QPushButton::click);
    row->addWidget(priceField_);
    row->addWidget(priceButton_);
    row->addStretch(1);
    body->addLayout(row);
    priceLabel_ = new QLabel(qs(model_.priceLabel()), card);
    priceLabel_->setObjectName(QStringLiteral("priceLabel"));
    priceLabel_->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #f2c14e;"));
    body->addWidget(priceLabel_);
    if (model_.canRelease()) {
        auto* releaseRow = new QHBoxLayout;
        release_ = new QPushButton(QStringLiteral("Release Product"), card);
        release_->setObjectName(QStringLiteral("releaseGameButton"));
        setButtonRole(release_, "action");
        connect(release_, &QPushButton::clicked, this, &TForm_product_status::releaseNow);
        releaseRow->addWidget(release_);
        releaseRow->addStretch(1);
        body->addLayout(releaseRow);
    }
    body->addStretch(1);
    return card;
}

void TForm_product_status::updateSaleState() {
    if (!sell_) return;
    sell_->setEnabled(model_.canTrySale());
    const QString wait = qs(model_.saleWaitText());
    saleWait_->setText(wait.isEmpty() ? QStringLiteral("Developers are ready to talk.") : wait);
    sell_->setToolTip(wait);
}

void TForm_product_status::trySell() {
    if (const ActionResult refused = model_.trySellEngine()) {
        player_.messageBox(refused->caption, refused->text, false);
        updateSaleState();
        return;
    }
    updateSaleState();
    if (deal_) {
        deal_->openFor(model_.enginePlatform(), model_.engineGenre());
        deal_->exec();
    }
    afterAction();
}

void TForm_product_status::releaseNow() {
    const std::string refusal = model_.release(player_);
    if (!refusal.empty()) player_.messageBox("Release Product", refusal, false);
    afterAction();
}

void TForm_product_status::afterAction() {
    refresh();
    emit productChanged();
}

}  // namespace cw::ui
