#include "ui/progress_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>

#include "sim/game_clock.h"
#include "state/game.h"
#include "state/inbox.h"
#include "ui/painted_icons.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

QLabel* smallHeading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("progressSection"));
    return l;
}

QListWidget* quietList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

const char* const kNewsHeadings[3] = {"Financial news", "Software news", "Hardware news"};

}  // namespace

TForm_Project_progress::TForm_Project_progress(Game& game, QWidget* parent) : QFrame(parent), game_(game) {
    setObjectName(QStringLiteral("TForm_Project_progress"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(600, 470);
    // The paper look of the window comes from the application; these are
    // its own texts.
    setStyleSheet(QStringLiteral(
        "QLabel#progressHeading { font-size: 15pt; font-weight: bold; color: #17324d; }"
        "QLabel#progressWeek { font-size: 20pt; font-weight: bold; color: #17324d; }"
        "QLabel#progressDate { font-size: 11pt; color: #4a5a6a; }"
        "QLabel#progressMoney { font-size: 12pt; font-weight: bold; color: #1a237e; }"
        "QLabel#progressSection { font-weight: bold; color: #2c5b86; }"
        "QProgressBar { border: 1px solid #b8ae92; border-radius: 5px; background: #fff; height: 14px;"
        "  text-align: center; color: #1d2b3a; }"
        "QProgressBar::chunk { background: #d9a521; border-radius: 4px; }"
        "QPushButton#stopFastForward { font-size: 11pt; padding: 6px 16px; border-radius: 8px;"
        "  border: 2px solid #8c2f2f; background: #f6dede; }"));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 16, 20, 16);
    root->setSpacing(8);

    heading_ = new QLabel(QStringLiteral("Playing the week"), this);
    heading_->setObjectName(QStringLiteral("progressHeading"));
    root->addWidget(heading_, 0, Qt::AlignHCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progressBar"));
    bar_->setRange(0, 100);
    bar_->hide();
    root->addWidget(bar_);

    weekBox_ = new QWidget(this);
    auto* dateRow = new QHBoxLayout(weekBox_);
    dateRow->setContentsMargins(0, 0, 0, 0);
    auto* calendar = new QLabel(weekBox_);
    calendar->setPixmap(paintedIcon(PaintedIcon::Calendar, 40).pixmap(40, 40));
    dateRow->addWidget(calendar);
    auto* dateCol = new QVBoxLayout;
    weekLabel_ = new QLabel(this);
    weekLabel_->setObjectName(QStringLiteral("progressWeek"));
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName(QStringLiteral("progressDate"));
    dateCol->addWidget(weekLabel_);
    dateCol->addWidget(dateLabel_);
    dateRow->addLayout(dateCol, 1);
    auto* rightCol = new QVBoxLayout;
    moneyLabel_ = new QLabel(this);
    moneyLabel_->setObjectName(QStringLiteral("progressMoney"));
    moneyLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    inboxLabel_ = new QLabel(this);
    inboxLabel_->setObjectName(QStringLiteral("progressInbox"));
    inboxLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rightCol->addWidget(moneyLabel_);
    rightCol->addWidget(inboxLabel_);
    dateRow->addLayout(rightCol);
    root->addWidget(weekBox_);

    listsBox_ = new QWidget(this);
    auto* lists = new QHBoxLayout(listsBox_);
    lists->setContentsMargins(0, 0, 0, 0);
    auto* platformsCol = new QVBoxLayout;
    platformsCol->addWidget(smallHeading(QStringLiteral("Platforms on the market"), this));
    platformTable_ = new QTreeWidget(this);
    platformTable_->setObjectName(QStringLiteral("progressPlatforms"));
    platformTable_->setFocusPolicy(Qt::NoFocus);
    platformTable_->setSelectionMode(QAbstractItemView::NoSelection);
    platformTable_->setRootIsDecorated(false);
    platformTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    platformTable_->setHeaderLabels(
        {QStringLiteral("Platform"), QStringLiteral("Share"), QStringLiteral("CPU"), QStringLiteral("Price")});
    QHeaderView* head = platformTable_->header();
    head->setStretchLastSection(false);
    head->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) {
        head->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        platformTable_->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    platformsCol->addWidget(platformTable_);
    auto* tasksCol = new QVBoxLayout;
    tasksCol->addWidget(smallHeading(QStringLiteral("Projects"), this));
    taskList_ = quietList(QStringLiteral("progressTasks"), this);
    tasksCol->addWidget(taskList_);
    lists->addLayout(platformsCol, 3);
    lists->addLayout(tasksCol, 2);
    root->addWidget(listsBox_, 1);

    newsHeading_ = smallHeading(QString::fromLatin1(kNewsHeadings[0]), this);
    root->addWidget(newsHeading_);
    newsList_ = quietList(QStringLiteral("progressNews"), this);
    newsList_->setFixedHeight(86);
    root->addWidget(newsList_);


    stopButton_ = new QPushButton(paintedIcon(PaintedIcon::Stop, 20), QStringLiteral("Stop fast forward"), this);
    stopButton_->setObjectName(QStringLiteral("stopFastForward"));
    stopButton_->setFocusPolicy(Qt::NoFocus);
    stopButton_->setCursor(Qt::PointingHandCursor);
    stopButton_->setToolTip(QStringLiteral("Stops after the week being played"));
    connect(stopButton_, &QPushButton::clicked, this, [this] { requestStop(game_); });
    root->addWidget(stopButton_, 0, Qt::AlignHCenter);

    timer_ = new QTimer(this);
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &TForm_Project_progress::animate);

    weekLabel_->setText(qs("Week " + std::to_string(game_.currentWeek) + ", " + std::to_string(game_.currentYear)));
    updateFromGame();
    hide();
}

void TForm_Project_progress::setInfo(const ProgressInfo& info) {
    // A world set-up or a load reports only its step and its bar: the week's
    // figures, which do not exist yet or are the old world's, stay hidden
    // until a week reports them.
    if (!info.weekText.empty())
        settingUp_ = false;
    else if (!info.caption.empty() || info.barPercent >= 0)
        settingUp_ = true;
    if (!info.caption.empty()) {
        captionGiven_ = true;
        heading_->setText(qs(info.caption));
    }
    if (!info.weekText.empty()) {
        weekLabel_->setText(qs(info.weekText));
        dateLabel_->setText(qs(info.dateText));
        inboxLabel_->setText(qs(info.inboxText));
        fillPlatforms();
    }
    bar_->setVisible(info.barPercent >= 0);
    if (info.barPercent >= 0) bar_->setValue(info.barPercent);
    fitToMode();
    updateFromGame();
}

// A set-up shows a small window with its step and bar; a week the full one.
void TForm_Project_progress::fitToMode() {
    const QSize wanted = settingUp_ ? QSize(600, 130) : QSize(600, 470);
    if (size() != wanted) setFixedSize(wanted);
}

void TForm_Project_progress::fillPlatforms() {
    platformTable_->clear();
    for (const ProgressPlatformRow& r : progressPlatformRows(game_)) {
        auto* item = new QTreeWidgetItem(platformTable_, {qs(r.name), qs(r.share), qs(r.cpu), qs(r.price)});
        for (int c = 1; c < 4; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
}

QStringList TForm_Project_progress::platformRows() const {
    QStringList out;
    for (int i = 0; i < platformTable_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = platformTable_->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < 4; ++c) cells << item->text(c);
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

QStringList TForm_Project_progress::platformHeadings() const {
    QStringList out;
    for (int c = 0; c < 4; ++c) out << platformTable_->headerItem()->text(c);
    return out;
}

void TForm_Project_progress::startAnimation() {
    if (!timer_->isActive()) timer_->start();
    updateFromGame();
}

void TForm_Project_progress::stopAnimation() { timer_->stop(); }

bool TForm_Project_progress::animating() const { return timer_->isActive(); }

void TForm_Project_progress::animate() {
    if (isVisible()) setFocus(Qt::OtherFocusReason);
    stopGreen_ = !stopGreen_;
    stopButton_->setStyleSheet(stopGreen_ ? QStringLiteral("color: #1b7a2c;") : QStringLiteral("color: #000000;"));
    if (animation_.advance() || newsList_->count() == 0) showNews();
    updateFromGame();
}

void TForm_Project_progress::updateFromGame() {
    const bool ff = game_.session.fastForward && !settingUp_;
    if (!captionGiven_) heading_->setText(ff ? QStringLiteral("Fast forward") : QStringLiteral("Playing the week"));
    weekBox_->setVisible(!settingUp_);
    listsBox_->setVisible(!settingUp_);
    stopButton_->setVisible(ff);
    newsHeading_->setVisible(ff);
    newsList_->setVisible(ff);
    if (settingUp_) return;
    moneyLabel_->setText(qs(progressMoneyText(game_)));
    if (inboxLabel_->text().isEmpty()) inboxLabel_->setText(qs(inboxProgressText(game_)));
    const MainScreenModel model = buildMainScreenModel(game_);
    taskList_->clear();
    for (const TaskRow& t : model.tasks)
        taskList_->addItem(qs(t.name + " - " + t.typeText + " - " + std::to_string(t.percent) + "%"));
}

void TForm_Project_progress::showNews() {
    const int category = animation_.newsCategory;
    newsHeading_->setText(QString::fromLatin1(kNewsHeadings[category - 1]));
    newsList_->clear();
    for (const auto& line : progressNewsLines(game_, category)) newsList_->addItem(qs(line));
}

bool TForm_Project_progress::event(QEvent* e) {
    // Tab would otherwise only move the focus; here it asks for one more week.
    // During a fast forward it stops after the week being played, as Esc does.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
        if (game_.session.fastForward)
            requestStop(game_);
        else
            emit oneMoreWeekRequested();
        return true;
    }
    return QFrame::event(e);
}

void TForm_Project_progress::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && game_.session.fastForward) {
        requestStop(game_);
        return;
    }
    QFrame::keyPressEvent(e);
}

void TForm_Project_progress::showEvent(QShowEvent* e) {
    QFrame::showEvent(e);
    showNews();
    updateFromGame();
    setFocus(Qt::OtherFocusReason);
}

// A world set-up or a load names its heading only while it runs; the weeks
// after it show their own.
void TForm_Project_progress::hideEvent(QHideEvent* e) {
    QFrame::hideEvent(e);
    captionGiven_ = false;
    settingUp_ = false;
    bar_->hide();
    fitToMode();
}

}  // namespace cw::ui
