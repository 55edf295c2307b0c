#include "ui/dev_look.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace cw::ui {

QString devStyleSheet(const QString& root) {
    return QStringLiteral(
               "QDialog#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f2b3d, stop:1 #141b26); }"
               "QWidget#headerBand { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2c4468, "
               "stop:1 #1a2739); border-bottom: 2px solid #f2c14e; }"
               "QLabel#bandTitle { color: #f2c14e; font-size: 20px; font-weight: bold; letter-spacing: 1px; }"
               "QLabel#bandSubtitle { color: #c9d6e3; font-size: 13px; }"
               "QLabel { color: #dfe7f1; font-size: 13px; }"
               "QLabel#note { color: #8a9bb0; font-size: 12px; }"
               "QLabel#warning { color: #ffb35c; font-size: 13px; font-weight: bold; }"
               "QLabel#bigNumber { color: #f2c14e; font-size: 22px; font-weight: bold; }"
               "QLabel#areaNumber { color: #ffffff; font-size: 14px; font-weight: bold; }"
               "QLabel#leaderName { color: #7ed957; font-size: 14px; font-weight: bold; }"
               "QLabel#leaderName[none=\"true\"] { color: #ff7b6b; }"
               "QGroupBox { color: #f2c14e; font-size: 13px; font-weight: bold; border: 1px solid #33445e;"
               "  border-radius: 6px; margin-top: 12px; padding: 10px 8px 8px 8px; background: rgba(20, 30, 45, 160); }"
               "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
               "QLineEdit, QComboBox, QSpinBox { background: #0f1620; color: #ffffff; border: 1px solid #3a6ea5;"
               "  border-radius: 3px; padding: 4px 6px; font-size: 13px; selection-background-color: #3a6ea5; }"
               "QLineEdit:focus, QComboBox:focus, QSpinBox:focus { border-color: #f2c14e; }"
               "QComboBox QAbstractItemView { background: #1b2534; color: #dfe7f1; selection-background-color: #3d6aa8; }"
               "QSpinBox:disabled, QLineEdit:disabled { color: #66768a; border-color: #2a3950; }"
               "QListWidget { background: #1b2534; color: #dfe7f1; border: 1px solid #33445e; font-size: 13px; }"
               "QListWidget::item { padding: 3px; }"
               "QListWidget::indicator, QCheckBox::indicator { width: 13px; height: 13px; border: 1px solid #5a8cc4;"
               "  background: #0f1620; border-radius: 2px; }"
               "QListWidget::indicator:checked, QCheckBox::indicator:checked { background: #f2c14e;"
               "  border-color: #f2c14e; }"
               "QPushButton#Button_music { min-width: 0; padding: 6px 8px; }"
               "QListWidget:disabled { color: #66768a; }"
               "QTableWidget { background: #1b2534; color: #dfe7f1; border: 1px solid #33445e; font-size: 13px;"
               "  selection-background-color: #3d6aa8; }"
               "QHeaderView::section { background: #2c4468; color: #f2f5f9; padding: 5px; border: none; font-weight: bold; }"
               "QCheckBox { color: #e6ecf3; font-size: 13px; spacing: 6px; }"
               "QCheckBox:disabled { color: #66768a; }"
               "QSlider::groove:horizontal { height: 6px; background: #2a3950; border-radius: 3px; }"
               "QSlider::sub-page:horizontal { background: #4f8fd6; border-radius: 3px; }"
               "QSlider::handle:horizontal { background: #f2c14e; width: 14px; margin: -5px 0; border-radius: 7px; }"
               "QProgressBar { background: #0f1620; border: 1px solid #33445e; border-radius: 4px; color: #ffffff;"
               "  text-align: center; font-size: 12px; height: 16px; }"
               "QProgressBar::chunk { border-radius: 3px; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
               "stop:0 #3b78c2, stop:1 #5fa6f0); }"
               "QProgressBar#hypeBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #c2603b, "
               "stop:1 #f2c14e); }"
               "QProgressBar#qualityBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3f9b45, "
               "stop:1 #7ed957); }"
               "QTabWidget::pane { border: 1px solid #33445e; border-radius: 4px; top: -1px; }"
               "QTabBar::tab { background: #1b2534; color: #c9d6e3; padding: 7px 18px; border: 1px solid #33445e;"
               "  border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px; font-weight: bold; }"
               "QTabBar::tab:selected { background: #2c4468; color: #f2c14e; }"
               "QPushButton { min-width: 90px; padding: 6px 16px; border-radius: 4px; font-size: 13px;"
               "  font-weight: bold; color: #ffffff; border: 1px solid #5a8cc4;"
               "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a80bb, stop:1 #2b5585); }"
               "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5b93d0, stop:1 #34659c); }"
               "QPushButton:disabled { color: #7d8a99; border-color: #3a4656; background: #27313e; }"
               "QPushButton#startButton { font-size: 15px; padding: 10px 22px; border: 1px solid #c46a5a;"
               "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f9b45, stop:1 #2a6e2f); }"
               "QPushButton#startButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4fb356, "
               "stop:1 #347f39); }"
               "QPushButton#startButton:disabled { color: #7d8a99; border-color: #3a4656; background: #27313e; }"
               "QPushButton#closeButton { border-color: #6b7786;"
               "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #56616f, stop:1 #3a434f); }")
        .arg(root);
}

QPixmap devBandPicture() {
    const qreal dpr = 2.0;
    QPixmap pm(QSize(44, 34) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
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
    const qreal dpr = 2.0;
    QPixmap pm(QSize(62, 22) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
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
