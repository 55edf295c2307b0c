// The review screen shows a core review; "Preview game" and the Games list's
// "Review" reach it through the player.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cstdlib>

#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/recording_player.h"
#include "market/reviews.h"
#include "state/game.h"
#include "state/shared_ops.h"
#include "ui/main_screen.h"
#include "ui/project_screen.h"
#include "ui/review_screen.h"

namespace cw::ui {
namespace {

Review sampleReview(bool preview, int overall) {
    ReviewContext c;
    c.genreName = "Action,Adventure";
    c.platformName = "Commodore 64";
    c.companyName = "Pixel Forge";
    c.playerName = "Alex";
    c.demands = {45, 27, 27};
    c.weights = {30, 25, 45};
    Random rng;
    rng.seed = 2024;
    return composeReview({"Galactic Miners", 1, 2, preview, 70, 55, 330, 300, 520, overall}, c, rng);
}

TEST(ReviewScreen, ShowsTheHeaderTextAndBarsAndCloses) {
    const Review r = sampleReview(false, 104);
    TForm_preview screen(r);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_preview"));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Review"));
    EXPECT_EQ(screen.titleLabel()->text(), QStringLiteral("Galactic Miners"));
    EXPECT_TRUE(screen.detailsLabel()->text().contains(QStringLiteral("COMMODORE 64")));
    EXPECT_EQ(screen.introductionLabel()->text().toStdString(), r.introduction);
    EXPECT_TRUE(screen.bodyLabel()->text().contains(QStringLiteral("Overall game opinion")));
    EXPECT_EQ(screen.bylineLabel()->text().toStdString() + " ", r.byline);
    const char* labels[5] = {"Gameplay :", "Graphics :", "Sound :", "Replayability:", "Overall"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(screen.barLabel(i)->text(), QString::fromLatin1(labels[i]));
        EXPECT_EQ(screen.bar(i)->maximum(), 100);
        EXPECT_EQ(screen.bar(i)->value(), r.bars[static_cast<std::size_t>(i)].position());
    }
    EXPECT_EQ(screen.badgeLabel()->text(), QString::number(r.bars[kBarOverall].position()));
    // "Why this score" only where the caller can take the score apart.
    EXPECT_TRUE(screen.whyScoreButton()->isHidden());
    int asked = 0;
    screen.offerWhyScore([&asked] { ++asked; });
    EXPECT_FALSE(screen.whyScoreButton()->isHidden());
    screen.whyScoreButton()->click();
    EXPECT_EQ(asked, 1);

    screen.show();
    screen.closeButton()->click();
    EXPECT_FALSE(screen.isVisible());
    screen.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&screen, &esc);
    EXPECT_FALSE(screen.isVisible());
}

TEST(ReviewScreen, RowsOfDotsAreSetFaintAndTheTextEscaped) {
    const QString html = reviewArticleHtml("....Gameplay <is> good... ..\r\nEnd. Next");
    EXPECT_TRUE(html.contains(QStringLiteral("\"><span style=\"color:#b9ad92; letter-spacing:1px;\">....</span>Game")));
    EXPECT_TRUE(html.contains(QStringLiteral("Gameplay &lt;is&gt; good<span")));
    EXPECT_TRUE(html.contains(QStringLiteral("</span><br>End. Next")));
}

// With CW_SCREENSHOT_DIR set: the review and a preview at the two smaller
// screen sizes, for a look.
TEST(ReviewScreen, SavesPicturesForALook) {
    const QByteArray dir = qgetenv("CW_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "CW_SCREENSHOT_DIR not set";
    for (const QSize size : {QSize(1024, 700), QSize(1366, 768)}) {
        for (bool preview : {false, true}) {
            TForm_preview screen(sampleReview(preview, preview ? 72 : 104));
            screen.resize(size);
            screen.show();
            EXPECT_TRUE(screen.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/TForm_preview_%1_%2x%3.png")
                                                                              .arg(preview ? "preview" : "review")
                                                                              .arg(size.width())
                                                                              .arg(size.height())));
        }
    }
}

class ReviewButtonsTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    int task = 0;
    void SetUp() override {
        test::makeDevWorld(g);
        g.world().sharesOwnedPercent = 40;
        DevelopmentScreen s(g);
        s.chooseGenre(1);
        ASSERT_FALSE(s.setLeader(5));
        s.setName("Quest");
        ASSERT_FALSE(s.startDevelopment(p));
        task = s.createdTask();
        p.calls.clear();
    }
};

TEST_F(ReviewButtonsTest, PreviewGameOnTheProjectScreen) {
    TDevelopment project(g, p);
    project.showTask(task);
    QPushButton* preview = project.button(4);
    EXPECT_EQ(preview->text(), QStringLiteral("Preview game"));
    ASSERT_TRUE(preview->isEnabled());
    preview->click();  // nothing done yet: too early
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "To early...");

    g.tables().tasks[task].progress = g.tables().tasks[task].workTotal / 2 + 1;
    preview->click();
    EXPECT_EQ(p.only("message").size(), 1u);
    ASSERT_EQ(p.reviews.size(), 1u);
    EXPECT_TRUE(p.reviews[0].isPreview);
}

TEST_F(ReviewButtonsTest, ReviewOfAGameInTheProductList) {
    g.tables().gameTitles[1978][1] = g.tables().tasks[task].game;
    const int k = addProduct(g, 0, 1978, 1, ProductGame, false);
    TForm_main main(g, p);
    main.showProductReview(k);
    ASSERT_EQ(p.reviews.size(), 1u);
    EXPECT_EQ(p.reviews[0].title, "Quest");
    EXPECT_EQ(p.reviews[0].product, k);  // so the screen can offer its post-mortem
    main.showProductReview(k + 1);
    EXPECT_EQ(p.reviews.size(), 1u);
}

}  // namespace
}  // namespace cw::ui
