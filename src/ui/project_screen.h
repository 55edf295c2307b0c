// "Project properties" of a game in development: progress, work left with
// the weeks it takes, the work shares and the focus, the quality heading
// up or down, and the project's buttons. The core's project model holds
// every rule; this shows it and forwards the sliders.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "dev/project_screen.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TDevelopment : public QDialog {
    Q_OBJECT
public:
    TDevelopment(Game& g, Player& p, QWidget* parent = nullptr);
    ~TDevelopment() override;

    // Shows the game task (0: the first game in development).
    void showTask(int task);
    int task() const { return task_; }
    // Redraws everything from the tables, keeping the project shown.
    void refresh();

    void moveShare(int which, int value);
    void moveFocus(int which, int value);
    void moveResearch(int which, int value);

    QComboBox* projectBox() const { return project_; }
    QLabel* titleLabel() const { return title_; }
    QProgressBar* progressBar() const { return progress_; }
    QProgressBar* workBar(int area) const { return work_[static_cast<std::size_t>(area)]; }
    QLabel* weeksLabel(int area) const { return weeks_[static_cast<std::size_t>(area)]; }
    QSlider* shareSlider(int i) const { return shares_[static_cast<std::size_t>(i)]; }
    QSlider* focusSlider(int i) const { return focus_[static_cast<std::size_t>(i)]; }
    QSlider* researchSlider(int i) const { return research_[static_cast<std::size_t>(i)]; }
    QProgressBar* qualityBar(int area) const { return quality_[static_cast<std::size_t>(area)]; }
    QLabel* lightLabel(int area) const { return lights_[static_cast<std::size_t>(area)]; }
    // The light shown, 0 red, 1 yellow, 2 green.
    int lightShown(int area) const { return lightState_[static_cast<std::size_t>(area)]; }
    QPushButton* button(int i) const { return buttons_[static_cast<std::size_t>(i)]; }
    QPushButton* whyScoreButton() const { return whyScore_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Game& game_;
    Player& player_;
    int task_ = 0;
    bool filling_ = false;
    QComboBox* project_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* empty_ = nullptr;
    QWidget* body_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QProgressBar* hype_ = nullptr;
    std::array<QProgressBar*, 3> work_{};
    std::array<QLabel*, 3> weeks_{};
    std::array<QSlider*, 3> shares_{};
    std::array<QLabel*, 3> shareValue_{};
    std::array<QSlider*, 3> focus_{};
    std::array<QLabel*, 3> focusValue_{};
    std::array<QSlider*, 3> research_{};
    std::array<QLabel*, 3> researchValue_{};
    std::array<QProgressBar*, 3> quality_{};
    std::array<QLabel*, 3> lights_{};
    std::array<int, 3> lightState_{};
    std::array<QPushButton*, 6> buttons_{};
    QPushButton* whyScore_ = nullptr;
};

}  // namespace cw::ui
