// The main screen's view of the world outside the company: the hardware
// consumers, the five best-ranked platforms with their arrows, and each
// region's economy needle with its demand word.
#pragma once

#include <QFrame>
#include <QLabel>

#include "setup/main_screen_model.h"

namespace cw::ui {

// A half-round gauge whose needle stands at an angle in degrees (0 points
// right, 90 straight up, 180 left), as the economy display turns it.
class EconomyNeedle : public QWidget {
public:
    explicit EconomyNeedle(QWidget* parent = nullptr);
    void setAngle(int degrees);
    int angle() const { return angle_; }
    QSize sizeHint() const override { return {74, 46}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int angle_ = 90;
};

// An arrow turned to the standing's angle: 315 new, 90 unchanged, 180 fell
// back, 1 moved up; 0 draws nothing.
class StandingArrow : public QWidget {
public:
    explicit StandingArrow(QWidget* parent = nullptr);
    void setAngle(int degrees);
    QSize sizeHint() const override { return {18, 18}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int angle_ = 0;
};

class MarketPanel : public QFrame {
public:
    explicit MarketPanel(QWidget* parent = nullptr);
    void update(const MainScreenModel& m);

    QLabel* consumerLabel() const { return consumers_; }
    QLabel* topName(int row) const { return topNames_[row]; }
    QLabel* demandLabel(int region) const { return demand_[region]; }
    EconomyNeedle* needle(int region) const { return needles_[region]; }

private:
    QLabel* consumers_ = nullptr;
    QLabel* topNames_[5] = {};
    StandingArrow* arrows_[5] = {};
    EconomyNeedle* needles_[3] = {};
    QLabel* demand_[3] = {};
};

}  // namespace cw::ui
