// "Create New Platform" (TForm_newplatform): the player's console design.
// The core's screen model lists the processors, makes the estimate and
// decides "Start project"; this shows it and forwards the choices.
#pragma once

#include <QDialog>

#include "hardware/platform_design.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_newplatform : public QDialog {
    Q_OBJECT
public:
    TForm_newplatform(Game& g, Player& p, QWidget* parent = nullptr);

    const NewPlatformScreen& model() const { return model_; }
    NewPlatformScreen& model() { return model_; }

    // The choice boxes: 0 main CPU, 1 second CPU, 2 graphics, 3 sound, 4 memory.
    QComboBox* choiceBox(int i) const { return boxes_[i]; }
    QCheckBox* bundleController() const { return controller_; }
    QCheckBox* bundleGame() const { return game_; }
    QCheckBox* typeBox(int i) const { return types_[i]; }  // 0 "CPUs", 1 "GPUs", 2 "SPUs"
    QLineEdit* nameEdit() const { return name_; }
    QLabel* costLabel() const { return cost_; }
    QLabel* ratingLabel() const { return rating_; }
    QLabel* leaderLabel() const { return leader_; }
    QTableWidget* grid() const { return grid_; }

    void findLeader();
    void startProject();
    // Shows the model again: labels, grid and the second CPU's box.
    void showModel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillBoxes();
    void choose(int box, int item);
    void showGrid();

    Player& p_;
    NewPlatformScreen model_;
    QComboBox* boxes_[5] = {};
    QCheckBox* controller_ = nullptr;
    QCheckBox* game_ = nullptr;
    QCheckBox* types_[3] = {};
    QLineEdit* name_ = nullptr;
    QLabel* leader_ = nullptr;
    QLabel* cost_ = nullptr;
    QLabel* rating_ = nullptr;
    QTableWidget* grid_ = nullptr;
    bool filling_ = false;
};

}  // namespace cw::ui
