// Pieces several screens share.
#pragma once

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <string>

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

// The band of the large screens: the title (object name "bandTitle") in
// large gold letters with a smaller line (property "subtitle") under it, or
// over it when `subtitleFirst`.
struct TitledBand {
    QWidget* band;
    QHBoxLayout* layout;  // icon, then the two lines, then room for more
    QLabel* title;
    QLabel* subtitle;
};
TitledBand makeTitledBand(QWidget* parent, const QPixmap& icon, const QString& title, const QString& subtitleObjectName,
                          bool subtitleFirst = false);

// A framed card (object name "card") headed by its gold title ("cardTitle");
// `body` is its column, the title already in it.
QFrame* makeCard(QWidget* parent, const QString& title, QVBoxLayout*& body);

// A grid of whole rows to pick one from: alternating rows 28 pixels high,
// no cell lines, read only, clickable left-aligned headings.
QTableWidget* makeRowGrid(QWidget* parent, const QString& objectName, const QStringList& headings);

// The heading arrow of the column the rows are sorted by; none for -1.
void showSortIndicator(QTableWidget* grid, int column, bool ascending);

// A game text for a label or sheet: the game's line ends are CR LF.
QString gameText(const std::string& text);

// A read-only sheet of paper for letters and personal files. Their label
// columns are lined up with blanks, which only reads right in a fixed pitch.
QPlainTextEdit* makePaperSheet(QWidget* parent, const QString& objectName);

}  // namespace cw::ui
