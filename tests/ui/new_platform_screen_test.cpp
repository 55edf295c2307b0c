// "Create New Platform": the factory panel opens it, its boxes list what the
// model offers, a choice moves the estimate, and "Start project" closes it
// only when the model created the task. With CW_SCREENSHOT_DIR set, the
// screen is saved there as a PNG at two window sizes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "fakes/recording_player.h"
#include "hardware/hardware_world.h"
#include "state/game.h"
#include "ui/city_map.h"
#include "ui/new_platform_screen.h"

namespace cw::ui {
namespace {

class NewPlatformScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        World& w = g.world();
        w.bestCpuSpeed = 1000;
        w.bestGpuSpeed = 600;
        w.bestSpuSpeed = 400;
        w.factoryLevel = 1;
        w.gameLevel = 2;
        w.headquartersLevel = 1;
        test::putCpu(g, 1, "Motor 6800", 1, 400, 200, true);
        test::putCpu(g, 2, "Zeta 80", 1, 1000, 1000, true);
        test::putCpu(g, 3, "Pixel Array", 2, 600, 300, true);
        test::putCpu(g, 4, "Beeper Chip", 4, 400, 100, true);
        Person& hal = g.tables().people[10];
        hal.name = "Hal Builder";
        hal.employed = 1;
        hal.hardware = 90;
    }
    Game g;
    test::RecordingPlayer player;
};

TEST_F(NewPlatformScreenTest, TheScreenShowsTheModelAndStartsOnlyAnAcceptedProject) {
    TForm_newplatform screen(g, player);
    screen.show();
    QApplication::processEvents();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Create New Platform"));
    ASSERT_EQ(screen.choiceBox(0)->count(), 3);
    EXPECT_EQ(screen.choiceBox(0)->itemText(1), QStringLiteral("Motor 6800 (400)"));
    EXPECT_EQ(screen.choiceBox(4)->currentText(), QStringLiteral("4 KB"));
    EXPECT_FALSE(screen.choiceBox(1)->isEnabled());
    EXPECT_EQ(screen.grid()->rowCount(), 4);
    EXPECT_EQ(screen.leaderLabel()->text(), QStringLiteral("None"));

    const QString before = screen.costLabel()->text();
    screen.choiceBox(0)->setCurrentIndex(2);
    EXPECT_TRUE(screen.choiceBox(1)->isEnabled());
    EXPECT_NE(screen.costLabel()->text(), before);
    EXPECT_EQ(screen.costLabel()->text().toStdString(), screen.model().costText());
    screen.bundleController()->setChecked(true);
    EXPECT_TRUE(screen.model().design().bundleController);
    screen.typeBox(0)->setChecked(false);
    EXPECT_EQ(screen.grid()->rowCount(), 2);

    screen.nameEdit()->setText(QStringLiteral("Home Box"));
    screen.startProject();  // no manager yet
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(player.only("notify").back().a, "No Team Manager choosen");

    ASSERT_EQ(screen.model().setLeader(10), std::nullopt);
    screen.showModel();
    EXPECT_EQ(screen.leaderLabel()->text(), QStringLiteral("Hal Builder"));
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) {
        for (QSize size : {QSize(1024, 700), QSize(1366, 768)}) {
            screen.resize(size);
            QApplication::processEvents();
            screen.grab().save(QStringLiteral("%1/new_platform_%2.png").arg(dir).arg(size.width()));
        }
    }
    player.buttonAnswers = {false};
    screen.startProject();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.model().createdTask(), 1);
    EXPECT_EQ(g.tables().tasks[1].platform.name.str(), "Home Box");
}

TEST_F(NewPlatformScreenTest, TheFactoryPanelOffersCreateNewPlatform) {
    BuildingInfoPanel factory(g, Building::Factory);
    auto* button = factory.findChild<QPushButton*>(QStringLiteral("newPlatformButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Create new platform"));
    bool asked = false;
    QObject::connect(&factory, &BuildingInfoPanel::newPlatformRequested, [&asked] { asked = true; });
    button->click();
    EXPECT_TRUE(asked);
    BuildingInfoPanel office(g, Building::Headquarters);
    EXPECT_EQ(office.findChild<QPushButton*>(QStringLiteral("newPlatformButton")), nullptr);
}

}  // namespace
}  // namespace cw::ui
