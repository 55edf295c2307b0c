// The new-game screen and the player setup screen.
#include "ui/starter_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "ui/main_screen.h"
#include "ui/player_bonus_screen.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {
namespace fs = std::filesystem;

class StarterScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_starter_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.fixedSeed = 5;
        test::writeTinyDataArchive(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
    ReferenceTables ref;
};

TEST_F(StarterScreenTest, NamesLimitedWhileTypingAndDefaults) {
    TForm_CW2Starter starter(g, player, ref);
    QLineEdit* company = starter.companyNameEdit();
    company->clear();
    for (int i = 0; i < 25; ++i) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(company, &key);
    }
    EXPECT_EQ(company->text().size(), 20);
    const NewGameOptions o = starter.options();
    EXPECT_EQ(o.companyValue, 4);
    EXPECT_EQ(o.gameLevel, 2);
    EXPECT_TRUE(o.boardMeetings);
    EXPECT_TRUE(o.music);
    EXPECT_FALSE(o.startWithFactory);
    EXPECT_EQ(starter.playerNameEdit()->text(), QStringLiteral("Player"));
    EXPECT_EQ(starter.moneyLabel()->text(), QStringLiteral("$ 6,000,000(Start cash:4,000,000)"));
    EXPECT_EQ(starter.findChild<QCheckBox*>(QStringLiteral("startWithFactory"))->isVisibleTo(&starter), false);
    EXPECT_TRUE(starter.findChild<QPushButton*>(QStringLiteral("chooseModButton"))->isEnabled());
    EXPECT_TRUE(starter.findChild<QPushButton*>(QStringLiteral("newModButton"))->isEnabled());
    EXPECT_EQ(starter.modLabel()->text(),
              QStringLiteral("Default FULL CW2 MOD\nPlatforms : All (61)\nGenres : All (37)"));
}

TEST_F(StarterScreenTest, StartUpLevelFollowsTheValueAndTheBoard) {
    TForm_CW2Starter starter(g, player, ref);
    EXPECT_EQ(starter.startupLevelLabel()->text(), QStringLiteral("Medium"));
    starter.companyValueSlider()->setValue(2);
    EXPECT_EQ(starter.score(), 10);
    EXPECT_EQ(starter.startupLevelLabel()->text(), QStringLiteral("Extreme"));
    starter.boardMeetingBox()->setChecked(false);
    EXPECT_EQ(starter.score(), 15);
    EXPECT_EQ(starter.startupLevelLabel()->text(), QStringLiteral("Hard"));
    EXPECT_EQ(starter.moneyLabel()->text(), QStringLiteral("$ 3,000,000(Start cash:2,000,000)"));
    starter.gameLevelSlider()->setValue(3);
    EXPECT_EQ(starter.levelEffectsLabel()->text(),
              QStringLiteral("Expensive Buildings\nEmployees Switch\nCut-throat compertition"));
}

TEST_F(StarterScreenTest, ShowingFillsTheLastNamesAndTheHighestScore) {
    std::ofstream(dir / "Namstart.txt") << "Ann\nPixel Forge\n";
    std::ofstream(dir / "hs.tmp", std::ios::binary) << encodeHighScore(28536) << "\r\n";
    TForm_CW2Starter starter(g, player, ref);
    EXPECT_EQ(starter.highScore(), 28536);
    starter.show();
    EXPECT_TRUE(starter.animating());
    EXPECT_EQ(starter.playerNameEdit()->text(), QStringLiteral("Ann"));
    EXPECT_EQ(starter.companyNameEdit()->text(), QStringLiteral("Pixel Forge"));
    EXPECT_FALSE(starter.options().tutor);
    starter.exitGame();

    fs::remove(dir / "Namstart.txt");
    TForm_CW2Starter fresh(g, player, ref);
    fresh.show();
    EXPECT_TRUE(fresh.options().tutor);
    EXPECT_EQ(fresh.playerNameEdit()->text(), QStringLiteral("Player"));
    fresh.exitGame();
}

TEST_F(StarterScreenTest, StartNewGameBuildsTheWorldAndIgnoresClose) {
    TForm_CW2Starter starter(g, player, ref);
    NewGameHooks hooks;
    int shownMain = 0;
    hooks.showMainScreen = [&] { ++shownMain; };
    hooks.playerSetup = [] { return PlayerBonus{25, 1}; };
    starter.setStartHooks(hooks);
    starter.show();
    starter.close();
    EXPECT_TRUE(starter.isVisible());  // left only through its buttons
    starter.playerNameEdit()->setText(QStringLiteral("Ann"));
    int started = 0;
    QObject::connect(&starter, &TForm_CW2Starter::gameStarted, [&] { ++started; });
    starter.startNewGame();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(shownMain, 1);
    EXPECT_FALSE(starter.isVisible());
    EXPECT_FALSE(starter.animating());
    EXPECT_EQ(g.world().playerName.str(), "Ann");
    EXPECT_EQ(g.world().companyName.str(), "My Company");
    EXPECT_EQ(g.world().money, 4000000);
    EXPECT_EQ(g.session.chosenPlayerAge, 25);
    EXPECT_EQ(g.session.chosenPlayerSpecialty, 1);
    EXPECT_EQ(player.only("letter").size(), 2u);
    EXPECT_TRUE(fs::exists(dir / "Namstart.txt"));
}

TEST_F(StarterScreenTest, ABrokenArchiveKeepsThePlayerOnTheScreen) {
    std::ofstream(dir / "data.zip", std::ios::binary) << "not an archive";
    TForm_CW2Starter starter(g, player, ref);
    NewGameHooks hooks;
    int setups = 0;
    hooks.playerSetup = [&] {
        ++setups;
        return PlayerBonus{};
    };
    starter.setStartHooks(hooks);
    starter.show();
    int started = 0;
    QObject::connect(&starter, &TForm_CW2Starter::gameStarted, [&] { ++started; });
    starter.startNewGame();
    EXPECT_EQ(started, 0);
    EXPECT_EQ(setups, 0);
    EXPECT_TRUE(starter.isVisible());
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].a, "UnZip failure");
    EXPECT_NE(player.only("message")[0].b.find("data.zip cannot be read"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));
    starter.exitGame();
}

TEST_F(StarterScreenTest, AccentedNamesStartAndOthersAreRefusedWithAMessage) {
    TForm_CW2Starter starter(g, player, ref);
    NewGameHooks hooks;
    hooks.playerSetup = [] { return PlayerBonus{25, 1}; };
    starter.setStartHooks(hooks);
    starter.show();
    starter.companyNameEdit()->setText(QStringLiteral("Łódź Soft"));
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        shown = d->findChild<QLabel*>(QStringLiteral("bodyLabel"))->text();
        d->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
    });
    starter.startNewGame();
    EXPECT_EQ(shown, QStringLiteral("The company name cannot contain \"Ł\" (the game keeps only Western European "
                                    "letters and signs)"));
    EXPECT_TRUE(starter.isVisible());
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));

    // Twenty letters, each two bytes in UTF-8: the box takes them all.
    starter.companyNameEdit()->setText(QStringLiteral("ÉÉÉÉÉÉÉÉÉÉÉÉ Société"));
    EXPECT_EQ(starter.companyNameEdit()->text().size(), 20);
    starter.playerNameEdit()->setText(QStringLiteral("Zoë"));
    starter.startNewGame();
    EXPECT_FALSE(starter.isVisible());
    EXPECT_EQ(g.world().companyName.str(), "ÉÉÉÉÉÉÉÉÉÉÉÉ Société");
    EXPECT_EQ(g.world().companyName.size(), 20);
    EXPECT_EQ(g.world().playerName.str(), "Zoë");
}

TEST_F(StarterScreenTest, RebuildDatabaseNeedsTheExactCode) {
    TForm_CW2Starter starter(g, player, ref);
    int asked = 0, loads = 0, exits = 0;
    QObject::connect(&starter, &TForm_CW2Starter::databaseRequested, [&] { ++asked; });
    QObject::connect(&starter, &TForm_CW2Starter::loadRequested, [&] { ++loads; });
    QObject::connect(&starter, &TForm_CW2Starter::exitRequested, [&] { ++exits; });
    EXPECT_FALSE(starter.rebuildDatabaseWithCode(QStringLiteral("QvjjQ")));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(ref.rebuildRequested);
    EXPECT_TRUE(starter.rebuildDatabaseWithCode(QStringLiteral("qvjjQ")));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(ref.rebuildRequested);
    starter.findChild<QPushButton*>(QStringLiteral("loadButton"))->click();
    EXPECT_EQ(loads, 1);
    starter.show();
    starter.findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(starter.isVisible());
}

TEST_F(StarterScreenTest, ALoadUsesTheStartInTwoHalves) {
    TForm_CW2Starter starter(g, player, ref);
    NewGameHooks hooks;
    int setups = 0, shownMain = 0;
    hooks.playerSetup = [&] {
        ++setups;
        return PlayerBonus{};
    };
    hooks.showMainScreen = [&] { ++shownMain; };
    starter.setStartHooks(hooks);
    starter.show();
    g.session.loadingSavedGame = true;
    int started = 0;
    QObject::connect(&starter, &TForm_CW2Starter::gameStarted, [&] { ++started; });
    starter.beginLoadedGame();
    EXPECT_FALSE(starter.isVisible());
    EXPECT_EQ(shownMain, 0);
    EXPECT_EQ(started, 0);
    starter.finishLoadedGame();
    EXPECT_EQ(shownMain, 1);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(setups, 0);
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));
}

TEST(PlayerSetupScreen, AgeAndAbilityWithinTheirLimits) {
    Tform_player_bonus screen;
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Player setup"));
    EXPECT_EQ(screen.ageField()->minimum(), 16);
    EXPECT_EQ(screen.ageField()->maximum(), 40);
    EXPECT_EQ(screen.ageField()->value(), 30);
    ASSERT_EQ(screen.abilityList()->count(), 5);
    EXPECT_EQ(screen.abilityList()->item(2)->text(), QStringLiteral("Designing"));
    screen.ageField()->setValue(99);
    EXPECT_EQ(screen.shown().age, 40);
    screen.abilityList()->setCurrentRow(4);
    EXPECT_EQ(screen.stored().specialty, 0);  // nothing stored before "Continue"
    screen.continueClicked();
    EXPECT_EQ(screen.stored().age, 40);
    EXPECT_EQ(screen.stored().specialty, 4);
}

// With CW_SCREENSHOT_DIR set, saves both screens as a player sees them.
TEST_F(StarterScreenTest, Screenshots) {
    const char* shots = std::getenv("CW_SCREENSHOT_DIR");
    if (!shots) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    std::ofstream(dir / "hs.tmp", std::ios::binary) << encodeHighScore(28536);
    TForm_CW2Starter starter(g, player, ref);
    starter.show();
    for (int i = 0; i < 12; ++i) QApplication::processEvents();
    starter.grab().save(QString(shots) + "/starter.png");
    starter.exitGame();
    Tform_player_bonus setup;
    setup.setShown({34, 1});
    setup.show();
    setup.grab().save(QString(shots) + "/player_setup.png");
}

// The whole start with the shipped data through the real windows: the
// progress window during the set-up, then the uncovered main screen.
TEST_F(StarterScreenTest, ScreenshotOfAStartedGame) {
    const char* shots = std::getenv("CW_SCREENSHOT_DIR");
    if (!shots) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    fs::copy_file(fs::path(CW_GAME_DIR) / "data.zip", dir / "data.zip", fs::copy_options::overwrite_existing);
    QtPlayer qt(&g);
    TForm_main main(g, qt);
    auto* progress = new TForm_Project_progress(g, &main);
    main.attachProgressWindow(progress);
    qt.setMainScreen(&main);
    qt.setProgressWindow(progress);
    main.show();
    TForm_CW2Starter starter(g, qt, ref, &main);
    NewGameHooks hooks;
    hooks.playerSetup = [] { return PlayerBonus{28, 3}; };
    hooks.showMainScreen = [&] { main.setCoverVisible(false); };
    int updates = 0;
    hooks.world.chooseEraPictures = [&] {
        ++updates;
        progress->grab().save(QString(shots) + "/progress_setup.png");
    };
    starter.setStartHooks(hooks);
    starter.show();
    starter.startNewGame();
    EXPECT_EQ(updates, 1);
    EXPECT_GT(g.tables().platforms[1].name.size(), 0);
    main.refresh();
    main.grab().save(QString(shots) + "/main_after_start.png");
}

}  // namespace
}  // namespace cw::ui
