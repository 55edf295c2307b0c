// The progress window: shown over the main screen while a week is played,
// during a fast forward and while a world is set up.
#pragma once

#include <QFrame>
#include <QStringList>

#include "setup/main_screen_model.h"
#include "state/player.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace cw::ui {

class TForm_Project_progress : public QFrame {
    Q_OBJECT
public:
    TForm_Project_progress(Game& game, QWidget* parent = nullptr);

    // Texts the week tick and the world set-up fill in.
    void setInfo(const ProgressInfo& info);
    void startAnimation();
    void stopAnimation();
    bool animating() const;
    // One step of the 200 ms animation; public so that a test can step it.
    void animate();

    // The platform table: its headings, and each row's cells joined by " | ".
    QStringList platformHeadings() const;
    QStringList platformRows() const;
    // True while a world set-up or a load shows only its step and bar.
    bool settingUp() const { return settingUp_; }

    QString stopButtonColour() const { return stopGreen_ ? QStringLiteral("green") : QStringLiteral("black"); }

signals:
    // Tab while the window has the focus: play one more week.
    void oneMoreWeekRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateFromGame();
    void fillPlatforms();
    void fitToMode();
    void showNews();

    Game& game_;
    ProgressAnimation animation_;
    bool stopGreen_ = false;
    bool captionGiven_ = false;  // a world set-up or a load names its own heading
    bool settingUp_ = false;
    QTimer* timer_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* weekLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* moneyLabel_ = nullptr;
    QLabel* inboxLabel_ = nullptr;
    QWidget* weekBox_ = nullptr;
    QWidget* listsBox_ = nullptr;
    QTreeWidget* platformTable_ = nullptr;
    QListWidget* taskList_ = nullptr;
    QLabel* newsHeading_ = nullptr;
    QListWidget* newsList_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* stopButton_ = nullptr;
};

}  // namespace cw::ui
