// The look the game project screens share: their style sheet, the band
// picture, the traffic light and the way a window is placed over the main one.
#pragma once

#include "ui/app_style.h"

#include <QPixmap>
#include <QString>

class QWidget;

namespace cw::ui {

QString devStyleSheet(const QString& root);
// A game pad for the development screens' header band.
QPixmap devBandPicture();
// Three lamps side by side; `lit` 0 red, 1 yellow, 2 green.
QPixmap trafficLightPicture(int lit);

}  // namespace cw::ui
