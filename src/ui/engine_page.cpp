#include "ui/engine_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "state/game.h"
#include "ui/qt_player.h"
#include "ui/view_engines_screen.h"

namespace cw::ui {
namespace {
constexpr const char* kListCaptions[3] = {"Simple Functions :", "Standard Functions :", "Advanced Functions"};
}  // namespace

EngineDevelopmentPage::EngineDevelopmentPage(Game& g, Player& p, QWidget* parent)
    : QWidget(parent), game_(g), player_(p), model_(std::make_unique<NewEngineScreen>(g)) {
    setObjectName(QStringLiteral("newEnginePage"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 8);
    grid->setHorizontalSpacing(10);

    auto* team = new QGroupBox(QStringLiteral("Team manager"), this);
    auto* tl = new QGridLayout(team);
    manager_ = new QLabel(team);
    tl->addWidget(manager_, 0, 0);
    auto* find = new QPushButton(QStringLiteral("Find"), team);
    find->setObjectName(QStringLiteral("engineFindButton"));
    connect(find, &QPushButton::clicked, this, &EngineDevelopmentPage::pressFind);
    tl->addWidget(find, 0, 1);
    tl->addWidget(new QLabel(QStringLiteral("Freelancers"), team), 1, 0);
    freelancers_ = new QSpinBox(team);
    connect(freelancers_, &QSpinBox::valueChanged, this, [this](int v) {
        if (filling_) return;
        model_->setFreelancers(v);
        refresh();
    });
    tl->addWidget(freelancers_, 1, 1);
    cost_ = new QLabel(team);
    tl->addWidget(cost_, 2, 0, 1, 2);
    grid->addWidget(team, 0, 0);

    auto* what = new QGroupBox(QStringLiteral("Engine"), this);
    auto* wl = new QGridLayout(what);
    wl->addWidget(new QLabel(QStringLiteral("Engine Name"), what), 0, 0);
    name_ = new QLineEdit(what);
    name_->setMaxLength(20);
    wl->addWidget(name_, 0, 1);
    platform_ = new QComboBox(what);
    genre_ = new QComboBox(what);
    platform_->setObjectName(QStringLiteral("ComboBox_engineplatform"));
    genre_->setObjectName(QStringLiteral("ComboBox_enginegenre"));
    wl->addWidget(platform_, 1, 0, 1, 2);
    wl->addWidget(genre_, 2, 0, 1, 2);
    connect(platform_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_) return;
        model_->choosePlatform(i > 0 ? model_->platforms()[static_cast<std::size_t>(i - 1)].index : 0);
        refresh();
    });
    connect(genre_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_) return;
        model_->chooseGenre(i > 0 ? model_->genres()[static_cast<std::size_t>(i - 1)].index : 0);
        refresh();
    });
    grid->addWidget(what, 0, 1);

    auto* panel = new QGroupBox(QStringLiteral("Your engine"), this);
    auto* pl = new QVBoxLayout(panel);
    for (auto*& l : engineLines_) {
        l = new QLabel(panel);
        l->setWordWrap(true);
        pl->addWidget(l);
    }
    grid->addWidget(panel, 0, 2);

    auto* functions = new QGroupBox(QStringLiteral("Engine functions"), this);
    auto* fl = new QGridLayout(functions);
    for (int l = 0; l < 3; ++l) {
        fl->addWidget(new QLabel(QString::fromUtf8(kListCaptions[l]), functions), 0, l);
        lists_[static_cast<std::size_t>(l)] = new QListWidget(functions);
        fl->addWidget(lists_[static_cast<std::size_t>(l)], 1, l);
        connect(lists_[static_cast<std::size_t>(l)], &QListWidget::itemChanged, this, [this, l](QListWidgetItem* it) {
            if (filling_) return;
            model_->tick(l, lists_[static_cast<std::size_t>(l)]->row(it), it->checkState() == Qt::Checked);
            refresh();
        });
    }
    grid->addWidget(functions, 1, 0, 1, 3);

    auto* opts = new QGroupBox(QStringLiteral("Options"), this);
    auto* ol = new QHBoxLayout(opts);
    for (int o = 0; o < kEngineOptionCount; ++o) {
        auto* box = new QCheckBox(QString::fromUtf8(engineOptionCaption(static_cast<EngineOption>(o))), opts);
        options_[static_cast<std::size_t>(o)] = box;
        ol->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, o](bool on) {
            if (filling_) return;
            model_->setOption(static_cast<EngineOption>(o), on);
            refresh();
        });
    }
    grid->addWidget(opts, 2, 0, 1, 3);

    auto* bottom = new QHBoxLayout;
    estimate_ = new QLabel(this);
    estimate_->setObjectName(QStringLiteral("engineEstimate"));
    bottom->addWidget(estimate_, 1);
    auto* view = new QPushButton(QStringLiteral("View Engines"), this);
    view->setObjectName(QStringLiteral("viewEnginesButton"));
    view->setAutoDefault(false);
    connect(view, &QPushButton::clicked, this, [this] {
        TForm_view_engines screen(game_, this);
        screen.exec();
    });
    bottom->addWidget(view);
    auto* start = new QPushButton(QStringLiteral("Start development"), this);
    start->setObjectName(QStringLiteral("engineStartButton"));
    connect(start, &QPushButton::clicked, this, &EngineDevelopmentPage::pressStart);
    bottom->addWidget(start);
    grid->addLayout(bottom, 3, 0, 1, 3);

    reopen();
}

EngineDevelopmentPage::~EngineDevelopmentPage() = default;

void EngineDevelopmentPage::reopen() {
    model_->open();
    filling_ = true;
    platform_->clear();
    platform_->addItem(QStringLiteral("Choose platform"));
    for (const auto& i : model_->platforms()) platform_->addItem(qs(i.name));
    genre_->clear();
    genre_->addItem(QStringLiteral("Choose genre"));
    for (const auto& i : model_->genres()) genre_->addItem(qs(i.name));
    name_->clear();
    filling_ = false;
    fillFunctions();
    refresh();
}

void EngineDevelopmentPage::fillFunctions() {
    filling_ = true;
    for (int l = 0; l < 3; ++l) {
        QListWidget* w = lists_[static_cast<std::size_t>(l)];
        w->clear();
        const auto& fs = model_->functions()[static_cast<std::size_t>(l)];
        for (std::size_t i = 0; i < fs.size(); ++i) {
            auto* it = new QListWidgetItem(qs(fs[i].text()), w);
            it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
            it->setCheckState(model_->ticked(l, static_cast<int>(i)) ? Qt::Checked : Qt::Unchecked);
        }
    }
    filling_ = false;
}

void EngineDevelopmentPage::refresh() {
    filling_ = true;
    const int leader = model_->leader();
    manager_->setText(leader > 0 ? qs(game_.tables().people[leader].name.str()) : QStringLiteral("No team manager"));
    freelancers_->setEnabled(leader > 0);
    freelancers_->setRange(0, model_->freelancersMax());
    freelancers_->setValue(model_->freelancers());
    cost_->setText(qs(model_->costText()));
    for (int o = 0; o < kEngineOptionCount; ++o) {
        QCheckBox* box = options_[static_cast<std::size_t>(o)];
        box->setEnabled(model_->optionAvailable(static_cast<EngineOption>(o)));
        box->setChecked(model_->option(static_cast<EngineOption>(o)));
    }
    const auto lines = model_->engineLines();
    for (std::size_t i = 0; i < engineLines_.size() && i < lines.size(); ++i) engineLines_[i]->setText(qs(lines[i]));
    const EngineEstimate e = model_->estimate();
    estimate_->setText(QString::number(e.lines) + QStringLiteral(" Lines   ") + QString::number(e.weeks) +
                       QStringLiteral(" Week(s)   ") + QString::number(e.cost) + QStringLiteral(" $"));
    filling_ = false;
}

void EngineDevelopmentPage::pressFind() {
    model_->findLeader(player_);
    refresh();
}

void EngineDevelopmentPage::pressStart() {
    model_->setName(name_->text().toStdString());
    if (!model_->startDevelopment(player_)) {
        emit engineStarted(model_->createdTask());
        return;
    }
    refresh();
    if (model_->wantsNameFocus()) name_->setFocus();
}

}  // namespace cw::ui
