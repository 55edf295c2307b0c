// Small pictures drawn with QPainter, shared by the game's screens; the game
// ships no picture files of its own for them.
#pragma once

#include <QIcon>
#include <QPixmap>

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

// A transparent picture of `size` with twice the pixels, so that what is
// drawn on it stays crisp on fine screens.
QPixmap paintingCanvas(QSize size);

}  // namespace cw::ui
