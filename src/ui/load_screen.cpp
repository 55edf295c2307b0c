#include "ui/load_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "setup/load_game.h"

namespace cw::ui {

TForm_load_game::TForm_load_game(Game& g, Player& p, QWidget* parent)
    : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_load_game"));
    setWindowTitle(QStringLiteral("Load a saved game"));
    setMinimumSize(520, 380);
    setStyleSheet(QStringLiteral(
        "QDialog { background: #16263d; }"
        "QLabel#loadTitle { color: #f4c95d; font-size: 18px; font-weight: bold; }"
        "QListWidget { background: #f6f1e4; color: #1b2838; font-size: 13px; border: 1px solid #c9b98f; }"
        "QListWidget::item { padding: 5px; }"
        "QListWidget::item:selected { background: #2d5b8a; color: white; }"
        "QPushButton { background: #2d5b8a; color: white; border: 1px solid #6f95c2; border-radius: 4px;"
        "  padding: 6px 18px; font-weight: bold; }"
        "QPushButton:hover { background: #3a71aa; }"
        "QPushButton#loadButton { background: #e8a33a; color: #2a1a00; border-color: #b57a1f; }"));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Load a saved game"), this);
    title->setObjectName(QStringLiteral("loadTitle"));
    layout->addWidget(title);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("saveList"));
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* load = new QPushButton(QStringLiteral("Load Game"), this);
    load->setObjectName(QStringLiteral("loadButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(load);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // A text box that lies outside the visible part of the window; only the
    // Tab key reaches it.
    hidden_ = new QLineEdit(this);
    hidden_->setObjectName(QStringLiteral("hiddenBox"));
    hidden_->setGeometry(-400, -400, 100, 24);

    annotate_ = new QTimer(this);
    annotate_->setInterval(250);
    connect(annotate_, &QTimer::timeout, this, &TForm_load_game::annotateTick);
    connect(load, &QPushButton::clicked, this, &TForm_load_game::loadGameClicked);
    connect(cancel, &QPushButton::clicked, this, &TForm_load_game::cancelClicked);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TForm_load_game::loadGameClicked);
}

void TForm_load_game::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refill();
}

void TForm_load_game::refill() {
    screen_ = openLoadScreen(game_);
    summaries_.clear();
    list_->clear();
    for (std::size_t i = 0; i < screen_.entries.size(); ++i) {
        summaries_.push_back(saveSummaryText(readSaveSummary(game_, screen_.entries[i])));
        list_->addItem(entryText(i));
    }
    list_->setCurrentRow(newestSaveEntry(game_, screen_));
    if (!screen_.entries.empty()) annotate_->start();
}

QString TForm_load_game::entryText(std::size_t i) const {
    return QString::fromStdString(screen_.entries[i] + "\n" + summaries_[i]);
}

void TForm_load_game::annotateTick() {
    const std::size_t i = screen_.annotated;
    const bool more = annotateNextEntry(game_, screen_);
    if (i < screen_.entries.size() && static_cast<int>(i) < list_->count())
        list_->item(static_cast<int>(i))->setText(entryText(i));
    if (!more) annotate_->stop();
}

void TForm_load_game::loadGameClicked() {
    const int row = list_->currentRow();
    if (row < 0) return;
    screen_.hiddenText = hidden_->text().toStdString();
    if (cw::loadGameClicked(game_, player_, screen_, row)) {
        annotate_->stop();
        accept();
    }
}

void TForm_load_game::cancelClicked() {
    cancelLoadScreen(game_);
    annotate_->stop();
    reject();
}

}  // namespace cw::ui
