#include "ui/review_screen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/app_style.h"
#include "ui/painted_icons.h"
#include "ui/qt_player.h"
#include "ui/shared_widgets.h"

namespace cw::ui {
namespace {

// The magazine's own print: cream paper, black serif ink, a red masthead.
const char* const kReviewStyle = R"(
QFrame#magazinePage { background: #f8f4e9; border: 1px solid #c9bfa5; border-radius: 3px; }
QFrame#magazinePage QLabel { color: #231f1a; background: transparent; }
QLabel#masthead { font-family: "DejaVu Serif"; font-size: 13pt; font-weight: bold; letter-spacing: 4px;
  color: #a32a22; }
QLabel#mastheadIssue { font-size: 8pt; color: #7a6f5c; letter-spacing: 1px; }
QFrame#magazinePage QLabel#kindTag { background: #a32a22; color: #fff8ec; font-size: 8pt; font-weight: bold; letter-spacing: 2px;
  padding: 3px 9px; border-radius: 2px; }
QFrame#pageRule { background: #a32a22; border: none; min-height: 3px; max-height: 3px; }
QFrame#thinRule { background: #cfc4aa; border: none; min-height: 1px; max-height: 1px; }
QLabel#headline { font-family: "DejaVu Serif"; font-size: 24pt; font-weight: bold; color: #16130f; }
QLabel#standfirst { font-size: 9pt; font-weight: bold; letter-spacing: 2px; color: #7a6f5c; }
QLabel#introduction { font-family: "DejaVu Serif"; font-size: 11pt; font-style: italic; font-weight: bold;
  color: #2f2a23; }
QLabel#article { font-family: "DejaVu Serif"; font-size: 11pt; color: #231f1a; }
QLabel#byline { font-family: "DejaVu Serif"; font-size: 9pt; font-style: italic; color: #6b604d; }
QFrame#scoreBox { background: #efe8d6; border: 1px solid #cfc4aa; border-top: 3px solid #231f1a; }
QLabel#scoreTitle { font-size: 9pt; font-weight: bold; letter-spacing: 3px; color: #231f1a; }
QFrame#magazinePage QLabel#overallBadge { font-family: "DejaVu Serif"; font-size: 30pt; font-weight: bold; color: #fff8ec;
  background: qradialgradient(cx:0.5, cy:0.4, radius:0.7, fx:0.5, fy:0.3, stop:0 #c23a30, stop:1 #8a2019);
  border: 3px solid #f2c14e; border-radius: 44px; min-width: 88px; max-width: 88px; min-height: 88px;
  max-height: 88px; }
QLabel#badgeCaption { font-size: 8pt; font-weight: bold; letter-spacing: 2px; color: #7a6f5c; }
QLabel#barLabel { font-size: 9pt; font-weight: bold; color: #3a3329; }
QProgressBar[scoreBar="true"] { background: #fbf8f0; border: 1px solid #b9ad92; border-radius: 2px; color: #231f1a;
  min-height: 16px; max-height: 16px; font-size: 8pt; }
QProgressBar[scoreBar="true"]::chunk { border-radius: 1px;
  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #7b1d17, stop:1 #c8433a); }
)";

QFrame* rule(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    return line;
}

}  // namespace

QString reviewArticleHtml(const std::string& text) {
    QString html = qs(text).toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    // Two dots or more, with only dots and blanks between: the stand-in for
    // the rest of the article.
    static const QRegularExpression dots(QStringLiteral("(\\.[. ]*\\.)"));
    html.replace(dots, QStringLiteral("<span style=\"color:#b9ad92; letter-spacing:1px;\">\\1</span>"));
    return QStringLiteral("<div style=\"line-height:145%;\">") + html + QStringLiteral("</div>");
}

TForm_preview::TForm_preview(const Review& review, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm_preview"));
    setWindowTitle(QStringLiteral("Review"));
    setModal(true);
    setStyleSheet(QString::fromLatin1(kReviewStyle));
    setMinimumSize(900, 640);
    resize(960, 660);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 12);
    root->setSpacing(10);
    const HeaderBand header = makeHeaderBand(this, paintedIcon(PaintedIcon::Star, 34).pixmap(34, 34),
                                             QStringLiteral("Review"), QStringLiteral("headerLabel"));
    root->addWidget(header.band);

    auto* page = new QFrame(this);
    page->setObjectName(QStringLiteral("magazinePage"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(28, 16, 28, 16);
    pageLayout->setSpacing(6);

    auto* mastRow = new QHBoxLayout;
    auto* masthead = new QLabel(QStringLiteral("GAME CRITIC"), page);
    masthead->setObjectName(QStringLiteral("masthead"));
    mastRow->addWidget(masthead);
    auto* issue = new QLabel(QStringLiteral("THE PLAYER'S WEEKLY VERDICT"), page);
    issue->setObjectName(QStringLiteral("mastheadIssue"));
    mastRow->addWidget(issue, 0, Qt::AlignBottom);
    mastRow->addStretch(1);
    auto* tag = new QLabel(review.isPreview ? QStringLiteral("PREVIEW") : QStringLiteral("REVIEW"), page);
    tag->setObjectName(QStringLiteral("kindTag"));
    mastRow->addWidget(tag, 0, Qt::AlignVCenter);
    pageLayout->addLayout(mastRow);
    pageLayout->addWidget(rule(page, "pageRule"));
    pageLayout->addSpacing(4);

    title_ = new QLabel(qs(review.title), page);
    title_->setObjectName(QStringLiteral("headline"));
    title_->setWordWrap(true);
    pageLayout->addWidget(title_);
    QString details = qs(review.genreName).toUpper();
    if (!review.platformName.empty())
        details += QStringLiteral("   \u00b7   ") + qs(review.platformName).toUpper();
    details_ = new QLabel(details, page);
    details_->setObjectName(QStringLiteral("standfirst"));
    pageLayout->addWidget(details_);
    pageLayout->addWidget(rule(page, "thinRule"));
    pageLayout->addSpacing(6);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(26);

    // The article is a few paragraphs at most: it fits the page as it stands.
    auto* article = new QWidget(page);
    auto* text = new QVBoxLayout(article);
    text->setContentsMargins(0, 0, 6, 0);
    text->setSpacing(12);
    intro_ = new QLabel(article);
    intro_->setObjectName(QStringLiteral("introduction"));
    intro_->setWordWrap(true);
    intro_->setTextFormat(Qt::PlainText);
    intro_->setText(gameText(review.introduction));
    intro_->setVisible(!review.introduction.empty());
    text->addWidget(intro_);
    body_ = new QLabel(article);
    body_->setObjectName(QStringLiteral("article"));
    body_->setWordWrap(true);
    body_->setTextFormat(Qt::RichText);
    body_->setText(reviewArticleHtml(review.body));
    text->addWidget(body_);
    byline_ = new QLabel(qs(review.byline).trimmed(), article);
    byline_->setObjectName(QStringLiteral("byline"));
    text->addWidget(byline_);
    text->addStretch(1);
    columns->addWidget(article, 1);

    auto* box = new QFrame(page);
    box->setObjectName(QStringLiteral("scoreBox"));
    box->setFixedWidth(260);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(16, 12, 16, 14);
    boxLayout->setSpacing(8);
    auto* scoreTitle = new QLabel(QStringLiteral("SCORES"), box);
    scoreTitle->setObjectName(QStringLiteral("scoreTitle"));
    scoreTitle->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(scoreTitle);
    const ReviewBar& overall = review.bars[kBarOverall];
    badge_ = new QLabel(QString::number(overall.position()), box);
    badge_->setObjectName(QStringLiteral("overallBadge"));
    badge_->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(badge_, 0, Qt::AlignHCenter);
    auto* badgeCaption = new QLabel(QStringLiteral("OVERALL"), box);
    badgeCaption->setObjectName(QStringLiteral("badgeCaption"));
    badgeCaption->setAlignment(Qt::AlignCenter);
    boxLayout->addWidget(badgeCaption);
    boxLayout->addSpacing(6);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(9);
    static const char* const kBarNames[5] = {"ProgressBar_gameplay", "ProgressBar_graphics", "ProgressBar_sound",
                                             "ProgressBar_replayability", "ProgressBar_overall"};
    for (int i = 0; i < 5; ++i) {
        const ReviewBar& b = review.bars[static_cast<std::size_t>(i)];
        auto* label = new QLabel(QString::fromLatin1(b.label), box);
        label->setObjectName(QStringLiteral("barLabel"));
        grid->addWidget(label, i, 0);
        auto* bar = new QProgressBar(box);
        bar->setObjectName(QString::fromLatin1(kBarNames[i]));
        bar->setProperty("scoreBar", true);
        bar->setRange(0, 100);
        bar->setValue(b.position());
        bar->setFormat(QStringLiteral("%v"));
        grid->addWidget(bar, i, 1);
        barLabels_[static_cast<std::size_t>(i)] = label;
        bars_[static_cast<std::size_t>(i)] = bar;
    }
    grid->setColumnStretch(1, 1);
    boxLayout->addLayout(grid);
    boxLayout->addStretch(1);
    columns->addWidget(box, 0, Qt::AlignTop);
    pageLayout->addLayout(columns, 1);

    auto* pageRow = new QHBoxLayout;
    pageRow->setContentsMargins(18, 0, 18, 0);
    pageRow->addWidget(page);
    root->addLayout(pageRow, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(18, 0, 18, 0);
    whyScore_ = new QPushButton(QStringLiteral("Why this score"), this);
    whyScore_->setObjectName(QStringLiteral("Button_whyscore"));
    whyScore_->setAutoDefault(false);
    whyScore_->hide();
    connect(whyScore_, &QPushButton::clicked, this, [this] {
        if (whyScoreAction_) whyScoreAction_();
    });
    buttons->addWidget(whyScore_);
    buttons->addStretch(1);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("closeButton"));
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close_);
    root->addLayout(buttons);
}

void TForm_preview::offerWhyScore(std::function<void()> action) {
    whyScoreAction_ = std::move(action);
    whyScore_->setVisible(static_cast<bool>(whyScoreAction_));
}

void TForm_preview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOverParent(this);
}

}  // namespace cw::ui
