// The main screen's building blocks: its look, its framed panels, the task
// list's progress bars and the hint timing the game's windows share.
#pragma once

#include <QFrame>
#include <QStyledItemDelegate>
#include <string>

#include "sim/game_clock.h"
#include "ui/painted_icons.h"

class QApplication;
class QCheckBox;
class QPushButton;
class QVBoxLayout;

namespace cw::ui {

QString mainScreenStyleSheet();

// Navy, red or green for a cash figure.
QString toneColour(Tone tone);

// A framed panel with a title band; `body` receives the panel's layout.
QFrame* makePanel(const QString& title, PaintedIcon icon, QVBoxLayout*& body, QWidget* parent);

// A button that never takes the keyboard focus, so that Space always plays
// the next week.
QPushButton* quietButton(const QIcon& icon, const QString& text, const QString& name, QWidget* parent);

// A check box that writes straight into an option of the running session.
QCheckBox* boundBox(const QString& text, bool& value, QWidget* parent);

// A game text with its "\r\n" line breaks as Qt shows them.
QString displayText(const std::string& text);

// Draws a 0..100 value (Qt::UserRole) as a small bar.
class ProgressDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Hints show 150 ms after the pointer stops and stay up to 30 seconds.
void installHintTiming(QApplication& app);

}  // namespace cw::ui
