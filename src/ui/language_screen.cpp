#include "ui/language_screen.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "state/files.h"
#include "ui/app_style.h"
#include "ui/manual_window.h"

namespace cw::ui {

TForm_lng::TForm_lng(const std::string& programFolder, QWidget* parent, const std::string& userFolder)
    : QDialog(parent), folder_(programFolder), userFolder_(userFolder) {
    setObjectName(QStringLiteral("TForm_lng"));
    setWindowTitle(QStringLiteral("Language Setup"));
    setModal(true);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(18, 14, 18, 14);
    col->setSpacing(10);
    heading_ = new QLabel(QStringLiteral("Choose language"), this);
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold;"));
    col->addWidget(heading_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setToolTip(QStringLiteral("The languages found in the folder lng"));
    list_->setMinimumSize(300, 180);
    col->addWidget(list_, 1);
    // The list is filled once, while nothing has been chosen yet.
    if (currentLanguage_ == QLatin1String("English")) {
        list_->addItem(QString::fromLatin1(kDefaultLanguage));
        files_ = languageFiles(folder_, userFolder_);
        for (const LanguageChoice& f : files_) list_->addItem(QString::fromStdString(f.name));
    }
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { currentLanguage_ = item->text(); });
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) currentLanguage_ = item->text();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { choose_->click(); });

    link_ = new QPushButton(QStringLiteral("Download additional Languages"), this);
    link_->setObjectName(QStringLiteral("LinkLabel1"));
    link_->setFlat(true);
    link_->setCursor(Qt::PointingHandCursor);
    link_->setToolTip(QStringLiteral("How to write a language file of your own"));
    link_->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; color: #1d5fa8; "
                                        "text-decoration: underline; padding: 2px; text-align: left; }"));
    connect(link_, &QPushButton::clicked, this, [this] {
        // The manual's chapter first; a game folder without the manual still
        // has the README's section.
        const QString folder = QString::fromStdString(folder_);
        if (QFile::exists(folder + QStringLiteral("/manual/index.html"))) {
            openManual(folder, this, QStringLiteral("languages"));
            return;
        }
        QDialog* help = makeLanguageHelpWindow(folder_, this);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->show();
    });
    col->addWidget(link_, 0, Qt::AlignLeft);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    choose_ = new QPushButton(QStringLiteral("Choose"), this);
    choose_->setObjectName(QStringLiteral("dxButton1"));
    choose_->setToolTip(QStringLiteral("Start CW2 with the language selected"));
    setButtonRole(choose_, "action");
    choose_->setDefault(true);
    connect(choose_, &QPushButton::clicked, this, [this] {
        if (!list_->currentItem()) currentLanguage_.clear();
        accept();
    });
    row->addWidget(choose_);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("dxButton2"));
    cancel_->setToolTip(QStringLiteral("If you cancel CW2 will run with the default text in English"));
    setButtonRole(cancel_, "secondary");
    connect(cancel_, &QPushButton::clicked, this, &TForm_lng::reject);
    row->addWidget(cancel_);
    col->addLayout(row);
    resize(380, 360);
}

void TForm_lng::reject() {
    currentLanguage_.clear();
    QDialog::reject();
}

std::string TForm_lng::languagePath(const QString& name) const {
    for (const LanguageChoice& f : files_)
        if (QString::fromStdString(f.name) == name) return f.path;
    return {};
}

QString TForm_lng::chooseLanguage() {
    exec();
    return currentLanguage_;
}

void TForm_lng::showProgress(int screen, int total) {
    setWindowTitle(QStringLiteral("Loading...%1/%2").arg(screen).arg(total));
    if (list_->count() != 1 || list_->isEnabled()) {
        list_->clear();
        list_->addItem(QStringLiteral("Choosen : ") + currentLanguage_);
        list_->setEnabled(false);
        choose_->hide();
        cancel_->hide();
        link_->hide();
    }
}

QString languageHelpSection(const QString& markdown) {
    const QStringList lines = markdown.split(QLatin1Char('\n'));
    QStringList out;
    int level = 0;
    for (const QString& raw : lines) {
        const QString line = QString(raw).remove(QLatin1Char('\r'));
        int hashes = 0;
        while (hashes < line.size() && line[hashes] == QLatin1Char('#')) ++hashes;
        const bool heading = hashes > 0 && hashes < line.size() && line[hashes] == QLatin1Char(' ');
        if (level == 0) {
            if (heading && line.mid(hashes + 1).trimmed() == QLatin1String("Writing a language file")) {
                level = hashes;
                out << line;
            }
            continue;
        }
        if (heading && hashes <= level) break;
        out << line;
    }
    return out.join(QLatin1Char('\n')).trimmed();
}

QDialog* makeLanguageHelpWindow(const std::string& programFolder, QWidget* parent) {
    auto* d = new QDialog(parent);
    d->setObjectName(QStringLiteral("TForm_webbrowse"));
    d->setWindowTitle(QStringLiteral("Additional Languages"));
    auto* col = new QVBoxLayout(d);
    auto* view = new QTextBrowser(d);
    view->setObjectName(QStringLiteral("WebBrowser1"));
    view->setOpenLinks(false);
    QString section;
    const std::string path = existingFileNoCase(programFolder, "README.md");
    QFile file(QString::fromStdString(path));
    if (!path.empty() && file.size() < 4 * 1024 * 1024 && file.open(QIODevice::ReadOnly))
        section = languageHelpSection(QString::fromUtf8(file.readAll()));
    if (section.isEmpty())
        view->setPlainText(QStringLiteral("The README with the section \"Writing a language file\" is not in the "
                                          "game folder. Copy Test.lng (written when the game starts with /Lngfile) "
                                          "into the folder lng under the language's name and translate its texts."));
    else
        view->setMarkdown(section);
    col->addWidget(view, 1);
    makeGameWindow(d);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(makeCloseButton(d, d));
    col->addLayout(row);
    d->resize(640, 520);
    return d;
}

}  // namespace cw::ui
