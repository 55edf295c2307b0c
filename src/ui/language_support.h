// The screens' side of language files: the stable names of every screen and
// control, the texts they export, and a file's texts applied to them.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "refdata/language_file.h"

class QAction;
class QWidget;
class QApplication;

namespace cw::ui {

// A screen's name in a key: its object name without the leading "T" of its
// class name ("TForm_lng" -> "Form_lng").
QString languageScreenName(const QWidget* screen);

// Marks the screens, so that a screen shown inside another is never taken
// for a part of it.
void markLanguageScreens(const std::vector<QWidget*>& screens);

// Gives a control that repeats on a screen (one per row the game adds, as
// the factory's lines) a key it shares with its twins, so one entry of a
// file translates every row, however many the game shows.
void shareLanguageKey(QWidget* control, const QString& name);

// One control of a screen that a language file can reach.
struct LanguageControl {
    QWidget* widget = nullptr;
    QString name;  // the control's part of the key
    LanguageControlKind kind = LanguageControlKind::Captioned;
    // An entry of a menu the screen keeps (then `widget` is the menu).
    QAction* action = nullptr;
};

// Every control of the window `screen` in creation order (a screen inside
// it, such as the progress window on the main screen, not included), the window itself
// first (its title). Controls without a name are named here, once: after
// their kind and English caption ("Button_StartNewGame"), or after their
// kind and place when the caption is empty or holds a figure ("Label7"). A
// name the screen's code gave and that is unique on the screen is kept; a
// name several controls share (the look's "cardTitle") stays their object
// name, and the key uses the name plus the caption or place instead. The
// entries of the menus the screen keeps come last, named after the entry's
// object name or "Menu_" and its caption.
std::vector<LanguageControl> languageControls(QWidget* screen);

// A control's caption (text for text fields) and hint as they stand.
QString controlCaption(const LanguageControl& c);
QString controlHint(const LanguageControl& c);

// The entries the export writes for one screen: captioned controls with a
// caption of words or a hint, text fields and hint-only controls with a hint.
// Controls sharing a key are written once.
std::vector<LanguageEntry> languageEntries(QWidget* screen);

// Sets the file's captions and hints on the screen's controls. Where
// `english` knows a key, a caption is changed only while the control still
// shows that English text, so a label that already shows the game's figures
// or names keeps them. `translated`, when given, receives each key's new
// caption. Returns the number of controls changed.
int applyLanguageFile(QWidget* screen, const LanguageFile& file, const QHash<QString, QString>* english = nullptr,
                      QHash<QString, QString>* translated = nullptr);

// The built-in captions of a screen by key ("Form_lng.dxButton2"), for the
// check above.
void recordEnglishCaptions(QWidget* screen, QHash<QString, QString>& english);

// Keeps a chosen language on every window shown later (dialogs made when
// they open, controls added to an open screen) and on captions a screen
// sets back to its English text: installed on the application as an event
// filter.
class LanguageKeeper : public QObject {
public:
    LanguageKeeper(std::shared_ptr<const LanguageFile> file, QHash<QString, QString> english, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Applies the file to a window now and marks it done.
    void applyTo(QWidget* window);
    // The keeper of the language in use; null while the game speaks English.
    static LanguageKeeper* active();

private:
    std::shared_ptr<const LanguageFile> file_;
    QHash<QString, QString> english_;
    QHash<QString, QString> translated_;
};

}  // namespace cw::ui
