#include "ui/main_screen_keys.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>

namespace cw::ui {

namespace {

// Enter in a list does what a double click does, and the menu key (or
// Shift+F10) opens the menu of the current row rather than of whatever row
// lies in the middle of the list.
class ListKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            if (auto* tree = qobject_cast<QTreeWidget*>(watched); tree && tree->currentItem()) {
                emit tree->itemDoubleClicked(tree->currentItem(), 0);
                return true;
            }
            if (auto* list = qobject_cast<QListWidget*>(watched); list && list->currentItem()) {
                emit list->itemDoubleClicked(list->currentItem());
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            auto* view = qobject_cast<QAbstractItemView*>(watched);
            if (!view || !view->currentIndex().isValid()) return false;
            emit view->customContextMenuRequested(view->visualRect(view->currentIndex()).center());
            return true;
        }
        return false;
    }
};

void focusList(QAbstractItemView* view) {
    if (!view || !view->isVisible()) return;
    view->setFocus(Qt::ShortcutFocusReason);
    if (!view->currentIndex().isValid() && view->model() && view->model()->rowCount() > 0)
        view->setCurrentIndex(view->model()->index(0, 0));
}

}  // namespace

const std::vector<PanelKey>& mainScreenKeys() {
    static const std::vector<PanelKey> keys = {
        {QKeySequence(Qt::Key_F1), "helpButton", "Help: this manual"},
        {QKeySequence(Qt::Key_F2), "inboxButton", "Inbox"},
        {QKeySequence(Qt::Key_F3), "open_TForm_development", "New game project"},
        {QKeySequence(Qt::Key_F4), "projectPropertiesButton", "Project properties of the chosen game"},
        {QKeySequence(Qt::Key_F7), "open_TForm_employees", "Hire/view Employees"},
        {QKeySequence(Qt::Key_F8), "open_TForm_view_employees", "Manage Employees"},
        {QKeySequence(Qt::Key_F9), "open_TForm_company_overview", "Company Overview"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "saveGameButton", "Save Game"},
        {QKeySequence(Qt::CTRL | Qt::Key_1), "taskList", "Projects in progress: the list takes the arrow keys"},
        {QKeySequence(Qt::CTRL | Qt::Key_2), "productTabs", "Products: the list of the open tab takes the arrow keys"},
        {QKeySequence(Qt::CTRL | Qt::Key_3), "productTabsNext", "Products: the next tab (Games, Engines, Platforms)"},
        {QKeySequence(Qt::CTRL | Qt::Key_4), "workTabs", "City map or Task information, in turn"},
        {QKeySequence(Qt::CTRL | Qt::Key_5), "newsButton", "News: the next page (financial, software, hardware)"},
    };
    return keys;
}

void installMainScreenKeys(QMainWindow* main, std::function<void()> openHelp) {
    if (QWidget* bar = main->findChild<QWidget*>(QStringLiteral("optionsBar"))) {
        if (auto* row = qobject_cast<QBoxLayout*>(bar->layout())) {
            auto* help = new QPushButton(QStringLiteral("Help"), bar);
            help->setObjectName(QStringLiteral("helpButton"));
            help->setFocusPolicy(Qt::NoFocus);
            help->setCursor(Qt::PointingHandCursor);
            help->setToolTip(QStringLiteral("The manual (F1)"));
            QObject::connect(help, &QPushButton::clicked, main, [openHelp] {
                if (openHelp) openHelp();
            });
            row->addWidget(help);
        }
    }
    auto* listKeys = new ListKeys(main);
    for (QAbstractItemView* view : main->findChildren<QAbstractItemView*>()) {
        const QString name = view->objectName();
        if (name == QLatin1String("taskList") || name.startsWith(QLatin1String("productList")))
            view->installEventFilter(listKeys);
    }

    for (const PanelKey& k : mainScreenKeys()) {
        // F1 is the application's own key in every window.
        if (k.key == QKeySequence(Qt::Key_F1)) continue;
        const QString target = QString::fromLatin1(k.target);
        auto* shortcut = new QShortcut(k.key, main);
        QObject::connect(shortcut, &QShortcut::activated, main, [main, target] {
            if (target == QLatin1String("taskList")) {
                focusList(main->findChild<QTreeWidget*>(target));
            } else if (target == QLatin1String("productTabs") || target == QLatin1String("productTabsNext")) {
                auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("productTabs"));
                if (!tabs) return;
                if (target == QLatin1String("productTabsNext"))
                    tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
                if (QWidget* page = tabs->currentWidget())
                    focusList(page->findChild<QListWidget*>() ? page->findChild<QListWidget*>()
                                                              : qobject_cast<QListWidget*>(page));
            } else if (target == QLatin1String("workTabs")) {
                if (auto* tabs = main->findChild<QTabWidget*>(target))
                    tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
            } else if (target == QLatin1String("newsButton")) {
                const QList<QAbstractButton*> pages = main->findChildren<QAbstractButton*>(target);
                if (pages.isEmpty()) return;
                qsizetype on = 0;
                for (qsizetype i = 0; i < pages.size(); ++i)
                    if (pages[i]->isChecked()) on = i;
                pages[(on + 1) % pages.size()]->click();
            } else if (auto* button = main->findChild<QAbstractButton*>(target)) {
                if (button->isEnabled() && button->isVisible()) button->click();
            }
        });
    }
}

}  // namespace cw::ui
