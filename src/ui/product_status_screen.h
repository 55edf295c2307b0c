// The product screen (`TForm_product_status`): one of the player's products
// with its figures and what can be done with it: an engine's improvements
// and licence talks, a game's curves and release, a console's price.
#pragma once

#include <QDialog>
#include <QPointer>

#include "engines/product_status.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace cw::ui {

class TForm_EngineDeal;

class TForm_product_status : public QDialog {
    Q_OBJECT
public:
    TForm_product_status(Game& g, Player& p, QWidget* parent = nullptr);

    // Shows products entry k (rebuilding the page for its kind).
    void showProduct(int k);
    // Follows the state after a week or an action elsewhere.
    void refresh();
    // The licence deal screen "Try to Sell Engine" opens.
    void setDealScreen(TForm_EngineDeal* deal) { deal_ = deal; }
    const ProductStatusScreen& model() const { return model_; }

    QPushButton* sellButton() const { return sell_; }
    QPushButton* releaseButton() const { return release_; }
    QPushButton* priceButton() const { return priceButton_; }
    QLineEdit* priceField() const { return priceField_; }

signals:
    // Something the main screen shows has changed.
    void productChanged();
    // "Release Analysis" of a game product: its title, platform and genre.
    void analysisRequested(const QString& title, int platform, int genre);

private:
    QString analysisTitle_;
    int analysisPlatform_ = 0;
    int analysisGenre_ = 0;
    void rebuild();
    QWidget* buildFigures(QWidget* parent);
    QWidget* buildEngine(QWidget* parent);
    QWidget* buildGame(QWidget* parent);
    QWidget* buildConsole(QWidget* parent);
    void updateSaleState();
    void trySell();
    void releaseNow();
    void afterAction();

    Game& game_;
    Player& player_;
    ProductStatusScreen model_;
    QPointer<TForm_EngineDeal> deal_;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QWidget* page_ = nullptr;
    QVBoxLayout* pageHost_ = nullptr;
    QPushButton* sell_ = nullptr;
    QLabel* saleWait_ = nullptr;
    QPushButton* release_ = nullptr;
    QPushButton* priceButton_ = nullptr;
    QLineEdit* priceField_ = nullptr;
    QLabel* priceLabel_ = nullptr;
};

}  // namespace cw::ui
