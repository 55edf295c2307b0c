// The look the money screens share: the bank, the exchange, the board
// meeting and the end screen.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace cw::ui {

// The dialog style with the cards, amount boxes, grid and bar these screens use.
QString financeStyleSheet();

// "1,234,567 $", and the colour class of the amount ("good", "bad").
QString dollarsText(long long amount);

// A value label whose colour follows its sign (green above 0, red below).
void setMoneyLabel(QLabel* label, long long amount);

// The "Close" button every one of these windows has; it rejects the dialog,
// as Esc does.
QPushButton* closeButton(QDialog* dialog, const QString& text = QStringLiteral("Close"));

}  // namespace cw::ui
