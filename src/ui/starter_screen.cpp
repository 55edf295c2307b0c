#include "ui/starter_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "refdata/import.h"
#include "ui/database_screen.h"
#include "ui/message_dialogs.h"
#include "ui/painted_icons.h"
#include "ui/player_bonus_screen.h"
#include "ui/qt_player.h"

namespace cw::ui {

// The picture beside the choices: a city at dusk around the company's tower,
// whose windows light up one after another while the screen is open.
class StarterBanner : public QWidget {
public:
    explicit StarterBanner(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("starterLogo"));
        setFixedWidth(300);
        setMinimumHeight(500);
        timer_.setInterval(140);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            ++phase_;
            update();
        });
    }
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool running() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        const qreal horizon = r.height() * 0.78;

        QLinearGradient sky(0, 0, 0, horizon);
        sky.setColorAt(0.0, QColor(0x0b, 0x13, 0x2b));
        sky.setColorAt(0.45, QColor(0x2d, 0x2a, 0x5c));
        sky.setColorAt(0.8, QColor(0xa8, 0x4a, 0x5f));
        sky.setColorAt(1.0, QColor(0xf2, 0x9b, 0x4e));
        p.fillRect(r, sky);

        p.setPen(Qt::NoPen);
        for (std::uint32_t i = 1; i <= 46; ++i) {  // stars, fading out towards the horizon
            const std::uint32_t h = i * 2654435761u;
            const qreal x = (h >> 4) % 292 + 4;
            const qreal y = (h >> 14) % 210 + 4;
            const int twinkle = (int(i) + phase_ / 3) % 7 == 0 ? 80 : 210;
            p.setBrush(QColor(255, 255, 230, std::max(0, int(twinkle * (1.0 - y / 250.0)))));
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }

        const QPointF sunCentre(r.width() * 0.7, horizon - 70);
        QRadialGradient sun(sunCentre, 120);
        sun.setColorAt(0, QColor(255, 226, 140, 255));
        sun.setColorAt(0.22, QColor(255, 196, 100, 240));
        sun.setColorAt(0.25, QColor(255, 170, 80, 120));
        sun.setColorAt(1, QColor(255, 140, 60, 0));
        p.setBrush(sun);
        p.drawEllipse(sunCentre, 120, 120);

        // Far buildings: flat silhouettes of fixed, uneven heights.
        p.setBrush(QColor(0x2a, 0x23, 0x4a));
        static const int kFar[] = {70, 120, 95, 150, 80, 130, 105, 60, 140, 90, 115, 75};
        qreal x = 0;
        for (int i = 0; x < r.width(); ++i) {
            const qreal w = 22 + (i * 7 % 14);
            p.drawRect(QRectF(x, horizon - kFar[i % 12], w, kFar[i % 12] + 2));
            x += w + 2;
        }
        // Near buildings with lit windows.
        static const int kNear[] = {110, 170, 90, 0, 140, 100};
        static const int kWidth[] = {46, 40, 50, 84, 44, 40};
        x = -6;
        for (int b = 0; b < 6; ++b) {
            const qreal w = kWidth[b];
            // The tower stops short of the logo above it.
            const qreal h = b == 3 ? horizon - 205 : kNear[b];
            const QRectF body(x, horizon - h, w, h + 4);
            p.setBrush(b == 3 ? QColor(0x1c, 0x22, 0x38) : QColor(0x15, 0x18, 0x2a));
            p.drawRect(body);
            if (b == 3) paintTower(p, body);
            for (qreal wy = body.top() + 10; wy < horizon - 8; wy += 14) {
                for (qreal wx = body.left() + 6; wx < body.right() - 8; wx += 10) {
                    const int cell = int(wx * 13 + wy * 7 + b * 31);
                    const bool lit = (cell + phase_ / 2) % 11 < (b == 3 ? 6 : 3);
                    p.setBrush(lit ? QColor(255, 214, 120, 230) : QColor(40, 48, 72));
                    p.drawRect(QRectF(wx, wy, 5, 7));
                }
            }
            x += w + 6;
        }
        QLinearGradient ground(0, horizon, 0, r.height());
        ground.setColorAt(0, QColor(0x11, 0x14, 0x22));
        ground.setColorAt(1, QColor(0x07, 0x09, 0x10));
        p.setBrush(ground);
        p.drawRect(QRectF(0, horizon, r.width(), r.height() - horizon));
        // The city's lights mirrored in the river below.
        for (int i = 0; i < 18; ++i) {
            const qreal lx = (i * 47 % 280) + 10;
            const qreal ly = horizon + 12 + (i * 29 % int(r.height() - horizon - 20));
            p.setBrush(QColor(255, 200, 110, 40 + ((i + phase_) % 9) * 10));
            p.drawRoundedRect(QRectF(lx, ly, 16 + (i % 4) * 6, 2), 1, 1);
        }
        paintLogo(p, r);
    }

private:
    void paintTower(QPainter& p, const QRectF& body) {
        // The crest on top of the company's tower, with a blinking beacon.
        QPainterPath crest;
        crest.moveTo(body.left(), body.top());
        crest.lineTo(body.center().x(), body.top() - 34);
        crest.lineTo(body.right(), body.top());
        crest.closeSubpath();
        p.setBrush(QColor(0x26, 0x2e, 0x4a));
        p.drawPath(crest);
        p.setPen(QPen(QColor(0x9f, 0xb4, 0xc9), 2));
        p.drawLine(QPointF(body.center().x(), body.top() - 34), QPointF(body.center().x(), body.top() - 62));
        p.setPen(Qt::NoPen);
        const bool on = (phase_ / 4) % 2 == 0;
        p.setBrush(on ? QColor(255, 80, 70) : QColor(120, 40, 40));
        p.drawEllipse(QPointF(body.center().x(), body.top() - 64), on ? 4.5 : 3, on ? 4.5 : 3);
        p.setBrush(QColor(0xf2, 0xc1, 0x4e));
        p.drawRect(QRectF(body.left() + 8, body.top() + 6, body.width() - 16, 3));
    }

    void paintLogo(QPainter& p, const QRectF& r) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(34);
        f.setBold(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        p.setFont(f);
        const QRectF box(0, 28, r.width(), 44);
        p.setPen(QColor(0, 0, 0, 140));
        p.drawText(box.translated(2, 3), Qt::AlignCenter, QStringLiteral("CRESTWORK"));
        // A glint runs across the gold letters.
        const qreal sweep = (phase_ % 40) / 40.0 * (r.width() + 200) - 100;
        QLinearGradient gold(sweep - 60, 0, sweep + 60, 0);
        gold.setColorAt(0, QColor(0xf2, 0xb8, 0x3e));
        gold.setColorAt(0.5, QColor(0xff, 0xf4, 0xc8));
        gold.setColorAt(1, QColor(0xf2, 0xb8, 0x3e));
        p.setPen(QPen(QBrush(gold), 1));
        p.drawText(box, Qt::AlignCenter, QStringLiteral("CRESTWORK"));
        f.setPixelSize(22);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 8);
        p.setFont(f);
        p.setPen(QColor(0xff, 0xe0, 0x9a));
        p.drawText(QRectF(0, 72, r.width(), 28), Qt::AlignCenter, QStringLiteral("II"));
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(12);
        small.setItalic(true);
        p.setFont(small);
        p.setPen(QColor(0xc9, 0xd6, 0xe3));
        p.drawText(QRectF(0, 104, r.width(), 18), Qt::AlignCenter, QStringLiteral("Build a games empire, 1980 - 2005"));
    }

    QTimer timer_;
    int phase_ = 0;
};

namespace {

// The new-game screen's own rules; the rest is the application's look.
const char* const kStyle = R"(
#TForm_CW2Starter { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f2f47, stop:1 #0f1826); }
QFrame#starterCard { background: rgba(255, 255, 255, 14); border: 1px solid #34506f; border-radius: 10px; }
QLabel#cardTitle { font-size: 11pt; }
QLabel#moneyLine, QLabel#levelName { color: #ffd66b; font-weight: bold; font-size: 11pt; }
QLabel#levelEffects { color: #9fb4c9; font-size: 9pt; }
QLabel#startupLevel { color: #ffffff; font-size: 16pt; font-weight: bold; }
QLabel#startupScore, QLabel#highScore { color: #ffd66b; font-size: 16pt; font-weight: bold; }
QLabel#scoreCaption { color: #9fb4c9; font-size: 9pt; }
QLabel#modLabel { color: #9fb4c9; font-size: 9pt; }
QLineEdit { font-size: 11pt; padding: 5px; }
QCheckBox { spacing: 8px; }
QPushButton { padding: 7px 14px; border-radius: 7px; font-weight: normal; }
#startButton { font-size: 13pt; font-weight: bold; color: #3a2300; padding: 11px 28px; border-radius: 10px;
  border: 2px solid #a86b00; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe08a, stop:1 #f0a020); }
#startButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0b8, stop:1 #f7b538); }
#exitButton { border-color: #6b7786; background: #3a434f; }
#exitButton:hover { background: #4b5664; }
)";

QLabel* label(const QString& text, const char* objectName, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

QFrame* card(const QString& title, QWidget* parent, QVBoxLayout*& body) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("starterCard"));
    body = new QVBoxLayout(frame);
    body->setContentsMargins(16, 12, 16, 14);
    body->setSpacing(8);
    body->addWidget(label(title, "cardTitle", frame));
    return frame;
}

QSlider* slider(int min, int max, int value, const char* objectName, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QString::fromLatin1(objectName));
    s->setRange(min, max);
    s->setValue(value);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    s->setMinimumWidth(150);
    return s;
}

QCheckBox* checkBox(const QString& text, const char* objectName, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QPushButton* button(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// The screen's texts use the game's own line breaks.
QString lines(const std::string& text) { return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

TForm_CW2Starter::TForm_CW2Starter(Game& game, Player& player, ReferenceTables& ref, QWidget* parent)
    : QWidget(parent, Qt::Dialog), game_(game), player_(player), ref_(ref) {
    setObjectName(QStringLiteral("TForm_CW2Starter"));
    setWindowTitle(QStringLiteral("New game"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(kStyle));
    setWindowModality(Qt::WindowModal);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    banner_ = new StarterBanner(this);
    root->addWidget(banner_);

    auto* side = new QVBoxLayout;
    side->setContentsMargins(22, 20, 22, 18);
    side->setSpacing(12);
    side->addWidget(buildNamesCard());
    side->addWidget(buildStartCard());
    side->addWidget(buildScoreCard());
    side->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    auto* exit = button(QStringLiteral("Exit game"), "exitButton", this);
    auto* rebuild = button(QStringLiteral("Rebuild Database"), "rebuildButton", this);
    rebuild->setToolTip(QStringLiteral("Derives the world's tables again from the raw data (needs an access code)"));
    auto* load = button(QStringLiteral("Load game"), "loadButton", this);
    load->setToolTip(QStringLiteral("Continue a saved game"));
    auto* start = button(QStringLiteral("Start new game"), "startButton", this);
    start->setDefault(true);
    buttons->addWidget(exit);
    buttons->addWidget(rebuild);
    buttons->addStretch(1);
    buttons->addWidget(load);
    buttons->addWidget(start);
    side->addLayout(buttons);
    root->addLayout(side, 1);

    connect(exit, &QPushButton::clicked, this, &TForm_CW2Starter::exitGame);
    connect(rebuild, &QPushButton::clicked, this, &TForm_CW2Starter::rebuildDatabase);
    connect(load, &QPushButton::clicked, this, &TForm_CW2Starter::loadGame);
    connect(start, &QPushButton::clicked, this, &TForm_CW2Starter::startNewGame);
    for (QSlider* s : {companyValue_, gameLevel_})
        connect(s, &QSlider::valueChanged, this, &TForm_CW2Starter::updateTexts);
    for (QCheckBox* b : {boardMeeting_, startPublisher_, startWarehouse_, startFactory_})
        connect(b, &QCheckBox::toggled, this, &TForm_CW2Starter::updateTexts);

    score_ = kInitialStartupScore;
    highScore_ = readHighScore(game_.writableFolder());
    highScoreLabel_->setText(QString::number(highScore_));
    updateTexts();
    resize(880, 560);
    hide();
}

QWidget* TForm_CW2Starter::buildNamesCard() {
    QVBoxLayout* body = nullptr;
    QFrame* frame = card(QStringLiteral("YOUR COMPANY"), this, body);
    const NewGameOptions defaults;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    companyName_ = new QLineEdit(qs(defaults.companyName), frame);
    companyName_->setObjectName(QStringLiteral("companyNameEdit"));
    companyName_->setMaxLength(kMaxNewGameName);
    playerName_ = new QLineEdit(qs(defaults.playerName), frame);
    playerName_->setObjectName(QStringLiteral("playerNameEdit"));
    playerName_->setMaxLength(kMaxNewGameName);
    grid->addWidget(label(QStringLiteral("Company Name"), "fieldLabel", frame), 0, 0);
    grid->addWidget(companyName_, 0, 1);
    grid->addWidget(label(QStringLiteral("Player Name"), "fieldLabel", frame), 1, 0);
    grid->addWidget(playerName_, 1, 1);
    grid->setColumnStretch(1, 1);
    body->addLayout(grid);
    return frame;
}

QWidget* TForm_CW2Starter::buildStartCard() {
    QVBoxLayout* body = nullptr;
    QFrame* frame = card(QStringLiteral("THE START"), this, body);
    const NewGameOptions defaults;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);

    companyValue_ = slider(2, 6, defaults.companyValue, "companyValueSlider", frame);
    moneyLine_ = label({}, "moneyLine", frame);
    grid->addWidget(label(QStringLiteral("Company value :"), "fieldLabel", frame), 0, 0);
    grid->addWidget(companyValue_, 0, 1);
    grid->addWidget(moneyLine_, 0, 2);

    gameLevel_ = slider(1, 3, defaults.gameLevel, "gameLevelSlider", frame);
    levelName_ = label({}, "levelName", frame);
    levelEffects_ = label({}, "levelEffects", frame);
    grid->addWidget(label(QStringLiteral("Game Level :"), "fieldLabel", frame), 1, 0);
    grid->addWidget(gameLevel_, 1, 1);
    grid->addWidget(levelName_, 1, 2);
    grid->addWidget(levelEffects_, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, 250);
    body->addLayout(grid);

    // The three "Start with" boxes exist, but the screen does not show them.
    startPublisher_ = checkBox(QStringLiteral("Start with Publisher"), "startWithPublisher", frame);
    startWarehouse_ = checkBox(QStringLiteral("Start with WareHouse"), "startWithWarehouse", frame);
    startFactory_ = checkBox(QStringLiteral("Start with Factory"), "startWithFactory", frame);
    for (QCheckBox* b : {startPublisher_, startWarehouse_, startFactory_}) b->hide();

    boardMeeting_ = checkBox(QStringLiteral("Annual Board Meeting"), "boardMeetingBox", frame);
    boardMeeting_->setChecked(defaults.boardMeetings);
    boardMeeting_->setToolTip(QStringLiteral("A board of directors sets you a goal every year"));
    tutor_ = checkBox(QStringLiteral("Startup Tutor"), "tutorBox", frame);
    tutor_->setChecked(defaults.tutor);
    tutor_->setToolTip(QStringLiteral("Your secretary shows you around in the first weeks"));
    music_ = checkBox(QStringLiteral("Music"), "musicBox", frame);
    music_->setChecked(defaults.music);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(18);
    boxes->addWidget(boardMeeting_);
    boxes->addWidget(tutor_);
    boxes->addWidget(music_);
    boxes->addStretch(1);
    body->addLayout(boxes);
    return frame;
}

QWidget* TForm_CW2Starter::buildScoreCard() {
    QVBoxLayout* body = nullptr;
    QFrame* frame = card(QStringLiteral("CHALLENGE"), this, body);
    auto* row = new QHBoxLayout;
    row->setSpacing(20);
    auto* level = new QVBoxLayout;
    level->setSpacing(0);
    level->addWidget(label(QStringLiteral("Start-up level"), "scoreCaption", frame));
    startupLevel_ = label({}, "startupLevel", frame);
    level->addWidget(startupLevel_);
    auto* score = new QVBoxLayout;
    score->setSpacing(0);
    score->addWidget(label(QStringLiteral("Score"), "scoreCaption", frame));
    startupScore_ = label({}, "startupScore", frame);
    score->addWidget(startupScore_);
    auto* high = new QVBoxLayout;
    high->setSpacing(0);
    high->addWidget(label(QStringLiteral("Highest score :"), "scoreCaption", frame));
    highScoreLabel_ = label(QStringLiteral("0"), "highScore", frame);
    high->addWidget(highScoreLabel_);
    auto* trophy = new QLabel(frame);
    trophy->setPixmap(paintedIcon(PaintedIcon::Star, 40).pixmap(40, 40));
    row->addLayout(level);
    row->addLayout(score);
    row->addStretch(1);
    row->addLayout(high);
    row->addWidget(trophy);
    body->addLayout(row);

    auto* modRow = new QHBoxLayout;
    modLabel_ = label(QString::fromLatin1(kDefaultModLines), "modLabel", frame);
    modLabel_->setWordWrap(true);
    modRow->addWidget(modLabel_, 1);
    auto* choose = button(QStringLiteral("Choose MOD"), "chooseModButton", frame);
    choose->setToolTip(QStringLiteral("Play in a narrower world: only some platforms and genres"));
    auto* create = button(QStringLiteral("New MOD"), "newModButton", frame);
    create->setToolTip(QStringLiteral("Build a MOD of your own (needs an access code)"));
    for (QPushButton* b : {choose, create}) modRow->addWidget(b, 0, Qt::AlignBottom);
    connect(choose, &QPushButton::clicked, this, &TForm_CW2Starter::chooseMod);
    connect(create, &QPushButton::clicked, this, &TForm_CW2Starter::newMod);
    body->addLayout(modRow);
    return frame;
}

NewGameOptions TForm_CW2Starter::options() const {
    NewGameOptions o;
    o.companyName = companyName_->text().toStdString();
    o.playerName = playerName_->text().toStdString();
    o.companyValue = companyValue_->value();
    o.gameLevel = gameLevel_->value();
    o.startWithPublisher = startPublisher_->isChecked();
    o.startWithWarehouse = startWarehouse_->isChecked();
    o.startWithFactory = startFactory_->isChecked();
    o.boardMeetings = boardMeeting_->isChecked();
    o.tutor = tutor_->isChecked();
    o.music = music_->isChecked();
    return o;
}

void TForm_CW2Starter::setOptions(const NewGameOptions& o) {
    companyName_->setText(qs(o.companyName));
    playerName_->setText(qs(o.playerName));
    companyValue_->setValue(o.companyValue);
    gameLevel_->setValue(o.gameLevel);
    startPublisher_->setChecked(o.startWithPublisher);
    startWarehouse_->setChecked(o.startWithWarehouse);
    startFactory_->setChecked(o.startWithFactory);
    boardMeeting_->setChecked(o.boardMeetings);
    tutor_->setChecked(o.tutor);
    music_->setChecked(o.music);
    updateTexts();
}

bool TForm_CW2Starter::animating() const { return banner_->running(); }

void TForm_CW2Starter::updateTexts() {
    const NewGameOptions o = options();
    score_ = cw::startupScore(o);
    moneyLine_->setText(qs(startMoneyText(o.companyValue)));
    levelName_->setText(qs(gameLevelName(o.gameLevel)));
    levelEffects_->setText(lines(gameLevelEffectsText(o.gameLevel)));
    startupLevel_->setText(qs(startupLevelText(score_)));
    startupScore_->setText(QString::number(score_));
}

void TForm_CW2Starter::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    NewGameOptions o = options();
    readNamesFile(game_.writableFolder(), o);
    setOptions(o);
    banner_->start();
}

NewGameHooks TForm_CW2Starter::startHooks() {
    NewGameHooks hooks = hooks_;
    if (!hooks.playerSetup) {
        hooks.playerSetup = [this] {
            if (playerSetup_) return playerSetup_->choose();
            Tform_player_bonus passing(this);
            return passing.choose();
        };
    }
    hooks.closeStarter = [this, next = hooks_.closeStarter] {
        leave();
        if (next) next();
    };
    return hooks;
}

void TForm_CW2Starter::startNewGame() {
    const NewGameOptions o = options();
    if (const std::string why = checkNewGameOptions(o); !why.empty()) {
        runMessageBox(this, QStringLiteral("New game"), qs(why), false);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string refused = cw::startNewGame(game_, player_, ref_, o, {}, startHooks());
    QApplication::restoreOverrideCursor();
    // A refusal has said why; the player stays here to try again.
    if (!refused.empty()) return;
    leave();
    emit gameStarted();
}

std::string TForm_CW2Starter::beginLoadedGame() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string refused = beginNewGame(game_, player_, ref_, options(), {}, startHooks());
    QApplication::restoreOverrideCursor();
    return refused;
}

void TForm_CW2Starter::finishLoadedGame() {
    finishNewGame(game_, player_, options(), startHooks());
    leave();
    emit gameStarted();
}

void TForm_CW2Starter::loadGame() { emit loadRequested(); }

void TForm_CW2Starter::leave() {
    banner_->stop();
    leaving_ = true;
    close();
    leaving_ = false;
}

void TForm_CW2Starter::exitGame() {
    leave();
    emit exitRequested();
}

QString TForm_CW2Starter::askAccessCode() {
    if (password_) {
        password_->setTyped({});
        password_->exec();
        return password_->typed();
    }
    TPasswordDlg passing(this);
    passing.exec();
    return passing.typed();
}

void TForm_CW2Starter::rebuildDatabase() { rebuildDatabaseWithCode(askAccessCode()); }

bool TForm_CW2Starter::rebuildDatabaseWithCode(const QString& typed) {
    if (!rebuildPasswordAccepted(typed.toStdString())) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cw::rebuildDatabase(game_, player_, ref_, typed.toStdString());
    QApplication::restoreOverrideCursor();
    emit databaseRequested();
    return true;
}

void TForm_CW2Starter::chooseMod() {
    const auto show = [this](TForm_mod_load& chooser) {
        if (chooser.exec() == QDialog::Accepted) modLabel_->setText(chooser.chosenLabel());
    };
    if (modChooser_) {
        show(*modChooser_);
    } else {
        TForm_mod_load passing(game_, player_, this);
        show(passing);
    }
}

void TForm_CW2Starter::newMod() { newModWithCode(askAccessCode()); }

bool TForm_CW2Starter::newModWithCode(const QString& typed) {
    if (!modAccessCodeAccepted(typed.toStdString())) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cw::newMod(game_, player_, ref_, typed.toStdString());
    QApplication::restoreOverrideCursor();
    emit modBuilderRequested();
    return true;
}

void TForm_CW2Starter::closeEvent(QCloseEvent* event) {
    if (!leaving_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace cw::ui
