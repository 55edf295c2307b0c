// The game's modal message windows: the two-button dialog, the message box
// and the text prompt, plus the colours and badges they share with the
// notification window and the inbox.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QWidget;

namespace cw::ui {

// The two-button dialog (object name "TCW2Dialog"): "Yes"/"No" or
// "Ok"/"Cancel", the second only when asked for. The first button answers
// true, the second false; closing it any other way (Esc, the window's close
// button) answers `lastAnswer`, which the caller keeps between uses and
// which starts out true. A button press stores its answer in `lastAnswer`.
bool runAskDialog(QWidget* parent, const QString& caption, const QString& text, bool yesNo, bool showSecondButton,
                  bool& lastAnswer);

// The message box (object name "TMessage_box"): "Yes" and "No", or only
// "Ok". Only "Yes" answers true. A box still open is closed first.
bool runMessageBox(QWidget* parent, const QString& caption, const QString& text, bool yesNo);

// A one-line text prompt; the default text when cancelled.
QString runInputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText);

// Shared look of the game's message windows.
namespace look {
inline const QColor kPanel{0x1d, 0x27, 0x36};
inline const QColor kPanelDark{0x13, 0x1a, 0x25};
inline const QColor kAccent{0xf2, 0xc1, 0x4e};
inline const QColor kText{0xe6, 0xec, 0xf3};
inline const QColor kBlue{0x3a, 0x6e, 0xa5};
inline const QColor kInfo{0x7f, 0xb8, 0xf0};  // the information badge

// A round badge with one glyph ("?", "i", "!") for the left of a message.
QPixmap badge(QChar glyph, const QColor& color, int size);
// Moves a top-level window to the centre of `over`'s window, or of the
// screen when there is none.
void centreOver(QWidget* window, QWidget* over);
}  // namespace look

}  // namespace cw::ui
