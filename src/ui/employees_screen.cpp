#include "ui/employees_screen.h"
#include "ui/app_style.h"
#include "ui/shared_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "people/labour_market.h"
#include "state/game.h"
#include "ui/employees_pictures.h"
#include "ui/qt_player.h"

namespace cw::ui {

QString moneyText(long long value) {
    QString digits = QString::number(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(','));
    return (value < 0 ? QStringLiteral("-") : QString()) + digits + QStringLiteral(" $");
}

namespace {

// The employees screen's own rules; windows, bands, grids, buttons and the
// paper of the personal files come from the application's look.
const char* const kScreenStyle = R"(
QWidget#headerBand QLabel#label_office { color: #1d2b3a; background: #f2c14e; border-radius: 11px; padding: 4px 12px;
  font-weight: bold; font-size: 10pt; letter-spacing: 0; }
QWidget#headerBand QLabel#label_office[full="true"] { background: #e0604a; color: #ffffff; }
QWidget#filterBar { background: #18212e; border-bottom: 1px solid #2a3950; }
QWidget#filterBar QLabel { color: #9fb0c4; font-weight: bold; }
QLabel#label_count { color: #dfe7f1; }
QLabel#interestName { color: #ffffff; font-size: 12pt; font-weight: bold; }
QLabel#interestInfo { color: #b9c7d8; }
QPushButton#Button_hire { font-size: 12pt; padding: 10px; }
)";

// The job interview's own rules.
const char* const kDialogStyle = R"(
QLabel#answer { background: #ffffff; color: #1d2b3a; border: 2px solid #c9d3df; border-radius: 12px;
  padding: 10px 14px; font-size: 11pt; }
QLabel#answer[tone="yes"] { background: #2e9d5a; color: #ffffff; border-color: #1d6b3c; }
QLabel#answer[tone="no"] { background: #d24b3c; color: #ffffff; border-color: #8f2a20; }
QLabel#mood { color: #e6ecf3; font-weight: bold; }
QLabel#mood[lost="true"] { color: #ff7b6b; }
QWidget#headerBand QLabel#appeal, QLabel#previous { color: #f2c14e; font-weight: bold; font-size: 10pt;
  letter-spacing: 0; }
QFrame#offerFrame { background: #233047; border: 1px solid #34465f; border-radius: 8px; }
QFrame#offerFrame QLabel { color: #c9d6e3; }
QFrame#offerFrame QLabel#offerTitle { color: #f2c14e; font-weight: bold; letter-spacing: 1px; }
QFrame#offerFrame QLabel:disabled { color: #66727f; }
QLineEdit { font-size: 11pt; }
QPushButton[choice="true"] { min-width: 80px; background: #1b2534; border-color: #f2c14e; color: #f2c14e; }
QPushButton[choice="true"]:disabled { color: #66727f; border-color: #3f4a58; }
QPushButton#Button_finalhire { font-size: 11pt; color: #ffffff; border: 2px solid #1d6b3c;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #43b86f, stop:1 #2a8a4f); }
QPushButton#Button_finalhire:disabled { color: #8b96a3; border-color: #3f4a58; background: #2f3946; }
)";

// Draws "overall Rating" as a bar in the colour of its rating word.
class RatingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        const QWidget* view = option.widget;
        (view ? view->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &plain, p, view);
        const int value = index.data(Qt::DisplayRole).toInt();
        const QRectF r = QRectF(option.rect).adjusted(6, 7, -40, -7);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(0x10, 0x17, 0x21));
        p->drawRoundedRect(r, 3, 3);
        QRectF fill = r;
        fill.setWidth(r.width() * std::clamp(value, 0, 100) / 100.0);
        p->setBrush(ratingColour(value));
        if (value > 0) p->drawRoundedRect(fill, 3, 3);
        p->setPen(option.state & QStyle::State_Selected ? QColor(Qt::white) : QColor(0xdf, 0xe7, 0xf1));
        p->drawText(QRectF(r.right() + 4, option.rect.top(), 34, option.rect.height()),
                    Qt::AlignVCenter | Qt::AlignRight, QString::number(value));
        p->restore();
    }
};

QPlainTextEdit* paperSheet(QWidget* parent) { return makePaperSheet(parent, QStringLiteral("memo_person")); }

QComboBox* comboOf(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

void repolish(QWidget* w) {
    w->style()->unpolish(w);
    w->style()->polish(w);
}

}  // namespace

TForm_employees::TForm_employees(Game& g, Player& p, const ReferenceTables* ref, QWidget* parent)
    : QWidget(parent), game_(g), player_(p), model_(std::make_unique<HiringScreen>(g, ref)) {
    setObjectName(QStringLiteral("TForm_employees"));
    setWindowTitle(QStringLiteral("Hire/view Employees"));
    makeGameWindow(this);
    setStyleSheet(QString::fromLatin1(kScreenStyle));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    const HeaderBand header =
        makeHeaderBand(this, staffIcon(30), QStringLiteral("Hire/view Employees"), QStringLiteral("label_title"));
    QWidget* band = header.band;
    QHBoxLayout* bandLayout = header.layout;
    officeLabel_ = new QLabel(band);
    officeLabel_->setObjectName(QStringLiteral("label_office"));
    officeLabel_->setToolTip(
        QStringLiteral("Employees and office places. Upgrade the headquarters, the publisher or "
                       "the offices for more room."));
    bandLayout->addWidget(officeLabel_);
    outer->addWidget(band);

    auto* filters = new QWidget(this);
    filters->setObjectName(QStringLiteral("filterBar"));
    filters->setAttribute(Qt::WA_StyledBackground);
    auto* filterLayout = new QHBoxLayout(filters);
    filterLayout->setContentsMargins(16, 8, 16, 8);
    filterLayout->setSpacing(8);
    auto addFilter = [&](const QString& caption, QComboBox* box) {
        auto* l = new QLabel(caption, filters);
        filterLayout->addWidget(l);
        filterLayout->addWidget(box);
        filterLayout->addSpacing(10);
    };
    QStringList areas, ratings, skills, levels{QString()};
    for (const char* s : kWorkAreaItems) areas << QString::fromLatin1(s);
    for (const char* s : kRatingItems) ratings << QString::fromLatin1(s);
    for (const char* s : kSkillItems) skills << QString::fromLatin1(s);
    for (int i = 1; i <= 9; ++i) levels << QString::number(i);
    area_ = comboOf(QStringLiteral("ComboBox_area"), areas, filters);
    rating_ = comboOf(QStringLiteral("ComboBox_rating"), ratings, filters);
    skill_ = comboOf(QStringLiteral("ComboBox_skill"), skills, filters);
    level_ = comboOf(QStringLiteral("ComboBox_level"), levels, filters);
    addFilter(QStringLiteral("Area"), area_);
    addFilter(QStringLiteral("Rating"), rating_);
    addFilter(QStringLiteral("Skill"), skill_);
    addFilter(QStringLiteral("Level"), level_);
    filterLayout->addStretch(1);
    countLabel_ = new QLabel(filters);
    countLabel_->setObjectName(QStringLiteral("label_count"));
    filterLayout->addWidget(countLabel_);
    outer->addWidget(filters);

    connect(area_, &QComboBox::activated, this, [this](int i) {
        model_->setWorkArea(i + 1);
        refresh();
    });
    connect(rating_, &QComboBox::activated, this, [this](int i) {
        model_->setRatingItem(i);
        refresh();
    });
    connect(skill_, &QComboBox::activated, this, [this](int i) {
        model_->setSkill(i);
        refresh();
    });
    connect(level_, &QComboBox::activated, this, [this](int i) {
        model_->setLevel(i);
        refresh();
    });

    QStringList headings;
    for (const char* c : kCandidateColumns) headings << QString::fromLatin1(c);
    grid_ = makeRowGrid(this, QStringLiteral("StringGrid_employees"), headings);
    grid_->setItemDelegateForColumn(3, new RatingDelegate(grid_));
    QHeaderView* head = grid_->horizontalHeader();
    // Names and employers share what the figures leave, so at 1024 pixels the
    // employer column is not squeezed to a few letters.
    head->setSectionResizeMode(0, QHeaderView::Stretch);
    head->setSectionResizeMode(2, QHeaderView::Stretch);
    grid_->setColumnWidth(1, 130);
    grid_->setColumnWidth(3, 126);
    grid_->setColumnWidth(4, 54);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(head, &QHeaderView::sectionClicked, this, [this](int column) {
        model_->sortBy(column);
        fillGrid();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { chooseRow(row); });

    menu_ = new QMenu(this);
    QAction* hireAction = menu_->addAction(QStringLiteral("Hire"));
    hireAction->setObjectName(QStringLiteral("MenuHire"));
    connect(hireAction, &QAction::triggered, this, &TForm_employees::hireFromMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const int row = grid_->rowAt(pos.y());
        if (row < 0) return;
        grid_->setCurrentCell(row, 0);
        menu_->popup(grid_->viewport()->mapToGlobal(pos));
    });

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(12);
    QVBoxLayout* viewBody = nullptr;
    QFrame* viewCard = makeCard(side, QStringLiteral("CURRENTLY VIEWING"), viewBody);
    viewingTitle_ = new QLabel(viewCard);
    viewingTitle_->setObjectName(QStringLiteral("interestName"));
    viewBody->addWidget(viewingTitle_);
    viewing_ = paperSheet(viewCard);
    viewBody->addWidget(viewing_, 1);
    moveButton_ = new QPushButton(QStringLiteral("Move to -->"), viewCard);
    moveButton_->setObjectName(QStringLiteral("Button_move"));
    moveButton_->setCursor(Qt::PointingHandCursor);
    moveButton_->setToolTip(QStringLiteral("Make this person the one to interview"));
    connect(moveButton_, &QPushButton::clicked, this, &TForm_employees::moveToInterest);
    viewBody->addWidget(moveButton_, 0, Qt::AlignRight);
    sideLayout->addWidget(viewCard, 1);

    QVBoxLayout* interestBody = nullptr;
    QFrame* interestCard = makeCard(side, QStringLiteral("PERSON OF INTEREST"), interestBody);
    auto* who = new QHBoxLayout;
    interestFace_ = new QLabel(interestCard);
    interestFace_->setFixedSize(64, 64);
    who->addWidget(interestFace_);
    auto* whoText = new QVBoxLayout;
    interestName_ = new QLabel(interestCard);
    interestName_->setObjectName(QStringLiteral("interestName"));
    interestInfo_ = new QLabel(interestCard);
    interestInfo_->setObjectName(QStringLiteral("interestInfo"));
    whoText->addWidget(interestName_);
    whoText->addWidget(interestInfo_);
    whoText->addStretch(1);
    who->addLayout(whoText, 1);
    interestBody->addLayout(who);
    hireButton_ = new QPushButton(QStringLiteral("Hire"), interestCard);
    hireButton_->setObjectName(QStringLiteral("Button_hire"));
    hireButton_->setProperty("role", QStringLiteral("action"));
    hireButton_->setCursor(Qt::PointingHandCursor);
    connect(hireButton_, &QPushButton::clicked, this, &TForm_employees::pressHire);
    interestBody->addWidget(hireButton_);
    sideLayout->addWidget(interestCard);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(grid_);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 4);
    body->addWidget(split, 1);
    outer->addLayout(body, 1);
    addCloseBar(this);

    dialog_ = new InterviewDialog(g, p, *model_, this);
    connect(dialog_, &InterviewDialog::hired, this, [this] {
        refresh();
        emit staffChanged();
    });

    resize(1120, 700);
    split->setSizes({640, 440});
    model_->open();
    refresh();
}

TForm_employees::~TForm_employees() = default;

void TForm_employees::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->open();
    refresh();
}

void TForm_employees::syncFilters() {
    const CandidateFilter& f = model_->filter();
    const QSignalBlocker a(area_), r(rating_), s(skill_), l(level_);
    area_->setCurrentIndex(f.workArea - 1);
    rating_->setCurrentIndex(f.ratingItem);
    skill_->setCurrentIndex(f.skill);
    level_->setCurrentIndex(f.level);
    level_->setEnabled(f.levelEnabled());
}

void TForm_employees::refresh() {
    syncFilters();
    fillGrid();
    const i32 staff = employeeCount(game_), room = officeCapacity(game_);
    officeLabel_->setText(QStringLiteral("Employees  %1 / %2").arg(staff).arg(room));
    officeLabel_->setProperty("full", staff >= room);
    repolish(officeLabel_);
    const i32 viewed = model_->viewing();
    viewingTitle_->setText(viewed > 0 ? qs(game_.tables().people[viewed].name.str())
                                      : QStringLiteral("Nobody chosen"));
    viewing_->setPlainText(gameText(personSheet(game_, viewed)));
    moveButton_->setEnabled(viewed > 0);
    updateInterestCard();
}

void TForm_employees::fillGrid() {
    const QSignalBlocker block(grid_);
    const auto& rows = model_->rows();
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows.size()));
    int current = -1;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CandidateRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < 5; ++c) {
            const std::string& cell = row.cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(c == 1 ? moneyText(std::stoll(cell)) : qs(cell));
            item->setData(Qt::UserRole, row.person);
            if (c == 1 || c == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 2 && cell.empty()) item->setText(QStringLiteral("-"));
            if (c == 2) item->setForeground(cell.empty() ? QColor(0x6b, 0x7b, 0x8e) : QColor(0xf2, 0xc1, 0x4e));
            grid_->setItem(r, c, item);
        }
        if (row.person == model_->viewing()) current = r;
    }
    if (current >= 0) grid_->setCurrentCell(current, 0);
    showSortIndicator(grid_, model_->sortColumn(), model_->sortAscending());
    countLabel_->setText(QStringLiteral("%1 candidates").arg(rows.size()));
}

void TForm_employees::updateInterestCard() {
    const i32 who = model_->personOfInterest();
    hireButton_->setEnabled(model_->hireEnabled());
    if (who < 1) {
        interestName_->setText(QStringLiteral("Nobody yet"));
        interestInfo_->setText(QStringLiteral("Choose a row and press \"Move to -->\""));
        interestFace_->setPixmap(facePicture(0, FaceMood::Neutral, 64));
        return;
    }
    const Person& p = game_.tables().people[who];
    interestName_->setText(qs(p.name.str()));
    interestInfo_->setText(QStringLiteral("%1 · %2 a month · rating %3")
                               .arg(qs(workAreaName(p.workArea)), moneyText(p.salary))
                               .arg(p.overallRating));
    if (model_->interestIsOwnStaff()) interestInfo_->setText(interestInfo_->text() + QStringLiteral("\nWorks for you"));
    interestFace_->setPixmap(facePicture(who, FaceMood::Neutral, 64));
}

void TForm_employees::chooseRow(int gridRow) {
    const QTableWidgetItem* item = gridRow >= 0 ? grid_->item(gridRow, 0) : nullptr;
    if (!item) return;
    model_->select(item->data(Qt::UserRole).toInt());
    const i32 viewed = model_->viewing();
    viewingTitle_->setText(qs(game_.tables().people[viewed].name.str()));
    viewing_->setPlainText(gameText(personSheet(game_, viewed)));
    moveButton_->setEnabled(true);
}

void TForm_employees::moveToInterest() {
    model_->moveToInterest();
    updateInterestCard();
}

void TForm_employees::pressHire() {
    model_->hire(player_);  // a refusal arrives as a notice through the player
    if (model_->interview().open) dialog_->showInterview();
}

void TForm_employees::hireFromMenu() {
    model_->hireFromMenu(player_);
    updateInterestCard();
    if (model_->interview().open) dialog_->showInterview();
}

InterviewDialog::InterviewDialog(Game& g, Player& p, HiringScreen& model, QWidget* parent)
    : QDialog(parent), game_(g), player_(p), model_(model) {
    setObjectName(QStringLiteral("TForm_interview"));
    setWindowTitle(QStringLiteral("Job interview"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kDialogStyle));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    const HeaderBand header =
        makeHeaderBand(this, staffIcon(24), QStringLiteral("Job interview"), QStringLiteral("headerLabel"));
    QWidget* band = header.band;
    QHBoxLayout* bandLayout = header.layout;
    appeal_ = new QLabel(band);
    appeal_->setObjectName(QStringLiteral("appeal"));
    appeal_->setToolTip(QStringLiteral("How attractive the company looks to a candidate: cash and headquarters"));
    bandLayout->addWidget(appeal_);
    outer->addWidget(band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 14, 16, 8);
    body->setSpacing(16);
    sheet_ = paperSheet(this);
    sheet_->setMinimumWidth(330);
    body->addWidget(sheet_, 5);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    auto* talk = new QHBoxLayout;
    face_ = new QLabel(this);
    face_->setFixedSize(96, 96);
    talk->addWidget(face_, 0, Qt::AlignTop);
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setWordWrap(true);
    answer_->setMinimumHeight(84);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    talk->addWidget(answer_, 1);
    right->addLayout(talk);

    auto* moodRow = new QHBoxLayout;
    moodMeter_ = new MoodMeter(this);
    moodRow->addWidget(moodMeter_);
    mood_ = new QLabel(this);
    mood_->setObjectName(QStringLiteral("mood"));
    moodRow->addWidget(mood_, 1);
    right->addLayout(moodRow);

    auto* offerFrame = new QFrame(this);
    offerFrame->setObjectName(QStringLiteral("offerFrame"));
    offer_ = offerFrame;
    auto* form = new QGridLayout(offerFrame);
    form->setContentsMargins(14, 10, 14, 12);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    auto* offerTitle = new QLabel(QStringLiteral("YOUR OFFER"), offerFrame);
    offerTitle->setObjectName(QStringLiteral("offerTitle"));
    form->addWidget(offerTitle, 0, 0, 1, 4);
    form->addWidget(new QLabel(QStringLiteral("Previous wage :"), offerFrame), 1, 0);
    previous_ = new QLabel(offerFrame);
    previous_->setObjectName(QStringLiteral("previous"));
    form->addWidget(previous_, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("Wage :"), offerFrame), 2, 0);
    wage_ = new QLineEdit(offerFrame);
    wage_->setObjectName(QStringLiteral("Edit_wage"));
    form->addWidget(wage_, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("One-off payment :"), offerFrame), 2, 2);
    oneOff_ = new QLineEdit(offerFrame);
    oneOff_->setObjectName(QStringLiteral("Edit_oneoff"));
    oneOff_->setToolTip(QStringLiteral("A non-recurring payment at signing; every 13 $ count as one dollar of wage"));
    form->addWidget(oneOff_, 2, 3);
    auto choice = [&](const QString& caption, const QString& name, int row) {
        form->addWidget(new QLabel(caption, offerFrame), row, 0);
        auto* b = new QPushButton(offerFrame);
        b->setObjectName(name);
        b->setProperty("choice", true);
        b->setCursor(Qt::PointingHandCursor);
        form->addWidget(b, row, 1);
        return b;
    };
    study_ = choice(QStringLiteral("time for Study"), QStringLiteral("Button_study"), 3);
    managing_ = choice(QStringLiteral("team managing"), QStringLiteral("Button_managing"), 4);
    study_->setToolTip(QStringLiteral("Promised study time: 5 weeks for each step"));
    managing_->setToolTip(QStringLiteral("Promised time as team manager: 15 weeks for each step"));
    car_ = new QCheckBox(QStringLiteral("Free car"), offerFrame);
    phone_ = new QCheckBox(QStringLiteral("Free phone"), offerFrame);
    computer_ = new QCheckBox(QStringLiteral("Free computer"), offerFrame);
    car_->setObjectName(QStringLiteral("CheckBox_car"));
    phone_->setObjectName(QStringLiteral("CheckBox_phone"));
    computer_->setObjectName(QStringLiteral("CheckBox_computer"));
    form->addWidget(car_, 3, 2, 1, 2);
    form->addWidget(phone_, 4, 2, 1, 2);
    form->addWidget(computer_, 5, 2, 1, 2);
    suggest_ = new QPushButton(QStringLiteral("Suggest"), offerFrame);
    suggest_->setObjectName(QStringLiteral("Button_suggest"));
    suggest_->setCursor(Qt::PointingHandCursor);
    suggest_->setDefault(true);
    form->addWidget(suggest_, 5, 0, 1, 2);
    right->addWidget(offerFrame);
    right->addStretch(1);
    body->addLayout(right, 6);
    outer->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 4, 16, 14);
    buttons->addStretch(1);
    hire_ = new QPushButton(QStringLiteral("hire"), this);
    hire_->setObjectName(QStringLiteral("Button_finalhire"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Button_cancel"));
    cancel_->setProperty("role", QStringLiteral("secondary"));
    hire_->setCursor(Qt::PointingHandCursor);
    cancel_->setCursor(Qt::PointingHandCursor);
    buttons->addWidget(hire_);
    buttons->addWidget(cancel_);
    outer->addLayout(buttons);

    connect(study_, &QPushButton::clicked, this, [this] {
        model_.toggleStudy();
        refresh();
    });
    connect(managing_, &QPushButton::clicked, this, [this] {
        model_.toggleManaging();
        refresh();
    });
    connect(car_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setFreeCar(on);
        refresh();
    });
    connect(phone_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setFreePhone(on);
        refresh();
    });
    connect(computer_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setFreeComputer(on);
        refresh();
    });
    connect(suggest_, &QPushButton::clicked, this, &InterviewDialog::pressSuggest);
    connect(hire_, &QPushButton::clicked, this, &InterviewDialog::pressHire);
    connect(cancel_, &QPushButton::clicked, this, &InterviewDialog::pressCancel);
    // Closing the window is "Cancel" too.
    connect(this, &QDialog::rejected, this, [this] { model_.cancel(); });
    resize(900, 520);
}

void InterviewDialog::showInterview() {
    const Interview& iv = model_.interview();
    wage_->setText(qs(iv.wageField));
    oneOff_->setText(qs(iv.oneOffField));
    flashing_ = false;
    refresh();
    open();
    raise();
    activateWindow();
}

void InterviewDialog::refresh() {
    const Interview& iv = model_.interview();
    const QSignalBlocker c(car_), ph(phone_), co(computer_);
    sheet_->setPlainText(gameText(iv.sheet));
    const bool answered = iv.answerKind != Interview::Answer::None;
    answer_->setText(gameText(answered ? iv.answer : iv.openingAnswer));
    if (!flashing_) {
        answer_->setProperty("tone", QString());
        repolish(answer_);
    }
    FaceMood look = FaceMood::Neutral;
    if (iv.lostInterest || !iv.offerEnabled)
        look = FaceMood::Refusing;
    else if (iv.answerKind == Interview::Answer::Accepted)
        look = FaceMood::Happy;
    else if (iv.answerKind == Interview::Answer::Refused || iv.negotiationMood <= 2)
        look = FaceMood::Doubtful;
    else if (iv.negotiationMood > 4)
        look = FaceMood::Happy;
    face_->setPixmap(facePicture(iv.person, look, 96));
    mood_->setText(qs(iv.moodText));
    mood_->setProperty("lost", iv.lostInterest);
    repolish(mood_);
    static_cast<MoodMeter*>(moodMeter_)->setMood(iv.negotiationMood);
    appeal_->setText(QStringLiteral("Company appeal : %1").arg(iv.companyAppeal));
    previous_->setText(qs(iv.previousWage));
    study_->setText(QString::fromLatin1(kChoiceWords[static_cast<std::size_t>(iv.studyChoice)]));
    managing_->setText(QString::fromLatin1(kChoiceWords[static_cast<std::size_t>(iv.managingChoice)]));
    car_->setChecked(iv.freeCar);
    phone_->setChecked(iv.freePhone);
    computer_->setChecked(iv.freeComputer);
    offer_->setEnabled(iv.offerEnabled);
    hire_->setEnabled(iv.hireEnabled);
}

void InterviewDialog::flashAnswer() {
    const Interview& iv = model_.interview();
    if (iv.answerKind == Interview::Answer::None) return;
    flashing_ = true;
    answer_->setProperty("tone",
                         iv.answerKind == Interview::Answer::Accepted ? QStringLiteral("yes") : QStringLiteral("no"));
    repolish(answer_);
    QTimer::singleShot(300, this, [this] {
        flashing_ = false;
        answer_->setProperty("tone", QString());
        repolish(answer_);
    });
}

void InterviewDialog::pressSuggest() {
    const bool refused =
        model_.suggest(player_, wage_->text().toStdString(), oneOff_->text().toStdString()).has_value();
    refresh();
    if (!refused) flashAnswer();
}

void InterviewDialog::pressHire() {
    if (!model_.confirmHire(player_)) return;
    accept();
    emit hired();
}

void InterviewDialog::pressCancel() {
    model_.cancel();
    reject();
}

}  // namespace cw::ui
