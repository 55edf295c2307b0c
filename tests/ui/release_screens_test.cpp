// The publisher list, the distribution dialog, the advertising screen and
// the project status dialog on a small world.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "market/advertising.h"
#include "state/game.h"
#include "state/tasks.h"
#include "ui/advertising_screen.h"
#include "ui/project_status_screen.h"
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
    EXPECT_EQ(d.costLabel()->text(), QStringLiteral("160,000 $"));  // thousands, "$" after as everywhere
    d.okButton()->click();
    const GameTitle& game = g.tables().tasks[1].game;
    EXPECT_TRUE(game.inUS && !game.inEU && game.inAsia);
    EXPECT_EQ(g.world().money, 840000);
}

TEST_F(ReleaseScreens, ACampaignStartsFromThePricePanel) {
    g.world().money = 60000;
    Tform_advertising ads(g, p, 1);
    EXPECT_EQ(ads.windowTitle(), QStringLiteral("Advertising"));
    EXPECT_EQ(ads.statusLabel(2)->text(), QStringLiteral("(Ready)"));
    ads.campaignLink(2)->click();
    EXPECT_FALSE(ads.pricePanel()->isHidden());
    EXPECT_EQ(ads.priceLabel()->text(), QStringLiteral("20,000 $"));
    ads.areaBox()->setCurrentIndex(2);  // 60,000: still affordable
    EXPECT_EQ(ads.priceLabel()->text(), QStringLiteral("60,000 $"));
    ads.startButton()->click();
    EXPECT_EQ(campaignWeeks(g.tables().tasks[1], 2), 60);
    EXPECT_EQ(g.world().money, 0);
    EXPECT_FALSE(ads.campaignLink(2)->isEnabled());
    EXPECT_EQ(ads.statusLabel(2)->text(), QStringLiteral("(In progress)"));
    ads.campaignLink(1)->click();  // nothing left to pay with
    EXPECT_TRUE(ads.pricePanel()->isHidden());
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "Not enough Cash");
}

TEST_F(ReleaseScreens, TheStatusDialogOfAFinishedConsoleImprovesOrFinishesIt) {
    Task& t = g.tables().tasks[2];
    t.name = "New platform";
    t.taskType = kTaskPlatform;
    t.workTotal = 1000;
    t.progress = 1000;
    t.improvementPoints = 10;
    t.platform.name = "Nova 64";
    t.platform.cpuSpec = 900;
    {
        TForm_project_finished d(g, p, 2);
        // With CW_SCREENSHOT_DIR set: the dialog as it opens and over the two
        // smaller main window sizes.
        if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) {
            for (const QSize size : {d.size(), QSize(1024, 700), QSize(1366, 768)}) {
                d.resize(size);
                d.show();
                d.grab().save(QStringLiteral("%1/project_finished_%2x%3.png")
                                  .arg(QString::fromLocal8Bit(dir))
                                  .arg(size.width())
                                  .arg(size.height()));
                d.hide();
            }
        }
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Product development status"));
        EXPECT_EQ(d.valueLabel(0)->text(), QStringLiteral("Nova 64"));
        EXPECT_EQ(d.valueLabel(4)->text(), QStringLiteral("up-to-date (910)"));
        EXPECT_TRUE(d.statusLabel()->text().contains(QStringLiteral("has been finished.\nWhat would you like")));
        EXPECT_TRUE(d.platformsLabel()->isHidden());
        EXPECT_TRUE(d.whyScoreButton()->isHidden());  // a console has no game score
        ASSERT_TRUE(d.improveButton()->isEnabled());
        ASSERT_TRUE(d.finishButton()->isEnabled());
        d.improveButton()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_TRUE(t.improving);
        EXPECT_EQ(t.platform.cpuSpec, 910);
    }
    {
        TForm_project_finished d(g, p, 2);
        EXPECT_FALSE(d.improveButton()->isEnabled());  // the eight weeks run
        EXPECT_FALSE(d.improveButton()->toolTip().isEmpty());
        p.buttonAnswers = {false};  // not yet
        d.finishButton()->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
        d.finishButton()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(t.name.empty());
    EXPECT_EQ(g.tables().platforms[1].name.str(), "Nova 64");

    // A game's dialog tells, and leaves finishing to the game itself.
    g.tables().platforms[2].name = "Zed";
    Task& game = g.tables().tasks[1];
    game.platformList = "1;2;";
    game.workTotal = 100;
    TForm_project_finished d(g, p, 1);
    EXPECT_EQ(d.platformsLabel()->text(),
              QStringLiteral("Will be developed for the following platforms :\nNova 64 . Zed . "));
    EXPECT_FALSE(d.improveButton()->isEnabled());
    EXPECT_FALSE(d.finishButton()->isEnabled());
    EXPECT_FALSE(d.whyScoreButton()->isHidden());
}

}  // namespace
}  // namespace cw::ui
