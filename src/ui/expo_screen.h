// The yearly computer and games show (TForm_E3): the booth offer, then the
// award show on a stage with five places, then the impression.
#pragma once

#include <QDialog>
#include <QWidget>

#include "market/expo.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

namespace cw::ui {

// The stage: a podium of five places, the player's games in red with a star.
// Places are revealed from the fifth to the first.
class AwardStage : public QWidget {
    Q_OBJECT
public:
    explicit AwardStage(QWidget* parent = nullptr);
    void setCategory(const AwardCategory& c);
    // How many places are shown, counted from the fifth (0..5).
    void setRevealed(int count);
    int revealed() const { return revealed_; }
    QSize sizeHint() const override { return {900, 440}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AwardCategory category_;
    int revealed_ = 0;
};

class TForm_E3 : public QDialog {
    Q_OBJECT
public:
    TForm_E3(Game& g, ExpoShow& show, QWidget* parent = nullptr);

    // Shows every place at once (the tests and an impatient player).
    void revealAll();
    QPushButton* enterButton() const { return enter_; }
    QPushButton* skipButton() const { return skip_; }
    QPushButton* nextButton() const { return next_; }
    QRadioButton* boothButton(Booth b) const { return booths_[static_cast<int>(b)]; }
    AwardStage* stage() const { return stage_; }
    QLabel* impression() const { return impression_; }
    int page() const;

private:
    void enterShow();
    void showCategory();
    void revealNext();
    void nextCategory();

    Game& game_;
    ExpoShow& show_;
    QStackedWidget* pages_ = nullptr;
    QRadioButton* booths_[kBoothCount] = {};
    QPushButton* enter_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* next_ = nullptr;
    AwardStage* stage_ = nullptr;
    QListWidget* entries_ = nullptr;
    QLabel* entriesCaption_ = nullptr;
    QLabel* impression_ = nullptr;
    QTimer* reveal_ = nullptr;
};

}  // namespace cw::ui
