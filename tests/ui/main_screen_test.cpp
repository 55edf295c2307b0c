// The main screen shows the core's main-screen model and plays the turns.
#include "ui/main_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "fakes/recording_player.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "state/inbox.h"
#include "state/shared_ops.h"
#include "ui/placeholder_screens.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

class MainScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        g.world().sharesOwnedPercent = 40;  // no takeover by an empty holding
        player.setMainScreen(&screen);
        progress = new TForm_Project_progress(g, &screen);
        screen.attachProgressWindow(progress);
        player.setProgressWindow(progress);
        screen.refresh();
        screen.show();
        // No dialog may hold a test up: any that opens is closed at once.
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        closer.start(20);
    }
    template <typename T>
    T* child(const char* name) {
        T* w = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) { return child<QLabel>(label)->text(); }

    Game g;
    QtPlayer player{&g};
    TForm_main screen{g, player};
    TForm_Project_progress* progress = nullptr;
    QTimer closer;
};

TEST_F(MainScreenTest, NamedAndTitled) {
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Crestwork II"));
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_main"));
    EXPECT_EQ(text("companyLabel"), QStringLiteral("Pixel Forge"));
    EXPECT_EQ(text("cashLabel"), QStringLiteral("$ 4,000,000"));
    EXPECT_EQ(text("cheatCaption"), QStringLiteral("Used Cheat codes"));
    EXPECT_EQ(text("cheatLabel"), QStringLiteral("0/3 times"));
    EXPECT_EQ(child<QPushButton>("fastForwardButton")->toolTip().section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Fast forward  stop at next important event"));
}

TEST_F(MainScreenTest, NextWeekAdvancesTheDate) {
    EXPECT_EQ(text("weekLabel"), QStringLiteral("Week 1"));
    const QString before = text("dateLabel");
    child<QPushButton>("nextWeekButton")->click();
    EXPECT_EQ(g.currentWeek, 2);
    EXPECT_EQ(text("weekLabel"), QStringLiteral("Week 2"));
    EXPECT_NE(text("dateLabel"), before);
    EXPECT_FALSE(screen.coverVisible());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(screen.busy());
}

TEST_F(MainScreenTest, KeysPlayTurns) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&screen, &space);
    EXPECT_EQ(g.currentWeek, 2);
    for (QShortcut* s : screen.findChildren<QShortcut*>()) {
        if (s->key() == QKeySequence(Qt::Key_F5)) emit s->activated();
    }
    EXPECT_EQ(g.currentWeek, 3);
}

TEST_F(MainScreenTest, NoTurnWhileTheCoverIsDown) {
    screen.setCoverVisible(true);  // before a game has started
    child<QPushButton>("nextWeekButton")->click();
    screen.nextWeekClicked();
    EXPECT_EQ(g.currentWeek, 1);
}

TEST_F(MainScreenTest, FastForwardStaysResponsiveAndStops) {
    int stopsClicked = 0;
    // The click can only land while the weeks run if the window keeps
    // processing its events between them.
    QTimer::singleShot(450, progress, [&] {
        ASSERT_TRUE(progress->isVisible());
        ASSERT_TRUE(screen.busy());
        progress->findChild<QPushButton*>(QStringLiteral("stopFastForward"))->click();
        ++stopsClicked;
    });
    child<QPushButton>("fastForwardButton")->click();
    EXPECT_EQ(stopsClicked, 1);
    EXPECT_GT(g.currentWeek, 2);
    EXPECT_FALSE(g.session.fastForward);
    EXPECT_EQ(text("weekLabel"), QStringLiteral("Week ") + QString::number(g.currentWeek));
    EXPECT_FALSE(screen.coverVisible());
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(MainScreenTest, TabOnTheProgressWindowPlaysOneMoreWeek) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(progress, &tab);
    EXPECT_EQ(g.currentWeek, 2);
}

TEST_F(MainScreenTest, FinanceLabelsColouredByTone) {
    g.world().money = 3750000;
    child<QPushButton>("nextWeekButton")->click();
    const auto week = screen.findChildren<QLabel*>(QStringLiteral("financeValue"));
    ASSERT_EQ(week.size(), 3);
    QLabel* first = nullptr;
    for (QLabel* l : week)
        if (l->property("labelIndex").toInt() == 1) first = l;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->text().startsWith(QLatin1Char('-')));
    EXPECT_TRUE(first->styleSheet().contains(QStringLiteral("#c62828")));  // red
    g.session.weekCashChange = 0;
    screen.refresh();
    EXPECT_TRUE(first->styleSheet().contains(QStringLiteral("#1a237e")));  // navy
    g.session.weekCashChange = 5;
    screen.refresh();
    EXPECT_TRUE(first->styleSheet().contains(QStringLiteral("#2e7d32")));  // green
}

TEST_F(MainScreenTest, InboxButtonCountsAndBlinksUntilOpened) {
    auto* inbox = child<QPushButton>("inboxButton");
    EXPECT_EQ(inbox->text(), QStringLiteral("Inbox (0)"));
    postLetter(g, player, "Good Luck", "Welcome");
    EXPECT_EQ(inbox->text(), QStringLiteral("Inbox (1)"));
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(inbox->graphicsEffect());
    ASSERT_NE(effect, nullptr);
    screen.blinkInbox();
    const qreal a = effect->opacity();
    screen.blinkInbox();
    const qreal b = effect->opacity();
    EXPECT_NE(a, b);
    EXPECT_NEAR(std::min(a, b), 150 / 255.0, 1e-6);
    EXPECT_NEAR(std::max(a, b), 250 / 255.0, 1e-6);

    int requested = 0;
    QObject::connect(&screen, &TForm_main::inboxRequested, [&] { ++requested; });
    inbox->click();
    EXPECT_EQ(requested, 1);
    EXPECT_FALSE(g.inbox.newMailFlag);
    screen.blinkInbox();
    EXPECT_EQ(effect->opacity(), 1.0);
}

TEST_F(MainScreenTest, OptionPanelsAreBoundToTheSession) {
    child<QPushButton>("eventStopButton")->click();
    QCheckBox* warehouse = nullptr;
    QCheckBox* deleteOld = nullptr;
    for (QCheckBox* c : screen.findChildren<QCheckBox*>()) {
        if (c->text() == QLatin1String("WareHouse Full")) warehouse = c;
        if (c->text() == QLatin1String("DELETE mail older than One year")) deleteOld = c;
    }
    ASSERT_NE(warehouse, nullptr);
    ASSERT_NE(deleteOld, nullptr);
    EXPECT_TRUE(warehouse->isVisible());
    EXPECT_FALSE(deleteOld->isVisible());
    warehouse->click();
    EXPECT_FALSE(g.session.eventStops.warehouseFull);
    EXPECT_TRUE(g.session.eventStops.employeeChanges);
    deleteOld->click();
    EXPECT_FALSE(g.session.inboxOptions.deleteOldMail);
    child<QCheckBox>("autosaveBox")->click();
    EXPECT_TRUE(g.session.autosave);
    const QStringList events = {"New Hardware Finished",
                                "New Game development Finished",
                                "Engine development/support Finished",
                                "Hardware research finished",
                                "WareHouse Full",
                                "Employee changes",
                                "Mail on production stop",
                                "Mail on software news",
                                "Mail on Hardware news",
                                "Mail on Employee  wage change",
                                "DELETE mail older than One year",
                                "Autosave Each 10 weeks"};
    QStringList shown;
    for (QCheckBox* c : screen.findChildren<QCheckBox*>()) shown << c->text();
    for (const QString& e : events) EXPECT_TRUE(shown.contains(e)) << e.toStdString();
}

TEST_F(MainScreenTest, TasksAndNewsPanels) {
    g.tables().tasks[2].name = "Dungeon Quest";
    g.tables().tasks[2].workTotal = 100;
    g.tables().tasks[2].progress = 40;
    postNews(g, 2, "Space Raid", "Released for the Atari 2600");
    screen.refresh();
    auto* tasks = child<QTreeWidget>("taskList");
    ASSERT_EQ(tasks->topLevelItemCount(), 1);
    EXPECT_EQ(tasks->topLevelItem(0)->text(0), QStringLiteral("Dungeon Quest"));
    EXPECT_EQ(tasks->topLevelItem(0)->data(2, Qt::UserRole).toInt(), 40);
    screen.showNewsCategory(2);
    QStringList titles;
    for (QLabel* l : screen.findChildren<QLabel*>(QStringLiteral("newsTitle")))
        if (!l->isHidden()) titles << l->text();
    EXPECT_EQ(titles, QStringList{QStringLiteral("Space Raid")});
}

TEST_F(MainScreenTest, ChristmasBanner) {
    auto* banner = child<QLabel>("christmasBanner");
    EXPECT_TRUE(banner->isHidden());
    player.setChristmasBanner("Christmas sales\r\n8 weeks left");
    EXPECT_FALSE(banner->isHidden());
    EXPECT_TRUE(banner->text().contains(QStringLiteral("8 weeks left")));
    player.setChristmasBanner("");
    EXPECT_TRUE(banner->isHidden());
}

TEST_F(MainScreenTest, EndGameClosesTheScreen) {
    test::RecordingPlayer answersYes;
    TForm_main other(g, answersYes);
    other.show();
    int ended = 0;
    QObject::connect(&other, &TForm_main::gameEnded, [&] { ++ended; });
    other.findChild<QPushButton*>(QStringLiteral("endGameButton"))->click();
    ASSERT_EQ(answersYes.only("dialog").size(), 1u);
    EXPECT_EQ(answersYes.only("dialog")[0].a, "Quit Current Game");
    EXPECT_TRUE(g.gameOver);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(other.isVisible());
}

TEST_F(MainScreenTest, GameOverDuringATurnClosesTheScreen) {
    g.session.cheatCount = 4;  // the next week ends the game
    int ended = 0;
    QObject::connect(&screen, &TForm_main::gameEnded, [&] { ++ended; });
    child<QPushButton>("nextWeekButton")->click();
    EXPECT_TRUE(g.gameOver);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MainScreenTest, PlayerShowsAndHidesTheProgressWindowWithTheCover) {
    player.progressShow();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->animating());
    EXPECT_TRUE(screen.coverVisible());
    player.progressHide();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(progress->animating());
    EXPECT_FALSE(screen.coverVisible());
}

TEST_F(MainScreenTest, EndGameAnsweredNoPlaysOn) {
    test::RecordingPlayer answersNo;
    answersNo.buttonAnswers.push_back(false);
    TForm_main other(g, answersNo);
    other.show();
    other.findChild<QPushButton*>(QStringLiteral("endGameButton"))->click();
    EXPECT_FALSE(g.gameOver);
    EXPECT_TRUE(other.isVisible());
}

TEST(PlaceholderScreens, NamedHiddenWindows) {
    QWidget owner;
    ScreenSet set;
    for (const char* name : {"TForm_MapOption", "Tform_bank", "TPasswordDlg"})
        set.add(createPlaceholderScreen(QString::fromLatin1(name), &owner));
    EXPECT_EQ(set.names(), (std::vector<QString>{QStringLiteral("TForm_MapOption"), QStringLiteral("Tform_bank"),
                                                 QStringLiteral("TPasswordDlg")}));
    QWidget* bank = set.find(QStringLiteral("Tform_bank"));
    ASSERT_NE(bank, nullptr);
    EXPECT_TRUE(bank->isWindow());
    EXPECT_TRUE(bank->isHidden());
    EXPECT_EQ(set.find(QStringLiteral("TForm_E3")), nullptr);
}

}  // namespace
}  // namespace cw::ui

namespace cw::ui {

// With CW_SCREENSHOT_DIR set, saves what a player sees after a few weeks.
TEST_F(MainScreenTest, ScreenshotAfterSomeWeeks) {
    const char* dir = std::getenv("CW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    g.tables().tasks[1].name = "Star Courier";
    g.tables().tasks[1].workTotal = 100;
    g.tables().tasks[1].progress = 65;
    postNews(g, 1, "New company", "New company, Pixel Forge is a reality.");
    postLetter(g, player, "Good Luck", "Good luck on your business\r\nKind regards, Your bank");
    for (int i = 0; i < 3; ++i) screen.nextWeekClicked();
    screen.refresh();
    screen.grab().save(QString(dir) + "/main.png");
}

}  // namespace cw::ui
