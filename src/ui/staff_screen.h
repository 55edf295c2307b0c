// "Manage Employees": the player's staff in a grid, the sheet of the chosen
// employee, and the buttons that make managers and team members, remove,
// send to study and fire. Other screens open it modally in a selection mode
// to choose a team manager or members. Every rule lives in the core staff
// model; this shows it and forwards clicks.
#pragma once

#include "ui/app_style.h"

#include <QDialog>
#include <memory>

#include "people/staff_screen.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace cw {
struct Game;
class Player;
}  // namespace cw

namespace cw::ui {

class TForm_view_employees : public QDialog {
    Q_OBJECT
public:
    // A screen of its own (the viewing screen of the main screen), or one
    // that shows a model a caller opened in a selection mode.
    TForm_view_employees(Game& g, Player& p, QWidget* parent = nullptr);
    TForm_view_employees(Game& g, Player& p, StaffScreen& model, QWidget* parent = nullptr);
    ~TForm_view_employees() override;

    StaffScreen& model() { return *model_; }
    // Rebuilds the grid, the sheet and the buttons from the model.
    void refresh();

    // The clicks, as the widgets and the tests make them.
    void chooseRow(int gridRow);
    void pressChoose();  // a pick in a selection mode (also a double click)
    void pressMakeManager();
    void pressAssign();
    void pressRemove();
    void pressStudy();
    void pressIntensify();
    void pressFire();

    QTableWidget* grid() const { return grid_; }
    QPlainTextEdit* sheet() const { return sheet_; }
    QComboBox* projectBox() const { return project_; }
    QLabel* titleLabel() const { return title_; }

signals:
    // Something about the staff changed: the main screen's panels follow.
    void staffChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void fillGrid();
    void fillProjects();
    void updateButtons();
    void changed();
    i32 chosenProject() const;

    Game& game_;
    Player& player_;
    std::unique_ptr<StaffScreen> owned_;
    StaffScreen* model_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* hint_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* face_ = nullptr;
    QLabel* name_ = nullptr;
    QPlainTextEdit* sheet_ = nullptr;
    QWidget* viewingBar_ = nullptr;
    QWidget* teamBox_ = nullptr;
    QComboBox* project_ = nullptr;
    QPushButton* manager_ = nullptr;
    QPushButton* assign_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* study_ = nullptr;
    QPushButton* intensify_ = nullptr;
    QPushButton* fire_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* close_ = nullptr;
};


}  // namespace cw::ui
