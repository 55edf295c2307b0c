// The project status dialog (TForm_project_finished, "Product development
// status"): what a project is, how far it is, and for a finished console the
// choice between another round of improvement and finishing it. The core's
// dialog model holds every rule; this shows it and forwards the buttons.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_project_finished : public QDialog {
    Q_OBJECT
public:
    TForm_project_finished(Game& g, Player& p, int task, QWidget* parent = nullptr);

    // Redraws the dialog from the tables.
    void refresh();
    void improve();
    void finish();

    QLabel* valueLabel(int i) const { return values_[static_cast<std::size_t>(i)]; }
    QLabel* platformsLabel() const { return platforms_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* improveButton() const { return improve_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* whyScoreButton() const { return whyScore_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& g_;
    Player& p_;
    int task_;
    QLabel* title_ = nullptr;
    std::array<QLabel*, 7> values_{};
    QLabel* platforms_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* improve_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* whyScore_ = nullptr;
};

}  // namespace cw::ui
