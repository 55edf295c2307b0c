#include "ui/mod_screen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include "refdata/mods.h"
#include "state/game.h"
#include "ui/app_style.h"

namespace cw::ui {
namespace {

QString qstr(const std::string& s) { return QString::fromStdString(s); }

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

}  // namespace

TForm_mod_load::TForm_mod_load(Game& g, Player& p, QWidget* parent) : QDialog(parent), game_(g), player_(p) {
    setObjectName(QStringLiteral("TForm_mod_load"));
    setWindowTitle(QStringLiteral("Choose a MOD"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(heading(QStringLiteral("Available MODs"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("modList"));
    left->addWidget(list_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(heading(QStringLiteral("MOD Description"), this));
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("modDescription"));
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumWidth(240);
    description_->setStyleSheet(
        QStringLiteral("background: #fffdf5; color: #2b3a4a; border: 1px solid #d8cfb5; padding: 8px;"));
    right->addWidget(description_, 1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout;
    // Mods come as files; the link opens the folder they go into.
    auto* link = new QLabel(QStringLiteral("<a href=\"mods\">Download additional MODs</a>"), this);
    link->setObjectName(QStringLiteral("downloadLink"));
    link->setToolTip(QStringLiteral("Put MOD files (.cwm) into this folder"));
    connect(link, &QLabel::linkActivated, this, [this] {
        const QString folder = qstr(modFolder(game_.writableFolder()));
        QDir().mkpath(folder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    });
    buttons->addWidget(link);
    buttons->addStretch(1);
    auto* choose = new QPushButton(QStringLiteral("Choose"), this);
    choose->setObjectName(QStringLiteral("chooseButton"));
    setButtonRole(choose, "action");
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(choose);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { showDescription(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { chooseClicked(); });
    connect(choose, &QPushButton::clicked, this, &TForm_mod_load::chooseClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 320);
}

void TForm_mod_load::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refill();
}

void TForm_mod_load::refill() {
    list_->clear();
    for (const std::string& e : modChooserEntries(game_.programFolder, game_.userFolder)) list_->addItem(qstr(e));
    list_->setCurrentRow(0);
    showDescription();
}

QString TForm_mod_load::descriptionText() const { return description_->text(); }

void TForm_mod_load::showDescription() {
    const QListWidgetItem* item = list_->currentItem();
    const std::string entry = item ? item->text().toStdString() : std::string();
    description_->setText(qstr(modEntryDescription(game_.programFolder, entry, game_.userFolder)));
}

void TForm_mod_load::chooseClicked() {
    const QListWidgetItem* item = list_->currentItem();
    std::string label;
    if (!chooseMod(game_, player_, item ? item->text().toStdString() : std::string(), label).empty()) return;
    chosenLabel_ = qstr(label);
    emit modChosen(chosenLabel_);
    accept();
}

ModBuilderPanel::ModBuilderPanel(Game& g, Player& p, ReferenceTables& ref, QWidget* parent)
    : QWidget(parent), game_(g), player_(p), ref_(ref) {
    setObjectName(QStringLiteral("modBuilderPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("NEW MODfication"), this);
    title->setObjectName(QStringLiteral("modHeading"));
    title->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold;"));
    layout->addWidget(title);
    auto* columns = new QHBoxLayout;
    const auto column = [&](const QString& caption, const char* name) {
        auto* box = new QVBoxLayout;
        box->addWidget(heading(caption, this));
        auto* list = new QListWidget(this);
        list->setObjectName(QLatin1String(name));
        box->addWidget(list, 1);
        columns->addLayout(box, 1);
        return list;
    };
    platforms_ = column(QStringLiteral("Platforms Active in MOD"), "modPlatforms");
    genres_ = column(QStringLiteral("Genre Active in MOD"), "modGenres");
    auto* side = new QVBoxLayout;
    side->addWidget(heading(QStringLiteral("MOD Description"), this));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("modDescription"));
    description_->setToolTip(QStringLiteral("At most 80 characters"));
    side->addWidget(description_, 1);
    columns->addLayout(side, 1);
    layout->addLayout(columns, 1);
    // The field holds at most 80 characters, as the file's reader expects.
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = description_->toPlainText();
        if (text.size() <= kMaxModDescription) return;
        QSignalBlocker block(description_);
        description_->setPlainText(text.left(kMaxModDescription));
        description_->moveCursor(QTextCursor::End);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* save = new QPushButton(QStringLiteral("Save MOD and close"), this);
    save->setObjectName(QStringLiteral("saveModButton"));
    setButtonRole(save, "action");
    auto* load = new QPushButton(QStringLiteral("Load Mod"), this);
    load->setObjectName(QStringLiteral("loadModButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelModButton"));
    setButtonRole(cancel, "secondary");
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &ModBuilderPanel::saveMod);
    connect(load, &QPushButton::clicked, this, &ModBuilderPanel::loadMod);
    connect(cancel, &QPushButton::clicked, this, &ModBuilderPanel::closeRequested);
}

void ModBuilderPanel::reload() {
    const ModLists& l = ref_.modLists;
    for (auto [list, items] : {std::pair{platforms_, &l.platforms}, std::pair{genres_, &l.genres}}) {
        list->clear();
        for (const ModItem& i : *items) {
            auto* item = new QListWidgetItem(qstr(i.text), list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(i.checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    description_->setPlainText(qstr(l.description));
}

void ModBuilderPanel::takeChecks() {
    ModLists& l = ref_.modLists;
    for (auto [list, items] : {std::pair{platforms_, &l.platforms}, std::pair{genres_, &l.genres}})
        for (int i = 0; i < list->count() && i < static_cast<int>(items->size()); ++i)
            (*items)[static_cast<std::size_t>(i)].checked = list->item(i)->checkState() == Qt::Checked;
    l.description = description_->toPlainText().toStdString();
}

void ModBuilderPanel::saveMod() {
    takeChecks();
    const QString folder = qstr(modFolder(game_.writableFolder()));
    QDir().mkpath(folder);
    QFileDialog dialog(this, QStringLiteral("Save MOD"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("CWM"));
    dialog.setNameFilter(QStringLiteral("MOD files (*.CWM *.cwm)"));
    dialog.selectFile(qstr(proposedModFileName(ref_.modLists.description)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveModTo(dialog.selectedFiles().first());
}

bool ModBuilderPanel::saveModTo(const QString& path) {
    takeChecks();
    if (const std::string why = writeModFile(path.toStdString(), modFromLists(ref_.modLists)); !why.empty()) {
        player_.messageBox(kModCaption, why, false);
        return false;
    }
    emit closeRequested();
    return true;
}

void ModBuilderPanel::loadMod() {
    // The player's own mods, or the shipped ones until he has saved one.
    QString folder = qstr(modFolder(game_.writableFolder()));
    if (!QDir(folder).exists()) folder = qstr(modFolder(game_.programFolder));
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load Mod"), folder,
                                                      QStringLiteral("MOD files (*.CWM *.cwm)"));
    if (!path.isEmpty()) loadModFrom(path);
}

bool ModBuilderPanel::loadModFrom(const QString& path) {
    ModFile m;
    if (const std::string why = readModFile(path.toStdString(), m); !why.empty()) {
        player_.messageBox(kModCaption, why, false);
        return false;
    }
    takeChecks();
    applyModToLists(ref_.modLists, m);
    reload();
    return true;
}

}  // namespace cw::ui
