// The end screen (Tform_end_screen, "Game is over"): the final score, the
// high score it beat or did not, and the way out of the program.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace cw {
struct Game;
}

namespace cw::ui {

class Tform_end_screen : public QDialog {
    Q_OBJECT
public:
    explicit Tform_end_screen(const Game& g, QWidget* parent = nullptr);

    QLabel* score() const { return score_; }
    QLabel* note() const { return note_; }
    QPushButton* reportsButton() const { return reports_; }

signals:
    // "View Final annual reports".
    void reportsRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* score_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* reports_ = nullptr;
};

}  // namespace cw::ui
