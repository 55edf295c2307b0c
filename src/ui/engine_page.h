// The "New Engine" page of the development screen: platform and genre, the
// team manager and freelancers, the era's functions and the extreme options,
// the engine panel and the estimate. The rules live in the core's model.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "engines/engine_project.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace cw::ui {

class EngineDevelopmentPage : public QWidget {
    Q_OBJECT
public:
    EngineDevelopmentPage(Game& g, Player& p, QWidget* parent = nullptr);
    ~EngineDevelopmentPage() override;

    NewEngineScreen& model() { return *model_; }
    void reopen();
    void refresh();
    void pressFind();
    void pressStart();

    QComboBox* platformBox() const { return platform_; }
    QComboBox* genreBox() const { return genre_; }
    QListWidget* functionList(int list) const { return lists_[static_cast<std::size_t>(list)]; }
    QCheckBox* optionBox(EngineOption o) const { return options_[static_cast<std::size_t>(o)]; }
    QLabel* estimateLabel() const { return estimate_; }
    QLineEdit* nameField() const { return name_; }

signals:
    void engineStarted(int task);

private:
    void fillFunctions();

    Game& game_;
    Player& player_;
    std::unique_ptr<NewEngineScreen> model_;
    bool filling_ = false;
    QComboBox* platform_ = nullptr;
    QComboBox* genre_ = nullptr;
    QLabel* manager_ = nullptr;
    QSpinBox* freelancers_ = nullptr;
    QLabel* cost_ = nullptr;
    QLineEdit* name_ = nullptr;
    std::array<QListWidget*, 3> lists_{};
    std::array<QCheckBox*, kEngineOptionCount> options_{};
    std::array<QLabel*, 4> engineLines_{};
    QLabel* estimate_ = nullptr;
};

}  // namespace cw::ui
