#include "ui/finance_look.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "state/text_format.h"
#include "ui/app_style.h"
#include "ui/message_dialogs.h"

namespace cw::ui {

QString financeStyleSheet() {
    // Cards, tones, fields, grids and progress bars come from the
    // application's look; these are the money screens' own labels.
    return QStringLiteral(
        "QLabel#caption { color: #8fa3bb; }"
        "QLabel#value { font-size: 11pt; font-weight: bold; }"
        "QLabel#speech { background: #f7f3e8; color: #2b2b2b; border: 1px solid #c9bfa5; border-radius: 10px;"
        "  padding: 10px 14px; }"
        "QLabel#bigScore { color: #f2c14e; font-size: 33pt; font-weight: bold; }"
        "QLabel#scoreNote { color: #7ed957; font-size: 11pt; font-weight: bold; }"
        "QLabel#debtNote { color: #ff7b72; font-weight: bold; }"
        "QSpinBox { font-size: 11pt; min-width: 150px; }"
        "QProgressBar { min-height: 18px; border-radius: 6px; }"
        "QProgressBar::chunk { border-radius: 5px; background: qlineargradient(x1:0, y1:0,"
        "  x2:1, y2:0, stop:0 #7ed957, stop:0.5 #f2c14e, stop:1 #e0504a); }");
}

QString dollarsText(long long amount) { return QString::fromStdString(thousands(amount)) + QStringLiteral(" $"); }

void setMoneyLabel(QLabel* label, long long amount) {
    label->setText(dollarsText(amount));
    label->setProperty("tone", amount > 0 ? "good" : amount < 0 ? "bad" : "");
    label->style()->unpolish(label);
    label->style()->polish(label);
}

QPushButton* closeButton(QDialog* dialog, const QString& text) {
    QPushButton* b = makeCloseButton(dialog, dialog);
    b->setText(text);
    return b;
}

}  // namespace cw::ui
