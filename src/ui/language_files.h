// The start-up's language steps for the whole game: every screen gathered
// (those made at start and those the game makes only when it opens them),
// the export of their texts and the import of a chosen file.
#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "refdata/language_file.h"

class QApplication;
class QWidget;

namespace cw::ui {

// The screens the game builds only when it opens them, made here with an
// empty game and never shown, so the export and the import see their
// controls. The message windows, which exist only while they are open,
// are opened and read for a moment.
class LaterScreens {
public:
    LaterScreens();
    ~LaterScreens();
    LaterScreens(const LaterScreens&) = delete;
    LaterScreens& operator=(const LaterScreens&) = delete;

    const std::vector<QWidget*>& screens() const { return screens_; }
    // Entries and English captions of the message windows.
    const std::vector<LanguageEntry>& dialogEntries() const { return dialogEntries_; }
    const QHash<QString, QString>& dialogCaptions() const { return dialogCaptions_; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::vector<QWidget*> screens_;
    std::vector<LanguageEntry> dialogEntries_;
    QHash<QString, QString> dialogCaptions_;
};

// Every screen in the order of the file: the start-up screens in their
// order (a stand-in replaced by the real screen of the same name), then the
// later screens that the start-up does not make.
std::vector<QWidget*> allLanguageScreens(const std::vector<QWidget*>& startup, const LaterScreens& later);

// The entries of every screen, the message windows' after the screen of
// their name (or at the end).
std::vector<LanguageEntry> gatherLanguageEntries(const std::vector<QWidget*>& startup, const LaterScreens& later);

// Writes "Test.lng" into the program folder; an empty text on success,
// otherwise the reason.
std::string exportLanguage(const std::string& programFolder, const std::vector<QWidget*>& startup);

// Reads the file and applies it to the start-up screens (reporting each
// screen to `progress`), then keeps it on every window shown later. An
// empty text on success; otherwise the message, and nothing was changed.
std::string importLanguage(QApplication& app, const std::string& path, const std::vector<QWidget*>& startup,
                           const std::function<void(int screen, int total)>& progress = {});

}  // namespace cw::ui
