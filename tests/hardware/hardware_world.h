// Small hardware worlds for tests: a few processors and platforms filled in
// directly, with only the fields the hardware rules read.
#pragma once

#include <string>

#include "state/game.h"

namespace cw::test {

inline Cpu& putCpu(Game& g, int slot, const std::string& name, int type, i32 speed, i32 price, bool announced,
                   i32 year = 1980, i32 week = 1) {
    Cpu& c = g.tables().cpus[slot];
    c.name = name;
    c.cpuType = static_cast<u8>(type);
    c.speed = speed;
    c.price = price;
    c.launchPrice = price;
    c.announced = announced ? 1 : 0;
    c.releaseYear = year;
    c.releaseWeek = week;
    c.bits = "32";
    return c;
}

inline Platform& putPlatform(Game& g, int slot, const std::string& name, i32 cpuSpec, i32 price, bool released = true) {
    Platform& p = g.tables().platforms[slot];
    p.name = name;
    p.selfIndex = static_cast<u8>(slot);
    p.cpuSpec = cpuSpec;
    p.price = price;
    p.released = released ? 1 : 0;
    p.opinion = 45;
    p.stillInUsePercent = 100;
    p.releaseYear = 1978;
    p.releaseWeek = 10;
    return p;
}

// Puts a catalogue title for `platform` into the first free slot of a year.
inline void putTitle(Game& g, i32 year, int platform) {
    for (GameTitle& t : g.tables().gameTitles[year]) {
        if (!t.title.empty()) continue;
        t.title = "Title";
        t.platform = static_cast<u8>(platform);
        t.releaseYear = year;
        return;
    }
}

}  // namespace cw::test
