// The publisher list and the distribution dialog on a small world.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "fakes/recording_player.h"
#include "sim/tasks.h"
#include "state/game.h"
#include "ui/release_screens.h"

namespace cw::ui {
namespace {

struct ReleaseScreens : ::testing::Test {
    ReleaseScreens() {
        g.world().gameLevel = 2;
        g.world().money = 1000000;
        Company& c = g.tables().companies[3];
        c.name = "Three Soft";
        c.listRow = 5;
        g.tables().titlesPerYear[1980] = 1;
        g.tables().gameTitles[1980][1].title = "Old Game";
        g.tables().gameTitles[1980][1].companyRow = 5;
        Task& t = g.tables().tasks[1];
        t.name = "Quest";
        t.taskType = kTaskGame;
        t.game.publisherShare = 10;
    }
    Game g;
    test::RecordingPlayer p;
};

TEST_F(ReleaseScreens, ThePublisherListSignsTheClickedRow) {
    TForm_GamePublisher list(g, p, 1);
    ASSERT_EQ(list.table()->rowCount(), 1);
    EXPECT_EQ(list.table()->horizontalHeaderItem(2)->text(), QStringLiteral("Weekly OutPut"));
    EXPECT_EQ(list.table()->item(0, 0)->text(), QStringLiteral("Three Soft"));
    EXPECT_EQ(list.table()->item(0, 4)->text(), QStringLiteral("3"));
    list.offerRow(0);
    EXPECT_EQ(g.tables().tasks[1].game.companyRow, 3);
    EXPECT_EQ(p.only("dialog").size(), 1u);
}

TEST_F(ReleaseScreens, DistributionShowsShareAndCostAndNeedsARegion) {
    Tform_releasegame d(g, 1);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Distribution"));
    EXPECT_FALSE(d.okButton()->isEnabled());
    d.region(1)->setChecked(true);
    d.region(3)->setChecked(true);
    EXPECT_TRUE(d.okButton()->isEnabled());
    EXPECT_EQ(d.shareLabel()->text(), QStringLiteral("14%"));
    EXPECT_EQ(d.costLabel()->text(), QStringLiteral("160000$"));
    d.okButton()->click();
    const GameTitle& game = g.tables().tasks[1].game;
    EXPECT_TRUE(game.inUS && !game.inEU && game.inAsia);
    EXPECT_EQ(g.world().money, 840000);
}

}  // namespace
}  // namespace cw::ui
