#include "ui/company_books_screens.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "finance/company_books.h"
#include "people/labour_market.h"
#include "state/game.h"
#include "state/text_format.h"
#include "ui/app_style.h"
#include "ui/qt_player.h"

namespace cw::ui {
namespace {

const QColor kGreen(0x4c, 0xc3, 0x6b);
const QColor kRed(0xe0, 0x5a, 0x5a);
const QColor kGold(0xf2, 0xc1, 0x4e);

QString num(long long v) { return qs(thousands(v)); }

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; font-size: 14px; padding-top: 4px;"));
    return l;
}

// "Cash :123$" shown as caption and value, the number readable.
QLabel* valueLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

// ---------------------------------------------------------------------------
TForm_company_overview::TForm_company_overview(Game& g, QWidget* parent) : QDialog(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_company_overview"));
    setWindowTitle(QStringLiteral("Company Overview"));
    resize(860, 600);
    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    root->addLayout(top, 1);

    sheet_ = new QWidget(this);
    auto* left = new QVBoxLayout(sheet_);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(valueLabel(sheet_, QStringLiteral("company")));
    left->addWidget(valueLabel(sheet_, QStringLiteral("ceo")));
    left->addWidget(heading(QStringLiteral("Financial"), sheet_));
    for (const char* n : {"cash", "loan", "shares"}) left->addWidget(valueLabel(sheet_, QString::fromLatin1(n)));
    left->addWidget(heading(QStringLiteral("Public image"), sheet_));
    for (const char* n : {"gamesImage", "platformsImage"}) left->addWidget(valueLabel(sheet_, QString::fromLatin1(n)));
    left->addWidget(heading(QStringLiteral("Buildings"), sheet_));
    for (const char* n : {"headquarters", "extraOffices", "factory", "warehouse", "officeSpace", "warehouseSpace"})
        left->addWidget(valueLabel(sheet_, QString::fromLatin1(n)));
    left->addStretch(1);
    sheet_->setMinimumWidth(250);
    top->addWidget(sheet_);

    auto* right = new QVBoxLayout;
    auto* goalBox = new QGroupBox(QStringLiteral("Company Goal"), this);
    auto* gl = new QVBoxLayout(goalBox);
    goal_ = new QLabel(goalBox);
    goal_->setObjectName(QStringLiteral("goal"));
    goal_->setWordWrap(true);
    gl->addWidget(goal_);
    gl->addWidget(new QLabel(QStringLiteral("Board members opinion about you :"), goalBox));
    auto* bar = new QHBoxLayout;
    auto* good = new QLabel(QStringLiteral("Good"), goalBox);
    good->setStyleSheet(QStringLiteral("color: #4cc36b; font-weight: bold;"));
    auto* bad = new QLabel(QStringLiteral("Bad"), goalBox);
    bad->setStyleSheet(QStringLiteral("color: #e05a5a; font-weight: bold;"));
    opinion_ = new QProgressBar(goalBox);
    opinion_->setObjectName(QStringLiteral("opinionBar"));
    opinion_->setRange(0, 100);
    opinion_->setTextVisible(false);
    // The bar runs from "Good" on the left to "Bad" on the right.
    opinion_->setInvertedAppearance(false);
    bar->addWidget(good);
    bar->addWidget(opinion_, 1);
    bar->addWidget(bad);
    gl->addLayout(bar);
    right->addWidget(goalBox);

    tabs_ = new QTabWidget(this);
    auto* tabBar = tabs_->tabBar();
    tabs_->addTab(new QWidget(tabs_), QStringLiteral("Games"));
    tabs_->addTab(new QWidget(tabs_), QStringLiteral("Platforms"));
    tabs_->setMaximumHeight(tabBar->sizeHint().height() + 4);
    connect(tabs_, &QTabWidget::currentChanged, this, &TForm_company_overview::chooseTab);
    right->addWidget(tabs_);
    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("productGrid"));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    right->addWidget(grid_, 1);
    top->addLayout(right, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(this, this));
    root->addLayout(bottom);
    refresh();
}

QLabel* TForm_company_overview::field(const QString& name) const {
    return sheet_->findChild<QLabel*>(name) ? sheet_->findChild<QLabel*>(name) : findChild<QLabel*>(name);
}

void TForm_company_overview::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void TForm_company_overview::chooseTab(int tab) {
    tab_ = tab == 1 ? 1 : 0;
    if (tabs_->currentIndex() != tab_) tabs_->setCurrentIndex(tab_);
    refresh();
}

void TForm_company_overview::refresh() {
    const CompanyOverview o =
        companyOverview(game_, officeCapacity(game_), tab_ == 1 ? OverviewTab::Platforms : OverviewTab::Games);
    const std::pair<const char*, const std::string*> fields[] = {
        {"company", &o.company},     {"ceo", &o.ceo},
        {"cash", &o.cash},           {"loan", &o.loan},
        {"shares", &o.shares},       {"gamesImage", &o.gamesImage},
        {"platformsImage", &o.platformsImage}, {"headquarters", &o.headquarters},
        {"extraOffices", &o.extraOffices},     {"factory", &o.factory},
        {"warehouse", &o.warehouse},           {"officeSpace", &o.officeSpace},
        {"warehouseSpace", &o.warehouseSpace}};
    for (const auto& [name, text] : fields)
        if (QLabel* l = sheet_->findChild<QLabel*>(QString::fromLatin1(name))) l->setText(qs(*text));
    goal_->setText(qs(o.goal));
    opinion_->setValue(o.opinion);
    grid_->setHorizontalHeaderLabels({qs(o.titles[0]), qs(o.titles[1]), qs(o.titles[2])});
    grid_->setRowCount(static_cast<int>(o.rows.size()));
    for (int r = 0; r < static_cast<int>(o.rows.size()); ++r) {
        const OverviewRow& row = o.rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(qs(row.name)));
        auto* income = new QTableWidgetItem(num(row.income));
        income->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(r, 1, income);
        grid_->setItem(r, 2, new QTableWidgetItem(qs(row.third)));
    }
}

// ---------------------------------------------------------------------------
AnnualReportView::AnnualReportView(Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    setObjectName(QStringLiteral("annualReport"));
    grid_ = new QGridLayout(this);
    grid_->setHorizontalSpacing(28);
    grid_->setVerticalSpacing(1);
    refresh();
}

QLabel* AnnualReportView::cell(int column, int line) const {
    QLayoutItem* item = grid_->itemAtPosition(line + 1, column + 1);
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

void AnnualReportView::refresh() {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const AnnualReport r = showAnnualReport(game_);
    for (int i = 0; i < static_cast<int>(r.captions.size()); ++i) {
        auto* c = new QLabel(qs(r.captions[static_cast<std::size_t>(i)]), this);
        grid_->addWidget(c, i + 1, 0);
    }
    for (int c = 0; c < 3; ++c) {
        const AnnualReportColumn& col = r.columns[static_cast<std::size_t>(c)];
        auto* head = new QLabel(QString::number(col.year), this);
        head->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; font-size: 15px;"));
        head->setAlignment(Qt::AlignRight);
        grid_->addWidget(head, 0, c + 1);
        for (int i = 0; i < static_cast<int>(col.lines.size()); ++i) {
            const ReportCell& cell = col.lines[static_cast<std::size_t>(i)];
            long long v = 0;
            bool number = !cell.text.empty() && cell.text != "Not available";
            if (number) v = std::stoll(cell.text);
            auto* l = new QLabel(number ? num(v) : qs(cell.text), this);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (cell.colour == ReportColour::Green) l->setStyleSheet(QStringLiteral("color: #4cc36b;"));
            if (cell.colour == ReportColour::Red) l->setStyleSheet(QStringLiteral("color: #e05a5a;"));
            grid_->addWidget(l, i + 1, c + 1);
        }
    }
    grid_->setRowStretch(static_cast<int>(r.captions.size()) + 1, 1);
}

// ---------------------------------------------------------------------------
TForm_books::TForm_books(Game& g, QWidget* parent) : QDialog(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_books"));
    setWindowTitle(QStringLiteral("Company Graphs and Reports"));
    resize(920, 600);
    auto* root = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    root->addWidget(tabs_, 1);

    // Graphs: the kind buttons on the left, the chart on the right.
    auto* graphs = new QWidget(tabs_);
    auto* gl = new QHBoxLayout(graphs);
    auto* buttons = new QVBoxLayout;
    auto addGroup = [&](const QString& caption, std::initializer_list<int> kinds) {
        buttons->addWidget(heading(caption, graphs));
        for (int kind : kinds) {
            const FinanceGraph f = showFinanceGraph(game_, kind);
            auto* b = new QPushButton(qs(f.button), graphs);
            b->setObjectName(QStringLiteral("graph%1").arg(kind));
            b->setAutoDefault(false);
            b->setToolTip(qs(f.title));
            connect(b, &QPushButton::clicked, this, [this, kind] { showGraph(kind); });
            buttons->addWidget(b);
        }
    };
    addGroup(QStringLiteral("Yearly"), {1, 2, 3, 4, 5, 6});
    addGroup(QStringLiteral("This year, weekly"), {10, 11, 12, 13});
    buttons->addStretch(1);
    gl->addLayout(buttons);
    auto* chartSide = new QVBoxLayout;
    title_ = new QLabel(graphs);
    title_->setObjectName(QStringLiteral("graphTitle"));
    title_->setStyleSheet(QStringLiteral("color: #f2c14e; font-weight: bold; font-size: 16px;"));
    chartSide->addWidget(title_);
    chart_ = new QChart;
    chart_->setBackgroundBrush(QColor(0x1b, 0x25, 0x34));
    chart_->setBackgroundRoundness(8);
    chart_->legend()->hide();
    chart_->setMargins(QMargins(6, 6, 14, 6));
    series_ = new QLineSeries(chart_);
    series_->setPen(QPen(kGold, 2.5));
    series_->setPointsVisible(true);
    chart_->addSeries(series_);
    xAxis_ = new QValueAxis(chart_);
    yAxis_ = new QValueAxis(chart_);
    for (QValueAxis* axis : {xAxis_, yAxis_}) {
        axis->setLabelsBrush(QColor(0xb8, 0xc6, 0xd6));
        axis->setTitleBrush(QColor(0xb8, 0xc6, 0xd6));
        axis->setGridLineColor(QColor(0x2a, 0x39, 0x50));
        axis->setLinePenColor(QColor(0x33, 0x44, 0x5e));
    }
    xAxis_->setLabelFormat(QStringLiteral("%d"));
    yAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);
    series_->attachAxis(xAxis_);
    series_->attachAxis(yAxis_);
    // A point's value shows when the mouse rests on it.
    connect(series_, &QLineSeries::hovered, this, [this](const QPointF& p, bool state) {
        if (!state) {
            QToolTip::hideText();
            return;
        }
        const QString x = xAxis_->titleText() + QLatin1Char(' ') + QString::number(qRound(p.x()));
        QToolTip::showText(QCursor::pos(), x + QStringLiteral(": ") + num(qRound64(p.y())), chartView_);
    });
    chartView_ = new QChartView(chart_, graphs);
    chartView_->setObjectName(QStringLiteral("financeChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setStyleSheet(QStringLiteral("background: transparent;"));
    chartSide->addWidget(chartView_, 1);
    gl->addLayout(chartSide, 1);
    tabs_->addTab(graphs, QStringLiteral("Graphs"));

    auto* reports = new QWidget(tabs_);
    auto* rl = new QVBoxLayout(reports);
    report_ = new AnnualReportView(game_, reports);
    rl->addWidget(report_);
    rl->addStretch(1);
    tabs_->addTab(reports, QStringLiteral("Reports"));

    auto* milestones = new QWidget(tabs_);
    auto* ml = new QVBoxLayout(milestones);
    auto* mb = new QHBoxLayout;
    auto* company = new QPushButton(QStringLiteral("Company Milestones"), milestones);
    auto* world = new QPushButton(QStringLiteral("World Milestones"), milestones);
    for (QPushButton* b : {company, world}) {
        b->setAutoDefault(false);
        mb->addWidget(b);
    }
    mb->addStretch(1);
    // The list disappears while it is rebuilt and comes back after a short
    // pause, so that a switch of lists is seen as one.
    auto reveal = [this](bool worldList, int ms) {
        milestones_->hide();
        showMilestoneList(worldList);
        QTimer::singleShot(ms, milestones_, [this] { milestones_->show(); });
    };
    connect(company, &QPushButton::clicked, this, [reveal] { reveal(false, 250); });
    connect(world, &QPushButton::clicked, this, [reveal] { reveal(true, 500); });
    ml->addLayout(mb);
    milestones_ = new QPlainTextEdit(milestones);
    milestones_->setObjectName(QStringLiteral("milestonesText"));
    milestones_->setReadOnly(true);
    ml->addWidget(milestones_, 1);
    tabs_->addTab(milestones, QStringLiteral("Milestones"));

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(this, this));
    root->addLayout(bottom);
    showGraph(1);
    showMilestoneList(false);
}

void TForm_books::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void TForm_books::refresh() {
    showGraph(kind_);
    report_->refresh();
    showMilestoneList(worldMilestones_);
}

void TForm_books::showPage(Page page) { tabs_->setCurrentIndex(page); }

void TForm_books::showGraph(int kind) {
    const FinanceGraph f = showFinanceGraph(game_, kind);
    if (f.title.empty()) return;
    kind_ = kind;
    title_->setText(qs(f.title));
    series_->clear();
    long long low = 0, high = 1;
    for (const auto& [x, y] : f.points) {
        series_->append(x, y);
        low = std::min<long long>(low, y);
        high = std::max<long long>(high, y);
    }
    xAxis_->setTitleText(qs(f.xAxis));
    if (f.yearly) {
        const int last = std::max<int>(1980, game_.currentYear);
        xAxis_->setRange(1979, last);
        xAxis_->setTickCount(std::min(last - 1979, 9) + 1);
    } else {
        xAxis_->setRange(1, 52);
        xAxis_->setTickCount(14);
    }
    // A little room above the highest point keeps it off the frame.
    yAxis_->setRange(static_cast<double>(low), static_cast<double>(high + high / 10));
    yAxis_->applyNiceNumbers();
}

void TForm_books::showMilestoneList(bool world) {
    worldMilestones_ = world;
    QStringList lines;
    for (const std::string& line : showMilestones(game_, world)) lines << qs(line);
    milestones_->setPlainText(lines.join(QLatin1Char('\n')));
}

void showFinalAnnualReport(Game& g, QWidget* parent) {
    TForm_books books(g, parent);
    makeSecondaryWindow(&books);
    books.setWindowTitle(QStringLiteral("Final annual reports"));
    books.showPage(TForm_books::Reports);
    books.exec();
}

// ---------------------------------------------------------------------------
CashCurve::CashCurve(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cashCurve"));
    setMinimumSize(120, 32);
    setMaximumHeight(40);
    setToolTip(QStringLiteral("Cash, week by week this year"));
}

void CashCurve::setValues(std::vector<int> values) {
    values_ = std::move(values);
    update();
}

void CashCurve::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 3, -2, -3);
    p.setPen(QPen(QColor(0x33, 0x44, 0x5e), 1));
    p.drawRoundedRect(r, 4, 4);
    if (values_.size() < 2) return;
    const auto [lo, hi] = std::minmax_element(values_.begin(), values_.end());
    const double low = std::min(0.0, static_cast<double>(*lo));
    const double span = std::max(1.0, static_cast<double>(*hi) - low);
    QPainterPath path;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const double x = r.left() + 3 + (r.width() - 6) * static_cast<double>(i) / static_cast<double>(values_.size() - 1);
        const double y = r.bottom() - 3 - (r.height() - 6) * (values_[i] - low) / span;
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    const bool rising = values_.back() >= values_.front();
    p.setPen(QPen(rising ? kGreen : kRed, 1.8));
    p.drawPath(path);
    if (low < 0) {
        const double zero = r.bottom() - 3 - (r.height() - 6) * (0 - low) / span;
        p.setPen(QPen(QColor(0x70, 0x7c, 0x8c), 1, Qt::DotLine));
        p.drawLine(QPointF(r.left() + 2, zero), QPointF(r.right() - 2, zero));
    }
}

}  // namespace cw::ui
