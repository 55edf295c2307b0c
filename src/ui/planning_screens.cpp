#include "ui/planning_screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "market/release_analysis.h"
#include "market/sales_charts.h"
#include "setup/main_screen_model.h"
#include "state/game.h"
#include "state/text_format.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor viewColour(ViewColour c) {
    switch (c) {
        case ViewColour::Red: return QColor(0xc8, 0x14, 0x14);
        case ViewColour::Aqua: return QColor(0x00, 0x9c, 0xa6);
        case ViewColour::Maroon: return QColor(0x80, 0x00, 0x00);
        case ViewColour::Blue: return QColor(0x14, 0x3c, 0xc8);
        case ViewColour::Black: break;
    }
    return QColor(0x10, 0x10, 0x10);
}

// The grids sit on the dark screen: plain names keep the grid's own colour,
// the marked ones take brighter shades.
void markCell(QTableWidgetItem* item, ViewColour c) {
    if (c == ViewColour::Red) item->setForeground(QColor(0xff, 0x5e, 0x5e));
    else if (c == ViewColour::Aqua) item->setForeground(QColor(0x40, 0xd8, 0xe4));
}

QVBoxLayout* windowFrame(QWidget* w, const char* objectName, const QString& caption, PaintedIcon icon,
                         QLabel** dateLabel = nullptr) {
    w->setObjectName(QString::fromLatin1(objectName));
    w->setWindowTitle(caption);
    makeGameWindow(w);
    auto* outer = new QVBoxLayout(w);
    outer->setContentsMargins(0, 0, 0, 12);
    outer->setSpacing(8);
    const HeaderBand header = makeHeaderBand(w, paintedIcon(icon, 30).pixmap(30, 30), caption,
                                             QStringLiteral("headerLabel"));
    if (dateLabel) {
        *dateLabel = new QLabel(header.band);
        (*dateLabel)->setObjectName(QStringLiteral("dateLabel"));
        header.layout->addStretch(1);
        header.layout->addWidget(*dateLabel);
    }
    outer->addWidget(header.band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 0, 14, 0);
    body->setSpacing(8);
    outer->addLayout(body, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(14, 0, 14, 0);
    bottom->addStretch(1);
    bottom->addWidget(makeCloseButton(w, w));
    outer->addLayout(bottom);
    return body;
}

void fillFilter(QComboBox* box, const std::vector<FilterEntry>& list) {
    const int keep = box->currentData().toInt();
    const QSignalBlocker quiet(box);
    box->clear();
    for (const FilterEntry& e : list) box->addItem(toQ(e.name), e.index);
    const int at = box->findData(keep);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("filterCaption"));
    return l;
}

}  // namespace

// ---- Sales charts --------------------------------------------------------

TForm_salesCharts::TForm_salesCharts(const Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    QVBoxLayout* body = windowFrame(this, "TForm_salesCharts", QStringLiteral("Sales Charts"), PaintedIcon::News, &date_);
    resize(980, 660);
    auto* filters = new QHBoxLayout;
    platform_ = new QComboBox(this);
    platform_->setObjectName(QStringLiteral("platformBox"));
    genre_ = new QComboBox(this);
    genre_->setObjectName(QStringLiteral("genreBox"));
    continent_ = new QComboBox(this);
    continent_->setObjectName(QStringLiteral("continentBox"));
    for (int r = 1; r <= 3; ++r) continent_->addItem(QString::fromLatin1(continentName(r)), r);
    filters->addWidget(caption(QStringLiteral("Platform"), this));
    filters->addWidget(platform_, 1);
    filters->addWidget(caption(QStringLiteral("Genre"), this));
    filters->addWidget(genre_, 1);
    filters->addWidget(caption(QStringLiteral("Continent"), this));
    filters->addWidget(continent_, 1);
    body->addLayout(filters);
    grid_ = new QTableWidget(kChartRows, 7, this);
    grid_->setObjectName(QStringLiteral("chartGrid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->setVisible(false);
    const char* heads[7] = {"Pos", "Publisher", "Platform", "Genre", "Game Name", "LW", "NW"};
    for (int c = 0; c < 7; ++c) grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(heads[c])));
    grid_->horizontalHeaderItem(5)->setToolTip(QStringLiteral("Last week position (Calculated in All genre all Platforms)"));
    grid_->horizontalHeaderItem(6)->setToolTip(QStringLiteral("Number of weeks on chart"));
    QHeaderView* head = grid_->horizontalHeader();
    head->setSectionResizeMode(QHeaderView::ResizeToContents);
    head->setSectionResizeMode(1, QHeaderView::Stretch);
    head->setSectionResizeMode(4, QHeaderView::Stretch);
    body->addWidget(grid_, 1);
    for (QComboBox* box : {platform_, genre_, continent_})
        connect(box, &QComboBox::currentIndexChanged, this, &TForm_salesCharts::rebuild);
    fillLists();
    rebuild();
}

void TForm_salesCharts::fillLists() {
    fillFilter(platform_, chartPlatformList(game_));
    fillFilter(genre_, chartGenreList(game_));
}

void TForm_salesCharts::rebuild() {
    date_->setText(toQ(buildMainScreenModel(game_).dateText));
    const SalesChartView chart = buildSalesChart(game_, continent_->currentData().toInt(),
                                                 platform_->currentData().toInt(), genre_->currentData().toInt());
    for (const ChartRow& r : chart.rows) {
        const int row = r.pos - 1;
        const QString cells[7] = {QString::number(r.pos),
                                  r.empty ? QString() : toQ(r.publisher),
                                  r.empty ? QString() : toQ(r.platform),
                                  r.empty ? QString() : toQ(r.genre),
                                  r.empty ? QString() : toQ(r.name),
                                  r.empty ? QString() : toQ(r.lw),
                                  r.empty ? QString() : QString::number(r.nw)};
        for (int c = 0; c < 7; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0 || c >= 5) item->setTextAlignment(Qt::AlignCenter);
            if (c == 1) markCell(item, r.publisherColour);
            if (c == 4) {
                markCell(item, r.nameColour);
                if (r.nameColour != ViewColour::Black) {
                    QFont f = item->font();
                    f.setBold(true);
                    item->setFont(f);
                }
            }
            grid_->setItem(row, c, item);
        }
    }
}

void TForm_salesCharts::showEvent(QShowEvent* event) {
    fillLists();
    rebuild();
    QWidget::showEvent(event);
}

// ---- Release calendar -----------------------------------------------------

Tform_Calendar::Tform_Calendar(const Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    QVBoxLayout* body = windowFrame(this, "Tform_Calendar", QStringLiteral("Release Calendar"), PaintedIcon::Clock);
    resize(1180, 700);
    auto* filters = new QHBoxLayout;
    year_ = new QComboBox(this);
    year_->setObjectName(QStringLiteral("yearBox"));
    half_ = new QComboBox(this);
    half_->setObjectName(QStringLiteral("halfBox"));
    half_->addItem(QStringLiteral("Week 1 - 26"), 0);
    half_->addItem(QStringLiteral("Week 27 - 52"), 26);
    platform_ = new QComboBox(this);
    genre_ = new QComboBox(this);
    filters->addWidget(year_);
    filters->addWidget(half_);
    filters->addWidget(caption(QStringLiteral("Platform"), this));
    filters->addWidget(platform_, 1);
    filters->addWidget(caption(QStringLiteral("Genre"), this));
    filters->addWidget(genre_, 1);
    body->addLayout(filters);
    auto* checks = new QHBoxLayout;
    consoles_ = new QCheckBox(QStringLiteral("Show Console Releases"), this);
    games_ = new QCheckBox(QStringLiteral("Show Game Releases"), this);
    mediocre_ = new QCheckBox(QStringLiteral("Show Mediocre rated games"), this);
    average_ = new QCheckBox(QStringLiteral("Show Avarge rated games"), this);
    consoles_->setChecked(true);
    games_->setChecked(true);
    average_->setChecked(true);
    for (QCheckBox* c : {consoles_, games_, mediocre_, average_}) {
        checks->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &Tform_Calendar::rebuild);
    }
    checks->addStretch(1);
    body->addLayout(checks);
    // The legend on the boxes' own paper, so that its colours read as they do there.
    auto* legendStrip = new QFrame(this);
    legendStrip->setObjectName(QStringLiteral("legendStrip"));
    legendStrip->setStyleSheet(QStringLiteral("QFrame#legendStrip { background: #fbf8f0; border-radius: 4px; }"));
    auto* legendRow = new QHBoxLayout(legendStrip);
    legendRow->setContentsMargins(10, 3, 10, 3);
    legendRow->setSpacing(24);
    const auto legend = calendarLegend();
    const ViewColour legendColours[4] = {ViewColour::Black, ViewColour::Maroon, ViewColour::Red, ViewColour::Blue};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QString::fromLatin1(legend[static_cast<std::size_t>(i)]), legendStrip);
        l->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(viewColour(legendColours[i]).name()));
        legendRow->addWidget(l);
    }
    legendRow->addStretch(1);
    body->addWidget(legendStrip);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* sheet = new QWidget(scroll);
    auto* grid = new QGridLayout(sheet);
    grid->setSpacing(6);
    for (int k = 0; k < 26; ++k) {
        auto* box = new QFrame(sheet);
        box->setObjectName(QStringLiteral("weekBox"));
        auto* col = new QVBoxLayout(box);
        col->setContentsMargins(6, 4, 6, 4);
        col->setSpacing(2);
        boxTitles_[k] = new QLabel(box);
        QFont f = boxTitles_[k]->font();
        f.setBold(true);
        boxTitles_[k]->setFont(f);
        boxLines_[k] = new QLabel(box);
        boxLines_[k]->setTextFormat(Qt::RichText);
        boxLines_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        col->addWidget(boxTitles_[k]);
        col->addWidget(boxLines_[k], 1);
        box->setMinimumHeight(96);
        boxes_[k] = box;
        grid->addWidget(box, k / 4, k % 4);
    }
    scroll->setWidget(sheet);
    body->addWidget(scroll, 1);
    for (QComboBox* box : {year_, half_, platform_, genre_})
        connect(box, &QComboBox::currentIndexChanged, this, &Tform_Calendar::rebuild);
    fillLists();
    rebuild();
}

void Tform_Calendar::fillLists() {
    {
        const QSignalBlocker quiet(year_);
        const int keep = year_->currentIndex();
        year_->clear();
        for (int y = 0; y < 3; ++y) year_->addItem(QString::number(game_.currentYear + y), game_.currentYear + y);
        year_->setCurrentIndex(keep >= 0 ? keep : 0);
    }
    fillFilter(platform_, calendarPlatformList(game_));
    fillFilter(genre_, chartGenreList(game_));
}

void Tform_Calendar::rebuild() {
    CalendarOptions o;
    o.year = year_->currentData().toInt();
    o.offset = half_->currentData().toInt();
    o.platform = platform_->currentData().toInt();
    o.genre = genre_->currentData().toInt();
    o.consoles = consoles_->isChecked();
    o.games = games_->isChecked();
    o.mediocre = mediocre_->isChecked();
    o.average = average_->isChecked();
    const QString blue = viewColour(ViewColour::Blue).name();
    for (int k = 1; k <= 26; ++k) {
        const CalendarBox box = fillCalendarWeek(game_, o, k);
        boxTitles_[k - 1]->setText(toQ(box.title));
        boxes_[k - 1]->setStyleSheet(
            QStringLiteral("QFrame#weekBox { background: #fbf8f0; border: %1px solid %2; border-radius: 4px; } "
                           "QLabel { color: #202020; background: transparent; }")
                .arg(box.current ? 3 : 1)
                .arg(box.current ? QStringLiteral("#c81414") : QStringLiteral("#202020")));
        QStringList lines;
        for (const CalendarLine& l : box.lines) {
            if (l.console)
                lines << QStringLiteral("<span style='color:%1'>%2</span>").arg(blue, toQ(l.text).toHtmlEscaped());
            else
                lines << QStringLiteral("<span style='color:%1'>%2</span>/<span style='color:%3'>%4</span>")
                             .arg(viewColour(l.colour).name(), toQ(l.text).toHtmlEscaped(), blue,
                                  toQ(l.platform).toHtmlEscaped());
        }
        boxLines_[k - 1]->setText(lines.join(QStringLiteral("<br>")));
    }
}

QString Tform_Calendar::boxText(int k) const {
    if (k < 1 || k > 26) return {};
    return boxTitles_[k - 1]->text() + QLatin1Char('\n') + boxLines_[k - 1]->text();
}

void Tform_Calendar::showEvent(QShowEvent* event) {
    fillLists();
    rebuild();
    QWidget::showEvent(event);
}

// ---- Release analysis -------------------------------------------------------

Tform_Analyse::Tform_Analyse(Game& g, Player& p, QWidget* parent) : QWidget(parent), game_(g), player_(p) {
    QVBoxLayout* body = windowFrame(this, "Tform_Analyse", QStringLiteral("Release Analysis"), PaintedIcon::Tasks);
    resize(760, 560);
    auto* form = new QGridLayout;
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("titleEdit"));
    title_->setMaxLength(30);
    platform_ = new QComboBox(this);
    platform_->setObjectName(QStringLiteral("platformBox"));
    genre_ = new QComboBox(this);
    genre_->setObjectName(QStringLiteral("genreBox"));
    form->addWidget(caption(QStringLiteral("Title :"), this), 0, 0);
    form->addWidget(title_, 0, 1);
    form->addWidget(caption(QStringLiteral("Platform :"), this), 1, 0);
    form->addWidget(platform_, 1, 1);
    form->addWidget(caption(QStringLiteral("Genre :"), this), 2, 0);
    form->addWidget(genre_, 2, 1);
    analyse_ = new QPushButton(QStringLiteral("Analyse ($5,000)"), this);
    analyse_->setObjectName(QStringLiteral("analyseButton"));
    setButtonRole(analyse_, "action");
    form->addWidget(analyse_, 2, 2);
    form->setColumnStretch(1, 1);
    body->addLayout(form);
    subject_ = new QLabel(this);
    subject_->setObjectName(QStringLiteral("subjectLabel"));
    body->addWidget(subject_);
    auto* boxes = new QHBoxLayout;
    auto makeBox = [this, boxes](const QString& heading, QLabel*& text) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("analysisBox"));
        frame->setStyleSheet(QStringLiteral(
            "QFrame#analysisBox { background: #fbf8f0; border: 1px solid #8a7a5a; border-radius: 6px; } "
            "QLabel { color: #202020; background: transparent; }"));
        auto* col = new QVBoxLayout(frame);
        auto* head = new QLabel(heading, frame);
        QFont f = head->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        head->setFont(f);
        col->addWidget(head);
        text = new QLabel(frame);
        text->setTextFormat(Qt::RichText);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setWordWrap(true);
        col->addWidget(text, 1);
        boxes->addWidget(frame, 1);
    };
    makeBox(QStringLiteral("Release now :"), now_);
    makeBox(QStringLiteral("Release in 3 months :"), later_);
    body->addLayout(boxes, 1);
    connect(analyse_, &QPushButton::clicked, this, &Tform_Analyse::pressAnalyse);
    fillLists();
}

void Tform_Analyse::fillLists() {
    std::vector<FilterEntry> platforms, genres;
    const auto& t = game_.tables();
    for (int p = 1; p <= 500; ++p)
        if (!t.platforms[p].name.empty() && t.platforms[p].releaseYear <= game_.currentYear + 2)
            platforms.push_back({t.platforms[p].name.str(), p});
    for (const FilterEntry& e : chartGenreList(game_))
        if (e.index != 0) genres.push_back(e);
    fillFilter(platform_, platforms);
    fillFilter(genre_, genres);
}

void Tform_Analyse::setSubject(const QString& title, int platform, int genre) {
    fillLists();
    title_->setText(title);
    if (const int at = platform_->findData(platform); at >= 0) platform_->setCurrentIndex(at);
    if (const int at = genre_->findData(genre); at >= 0) genre_->setCurrentIndex(at);
}

void Tform_Analyse::pressAnalyse() {
    if (platform_->count() == 0 || genre_->count() == 0) return;
    if (!buyReleaseAnalysis(game_, player_)) return;
    const ReleaseAnalysis a = releaseAnalysis(game_, title_->text().toStdString(), platform_->currentData().toInt(),
                                              genre_->currentData().toInt());
    subject_->setText(QStringLiteral("%1  -  %2  -  %3").arg(toQ(a.title), toQ(a.platform), toQ(a.genre)));
    auto render = [](const AnalysisBox& box) {
        QString html;
        for (const auto& [heading, value] : box.parts)
            html += QStringLiteral("<b style='color:#1f3f78'>%1</b>%2")
                        .arg(toQ(heading).toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")),
                             toQ(value).toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")));
        return html;
    };
    now_->setText(render(a.now));
    later_->setText(render(a.later));
    player_.refreshMainScreen();
}

void Tform_Analyse::showEvent(QShowEvent* event) {
    fillLists();
    QWidget::showEvent(event);
}

// ---- Genre demand -----------------------------------------------------------

TForm_genredemands::TForm_genredemands(const Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    QVBoxLayout* body = windowFrame(this, "TForm_genredemands", QStringLiteral("Genre Demand"), PaintedIcon::News);
    resize(720, 600);
    auto* heading = new QLabel(QStringLiteral("Genre Demands"), this);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    heading->setFont(f);
    body->addWidget(heading);
    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("demandGrid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setVisible(false);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Genre"), QStringLiteral("Prognosis"),
                                      QStringLiteral("Current Demand")});
    grid_->horizontalHeaderItem(1)->setToolTip(QStringLiteral(
        "The Meter shows how the gaming experts see the demand for the genre's in \r\nthe next 1-2 years."));
    grid_->horizontalHeaderItem(2)->setToolTip(QStringLiteral("The Meter shows how the genre is doing at the moment."));
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    grid_->horizontalHeader()->resizeSection(2, 240);
    body->addWidget(grid_, 1);
    rebuild();
}

void TForm_genredemands::rebuild() {
    const std::vector<GenreDemandRow> rows = genreDemandRows(game_);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const GenreDemandRow& x = rows[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(toQ(x.name)));
        auto* prognosis = new QTableWidgetItem(toQ(x.prognosis));
        prognosis->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(r, 1, prognosis);
        auto* bar = new QProgressBar(grid_);
        bar->setRange(0, 60);
        bar->setValue(std::clamp(x.bar, 0, 60));
        bar->setFormat(toQ(x.interestCaption));
        bar->setAlignment(Qt::AlignCenter);
        const QString colour = x.interestCaption == "Low"    ? QStringLiteral("#c0392b")
                               : x.interestCaption == "Fair" ? QStringLiteral("#d4a017")
                                                             : QStringLiteral("#2e8b57");
        bar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: %1; }").arg(colour));
        grid_->setCellWidget(r, 2, bar);
    }
}

void TForm_genredemands::showEvent(QShowEvent* event) {
    rebuild();
    QWidget::showEvent(event);
}

}  // namespace cw::ui
