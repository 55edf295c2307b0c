#include "ui/database_screen.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "refdata/import.h"
#include "state/game.h"
#include "ui/mod_screen.h"

namespace cw::ui {
namespace {

// Shows a reference table without copying it: the catalogue has tens of
// thousands of rows.
class StringTableModel : public QAbstractTableModel {
public:
    explicit StringTableModel(const StringTable& t, QObject* parent) : QAbstractTableModel(parent), t_(t) {}
    int rowCount(const QModelIndex& = {}) const override { return std::max(t_.rowCount() - 1, 0); }
    int columnCount(const QModelIndex& = {}) const override { return t_.colCount(); }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return QString::fromStdString(t_.cell(i.column(), i.row() + 1));
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (o == Qt::Vertical) return section + 1;
        const std::string& title = t_.cell(section, 0);
        return title.empty() ? QString::number(section) : QString::fromStdString(title);
    }
    void refresh() {
        beginResetModel();
        endResetModel();
    }

private:
    const StringTable& t_;
};

}  // namespace

TDBForm::TDBForm(Game& g, Player& p, ReferenceTables& ref, QWidget* parent)
    : QWidget(parent), game_(g), player_(p), ref_(ref) {
    setObjectName(QStringLiteral("TDBForm"));
    setWindowTitle(QStringLiteral("Database Operations"));
    auto* layout = new QVBoxLayout(this);
    tablesPart_ = new QWidget(this);
    auto* tablesLayout = new QVBoxLayout(tablesPart_);
    tablesLayout->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QHBoxLayout;
    auto* convert = new QPushButton(QStringLiteral("Convert Data"), this);
    convert->setObjectName(QStringLiteral("convertButton"));
    auto* rebuild = new QPushButton(QStringLiteral("Rebuild data"), this);
    rebuild->setObjectName(QStringLiteral("rebuildButton"));
    test_ = new QPushButton(QStringLiteral("Test"), this);
    test_->setObjectName(QStringLiteral("testButton"));
    buttons->addWidget(convert);
    buttons->addWidget(rebuild);
    buttons->addWidget(test_);
    buttons->addStretch();
    tablesLayout->addLayout(buttons);

    auto* split = new QSplitter(Qt::Horizontal, tablesPart_);
    tabs_ = new QTabWidget(split);
    for (const std::string& name : ReferenceTables::tableNames()) {
        auto* view = new QTableView(tabs_);
        view->setObjectName(QString::fromStdString(name));
        view->setModel(new StringTableModel(*ref_.byName(name), view));
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        view->setAlternatingRowColors(true);
        view->setWordWrap(false);
        view->verticalHeader()->setDefaultSectionSize(22);
        tabs_->addTab(view, QString::fromStdString(name));
    }
    auto* side = new QWidget(split);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(new QLabel(QStringLiteral("names not converted"), side));
    notConverted_ = new QListWidget(side);
    notConverted_->setObjectName(QStringLiteral("namesNotConverted"));
    sideLayout->addWidget(notConverted_);
    sideLayout->addWidget(new QLabel(QStringLiteral("Year releases"), side));
    yearReleases_ = new QListWidget(side);
    yearReleases_->setObjectName(QStringLiteral("yearReleases"));
    sideLayout->addWidget(yearReleases_);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    tablesLayout->addWidget(split, 1);
    layout->addWidget(tablesPart_, 1);
    modBuilder_ = new ModBuilderPanel(g, p, ref, this);
    modBuilder_->hide();
    layout->addWidget(modBuilder_, 1);
    connect(modBuilder_, &ModBuilderPanel::closeRequested, this, &QWidget::close);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusBar"));
    layout->addWidget(status_);

    connect(convert, &QPushButton::clicked, this, &TDBForm::convertData);
    connect(rebuild, &QPushButton::clicked, this, &TDBForm::rebuildData);
    connect(test_, &QPushButton::clicked, this, &TDBForm::testRequested);
    resize(1100, 700);
    reload();
}

void TDBForm::reload() {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* view = static_cast<QTableView*>(tabs_->widget(i));
        static_cast<StringTableModel*>(view->model())->refresh();
    }
    notConverted_->clear();
    for (const std::string& n : ref_.namesNotConverted) notConverted_->addItem(QString::fromStdString(n));
    yearReleases_->clear();
    for (const std::string& y : ref_.yearReleases) yearReleases_->addItem(QString::fromStdString(y));
    test_->setEnabled(ref_.testEnabled);
}

void TDBForm::showModBuilder() {
    if (isVisible()) hide();
    setWindowModality(Qt::ApplicationModal);
    tablesPart_->hide();
    modBuilder_->reload();
    modBuilder_->show();
}

void TDBForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!modBuilder_->isVisibleTo(this) || event->spontaneous()) return;
    modBuilder_->hide();
    tablesPart_->show();
    setWindowModality(Qt::NonModal);
}

void TDBForm::convertData() { runImport(false); }
void TDBForm::rebuildData() { runImport(true); }

void TDBForm::runImport(bool rebuild) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    importReferenceData(game_, player_, ref_, rebuild ? ImportAction::RebuildData : ImportAction::ConvertData,
                        builtinBonusLists(), [this](int row) {
                            status_->setText(QStringLiteral("game num:") + QString::number(row));
                            QApplication::processEvents();
                        });
    QApplication::restoreOverrideCursor();
    reload();
    // The tables a failed import left are shown, and the status bar says what is missing.
    if (!ref_.importProblem.empty()) status_->setText(QString::fromStdString(referenceDataRefusal(ref_)));
}

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPasswordDlg"));
    setWindowTitle(QStringLiteral("Password Dialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:"), this));
    field_ = new QLineEdit(this);
    field_->setEchoMode(QLineEdit::Password);
    layout->addWidget(field_);
    auto* box = new QDialogButtonBox(this);
    box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

QString TPasswordDlg::typed() const { return field_->text(); }
void TPasswordDlg::setTyped(const QString& text) { field_->setText(text); }

}  // namespace cw::ui
