// The game's music, sound effects and radio, played through Qt Multimedia.
// The rules name a cue (state/sound_cue.h); this decides what is heard. With
// no sound device the game stays silent: one line in the log, nothing waits.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <string>

#include "state/sound_cue.h"

class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;

namespace cw::ui {

// What the player chose on the options bar. Kept in the game folder's
// settings file, not in the save: it belongs to the computer, not the game.
struct SoundSettings {
    bool musicOn = true;
    bool effectsOn = true;
    int musicVolume = 60;    // 0..100
    int effectsVolume = 80;  // 0..100
    bool radioOn = false;    // "Radio": the stream below instead of our own tunes
    QString radioUrl;

    bool operator==(const SoundSettings&) const = default;
};

// The settings file of a game folder.
QString soundSettingsFile(const std::string& folder);
// Missing keys keep their defaults; volumes are held to 0..100.
SoundSettings loadSoundSettings(const QString& file);
void saveSoundSettings(const QString& file, const SoundSettings& s);

// The file an effect cue plays, in the folder `snd`; empty for a music cue.
QString effectFileName(SoundCue cue);
// The era's tunes in `sndFolder`, sorted by name.
QStringList eraTunes(const QString& sndFolder, SoundCue era);

class SoundSystem : public QObject {
    Q_OBJECT

public:
    // `gameFolder` holds snd/, `settingsFolder` the settings file (empty:
    // the game folder).
    explicit SoundSystem(const std::string& gameFolder, QObject* parent = nullptr,
                         const std::string& settingsFolder = {});
    ~SoundSystem() override;

    bool hasDevice() const { return hasDevice_; }
    const SoundSettings& settings() const { return settings_; }

    // Each change is saved at once.
    void setMusicOn(bool on);
    void setEffectsOn(bool on);
    void setMusicVolume(int volume);
    void setEffectsVolume(int volume);
    // "Radio": plays the stream at `url` instead of the game's tunes while on.
    void setRadio(bool on, const QString& url);

    // A cue of the rules, or the screens' click.
    void playCue(SoundCue cue);
    // Starts the music (the era's tunes or the radio) if the music is on.
    void startMusic();
    void stopMusic();

    // For the options panel and the tests.
    SoundCue era() const { return era_; }
    QString currentTune() const { return currentTune_; }
    bool radioPlaying() const { return playingRadio_; }
    // The stream opened and delivers: it plays (or would, with a device).
    bool radioStreaming() const;
    bool musicPlaying() const { return musicRunning_; }
    const QList<SoundCue>& playedEffects() const { return playedEffects_; }

    // Presses of any button click, once installed on the application.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Something the player should be told, e.g. a radio stream that failed.
    void notice(const QString& title, const QString& text);
    void settingsChanged();

private:
    void save();
    void applyVolumes();
    void playNextTune();
    void playRadio();
    void radioFailed(const QString& why);

    QString folder_;
    QString settingsFile_;
    SoundSettings settings_;
    bool hasDevice_ = false;
    SoundCue era_ = SoundCue::Music1980s;
    QStringList queue_;  // the era's tunes still to come in this round of the shuffle
    QString currentTune_;
    bool musicRunning_ = false;
    bool playingRadio_ = false;
    QMediaPlayer* music_ = nullptr;
    QAudioOutput* musicOut_ = nullptr;
    QHash<int, QSoundEffect*> effects_;
    QList<SoundCue> playedEffects_;
};

}  // namespace cw::ui
