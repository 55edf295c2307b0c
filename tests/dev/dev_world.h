// A small world for the game project tests: a few genres and platforms, the
// player's engines for some of them, and an employee to lead.
#pragma once

#include <string>

#include "setup/world_init.h"
#include "state/game.h"

namespace cw::test {

inline void putGenre(Game& g, int i, const std::string& name, i32 year) {
    g.tables().genres[i].name = name;
    g.tables().genres[i].yearAvailable = year;
}

inline void putDevPlatform(Game& g, int i, const std::string& name, i32 year, i32 week) {
    Platform& p = g.tables().platforms[i];
    p.name = name;
    p.releaseYear = year;
    p.releaseWeek = static_cast<u8>(week);
}

inline void putEngine(Game& g, int platform, int genre, i32 rating) {
    EngineSlot& e = g.world().ownEngines[platform][genre];
    e.name = "Engine " + std::to_string(platform);
    e.rating = rating;
    e.codeLevel = 1;
    e.featureLevel = 1;
    e.experience = 40;
}

inline Person& putEmployee(Game& g, int i, const std::string& name, int leadership) {
    Person& p = g.tables().people[i];
    p.name = name;
    p.employed = 1;
    p.leadership = static_cast<u8>(leadership);
    p.programming = 3;
    p.design = 2;
    p.graphics = 2;
    p.salary = 4000;
    return p;
}

// Week 10 of 1980: genres 1 "Action", 2 "Action,Adventure", 3 "Strategy"
// (only from 1990), 4 "Nonsense" (no base genre); platforms 1 Alpha,
// 2 Beta, 3 Gamma (released), 4 Delta (next year, week 10), 5 Omega (1982);
// Action engines on Alpha (50), Beta (40) and Gamma (30); employees 5
// (leadership 61) and 6 (leadership 20).
inline void makeDevWorld(Game& g) {
    fillGenreProfiles(g.session);
    g.currentYear = 1980;
    g.currentWeek = 10;
    g.world().money = 1000000;
    g.world().gameLevel = 2;
    putGenre(g, 1, "Action", 1980);
    putGenre(g, 2, "Action,Adventure", 1977);
    putGenre(g, 3, "Strategy", 1990);
    putGenre(g, 4, "Nonsense", 1980);
    putDevPlatform(g, 1, "Alpha", 1978, 5);
    putDevPlatform(g, 2, "Beta", 1979, 20);
    putDevPlatform(g, 3, "Gamma", 1980, 1);
    putDevPlatform(g, 4, "Delta", 1981, 10);
    putDevPlatform(g, 5, "Omega", 1982, 1);
    putEngine(g, 1, 1, 50);
    putEngine(g, 2, 1, 40);
    putEngine(g, 3, 1, 30);
    putEmployee(g, 5, "Stone,Ava", 61);
    putEmployee(g, 6, "Marsh,Bo", 20);
    g.rng.seed = 7;
}

}  // namespace cw::test
