// The secretary's tutorial: each waiting step's condition, several steps in
// one tick, and the way back when nobody was hired.
#include <gtest/gtest.h>

#include "events/tutor.h"

namespace cw {
namespace {

TEST(TutorTest, WalksThroughTheStepsAsTheScreensOpen) {
    int step = 0;
    TutorView v;
    TutorTick t = tutorTick(step, v);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(t.text.rfind("Hello and welcome to Crestwork 2.", 0), 0u);
    EXPECT_FALSE(t.showSecretary);  // the greeting does not move the screen
    EXPECT_EQ(tutorWaitText(step), "the development screen to be shown");

    // Nothing changed: the tick waits.
    t = tutorTick(step, v);
    EXPECT_EQ(step, 1);
    EXPECT_TRUE(t.text.empty());

    // One tick may pass several steps.
    v.developmentShown = v.newEnginePageShown = true;
    t = tutorTick(step, v);
    EXPECT_EQ(step, 5);
    EXPECT_TRUE(t.placeDevelopment);
    EXPECT_TRUE(t.closeSecretary);
    EXPECT_TRUE(t.showSecretary);
    EXPECT_EQ(t.text, tutorText(4));

    v.newEngineSecondPart = v.engineChoicesMade = true;
    tutorTick(step, v);
    EXPECT_EQ(step, 9);
    v.developmentShown = false;
    tutorTick(step, v);
    EXPECT_EQ(step, 11);
    t = tutorTick(step, v);
    EXPECT_TRUE(t.keepSecretaryInFront);
    v.manageEmployeesShown = true;
    t = tutorTick(step, v);
    EXPECT_TRUE(t.placeManageEmployees);
    EXPECT_EQ(step, 13);
    v.hiringShown = v.interviewShown = true;
    tutorTick(step, v);
    EXPECT_EQ(step, 17);

    // The hiring screen closed without a hire: back to step 12's advice.
    v.hiringShown = false;
    v.employeeCount = 1;
    t = tutorTick(step, v);
    EXPECT_EQ(step, 13);
    EXPECT_EQ(t.text, tutorText(12));

    v.hiringShown = true;
    tutorTick(step, v);
    EXPECT_EQ(step, 17);
    v.hiringShown = false;
    v.employeeCount = 2;
    tutorTick(step, v);
    EXPECT_EQ(step, 19);
    EXPECT_EQ(tutorShownText(step), tutorText(18));
    v.manageEmployeesShown = false;
    t = tutorTick(step, v);
    EXPECT_EQ(step, 21);
    EXPECT_TRUE(t.showCloseButton);
    EXPECT_TRUE(t.placeTopLeft);
    EXPECT_EQ(tutorShownText(step), tutorText(20));

    // The end: nothing more happens.
    t = tutorTick(step, v);
    EXPECT_EQ(step, 21);
    EXPECT_TRUE(t.text.empty());
}

TEST(TutorTest, TextsKeepTheirOwnSpelling) {
    EXPECT_NE(tutorText(4).find("When you hav pressed the find button"), std::string::npos);
    EXPECT_NE(tutorText(14).find("Browse through the emplyees"), std::string::npos);
    EXPECT_EQ(tutorText(18), "Click on the person you just hired and press yes in the dialog. Close the employees window");
    EXPECT_EQ(tutorText(1), "");
}

}  // namespace
}  // namespace cw
