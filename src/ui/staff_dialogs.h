// The two small windows of staff management: the new team manager's offer
// to pick his own team, and the study screen.
#pragma once

#include <QDialog>

#include "state/player.h"
#include "state/types.h"

class QListWidget;
class QPushButton;
class QSpinBox;

namespace cw {
struct Game;
}

namespace cw::ui {

// "Let team leader choose employees": the number box and three buttons.
// Closing it any other way is the first button: the player chooses.
class Tform_leaderchoose : public QDialog {
    Q_OBJECT
public:
    Tform_leaderchoose(const AutoTeamOffer& offer, QWidget* parent = nullptr);

    // How many employees the leader takes, as the pressed button says.
    int count() const { return count_; }
    QSpinBox* numberBox() const { return box_; }
    QPushButton* button(int i) const { return buttons_[i]; }

private:
    AutoTeamOffer offer_;
    QSpinBox* box_ = nullptr;
    QPushButton* buttons_[3] = {};
    int count_ = 0;
};

// "Studying": the employee's flair and present level in each subject, the
// subject list and "Start Study".
class TForm_study : public QDialog {
    Q_OBJECT
public:
    TForm_study(Game& g, Player& p, i32 person, QWidget* parent = nullptr);

    QListWidget* subjects() const { return subjects_; }
    void pressStart();

private:
    Game& game_;
    Player& player_;
    i32 person_;
    QListWidget* subjects_ = nullptr;
};

}  // namespace cw::ui
