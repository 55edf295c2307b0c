// The main screen's "Projects in progress": the list and the task
// information panel come from the core's task panel, follow the weeks and
// lead into a game's "Project properties" or a study's intensifying.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "setup/new_game.h"
#include "sim/task_panel.h"
#include "state/game.h"
#include "state/tasks.h"
#include "ui/main_screen.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

class MainScreenTasksTest : public ::testing::Test {
protected:
    void SetUp() override {
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        g.world().sharesOwnedPercent = 40;
        auto& tasks = g.tables().tasks;
        tasks[2].name = "Dungeon Quest";
        tasks[2].taskType = kTaskGame;
        tasks[2].workTotal = 100;
        tasks[2].progress = 40;
        tasks[2].game.title = "Dungeon Quest";
        tasks[5].name = "Study";
        tasks[5].taskType = kTaskStudy;
        tasks[5].workTotal = 30;
        tasks[5].progress = 0;
        player.setMainScreen(&screen);
        progress = new TForm_Project_progress(g, &screen);
        screen.attachProgressWindow(progress);
        player.setProgressWindow(progress);
        screen.refresh();
        screen.show();
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
    QTreeWidgetItem* row(int i) { return child<QTreeWidget>("taskList")->topLevelItem(i); }
    QString panelText() { return child<QLabel>("taskPanelText")->text(); }

    Game g;
    QtPlayer player{&g};
    TForm_main screen{g, player};
    TForm_Project_progress* progress = nullptr;
    QTimer closer;
};

TEST_F(MainScreenTasksTest, ListShowsEveryTaskAndTheFirstIsChosen) {
    auto* list = child<QTreeWidget>("taskList");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(row(0)->text(0), QStringLiteral("Dungeon Quest"));
    EXPECT_EQ(row(0)->text(1), QStringLiteral("Game"));
    EXPECT_EQ(row(0)->data(2, Qt::UserRole).toInt(), 40);
    EXPECT_EQ(row(1)->text(1), QStringLiteral("Study"));
    EXPECT_EQ(screen.selectedTask(), 2);
    EXPECT_TRUE(row(0)->isSelected());
    EXPECT_EQ(child<QLabel>("taskPanelTitle")->text(), QStringLiteral("Dungeon Quest"));
    EXPECT_TRUE(child<QPushButton>("projectPropertiesButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("intensifyStudyButton")->isHidden());
}

TEST_F(MainScreenTasksTest, SelectingATaskShowsItsPanel) {
    const QString gameText = panelText();
    EXPECT_TRUE(gameText.contains(QStringLiteral("Programming:"))) << gameText.toStdString();
    child<QTreeWidget>("taskList")->setCurrentItem(row(1));
    EXPECT_EQ(screen.selectedTask(), 5);
    const QString text = panelText();
    EXPECT_TRUE(text.contains(QStringLiteral("Study subject :"))) << text.toStdString();
    EXPECT_EQ(text, QString::fromStdString(taskPanelText(taskPanel(g, 5)))
                        .section(QLatin1Char('\n'), 1)
                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                        .replaceInStrings(QRegularExpression(QStringLiteral("^\\s+")), QString())
                        .join(QLatin1Char('\n')));
    EXPECT_TRUE(child<QPushButton>("projectPropertiesButton")->isHidden());
    EXPECT_FALSE(child<QPushButton>("intensifyStudyButton")->isHidden());
}

TEST_F(MainScreenTasksTest, TheWeekRefreshesListAndPanelAndKeepsTheChoice) {
    child<QTreeWidget>("taskList")->setCurrentItem(row(1));
    // A task that ends is dropped from the list; the choice stays where it was.
    g.tables().tasks[2].progress = 75;
    screen.nextWeekClicked();
    EXPECT_EQ(screen.selectedTask(), 5);
    ASSERT_GE(child<QTreeWidget>("taskList")->topLevelItemCount(), 1);
    bool seen = false;
    for (int i = 0; i < child<QTreeWidget>("taskList")->topLevelItemCount(); ++i)
        if (row(i)->data(0, Qt::UserRole).toInt() == 2) {
            seen = true;
            EXPECT_GE(row(i)->data(2, Qt::UserRole).toInt(), 75);
        }
    EXPECT_TRUE(seen);
    EXPECT_EQ(child<QProgressBar>("taskProgress")->value(), g.tables().tasks[5].progress);
}

TEST_F(MainScreenTasksTest, AGamesResearchMovesOnThePanelInTheCorePhase) {
    QSlider* design = screen.researchSlider(1);
    ASSERT_NE(design, nullptr);
    EXPECT_TRUE(design->isVisibleTo(&screen));
    EXPECT_TRUE(design->isEnabled());
    design->setValue(80);
    EXPECT_EQ(g.tables().tasks[2].game.researchDesign, 80);
    EXPECT_TRUE(panelText().contains(QStringLiteral("80"))) << panelText().toStdString();
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        screen.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/task_panel_research.png"));
    g.tables().tasks[2].progress = 100;  // the core is done
    screen.refresh();
    EXPECT_FALSE(design->isEnabled());
    child<QTreeWidget>("taskList")->setCurrentItem(row(1));
    EXPECT_FALSE(design->isVisibleTo(&screen));
}

TEST_F(MainScreenTasksTest, AGameTaskOpensItsProjectScreen) {
    std::vector<int> asked;
    QObject::connect(&screen, &TForm_main::projectRequested, [&](int t) { asked.push_back(t); });
    child<QPushButton>("projectPropertiesButton")->click();
    emit child<QTreeWidget>("taskList")->itemDoubleClicked(row(0), 0);
    // A double-click on the study asks for nothing.
    emit child<QTreeWidget>("taskList")->itemDoubleClicked(row(1), 0);
    EXPECT_EQ(asked, (std::vector<int>{2, 2}));
}

TEST_F(MainScreenTasksTest, NewGameProjectSitsBesideTheList) {
    std::vector<QString> asked;
    QObject::connect(&screen, &TForm_main::screenRequested, [&](const QString& s) { asked.push_back(s); });
    auto* button = child<QPushButton>("open_TForm_development");
    EXPECT_EQ(button->text(), QStringLiteral("New game project"));
    EXPECT_FALSE(button->property("companyScreen").toBool());
    button->click();
    EXPECT_EQ(asked, (std::vector<QString>{QStringLiteral("TForm_development")}));
    // The Company panel no longer has a way into the project screen of its own.
    EXPECT_EQ(screen.findChild<QPushButton*>(QStringLiteral("open_TDevelopment")), nullptr);
}

TEST(MainScreenStart, OpensWithinTheScreen) {
    Game g;
    test::RecordingPlayer p;
    TForm_main screen(g, p);
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(screen.width(), std::max(room.width(), 1024));
    EXPECT_LE(screen.height(), std::max(room.height(), 700));
    EXPECT_GE(screen.height(), 700);
}

TEST(MainScreenStudy, IntensifyAsksThroughThePlayer) {
    Game g;
    NewGameOptions o;
    o.boardMeetings = false;
    applyNewGameOptions(g, o);
    g.tables().tasks[3].name = "Study";
    g.tables().tasks[3].taskType = kTaskStudy;
    g.tables().tasks[3].workTotal = 30;
    g.tables().tasks[3].progress = 20;  // past half: refused
    test::RecordingPlayer p;
    TForm_main screen(g, p);
    screen.refresh();
    screen.findChild<QPushButton*>(QStringLiteral("intensifyStudyButton"))->click();
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "Not Possible");
}

}  // namespace
}  // namespace cw::ui
