// The yearly show on its stage and the planning views: what they list and
// mark, and that their buttons reach the core. With CW_SCREENSHOT_DIR set,
// each screen is saved there at 1366x768.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "ui/expo_screen.h"
#include "ui/planning_screens.h"

namespace cw::ui {
namespace {

void shoot(QWidget& w, const char* name) {
    w.resize(1366, 768);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QString::fromLatin1(name) + ".png");
}

class PlanningScreens : public ::testing::Test, public test::MarketWorld {
protected:
    PlanningScreens() {
        g.currentYear = 1985;
        g.currentWeek = 4;
        g.world().money = 3000000;
        g.tables().genres[1].yearAvailable = 1980;
        g.tables().genres[1].trend = -3;
        g.tables().genres[2].name = "Sport";
        g.tables().genres[2].yearAvailable = 1982;
        g.tables().genres[2].interest = 50;
        const char* names[] = {"Galaxy Raiders", "Dungeon Deep", "Turbo Kart", "Mystic Isle", "Star Pilot",
                               "Block Drop", "Castle Siege"};
        int score = 70;
        for (const char* n : names) {
            GameTitle& t = title(1984, score += 5);
            t.title = n;
            t.totalSales = 100000 + score * 1000;
        }
        GameTitle& own = title(1984, 118);
        own.title = "Space Duel";
        own.isPlayers = 1;
        own.companyRow = 3;
        own.totalSales = 50000;
        for (int i = 0; i < 30; ++i) {
            GameTitle& t = title(1985, 60 + i * 2);
            t.releaseWeek = static_cast<u8>(1 + i % 26);
            t.totalSales = 5000;
            t.weekSalesUS = 4000 - i * 100;
            t.chartPos = static_cast<u8>(i % 3 == 0 ? 255 : i + 1);
            t.usesPlayerEngine = i == 4;
            t.engineRoyalty = i == 4 ? 6 : 0;
        }
    }
    test::RecordingPlayer p;
};

TEST_F(PlanningScreens, TheShowOffersTheBoothThenPlacesThePlayersGameOnTheStage) {
    ExpoShow show;
    show.year = 1984;
    TForm_E3 e3(g, show);
    EXPECT_TRUE(e3.boothButton(Booth::None)->isChecked());
    EXPECT_EQ(e3.skipButton()->text(), "Skip the show");
    shoot(e3, "expo_offer");
    e3.boothButton(Booth::Large)->setChecked(true);
    e3.enterButton()->click();
    EXPECT_EQ(g.world().money, 2500000);
    EXPECT_EQ(e3.page(), 1);
    EXPECT_FALSE(e3.nextButton()->isEnabled());  // the places are still being revealed
    e3.revealAll();
    ASSERT_EQ(show.shown.size(), 1u);
    EXPECT_EQ(show.shown[0].places[0].name, "Space Duel");
    EXPECT_TRUE(show.shown[0].places[0].players);
    shoot(e3, "expo_stage");
    while (e3.page() == 1) {
        ASSERT_TRUE(e3.nextButton()->isEnabled());
        e3.nextButton()->click();
        if (e3.page() == 1) e3.revealAll();
    }
    EXPECT_EQ(e3.page(), 2);
    EXPECT_TRUE(e3.impression()->text().contains("Space Duel got a top 5 spot in one of the award shows."));
    shoot(e3, "expo_impression");
}

TEST_F(PlanningScreens, SkippingTheShowClosesIt) {
    ExpoShow show;
    TForm_E3 e3(g, show);
    e3.skipButton()->click();
    EXPECT_TRUE(show.skipped);
    EXPECT_EQ(g.world().money, 3000000);
}

TEST_F(PlanningScreens, TheChartMarksTheEngineAndListsTheWeek) {
    TForm_salesCharts charts(g);
    QTableWidget* grid = charts.grid();
    EXPECT_EQ(grid->rowCount(), 100);
    EXPECT_EQ(grid->horizontalHeaderItem(5)->toolTip(), "Last week position (Calculated in All genre all Platforms)");
    EXPECT_EQ(grid->item(0, 4)->text(), "Title 1985/1");
    EXPECT_EQ(grid->item(0, 5)->text(), "-");
    EXPECT_EQ(grid->item(4, 4)->text(), "Title 1985/5 (Your engine)");
    EXPECT_EQ(grid->item(4, 1)->text(), "Lone Coder (You get 6%)");
    EXPECT_TRUE(grid->item(99, 1)->text().isEmpty());
    shoot(charts, "sales_charts");
    charts.continentBox()->setCurrentIndex(2);  // Asia: nothing sold there
    EXPECT_TRUE(grid->item(0, 4)->text().isEmpty());
}

TEST_F(PlanningScreens, CalendarAnalysisAndGenreDemand) {
    Tform_Calendar calendar(g);
    EXPECT_TRUE(calendar.boxText(4).startsWith("Week 4, 1985"));
    EXPECT_TRUE(calendar.boxText(3).contains("Title 1985/"));
    shoot(calendar, "release_calendar");

    Tform_Analyse analysis(g, p);
    analysis.setSubject("Space Duel", 1, 1);
    analysis.pressAnalyse();
    EXPECT_EQ(g.world().money, 3000000 - 5000);
    EXPECT_TRUE(analysis.nowBox()->text().contains("Recommendation :"));
    EXPECT_TRUE(analysis.laterBox()->text().contains("Consumer Demand :"));
    shoot(analysis, "release_analysis");

    TForm_genredemands demand(g);
    ASSERT_EQ(demand.grid()->rowCount(), 2);
    EXPECT_EQ(demand.grid()->item(0, 0)->text(), "Action");
    EXPECT_EQ(demand.grid()->item(0, 1)->text(), "OK sales");
    auto* bar = qobject_cast<QProgressBar*>(demand.grid()->cellWidget(0, 2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 30);
    EXPECT_EQ(bar->format(), "High");
    shoot(demand, "genre_demand");
}

}  // namespace
}  // namespace cw::ui
