// "View Engines": the player's engines against the best competitors', per
// genre for the chosen platform.
#pragma once

#include <QDialog>

#include "state/game.h"

class QComboBox;
class QTableWidget;

namespace cw::ui {

class TForm_view_engines : public QDialog {
    Q_OBJECT
public:
    explicit TForm_view_engines(Game& g, QWidget* parent = nullptr);
    void showPlatform(int platform);
    QComboBox* platformBox() const { return platform_; }
    QTableWidget* grid() const { return grid_; }

private:
    Game& game_;
    QComboBox* platform_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace cw::ui
