#include "ui/tips_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_style.h"

namespace cw::ui {

Tform_didyouknow::Tform_didyouknow(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName(QStringLiteral("Tform_didyouknow"));
    setWindowTitle(QStringLiteral("Did you know ?"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    auto* heading = new QLabel(QStringLiteral("Did you know that....."), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; color: #24527a;"));
    layout->addWidget(heading);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("tipText"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumSize(380, 110);
    text_->setStyleSheet(QStringLiteral("background: #fffdf5; border: 1px solid #d8cfb5; border-radius: 6px; "
                                        "padding: 12px; font-size: 11pt; color: #2b3a4a;"));
    layout->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* next = new QPushButton(QStringLiteral("Next"), this);
    next->setObjectName(QStringLiteral("nextButton"));
    connect(next, &QPushButton::clicked, this, [this] { nextTip(); });
    buttons->addWidget(next);
    buttons->addWidget(makeCloseButton(this, this));
    layout->addLayout(buttons);
    makeGameWindow(this);
    resize(440, 240);
}

void Tform_didyouknow::openTip() {
    model_.open(game_);
    showTip();
}

void Tform_didyouknow::nextTip() {
    model_.next(game_);
    showTip();
}

QString Tform_didyouknow::tipText() const { return text_->text(); }

void Tform_didyouknow::showTip() {
    const std::string tip = model_.text();
    QString shown = QString::fromStdString(tip);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setText(shown.isEmpty() ? QStringLiteral("No tips today.") : shown);
}

}  // namespace cw::ui
