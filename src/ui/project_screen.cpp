#include "ui/project_screen.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "state/game.h"
#include "state/text_format.h"
#include "ui/dev_look.h"
#include "ui/post_mortem_screens.h"
#include "ui/shared_widgets.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

QString num(long long v) { return qs(thousands(v)); }

constexpr const char* kLightHints[3] = {"Falling next week", "Holding about steady next week", "Rising next week"};

}  // namespace

TDevelopment::TDevelopment(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TDevelopment"));
    setWindowTitle(QStringLiteral("Project properties"));
    setStyleSheet(devStyleSheet(objectName()));
    resize(1024, 700);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 10);
    root->setSpacing(8);

    const TitledBand header =
        makeTitledBand(this, devBandPicture(), QString(), QStringLiteral("bandSubtitle"), /*subtitleFirst=*/true);
    header.subtitle->setText(QStringLiteral("Project properties"));
    title_ = header.title;
    QWidget* band = header.band;
    QHBoxLayout* bandLayout = header.layout;
    auto* projectCaption = new QLabel(QStringLiteral("Project :"), band);
    projectCaption->setProperty("subtitle", true);
    bandLayout->addWidget(projectCaption);
    project_ = new QComboBox(band);
    project_->setObjectName(QStringLiteral("ComboBox_project"));
    project_->setMinimumWidth(220);
    connect(project_, &QComboBox::activated, this, [this](int row) {
        showTask(project_->itemData(row).toInt());
    });
    bandLayout->addWidget(project_);
    root->addWidget(band);

    empty_ = new QLabel(QStringLiteral("No game is in development. Start one with \"New game project\"."), this);
    empty_->setObjectName(QStringLiteral("warning"));
    empty_->setAlignment(Qt::AlignCenter);
    root->addWidget(empty_, 1);

    body_ = new QWidget(this);
    auto* grid = new QGridLayout(body_);
    grid->setContentsMargins(10, 0, 10, 0);
    grid->setHorizontalSpacing(10);

    auto* progressBox = new QGroupBox(QStringLiteral("Current Progress"), body_);
    auto* pl = new QGridLayout(progressBox);
    progress_ = new QProgressBar(progressBox);
    progress_->setObjectName(QStringLiteral("ProgressBar_progress"));
    pl->addWidget(progress_, 0, 0, 1, 2);
    pl->addWidget(new QLabel(QStringLiteral("Hype"), progressBox), 1, 0);
    hype_ = new QProgressBar(progressBox);
    hype_->setObjectName(QStringLiteral("hypeBar"));
    hype_->setRange(0, 100);
    hype_->setToolTip(QStringLiteral("How eagerly the players wait for the game"));
    pl->addWidget(hype_, 1, 1);
    pl->setColumnStretch(1, 1);
    grid->addWidget(progressBox, 0, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);

    auto* workBox = new QGroupBox(QStringLiteral("Work left"), body_);
    auto* wl = new QGridLayout(workBox);
    for (int a = 0; a < 3; ++a) {
        wl->addWidget(new QLabel(QString::fromLatin1(ProjectScreen::kWorkCaptions[static_cast<std::size_t>(a)]), workBox),
                      a, 0);
        auto* bar = new QProgressBar(workBox);
        bar->setObjectName(QStringLiteral("ProgressBar_work%1").arg(a + 1));
        bar->setFormat(QStringLiteral("%v"));
        work_[static_cast<std::size_t>(a)] = bar;
        wl->addWidget(bar, a, 1);
        auto* w = new QLabel(workBox);
        w->setObjectName(QStringLiteral("areaNumber"));
        w->setMinimumWidth(90);
        w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        weeks_[static_cast<std::size_t>(a)] = w;
        wl->addWidget(w, a, 2);
    }
    wl->setColumnStretch(1, 1);
    grid->addWidget(workBox, 1, 0);

    auto* qualityBox = new QGroupBox(QStringLiteral("Quality"), body_);
    auto* ql = new QGridLayout(qualityBox);
    for (int a = 0; a < 3; ++a) {
        ql->addWidget(
            new QLabel(QString::fromLatin1(ProjectScreen::kQualityCaptions[static_cast<std::size_t>(a)]), qualityBox), a,
            0);
        auto* bar = new QProgressBar(qualityBox);
        bar->setObjectName(QStringLiteral("qualityBar"));
        bar->setFormat(QStringLiteral("%v"));
        quality_[static_cast<std::size_t>(a)] = bar;
        ql->addWidget(bar, a, 1);
        auto* light = new QLabel(qualityBox);
        light->setObjectName(QStringLiteral("Image_light%1").arg(a + 1));
        lights_[static_cast<std::size_t>(a)] = light;
        ql->addWidget(light, a, 2);
    }
    ql->setColumnStretch(1, 1);
    grid->addWidget(qualityBox, 1, 1);

    auto sliderGroup = [&](const QString& title, const std::array<const char*, 3>& names,
                           std::array<QSlider*, 3>& sliders, std::array<QLabel*, 3>& values, bool shares) {
        auto* box = new QGroupBox(title, body_);
        auto* l = new QGridLayout(box);
        for (int i = 0; i < 3; ++i) {
            l->addWidget(new QLabel(QString::fromLatin1(names[static_cast<std::size_t>(i)]), box), i, 0);
            auto* s = new QSlider(Qt::Horizontal, box);
            s->setObjectName((shares ? QStringLiteral("TrackBar_share%1") : QStringLiteral("TrackBar_focus%1")).arg(i + 1));
            s->setRange(1, 98);
            connect(s, &QSlider::valueChanged, this, [this, i, shares](int v) {
                if (filling_) return;
                if (shares)
                    moveShare(i, v);
                else
                    moveFocus(i, v);
            });
            sliders[static_cast<std::size_t>(i)] = s;
            l->addWidget(s, i, 1);
            values[static_cast<std::size_t>(i)] = new QLabel(box);
            l->addWidget(values[static_cast<std::size_t>(i)], i, 2);
        }
        l->setColumnStretch(1, 1);
        return box;
    };
    grid->addWidget(sliderGroup(QStringLiteral("Development focus (%)"), ProjectScreen::kShareCaptions, shares_,
                                shareValue_, true),
                    2, 0);
    grid->addWidget(sliderGroup(QStringLiteral("Research/focus (%)"), ProjectScreen::kFocusCaptions, focus_, focusValue_,
                                false),
                    2, 1);
    // The research amounts lie in one row: they move only in the core phase.
    auto* researchBox = new QGroupBox(QStringLiteral("Employee Reseach Amount"), body_);
    researchBox->setObjectName(QStringLiteral("researchBox"));
    auto* rl = new QHBoxLayout(researchBox);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        rl->addWidget(new QLabel(QString::fromLatin1(ProjectScreen::kResearchCaptions[k]), researchBox));
        auto* s = new QSlider(Qt::Horizontal, researchBox);
        s->setObjectName(QStringLiteral("TrackBar_research%1").arg(i + 1));
        s->setRange(25, 100);
        connect(s, &QSlider::valueChanged, this, [this, i](int v) {
            if (!filling_) moveResearch(i, v);
        });
        research_[k] = s;
        rl->addWidget(s, 1);
        researchValue_[k] = new QLabel(researchBox);
        researchValue_[k]->setMinimumWidth(30);
        rl->addWidget(researchValue_[k]);
    }
    grid->addWidget(researchBox, 3, 0, 1, 2);
    root->addWidget(body_, 1);

    // Two rows: in one the seven captions would not fit a 1024 pixel window
    // whole.
    auto* buttonRows = new QVBoxLayout;
    buttonRows->setContentsMargins(14, 0, 14, 0);
    buttonRows->setSpacing(6);
    auto* buttons = new QHBoxLayout;
    auto* lowerButtons = new QHBoxLayout;
    lowerButtons->addStretch(1);
    buttonRows->addLayout(buttons);
    buttonRows->addLayout(lowerButtons);
    const std::vector<ProjectButton> captions = ProjectScreen(game_, 0).buttons();
    static const char* const kNames[6] = {"Button_publisher", "Button_advertising", "Button_assign",
                                          "Button_details",   "Button_preview",     "closeButton"};
    for (std::size_t i = 0; i < captions.size() && i < buttons_.size(); ++i) {
        auto* b = new QPushButton(qs(captions[i].caption), this);
        b->setObjectName(QString::fromLatin1(kNames[i]));
        b->setAutoDefault(false);
        buttons_[i] = b;
        if (i + 1 == captions.size()) {
            // The score the game would get if it were finished now.
            whyScore_ = new QPushButton(QStringLiteral("Why this score"), this);
            whyScore_->setObjectName(QStringLiteral("Button_whyscore"));
            whyScore_->setAutoDefault(false);
            whyScore_->setToolTip(QStringLiteral("What the game would score if it were finished now, and why"));
            lowerButtons->insertWidget(0, whyScore_);
        }
        (i < 3 ? buttons : lowerButtons)->addWidget(b);
    }
    buttons->insertStretch(0, 1);
    connect(whyScore_, &QPushButton::clicked, this, [this] { openWhyScoreOfTask(this, game_, task_); });
    connect(buttons_[0], &QPushButton::clicked, this, [this] {
        ProjectScreen screen(game_, task_);
        screen.publisherDeals(player_);
        refresh();
    });
    connect(buttons_[1], &QPushButton::clicked, this, [this] {
        ProjectScreen screen(game_, task_);
        screen.advertising(player_);
        refresh();
    });
    connect(buttons_[3], &QPushButton::clicked, this, [this] {
        ProjectScreen screen(game_, task_);
        screen.details(player_);
        refresh();
    });
    connect(buttons_[2], &QPushButton::clicked, this, [this] {
        ProjectScreen screen(game_, task_);
        screen.assignEmployees(player_);
        refresh();
    });
    connect(buttons_[4], &QPushButton::clicked, this, [this] {
        ProjectScreen screen(game_, task_);
        screen.previewGame(player_);
        refresh();
    });
    connect(buttons_[5], &QPushButton::clicked, this, &QDialog::reject);
    root->addLayout(buttonRows);
    showTask(0);
}

TDevelopment::~TDevelopment() = default;

void TDevelopment::showTask(int task) {
    const std::vector<int> tasks = gameTasks(game_);
    if (std::find(tasks.begin(), tasks.end(), task) == tasks.end()) task = tasks.empty() ? 0 : tasks.front();
    task_ = task;
    refresh();
}

void TDevelopment::refresh() {
    filling_ = true;
    const std::vector<int> tasks = gameTasks(game_);
    if (std::find(tasks.begin(), tasks.end(), task_) == tasks.end()) task_ = tasks.empty() ? 0 : tasks.front();
    project_->clear();
    for (int t : tasks) {
        project_->addItem(qs(game_.tables().tasks[t].name.str()), t);
        if (t == task_) project_->setCurrentIndex(project_->count() - 1);
    }
    ProjectScreen m(game_, task_);
    const bool shown = m.valid();
    body_->setVisible(shown);
    empty_->setVisible(!shown);
    project_->setEnabled(!tasks.empty());
    for (std::size_t i = 0; i + 1 < buttons_.size(); ++i) buttons_[i]->setEnabled(false);
    whyScore_->setEnabled(shown);
    if (!shown) {
        title_->setText(QStringLiteral("No game in development"));
        filling_ = false;
        return;
    }
    title_->setText(qs(m.name()));
    progress_->setRange(0, std::max(1, m.workTotal()));
    progress_->setValue(std::clamp(m.progress(), 0, std::max(1, m.workTotal())));
    progress_->setFormat(num(m.progress()) + QStringLiteral(" of ") + num(m.workTotal()));
    hype_->setValue(m.hype());
    for (int a = 0; a < 3; ++a) {
        const auto i = static_cast<std::size_t>(a);
        work_[i]->setRange(0, m.workBarMaximum());
        work_[i]->setValue(std::min(m.workLeft(a), m.workBarMaximum()));
        work_[i]->setFormat(num(m.workLeft(a)));
        weeks_[i]->setText(qs(m.weeksText(a)));
        quality_[i]->setRange(0, m.qualityBarMaximum(a));
        quality_[i]->setValue(std::max(0, m.quality(a)));
        quality_[i]->setFormat(num(m.quality(a)));
        lightState_[i] = static_cast<int>(m.light(a));
        lights_[i]->setPixmap(trafficLightPicture(lightState_[i]));
        lights_[i]->setToolTip(QString::fromLatin1(kLightHints[lightState_[i]]));
        shares_[i]->setValue(m.shares()[i]);
        shareValue_[i]->setText(QString::number(m.shares()[i]) + QStringLiteral(" %"));
        focus_[i]->setValue(m.focus()[i]);
        focusValue_[i]->setText(QString::number(m.focus()[i]) + QStringLiteral(" %"));
        research_[i]->setValue(m.research()[i]);
        research_[i]->setEnabled(!m.researchLocked());
        research_[i]->setToolTip(m.researchLocked() ? QStringLiteral("Game Core/Idea Finished. Changes not possible")
                                                    : QStringLiteral("Changes to game core still possible"));
        researchValue_[i]->setText(QString::number(m.research()[i]));
    }
    const std::vector<ProjectButton> bs = m.buttons();
    for (std::size_t i = 0; i < bs.size() && i < buttons_.size(); ++i) {
        buttons_[i]->setEnabled(bs[i].enabled);
        buttons_[i]->setToolTip(qs(bs[i].hint));
    }
    filling_ = false;
}

void TDevelopment::moveShare(int which, int value) {
    ProjectScreen m(game_, task_);
    if (!m.valid()) return;
    m.moveShare(which, value);
    refresh();
}

void TDevelopment::moveFocus(int which, int value) {
    ProjectScreen m(game_, task_);
    if (!m.valid()) return;
    m.moveFocus(which, value);
    refresh();
}

void TDevelopment::moveResearch(int which, int value) {
    ProjectScreen m(game_, task_);
    if (!m.valid() || which < 0 || which > 2) return;
    std::array<i32, 3> r = m.research();
    r[static_cast<std::size_t>(which)] = value;
    if (const ActionResult refused = m.setResearch(r)) player_.messageBox(refused->caption, refused->text, false);
    refresh();
}

void TDevelopment::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        refresh();
        centreOverParent(this);
    }
}

void TDevelopment::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Weeks may have passed while another window was in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

}  // namespace cw::ui
