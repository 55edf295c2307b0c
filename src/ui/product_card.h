// The main screen's product panel: a card laid over the screen beside the
// product the player clicked, with the product's key figures and what to
// do next with it ("Release Product", "Product screen").
#pragma once

#include <QFrame>
#include <QPoint>

#include "dev/product_panel.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw::ui {

class ProductCard : public QFrame {
    Q_OBJECT
public:
    explicit ProductCard(QWidget* parent);

    // Fills the card from the panel and shows it left of `pointer` (in the
    // parent's coordinates), vertically centred on the parent.
    void showPanel(const ProductPanel& panel, QPoint pointer);
    // Redraws the shown product from a new panel; hides the card when the
    // product is gone.
    void update(const ProductPanel& panel, bool found);
    int slot() const { return slot_; }
    QPushButton* releaseButton() const { return release_; }
    QPushButton* screenButton() const { return screen_; }
    QPushButton* whyScoreButton() const { return whyScore_; }
    QPushButton* whySalesButton() const { return whySales_; }

signals:
    void releaseRequested(int slot);
    void productScreenRequested(int slot);
    void whyScoreRequested(int slot);
    void whySalesRequested(int slot);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill(const ProductPanel& panel);

    int slot_ = 0;
    QLabel* name_ = nullptr;
    QLabel* state_ = nullptr;
    QLabel* moneyCaption_[3] = {};
    QLabel* moneyValue_[3] = {};
    QLabel* price_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* figures_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QPushButton* release_ = nullptr;
    QPushButton* screen_ = nullptr;
    QPushButton* whyScore_ = nullptr;
    QPushButton* whySales_ = nullptr;
};

}  // namespace cw::ui
