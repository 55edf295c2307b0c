// The money screens show the core's models and forward their buttons: the
// bank, the exchange with its chart, the board meeting and the end screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCategoryAxis>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <cstdlib>

#include "fakes/recording_player.h"
#include "finance/board.h"
#include "finance/end_game.h"
#include "state/game.h"
#include "ui/bank_screen.h"
#include "ui/board_meeting_screen.h"
#include "ui/end_screen.h"
#include "ui/stock_screen.h"

namespace cw::ui {
namespace {

// A company in 1986 with a few rivals on the exchange and a share price
// that rose over the last two years.
void smallMarket(Game& g) {
    g.currentYear = 1986;
    g.currentWeek = 20;
    World& w = g.world();
    w.companyName = "Acme Interactive";
    w.playerName = "Ann";
    w.money = 2400000;
    w.loan = 600000;
    w.headquartersLevel = 2;
    w.warehouseLevel = 1;
    w.sharesOwnedPercent = 35;
    w.startCompanyValue = 4500000;
    w.gameLevel = 2;
    w.startupScore = 20;
    w.boardOpinion = 41;
    const char* names[] = {"Kettlecombe Games", "Osiercombe Systems", "Coppershaw Ware",
                           "Yewwood Soft",      "Brouwer Games",      "Heatherfold Arcade"};
    for (int i = 0; i < 6; ++i) {
        Company& c = g.tables().companies[i + 1];
        c.name = names[i];
        c.firstYear = i == 5 ? 1986 : 1979 + i;
        c.money = 800000 + i * 900000;
        c.sharePrice = 40 + i * 17;
        c.playerSharesHeld = i == 2 ? 5 : 0;
    }
    for (int i = 1; i <= 105; ++i) w.sharePriceHistory[i] = i < 20 ? 0 : 90 + (i * 7) % 23 + i / 2;
    w.sharePriceHistory[105] = w.sharePriceHistory[104];
}

// Saved for a look when CW_SCREENSHOT_DIR is set.
void grab(QWidget& w, const char* name) {
    w.resize(1024, 700);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR"))
        w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

void pressEscape(QWidget& w) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &esc);
}

TEST(BankScreen, ShowsTheFiguresAndBorrowsAndRepaysThroughTheCore) {
    Game g;
    smallMarket(g);
    test::RecordingPlayer p;
    Tform_bank bank(g, p);
    EXPECT_EQ(bank.objectName(), QStringLiteral("Tform_bank"));
    EXPECT_EQ(bank.figure(0)->text(), QStringLiteral("2,400,000 $"));
    EXPECT_EQ(bank.figure(2)->text(), QStringLiteral("3,000,000 $"));  // buildingScore 7
    EXPECT_EQ(bank.figure(3)->text(), QStringLiteral("7 %"));
    EXPECT_EQ(bank.figure(4)->text(), QStringLiteral("2,400,000 $"));
    EXPECT_TRUE(bank.comment()->text().startsWith(QStringLiteral("Welcome to the bank Sir.\nWhat can we do")));
    EXPECT_EQ(bank.borrowBox()->maximum(), 2400000);
    EXPECT_EQ(bank.borrowBox()->singleStep(), 50000);
    grab(bank, "bank");

    bank.borrowBox()->setValue(1000000);
    bank.borrowButton()->click();
    EXPECT_EQ(g.world().loan, 1600000);
    EXPECT_EQ(g.world().money, 3400000);
    EXPECT_EQ(bank.figure(3)->text(), QStringLiteral("9 %"));
    bank.repayBox()->setValue(1600000);
    bank.repayButton()->click();
    EXPECT_EQ(g.world().loan, 0);
    EXPECT_FALSE(bank.repayButton()->isEnabled());

    g.world().headquartersLevel = 0;
    g.world().warehouseLevel = 1;
    bank.refresh();
    EXPECT_FALSE(bank.borrowButton()->isEnabled());
    EXPECT_FALSE(bank.borrowBox()->isEnabled());

    bank.show();
    pressEscape(bank);
    EXPECT_FALSE(bank.isVisible());
    EXPECT_EQ(bank.findChild<QPushButton*>(QStringLiteral("closeButton"))->text(), QStringLiteral("Close"));
}

TEST(ExchangeScreen, ListsTheCompaniesAndDrawsTwoYearsOfPrices) {
    Game g;
    smallMarket(g);
    test::RecordingPlayer p;
    Tform_stock stock(g, p);
    EXPECT_EQ(stock.windowTitle(), QStringLiteral("CW2 - The Exchange"));
    QTableWidget* grid = stock.grid();
    ASSERT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Shares in your\ncompany %"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Acme Interactive"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("35 %"));
    EXPECT_EQ(grid->item(3, 2)->text(), QStringLiteral("5 %"));
    EXPECT_EQ(grid->item(6, 1)->text(), QStringLiteral("NA"));  // founded this year
    EXPECT_EQ(stock.series()->count(), 105);
    EXPECT_EQ(stock.series()->at(104).y(), g.world().sharePriceHistory[105]);
    // The newest price is above 150, so every chart step is 3 dollars.
    EXPECT_DOUBLE_EQ(stock.priceAxis()->max(), 300.0);
    EXPECT_EQ(stock.priceAxis()->categoriesLabels(), (QStringList{QStringLiteral("99"), QStringLiteral("198")}));
    grab(stock, "exchange");

    p.buttonAnswers = {true};
    stock.sellButton()->click();
    EXPECT_EQ(p.only("dialog").at(0).a, "Are you sure");
    EXPECT_EQ(g.world().sharesOwnedPercent, 30);
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("30 %"));
    stock.show();
    pressEscape(stock);
    EXPECT_FALSE(stock.isVisible());
}

TEST(BoardMeetingScreen, ShowsTheTextAndTheOpinionBar) {
    Game g;
    smallMarket(g);
    g.world().boardMeetingsEnabled = 1;
    g.world().boardOpinion = 30;
    test::RecordingPlayer p;
    holdBoardMeeting(g, p);
    TForm_boardmeeting meeting(g);
    EXPECT_EQ(meeting.windowTitle(), QStringLiteral("Annual board meeting"));
    EXPECT_TRUE(meeting.text()->toPlainText().startsWith(
        QStringLiteral("Welcome to our First annual board Meeting in Acme Interactive\n\nOur Intermediate goal")));
    EXPECT_EQ(meeting.opinionBar()->value(), 32);
    grab(meeting, "board_meeting");
    meeting.show();
    pressEscape(meeting);
    EXPECT_FALSE(meeting.isVisible());
}

TEST(EndScreen, ShowsTheFinalScoreAndTheBeatenHighScore) {
    Game g;
    smallMarket(g);
    g.programFolder = testing::TempDir();
    test::RecordingPlayer p;
    std::remove((g.programFolder + "/hs.tmp").c_str());
    showEndScreen(g, p);
    Tform_end_screen end(g);
    EXPECT_EQ(end.windowTitle(), QStringLiteral("Game is over"));
    // (2000 + 300 + 500) × 4: the 180 of cash are eaten by the 2000 taken off in 1986.
    EXPECT_EQ(end.score()->text(), QStringLiteral("11,200"));
    EXPECT_TRUE(end.note()->text().startsWith(QStringLiteral("A new high score!")));
    EXPECT_EQ(end.reportsButton()->text(), QStringLiteral("View Final annual reports"));
    grab(end, "end_screen");
    std::remove((g.programFolder + "/hs.tmp").c_str());
}

}  // namespace
}  // namespace cw::ui
