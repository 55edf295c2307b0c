#include "ui/main_screen_parts.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "ui/qt_player.h"

namespace cw::ui {

namespace {

// The main screen's own rules; the panels, lists and buttons come from the
// application's look.
const char* const kStyle = R"(
#TForm_main, #mainBackground { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1d4267, stop:1 #0c1d30); }
#headerBar { background: rgba(0, 0, 0, 70); border-bottom: 2px solid #d9a521; }
#logo { color: #ffd66b; font-size: 22pt; font-weight: bold; }
#companyLabel { color: #ffffff; font-size: 13pt; font-weight: bold; }
#playerLabel { color: #b9c9da; }
#weekLabel { color: #ffffff; font-size: 20pt; font-weight: bold; }
#dateLabel { color: #c9d6e3; font-size: 11pt; }
#nextWeekButton { font-size: 17pt; font-weight: bold; color: #3a2300; padding: 10px 8px; border-radius: 12px;
  border: 2px solid #a86b00; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe08a, stop:1 #f0a020); }
#nextWeekButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0b8, stop:1 #f7b538); }
#nextWeekButton:pressed { background: #e09010; }
#fastForwardButton { font-size: 12pt; font-weight: bold; color: #ffffff; padding: 7px; border-radius: 10px;
  border: 2px solid #1d6b60; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5cc2b3, stop:1 #2a8c7e); }
#fastForwardButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7fd6c9, stop:1 #35a191); }
#nextWeekButton:disabled, #fastForwardButton:disabled { color: #8a8a8a; background: #d5d2c8; border-color: #aaa; }
QFrame#panel QLabel#cashLabel { font-size: 21pt; font-weight: bold; }
QFrame#panel QLabel#financeCaption { color: #56687a; }
QFrame#panel QLabel#financeValue { font-weight: bold; font-size: 11pt; }
#inboxButton { font-size: 13pt; font-weight: bold; color: #17324d; padding: 7px; border-radius: 10px;
  border: 2px solid #8aa6c1; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dde8f3); }
#inboxButton[newMail="true"] { border: 2px solid #d9a521;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff6d6, stop:1 #ffd66b); }
QLabel#christmasBanner { color: #ffe9a8; font-size: 12pt; font-weight: bold; padding: 4px 14px; border-radius: 8px;
  border: 2px solid #ffd66b; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #7f0000, stop:0.5 #c62828,
  stop:1 #7f0000); }
#newsButton { text-align: center; padding: 5px 6px; border-radius: 6px; color: #24527a; font-weight: bold;
  background: #e9e3d2; border: 1px solid #d6cfbb; }
#newsButton:checked { background: #24527a; color: #ffffff; border-color: #17324d; }
QFrame#panel QLabel#newsTitle { color: #7f1d1d; font-weight: bold; font-size: 10.5pt; }
QFrame#panel QLabel#newsText { color: #2b3a4a; padding-bottom: 6px; border-bottom: 1px solid #e0d9c5; }
QFrame#panel QLabel#emptyNote { color: #8a94a0; font-style: italic; }
QScrollArea#newsScroll, QScrollArea#newsScroll > QWidget > QWidget { background: transparent; border: none; }
QScrollArea#taskPanelScroll, QScrollArea#taskPanelScroll > QWidget > QWidget { background: transparent; border: none; }
QFrame#panel QLabel#taskPanelText { color: #2b3a4a; }
QFrame#panel QLabel#taskPanelTitle { color: #1d3557; font-weight: bold; }
QFrame#panel QProgressBar#taskProgress { background: #efe9d8; border: 1px solid #c9c0a8; border-radius: 4px; color: #1d3557; text-align: center; min-height: 18px; }
QFrame#panel QProgressBar#taskProgress::chunk { background: #8fd19e; border-radius: 3px; }
QFrame#panel QTreeWidget::item, QFrame#panel QListWidget::item { height: 24px; padding-left: 4px; }
QFrame#panel QLabel#playTimeLabel, QFrame#panel QLabel#totalPlayTimeLabel, QFrame#panel QLabel#cheatLabel {
  font-weight: bold; color: #17324d; }
#optionsBar { background: rgba(0, 0, 0, 90); border-top: 2px solid #d9a521; }
#optionsTitle { color: #ffd66b; font-weight: bold; font-size: 11pt; }
#optionsBar QPushButton { color: #ffffff; background: #2c4a68; border: 1px solid #4f7396; border-radius: 6px;
  padding: 5px 10px; font-weight: normal; }
#optionsBar QPushButton:hover { background: #3a5f84; }
#optionsBar QPushButton:checked { background: #d9a521; color: #2b1a00; }
#optionsBar QPushButton:disabled { color: #7d8da0; background: #22384f; border-color: #34506c; }
#optionsBar QLabel, #optionsBar QCheckBox { color: #e6edf3; }
#popupTitle { color: #17324d; font-weight: bold; font-size: 11pt; }
QFrame#panel QPushButton[companyScreen="true"] { padding: 6px 4px; }
)";

const char* const kToneColour[3] = {"#1a237e", "#c62828", "#2e7d32"};  // navy, red, green

}  // namespace

QString mainScreenStyleSheet() { return QString::fromLatin1(kStyle); }

QString toneColour(Tone t) { return QString::fromLatin1(kToneColour[static_cast<int>(t)]); }

void ProgressDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QVariant v = index.data(Qt::UserRole);
    if (!v.isValid()) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const int pct = v.toInt();
    const QRectF r = QRectF(option.rect).adjusted(4, 5, -4, -5);
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QColor(0xb8, 0xae, 0x92));
    p->setBrush(QColor(0xf1, 0xed, 0xe2));
    p->drawRoundedRect(r, 4, 4);
    QRectF fill = r.adjusted(1, 1, -1, -1);
    fill.setWidth(fill.width() * pct / 100.0);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(0x3a, 0x9d, 0x5d));
    if (pct > 0) p->drawRoundedRect(fill, 3, 3);
    p->setPen(QColor(0x1d, 0x2b, 0x3a));
    p->drawText(r, Qt::AlignCenter, QString::number(pct) + QLatin1Char('%'));
    p->restore();
}

QFrame* makePanel(const QString& title, PaintedIcon icon, QVBoxLayout*& body, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("panel"));
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* label = new QLabel(title, panel);
    label->setObjectName(QStringLiteral("panelTitle"));
    label->setIndent(26);
    auto* iconLabel = new QLabel(label);
    iconLabel->setPixmap(paintedIcon(icon, 18).pixmap(18, 18));
    iconLabel->setStyleSheet(QStringLiteral("background: transparent;"));
    iconLabel->move(9, 7);
    outer->addWidget(label);
    auto* content = new QWidget(panel);
    body = new QVBoxLayout(content);
    body->setContentsMargins(12, 10, 12, 12);
    body->setSpacing(6);
    outer->addWidget(content, 1);
    return panel;
}

QPushButton* quietButton(const QIcon& icon, const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(icon, text, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QCheckBox* boundBox(const QString& text, bool& value, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setFocusPolicy(Qt::NoFocus);
    box->setChecked(value);
    QObject::connect(box, &QCheckBox::toggled, parent, [&value](bool on) { value = on; });
    return box;
}

QString displayText(const std::string& s) {
    QString t = qs(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

namespace {

class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 150;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt hides a hint after a time that depends on its length; the game keeps
// every hint up for 30 seconds.
class HintDuration : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->toolTip().isEmpty()) return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w, QRect(), 30000);
        return true;
    }
};

}  // namespace

void installHintTiming(QApplication& app) {
    QApplication::setStyle(new HintStyle(QApplication::style()->name()));
    app.installEventFilter(new HintDuration(&app));
}

}  // namespace cw::ui
