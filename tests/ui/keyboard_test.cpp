// Play by keyboard and at any screen size: F1 opens the manual, each window's
// Alt+letters are its own, every window fits the screens players have (also
// at Qt's scale factors 1.5 and 2, which leave a smaller screen to lay out
// on), and the main window's size survives a restart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <functional>
#include <memory>

#include "dev/dev_world.h"
#include "ui/window_fit.h"
#include "fakes/recording_player.h"
#include "refdata/reference_tables.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/app_style.h"
#include "ui/bank_screen.h"
#include "ui/development_screen.h"
#include "ui/employees_screen.h"
#include "ui/inbox_screen.h"
#include "ui/keyboard.h"
#include "ui/main_screen.h"
#include "ui/main_screen_keys.h"
#include "ui/manual_window.h"
#include "ui/planning_screens.h"
#include "ui/platforms_screen.h"
#include "ui/project_screen.h"
#include "ui/qt_player.h"
#include "ui/staff_screen.h"
#include "ui/starter_screen.h"
#include "ui/stock_screen.h"
#include "ui/window_settings.h"

namespace cw::ui {
namespace {

// The logical screens: three real ones, and 1920x1080 at scale 1.5 and 2.
const QSize kScreens[] = {{1024, 700}, {1366, 768}, {1920, 1080}, {1280, 720}, {960, 540}};

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::makeDevWorld(g);
        g.world().money = 2500000;
        g.world().sharesOwnedPercent = 40;
    }
    // A game in development, for "Project properties" with all it shows.
    int startGame() {
        TForm_development screen(g, p);
        screen.chooseGenre(1);
        screen.platformList()->item(0)->setCheckState(Qt::Unchecked);
        if (screen.model().setLeader(5)) return 0;
        screen.refresh();
        screen.nameField()->setText(QStringLiteral("Space Duel"));
        int started = 0;
        QObject::connect(&screen, &TForm_development::projectStarted, [&](int t) { started = t; });
        screen.pressStart();
        return started;
    }
    std::vector<std::pair<const char*, std::function<QWidget*()>>> windows() {
        if (task_ == 0) task_ = startGame();
        EXPECT_GT(task_, 0);
        const int task = task_;
        return {
            {"TForm_development", [&] { return new TForm_development(g, p); }},
            {"TDevelopment",
             [&, task] {
                 auto* d = new TDevelopment(g, p);
                 d->showTask(task);
                 return d;
             }},
            {"TForm_CW2Starter", [&] { return new TForm_CW2Starter(g, p, ref); }},
            {"TForm_inbox", [&] { return new TForm_inbox(g, p); }},
            {"TForm_employees", [&] { return new TForm_employees(g, p, nullptr); }},
            {"TForm_view_employees", [&] { return new TForm_view_employees(g, p); }},
            {"TForm_platforms", [&] { return new TForm_platforms(g); }},
            {"Tform_bank", [&] { return new Tform_bank(g, p); }},
            {"Tform_stock", [&] { return new Tform_stock(g, p); }},
            {"Tform_Analyse", [&] { return new Tform_Analyse(g, p); }},
            {"TForm_manual", [] { return new TForm_manual(QStringLiteral(CW_GAME_DIR "/manual")); }},
        };
    }
    Game g;
    test::RecordingPlayer p;
    ReferenceTables ref;
    int task_ = 0;
};

TEST(Mnemonics, EachButtonGetsALetterNoOtherHasAndKeepsItsOwn) {
    QWidget w;
    auto* a = new QPushButton(QStringLiteral("Start development"), &w);
    auto* b = new QPushButton(QStringLiteral("Save"), &w);       // S is taken: the next free letter
    auto* c = new QPushButton(QStringLiteral("&Find"), &w);      // its own stays
    auto* d = new QPushButton(QStringLiteral("R&&D costs"), &w); // an ampersand is no mnemonic
    auto* e = new QPushButton(QStringLiteral("Close"), &w);
    e->setObjectName(QStringLiteral("closeButton"));
    w.show();
    assignMnemonics(&w);
    EXPECT_EQ(a->text(), QStringLiteral("&Start development"));
    EXPECT_EQ(b->text(), QStringLiteral("S&ave"));
    EXPECT_EQ(c->text(), QStringLiteral("&Find"));
    EXPECT_EQ(d->text(), QStringLiteral("&R&&D costs"));
    EXPECT_EQ(e->text(), QStringLiteral("&Close"));
    // A field's caption leads to it.
    auto* row = new QHBoxLayout(&w);
    auto* caption = new QLabel(QStringLiteral("Wage :"), &w);
    auto* wage = new QLineEdit(&w);
    row->addWidget(caption);
    row->addWidget(wage);
    caption->show();
    wage->show();
    EXPECT_EQ(assignMnemonics(&w), 1);
    EXPECT_EQ(caption->buddy(), wage);
    EXPECT_EQ(caption->text(), QStringLiteral("&Wage :"));
    // Again: nothing changes; a text the screen sets anew gets a letter.
    EXPECT_EQ(assignMnemonics(&w), 0);
    b->setText(QStringLiteral("Saved"));
    EXPECT_EQ(assignMnemonics(&w), 1);
    EXPECT_EQ(b->text(), QStringLiteral("S&aved"));
}

TEST_F(KeyboardTest, EveryWindowHasOneAltLetterPerButtonAndNoneTwice) {
    for (const auto& [name, make] : windows()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> w(make());
        if (!qobject_cast<QDialog*>(w.get())) makeSecondaryWindow(w.get());
        w->show();
        assignMnemonics(w.get());
        const QList<QChar> letters = mnemonicsOf(w.get());
        EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size());
        int visibleButtons = 0;
        int lettered = 0;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->window() != w.get() || !b->isVisibleTo(w.get()) || b->text().isEmpty()) continue;
            ++visibleButtons;
            if (!QKeySequence::mnemonic(b->text()).isEmpty()) ++lettered;
        }
        // 26 letters and 10 digits are all there is.
        EXPECT_EQ(lettered, std::min(visibleButtons, 36));
    }
}

TEST_F(KeyboardTest, EveryWindowFitsTheScreenAndShowsItsButtonLabelsWhole) {
    expectWindowsFit(windows(), {std::begin(kScreens), std::end(kScreens)});
}

TEST_F(KeyboardTest, F1OpensTheManualAndALinkFindsItsChapter) {
    QWidget somewhere;
    somewhere.show();
    KeyboardHelper helper([](QWidget* over) { openManual(QStringLiteral(CW_GAME_DIR), over); });
    helper.install(*qApp);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&somewhere, &f1);
    TForm_manual* manual = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<TForm_manual*>(top); m && m->isVisible()) manual = m;
    ASSERT_NE(manual, nullptr);
    const QString page = manual->browser()->toPlainText();
    EXPECT_TRUE(page.contains(QStringLiteral("The first hour")));
    EXPECT_TRUE(page.contains(QStringLiteral("Writing a language file")));
    // The link a language download gives lands on its chapter.
    TForm_manual* again = openManual(QStringLiteral(CW_GAME_DIR), &somewhere, QStringLiteral("languages"));
    EXPECT_EQ(again, manual);
    EXPECT_EQ(again->browser()->source().fragment(), QStringLiteral("languages"));
    manual->close();
}

TEST_F(KeyboardTest, TheMainScreenHasEveryPanelKeyItsManualNames) {
    NewGameOptions o;
    o.companyName = "Pixel Forge";
    applyNewGameOptions(g, o);
    QtPlayer player{&g};
    TForm_main main(g, player);
    int helps = 0;
    installMainScreenKeys(&main, [&helps] { ++helps; });
    for (const PanelKey& k : mainScreenKeys()) {
        SCOPED_TRACE(k.target);
        const QString target = QString::fromLatin1(k.target);
        if (target == QLatin1String("productTabsNext")) continue;
        EXPECT_NE(main.findChild<QWidget*>(target), nullptr);
    }
    main.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
    EXPECT_EQ(helps, 1);
    main.show();
    assignMnemonics(&main);
    const QList<QChar> letters = mnemonicsOf(&main);
    EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size());
}

TEST(MainWindowSize, IsKeptAndOpensMaximisedOnASmallScreen) {
    QTemporaryDir dir;
    const QString file = settingsFile(dir.path());
    EXPECT_FALSE(loadWindowPlacement(file).size.isValid());
    saveWindowPlacement(file, {QSize(1300, 760), false});
    WindowPlacement back = loadWindowPlacement(file);
    EXPECT_EQ(back.size, QSize(1300, 760));
    EXPECT_FALSE(back.maximized);
    saveWindowPlacement(file, {QSize(1250, 790), true});
    back = loadWindowPlacement(file);
    EXPECT_EQ(back.size, QSize(1250, 790));
    EXPECT_TRUE(back.maximized);

    const QSize preferred(1200, 800);
    // Nothing kept: maximised where the screen is smaller than the window wants.
    EXPECT_TRUE(chooseMainPlacement({}, QSize(1366, 740), preferred).maximized);
    EXPECT_FALSE(chooseMainPlacement({}, QSize(1920, 1040), preferred).maximized);
    EXPECT_EQ(chooseMainPlacement({}, QSize(1920, 1040), preferred).size, preferred);
    // Kept: as it was left, never larger than the screen.
    const WindowPlacement kept = chooseMainPlacement({QSize(1500, 900), false}, QSize(1366, 740), preferred);
    EXPECT_FALSE(kept.maximized);
    EXPECT_EQ(kept.size, QSize(1366, 740));

    // A size from a hand-edited file is no size.
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[MainWindow]\nsize=@Size(-5 99999)\nmaximized=banana\n");
    broken.close();
    EXPECT_FALSE(loadWindowPlacement(file).size.isValid());
}

}  // namespace
}  // namespace cw::ui
