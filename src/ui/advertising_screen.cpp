#include "ui/advertising_screen.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "market/advertising.h"
#include "state/game.h"
#include "state/text_format.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

Tform_advertising::Tform_advertising(Game& g, Player& p, int task, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), task_(task) {
    setObjectName(QStringLiteral("Tform_advertising"));
    setWindowTitle(QStringLiteral("Advertising"));
    setModal(true);
    setMinimumSize(560, 440);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    const QString name = g.tables().tasks.inRange(task) ? QString::fromStdString(g.tables().tasks[task].name.str())
                                                        : QString();
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Company, 34).pixmap(34, 34), name,
                                             QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    auto* grid = new QGridLayout;
    for (int k = 1; k <= 7; ++k) {
        links_[k - 1] = new QPushButton(QString::fromStdString(campaignCaption(k)), this);
        links_[k - 1]->setObjectName(QStringLiteral("campaign%1").arg(k));
        links_[k - 1]->setFlat(true);
        links_[k - 1]->setCursor(Qt::PointingHandCursor);
        connect(links_[k - 1], &QPushButton::clicked, this, [this, k] { choose(k); });
        status_[k - 1] = new QLabel(this);
        grid->addWidget(links_[k - 1], k - 1, 0, Qt::AlignLeft);
        grid->addWidget(status_[k - 1], k - 1, 1);
    }
    body->addLayout(grid);

    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("pricePanel"));
    auto* panelBox = new QVBoxLayout(panel_);
    panelHeader_ = new QLabel(panel_);
    panelHeader_->setObjectName(QStringLiteral("cardTitle"));
    panelBox->addWidget(panelHeader_);
    auto* areaRow = new QHBoxLayout;
    areaRow->addWidget(new QLabel(QStringLiteral("Advertising type :"), panel_));
    area_ = new QComboBox(panel_);
    for (int a = 1; a <= 3; ++a) area_->addItem(QString::fromStdString(campaignAreaText(a)));
    connect(area_, &QComboBox::currentIndexChanged, this, &Tform_advertising::changeArea);
    areaRow->addWidget(area_, 1);
    panelBox->addLayout(areaRow);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(new QLabel(QStringLiteral("Price :"), panel_));
    price_ = new QLabel(panel_);
    price_->setObjectName(QStringLiteral("priceLabel"));
    priceRow->addWidget(price_, 1);
    panelBox->addLayout(priceRow);
    auto* panelButtons = new QHBoxLayout;
    start_ = new QPushButton(QStringLiteral("Start"), panel_);
    start_->setObjectName(QStringLiteral("startButton"));
    connect(start_, &QPushButton::clicked, this, &Tform_advertising::start);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), panel_);
    connect(cancel, &QPushButton::clicked, panel_, &QWidget::hide);
    panelButtons->addStretch(1);
    panelButtons->addWidget(start_);
    panelButtons->addWidget(cancel);
    panelBox->addLayout(panelButtons);
    body->addWidget(panel_);
    panel_->hide();
    body->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    refresh();
}

void Tform_advertising::refresh() {
    if (!g_.tables().tasks.inRange(task_)) return;
    const Task& t = g_.tables().tasks[task_];
    for (int k = 1; k <= 7; ++k) {
        links_[k - 1]->setEnabled(campaignWeeks(t, k) <= 0);
        status_[k - 1]->setText(QString::fromStdString(campaignStatus(t, k)));
    }
}

void Tform_advertising::choose(int type) {
    const QSignalBlocker block(area_);
    area_->setCurrentIndex(0);
    chosen_ = type;
    panelHeader_->setText(QString::fromStdString(campaignCaption(type)));
    price_->setText(QString::fromStdString(thousands(campaignPrice(type, 1))) + QStringLiteral(" $"));
    panel_->setVisible(ChooseCampaign(g_, p_, type, 1));
}

void Tform_advertising::changeArea() {
    if (panel_->isHidden() || chosen_ == 0) return;
    const int area = area_->currentIndex() + 1;
    if (!ChooseCampaign(g_, p_, chosen_, area)) {
        const QSignalBlocker block(area_);
        area_->setCurrentIndex(0);
    }
    price_->setText(QString::fromStdString(thousands(campaignPrice(chosen_, area_->currentIndex() + 1))) +
                    QStringLiteral(" $"));
}

void Tform_advertising::start() {
    if (chosen_ == 0) return;
    StartCampaign(g_, p_, task_, chosen_, area_->currentIndex() + 1);
    panel_->hide();
    refresh();
}

}  // namespace cw::ui
