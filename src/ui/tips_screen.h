// "Did you know ?": a tip from the tips file, shown when a game starts.
#pragma once

#include <QWidget>

#include "events/tips.h"

class QLabel;

namespace cw::ui {

class Tform_didyouknow : public QWidget {
public:
    Tform_didyouknow(Game& game, QWidget* parent);
    // Reads the tips file again and shows a tip.
    void openTip();
    void nextTip();
    QString tipText() const;

private:
    void showTip();

    Game& game_;
    TipsScreen model_;
    QLabel* text_ = nullptr;
};

}  // namespace cw::ui
