// A small company for the staff tests: the player's own person, a few
// employees and a project or two.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fakes/recording_player.h"
#include "state/game.h"
#include "state/tasks.h"

namespace cw::test {

class StaffTest : public ::testing::Test {
protected:
    Game g;
    RecordingPlayer player;

    void SetUp() override {
        World& w = g.world();
        w.headquartersLevel = 1;
        w.gameLevel = 2;
        w.money = 1000000;
        w.playerName = "Ann";
        g.currentYear = 1984;
        g.currentWeek = 10;
        employee(1, "*You* (Ann)", 50);
    }
    // An employee of the player with the given leadership.
    Person& employee(int index, const std::string& name, int leadership, int salary = 3000) {
        Person& p = g.tables().people[index];
        p.name = name;
        p.employed = 1;
        p.workArea = 1;
        p.leadership = static_cast<u8>(leadership);
        p.programming = p.design = p.graphics = 3;
        p.salary = salary;
        p.hireYear = 1983;
        p.hireWeek = 20;
        p.labourMarketYear = 1980;
        return p;
    }
    // A game project led by `leader`, with these members in slots 1.. .
    int project(const std::string& name, int leader, std::initializer_list<int> members = {}) {
        const int t = createTask(g, name, kTaskGame, 0, leader, 0, 1000);
        int slot = 1;
        for (int m : members) {
            g.tables().tasks[t].staff[slot++] = m;
            g.tables().people[m].currentTask = t;
        }
        return t;
    }
    const Call& last(const std::string& kind) const {
        static const Call none{};
        for (auto it = player.calls.rbegin(); it != player.calls.rend(); ++it)
            if (it->kind == kind) return *it;
        return none;
    }
};

}  // namespace cw::test
