#include "ui/city_paint.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "state/game.h"

namespace cw::ui {
namespace {

// The town is laid out on a stage of this size and scaled to the widget.
constexpr double kPi = 3.14159265358979323846;
constexpr double kStageW = 1000;
constexpr double kStageH = 420;
constexpr double kGround = 330;  // where the buildings stand

int idx(Building b) { return static_cast<int>(b); }

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// Daylight 0 (night) .. 1 (noon), with a soft dawn and dusk.
double daylight(double t) {
    const double s = -std::cos(2 * kPi * t);  // -1 midnight, 1 noon
    return std::clamp((s + 0.25) / 0.75, 0.0, 1.0);
}

// How red the sky is: strongest when the sun is at the horizon.
double duskGlow(double t) {
    const double s = -std::cos(2 * kPi * t);
    return std::clamp(1.0 - std::abs(s + 0.05) / 0.35, 0.0, 1.0);
}

// A fixed scatter, so the same windows are lit every night.
unsigned hash(unsigned a, unsigned b, unsigned c) {
    unsigned h = a * 73856093u ^ b * 19349663u ^ c * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

struct Light {
    double day;  // 0..1
    QColor shade(const QColor& c) const { return mix(c.darker(330), c, 0.25 + 0.75 * day); }
};

// A grid of windows in `r`; at night some are lit.
void windows(QPainter& p, const QRectF& r, int cols, int rows, unsigned seed, const Light& light) {
    const double cw = r.width() / cols, ch = r.height() / rows;
    const QColor glass = light.shade(QColor(120, 170, 215));
    const QColor lit(255, 214, 120);
    const double litShare = (1.0 - light.day) * 0.7;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x) {
            const QRectF w(r.left() + x * cw + cw * 0.2, r.top() + y * ch + ch * 0.22, cw * 0.6, ch * 0.56);
            const bool on = static_cast<double>(hash(seed, static_cast<unsigned>(x), static_cast<unsigned>(y)) % 100) <
                            litShare * 100;
            p.fillRect(w, on ? lit : glass);
        }
    }
}

void block(QPainter& p, const QRectF& r, const QColor& c, const Light& light) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, light.shade(c.lighter(112)));
    g.setColorAt(1, light.shade(c.darker(118)));
    p.fillRect(r, g);
}

// Each building is drawn into its own lot, standing on kGround.
QRectF hqRect(int level) {
    switch (level) {
        case 1: return {300, kGround - 100, 180, 100};
        case 2: return {290, kGround - 175, 200, 175};
        default: return {280, kGround - 275, 220, 275};
    }
}
QRectF officeRect(int offices) {
    const int floors = 2 + std::clamp(offices, 1, 10);
    return {80, kGround - 22.0 * floors - 10, 150, 22.0 * floors + 10};
}
QRectF warehouseRect(int level) {
    switch (level) {
        case 1: return {560, kGround - 70, 150, 70};
        case 2: return {550, kGround - 90, 190, 90};
        default: return {545, kGround - 112, 210, 112};
    }
}
QRectF factoryRect(int level) {
    switch (level) {
        case 1: return {790, kGround - 125, 150, 125};
        case 2: return {780, kGround - 140, 180, 140};
        default: return {775, kGround - 155, 205, 155};
    }
}

QRectF lotOf(Building b, int level) {
    switch (b) {
        case Building::Headquarters: return hqRect(std::max(level, 1));
        case Building::Office: return officeRect(std::max(level, 1));
        case Building::Warehouse: return warehouseRect(std::max(level, 1));
        case Building::Factory: return factoryRect(std::max(level, 1));
    }
    return {};
}

void drawHq(QPainter& p, int level, const Light& light) {
    const QRectF r = hqRect(level);
    if (level <= 1) {
        block(p, r.adjusted(0, 18, 0, 0), QColor(196, 140, 96), light);  // brick
        QPolygonF roof;
        roof << QPointF(r.left() - 8, r.top() + 20) << QPointF(r.center().x(), r.top())
             << QPointF(r.right() + 8, r.top() + 20);
        p.setPen(Qt::NoPen);
        p.setBrush(light.shade(QColor(120, 60, 50)));
        p.drawPolygon(roof);
        windows(p, QRectF(r.left() + 10, r.top() + 26, r.width() - 20, 44), 6, 2, 11, light);
        p.fillRect(QRectF(r.center().x() - 12, r.bottom() - 28, 24, 28), light.shade(QColor(80, 50, 30)));
    } else if (level == 2) {
        block(p, r, QColor(150, 160, 176), light);
        windows(p, QRectF(r.left() + 10, r.top() + 12, r.width() - 20, r.height() - 50), 7, 5, 22, light);
        p.fillRect(QRectF(r.left() - 4, r.top() - 6, r.width() + 8, 8), light.shade(QColor(90, 96, 110)));
        p.fillRect(QRectF(r.center().x() - 22, r.bottom() - 32, 44, 32), light.shade(QColor(60, 90, 120)));
    } else {
        // A tower with a setback crown and an antenna.
        const QRectF base(r.left(), r.top() + 40, r.width(), r.height() - 40);
        block(p, base, QColor(70, 110, 150), light);
        const QRectF crown(r.left() + 40, r.top() + 8, r.width() - 80, 34);
        block(p, crown, QColor(60, 95, 135), light);
        p.fillRect(QRectF(r.center().x() - 2, r.top() - 30, 4, 40), light.shade(QColor(180, 180, 190)));
        const QColor beacon = light.day < 0.5 ? QColor(255, 70, 60) : QColor(200, 60, 50);
        p.setBrush(beacon);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(r.center().x(), r.top() - 31), 3.5, 3.5);
        windows(p, QRectF(base.left() + 8, base.top() + 8, base.width() - 16, base.height() - 50), 9, 10, 33, light);
        windows(p, crown.adjusted(6, 4, -6, -4), 5, 1, 34, light);
        p.fillRect(QRectF(r.center().x() - 28, r.bottom() - 36, 56, 36), light.shade(QColor(40, 70, 100)));
        p.setPen(QColor(255, 210, 120));
        QFont f = p.font();
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(base.left(), base.top() - 2, base.width(), 0).adjusted(0, -18, 0, 18), Qt::AlignCenter,
                   QStringLiteral("HQ"));
    }
}

void drawOffice(QPainter& p, int offices, const Light& light) {
    const QRectF r = officeRect(offices);
    const int floors = 2 + std::clamp(offices, 1, 10);
    block(p, r, QColor(176, 170, 150), light);
    windows(p, QRectF(r.left() + 8, r.top() + 8, r.width() - 16, r.height() - 36), 5, floors - 1, 44, light);
    p.fillRect(QRectF(r.center().x() - 14, r.bottom() - 24, 28, 24), light.shade(QColor(70, 70, 80)));
    p.fillRect(QRectF(r.left() - 3, r.top() - 5, r.width() + 6, 6), light.shade(QColor(110, 104, 90)));
}

void drawWarehouse(QPainter& p, int level, const Light& light) {
    const QRectF r = warehouseRect(level);
    const int doors = std::clamp(level, 1, 3);
    block(p, r.adjusted(0, 16, 0, 0), QColor(160, 120, 80), light);
    QPainterPath roof;
    roof.moveTo(r.left() - 4, r.top() + 18);
    roof.quadTo(r.center().x(), r.top() - 14, r.right() + 4, r.top() + 18);
    roof.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(light.shade(QColor(110, 116, 126)));
    p.drawPath(roof);
    const double dw = r.width() / (doors * 2 + 1);
    for (int i = 0; i < doors; ++i) {
        const QRectF d(r.left() + dw * (2 * i + 1), r.bottom() - r.height() * 0.55, dw, r.height() * 0.55);
        p.fillRect(d, light.shade(QColor(90, 90, 96)));
        for (int k = 1; k < 5; ++k)
            p.fillRect(QRectF(d.left(), d.top() + d.height() * k / 5, d.width(), 1.2), light.shade(QColor(60, 60, 66)));
    }
    if (level >= 3) {
        p.fillRect(QRectF(r.center().x() - 40, r.top() + 22, 80, 14), light.shade(QColor(40, 60, 110)));
        p.setPen(QColor(240, 240, 240));
        QFont f = p.font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(r.center().x() - 40, r.top() + 22, 80, 14), Qt::AlignCenter, QStringLiteral("STORAGE"));
    }
}

void drawFactory(QPainter& p, int level, const Light& light, double phase) {
    const QRectF r = factoryRect(level);
    const int teeth = level + 1;
    const QRectF hall(r.left(), r.top() + 50, r.width(), r.height() - 50);
    // Chimneys behind the hall, with smoke drifting by day and night.
    for (int c = 0; c < level; ++c) {
        const QRectF ch(hall.left() + 18 + c * 38, r.top(), 14, 60);
        p.fillRect(ch, light.shade(QColor(140, 80, 60)));
        p.fillRect(QRectF(ch.left() - 2, ch.top(), ch.width() + 4, 5), light.shade(QColor(90, 50, 40)));
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 3; ++k) {
            const double drift = std::fmod(phase * 6 + k * 14 + c * 9, 42);
            QColor smoke = light.shade(QColor(200, 200, 205));
            smoke.setAlphaF(static_cast<float>(0.5 * (1 - drift / 42)));
            p.setBrush(smoke);
            p.drawEllipse(QPointF(ch.center().x() + drift * 0.8, ch.top() - 6 - drift), 6 + drift * 0.2,
                          5 + drift * 0.15);
        }
    }
    block(p, hall, QColor(130, 140, 120), light);
    const double tw = hall.width() / teeth;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < teeth; ++i) {
        QPolygonF tooth;
        tooth << QPointF(hall.left() + i * tw, hall.top()) << QPointF(hall.left() + i * tw, hall.top() - 22)
              << QPointF(hall.left() + (i + 1) * tw, hall.top());
        p.setBrush(light.shade(QColor(100, 110, 96)));
        p.drawPolygon(tooth);
        p.fillRect(QRectF(hall.left() + i * tw + 2, hall.top() - 20, 4, 18),
                   light.day < 0.4 ? QColor(255, 214, 120) : light.shade(QColor(150, 190, 220)));
    }
    windows(p, QRectF(hall.left() + 6, hall.top() + 10, hall.width() - 12, 28), teeth * 3, 1, 55, light);
    p.fillRect(QRectF(hall.right() - 46, hall.bottom() - 40, 36, 40), light.shade(QColor(80, 80, 70)));
}

void drawBuilding(QPainter& p, Building b, int level, const Light& light, double phase) {
    switch (b) {
        case Building::Headquarters: drawHq(p, level, light); break;
        case Building::Office: drawOffice(p, level, light); break;
        case Building::Warehouse: drawWarehouse(p, level, light); break;
        case Building::Factory: drawFactory(p, level, light, phase); break;
    }
}

// Poles, planks, a net and a crane over the shape the building will have.
void drawScaffolding(QPainter& p, const QRectF& r, const Light& light, double phase) {
    QColor ghost = light.shade(QColor(200, 200, 200));
    ghost.setAlpha(60);
    p.fillRect(r, ghost);
    QColor net = QColor(230, 140, 40);
    net.setAlpha(70);
    const QRectF sr = r.adjusted(-6, -6, 6, 0);
    p.fillRect(sr.adjusted(0, sr.height() * 0.45, 0, 0), net);
    QPen pole(light.shade(QColor(200, 150, 60)), 2.2);
    p.setPen(pole);
    for (double x = sr.left(); x <= sr.right() + 0.1; x += sr.width() / std::max(2.0, std::round(sr.width() / 30)))
        p.drawLine(QPointF(x, sr.top()), QPointF(x, sr.bottom()));
    QPen plank(light.shade(QColor(150, 110, 60)), 3);
    p.setPen(plank);
    for (double y = sr.bottom() - 24; y > sr.top(); y -= 24) p.drawLine(QPointF(sr.left(), y), QPointF(sr.right(), y));
    QPen brace(light.shade(QColor(200, 150, 60)), 1);
    p.setPen(brace);
    for (double y = sr.bottom(); y - 24 > sr.top(); y -= 48)
        p.drawLine(QPointF(sr.left(), y), QPointF(sr.right(), y - 24));
    // The crane swings its hook slowly.
    const double mastX = sr.right() + 14;
    const double top = std::max(20.0, sr.top() - 40);
    QPen crane(QColor(240, 190, 30), 3);
    p.setPen(crane);
    p.drawLine(QPointF(mastX, kGround), QPointF(mastX, top));
    p.drawLine(QPointF(mastX - sr.width() * 0.8, top + 4), QPointF(mastX + 30, top + 4));
    const double hookX = mastX - 20 - (0.5 + 0.5 * std::sin(phase * 0.6)) * sr.width() * 0.6;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(hookX, top + 4), QPointF(hookX, top + 50));
    p.fillRect(QRectF(hookX - 8, top + 50, 16, 6), QColor(120, 80, 40));
    // A blinking light on the crane's top at night.
    if (light.day < 0.5 && std::fmod(phase, 1.4) < 0.7) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 60, 40));
        p.drawEllipse(QPointF(mastX, top - 2), 3, 3);
    }
}

void drawSky(QPainter& p, const QRectF& area, double t, double phase) {
    const double day = daylight(t);
    const double glow = duskGlow(t);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    QColor top = mix(QColor(8, 14, 38), QColor(62, 132, 214), day);
    QColor horizon = mix(QColor(26, 36, 74), QColor(176, 214, 242), day);
    horizon = mix(horizon, QColor(244, 140, 70), glow * 0.8);
    sky.setColorAt(0, top);
    sky.setColorAt(1, horizon);
    p.fillRect(area, sky);
    // Stars fade in as the light goes.
    if (day < 0.4) {
        p.setPen(Qt::NoPen);
        for (unsigned i = 0; i < 70; ++i) {
            const double x = area.left() + (hash(i, 7, 1) % 1000) / 1000.0 * area.width();
            const double y = area.top() + (hash(i, 9, 2) % 1000) / 1000.0 * area.height() * 0.7;
            const double twinkle = 0.6 + 0.4 * std::sin(phase * 2 + i);
            QColor star(255, 255, 240);
            star.setAlphaF(static_cast<float>((0.4 - day) / 0.4 * twinkle));
            p.setBrush(star);
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }
    // The sun by day and the moon by night travel the same arc.
    const double angle = 2 * kPi * t;
    const double sx = area.left() + area.width() * (0.5 - 0.42 * std::sin(angle));
    const double sy = area.top() + area.height() * (0.95 + 0.8 * std::cos(angle));
    const double mx = area.left() + area.width() * (0.5 + 0.42 * std::sin(angle));
    const double my = area.top() + area.height() * (0.95 - 0.8 * std::cos(angle));
    p.setPen(Qt::NoPen);
    QRadialGradient sun(QPointF(sx, sy), 40);
    sun.setColorAt(0, QColor(255, 244, 200));
    sun.setColorAt(0.35, QColor(255, 220, 120));
    sun.setColorAt(1, QColor(255, 200, 90, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(sx, sy), 40, 40);
    p.setBrush(QColor(236, 236, 220));
    p.drawEllipse(QPointF(mx, my), 12, 12);
    p.setBrush(mix(QColor(8, 14, 38), QColor(62, 132, 214), day));
    p.drawEllipse(QPointF(mx + 5, my - 3), 10, 10);
}

void drawSkyline(QPainter& p, double day) {
    // Far-off town blocks give the company a city to stand in.
    const QColor far = mix(QColor(20, 26, 50), QColor(150, 170, 195), day);
    for (int i = 0; i < 26; ++i) {
        const double w = 26 + hash(static_cast<unsigned>(i), 3, 5) % 30;
        const double h = 40 + hash(static_cast<unsigned>(i), 4, 6) % 90;
        const double x = i * 40.0 - 10;
        p.fillRect(QRectF(x, kGround - h, w, h), far);
        if (day < 0.5) {
            for (int k = 0; k < 4; ++k) {
                if (hash(static_cast<unsigned>(i), static_cast<unsigned>(k), 9) % 3) continue;
                p.fillRect(QRectF(x + 4 + k * 5, kGround - h + 8 + k * 9, 2.5, 3), QColor(250, 210, 120, 180));
            }
        }
    }
}

void drawStreet(QPainter& p, const QRectF& stage, double day, double phase) {
    const Light light{day};
    p.fillRect(QRectF(stage.left(), kGround, stage.width(), 12), light.shade(QColor(170, 170, 160)));
    p.fillRect(QRectF(stage.left(), kGround + 12, stage.width(), 44), light.shade(QColor(66, 68, 74)));
    for (double x = stage.left(); x < stage.right(); x += 50)
        p.fillRect(QRectF(x + 10, kGround + 33, 26, 3), light.shade(QColor(235, 220, 150)));
    p.fillRect(QRectF(stage.left(), kGround + 56, stage.width(), stage.bottom() - kGround - 56),
               light.shade(QColor(92, 150, 80)));
    // Trees between the lots.
    for (double x : {40.0, 255.0, 530.0, 770.0, 990.0}) {
        p.fillRect(QRectF(x - 2, kGround - 22, 4, 22), light.shade(QColor(100, 70, 40)));
        p.setPen(Qt::NoPen);
        p.setBrush(light.shade(QColor(60, 130, 60)));
        p.drawEllipse(QPointF(x, kGround - 28), 13, 15);
    }
    // Street lamps, lit in the dark.
    for (double x = 20; x < stage.right(); x += 160) {
        p.fillRect(QRectF(x, kGround - 36, 2.5, 46), light.shade(QColor(60, 60, 60)));
        if (day < 0.45) {
            QRadialGradient g(QPointF(x + 1, kGround - 36), 30);
            g.setColorAt(0, QColor(255, 220, 140, 170));
            g.setColorAt(1, QColor(255, 220, 140, 0));
            p.setBrush(g);
            p.drawEllipse(QPointF(x + 1, kGround - 36), 30, 30);
        }
        p.setBrush(day < 0.45 ? QColor(255, 230, 160) : light.shade(QColor(200, 200, 200)));
        p.drawEllipse(QPointF(x + 1, kGround - 37), 3.5, 3.5);
    }
    // Traffic: a few cars, their lights on after dark.
    const QColor carColours[] = {{200, 60, 50}, {60, 110, 200}, {230, 190, 60}, {90, 160, 110}};
    for (int i = 0; i < 4; ++i) {
        const bool east = i % 2 == 0;
        const double speed = 40 + 12 * i;
        double x = std::fmod(phase * speed + i * 290, stage.width() + 120) - 60;
        if (!east) x = stage.width() - x;
        const double y = east ? kGround + 38 : kGround + 17;
        const QRectF body(stage.left() + x, y, 34, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(light.shade(carColours[i]));
        p.drawRoundedRect(body, 3, 3);
        p.drawRoundedRect(QRectF(body.left() + 7, body.top() - 6, 18, 7), 2, 2);
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(body.left() + 7, body.bottom()), 3, 3);
        p.drawEllipse(QPointF(body.right() - 7, body.bottom()), 3, 3);
        if (day < 0.45) {
            p.setBrush(QColor(255, 240, 180));
            p.drawEllipse(QPointF(east ? body.right() : body.left(), body.top() + 4), 2, 2);
        }
    }
}

// The stage's transform into `target`: as large as fits, standing on the bottom.
QTransform stageTransform(const QRectF& target) {
    const double s = std::min(target.width() / kStageW, target.height() / kStageH);
    const double dx = target.left() + (target.width() - kStageW * s) / 2;
    const double dy = target.bottom() - kStageH * s;
    return QTransform(s, 0, 0, s, dx, dy);
}

bool standing(const CityState& c, Building b) {
    // The headquarters always stands; the others from their first level.
    return b == Building::Headquarters ? c.level[0] >= 1 : c.level[static_cast<std::size_t>(idx(b))] > 0;
}

}  // namespace

CityState cityState(const Game& g) {
    CityState c;
    for (Building b : kBuildings) {
        const auto i = static_cast<std::size_t>(idx(b));
        c.level[i] = buildingLevel(g, b);
        c.underConstruction[i] = constructionTask(g, b) != 0;
    }
    return c;
}

void paintCity(QPainter& p, const QRectF& target, const CityState& city, double timeOfDay, double phase) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double day = daylight(timeOfDay);
    drawSky(p, target, timeOfDay, phase);
    const QTransform t = stageTransform(target);
    p.setTransform(t, true);
    // The stage's sides run on to the widget's edges.
    const QRectF stage = t.inverted().mapRect(target);
    drawSkyline(p, day);
    drawStreet(p, QRectF(stage.left(), 0, stage.width(), std::max(stage.bottom(), kStageH)), day, phase);
    const Light light{day};
    for (Building b : kBuildings) {
        const auto i = static_cast<std::size_t>(idx(b));
        if (standing(city, b)) drawBuilding(p, b, city.level[i], light, phase);
        if (city.underConstruction[i]) drawScaffolding(p, lotOf(b, city.level[i] + 1), light, phase);
    }
    p.restore();
}

QRectF buildingArea(const CityState& city, Building b, const QRectF& target) {
    if (!standing(city, b)) return {};
    return stageTransform(target).mapRect(lotOf(b, city.level[static_cast<std::size_t>(idx(b))]));
}

QPixmap frontPicture(Building b, int level, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    drawSky(p, area, 0.42, 0);
    // The lot, framed closely, on its own patch of street.
    const QRectF lot = lotOf(b, level).adjusted(-30, -50, 30, 60);
    const double s = std::min(area.width() / lot.width(), area.height() / lot.height());
    p.translate((area.width() - lot.width() * s) / 2, (area.height() - lot.height() * s) / 2);
    p.scale(s, s);
    p.translate(-lot.left(), -lot.top());
    const Light light{1.0};
    drawStreet(p, QRectF(lot.left() - 200, 0, lot.width() + 400, lot.bottom() + 100), 1.0, 0);
    drawBuilding(p, b, std::max(level, 1), light, 0);
    return pm;
}

const char* frontPictureName(Building b) {
    switch (b) {
        case Building::Headquarters: return "Front_hq.jpg";
        case Building::Warehouse: return "front_Warehouse.jpg";
        case Building::Factory: return "Front_factory.jpg";
        case Building::Office: return "";
    }
    return "";
}

}  // namespace cw::ui
