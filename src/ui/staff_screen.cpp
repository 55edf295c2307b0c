#include "ui/staff_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "people/labour_market.h"
#include "state/game.h"
#include "state/tasks.h"
#include "ui/employees_pictures.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"
#include "ui/staff_dialogs.h"

namespace cw::ui {


namespace {

// The staff screen's own rules; windows, bands, grids, cards, buttons and the
// personal file's paper come from the application's look.
const char* const kStyle = R"(
QLabel#label_title { font-size: 15pt; }
QLabel#label_count { color: #1d2b3a; background: #f2c14e; border-radius: 11px; padding: 4px 12px;
  font-weight: bold; font-size: 10pt; letter-spacing: 0; }
QLabel#label_hint { color: #1d2b3a; background: #9fd0ff; padding: 8px 16px; font-weight: bold; }
QLabel#employeeName { color: #ffffff; font-size: 12pt; font-weight: bold; }
QWidget#actionBar { background: #18212e; border-top: 1px solid #2a3950; }
QLabel#teamCaption { color: #9fb0c4; font-weight: bold; }
QComboBox { min-width: 150px; }
QHeaderView::section { padding: 6px 3px; }
)";

QPushButton* button(const QString& caption, const QString& name, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

// The skills on a 1..10 scale and those on 0..100 share the grid; both get
// the colours of the rating words.
QColor skillColour(int column, int value) {
    const bool tenScale = column >= 3 && column <= 5;
    return ratingColour(tenScale ? value * 10 : value);
}

}  // namespace

TForm_view_employees::TForm_view_employees(Game& g, Player& p, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), owned_(std::make_unique<StaffScreen>(g)), model_(owned_.get()) {
    owned_->openViewing();
    build();
}

TForm_view_employees::TForm_view_employees(Game& g, Player& p, StaffScreen& model, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), model_(&model) {
    build();
}

TForm_view_employees::~TForm_view_employees() = default;

void TForm_view_employees::build() {
    setObjectName(QStringLiteral("TForm_view_employees"));
    setWindowTitle(QStringLiteral("Manage Employees"));
    setStyleSheet(QString::fromLatin1(kStyle));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    const HeaderBand header = makeHeaderBand(this, staffIcon(30), QString(), QStringLiteral("label_title"));
    title_ = header.title;
    countLabel_ = new QLabel(header.band);
    countLabel_->setObjectName(QStringLiteral("label_count"));
    countLabel_->setToolTip(QStringLiteral("Employees and office places"));
    header.layout->addWidget(countLabel_);
    outer->addWidget(header.band);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("label_hint"));
    hint_->setWordWrap(true);
    outer->addWidget(hint_);

    QStringList headings;
    for (const char* c : kStaffColumns) headings << QString::fromLatin1(c);
    grid_ = makeRowGrid(this, QStringLiteral("StringGrid_staff"), headings);
    QHeaderView* head = grid_->horizontalHeader();
    head->setMinimumSectionSize(38);
    grid_->setColumnWidth(1, 100);
    for (int c = 2; c <= 7; ++c) grid_->setColumnWidth(c, 44);
    grid_->setColumnWidth(8, 84);
    grid_->setColumnWidth(9, 36);
    head->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(head, &QHeaderView::sectionClicked, this, [this](int column) {
        model_->sortBy(column);
        fillGrid();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { chooseRow(row); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        chooseRow(row);
        if (model_->selecting()) pressChoose();
    });

    auto* side = new QFrame(this);
    side->setObjectName(QStringLiteral("card"));
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(12, 10, 12, 12);
    auto* who = new QHBoxLayout;
    face_ = new QLabel(side);
    face_->setFixedSize(56, 56);
    who->addWidget(face_);
    name_ = new QLabel(side);
    name_->setObjectName(QStringLiteral("employeeName"));
    name_->setWordWrap(true);
    who->addWidget(name_, 1);
    sideLayout->addLayout(who);
    sheet_ = makePaperSheet(side, QStringLiteral("memo_employee"));
    sideLayout->addWidget(sheet_, 1);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(grid_);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 12);
    body->addWidget(split, 1);
    outer->addLayout(body, 1);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("actionBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(14, 10, 14, 10);
    barLayout->setSpacing(8);

    // The team controls sit under the sheet: a project and the two ways onto it.
    teamBox_ = new QWidget(side);
    auto* teamLayout = new QGridLayout(teamBox_);
    teamLayout->setContentsMargins(0, 4, 0, 0);
    teamLayout->setHorizontalSpacing(8);
    auto* projectCaption = new QLabel(QStringLiteral("Project"), teamBox_);
    projectCaption->setObjectName(QStringLiteral("teamCaption"));
    teamLayout->addWidget(projectCaption, 0, 0);
    project_ = new QComboBox(teamBox_);
    project_->setObjectName(QStringLiteral("ComboBox_project"));
    project_->setToolTip(QStringLiteral("The project the two buttons below act on"));
    teamLayout->addWidget(project_, 0, 1, 1, 2);
    manager_ = button(QStringLiteral("Make team manager"), QStringLiteral("Button_manager"),
                      QStringLiteral("Make the chosen employee team manager of the project"), teamBox_);
    assign_ = button(QStringLiteral("Assign to project"), QStringLiteral("Button_assign"),
                     QStringLiteral("Add the chosen employee to the project's team"), teamBox_);
    teamLayout->addWidget(manager_, 1, 1);
    teamLayout->addWidget(assign_, 1, 2);
    teamLayout->setColumnStretch(1, 1);
    teamLayout->setColumnStretch(2, 1);
    sideLayout->addWidget(teamBox_);

    viewingBar_ = new QWidget(bar);
    auto* viewLayout = new QHBoxLayout(viewingBar_);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(8);
    remove_ = button(QStringLiteral("Remove from project"), QStringLiteral("Button_remove"), QString(), viewingBar_);
    study_ = button(QStringLiteral("Assign to study..."), QStringLiteral("Button_study"),
                    QStringLiteral("Send the chosen employee on a course"), viewingBar_);
    intensify_ = button(QStringLiteral("Intensify Study (speed up)"), QStringLiteral("Button_intensify"),
                        QStringLiteral("Pay to speed up the chosen employee's study"), viewingBar_);
    fire_ = button(QStringLiteral("Fire employee"), QStringLiteral("Button_fire"), QString(), viewingBar_);
    fire_->setProperty("role", QStringLiteral("danger"));
    for (QPushButton* b : {remove_, study_, intensify_, fire_}) viewLayout->addWidget(b);
    barLayout->addWidget(viewingBar_);
    barLayout->addStretch(1);
    choose_ = button(QStringLiteral("Choose"), QStringLiteral("Button_choose"),
                     QStringLiteral("Choose the employee in the list (or double-click him)"), bar);
    choose_->setProperty("role", QStringLiteral("action"));
    close_ = button(QStringLiteral("Close"), QStringLiteral("closeButton"), QStringLiteral("Close (Esc)"), bar);
    barLayout->addWidget(choose_);
    barLayout->addWidget(close_);
    outer->addWidget(bar);

    connect(manager_, &QPushButton::clicked, this, &TForm_view_employees::pressMakeManager);
    connect(assign_, &QPushButton::clicked, this, &TForm_view_employees::pressAssign);
    connect(remove_, &QPushButton::clicked, this, &TForm_view_employees::pressRemove);
    connect(study_, &QPushButton::clicked, this, &TForm_view_employees::pressStudy);
    connect(intensify_, &QPushButton::clicked, this, &TForm_view_employees::pressIntensify);
    connect(fire_, &QPushButton::clicked, this, &TForm_view_employees::pressFire);
    connect(choose_, &QPushButton::clicked, this, &TForm_view_employees::pressChoose);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(project_, &QComboBox::activated, this, [this] { updateButtons(); });

    resize(1100, 700);
    split->setSizes({700, 380});
    refresh();
}

void TForm_view_employees::showEvent(QShowEvent* event) {
    // The viewing screen rebuilds whenever it is shown; a selection keeps
    // the state its caller opened it in.
    if (owned_) owned_->openViewing();
    refresh();
    QDialog::showEvent(event);
    centreOverParent(this);
}

void TForm_view_employees::refresh() {
    model_->rebuild();
    title_->setText(qs(model_->title()));
    setWindowTitle(qs(model_->title()));
    const bool selecting = model_->selecting();
    viewingBar_->setVisible(!selecting);
    teamBox_->setVisible(!selecting);
    choose_->setVisible(selecting);
    hint_->setVisible(selecting);
    if (model_->mode() == StaffMode::Manager)
        hint_->setText(
            QStringLiteral("Choose the team manager: double-click an idle employee, or select him and "
                           "press \"Choose\". A manager's leadership decides how big his team can be."));
    else if (model_->mode() == StaffMode::Employees)
        hint_->setText(QStringLiteral("Add idle employees to the team: double-click them, or select and press "
                                      "\"Choose\". Team %1 of %2.")
                           .arg(filledStaffSlots(game_.tables().tasks[model_->targetTask()]))
                           .arg(taskCapacity(game_, model_->targetTask())));
    countLabel_->setText(QStringLiteral("Employees  %1 / %2").arg(employeeCount(game_)).arg(officeCapacity(game_)));
    fillProjects();
    fillGrid();
    const i32 chosen = model_->selected();
    name_->setText(chosen > 0 ? qs(game_.tables().people[chosen].name.view())
                              : QStringLiteral("Choose an employee in the list"));
    face_->setPixmap(facePicture(chosen, FaceMood::Neutral, 56));
    sheet_->setPlainText(gameText(model_->sheet()));
    updateButtons();
}

void TForm_view_employees::fillProjects() {
    const QSignalBlocker block(project_);
    const int keep = project_->currentData().toInt();
    project_->clear();
    for (i32 task : model_->staffedTasks())
        project_->addItem(QStringLiteral("%1  %2").arg(task).arg(qs(game_.tables().tasks[task].name.view())), task);
    const int at = project_->findData(keep);
    if (at >= 0) project_->setCurrentIndex(at);
    if (project_->count() == 0) project_->addItem(QStringLiteral("(no projects)"), 0);
}

void TForm_view_employees::fillGrid() {
    const QSignalBlocker block(grid_);
    const auto& rows = model_->rows();
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows.size()));
    int current = -1;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const StaffRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(kStaffColumns.size()); ++c) {
            const std::string& cell = row.cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(qs(cell));
            item->setData(Qt::UserRole, row.person);
            if (c >= 2 && c <= 7) {
                item->setTextAlignment(Qt::AlignCenter);
                item->setForeground(skillColour(c, QString::fromStdString(cell).toInt()));
            }
            if (c == 9) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 1) {
                if (cell.empty()) item->setText(QStringLiteral("idle"));
                item->setForeground(cell.empty() ? QColor(0x7f, 0xd6, 0x8f) : QColor(0xf2, 0xc1, 0x4e));
            }
            grid_->setItem(r, c, item);
        }
        if (row.person == model_->selected()) current = r;
    }
    if (current >= 0) grid_->setCurrentCell(current, 0);
    showSortIndicator(grid_, model_->sortColumn(), model_->sortAscending());
}

i32 TForm_view_employees::chosenProject() const { return project_->currentData().toInt(); }

void TForm_view_employees::updateButtons() {
    const bool someone = model_->selected() > 0;
    const bool project = chosenProject() > 0;
    manager_->setEnabled(someone && project);
    assign_->setEnabled(someone && project);
    remove_->setEnabled(model_->canRemove());
    intensify_->setEnabled(model_->selectedStudyTask() > 0);
    choose_->setEnabled(someone);
}

void TForm_view_employees::chooseRow(int gridRow) {
    const QTableWidgetItem* item = gridRow >= 0 ? grid_->item(gridRow, 0) : nullptr;
    if (!item) return;
    model_->select(item->data(Qt::UserRole).toInt());
    const i32 chosen = model_->selected();
    name_->setText(qs(game_.tables().people[chosen].name.view()));
    face_->setPixmap(facePicture(chosen, FaceMood::Neutral, 56));
    sheet_->setPlainText(gameText(model_->sheet()));
    updateButtons();
}

void TForm_view_employees::changed() {
    refresh();
    emit staffChanged();
}

void TForm_view_employees::pressChoose() {
    if (!model_->selecting()) return;
    if (model_->selected() == 0) {
        noEmployeeChosen(player_);
        return;
    }
    model_->pick(player_, model_->selected());
    if (model_->closeRequested()) {
        accept();
        return;
    }
    changed();
}

void TForm_view_employees::pressMakeManager() {
    model_->makeSelectedManager(player_, chosenProject());
    changed();
}

void TForm_view_employees::pressAssign() {
    model_->assignSelected(player_, chosenProject());
    changed();
}

void TForm_view_employees::pressRemove() {
    model_->removeSelected(player_);
    changed();
}

void TForm_view_employees::pressStudy() {
    if (model_->studySelected(player_)) return;
    TForm_study study(game_, player_, model_->selected(), this);
    study.exec();
    changed();
}

void TForm_view_employees::pressIntensify() {
    const i32 task = model_->selectedStudyTask();
    if (task == 0) return;
    intensifyStudy(game_, player_, task);
    changed();
}

void TForm_view_employees::pressFire() {
    model_->fireSelected(player_);
    changed();
}

}  // namespace cw::ui
