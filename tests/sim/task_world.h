// A small world for the task and quality tests: the base genre profiles, a
// few genres and platforms, and helpers that hire people and set up tasks
// the way their creating screens fill them.
#pragma once

#include <functional>
#include <string>

#include "fakes/recording_player.h"
#include "setup/world_init.h"
#include "state/game.h"
#include "state/random.h"
#include "state/tasks.h"

namespace cw::test {

struct TaskWorld {
    Game g;
    RecordingPlayer p;

    TaskWorld() {
        fillGenreProfiles(g.session);
        World& w = g.world();
        w.gameLevel = 1;
        w.money = 1000000;
        g.currentYear = 1985;
        g.currentWeek = 3;
        auto& genres = g.tables().genres;
        genres[1].name = "Action";
        genres[2].name = "Action,Adventure";
        genres[3].name = "Action,Space opera";
        genres[4].name = "Space opera";
        auto& platforms = g.tables().platforms;
        platforms[1].name = "ZX Home";
        platforms[2].name = "Comet 64";
        platforms[5].name = "NovaBox";
    }

    World& world() { return g.world(); }
    Task& task(int i) { return g.tables().tasks[i]; }
    Person& person(int i) { return g.tables().people[i]; }

    // An employee of the player with the given skills.
    int hire(int index, const std::string& name, int programming, int design, int graphics, int salary = 0) {
        Person& p = person(index);
        p.name = name;
        p.employed = 1;
        p.programming = static_cast<u8>(programming);
        p.design = static_cast<u8>(design);
        p.graphics = static_cast<u8>(graphics);
        p.salary = salary;
        return index;
    }

    void assign(int taskIndex, int slot, int personIndex) {
        task(taskIndex).staff[slot] = personIndex;
        person(personIndex).currentTask = taskIndex;
    }

    // A game project as the development screen starts it: genre Action on
    // ZX Home, the shares and focus at 34/33/33, research sliders at 25.
    int gameTask(const std::string& name, int leader, int workTotal, int workLeft) {
        const int t = createTask(g, name, kTaskGame, kWorkNew, leader, 0, workTotal);
        GameTitle& game = task(t).game;
        game.title = name;
        game.genre = 1;
        game.platform = 1;
        game.shareProgramming = 34;
        game.shareDesign = 33;
        game.shareGraphics = 33;
        game.focusGameplay = 34;
        game.focusComplexity = 33;
        game.focusReplayability = 33;
        game.researchProgramming = game.researchDesign = game.researchGraphics = 25;
        game.workLeftProgramming = game.workLeftDesign = game.workLeftGraphics = workLeft;
        task(t).platformList = "1;";
        return t;
    }
};

// The first seed from `from` on whose draws satisfy `wanted`.
inline std::uint32_t seedWhere(const std::function<bool(Random&)>& wanted, std::uint32_t from = 1) {
    for (std::uint32_t s = from; s < from + 1000000; ++s) {
        Random r;
        r.seed = s;
        if (wanted(r)) return s;
    }
    ADD_FAILURE() << "no seed found";
    return from;
}

}  // namespace cw::test
