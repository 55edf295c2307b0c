// The "New Engine" page of the development screen forwards its choices to
// the core's model and starts the engine task.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <cstdlib>

#include "dev/dev_world.h"
#include "fakes/recording_player.h"
#include "state/game.h"
#include "ui/development_screen.h"
#include "ui/engine_page.h"
#include "ui/view_engines_screen.h"
#include <QTableWidget>

namespace cw::ui {
namespace {

TEST(EnginePageTest, AnEngineIsStartedFromTheNewEnginePage) {
    Game g;
    test::makeDevWorld(g);
    g.tables().people[5].programming = 6;
    test::RecordingPlayer p;
    TForm_development screen(g, p);
    EngineDevelopmentPage& page = *screen.enginePage();
    // The drop-downs show names, not the table rows behind them.
    EXPECT_EQ(page.platformBox()->itemText(1), QStringLiteral("Alpha"));
    EXPECT_EQ(page.genreBox()->itemText(2), QStringLiteral("Action,Adventure"));
    EXPECT_EQ(page.functionList(kSimpleFunctions)->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(page.functionList(kAdvancedFunctions)->item(0)->text(),
              QStringLiteral("2D Graphical Mode (2200 Codelines)"));
    EXPECT_FALSE(page.optionBox(EngineOption::Testing)->isEnabled());
    EXPECT_EQ(page.estimateLabel()->text(), QStringLiteral("883 Lines   19 Week(s)   76000 $"));

    page.platformBox()->setCurrentIndex(2);  // Beta
    page.genreBox()->setCurrentIndex(2);     // Action,Adventure
    ASSERT_FALSE(page.model().setLeader(5));
    page.refresh();
    EXPECT_TRUE(page.optionBox(EngineOption::Programming)->isEnabled());
    page.optionBox(EngineOption::Programming)->setChecked(true);
    EXPECT_TRUE(page.model().option(EngineOption::Programming));
    page.functionList(kSimpleFunctions)->item(2)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(page.model().ticked(kSimpleFunctions, 2));
    page.nameField()->setText(QStringLiteral("Zap"));
    int started = 0;
    QObject::connect(&screen, &TForm_development::projectStarted, [&started](int) { ++started; });
    page.pressStart();
    ASSERT_EQ(started, 1);
    EXPECT_EQ(g.tables().tasks[1].name.str(), "Engine Zap");
    EXPECT_EQ(g.tables().tasks[1].engine.platform, 2);
    page.resize(1000, 560);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) page.grab().save(QString::fromLatin1(dir) + "/new_engine.png");
}

TEST(EnginePageTest, ViewEnginesListsEveryGenreOfThePlatform) {
    Game g;
    test::makeDevWorld(g);
    TForm_view_engines screen(g);
    ASSERT_EQ(screen.grid()->rowCount(), 4);
    EXPECT_EQ(screen.grid()->item(0, 0)->text(), QStringLiteral("Action"));
    EXPECT_EQ(screen.grid()->item(0, 1)->text(), QStringLiteral("No engine"));
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("50/150 - Engine 1"));
    screen.platformBox()->setCurrentIndex(1);  // Beta
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("40/150 - Engine 2"));
}

}  // namespace
}  // namespace cw::ui
