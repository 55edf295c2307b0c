#include "ui/sound_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main_screen_parts.h"
#include "ui/painted_icons.h"
#include "ui/sound_system.h"

namespace cw::ui {

namespace {

// A loudspeaker with two waves, drawn like the other icons of the bar.
QIcon speakerIcon(int size) {
    QPixmap pm = paintingCanvas(QSize(size, size));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 18.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd6, 0x6b));
    QPainterPath body;
    body.moveTo(2 * s, 6.5 * s);
    body.lineTo(5.5 * s, 6.5 * s);
    body.lineTo(9.5 * s, 3 * s);
    body.lineTo(9.5 * s, 15 * s);
    body.lineTo(5.5 * s, 11.5 * s);
    body.lineTo(2 * s, 11.5 * s);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe6, 0xed, 0xf3), 1.4 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8 * s, 6 * s, 5 * s, 6 * s), -50 * 16, 100 * 16);
    p.drawArc(QRectF(8 * s, 3.5 * s, 8.5 * s, 11 * s), -50 * 16, 100 * 16);
    return QIcon(pm);
}

QSlider* volumeSlider(const QString& name, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 100);
    s->setPageStep(10);
    s->setMinimumWidth(140);
    return s;
}

}  // namespace

SoundPanel::SoundPanel(SoundSystem& sound, QWidget* parent) : QFrame(parent), sound_(sound) {
    setObjectName(QStringLiteral("popupPanel"));
    setProperty("panelName", QStringLiteral("Sound setup"));
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(14, 10, 14, 12);
    auto* title = new QLabel(QStringLiteral("Sound setup"), this);
    title->setObjectName(QStringLiteral("popupTitle"));
    col->addWidget(title);

    auto* grid = new QGridLayout;
    music_ = new QCheckBox(QStringLiteral("&Music"), this);
    music_->setObjectName(QStringLiteral("musicOnBox"));
    musicVolume_ = volumeSlider(QStringLiteral("musicVolumeSlider"), this);
    effects_ = new QCheckBox(QStringLiteral("Sound &effects"), this);
    effects_->setObjectName(QStringLiteral("effectsOnBox"));
    effectsVolume_ = volumeSlider(QStringLiteral("effectsVolumeSlider"), this);
    grid->addWidget(music_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Volume"), this), 0, 1);
    grid->addWidget(musicVolume_, 0, 2);
    grid->addWidget(effects_, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Volume"), this), 1, 1);
    grid->addWidget(effectsVolume_, 1, 2);
    col->addLayout(grid);

    radio_ = new QCheckBox(QStringLiteral("&Radio"), this);
    radio_->setObjectName(QStringLiteral("radioBox"));
    radio_->setToolTip(QStringLiteral("Play an internet radio stream instead of the game's own music"));
    col->addWidget(radio_);
    auto* urlRow = new QHBoxLayout;
    radioUrl_ = new QLineEdit(this);
    radioUrl_->setObjectName(QStringLiteral("radioUrlEdit"));
    radioUrl_->setPlaceholderText(QStringLiteral("http://... address of the stream"));
    radioUrl_->setMinimumWidth(260);
    auto* play = new QPushButton(QStringLiteral("&Play"), this);
    play->setObjectName(QStringLiteral("radioPlayButton"));
    urlRow->addWidget(radioUrl_, 1);
    urlRow->addWidget(play);
    col->addLayout(urlRow);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("radioNotice"));
    notice_->setWordWrap(true);
    notice_->setStyleSheet(QStringLiteral("color: #a02020;"));
    notice_->hide();
    col->addWidget(notice_);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("soundCloseButton"));
    col->addWidget(close, 0, Qt::AlignRight);

    reload();
    connect(music_, &QCheckBox::toggled, this, [this](bool on) { sound_.setMusicOn(on); });
    connect(effects_, &QCheckBox::toggled, this, [this](bool on) { sound_.setEffectsOn(on); });
    connect(musicVolume_, &QSlider::valueChanged, this, [this](int v) { sound_.setMusicVolume(v); });
    connect(effectsVolume_, &QSlider::valueChanged, this, [this](int v) { sound_.setEffectsVolume(v); });
    connect(radio_, &QCheckBox::toggled, this, [this] { applyRadio(); });
    connect(radioUrl_, &QLineEdit::returnPressed, this, [this] { applyRadio(); });
    connect(play, &QPushButton::clicked, this, [this] {
        if (!radio_->isChecked()) radio_->setChecked(true);  // toggling applies it
        else applyRadio();
    });
    connect(close, &QPushButton::clicked, this, &SoundPanel::closeRequested);
    connect(&sound_, &SoundSystem::notice, this, [this](const QString&, const QString& text) {
        notice_->setText(text);
        notice_->show();
        adjustSize();
    });
}

void SoundPanel::reload() {
    const SoundSettings& s = sound_.settings();
    const QSignalBlocker b1(music_), b2(effects_), b3(musicVolume_), b4(effectsVolume_), b5(radio_);
    music_->setChecked(s.musicOn);
    effects_->setChecked(s.effectsOn);
    musicVolume_->setValue(s.musicVolume);
    effectsVolume_->setValue(s.effectsVolume);
    radio_->setChecked(s.radioOn);
    radioUrl_->setText(s.radioUrl);
}

void SoundPanel::applyRadio() {
    notice_->hide();
    sound_.setRadio(radio_->isChecked(), radioUrl_->text());
}

void SoundPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}

QPushButton* installSoundControls(QMainWindow* main, SoundSystem& sound) {
    auto* bar = main->findChild<QWidget*>(QStringLiteral("optionsBar"));
    auto* row = bar ? qobject_cast<QHBoxLayout*>(bar->layout()) : nullptr;
    if (!row) return nullptr;
    auto* button = quietButton(speakerIcon(18), QStringLiteral("Sound"), QStringLiteral("soundButton"), bar);
    button->setCheckable(true);
    button->setToolTip(QStringLiteral("Music, sound effects and the radio"));
    // Before the closing stretch, after the other options.
    row->insertWidget(std::max(0, row->count() - 1), button);

    auto* panel = new SoundPanel(sound, main->centralWidget());
    panel->hide();
    auto place = [panel, button, main] {
        panel->adjustSize();
        const QPoint at = button->mapTo(main->centralWidget(), QPoint(0, 0));
        // Above the button, but never past the window's right edge: the
        // button sits at the end of the bar, and a longer language widens
        // the panel.
        const int right = main->centralWidget()->width() - panel->width() - 8;
        panel->move(std::max(0, std::min(at.x(), right)), std::max(0, at.y() - panel->height() - 8));
    };
    QObject::connect(button, &QPushButton::toggled, panel, [panel, place](bool open) {
        if (!open) {
            panel->hide();
            return;
        }
        panel->reload();
        place();
        panel->show();
        panel->raise();
        panel->setFocus();
    });
    QObject::connect(panel, &SoundPanel::closeRequested, button, [button] { button->setChecked(false); });
    return button;
}

}  // namespace cw::ui
