#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QCoreApplication>
#include <QThread>
#include <filesystem>

#include "fakes/recording_player.h"
#include "state/save_game.h"
#include "ui/load_screen.h"

namespace fs = std::filesystem;

TEST(LoadScreen, ListsAnnotatesAndClosesOnAValidChoice) {
    const fs::path dir = fs::temp_directory_path() / "cw_load_screen_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    cw::Game g;
    g.programFolder = dir.string();
    cw::test::RecordingPlayer p;
    p.textAnswers.push_back("first");
    ASSERT_TRUE(cw::saveGame(g, p));

    cw::ui::TForm_load_game screen(g, p);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Load a saved game"));
    screen.refill();
    ASSERT_EQ(screen.list()->count(), 1);
    EXPECT_EQ(screen.list()->item(0)->text(), QStringLiteral("first.sav"));
    for (int i = 0; i < 40 && !screen.list()->item(0)->text().contains(QStringLiteral(" >>> ")); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20), QThread::msleep(10);
    EXPECT_TRUE(screen.list()->item(0)->text().startsWith(QStringLiteral("first.sav >>> ")));

    screen.loadGameClicked();  // nothing selected: stays open, nothing chosen
    EXPECT_EQ(g.session.chosenSaveFile, "");
    screen.list()->setCurrentRow(0);
    screen.loadGameClicked();
    EXPECT_EQ(g.session.chosenSaveFile, "first.sav");
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_TRUE(screen.hiddenBox()->geometry().bottom() < 0);
    fs::remove_all(dir);
}
