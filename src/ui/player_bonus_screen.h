// "Player setup" (Tform_player_bonus): the player's age and special ability,
// chosen between the new-game screen and the building of the world.
#pragma once

#include <QDialog>

#include "finance/player_bonus.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace cw::ui {

class Tform_player_bonus : public QDialog {
    Q_OBJECT
public:
    explicit Tform_player_bonus(QWidget* parent = nullptr);

    // Starts from age 30 and "Leadership", shows the screen modally and
    // returns the choice; closing it without "Continue" keeps those defaults.
    PlayerBonus choose();

    // The choice as the screen shows it now.
    PlayerBonus shown() const;
    void setShown(const PlayerBonus& b);
    // The choice "Continue" stored; the defaults until it is pressed.
    PlayerBonus stored() const { return stored_; }

    QSpinBox* ageField() const { return age_; }
    QListWidget* abilityList() const { return abilities_; }

public slots:
    void continueClicked();

private:
    void updateTexts();

    PlayerBonus stored_;
    QSpinBox* age_ = nullptr;
    QListWidget* abilities_ = nullptr;
    QLabel* effect_ = nullptr;
    QLabel* retirement_ = nullptr;
};

}  // namespace cw::ui
