#include "ui/app_style.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace cw::ui {
namespace {

// Navy windows, gold bands and titles, blue grids and buttons; paper (cream,
// dark ink) for the main screen's panels, the progress window, letters and
// personal files.
const char* const kAppStyle = R"(
QWidget { font-family: "DejaVu Sans"; font-size: 10pt; }
QToolTip { color: #13202f; background: #fff4cf; border: 1px solid #d9a521; padding: 3px; }

QDialog, QWidget[gameWindow="true"] {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f2b3d, stop:1 #141b26); }

QWidget#headerBand { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2c4468, stop:1 #1a2739);
  border-bottom: 2px solid #f2c14e; }
QWidget#headerBand QLabel { color: #f2c14e; font-size: 15pt; font-weight: bold; letter-spacing: 1px; }
QDialog QWidget#headerBand QLabel { font-size: 12pt; }
QWidget#headerBand QLabel#bandTitle { font-size: 15pt; }
QWidget#headerBand QLabel#bandSubtitle, QWidget#headerBand QLabel[subtitle="true"] { color: #c9d6e3; font-size: 10pt; font-weight: normal; letter-spacing: 0; }
QLabel#sectionTitle, QLabel#cardTitle { color: #f2c14e; font-weight: bold; letter-spacing: 1px; }
QLabel#fieldLabel { color: #c9d6e3; font-weight: bold; }
QLabel#bodyLabel, QLabel#promptLabel { color: #e6ecf3; }
QLabel#note { color: #8a9bb0; font-size: 9pt; }
QLabel#warning { color: #ffb35c; font-weight: bold; }
QLabel[tone="good"] { color: #7ed957; }
QLabel[tone="bad"] { color: #ff7b72; }
QGroupBox { color: #f2c14e; font-weight: bold; border: 1px solid #33445e; border-radius: 6px; margin-top: 12px;
  padding: 10px 8px 8px 8px; background: rgba(20, 30, 45, 160); }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }

QFrame#card { background: #233047; border: 1px solid #34465f; border-radius: 8px; }

QTableView, QTreeView, QListView { background: #1b2534; alternate-background-color: #212d3f; color: #dfe7f1;
  border: 1px solid #33445e; gridline-color: #2a3950; selection-background-color: #3d6aa8;
  selection-color: #ffffff; outline: 0; }
QTableView::item { padding: 0 6px; }
QListView::item { padding: 4px 6px; }
QTableView:disabled, QListView:disabled { color: #66727f; }
QHeaderView::section { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #34507a, stop:1 #263b5c);
  color: #f2f5f9; padding: 5px 6px; border: none; border-right: 1px solid #1b2534; font-weight: bold; }
QHeaderView::section:hover { background: #3f6193; }
QTableCornerButton::section { background: #263b5c; border: none; }

QPushButton { padding: 6px 16px; border-radius: 5px; font-weight: bold; color: #ffffff;
  border: 1px solid #5a8cc4; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a80bb, stop:1 #2b5585); }
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5b93d0, stop:1 #34659c); }
QPushButton:pressed { background: #234a75; }
QPushButton:focus { border-color: #f2c14e; }
QPushButton:disabled { color: #8b96a3; border-color: #3f4a58; background: #2f3946; }
QPushButton[role="secondary"], QPushButton#closeButton { border-color: #6b7786;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #56616f, stop:1 #3a434f); }
QPushButton[role="secondary"]:hover, QPushButton#closeButton:hover { background: #626e7d; }
QPushButton[role="action"] { color: #2b1a00; border: 2px solid #a86b00;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe08a, stop:1 #f0a020); }
QPushButton[role="action"]:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0b8, stop:1 #f7b538); }
QPushButton[role="action"]:disabled { color: #8b96a3; border-color: #3f4a58; background: #2f3946; }
QPushButton[role="danger"] { border-color: #c46a5a;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b8523f, stop:1 #8a3527); }
QPushButton[role="danger"]:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #cc6250, stop:1 #9b3e2f); }
QPushButton[role="danger"]:disabled { color: #8b96a3; border-color: #3f4a58; background: #2f3946; }

QLineEdit, QSpinBox { background: #0f1620; color: #ffffff; border: 1px solid #3a6ea5; border-radius: 3px;
  padding: 4px 6px; selection-background-color: #3a6ea5; }
QLineEdit:focus, QSpinBox:focus { border-color: #f2c14e; }
QLineEdit:disabled, QSpinBox:disabled { color: #66727f; border-color: #2f3946; }
QToolButton { background: #2b5585; border: 1px solid #5a8cc4; border-radius: 3px; min-width: 26px; min-height: 26px; }
QToolButton:hover { background: #34659c; }
QToolButton:disabled { background: #3a4350; border-color: #4a5463; }
QProgressBar { background: #0f1620; border: 1px solid #33445e; border-radius: 4px; color: #ffffff;
  text-align: center; font-size: 9pt; font-weight: bold; min-height: 16px; }
QProgressBar::chunk { border-radius: 3px;
  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3b78c2, stop:1 #5fa6f0); }
QComboBox { background: #24324a; color: #ffffff; border: 1px solid #3a5274; border-radius: 4px;
  padding: 4px 10px; min-width: 70px; }
QComboBox:disabled { color: #5d6b7d; background: #1c2636; border-color: #2a3950; }
QComboBox QAbstractItemView { background: #1d2736; color: #e6ecf3; selection-background-color: #3d6aa8; }
QCheckBox { color: #e6ecf3; spacing: 6px; }
QCheckBox:disabled { color: #66727f; }
QCheckBox::indicator, QListView::indicator { width: 13px; height: 13px; border: 1px solid #7f9bb8; border-radius: 3px; background: #0f1620; }
QCheckBox::indicator:checked, QListView::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
  stop:0 #f2c14e, stop:0.6 #f2c14e, stop:0.7 #0f1620); border-color: #f2c14e; }
QFrame#panel QCheckBox::indicator, QFrame#popupPanel QCheckBox::indicator { border-color: #7a8796;
  background: #ffffff; }
QFrame#panel QCheckBox::indicator:checked, QFrame#popupPanel QCheckBox::indicator:checked {
  background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, stop:0 #24527a, stop:0.6 #24527a,
  stop:0.7 #ffffff); border-color: #24527a; }
QSlider::groove:horizontal { height: 6px; background: #0f1620; border: 1px solid #34506f; border-radius: 3px; }
QSlider::sub-page:horizontal { background: #3a6ea5; border-radius: 3px; }
QSlider::handle:horizontal { background: #f2c14e; border: 1px solid #a86b00; width: 16px; margin: -6px 0;
  border-radius: 8px; }
QTabWidget::pane { border: 1px solid #33445e; border-radius: 4px; }
QTabBar::tab { background: #24324a; color: #c9d6e3; padding: 5px 14px; border-top-left-radius: 6px;
  border-top-right-radius: 6px; margin-right: 2px; }
QTabBar::tab:selected { background: #3d6aa8; color: #ffffff; }
QMenu { background: #1d2736; color: #e6ecf3; border: 1px solid #f2c14e; }
QMenu::item { padding: 6px 22px; }
QMenu::item:selected { background: #3d6aa8; }
QMenu::item:disabled { color: #6b7786; }
QScrollBar:vertical { background: #141c28; width: 12px; margin: 0; border: none; }
QScrollBar:horizontal { background: #141c28; height: 12px; margin: 0; border: none; }
QScrollBar::handle:vertical { background: #3a5274; min-height: 24px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:horizontal { background: #3a5274; min-width: 24px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:hover { background: #4f7396; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QFrame#panel QScrollBar:vertical, QFrame#TForm_Project_progress QScrollBar:vertical { background: #ece7d8; }
QFrame#panel QScrollBar::handle:vertical, QFrame#TForm_Project_progress QScrollBar::handle:vertical {
  background: #c2b89c; }
QSplitter::handle { background: transparent; }
QSplitter::handle:vertical { height: 8px; }
QSplitter::handle:horizontal { width: 8px; }
QWidget#TNotification QLabel#titleLabel { color: #f2c14e; font-size: 11pt; font-weight: bold; }
QWidget#TNotification QLabel#textLabel { color: #e6ecf3; }
QScrollArea#scrollColumn, QScrollArea#scrollColumn > QWidget > QWidget { background: transparent; border: none; }

QPlainTextEdit[paper="true"] { background: #f7f3e8; color: #2b2b2b; border: 1px solid #c9bfa5; border-radius: 4px;
  padding: 10px 14px; font-family: "DejaVu Sans Mono"; font-size: 10pt; selection-background-color: #e0c77a;
  selection-color: #2b2b2b; }

QFrame#panel, QFrame#popupPanel, QFrame#TForm_Project_progress { background: #f6f3ea;
  border: 1px solid #08131f; border-radius: 10px; }
QFrame#popupPanel, QFrame#TForm_Project_progress { border: 2px solid #d9a521; }
QFrame#panel QLabel, QFrame#popupPanel QLabel, QFrame#TForm_Project_progress QLabel { color: #1d2b3a; }
QFrame#panel QCheckBox, QFrame#popupPanel QCheckBox { color: #1d2b3a; }
QLabel#panelTitle { color: #ffffff; font-weight: bold; font-size: 11pt; padding: 6px 10px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3574a3, stop:1 #24527a);
  border-top-left-radius: 10px; border-top-right-radius: 10px; }
QFrame#panel QAbstractItemView, QFrame#TForm_Project_progress QAbstractItemView { background: #ffffff;
  alternate-background-color: #f6f3ea; color: #1d2b3a; border: 1px solid #d6cfbb; border-radius: 6px;
  selection-background-color: #dde8f3; selection-color: #17324d; }
QFrame#panel QHeaderView::section, QFrame#TForm_Project_progress QHeaderView::section { background: #e9e3d2;
  color: #34495e; border: none; border-bottom: 1px solid #d6cfbb; padding: 4px; }
QFrame#panel QTabWidget::pane { border: none; }
QFrame#panel QTabBar::tab { background: #e9e3d2; color: #34495e; }
QFrame#panel QTabBar::tab:selected { background: #24527a; color: #ffffff; }
)";

// Esc anywhere in the window closes it, unless a field in it took the key.
class EscapeCloses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            w->close();
            return true;
        }
        return false;
    }
};

}  // namespace

QString appStyleSheet() { return QString::fromLatin1(kAppStyle); }

void applyAppStyle(QApplication& app) {
    // The palette carries the look into every window and widget, also those
    // no rule names: light ink on navy.
    QPalette p = QApplication::palette();
    const auto set = [&p](QPalette::ColorRole role, const char* colour, const char* disabled = nullptr) {
        p.setColor(QPalette::All, role, QColor(QString::fromLatin1(colour)));
        if (disabled) p.setColor(QPalette::Disabled, role, QColor(QString::fromLatin1(disabled)));
    };
    set(QPalette::Window, "#18222f");
    set(QPalette::WindowText, "#e6ecf3", "#66727f");
    set(QPalette::Base, "#1b2534");
    set(QPalette::AlternateBase, "#212d3f");
    set(QPalette::Text, "#dfe7f1", "#66727f");
    set(QPalette::PlaceholderText, "#7d8896");
    set(QPalette::Button, "#2b5585");
    set(QPalette::ButtonText, "#ffffff", "#8b96a3");
    set(QPalette::Highlight, "#3d6aa8");
    set(QPalette::HighlightedText, "#ffffff");
    set(QPalette::ToolTipBase, "#fff4cf");
    set(QPalette::ToolTipText, "#13202f");
    set(QPalette::Link, "#7fb8f0");
    QApplication::setPalette(p);
    app.setStyleSheet(appStyleSheet());
}

void setButtonRole(QPushButton* button, const char* role) {
    button->setProperty("role", QString::fromLatin1(role));
    button->style()->unpolish(button);
    button->style()->polish(button);
}

void makeGameWindow(QWidget* window) {
    window->setProperty("gameWindow", true);
    window->setAttribute(Qt::WA_StyledBackground);
    if (window->property("escapeCloses").toBool()) return;
    window->setProperty("escapeCloses", true);
    window->installEventFilter(new EscapeCloses(window));
}

QPushButton* makeCloseButton(QWidget* window, QWidget* parent) {
    auto* close = new QPushButton(QStringLiteral("Close"), parent);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setProperty("role", QStringLiteral("secondary"));
    close->setCursor(Qt::PointingHandCursor);
    close->setToolTip(QStringLiteral("Close this window (Esc)"));
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    return close;
}

void addCloseBar(QWidget* window) {
    if (window->findChild<QPushButton*>(QStringLiteral("closeButton"))) return;
    auto* layout = qobject_cast<QBoxLayout*>(window->layout());
    if (!layout) return;
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 4, 12, 10);
    row->addStretch(1);
    row->addWidget(makeCloseButton(window, window));
    layout->addLayout(row);
}

void makeSecondaryWindow(QWidget* window) {
    window->setWindowFlag(Qt::Window);
    makeGameWindow(window);
    addCloseBar(window);
}

void placeOverMain(QWidget* window, QWidget* mainWindow) {
    // The least size counts with the look's fonts and paddings in force.
    window->ensurePolished();
    if (QLayout* layout = window->layout()) layout->activate();
    QRect area;
    if (mainWindow && mainWindow->isVisible()) {
        area = mainWindow->frameGeometry();
        // Below the header: the company, the date and the cash stay in view.
        if (auto* header = mainWindow->findChild<QWidget*>(QStringLiteral("headerBar"))) {
            const int top = header->mapToGlobal(QPoint(0, header->height())).y() + 6;
            area.setTop(std::max(area.top(), top));
        }
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (!area.isValid()) return;
    const QSize frame = window->frameGeometry().size() - window->size();
    // What the window's layout allows it to shrink to, not less.
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    QSize size = window->size().expandedTo(least);
    size.setWidth(std::max(least.width(), std::min(size.width(), area.width() - frame.width())));
    size.setHeight(std::max(least.height(), std::min(size.height(), area.height() - frame.height())));
    window->resize(size);
    const QSize outer = size + frame;
    const int x = area.left() + (area.width() - outer.width()) / 2;
    int y = area.top() + std::max(0, (area.height() - outer.height()) / 2);
    // A window taller than the room below the header covers the header
    // rather than reach below the screen's edge.
    if (const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        if (y + outer.height() > avail.bottom() + 1) y = std::max(avail.top(), avail.bottom() + 1 - outer.height());
    }
    window->move(x, y);
}

void centreOverParent(QWidget* window) {
    QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!parent || parent == window) return;
    placeOverMain(window, parent);
}

}  // namespace cw::ui
