// The company's town, painted: the headquarters, the office building, the
// warehouse and the factory by level, scaffolding on a building site, and
// the light of the hour. Painting reads the levels it is given and nothing
// else, so the map's animation can never touch the game.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <array>

#include "finance/buildings.h"

class QPainter;

namespace cw::ui {

struct CityState {
    // Indexed by Building: headquarters level, extra offices, warehouse
    // level, factory level.
    std::array<int, 4> level{};
    // A construction project of that building is running.
    std::array<bool, 4> underConstruction{};
};

CityState cityState(const Game& g);

// Paints the whole town into `target`. timeOfDay runs 0..1 from midnight to
// midnight; `phase` (seconds) moves the traffic.
void paintCity(QPainter& p, const QRectF& target, const CityState& city, double timeOfDay, double phase);

// Where a standing building lies in `target` (empty when it does not exist,
// which is what makes it clickable or not).
QRectF buildingArea(const CityState& city, Building b, const QRectF& target);

// The front picture of a building's information panel.
QPixmap frontPicture(Building b, int level, QSize size);
// The file the front picture stands for in the game's pictures folder.
const char* frontPictureName(Building b);

}  // namespace cw::ui
