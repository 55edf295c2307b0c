// Pieces several screens share.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWidget>

namespace cw::ui {

// The gold-edged band across the top of the game's screens and dialogs:
// an icon, a title and whatever a screen adds to its right.
struct HeaderBand {
    QWidget* band;
    QHBoxLayout* layout;  // icon, then the title, then room for more
    QLabel* title;
};

// The band's look comes from the application's look ("QWidget#headerBand").
// A null pixmap leaves the icon out.
HeaderBand makeHeaderBand(QWidget* parent, const QPixmap& icon, const QString& title, const QString& titleObjectName);

// A read-only sheet of paper for letters and personal files. Their label
// columns are lined up with blanks, which only reads right in a fixed pitch.
QPlainTextEdit* makePaperSheet(QWidget* parent, const QString& objectName);

}  // namespace cw::ui
