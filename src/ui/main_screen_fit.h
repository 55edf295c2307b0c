// The main screen on small screens: a laptop at Qt's scale factor 2 leaves
// 960x540 to lay out on, less a title bar and a panel. Below the width the
// three columns need at their usual size they narrow a little, and the
// options bar drops its title. Each column scrolls on its own when the
// window is too low for its panels; the header and the options bar stay.
#pragma once

class QBoxLayout;
class QScrollArea;
class QWidget;

namespace cw::ui {

// Below this window width the columns take their narrow widths.
inline constexpr int kNarrowMainWidth = 1010;
// Below this one the options bar drops its title: its buttons and the
// autosave box need all of a 1024-pixel screen.
inline constexpr int kOptionsTitleWidth = 1100;

struct MainColumns {
    QWidget* window = nullptr;  // watched for its resizes
    QBoxLayout* columns = nullptr;
    QWidget* leftBox = nullptr;
    QScrollArea* leftScroll = nullptr;
    QWidget* workBox = nullptr;
    QScrollArea* workScroll = nullptr;
    QWidget* rightBox = nullptr;
    QScrollArea* rightScroll = nullptr;
};

// Puts a column into a scroll area of its own (returned, for the caller's
// layout) that scrolls up and down only.
QScrollArea* scrollColumn(QWidget* box, QWidget* parent);
// Keeps the widths of every column fitting the window.
void installColumnFit(const MainColumns& c);

}  // namespace cw::ui
