// The platforms screen (TForm_platforms): the platforms on the market with
// this week's sales, their installed base, the discontinued ones, and two
// pie charts. Also the look and the parts the hardware screens share.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "hardware/platform_screens.h"

class QLabel;
class QTableWidget;

namespace cw {
struct Game;
}

namespace cw::ui {

// The dark look of the hardware screens, for the window of object name `root`.
QString hardwareStyleSheet();

// The band at the top of a hardware screen: a drawn picture, a title and a
// line below it (returned in `subtitle`).
enum class HardwarePicture { Console, Chip, Analysis };
QWidget* hardwareHeaderBand(QWidget* parent, HardwarePicture picture, const QString& title, QLabel*& subtitle);

// A cell as the screens show it: numbers with their digits grouped ("1,234$").
QString hardwareCellText(const std::string& cell);

// A read-only grid table whose header clicks call `clicked` with the column.
// With `fitNames` the first column takes the room the others leave.
QTableWidget* makeHardwareTable(QWidget* parent, const QString& name, std::function<void(int)> clicked,
                                bool fitNames = true);
// Fills a table from a core grid; `mood` colours a cell (row, column).
void fillHardwareTable(QTableWidget* table, const Grid& grid,
                       const std::function<Mood(const GridRow&, int)>& mood = {});
QColor moodColour(Mood mood);

// Calls `changed` when the game week moves on while `screen` is shown, so an
// open screen is redrawn after each week tick.
class WeekWatch : public QObject {
    Q_OBJECT
public:
    WeekWatch(QWidget* screen, const Game& game, std::function<void()> changed);
    // The week the screen now shows.
    void stamp();
    // Looks at the game's week at once (the timer does it four times a second).
    void check();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Game& game_;
    std::function<void()> changed_;
    QTimer timer_;
    int shownYear_ = 0;
    int shownWeek_ = 0;
};

// A pie chart with its legend beside it.
class PieChart : public QWidget {
    Q_OBJECT
public:
    explicit PieChart(const QString& title, QWidget* parent = nullptr);
    void setSlices(const std::vector<PieSlice>& slices);
    const std::vector<PieSlice>& slices() const { return slices_; }
    QSize sizeHint() const override { return {400, 210}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    std::vector<PieSlice> slices_;
};

class TForm_platforms : public QWidget {
    Q_OBJECT
public:
    explicit TForm_platforms(Game& g, QWidget* parent = nullptr);

    // Builds the model afresh from the game and shows it.
    void rebuild();
    // A second click on a button that opens the screen closes and reopens it.
    void reopen();
    // A click on a column header of grid 0..2.
    void headerClicked(int grid, int column);

    const PlatformsScreen& model() const { return model_; }
    QTableWidget* grid(int i) const { return grids_[i]; }
    PieChart* regionsChart() const { return regionsChart_; }
    PieChart* platformsChart() const { return platformsChart_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showModel();

    Game& game_;
    PlatformsScreen model_;
    QLabel* weekLabel_ = nullptr;
    QTableWidget* grids_[3] = {};
    QLabel* counts_[3] = {};
    PieChart* regionsChart_ = nullptr;
    PieChart* platformsChart_ = nullptr;
    WeekWatch* watch_ = nullptr;
};

}  // namespace cw::ui
