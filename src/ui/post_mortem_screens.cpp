#include "ui/post_mortem_screens.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "dev/release.h"
#include "state/game.h"
#include "state/shared_ops.h"
#include "state/text_format.h"
#include "ui/app_style.h"
#include "ui/message_dialogs.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

const QColor kGain{0x5c, 0xb8, 0x6a};
const QColor kLoss{0xd9, 0x5c, 0x4f};
const QColor kAxisText{0xb8, 0xc6, 0xd6};
const QColor kGrid{0x2a, 0x39, 0x50};

QString num(long long v) { return qs(thousands(v)); }
QString signedNum(long long v) { return (v > 0 ? QStringLiteral("+") : QString()) + num(v); }

QChart* darkChart(const QString& title) {
    auto* chart = new QChart;
    chart->setBackgroundBrush(look::kPanel);
    chart->setBackgroundRoundness(8);
    chart->setTitle(title);
    chart->setTitleBrush(look::kAccent);
    QFont f = chart->titleFont();
    f.setPixelSize(14);
    f.setBold(true);
    chart->setTitleFont(f);
    chart->setMargins(QMargins(4, 4, 8, 4));
    chart->legend()->setLabelColor(kAxisText);
    return chart;
}

void styleAxis(QAbstractAxis* axis) {
    axis->setLabelsBrush(kAxisText);
    axis->setGridLineColor(kGrid);
    axis->setLinePenColor(QColor(0x33, 0x44, 0x5e));
}

QChartView* chartView(QChart* chart, QWidget* parent, const QString& name) {
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setStyleSheet(QStringLiteral("background: transparent;"));
    return view;
}

// Horizontal bars of values against what is asked of them.
QChartView* barsAgainst(QWidget* parent, const QString& title, const QString& valueName, const QString& askedName,
                        const std::vector<WhyBar>& bars, const QString& name) {
    QChart* chart = darkChart(title);
    auto* values = new QBarSet(valueName);
    auto* asked = new QBarSet(askedName);
    values->setColor(look::kBlue);
    asked->setColor(QColor(0x8a, 0x94, 0xa0));
    QStringList names;
    int top = 10;
    // The first category is drawn at the bottom: the list goes in reversed.
    for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
        const WhyBar& b = *it;
        *values << b.value;
        *asked << b.asked;
        names << qs(b.name);
        top = std::max({top, b.value, b.asked});
    }
    auto* series = new QHorizontalBarSeries(chart);
    series->append(asked);
    series->append(values);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(series);
    auto* y = new QBarCategoryAxis(chart);
    y->append(names);
    auto* x = new QValueAxis(chart);
    x->setRange(0, top * 11 / 10);
    x->applyNiceNumbers();
    x->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* a : {static_cast<QAbstractAxis*>(x), static_cast<QAbstractAxis*>(y)}) styleAxis(a);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChartView* view = chartView(chart, parent, name);
    view->setMinimumSize(300, 170);
    QString tip;
    for (const WhyBar& b : bars) tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + qs(b.sentence);
    view->setToolTip(tip);
    return view;
}

// The components as a table: what, how much, why.
QTableWidget* lineTable(QWidget* parent, const QString& name, const QString& what) {
    QTableWidget* grid = makeRowGrid(parent, name, {what, QStringLiteral("Adds"), QStringLiteral("Why")});
    grid->setWordWrap(true);
    QHeaderView* head = grid->horizontalHeader();
    head->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    head->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    head->setSectionResizeMode(2, QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return grid;
}

void fillLines(QTableWidget* grid, const std::vector<WhyLine>& lines, long long total, const QString& totalName) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(lines.size()) + 1);
    int row = 0;
    auto put = [&](const QString& key, long long value, const QString& why, bool bold) {
        auto* k = new QTableWidgetItem(key);
        auto* v = new QTableWidgetItem(bold ? num(value) : signedNum(value));
        v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!bold && value != 0) v->setForeground(value > 0 ? kGain : kLoss);
        auto* w = new QTableWidgetItem(why);
        w->setToolTip(why);
        if (bold) {
            QFont f = k->font();
            f.setBold(true);
            k->setFont(f);
            v->setFont(f);
        }
        grid->setItem(row, 0, k);
        grid->setItem(row, 1, v);
        grid->setItem(row, 2, w);
        ++row;
    };
    for (const WhyLine& l : lines) {
        QString key = qs(l.key);
        if (!key.isEmpty()) key[0] = key[0].toUpper();
        put(key, l.value, qs(l.sentence), false);
    }
    put(totalName, total, QString(), true);
}

// The waterfall's column under each bar: a word, the table beside says more.
QString shortName(const std::string& key) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"score", "Score"},          {"installed base", "Base"},  {"game level", "Level"},
        {"piracy", "Piracy"},        {"still in use", "In use"},  {"price", "Price"},
        {"genre interest", "Genre"}, {"regional demand", "Demand"}, {"preferred platform", "Favour"},
        {"low score", "Low score"},  {"season", "Season"},        {"launch weeks", "Launch"},
        {"public image", "Image"},   {"publisher capacity", "Copies"}};
    for (const auto& [k, name] : kNames)
        if (key == k) return QString::fromLatin1(name);
    return qs(key);
}

QLabel* wrapped(QWidget* parent, const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

template <typename Screen>
Screen* openOver(QWidget* parent, Screen* screen) {
    screen->setAttribute(Qt::WA_DeleteOnClose);
    placeOverMain(screen, parent ? parent->window() : nullptr);
    screen->show();
    screen->raise();
    // Without the focus, Esc went to the window beneath and closed that one.
    screen->activateWindow();
    screen->setFocus(Qt::ActiveWindowFocusReason);
    return screen;
}

}  // namespace

TForm_whyscore::TForm_whyscore(Game& g, int task, int product, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TForm_whyscore"));
    setWindowTitle(QStringLiteral("Why this score"));
    model_ = task > 0 ? whyScoreOfTask(g, task) : whyScoreOfProduct(g, product);
    resize(1000, 660);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(8);
    const TitledBand band = makeTitledBand(this, QPixmap(), QStringLiteral("Why this score"),
                                           QStringLiteral("bandSubtitle"));
    root->addWidget(band.band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 0, 14, 0);
    root->addLayout(body, 1);
    if (!model_.unavailable.empty()) {
        band.subtitle->setText(QStringLiteral("Nothing to take apart"));
        body->addWidget(wrapped(this, qs(model_.unavailable), "warning"), 1);
        makeSecondaryWindow(this);
        return;
    }
    subtitle_ = band.subtitle;
    band.subtitle->setText(qs(model_.title) + (model_.finished ? QStringLiteral(": score ")
                                                               : QStringLiteral(": score if finished now "))
                           + num(model_.total));
    if (model_.versions.size() > 1) {
        auto* caption = new QLabel(QStringLiteral("Version :"), band.band);
        caption->setProperty("subtitle", true);
        band.layout->addWidget(caption);
        version_ = new QComboBox(band.band);
        version_->setObjectName(QStringLiteral("ComboBox_version"));
        for (const WhyVersion& v : model_.versions)
            version_->addItem(qs(v.platformName) + QStringLiteral(" (") + num(v.total) + QLatin1Char(')'));
        connect(version_, &QComboBox::activated, this, &TForm_whyscore::showVersion);
        band.layout->addWidget(version_);
    }

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    body->addLayout(columns, 1);

    QVBoxLayout* left = nullptr;
    QFrame* card = makeCard(this, QStringLiteral("The score, addition by addition"), left);
    additions_ = lineTable(card, QStringLiteral("whyScoreAdditions"), QStringLiteral("Addition"));
    fillLines(additions_, model_.lines, model_.total,
              model_.finished ? QStringLiteral("Sales score now") : QStringLiteral("Score"));
    left->addWidget(additions_, 1);
    columns->addWidget(card, 3);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(barsAgainst(this, QStringLiteral("Qualities against the genre's demands"),
                                 QStringLiteral("The game"), QStringLiteral("The genre asks"), model_.qualities,
                                 QStringLiteral("qualityChart")),
                     1);
    if (!model_.team.empty())
        right->addWidget(barsAgainst(this, QStringLiteral("The team's skills against the era"),
                                     QStringLiteral("The team brings"), QStringLiteral("The era asks"), model_.team,
                                     QStringLiteral("teamChart")),
                         1);
    QVBoxLayout* changesBody = nullptr;
    QFrame* changes = makeCard(this, QStringLiteral("What would have raised it most"), changesBody);
    changes->setObjectName(QStringLiteral("whyScoreChanges"));
    if (model_.changes.empty())
        changesBody->addWidget(wrapped(changes, qs(noChangeText(model_))));
    for (const WhyLine& c : model_.changes)
        changesBody->addWidget(wrapped(changes, QStringLiteral("<b style='color:#5cb86a'>%1 points</b>  with %2")
                                                    .arg(signedNum(c.value), qs(c.key).toHtmlEscaped())));
    right->addWidget(changes);
    columns->addLayout(right, 2);
    if (!model_.publisher.empty()) body->addWidget(wrapped(this, qs(model_.publisher), "hint"));
    if (!model_.note.empty()) body->addWidget(wrapped(this, qs(model_.note), "hint"));
    makeSecondaryWindow(this);
}

void TForm_whyscore::showVersion(int k) {
    if (k < 0 || k >= static_cast<int>(model_.versions.size())) return;
    const WhyVersion& v = model_.versions[static_cast<std::size_t>(k)];
    if (version_ && version_->currentIndex() != k) {
        const QSignalBlocker quiet(version_);
        version_->setCurrentIndex(k);
    }
    fillLines(additions_, v.lines, v.total, QStringLiteral("Score"));
    subtitle_->setText(qs(model_.title) + QStringLiteral(" on ") + qs(v.platformName) +
                       QStringLiteral(": score if finished now ") + num(v.total));
}

TForm_whysales::TForm_whysales(Game& g, int product, QWidget* parent)
    : QWidget(parent), game_(g), product_(product) {
    setObjectName(QStringLiteral("TForm_whysales"));
    setWindowTitle(QStringLiteral("Why it sold"));
    resize(1000, 660);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(8);
    const TitledBand band =
        makeTitledBand(this, QPixmap(), QStringLiteral("Why it sold"), QStringLiteral("bandSubtitle"));
    week_ = band.subtitle;
    auto* regionCaption = new QLabel(QStringLiteral("Region :"), band.band);
    regionCaption->setProperty("subtitle", true);
    band.layout->addWidget(regionCaption);
    region_ = new QComboBox(band.band);
    region_->setObjectName(QStringLiteral("ComboBox_region"));
    for (int r = 1; r <= 3; ++r) region_->addItem(qs(regionText(r)), r);
    connect(region_, &QComboBox::activated, this, [this](int row) { showRegion(region_->itemData(row).toInt()); });
    band.layout->addWidget(region_);
    root->addWidget(band.band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(14, 0, 14, 0);
    body->setSpacing(12);
    root->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    message_ = wrapped(this, QString(), "warning");
    message_->setAlignment(Qt::AlignCenter);
    left->addWidget(message_);
    waterfall_ = chartView(darkChart(QString()), this, QStringLiteral("waterfallChart"));
    waterfall_->setMinimumSize(420, 260);
    left->addWidget(waterfall_, 3);
    steps_ = lineTable(this, QStringLiteral("whySalesSteps"), QStringLiteral("Rule"));
    left->addWidget(steps_, 2);
    body->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    history_ = chartView(darkChart(QStringLiteral("Weeks on sale")), this, QStringLiteral("historyChart"));
    history_->setMinimumSize(300, 260);
    right->addWidget(history_, 1);
    shares_ = wrapped(this, QString(), "speech");
    right->addWidget(shares_);
    body->addLayout(right, 2);
    makeSecondaryWindow(this);

    // The region that sold most opens first.
    int best = 1;
    if (const GameTitle* t = productTitle(g, product)) {
        const i32 sales[4] = {0, t->weekSalesUS, t->weekSalesEU, t->weekSalesAsia};
        for (int r = 2; r <= 3; ++r)
            if (sales[r] > sales[best]) best = r;
    }
    showRegion(best);
}

void TForm_whysales::showRegion(int region) {
    model_ = whySales(game_, product_, region);
    region_->setCurrentIndex(model_.region - 1);
    const bool ok = model_.unavailable.empty();
    week_->setText(qs(model_.title) + (ok ? QStringLiteral(", week %1 %2: %3 $ in %4")
                                                .arg(model_.week)
                                                .arg(model_.year)
                                                .arg(num(model_.total), qs(model_.regionName))
                                          : QString()));
    QString message = ok ? qs(model_.note) : qs(model_.unavailable);
    message_->setText(message);
    message_->setVisible(!message.isEmpty());

    // The waterfall: each rule a bar from where the revenue stood to where
    // it stands after the rule; a transparent base carries it.
    QChart* chart = darkChart(QStringLiteral("This week's revenue in %1, rule by rule").arg(qs(model_.regionName)));
    auto* base = new QBarSet(QString());
    base->setColor(Qt::transparent);
    base->setBorderColor(Qt::transparent);
    auto* up = new QBarSet(QStringLiteral("Adds"));
    up->setColor(kGain);
    auto* down = new QBarSet(QStringLiteral("Takes"));
    down->setColor(kLoss);
    auto* total = new QBarSet(QStringLiteral("Week's revenue"));
    total->setColor(look::kAccent);
    QStringList names;
    long long at = 0, top = 1;
    for (const WhyLine& l : model_.lines) {
        const long long next = at + l.value;
        *base << static_cast<double>(std::min(at, next));
        *up << static_cast<double>(l.value > 0 ? l.value : 0);
        *down << static_cast<double>(l.value < 0 ? -l.value : 0);
        *total << 0.0;
        top = std::max({top, at, next});
        at = next;
        names << shortName(l.key);
    }
    if (ok) {
        *base << 0.0;
        *up << 0.0;
        *down << 0.0;
        *total << static_cast<double>(model_.total);
        names << QStringLiteral("Week");
    }
    auto* series = new QStackedBarSeries(chart);
    series->append(base);
    series->append(up);
    series->append(down);
    series->append(total);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis(chart);
    x->append(names);
    x->setLabelsAngle(-90);
    x->setTruncateLabels(false);
    QFont small = x->labelsFont();
    small.setPixelSize(11);
    x->setLabelsFont(small);
    auto* y = new QValueAxis(chart);
    y->setRange(0, static_cast<double>(top) * 1.1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(x);
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignTop);
    // The transparent base is no series a player should read about.
    if (!chart->legend()->markers(series).isEmpty()) chart->legend()->markers(series).front()->setVisible(false);
    QChart* old = waterfall_->chart();
    waterfall_->setChart(chart);
    delete old;
    waterfall_->setVisible(!model_.lines.empty());

    fillLines(steps_, model_.lines, model_.total, QStringLiteral("Week's revenue"));
    steps_->setVisible(!model_.lines.empty());

    QString shares;
    for (const WhyLine& s : model_.shares)
        shares += QStringLiteral("<b>%1:</b> %2 $ &nbsp; %3<br>")
                      .arg(qs(s.key).toHtmlEscaped(), num(s.value), qs(s.sentence).toHtmlEscaped());
    if (!shares.isEmpty()) shares = QStringLiteral("<b style='color:#f2c14e'>All regions this week</b><br>") + shares;
    shares_->setText(shares);
    shares_->setVisible(!shares.isEmpty());

    // Chart position and weekly revenue over the weeks on sale.
    QChart* h = darkChart(QStringLiteral("Weekly revenue and chart position"));
    auto* revenue = new QLineSeries(h);
    revenue->setName(QStringLiteral("Weekly revenue ($)"));
    revenue->setPen(QPen(look::kAccent, 2.5));
    auto* position = new QLineSeries(h);
    position->setName(QStringLiteral("Chart position (1 = top)"));
    position->setPen(QPen(look::kInfo, 2));
    long long most = 1;
    int worst = 10;
    for (const WhySalesWeek& w : model_.history) {
        revenue->append(w.week, w.revenue);
        most = std::max<long long>(most, w.revenue);
        // A week out of the chart has no position; drawn as 0 it would sit
        // above the top of the chart.
        if (w.chartPos <= 0) continue;
        position->append(w.week, w.chartPos);
        worst = std::max(worst, w.chartPos);
    }
    h->addSeries(revenue);
    h->addSeries(position);
    auto* weeks = new QValueAxis(h);
    const int lastWeek = std::max<int>(2, static_cast<int>(model_.history.size()));
    weeks->setRange(1, lastWeek);
    weeks->setLabelFormat(QStringLiteral("%d"));
    // Ticks on whole weeks only: a few weeks on sale otherwise label the
    // fractional ticks "1, 1, 2, 2, 3".
    weeks->setTickType(QValueAxis::TicksDynamic);
    weeks->setTickAnchor(1);
    weeks->setTickInterval(std::max(1, (lastWeek - 1 + 9) / 10));
    weeks->setTitleText(QStringLiteral("week on sale"));
    weeks->setTitleBrush(kAxisText);
    auto* money = new QValueAxis(h);
    money->setRange(0, static_cast<double>(most) * 1.1);
    money->applyNiceNumbers();
    money->setLabelFormat(QStringLiteral("%.0f"));
    auto* rank = new QValueAxis(h);
    rank->setRange(1, worst);
    rank->setReverse(true);  // the top of the chart at the top
    rank->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* a : {static_cast<QAbstractAxis*>(weeks), static_cast<QAbstractAxis*>(money),
                             static_cast<QAbstractAxis*>(rank)})
        styleAxis(a);
    h->addAxis(weeks, Qt::AlignBottom);
    h->addAxis(money, Qt::AlignLeft);
    h->addAxis(rank, Qt::AlignRight);
    revenue->attachAxis(weeks);
    revenue->attachAxis(money);
    position->attachAxis(weeks);
    position->attachAxis(rank);
    h->legend()->setAlignment(Qt::AlignBottom);
    old = history_->chart();
    history_->setChart(h);
    delete old;
}

TForm_whyscore* openWhyScoreOfTask(QWidget* parent, Game& g, int task) {
    return openOver(parent, new TForm_whyscore(g, task, 0, parent ? parent->window() : nullptr));
}

TForm_whyscore* openWhyScoreOfProduct(QWidget* parent, Game& g, int product) {
    return openOver(parent, new TForm_whyscore(g, 0, product, parent ? parent->window() : nullptr));
}

TForm_whysales* openWhySales(QWidget* parent, Game& g, int product) {
    return openOver(parent, new TForm_whysales(g, product, parent ? parent->window() : nullptr));
}

}  // namespace cw::ui
