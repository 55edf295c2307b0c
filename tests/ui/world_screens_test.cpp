// The world on the screens: the main screen's market panel, the tips screen
// and the secretary.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "events/tutor.h"
#include "market/platform_sales.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/main_screen.h"
#include "ui/market_panel.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"
#include "ui/secretary_screen.h"
#include "ui/tips_screen.h"

namespace cw::ui {
namespace {

TEST(MarketPanelTest, ShowsTheTopFiveTheConsumersAndTheEconomy) {
    Game g;
    NewGameOptions o;
    applyNewGameOptions(g, o);
    World& w = g.world();
    w.economyLevel[1] = 0;
    w.economyLevel[2] = 10;
    w.economyLevel[3] = 5;
    w.regionDemand[1] = 95;
    w.regionDemand[2] = 60;
    w.regionDemand[3] = 70;
    w.hardwareConsumers = 82000;
    Platform& pf = g.tables().platforms[1];
    pf.name = "Zed";
    pf.released = 1;
    pf.marketRank = 1;
    pf.previousMarketRank = 2;
    pf.weeksOnMarket = 40;
    platformStanding(g, true);
    QtPlayer player{&g};
    TForm_main screen{g, player};
    screen.refresh();
    auto* panel = dynamic_cast<MarketPanel*>(screen.findChild<QWidget*>(QStringLiteral("marketPanelHolder")));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->consumerLabel()->text(), QStringLiteral("20%"));
    EXPECT_EQ(panel->topName(0)->text(), QStringLiteral("Zed"));
    EXPECT_EQ(panel->topName(1)->text(), QStringLiteral("#"));
    EXPECT_EQ(panel->demandLabel(0)->text(), QStringLiteral("Very good"));
    EXPECT_EQ(panel->demandLabel(1)->text(), QStringLiteral("Bad"));
    EXPECT_EQ(panel->needle(0)->angle(), 122);
    EXPECT_EQ(panel->needle(1)->angle(), 42);
    screen.resize(1280, 800);
    screen.show();
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        screen.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main_market_panel.png"));
}

TEST(TipsScreenTest, ShowsATipFromTheShippedFileAndMovesOn) {
    Game g;
    g.programFolder = CW_GAME_DIR;
    g.rng.seed = 5;
    Tform_didyouknow tips(g, nullptr);
    EXPECT_EQ(tips.windowTitle(), QStringLiteral("Did you know ?"));
    tips.openTip();
    const QString first = tips.tipText();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, QStringLiteral("No tips today."));
    bool changed = false;
    for (int k = 0; k < 10 && !changed; ++k) {
        tips.findChild<QPushButton*>(QStringLiteral("nextButton"))->click();
        changed = tips.tipText() != first;
    }
    EXPECT_TRUE(changed);
    // No file: a word of its own, no hang.
    g.programFolder = "/nonexistent-folder";
    tips.openTip();
    EXPECT_EQ(tips.tipText(), QStringLiteral("No tips today."));
}

TEST(SecretaryTest, GreetsThenWaitsForTheDevelopmentScreen) {
    Game g;
    const int saved = tutorialStep;
    tutorialStep = 0;
    QWidget main;
    main.resize(1000, 700);
    Tform_Secatary secretary(g, &main);
    EXPECT_EQ(secretary.windowTitle(), QStringLiteral("secretary"));
    secretary.tick();
    EXPECT_EQ(tutorialStep, 1);
    EXPECT_TRUE(secretary.text().startsWith(QStringLiteral("Hello and welcome to Crestwork 2.")));
    QWidget development;
    development.setObjectName(QStringLiteral("TForm_development"));
    development.show();
    secretary.tick();
    EXPECT_EQ(tutorialStep, 3);
    EXPECT_TRUE(secretary.text().startsWith(QStringLiteral("Now Choose \"make New engine\"")));
    secretary.findChild<QCheckBox*>(QStringLiteral("turnOffTutor"))->setChecked(true);
    EXPECT_FALSE(secretary.isVisible());
    tutorialStep = saved;
}

}  // namespace
}  // namespace cw::ui
