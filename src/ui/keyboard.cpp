#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace cw::ui {

namespace {

// The text as the program last set it, so that a text set again is noticed.
constexpr const char* kGivenText = "cwMnemonicText";

// The letter after a single '&' ("&&" is an ampersand), or a null QChar.
QChar mnemonicLetter(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// Where an '&' could go: a word's first letters first, then the rest, each
// in reading order; positions of the raw text, escaped ampersands skipped.
QList<qsizetype> candidatePositions(const QString& text) {
    QList<qsizetype> starts;
    QList<qsizetype> others;
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&') && i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            ++i;
            wordStart = true;
            continue;
        }
        // Only plain letters and digits: Alt+é is no key on most keyboards.
        const bool usable = c.unicode() < 128 && c.isLetterOrNumber();
        if (usable) (wordStart ? starts : others).append(i);
        wordStart = !c.isLetterOrNumber();
    }
    return starts + others;
}

QList<QAbstractButton*> buttonsOf(QWidget* window) {
    QList<QAbstractButton*> own;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        // Buttons of a window inside this one belong to that window.
        if (b->window() != window || b->text().isEmpty()) continue;
        own.append(b);
    }
    // The visible ones choose first; Close has Esc anyway and comes last.
    std::stable_sort(own.begin(), own.end(), [](QAbstractButton* a, QAbstractButton* b) {
        const auto rank = [](QAbstractButton* x) {
            return (x->isVisibleTo(x->window()) ? 0 : 2) + (x->objectName() == QLatin1String("closeButton") ? 1 : 0);
        };
        return rank(a) < rank(b);
    });
    return own;
}

// An input field's caption: the label just before it in its row.
bool takesInput(QWidget* w) {
    return w && w->focusPolicy() != Qt::NoFocus &&
           (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w));
}

void giveLabelsTheirFields(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() != window || label->buddy() || label->text().isEmpty() ||
            label->textFormat() == Qt::RichText || label->text().contains(QLatin1Char('<')) ||
            label->text().contains(QLatin1Char('\n')))
            continue;
        QWidget* parent = label->parentWidget();
        QLayout* layout = parent ? parent->layout() : nullptr;
        if (!layout) continue;
        QWidget* next = nullptr;
        // The layout holding the label, searched through nested layouts.
        QList<QLayout*> open{layout};
        while (!open.isEmpty() && !next) {
            QLayout* l = open.takeFirst();
            const int at = l->indexOf(label);
            if (at < 0) {
                for (int i = 0; i < l->count(); ++i)
                    if (QLayout* inner = l->itemAt(i)->layout()) open.append(inner);
                continue;
            }
            if (auto* grid = qobject_cast<QGridLayout*>(l)) {
                int row = 0, col = 0, rs = 0, cs = 0;
                grid->getItemPosition(at, &row, &col, &rs, &cs);
                if (QLayoutItem* item = grid->itemAtPosition(row, col + cs)) next = item->widget();
            } else if (at + 1 < l->count()) {
                next = l->itemAt(at + 1)->widget();
            }
            if (!takesInput(next)) next = nullptr;
            break;
        }
        if (next) label->setBuddy(next);
    }
}

}  // namespace

int assignMnemonics(QWidget* window) {
    if (!window) return 0;
    giveLabelsTheirFields(window);
    QList<QAbstractButton*> buttons = buttonsOf(window);
    QSet<QChar> used;
    QList<QAbstractButton*> wanting;
    QList<QLabel*> captions;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->window() == window && label->buddy() && label->isVisibleTo(window)) captions.append(label);
    for (QLabel* label : captions) {
        const QChar letter = mnemonicLetter(label->text());
        if (!letter.isNull()) used.insert(letter);
    }
    for (QAbstractButton* b : buttons) {
        if (b->property("noMnemonic").toBool()) continue;
        const QChar letter = mnemonicLetter(b->text());
        if (!letter.isNull() && !used.contains(letter)) {
            used.insert(letter);
            continue;
        }
        // A letter a control before it took: this one chooses again,
        // unless the program wrote the ampersand itself.
        if (!letter.isNull() && b->property(kGivenText).toString() != b->text()) continue;
        wanting.append(b);
    }
    int given = 0;
    const auto giveButton = [&](QAbstractButton* b) {
        QString text = b->text();
        if (b->property(kGivenText).toString() == text) {
            // Ours, but its letter went to another: take the ampersand out.
            const QChar letter = mnemonicLetter(text);
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] == QLatin1Char('&') && text[i + 1] != QLatin1Char('&') &&
                    text[i + 1].toUpper() == letter) {
                    text.remove(i, 1);
                    break;
                }
            }
        }
        for (qsizetype at : candidatePositions(text)) {
            const QChar letter = text[at].toUpper();
            if (used.contains(letter)) continue;
            used.insert(letter);
            text.insert(at, QLatin1Char('&'));
            ++given;
            break;
        }
        if (text != b->text()) b->setText(text);
        b->setProperty(kGivenText, text);
    };
    // What is on screen first: the visible buttons, the captions of the
    // visible fields, and only then the buttons of hidden pages.
    for (QAbstractButton* b : wanting)
        if (b->isVisibleTo(window)) giveButton(b);
    for (QLabel* label : captions) {
        if (!mnemonicLetter(label->text()).isNull()) continue;
        QString text = label->text();
        for (qsizetype at : candidatePositions(text)) {
            const QChar letter = text[at].toUpper();
            if (used.contains(letter)) continue;
            used.insert(letter);
            text.insert(at, QLatin1Char('&'));
            label->setText(text);
            ++given;
            break;
        }
    }
    for (QAbstractButton* b : wanting)
        if (!b->isVisibleTo(window)) giveButton(b);
    return given;
}

QList<QChar> mnemonicsOf(QWidget* window) {
    QList<QChar> letters;
    for (QAbstractButton* b : buttonsOf(window)) {
        if (!b->isVisibleTo(window)) continue;
        const QChar letter = mnemonicLetter(b->text());
        if (!letter.isNull()) letters.append(letter);
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() != window || !label->buddy() || !label->isVisibleTo(window)) continue;
        const QChar letter = mnemonicLetter(label->text());
        if (!letter.isNull()) letters.append(letter);
    }
    return letters;
}

bool fitIntoArea(QWidget* window, const QRect& area) {
    if (!window || !area.isValid() || qobject_cast<QMainWindow*>(window)) return false;
    window->ensurePolished();
    if (QLayout* layout = window->layout()) layout->activate();
    const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size() : QSize(0, 0);
    const QSize room = area.size() - frame;
    const bool fixed = window->minimumSize() == window->maximumSize();
    bool changed = false;
    QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    if (!fixed && window->layout() && (least.height() > room.height() || least.width() > room.width()) &&
        !window->property("scrolledToFit").toBool()) {
        // The layout moves onto a page of its own inside a scroll area, with
        // every widget it holds; what the screens look up by name stays.
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("fitPage"));
        page->setLayout(window->layout());
        auto* scroll = new QScrollArea(window);
        scroll->setObjectName(QStringLiteral("scrollColumn"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        auto* outer = new QVBoxLayout(window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll);
        window->setMinimumSize(window->minimumSize().boundedTo(room));
        window->setProperty("scrolledToFit", true);
        outer->activate();
        least = window->minimumSizeHint().expandedTo(window->minimumSize());
        changed = true;
    }
    const QSize size = window->size();
    const QSize fitted(std::max(std::min(size.width(), room.width()), std::min(least.width(), room.width())),
                       std::max(std::min(size.height(), room.height()), std::min(least.height(), room.height())));
    if (fitted != size) {
        window->resize(fitted);
        changed = true;
    }
    // A window placed before it was fitted stays on the screen.
    if (window->isWindow() && window->testAttribute(Qt::WA_Moved)) {
        const QRect outer(window->pos(), window->size() + frame);
        QPoint to = outer.topLeft();
        if (outer.bottom() > area.bottom()) to.setY(std::max(area.top(), area.bottom() + 1 - outer.height()));
        if (outer.right() > area.right()) to.setX(std::max(area.left(), area.right() + 1 - outer.width()));
        if (to != outer.topLeft()) {
            window->move(to);
            changed = true;
        }
    }
    return changed;
}

KeyboardHelper::KeyboardHelper(std::function<void(QWidget*)> openManual, QObject* parent)
    : QObject(parent), openManual_(std::move(openManual)) {}

void KeyboardHelper::install(QApplication& app) { app.installEventFilter(this); }

bool KeyboardHelper::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Show:
            if (widget->isWindow()) {
                if (QScreen* screen = widget->screen()) fitIntoArea(widget, screen->availableGeometry());
                assignMnemonics(widget);
            } else if (widget->isVisible() && qobject_cast<QAbstractButton*>(widget) &&
                       widget->window()->isVisible()) {
                // A panel shown inside a window that is open already.
                QWidget* window = widget->window();
                if (!pending_.contains(window)) {
                    pending_.append(window);
                    QTimer::singleShot(0, this, [this, window, guard = QPointer<QWidget>(window)] {
                        pending_.removeAll(window);
                        if (guard) assignMnemonics(guard);
                    });
                }
            }
            break;
        case QEvent::WindowActivate:
            // Screens that build their buttons anew while open.
            if (widget->isWindow()) assignMnemonics(widget);
            break;
        case QEvent::Hide:
            // The window it was opened from takes the keys again, also where
            // no window manager hands the focus on.
            if (widget->isWindow() && widget->isActiveWindow() && widget->parentWidget()) {
                QWidget* back = widget->parentWidget()->window();
                if (back->isVisible() && !QApplication::activeModalWidget()) back->activateWindow();
            }
            break;
        case QEvent::ShortcutOverride:
            // Alt held down: a caption the screen set anew since the window
            // opened gets its letter before the key is looked up.
            if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier) assignMnemonics(widget->window());
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && openManual_) {
                openManual_(widget->window());
                return true;
            }
            // A dialog presses its focused or default button itself; other
            // windows get the same from here.
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier && !qobject_cast<QDialog*>(widget->window())) {
                if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isEnabled()) {
                    button->animateClick();
                    return true;
                }
                // Nothing on the way took it: the window's default button.
                if (widget->isWindow())
                    for (QPushButton* b : widget->findChildren<QPushButton*>())
                        if (b->isDefault() && b->window() == widget && b->isVisible() && b->isEnabled()) {
                            b->animateClick();
                            return true;
                        }
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace cw::ui
