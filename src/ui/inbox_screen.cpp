#include "ui/inbox_screen.h"
#include "ui/app_style.h"
#include "ui/shared_widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "state/game.h"
#include "state/inbox.h"
#include "ui/message_dialogs.h"

namespace cw::ui {
namespace {

QString toQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An envelope drawn for the grid: sealed and gold while unread, open and
// grey once read.
QIcon envelope(bool unread) {
    const qreal dpr = 2.0;
    QPixmap pm(QSize(22, 16) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = unread ? look::kAccent : QColor(0x8a, 0x96, 0xa6);
    const QColor edge = body.darker(160);
    p.setPen(QPen(edge, 1.2));
    if (unread) {
        p.setBrush(body);
        p.drawRoundedRect(QRectF(1.5, 2.5, 19, 12), 1.5, 1.5);
        QPainterPath flap;
        flap.moveTo(1.5, 3);
        flap.lineTo(11, 9.5);
        flap.lineTo(20.5, 3);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
    } else {
        // Opened: the flap stands up behind a sheet of paper.
        QPainterPath flap;
        flap.moveTo(1.5, 6.5);
        flap.lineTo(11, 0.8);
        flap.lineTo(20.5, 6.5);
        flap.closeSubpath();
        p.setBrush(body.darker(120));
        p.drawPath(flap);
        p.setBrush(QColor(0xf7, 0xf3, 0xe8));
        p.drawRect(QRectF(4.5, 3, 13, 8));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(1.5, 6.5, 19, 8.5), 1.5, 1.5);
    }
    return QIcon(pm);
}

}  // namespace

TForm_inbox::TForm_inbox(Game& g, Player& p, QWidget* parent) : QWidget(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_inbox"));
    setWindowTitle(QStringLiteral("Inbox"));
    makeGameWindow(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    const HeaderBand header =
        makeHeaderBand(this, envelope(true).pixmap(QSize(33, 24)), QString(), QStringLiteral("label_inbox"));
    header_ = header.title;
    outer->addWidget(header.band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 12);
    body->setSpacing(10);

    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("StringGrid_inbox"));
    const Inbox& in = game_.inbox;
    QStringList headings;
    for (std::size_t c = 0; c < 3; ++c) headings << (in.rows.empty() ? QString() : toQ(in.rows[0].cells[c]));
    grid_->setHorizontalHeaderLabels(headings);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    grid_->setShowGrid(false);
    grid_->setWordWrap(false);
    grid_->setIconSize(QSize(22, 16));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(28);
    QHeaderView* head = grid_->horizontalHeader();
    head->setSectionsClickable(true);
    head->setHighlightSections(false);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head->setSectionResizeMode(0, QHeaderView::Interactive);
    head->setSectionResizeMode(1, QHeaderView::Interactive);
    head->setSectionResizeMode(2, QHeaderView::Stretch);
    grid_->setColumnWidth(0, 140);
    grid_->setColumnWidth(1, 86);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);

    menu_ = new QMenu(this);
    QAction* deleteOne = menu_->addAction(QStringLiteral("Delete permanent"));
    deleteOne->setObjectName(QStringLiteral("DeletePermanent"));
    connect(deleteOne, &QAction::triggered, this, &TForm_inbox::deleteSelected);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this, deleteOne](const QPoint& pos) {
        deleteOne->setEnabled(grid_->currentRow() >= 0);
        menu_->popup(grid_->viewport()->mapToGlobal(pos));
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { openGridRow(row); });
    // The core owns the order; the grid's own sorting stays off.
    connect(head, &QHeaderView::sectionClicked, this, [this](int column) {
        sortInbox(game_, column);
        reload();
    });

    pane_ = makePaperSheet(this, QStringLiteral("memo_letter"));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(grid_);
    split->addWidget(pane_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    body->addWidget(split, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    deleteAll_ = new QPushButton(QStringLiteral("Delete all mails"), this);
    deleteAll_->setObjectName(QStringLiteral("Button_deleteall"));
    deleteAll_->setProperty("role", QStringLiteral("danger"));
    deleteAll_->setCursor(Qt::PointingHandCursor);
    connect(deleteAll_, &QPushButton::clicked, this, &TForm_inbox::deleteAll);
    buttons->addWidget(deleteAll_);
    buttons->addWidget(makeCloseButton(this, this));
    body->addLayout(buttons);
    outer->addLayout(body, 1);

    resize(760, 560);
    reload();
}

void TForm_inbox::reload() {
    const QSignalBlocker block(grid_);
    const Inbox& in = game_.inbox;
    grid_->clearContents();
    grid_->setRowCount(0);
    for (std::size_t r = 1; r < in.rows.size(); ++r) {
        if (in.rows[r].blank()) continue;
        const int gridRow = grid_->rowCount();
        grid_->insertRow(gridRow);
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::UserRole, static_cast<int>(r));
            grid_->setItem(gridRow, c, item);
        }
        showRow(gridRow, static_cast<int>(r));
    }
    grid_->setCurrentCell(-1, -1);
    pane_->clear();
    QHeaderView* head = grid_->horizontalHeader();
    head->setSortIndicatorShown(in.sortColumn >= 0);
    if (in.sortColumn >= 0)
        head->setSortIndicator(in.sortColumn, in.sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    updateHeader();
}

int TForm_inbox::inboxRowAt(int gridRow) const {
    const QTableWidgetItem* item = gridRow >= 0 ? grid_->item(gridRow, 0) : nullptr;
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TForm_inbox::showRow(int gridRow, int inboxRow) {
    const Inbox& in = game_.inbox;
    if (inboxRow < 1 || static_cast<std::size_t>(inboxRow) >= in.rows.size()) return;
    const InboxRow& row = in.rows[static_cast<std::size_t>(inboxRow)];
    const bool unread = row.cells[1] == "NO";
    for (int c = 0; c < 3; ++c) {
        QTableWidgetItem* item = grid_->item(gridRow, c);
        if (!item) continue;
        item->setText(toQ(row.cells[static_cast<std::size_t>(c)]));
        QFont f = grid_->font();
        f.setBold(unread);
        item->setFont(f);
    }
    if (QTableWidgetItem* flag = grid_->item(gridRow, 1))
        flag->setForeground(unread ? look::kAccent : QColor(0x8a, 0x96, 0xa6));
    if (QTableWidgetItem* subject = grid_->item(gridRow, 2)) subject->setIcon(envelope(unread));
}

void TForm_inbox::openGridRow(int gridRow) {
    const int inboxRow = inboxRowAt(gridRow);
    if (inboxRow < 1) return;
    const std::string text = openLetter(game_, player_, inboxRow);
    if (text.empty()) return;
    pane_->setPlainText(toQ(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    showRow(gridRow, inboxRow);
    updateHeader();
    emit inboxChanged();
}

void TForm_inbox::deleteSelected() {
    const int inboxRow = inboxRowAt(grid_->currentRow());
    if (inboxRow < 1 || !deleteLetter(game_, inboxRow)) return;
    reload();
    emit inboxChanged();
}

void TForm_inbox::deleteAll() {
    if (!deleteAllLetters(game_, player_)) return;
    reload();
    emit inboxChanged();
}

void TForm_inbox::updateHeader() { header_->setText(toQ(inboxLabel(game_))); }

void TForm_inbox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    openInbox(game_);
    reload();
    emit inboxChanged();
}

}  // namespace cw::ui
