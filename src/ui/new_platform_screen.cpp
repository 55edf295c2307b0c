#include "ui/new_platform_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "state/game.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

namespace {

QLabel* fieldLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("fieldLabel"));
    return l;
}

}  // namespace

TForm_newplatform::TForm_newplatform(Game& g, Player& p, QWidget* parent) : QDialog(parent), p_(p), model_(g) {
    setObjectName(QStringLiteral("TForm_newplatform"));
    setWindowTitle(QString::fromLatin1(NewPlatformScreen::kCaption));
    setModal(true);
    setMinimumSize(900, 560);
    resize(980, 640);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(12);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Products, 34).pixmap(34, 34),
                                             QString::fromLatin1(NewPlatformScreen::kCaption),
                                             QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(18, 0, 18, 0);
    body->setSpacing(14);
    auto* left = new QVBoxLayout;
    left->setSpacing(12);

    QVBoxLayout* platformBody = nullptr;
    QFrame* platformCard = makeCard(this, QStringLiteral("Platform"), platformBody);
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(10);
    top->addWidget(fieldLabel(QStringLiteral("Platform name"), platformCard), 0, 0);
    name_ = new QLineEdit(platformCard);
    name_->setObjectName(QStringLiteral("Edit_name"));
    name_->setMaxLength(25);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.setName(t.toStdString()); });
    top->addWidget(name_, 0, 1, 1, 2);
    top->addWidget(fieldLabel(QStringLiteral("Team manager"), platformCard), 1, 0);
    leader_ = new QLabel(platformCard);
    leader_->setObjectName(QStringLiteral("Label_leader"));
    top->addWidget(leader_, 1, 1);
    auto* find = new QPushButton(QStringLiteral("Find"), platformCard);
    find->setObjectName(QStringLiteral("Button_find"));
    find->setAutoDefault(false);
    connect(find, &QPushButton::clicked, this, &TForm_newplatform::findLeader);
    top->addWidget(find, 1, 2);
    top->setColumnStretch(1, 1);
    platformBody->addLayout(top);
    left->addWidget(platformCard);

    QVBoxLayout* configBody = nullptr;
    QFrame* configCard = makeCard(this, QStringLiteral("Configuration"), configBody);
    auto* config = new QGridLayout;
    config->setHorizontalSpacing(10);
    config->setVerticalSpacing(6);
    static const char* kBoxNames[5] = {"Main CPU :", "Sec. CPU :", "Main GPU :", "Main SPU :", "Ram      :"};
    for (int i = 0; i < 5; ++i) {
        config->addWidget(fieldLabel(QString::fromLatin1(kBoxNames[i]), configCard), i, 0);
        auto* box = new QComboBox(configCard);
        box->setObjectName(QStringLiteral("Box_choice%1").arg(i));
        box->setMinimumWidth(260);
        connect(box, &QComboBox::currentIndexChanged, this, [this, i](int item) { choose(i, item); });
        boxes_[i] = box;
        config->addWidget(box, i, 1);
    }
    controller_ = new QCheckBox(QStringLiteral("Bundle Controller"), configCard);
    controller_->setObjectName(QStringLiteral("Check_controller"));
    game_ = new QCheckBox(QStringLiteral("Bundle Game"), configCard);
    game_->setObjectName(QStringLiteral("Check_game"));
    connect(controller_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setBundleController(on);
        showModel();
    });
    connect(game_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setBundleGame(on);
        showModel();
    });
    config->addWidget(controller_, 5, 1);
    config->addWidget(game_, 6, 1);
    config->setColumnStretch(1, 1);
    configBody->addLayout(config);
    left->addWidget(configCard);

    QVBoxLayout* estimateBody = nullptr;
    QFrame* estimateCard = makeCard(this, QStringLiteral("Estimate"), estimateBody);
    cost_ = new QLabel(estimateCard);
    cost_->setObjectName(QStringLiteral("Label_cost"));
    rating_ = new QLabel(estimateCard);
    rating_->setObjectName(QStringLiteral("Label_rating"));
    estimateBody->addWidget(cost_);
    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(fieldLabel(QStringLiteral("Hardware score :"), estimateCard));
    ratingRow->addWidget(rating_, 1);
    estimateBody->addLayout(ratingRow);
    left->addWidget(estimateCard);
    left->addStretch(1);
    body->addLayout(left, 5);

    QVBoxLayout* gridBody = nullptr;
    QFrame* gridCard = makeCard(this, QStringLiteral("Processors on the market"), gridBody);
    auto* filters = new QHBoxLayout;
    static const char* kTypes[3] = {"CPUs", "GPUs", "SPUs"};
    for (int i = 0; i < 3; ++i) {
        types_[i] = new QCheckBox(QString::fromLatin1(kTypes[i]), gridCard);
        types_[i]->setChecked(true);
        connect(types_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            (i == 0 ? model_.showCpus : i == 1 ? model_.showGpus : model_.showSpus) = on;
            model_.rebuild();
            showModel();
        });
        filters->addWidget(types_[i]);
    }
    filters->addStretch(1);
    gridBody->addLayout(filters);
    grid_ = makeRowGrid(gridCard, QStringLiteral("Grid_processors"),
                        {QStringLiteral("CPU name"), QStringLiteral("Speed Index"), QStringLiteral("Price"),
                         QStringLiteral("Type")});
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        model_.headerClicked(column);
        showGrid();
    });
    gridBody->addWidget(grid_, 1);
    body->addWidget(gridCard, 6);
    outer->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(18, 0, 18, 0);
    auto* start = new QPushButton(QStringLiteral("Start project"), this);
    start->setObjectName(QStringLiteral("Button_start"));
    start->setAutoDefault(false);
    setButtonRole(start, "action");
    connect(start, &QPushButton::clicked, this, &TForm_newplatform::startProject);
    buttons->addStretch(1);
    buttons->addWidget(start);
    QPushButton* cancel = makeCloseButton(this, this);
    cancel->setText(QStringLiteral("Cancel"));
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
}

void TForm_newplatform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    model_.open();
    for (QCheckBox* b : {controller_, game_}) {
        const QSignalBlocker quiet(b);
        b->setChecked(false);
    }
    name_->setText(qs(model_.name()));
    fillBoxes();
    showModel();
}

void TForm_newplatform::fillBoxes() {
    filling_ = true;
    const std::vector<NewPlatformScreen::Item>* lists[4] = {&model_.cpus(), &model_.cpus(), &model_.gpus(),
                                                            &model_.spus()};
    for (int i = 0; i < 4; ++i) {
        boxes_[i]->clear();
        for (const auto& item : *lists[i]) boxes_[i]->addItem(qs(item.name), item.index);
        boxes_[i]->setCurrentIndex(0);
    }
    boxes_[4]->clear();
    for (const std::string& m : model_.memory()) boxes_[4]->addItem(qs(m));
    boxes_[4]->setCurrentIndex(model_.design().ramChoice);
    filling_ = false;
}

void TForm_newplatform::choose(int box, int item) {
    if (filling_ || item < 0) return;
    const int slot = boxes_[box]->itemData(item).toInt();
    switch (box) {
        case 0: model_.chooseMainCpu(slot); break;
        case 1: model_.chooseSecondCpu(slot); break;
        case 2: model_.chooseGpu(slot); break;
        case 3: model_.chooseSpu(slot); break;
        default: model_.chooseMemory(item); break;
    }
    showModel();
}

void TForm_newplatform::showModel() {
    leader_->setText(qs(model_.leaderText()));
    cost_->setText(qs(model_.costText()));
    rating_->setText(qs(model_.ratingText()));
    // The second CPU's box follows the model, which drops it with the main CPU.
    {
        const QSignalBlocker quiet(boxes_[1]);
        const int at = boxes_[1]->findData(model_.design().secondCpu);
        boxes_[1]->setCurrentIndex(at < 0 ? 0 : at);
        boxes_[1]->setEnabled(model_.secondCpuEnabled());
    }
    showGrid();
}

void TForm_newplatform::showGrid() {
    const Grid& g = model_.processors();
    grid_->setRowCount(static_cast<int>(g.rows.size()));
    for (int r = 0; r < static_cast<int>(g.rows.size()); ++r)
        for (int c = 0; c < 4; ++c) {
            auto* cell = new QTableWidgetItem(qs(g.rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)]));
            if (c > 0) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, cell);
        }
}

void TForm_newplatform::findLeader() {
    model_.findLeader(p_);
    showModel();
}

void TForm_newplatform::startProject() {
    model_.setName(name_->text().toStdString());
    if (!model_.startProject(p_)) accept();
    else showModel();
}

}  // namespace cw::ui
