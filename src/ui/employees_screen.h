// "Hire/view Employees": the labour market in a grid with its filters, the
// sheet of the person being looked at, the person of interest, and the job
// interview. Every rule lives in the core hiring model; this shows it and
// forwards clicks.
#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>

#include "people/hiring.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
struct ReferenceTables;
class Player;
}  // namespace cw

namespace cw::ui {

class InterviewDialog;

class TForm_employees : public QWidget {
    Q_OBJECT
public:
    TForm_employees(Game& g, Player& p, const ReferenceTables* ref, QWidget* parent = nullptr);
    ~TForm_employees() override;

    HiringScreen& model() { return *model_; }
    // Rebuilds the grid, the counters and the two sheets from the model.
    void refresh();

    // The clicks, as the widgets and the tests make them.
    void chooseRow(int gridRow);
    void moveToInterest();
    void pressHire();
    void hireFromMenu();

    QTableWidget* grid() const { return grid_; }
    QComboBox* workAreaBox() const { return area_; }
    QComboBox* ratingBox() const { return rating_; }
    QComboBox* skillBox() const { return skill_; }
    QComboBox* levelBox() const { return level_; }
    QPlainTextEdit* viewingSheet() const { return viewing_; }
    InterviewDialog* interviewDialog() const { return dialog_; }

signals:
    // Somebody was hired: the main screen's panels change.
    void staffChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid();
    void syncFilters();
    void updateInterestCard();

    Game& game_;
    Player& player_;
    std::unique_ptr<HiringScreen> model_;
    QLabel* countLabel_ = nullptr;
    QLabel* officeLabel_ = nullptr;
    QComboBox* area_ = nullptr;
    QComboBox* rating_ = nullptr;
    QComboBox* skill_ = nullptr;
    QComboBox* level_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPlainTextEdit* viewing_ = nullptr;
    QLabel* viewingTitle_ = nullptr;
    QPushButton* moveButton_ = nullptr;
    QLabel* interestName_ = nullptr;
    QLabel* interestFace_ = nullptr;
    QLabel* interestInfo_ = nullptr;
    QPushButton* hireButton_ = nullptr;
    QMenu* menu_ = nullptr;
    InterviewDialog* dialog_ = nullptr;
};

// The job interview: the candidate's sheet and answers, the offer and the
// final contract.
class InterviewDialog : public QDialog {
    Q_OBJECT
public:
    InterviewDialog(Game& g, Player& p, HiringScreen& model, QWidget* parent = nullptr);

    // Shows the interview the model has just opened.
    void showInterview();
    // Redraws every part from the model's interview.
    void refresh();

    void pressSuggest();
    void pressHire();
    void pressCancel();

    QLineEdit* wageField() const { return wage_; }
    QLineEdit* oneOffField() const { return oneOff_; }
    QPushButton* studyButton() const { return study_; }
    QPushButton* managingButton() const { return managing_; }
    QCheckBox* carBox() const { return car_; }
    QCheckBox* phoneBox() const { return phone_; }
    QCheckBox* computerBox() const { return computer_; }
    QPushButton* suggestButton() const { return suggest_; }
    QPushButton* hireButton() const { return hire_; }
    QLabel* answerLabel() const { return answer_; }
    QLabel* moodLabel() const { return mood_; }

signals:
    void hired();

private:
    void flashAnswer();

    Game& game_;
    Player& player_;
    HiringScreen& model_;
    QPlainTextEdit* sheet_ = nullptr;
    QLabel* face_ = nullptr;
    QLabel* answer_ = nullptr;
    QLabel* mood_ = nullptr;
    QWidget* moodMeter_ = nullptr;
    QLabel* appeal_ = nullptr;
    QLabel* previous_ = nullptr;
    QWidget* offer_ = nullptr;
    QLineEdit* wage_ = nullptr;
    QLineEdit* oneOff_ = nullptr;
    QPushButton* study_ = nullptr;
    QPushButton* managing_ = nullptr;
    QCheckBox* car_ = nullptr;
    QCheckBox* phone_ = nullptr;
    QCheckBox* computer_ = nullptr;
    QPushButton* suggest_ = nullptr;
    QPushButton* hire_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool flashing_ = false;
};

// "12,345 $" for the grid.
QString moneyText(long long value);

}  // namespace cw::ui
