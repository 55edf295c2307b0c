#include "ui/project_status_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dev/product_finish.h"
#include "state/game.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/post_mortem_screens.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

TForm_project_finished::TForm_project_finished(Game& g, Player& p, int task, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), task_(task) {
    setObjectName(QStringLiteral("TForm_project_finished"));
    setWindowTitle(QString::fromLatin1(ProjectStatusDialog::kCaption));
    setModal(true);
    // A dialog of a few lines: it keeps its size over any main window
    // instead of spreading them over the screen.
    setMinimumSize(560, 470);
    setMaximumSize(760, 600);
    resize(620, 500);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const HeaderBand header =
        makeHeaderBand(this, paintedIcon(PaintedIcon::Products, 34).pixmap(34, 34),
                       QString::fromLatin1(ProjectStatusDialog::kCaption), QStringLiteral("headerLabel"));
    title_ = header.title;
    outer->addWidget(header.band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 0, 18, 0);
    body->setSpacing(12);

    QVBoxLayout* productBody = nullptr;
    QFrame* product = makeCard(this, QStringLiteral("Product"), productBody);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < 7; ++i) {
        auto* caption =
            new QLabel(QString::fromLatin1(ProjectStatusDialog::kLabels[static_cast<std::size_t>(i)]), product);
        caption->setObjectName(QStringLiteral("fieldLabel"));
        auto* value = new QLabel(product);
        value->setObjectName(QStringLiteral("bodyLabel"));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[static_cast<std::size_t>(i)] = value;
        grid->addWidget(caption, i, 0);
        grid->addWidget(value, i, 1);
    }
    grid->setColumnStretch(1, 1);
    productBody->addLayout(grid);
    platforms_ = new QLabel(product);
    platforms_->setObjectName(QStringLiteral("note"));
    platforms_->setWordWrap(true);
    productBody->addWidget(platforms_);
    body->addWidget(product);

    QVBoxLayout* statusBody = nullptr;
    QFrame* statusCard = makeCard(this, QStringLiteral("Status"), statusBody);
    status_ = new QLabel(statusCard);
    status_->setObjectName(QStringLiteral("bodyLabel"));
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setMinimumHeight(72);
    statusBody->addWidget(status_, 1);
    body->addWidget(statusCard, 1);

    auto* buttons = new QHBoxLayout;
    improve_ = new QPushButton(QString::fromLatin1(ProjectStatusDialog::kImprove), this);
    improve_->setObjectName(QStringLiteral("Button_improve"));
    improve_->setAutoDefault(false);
    finish_ = new QPushButton(QString::fromLatin1(ProjectStatusDialog::kFinish), this);
    finish_->setObjectName(QStringLiteral("Button_finish"));
    finish_->setAutoDefault(false);
    setButtonRole(finish_, "action");
    connect(improve_, &QPushButton::clicked, this, &TForm_project_finished::improve);
    connect(finish_, &QPushButton::clicked, this, &TForm_project_finished::finish);
    whyScore_ = new QPushButton(QStringLiteral("Why this score"), this);
    whyScore_->setObjectName(QStringLiteral("Button_whyscore"));
    whyScore_->setAutoDefault(false);
    whyScore_->setToolTip(QStringLiteral("The score the game would get if it were finished now, taken apart"));
    // The dialog closes first: a post-mortem opened over a modal dialog would
    // vanish with it.
    connect(whyScore_, &QPushButton::clicked, this, [this] {
        QWidget* host = parentWidget();
        Game& game = g_;
        const int project = task_;
        accept();
        openWhyScoreOfTask(host, game, project);
    });
    buttons->addWidget(improve_);
    buttons->addWidget(finish_);
    buttons->addWidget(whyScore_);
    buttons->addStretch(1);
    buttons->addWidget(makeCloseButton(this, this));
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    refresh();
}

void TForm_project_finished::refresh() {
    const ProjectStatusDialog d = projectStatusDialog(g_, task_);
    title_->setText(d.values[1].empty() ? QString::fromLatin1(ProjectStatusDialog::kCaption) : qs(d.values[1]));
    for (std::size_t i = 0; i < values_.size(); ++i) values_[i]->setText(qs(d.values[i]));
    platforms_->setText(gameText(d.platformsText));
    platforms_->setVisible(!d.platformsText.empty());
    whyScore_->setVisible(d.game);
    status_->setText(gameText(d.statusText));
    improve_->setEnabled(d.improveEnabled);
    improve_->setToolTip(qs(d.improveHint));
    finish_->setEnabled(d.finishEnabled);
    finish_->setToolTip(qs(d.finishHint));
}

void TForm_project_finished::improve() {
    const std::string refusal = improveProduct(g_, p_, task_);
    if (refusal.empty()) {
        accept();
        return;
    }
    p_.messageBox(ProjectStatusDialog::kCaption, refusal, false);
    refresh();
}

void TForm_project_finished::finish() {
    const FinishOutcome o = finishProject(g_, p_, task_);
    if (o.finished) {
        accept();
        return;
    }
    refresh();
}

void TForm_project_finished::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        refresh();
        centreOverParent(this);
    }
}

}  // namespace cw::ui
