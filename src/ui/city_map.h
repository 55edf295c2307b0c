// The city map at the heart of the main screen: the company's buildings in
// their town, day and night on a screen timer, scaffolding on a building
// site. A click on a building opens its information panel; "Upgrade" opens
// the buildings panel. The map only reads the game.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "ui/city_paint.h"

class QTimer;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_buildings;

class CityMap : public QWidget {
    Q_OBJECT
public:
    CityMap(Game& g, Player& p, QWidget* parent = nullptr);

    // Takes the levels and building sites from the game.
    void refresh();
    const CityState& state() const { return city_; }
    // 0..1 from midnight to midnight; a test sets it, the timer moves it.
    void setTimeOfDay(double t);
    double timeOfDay() const { return timeOfDay_; }
    // The running light cycle; stopped, the picture stands still.
    void setAnimated(bool on);
    // Which building lies under a point of the widget (none: false).
    bool buildingAt(QPoint at, Building& b) const;

    // The buildings panel, made on first use.
    TForm_buildings* buildingsPanel();
    void openBuildingsPanel();
    // The information panel of a standing building.
    void openBuildingInfo(Building b);

signals:
    // The buildings panel bought or started something.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();

    Game& game_;
    Player& player_;
    CityState city_;
    double timeOfDay_ = 0.45;
    double phase_ = 0;
    bool animated_ = true;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    QPointer<TForm_buildings> panel_;
};

// The information panel of one building: its front picture, its level, what
// it gives, and "Upgrade".
class BuildingInfoPanel : public QDialog {
    Q_OBJECT
public:
    BuildingInfoPanel(const Game& g, Building b, QWidget* parent = nullptr);
    // The picture file the front stands for ("Front_hq.jpg", ...).
    QString pictureName() const { return pictureName_; }

signals:
    void upgradeRequested();
    void assemblyLinesRequested();   // "Upgrade Assembly Lines"
    void assemblyScreenRequested();  // "Assembly lines": the factory assembly screen
    void storageRequested();         // "View storage"
    void newPlatformRequested();     // "Create new platform"

private:
    QString pictureName_;
};

}  // namespace cw::ui
