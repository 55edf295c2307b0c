// The timed notification: a small always-on-top window centred over the
// main screen that fades away by itself. The game never waits for it.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace cw::ui {

class NotificationWindow : public QWidget {
    Q_OBJECT
public:
    explicit NotificationWindow(QWidget* parent = nullptr);

    // Replaces whatever is shown at once, fully opaque; after `durationMs`
    // the window starts to fade.
    void showNotification(const QString& title, const QString& text, int durationMs);

    // One fade step, as the fade timer runs it every 50 ms: opacity drops by
    // 20 (255, 235, ..., 35); below 50 the window hides.
    void fadeStep();

    int opacity() const { return opacity_; }  // 0..255
    bool fading() const { return fadeTimer_.isActive(); }
    QString title() const;
    QString text() const;
    // True when the icon shown is the information one, false for the warning.
    bool showsInformation() const { return information_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();

    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* text_ = nullptr;
    QTimer holdTimer_;
    QTimer fadeTimer_;
    int opacity_ = 255;
    bool information_ = false;
};

}  // namespace cw::ui
