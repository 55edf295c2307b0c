#include "ui/city_map.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "hardware/manufacturing.h"
#include "people/labour_market.h"
#include "state/game.h"
#include "state/player.h"
#include "ui/app_style.h"
#include "ui/buildings_screen.h"
#include "ui/factory_assembly_screen.h"
#include "ui/finance_look.h"
#include "ui/new_platform_screen.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

// One day of light takes this long on the screen.
constexpr double kDaySeconds = 120.0;

}  // namespace

CityMap::CityMap(Game& g, Player& p, QWidget* parent) : QWidget(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("cityMap"));
    setMouseTracking(true);
    // Low enough for the main screen on a 960x540 screen (scale factor 2).
    setMinimumSize(320, 86);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(QStringLiteral("Click a building for its panel; right-click for \"Upgrade\""));
    timer_ = new QTimer(this);
    timer_->setInterval(80);
    connect(timer_, &QTimer::timeout, this, &CityMap::tick);
    clock_.start();
    refresh();
}

void CityMap::refresh() {
    city_ = cityState(game_);
    update();
}

void CityMap::setTimeOfDay(double t) {
    timeOfDay_ = t - std::floor(t);
    update();
}

void CityMap::setAnimated(bool on) {
    animated_ = on;
    if (!on) timer_->stop();
    else if (isVisible()) timer_->start();
}

void CityMap::tick() {
    const double dt = static_cast<double>(clock_.restart()) / 1000.0;
    phase_ += dt;
    setTimeOfDay(timeOfDay_ + dt / kDaySeconds);
}

void CityMap::showEvent(QShowEvent* event) {
    clock_.restart();
    if (animated_) timer_->start();
    QWidget::showEvent(event);
}

void CityMap::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

void CityMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintCity(p, QRectF(rect()), city_, timeOfDay_, phase_);
}

bool CityMap::buildingAt(QPoint at, Building& b) const {
    for (Building candidate : kBuildings) {
        if (buildingArea(city_, candidate, QRectF(rect())).contains(at)) {
            b = candidate;
            return true;
        }
    }
    return false;
}

void CityMap::mouseMoveEvent(QMouseEvent* event) {
    Building b{};
    setCursor(buildingAt(event->position().toPoint(), b) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void CityMap::mousePressEvent(QMouseEvent* event) {
    Building b{};
    if (event->button() == Qt::LeftButton && buildingAt(event->position().toPoint(), b)) openBuildingInfo(b);
    QWidget::mousePressEvent(event);
}

void CityMap::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    Building b{};
    const bool onBuilding = buildingAt(event->pos(), b);
    QAction* info = onBuilding ? menu.addAction(QString::fromStdString(buildingInfo(b).title)) : nullptr;
    QAction* upgrade = menu.addAction(QStringLiteral("Upgrade"));
    upgrade->setObjectName(QStringLiteral("upgradeAction"));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen && chosen == info) openBuildingInfo(b);
    if (chosen && chosen == upgrade) openBuildingsPanel();
}

TForm_buildings* CityMap::buildingsPanel() {
    if (!panel_) {
        panel_ = new TForm_buildings(game_, player_, window());
        connect(panel_, &TForm_buildings::changed, this, [this] {
            refresh();
            emit changed();
        });
    }
    return panel_;
}

void CityMap::openBuildingsPanel() {
    TForm_buildings* panel = buildingsPanel();
    panel->refresh();
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void CityMap::openBuildingInfo(Building b) {
    // Only a building that exists opens its panel.
    if (city_.level[static_cast<std::size_t>(b)] <= 0) return;
    auto* info = new BuildingInfoPanel(game_, b, window());
    info->setAttribute(Qt::WA_DeleteOnClose);
    connect(info, &BuildingInfoPanel::upgradeRequested, this, [this, info] {
        info->close();
        openBuildingsPanel();
    });
    connect(info, &BuildingInfoPanel::assemblyScreenRequested, this, [this, info] {
        info->close();
        player_.showModal(ScreenId::FactoryAssembly);
        emit changed();
    });
    connect(info, &BuildingInfoPanel::assemblyLinesRequested, this, [this, info] {
        info->close();
        upgradeAssemblyLines(game_, player_);
        emit changed();
    });
    connect(info, &BuildingInfoPanel::storageRequested, this, [this, info] {
        info->close();
        showStorage(game_, window());
    });
    connect(info, &BuildingInfoPanel::newPlatformRequested, this, [this, info] {
        info->close();
        TForm_newplatform design(game_, player_, window());
        design.exec();
        emit changed();
    });
    info->show();
}

// ---------------------------------------------------------------------------
BuildingInfoPanel::BuildingInfoPanel(const Game& g, Building b, QWidget* parent) : QDialog(parent) {
    const BuildingInfo& about = buildingInfo(b);
    setObjectName(QStringLiteral("buildingInfo"));
    setWindowTitle(QString::fromLatin1(about.title));
    setStyleSheet(financeStyleSheet());
    pictureName_ = QString::fromLatin1(frontPictureName(b));
    const int level = buildingLevel(g, b);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const HeaderBand header =
        makeHeaderBand(this, QPixmap(), QString::fromLatin1(about.title), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* front = new QLabel(this);
    front->setObjectName(QStringLiteral("frontPicture"));
    front->setProperty("picture", pictureName_);
    front->setPixmap(frontPicture(b, level, QSize(420, 260)));
    front->setAlignment(Qt::AlignCenter);
    outer->addWidget(front);

    QStringList facts;
    facts << QStringLiteral("Level : %1 of %2").arg(level).arg(about.highestLevel);
    const QLocale locale(QLocale::English);
    switch (b) {
        case Building::Headquarters:
        case Building::Office:
            facts << QStringLiteral("Office places : %1 of %2 taken").arg(employeeCount(g)).arg(officeCapacity(g));
            break;
        case Building::Warehouse:
        case Building::Factory:
            facts << QStringLiteral("Storage : %1 units").arg(locale.toString(storageCapacity(g)));
            break;
    }
    if (constructionTask(g, b) != 0) facts << QStringLiteral("The builders are at work on the next level.");
    else if (level < about.highestLevel)
        facts << QStringLiteral("Next level : %1 $").arg(locale.toString(buildingPrice(g, b)));
    auto* text = new QLabel(facts.join(QLatin1Char('\n')), this);
    text->setObjectName(QStringLiteral("buildingFacts"));
    text->setContentsMargins(16, 0, 16, 0);
    outer->addWidget(text);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    // The menu of the panel: "Upgrade" leads to the buildings panel.
    auto* menuButton = new QPushButton(QStringLiteral("Menu"), this);
    menuButton->setObjectName(QStringLiteral("buildingMenu"));
    auto* menu = new QMenu(menuButton);
    QAction* upgrade = menu->addAction(QStringLiteral("Upgrade"));
    upgrade->setObjectName(QStringLiteral("upgradeAction"));
    connect(upgrade, &QAction::triggered, this, &BuildingInfoPanel::upgradeRequested);
    if (b == Building::Factory) {
        QAction* screen = menu->addAction(QStringLiteral("Assembly lines"));
        screen->setObjectName(QStringLiteral("assemblyAction"));
        connect(screen, &QAction::triggered, this, &BuildingInfoPanel::assemblyScreenRequested);
        QAction* lines = menu->addAction(QStringLiteral("Upgrade Assembly Lines"));
        lines->setObjectName(QStringLiteral("upgradeLinesAction"));
        connect(lines, &QAction::triggered, this, &BuildingInfoPanel::assemblyLinesRequested);
        QAction* design = menu->addAction(QStringLiteral("Create new platform"));
        design->setObjectName(QStringLiteral("newPlatformAction"));
        connect(design, &QAction::triggered, this, &BuildingInfoPanel::newPlatformRequested);
    }
    if (b == Building::Factory || b == Building::Warehouse) {
        QAction* storage = menu->addAction(QStringLiteral("View storage"));
        storage->setObjectName(QStringLiteral("viewStorageAction"));
        connect(storage, &QAction::triggered, this, &BuildingInfoPanel::storageRequested);
    }
    menuButton->setMenu(menu);
    auto* upgradeButton = new QPushButton(QStringLiteral("Upgrade"), this);
    upgradeButton->setObjectName(QStringLiteral("upgradeButton"));
    setButtonRole(upgradeButton, "action");
    connect(upgradeButton, &QPushButton::clicked, this, &BuildingInfoPanel::upgradeRequested);
    buttons->addWidget(menuButton);
    if (b == Building::Factory) {
        auto* design = new QPushButton(QStringLiteral("Create new platform"), this);
        design->setObjectName(QStringLiteral("newPlatformButton"));
        connect(design, &QPushButton::clicked, this, &BuildingInfoPanel::newPlatformRequested);
        buttons->addWidget(design);
    }
    buttons->addStretch(1);
    buttons->addWidget(upgradeButton);
    buttons->addWidget(closeButton(this));
    outer->addLayout(buttons);
}

}  // namespace cw::ui
