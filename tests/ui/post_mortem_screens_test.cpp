// "Why this score" and "Why it sold" on a small market: they show the
// core's breakdowns, say when there is nothing yet, and fit the small
// screens (pictures when CW_SCREENSHOT_DIR names a folder).
#include <gtest/gtest.h>

#include <QChartView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "market/sales.h"
#include "state/tasks.h"
#include "ui/post_mortem_screens.h"
#include "ui/project_screen.h"

namespace cw::ui {
namespace {

struct PostMortemScreens : ::testing::Test, test::MarketWorld {
    PostMortemScreens() {
        g.session.genreProfiles[1].name = "Action";
        g.session.genreProfiles[1].demands = {8, 4, 6};
        g.session.genreProfiles[1].weights = {40, 30, 30};
        GameTitle& t = playersTitle(1980, 78, 1);
        t.title = "Space Duel";
        t.platform = 2;
        t.inEU = t.inAsia = 1;
        t.weeksOnSale = 0;
        t.qualityGameplay = 120;
        t.qualityComplexity = 20;
        t.qualityReplayability = 70;
        t.researchProgramming = t.researchDesign = t.researchGraphics = 50;
        t.expProgramming = 60;
        t.publisherShare = 20;
        t.weeklyOutput = 1200;
        g.tables().platforms[2].soldUnits = 1500000;
        g.world().gamesImage = 30;
        for (int week = 0; week < 8; ++week) {
            g.currentWeek = 40 + week;
            UpdateWeeklySales(g, p);
        }
    }
    void picture(QWidget& w, const char* name) {
        for (const QSize size : {QSize(1024, 700), QSize(1366, 768), QSize(1920, 1080)}) {
            w.resize(size.width() - 40, size.height() - 60);
            if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
                w.grab().save(QString::fromLatin1(dir) + "/" + name + "_" + QString::number(size.width()) + ".png");
            EXPECT_LE(w.minimumSizeHint().width(), 984) << name;
            EXPECT_LE(w.minimumSizeHint().height(), 640) << name;
        }
    }
    test::RecordingPlayer p;
};

TEST_F(PostMortemScreens, WhyThisScoreListsTheAdditionsAndTheirTotal) {
    TForm_whyscore w(g, 0, 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Why this score"));
    ASSERT_TRUE(w.model().unavailable.empty());
    QTableWidget* t = w.additions();
    ASSERT_EQ(t->rowCount(), static_cast<int>(w.model().lines.size()) + 1);
    EXPECT_EQ(t->item(2, 0)->text(), QStringLiteral("Hype"));
    EXPECT_EQ(t->item(t->rowCount() - 1, 1)->text(), QString::number(w.model().total));
    EXPECT_NE(w.findChild<QChartView*>(QStringLiteral("qualityChart")), nullptr);
    EXPECT_NE(w.findChild<QPushButton*>(QStringLiteral("closeButton")), nullptr);
    picture(w, "why_score");
}

TEST_F(PostMortemScreens, WhyItSoldDrawsTheWaterfallOfTheBestRegion) {
    TForm_whysales w(g, 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Why it sold"));
    ASSERT_TRUE(w.model().unavailable.empty()) << w.model().unavailable;
    EXPECT_EQ(w.model().lines.size(), 14u);
    EXPECT_EQ(w.model().history.size(), 8u);
    auto* waterfall = w.findChild<QChartView*>(QStringLiteral("waterfallChart"));
    ASSERT_NE(waterfall, nullptr);
    EXPECT_FALSE(waterfall->chart()->series().isEmpty());
    picture(w, "why_sales");
    w.regionBox()->setCurrentIndex(2);
    w.showRegion(3);
    EXPECT_EQ(w.model().region, 3);
}

TEST_F(PostMortemScreens, NothingYetIsSaidInWords) {
    forgetSalesWeek(g);
    TForm_whysales w(g, 1);
    const auto* message = w.findChild<QLabel*>(QStringLiteral("warning"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("available from the next week")));
    TForm_whyscore none(g, 0, 9);
    EXPECT_EQ(none.model().unavailable, "Product 9 is no game.");
}

TEST_F(PostMortemScreens, OpenedOverTheMainWindowAndClosedWithEscOrClose) {
    QWidget main;
    main.resize(1024, 700);
    main.show();
    TForm_whysales* sales = openWhySales(&main, g, 1);
    EXPECT_TRUE(sales->isVisible());
    EXPECT_TRUE(sales->isWindow());
    // It takes the focus, so Esc closes it and not the window beneath.
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), sales);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(sales, &esc);
    EXPECT_FALSE(sales->isVisible());
    TForm_whyscore* score = openWhyScoreOfProduct(&main, g, 1);
    EXPECT_TRUE(score->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), score);
    score->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    EXPECT_FALSE(score->isVisible());
}

TEST_F(PostMortemScreens, TheProjectScreenOffersTheScoreIfFinishedNow) {
    Task& t = g.tables().tasks[1];
    t.name = "Quest";
    t.taskType = kTaskGame;
    t.game.genre = 1;
    t.game.platform = 1;
    TDevelopment d(g, p);
    ASSERT_NE(d.whyScoreButton(), nullptr);
    EXPECT_TRUE(d.whyScoreButton()->isEnabled());
    TForm_whyscore w(g, 1, 0);
    ASSERT_TRUE(w.model().unavailable.empty());
    EXPECT_EQ(w.model().team.size(), 3u);
    EXPECT_NE(w.findChild<QChartView*>(QStringLiteral("teamChart")), nullptr);
    EXPECT_EQ(w.versionBox(), nullptr);
    picture(w, "why_score_task");

    // A game for two platforms: one version each, chosen in the band.
    t.platformList = "1;2;";
    TForm_whyscore two(g, 1, 0);
    ASSERT_EQ(two.model().versions.size(), 2u);
    ASSERT_NE(two.versionBox(), nullptr);
    EXPECT_EQ(two.versionBox()->count(), 2);
    two.showVersion(1);
    QTableWidget* table = two.additions();
    EXPECT_EQ(table->item(table->rowCount() - 1, 1)->text(), QString::number(two.model().versions[1].total));
    picture(two, "why_score_versions");
}

TEST_F(PostMortemScreens, ProjectPropertiesMovesTheResearchInTheCorePhase) {
    Task& t = g.tables().tasks[1];
    t.name = "Quest";
    t.taskType = kTaskGame;
    t.workTotal = 100;
    t.game.genre = 1;
    t.game.platform = 1;
    t.game.researchProgramming = t.game.researchDesign = t.game.researchGraphics = 25;
    TDevelopment d(g, p);
    ASSERT_NE(d.researchSlider(0), nullptr);
    EXPECT_TRUE(d.researchSlider(0)->isEnabled());
    d.researchSlider(0)->setValue(70);
    EXPECT_EQ(t.game.researchProgramming, 70);
    d.resize(900, 700);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) d.grab().save(QString::fromLatin1(dir) + "/project_research.png");
    t.progress = 100;
    d.refresh();
    EXPECT_FALSE(d.researchSlider(0)->isEnabled());
}

}  // namespace
}  // namespace cw::ui
