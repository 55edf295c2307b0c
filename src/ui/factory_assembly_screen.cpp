#include "ui/factory_assembly_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "hardware/manufacturing.h"
#include "state/game.h"
#include "state/player.h"
#include "ui/app_style.h"
#include "ui/city_paint.h"
#include "ui/finance_look.h"
#include "ui/language_support.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QString units(long long n) { return QLocale(QLocale::English).toString(n); }

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

TForm_factory_assembly::TForm_factory_assembly(Game& g, Player& p, QWidget* parent)
    : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_factory_assembly"));
    setWindowTitle(QStringLiteral("Factory Assembly"));
    setStyleSheet(financeStyleSheet() +
                  QStringLiteral("QPushButton#lineLabel { text-align: left; padding-left: 10px; }"
                                 "QLabel#figure { color: #f3c969; font-weight: bold; }"));
    setMinimumWidth(760);

    const AssemblyScreen screen = openAssemblyScreen(game_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const HeaderBand header = makeHeaderBand(this, frontPicture(Building::Factory, 1, QSize(48, 36)),
                                             QStringLiteral("Factory Assembly"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(16, 0, 16, 0);
    top->setSpacing(12);
    QVBoxLayout* capBody = nullptr;
    QFrame* capCard = makeCard(this, QStringLiteral("Production capacity"), capBody);
    auto* capGrid = new QGridLayout;
    capacity_ = valueLabel(capCard, "figure");
    perLine_ = valueLabel(capCard, "figure");
    load_ = valueLabel(capCard, "figure");
    level_ = valueLabel(capCard, "figure");
    const std::pair<const char*, QLabel*> figures[] = {{"All lines :", capacity_},
                                                       {"Each line :", perLine_},
                                                       {"Line load :", load_},
                                                       {"Output level :", level_}};
    int row = 0;
    for (const auto& [caption, label] : figures) {
        capGrid->addWidget(new QLabel(QString::fromLatin1(caption), capCard), row, 0);
        capGrid->addWidget(label, row++, 1);
    }
    capGrid->setColumnStretch(1, 1);
    capBody->addLayout(capGrid);
    top->addWidget(capCard, 3);

    QVBoxLayout* storeBody = nullptr;
    QFrame* storeCard = makeCard(this, QStringLiteral("Warehouse"), storeBody);
    storeBody->addWidget(new QLabel(QStringLiteral("Storage left :"), storeCard));
    storage_ = valueLabel(storeCard, "figure");
    storeBody->addWidget(storage_);
    viewStorage_ = new QPushButton(QStringLiteral("View storage"), storeCard);
    viewStorage_->setObjectName(QStringLiteral("viewStorageButton"));
    connect(viewStorage_, &QPushButton::clicked, this, [this] { showStorage(game_, this); });
    storeBody->addStretch(1);
    storeBody->addWidget(viewStorage_);
    top->addWidget(storeCard, 2);
    outer->addLayout(top);

    QVBoxLayout* linesBody = nullptr;
    QFrame* linesCard = makeCard(this, QStringLiteral("Assembly lines"), linesBody);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    // Made with lines too (hidden), so a language file always reaches it.
    auto* noLines = new QLabel(QStringLiteral("Build a factory to get assembly lines."), linesCard);
    noLines->setObjectName(QStringLiteral("noLinesLabel"));
    noLines->setVisible(screen.lines.empty());
    linesBody->addWidget(noLines);
    for (const AssemblyLineRow& r : screen.lines) {
        Line line;
        const int i = r.line;
        auto* number = new QLabel(QStringLiteral("Line %1").arg(i), linesCard);
        line.label = new QPushButton(linesCard);
        line.label->setObjectName(QStringLiteral("lineLabel"));
        line.label->setToolTip(QStringLiteral("Choose the product this line builds"));
        line.belt = new QProgressBar(linesCard);
        line.belt->setObjectName(QStringLiteral("lineBelt"));
        line.belt->setTextVisible(false);
        line.belt->setFixedWidth(140);
        line.start = new QPushButton(QStringLiteral("Start"), linesCard);
        line.stop = new QPushButton(QStringLiteral("Stop"), linesCard);
        line.start->setObjectName(QStringLiteral("startButton%1").arg(i));
        line.stop->setObjectName(QStringLiteral("stopButton%1").arg(i));
        // Every line's controls read alike: one language entry each.
        shareLanguageKey(number, QStringLiteral("lineNumber"));
        shareLanguageKey(line.label, QStringLiteral("lineLabel"));
        shareLanguageKey(line.start, QStringLiteral("startButton"));
        shareLanguageKey(line.stop, QStringLiteral("stopButton"));
        connect(line.label, &QPushButton::clicked, this, [this, i] { openProductList(i); });
        connect(line.start, &QPushButton::clicked, this, [this, i] {
            if (game_.world().assemblyLines[i].linePlatform > 0) setRunning(i, true);
        });
        connect(line.stop, &QPushButton::clicked, this, [this, i] {
            stopLine(game_, i);
            refresh();
            emit changed();
        });
        grid->addWidget(number, i - 1, 0);
        grid->addWidget(line.label, i - 1, 1);
        grid->addWidget(line.belt, i - 1, 2);
        grid->addWidget(line.start, i - 1, 3);
        grid->addWidget(line.stop, i - 1, 4);
        lines_.push_back(line);
    }
    grid->setColumnStretch(1, 1);
    linesBody->addLayout(grid);
    // Spare height goes below the lines, not between the title and them.
    linesBody->addStretch(1);
    auto* linesRow = new QHBoxLayout;
    linesRow->setContentsMargins(16, 0, 16, 0);
    linesRow->addWidget(linesCard);
    outer->addLayout(linesRow, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    upgrade_ = new QPushButton(QStringLiteral("Upgrade Assembly Lines"), this);
    upgrade_->setObjectName(QStringLiteral("upgradeLinesButton"));
    setButtonRole(upgrade_, "action");
    connect(upgrade_, &QPushButton::clicked, this, [this] {
        upgradeAssemblyLines(game_, player_);
        refresh();
        emit changed();
    });
    buttons->addWidget(upgrade_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this));
    outer->addLayout(buttons);

    refresh();
    // The lines that have a console start moving when the screen opens.
    for (const AssemblyLineRow& r : screen.lines)
        if (r.platform > 0) setRunning(r.line, true);
}

void TForm_factory_assembly::refresh() {
    const AssemblyScreen s = assemblyScreen(game_);
    capacity_->setText(QStringLiteral("%1 units a week").arg(units(s.totalOutput)));
    perLine_->setText(QStringLiteral("%1 units a week").arg(units(s.lineOutput)));
    load_->setText(QString::number(s.lineLoad));
    level_->setText(QStringLiteral("%1 of 3").arg(s.outputLevel));
    storage_->setText(QString::fromStdString(s.storageText));
    upgrade_->setEnabled(s.upgradeEnabled);
    upgrade_->setToolTip(s.upgradeEnabled
                             ? QStringLiteral("Raise the output of every line for %1 $").arg(units(s.upgradePrice))
                             : QStringLiteral("The lines run at their highest output level"));
    for (const AssemblyLineRow& r : s.lines) {
        Line& line = lines_[static_cast<std::size_t>(r.line - 1)];
        line.label->setText(QString::fromStdString(r.label));
        if (r.platform <= 0) setRunning(r.line, false);
        line.stop->setEnabled(r.platform > 0);
        line.start->setEnabled(r.platform > 0);
    }
}

void TForm_factory_assembly::setRunning(int line, bool on) {
    Line& l = lines_[static_cast<std::size_t>(line - 1)];
    l.running = on;
    // An endless bar is the moving belt; a still one is an idle line.
    l.belt->setRange(0, on ? 0 : 1);
    l.belt->setValue(0);
}

void TForm_factory_assembly::openProductList(int line) {
    const AssemblyScreen s = assemblyScreen(game_);
    QMenu menu(this);
    if (s.products.empty()) menu.addAction(QStringLiteral("(no platform of yours to build)"))->setEnabled(false);
    for (const AssemblyItem& item : s.products) {
        QAction* a = menu.addAction(QString::fromStdString(item.text));
        a->setData(item.product);
    }
    QPushButton* label = lineLabel(line);
    QAction* chosen = menu.exec(label->mapToGlobal(QPoint(0, label->height())));
    if (chosen && chosen->data().isValid()) chooseProduct(line, chosen->data().toInt());
}

void TForm_factory_assembly::chooseProduct(int line, int product) {
    if (!assignLine(game_, line, product)) setRunning(line, true);
    refresh();
    emit changed();
}

void TForm_factory_assembly::done(int result) {
    for (int i = 1; i <= lineCount(); ++i) setRunning(i, false);
    QDialog::done(result);
}

// ---------------------------------------------------------------------------
TForm_storage::TForm_storage(const Game& g, QWidget* parent) : QDialog(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_storage"));
    setWindowTitle(QStringLiteral("Storage"));
    setStyleSheet(financeStyleSheet() + QStringLiteral("QLabel#figure { color: #f3c969; font-weight: bold; }"));
    setMinimumSize(560, 420);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const HeaderBand header = makeHeaderBand(this, frontPicture(Building::Warehouse, 1, QSize(48, 36)),
                                             QStringLiteral("Storage"), QStringLiteral("headerLabel"));
    outer->addWidget(header.band);
    auto* figures = new QGridLayout;
    figures->setContentsMargins(16, 0, 16, 0);
    free_ = valueLabel(this, "figure");
    capacity_ = valueLabel(this, "figure");
    figures->addWidget(new QLabel(QStringLiteral("Free storage space :"), this), 0, 0);
    figures->addWidget(free_, 0, 1);
    figures->addWidget(new QLabel(QStringLiteral("Total storage space :"), this), 1, 0);
    figures->addWidget(capacity_, 1, 1);
    figures->setColumnStretch(1, 1);
    outer->addLayout(figures);
    grid_ = makeRowGrid(this, QStringLiteral("storageGrid"),
                        {QStringLiteral("Item"), QStringLiteral("Stock"), QStringLiteral("ID")});
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* gridRow = new QHBoxLayout;
    gridRow->setContentsMargins(16, 0, 16, 0);
    gridRow->addWidget(grid_);
    outer->addLayout(gridRow, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    buttons->addWidget(closeButton(this));
    outer->addLayout(buttons);
    refresh();
}

void TForm_storage::refresh() {
    const StorageScreen s = storageScreen(game_);
    free_->setText(units(s.freeSpace));
    capacity_->setText(units(s.capacity));
    grid_->setRowCount(static_cast<int>(s.rows.size()));
    int row = 0;
    for (const StorageRow& r : s.rows) {
        const bool shown = !r.item.empty();
        const QString cells[] = {QString::fromStdString(r.item), shown ? units(r.stock) : QString(),
                                 shown ? QString::number(r.entry) : QString()};
        for (int c = 0; c < 3; ++c) grid_->setItem(row, c, new QTableWidgetItem(cells[c]));
        ++row;
    }
}

void showStorage(const Game& g, QWidget* parent) {
    TForm_storage screen(g, parent);
    screen.exec();
}

// ---------------------------------------------------------------------------
TForm_newtask_dialog::TForm_newtask_dialog(NewTaskDialog& model, Player& p, QWidget* parent)
    : QDialog(parent), model_(model), player_(p) {
    setObjectName(QStringLiteral("TForm_newtask_dialog"));
    setWindowTitle(QStringLiteral("New project"));
    setStyleSheet(financeStyleSheet());
    setMinimumWidth(460);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 14);
    outer->setSpacing(10);
    const HeaderBand header = makeHeaderBand(this, QPixmap(), QString::fromStdString(model_.header()),
                                             QStringLiteral("headerLabel"));
    outer->addWidget(header.band);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 16, 0);
    grid->addWidget(new QLabel(QStringLiteral("Team leader :"), this), 0, 0);
    leader_ = new QLabel(QString::fromStdString(model_.leaderText()), this);
    leader_->setObjectName(QStringLiteral("leaderLabel"));
    grid->addWidget(leader_, 0, 1);
    find_ = new QPushButton(QStringLiteral("Find"), this);
    find_->setObjectName(QStringLiteral("findButton"));
    grid->addWidget(find_, 0, 2);
    auto* measure = new QLabel(QString::fromStdString(model_.measure()), this);
    measure->setObjectName(QStringLiteral("measureLabel"));
    grid->addWidget(measure, 1, 0);
    amount_ = new QSpinBox(this);
    amount_->setObjectName(QStringLiteral("amountBox"));
    amount_->setRange(NewTaskDialog::kLowest, NewTaskDialog::kHighest);
    amount_->setValue(model_.amount());
    grid->addWidget(amount_, 1, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    outer->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 0);
    buttons->addStretch(1);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    setButtonRole(ok_, "action");
    ok_->setEnabled(model_.okEnabled());
    buttons->addWidget(ok_);
    buttons->addWidget(closeButton(this, QStringLiteral("Cancel")));
    outer->addLayout(buttons);

    connect(amount_, &QSpinBox::valueChanged, this, [this](int n) { model_.setAmount(n); });
    connect(find_, &QPushButton::clicked, this, [this] {
        model_.find(player_);
        leader_->setText(QString::fromStdString(model_.leaderText()));
        ok_->setEnabled(model_.okEnabled());
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        model_.pressOk();
        accept();
    });
}

void TForm_newtask_dialog::reject() {
    model_.pressCancel();
    QDialog::reject();
}

}  // namespace cw::ui
