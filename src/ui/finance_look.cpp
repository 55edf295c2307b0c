#include "ui/finance_look.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "state/text_format.h"
#include "ui/message_dialogs.h"

namespace cw::ui {

QString financeStyleSheet() {
    return 
           QStringLiteral(
               "QFrame#card { background: #1b2534; border: 1px solid #33445e; border-radius: 8px; }"
               "QLabel { color: #dfe7f1; font-size: 13px; }"
               "QLabel#cardTitle { color: #f2c14e; font-size: 14px; font-weight: bold; }"
               "QLabel#caption { color: #8fa3bb; }"
               "QLabel#value { font-size: 15px; font-weight: bold; color: #e6ecf3; }"
               "QLabel#value[tone=\"good\"] { color: #7ed957; }"
               "QLabel#value[tone=\"bad\"] { color: #ff7b72; }"
               "QLabel#speech { background: #f7f3e8; color: #2b2b2b; border: 1px solid #c9bfa5; border-radius: 10px;"
               "  padding: 10px 14px; font-size: 13px; }"
               "QLabel#bigScore { color: #f2c14e; font-size: 44px; font-weight: bold; }"
               "QLabel#scoreNote { color: #7ed957; font-size: 14px; font-weight: bold; }"
               "QSpinBox { background: #0f1620; color: #ffffff; border: 1px solid #3a6ea5; border-radius: 3px;"
               "  padding: 4px 6px; font-size: 14px; min-width: 150px; }"
               "QSpinBox:disabled { color: #6b7786; border-color: #3a4350; }"
               "QToolButton { background: #2b5585; border: 1px solid #5a8cc4; border-radius: 3px;"
               "  min-width: 26px; min-height: 26px; }"
               "QToolButton:hover { background: #34659c; }"
               "QToolButton:disabled { background: #3a4350; border-color: #4a5463; }"
               "QProgressBar { background: #0f1620; border: 1px solid #33445e; border-radius: 6px;"
               "  height: 18px; text-align: center; color: #e6ecf3; font-weight: bold; }"
               "QProgressBar::chunk { border-radius: 5px; background: qlineargradient(x1:0, y1:0,"
               "  x2:1, y2:0, stop:0 #7ed957, stop:0.5 #f2c14e, stop:1 #e0504a); }"
               "QLabel#debtNote { color: #ff7b72; font-weight: bold; }"
               "QPushButton:disabled { color: #9aa3ad; border-color: #4a5463; background: #3a4350; }"
               "QTableWidget { background: #1b2534; alternate-background-color: #212d3f; color: #dfe7f1;"
               "  border: 1px solid #33445e; gridline-color: #2a3950; font-size: 13px;"
               "  selection-background-color: #3d6aa8; selection-color: #ffffff; outline: 0; }"
               "QHeaderView::section { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #34507a,"
               "  stop:1 #263b5c); color: #f2f5f9; padding: 4px 2px; border: none; border-right: 1px solid #1b2534;"
               "  font-weight: bold; }"
               "QPlainTextEdit#paper { background: #f7f3e8; color: #2b2b2b; border: 1px solid #c9bfa5;"
               "  border-radius: 3px; padding: 12px 16px; }");
}

QString dollarsText(long long amount) { return QString::fromStdString(thousands(amount)) + QStringLiteral(" $"); }

void setMoneyLabel(QLabel* label, long long amount) {
    label->setText(dollarsText(amount));
    label->setProperty("tone", amount > 0 ? "good" : amount < 0 ? "bad" : "");
    label->style()->unpolish(label);
    label->style()->polish(label);
}

QPushButton* closeButton(QDialog* dialog, const QString& text) {
    auto* b = new QPushButton(text, dialog);
    b->setObjectName(QStringLiteral("closeButton"));
    b->setProperty("secondary", true);
    QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

}  // namespace cw::ui
