// The "Hire/view Employees" screen and its interview dialog show the core
// hiring model and forward clicks to it.
#include "ui/employees_screen.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <random>

#include "fakes/recording_player.h"
#include "people/labour_market.h"
#include "people/people_generation.h"
#include "refdata/import.h"
#include "state/game.h"

namespace cw::ui {
namespace {

class EmployeesScreenTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        World& w = g.world();
        w.headquartersLevel = 1;
        w.money = 1000000;
        add(1, "*You* (Ann)", 1, 1, 0).employed = 1;
        add(20, "Stone,Ava", 1, 40, 2400).programming = 3;
        add(21, "Marsh,Bo", 1, 30, 12000);
        add(22, "Field,Cy", 2, 30, 3000).hardware = 45;
        add(23, "Grand,Di", 1, 70, 9000);  // too good for a small company
        g.rng.seed = 11;
    }
    Person& add(int i, const char* name, int area, int rating, int salary) {
        Person& person = g.tables().people[i];
        person.name = name;
        person.workArea = static_cast<u8>(area);
        person.overallRating = rating;
        person.salary = salary;
        person.labourMarketYear = 1980;
        return person;
    }
    static int rowOf(QTableWidget* grid, int person) {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 4)->text().toInt() == person) return r;
        return -1;
    }
};

TEST_F(EmployeesScreenTest, TheGridShowsTheCandidatesUnderTheFilters) {
    TForm_employees screen(g, p, nullptr);
    EXPECT_EQ(screen.objectName(), QStringLiteral("TForm_employees"));
    QTableWidget* grid = screen.grid();
    QStringList headings;
    for (int c = 0; c < grid->columnCount(); ++c) headings << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, (QStringList{"Name", "Monthly Salary", "Hired by", "overall Rating", "ID"}));
    EXPECT_EQ(screen.ratingBox()->currentText(), QStringLiteral("Max 45"));  // headquarters level 1
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(rowOf(grid, 21), 1)->text(), QStringLiteral("12,000 $"));

    screen.workAreaBox()->setCurrentIndex(1);
    emit screen.workAreaBox()->activated(1);
    EXPECT_EQ(screen.skillBox()->currentText(), QStringLiteral("Hardware"));
    EXPECT_TRUE(screen.levelBox()->isEnabled());
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Field,Cy"));
    emit screen.levelBox()->activated(2);  // hardware 45 is level 3
    EXPECT_EQ(grid->rowCount(), 0);
    emit screen.skillBox()->activated(0);
    EXPECT_FALSE(screen.levelBox()->isEnabled());
    EXPECT_EQ(screen.levelBox()->currentText(), QString());
    EXPECT_EQ(grid->rowCount(), 1);
}

TEST_F(EmployeesScreenTest, HeaderClicksSortBothWays) {
    TForm_employees screen(g, p, nullptr);
    emit screen.ratingBox()->activated(0);
    QTableWidget* grid = screen.grid();
    ASSERT_EQ(grid->rowCount(), 3);
    emit grid->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Stone,Ava"));
    emit grid->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Marsh,Bo"));
    EXPECT_EQ(grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(EmployeesScreenTest, ARowShowsItsSheetAndMovesToTheInterview) {
    TForm_employees screen(g, p, nullptr);
    screen.pressHire();
    ASSERT_FALSE(p.only("notify").empty());
    EXPECT_EQ(p.only("notify").back().a, "Choose worker");
    EXPECT_FALSE(screen.interviewDialog()->isVisible());

    screen.grid()->setCurrentCell(rowOf(screen.grid(), 20), 0);
    EXPECT_TRUE(
        screen.viewingSheet()->toPlainText().startsWith(QStringLiteral("Name : Stone,Ava\nAge   : 0, Wage  : 2400")));
    EXPECT_EQ(screen.model().personOfInterest(), 0);
    screen.findChild<QPushButton*>(QStringLiteral("Button_move"))->click();
    EXPECT_EQ(screen.model().personOfInterest(), 20);
    screen.findChild<QPushButton*>(QStringLiteral("Button_hire"))->click();
    InterviewDialog* dialog = screen.interviewDialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->wageField()->text(), QStringLiteral("2500"));
    EXPECT_EQ(dialog->oneOffField()->text(), QStringLiteral("0"));
    EXPECT_FALSE(dialog->hireButton()->isEnabled());
    EXPECT_TRUE(dialog->suggestButton()->isEnabled());
    dialog->findChild<QPushButton*>(QStringLiteral("Button_cancel"))->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(screen.model().interview().open);
}

TEST_F(EmployeesScreenTest, AnInterviewEndsInAContract) {
    TForm_employees screen(g, p, nullptr);
    int changes = 0;
    QObject::connect(&screen, &TForm_employees::staffChanged, [&] { ++changes; });
    screen.grid()->setCurrentCell(rowOf(screen.grid(), 21), 0);
    screen.hireFromMenu();
    InterviewDialog* dialog = screen.interviewDialog();
    ASSERT_TRUE(dialog->isVisible());
    dialog->wageField()->setText(QStringLiteral("lots"));
    dialog->suggestButton()->click();
    EXPECT_EQ(p.only("notify").back().a, "Error in suggested wage");
    dialog->wageField()->setText(QStringLiteral("19000"));
    dialog->studyButton()->click();
    dialog->studyButton()->click();
    EXPECT_EQ(dialog->studyButton()->text(), QStringLiteral("SOME"));
    dialog->carBox()->setChecked(true);
    EXPECT_TRUE(screen.model().interview().freeCar);
    dialog->suggestButton()->click();
    ASSERT_EQ(screen.model().interview().answerKind, Interview::Answer::Accepted);
    EXPECT_EQ(dialog->answerLabel()->text(), QString::fromStdString(screen.model().interview().answer));
    EXPECT_EQ(dialog->answerLabel()->property("tone").toString(), QStringLiteral("yes"));
    ASSERT_TRUE(dialog->hireButton()->isEnabled());
    dialog->hireButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    const Person& bo = g.tables().people[21];
    EXPECT_TRUE(bo.employed);
    EXPECT_EQ(bo.salary, 19000);
    EXPECT_TRUE(bo.freeCar);
    EXPECT_EQ(bo.studyWeeksLeft, 10);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rowOf(screen.grid(), 21), -1);
    EXPECT_EQ(p.only("notify").back().b, "You just hired a new employee Marsh,Bo");
    // Still the person of interest, now marked as staff, and "Hire" is off.
    auto* hire = screen.findChild<QPushButton*>(QStringLiteral("Button_hire"));
    EXPECT_FALSE(hire->isEnabled());
    const QList<QLabel*> labels = screen.findChildren<QLabel*>(QStringLiteral("interestInfo"));
    ASSERT_EQ(labels.size(), 1);
    EXPECT_TRUE(labels[0]->text().endsWith(QStringLiteral("\nWorks for you")));
    screen.grid()->setCurrentCell(rowOf(screen.grid(), 20), 0);
    screen.moveToInterest();
    EXPECT_TRUE(hire->isEnabled());
}

TEST_F(EmployeesScreenTest, ACandidateWhoRefusesOutrightLeavesTheOfferClosed) {
    TForm_employees screen(g, p, nullptr);
    emit screen.ratingBox()->activated(0);
    screen.grid()->setCurrentCell(rowOf(screen.grid(), 23), 0);
    screen.hireFromMenu();
    InterviewDialog* dialog = screen.interviewDialog();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->answerLabel()->text().startsWith(QStringLiteral("I am not interrested in working")));
    EXPECT_FALSE(dialog->suggestButton()->isEnabled());
    EXPECT_FALSE(dialog->wageField()->isEnabled());
    EXPECT_FALSE(dialog->hireButton()->isEnabled());
}

// With the shipped data the screen shows a real labour market. Setting
// CW_SHOTS to a folder saves pictures of the screen and the interview.
TEST(EmployeesScreenShipped, ShowsTheGeneratedMarket) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_staff_ui_" + std::to_string(rd()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR) / "data.zip", dir / "data.zip");
    Game g;
    g.programFolder = dir.string();
    g.rng.seed = 31;
    test::RecordingPlayer p;
    ReferenceTables ref;
    importReferenceData(g, p, ref, ImportAction::StartNewGame);
    g.world().headquartersLevel = 1;
    g.world().money = 2500000;
    g.world().gameLevel = 2;
    g.world().playerName = "Ann";
    for (int i = 1; i < ref.List_LTDs.rowCount() && i <= 500; ++i)
        g.tables().companies[i].name = ref.List_LTDs.cell(0, i);
    for (int i = 1; i < ref.list_genre.rowCount() && i <= 500; ++i)
        g.tables().genres[i].name = ref.list_genre.cell(2, i);
    for (int i = 1; i <= 30; ++i) {
        g.tables().platforms[i].name = "Platform " + std::to_string(i);
        g.tables().platforms[i].releaseYear = 1975 + i;
    }
    generatePeople(g, ref);
    createPlayerPerson(g, ref);
    // A few people are already on a company's payroll, as after the world set-up.
    for (int i = 1; i <= 200; i += 7) g.tables().people[i].employerCompany = 1 + i % 40;

    TForm_employees screen(g, p, &ref);
    screen.show();
    EXPECT_GT(screen.grid()->rowCount(), 50);
    EXPECT_EQ(employeeCount(g), 1);
    emit screen.grid()->horizontalHeader()->sectionClicked(3);
    emit screen.grid()->horizontalHeader()->sectionClicked(3);
    screen.grid()->setCurrentCell(2, 0);
    screen.moveToInterest();
    const char* shots = std::getenv("CW_SHOTS");
    if (shots) screen.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/employees.png"));
    screen.pressHire();
    InterviewDialog* dialog = screen.interviewDialog();
    ASSERT_TRUE(dialog->isVisible());
    dialog->studyButton()->click();
    dialog->phoneBox()->setChecked(true);
    dialog->suggestButton()->click();
    if (shots) dialog->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/interview.png"));
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace cw::ui
