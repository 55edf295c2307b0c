// The platform publisher screen shows its model: the companies, the talks
// box once one is chosen, and the signed deal in the list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "hardware/platform_publisher_screen.h"
#include "state/game.h"
#include "state/tasks.h"
#include "ui/platform_publisher_screen.h"

namespace cw::ui {
namespace {

TEST(PlatformPublisherScreen, ChoosingACompanyOpensTheTalksAndADealFillsTheList) {
    Game g;
    g.currentYear = 1990;
    g.currentWeek = 10;
    g.rng.seed = 12;
    g.world().money = 900000;
    auto& t = g.tables();
    const char* const names[] = {"Ocean Soft", "Bit Works", "Lunar Games", "Red Arrow Interactive", "Pixel Forge"};
    for (int c = 1; c <= 5; ++c) {
        t.companies[c].name = names[c - 1];
        t.companies[c].listRow = c;
        t.companies[c].firstYear = 1980;
        for (int k = 0; k < c + 1; ++k) {
            GameTitle& x = t.gameTitles[1987 + k % 5][c * 10 + k];
            x.title = std::string(names[c - 1]).substr(0, 5) + " Quest " + std::to_string(k + 1);
            x.companyRow = c;
            x.reviewScore = static_cast<u8>(70 + 6 * k);
            x.platform = 1;
        }
    }
    for (int y = 1987; y <= 1991; ++y) t.titlesPerYear[y] = 80;
    Task& task = t.tasks[4];
    task.name = "Cube";
    task.taskType = kTaskPlatform;
    task.platform.name = "Cube";

    test::RecordingPlayer p;
    Tform_platformPublisher screen(g, p, 4);
    EXPECT_EQ(screen.companyGrid()->rowCount(), 5);
    EXPECT_FALSE(screen.negotiationBox()->isVisibleTo(&screen));
    screen.chooseRow(screen.model().rowOf(4));
    ASSERT_TRUE(screen.negotiationBox()->isVisibleTo(&screen));
    EXPECT_FALSE(screen.makeDealButton()->isEnabled());
    EXPECT_EQ(screen.offerField()->text(), QStringLiteral("150000"));

    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        for (const QSize size : {QSize(1024, 700), QSize(1366, 768)}) {
            screen.resize(size);
            QApplication::processEvents();
            screen.grab().save(QString::fromLocal8Bit(dir) +
                               QStringLiteral("/platform_publisher_%1x%2.png").arg(size.width()).arg(size.height()));
        }

    screen.offerField()->setText(QStringLiteral("400000"));
    screen.suggestButton()->click();
    ASSERT_TRUE(screen.makeDealButton()->isEnabled());
    screen.makeDealButton()->click();
    EXPECT_FALSE(screen.negotiationBox()->isVisibleTo(&screen));
    ASSERT_EQ(screen.dealList()->count(), 1);
    EXPECT_EQ(screen.dealList()->item(0)->text(), QStringLiteral("Red Arrow Interactive(1)"));
    EXPECT_LT(g.world().money, 900000);
}

}  // namespace
}  // namespace cw::ui
