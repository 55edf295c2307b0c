// The main screen's product panel, the product screen of a game, an engine
// and a console, and the licence deal screen. With CW_SCREENSHOT_DIR set,
// each is saved there at the three window sizes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "engines/product_status.h"
#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "setup/new_game.h"
#include "state/shared_ops.h"
#include "ui/engine_deal_window.h"
#include "ui/main_screen.h"
#include "ui/product_card.h"
#include "ui/product_status_screen.h"

namespace cw::ui {
namespace {

const QSize kSizes[] = {{1024, 700}, {1366, 768}, {1920, 1080}};

void shoot(QWidget& w, const QString& name) {
    const char* dir = std::getenv("CW_SCREENSHOT_DIR");
    if (!dir) return;
    for (const QSize& size : kSizes) {
        w.resize(w.isWindow() && w.inherits("QDialog") ? size.boundedTo(QSize(1180, 760)) : size);
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name +
                      QStringLiteral("_%1x%2.png").arg(size.width()).arg(size.height()));
    }
}

class ProductScreens : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    ProductScreens() {
        g.world().sharesOwnedPercent = 40;
        g.world().money = 2000000;
        g.tables().companies[3].name = "Three Soft";
        // A released game with twelve weeks of history.
        GameTitle& t = playersTitle(1980, 96, 1);
        t.title = "Space Quest";
        t.companyRow = 3;
        t.totalSales = 420000;
        t.paidToPartners = 90000;
        t.weeksOnSale = 12;
        t.weekSalesUS = 15000;
        t.chartPos = 6;
        t.bestChartPos = 3;
        g.world().products[1].released = 1;
        for (int w = 1; w <= 12; ++w) {
            g.world().productHistory[1].chartPos[w] = static_cast<u8>(w < 5 ? 30 - 6 * w : 3 + w / 2);
            g.world().productHistory[1].weekRevenue[w] = w < 5 ? 20000 * w : 100000 - 6000 * w;
        }
        // A ready game.
        GameTitle& r = playersTitle(1980, 70, 2);
        r.title = "Castle Gate";
        r.companyRow = 3;
        // An engine with competitor games to license it to.
        EngineSlot& e = g.world().ownEngines[1][1];
        e.name = "Blaze 2D";
        e.codeLevel = 4;
        e.featureLevel = 2;
        e.experience = 20;
        e.rating = 90;
        ProductEntry& engine = g.world().products[3];
        engine.kind = 2;
        engine.refA = 1;
        engine.refB = 1;
        engine.released = 1;
        for (int s = 1; s <= 24; ++s) {
            GameTitle& c = g.tables().gameTitles[1981][s];
            c.title = "Rival Game " + std::to_string(s);
            c.releaseYear = 1981;
            c.releaseWeek = static_cast<u8>(s * 2);
            c.genre = 1;
            c.platform = 1;
            c.salesScore = static_cast<u8>(40 + s);
            c.companyRow = 5;
        }
        // A console ready for release.
        Platform& c = platform(9, "Cube One");
        c.productionCost = 140;
        c.price = 299;
        c.marketShare = 20;
        c.opinion = 30;
        ProductEntry& console = g.world().products[4];
        console.kind = 4;
        console.refA = 9;
    }
};

TEST_F(ProductScreens, AReleasedGameShowsItsCurvesAReadyOneItsReleaseButton) {
    TForm_product_status screen(g, p);
    screen.showProduct(1);
    EXPECT_NE(screen.findChild<QChartView*>(QStringLiteral("positionChart")), nullptr);
    EXPECT_NE(screen.findChild<QChartView*>(QStringLiteral("revenueChart")), nullptr);
    EXPECT_EQ(screen.releaseButton(), nullptr);
    screen.show();
    shoot(screen, QStringLiteral("product_game"));

    screen.showProduct(2);
    QApplication::processEvents();
    EXPECT_EQ(screen.findChild<QChartView*>(QStringLiteral("positionChart")), nullptr);
    ASSERT_NE(screen.releaseButton(), nullptr);
    int changed = 0;
    QObject::connect(&screen, &TForm_product_status::productChanged, [&] { ++changed; });
    screen.releaseButton()->click();
    EXPECT_TRUE(g.world().products[2].released);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(screen.releaseButton(), nullptr);  // the page now shows the released game
}

TEST_F(ProductScreens, AGameAsksForItsReleaseAnalysisAnEngineCannot) {
    TForm_product_status screen(g, p);
    screen.showProduct(2);
    auto* analysis = screen.findChild<QPushButton*>(QStringLiteral("analysisButton"));
    ASSERT_NE(analysis, nullptr);
    QString title;
    int platform = 0, genre = 0;
    QObject::connect(&screen, &TForm_product_status::analysisRequested, [&](const QString& t, int pf, int gn) {
        title = t;
        platform = pf;
        genre = gn;
    });
    analysis->click();
    const GameTitle& game = *productTitle(g, 2);
    EXPECT_EQ(title, QString::fromStdString(game.title.str()));
    EXPECT_EQ(platform, game.platform);
    EXPECT_EQ(genre, game.genre);
    screen.showProduct(3);
    QApplication::processEvents();
    EXPECT_EQ(screen.findChild<QPushButton*>(QStringLiteral("analysisButton")), nullptr);
}

TEST_F(ProductScreens, AnEngineOffersItsImprovementsAndOneLicenceTry) {
    TForm_product_status screen(g, p);
    screen.showProduct(3);
    ASSERT_NE(screen.sellButton(), nullptr);
    EXPECT_TRUE(screen.sellButton()->isEnabled());
    EXPECT_NE(screen.findChild<QPushButton*>(QStringLiteral("upgrade0")), nullptr);
    screen.show();
    shoot(screen, QStringLiteral("product_engine"));
    // No deal screen attached: the try only starts the wait.
    screen.sellButton()->click();
    EXPECT_EQ(g.session.engineSaleWait, kEngineSaleWaitWeeks);
    EXPECT_FALSE(screen.sellButton()->isEnabled());
    const auto* wait = screen.findChild<QLabel*>(QStringLiteral("saleWaitLabel"));
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->text(), QStringLiteral("The developers take up licence talks again in 4 week(s)"));
}

TEST_F(ProductScreens, AConsoleTakesANewPriceWithinItsLimits) {
    TForm_product_status screen(g, p);
    screen.showProduct(4);
    ASSERT_NE(screen.priceField(), nullptr);
    EXPECT_EQ(screen.priceField()->text(), QStringLiteral("700"));
    screen.show();
    shoot(screen, QStringLiteral("product_console"));
    screen.priceField()->setText(QStringLiteral("12"));
    screen.priceButton()->click();
    EXPECT_EQ(screen.priceField()->text(), QStringLiteral("50"));
    EXPECT_EQ(g.tables().platforms[9].price, 50);
    screen.priceField()->setText(QStringLiteral("lots"));
    screen.priceButton()->click();
    EXPECT_EQ(g.tables().platforms[9].price, 50);
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("priceLabel"))->text(), QStringLiteral("Price : 50$"));
}

TEST_F(ProductScreens, TheDealScreenNegotiatesARow) {
    TForm_EngineDeal deal(g, p);
    deal.openFor(1, 1);
    ASSERT_GT(deal.gameGrid()->rowCount(), 0);
    EXPECT_FALSE(deal.negotiateButton()->isEnabled());
    EXPECT_NE(deal.findChild<QChartView*>(QStringLiteral("releaseChart")), nullptr);
    deal.gameGrid()->selectRow(0);
    EXPECT_TRUE(deal.negotiateButton()->isEnabled());
    deal.negotiateButton()->click();
    ASSERT_TRUE(deal.model()->negotiating());
    if (deal.model()->interested()) {
        EXPECT_FALSE(deal.makeDealButton()->isEnabled());
        deal.priceBox()->setValue(10000);
        deal.suggestButton()->click();
        EXPECT_TRUE(deal.makeDealButton()->isEnabled());
        deal.priceBox()->setValue(15000);
        EXPECT_FALSE(deal.makeDealButton()->isEnabled());  // a change asks for a new suggestion
        deal.suggestButton()->click();
    }
    deal.show();
    shoot(deal, QStringLiteral("engine_deal"));
}

TEST_F(ProductScreens, TheDealScreenOpensBelowTheMainHeader) {
    QWidget main;
    main.resize(1200, 800);
    auto* header = new QWidget(&main);
    header->setObjectName(QStringLiteral("headerBar"));
    header->setGeometry(0, 0, 1200, 90);
    main.show();
    QApplication::processEvents();
    TForm_EngineDeal deal(g, p, &main);
    deal.openFor(1, 1);
    deal.show();
    QApplication::processEvents();
    EXPECT_GT(deal.frameGeometry().top(), header->mapToGlobal(QPoint(0, header->height())).y());
}

TEST(ProductPanelOnTheMainScreen, AClickShowsThePanelWithTheReleaseButton) {
    Game g;
    NewGameOptions o;
    o.companyName = "Pixel Forge";
    o.playerName = "Alex Morgan";
    o.boardMeetings = false;
    applyNewGameOptions(g, o);
    g.world().sharesOwnedPercent = 40;
    GameTitle& t = g.tables().gameTitles[1978][4];
    t.title = "Space Duel";
    t.reviewScore = 81;
    t.salesScore = 81;
    t.platform = 1;
    t.genre = 1;
    g.tables().platforms[1].name = "Apple II";
    g.tables().genres[1].name = "Action";
    g.tables().titlesPerYear[1978] = 4;
    g.tables().titlesPerYear[1980] = 1;
    ProductEntry& e = g.world().products[1];
    e.kind = 1;
    e.refA = 1978;
    e.refB = 4;
    test::RecordingPlayer p;
    TForm_main screen(g, p);
    screen.resize(1366, 768);
    screen.show();
    screen.setCoverVisible(false);
    screen.refresh();
    QApplication::processEvents();
    screen.showProductPanel(1, QPoint(900, 600));
    ProductCard* card = screen.productCard();
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->isVisible());
    EXPECT_TRUE(card->releaseButton()->isVisible());
    // A ready game can have its score taken apart, not yet its sales.
    EXPECT_TRUE(card->whyScoreButton()->isVisible());
    EXPECT_FALSE(card->whySalesButton()->isVisible());
    int asked = 0;
    QObject::connect(&screen, &TForm_main::productRequested, [&](int slot) { asked = slot; });
    card->screenButton()->click();
    EXPECT_EQ(asked, 1);
    if (const char* dir = std::getenv("CW_SCREENSHOT_DIR")) {
        for (const QSize& size : kSizes) {
            screen.resize(size);
            QApplication::processEvents();
            screen.showProductPanel(1, QPoint(size.width() / 2 + 100, size.height() - 120));
            QApplication::processEvents();
            screen.grab().save(QString::fromLocal8Bit(dir) +
                               QStringLiteral("/product_panel_%1x%2.png").arg(size.width()).arg(size.height()));
        }
    }
    card->releaseButton()->click();
    EXPECT_TRUE(g.world().products[1].released);
    EXPECT_FALSE(card->releaseButton()->isVisible());
    EXPECT_TRUE(card->whySalesButton()->isVisible());
    // Esc puts the card away, whether it has the focus or the main screen has.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&screen, &esc);
    EXPECT_FALSE(card->isVisible());
    screen.showProductPanel(1, QPoint(900, 600));
    QApplication::processEvents();
    EXPECT_TRUE(card->hasFocus());
    QApplication::sendEvent(QApplication::focusWidget(), &esc);
    EXPECT_FALSE(card->isVisible());
}

}  // namespace
}  // namespace cw::ui
