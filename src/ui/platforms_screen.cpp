#include "ui/platforms_screen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "hardware/hardware_texts.h"
#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/shared_widgets.h"
#include "state/game.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The colours of pie slices and chart lines, in order.
const QColor kSeriesColours[] = {QColor(0xf2, 0xc1, 0x4e), QColor(0x4f, 0xa3, 0xe0), QColor(0x7e, 0xd9, 0x57),
                                 QColor(0xe0, 0x6c, 0x75), QColor(0xb1, 0x8c, 0xf2), QColor(0x56, 0xd6, 0xc9),
                                 QColor(0xf0, 0x8a, 0x3c)};

QPixmap bandPicture(HardwarePicture kind) {
    QPixmap pm = paintingCanvas(QSize(40, 32));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xf2, 0xc1, 0x4e);
    const QColor edge = gold.darker(170);
    p.setPen(QPen(edge, 1.4));
    switch (kind) {
        case HardwarePicture::Console: {
            // A game pad: a rounded body with a cross and two buttons.
            QPainterPath body;
            body.addRoundedRect(QRectF(2, 8, 36, 18), 9, 9);
            p.setBrush(gold);
            p.drawPath(body);
            p.setPen(Qt::NoPen);
            p.setBrush(edge);
            p.drawRect(QRectF(8, 15, 10, 4));
            p.drawRect(QRectF(11, 12, 4, 10));
            p.setBrush(QColor(0xc6, 0x28, 0x28));
            p.drawEllipse(QPointF(27, 15), 2.4, 2.4);
            p.setBrush(QColor(0x24, 0x52, 0x7a));
            p.drawEllipse(QPointF(32, 19), 2.4, 2.4);
            break;
        }
        case HardwarePicture::Chip: {
            // A processor: a square die with pins on every side.
            p.setPen(QPen(gold, 1.6));
            for (int i = 0; i < 4; ++i) {
                const qreal at = 11 + i * 6;
                p.drawLine(QPointF(at, 1), QPointF(at, 6));
                p.drawLine(QPointF(at, 26), QPointF(at, 31));
                p.drawLine(QPointF(4, at - 4), QPointF(9, at - 4));
                p.drawLine(QPointF(31, at - 4), QPointF(36, at - 4));
            }
            p.setPen(QPen(edge, 1.4));
            p.setBrush(QColor(0x2c, 0x44, 0x68));
            p.drawRoundedRect(QRectF(9, 5, 22, 22), 3, 3);
            p.setBrush(gold);
            p.drawRect(QRectF(15, 11, 10, 10));
            break;
        }
        case HardwarePicture::Analysis: {
            // Bars rising under a magnifying glass.
            p.setPen(Qt::NoPen);
            const qreal heights[] = {8, 14, 11, 20};
            for (int i = 0; i < 4; ++i) {
                p.setBrush(i == 3 ? gold : QColor(0x4f, 0xa3, 0xe0));
                p.drawRect(QRectF(3 + i * 7, 30 - heights[i], 5, heights[i]));
            }
            p.setPen(QPen(QColor(0xe6, 0xec, 0xf3), 2.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(26, 10), 7, 7);
            p.drawLine(QPointF(31, 15), QPointF(37, 21));
            break;
        }
    }
    return pm;
}

// A grid whose first column (the name) takes the room the others leave, but
// never less than its names need.
class FittingTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    bool fitNames = true;

    void fitColumns() {
        QHeaderView* head = horizontalHeader();
        if (!fitNames || columnCount() == 0) return;
        for (int c = 1; c < columnCount(); ++c) head->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        head->setSectionResizeMode(0, QHeaderView::Interactive);
        int others = 0;
        for (int c = 1; c < columnCount(); ++c) others += head->sectionSize(c);
        const int needed = std::max(sizeHintForColumn(0), head->sectionSizeHint(0)) + 12;
        head->resizeSection(0, std::max(needed, viewport()->width() - others));
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        fitColumns();
    }
};

}  // namespace

QString hardwareStyleSheet() {
    return QStringLiteral(
        "QLabel#sectionTitle { font-size: 11pt; padding-top: 4px; }"
        "QLabel#sectionCount { color: #8a9bb0; font-size: 9pt; padding-top: 4px; }"
        "QWidget#headerBand QCheckBox { font-weight: bold; }");
}

QWidget* hardwareHeaderBand(QWidget* parent, HardwarePicture picture, const QString& title, QLabel*& subtitle) {
    const TitledBand header = makeTitledBand(parent, bandPicture(picture), title, QStringLiteral("Label_week"));
    subtitle = header.subtitle;
    return header.band;
}

QString hardwareCellText(const std::string& cell) {
    if (cellIsNumber(cell)) return toQ(thousands(std::stoll(cell)));
    if (cell.size() > 1 && (cell.back() == '$' || cell.back() == '%')) {
        const std::string number = cell.substr(0, cell.size() - 1);
        if (cellIsNumber(number)) return toQ(thousands(std::stoll(number)) + cell.back());
    }
    return toQ(cell);
}

QColor moodColour(Mood mood) {
    switch (mood) {
        case Mood::Good:
            return {0x7e, 0xd9, 0x57};
        case Mood::Bad:
            return {0xff, 0x7b, 0x6b};
        case Mood::Neutral:
            break;
    }
    return {0xdf, 0xe7, 0xf1};
}

QTableWidget* makeHardwareTable(QWidget* parent, const QString& name, std::function<void(int)> clicked, bool fitNames) {
    auto* table = new FittingTable(parent);
    table->fitNames = fitNames;
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(26);
    QHeaderView* head = table->horizontalHeader();
    head->setSectionsClickable(true);
    head->setHighlightSections(false);
    head->setDefaultAlignment(Qt::AlignCenter);
    QObject::connect(head, &QHeaderView::sectionClicked, table, [clicked](int column) { clicked(column); });
    return table;
}

void fillHardwareTable(QTableWidget* table, const Grid& grid, const std::function<Mood(const GridRow&, int)>& mood) {
    const int columns = static_cast<int>(grid.headers.size());
    table->clearContents();
    table->setColumnCount(columns);
    table->setRowCount(static_cast<int>(grid.rows.size()));
    QStringList headers;
    for (const std::string& h : grid.headers) headers << toQ(h);
    table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < table->rowCount(); ++r) {
        const GridRow& row = grid.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns && c < static_cast<int>(row.cells.size()); ++c) {
            const std::string& cell = row.cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(hardwareCellText(cell));
            const bool numeric =
                cellIsNumber(cell) || (cell.size() > 1 && cellIsNumber(cell.substr(0, cell.size() - 1)));
            item->setTextAlignment((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (c == 0) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            const Mood m = mood ? mood(row, c) : Mood::Neutral;
            if (m != Mood::Neutral) item->setForeground(moodColour(m));
            table->setItem(r, c, item);
        }
    }
    if (auto* fitting = dynamic_cast<FittingTable*>(table)) fitting->fitColumns();
}

WeekWatch::WeekWatch(QWidget* screen, const Game& game, std::function<void()> changed)
    : QObject(screen), game_(game), changed_(std::move(changed)) {
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &WeekWatch::check);
    screen->installEventFilter(this);
}

void WeekWatch::stamp() {
    shownYear_ = game_.currentYear;
    shownWeek_ = game_.currentWeek;
}

void WeekWatch::check() {
    if (game_.currentYear == shownYear_ && game_.currentWeek == shownWeek_) return;
    stamp();
    changed_();
}

bool WeekWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        timer_.start();
    else if (event->type() == QEvent::Hide)
        timer_.stop();
    return QObject::eventFilter(watched, event);
}

PieChart::PieChart(const QString& title, QWidget* parent) : QWidget(parent), title_(title) { setMinimumSize(390, 190); }

void PieChart::setSlices(const std::vector<PieSlice>& slices) {
    slices_ = slices;
    update();
}

void PieChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(0x33, 0x44, 0x5e), 1));
    p.setBrush(QColor(0x1b, 0x25, 0x34));
    p.drawRoundedRect(frame, 8, 8);

    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(14);
    p.setFont(titleFont);
    p.setPen(QColor(0xf2, 0xc1, 0x4e));
    p.drawText(QRectF(12, 8, width() - 24, 20), Qt::AlignLeft | Qt::AlignVCenter, title_);

    long long total = 0;
    for (const PieSlice& s : slices_) total += s.value > 0 ? s.value : 0;
    const qreal side = std::min<qreal>(height() - 50, 150);
    const QRectF pie(14, 38 + (height() - 46 - side) / 2, side, side);
    if (total <= 0) {
        p.setPen(QPen(QColor(0x4a, 0x5a, 0x72), 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(pie.adjusted(8, 8, -8, -8));
        p.setPen(QColor(0x8a, 0x9b, 0xb0));
        QFont f = font();
        f.setPixelSize(12);
        f.setItalic(true);
        p.setFont(f);
        p.drawText(QRectF(pie.right() + 12, pie.top(), width() - pie.right() - 24, pie.height()),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, QStringLiteral("No units sold this week"));
        return;
    }
    int start = 90 * 16;
    for (std::size_t i = 0; i < slices_.size(); ++i) {
        const i32 v = slices_[i].value > 0 ? slices_[i].value : 0;
        const int span = static_cast<int>(-5760.0 * static_cast<double>(v) / static_cast<double>(total));
        p.setPen(QPen(QColor(0x1b, 0x25, 0x34), 2));
        p.setBrush(kSeriesColours[i % 7]);
        p.drawPie(pie, start, i + 1 == slices_.size() ? 90 * 16 - 5760 - start : span);
        start += span;
    }
    // A hole in the middle makes it a ring, easier on the eye.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1b, 0x25, 0x34));
    p.drawEllipse(pie.center(), side * 0.28, side * 0.28);

    QFont legend = font();
    legend.setPixelSize(12);
    p.setFont(legend);
    const qreal x = pie.right() + 14;
    const qreal rowHeight = 22;
    qreal y = pie.center().y() - rowHeight * static_cast<qreal>(slices_.size()) / 2;
    for (std::size_t i = 0; i < slices_.size(); ++i, y += rowHeight) {
        p.setPen(Qt::NoPen);
        p.setBrush(kSeriesColours[i % 7]);
        p.drawRoundedRect(QRectF(x, y + 5, 12, 12), 3, 3);
        const i32 v = slices_[i].value > 0 ? slices_[i].value : 0;
        const QString share = QStringLiteral("%1  %2%")
                                  .arg(toQ(thousands(slices_[i].value)))
                                  .arg(static_cast<int>(100 * static_cast<long long>(v) / total));
        const QFontMetrics metrics(legend);
        const qreal room = width() - x - 30;
        const qreal shareWidth = metrics.horizontalAdvance(share);
        p.setPen(QColor(0xe6, 0xec, 0xf3));
        p.drawText(QRectF(x + 18, y, room - shareWidth - 8, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(toQ(slices_[i].label), Qt::ElideRight, static_cast<int>(room - shareWidth - 8)));
        p.setPen(QColor(0xa9, 0xb8, 0xcc));
        p.drawText(QRectF(x + 18, y, room, rowHeight), Qt::AlignRight | Qt::AlignVCenter, share);
    }
}

TForm_platforms::TForm_platforms(Game& g, QWidget* parent) : QWidget(parent), game_(g) {
    setObjectName(QStringLiteral("TForm_platforms"));
    setWindowTitle(QStringLiteral("Platform sales Charts"));
    makeGameWindow(this);
    setStyleSheet(hardwareStyleSheet());
    resize(1280, 800);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(
        hardwareHeaderBand(this, HardwarePicture::Console, QStringLiteral("Platform sales Charts"), weekLabel_));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 8, 14, 4);
    body->setSpacing(6);
    outer->addLayout(body, 1);

    auto section = [this](const QString& title, int grid, QVBoxLayout* into, int stretch) {
        auto* line = new QHBoxLayout;
        auto* label = new QLabel(title, this);
        label->setObjectName(QStringLiteral("sectionTitle"));
        line->addWidget(label);
        counts_[grid] = new QLabel(this);
        counts_[grid]->setObjectName(QStringLiteral("sectionCount"));
        line->addWidget(counts_[grid], 1);
        into->addLayout(line);
        const QString names[3] = {QStringLiteral("StringGrid_platforms"), QStringLiteral("StringGrid_sold"),
                                  QStringLiteral("StringGrid_discontinued")};
        grids_[grid] = makeHardwareTable(this, names[grid], [this, grid](int column) { headerClicked(grid, column); });
        into->addWidget(grids_[grid], stretch);
    };
    section(QStringLiteral("This week's sales"), PlatformsScreen::MarketGrid, body, 5);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(14);
    auto* tables = new QVBoxLayout;
    tables->setSpacing(6);
    section(QStringLiteral("Installed base"), PlatformsScreen::BaseGrid, tables, 5);
    section(QStringLiteral("Discontinued"), PlatformsScreen::DiscontinuedGrid, tables, 2);
    lower->addLayout(tables, 1);
    auto* charts = new QVBoxLayout;
    charts->setSpacing(10);
    charts->setContentsMargins(0, 28, 0, 0);
    regionsChart_ = new PieChart(QStringLiteral("Sales by region"), this);
    regionsChart_->setObjectName(QStringLiteral("Chart_regions"));
    platformsChart_ = new PieChart(QStringLiteral("Top five platforms"), this);
    platformsChart_->setObjectName(QStringLiteral("Chart_platforms"));
    charts->addWidget(regionsChart_, 1);
    charts->addWidget(platformsChart_, 1);
    lower->addLayout(charts);
    body->addLayout(lower, 6);
    addCloseBar(this);

    watch_ = new WeekWatch(this, game_, [this] { rebuild(); });
    rebuild();
}

void TForm_platforms::rebuild() {
    model_.build(game_);
    watch_->stamp();
    showModel();
}

void TForm_platforms::reopen() {
    if (isVisible()) rebuild();
}

void TForm_platforms::headerClicked(int grid, int column) {
    model_.headerClicked(grid, column);
    showModel();
}

void TForm_platforms::showEvent(QShowEvent* event) {
    rebuild();
    QWidget::showEvent(event);
}

void TForm_platforms::showModel() {
    weekLabel_->setText(QStringLiteral("Week %1, %2").arg(game_.currentWeek).arg(game_.currentYear));
    const auto& pfs = game_.tables().platforms;
    for (int i = 0; i < 3; ++i) {
        fillHardwareTable(grids_[i], model_.grids[i], [&pfs, i](const GridRow& row, int column) {
            return platformCellMood(pfs[row.index], i, column);
        });
        const auto n = model_.grids[i].rows.size();
        counts_[i]->setText(n == 1 ? QStringLiteral("1 platform") : QStringLiteral("%1 platforms").arg(n));
    }
    regionsChart_->setSlices(model_.regions);
    platformsChart_->setSlices(model_.topPlatforms);
}

}  // namespace cw::ui
