#include "ui/sound_system.h"

#include <QAbstractButton>
#include <QAudio>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSettings>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "state/log.h"
#include "ui/qt_player.h"

namespace cw::ui {

namespace {

// A stream that neither plays nor fails by then is taken as failed, so a
// silent server never leaves the game without music.
constexpr int kRadioTimeoutMs = 15000;

int clampVolume(int v) { return std::clamp(v, 0, 100); }

float linearVolume(int percent) {
    // Sliders feel even on the ear's scale, the outputs want a linear factor.
    return QAudio::convertVolume(clampVolume(percent) / 100.0f, QAudio::LogarithmicVolumeScale,
                                 QAudio::LinearVolumeScale);
}

const char* eraName(SoundCue era) {
    switch (era) {
        case SoundCue::Music1990s: return "1990s";
        case SoundCue::Music2000s: return "2000s";
        default: return "1980s";
    }
}

}  // namespace

QString soundSettingsFile(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).filePath(QStringLiteral("crestwork.ini"));
}

SoundSettings loadSoundSettings(const QString& file) {
    SoundSettings s;
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Sound"));
    s.musicOn = ini.value(QStringLiteral("music"), s.musicOn).toBool();
    s.effectsOn = ini.value(QStringLiteral("effects"), s.effectsOn).toBool();
    s.musicVolume = clampVolume(ini.value(QStringLiteral("musicVolume"), s.musicVolume).toInt());
    s.effectsVolume = clampVolume(ini.value(QStringLiteral("effectsVolume"), s.effectsVolume).toInt());
    s.radioOn = ini.value(QStringLiteral("radio"), s.radioOn).toBool();
    s.radioUrl = ini.value(QStringLiteral("radioUrl"), s.radioUrl).toString().trimmed();
    ini.endGroup();
    return s;
}

void saveSoundSettings(const QString& file, const SoundSettings& s) {
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Sound"));
    ini.setValue(QStringLiteral("music"), s.musicOn);
    ini.setValue(QStringLiteral("effects"), s.effectsOn);
    ini.setValue(QStringLiteral("musicVolume"), clampVolume(s.musicVolume));
    ini.setValue(QStringLiteral("effectsVolume"), clampVolume(s.effectsVolume));
    ini.setValue(QStringLiteral("radio"), s.radioOn);
    ini.setValue(QStringLiteral("radioUrl"), s.radioUrl);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError) writeLog("Could not write the sound settings to " + file.toStdString());
}

QString effectFileName(SoundCue cue) {
    if (isMusicCue(cue)) return {};
    return QString::fromLatin1(soundCueName(cue)) + QStringLiteral(".wav");
}

QStringList eraTunes(const QString& sndFolder, SoundCue era) {
    const QString pattern = QStringLiteral("music-%1-*.wav").arg(QLatin1String(eraName(era)));
    QStringList files = QDir(sndFolder).entryList({pattern}, QDir::Files, QDir::Name);
    for (QString& f : files) f = QDir(sndFolder).filePath(f);
    return files;
}

SoundSystem::SoundSystem(const std::string& gameFolder, QObject* parent, const std::string& settingsFolder)
    : QObject(parent),
      folder_(QDir(QString::fromStdString(gameFolder)).filePath(QStringLiteral("snd"))),
      settingsFile_(soundSettingsFile(settingsFolder.empty() ? gameFolder : settingsFolder)),
      settings_(loadSoundSettings(settingsFile_)) {
    // Debian's GStreamer backend needs plugins the game does not install and
    // crashes without them; the FFmpeg backend plays WAV and HTTP streams as
    // it comes. A player's own choice in the environment still wins.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    hasDevice_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!hasDevice_) writeLog("No sound device found: the game runs without music and sound effects");

    music_ = new QMediaPlayer(this);
    // Without a device an audio output would take the player down with it;
    // the player then runs mute, which still lets a radio stream be checked.
    if (hasDevice_) {
        musicOut_ = new QAudioOutput(this);
        music_->setAudioOutput(musicOut_);
    }
    connect(music_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia && musicRunning_ && !playingRadio_) playNextTune();
    });
    connect(music_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& why) {
        if (playingRadio_) {
            radioFailed(why);
            return;
        }
        writeLog("Could not play the tune " + currentTune_.toStdString() + ": " + why.toStdString());
        // One broken file must not end the music, nor loop on itself.
        queue_.removeAll(currentTune_);
        if (musicRunning_ && !queue_.isEmpty()) QTimer::singleShot(0, this, &SoundSystem::playNextTune);
    });
    applyVolumes();
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

SoundSystem::~SoundSystem() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    musicRunning_ = false;
    if (music_) music_->stop();
}

void SoundSystem::save() {
    saveSoundSettings(settingsFile_, settings_);
    emit settingsChanged();
}

void SoundSystem::applyVolumes() {
    if (musicOut_) musicOut_->setVolume(linearVolume(settings_.musicVolume));
    for (QSoundEffect* fx : std::as_const(effects_)) fx->setVolume(linearVolume(settings_.effectsVolume));
}

void SoundSystem::setMusicOn(bool on) {
    if (settings_.musicOn == on && musicRunning_ == on) return;
    settings_.musicOn = on;
    save();
    if (on)
        startMusic();
    else
        stopMusic();
}

void SoundSystem::setEffectsOn(bool on) {
    if (settings_.effectsOn == on) return;
    settings_.effectsOn = on;
    save();
}

void SoundSystem::setMusicVolume(int volume) {
    settings_.musicVolume = clampVolume(volume);
    applyVolumes();
    save();
}

void SoundSystem::setEffectsVolume(int volume) {
    settings_.effectsVolume = clampVolume(volume);
    applyVolumes();
    save();
}

void SoundSystem::setRadio(bool on, const QString& url) {
    settings_.radioOn = on;
    settings_.radioUrl = url.trimmed();
    save();
    if (!settings_.musicOn) return;
    stopMusic();
    startMusic();
}

void SoundSystem::playCue(SoundCue cue) {
    if (isMusicCue(cue)) {
        if (cue == era_) return;
        era_ = cue;
        queue_.clear();
        // The new decade's music starts at once, not after a tune of the old one.
        if (musicRunning_ && !playingRadio_) playNextTune();
        return;
    }
    if (!settings_.effectsOn) return;
    playedEffects_.append(cue);
    if (!hasDevice_) return;
    QSoundEffect*& fx = effects_[static_cast<int>(cue)];
    if (!fx) {
        const QString file = QDir(folder_).filePath(effectFileName(cue));
        if (!QFileInfo::exists(file)) return;
        fx = new QSoundEffect(this);
        fx->setSource(QUrl::fromLocalFile(file));
        fx->setVolume(linearVolume(settings_.effectsVolume));
    }
    // A cue repeated while it still sounds (ten letters in one week) starts
    // over rather than stacking up.
    fx->stop();
    fx->play();
}

void SoundSystem::startMusic() {
    if (!settings_.musicOn || musicRunning_) return;
    musicRunning_ = true;
    if (settings_.radioOn && !settings_.radioUrl.isEmpty())
        playRadio();
    else
        playNextTune();
}

void SoundSystem::stopMusic() {
    musicRunning_ = false;
    playingRadio_ = false;
    currentTune_.clear();
    music_->stop();
}

void SoundSystem::playNextTune() {
    playingRadio_ = false;
    if (queue_.isEmpty()) {
        queue_ = eraTunes(folder_, era_);
        // A shuffle per round: every tune once before any plays again.
        for (qsizetype i = queue_.size() - 1; i > 0; --i)
            queue_.swapItemsAt(i, QRandomGenerator::global()->bounded(static_cast<int>(i + 1)));
        // The round must not start with the tune that just ended.
        if (queue_.size() > 1 && queue_.first() == currentTune_) queue_.move(0, queue_.size() - 1);
    }
    if (queue_.isEmpty()) {
        currentTune_.clear();
        music_->stop();
        return;
    }
    currentTune_ = queue_.takeFirst();
    music_->setSource(QUrl::fromLocalFile(currentTune_));
    music_->play();
}

void SoundSystem::playRadio() {
    const QUrl url = QUrl::fromUserInput(settings_.radioUrl);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        playingRadio_ = true;
        radioFailed(QStringLiteral("not an http:// or https:// address"));
        return;
    }
    playingRadio_ = true;
    currentTune_.clear();
    music_->setSource(url);
    music_->play();
    const QUrl asked = url;
    QTimer::singleShot(kRadioTimeoutMs, this, [this, asked] {
        if (!playingRadio_ || music_->source() != asked) return;
        const auto status = music_->mediaStatus();
        if (status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::StalledMedia ||
            status == QMediaPlayer::NoMedia)
            radioFailed(QStringLiteral("no answer"));
    });
}

bool SoundSystem::radioStreaming() const {
    if (!playingRadio_) return false;
    const auto status = music_->mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
           status == QMediaPlayer::BufferedMedia;
}

void SoundSystem::radioFailed(const QString& why) {
    if (!playingRadio_) return;
    playingRadio_ = false;
    writeLog("Radio stream " + settings_.radioUrl.toStdString() + " failed: " + why.toStdString());
    music_->stop();
    emit notice(QStringLiteral("Radio"), QStringLiteral("The radio stream %1 could not be played (%2).\n"
                                                        "The game's own music plays instead.")
                                             .arg(settings_.radioUrl, why));
    // The choice stays for the next start; this session falls back.
    if (musicRunning_) QTimer::singleShot(0, this, &SoundSystem::playNextTune);
}

bool SoundSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (button && button->isEnabled() && mouse->button() == Qt::LeftButton &&
            button->rect().contains(mouse->position().toPoint()))
            playCue(SoundCue::Click);
    }
    return QObject::eventFilter(watched, event);
}

// The Qt player hands the rules' cues to the sound system, when one is set.
void QtPlayer::playCue(SoundCue cue) {
    if (sound_) sound_->playCue(cue);
}

void QtPlayer::setSound(SoundSystem* sound) { sound_ = sound; }

}  // namespace cw::ui
