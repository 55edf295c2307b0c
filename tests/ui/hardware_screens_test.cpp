// The hardware screens show the core models: grids, charts, filters, and a
// redraw when the week moves on.
#include <gtest/gtest.h>

#include <random>

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>

#include "hardware/cpu_market.h"
#include "refdata/import.h"
#include "state/game.h"
#include "state/player.h"
#include "ui/cpu_screen.h"
#include "ui/platform_analysis_screen.h"
#include "ui/platforms_screen.h"

namespace cw::ui {
namespace {
namespace fs = std::filesystem;

int number(const std::string& s) { return std::atoi(s.c_str()); }

// A world with the shipped platforms and processors, filled with plain
// made-up values (not the world set-up's), then half a year of processor
// weeks played through the real weekly steps.
void fillFromShippedData(Game& g) {
    const fs::path dir = fs::temp_directory_path() / ("cw_hardware_screens_test_" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR) / "data.zip", dir / "data.zip");
    g.programFolder = dir.string();
    SilentPlayer silent;
    ReferenceTables ref;
    importReferenceData(g, silent, ref, ImportAction::ConvertData);
    std::error_code ec;
    fs::remove_all(dir, ec);
    g.currentYear = 1986;
    g.currentWeek = 1;
    auto& pfs = g.tables().platforms;
    for (int r = 0; r < ref.list_platforms.rowCount() && r < 499; ++r) {
        const std::string name = trimmed(ref.list_platforms.cell(0, r));
        if (name.empty()) continue;
        Platform& pf = pfs[r + 1];
        pf.name = name;
        pf.gameCount = number(ref.list_platforms.cell(1, r));
        pf.releaseYear = number(ref.list_platforms.cell(2, r));
        pf.releaseWeek = static_cast<u8>(1 + (r * 11) % 46);
        if (pf.releaseYear >= g.currentYear) continue;
        pf.released = 1;
        pf.discontinued = number(ref.list_platforms.cell(3, r)) < g.currentYear ? 1 : 0;
        pf.weeksOnMarket = (g.currentYear - 1 - pf.releaseYear) * 52 + 52 - pf.releaseWeek;
        pf.cpuSpec = 1200 - (r * 37) % 250 - (g.currentYear - pf.releaseYear) * 40;
        pf.price = 150 + (r * 53) % 450;
        pf.opinion = 10 + (r * 29) % 85;
        pf.piracyPercent = static_cast<u8>((r * 7) % 25);
        pf.stillInUsePercent = static_cast<u8>(100 - r % 8);
        pf.soldUnits = pf.gameCount * 100 * (g.currentYear - 1977) + (r * 7919) % 10000;
        pf.productionCost = pf.cpuSpec / 2 - pf.cpuSpec / 10;
        pf.overallIndex = pf.cpuSpec / 10 + 50 - pf.price / 5;
        for (int k = 1; k <= 3; ++k) pf.weekSalesByRegion[k] = pf.discontinued ? 0 : pf.gameCount * (4 - k) * 3 + r * k;
    }
    auto& cpus = g.tables().cpus;
    for (int r = 0; r < ref.List_cpus.rowCount() && r < 499; ++r) {
        const std::string name = trimmed(ref.List_cpus.cell(0, r));
        if (name.empty() || name == "Name") continue;
        Cpu& c = cpus[r + 1];
        c.name = name;
        c.releaseYear = number(ref.List_cpus.cell(1, r));
        c.bits = ref.List_cpus.cell(3, r);
        c.speed = number(ref.List_cpus.cell(4, r));
        c.cpuType = static_cast<u8>(number(ref.List_cpus.cell(6, r)));
        c.releaseWeek = 1 + (r * 7) % 50;
        c.launchPrice = number(ref.List_cpus.cell(5, r)) * 3 / 2;
        if ((g.currentYear - c.releaseYear) * 52 + g.currentWeek - c.releaseWeek >= 0) {
            c.announced = 1;
            c.launchPrice -= (g.currentYear + 1 - c.releaseYear) * 20;
        }
        c.price = c.launchPrice < 10 ? 10 : c.launchPrice;
    }
    g.world().bestCpuSpeed = 10;
    g.world().bestGpuSpeed = 5;
    g.world().bestSpuSpeed = 5;
    for (int w = 1; w <= 29; ++w) {
        g.currentWeek = w;
        platformMarketRanking(g);
        cpuWeeklyHistory(g);
        cpuNews(g, silent);
    }
    g.currentWeek = 30;
}

void shoot(QWidget& w, const char* file) {
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) {
        w.show();
        QCoreApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(file));
    }
}

// Lets the screen's timers run until `done` holds or a second has passed.
template <typename F>
bool waitFor(F done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

Platform& put(Game& g, int slot, const char* name, i32 weekUs, i32 sold, bool discontinued = false) {
    Platform& pf = g.tables().platforms[slot];
    pf.name = name;
    pf.released = 1;
    pf.discontinued = discontinued ? 1 : 0;
    pf.weekSalesByRegion[1] = weekUs;
    pf.soldUnits = sold;
    pf.cpuSpec = 1000;
    pf.price = 250;
    pf.opinion = 90;
    pf.stillInUsePercent = 100;
    return pf;
}

TEST(PlatformsScreen, ShowsTheGridsWithGroupedNumbersAndSortsOnHeaderClicks) {
    Game g;
    g.currentYear = 1984;
    g.currentWeek = 9;
    put(g, 1, "Small", 900, 1234567);
    put(g, 2, "Big", 15000, 20);
    put(g, 3, "Old", 0, 5, true);
    TForm_platforms screen(g);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_platforms"));
    QTableWidget* market = screen.grid(0);
    ASSERT_EQ(market->rowCount(), 2);
    EXPECT_EQ(market->horizontalHeaderItem(8)->text(), QStringLiteral("Price"));
    EXPECT_EQ(market->item(0, 0)->text(), QStringLiteral("Big"));
    EXPECT_EQ(market->item(0, 1)->text(), QStringLiteral("15,000"));
    EXPECT_EQ(market->item(0, 5)->text(), QStringLiteral("HOT"));
    EXPECT_EQ(market->item(0, 5)->foreground().color(), moodColour(Mood::Good));
    EXPECT_EQ(screen.grid(1)->item(0, 1)->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(screen.grid(2)->rowCount(), 1);
    EXPECT_EQ(screen.regionsChart()->slices()[0].value, 15900);
    EXPECT_EQ(screen.platformsChart()->slices().size(), 2u);

    market->horizontalHeader()->sectionClicked(1);  // first click: smallest first
    EXPECT_EQ(market->item(0, 0)->text(), QStringLiteral("Small"));

    // Shown again after the world changed: rebuilt in the initial order.
    g.tables().platforms[1].weekSalesByRegion[1] = 99999;
    screen.show();
    EXPECT_EQ(market->item(0, 0)->text(), QStringLiteral("Small"));
    EXPECT_EQ(market->item(0, 1)->text(), QStringLiteral("99,999"));
    g.tables().platforms[2].weekSalesByRegion[1] = 999999;
    screen.reopen();
    EXPECT_EQ(market->item(0, 0)->text(), QStringLiteral("Big"));
}

TEST(CpuScreen, CheckBoxesFilterAndAWeekTickRedraws) {
    Game g;
    g.currentYear = 1984;
    g.currentWeek = 3;
    auto putCpu = [&g](int slot, const char* name, int type, i32 price) {
        Cpu& c = g.tables().cpus[slot];
        c.name = name;
        c.cpuType = static_cast<u8>(type);
        c.price = price;
        c.announced = 1;
        c.releaseYear = 1983;
        c.priceHistory[1] = price + 20;
        c.priceHistory[2] = price + 10;
    };
    putCpu(1, "Main", 1, 300);
    putCpu(2, "Gfx", 2, 5000);
    putCpu(3, "Snd", 4, 40);
    Tform_cpu screen(g);
    EXPECT_EQ(screen.grid()->rowCount(), 3);
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("5,000"));
    EXPECT_EQ(screen.typeBox(1)->text(), QStringLiteral("GPUs"));
    screen.typeBox(1)->setChecked(false);
    ASSERT_EQ(screen.grid()->rowCount(), 2);
    EXPECT_EQ(screen.grid()->item(0, 0)->text(), QStringLiteral("Main"));
    ASSERT_EQ(screen.chart()->series().size(), 2u);
    EXPECT_EQ(screen.chart()->series()[0].points.size(), 2u);

    screen.show();
    g.tables().cpus[1].price = 111;
    g.currentWeek = 4;
    EXPECT_TRUE(waitFor([&] { return screen.grid()->item(0, 2)->text() == QStringLiteral("111"); }));
    screen.hide();
}

TEST(PlatformAnalysisScreen, ListsBestFirstWithWordsAndCloses) {
    Game g;
    g.currentYear = 1990;
    g.currentWeek = 12;
    put(g, 1, "Weak", 0, 1000).cpuSpec = 300;
    put(g, 2, "Strong", 0, 5000000).weeksOnMarket = 300;
    TForm_platform_analysis screen(g);
    EXPECT_EQ(screen.weekLabel()->text(), QStringLiteral("Week 12, 1990"));
    QTableWidget* grid = screen.grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("Analysis Score"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Strong"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("High specs,Public opinion,Low Price"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Old"));
    EXPECT_EQ(grid->item(1, 3)->text(), QStringLiteral("Very Bad"));
    EXPECT_EQ(grid->item(1, 3)->foreground().color(), moodColour(Mood::Bad));
    screen.show();
    screen.closeButton()->click();
    EXPECT_FALSE(screen.isVisible());
}

TEST(HardwareScreens, ShippedWorldFillsEveryScreen) {
    Game g;
    fillFromShippedData(g);
    TForm_platforms platforms(g);
    EXPECT_GT(platforms.grid(0)->rowCount(), 5);
    EXPECT_GT(platforms.grid(2)->rowCount(), 0);
    EXPECT_EQ(platforms.platformsChart()->slices().size(), 5u);
    shoot(platforms, "platforms.png");
    Tform_cpu cpus(g);
    EXPECT_GT(cpus.grid()->rowCount(), 10);
    EXPECT_EQ(cpus.chart()->series().size(), 7u);
    shoot(cpus, "cpus.png");
    TForm_platform_analysis analysis(g);
    EXPECT_GT(analysis.grid()->rowCount(), 10);
    shoot(analysis, "analysis.png");
}

}  // namespace
}  // namespace cw::ui
