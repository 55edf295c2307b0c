// The city map and the buildings panel: which buildings the map shows by
// level, what a click opens, the panel's labels and buttons, and the main
// screen with its map at the three window sizes, by day and by night.
// With CW_SCREENSHOT_DIR set, each case is also saved there as a PNG.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "fakes/recording_player.h"
#include "finance/buildings.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/buildings_screen.h"
#include "ui/city_map.h"
#include "ui/main_screen.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

void click(QWidget* w, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

BuildingInfoPanel* openInfo() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* info = qobject_cast<BuildingInfoPanel*>(w); info && info->isVisible()) return info;
    return nullptr;
}

void closeInfos() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<BuildingInfoPanel*>(w)) w->close();
    QApplication::processEvents();
}

class CityMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.world().headquartersLevel = 1;
        g.world().money = 1000000;
        g.session.buildingBasePrice = 200000;
    }
    Game g;
    test::RecordingPlayer player;
};

TEST_F(CityMapTest, TheWarehouseAndFactoryShowFromTheirFirstLevelAndOnlyThenOpen) {
    CityMap map(g, player);
    map.setAnimated(false);
    map.resize(900, 380);
    map.show();
    const QRectF area(map.rect());
    EXPECT_FALSE(buildingArea(map.state(), Building::Headquarters, area).isEmpty());
    EXPECT_TRUE(buildingArea(map.state(), Building::Warehouse, area).isEmpty());
    EXPECT_TRUE(buildingArea(map.state(), Building::Factory, area).isEmpty());
    EXPECT_TRUE(buildingArea(map.state(), Building::Office, area).isEmpty());

    // Where the warehouse will stand, a click opens nothing yet.
    g.world().warehouseLevel = 1;
    map.refresh();
    const QPointF warehouseSpot = buildingArea(map.state(), Building::Warehouse, area).center();
    g.world().warehouseLevel = 0;
    map.refresh();
    click(&map, warehouseSpot);
    EXPECT_EQ(openInfo(), nullptr);

    // The buildings grow with their levels.
    g.world().warehouseLevel = 1;
    map.refresh();
    const QRectF small = buildingArea(map.state(), Building::Warehouse, area);
    g.world().warehouseLevel = 4;
    map.refresh();
    EXPECT_GT(buildingArea(map.state(), Building::Warehouse, area).width(), small.width());
    g.world().headquartersLevel = 3;
    g.world().extraOffices = 2;
    g.world().factoryLevel = 2;
    map.refresh();
    EXPECT_FALSE(buildingArea(map.state(), Building::Office, area).isEmpty());
    EXPECT_GT(buildingArea(map.state(), Building::Headquarters, area).height(), 200);

    const struct {
        Building b;
        const char* picture;
    } fronts[] = {{Building::Headquarters, "Front_hq.jpg"},
                  {Building::Warehouse, "front_Warehouse.jpg"},
                  {Building::Factory, "Front_factory.jpg"}};
    for (const auto& f : fronts) {
        SCOPED_TRACE(f.picture);
        click(&map, buildingArea(map.state(), f.b, area).center());
        BuildingInfoPanel* info = openInfo();
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->pictureName(), QString::fromLatin1(f.picture));
        auto* front = info->findChild<QLabel*>(QStringLiteral("frontPicture"));
        ASSERT_NE(front, nullptr);
        EXPECT_FALSE(front->pixmap().isNull());
        if (f.b == Building::Factory) {
            // "Upgrade" leads to the buildings panel.
            info->findChild<QPushButton*>(QStringLiteral("upgradeButton"))->click();
            QApplication::processEvents();
            ASSERT_NE(map.buildingsPanel(), nullptr);
            EXPECT_TRUE(map.buildingsPanel()->isVisible());
            map.buildingsPanel()->close();
        }
        closeInfos();
    }
    // The map only looks: a whole day of light changes nothing in the game.
    const i32 money = g.world().money;
    for (int i = 0; i < 24; ++i) {
        map.setTimeOfDay(i / 24.0);
        (void)map.grab();
    }
    EXPECT_EQ(g.world().money, money);
}

TEST_F(CityMapTest, BuildingsPanelLabelsAndButtons) {
    g.world().money = 250000;
    TForm_buildings panel(g, player);
    panel.show();
    // 0 headquarters, 1 offices, 2 warehouse, 3 factory
    EXPECT_EQ(panel.buildingLine(0, 0)->text(), QStringLiteral("Current Level   : 1"));
    EXPECT_EQ(panel.buildingLine(0, 1)->text(), QStringLiteral("Cost next Level : 3000000"));
    EXPECT_FALSE(panel.buildButton(0)->isEnabled());
    EXPECT_TRUE(panel.upgradeButton(0)->isEnabled());
    EXPECT_EQ(panel.buildingLine(1, 0)->text(), QStringLiteral("No building"));
    EXPECT_EQ(panel.buildingLine(1, 1)->text(), QStringLiteral("Build Cost : 800000"));
    EXPECT_TRUE(panel.buildButton(1)->isEnabled());
    EXPECT_FALSE(panel.upgradeButton(1)->isEnabled());
    EXPECT_EQ(panel.facilityLabel(1)->text(), QStringLiteral("Setup Sound Studio : 250000$"));
    EXPECT_EQ(panel.facilityLabel(3)->text(), QStringLiteral("Setup Packaging Central : 500000$"));

    panel.setupButton(0)->click();
    EXPECT_EQ(g.world().money, 0);
    EXPECT_EQ(panel.facilityLabel(0)->text(), QStringLiteral("Level 1-Upgrade game testcenter : 500000$"));
    panel.buildButton(2)->click();  // 400,000 with nothing in the bank
    EXPECT_EQ(player.calls.back().a, "Not enough funds");
    g.world().money = 400000;
    panel.buildButton(2)->click();
    EXPECT_EQ(g.tables().tasks[1].name.str(), "*Build* Warehouse");
    EXPECT_FALSE(panel.findChildren<QWidget*>(QStringLiteral("constructionBar"))[2]->isHidden());
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        panel.grab().save(QString::fromLatin1(dir) + QStringLiteral("/buildings_panel.png"));
}

class CityOnMainScreenTest : public ::testing::TestWithParam<std::tuple<QSize, bool>> {
protected:
    void SetUp() override {
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex Morgan";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        g.session.buildingBasePrice = 200000;
        World& w = g.world();
        w.headquartersLevel = 2;
        w.extraOffices = 3;
        w.warehouseLevel = 1;
        w.factoryLevel = 0;
        w.money = 9000000;
        test::RecordingPlayer yes;
        // A factory going up: scaffolding on an empty lot.
        ASSERT_FALSE(startConstruction(g, yes, Building::Factory));
        g.tables().tasks[1].progress = 3000;
        const int game = 2;
        g.tables().tasks[game].name = "Dungeon Quest";
        g.tables().tasks[game].workTotal = 100;
        g.tables().tasks[game].progress = 40;
    }
    Game g;
    QtPlayer player{&g};
};

TEST_P(CityOnMainScreenTest, TheMapSharesTheCentreWithoutCrowdingItOut) {
    const auto [size, night] = GetParam();
    TForm_main screen(g, player);
    player.setMainScreen(&screen);
    screen.resize(size);
    screen.show();
    screen.refresh();
    CityMap* map = screen.cityMap();
    ASSERT_NE(map, nullptr);
    map->setAnimated(false);
    map->setTimeOfDay(night ? 0.02 : 0.45);
    QApplication::processEvents();
    EXPECT_TRUE(map->isVisible());
    EXPECT_GE(map->width(), 320);
    EXPECT_GE(map->height(), 110);
    EXPECT_TRUE(map->state().underConstruction[static_cast<std::size_t>(Building::Factory)]);
    // The product lists keep the room they had before the town came.
    EXPECT_GE(screen.findChild<QWidget*>(QStringLiteral("productTabs"))->height(), 84);
    for (const char* name : {"taskList", "newBuildingsButton", "upgradeBuildingsButton"}) {
        SCOPED_TRACE(name);
        auto* w = screen.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_GE(w->height(), w->minimumSizeHint().height());
    }
    // Picking a task shows its information in the other tab.
    auto* list = screen.findChild<QTreeWidget*>(QStringLiteral("taskList"));
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(screen.workTabs()->currentIndex(), 1);
    const QByteArray shots = qgetenv("CW_SCREENSHOT_DIR");
    if (!shots.isEmpty() && !night && size.width() == 1024) {
        EXPECT_TRUE(screen.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/city_task_tab_1024x700.png")));
    }
    screen.workTabs()->setCurrentIndex(0);

    const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        const QString file = QStringLiteral("%1/city_%2x%3_%4.png")
                                 .arg(QString::fromLocal8Bit(dir))
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(night ? QStringLiteral("night") : QStringLiteral("day"));
        EXPECT_TRUE(screen.grab().save(file));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CityOnMainScreenTest,
                         ::testing::Combine(::testing::Values(QSize(1024, 700), QSize(1366, 768), QSize(1920, 1080)),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<QSize, bool>>& param) {
                             const QSize size = std::get<0>(param.param);
                             return std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                                    (std::get<1>(param.param) ? "_night" : "_day");
                         });

}  // namespace
}  // namespace cw::ui
