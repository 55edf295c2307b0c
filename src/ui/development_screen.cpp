#include "ui/development_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "state/game.h"
#include "state/text_format.h"
#include "ui/dev_look.h"
#include "ui/dev_tools_panels.h"
#include "ui/engine_page.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

QString num(long long v) { return qs(thousands(v)); }

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("note"));
    l->setWordWrap(true);
    return l;
}

constexpr const char* kFocusNames[3] = {"GamePlay", "Complexity", "Replayability"};
constexpr const char* kResearchNames[3] = {"Programming", "Design/GUI", "Graphics"};

}  // namespace

TForm_development::TForm_development(Game& g, Player& p, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), model_(std::make_unique<DevelopmentScreen>(g)) {
    setObjectName(QStringLiteral("TForm_development"));
    setWindowTitle(QStringLiteral("Game Development"));
    setStyleSheet(devStyleSheet(objectName()));
    resize(1024, 700);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 10);
    root->setSpacing(8);

    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("headerBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(16, 8, 16, 8);
    bandLayout->setSpacing(12);
    auto* icon = new QLabel(band);
    icon->setPixmap(devBandPicture());
    bandLayout->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    auto* title = new QLabel(QStringLiteral("Game Development"), band);
    title->setObjectName(QStringLiteral("bandTitle"));
    texts->addWidget(title);
    subtitle_ = new QLabel(band);
    subtitle_->setObjectName(QStringLiteral("bandSubtitle"));
    texts->addWidget(subtitle_);
    bandLayout->addLayout(texts, 1);
    root->addWidget(band);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("developmentPages"));
    tabs->addTab(buildGamePage(), QStringLiteral("New Game"));
    enginePage_ = new EngineDevelopmentPage(g, p, tabs);
    tabs->addTab(enginePage_, QStringLiteral("New Engine"));
    toolsPanel_ = new BuyToolsPanel(g, p, tabs);
    tabs->addTab(toolsPanel_, QStringLiteral("Buy Tools"));
    piracyPanel_ = new AntiPiracyPanel(g, p, tabs);
    tabs->addTab(piracyPanel_, QStringLiteral("Anti-Piracy"));
    // Better tools shorten the work the estimate shows.
    connect(toolsPanel_, &BuyToolsPanel::toolBought, this, &TForm_development::refresh);
    connect(enginePage_, &EngineDevelopmentPage::engineStarted, this, [this](int task) {
        hide();
        emit projectStarted(task);
    });
    auto* tabsRow = new QHBoxLayout;
    tabsRow->setContentsMargins(10, 0, 10, 0);
    tabsRow->addWidget(tabs);
    root->addLayout(tabsRow, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(14, 0, 14, 0);
    bottom->addWidget(noteLabel(QStringLiteral("Find a team leader, name the game, choose a genre and up to three "
                                               "platforms, then press Start development."),
                                this),
                      1);
    // When to release is planned here too.
    auto* calendar = new QPushButton(QStringLiteral("Release Calendar"), this);
    calendar->setObjectName(QStringLiteral("calendarButton"));
    calendar->setAutoDefault(false);
    connect(calendar, &QPushButton::clicked, this, &TForm_development::calendarRequested);
    bottom->addWidget(calendar);
    auto* analysis = new QPushButton(QStringLiteral("Release Analysis"), this);
    analysis->setObjectName(QStringLiteral("analysisButton"));
    analysis->setAutoDefault(false);
    connect(analysis, &QPushButton::clicked, this, [this] {
        int platform = 0;
        for (const auto& line : model_->platformLines())
            if (line.checked && platform == 0) platform = line.platform;
        emit analysisRequested(QString::fromStdString(model_->name()), platform, model_->genre());
    });
    bottom->addWidget(analysis);
    start_ = new QPushButton(QStringLiteral("Start development"), this);
    start_->setObjectName(QStringLiteral("startButton"));
    connect(start_, &QPushButton::clicked, this, &TForm_development::pressStart);
    bottom->addWidget(start_);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(close);
    root->addLayout(bottom);
    // The engine page has its own "Start development".
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) { start_->setVisible(page == 0); });

    refresh();
}

TForm_development::~TForm_development() = default;

QWidget* TForm_development::buildGamePage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 4, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    // The team leader's box sits top left, where the refusal without a
    // leader tells the player to look for "Find".
    grid->addWidget(buildTeamGroup(page), 0, 0);
    grid->addWidget(buildNameGroup(page), 1, 0);
    grid->addWidget(buildPlatformGroup(page), 0, 1, 2, 1);
    grid->addWidget(buildSlidersGroup(page), 0, 2, 2, 1);
    grid->addWidget(buildExtrasGroup(page), 2, 0, 1, 2);
    grid->addWidget(buildEstimateGroup(page), 2, 2);
    grid->setColumnStretch(0, 10);
    grid->setColumnStretch(1, 11);
    grid->setColumnStretch(2, 10);
    return page;
}

QGroupBox* TForm_development::buildNameGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("2 \u00b7 Name and genre"), parent);
    auto* l = new QVBoxLayout(box);
    l->addWidget(new QLabel(QStringLiteral("Game name"), box));
    name_ = new QLineEdit(box);
    name_->setObjectName(QStringLiteral("Edit_gamename"));
    name_->setPlaceholderText(QStringLiteral("Name your new game"));
    name_->setMaxLength(30);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { model_->setName(t.toStdString()); });
    l->addWidget(name_);
    l->addWidget(new QLabel(QStringLiteral("Genre"), box));
    genre_ = new QComboBox(box);
    genre_->setObjectName(QStringLiteral("ComboBox_genre"));
    connect(genre_, &QComboBox::activated, this, &TForm_development::chooseGenre);
    l->addWidget(genre_);
    auto* row = new QHBoxLayout;
    auto* sequel = new QPushButton(QStringLiteral("Make Sequel..."), box);
    sequel->setObjectName(QStringLiteral("Button_sequel"));
    sequel->setAutoDefault(false);
    sequel->setToolTip(QStringLiteral("Continue one of your released games: its fans follow"));
    connect(sequel, &QPushButton::clicked, this, &TForm_development::pressSequel);
    row->addWidget(sequel);
    sequelLabel_ = noteLabel(QString(), box);
    row->addWidget(sequelLabel_, 1);
    l->addLayout(row);
    return box;
}

QGroupBox* TForm_development::buildPlatformGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("3 \u00b7 Platforms"), parent);
    auto* l = new QVBoxLayout(box);
    warning_ = new QLabel(box);
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setWordWrap(true);
    l->addWidget(warning_);
    platforms_ = new QListWidget(box);
    platforms_->setObjectName(QStringLiteral("CheckListBox_platforms"));
    connect(platforms_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) return;
        checkPlatform(platforms_->row(item), item->checkState() == Qt::Checked);
    });
    l->addWidget(platforms_, 1);
    l->addWidget(noteLabel(QStringLiteral("Number shown in parentheses is players engine scores"), box));
    l->addWidget(noteLabel(QStringLiteral("Max choose 3 platforms."), box));
    return box;
}

QGroupBox* TForm_development::buildTeamGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("1 \u00b7 Team leader"), parent);
    auto* l = new QGridLayout(box);
    leader_ = new QLabel(box);
    leader_->setObjectName(QStringLiteral("leaderName"));
    l->addWidget(leader_, 0, 0);
    find_ = new QPushButton(QStringLiteral("Find"), box);
    find_->setObjectName(QStringLiteral("Button_find"));
    find_->setAutoDefault(false);
    find_->setToolTip(QStringLiteral("Choose the employee who leads the project"));
    connect(find_, &QPushButton::clicked, this, &TForm_development::pressFind);
    l->addWidget(find_, 0, 1);
    l->addWidget(new QLabel(QStringLiteral("Freelancers"), box), 1, 0);
    freelancers_ = new QSpinBox(box);
    freelancers_->setObjectName(QStringLiteral("SpinEdit_freelancers"));
    connect(freelancers_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        model_->setFreelancers(v);
        refresh();
    });
    l->addWidget(freelancers_, 1, 1);
    cost_ = new QLabel(box);
    cost_->setObjectName(QStringLiteral("Label_freelancercost"));
    l->addWidget(cost_, 2, 0, 1, 2);
    return box;
}

QGroupBox* TForm_development::buildExtrasGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Extras"), parent);
    auto* l = new QHBoxLayout(box);
    const struct {
        const char* title;
        std::vector<Extra> extras;
    } groups[] = {{"Bundled Extras", {Extra::GameEditor, Extra::ModEditor}},
                  {"Technical Extras", {Extra::Multiplayer, Extra::Network, Extra::Mmo}},
                  {"Misc. Extras", {Extra::Cutscene, Extra::Voice, Extra::Celebrity}}};
    static const char* const kObjectNames[kExtraCount] = {"CheckBox_editor",  "CheckBox_mod",      "CheckBox_multi",
                                                          "CheckBox_network", "CheckBox_mmo",      "CheckBox_actors",
                                                          "CheckBox_voice",   "CheckBox_endorse"};
    static const char* const kHints[kExtraCount] = {
        "Ship a level editor with the game", "Let players make their own mods", "Several players on one machine",
        "Play over a cable or a network", "A massive online world",
        "A professional actor for the cut scenes (paid when you start)",
        "A professional actor records the voices (paid when you start)",
        "A celebrity endorses the game (paid when you start)"};
    for (const auto& grp : groups) {
        auto* sub = new QGroupBox(QString::fromLatin1(grp.title), box);
        auto* sl = new QVBoxLayout(sub);
        for (Extra e : grp.extras) {
            auto* c = new QCheckBox(sub);
            const auto i = static_cast<std::size_t>(e);
            c->setObjectName(QString::fromLatin1(kObjectNames[i]));
            c->setToolTip(QString::fromLatin1(kHints[i]));
            connect(c, &QCheckBox::toggled, this, [this, e](bool on) {
                if (filling_) return;
                model_->setExtra(e, on);
                refresh();
            });
            extras_[i] = c;
            sl->addWidget(c);
        }
        sl->addStretch(1);
        l->addWidget(sub);
    }
    return box;
}

QGroupBox* TForm_development::buildSlidersGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Research/focus (%)"), parent);
    auto* l = new QGridLayout(box);
    l->setVerticalSpacing(4);
    int row = 0;
    for (int i = 0; i < 3; ++i) {
        l->addWidget(new QLabel(QString::fromLatin1(kFocusNames[i]), box), row, 0);
        auto* s = new QSlider(Qt::Horizontal, box);
        s->setObjectName(QStringLiteral("TrackBar_focus%1").arg(i + 1));
        s->setRange(1, 100);
        connect(s, &QSlider::valueChanged, this, [this, i](int v) {
            if (filling_) return;
            model_->moveFocus(i, v);
            refresh();
        });
        focus_[static_cast<std::size_t>(i)] = s;
        l->addWidget(s, row, 1);
        focusValue_[static_cast<std::size_t>(i)] = new QLabel(box);
        l->addWidget(focusValue_[static_cast<std::size_t>(i)], row, 2);
        ++row;
    }
    auto* research = new QLabel(QStringLiteral("Employee Reseach Amount"), box);
    research->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; padding-top: 10px;"));
    l->addWidget(research, row++, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        l->addWidget(new QLabel(QString::fromLatin1(kResearchNames[i]), box), row, 0);
        auto* s = new QSlider(Qt::Horizontal, box);
        s->setObjectName(QStringLiteral("TrackBar_research%1").arg(i + 1));
        s->setRange(25, 100);
        connect(s, &QSlider::valueChanged, this, [this, i](int v) {
            if (filling_) return;
            model_->moveResearch(i, v);
            refresh();
        });
        research_[static_cast<std::size_t>(i)] = s;
        l->addWidget(s, row, 1);
        researchValue_[static_cast<std::size_t>(i)] = new QLabel(box);
        l->addWidget(researchValue_[static_cast<std::size_t>(i)], row, 2);
        ++row;
    }
    l->addWidget(noteLabel(QStringLiteral("Focus: what the game stresses (always 100 % together). Research: more "
                                          "work for a better game."),
                           box),
                 row++, 0, 1, 3);
    auto* musicCaption = new QLabel(QStringLiteral("Music"), box);
    musicCaption->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; padding-top: 10px;"));
    l->addWidget(musicCaption, row++, 0, 1, 3);
    music_ = new QPushButton(box);
    music_->setObjectName(QStringLiteral("Button_music"));
    music_->setAutoDefault(false);
    music_->setToolTip(QStringLiteral("Click to change: the music rights holder gets this part of the game's revenue"));
    connect(music_, &QPushButton::clicked, this, [this] {
        model_->cycleMusic();
        refresh();
    });
    l->addWidget(music_, row++, 0, 1, 3);
    l->setRowStretch(row, 1);
    l->setColumnStretch(1, 1);
    return box;
}

QGroupBox* TForm_development::buildEstimateGroup(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Work estimate"), parent);
    auto* l = new QGridLayout(box);
    static const char* const kCaptions[4] = {"Approx. work (man-weeks) :", "Amount of programming : ",
                                             "Amount of Designing : ", "Amount of Graphics : "};
    for (int i = 0; i < 4; ++i) {
        l->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), box), i, 0);
        auto* v = new QLabel(box);
        v->setObjectName(i == 0 ? QStringLiteral("bigNumber") : QStringLiteral("areaNumber"));
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        estimate_[static_cast<std::size_t>(i)] = v;
        l->addWidget(v, i, 1);
    }
    return box;
}

void TForm_development::reopen() {
    model_->open();
    enginePage_->reopen();
    toolsPanel_->reopen();
    piracyPanel_->reopen();
    refresh();
}

void TForm_development::fillPlatforms() {
    platforms_->clear();
    for (const auto& line : model_->platformLines()) {
        auto* item = new QListWidgetItem(qs(line.text), platforms_);
        if (line.platform > 0) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(line.checked ? Qt::Checked : Qt::Unchecked);
            item->setForeground(line.rating > 0 ? QColor(0xdf, 0xe7, 0xf1) : QColor(0xff, 0xb3, 0x5c));
            if (line.rating <= 0)
                item->setToolTip(QStringLiteral("No engine yet: you get an offer to buy one when you start"));
        } else {
            item->setFlags(Qt::NoItemFlags);
        }
    }
    platforms_->setEnabled(model_->platformListEnabled());
}

void TForm_development::syncSliders() {
    for (std::size_t i = 0; i < 3; ++i) {
        focus_[i]->setValue(model_->focus()[i]);
        focusValue_[i]->setText(QString::number(model_->focus()[i]) + QStringLiteral(" %"));
        research_[i]->setValue(model_->research()[i]);
        researchValue_[i]->setText(QString::number(model_->research()[i]) + QStringLiteral(" %"));
    }
}

void TForm_development::refresh() {
    filling_ = true;
    const DevelopmentScreen& m = *model_;
    subtitle_->setText(QStringLiteral("Week %1, %2    \u2022    Cash %3 $")
                           .arg(game_.currentWeek)
                           .arg(game_.currentYear)
                           .arg(num(game_.world().money)));
    if (name_->text() != qs(m.name())) name_->setText(qs(m.name()));
    genre_->clear();
    for (const auto& item : m.genres()) genre_->addItem(qs(item.text));
    genre_->setCurrentIndex(m.genreRow());
    sequelLabel_->setText(m.sequelChosen() ? QStringLiteral("Sequel of ") +
                                                 qs(game_.tables().gameTitles[m.sequelYear()][m.sequelSlot()].title.str())
                                           : QString());
    fillPlatforms();
    QString warning = qs(m.engineNote());
    if (!warning.isEmpty() && m.platformListEnabled())
        warning += QStringLiteral("\nCheck a platform: you will be offered an engine when you start.");
    if (m.genre() <= 0) warning = QStringLiteral("Choose a genre to see the platforms.");
    warning_->setText(warning);
    warning_->setVisible(!warning.isEmpty());

    leader_->setText(qs(m.leaderText()));
    leader_->setProperty("none", m.leader() <= 0);
    leader_->style()->unpolish(leader_);
    leader_->style()->polish(leader_);
    freelancers_->setEnabled(m.freelancersEnabled());
    freelancers_->setRange(0, m.freelancersMax());
    freelancers_->setValue(m.freelancers());
    cost_->setText(qs(m.freelancerCostText()));

    for (int i = 0; i < kExtraCount; ++i) {
        const Extra e = static_cast<Extra>(i);
        QCheckBox* c = extras_[static_cast<std::size_t>(i)];
        c->setText(qs(extraCaption(e, game_.currentYear)));
        c->setChecked(m.extra(e));
        const bool paid = e == Extra::Cutscene || e == Extra::Voice || e == Extra::Celebrity;
        c->setVisible(!paid || m.paidExtrasShown());
    }
    music_->setText(qs(musicCaption(m.music())));
    syncSliders();

    if (m.estimateShown()) {
        estimate_[0]->setText(num(m.shownTotal()));
        for (int a = 0; a < 3; ++a) estimate_[static_cast<std::size_t>(a + 1)]->setText(num(m.shownArea(a)));
    } else {
        for (QLabel* l : estimate_) l->setText(QStringLiteral("\u2013"));
    }
    start_->setEnabled(m.startEnabled());
    start_->setToolTip(m.startEnabled() ? QStringLiteral("Check the choices and start the game project")
                                        : qs(m.startDisabledReason()));
    filling_ = false;
}

void TForm_development::chooseGenre(int row) {
    model_->chooseGenre(row);
    refresh();
}

void TForm_development::checkPlatform(int line, bool checked) {
    model_->checkPlatform(line, checked);
    refresh();
}

void TForm_development::pressFind() {
    model_->findLeader(player_);
    refresh();
}

void TForm_development::pressSequel() {
    const auto rows = model_->sequelRows();
    SequelDialog dialog(rows, this);
    if (dialog.exec() == QDialog::Accepted && dialog.chosen() >= 0) {
        const auto& r = rows[static_cast<std::size_t>(dialog.chosen())];
        model_->chooseSequel(r.year, r.slot);
    }
    refresh();
}

void TForm_development::pressStart() {
    model_->setName(name_->text().toStdString());
    const ActionResult refused = model_->startDevelopment(player_);
    if (!refused) {
        const int task = model_->createdTask();
        hide();
        emit projectStarted(task);
        return;
    }
    refresh();
    if (model_->wantsNameFocus()) name_->setFocus();
}

void TForm_development::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        reopen();
        centreOverParent(this);
        name_->setFocus();
    }
}

// ---------------------------------------------------------------------------

SequelDialog::SequelDialog(const std::vector<DevelopmentScreen::SequelRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SequelDialog"));
    setWindowTitle(QStringLiteral("Make Sequel..."));
    setStyleSheet(devStyleSheet(objectName()));
    resize(560, 360);
    auto* l = new QVBoxLayout(this);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3, this);
    table->setHorizontalHeaderLabels({QStringLiteral("Game name"), QStringLiteral("Fans numbers"),
                                      QStringLiteral("Earnings")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // The figures' headings are wider than the figures; sized by content so
    // neither is cut.
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        table->setItem(r, 0, new QTableWidgetItem(qs(row.name)));
        table->setItem(r, 1, new QTableWidgetItem(qs(row.fans)));
        auto* earn = new QTableWidgetItem(qs(thousands(row.earnings)) + QStringLiteral(" $"));
        earn->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(r, 2, earn);
    }
    l->addWidget(table, 1);
    if (rows.empty())
        l->addWidget(noteLabel(QStringLiteral("None of your released games can get a sequel yet."), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* choose = new QPushButton(QStringLiteral("Choose game"), this);
    choose->setEnabled(false);
    connect(table, &QTableWidget::itemSelectionChanged, choose, [table, choose] {
        choose->setEnabled(!table->selectedItems().isEmpty());
    });
    connect(choose, &QPushButton::clicked, this, [this, table] {
        chosen_ = table->currentRow();
        accept();
    });
    buttons->addWidget(choose);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    l->addLayout(buttons);
}

}  // namespace cw::ui
