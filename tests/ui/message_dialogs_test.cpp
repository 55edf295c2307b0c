// The modal message windows answer as the game expects, and the notification
// replaces, fades and dismisses as it should.
#include "ui/message_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "ui/notification_window.h"

namespace cw::ui {
namespace {

struct Seen {
    QString objectName, caption, body;
    QStringList buttons;
};

// Once the modal window is up, records what it shows and then presses the
// named button, or Esc when `button` is empty.
void whenShown(Seen& seen, const QString& button, const QString& typed = {}) {
    QTimer::singleShot(0, [&seen, button, typed] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen.objectName = d->objectName();
        seen.caption = d->findChild<QLabel*>(QStringLiteral("headerLabel"))->text();
        if (auto* body = d->findChild<QLabel*>(QStringLiteral("bodyLabel"))) seen.body = body->text();
        for (QPushButton* b : d->findChildren<QPushButton*>()) seen.buttons << b->text();
        if (!typed.isNull()) d->findChild<QLineEdit*>(QStringLiteral("edit_input"))->setText(typed);
        if (button.isEmpty()) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(d, &esc);
        } else {
            d->findChild<QPushButton*>(button)->click();
        }
    });
}

TEST(AskDialog, ButtonsAnswerAndOtherClosingRepeatsTheLastAnswer) {
    bool last = true;
    Seen seen;
    whenShown(seen, QStringLiteral("button_second"));
    EXPECT_FALSE(runAskDialog(nullptr, QStringLiteral("GAME"), QStringLiteral("Line 1\r\nLine 2"), true, true, last));
    EXPECT_FALSE(last);
    EXPECT_EQ(seen.objectName, QStringLiteral("TCW2Dialog"));
    EXPECT_EQ(seen.caption, QStringLiteral("GAME"));
    EXPECT_EQ(seen.body, QStringLiteral("Line 1\nLine 2"));
    EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));

    Seen esc;
    whenShown(esc, {});
    EXPECT_FALSE(runAskDialog(nullptr, QStringLiteral("c"), QStringLiteral("t"), false, true, last));
    EXPECT_EQ(esc.buttons, (QStringList{QStringLiteral("Ok"), QStringLiteral("Cancel")}));

    Seen first;
    whenShown(first, QStringLiteral("button_first"));
    EXPECT_TRUE(runAskDialog(nullptr, QStringLiteral("c"), QStringLiteral("t"), false, false, last));
    EXPECT_EQ(first.buttons, QStringList{QStringLiteral("Ok")});
    EXPECT_TRUE(last);

    bool fresh = true;  // before any use, closing answers true
    Seen again;
    whenShown(again, {});
    EXPECT_TRUE(runAskDialog(nullptr, QStringLiteral("c"), QStringLiteral("t"), true, true, fresh));
}

TEST(MessageBox, OnlyYesAnswersTrue) {
    Seen yes, no, ok, esc;
    whenShown(yes, QStringLiteral("button_yes"));
    EXPECT_TRUE(runMessageBox(nullptr, QStringLiteral("Bank"), QStringLiteral("Borrow?"), true));
    EXPECT_EQ(yes.objectName, QStringLiteral("TMessage_box"));
    EXPECT_EQ(yes.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    whenShown(no, QStringLiteral("button_no"));
    EXPECT_FALSE(runMessageBox(nullptr, QStringLiteral("Bank"), QStringLiteral("Borrow?"), true));
    whenShown(ok, QStringLiteral("button_ok"));
    EXPECT_FALSE(runMessageBox(nullptr, QStringLiteral("Bank"), QStringLiteral("Done"), false));
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("Ok")});
    whenShown(esc, {});
    EXPECT_FALSE(runMessageBox(nullptr, QStringLiteral("Bank"), QStringLiteral("Borrow?"), true));
}

TEST(InputBox, ReturnsTheTextOrTheDefaultWhenCancelled) {
    Seen ok, cancel;
    whenShown(ok, QStringLiteral("button_ok"), QStringLiteral("Acme Soft"));
    EXPECT_EQ(runInputBox(nullptr, QStringLiteral("Name"), QStringLiteral("Company name"), QStringLiteral("X")),
              QStringLiteral("Acme Soft"));
    whenShown(cancel, QStringLiteral("button_cancel"), QStringLiteral("typed"));
    EXPECT_EQ(runInputBox(nullptr, QStringLiteral("Name"), QStringLiteral("Company name"), QStringLiteral("X")),
              QStringLiteral("X"));
}

TEST(Notification, NewOneReplacesTheShownOneAtOnce) {
    QWidget main;
    main.resize(800, 600);
    main.show();
    NotificationWindow n(&main);
    n.showNotification(QStringLiteral("Saving Game"), QStringLiteral("Saving game..."), 2000);
    ASSERT_TRUE(n.isVisible());
    n.fadeStep();
    n.showNotification(QStringLiteral("Game saved"), QStringLiteral("Game has been saved"), 2000);
    EXPECT_TRUE(n.isVisible());
    EXPECT_EQ(n.opacity(), 255);
    EXPECT_FALSE(n.fading());
    EXPECT_EQ(n.title(), QStringLiteral("Game saved"));
    EXPECT_EQ(n.text(), QStringLiteral("Game has been saved"));
    EXPECT_TRUE(n.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(Notification, FadesInStepsOfTwentyAndHidesBelowFifty) {
    NotificationWindow n;
    n.showNotification(QStringLiteral("t"), QStringLiteral("x"), 2000);
    std::vector<int> seen;
    while (n.isVisible() && seen.size() < 20) {
        n.fadeStep();
        seen.push_back(n.opacity());
    }
    EXPECT_EQ(seen, (std::vector<int>{235, 215, 195, 175, 155, 135, 115, 95, 75, 55, 35}));
    EXPECT_FALSE(n.isVisible());
}

TEST(Notification, HidesByItselfAfterItsTimeAndAtAClick) {
    NotificationWindow n;
    n.showNotification(QStringLiteral("t"), QStringLiteral("x"), 10);
    QElapsedTimer t;
    t.start();
    while (n.isVisible() && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(n.isVisible());

    n.showNotification(QStringLiteral("t"), QStringLiteral("x"), 60000);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&n, &click);
    EXPECT_FALSE(n.isVisible());
    EXPECT_FALSE(n.fading());
}

}  // namespace
}  // namespace cw::ui
