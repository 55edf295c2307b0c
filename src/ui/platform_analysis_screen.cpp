#include "ui/platform_analysis_screen.h"
#include "ui/app_style.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "state/game.h"
#include "ui/platforms_screen.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

TForm_platform_analysis::TForm_platform_analysis(Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_platform_analysis"));
    setWindowTitle(QStringLiteral("Market Analysis"));
    makeGameWindow(this);
    setStyleSheet(hardwareStyleSheet());
    resize(880, 680);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(
        hardwareHeaderBand(this, HardwarePicture::Analysis, QStringLiteral("Platform market analysis"), weekLabel_));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 14);
    body->setSpacing(10);
    // The analysis keeps its own order; header clicks do not sort it.
    grid_ = makeHardwareTable(
        this, QStringLiteral("StringGrid_analysis"), [](int) {}, false);
    grid_->horizontalHeader()->setSectionsClickable(false);
    body->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    close_ = makeCloseButton(this, this);
    buttons->addWidget(close_);
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    rebuild();
}

void TForm_platform_analysis::rebuild() {
    model_.build(game_);
    weekLabel_->setText(toQ(model_.label));
    Grid grid{model_.headers, {}};
    for (const PlatformAnalysis::Row& r : model_.rows) grid.rows.push_back({r.platform, {r.name, "", "", r.word}});
    fillHardwareTable(grid_, grid);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const PlatformAnalysis::Row& r = model_.rows[static_cast<std::size_t>(row)];
        auto* positive = new QTableWidgetItem(toQ(r.positive));
        positive->setForeground(moodColour(Mood::Good));
        grid_->setItem(row, 1, positive);
        auto* negative = new QTableWidgetItem(toQ(r.negative));
        negative->setForeground(moodColour(Mood::Bad));
        grid_->setItem(row, 2, negative);
        QTableWidgetItem* word = grid_->item(row, 3);
        word->setForeground(moodColour(analysisMood(r.score)));
        word->setTextAlignment(Qt::AlignCenter);
        QFont f = word->font();
        f.setBold(true);
        word->setFont(f);
        word->setToolTip(QStringLiteral("Score %1").arg(r.score));
    }
    QHeaderView* head = grid_->horizontalHeader();
    head->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    head->setSectionResizeMode(1, QHeaderView::Stretch);
    head->setSectionResizeMode(2, QHeaderView::Stretch);
    head->setSectionResizeMode(3, QHeaderView::ResizeToContents);
}

void TForm_platform_analysis::reopen() {
    if (isVisible()) rebuild();
}

void TForm_platform_analysis::showEvent(QShowEvent* event) {
    rebuild();
    QWidget::showEvent(event);
}

}  // namespace cw::ui
