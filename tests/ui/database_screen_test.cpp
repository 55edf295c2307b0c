#include <gtest/gtest.h>

#include <random>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <filesystem>

#include "fakes/recording_player.h"
#include "refdata/reference_tables.h"
#include "state/game.h"
#include "ui/database_screen.h"

namespace fs = std::filesystem;

TEST(DatabaseScreen, ConvertDataFillsTheTablesFromTheShippedArchive) {
    const fs::path dir = fs::temp_directory_path() / ("cw_dbform_test_" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR) / "data.zip", dir / "data.zip");
    cw::Game g;
    g.programFolder = dir.string();
    cw::test::RecordingPlayer p;
    cw::ReferenceTables ref;
    cw::ui::TDBForm form(g, p, ref);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Database Operations"));
    EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("testButton"))->isEnabled());

    form.convertData();
    auto* games = form.findChild<QTableView*>(QStringLiteral("List_games"));
    ASSERT_TRUE(games);
    EXPECT_GT(games->model()->rowCount(), 15000);
    EXPECT_TRUE(form.findChild<QPushButton*>(QStringLiteral("testButton"))->isEnabled());
    EXPECT_TRUE(p.only("message").empty());

    form.rebuildData();
    EXPECT_GT(form.findChild<QListWidget*>(QStringLiteral("yearReleases"))->count(), 20);
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("statusBar"))->text().startsWith(QStringLiteral("game num:")));
    if (const char* shots = std::getenv("CW_SCREENSHOT_DIR")) form.grab().save(QString(shots) + "/dbform.png");
    fs::remove_all(dir);
}

TEST(DatabaseScreen, PasswordDialogMasksItsField) {
    cw::ui::TPasswordDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Password Dialog"));
    dlg.setTyped(QStringLiteral("qvjjQ"));
    EXPECT_EQ(dlg.typed(), QStringLiteral("qvjjQ"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
}
