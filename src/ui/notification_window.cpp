#include "ui/notification_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

#include "setup/main_screen_model.h"
#include "ui/message_dialogs.h"

namespace cw::ui {

NotificationWindow::NotificationWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TNotification"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::PointingHandCursor);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(18, 14, 22, 14);
    row->setSpacing(14);
    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("iconLabel"));
    row->addWidget(icon_, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setTextFormat(Qt::PlainText);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("textLabel"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    texts->addWidget(title_);
    texts->addWidget(text_);
    row->addLayout(texts, 1);
    // A click anywhere, the texts included, dismisses the notification.
    for (QLabel* l : {icon_, title_, text_}) l->setAttribute(Qt::WA_TransparentForMouseEvents);
    setMinimumWidth(320);
    setMaximumWidth(480);

    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] { fadeTimer_.start(); });
    fadeTimer_.setInterval(50);
    connect(&fadeTimer_, &QTimer::timeout, this, &NotificationWindow::fadeStep);
}

void NotificationWindow::showNotification(const QString& title, const QString& text, int durationMs) {
    dismiss();
    information_ = noticeKind(title.toStdString()) == NoticeKind::Information;
    icon_->setPixmap(information_ ? look::badge(QLatin1Char('i'), look::kInfo, 34)
                                  : look::badge(QLatin1Char('!'), look::kAccent, 34));
    title_->setText(title);
    text_->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    opacity_ = 255;
    setWindowOpacity(1.0);
    look::centreOver(this, parentWidget());
    show();
    raise();
    holdTimer_.start(std::max(0, durationMs));
}

void NotificationWindow::fadeStep() {
    opacity_ -= 20;
    if (opacity_ < 50) {
        dismiss();
        return;
    }
    setWindowOpacity(opacity_ / 255.0);
}

QString NotificationWindow::title() const { return title_->text(); }
QString NotificationWindow::text() const { return text_->text(); }

void NotificationWindow::mousePressEvent(QMouseEvent* event) {
    dismiss();
    event->accept();
}

void NotificationWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.addRoundedRect(r, 10, 10);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x26, 0x36, 0x4f, 245));
    fill.setColorAt(1, QColor(0x13, 0x1a, 0x25, 245));
    p.fillPath(path, fill);
    p.setPen(QPen(look::kAccent, 1.5));
    p.drawPath(path);
    // A gold stripe down the left edge marks it as a game message.
    p.setClipPath(path);
    p.fillRect(QRectF(r.left(), r.top(), 5, r.height()), look::kAccent);
}

void NotificationWindow::dismiss() {
    holdTimer_.stop();
    fadeTimer_.stop();
    hide();
}

}  // namespace cw::ui
