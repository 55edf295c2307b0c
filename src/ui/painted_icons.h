// Small pictures drawn with QPainter, shared by the game's screens; the game
// ships no picture files of its own for them.
#pragma once

#include <QIcon>

namespace cw::ui {

enum class PaintedIcon {
    NextWeek,
    FastForward,
    Inbox,
    InboxNew,  // with the red dot of a letter not yet looked at
    Coins,
    News,
    Tasks,
    Products,
    Save,
    EndGame,
    Events,
    Options,
    Clock,
    Calendar,
    Stop,
    Star,
    Company,
};

QIcon paintedIcon(PaintedIcon kind, int size = 32);

}  // namespace cw::ui
