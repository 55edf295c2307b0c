#include "ui/buildings_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "finance/buildings.h"
#include "state/game.h"
#include "state/player.h"
#include "ui/app_style.h"
#include "ui/city_paint.h"
#include "ui/finance_look.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

TForm_buildings::TForm_buildings(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_buildings"));
    setWindowTitle(QStringLiteral("Buildings"));
    setStyleSheet(financeStyleSheet() + QStringLiteral("QLabel#levelBadge { color: #f3c969; font-weight: bold; }"
                                                       "QLabel#buildingLine { font-family: monospace; }"));
    setMinimumWidth(900);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const HeaderBand header = makeHeaderBand(this, frontPicture(Building::Headquarters, 3, QSize(48, 36)),
                                             QStringLiteral("Buildings and facilities"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 16, 0);
    grid->setSpacing(12);
    const BuildingsPanel panel = refreshBuildingsPanel(game_);
    for (int i = 0; i < 4; ++i) {
        const BuildingRow& row = panel.buildings[static_cast<std::size_t>(i)];
        QVBoxLayout* body = nullptr;
        QFrame* card = makeCard(this, QString::fromStdString(row.title), body);
        card->setObjectName(QStringLiteral("buildingCard%1").arg(i));
        auto* top = new QHBoxLayout;
        auto* picture = new QLabel(card);
        picture->setPixmap(frontPicture(row.building, std::max(row.level, 1), QSize(96, 64)));
        top->addWidget(picture);
        auto* text = new QVBoxLayout;
        levelBadges_[i] = new QLabel(card);
        levelBadges_[i]->setObjectName(QStringLiteral("levelBadge"));
        text->addWidget(levelBadges_[i]);
        for (int l = 0; l < 2; ++l) {
            lines_[i][l] = new QLabel(card);
            lines_[i][l]->setObjectName(QStringLiteral("buildingLine"));
            text->addWidget(lines_[i][l]);
        }
        top->addLayout(text, 1);
        body->addLayout(top);
        construction_[i] = new QProgressBar(card);
        construction_[i]->setObjectName(QStringLiteral("constructionBar"));
        construction_[i]->setFormat(QStringLiteral("Under construction %p%"));
        construction_[i]->setRange(0, 100);
        body->addWidget(construction_[i]);
        auto* buttons = new QHBoxLayout;
        build_[i] = new QPushButton(QStringLiteral("Build"), card);
        build_[i]->setObjectName(QStringLiteral("buildButton%1").arg(i));
        upgrade_[i] = new QPushButton(QStringLiteral("Upgrade"), card);
        upgrade_[i]->setObjectName(QStringLiteral("upgradeButton%1").arg(i));
        buttons->addStretch(1);
        buttons->addWidget(build_[i]);
        buttons->addWidget(upgrade_[i]);
        body->addLayout(buttons);
        const Building b = row.building;
        // Both buttons start the same project.
        for (QPushButton* button : {build_[i], upgrade_[i]}) {
            connect(button, &QPushButton::clicked, this, [this, b] {
                startConstruction(game_, player_, b);
                refresh();
                emit changed();
            });
        }
        grid->addWidget(card, i / 2, i % 2);
    }
    outer->addLayout(grid);

    auto* lower = new QHBoxLayout;
    lower->setContentsMargins(16, 0, 16, 0);
    lower->setSpacing(12);
    QVBoxLayout* facBody = nullptr;
    QFrame* facilities = makeCard(this, QStringLiteral("Facilities"), facBody);
    auto* facGrid = new QGridLayout;
    facGrid->setHorizontalSpacing(12);
    for (int i = 0; i < 4; ++i) {
        const FacilityRow& row = panel.facilities[static_cast<std::size_t>(i)];
        auto* title = new QLabel(QString::fromStdString(row.title), facilities);
        title->setObjectName(QStringLiteral("caption"));
        facilityLabels_[i] = new QLabel(facilities);
        facilityLabels_[i]->setObjectName(QStringLiteral("facilityLabel%1").arg(i));
        setup_[i] = new QPushButton(QStringLiteral("Setup"), facilities);
        setup_[i]->setObjectName(QStringLiteral("setupButton%1").arg(i));
        const Facility f = row.facility;
        connect(setup_[i], &QPushButton::clicked, this, [this, f] {
            setupFacility(game_, player_, f);
            refresh();
            emit changed();
        });
        facGrid->addWidget(title, i, 0);
        facGrid->addWidget(facilityLabels_[i], i, 1);
        facGrid->addWidget(setup_[i], i, 2);
    }
    facGrid->setColumnStretch(1, 1);
    facBody->addLayout(facGrid);
    lower->addWidget(facilities, 5);

    QVBoxLayout* negBody = nullptr;
    QFrame* negotiation = makeCard(this, QStringLiteral("Publisher negotiation"), negBody);
    negotiation->setToolTip(QString::fromLatin1(kNegotiationHint));
    negotiationLabel_ = new QLabel(negotiation);
    negotiationLabel_->setObjectName(QStringLiteral("negotiationLabel"));
    negotiationLabel_->setWordWrap(true);
    negBody->addWidget(negotiationLabel_);
    auto* negButtons = new QHBoxLayout;
    negotiationSetup_ = new QPushButton(QStringLiteral("Setup"), negotiation);
    negotiationSetup_->setObjectName(QStringLiteral("negotiationSetup"));
    negotiationSetup_->setToolTip(QString::fromLatin1(kNegotiationHint));
    negotiationClose_ = new QPushButton(QStringLiteral("Close"), negotiation);
    negotiationClose_->setObjectName(QStringLiteral("negotiationClose"));
    setButtonRole(negotiationClose_, "danger");
    negButtons->addWidget(negotiationSetup_);
    negButtons->addWidget(negotiationClose_);
    negBody->addLayout(negButtons);
    connect(negotiationSetup_, &QPushButton::clicked, this, [this] {
        openNegotiationDept(game_, player_);
        refresh();
        emit changed();
    });
    connect(negotiationClose_, &QPushButton::clicked, this, [this] {
        closeNegotiationDept(game_, player_);
        refresh();
        emit changed();
    });
    negBody->addStretch(1);
    storage_ = new QLabel(negotiation);
    storage_->setObjectName(QStringLiteral("storageLabel"));
    offices_ = new QLabel(negotiation);
    offices_->setObjectName(QStringLiteral("officesLabel"));
    negBody->addWidget(storage_);
    negBody->addWidget(offices_);
    lower->addWidget(negotiation, 2);
    outer->addLayout(lower);

    auto* closeRow = new QHBoxLayout;
    closeRow->setContentsMargins(16, 0, 16, 0);
    closeRow->addStretch(1);
    closeRow->addWidget(closeButton(this, QStringLiteral("Hide")));
    outer->addLayout(closeRow);
    refresh();
}

void TForm_buildings::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void TForm_buildings::refresh() {
    const BuildingsPanel panel = refreshBuildingsPanel(game_);
    const QLocale locale(QLocale::English);
    for (int i = 0; i < 4; ++i) {
        const BuildingRow& row = panel.buildings[static_cast<std::size_t>(i)];
        for (int l = 0; l < 2; ++l) lines_[i][l]->setText(QString::fromStdString(row.lines[static_cast<std::size_t>(l)]));
        levelBadges_[i]->setText(row.level > 0 ? QStringLiteral("Level %1").arg(row.level) : QStringLiteral("Not built"));
        build_[i]->setEnabled(row.buildEnabled);
        upgrade_[i]->setEnabled(row.upgradeEnabled);
        construction_[i]->setVisible(row.constructionPercent >= 0);
        construction_[i]->setValue(std::max(row.constructionPercent, 0));
    }
    for (int i = 0; i < 4; ++i) {
        const FacilityRow& row = panel.facilities[static_cast<std::size_t>(i)];
        facilityLabels_[i]->setText(QString::fromStdString(row.label));
        setup_[i]->setEnabled(row.setupEnabled);
    }
    negotiationLabel_->setText(QString::fromStdString(panel.negotiationLabel));
    negotiationSetup_->setEnabled(panel.negotiationSetupEnabled);
    negotiationClose_->setEnabled(panel.negotiationCloseEnabled);
    storage_->setText(QStringLiteral("Storage : %1 units").arg(locale.toString(panel.storage)));
    offices_->setText(QStringLiteral("Office places : %1 of %2 taken").arg(panel.employees).arg(panel.officePlaces));
}

}  // namespace cw::ui
