// "Why this score" and "Why it sold": the post-mortem of the player's games
// as the core takes them apart. The screens show the core's breakdowns and
// compute nothing of their own.
#pragma once

#include <QWidget>

#include "dev/post_mortem.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QChartView;

namespace cw {
struct Game;
}

namespace cw::ui {

class TForm_whyscore : public QWidget {
    Q_OBJECT
public:
    // A game in development (task > 0) or a finished game (product > 0).
    TForm_whyscore(Game& g, int task, int product, QWidget* parent = nullptr);
    const WhyScore& model() const { return model_; }
    QTableWidget* additions() const { return additions_; }
    // A game in development for several platforms: which version shows.
    QComboBox* versionBox() const { return version_; }
    void showVersion(int k);

private:
    WhyScore model_;
    QTableWidget* additions_ = nullptr;
    QComboBox* version_ = nullptr;
    QLabel* subtitle_ = nullptr;
};

class TForm_whysales : public QWidget {
    Q_OBJECT
public:
    TForm_whysales(Game& g, int product, QWidget* parent = nullptr);
    void showRegion(int region);
    const WhySales& model() const { return model_; }
    QComboBox* regionBox() const { return region_; }

private:
    Game& game_;
    int product_;
    WhySales model_;
    QComboBox* region_ = nullptr;
    QLabel* week_ = nullptr;
    QLabel* message_ = nullptr;
    QChartView* waterfall_ = nullptr;
    QTableWidget* steps_ = nullptr;
    QLabel* shares_ = nullptr;
    QChartView* history_ = nullptr;
};

// The screens as windows of their own over `parent`'s window, for every
// button that offers them (the main screen's Games list, the project screen,
// the review, the product panel, the project status dialog).
TForm_whyscore* openWhyScoreOfTask(QWidget* parent, Game& g, int task);
TForm_whyscore* openWhyScoreOfProduct(QWidget* parent, Game& g, int product);
TForm_whysales* openWhySales(QWidget* parent, Game& g, int product);

}  // namespace cw::ui
