// The annual board meeting (TForm_boardmeeting): the boardroom, what the
// board has to say and its opinion of the player.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace cw {
struct Game;
}

namespace cw::ui {

class TForm_boardmeeting : public QDialog {
    Q_OBJECT
public:
    explicit TForm_boardmeeting(const Game& g, QWidget* parent = nullptr);

    QPlainTextEdit* text() const { return text_; }
    QProgressBar* opinionBar() const { return bar_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

// The boardroom drawn for a headquarters level: a longer table and more
// directors in a bigger company.
QPixmap boardroomPicture(int headquartersLevel, QSize size);

}  // namespace cw::ui
