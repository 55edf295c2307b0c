// The secretary: a small window that walks a new player through the first
// engine and the first hire, watching which screens are open.
#pragma once

#include <QWidget>

#include "events/tutor.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace cw {
struct Game;
}

namespace cw::ui {

class Tform_Secatary : public QWidget {
public:
    Tform_Secatary(Game& game, QWidget* mainWindow);
    // One timer tick, also called by the tests.
    void tick();
    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TutorView look() const;
    void placeTopRight();

    Game& game_;
    QWidget* main_;
    QLabel* text_ = nullptr;
    QCheckBox* turnOff_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace cw::ui
