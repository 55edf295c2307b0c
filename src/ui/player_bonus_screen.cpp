#include "ui/player_bonus_screen.h"
#include "ui/shared_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

// The player setup's own rules; the rest is the application's look.
const char* const kExtraStyle = R"(
QLabel#effectLabel { color: #ffd66b; font-weight: bold; }
QLabel#retirementLabel { color: #9fb4c9; font-size: 9pt; font-style: italic; }
QSpinBox { font-size: 11pt; font-weight: bold; min-width: 56px; max-width: 56px; }
QPushButton[stepper="true"] { min-width: 30px; max-width: 30px; padding: 5px 0; font-size: 8pt; }
QListWidget::item { padding: 6px 8px; border-bottom: 1px solid #2a3950; }
)";

}  // namespace

Tform_player_bonus::Tform_player_bonus(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tform_player_bonus"));
    setWindowTitle(QStringLiteral("Player setup"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kExtraStyle));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 16);
    outer->setSpacing(0);

    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Star, 28).pixmap(28, 28),
                                             QStringLiteral("Player setup"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(22, 16, 22, 6);
    body->setSpacing(8);

    auto* ageRow = new QHBoxLayout;
    auto* ageLabel = new QLabel(QStringLiteral("Player Age :"), this);
    ageLabel->setObjectName(QStringLiteral("fieldLabel"));
    age_ = new QSpinBox(this);
    age_->setObjectName(QStringLiteral("playerAge"));
    age_->setRange(kMinPlayerAge, kMaxPlayerAge);
    age_->setValue(30);
    // The field's own arrows vanish under the style sheet; these stand in.
    age_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    age_->setAlignment(Qt::AlignCenter);
    auto* down = new QPushButton(QStringLiteral("\u25BC"), this);
    down->setObjectName(QStringLiteral("ageDown"));
    auto* up = new QPushButton(QStringLiteral("\u25B2"), this);
    up->setObjectName(QStringLiteral("ageUp"));
    for (QPushButton* b : {down, up}) {
        b->setProperty("stepper", true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    connect(down, &QPushButton::clicked, age_, &QSpinBox::stepDown);
    connect(up, &QPushButton::clicked, age_, &QSpinBox::stepUp);
    ageRow->addWidget(ageLabel);
    ageRow->addSpacing(6);
    ageRow->addWidget(down);
    ageRow->addWidget(age_);
    ageRow->addWidget(up);
    ageRow->addStretch(1);
    body->addLayout(ageRow);
    retirement_ = new QLabel(this);
    retirement_->setObjectName(QStringLiteral("retirementLabel"));
    body->addWidget(retirement_);
    body->addSpacing(8);

    auto* abilityLabel = new QLabel(QStringLiteral("Player Special Abilities :"), this);
    abilityLabel->setObjectName(QStringLiteral("fieldLabel"));
    body->addWidget(abilityLabel);
    abilities_ = new QListWidget(this);
    abilities_->setObjectName(QStringLiteral("playerAbilities"));
    for (const char* name : specialtyNames()) abilities_->addItem(QString::fromLatin1(name));
    abilities_->setCurrentRow(0);
    abilities_->setFixedHeight(5 * 31 + 4);
    body->addWidget(abilities_);
    effect_ = new QLabel(this);
    effect_->setObjectName(QStringLiteral("effectLabel"));
    body->addWidget(effect_);
    outer->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(22, 8, 22, 0);
    buttons->addStretch(1);
    auto* cont = new QPushButton(QStringLiteral("Continue"), this);
    cont->setObjectName(QStringLiteral("continueButton"));
    cont->setDefault(true);
    buttons->addWidget(cont);
    outer->addLayout(buttons);

    connect(cont, &QPushButton::clicked, this, &Tform_player_bonus::continueClicked);
    connect(age_, &QSpinBox::valueChanged, this, &Tform_player_bonus::updateTexts);
    connect(abilities_, &QListWidget::currentRowChanged, this, &Tform_player_bonus::updateTexts);
    updateTexts();
    setFixedWidth(380);
    hide();
}

PlayerBonus Tform_player_bonus::shown() const {
    return PlayerBonus{age_->value(), std::max(abilities_->currentRow(), 0)};
}

void Tform_player_bonus::setShown(const PlayerBonus& b) {
    age_->setValue(b.age);
    abilities_->setCurrentRow(b.specialty);
}

void Tform_player_bonus::updateTexts() {
    const PlayerBonus b = shown();
    effect_->setText(qs(specialtyEffectText(b.specialty)));
    retirement_->setText(qs(retirementText(b.age)));
}

void Tform_player_bonus::continueClicked() {
    stored_ = shown();
    accept();
}

PlayerBonus Tform_player_bonus::choose() {
    stored_ = PlayerBonus{};
    setShown(stored_);
    look::centreOver(this, parentWidget());
    exec();
    return stored_;
}

}  // namespace cw::ui
