#include "ui/load_screen.h"

#include <gtest/gtest.h>

#include <random>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "fakes/recording_player.h"
#include "state/save_game.h"

namespace fs = std::filesystem;

TEST(LoadScreen, ListsAnnotatesAndClosesOnAValidChoice) {
    const fs::path dir = fs::temp_directory_path() / ("cw_load_screen_test_" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    cw::Game g;
    g.programFolder = dir.string();
    cw::test::RecordingPlayer p;
    g.world().companyName = "Acme";
    g.world().money = 1234567;
    g.currentYear = 1984;
    g.currentWeek = 10;
    p.textAnswers.push_back("first");
    ASSERT_TRUE(cw::saveGame(g, p));
    g.world().companyName = "Newer Co";
    p.textAnswers.push_back("second");
    ASSERT_TRUE(cw::saveGame(g, p));
    // The older file by name is the newer one by date, and is selected.
    const auto now = fs::last_write_time(dir / "savegame" / "second.sav");
    fs::last_write_time(dir / "savegame" / "first.sav", now + std::chrono::hours(1));

    cw::ui::TForm_load_game screen(g, p);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Load a saved game"));
    screen.refill();
    ASSERT_EQ(screen.list()->count(), 2);
    EXPECT_EQ(screen.list()->item(0)->text(), QStringLiteral("first.sav\nAcme | 5. March, 1984 | $ 1,234,567"));
    EXPECT_EQ(screen.list()->item(1)->text(), QStringLiteral("second.sav\nNewer Co | 5. March, 1984 | $ 1,234,567"));
    EXPECT_EQ(screen.list()->currentRow(), 0);
    for (int i = 0; i < 80 && !screen.list()->item(1)->text().contains(QStringLiteral(" >>> ")); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20), QThread::msleep(10);
    EXPECT_TRUE(screen.list()->item(0)->text().startsWith(QStringLiteral("first.sav >>> ")));
    EXPECT_TRUE(screen.list()->item(0)->text().endsWith(QStringLiteral("\nAcme | 5. March, 1984 | $ 1,234,567")));

    screen.list()->setCurrentRow(-1);
    screen.loadGameClicked();  // nothing selected: stays open, nothing chosen
    EXPECT_EQ(g.session.chosenSaveFile, "");
    screen.list()->setCurrentRow(0);
    screen.loadGameClicked();
    EXPECT_EQ(g.session.chosenSaveFile, "first.sav");
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_TRUE(screen.hiddenBox()->geometry().bottom() < 0);
    fs::remove_all(dir);
}

// A look at the list with its summaries (CW_SCREENSHOT_DIR=folder to write it).
TEST(LoadScreen, Screenshot) {
    const char* shots = std::getenv("CW_SCREENSHOT_DIR");
    if (!shots) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    const fs::path dir = fs::temp_directory_path() / ("cw_load_screen_shot_" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    cw::Game g;
    g.programFolder = dir.string();
    cw::test::RecordingPlayer p;
    const char* names[] = {"Acme Soft", "Pixel Forge", "Night Owl Games"};
    for (int i = 0; i < 3; ++i) {
        g.world().companyName = names[i];
        g.world().money = 4000000 - 1234567 * i;
        g.currentYear = 1980 + 4 * i;
        g.currentWeek = 1 + 17 * i;
        p.textAnswers.push_back(std::string("game") + std::to_string(i + 1));
        ASSERT_TRUE(cw::saveGame(g, p));
    }
    cw::ui::TForm_load_game screen(g, p);
    screen.resize(620, 420);
    screen.show();
    for (int i = 0; i < 120; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20), QThread::msleep(10);
    screen.grab().save(QString(shots) + "/load_screen.png");
    fs::remove_all(dir);
}
