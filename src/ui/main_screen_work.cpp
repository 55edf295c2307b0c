// The main screen's centre column: the projects in progress with the way
// into a new game and into a running one, the chosen task's information
// panel, and the company's products.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dev/game_project.h"
#include "dev/product_panel.h"
#include "dev/release.h"
#include "hardware/platform_publishers.h"
#include "market/reviews.h"
#include "people/staff_management.h"
#include "sim/task_panel.h"
#include "state/game.h"
#include "state/shared_ops.h"
#include "finance/buildings.h"
#include "hardware/manufacturing.h"
#include "ui/city_map.h"
#include "ui/main_screen.h"
#include "ui/main_screen_parts.h"
#include "ui/post_mortem_screens.h"
#include "ui/product_card.h"
#include "ui/qt_player.h"

namespace cw::ui {

QWidget* TForm_main::buildWorkPanel() {
    auto* box = new QWidget(this);
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(10);

    QVBoxLayout* tasksBody = nullptr;
    QFrame* tasks = makePanel(QStringLiteral("Projects in progress"), PaintedIcon::Tasks, tasksBody, box);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    newProjectButton_ = new QPushButton(QStringLiteral("New game project"), tasks);
    newProjectButton_->setObjectName(QStringLiteral("open_TForm_development"));
    newProjectButton_->setFocusPolicy(Qt::NoFocus);
    newProjectButton_->setToolTip(QStringLiteral("Start developing a new game"));
    connect(newProjectButton_, &QPushButton::clicked, this, [this] {
        if (!busy_) emit screenRequested(QStringLiteral("TForm_development"));
    });
    // The chosen task's own buttons go with its panel below.
    projectButton_ = new QPushButton(QStringLiteral("Project properties"), tasks);
    projectButton_->setObjectName(QStringLiteral("projectPropertiesButton"));
    projectButton_->setFocusPolicy(Qt::NoFocus);
    projectButton_->setToolTip(QStringLiteral("The chosen game's progress, quality and team\n(or double-click it)"));
    connect(projectButton_, &QPushButton::clicked, this, &TForm_main::openSelectedProject);
    intensifyButton_ = new QPushButton(QStringLiteral("Intensify Study (speed up)"), tasks);
    intensifyButton_->setObjectName(QStringLiteral("intensifyStudyButton"));
    intensifyButton_->setFocusPolicy(Qt::NoFocus);
    connect(intensifyButton_, &QPushButton::clicked, this, &TForm_main::intensifySelectedStudy);
    buttons->addWidget(newProjectButton_);
    // The planning views, in one menu beside the way into a new game.
    auto* market = new QPushButton(QStringLiteral("Market"), tasks);
    market->setObjectName(QStringLiteral("marketMenuButton"));
    market->setFocusPolicy(Qt::NoFocus);
    market->setToolTip(QStringLiteral("Sales charts, release calendar, genre demand and release analysis"));
    auto* marketMenu = new QMenu(market);
    const std::pair<const char*, const char*> views[] = {{"Sales Charts", "TForm_salesCharts"},
                                                         {"Release Calendar", "Tform_Calendar"},
                                                         {"Genre Demand", "TForm_genredemands"},
                                                         {"Release Analysis", "Tform_Analyse"}};
    for (const auto& [caption, screen] : views) {
        const QString name = QString::fromLatin1(screen);
        QAction* open = marketMenu->addAction(QString::fromLatin1(caption));
        open->setObjectName(QStringLiteral("open_") + name);
        connect(open, &QAction::triggered, this, [this, name] {
            if (!busy_) emit screenRequested(name);
        });
    }
    market->setMenu(marketMenu);
    buttons->addWidget(market);
    buttons->addStretch(1);
    tasksBody->addLayout(buttons);

    taskList_ = new QTreeWidget(tasks);
    taskList_->setObjectName(QStringLiteral("taskList"));
    taskList_->setFocusPolicy(Qt::NoFocus);
    taskList_->setRootIsDecorated(false);
    taskList_->setHeaderLabels(
        {QStringLiteral("Project"), QStringLiteral("Type"), QStringLiteral("Progress"), QStringLiteral("Weeks")});
    taskList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    taskList_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    taskList_->header()->setSectionResizeMode(2, QHeaderView::Fixed);
    taskList_->header()->resizeSection(2, 120);
    taskList_->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    taskList_->header()->setStretchLastSection(false);
    taskList_->setItemDelegateForColumn(2, new ProgressDelegate(taskList_));
    connect(taskList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> chosen = taskList_->selectedItems();
        if (!chosen.isEmpty()) selectedTask_ = chosen.front()->data(0, Qt::UserRole).toInt();
        showTaskPanel();
        // A task the player picks is what he wants to read about.
        if (workTabs_) workTabs_->setCurrentIndex(1);
    });
    // The task list's menu: what a task offers besides its own screen.
    taskList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(taskList_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = taskList_->itemAt(at);
        if (!item || busy_ || coverVisible()) return;
        const int task = item->data(0, Qt::UserRole).toInt();
        const TaskMenu offered = taskMenu(game_, task);
        if (!offered.exists) return;
        QMenu menu(this);
        QAction* speedUp = offered.speedUp ? menu.addAction(QStringLiteral("Speed up the building process")) : nullptr;
        QAction* cancel = offered.cancel ? menu.addAction(QStringLiteral("Cancel project")) : nullptr;
        QAction* deals =
            offered.platformDeals ? menu.addAction(QStringLiteral("Platform publisher deals")) : nullptr;
        if (menu.isEmpty()) return;
        QAction* chosen = menu.exec(taskList_->viewport()->mapToGlobal(at));
        if (chosen && chosen == speedUp) speedUpBuilding(game_, player_, task);
        if (chosen && chosen == cancel) cancelProject(game_, player_, task);
        if (chosen && chosen == deals) openPlatformPublishers(game_, player_, task);
        if (chosen) refresh();
    });
    connect(taskList_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        selectTask(item->data(0, Qt::UserRole).toInt());
        openSelectedProject();
    });
    tasksBody->addWidget(taskList_);
    // Room for a row or two at the smallest window size (960x540: a laptop
    // at scale factor 2); a larger window shares its height out by stretch.
    tasks->setMinimumHeight(160);
    col->addWidget(tasks, 3);

    QVBoxLayout* infoBody = nullptr;
    QFrame* info = makePanel(QStringLiteral("Task information"), PaintedIcon::Tasks, infoBody, box);
    taskPanelTitle_ = new QLabel(info);
    taskPanelTitle_->setObjectName(QStringLiteral("taskPanelTitle"));
    infoBody->addWidget(taskPanelTitle_);
    taskProgress_ = new QProgressBar(info);
    taskProgress_->setObjectName(QStringLiteral("taskProgress"));
    infoBody->addWidget(taskProgress_);
    // Only the button for the chosen task's kind shows, which keeps the row
    // within the narrowest centre column.
    // Below the title and the bar everything scrolls as one, so on a small
    // window the buttons and sliders keep their height and the text its lines.
    auto* infoPage = new QWidget(info);
    auto* infoPageCol = new QVBoxLayout(infoPage);
    infoPageCol->setContentsMargins(0, 0, 0, 0);
    infoPageCol->setSpacing(6);
    auto* taskButtons = new QHBoxLayout;
    taskButtons->setSpacing(6);
    projectButton_->setParent(infoPage);
    intensifyButton_->setParent(infoPage);
    taskButtons->addWidget(projectButton_);
    taskButtons->addWidget(intensifyButton_);
    taskButtons->addStretch(1);
    infoPageCol->addLayout(taskButtons);
    // A game's research amounts, movable while its core is in the works.
    researchRow_ = new QWidget(infoPage);
    researchRow_->setObjectName(QStringLiteral("researchRow"));
    auto* researchLayout = new QGridLayout(researchRow_);
    researchLayout->setContentsMargins(0, 0, 0, 0);
    researchLayout->setHorizontalSpacing(6);
    researchLayout->setVerticalSpacing(0);
    static const char* const kResearch[3] = {"Programming", "Design/GUI", "Graphics"};
    for (int i = 0; i < 3; ++i) {
        researchLayout->addWidget(new QLabel(QString::fromLatin1(kResearch[i]), researchRow_), i, 0);
        auto* slider = new QSlider(Qt::Horizontal, researchRow_);
        slider->setObjectName(QStringLiteral("TrackBar_taskResearch%1").arg(i + 1));
        slider->setRange(25, 100);
        slider->setFocusPolicy(Qt::NoFocus);
        researchSliders_[i] = slider;
        researchLayout->addWidget(slider, i, 1);
        researchValues_[i] = new QLabel(researchRow_);
        researchValues_[i]->setMinimumWidth(28);
        researchValues_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        researchLayout->addWidget(researchValues_[i], i, 2);
        connect(slider, &QSlider::valueChanged, this, [this](int) {
            if (busy_ || coverVisible()) return;
            const std::array<i32, 3> r = {researchSliders_[0]->value(), researchSliders_[1]->value(),
                                          researchSliders_[2]->value()};
            if (const ActionResult refused = setGameResearch(game_, selectedTask_, r))
                player_.messageBox(refused->caption, refused->text, false);
            showTaskPanel();
        });
    }
    researchLayout->setColumnStretch(1, 1);
    infoPageCol->addWidget(researchRow_);
    taskPanelText_ = new QLabel(infoPage);
    taskPanelText_->setObjectName(QStringLiteral("taskPanelText"));
    taskPanelText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    taskPanelText_->setWordWrap(true);
    infoPageCol->addWidget(taskPanelText_, 1);
    auto* scroll = new QScrollArea(info);
    scroll->setObjectName(QStringLiteral("taskPanelScroll"));
    scroll->setWidget(infoPage);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    infoBody->addWidget(scroll, 1);
    // The town and the chosen task's panel share one area, so that the
    // projects and the products keep their room on a small window.
    workTabs_ = new QTabWidget(box);
    workTabs_->setObjectName(QStringLiteral("workTabs"));
    workTabs_->setFocusPolicy(Qt::NoFocus);
    auto* town = new QWidget(workTabs_);
    auto* townCol = new QVBoxLayout(town);
    townCol->setContentsMargins(0, 0, 0, 0);
    townCol->setSpacing(0);
    cityMap_ = new CityMap(game_, player_, town);
    connect(cityMap_, &CityMap::changed, this, &TForm_main::refresh);
    // The buildings panel's two ways in, laid over the map's sky.
    auto* townButtons = new QHBoxLayout(cityMap_);
    townButtons->setContentsMargins(8, 8, 8, 8);
    townButtons->setSpacing(6);
    const char* entries[2][2] = {{"New Buildings", "newBuildingsButton"}, {"Upgrade ", "upgradeBuildingsButton"}};
    for (const auto& e : entries) {
        auto* b = new QPushButton(QString::fromLatin1(e[0]), cityMap_);
        b->setObjectName(QString::fromLatin1(e[1]));
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QStringLiteral("Build, upgrade and set up the company's buildings and facilities"));
        connect(b, &QPushButton::clicked, this, [this] {
            if (!busy_ && !coverVisible()) cityMap_->openBuildingsPanel();
        });
        townButtons->addWidget(b, 0, Qt::AlignTop);
    }
    townButtons->addStretch(1);
    townCol->addWidget(cityMap_);
    workTabs_->addTab(town, QStringLiteral("City"));
    info->setMinimumHeight(118);
    workTabs_->addTab(info, QStringLiteral("Task information"));
    workTabs_->setMinimumHeight(110);
    // Both pages keep their full size, the one in front covering the other,
    // so the task panel is laid out and ready whichever tab shows.
    if (auto* stack = qobject_cast<QStackedLayout*>(workTabs_->findChild<QStackedWidget*>()->layout()))
        stack->setStackingMode(QStackedLayout::StackAll);
    col->addWidget(workTabs_, 3);

    QVBoxLayout* productsBody = nullptr;
    QFrame* products = makePanel(QStringLiteral("Products"), PaintedIcon::Products, productsBody, box);
    productTabs_ = new QTabWidget(products);
    productTabs_->setObjectName(QStringLiteral("productTabs"));
    productTabs_->setFocusPolicy(Qt::NoFocus);
    const QString tabNames[3] = {QStringLiteral("Games"), QStringLiteral("Engines"), QStringLiteral("Platforms")};
    for (int i = 0; i < 3; ++i) {
        productLists_[i] = new QListWidget(productTabs_);
        productLists_[i]->setObjectName(QStringLiteral("productList") + tabNames[i]);
        productLists_[i]->setFocusPolicy(Qt::NoFocus);
        productTabs_->addTab(productLists_[i], tabNames[i]);
    }
    // A click shows the product's panel, a double click its product screen;
    // the context menu has both ways, the release of a ready product and,
    // for a game, its review and post-mortem.
    for (int i = 0; i < 3; ++i) {
        QListWidget* list = productLists_[i];
        list->setToolTip(QStringLiteral("Click a product for its panel, double-click for its product screen"));
        connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
            const int slot = item->data(Qt::UserRole).toInt();
            if (slot == 0) return;
            const QRect r = list->visualItemRect(item);
            showProductPanel(slot, list->viewport()->mapTo(centralWidget(), QPoint(r.left() + 40, r.center().y())));
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            const int slot = item->data(Qt::UserRole).toInt();
            if (slot != 0 && !busy_ && !coverVisible()) emit productRequested(slot);
        });
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
            QListWidgetItem* item = list->itemAt(at);
            if (!item || item->data(Qt::UserRole).toInt() == 0 || busy_ || coverVisible()) return;
            const int slot = item->data(Qt::UserRole).toInt();
            ProductPanel panel;
            if (!productPanel(game_, slot, panel)) return;
            QMenu menu(this);
            QAction* release = panel.canRelease ? menu.addAction(QStringLiteral("Release Product")) : nullptr;
            QAction* screen = menu.addAction(QStringLiteral("Product screen"));
            const bool game = panel.kind == ProductGame;
            QAction* whyScore = game ? menu.addAction(QStringLiteral("Why this score")) : nullptr;
            QAction* whySold = game ? menu.addAction(QStringLiteral("Why it sold")) : nullptr;
            QAction* review = game ? menu.addAction(QStringLiteral("Review")) : nullptr;
            QAction* cheaper =
                panel.kind == ProductPlatform ? menu.addAction(QStringLiteral("Lower production cost")) : nullptr;
            QAction* chosen = menu.exec(list->viewport()->mapToGlobal(at));
            if (chosen && chosen == cheaper) {
                startCostReduction(game_, player_, slot);
                refresh();
            }
            if (chosen && chosen == whyScore) openWhyScoreOfProduct(this, game_, slot);
            if (chosen && chosen == whySold) openWhySales(this, game_, slot);
            if (chosen && chosen == review) showProductReview(slot);
            if (chosen && chosen == release) releaseListedProduct(slot);
            if (chosen && chosen == screen) emit productRequested(slot);
        });
    }
    productsBody->addWidget(productTabs_);
    products->setMinimumHeight(116);
    col->addWidget(products, 2);
    return box;
}

void TForm_main::showProductPanel(int slot, QPoint at) {
    if (busy_ || coverVisible()) return;
    ProductPanel panel;
    if (!productPanel(game_, slot, panel)) return;
    if (!productCard_) {
        productCard_ = new ProductCard(centralWidget());
        connect(productCard_, &ProductCard::releaseRequested, this, &TForm_main::releaseListedProduct);
        connect(productCard_, &ProductCard::productScreenRequested, this, [this](int k) {
            if (!busy_ && !coverVisible()) emit productRequested(k);
        });
        connect(productCard_, &ProductCard::whyScoreRequested, this,
                [this](int k) { openWhyScoreOfProduct(this, game_, k); });
        connect(productCard_, &ProductCard::whySalesRequested, this, [this](int k) { openWhySales(this, game_, k); });
    }
    productCard_->showPanel(panel, at);
}

void TForm_main::releaseListedProduct(int slot) {
    if (busy_ || coverVisible() || game_.gameOver) return;
    const std::string refusal = releaseProduct(game_, player_, slot);
    if (!refusal.empty()) player_.messageBox("Release Product", refusal, false);
    refresh();
}

void TForm_main::refreshProductCard() {
    if (!productCard_ || productCard_->isHidden()) return;
    ProductPanel panel;
    const bool found = productPanel(game_, productCard_->slot(), panel);
    productCard_->update(panel, found);
}

void TForm_main::refreshWork() {
    const std::vector<ProjectRow> rows = projectsList(game_);
    bool kept = false;
    for (const ProjectRow& r : rows) kept = kept || r.task == selectedTask_;
    // A finished or cancelled task gives way to the first one left, so that
    // the panel always tells about something on the list.
    if (!kept) selectedTask_ = rows.empty() ? 0 : rows.front().task;
    {
        const QSignalBlocker quiet(taskList_);
        taskList_->clear();
        for (const ProjectRow& r : rows) {
            auto* item = new QTreeWidgetItem(taskList_, {qs(r.name), qs(r.kindText), QString(), qs(r.weeksText)});
            item->setData(0, Qt::UserRole, r.task);
            item->setData(2, Qt::UserRole, r.percent);
            if (r.task == selectedTask_) item->setSelected(true);
        }
        if (rows.empty()) {
            auto* item = new QTreeWidgetItem(taskList_, {QStringLiteral("No projects running"), QString(), QString()});
            item->setFlags(Qt::NoItemFlags);
            item->setForeground(0, QColor(0x8a, 0x94, 0xa0));
        }
    }
    showTaskPanel();
    refreshProductCard();
    if (cityMap_) cityMap_->refresh();
}

void TForm_main::selectTask(int task) {
    for (int i = 0; i < taskList_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = taskList_->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toInt() == task) {
            taskList_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    if (selectedTask_ != task) {
        selectedTask_ = task;
        showTaskPanel();
    }
}

void TForm_main::showTaskPanel() {
    const TaskPanel panel = taskPanel(game_, selectedTask_);
    projectButton_->setVisible(panel.isGame);
    projectButton_->setEnabled(panel.isGame && !game_.gameOver);
    intensifyButton_->setVisible(panel.isStudy);
    intensifyButton_->setEnabled(panel.isStudy && !game_.gameOver);
    researchRow_->setVisible(panel.isGame);
    if (panel.isGame) {
        for (int i = 0; i < 3; ++i) {
            const QSignalBlocker quiet(researchSliders_[i]);
            researchSliders_[i]->setValue(panel.research[static_cast<std::size_t>(i)]);
            researchValues_[i]->setText(QString::number(panel.research[static_cast<std::size_t>(i)]));
            researchSliders_[i]->setEnabled(!panel.slidersLocked && !game_.gameOver);
            researchSliders_[i]->setToolTip(QStringLiteral("Employee Reseach Amount: ") + qs(panel.phaseCaption));
        }
    }
    if (panel.task == 0) {
        taskPanelTitle_->setText(QStringLiteral("No project chosen"));
        taskProgress_->hide();
        taskPanelText_->setText(QStringLiteral("Start a game with \"New game project\"; its progress shows here."));
        return;
    }
    taskPanelTitle_->setText(qs(panel.name));
    taskProgress_->show();
    taskProgress_->setRange(0, std::max(1, panel.progressMaximum));
    taskProgress_->setValue(std::clamp(panel.progressPosition, 0, std::max(1, panel.progressMaximum)));
    taskProgress_->setFormat(qs(panel.progressCaption));
    // The panel text's first line is the task's name, shown above already.
    QString text = qs(taskPanelText(panel));
    const int firstBreak = text.indexOf(QLatin1Char('\n'));
    if (firstBreak >= 0) text = text.mid(firstBreak + 1);
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& l : lines) l = l.trimmed();
    taskPanelText_->setText(lines.join(QLatin1Char('\n')));
}

void TForm_main::openSelectedProject() {
    if (busy_ || coverVisible()) return;
    if (!taskPanel(game_, selectedTask_).isGame) return;
    emit projectRequested(selectedTask_);
}

void TForm_main::showProductReview(int product) {
    Review review;
    if (productReview(game_, product, review)) player_.showReview(review);
}

void TForm_main::intensifySelectedStudy() {
    if (busy_ || coverVisible()) return;
    intensifyStudy(game_, player_, selectedTask_);
    refresh();
}

}  // namespace cw::ui
