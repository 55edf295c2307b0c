#include "ui/manual_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/app_style.h"
#include "ui/shared_widgets.h"

namespace cw::ui {

namespace {

const char* const kIndex = "index.html";

}  // namespace

TForm_manual::TForm_manual(const QString& folder, QWidget* parent) : QWidget(parent), folder_(folder) {
    setObjectName(QStringLiteral("TForm_manual"));
    setWindowTitle(QStringLiteral("Manual"));
    resize(900, 640);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    const HeaderBand band = makeHeaderBand(this, QPixmap(), QStringLiteral("Manual"), QStringLiteral("manualTitle"));
    root->addWidget(band.band);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(12, 8, 12, 4);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("manualBack"));
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    forward->setObjectName(QStringLiteral("manualForward"));
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    contents->setObjectName(QStringLiteral("manualContents"));
    for (QPushButton* b : {back, forward, contents}) {
        b->setAutoDefault(false);
        tools->addWidget(b);
    }
    tools->addStretch(1);
    root->addLayout(tools);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("manualBrowser"));
    browser_->setOpenLinks(true);
    // Pages of the manual open here; a link out of it opens the player's
    // own browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    // The pages are printed paper: dark ink on light, whatever the look.
    browser_->setStyleSheet(QStringLiteral("QTextBrowser { background: #fbf8ef; color: #1d2633; border: none; "
                                           "padding: 10px 18px; }"));
    // Links in a dark blue that reads on the paper.
    QPalette ink = browser_->palette();
    ink.setColor(QPalette::Link, QColor(0x1f, 0x5f, 0xa8));
    ink.setColor(QPalette::LinkVisited, QColor(0x5a, 0x3d, 0x8a));
    browser_->setPalette(ink);
    root->addWidget(browser_, 1);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showChapter(QString()); });

    makeSecondaryWindow(this);
    showChapter(QString());
}

void TForm_manual::showChapter(const QString& anchor) {
    const QString index = QDir(folder_).filePath(QString::fromLatin1(kIndex));
    if (!QFileInfo::exists(index)) {
        browser_->setHtml(QStringLiteral("<h2>Manual</h2><p>The manual is missing: %1 was not found. "
                                         "Build the game again to put it back.</p>")
                              .arg(index.toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(index);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
    if (!anchor.isEmpty()) browser_->scrollToAnchor(anchor);
}

TForm_manual* openManual(const QString& gameFolder, QWidget* over, const QString& anchor) {
    static QPointer<TForm_manual> manual;
    QWidget* owner = over ? over->window() : nullptr;
    // One manual for the whole game, owned by the main window when there is one.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(top)) owner = top;
    if (!manual || manual->parentWidget() != owner)
        manual = new TForm_manual(QDir(gameFolder).filePath(QStringLiteral("manual")), owner);
    manual->setAttribute(Qt::WA_DeleteOnClose, false);
    manual->showChapter(anchor);
    if (!manual->isVisible()) placeOverMain(manual, owner);
    manual->show();
    manual->raise();
    manual->activateWindow();
    return manual;
}

}  // namespace cw::ui
