// The books on screen and the tool and protection pages of the development
// screen: what they show comes from the core, and the buttons act through it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <cstdlib>

#include "dev/dev_world.h"
#include "fakes/recording_player.h"
#include "state/game.h"
#include "ui/company_books_screens.h"
#include "ui/dev_tools_panels.h"
#include "ui/development_screen.h"

namespace cw::ui {
namespace {

void grab(QWidget& w, const char* name) {
    w.resize(1366, 768);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

// Two years of books and a released game of the player's.
void booksWorld(Game& g) {
    test::makeDevWorld(g);
    g.currentYear = 1982;
    g.currentWeek = 30;
    World& w = g.world();
    w.companyName = "Acme Interactive";
    w.playerName = "Ann";
    w.headquartersLevel = 1;
    w.gamesImage = 12;
    w.boardOpinion = 64;
    w.companyGoalText = "Make a profit of 500,000 this year";
    const i32 income[] = {300000, 900000, 700000};
    for (int y = 1980; y <= 1982; ++y) {
        w.yearlyIncome[y] = income[y - 1980];
        w.yearlyWages[y] = 400000;
        w.yearlyDevelopmentCost[y] = 90000 * (y - 1979);
        w.yearlyBuildingCost[y] = 10000;
        w.yearlyCash[y] = 1000000 + 150000 * (y - 1980);
        w.yearlyEmployees[y] = 2 + y - 1980;
    }
    for (int wk = 1; wk < 30; ++wk) w.weeklyCash[wk] = 1200000 + wk * 5000 - (wk % 4) * 20000;
    SaveImage& t = g.tables();
    t.titlesPerYear[1981] = 1;
    GameTitle& x = t.gameTitles[1981][1];
    x.title = "Space Duel";
    x.isPlayers = x.released = 1;
    x.totalSales = 845000;
    x.fans = 33;
    w.companyHistory[1981][1] = "Acme Interactive released Space Duel";
}

TEST(CompanyBooksScreens, OverviewShowsTheBooksAndSwitchesTabs) {
    Game g;
    booksWorld(g);
    TForm_company_overview o(g);
    EXPECT_EQ(o.objectName(), QStringLiteral("TForm_company_overview"));
    EXPECT_EQ(o.field(QStringLiteral("cash"))->text(), QStringLiteral("Cash :1000000$"));
    EXPECT_EQ(o.field(QStringLiteral("headquarters"))->text(), QStringLiteral("Headquater :Small"));
    EXPECT_EQ(o.opinionBar()->value(), 64);
    ASSERT_EQ(o.productGrid()->rowCount(), 1);
    EXPECT_EQ(o.productGrid()->item(0, 2)->text(), QStringLiteral("Fair. Some very devoted"));
    grab(o, "company_overview");
    o.chooseTab(1);
    EXPECT_EQ(o.productGrid()->rowCount(), 0);
    EXPECT_EQ(o.productGrid()->horizontalHeaderItem(2)->text(), QStringLiteral("Expenses"));
}

TEST(CompanyBooksScreens, GraphsReportAndMilestones) {
    Game g;
    booksWorld(g);
    TForm_books b(g);
    EXPECT_EQ(b.windowTitle(), QStringLiteral("Company Graphs and Reports"));
    b.showGraph(6);
    EXPECT_EQ(b.graphTitle()->text(), QStringLiteral("Company Income"));
    ASSERT_EQ(b.series()->count(), 4);
    EXPECT_EQ(b.series()->at(2), QPointF(1981, 900000));
    grab(b, "books_graph");
    b.showGraph(10);
    EXPECT_EQ(b.series()->count(), 29);
    b.showPage(TForm_books::Reports);
    EXPECT_EQ(b.report()->cell(0, 11)->text(), QStringLiteral("20,000"));  // 700,000 - 680,000
    EXPECT_EQ(b.report()->cell(1, 11)->text(), QStringLiteral("310,000"));
    EXPECT_EQ(b.report()->cell(2, 11)->text(), QStringLiteral("-200,000"));
    EXPECT_EQ(b.report()->cell(2, 15)->text(), QStringLiteral("1,000,000"));
    grab(b, "books_report");
    b.showMilestoneList(false);
    EXPECT_TRUE(b.milestonesText()->toPlainText().contains(QStringLiteral("Year : 1981\nAcme Interactive released")));
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    b.show();
    QApplication::sendEvent(&b, &esc);
    EXPECT_FALSE(b.isVisible());
}

TEST(CompanyBooksScreens, ToolsAndProtectionPagesBuyThroughTheCore) {
    Game g;
    test::makeDevWorld(g);
    test::RecordingPlayer p;
    TForm_development dev(g, p);
    BuyToolsPanel* tools = dev.toolsPanel();
    ASSERT_NE(tools, nullptr);
    EXPECT_FALSE(tools->upgradeButton(0)->isEnabled());
    EXPECT_EQ(tools->levelLabel(0)->text(), QString());
    tools->choosePlatform(3);
    EXPECT_EQ(tools->levelLabel(0)->text(), QStringLiteral("(0) No Software"));
    EXPECT_EQ(tools->priceLabel(0)->text(), QStringLiteral("Upgrade Price :0$"));
    tools->pressUpgrade(0);
    EXPECT_EQ(tools->priceLabel(0)->text(), QStringLiteral("Upgrade Price :92000$"));  // 400 x 230
    EXPECT_EQ(tools->grid(0)->item(2, 1)->text(), QStringLiteral("(1) Bundled Manufactor Tool"));
    grab(*tools, "buy_tools");

    AntiPiracyPanel* piracy = dev.piracyPanel();
    EXPECT_EQ(piracy->headlineLabel()->text(), QStringLiteral("NA"));
    EXPECT_FALSE(piracy->simpleButton()->isEnabled());
    g.world().platformProtection[3].strength = -1;
    piracy->choosePlatform(3);
    EXPECT_TRUE(piracy->simpleButton()->isEnabled());
    piracy->pressSimple();
    EXPECT_EQ(p.calls.back().a, "Buy Piracy Protection");
    EXPECT_EQ(piracy->headlineLabel()->text(),
              QStringLiteral("Piracy Protection is working and has not been broken yet"));
    EXPECT_FALSE(piracy->advancedButton()->isEnabled());
    grab(*piracy, "anti_piracy");
}

}  // namespace
}  // namespace cw::ui
