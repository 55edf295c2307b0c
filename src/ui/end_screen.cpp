#include "ui/end_screen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "finance/end_game.h"
#include "state/game.h"
#include "state/text_format.h"
#include "ui/finance_look.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

// A gold cup on a plinth.
QPixmap trophy(int size) {
    QPixmap pm = paintingCanvas(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient gold(0, 0, s, 0);
    gold.setColorAt(0, QColor(0xc9, 0x8f, 0x1f));
    gold.setColorAt(0.45, QColor(0xff, 0xe0, 0x8a));
    gold.setColorAt(1, QColor(0xb0, 0x7a, 0x12));
    p.setPen(QPen(QColor(0x8a, 0x5e, 0x0e), s * 0.02));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(s * 0.22, s * 0.1);
    cup.lineTo(s * 0.78, s * 0.1);
    cup.cubicTo(s * 0.78, s * 0.45, s * 0.62, s * 0.55, s * 0.5, s * 0.56);
    cup.cubicTo(s * 0.38, s * 0.55, s * 0.22, s * 0.45, s * 0.22, s * 0.1);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd9, 0xa3, 0x2c), s * 0.05));
    p.drawArc(QRectF(s * 0.06, s * 0.14, s * 0.24, s * 0.24), 90 * 16, 180 * 16);
    p.drawArc(QRectF(s * 0.7, s * 0.14, s * 0.24, s * 0.24), 270 * 16, 180 * 16);
    p.setPen(QPen(QColor(0x8a, 0x5e, 0x0e), s * 0.02));
    p.setBrush(gold);
    p.drawRect(QRectF(s * 0.45, s * 0.56, s * 0.1, s * 0.16));
    p.setBrush(QColor(0x3a, 0x2a, 0x1a));
    p.drawRoundedRect(QRectF(s * 0.28, s * 0.72, s * 0.44, s * 0.18), 3, 3);
    return pm;
}

}  // namespace

Tform_end_screen::Tform_end_screen(const Game& g, QWidget* parent) : QDialog(parent) {
    const EndScreen e = endScreen(g);
    setObjectName(QStringLiteral("Tform_end_screen"));
    setWindowTitle(QString::fromStdString(e.caption));
    setModal(true);
    setStyleSheet(financeStyleSheet());
    setMinimumWidth(560);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 16);
    outer->setSpacing(12);
    const HeaderBand header =
        makeHeaderBand(this, QPixmap(), QString::fromStdString(e.heading), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    // The result sits on one card in the middle of the screen.
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(24, 0, 24, 0);
    middle->addStretch(1);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("card"));
    frame->setMinimumWidth(520);
    auto* body = new QHBoxLayout(frame);
    body->setContentsMargins(24, 20, 28, 20);
    body->setSpacing(24);
    auto* cup = new QLabel(frame);
    cup->setPixmap(trophy(120));
    body->addWidget(cup, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    auto* company = new QLabel(QString::fromStdString(e.company + " - " + e.dateText), frame);
    company->setObjectName(QStringLiteral("cardTitle"));
    right->addWidget(company);
    auto* caption = new QLabel(QString::fromStdString(e.scoreCaption), frame);
    caption->setObjectName(QStringLiteral("caption"));
    right->addWidget(caption);
    score_ = new QLabel(QString::fromStdString(thousands(e.score)), frame);
    score_->setObjectName(QStringLiteral("bigScore"));
    right->addWidget(score_);
    note_ = new QLabel(frame);
    note_->setObjectName(QStringLiteral("scoreNote"));
    if (e.newHighScore)
        note_->setText(QStringLiteral("A new high score! The best so far was %1.")
                           .arg(QString::fromStdString(thousands(e.previousHighScore))));
    else
        note_->setText(QStringLiteral("High score : %1").arg(QString::fromStdString(thousands(e.previousHighScore))));
    right->addWidget(note_);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(24);
    figures->setVerticalSpacing(4);
    int row = 0;
    auto add = [frame, figures, &row](const QString& text, const QString& value, const char* tone) {
        auto* c = new QLabel(text, frame);
        c->setObjectName(QStringLiteral("caption"));
        auto* v = new QLabel(value, frame);
        v->setObjectName(QStringLiteral("value"));
        v->setProperty("tone", tone);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figures->addWidget(c, row, 0);
        figures->addWidget(v, row, 1);
        ++row;
    };
    auto points = [](i32 v) { return QString::fromStdString(thousands(v)); };
    add(QStringLiteral("Cash"), dollarsText(e.money), e.money < 0 ? "bad" : "good");
    add(QStringLiteral("Bank loan"), dollarsText(e.loan), e.loan > 0 ? "bad" : "");
    add(QStringLiteral("Buildings"), points(e.parts.buildings), "");
    add(QStringLiteral("Cash less loan"), points(e.parts.cash), "");
    add(QStringLiteral("Start-up"), points(e.parts.startup), "");
    add(QStringLiteral("Game level"), QStringLiteral("× %1").arg(e.parts.multiplier), "");
    right->addSpacing(10);
    right->addLayout(figures);
    body->addLayout(right, 1);
    middle->addWidget(frame);
    middle->addStretch(1);
    outer->addStretch(1);
    outer->addLayout(middle);
    outer->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 0, 24, 0);
    reports_ = new QPushButton(QStringLiteral("View Final annual reports"), this);
    reports_->setObjectName(QStringLiteral("reportsButton"));
    connect(reports_, &QPushButton::clicked, this, &Tform_end_screen::reportsRequested);
    buttons->addWidget(reports_);
    buttons->addStretch(1);
    auto* close = closeButton(this);
    close->setProperty("secondary", false);
    close->setDefault(true);
    buttons->addWidget(close);
    outer->addLayout(buttons);
}

void Tform_end_screen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    look::centreOver(this, parentWidget());
}

}  // namespace cw::ui
