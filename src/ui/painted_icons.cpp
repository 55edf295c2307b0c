#include "ui/painted_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace cw::ui {
namespace {

const QColor kInk(0x17, 0x32, 0x4d);
const QColor kGold(0xf0, 0xa0, 0x20);
const QColor kPaper(0xfb, 0xfa, 0xf5);

QPolygonF triangle(qreal x, qreal y, qreal w, qreal h) {
    return QPolygonF({QPointF(x, y), QPointF(x + w, y + h / 2), QPointF(x, y + h)});
}

void drawNextWeek(QPainter& p) {
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(0x4f, 0x8f, 0xc8));
    g.setColorAt(1, QColor(0x1d, 0x4b, 0x78));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x0e, 0x2a, 0x45), 1.5));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(triangle(12, 8, 12, 16));
}

void drawFastForward(QPainter& p) {
    p.setPen(QPen(QColor(0x0f, 0x4d, 0x45), 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(triangle(3, 7, 13, 18));
    p.drawPolygon(triangle(15, 7, 13, 18));
    p.setBrush(QColor(0xff, 0xe0, 0x8a));
    p.drawRect(QRectF(27, 7, 3, 18));
}

void drawInbox(QPainter& p, bool newMail) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 8, 26, 18), 2, 2);
    p.drawPolyline(QPolygonF({QPointF(3.5, 9), QPointF(16, 19), QPointF(28.5, 9)}));
    if (!newMail) return;
    p.setBrush(QColor(0xc6, 0x28, 0x28));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(22, 3, 8, 8));
}

void drawCoins(QPainter& p) {
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.2));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 2 ? QColor(0xff, 0xd6, 0x6b) : kGold);
        p.drawEllipse(QRectF(6, 20 - i * 6, 20, 8));
    }
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.6));
    QFont f = p.font();
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(6, 8, 20, 8), Qt::AlignCenter, QStringLiteral("$"));
}

void drawNews(QPainter& p) {
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 5, 24, 22));
    p.setBrush(QColor(0x7f, 0x1d, 0x1d));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7, 8, 18, 4));
    p.setBrush(QColor(0x99, 0x99, 0x99));
    p.drawRect(QRectF(7, 14, 8, 8));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(17, 14 + i * 2.5, 8, 1.2));
    p.drawRect(QRectF(7, 23.5, 18, 1.2));
}

void drawTasks(QPainter& p) {
    p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 1.2));
    p.setBrush(QColor(0xd7, 0xb5, 0x88));
    p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 8, 16, 19));
    p.setBrush(QColor(0x9e, 0x9e, 0x9e));
    p.drawRoundedRect(QRectF(12, 2, 8, 5), 1.5, 1.5);
    p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2));
    for (int i = 0; i < 3; ++i)
        p.drawPolyline(QPolygonF({QPointF(10, 12 + i * 5), QPointF(12, 14 + i * 5), QPointF(15, 10 + i * 5)}));
    p.setPen(QPen(QColor(0x75, 0x75, 0x75), 1.2));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(17, 12 + i * 5), QPointF(22, 12 + i * 5));
}

void drawProducts(QPainter& p) {
    p.setPen(QPen(QColor(0x6d, 0x4c, 0x1f), 1.2));
    p.setBrush(QColor(0xe0, 0xb8, 0x70));
    p.drawPolygon(QPolygonF({QPointF(4, 11), QPointF(16, 6), QPointF(28, 11), QPointF(16, 16)}));
    p.setBrush(QColor(0xc8, 0x96, 0x4a));
    p.drawPolygon(QPolygonF({QPointF(4, 11), QPointF(16, 16), QPointF(16, 29), QPointF(4, 24)}));
    p.setBrush(QColor(0xb0, 0x80, 0x38));
    p.drawPolygon(QPolygonF({QPointF(28, 11), QPointF(16, 16), QPointF(16, 29), QPointF(28, 24)}));
}

void drawSave(QPainter& p) {
    p.setPen(QPen(QColor(0x0e, 0x2a, 0x45), 1.2));
    p.setBrush(QColor(0x2f, 0x66, 0x90));
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0xdd, 0xe8, 0xf3));
    p.drawRect(QRectF(9, 4, 13, 8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

void drawEndGame(QPainter& p) {
    p.setPen(QPen(QColor(0xe5, 0x73, 0x73), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 120 * 16, 300 * 16);
    p.drawLine(QPointF(16, 3), QPointF(16, 15));
}

void drawEvents(QPainter& p) {
    p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 4), QPointF(7, 29));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1));
    p.setBrush(QColor(0xff, 0xd6, 0x6b));
    p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(27, 9), QPointF(8, 17)}));
}

void drawOptions(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd6, 0x6b));
    p.save();
    p.translate(16, 16);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-2.5, -14, 5, 7));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 9.5, 9.5);
    p.setBrush(QColor(0x1d, 0x42, 0x67));
    p.drawEllipse(QPointF(0, 0), 4, 4);
    p.restore();
}

void drawClock(QPainter& p) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(16, 8));
    p.drawLine(QPointF(16, 16), QPointF(22, 19));
}

void drawCalendar(QPainter& p) {
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 5, 26, 24), 3, 3);
    p.setBrush(QColor(0xc6, 0x28, 0x28));
    p.drawRect(QRectF(3, 5, 26, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.drawRect(QRectF(6.5 + c * 5.5, 15 + r * 4.5, 3.5, 3));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(9, 2, 2.5, 6), 1, 1);
    p.drawRoundedRect(QRectF(20.5, 2, 2.5, 6), 1, 1);
}

void drawStop(QPainter& p) {
    p.setPen(QPen(QColor(0x8c, 0x2f, 0x2f), 1.5));
    p.setBrush(QColor(0xd3, 0x3f, 0x3f));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.5, 10.5, 11, 11));
}

void drawStar(QPainter& p) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 14 : 6;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        star << QPointF(16 + r * qCos(a), 16.5 + r * qSin(a));
    }
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1));
    p.setBrush(QColor(0xff, 0xd6, 0x6b));
    p.drawPolygon(star);
}

void drawCompany(QPainter& p) {
    p.setPen(QPen(QColor(0x0e, 0x2a, 0x45), 1.2));
    p.setBrush(QColor(0x5b, 0x86, 0xb0));
    p.drawRect(QRectF(6, 6, 14, 23));
    p.setBrush(QColor(0x3f, 0x6a, 0x94));
    p.drawRect(QRectF(20, 13, 7, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x8a));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c) p.drawRect(QRectF(8.5 + c * 5.5, 9 + r * 4, 3, 2.2));
}

}  // namespace

QIcon paintedIcon(PaintedIcon kind, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (kind) {
        case PaintedIcon::NextWeek:
            drawNextWeek(p);
            break;
        case PaintedIcon::FastForward:
            drawFastForward(p);
            break;
        case PaintedIcon::Inbox:
            drawInbox(p, false);
            break;
        case PaintedIcon::InboxNew:
            drawInbox(p, true);
            break;
        case PaintedIcon::Coins:
            drawCoins(p);
            break;
        case PaintedIcon::News:
            drawNews(p);
            break;
        case PaintedIcon::Tasks:
            drawTasks(p);
            break;
        case PaintedIcon::Products:
            drawProducts(p);
            break;
        case PaintedIcon::Save:
            drawSave(p);
            break;
        case PaintedIcon::EndGame:
            drawEndGame(p);
            break;
        case PaintedIcon::Events:
            drawEvents(p);
            break;
        case PaintedIcon::Options:
            drawOptions(p);
            break;
        case PaintedIcon::Clock:
            drawClock(p);
            break;
        case PaintedIcon::Calendar:
            drawCalendar(p);
            break;
        case PaintedIcon::Stop:
            drawStop(p);
            break;
        case PaintedIcon::Star:
            drawStar(p);
            break;
        case PaintedIcon::Company:
            drawCompany(p);
            break;
    }
    p.end();
    return QIcon(pm);
}

QPixmap paintingCanvas(QSize size) {
    const qreal dpr = 2.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace cw::ui
