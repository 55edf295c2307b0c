#include "ui/main_screen.h"
#include "ui/product_card.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dev/release.h"
#include "finance/company_books.h"
#include "setup/main_screen_model.h"
#include "sim/game_clock.h"
#include "state/game.h"
#include "state/inbox.h"
#include "state/save_game.h"
#include "ui/app_style.h"
#include "ui/company_books_screens.h"
#include "ui/main_screen_fit.h"
#include "ui/main_screen_parts.h"
#include "ui/market_panel.h"
#include "ui/painted_icons.h"
#include "ui/progress_window.h"
#include "ui/qt_player.h"

namespace cw::ui {

// ---------------------------------------------------------------------------
CoverPanel::CoverPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("coverPanel"));
    setAttribute(Qt::WA_NoSystemBackground);
    parent->installEventFilter(this);
    setGeometry(parent->rect());
    hide();
}

void CoverPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 12, 22, 170));
}

bool CoverPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
TForm_main::TForm_main(Game& game, Player& player, QWidget* parent)
    : QMainWindow(parent), game_(game), player_(player) {
    setObjectName(QStringLiteral("TForm_main"));
    setWindowTitle(QStringLiteral("Crestwork II"));
    auto* central = new QWidget(this);
    // Set on the central widget, the look stays off the windows the main
    // screen owns (the inbox, the dialogs), which bring their own.
    central->setStyleSheet(mainScreenStyleSheet());
    central->setObjectName(QStringLiteral("mainBackground"));
    central->setAttribute(Qt::WA_StyledBackground);
    central->setFocusPolicy(Qt::StrongFocus);
    auto* root = new QVBoxLayout(central);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(buildHeader());

    auto* body = new QWidget(central);
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(14, 10, 14, 10);
    columns->setSpacing(12);

    // The left column keeps every panel at its full height and scrolls when
    // the window is too low for all of them, so that the turn, the cash and
    // the inbox never get squeezed.
    auto* leftBox = new QWidget;
    auto* left = new QVBoxLayout(leftBox);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(10);
    left->addWidget(buildTurnPanel());
    left->addWidget(buildFinancePanel());
    left->addWidget(buildScreensPanel());
    left->addStretch(1);
    auto* leftScroll = new QScrollArea(body);
    leftScroll->setObjectName(QStringLiteral("scrollColumn"));
    leftScroll->setWidget(leftBox);
    leftScroll->setWidgetResizable(true);
    leftScroll->setFrameShape(QFrame::NoFrame);
    leftScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leftScroll->setFocusPolicy(Qt::NoFocus);
    columns->addWidget(leftScroll);
    QWidget* workBox = buildWorkPanel();
    QScrollArea* workScroll = scrollColumn(workBox, body);
    columns->addWidget(workScroll, 3);

    auto* rightBox = new QWidget(body);
    auto* right = new QVBoxLayout(rightBox);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(10);
    right->addWidget(buildNewsPanel(), 1);
    marketPanel_ = new MarketPanel(rightBox);
    right->addWidget(marketPanel_);
    right->addWidget(buildSessionPanel());
    // The news grows a little with a wide window; the projects get the rest.
    // The panels keep their widths (main_screen_fit), narrower on a small
    // screen; the side columns scroll when the window is too low for them.
    QScrollArea* rightScroll = scrollColumn(rightBox, body);
    columns->addWidget(rightScroll, 1);
    root->addWidget(body, 1);
    root->addWidget(buildOptionsBar());
    installColumnFit({this, columns, leftBox, leftScroll, workBox, workScroll, rightBox, rightScroll});
    setCentralWidget(central);

    eventSetup_ = buildEventSetup();
    inboxSetup_ = buildInboxSetup();
    cover_ = new CoverPanel(central);

    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, &TForm_main::nextWeekClicked);
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, this, &TForm_main::fastForwardClicked);

    iconTimer_ = new QTimer(this);
    iconTimer_->setInterval(500);
    connect(iconTimer_, &QTimer::timeout, this, &TForm_main::blinkInbox);
    iconTimer_->start();

    // Keys during a fast forward reach whatever widget has the focus; the
    // main screen looks at them first.
    if (qApp) qApp->installEventFilter(this);

    // Small enough for every screen the game supports; below the panels'
    // own size the body scrolls.
    setMinimumSize(800, 450);
    // A laptop's 768 lines must not hide the Game Options bar below the
    // screen's edge, nor the windows placed over the main screen.
    QSize start(1200, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start = start.boundedTo(screen->availableGeometry().size()).expandedTo(minimumSize());
    resize(start);
    refresh();
}

QWidget* TForm_main::buildHeader() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("headerBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 8, 20, 8);
    auto* logo = new QLabel(QStringLiteral("CRESTWORK II"), bar);
    logo->setObjectName(QStringLiteral("logo"));
    row->addWidget(logo);
    row->addSpacing(30);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    companyLabel_ = new QLabel(bar);
    companyLabel_->setObjectName(QStringLiteral("companyLabel"));
    playerLabel_ = new QLabel(bar);
    playerLabel_->setObjectName(QStringLiteral("playerLabel"));
    names->addWidget(companyLabel_);
    names->addWidget(playerLabel_);
    row->addLayout(names);
    row->addStretch(1);
    // The banner sits in the header, where it takes no room from the panels.
    christmasBanner_ = new QLabel(bar);
    christmasBanner_->setObjectName(QStringLiteral("christmasBanner"));
    christmasBanner_->setAlignment(Qt::AlignCenter);
    christmasBanner_->hide();
    row->addWidget(christmasBanner_);
    row->addStretch(1);
    auto* calendar = new QLabel(bar);
    calendar->setPixmap(paintedIcon(PaintedIcon::Calendar, 40).pixmap(40, 40));
    row->addWidget(calendar);
    auto* date = new QVBoxLayout;
    date->setSpacing(0);
    weekLabel_ = new QLabel(bar);
    weekLabel_->setObjectName(QStringLiteral("weekLabel"));
    dateLabel_ = new QLabel(bar);
    dateLabel_->setObjectName(QStringLiteral("dateLabel"));
    date->addWidget(weekLabel_);
    date->addWidget(dateLabel_);
    row->addLayout(date);
    return bar;
}

QWidget* TForm_main::buildTurnPanel() {
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("Turn"), PaintedIcon::NextWeek, body, this);
    nextWeekButton_ = quietButton(paintedIcon(PaintedIcon::NextWeek, 36), QStringLiteral("Next Week"),
                                  QStringLiteral("nextWeekButton"), panel);
    nextWeekButton_->setIconSize(QSize(36, 36));
    nextWeekButton_->setToolTip(QStringLiteral("Next Week\nKeys: F5 or Space"));
    connect(nextWeekButton_, &QPushButton::clicked, this, &TForm_main::nextWeekClicked);
    body->addWidget(nextWeekButton_);
    fastForwardButton_ = quietButton(paintedIcon(PaintedIcon::FastForward, 26), QStringLiteral("Fast forward"),
                                     QStringLiteral("fastForwardButton"), panel);
    fastForwardButton_->setIconSize(QSize(26, 26));
    fastForwardButton_->setToolTip(QStringLiteral("Fast forward  stop at next important event\nKey: F6"));
    connect(fastForwardButton_, &QPushButton::clicked, this, &TForm_main::fastForwardClicked);
    body->addWidget(fastForwardButton_);
    return panel;
}

QWidget* TForm_main::buildFinancePanel() {
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("Finances"), PaintedIcon::Coins, body, this);
    cashLabel_ = new QLabel(panel);
    cashLabel_->setObjectName(QStringLiteral("cashLabel"));
    cashLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(cashLabel_);
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        financeCaptions_[i] = new QLabel(panel);
        financeCaptions_[i]->setObjectName(QStringLiteral("financeCaption"));
        financeValues_[i] = new QLabel(panel);
        financeValues_[i]->setObjectName(QStringLiteral("financeValue"));
        financeValues_[i]->setProperty("labelIndex", i + 1);
        financeValues_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(financeCaptions_[i]);
        row->addStretch(1);
        row->addWidget(financeValues_[i]);
        body->addLayout(row);
    }
    // The trend a player looks for first: cash week by week this year.
    cashCurve_ = new CashCurve(panel);
    body->addWidget(cashCurve_);
    body->addSpacing(6);
    inboxButton_ = quietButton(paintedIcon(PaintedIcon::Inbox, 28), QString(), QStringLiteral("inboxButton"), panel);
    inboxButton_->setIconSize(QSize(28, 28));
    inboxButton_->setToolTip(QStringLiteral("Read your letters"));
    inboxOpacity_ = new QGraphicsOpacityEffect(inboxButton_);
    inboxOpacity_->setOpacity(1.0);
    inboxButton_->setGraphicsEffect(inboxOpacity_);
    connect(inboxButton_, &QPushButton::clicked, this, [this] {
        if (busy_ || coverVisible()) return;
        openInbox(game_);
        refresh();
        emit inboxRequested();
    });
    body->addWidget(inboxButton_);
    return panel;
}

QWidget* TForm_main::buildScreensPanel() {
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("Company"), PaintedIcon::Company, body, this);
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    // Each button opens the screen of that name; the screens themselves are
    // created at start-up and found by name.
    const struct {
        const char* caption;
        const char* screen;
    } entries[] = {
        {"Hire/view Employees", "TForm_employees"},
        {"Manage Employees", "TForm_view_employees"},
        {"Platforms", "TForm_platforms"},
        {"CPUs", "Tform_cpu"},
        {"Platform analysis", "TForm_platform_analysis"},
        {"The Bank", "Tform_bank"},
        {"The Exchange", "Tform_stock"},
        {"Company Overview", "TForm_company_overview"},
        {"Company Graphs and Reports", "TForm_books"},
    };
    int i = 0;
    for (const auto& e : entries) {
        auto* b = new QPushButton(QString::fromLatin1(e.caption), panel);
        b->setObjectName(QStringLiteral("open_") + QString::fromLatin1(e.screen));
        b->setProperty("companyScreen", true);
        const QString screen = QString::fromLatin1(e.screen);
        connect(b, &QPushButton::clicked, this, [this, screen] {
            if (!busy_) emit screenRequested(screen);
        });
        // The long captions get a row of their own, the short ones share one.
        static constexpr int kCell[][3] = {{0, 0, 2}, {1, 0, 2}, {2, 0, 1}, {2, 1, 1}, {3, 0, 2}, {4, 0, 1}, {4, 1, 1},
                                             {5, 0, 2}, {6, 0, 2}};
        static_assert(sizeof(kCell) / sizeof(kCell[0]) == sizeof(entries) / sizeof(entries[0]));
        grid->addWidget(b, kCell[i][0], kCell[i][1], 1, kCell[i][2]);
        ++i;
    }
    body->addLayout(grid);
    return panel;
}

QWidget* TForm_main::buildSessionPanel() {
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("Session"), PaintedIcon::Clock, body, this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    auto addRow = [&](int r, const QString& caption, QLabel*& captionLabel, QLabel*& value, const QString& name) {
        captionLabel = new QLabel(caption, panel);
        captionLabel->setObjectName(QStringLiteral("financeCaption"));
        value = new QLabel(panel);
        value->setObjectName(name);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(captionLabel, r, 0);
        grid->addWidget(value, r, 1);
    };
    QLabel* captionOnly = nullptr;
    addRow(0, QStringLiteral("Play time"), captionOnly, playTimeLabel_, QStringLiteral("playTimeLabel"));
    addRow(1, QStringLiteral("Total play time"), captionOnly, totalPlayTimeLabel_,
           QStringLiteral("totalPlayTimeLabel"));
    addRow(2, QString(), cheatCaption_, cheatLabel_, QStringLiteral("cheatLabel"));
    cheatCaption_->setObjectName(QStringLiteral("cheatCaption"));
    body->addLayout(grid);
    return panel;
}

QWidget* TForm_main::buildNewsPanel() {
    QVBoxLayout* body = nullptr;
    QFrame* panel = makePanel(QStringLiteral("News"), PaintedIcon::News, body, this);
    const QString captions[3] = {QStringLiteral("Financial News >>>"), QStringLiteral("Software News >>>"),
                                 QStringLiteral("Hardware News >>>")};
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (int i = 0; i < 3; ++i) {
        newsButtons_[i] = quietButton(QIcon(), captions[i], QStringLiteral("newsButton"), panel);
        newsButtons_[i]->setCheckable(true);
        newsButtons_[i]->setToolTip(captions[i]);
        QString shortText = captions[i];
        shortText.chop(4);
        newsButtons_[i]->setText(shortText.section(QLatin1Char(' '), 0, 0));
        connect(newsButtons_[i], &QPushButton::clicked, this, [this, i] { showNewsCategory(i + 1); });
        buttons->addWidget(newsButtons_[i]);
    }
    body->addLayout(buttons);
    // The items scroll, each one whole: a long text pushes the later items
    // down instead of being cut.
    auto* items = new QWidget;
    auto* list = new QVBoxLayout(items);
    list->setContentsMargins(0, 0, 4, 0);
    list->setSpacing(2);
    newsEmpty_ = new QLabel(QStringLiteral("No news yet"), items);
    newsEmpty_->setObjectName(QStringLiteral("emptyNote"));
    list->addWidget(newsEmpty_);
    for (int k = 0; k < 4; ++k) {
        newsTitles_[k] = new QLabel(items);
        newsTitles_[k]->setObjectName(QStringLiteral("newsTitle"));
        newsTitles_[k]->setWordWrap(true);
        newsTexts_[k] = new QLabel(items);
        newsTexts_[k]->setObjectName(QStringLiteral("newsText"));
        newsTexts_[k]->setWordWrap(true);
        newsTexts_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        list->addSpacing(4);
        list->addWidget(newsTitles_[k]);
        list->addWidget(newsTexts_[k]);
    }
    list->addStretch(1);
    newsScroll_ = new QScrollArea(panel);
    newsScroll_->setObjectName(QStringLiteral("newsScroll"));
    newsScroll_->setWidget(items);
    newsScroll_->setWidgetResizable(true);
    newsScroll_->setFrameShape(QFrame::NoFrame);
    newsScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    newsScroll_->setFocusPolicy(Qt::NoFocus);
    body->addWidget(newsScroll_, 1);
    return panel;
}

QWidget* TForm_main::buildOptionsBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("optionsBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(14, 6, 14, 6);
    row->setSpacing(8);
    auto* options = new QLabel(bar);
    options->setPixmap(paintedIcon(PaintedIcon::Options, 22).pixmap(22, 22));
    row->addWidget(options);
    auto* title = new QLabel(QStringLiteral("Game Options"), bar);
    title->setObjectName(QStringLiteral("optionsTitle"));
    row->addWidget(title);
    row->addSpacing(6);

    auto* save = quietButton(paintedIcon(PaintedIcon::Save, 18), QStringLiteral("Save Game"),
                             QStringLiteral("saveGameButton"), bar);
    save->setToolTip(QStringLiteral("Save the running game"));
    connect(save, &QPushButton::clicked, this, &TForm_main::saveGameClicked);
    row->addWidget(save);
    auto* end = quietButton(paintedIcon(PaintedIcon::EndGame, 18), QStringLiteral("End Game"),
                            QStringLiteral("endGameButton"), bar);
    connect(end, &QPushButton::clicked, this, &TForm_main::endGameClicked);
    row->addWidget(end);
    eventStopButton_ = quietButton(paintedIcon(PaintedIcon::Events, 18), QStringLiteral("Event stop options"),
                                   QStringLiteral("eventStopButton"), bar);
    eventStopButton_->setCheckable(true);
    eventStopButton_->setToolTip(QStringLiteral("Which events stop a fast forward"));
    connect(eventStopButton_, &QPushButton::clicked, this, [this] { togglePopup(eventSetup_, eventStopButton_); });
    row->addWidget(eventStopButton_);
    inboxSetupButton_ = quietButton(paintedIcon(PaintedIcon::Inbox, 18), QStringLiteral("Inbox setup"),
                                    QStringLiteral("inboxSetupButton"), bar);
    inboxSetupButton_->setCheckable(true);
    connect(inboxSetupButton_, &QPushButton::clicked, this, [this] { togglePopup(inboxSetup_, inboxSetupButton_); });
    row->addWidget(inboxSetupButton_);
    autosaveBox_ = boundBox(QStringLiteral("Autosave Each 10 weeks"), game_.session.autosave, bar);
    autosaveBox_->setObjectName(QStringLiteral("autosaveBox"));
    row->addSpacing(6);
    row->addWidget(autosaveBox_);
    row->addStretch(1);
    return bar;
}

QFrame* TForm_main::buildEventSetup() {
    auto* popup = new QFrame(centralWidget());
    popup->setObjectName(QStringLiteral("popupPanel"));
    popup->setProperty("panelName", QStringLiteral("Event setup"));
    auto* col = new QVBoxLayout(popup);
    col->setContentsMargins(14, 10, 14, 12);
    auto* title = new QLabel(QStringLiteral("Event setup"), popup);
    title->setObjectName(QStringLiteral("popupTitle"));
    col->addWidget(title);
    EventStopOptions& e = game_.session.eventStops;
    col->addWidget(boundBox(QStringLiteral("New Hardware Finished"), e.newHardwareFinished, popup));
    col->addWidget(boundBox(QStringLiteral("New Game development Finished"), e.newGameFinished, popup));
    col->addWidget(boundBox(QStringLiteral("Engine development/support Finished"), e.engineFinished, popup));
    col->addWidget(boundBox(QStringLiteral("Hardware research finished"), e.hardwareResearchFinished, popup));
    col->addWidget(boundBox(QStringLiteral("WareHouse Full"), e.warehouseFull, popup));
    col->addWidget(boundBox(QStringLiteral("Employee changes"), e.employeeChanges, popup));
    popup->adjustSize();
    popup->hide();
    return popup;
}

QFrame* TForm_main::buildInboxSetup() {
    auto* popup = new QFrame(centralWidget());
    popup->setObjectName(QStringLiteral("popupPanel"));
    popup->setProperty("panelName", QStringLiteral("Inbox setup"));
    auto* col = new QVBoxLayout(popup);
    col->setContentsMargins(14, 10, 14, 12);
    auto* title = new QLabel(QStringLiteral("Inbox setup"), popup);
    title->setObjectName(QStringLiteral("popupTitle"));
    col->addWidget(title);
    InboxOptions& o = game_.session.inboxOptions;
    col->addWidget(boundBox(QStringLiteral("Mail on production stop"), o.mailOnProductionStop, popup));
    col->addWidget(boundBox(QStringLiteral("Mail on software news"), o.mailOnSoftwareNews, popup));
    col->addWidget(boundBox(QStringLiteral("Mail on Hardware news"), o.mailOnHardwareNews, popup));
    col->addWidget(boundBox(QStringLiteral("Mail on Employee  wage change"), o.mailOnWageChange, popup));
    col->addWidget(boundBox(QStringLiteral("DELETE mail older than One year"), o.deleteOldMail, popup));
    popup->adjustSize();
    popup->hide();
    return popup;
}

void TForm_main::togglePopup(QFrame* popup, QWidget* anchor) {
    const bool open = !popup->isVisible();
    eventSetup_->hide();
    inboxSetup_->hide();
    eventStopButton_->setChecked(false);
    inboxSetupButton_->setChecked(false);
    if (!open) return;
    static_cast<QPushButton*>(anchor)->setChecked(true);
    popup->adjustSize();
    const QPoint at = anchor->mapTo(centralWidget(), QPoint(0, 0));
    popup->move(at.x(), at.y() - popup->height() - 8);
    popup->show();
    popup->raise();
}

void TForm_main::attachProgressWindow(TForm_Project_progress* progress) {
    progress_ = progress;
    if (!progress) return;
    progress->setParent(centralWidget());
    progress->hide();
    connect(progress, &TForm_Project_progress::oneMoreWeekRequested, this, &TForm_main::oneMoreWeekRequested);
    placeOverlays();
}

void TForm_main::setCoverVisible(bool visible) {
    cover_->setGeometry(centralWidget()->rect());
    cover_->setVisible(visible);
    if (visible) cover_->raise();
    if (progress_ && progress_->isVisible()) progress_->raise();
}

bool TForm_main::coverVisible() const { return !cover_->isHidden(); }

void TForm_main::placeOverlays() {
    cover_->setGeometry(centralWidget()->rect());
    if (progress_) {
        const QRect area = centralWidget()->rect();
        // Centred, but never over the header with the date and the company.
        const QWidget* header = centralWidget()->findChild<QWidget*>(QStringLiteral("headerBar"));
        const int top = header ? header->geometry().bottom() + 6 : 0;
        progress_->move(area.center().x() - progress_->width() / 2,
                        std::max(top, area.center().y() - progress_->height() / 2));
    }
}

void TForm_main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeOverlays();
}

void TForm_main::refresh() {
    const MainScreenModel m = buildMainScreenModel(game_);
    companyLabel_->setText(m.companyName.empty() ? QStringLiteral("No company yet") : qs(m.companyName));
    playerLabel_->setText(m.playerName.empty() ? QString() : QStringLiteral("Managing director: ") + qs(m.playerName));
    weekLabel_->setText(qs(m.weekText));
    dateLabel_->setText(qs(m.dateText));
    cashLabel_->setText(qs(m.cashText));
    cashLabel_->setStyleSheet(QStringLiteral("color: ") + toneColour(m.cashTone) + QLatin1Char(';'));
    for (int i = 0; i < 3; ++i) {
        const FinanceLabel& f = m.finance[static_cast<std::size_t>(i)];
        financeCaptions_[i]->setText(qs(f.caption));
        financeValues_[i]->setText(qs(f.text));
        financeValues_[i]->setStyleSheet(QStringLiteral("color: ") + toneColour(f.tone) + QLatin1Char(';'));
        financeValues_[i]->setProperty("tone", static_cast<int>(f.tone));
    }
    cashCurve_->setValues(recentCash(game_));
    inboxButton_->setText(qs(m.inboxText));
    if (inboxButton_->property("newMail").toBool() != m.inboxBlinking) {
        inboxButton_->setProperty("newMail", m.inboxBlinking);
        inboxButton_->setIcon(paintedIcon(m.inboxBlinking ? PaintedIcon::InboxNew : PaintedIcon::Inbox, 28));
        inboxButton_->style()->unpolish(inboxButton_);
        inboxButton_->style()->polish(inboxButton_);
    }
    if (!m.inboxBlinking) inboxOpacity_->setOpacity(1.0);

    cheatCaption_->setText(qs(m.cheatCaption));
    cheatLabel_->setText(qs(m.cheatText));
    playTimeLabel_->setText(qs(m.sessionPlayText));
    totalPlayTimeLabel_->setText(qs(m.totalPlayText));

    refreshWork();
    const std::vector<ProductRow>* lists[3] = {&m.games, &m.engines, &m.platforms};
    const QString empties[3] = {QStringLiteral("No games of your own yet"), QStringLiteral("No engines yet"),
                                QStringLiteral("No platforms yet")};
    for (int i = 0; i < 3; ++i) {
        productLists_[i]->clear();
        for (const ProductRow& r : *lists[i]) {
            auto* item = new QListWidgetItem(qs(r.name), productLists_[i]);
            item->setData(Qt::UserRole, r.slot);
        }
        if (lists[i]->empty()) {
            auto* item = new QListWidgetItem(empties[i], productLists_[i]);
            item->setFlags(Qt::NoItemFlags);
            item->setForeground(QColor(0x8a, 0x94, 0xa0));
        }
    }

    autosaveBox_->setChecked(game_.session.autosave);
    const bool canPlay = !game_.gameOver;
    nextWeekButton_->setEnabled(canPlay);
    fastForwardButton_->setEnabled(canPlay);
    showNewsCategory(newsCategory_);
    marketPanel_->update(m);
}

void TForm_main::showNewsCategory(int category) {
    if (category < 1 || category > 3) return;
    newsCategory_ = category;
    for (int i = 0; i < 3; ++i) newsButtons_[i]->setChecked(i + 1 == category);
    const MainScreenModel m = buildMainScreenModel(game_);
    const auto& items = m.news[static_cast<std::size_t>(category - 1)];
    for (int k = 0; k < 4; ++k) {
        const bool used = k < static_cast<int>(items.size());
        newsTitles_[k]->setText(used ? qs(items[static_cast<std::size_t>(k)].title) : QString());
        newsTexts_[k]->setText(used ? displayText(items[static_cast<std::size_t>(k)].body) : QString());
        newsTitles_[k]->setVisible(used);
        newsTexts_[k]->setVisible(used);
    }
    newsEmpty_->setVisible(items.empty());
}

void TForm_main::setChristmasBanner(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    christmasBanner_->setText(t);
    christmasBanner_->setVisible(!text.isEmpty());
}

void TForm_main::blinkInbox() {
    if (!game_.inbox.newMailFlag) {
        inboxOpacity_->setOpacity(1.0);
        return;
    }
    blinkDim_ = !blinkDim_;
    inboxOpacity_->setOpacity((blinkDim_ ? 150 : 250) / 255.0);
}

void TForm_main::nextWeekClicked() { runTurn(false); }
void TForm_main::fastForwardClicked() { runTurn(true); }

void TForm_main::oneMoreWeekRequested() {
    // Held down, Tab keeps the weeks coming one after another; during a fast
    // forward it stops after the week being played.
    if (game_.session.fastForward) {
        requestStop(game_);
        return;
    }
    if (busy_) {
        extraWeeks_ = 1;
        return;
    }
    runTurn(false);
}

void TForm_main::runTurn(bool fastForward) {
    // Before a game has started, or while a turn runs, the cover lies over
    // the screen and keys must not start another turn.
    if (busy_ || coverVisible() || game_.gameOver) return;
    busy_ = true;
    eventSetup_->hide();
    inboxSetup_->hide();
    eventStopButton_->setChecked(false);
    inboxSetupButton_->setChecked(false);
    setCoverVisible(true);
    if (fastForward)
        startFastForward(game_, player_);
    else
        nextWeek(game_, player_);
    busy_ = false;
    afterAction();
}

void TForm_main::afterAction() {
    if (progress_) {
        progress_->stopAnimation();
        progress_->hide();
    }
    if (game_.gameOver) {
        extraWeeks_ = 0;
        emit gameEnded();
        close();
        return;
    }
    if (closeAfterTurn_) {
        close();
        return;
    }
    setCoverVisible(false);
    refresh();
    emit turnPlayed();
    if (extraWeeks_ > 0) {
        extraWeeks_ = 0;
        QTimer::singleShot(0, this, &TForm_main::nextWeekClicked);
    }
}

void TForm_main::endGameClicked() {
    if (busy_ || coverVisible()) return;
    busy_ = true;
    const bool ended = endGameFromMenu(game_, player_);
    busy_ = false;
    if (ended || game_.gameOver) afterAction();
}

void TForm_main::saveGameClicked() {
    if (busy_ || coverVisible() || game_.gameOver) return;
    busy_ = true;
    setCoverVisible(true);
    saveGameFromMenu(game_, player_);
    setCoverVisible(false);
    busy_ = false;
}

void TForm_main::presentWindow(QWidget* window) {
    if (!window) return;
    if (!window->isVisible()) placeOverMain(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

bool TForm_main::eventFilter(QObject* watched, QEvent* event) {
    // The progress window changes its size between a world set-up and a week.
    if (event->type() == QEvent::Resize && progress_ && watched == progress_) placeOverlays();
    if (event->type() == QEvent::KeyPress && game_.session.fastForward && busy_) {
        auto* w = qobject_cast<QWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (w && w->window() == this && (key == Qt::Key_Escape || key == Qt::Key_Tab)) {
            requestStop(game_);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm_main::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        nextWeekClicked();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // The product card lies over Next Week and the finances; Esc puts
        // it away wherever the focus is.
        if (productCard_) productCard_->hide();
        eventSetup_->hide();
        inboxSetup_->hide();
        eventStopButton_->setChecked(false);
        inboxSetupButton_->setChecked(false);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm_main::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // A week in the middle of its steps must finish; the window closes
        // right after it.
        requestStop(game_);
        closeAfterTurn_ = true;
        event->ignore();
        return;
    }
    iconTimer_->stop();
    QMainWindow::closeEvent(event);
}

}  // namespace cw::ui
