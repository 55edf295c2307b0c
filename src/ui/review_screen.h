// The review screen (TForm_preview, caption "Review"): a magazine page with
// the game's header, the article, the five score bars and the byline. It
// shows a finished core review and has nothing to decide.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "market/reviews.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw::ui {

class TForm_preview : public QDialog {
    Q_OBJECT
public:
    explicit TForm_preview(const Review& review, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QLabel* detailsLabel() const { return details_; }
    QLabel* introductionLabel() const { return intro_; }
    QLabel* bodyLabel() const { return body_; }
    QLabel* bylineLabel() const { return byline_; }
    QLabel* badgeLabel() const { return badge_; }
    QLabel* barLabel(int bar) const { return barLabels_[static_cast<std::size_t>(bar)]; }
    QProgressBar* bar(int bar) const { return bars_[static_cast<std::size_t>(bar)]; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* whyScoreButton() const { return whyScore_; }
    // Shows "Why this score" beside Close; the review of a product the
    // player reads again can take its score apart.
    void offerWhyScore(std::function<void()> action);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* title_ = nullptr;
    QLabel* details_ = nullptr;
    QLabel* intro_ = nullptr;
    QLabel* body_ = nullptr;
    QLabel* byline_ = nullptr;
    QLabel* badge_ = nullptr;
    std::array<QLabel*, 5> barLabels_{};
    std::array<QProgressBar*, 5> bars_{};
    QPushButton* close_ = nullptr;
    QPushButton* whyScore_ = nullptr;
    std::function<void()> whyScoreAction_;
};

// The article text as the page sets it: the game's line breaks kept, the
// rows of dots that stand for the rest of the article in a faint ink.
QString reviewArticleHtml(const std::string& text);

}  // namespace cw::ui
