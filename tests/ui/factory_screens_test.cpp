// The factory's screens show the core's models and forward their clicks: the
// assembly lines, the storage grid and the "New project" dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "hardware/manufacturing.h"
#include "hardware/warehouse.h"
#include "state/game.h"
#include "state/shared_ops.h"
#include "ui/factory_assembly_screen.h"

namespace cw::ui {
namespace {

void factoryWorld(Game& g) {
    g.currentYear = 1995;
    World& w = g.world();
    w.factoryLevel = 2;
    w.warehouseLevel = 1;
    w.lineOutputLevel = 1;
    w.money = 5000000;
    Platform& pf = g.tables().platforms[3];
    pf.name = "Orbit";
    pf.playerOwned = 1;
    pf.released = 1;
    w.products[2] = ProductEntry{3, 0, 0, ProductPlatform, 0, 1, {}};
    Person& ann = g.tables().people[7];
    ann.name = "Ann Hale";
    ann.employed = 1;
    ann.currentTask = -1;
}

// Saved at both window sizes for a look when CW_SCREENSHOT_DIR is set.
void grab(QWidget& w, const char* name) {
    const char* dir = std::getenv("CW_SCREENSHOT_DIR");
    for (const QSize size : {QSize(1024, 700), QSize(1366, 768)}) {
        w.resize(size);
        if (dir)
            w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
                          QStringLiteral("_%1.png").arg(size.width()));
    }
}

TEST(FactoryAssemblyScreen, ShowsTheLinesAssignsStopsAndUpgrades) {
    Game g;
    factoryWorld(g);
    assignLine(g, 2, 2);
    test::RecordingPlayer p;
    TForm_factory_assembly screen(g, p);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_factory_assembly"));
    ASSERT_EQ(screen.lineCount(), 6);
    EXPECT_EQ(screen.capacityLabel()->text(), QStringLiteral("7,800 units a week"));
    EXPECT_EQ(screen.lineLabel(1)->text(), QStringLiteral("Assign Product"));
    EXPECT_EQ(screen.lineLabel(2)->text(), QStringLiteral("Orbit"));
    EXPECT_TRUE(screen.animating(2));
    EXPECT_FALSE(screen.stopButton(1)->isEnabled());

    screen.chooseProduct(1, 2);
    EXPECT_EQ(g.world().assemblyLines[1].linePlatform, 3);
    EXPECT_EQ(screen.lineLabel(1)->text(), QStringLiteral("Orbit"));
    EXPECT_TRUE(screen.animating(1));
    addStock(g, 3, 0, ProductPlatform, 2000);
    screen.refresh();
    EXPECT_EQ(screen.storageLabel()->text(), QStringLiteral("62000/70000"));
    grab(screen, "factory_assembly");

    screen.stopButton(2)->click();
    EXPECT_EQ(g.world().assemblyLines[2].linePlatform, 0);
    EXPECT_EQ(screen.lineLabel(2)->text(), QStringLiteral("Assign Product"));
    EXPECT_FALSE(screen.animating(2));

    screen.upgradeButton()->click();  // Yes by default
    EXPECT_EQ(g.world().lineOutputLevel, 2);
    EXPECT_EQ(g.world().money, 3000000);
    g.world().lineOutputLevel = 3;
    screen.refresh();
    EXPECT_FALSE(screen.upgradeButton()->isEnabled());

    // Closing stops the belts.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&screen, &esc);
    EXPECT_FALSE(screen.animating(1));
}

TEST(StorageScreen, ListsTheConsolesWithTheirUnits) {
    Game g;
    factoryWorld(g);
    addStock(g, 3, 0, ProductPlatform, 1500);
    addStock(g, 1995, 2, ProductGame, 300);
    TForm_storage screen(g);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_storage"));
    EXPECT_EQ(screen.freeLabel()->text(), QStringLiteral("63,700"));
    EXPECT_EQ(screen.capacityLabel()->text(), QStringLiteral("70,000"));
    ASSERT_EQ(screen.grid()->rowCount(), 2);
    EXPECT_EQ(screen.grid()->item(0, 0)->text(), QStringLiteral("Orbit"));
    EXPECT_EQ(screen.grid()->item(0, 1)->text(), QStringLiteral("1,500"));
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("1"));
    EXPECT_EQ(screen.grid()->item(1, 0)->text(), QString());
    grab(screen, "storage");
}

TEST(NewTaskDialogScreen, FindEnablesOkAndCancelMarksTheUse) {
    Game g;
    factoryWorld(g);
    test::RecordingPlayer p;
    p.staffPicks = {7};
    NewTaskDialog model(g, "Cost reduction of : Orbit", "Weeks");
    TForm_newtask_dialog dialog(model, p);
    EXPECT_EQ(dialog.leaderLabel()->text(), QStringLiteral("None"));
    EXPECT_EQ(dialog.amountBox()->value(), 4);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.findButton()->click();
    EXPECT_EQ(dialog.leaderLabel()->text(), QStringLiteral("Ann Hale"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.amountBox()->setValue(30);
    grab(dialog, "newtask_dialog");
    dialog.okButton()->click();
    EXPECT_TRUE(model.accepted());
    EXPECT_EQ(model.amount(), 30);

    NewTaskDialog second(g, "Cost reduction of : Orbit", "Weeks");
    TForm_newtask_dialog again(second, p);
    QPushButton* cancel = again.findChild<QPushButton*>(QStringLiteral("closeButton"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    cancel->click();
    EXPECT_FALSE(second.accepted());
}

}  // namespace
}  // namespace cw::ui
