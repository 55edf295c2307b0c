#include "ui/employees_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "ui/painted_icons.h"

namespace cw::ui {
namespace {

QPixmap canvas(int size) { return paintingCanvas(QSize(size, size)); }

void figure(QPainter& p, QPointF at, qreal scale, const QColor& colour) {
    p.setBrush(colour);
    p.setPen(QPen(colour.darker(150), 1.0));
    p.drawEllipse(QRectF(at.x() - 4.5 * scale, at.y(), 9 * scale, 9 * scale));
    QPainterPath body;
    body.moveTo(at.x() - 9 * scale, at.y() + 22 * scale);
    body.cubicTo(at.x() - 9 * scale, at.y() + 10 * scale, at.x() + 9 * scale, at.y() + 10 * scale, at.x() + 9 * scale,
                 at.y() + 22 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

}  // namespace

QPixmap staffIcon(int size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    figure(p, QPointF(20 * s, 4 * s), s, QColor(0x8f, 0xb8, 0xe6));
    figure(p, QPointF(12 * s, 8 * s), s, QColor(0xf2, 0xc1, 0x4e));
    return pm;
}

QPixmap facePicture(int person, FaceMood mood, int size) {
    static const std::array<QColor, 5> skins = {QColor(0xf3, 0xd0, 0xb0), QColor(0xe0, 0xac, 0x82),
                                                QColor(0xc6, 0x8c, 0x5e), QColor(0x9c, 0x66, 0x40),
                                                QColor(0x6e, 0x45, 0x2a)};
    static const std::array<QColor, 5> hairs = {QColor(0x2b, 0x1d, 0x14), QColor(0x6b, 0x43, 0x22),
                                                QColor(0xc8, 0x9b, 0x48), QColor(0x8f, 0x8f, 0x8f),
                                                QColor(0xa4, 0x3c, 0x1e)};
    QColor backdrop(0x3a, 0x6e, 0xa5);
    if (mood == FaceMood::Happy) backdrop = QColor(0x2e, 0x9d, 0x5a);
    if (mood == FaceMood::Doubtful) backdrop = QColor(0xd9, 0x8e, 0x21);
    if (mood == FaceMood::Refusing) backdrop = QColor(0xc2, 0x3b, 0x2e);
    const unsigned h = static_cast<unsigned>(person) * 2654435761u;
    const QColor skin = skins[(h >> 8) % skins.size()];
    const QColor hair = hairs[(h >> 16) % hairs.size()];
    const bool longHair = (h >> 24) % 3 == 0;

    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    QRadialGradient bg(40, 30, 80);
    bg.setColorAt(0, backdrop.lighter(130));
    bg.setColorAt(1, backdrop.darker(130));
    p.setPen(QPen(QColor(0x13, 0x1a, 0x25), 3));
    p.setBrush(bg);
    p.drawEllipse(QRectF(3, 3, 94, 94));
    p.save();
    QPainterPath clip;
    clip.addEllipse(QRectF(4.5, 4.5, 91, 91));
    p.setClipPath(clip);
    // Shoulders in a jacket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x24, 0x32, 0x4a));
    p.drawEllipse(QRectF(16, 74, 68, 50));
    p.setBrush(QColor(0xf7, 0xf3, 0xe8));
    QPainterPath collar;
    collar.moveTo(42, 76);
    collar.lineTo(50, 90);
    collar.lineTo(58, 76);
    collar.closeSubpath();
    p.drawPath(collar);
    if (longHair) {
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(25, 22, 50, 58), 20, 20);
    }
    p.setBrush(skin);
    p.setPen(QPen(skin.darker(130), 1.2));
    p.drawEllipse(QRectF(29, 22, 42, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    QPainterPath top;
    top.moveTo(28, 44);
    top.cubicTo(26, 14, 74, 14, 72, 44);
    top.cubicTo(64, 30, 40, 28, 28, 44);
    p.drawPath(top);
    p.restore();

    const QColor ink(0x2b, 0x1d, 0x14);
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(41, 47), 2.6, 3.0);
    p.drawEllipse(QPointF(59, 47), 2.6, 3.0);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (mood == FaceMood::Refusing) {
        p.drawLine(QPointF(36, 39), QPointF(45, 42));
        p.drawLine(QPointF(64, 39), QPointF(55, 42));
    } else if (mood == FaceMood::Doubtful) {
        p.drawLine(QPointF(36, 40), QPointF(45, 40));
        p.drawLine(QPointF(55, 38), QPointF(64, 41));
    }
    QPainterPath mouth;
    switch (mood) {
        case FaceMood::Happy:
            mouth.moveTo(40, 58);
            mouth.cubicTo(44, 67, 56, 67, 60, 58);
            break;
        case FaceMood::Refusing:
            mouth.moveTo(41, 63);
            mouth.cubicTo(45, 56, 55, 56, 59, 63);
            break;
        case FaceMood::Doubtful:
            mouth.moveTo(42, 61);
            mouth.lineTo(58, 59);
            break;
        case FaceMood::Neutral:
            mouth.moveTo(42, 60);
            mouth.cubicTo(46, 62, 54, 62, 58, 60);
            break;
    }
    p.drawPath(mouth);
    return pm;
}

QColor ratingColour(int value) {
    if (value < 20) return {0xd2, 0x4b, 0x3c};
    if (value < 40) return {0xe0, 0x8a, 0x2c};
    if (value < 60) return {0xe6, 0xc3, 0x3a};
    if (value < 80) return {0x8c, 0xc8, 0x4b};
    return {0x2e, 0xb8, 0x6a};
}

MoodMeter::MoodMeter(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setToolTip(QStringLiteral("The candidate's patience: every suggestion may cost some"));
}

void MoodMeter::setMood(int mood) {
    mood_ = mood;
    update();
}

void MoodMeter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    static const std::array<QColor, 5> lit = {QColor(0xd2, 0x4b, 0x3c), QColor(0xe0, 0x8a, 0x2c),
                                              QColor(0xe6, 0xc3, 0x3a), QColor(0x8c, 0xc8, 0x4b),
                                              QColor(0x2e, 0xb8, 0x6a)};
    const int shown = std::clamp(mood_, 0, 5);
    for (int i = 0; i < 5; ++i) {
        const QRectF r(2 + i * 18, 2, 14, 14);
        p.setPen(QPen(QColor(0x0f, 0x16, 0x20), 1.2));
        p.setBrush(i < shown ? lit[static_cast<std::size_t>(shown - 1)] : QColor(0x2f, 0x39, 0x46));
        p.drawEllipse(r);
    }
}

}  // namespace cw::ui
