#include "ui/release_screens.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dev/release.h"
#include "market/publishers.h"
#include "state/game.h"
#include "state/text_format.h"
#include "state/text_format.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QPushButton* closeButton(QDialog* d) {
    auto* close = new QPushButton(QStringLiteral("Close"), d);
    close->setObjectName(QStringLiteral("closeButton"));
    QObject::connect(close, &QPushButton::clicked, d, &QDialog::reject);
    return close;
}

}  // namespace

TForm_GamePublisher::TForm_GamePublisher(Game& g, Player& p, int task, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), task_(task) {
    setObjectName(QStringLiteral("TForm_GamePublisher"));
    setWindowTitle(QStringLiteral("Publishers"));
    setModal(true);
    setMinimumSize(720, 460);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Company, 34).pixmap(34, 34),
                                             QStringLiteral("Publishers"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    const std::vector<PublisherOffer> offers = publisherOffers(g);
    table_ = new QTableWidget(static_cast<int>(offers.size()), 6, this);
    table_->setObjectName(QStringLiteral("publisherTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Publisher"), QStringLiteral("% of sales"),
                                       QStringLiteral("Weekly OutPut"), QStringLiteral("Advertising"),
                                       QStringLiteral("Id"), QStringLiteral("HG")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    // The name takes the room the figures leave: with equal columns long
    // publisher names were cut while the empty last column sat wide.
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 6; ++c) table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int r = 0; r < static_cast<int>(offers.size()); ++r) {
        const PublisherOffer& o = offers[static_cast<std::size_t>(r)];
        const QString cells[5] = {QString::fromStdString(o.name), QString::number(o.share), QString::number(o.output),
                                  QString::fromStdString(o.advertisingWord), QString::number(o.id)};
        for (int c = 0; c < 5; ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { offerRow(row); });
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this));
    body->addLayout(buttons);
    outer->addLayout(body, 1);
}

void TForm_GamePublisher::offerRow(int row) {
    OfferDeal(g_, p_, task_, row);
    if (g_.tables().tasks.inRange(task_) && g_.tables().tasks[task_].game.companyRow != 0) accept();
}

Tform_releasegame::Tform_releasegame(Game& g, int task, QWidget* parent) : QDialog(parent), g_(g), task_(task) {
    setObjectName(QStringLiteral("Tform_releasegame"));
    setWindowTitle(QStringLiteral("Distribution"));
    setModal(true);
    setMinimumSize(420, 300);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Company, 34).pixmap(34, 34),
                                             QStringLiteral("Distribution"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    const char* names[3] = {"USA", "Europe", "Asia"};
    for (int r = 0; r < 3; ++r) {
        boxes_[r] = new QCheckBox(QString::fromLatin1(names[r]), this);
        boxes_[r]->setObjectName(QStringLiteral("region%1").arg(r + 1));
        connect(boxes_[r], &QCheckBox::toggled, this, &Tform_releasegame::recompute);
        // What each region costs on its own, so the choice is not blind.
        const Regions one{r == 0, r == 1, r == 2};
        auto* row = new QHBoxLayout;
        row->addWidget(boxes_[r]);
        row->addStretch(1);
        row->addWidget(new QLabel(QString::fromStdString(thousands(distributionCost(g, one))) + QStringLiteral(" $"), this));
        body->addLayout(row);
    }
    share_ = new QLabel(this);
    share_->setObjectName(QStringLiteral("shareLabel"));
    cost_ = new QLabel(this);
    cost_->setObjectName(QStringLiteral("costLabel"));
    auto* shareRow = new QHBoxLayout;
    shareRow->addWidget(new QLabel(QStringLiteral("Publisher get :"), this));
    shareRow->addWidget(share_, 1);
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(new QLabel(QStringLiteral("Publisher get :"), this));
    costRow->addWidget(cost_, 1);
    body->addLayout(shareRow);
    body->addLayout(costRow);
    body->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    connect(ok_, &QPushButton::clicked, this, &Tform_releasegame::confirm);
    buttons->addWidget(ok_);
    buttons->addWidget(closeButton(this));
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    recompute();
}

void Tform_releasegame::recompute() {
    const Regions r{boxes_[0]->isChecked(), boxes_[1]->isChecked(), boxes_[2]->isChecked()};
    share_->setText(QString::number(distributionShare(g_, task_, r)) + QStringLiteral("%"));
    cost_->setText(QString::fromStdString(thousands(distributionCost(g_, r))) + QStringLiteral(" $"));
    ok_->setEnabled(r.any());
}

void Tform_releasegame::confirm() {
    const Regions r{boxes_[0]->isChecked(), boxes_[1]->isChecked(), boxes_[2]->isChecked()};
    if (chooseDistribution(g_, task_, r).empty()) accept();
}

}  // namespace cw::ui
