#include "ui/language_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

namespace cw::ui {
namespace {

const char* const kNameProperty = "languageName";
const char* const kDoneProperty = "languageDone";
const char* const kScreenProperty = "languageScreen";
const char* const kKeyProperty = "languageKey";

QPointer<LanguageKeeper>& activeKeeper() {
    static QPointer<LanguageKeeper> keeper;
    return keeper;
}

std::string utf8(const QString& s) { return s.toUtf8().toStdString(); }
QString qstr(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QTabWidget* tabOwner(const QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// Parts of Qt's own composite widgets are never controls of a screen.
bool isInternal(const QWidget* w) {
    return w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QScrollBar*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QHeaderView*>(w) || qobject_cast<const QMenu*>(w);
}

// Widgets whose children are their own business.
bool isClosed(const QWidget* w) {
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QProgressBar*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QGraphicsView*>(w) || qobject_cast<const QScrollBar*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QMenu*>(w);
}

bool hasHeadings(const QWidget* w) {
    if (auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (table->horizontalHeaderItem(c) && !table->horizontalHeaderItem(c)->text().isEmpty()) return true;
        return false;
    }
    if (auto* tree = qobject_cast<const QTreeWidget*>(w))
        return tree->headerItem() && tree->columnCount() > 0 && !tree->headerItem()->text(0).isEmpty();
    return false;
}

// The kind of a control and the word its derived name starts with; false
// for widgets that are only there to hold others.
bool classify(const QWidget* w, LanguageControlKind& kind, QString& prefix) {
    using K = LanguageControlKind;
    // A tab page's caption is its tab's text, whatever the page is.
    if (tabOwner(w)) {
        kind = K::Captioned, prefix = QStringLiteral("Tab");
        return true;
    }
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        const bool picture = !label->pixmap().isNull() || label->movie();
        kind = picture ? K::HintOnly : K::Captioned;
        prefix = picture ? QStringLiteral("Picture") : QStringLiteral("Label");
    } else if (qobject_cast<const QCheckBox*>(w)) {
        kind = K::Captioned, prefix = QStringLiteral("CheckBox");
    } else if (qobject_cast<const QRadioButton*>(w)) {
        kind = K::Captioned, prefix = QStringLiteral("Radio");
    } else if (qobject_cast<const QAbstractButton*>(w)) {
        kind = K::Captioned, prefix = QStringLiteral("Button");
    } else if (qobject_cast<const QGroupBox*>(w)) {
        kind = K::Captioned, prefix = QStringLiteral("Group");
    } else if (qobject_cast<const QLineEdit*>(w)) {
        kind = K::TextField, prefix = QStringLiteral("Edit");
    } else if (qobject_cast<const QAbstractSpinBox*>(w)) {
        kind = K::TextField, prefix = QStringLiteral("Spin");
    } else if (qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)) {
        kind = K::TextField, prefix = QStringLiteral("Memo");
    } else if (qobject_cast<const QComboBox*>(w)) {
        kind = K::HintOnly, prefix = QStringLiteral("Combo");
    } else if (qobject_cast<const QTableWidget*>(w) || qobject_cast<const QTreeWidget*>(w)) {
        // A grid's column headings are its caption, divided by "|".
        kind = hasHeadings(w) ? K::Captioned : K::HintOnly;
        prefix = QStringLiteral("Grid");
    } else if (qobject_cast<const QAbstractItemView*>(w)) {
        kind = K::HintOnly, prefix = QStringLiteral("List");
    } else if (qobject_cast<const QAbstractSlider*>(w)) {
        kind = K::HintOnly, prefix = QStringLiteral("Slider");
    } else if (qobject_cast<const QProgressBar*>(w)) {
        kind = K::HintOnly, prefix = QStringLiteral("Progress");
    } else if (qobject_cast<const QGraphicsView*>(w) || !QString::fromLatin1(w->metaObject()->className()).startsWith(QLatin1Char('Q')) ||
               !w->toolTip().isEmpty()) {
        // The game's own painted widgets (maps, charts, meters) and any
        // panel with a hint.
        kind = K::HintOnly, prefix = QStringLiteral("Panel");
    } else {
        return false;
    }
    return true;
}

// A window, or a screen shown inside another: named "TForm_..." or
// "Tform_...", or marked by markLanguageScreens.
bool isScreen(const QWidget* w) {
    const QString name = w->objectName();
    return w->isWindow() || w->property(kScreenProperty).toBool() || name.startsWith(QLatin1String("TForm_")) ||
           name.startsWith(QLatin1String("Tform_"));
}

void collect(QWidget* parent, std::vector<QWidget*>& out) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        // A screen shown inside another (the progress window on the main
        // screen) keeps its controls under its own name.
        if (!w || isScreen(w)) continue;
        if (!isInternal(w)) out.push_back(w);
        if (!isClosed(w)) collect(w, out);
    }
}

// Up to four words of a caption joined in capitals ("Start new game" ->
// "StartNewGame"); empty when the caption holds a figure or no word.
QString captionWords(const QString& caption) {
    QString words;
    int count = 0;
    bool startOfWord = true;
    for (const QChar ch : caption) {
        if (ch.isDigit()) return {};
        if (ch == QLatin1Char('&') || ch == QLatin1Char('\'')) continue;
        if (ch.unicode() < 128 && ch.isLetter()) {
            if (startOfWord) {
                if (count == 4) break;
                ++count;
                words += ch.toUpper();
            } else {
                words += ch;
            }
            startOfWord = false;
        } else {
            startOfWord = true;
        }
    }
    return words.left(32);
}

QString rawCaption(const QWidget* w, LanguageControlKind kind) {
    if (isScreen(w)) return w->windowTitle();
    if (QTabWidget* tabs = tabOwner(w)) return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(w)));
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) return spin->text();
    if (auto* text = qobject_cast<const QTextEdit*>(w)) return text->toPlainText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return plain->toPlainText();
    if (kind == LanguageControlKind::Captioned) {
        QStringList headings;
        if (auto* table = qobject_cast<const QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                headings << (table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text() : QString());
            return headings.join(QLatin1Char('|'));
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c) headings << tree->headerItem()->text(c);
            return headings.join(QLatin1Char('|'));
        }
    }
    return {};
}

void setCaption(const LanguageControl& c, const QString& text) {
    QWidget* w = c.widget;
    if (c.action) {
        c.action->setText(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else if (isScreen(w)) {
        w->setWindowTitle(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else if (QTabWidget* tabs = tabOwner(w)) {
        tabs->setTabText(tabs->indexOf(w), QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        // Only a label that was rich text already may become so: a file
        // must not slip pictures or links into a plain label.
        if (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()))
            label->setTextFormat(Qt::PlainText);
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(text);
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
        const QStringList headings = text.split(QLatin1Char('|'));
        for (int col = 0; col < table->columnCount() && col < headings.size(); ++col)
            if (QTableWidgetItem* item = table->horizontalHeaderItem(col)) item->setText(headings[col]);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        const QStringList headings = text.split(QLatin1Char('|'));
        for (int col = 0; col < tree->columnCount() && col < headings.size(); ++col)
            tree->headerItem()->setText(col, headings[col]);
    }
}

void setHint(const LanguageControl& c, const QString& hint) {
    if (c.action) return;
    QString shown = hint;
    // A hint is shown as plain text, whatever the file put into it.
    if (Qt::mightBeRichText(hint)) shown = Qt::convertFromPlainText(hint, Qt::WhiteSpacePre);
    c.widget->setToolTip(shown);
}

bool hasWord(const QString& text) {
    for (const QChar ch : text)
        if (ch.isLetter()) return true;
    return false;
}

QString keyOf(const QString& screen, const LanguageControl& c) { return screen + QLatin1Char('.') + c.name; }

}  // namespace

void markLanguageScreens(const std::vector<QWidget*>& screens) {
    for (QWidget* s : screens) s->setProperty(kScreenProperty, true);
}

void shareLanguageKey(QWidget* control, const QString& name) { control->setProperty(kNameProperty, name); }

QString languageScreenName(const QWidget* screen) {
    QString name = screen->objectName();
    if (name.size() > 1 && name[0] == QLatin1Char('T')) name.remove(0, 1);
    return name;
}

std::vector<LanguageControl> languageControls(QWidget* screen) {
    std::vector<LanguageControl> controls;
    controls.push_back({screen, languageScreenName(screen), LanguageControlKind::Captioned});
    std::vector<QWidget*> widgets;
    collect(screen, widgets);

    QHash<QString, int> objectNames;
    QSet<QString> taken{controls.front().name};
    std::vector<std::pair<QWidget*, LanguageControlKind>> found;
    std::vector<QString> prefixes;
    for (QWidget* w : widgets) {
        LanguageControlKind kind;
        QString prefix;
        if (!classify(w, kind, prefix)) continue;
        found.emplace_back(w, kind);
        prefixes.push_back(prefix);
        if (!w->objectName().isEmpty()) ++objectNames[w->objectName()];
        const QString given = w->property(kNameProperty).toString();
        if (!given.isEmpty()) taken.insert(given);
    }
    for (auto it = objectNames.cbegin(); it != objectNames.cend(); ++it) taken.insert(it.key());

    QHash<QString, int> ordinals;
    for (std::size_t i = 0; i < found.size(); ++i) {
        auto [w, kind] = found[i];
        const int ordinal = ++ordinals[prefixes[i]];
        QString name = w->property(kNameProperty).toString();
        if (name.isEmpty()) {
            const QString own = w->objectName();
            if (!own.isEmpty() && objectNames.value(own) == 1) {
                name = own;
            } else {
                const QString words = kind == LanguageControlKind::Captioned ? captionWords(rawCaption(w, kind)) : QString();
                QString base = own.isEmpty() ? prefixes[i] : own;
                base += words.isEmpty() ? (own.isEmpty() ? QString::number(ordinal) : QLatin1Char('_') + QString::number(ordinal))
                                        : QLatin1Char('_') + words;
                name = base;
                for (int n = 2; taken.contains(name); ++n) name = base + QLatin1Char('_') + QString::number(n);
                taken.insert(name);
                if (own.isEmpty()) w->setObjectName(name);
            }
            w->setProperty(kNameProperty, name);
        }
        controls.push_back({w, name, kind});
    }

    // The menus the screen keeps (a button's drop-down, a list's context
    // menu), after every control so the names above never move.
    for (QMenu* menu : screen->findChildren<QMenu*>()) {
        QWidget* owner = menu->parentWidget();
        while (owner && !isScreen(owner)) owner = owner->parentWidget();
        if (owner != screen) continue;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || action->menu() || !hasWord(action->text())) continue;
            QString name = action->property(kNameProperty).toString();
            if (name.isEmpty()) {
                const QString words = captionWords(action->text());
                const QString base = !action->objectName().isEmpty() ? action->objectName()
                                     : words.isEmpty()               ? QStringLiteral("Menu")
                                                                     : QStringLiteral("Menu_") + words;
                name = base;
                for (int n = 2; taken.contains(name); ++n) name = base + QLatin1Char('_') + QString::number(n);
                taken.insert(name);
                action->setProperty(kNameProperty, name);
            }
            controls.push_back({menu, name, LanguageControlKind::Captioned, action});
        }
    }
    return controls;
}

QString controlCaption(const LanguageControl& c) { return c.action ? c.action->text() : rawCaption(c.widget, c.kind); }

QString controlHint(const LanguageControl& c) {
    // A menu entry's hint is its caption again: it has none of its own.
    return c.action ? QString() : c.widget->toolTip();
}

std::vector<LanguageEntry> languageEntries(QWidget* screen) {
    std::vector<LanguageEntry> entries;
    const std::string screenName = utf8(languageScreenName(screen));
    QSet<QString> written;
    for (const LanguageControl& c : languageControls(screen)) {
        if (written.contains(c.name)) continue;
        written.insert(c.name);
        const QString caption = controlCaption(c);
        const QString hint = controlHint(c);
        const bool wanted = c.kind == LanguageControlKind::Captioned ? hasWord(caption) || !hint.isEmpty()
                                                                     : !hint.isEmpty();
        if (!wanted) continue;
        LanguageEntry e;
        e.screen = screenName;
        e.control = utf8(c.name);
        e.kind = c.kind;
        if (c.kind != LanguageControlKind::HintOnly) e.text = utf8(caption);
        e.hint = utf8(hint);
        entries.push_back(std::move(e));
    }
    return entries;
}

void recordEnglishCaptions(QWidget* screen, QHash<QString, QString>& english) {
    const QString screenName = languageScreenName(screen);
    for (const LanguageControl& c : languageControls(screen))
        if (c.kind == LanguageControlKind::Captioned) english.insert(keyOf(screenName, c).toLower(), controlCaption(c));
}

int applyLanguageFile(QWidget* screen, const LanguageFile& file, const QHash<QString, QString>* english,
                      QHash<QString, QString>* translated) {
    int changed = 0;
    const QString screenName = languageScreenName(screen);
    const std::string screenUtf8 = utf8(screenName);
    for (const LanguageControl& c : languageControls(screen)) {
        c.widget->setProperty(kDoneProperty, true);
        const LanguageTexts texts = languageTexts(file, screenUtf8, utf8(c.name), c.kind);
        bool any = false;
        if (texts.caption) {
            const QString key = keyOf(screenName, c).toLower();
            if (translated && c.kind == LanguageControlKind::Captioned && !c.action) {
                translated->insert(key, qstr(*texts.caption));
                c.widget->setProperty(kKeyProperty, key);
            }
            const bool unchanged = !english || !english->contains(key) || english->value(key) == controlCaption(c);
            if (unchanged) {
                setCaption(c, qstr(*texts.caption));
                any = true;
            }
        }
        if (texts.hint) {
            setHint(c, qstr(*texts.hint));
            any = true;
        }
        if (any) ++changed;
    }
    return changed;
}

LanguageKeeper::LanguageKeeper(std::shared_ptr<const LanguageFile> file, QHash<QString, QString> english,
                               QObject* parent)
    : QObject(parent), file_(std::move(file)), english_(std::move(english)) {
    activeKeeper() = this;
}

LanguageKeeper* LanguageKeeper::active() { return activeKeeper(); }

void LanguageKeeper::applyTo(QWidget* window) {
    if (!file_) return;
    window->setProperty(kDoneProperty, true);
    std::vector<QWidget*> all;
    collect(window, all);
    for (QWidget* w : all) w->setProperty(kDoneProperty, true);
    applyLanguageFile(window, *file_, &english_, &translated_);
}

bool LanguageKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        // A screen that sets its built-in English caption again (a reset on
        // showing, a refresh) gets the translation back; a caption showing
        // the game's figures or names is left alone.
        const QVariant key = watched->property(kKeyProperty);
        if (!key.isValid()) return false;
        const auto found = translated_.constFind(key.toString());
        if (found == translated_.cend()) return false;
        auto* w = static_cast<QWidget*>(watched);
        const LanguageControl c{w, {}, LanguageControlKind::Captioned};
        const QString now = controlCaption(c);
        if (now != *found && english_.value(key.toString()) == now)
            QMetaObject::invokeMethod(w, [c, text = *found] { setCaption(c, text); }, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->property(kDoneProperty).toBool()) return false;
    QWidget* window = w;
    while (!isScreen(window)) window = window->parentWidget();
    const QString name = window->objectName();
    // Tool tips, menus and Qt's own windows are no screens.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt")) || qobject_cast<QMenu*>(window)) {
        w->setProperty(kDoneProperty, true);
        return false;
    }
    applyTo(window);
    w->setProperty(kDoneProperty, true);
    return false;
}

}  // namespace cw::ui
