// "Sound setup": the options bar's panel for the music, the effects, their
// volumes and the radio. Every change goes straight to the sound system,
// which keeps it in the game folder's settings file.
#pragma once

#include <QFrame>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QSlider;

namespace cw::ui {

class SoundSystem;

class SoundPanel : public QFrame {
    Q_OBJECT

public:
    SoundPanel(SoundSystem& sound, QWidget* parent);

    // Shows what the sound system holds now.
    void reload();
    QLabel* noticeLabel() const { return notice_; }

signals:
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyRadio();

    SoundSystem& sound_;
    QCheckBox* music_ = nullptr;
    QSlider* musicVolume_ = nullptr;
    QCheckBox* effects_ = nullptr;
    QSlider* effectsVolume_ = nullptr;
    QCheckBox* radio_ = nullptr;
    QLineEdit* radioUrl_ = nullptr;
    QLabel* notice_ = nullptr;
};

// Puts a "Sound" button on the main screen's options bar that opens the
// panel above it. Returns the button (nullptr when the bar is missing).
QPushButton* installSoundControls(QMainWindow* main, SoundSystem& sound);

}  // namespace cw::ui
