#include "ui/board_meeting_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "finance/board.h"
#include "state/game.h"
#include "ui/finance_look.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

QPixmap boardroomPicture(int headquartersLevel, QSize size) {
    const qreal dpr = 2.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // Wall and floor; a richer panelling in a bigger headquarters.
    QLinearGradient wall(0, 0, 0, h * 0.6);
    wall.setColorAt(0, headquartersLevel >= 3 ? QColor(0x4a, 0x32, 0x22) : QColor(0x3a, 0x46, 0x5a));
    wall.setColorAt(1, headquartersLevel >= 3 ? QColor(0x2e, 0x1f, 0x15) : QColor(0x25, 0x2e, 0x3d));
    p.fillRect(QRectF(0, 0, w, h * 0.6), wall);
    p.fillRect(QRectF(0, h * 0.6, w, h * 0.4), QColor(0x1c, 0x22, 0x2c));
    // A window with the city behind it.
    const QRectF window(w * 0.3, h * 0.08, w * 0.4, h * 0.3);
    p.fillRect(window, QColor(0x27, 0x4b, 0x78));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x17, 0x2b, 0x45));
    for (int i = 0; i < 7; ++i) {
        const qreal bw = window.width() / 7;
        const qreal bh = window.height() * (0.3 + 0.1 * ((i * 5) % 6));
        p.drawRect(QRectF(window.left() + i * bw, window.bottom() - bh, bw - 2, bh));
    }
    p.setPen(QPen(QColor(0x8a, 0x7a, 0x5a), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
    // Directors around the table.
    const int seats = headquartersLevel >= 3 ? 5 : headquartersLevel == 2 ? 4 : 3;
    const QRectF table(w * 0.12, h * 0.58, w * 0.76, h * 0.16);
    const QColor suits[] = {QColor(0x2d, 0x3a, 0x4f), QColor(0x44, 0x2f, 0x3a), QColor(0x2f, 0x45, 0x36),
                            QColor(0x3e, 0x3e, 0x46), QColor(0x4a, 0x3b, 0x28)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < seats; ++i) {
        const qreal x = table.left() + table.width() * (i + 0.5) / seats;
        p.setBrush(suits[i % 5]);
        p.drawRoundedRect(QRectF(x - w * 0.05, h * 0.43, w * 0.1, h * 0.2), 8, 8);
        p.setBrush(QColor(0xe0, 0xb8, 0x94));
        p.drawEllipse(QPointF(x, h * 0.39), w * 0.03, w * 0.03);
    }
    QLinearGradient wood(0, table.top(), 0, table.bottom());
    wood.setColorAt(0, QColor(0x8b, 0x5a, 0x2b));
    wood.setColorAt(1, QColor(0x5a, 0x37, 0x18));
    p.setBrush(wood);
    p.drawRoundedRect(table, 10, 10);
    p.setBrush(QColor(0xf7, 0xf3, 0xe8));
    for (int i = 0; i < seats; ++i) {
        const qreal x = table.left() + table.width() * (i + 0.5) / seats;
        p.drawRect(QRectF(x - w * 0.025, table.top() + 6, w * 0.05, h * 0.04));
    }
    return pm;
}

TForm_boardmeeting::TForm_boardmeeting(const Game& g, QWidget* parent) : QDialog(parent) {
    const BoardMeetingScreen m = boardMeetingScreen(g);
    setObjectName(QStringLiteral("TForm_boardmeeting"));
    setWindowTitle(QString::fromStdString(m.caption));
    setModal(true);
    setStyleSheet(financeStyleSheet() + QStringLiteral("QProgressBar { color: transparent; }"));
    setMinimumSize(760, 520);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Company, 34).pixmap(34, 34),
                                             QString::fromStdString(m.caption), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->setSpacing(14);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(boardroomPicture(g.world().headquartersLevel, QSize(260, 220)));
    picture->setAlignment(Qt::AlignTop);
    body->addWidget(picture, 0, Qt::AlignTop);
    text_ = makePaperSheet(this, QStringLiteral("paper"));
    QFont paper = text_->font();
    paper.setFamily(QStringLiteral("DejaVu Serif"));
    paper.setStyleHint(QFont::Serif);
    paper.setPixelSize(14);
    text_->setFont(paper);
    text_->setPlainText(m.text.empty()
                            ? QStringLiteral("The board has nothing to say to you this year.")
                            : QString::fromStdString(m.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    body->addWidget(text_, 1);
    outer->addLayout(body, 1);

    auto* opinion = new QVBoxLayout;
    opinion->setContentsMargins(16, 0, 16, 0);
    opinion->setSpacing(4);
    auto* caption = new QLabel(QString::fromStdString(m.barCaption), this);
    caption->setObjectName(QStringLiteral("cardTitle"));
    opinion->addWidget(caption);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("opinionBar"));
    bar_->setRange(0, 100);
    bar_->setValue(m.barValue);
    opinion->addWidget(bar_);
    auto* labels = new QHBoxLayout;
    const char* words[3] = {"Good", "Neutral", "Bad"};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(QString::fromLatin1(words[i]), this);
        l->setObjectName(QStringLiteral("caption"));
        l->setAlignment(i == 0 ? Qt::AlignLeft : i == 1 ? Qt::AlignHCenter : Qt::AlignRight);
        labels->addWidget(l, 1);
    }
    opinion->addLayout(labels);
    outer->addLayout(opinion);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("closeButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    outer->addLayout(buttons);
}

void TForm_boardmeeting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    look::centreOver(this, parentWidget());
}

}  // namespace cw::ui
