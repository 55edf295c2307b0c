// The progress window: the week's texts, its animation and its two keys.
#include "ui/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "state/game.h"
#include "state/shared_ops.h"

namespace cw::ui {
namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    QString label(const char* name) { return w.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QListWidget* list(const char* name) { return w.findChild<QListWidget*>(QString::fromLatin1(name)); }
    QPushButton* stop() { return w.findChild<QPushButton*>(QStringLiteral("stopFastForward")); }
    QStringList rows(const char* name) {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i) out << list(name)->item(i)->text();
        return out;
    }

    Game g;
    TForm_Project_progress w{g};
};

TEST_F(ProgressWindowTest, ShowsTheWeeksTexts) {
    EXPECT_EQ(w.objectName(), QStringLiteral("TForm_Project_progress"));
    g.world().money = 1234567;
    auto& pfs = g.tables().platforms;
    pfs[1].name = "Atari 2600";
    pfs[1].released = 1;
    pfs[1].marketShare = 45;
    pfs[1].cpuSpec = 2;
    pfs[1].price = 199;
    pfs[2].name = "Vectra";
    pfs[2].released = 1;
    pfs[2].marketShare = 12;
    pfs[2].cpuSpec = 3;
    pfs[2].price = 12990;
    ProgressInfo info;
    info.weekText = "Week 5, 1983";
    info.dateText = "31. January, 1983";
    info.platforms = {"Atari 2600 - 45 - 2 - 199", "Vectra - 12 - 3 - 12990"};
    info.inboxText = "Inbox messages :3";
    w.setInfo(info);
    EXPECT_EQ(label("progressWeek"), QStringLiteral("Week 5, 1983"));
    EXPECT_EQ(label("progressDate"), QStringLiteral("31. January, 1983"));
    EXPECT_EQ(label("progressInbox"), QStringLiteral("Inbox messages :3"));
    EXPECT_EQ(label("progressMoney"), QStringLiteral("Money balance: $ 1,234,567"));
    EXPECT_EQ(w.platformHeadings(),
              (QStringList{QStringLiteral("Platform"), QStringLiteral("Share"), QStringLiteral("CPU"),
                           QStringLiteral("Price")}));
    EXPECT_EQ(w.platformRows(), (QStringList{QStringLiteral("Atari 2600 | 45 | 2 | $ 199"),
                                             QStringLiteral("Vectra | 12 | 3 | $ 12,990")}));
}

// A world set-up shows its step and its bar only: the week, the money and
// the lists belong to a world that is not there yet.
TEST_F(ProgressWindowTest, WorldSetUpShowsOnlyItsStepAndBar) {
    w.show();
    ProgressInfo step;
    step.caption = "Creating companies";
    step.barPercent = 40;
    w.setInfo(step);
    EXPECT_TRUE(w.settingUp());
    EXPECT_EQ(label("progressHeading"), QStringLiteral("Creating companies"));
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("progressMoney"))->isHidden() ||
                !w.findChild<QLabel*>(QStringLiteral("progressMoney"))->isVisible());
    EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("progressWeek"))->isVisible());
    EXPECT_FALSE(list("progressTasks")->isVisible());
    ProgressInfo week;
    week.weekText = "Week 2, 1980";
    w.setInfo(week);
    EXPECT_FALSE(w.settingUp());
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("progressWeek"))->isVisible());
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("progressMoney"))->isVisible());
    // The next set-up starts clean once the window has been put away.
    w.setInfo(step);
    w.hide();
    EXPECT_FALSE(w.settingUp());
}

TEST_F(ProgressWindowTest, CopiesTheTaskList) {
    g.tables().tasks[4].name = "Dungeon Quest";
    g.tables().tasks[4].workTotal = 10;
    g.tables().tasks[4].progress = 5;
    w.animate();
    EXPECT_EQ(rows("progressTasks"), QStringList{QStringLiteral("Dungeon Quest - Software - 50%")});
}

TEST_F(ProgressWindowTest, StopButtonBlinksBlackAndGreen) {
    const QString first = w.stopButtonColour();
    w.animate();
    const QString second = w.stopButtonColour();
    w.animate();
    EXPECT_NE(first, second);
    EXPECT_EQ(w.stopButtonColour(), first);
    EXPECT_TRUE((QStringList{QStringLiteral("black"), QStringLiteral("green")}).contains(second));
}

TEST_F(ProgressWindowTest, NewsListOnlyDuringFastForwardTurningEveryFortySteps) {
    postNews(g, 1, "Economy booming in the US", "Consumers spend more\r\nsecond line");
    postNews(g, 2, "Space Raid", "Released");
    w.show();
    EXPECT_TRUE(list("progressNews")->isHidden());
    EXPECT_TRUE(stop()->isHidden());
    g.session.fastForward = true;
    w.animate();
    EXPECT_FALSE(list("progressNews")->isHidden());
    EXPECT_FALSE(stop()->isHidden());
    EXPECT_EQ(rows("progressNews"), QStringList{QStringLiteral("Economy boom...,Consumers spend more")});
    for (int i = 2; i <= 39; ++i) w.animate();
    EXPECT_EQ(rows("progressNews").size(), 1);
    EXPECT_TRUE(rows("progressNews")[0].startsWith(QStringLiteral("Economy")));
    w.animate();  // the 40th step
    EXPECT_EQ(rows("progressNews"), QStringList{QStringLiteral("Space Raid...,Released")});
}

TEST_F(ProgressWindowTest, StopButtonAsksForAStop) {
    g.session.fastForward = true;
    w.show();
    w.animate();
    stop()->click();
    EXPECT_TRUE(g.session.stopRequested);
}

TEST_F(ProgressWindowTest, TabAsksForOneMoreWeek) {
    int asked = 0;
    QObject::connect(&w, &TForm_Project_progress::oneMoreWeekRequested, [&] { ++asked; });
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(&w, &tab);
    EXPECT_EQ(asked, 1);
    // During a fast forward Tab stops it instead, like Esc.
    g.session.fastForward = true;
    QApplication::sendEvent(&w, &tab);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(g.session.stopRequested);
}

TEST_F(ProgressWindowTest, AnimationRunsEvery200ms) {
    EXPECT_FALSE(w.animating());
    w.startAnimation();
    EXPECT_TRUE(w.animating());
    w.stopAnimation();
    EXPECT_FALSE(w.animating());
}

}  // namespace
}  // namespace cw::ui
