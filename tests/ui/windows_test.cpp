// The game's windows share one frame: each window of its own over the main
// screen has a Close button, closes with Esc and opens below the main
// screen's header; the notification tells reports from warnings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/window_fit.h"
#include "fakes/recording_player.h"
#include "refdata/reference_tables.h"
#include "setup/new_game.h"
#include "state/game.h"
#include "ui/advertising_screen.h"
#include "ui/app_style.h"
#include "ui/bank_screen.h"
#include "ui/board_meeting_screen.h"
#include "ui/cpu_screen.h"
#include "ui/development_screen.h"
#include "ui/end_screen.h"
#include "ui/expo_screen.h"
#include "ui/database_screen.h"
#include "ui/employees_screen.h"
#include "ui/inbox_screen.h"
#include "ui/keyboard.h"
#include "ui/main_screen.h"
#include "ui/notification_window.h"
#include "ui/placeholder_screens.h"
#include "ui/planning_screens.h"
#include "ui/platform_analysis_screen.h"
#include "ui/platforms_screen.h"
#include "ui/progress_window.h"
#include "ui/project_screen.h"
#include "ui/project_status_screen.h"
#include "ui/qt_player.h"
#include "ui/staff_dialogs.h"
#include "ui/release_screens.h"
#include "ui/staff_screen.h"
#include "ui/stock_screen.h"
#include "ui/view_engines_screen.h"

namespace cw::ui {
namespace {

void pressEscape(QWidget* target) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &esc);
}

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        NewGameOptions o;
        o.companyName = "Pixel Forge";
        o.playerName = "Alex";
        o.boardMeetings = false;
        applyNewGameOptions(g, o);
        g.world().sharesOwnedPercent = 40;  // no takeover by an empty holding
    }
    // Every window of its own, as the game makes it.
    std::vector<std::pair<const char*, std::function<QWidget*()>>> windows() {
        return {
            {"TForm_inbox", [&] { return new TForm_inbox(g, p); }},
            {"TForm_employees", [&] { return new TForm_employees(g, p, nullptr); }},
            {"TForm_platforms", [&] { return new TForm_platforms(g); }},
            {"Tform_cpu", [&] { return new Tform_cpu(g); }},
            {"TForm_platform_analysis", [&] { return new TForm_platform_analysis(g); }},
            {"TDBForm", [&] { return new TDBForm(g, p, ref); }},
            {"TForm_review", [&] { return createPlaceholderScreen(QStringLiteral("TForm_review"), nullptr); }},
            {"Tform_end_screen", [&] { return new Tform_end_screen(g); }},
            {"Tform_bank", [&] { return new Tform_bank(g, p); }},
            {"Tform_stock", [&] { return new Tform_stock(g, p); }},
            {"TForm_boardmeeting", [&] { return new TForm_boardmeeting(g); }},
            {"TForm_view_employees", [&] { return new TForm_view_employees(g, p); }},
            {"TForm_development", [&] { return new TForm_development(g, p); }},
            {"TDevelopment", [&] { return new TDevelopment(g, p); }},
            {"TForm_view_engines", [&] { return new TForm_view_engines(g); }},
            {"TForm_GamePublisher", [&] { return new TForm_GamePublisher(g, p, 1); }},
            {"Tform_releasegame", [&] { return new Tform_releasegame(g, 1); }},
            {"Tform_advertising", [&] { return new Tform_advertising(g, p, 1); }},
            {"TForm_project_finished", [&] { return new TForm_project_finished(g, p, 1); }},
            {"TForm_E3", [&] { return new TForm_E3(g, show); }},
            {"TForm_salesCharts", [&] { return new TForm_salesCharts(g); }},
            {"Tform_Calendar", [&] { return new Tform_Calendar(g); }},
            {"Tform_Analyse", [&] { return new Tform_Analyse(g, p); }},
            {"TForm_genredemands", [&] { return new TForm_genredemands(g); }},
        };
    }
    Game g;
    test::RecordingPlayer p;
    ReferenceTables ref;
    ExpoShow show;
};

TEST_F(WindowsTest, EveryWindowHasACloseButtonAndClosesWithEscape) {
    const auto makers = windows();
    for (const auto& [name, make] : makers) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> w(make());
        // As the game opens them: the placeholders are dialogs already.
        if (!qobject_cast<QDialog*>(w.get())) makeSecondaryWindow(w.get());
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
        EXPECT_FALSE(w->windowTitle().contains(QStringLiteral("Crestwork")));

        w->show();
        auto* close = w->findChild<QPushButton*>(QStringLiteral("closeButton"));
        ASSERT_NE(close, nullptr);
        // The board dismisses the player with its own "Ok".
        EXPECT_EQ(close->text(), QString::fromLatin1(std::string_view(name) == "TForm_boardmeeting" ? "Ok" : "Close"));
        EXPECT_TRUE(close->isVisible());
        close->click();
        EXPECT_FALSE(w->isVisible());

        // Esc on the window, and Esc on a part of it that has no use for it.
        w->show();
        pressEscape(w.get());
        EXPECT_FALSE(w->isVisible());
        w->show();
        pressEscape(close);
        EXPECT_FALSE(w->isVisible());
    }
}

// With CW_SCREENSHOT_DIR set, every window is saved there at 1024x700, for
// a look at the screens' common style.
// 1024x700, and 1920x1080 at Qt's scale factor 2 (960x540): each window,
// fitted below the main screen's header as the game opens it, is no larger
// than the room and shows every button label whole.
TEST_F(WindowsTest, EveryWindowFitsTheSmallestScreens) {
    expectWindowsFit(windows(), {QSize(1024, 700), QSize(960, 540)});
}

TEST_F(WindowsTest, SavesEveryWindowForALook) {
    const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    auto makers = windows();
    AutoTeamOffer offer;
    offer.caption = "Let team leader choose employees";
    offer.question = "Would you like the Team Leader to choose the employees?";
    offer.capacityText = "Teamleader can manage a maximum of 4 employee(s)";
    offer.capacity = 4;
    offer.buttons[0] = "No. I will choose the employees";
    offer.buttons[1] = "Let teamleader choose";
    offer.buttons[2] = "Let teamleader choose maximum of idle employees";
    makers.emplace_back("Tform_leaderchoose", [offer] { return new Tform_leaderchoose(offer); });
    makers.emplace_back("TForm_study", [&] { return new TForm_study(g, p, 0); });
    for (const auto& [name, make] : makers) {
        std::unique_ptr<QWidget> w(make());
        if (!qobject_cast<QDialog*>(w.get())) makeSecondaryWindow(w.get());
        w->resize(1024, 700);
        w->show();
        EXPECT_TRUE(w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
                                   QStringLiteral(".png")));
        w->close();
    }
}

TEST_F(WindowsTest, WindowsOpenCentredOverTheMainScreenBelowItsHeader) {
    QtPlayer player{&g};
    TForm_main main(g, player);
    main.setGeometry(40, 30, 1024, 700);
    main.show();
    auto* header = main.findChild<QWidget*>(QStringLiteral("headerBar"));
    ASSERT_NE(header, nullptr);
    const int headerBottom = header->mapToGlobal(QPoint(0, header->height())).y();
    // A small window and one taller than the room below the header, which
    // shrinks to fit as far as its layout allows.
    TForm_inbox inbox(g, p, &main);
    TForm_platforms platforms(g, &main);
    for (QWidget* window : {static_cast<QWidget*>(&inbox), static_cast<QWidget*>(&platforms)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        makeSecondaryWindow(window);
        window->resize(window == &inbox ? QSize(600, 400) : QSize(1280, 900));
        main.presentWindow(window);
        EXPECT_TRUE(window->isVisible());
        const QRect frame = window->frameGeometry();
        EXPECT_GE(frame.top(), headerBottom);
        EXPECT_LE(std::abs(frame.center().x() - main.frameGeometry().center().x()), 3);
        EXPECT_LE(frame.height(), std::max(window->minimumSizeHint().height() + 8,
                                           main.frameGeometry().bottom() - headerBottom));
        if (window == &inbox) {
            EXPECT_EQ(window->size(), QSize(600, 400));
            EXPECT_LE(frame.bottom(), main.frameGeometry().bottom());
        }
        window->close();
    }
}

// Esc, Tab or "Stop fast forward" while the weeks run: the fast forward ends
// with the week being played.
TEST_F(WindowsTest, FastForwardStopsAtTheEndOfTheWeekWithEscTabOrStop) {
    QtPlayer player{&g};
    TForm_main main(g, player);
    auto* progress = new TForm_Project_progress(g, &main);
    main.attachProgressWindow(progress);
    player.setMainScreen(&main);
    player.setProgressWindow(progress);
    main.show();
    QTimer closer;  // no dialog may hold the test up
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(20);

    auto* central = main.centralWidget();
    const std::vector<std::pair<const char*, std::function<void()>>> stops = {
        {"Esc", [&] { pressEscape(central); }},
        {"Tab",
         [&] {
             QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
             QApplication::sendEvent(central, &tab);
         }},
        {"Stop", [&] { progress->findChild<QPushButton*>(QStringLiteral("stopFastForward"))->click(); }},
    };
    for (const auto& [what, stop] : stops) {
        SCOPED_TRACE(what);
        const int before = g.currentWeek;
        // The first moment the windows take events is the wait after the
        // first week.
        QTimer::singleShot(0, &main, [&] {
            ASSERT_TRUE(main.busy());
            stop();
        });
        main.fastForwardClicked();
        EXPECT_EQ(g.currentWeek, before + 1);
        EXPECT_FALSE(g.session.fastForward);
        EXPECT_FALSE(main.busy());
        EXPECT_FALSE(main.coverVisible());
    }
}

TEST_F(WindowsTest, ReportsShowTheInformationIconWarningsTheWarningOne) {
    QtPlayer player{&g};
    player.notify("Game saved", "Game has been saved", 2000);
    EXPECT_TRUE(player.notificationWindow()->showsInformation());
    player.notify("Office space", "No more office space available.", 2000);
    EXPECT_FALSE(player.notificationWindow()->showsInformation());
    player.notify("New employee hired", "You just hired a new employee Ann", 2000);
    EXPECT_TRUE(player.notificationWindow()->showsInformation());
    player.notificationWindow()->hide();
}

}  // namespace
}  // namespace cw::ui
