#include "ui/starter_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "setup/main_screen_model.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

const char* const kStyle = R"(
#TForm_CW2Starter { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #223a57, stop:1 #0f1d2e); }
QWidget { font-family: "DejaVu Sans"; font-size: 10pt; }
QLabel { color: #e6edf3; }
#starterLogo { color: #ffd66b; font-size: 26pt; font-weight: bold; }
#starterTagline { color: #9fb4c9; font-size: 11pt; }
#fieldLabel { color: #c9d6e3; font-weight: bold; }
#valueText { color: #ffd66b; font-weight: bold; font-size: 11pt; }
#startupLevel { color: #ffffff; font-size: 12pt; font-weight: bold; }
QFrame#starterCard { background: rgba(255, 255, 255, 18); border: 1px solid #3c5a7a; border-radius: 10px; }
QLineEdit { background: #0f1620; color: #ffffff; border: 1px solid #3a6ea5; border-radius: 4px; padding: 5px;
  font-size: 11pt; }
QLineEdit:focus { border-color: #f2c14e; }
QCheckBox { color: #e6edf3; }
QSlider::groove:horizontal { height: 6px; background: #0f1620; border-radius: 3px; }
QSlider::handle:horizontal { background: #f2c14e; width: 16px; margin: -6px 0; border-radius: 8px; }
#startButton { font-size: 13pt; font-weight: bold; color: #3a2300; padding: 10px 24px; border-radius: 10px;
  border: 2px solid #a86b00; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe08a, stop:1 #f0a020); }
#startButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0b8, stop:1 #f7b538); }
#exitButton { font-size: 11pt; color: #ffffff; padding: 8px 18px; border-radius: 8px; border: 1px solid #6b7786;
  background: #3a434f; }
#exitButton:hover { background: #4b5664; }
)";

QLabel* fieldLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("fieldLabel"));
    return l;
}

QSlider* slider(int min, int max, int value, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(min, max);
    s->setValue(value);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

}  // namespace

TForm_CW2Starter::TForm_CW2Starter(Game& game, QWidget* parent) : QWidget(parent, Qt::Dialog), game_(game) {
    setObjectName(QStringLiteral("TForm_CW2Starter"));
    setWindowTitle(QStringLiteral("Crestwork II - New game"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(kStyle));
    setWindowModality(Qt::WindowModal);
    const NewGameOptions defaults;

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(28, 22, 28, 22);
    root->setSpacing(14);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(paintedIcon(PaintedIcon::Company, 64).pixmap(64, 64));
    top->addWidget(icon);
    auto* titles = new QVBoxLayout;
    auto* logo = new QLabel(QStringLiteral("CRESTWORK II"), this);
    logo->setObjectName(QStringLiteral("starterLogo"));
    auto* tagline = new QLabel(QStringLiteral("Found your games company - 1980 to 2005"), this);
    tagline->setObjectName(QStringLiteral("starterTagline"));
    titles->addWidget(logo);
    titles->addWidget(tagline);
    top->addLayout(titles, 1);
    root->addLayout(top);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("starterCard"));
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(18, 16, 18, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);

    companyName_ = new QLineEdit(qs(defaults.companyName), card);
    companyName_->setObjectName(QStringLiteral("companyNameEdit"));
    companyName_->setMaxLength(kMaxNewGameName);
    playerName_ = new QLineEdit(qs(defaults.playerName), card);
    playerName_->setObjectName(QStringLiteral("playerNameEdit"));
    playerName_->setMaxLength(kMaxNewGameName);
    grid->addWidget(fieldLabel(QStringLiteral("Company Name"), card), 0, 0);
    grid->addWidget(companyName_, 0, 1, 1, 2);
    grid->addWidget(fieldLabel(QStringLiteral("Player Name"), card), 1, 0);
    grid->addWidget(playerName_, 1, 1, 1, 2);

    companyValue_ = slider(2, 6, defaults.companyValue, card);
    companyValue_->setObjectName(QStringLiteral("companyValueSlider"));
    moneyLine_ = new QLabel(card);
    moneyLine_->setObjectName(QStringLiteral("valueText"));
    grid->addWidget(fieldLabel(QStringLiteral("Company value :"), card), 2, 0);
    grid->addWidget(companyValue_, 2, 1);
    grid->addWidget(moneyLine_, 2, 2);

    gameLevel_ = slider(1, 3, defaults.gameLevel, card);
    gameLevel_->setObjectName(QStringLiteral("gameLevelSlider"));
    levelName_ = new QLabel(card);
    levelName_->setObjectName(QStringLiteral("valueText"));
    grid->addWidget(fieldLabel(QStringLiteral("Game Level :"), card), 3, 0);
    grid->addWidget(gameLevel_, 3, 1);
    grid->addWidget(levelName_, 3, 2);

    boardMeeting_ = new QCheckBox(QStringLiteral("Annual Board Meeting"), card);
    boardMeeting_->setChecked(defaults.boardMeetings);
    tutor_ = new QCheckBox(QStringLiteral("Startup Tutor"), card);
    tutor_->setChecked(defaults.tutor);
    music_ = new QCheckBox(QStringLiteral("Music"), card);
    music_->setChecked(defaults.music);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(boardMeeting_);
    boxes->addWidget(tutor_);
    boxes->addWidget(music_);
    boxes->addStretch(1);
    grid->addLayout(boxes, 4, 0, 1, 3);

    startupLevel_ = new QLabel(card);
    startupLevel_->setObjectName(QStringLiteral("startupLevel"));
    grid->addWidget(startupLevel_, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, 260);
    root->addWidget(card);

    auto* buttons = new QHBoxLayout;
    auto* exit = new QPushButton(QStringLiteral("Exit game"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    connect(exit, &QPushButton::clicked, this, &TForm_CW2Starter::exitGame);
    auto* start = new QPushButton(QStringLiteral("Start new game"), this);
    start->setObjectName(QStringLiteral("startButton"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &TForm_CW2Starter::startNewGame);
    buttons->addWidget(exit);
    buttons->addStretch(1);
    buttons->addWidget(start);
    root->addLayout(buttons);

    connect(companyValue_, &QSlider::valueChanged, this, &TForm_CW2Starter::updateTexts);
    connect(gameLevel_, &QSlider::valueChanged, this, &TForm_CW2Starter::updateTexts);
    connect(boardMeeting_, &QCheckBox::toggled, this, &TForm_CW2Starter::updateTexts);
    updateTexts();
    resize(640, 400);
    hide();
}

NewGameOptions TForm_CW2Starter::options() const {
    NewGameOptions o;
    o.companyName = companyName_->text().toStdString();
    o.playerName = playerName_->text().toStdString();
    o.companyValue = companyValue_->value();
    o.gameLevel = gameLevel_->value();
    o.boardMeetings = boardMeeting_->isChecked();
    o.tutor = tutor_->isChecked();
    o.music = music_->isChecked();
    return o;
}

void TForm_CW2Starter::updateTexts() {
    const NewGameOptions o = options();
    moneyLine_->setText(qs(startMoneyText(o.companyValue)));
    levelName_->setText(qs(gameLevelName(o.gameLevel)));
    startupLevel_->setText(QStringLiteral("Start-up level: ") + qs(startupLevelText(startupScore(o))));
}

void TForm_CW2Starter::startNewGame() {
    const NewGameOptions o = options();
    if (const std::string why = checkNewGameOptions(o); !why.empty()) {
        runMessageBox(this, QStringLiteral("New game"), qs(why), false);
        return;
    }
    writeNamesFile(game_, o);
    applyNewGameOptions(game_, o);
    leaving_ = true;
    close();
    emit gameStarted();
}

void TForm_CW2Starter::exitGame() {
    leaving_ = true;
    close();
    emit exitRequested();
}

void TForm_CW2Starter::closeEvent(QCloseEvent* event) {
    if (!leaving_) {
        event->ignore();
        return;
    }
    leaving_ = false;
    QWidget::closeEvent(event);
}

}  // namespace cw::ui
