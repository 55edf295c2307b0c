#include "ui/platform_publisher_screen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "hardware/platform_publisher_screen.h"
#include "state/game.h"
#include "state/text_format.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

const char* toneOf(TalkColour c) {
    switch (c) {
        case TalkColour::Green: return "good";
        case TalkColour::Yellow: return "warn";
        case TalkColour::Red: return "bad";
        case TalkColour::Normal: break;
    }
    return "";
}

void setTone(QLabel* label, TalkColour c) {
    static const char* const kColours[] = {"#e6ecf3", "#7ed957", "#f2c14e", "#ff7b72"};
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                             .arg(QLatin1String(kColours[static_cast<int>(c)])));
    label->setProperty("tone", QLatin1String(toneOf(c)));
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

Tform_platformPublisher::Tform_platformPublisher(Game& g, Player& p, int task, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), model_(std::make_unique<PlatformPublisherScreen>(g, task)) {
    setObjectName(QStringLiteral("Tform_platformPublisher"));
    setWindowTitle(QStringLiteral("Platform publisher deals"));
    setModal(true);
    setMinimumSize(900, 560);
    resize(980, 640);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const TitledBand band =
        makeTitledBand(this, paintedIcon(PaintedIcon::Company, 40).pixmap(40, 40),
                       QStringLiteral("Publisher deals"), QStringLiteral("platformName"));
    band.subtitle->setText(QString::fromStdString(model_->platformName()) +
                           QStringLiteral(" : game companies that bring their titles to your console"));
    outer->addWidget(band.band);

    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(16, 0, 16, 0);
    columns->setSpacing(14);

    QVBoxLayout* body = nullptr;
    QFrame* companies = makeCard(this, QStringLiteral("GAME COMPANIES"), body);
    QStringList headings;
    for (const std::string& c : PlatformPublisherScreen::columns()) headings << QString::fromStdString(c);
    grid_ = makeRowGrid(companies, QStringLiteral("publisherGrid"), headings);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 5; ++c) grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grid_->setToolTip(QStringLiteral("Click a company to talk about a deal; HG counts its titles reviewed above 90"));
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        model_->sortBy(column);
        fillGrid();
    });
    body->addWidget(grid_, 1);
    columns->addWidget(companies, 3);

    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    QFrame* signedCard = makeCard(this, QStringLiteral("SIGNED DEALS"), body);
    dealCount_ = new QLabel(signedCard);
    dealCount_->setObjectName(QStringLiteral("dealCount"));
    body->addWidget(dealCount_);
    deals_ = new QListWidget(signedCard);
    deals_->setObjectName(QStringLiteral("dealList"));
    deals_->setFocusPolicy(Qt::NoFocus);
    deals_->setMaximumHeight(96);
    body->addWidget(deals_);
    right->addWidget(signedCard);

    talks_ = makeCard(this, QStringLiteral("NEGOTIATION"), body);
    info_ = new QLabel(talks_);
    info_->setObjectName(QStringLiteral("publisherInfo"));
    info_->setWordWrap(true);
    info_->setStyleSheet(QStringLiteral("font-family: \"DejaVu Sans Mono\"; font-size: 9pt; color: #e6ecf3;"));
    body->addWidget(info_);
    mood_ = new QLabel(talks_);
    mood_->setObjectName(QStringLiteral("moodLabel"));
    body->addWidget(mood_);
    comment_ = new QLabel(talks_);
    comment_->setObjectName(QStringLiteral("commentLabel"));
    comment_->setWordWrap(true);
    comment_->setMinimumHeight(40);
    body->addWidget(comment_);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Offer ($) :"), talks_), 0, 0);
    offer_ = new QLineEdit(talks_);
    offer_->setObjectName(QStringLiteral("offerField"));
    fields->addWidget(offer_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Number of games :"), talks_), 1, 0);
    games_ = new QSpinBox(talks_);
    games_->setObjectName(QStringLiteral("gamesField"));
    fields->addWidget(games_, 1, 1);
    body->addLayout(fields);
    auto* talkButtons = new QHBoxLayout;
    suggest_ = new QPushButton(QStringLiteral("Suggest"), talks_);
    suggest_->setObjectName(QStringLiteral("suggestButton"));
    connect(suggest_, &QPushButton::clicked, this, &Tform_platformPublisher::suggest);
    makeDeal_ = new QPushButton(QStringLiteral("Make Deal"), talks_);
    makeDeal_->setObjectName(QStringLiteral("makeDealButton"));
    setButtonRole(makeDeal_, "action");
    connect(makeDeal_, &QPushButton::clicked, this, &Tform_platformPublisher::makeDeal);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), talks_);
    cancel->setObjectName(QStringLiteral("cancelTalks"));
    setButtonRole(cancel, "secondary");
    connect(cancel, &QPushButton::clicked, this, [this] {
        model_->cancel();
        refreshTalks();
    });
    talkButtons->addWidget(suggest_);
    talkButtons->addWidget(makeDeal_);
    talkButtons->addStretch(1);
    talkButtons->addWidget(cancel);
    body->addLayout(talkButtons);
    right->addWidget(talks_);
    right->addStretch(1);
    columns->addLayout(right, 2);
    outer->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    outer->addLayout(buttons);

    fillGrid();
    refreshDeals();
    refreshTalks();
}

Tform_platformPublisher::~Tform_platformPublisher() = default;

void Tform_platformPublisher::fillGrid() {
    const auto& rows = model_->rows();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PlatformPublisherRow& x = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, cell(QString::fromStdString(x.name), false));
        grid_->setItem(r, 1, cell(QString::number(x.planned), true));
        grid_->setItem(r, 2, cell(QString::number(x.released), true));
        grid_->setItem(r, 3, cell(QString::number(x.id), true));
        grid_->setItem(r, 4, cell(QString::number(x.hitGames), true));
    }
}

void Tform_platformPublisher::refreshDeals() {
    deals_->clear();
    for (const std::string& line : model_->dealLines()) deals_->addItem(QString::fromStdString(line));
    dealCount_->setText(QStringLiteral("Deals signed : ") + QString::fromStdString(model_->dealCountText()));
}

void Tform_platformPublisher::refreshTalks() {
    const PlatformPublisherScreen& m = *model_;
    talks_->setVisible(m.negotiating());
    if (!m.negotiating()) return;
    info_->setText(gameText(m.infoText()) + QStringLiteral("Price per game  : ") +
                   QString::fromStdString(thousands(m.pricePerGame())) + QStringLiteral(" $"));
    mood_->setText(QString::fromStdString(m.moodText()));
    setTone(mood_, m.moodColour());
    comment_->setText(gameText(m.comment()));
    setTone(comment_, m.commentColour());
    {
        const QSignalBlocker quiet(games_);
        games_->setRange(1, std::max(1, m.maxGames()));
        games_->setValue(std::clamp(std::atoi(m.gamesField.c_str()), 1, std::max(1, m.maxGames())));
    }
    offer_->setText(QString::fromStdString(m.offerField));
    offer_->setEnabled(m.offerEnabled());
    games_->setEnabled(m.offerEnabled());
    suggest_->setEnabled(m.offerEnabled());
    makeDeal_->setEnabled(m.canMakeDeal());
}

void Tform_platformPublisher::chooseRow(int row) {
    model_->choose(p_, row);
    refreshTalks();
}

void Tform_platformPublisher::suggest() {
    model_->offerField = offer_->text().toStdString();
    model_->gamesField = games_->text().toStdString();
    model_->suggest(p_);
    refreshTalks();
}

void Tform_platformPublisher::makeDeal() {
    if (model_->makeDeal(p_)) return;
    refreshDeals();
    refreshTalks();
}

}  // namespace cw::ui
