#include "ui/dev_look.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include "ui/painted_icons.h"

namespace cw::ui {

QString devStyleSheet(const QString& root) {
    // Fields, lists, grids, tabs, progress bars and the Close button come
    // from the application's look.
    return QStringLiteral(
               "QLabel#bigNumber { color: #f2c14e; font-size: 17pt; font-weight: bold; }"
               "QLabel#areaNumber { color: #ffffff; font-size: 11pt; font-weight: bold; }"
               "QLabel#leaderName { color: #7ed957; font-size: 11pt; font-weight: bold; }"
               "QLabel#leaderName[none=\"true\"] { color: #ff7b6b; }"
               "QProgressBar#hypeBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #c2603b, "
               "stop:1 #f2c14e); }"
               "QProgressBar#qualityBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3f9b45, "
               "stop:1 #7ed957); }"
               "QDialog#%1 QPushButton { min-width: 90px; }"
               "QDialog#%1 QPushButton#Button_music { min-width: 0; padding: 6px 8px; }"
               "QPushButton#startButton { font-size: 11pt; padding: 10px 22px; border: 1px solid #c46a5a;"
               "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f9b45, stop:1 #2a6e2f); }"
               "QPushButton#startButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4fb356, "
               "stop:1 #347f39); }"
               "QPushButton#startButton:disabled { color: #8b96a3; border-color: #3f4a58; background: #2f3946; }")
        .arg(root);
}

QPixmap devBandPicture() {
    QPixmap pm = paintingCanvas(QSize(44, 34));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xf2, 0xc1, 0x4e);
    const QColor edge = gold.darker(170);
    // A floppy disk behind a game pad: making games.
    p.setPen(QPen(edge, 1.2));
    p.setBrush(QColor(0x2c, 0x44, 0x68));
    p.drawRoundedRect(QRectF(20, 1, 22, 22), 2, 2);
    p.setBrush(QColor(0xdf, 0xe7, 0xf1));
    p.drawRect(QRectF(25, 2, 12, 7));
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 12, 34, 18), 9, 9);
    p.setBrush(gold);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawRect(QRectF(8, 19, 10, 4));
    p.drawRect(QRectF(11, 16, 4, 10));
    p.setBrush(QColor(0xc6, 0x28, 0x28));
    p.drawEllipse(QPointF(26, 19), 2.4, 2.4);
    p.setBrush(QColor(0x24, 0x52, 0x7a));
    p.drawEllipse(QPointF(31, 23), 2.4, 2.4);
    return pm;
}

QPixmap trafficLightPicture(int lit) {
    QPixmap pm = paintingCanvas(QSize(62, 22));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x0a, 0x0e, 0x14), 1));
    p.setBrush(QColor(0x22, 0x28, 0x31));
    p.drawRoundedRect(QRectF(0.5, 0.5, 61, 21), 10, 10);
    const QColor on[3] = {QColor(0xff, 0x4d, 0x3d), QColor(0xff, 0xd0, 0x3a), QColor(0x5c, 0xe0, 0x4a)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(11 + i * 20, 11);
        QColor colour = i == lit ? on[i] : on[i].darker(380);
        p.setBrush(colour);
        p.drawEllipse(c, 7, 7);
        if (i == lit) {
            // A small shine makes the lit lamp read as glowing.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 110));
            p.drawEllipse(QPointF(c.x() - 2, c.y() - 2.5), 2.5, 2);
            p.setPen(QPen(QColor(0x0a, 0x0e, 0x14), 1));
        }
    }
    return pm;
}


}  // namespace cw::ui
