#include "ui/view_engines_screen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engines/engine_project.h"
#include "ui/dev_look.h"
#include "ui/qt_player.h"

namespace cw::ui {

TForm_view_engines::TForm_view_engines(Game& g, QWidget* parent) : QDialog(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_view_engines"));
    setWindowTitle(QStringLiteral("View Engines"));
    setStyleSheet(devStyleSheet(objectName()));
    resize(760, 560);
    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("View Platform :"), this));
    platform_ = new QComboBox(this);
    NewEngineScreen offered(g);
    for (const auto& item : offered.platforms()) platform_->addItem(qs(item.text), item.index);
    top->addWidget(platform_, 1);
    root->addLayout(top);
    grid_ = new QTableWidget(0, 3, this);
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("Genre"), QStringLiteral("Best Competitor score"), QStringLiteral("Your engine score")});
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    root->addWidget(grid_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(close);
    root->addLayout(bottom);
    connect(platform_, &QComboBox::currentIndexChanged, this,
            [this](int i) { showPlatform(i >= 0 ? platform_->itemData(i).toInt() : 0); });
    if (platform_->count() > 0) showPlatform(platform_->itemData(0).toInt());
}

void TForm_view_engines::showPlatform(int platform) {
    const auto rows = viewEngineRows(game_, platform);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const EngineViewRow& row = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(qs(row.genreName)));
        grid_->setItem(r, 1, new QTableWidgetItem(qs(row.competitor)));
        grid_->setItem(r, 2, new QTableWidgetItem(qs(row.own)));
    }
}

}  // namespace cw::ui
