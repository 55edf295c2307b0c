// The main screen at the window sizes players use (960x540 is 1920x1080 at
// Qt's scale factor 2), with and without the Christmas banner: nothing may
// be squeezed below the height it needs.
// With CW_SCREENSHOT_DIR set, each case is also saved there as a PNG.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include "setup/new_game.h"
#include "state/game.h"
#include "state/inbox.h"
#include "state/shared_ops.h"
#include "ui/main_screen.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"
#include "ui/sound_panel.h"
#include "ui/sound_system.h"

namespace cw::ui {
namespace {

class MainScreenLayoutTest : public ::testing::TestWithParam<std::tuple<QSize, bool>> {
protected:
    void SetUp() override {
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex Morgan";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        g.currentWeek = 40;
        auto& tasks = g.tables().tasks;
        const char* names[] = {"Dungeon Quest", "Space Raid II", "Engine 2D"};
        for (int i = 0; i < 3; ++i) {
            tasks[i + 1].name = names[i];
            tasks[i + 1].taskType = i == 2 ? 2 : 0;
            tasks[i + 1].workTotal = 100;
            tasks[i + 1].progress = 20 + 30 * i;
        }
        postNews(g, 2, "Space Raid", "Galaxy Soft released Space Raid for the Atari 2600, a shooter.");
        postNews(g, 2, "Castle Gate", "Mirage Games released Castle Gate, an adventure for the Apple II.");
        postNews(g, 2, "Turbo Kart", "Velocity released Turbo Kart, a racing game with split screen.");
        postNews(g, 2, "Mind Maze", "Quadrant released Mind Maze, a puzzle game said to be hard to put down.");
        postLetter(g, player, "Good Luck", "Dear Alex");
    }
    Game g;
    QtPlayer player{&g};
};

TEST_P(MainScreenLayoutTest, NothingIsSqueezed) {
    const auto [size, banner] = GetParam();
    TForm_main screen(g, player);
    player.setMainScreen(&screen);
    // The options bar as the game has it, with its Sound button.
    QTemporaryDir settings;
    SoundSystem sound(CW_GAME_DIR, nullptr, settings.path().toStdString());
    installSoundControls(&screen, sound);
    screen.resize(size);
    screen.show();
    screen.setChristmasBanner(banner ? QStringLiteral("Christmas sales\r\n8 weeks left") : QString());
    screen.refresh();
    screen.showNewsCategory(2);
    QApplication::processEvents();
    EXPECT_EQ(screen.size(), size);
    // The smallest size the window takes fits the smallest screen (a
    // 1920x1080 laptop at scale factor 2), and no column scrolls sideways.
    EXPECT_LE(screen.minimumSizeHint().width(), size.width());
    EXPECT_LE(screen.minimumSizeHint().height(), size.height());
    EXPECT_LE(screen.minimumSize().width(), 960);
    EXPECT_LE(screen.minimumSize().height(), 540);
    for (QScrollArea* scroll : screen.findChildren<QScrollArea*>())
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << scroll->objectName().toStdString();
    for (QAbstractButton* b : screen.findChild<QWidget*>(QStringLiteral("optionsBar"))->findChildren<QAbstractButton*>()) {
        SCOPED_TRACE(b->text().toStdString());
        EXPECT_GE(b->width(), b->sizeHint().width());
    }

    for (const char* name :
         {"nextWeekButton", "fastForwardButton", "inboxButton", "cashLabel", "weekLabel", "dateLabel", "companyLabel",
          "open_TForm_development", "projectPropertiesButton", "taskList", "taskPanelTitle", "taskProgress"}) {
        SCOPED_TRACE(name);
        auto* w = screen.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr);
        EXPECT_GE(w->height(), w->minimumSizeHint().height());
        EXPECT_GE(w->width(), w->minimumSizeHint().width());
    }
    // Each news item whole: a text is as tall as its wrapped lines need.
    for (QLabel* text : screen.findChildren<QLabel*>(QStringLiteral("newsText"))) {
        if (text->isHidden()) continue;
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    }
    // The banner sits in the header, clear of the date.
    auto* bannerLabel = screen.findChild<QLabel*>(QStringLiteral("christmasBanner"));
    auto* date = screen.findChild<QLabel*>(QStringLiteral("weekLabel"));
    EXPECT_EQ(bannerLabel->isVisible(), banner);
    if (banner) {
        const QRect b(bannerLabel->mapTo(&screen, QPoint(0, 0)), bannerLabel->size());
        const QRect d(date->mapTo(&screen, QPoint(0, 0)), date->size());
        EXPECT_FALSE(b.intersects(d));
        EXPECT_GE(bannerLabel->width(), bannerLabel->sizeHint().width());
    }

    const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        const QString file = QStringLiteral("%1/main_screen_%2x%3%4.png")
                                 .arg(QString::fromLocal8Bit(dir))
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(banner ? QStringLiteral("_christmas") : QString());
        EXPECT_TRUE(screen.grab().save(file));
    }
}

// The progress window of a week: the platform table under its headings.
TEST(ProgressWindowLook, ScreenshotOfAWeek) {
    const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    Game g;
    g.world().money = 3712450;
    const char* names[] = {"Atari 2600", "Apple II", "Commodore VIC-20", "Intellivision"};
    for (int i = 0; i < 4; ++i) {
        Platform& pf = g.tables().platforms[i + 1];
        pf.name = names[i];
        pf.released = 1;
        pf.marketShare = static_cast<u8>(60 - 12 * i);
        pf.cpuSpec = 120 + 340 * i;
        pf.price = 199 + 1100 * i;
    }
    g.tables().tasks[1].name = "Dungeon Quest";
    g.tables().tasks[1].workTotal = 100;
    g.tables().tasks[1].progress = 35;
    TForm_Project_progress w(g);
    ProgressInfo info;
    info.weekText = "Week 14, 1981";
    info.dateText = "30. March, 1981";
    info.inboxText = "Inbox messages :2";
    w.setInfo(info);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/progress_week.png")));
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainScreenLayoutTest,
                         ::testing::Combine(::testing::Values(QSize(1024, 700), QSize(1366, 768), QSize(1920, 1080), QSize(960, 540),
                                                              QSize(960, 480)),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<QSize, bool>>& param) {
                             const QSize size = std::get<0>(param.param);
                             return std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                                    (std::get<1>(param.param) ? "_christmas" : "");
                         });

}  // namespace
}  // namespace cw::ui
