// The inbox screen shows the core inbox and forwards clicks to it.
#include "ui/inbox_screen.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "fakes/recording_player.h"
#include "state/game.h"
#include "state/inbox.h"

namespace cw::ui {
namespace {

class InboxScreenTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        g.currentYear = 1984;
        g.currentWeek = 7;
        g.world().playerName = "Ann Smith";
        postLetter(g, p, "Good Luck", "Dear Ann Smith,\r\n\r\nWelcome to the games business.\r\nThe Board");
        postLetter(g, p, "Financial, Bank", "Your loan was granted.");
    }
};

TEST_F(InboxScreenTest, ListsPostedLettersUnreadInBold) {
    TForm_inbox screen(g, p);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_inbox"));
    QTableWidget* grid = screen.grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Recived"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Read"));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Subject"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("1984, 02 - 13"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("NO"));
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("Financial, Bank"));
    EXPECT_TRUE(grid->item(0, 2)->font().bold());
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("label_inbox"))->text(), QStringLiteral("Inbox (2)"));
}

TEST_F(InboxScreenTest, OpeningTheScreenStopsTheBlink) {
    TForm_inbox screen(g, p);
    int changed = 0;
    QObject::connect(&screen, &TForm_inbox::inboxChanged, [&] { ++changed; });
    ASSERT_TRUE(g.inbox.newMailFlag);
    screen.show();
    EXPECT_FALSE(g.inbox.newMailFlag);
    EXPECT_GE(changed, 1);
}

TEST_F(InboxScreenTest, SelectingALetterReadsItAndMarksItRead) {
    TForm_inbox screen(g, p);
    int changed = 0;
    QObject::connect(&screen, &TForm_inbox::inboxChanged, [&] { ++changed; });
    screen.grid()->setCurrentCell(0, 2);
    EXPECT_EQ(g.inbox.rows[1].cells[1], "YES");
    EXPECT_EQ(screen.readingPane()->toPlainText(),
              QStringLiteral("To      : Ann Smith\nRecived : 1984, 02 - 13\n\nDear Ann Smith,\n\n"
                             "Welcome to the games business.\nThe Board"));
    EXPECT_EQ(screen.grid()->item(0, 1)->text(), QStringLiteral("YES"));
    EXPECT_FALSE(screen.grid()->item(0, 2)->font().bold());
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("label_inbox"))->text(), QStringLiteral("Inbox (1)"));
    EXPECT_EQ(changed, 1);
}

TEST_F(InboxScreenTest, DeletePermanentAndDeleteAllGoThroughTheCore) {
    TForm_inbox screen(g, p);
    screen.grid()->setCurrentCell(1, 0);
    auto* action = screen.findChild<QAction*>(QStringLiteral("DeletePermanent"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Delete permanent"));
    action->trigger();
    ASSERT_EQ(screen.grid()->rowCount(), 1);
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("Good Luck"));
    EXPECT_EQ(g.inbox.rows.size(), 3u);

    postLetter(g, p, "Stock Exchange", "x");
    screen.reload();
    auto* all = screen.findChild<QPushButton*>(QStringLiteral("Button_deleteall"));
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->text(), QStringLiteral("Delete all mails"));
    all->click();
    EXPECT_EQ(screen.grid()->rowCount(), 0);
    ASSERT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_TRUE(g.inbox.rows[1].blank());
    EXPECT_EQ(p.refreshes, 1);
}

TEST_F(InboxScreenTest, HeaderClickSortsThroughTheCore) {
    TForm_inbox screen(g, p);
    emit screen.grid()->horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("Financial, Bank"));
    EXPECT_EQ(screen.inboxRowAt(0), 1);
    emit screen.grid()->horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(screen.grid()->item(0, 2)->text(), QStringLiteral("Good Luck"));
    EXPECT_EQ(screen.grid()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(InboxScreenTest, Screenshot) {
    postLetter(g, p, "Hardware improvement, performance", "Our engineers improved the performance.");
    postLetter(g, p, "Game finished", "Space Trader is finished.");
    TForm_inbox screen(g, p);
    screen.show();
    screen.grid()->setCurrentCell(0, 0);
    const QPixmap shot = screen.grab();
    EXPECT_FALSE(shot.isNull());
    if (const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR"); !dir.isEmpty())
        shot.save(QString::fromUtf8(dir) + QStringLiteral("/inbox.png"));
}

}  // namespace
}  // namespace cw::ui
