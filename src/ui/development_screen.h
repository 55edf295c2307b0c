// "Game Development": the new game page with its name, genre, platforms,
// team, extras, music, sliders and the live work estimate. Every rule lives
// in the core's development model; this shows it and forwards clicks.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "dev/game_project.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class EngineDevelopmentPage;
class BuyToolsPanel;
class AntiPiracyPanel;

class TForm_development : public QDialog {
    Q_OBJECT
public:
    TForm_development(Game& g, Player& p, QWidget* parent = nullptr);
    ~TForm_development() override;

    DevelopmentScreen& model() { return *model_; }
    // Starts from a clean sheet, as opening the screen does.
    void reopen();
    // Redraws every control from the model.
    void refresh();

    // The clicks, as the widgets and the tests make them.
    void chooseGenre(int row);
    void checkPlatform(int line, bool checked);
    void pressFind();
    void pressSequel();
    void pressStart();

    QLineEdit* nameField() const { return name_; }
    QComboBox* genreBox() const { return genre_; }
    QListWidget* platformList() const { return platforms_; }
    QPushButton* findButton() const { return find_; }
    QLabel* leaderLabel() const { return leader_; }
    QSpinBox* freelancerBox() const { return freelancers_; }
    QLabel* freelancerCost() const { return cost_; }
    QCheckBox* extraBox(Extra e) const { return extras_[static_cast<std::size_t>(e)]; }
    QPushButton* musicButton() const { return music_; }
    QSlider* focusSlider(int i) const { return focus_[static_cast<std::size_t>(i)]; }
    QSlider* researchSlider(int i) const { return research_[static_cast<std::size_t>(i)]; }
    QLabel* estimateLabel(int i) const { return estimate_[static_cast<std::size_t>(i)]; }
    QLabel* engineWarning() const { return warning_; }
    QPushButton* startButton() const { return start_; }
    EngineDevelopmentPage* enginePage() const { return enginePage_; }
    BuyToolsPanel* toolsPanel() const { return toolsPanel_; }
    AntiPiracyPanel* piracyPanel() const { return piracyPanel_; }

signals:
    // A game task was created: the main screen's lists change.
    void projectStarted(int task);
    // The planning views, for the game as it is being planned (platform and
    // genre 0 when none is chosen yet).
    void calendarRequested();
    void analysisRequested(const QString& title, int platform, int genre);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildGamePage();
    QGroupBox* buildNameGroup(QWidget* parent);
    QGroupBox* buildPlatformGroup(QWidget* parent);
    QGroupBox* buildTeamGroup(QWidget* parent);
    QGroupBox* buildExtrasGroup(QWidget* parent);
    QGroupBox* buildSlidersGroup(QWidget* parent);
    QGroupBox* buildEstimateGroup(QWidget* parent);
    void fillPlatforms();
    void syncSliders();

    Game& game_;
    Player& player_;
    std::unique_ptr<DevelopmentScreen> model_;
    bool filling_ = false;
    QLabel* subtitle_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* genre_ = nullptr;
    QLabel* sequelLabel_ = nullptr;
    QListWidget* platforms_ = nullptr;
    QLabel* warning_ = nullptr;
    QPushButton* find_ = nullptr;
    QLabel* leader_ = nullptr;
    QSpinBox* freelancers_ = nullptr;
    QLabel* cost_ = nullptr;
    std::array<QCheckBox*, kExtraCount> extras_{};
    QPushButton* music_ = nullptr;
    std::array<QSlider*, 3> focus_{};
    std::array<QLabel*, 3> focusValue_{};
    std::array<QSlider*, 3> research_{};
    std::array<QLabel*, 3> researchValue_{};
    std::array<QLabel*, 4> estimate_{};
    QPushButton* start_ = nullptr;
    EngineDevelopmentPage* enginePage_ = nullptr;
    BuyToolsPanel* toolsPanel_ = nullptr;
    AntiPiracyPanel* piracyPanel_ = nullptr;
};

// "Make Sequel...": the player's released games a sequel can follow.
class SequelDialog : public QDialog {
    Q_OBJECT
public:
    SequelDialog(const std::vector<DevelopmentScreen::SequelRow>& rows, QWidget* parent);
    // The chosen row, or -1.
    int chosen() const { return chosen_; }

private:
    int chosen_ = -1;
};

}  // namespace cw::ui
