// The sound system without a sound device (as in every test run): settings,
// the effects the cues choose, the era's music, and the radio against a
// local server, failing and working.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <atomic>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "ui/sound_panel.h"
#include "ui/sound_system.h"

namespace cw::ui {
namespace {

namespace fs = std::filesystem;

// A game folder of its own, with the built sounds.
struct SoundFolder {
    fs::path dir;
    SoundFolder() {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("cw_sound_" + std::to_string(rd()));
        fs::create_directories(dir);
        fs::create_directory_symlink(fs::path(CW_GAME_DIR) / "snd", dir / "snd");
    }
    ~SoundFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

// A two-second tone as a WAV.
std::string toneWav() {
    const std::uint32_t n = 22050 * 2;
    std::string s = "RIFF";
    auto put32 = [&s](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [&s](std::uint16_t v) {
        s.push_back(static_cast<char>(v));
        s.push_back(static_cast<char>(v >> 8));
    };
    put32(36 + n * 2);
    s += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    s += "data";
    put32(n * 2);
    for (std::uint32_t i = 0; i < n; ++i) put16(static_cast<std::uint16_t>((i / 25) % 2 ? 8000 : -8000));
    return s;
}

// A small HTTP server on the loopback in a thread of its own: "/stream.wav"
// is a generated stream, anything else is 404. No test needs the internet.
class LocalStreamServer {
public:
    LocalStreamServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 8) != 0) return;
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LocalStreamServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        ::close(fd_);
    }
    QString url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path); }
    int port() const { return port_; }

private:
    void serve() {
        const std::string body = toneWav();
        while (!stop_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            const int c = ::accept(fd_, nullptr, nullptr);
            if (c < 0) continue;
            char buf[4096];
            const ssize_t got = ::recv(c, buf, sizeof buf - 1, 0);
            const std::string request(buf, got > 0 ? static_cast<std::size_t>(got) : 0);
            std::string reply;
            if (request.rfind("GET /stream.wav ", 0) == 0)
                reply = "HTTP/1.0 200 OK\r\nContent-Type: audio/wav\r\nContent-Length: " + std::to_string(body.size()) +
                        "\r\nConnection: close\r\n\r\n" + body;
            else
                reply = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
            std::size_t sent = 0;
            while (sent < reply.size()) {
                const ssize_t n = ::send(c, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<std::size_t>(n);
            }
            ::close(c);
        }
    }

    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(SoundSettings, RoundTripDefaultsAndVolumesHeldInRange) {
    SoundFolder f;
    const QString file = soundSettingsFile(f.dir.string());
    EXPECT_TRUE(file.endsWith(QStringLiteral("/crestwork.ini")));
    EXPECT_EQ(loadSoundSettings(file), SoundSettings{});  // no file yet
    SoundSettings s;
    s.musicOn = false;
    s.effectsOn = false;
    s.musicVolume = 13;
    s.effectsVolume = 0;
    s.radioOn = true;
    s.radioUrl = QStringLiteral("http://radio.example:8000/live");
    saveSoundSettings(file, s);
    EXPECT_EQ(loadSoundSettings(file), s);
    s.musicVolume = 250;
    s.effectsVolume = -4;
    saveSoundSettings(file, s);
    EXPECT_EQ(loadSoundSettings(file).musicVolume, 100);
    EXPECT_EQ(loadSoundSettings(file).effectsVolume, 0);
}

TEST(SoundSystem, EachEffectHasItsFileAndTheMusicFollowsTheEra) {
    SoundFolder f;
    SoundSystem sound(f.dir.string());
    EXPECT_FALSE(sound.hasDevice());  // tests run without one, silently
    for (int i = 0; i < kSoundCueCount; ++i) {
        const auto cue = static_cast<SoundCue>(i);
        const QString name = effectFileName(cue);
        EXPECT_EQ(name.isEmpty(), isMusicCue(cue));
        if (!name.isEmpty()) {
            EXPECT_TRUE(QFileInfo::exists(QDir(f.dir.string().c_str()).filePath("snd/" + name)));
        }
        sound.playCue(cue);
    }
    EXPECT_EQ(sound.playedEffects().size(), 9);
    sound.setEffectsOn(false);
    sound.playCue(SoundCue::Letter);
    EXPECT_EQ(sound.playedEffects().size(), 9);

    EXPECT_EQ(eraTunes(QString::fromStdString((f.dir / "snd").string()), SoundCue::Music1990s).size(), 2);
    sound.playCue(SoundCue::Music1980s);
    sound.startMusic();
    ASSERT_TRUE(sound.musicPlaying());
    EXPECT_TRUE(sound.currentTune().contains(QStringLiteral("music-1980s-")));
    sound.playCue(SoundCue::Music2000s);  // a new decade changes the tune at once
    EXPECT_TRUE(sound.currentTune().contains(QStringLiteral("music-2000s-")));
    sound.setMusicOn(false);
    EXPECT_FALSE(sound.musicPlaying());
    EXPECT_FALSE(loadSoundSettings(soundSettingsFile(f.dir.string())).musicOn);
}

TEST(SoundSystem, AFailedStreamIsToldAndTheGamesOwnMusicPlays) {
    SoundFolder f;
    LocalStreamServer server;
    ASSERT_GT(server.port(), 0);
    SoundSystem sound(f.dir.string());
    QString told;
    QObject::connect(&sound, &SoundSystem::notice, [&told](const QString&, const QString& text) { told = text; });
    sound.startMusic();

    sound.setRadio(true, server.url("/missing.mp3"));
    ASSERT_TRUE(waitFor([&] { return !told.isEmpty(); }, 20000));
    EXPECT_TRUE(told.contains(QStringLiteral("could not be played")));
    EXPECT_TRUE(told.contains(QStringLiteral("The game's own music plays instead.")));
    waitFor([&] { return !sound.currentTune().isEmpty(); }, 2000);
    EXPECT_FALSE(sound.radioPlaying());
    EXPECT_TRUE(sound.currentTune().contains(QStringLiteral("music-1980s-")));
    // The choice is remembered for the next start all the same.
    EXPECT_TRUE(loadSoundSettings(soundSettingsFile(f.dir.string())).radioOn);

    told.clear();
    sound.setRadio(true, QStringLiteral("ftp://127.0.0.1/x"));
    EXPECT_TRUE(told.contains(QStringLiteral("not an http:// or https:// address")));

    told.clear();
    sound.setRadio(true, server.url("/stream.wav"));
    EXPECT_TRUE(waitFor([&] { return sound.radioStreaming(); }, 20000));
    EXPECT_TRUE(told.isEmpty());
    EXPECT_TRUE(sound.currentTune().isEmpty());
    sound.setRadio(false, server.url("/stream.wav"));
    EXPECT_FALSE(sound.radioPlaying());
    EXPECT_FALSE(sound.currentTune().isEmpty());
}

TEST(SoundPanel, TheBoxesAndSlidersChangeTheSettings) {
    SoundFolder f;
    SoundSystem sound(f.dir.string());
    SoundPanel panel(sound, nullptr);
    panel.findChild<QCheckBox*>(QStringLiteral("effectsOnBox"))->setChecked(false);
    panel.findChild<QSlider*>(QStringLiteral("musicVolumeSlider"))->setValue(35);
    const SoundSettings s = loadSoundSettings(soundSettingsFile(f.dir.string()));
    EXPECT_FALSE(s.effectsOn);
    EXPECT_EQ(s.musicVolume, 35);
    emit sound.notice(QStringLiteral("Radio"), QStringLiteral("gone"));
    EXPECT_EQ(panel.noticeLabel()->text(), QStringLiteral("gone"));
    panel.adjustSize();
    if (const char* shots = std::getenv("CW_SCREENSHOT_DIR"))
        panel.grab().save(QString::fromLatin1(shots) + QStringLiteral("/sound_panel.png"));
}

}  // namespace
}  // namespace cw::ui
