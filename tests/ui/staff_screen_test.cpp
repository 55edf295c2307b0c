// The "Manage Employees" screen and its two small windows show the core staff
// model and forward clicks to it.
#include "ui/staff_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "fakes/recording_player.h"
#include "state/game.h"
#include "state/tasks.h"
#include "ui/staff_dialogs.h"

namespace cw::ui {
namespace {

class StaffScreenTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    int task = 0;

    void SetUp() override {
        World& w = g.world();
        w.headquartersLevel = 2;
        w.playerName = "Ann";
        w.money = 500000;
        g.currentYear = 1984;
        g.tables().platforms[3].name = "Nova 64";
        g.tables().platforms[3].releaseYear = 1982;
        add(1, "*You* (Ann)", 62, 0, 5, 60);
        add(2, "Stone,Ava", 45, 3400, 4, 35);
        add(3, "Marsh,Bo", 30, 2800, 6, 20);
        add(4, "Field,Cy", 38, 3100, 2, 85).platformExperience = 3;
        add(5, "Grand,Di", 71, 5200, 8, 55);
        task = createTask(g, "Space Duel", kTaskGame, 0, 2, 0, 1000);
        g.tables().tasks[task].staff[1] = 3;
        g.tables().people[3].currentTask = task;
    }
    Person& add(int i, const char* name, int leadership, int salary, int code, int hardware) {
        Person& person = g.tables().people[i];
        person.name = name;
        person.employed = 1;
        person.workArea = 1;
        person.age = static_cast<u8>(25 + i);
        person.leadership = static_cast<u8>(leadership);
        person.programming = static_cast<u8>(code);
        person.design = static_cast<u8>(code > 1 ? code - 1 : 1);
        person.graphics = 3;
        person.hardware = static_cast<u8>(hardware);
        person.publishing = 20;
        person.salary = salary;
        person.talentDesign = person.talentGraphics = person.talentProgramming = 60;
        person.hireYear = 1983;
        person.hireWeek = 30;
        return person;
    }
    static int rowOf(QTableWidget* grid, int person) {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 9)->text().toInt() == person) return r;
        return -1;
    }
    static QPushButton* button(QWidget& w, const char* name) {
        return w.findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

TEST_F(StaffScreenTest, TheViewingScreenListsTheStaffAndActsOnTheChosenOne) {
    TForm_view_employees screen(g, p);
    screen.resize(1024, 700);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_view_employees"));
    EXPECT_EQ(screen.titleLabel()->text(), QStringLiteral("Viewing Employees"));
    QTableWidget* grid = screen.grid();
    ASSERT_EQ(grid->rowCount(), 5);
    QStringList headings;
    for (int c = 0; c < grid->columnCount(); ++c) headings << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings,
              (QStringList{"Name", "Project", "Lead", "Code", "GUI", "GFX", "HW", "Pub", "Fav. plat.", "ID."}));
    EXPECT_EQ(grid->item(rowOf(grid, 3), 1)->text(), QStringLiteral("Space Duel"));
    EXPECT_EQ(grid->item(rowOf(grid, 4), 1)->text(), QStringLiteral("idle"));
    EXPECT_EQ(grid->item(rowOf(grid, 4), 8)->text(), QStringLiteral("Nova 64"));
    EXPECT_FALSE(button(screen, "Button_remove")->isEnabled());  // nobody chosen
    EXPECT_FALSE(button(screen, "Button_choose")->isVisible());

    grid->setCurrentCell(rowOf(grid, 5), 0);
    EXPECT_TRUE(screen.sheet()->toPlainText().startsWith(QStringLiteral("Name : Grand,Di\nAge   : 30, Wage  : 5200")));
    ASSERT_EQ(screen.projectBox()->count(), 1);
    button(screen, "Button_assign")->click();
    EXPECT_EQ(p.only("message").back().b, "Assign employee to project Space Duel");
    EXPECT_EQ(g.tables().tasks[task].staff[2], 5);
    EXPECT_EQ(grid->item(rowOf(grid, 5), 1)->text(), QStringLiteral("Space Duel"));

    screen.grab().save(QStringLiteral("/tmp/staff_screen.png"));
    grid->setCurrentCell(rowOf(grid, 3), 0);
    EXPECT_TRUE(button(screen, "Button_remove")->isEnabled());
    button(screen, "Button_remove")->click();
    EXPECT_EQ(p.only("notify").back().b, "Employee Removed from project.");
    EXPECT_EQ(grid->item(rowOf(grid, 3), 1)->text(), QStringLiteral("idle"));
    button(screen, "Button_fire")->click();
    EXPECT_EQ(p.only("notify").back().a, "Employee Fired");
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(rowOf(grid, 3), -1);
}

TEST_F(StaffScreenTest, TheSelectionModeChoosesAManagerAndCloses) {
    StaffScreen model(g);
    model.openManager(0, true);
    TForm_view_employees screen(g, p, model);
    EXPECT_EQ(screen.titleLabel()->text(), QStringLiteral("Assigen team manager (New project)"));
    EXPECT_TRUE(button(screen, "Button_choose")->isVisibleTo(&screen));
    EXPECT_FALSE(screen.projectBox()->isVisibleTo(&screen));
    screen.resize(1024, 700);
    screen.show();
    screen.chooseRow(rowOf(screen.grid(), 2));  // busy: refused, the screen stays
    screen.pressChoose();
    EXPECT_EQ(p.only("notify").back().b, "Employee already assigned to the project \"Space Duel\"");
    EXPECT_TRUE(screen.isVisible());
    screen.grab().save(QStringLiteral("/tmp/staff_choose.png"));
    screen.chooseRow(rowOf(screen.grid(), 5));
    screen.pressChoose();
    EXPECT_EQ(model.chosen(), 5);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
}

TEST_F(StaffScreenTest, CloseAndEscapeCloseTheScreen) {
    TForm_view_employees screen(g, p);
    screen.show();
    button(screen, "closeButton")->click();
    EXPECT_FALSE(screen.isVisible());
    screen.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&screen, &esc);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(StaffScreenTest, TheTeamDialogAndTheStudyScreen) {
    AutoTeamOffer offer;
    offer.caption = "Let team leader choose employees";
    offer.capacity = 10;
    offer.preset = 5;
    offer.buttons[0] = "No";
    offer.buttons[1] = "Box";
    offer.buttons[2] = "Max";
    Tform_leaderchoose dialog(offer);
    EXPECT_EQ(dialog.numberBox()->value(), 5);
    EXPECT_EQ(dialog.numberBox()->maximum(), 10);
    dialog.numberBox()->setValue(7);
    dialog.button(1)->click();
    EXPECT_EQ(dialog.count(), 7);
    dialog.button(2)->click();
    EXPECT_EQ(dialog.count(), 10);
    dialog.reject();
    EXPECT_EQ(dialog.count(), 0);

    TForm_study study(g, p, 4);
    EXPECT_EQ(study.objectName(), QStringLiteral("TForm_study"));
    ASSERT_EQ(study.subjects()->count(), 5);
    EXPECT_EQ(study.subjects()->item(2)->text(), QStringLiteral("Designing"));
    study.subjects()->setCurrentRow(1);
    study.pressStart();
    EXPECT_EQ(p.only("notify").back().a, "Study Project started");
    const int t = g.tables().people[4].currentTask;
    ASSERT_GT(t, 0);
    EXPECT_EQ(g.tables().tasks[t].name.str(), "Study : Programming");
    EXPECT_EQ(g.tables().tasks[t].workTotal, 3000);
    study.grab().save(QStringLiteral("/tmp/staff_study.png"));
}

}  // namespace
}  // namespace cw::ui
