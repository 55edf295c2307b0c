#include "ui/engine_deal_window.h"

#include <QChartView>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/app_style.h"
#include "ui/finance_look.h"
#include "ui/main_screen_parts.h"
#include "ui/painted_icons.h"
#include "ui/product_charts.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

TForm_EngineDeal::TForm_EngineDeal(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_EngineDeal"));
    setWindowTitle(QStringLiteral("Try to Sell Engine"));
    setModal(true);
    setStyleSheet(financeStyleSheet());
    setMinimumSize(940, 620);
    resize(1060, 720);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const TitledBand band = makeTitledBand(this, paintedIcon(PaintedIcon::Company, 40).pixmap(40, 40),
                                           QStringLiteral("Try to Sell Engine"), QStringLiteral("engineSummary"));
    title_ = band.title;
    subtitle_ = band.subtitle;
    outer->addWidget(band.band);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 16, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(12);

    QVBoxLayout* body = nullptr;
    QFrame* gamesCard = makeCard(this, QStringLiteral("GAME PROJECTS OF YOUR ENGINE'S PLATFORM AND GENRE"), body);
    games_ = makeRowGrid(gamesCard, QStringLiteral("dealGames"),
                         {QStringLiteral("Game"), QStringLiteral("Game preview score")});
    games_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    games_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    body->addWidget(games_, 1);
    negotiate_ = new QPushButton(QStringLiteral("Start Negotiation"), gamesCard);
    negotiate_->setObjectName(QStringLiteral("startNegotiation"));
    connect(negotiate_, &QPushButton::clicked, this, [this] {
        if (!model_) return;
        model_->startNegotiation(games_->currentRow());
        showNegotiation();
    });
    connect(games_, &QTableWidget::cellDoubleClicked, negotiate_, &QPushButton::click);
    connect(games_, &QTableWidget::itemSelectionChanged, this,
            [this] { negotiate_->setEnabled(model_ && games_->currentRow() >= 0); });
    body->addWidget(negotiate_, 0, Qt::AlignLeft);
    grid->addWidget(gamesCard, 0, 0);

    QFrame* talkCard = makeCard(this, QStringLiteral("NEGOTIATION"), body);
    dealText_ = new QLabel(talkCard);
    dealText_->setObjectName(QStringLiteral("dealText"));
    dealText_->setStyleSheet(QStringLiteral("font-family: \"DejaVu Sans Mono\"; font-size: 9.5pt;"));
    body->addWidget(dealText_);
    answer_ = new QLabel(talkCard);
    answer_->setObjectName(QStringLiteral("dealAnswer"));
    answer_->setWordWrap(true);
    body->addWidget(answer_);
    terms_ = new QWidget(talkCard);
    auto* t = new QGridLayout(terms_);
    t->setContentsMargins(0, 0, 0, 0);
    price_ = new QSpinBox(terms_);
    price_->setObjectName(QStringLiteral("dealPrice"));
    price_->setRange(10000, 1000000);
    price_->setSingleStep(5000);
    price_->setGroupSeparatorShown(true);
    price_->setSuffix(QStringLiteral(" $"));
    royalty_ = new QSpinBox(terms_);
    royalty_->setObjectName(QStringLiteral("dealRoyalty"));
    royalty_->setRange(0, 10);
    royalty_->setSuffix(QStringLiteral(" %"));
    weeks_ = new QSpinBox(terms_);
    weeks_->setObjectName(QStringLiteral("dealWeeks"));
    weeks_->setRange(26, 104);
    weeks_->setSingleStep(4);
    royaltyText_ = new QLabel(terms_);
    weeksText_ = new QLabel(terms_);
    weeksText_->setWordWrap(true);
    t->addWidget(new QLabel(QStringLiteral("Will pay you:"), terms_), 0, 0);
    t->addWidget(price_, 0, 1);
    t->addWidget(royalty_, 1, 1);
    t->addWidget(royaltyText_, 1, 0);
    t->addWidget(weeks_, 2, 1);
    t->addWidget(weeksText_, 2, 0);
    t->setColumnStretch(0, 1);
    body->addWidget(terms_);
    for (QSpinBox* box : {price_, royalty_, weeks_})
        connect(box, &QSpinBox::valueChanged, this, &TForm_EngineDeal::termsChanged);
    auto* talkButtons = new QHBoxLayout;
    suggest_ = new QPushButton(QStringLiteral("Suggest"), talkCard);
    suggest_->setObjectName(QStringLiteral("suggestButton"));
    connect(suggest_, &QPushButton::clicked, this, [this] {
        if (!model_) return;
        model_->suggest();
        showNegotiation();
    });
    makeDeal_ = new QPushButton(QStringLiteral("Make Deal"), talkCard);
    makeDeal_->setObjectName(QStringLiteral("makeDealButton"));
    setButtonRole(makeDeal_, "action");
    connect(makeDeal_, &QPushButton::clicked, this, [this] {
        if (!model_) return;
        if (!model_->makeDeal(player_)) emit dealMade();
        fillGames();
        fillDeals();
        showNegotiation();
    });
    cancel_ = new QPushButton(QStringLiteral("Cancel"), talkCard);
    cancel_->setObjectName(QStringLiteral("cancelNegotiation"));
    setButtonRole(cancel_, "secondary");
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (model_) model_->cancelNegotiation();
        showNegotiation();
    });
    talkButtons->addWidget(suggest_);
    talkButtons->addWidget(makeDeal_);
    talkButtons->addWidget(cancel_);
    talkButtons->addStretch(1);
    body->addLayout(talkButtons);
    body->addStretch(1);
    grid->addWidget(talkCard, 0, 1);

    QFrame* dealsCard = makeCard(this, QStringLiteral("SUPPORT TASKS AND LICENSED GAMES"), body);
    deals_ = makeRowGrid(dealsCard, QStringLiteral("engineDeals"),
                         {QStringLiteral("Game / task"), QStringLiteral("Terms"), QStringLiteral("When")});
    deals_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    deals_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    deals_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    deals_->setSelectionMode(QAbstractItemView::NoSelection);
    body->addWidget(deals_, 1);
    grid->addWidget(dealsCard, 1, 0);

    QFrame* chartCard = makeCard(this, QStringLiteral("RELEASE CHART"), body);
    chartHost_ = body;
    grid->addWidget(chartCard, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    outer->addLayout(grid, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(16, 0, 16, 0);
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(this, this));
    outer->addLayout(bottom);
    showNegotiation();
}

void TForm_EngineDeal::openFor(int platform, int genre) {
    model_ = std::make_unique<EngineDealScreen>(game_, platform, genre);
    title_->setText(QStringLiteral("Try to Sell Engine : ") + qs(model_->engineName()));
    subtitle_->setText(qs(model_->engineSummary()));
    fillGames();
    fillDeals();
    if (chart_) {
        chartHost_->removeWidget(chart_);
        chart_->deleteLater();
    }
    chart_ = makeReleaseChart(model_->chart().chart, model_->chart().referenceLine, this);
    chart_->setToolTip(
        QStringLiteral("Titles of the platform and genre released per week; the dashed line is the "
                       "best competitor engine's rating"));
    chartHost_->addWidget(chart_, 1);
    showNegotiation();
}

void TForm_EngineDeal::fillGames() {
    const QSignalBlocker quiet(games_);
    games_->setRowCount(0);
    if (!model_) return;
    const auto& list = model_->candidates();
    games_->setRowCount(static_cast<int>(list.size()));
    for (int r = 0; r < static_cast<int>(list.size()); ++r) {
        const DealCandidate& c = list[static_cast<std::size_t>(r)];
        games_->setItem(r, 0, new QTableWidgetItem(qs(c.title)));
        games_->setItem(
            r, 1,
            new QTableWidgetItem(QString::number(c.previewScore) + QStringLiteral("  ") + qs(model_->scoreText(c))));
    }
    negotiate_->setEnabled(false);
}

void TForm_EngineDeal::fillDeals() {
    deals_->setRowCount(0);
    if (!model_) return;
    int r = 0;
    for (const EngineSupportRow& s : model_->supportTasks()) {
        deals_->insertRow(r);
        deals_->setItem(r, 0, new QTableWidgetItem(qs(s.name)));
        deals_->setItem(r, 1, new QTableWidgetItem(dollarsText(s.price) + QStringLiteral(" when done")));
        deals_->setItem(r, 2, new QTableWidgetItem(QString::number(s.weeksLeft) + QStringLiteral(" week(s) left")));
        ++r;
    }
    for (const EngineLicenceRow& l : model_->licensedGames()) {
        deals_->insertRow(r);
        deals_->setItem(
            r, 0,
            new QTableWidgetItem(qs(l.title) + (l.developer.empty()
                                                    ? QString()
                                                    : QStringLiteral(" (") + qs(l.developer) + QLatin1Char(')'))));
        deals_->setItem(r, 1, new QTableWidgetItem(QStringLiteral("You get %1%").arg(l.royalty)));
        deals_->setItem(r, 2, new QTableWidgetItem(QStringLiteral("Release ") + qs(l.released)));
        ++r;
    }
    if (r == 0) {
        deals_->insertRow(0);
        auto* none = new QTableWidgetItem(QStringLiteral("No deals for this engine yet"));
        none->setForeground(QColor(0x8f, 0xa3, 0xb8));
        deals_->setItem(0, 0, none);
    }
}

void TForm_EngineDeal::showNegotiation() {
    const bool talking = model_ && model_->negotiating();
    QString lines;
    if (talking)
        for (const std::string& l : model_->dealLines()) lines += qs(l) + QLatin1Char('\n');
    dealText_->setText(talking ? lines.trimmed() : QStringLiteral("Choose a game and press \"Start Negotiation\"."));
    const std::string answer = model_ ? model_->answer() : std::string();
    answer_->setText(qs(answer));
    const bool good = model_ && model_->canMakeDeal();
    const bool bad = answer == "We are not interrested" || answer == "Not on these terms";
    answer_->setStyleSheet(good  ? QStringLiteral("color: #7fd68a; font-weight: bold;")
                           : bad ? QStringLiteral("color: #ff8a7a; font-weight: bold;")
                                 : QStringLiteral("color: #f2c14e; font-weight: bold;"));
    const bool interested = model_ && model_->interested();
    terms_->setVisible(interested);
    if (interested) {
        const QSignalBlocker a(price_), b(royalty_), c(weeks_);
        price_->setValue(model_->price());
        royalty_->setValue(model_->royalty());
        weeks_->setValue(model_->weeks());
        royaltyText_->setText(qs(model_->royaltyText()));
        weeksText_->setText(qs(model_->weeksText()));
    }
    suggest_->setEnabled(interested);
    makeDeal_->setEnabled(good);
    cancel_->setEnabled(talking);
}

void TForm_EngineDeal::termsChanged() {
    if (!model_ || !model_->interested()) return;
    model_->setPrice(price_->value());
    model_->setRoyalty(royalty_->value());
    model_->setWeeks(weeks_->value());
    showNegotiation();
}

void TForm_EngineDeal::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Below the main header, not at the top of the screen where the
    // window system puts a dialog of its own.
    if (!event->spontaneous()) centreOverParent(this);
}

}  // namespace cw::ui
