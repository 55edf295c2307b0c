#include "ui/shared_widgets.h"

#include <QHeaderView>

#include "ui/qt_player.h"

namespace cw::ui {

HeaderBand makeHeaderBand(QWidget* parent, const QPixmap& icon, const QString& title, const QString& titleObjectName) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("headerBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(16, 10, 16, 10);
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(band);
        iconLabel->setPixmap(icon);
        layout->addWidget(iconLabel);
    }
    auto* titleLabel = new QLabel(title, band);
    titleLabel->setObjectName(titleObjectName);
    layout->addWidget(titleLabel, 1);
    return {band, layout, titleLabel};
}

TitledBand makeTitledBand(QWidget* parent, const QPixmap& icon, const QString& title, const QString& subtitleObjectName,
                          bool subtitleFirst) {
    const HeaderBand header = makeHeaderBand(parent, icon, title, QStringLiteral("bandTitle"));
    header.layout->setSpacing(12);
    header.layout->removeWidget(header.title);
    auto* subtitle = new QLabel(header.band);
    subtitle->setObjectName(subtitleObjectName);
    subtitle->setProperty("subtitle", true);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(subtitleFirst ? subtitle : header.title);
    texts->addWidget(subtitleFirst ? header.title : subtitle);
    header.layout->addLayout(texts, 1);
    return {header.band, header.layout, header.title, subtitle};
}

QFrame* makeCard(QWidget* parent, const QString& title, QVBoxLayout*& body) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("card"));
    body = new QVBoxLayout(frame);
    body->setContentsMargins(12, 10, 12, 12);
    body->setSpacing(8);
    auto* heading = new QLabel(title, frame);
    heading->setObjectName(QStringLiteral("cardTitle"));
    body->addWidget(heading);
    return frame;
}

QTableWidget* makeRowGrid(QWidget* parent, const QString& objectName, const QStringList& headings) {
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    grid->setObjectName(objectName);
    grid->setHorizontalHeaderLabels(headings);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(28);
    QHeaderView* head = grid->horizontalHeader();
    head->setSectionsClickable(true);
    head->setHighlightSections(false);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return grid;
}

void showSortIndicator(QTableWidget* grid, int column, bool ascending) {
    QHeaderView* head = grid->horizontalHeader();
    head->setSortIndicatorShown(column >= 0);
    if (column >= 0) head->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QString gameText(const std::string& text) {
    QString t = qs(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QPlainTextEdit* makePaperSheet(QWidget* parent, const QString& objectName) {
    auto* sheet = new QPlainTextEdit(parent);
    sheet->setObjectName(objectName);
    sheet->setReadOnly(true);
    // The application's look gives every sheet marked as paper its fixed
    // pitch; the font set here holds where no style sheet is in force.
    sheet->setProperty("paper", true);
    QFont paper(QStringLiteral("DejaVu Sans Mono"));
    paper.setStyleHint(QFont::TypeWriter);
    paper.setPixelSize(13);
    sheet->setFont(paper);
    return sheet;
}

}  // namespace cw::ui
