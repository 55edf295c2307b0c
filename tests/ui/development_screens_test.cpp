// The "Game Development" and "Project properties" screens show the core's
// models and forward clicks to them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <cstdlib>

#include "dev/dev_world.h"
#include "fakes/recording_player.h"
#include "state/game.h"
#include "ui/development_screen.h"
#include "ui/project_screen.h"

namespace cw::ui {
namespace {

class DevelopmentScreensTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    void SetUp() override {
        test::makeDevWorld(g);
        g.world().money = 2500000;
    }
    // Pictures for a look at the screens when CW_SCREENSHOT_DIR names a folder.
    static void shoot(QWidget& w, const char* name) {
        if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) w.grab().save(QString::fromLatin1(dir) + "/" + name);
    }
};

TEST_F(DevelopmentScreensTest, AGameIsStartedFromTheScreen) {
    TForm_development screen(g, p);
    screen.resize(1024, 700);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_development"));
    EXPECT_EQ(screen.genreBox()->count(), 4);
    EXPECT_EQ(screen.genreBox()->itemText(0), QStringLiteral("Choose genre"));
    EXPECT_FALSE(screen.startButton()->isEnabled());
    EXPECT_EQ(screen.startButton()->toolTip(), QStringLiteral("Choose a genre first"));
    EXPECT_EQ(screen.estimateLabel(0)->text(), QStringLiteral("\u2013"));
    EXPECT_FALSE(screen.freelancerBox()->isEnabled());
    EXPECT_EQ(screen.freelancerCost()->text(), QStringLiteral("Cost 0$ weekly"));
    EXPECT_EQ(screen.extraBox(Extra::Network)->text(), QStringLiteral("Serial Network"));

    screen.chooseGenre(2);  // no engine for this genre yet
    EXPECT_TRUE(screen.engineWarning()->text().startsWith(QStringLiteral("You have no engine for this genre")));
    shoot(screen, "development_no_engine.png");
    screen.chooseGenre(1);
    ASSERT_EQ(screen.platformList()->count(), 4);
    EXPECT_EQ(screen.platformList()->item(0)->text(), QStringLiteral("(Engine:50)Alpha"));
    EXPECT_EQ(screen.platformList()->item(3)->checkState(), Qt::Unchecked);
    // A fourth check is taken back at once.
    screen.platformList()->item(3)->setCheckState(Qt::Checked);
    EXPECT_EQ(screen.platformList()->item(3)->checkState(), Qt::Unchecked);
    screen.platformList()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(screen.model().checkedCount(), 2);
    EXPECT_TRUE(screen.startButton()->isEnabled());

    // The estimate follows every change.
    const QString before = screen.estimateLabel(0)->text();
    screen.extraBox(Extra::Mmo)->setChecked(true);
    EXPECT_NE(screen.estimateLabel(0)->text(), before);
    screen.focusSlider(0)->setValue(60);
    EXPECT_EQ(screen.focusSlider(1)->value() + screen.focusSlider(2)->value(), 40);
    screen.musicButton()->click();
    EXPECT_EQ(screen.musicButton()->text(), QStringLiteral("Music Quality : Low (They get 2%)"));

    screen.pressStart();
    ASSERT_EQ(p.only("dialog").size(), 1u);
    EXPECT_EQ(p.only("dialog")[0].a, "Choose Team Leader");
    ASSERT_FALSE(screen.model().setLeader(5));
    screen.refresh();
    EXPECT_EQ(screen.leaderLabel()->text(), QStringLiteral("Stone,Ava"));
    EXPECT_TRUE(screen.freelancerBox()->isEnabled());
    EXPECT_EQ(screen.freelancerBox()->value(), 10);
    screen.freelancerBox()->setValue(2);
    EXPECT_EQ(screen.freelancerCost()->text(), QStringLiteral("Cost 1000$ weekly"));
    screen.nameField()->setText(QStringLiteral("Space Duel"));
    shoot(screen, "development.png");

    int started = 0;
    QObject::connect(&screen, &TForm_development::projectStarted, [&](int t) { started = t; });
    screen.pressStart();
    ASSERT_GT(started, 0);
    EXPECT_EQ(g.tables().tasks[started].name.str(), "Game Space Duel");
    EXPECT_EQ(g.tables().tasks[started].freelancers, 2);
    EXPECT_EQ(p.only("notify").back().b, "Game Development started");

    TDevelopment project(g, p);
    project.resize(1024, 700);
    EXPECT_EQ(project.objectName(), QStringLiteral("TDevelopment"));
    project.showTask(started);
    EXPECT_EQ(project.titleLabel()->text(), QStringLiteral("Game Space Duel"));
    EXPECT_EQ(project.projectBox()->count(), 1);
    EXPECT_TRUE(project.weeksLabel(0)->text().endsWith(QStringLiteral(" Weeks")));
    EXPECT_EQ(project.qualityBar(0)->value(), 400);
    EXPECT_EQ(project.lightShown(0), 0);  // a weak team: the quality falls
    project.shareSlider(0)->setValue(80);
    EXPECT_EQ(g.tables().tasks[started].game.shareProgramming, 80);
    EXPECT_EQ(project.shareSlider(1)->value() + project.shareSlider(2)->value(), 20);
    project.focusSlider(2)->setValue(1);
    EXPECT_EQ(g.tables().tasks[started].game.focusReplayability, 1);
    EXPECT_TRUE(project.button(0)->isEnabled());  // "Publisher deals"
    // "Advertising" and "Details" open the game's campaigns and its status.
    ASSERT_TRUE(project.button(1)->isEnabled());
    ASSERT_TRUE(project.button(3)->isEnabled());
    project.button(1)->click();
    project.button(3)->click();
    const auto screens = p.only("screen");
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].a, "Tform_advertising");
    EXPECT_EQ(screens[1].a, "TForm_project_finished");
    EXPECT_TRUE(project.button(5)->isEnabled());
    EXPECT_EQ(project.button(5)->text(), QStringLiteral("Close"));
    shoot(project, "project.png");
}

TEST_F(DevelopmentScreensTest, TheProjectScreenWithoutAGameSaysHowToStartOne) {
    TDevelopment project(g, p);
    project.showTask(3);
    EXPECT_EQ(project.task(), 0);
    EXPECT_EQ(project.titleLabel()->text(), QStringLiteral("No game in development"));
    EXPECT_FALSE(project.projectBox()->isEnabled());
}

TEST_F(DevelopmentScreensTest, ASequelHidesThePaidExtras) {
    GameTitle& src = g.tables().gameTitles[1980][1];
    src.title = "Space Duel";
    src.isPlayers = 1;
    src.released = 1;
    src.sequelNumber = 1;
    g.tables().titlesPerYear[1980] = 1;
    TForm_development screen(g, p);
    ASSERT_TRUE(screen.model().chooseSequel(1980, 1));
    screen.refresh();
    EXPECT_TRUE(screen.extraBox(Extra::Celebrity)->isHidden());
    EXPECT_FALSE(screen.extraBox(Extra::Mmo)->isHidden());
    EXPECT_FALSE(screen.startButton()->isEnabled());
}

}  // namespace
}  // namespace cw::ui
