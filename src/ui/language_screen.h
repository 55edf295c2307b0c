// The language chooser ("Language Setup") shown at start-up, the window
// that explains how to write a language file, and the start-up's language
// steps: the export of the screens' texts and the import of a chosen file.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "refdata/language_file.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace cw::ui {

class TForm_lng : public QDialog {
    Q_OBJECT
public:
    // The languages of `programFolder`'s lng and of the player's own
    // `userFolder`'s (empty: none of his own).
    explicit TForm_lng(const std::string& programFolder, QWidget* parent = nullptr,
                       const std::string& userFolder = {});

    // "English" at start; the entry clicked, or empty after "Cancel", Esc or
    // "Choose" with nothing selected.
    const QString& currentLanguage() const { return currentLanguage_; }
    // The file of a listed language; empty for "English Default".
    std::string languagePath(const QString& name) const;

    // Shows itself modally and returns the chosen language.
    QString chooseLanguage();
    // The chooser as the progress window of an import: "Loading..." n/total.
    void showProgress(int screen, int total);

    QListWidget* list() const { return list_; }
    QPushButton* chooseButton() const { return choose_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpLink() const { return link_; }

protected:
    void reject() override;

private:
    std::string folder_;
    std::string userFolder_;
    QString currentLanguage_ = QStringLiteral("English");
    std::vector<LanguageChoice> files_;
    QLabel* heading_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* link_ = nullptr;
};

// The README's section "Writing a language file", read from the game
// folder and shown in a window of its own; no network needed.
QDialog* makeLanguageHelpWindow(const std::string& programFolder, QWidget* parent);
// The section's text from a README's Markdown; empty when there is none.
QString languageHelpSection(const QString& markdown);

}  // namespace cw::ui
