// An installed game keeps its settings with the player's other files: the
// sounds are read from the game folder, the settings file is written to the
// folder the game writes to.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ui/sound_system.h"
#include "ui/window_settings.h"

namespace cw::ui {
namespace {

TEST(SettingsFolder, TheSoundSettingsGoToTheWritableFolderTheTunesComeFromTheGameFolder) {
    QTemporaryDir user;
    SoundSystem sound(CW_GAME_DIR, nullptr, user.path().toStdString());
    sound.setMusicVolume(35);
    EXPECT_TRUE(QFileInfo::exists(QDir(user.path()).filePath(QStringLiteral("crestwork.ini"))));
    EXPECT_EQ(loadSoundSettings(settingsFile(user.path())).musicVolume, 35);
    sound.startMusic();
    EXPECT_TRUE(sound.currentTune().startsWith(QStringLiteral(CW_GAME_DIR "/snd/")));

    // A second start finds what the first one kept.
    SoundSystem again(CW_GAME_DIR, nullptr, user.path().toStdString());
    EXPECT_EQ(again.settings().musicVolume, 35);
}

}  // namespace
}  // namespace cw::ui
