#include "ui/dev_tools_panels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dev/dev_tools.h"
#include "state/game.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

constexpr const char* kToolTitles[3] = {"Code tools", "Graphics tools", "Design tools"};
constexpr const char* kToolHints[3] = {"Shortens the programming of every later game for this platform",
                                       "Shortens the graphics work of every later game for this platform",
                                       "Shortens the design work of every later game for this platform"};

void fillBox(QComboBox* box, const std::vector<DevPlatformItem>& items, int keep) {
    const QSignalBlocker block(box);
    box->clear();
    int row = 0;
    for (const DevPlatformItem& it : items) {
        // The box shows the name; the index after ";" is the item's data.
        QString text = qs(it.text);
        const int cut = text.lastIndexOf(QLatin1Char(';'));
        if (it.platform != 0 && cut >= 0) text = text.left(cut).trimmed();
        box->addItem(text, it.platform);
        if (it.platform == keep) row = box->count() - 1;
    }
    box->setCurrentIndex(row);
}

QTableWidget* makeGrid(QWidget* parent) {
    auto* t = new QTableWidget(0, 2, parent);
    t->setHorizontalHeaderLabels({QStringLiteral("Platform"), QStringLiteral("Tool Level")});
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

}  // namespace

BuyToolsPanel::BuyToolsPanel(Game& g, Player& p, QWidget* parent) : QWidget(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("Panel_buytools"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 8);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Buy Tools"), this);
    caption->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; font-size: 15px;"));
    top->addWidget(caption);
    top->addSpacing(20);
    top->addWidget(new QLabel(QStringLiteral("Platform"), this));
    box_ = new QComboBox(this);
    box_->setObjectName(QStringLiteral("ComboBox_toolplatform"));
    box_->setMinimumWidth(220);
    connect(box_, &QComboBox::activated, this, [this](int) { refresh(); });
    top->addWidget(box_);
    top->addStretch(1);
    root->addLayout(top);

    auto* row = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* group = new QGroupBox(QString::fromLatin1(kToolTitles[i]), this);
        auto* l = new QVBoxLayout(group);
        grids_[k] = makeGrid(group);
        grids_[k]->setObjectName(QStringLiteral("StringGrid_tools%1").arg(i + 1));
        l->addWidget(grids_[k], 1);
        level_[k] = new QLabel(group);
        level_[k]->setStyleSheet(QStringLiteral("font-weight: bold;"));
        l->addWidget(level_[k]);
        price_[k] = new QLabel(group);
        l->addWidget(price_[k]);
        upgrade_[k] = new QPushButton(QStringLiteral("Upgrade tool"), group);
        upgrade_[k]->setObjectName(QStringLiteral("Button_upgradetool%1").arg(i + 1));
        upgrade_[k]->setAutoDefault(false);
        upgrade_[k]->setToolTip(QString::fromLatin1(kToolHints[i]));
        connect(upgrade_[k], &QPushButton::clicked, this, [this, i] { pressUpgrade(i); });
        l->addWidget(upgrade_[k]);
        row->addWidget(group);
    }
    root->addLayout(row, 1);
    auto* note = new QLabel(QStringLiteral("From the Single user Licence on, each level takes 15 % off that part of "
                                           "the work of every new game for the platform. Tools for new platforms cost "
                                           "almost three times as much as for old ones."),
                            this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    root->addWidget(note);
    reopen();
}

int BuyToolsPanel::chosen() const { return box_->currentData().toInt(); }

void BuyToolsPanel::reopen() {
    fillBox(box_, toolPlatformBox(game_), 0);
    refresh();
}

void BuyToolsPanel::choosePlatform(int platform) {
    const int row = box_->findData(platform);
    box_->setCurrentIndex(row < 0 ? 0 : row);
    refresh();
}

void BuyToolsPanel::refresh() {
    const int platform = chosen();
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto rows = toolGrid(game_, kTools[i]);
        QTableWidget* t = grids_[k];
        t->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const ToolGridRow& row = rows[static_cast<std::size_t>(r)];
            auto* name = new QTableWidgetItem(qs(row.platformName));
            auto* level = new QTableWidgetItem(qs(row.levelName));
            if (row.platform == platform) {
                name->setForeground(QColor(0xf2, 0xc1, 0x4e));
                level->setForeground(QColor(0xf2, 0xc1, 0x4e));
            }
            t->setItem(r, 0, name);
            t->setItem(r, 1, level);
        }
        const ToolOffer o = toolOffer(game_, kTools[i], platform);
        level_[k]->setText(qs(o.levelName));
        price_[k]->setText(qs(o.priceText));
        upgrade_[k]->setEnabled(o.upgradeEnabled);
    }
}

void BuyToolsPanel::pressUpgrade(int tool) {
    if (tool < 0 || tool > 2) return;
    const bool bought = !upgradeTool(game_, player_, kTools[tool], chosen());
    refresh();
    if (bought) emit toolBought();
}

AntiPiracyPanel::AntiPiracyPanel(Game& g, Player& p, QWidget* parent) : QWidget(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("Panel_antipiracy"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 8);
    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Anti-Piracy"), this);
    caption->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; font-size: 15px;"));
    top->addWidget(caption);
    top->addSpacing(20);
    box_ = new QComboBox(this);
    box_->setObjectName(QStringLiteral("ComboBox_piracyplatform"));
    box_->setMinimumWidth(260);
    connect(box_, &QComboBox::activated, this, [this](int) { refresh(); });
    top->addWidget(box_);
    top->addStretch(1);
    root->addLayout(top);

    auto* status = new QGroupBox(QStringLiteral("Protection status"), this);
    auto* sl = new QGridLayout(status);
    marker_ = new QLabel(status);
    marker_->setFixedSize(28, 28);
    sl->addWidget(marker_, 0, 0, 2, 1, Qt::AlignTop);
    headline_ = new QLabel(status);
    headline_->setObjectName(QStringLiteral("Label_piracyheadline"));
    headline_->setWordWrap(true);
    headline_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px;"));
    sl->addWidget(headline_, 0, 1);
    text_ = new QLabel(status);
    text_->setObjectName(QStringLiteral("Label_piracytext"));
    text_->setWordWrap(true);
    sl->addWidget(text_, 1, 1);
    sl->setColumnStretch(1, 1);
    sl->setRowStretch(2, 1);
    root->addWidget(status, 1);

    auto* buttons = new QHBoxLayout;
    inhouse_ = new QPushButton(QStringLiteral("Develope Inhouse"), this);
    advanced_ = new QPushButton(QStringLiteral("Buy Advanced solution"), this);
    simple_ = new QPushButton(QStringLiteral("Buy simple solution"), this);
    inhouse_->setObjectName(QStringLiteral("Button_inhouse"));
    advanced_->setObjectName(QStringLiteral("Button_advanced"));
    simple_->setObjectName(QStringLiteral("Button_simple"));
    advanced_->setToolTip(QStringLiteral("A strong protection: about 90 to 100 weeks before crackers break it"));
    simple_->setToolTip(QStringLiteral("A cheaper protection: about 35 to 45 weeks before crackers break it"));
    for (QPushButton* b : {inhouse_, advanced_, simple_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    connect(inhouse_, &QPushButton::clicked, this, &AntiPiracyPanel::pressInhouse);
    connect(advanced_, &QPushButton::clicked, this, &AntiPiracyPanel::pressAdvanced);
    connect(simple_, &QPushButton::clicked, this, &AntiPiracyPanel::pressSimple);
    root->addLayout(buttons);
    auto* note = new QLabel(QStringLiteral("Without a working protection pirates take their share of every game's "
                                           "sales on the platform. Each week on sale wears the protection down."),
                            this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    root->addWidget(note);
    reopen();
}

int AntiPiracyPanel::chosen() const { return box_->currentData().toInt(); }

void AntiPiracyPanel::reopen() {
    fillBox(box_, protectionPlatformBox(game_), 0);
    refresh();
}

void AntiPiracyPanel::choosePlatform(int platform) {
    const int row = box_->findData(platform);
    box_->setCurrentIndex(row < 0 ? 0 : row);
    refresh();
}

void AntiPiracyPanel::refresh() {
    const ProtectionStatus s = protectionStatus(game_, chosen());
    headline_->setText(qs(s.headline));
    text_->setText(qs(s.text));
    const QColor c = chosen() == 0 ? QColor(0x60, 0x68, 0x74) : s.working ? QColor(0x4c, 0xc3, 0x6b) : QColor(0xe0, 0x50, 0x50);
    marker_->setStyleSheet(QStringLiteral("background: %1; border-radius: 14px;").arg(c.name()));
    for (QPushButton* b : {inhouse_, advanced_, simple_}) b->setEnabled(s.buyAllowed);
}

void AntiPiracyPanel::pressSimple() {
    buyProtection(game_, player_, chosen(), ProtectionKind::Simple);
    refresh();
}

void AntiPiracyPanel::pressAdvanced() {
    buyProtection(game_, player_, chosen(), ProtectionKind::Advanced);
    refresh();
}

void AntiPiracyPanel::pressInhouse() { developProtectionInhouse(player_); }

}  // namespace cw::ui
