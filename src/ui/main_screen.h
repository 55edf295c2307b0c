// The main screen: the player's home between turns.
#pragma once

#include <QMainWindow>

namespace cw {
struct Game;
}

namespace cw::ui {

class TForm_main : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm_main(Game& game, QWidget* parent = nullptr);

private:
    Game& game_;
};

}  // namespace cw::ui
