// The platform market analysis (TForm_platform_analysis): every platform on
// the market, best first, with what speaks for and against it.
#pragma once

#include <QWidget>

#include "hardware/platform_screens.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
}

namespace cw::ui {

class TForm_platform_analysis : public QWidget {
    Q_OBJECT
public:
    explicit TForm_platform_analysis(Game& g, QWidget* parent = nullptr);

    void rebuild();
    // A second click on a link that opens the screen closes and rebuilds it.
    void reopen();

    const PlatformAnalysis& model() const { return model_; }
    QTableWidget* grid() const { return grid_; }
    QLabel* weekLabel() const { return weekLabel_; }
    QPushButton* closeButton() const { return close_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    PlatformAnalysis model_;
    QLabel* weekLabel_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace cw::ui
