// Task slots and the team leader's capacity.
#include "state/tasks.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(ManagerCapacity, StepsAtEachThreshold) {
    EXPECT_EQ(managerCapacity(0), 1);
    EXPECT_EQ(managerCapacity(36), 1);
    EXPECT_EQ(managerCapacity(37), 2);  // 37, 40 and 45 count when reached
    EXPECT_EQ(managerCapacity(45), 4);
    EXPECT_EQ(managerCapacity(50), 4);  // 50 and above count only when passed
    EXPECT_EQ(managerCapacity(51), 5);
    EXPECT_EQ(managerCapacity(61), 10);
    EXPECT_EQ(managerCapacity(81), 22);
    EXPECT_EQ(managerCapacity(95), 28);
    EXPECT_EQ(managerCapacity(96), 33);
    EXPECT_EQ(managerCapacity(255), 33);
}

TEST(CreateTask, TakesFirstFreeOrClosedSlotAndRefusesWhenFull) {
    Game g;
    auto& tasks = g.tables().tasks;
    tasks[1].name = "Busy";
    tasks[2].name = "Old";
    tasks[2].closedFlag = true;
    tasks[2].progress = 77;
    g.tables().people[9].currentTask = 0;

    int t = createTask(g, "Game A very long name that is cut", 0, 0, 9, 5, 1200);
    ASSERT_EQ(t, 2);
    EXPECT_EQ(std::string(tasks[2].name), "Game A very long nam");
    EXPECT_EQ(tasks[2].selfIndex, 2);
    EXPECT_EQ(tasks[2].leader, 9);
    EXPECT_EQ(tasks[2].progress, 0);
    EXPECT_FALSE(tasks[2].closedFlag);
    EXPECT_EQ(tasks[2].linkArg456, 5);
    EXPECT_EQ(tasks[2].productSlot, 0);
    EXPECT_EQ(tasks[2].workTotal, 1200);
    EXPECT_EQ(g.tables().people[9].currentTask, 2);

    int p = createTask(g, "Platform", 1, 0, 0, 7, 10);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(tasks[3].productSlot, 7);
    EXPECT_EQ(tasks[3].linkArg456, 0);

    for (int i = tasks.first; i <= tasks.last; ++i)
        if (tasks[i].name.empty()) tasks[i].name = "Fill";
    EXPECT_EQ(createTask(g, "No room", 0, 0, 0, 0, 1), 0);
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST(EngineRating, CapsLevelsAndRefusesNoPair) {
    Game g;
    EngineSlot& s = g.world().ownEngines[3][2];
    s.experience = 40;
    s.codeLevel = 12;
    s.featureLevel = 6;
    EXPECT_EQ(engineRating(g, 3, 2), 40 + 70 + 35);
    s.codeLevel = 2;
    s.featureLevel = 1;
    EXPECT_EQ(engineRating(g, 3, 2), 40 + 14 + 7);
    EXPECT_EQ(engineRating(g, 0, 2), 0);
    EXPECT_EQ(engineRating(g, 3, 0), 0);
    EXPECT_EQ(engineRating(g, 151, 2), 0);
}

}  // namespace
}  // namespace cw
