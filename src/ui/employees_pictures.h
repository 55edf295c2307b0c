// The pictures of the hiring screens, drawn with QPainter: the staff icon,
// the candidates' faces with their moods, the rating colours and the
// patience meter of the interview.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace cw::ui {

enum class FaceMood { Neutral, Happy, Doubtful, Refusing };

// Two figures, for title bands.
QPixmap staffIcon(int size);
// A portrait; the person's index picks hair and skin so that people differ,
// the mood picks the expression and the backdrop.
QPixmap facePicture(int person, FaceMood mood, int size);
// The colour of a 0..100 rating's word, from poor red to extreme green.
QColor ratingColour(int value);

// Five lamps that go out one by one as the candidate's patience runs down.
class MoodMeter : public QWidget {
public:
    explicit MoodMeter(QWidget* parent = nullptr);
    void setMood(int mood);
    int mood() const { return mood_; }
    QSize sizeHint() const override { return {5 * 18 + 4, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mood_ = 0;
};

}  // namespace cw::ui
