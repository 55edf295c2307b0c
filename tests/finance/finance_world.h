// A small world for the finance tests: a company of a new game, a few
// founded rivals and the player's own person.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "fakes/recording_player.h"
#include "state/game.h"

namespace cw::test {

struct FinanceWorld {
    Game g;
    RecordingPlayer p;
    std::filesystem::path dir;

    FinanceWorld() {
        std::random_device rd;
        dir = std::filesystem::temp_directory_path() / ("cw_finance_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.seed = 1234;
        g.currentYear = 1985;
        g.currentWeek = 10;
        World& w = g.world();
        w.companyName = "Acme";
        w.playerName = "Ann";
        w.gameLevel = 1;
        w.startupScore = 20;
        w.money = 500000;
        w.headquartersLevel = 1;
        w.sharesOwnedPercent = 40;
        w.startCompanyValue = 3000000;
        w.boardOpinion = 30;
        w.costIndex = 100;
        for (int i = 1; i <= 3; ++i) {
            Company& c = g.tables().companies[i];
            c.name = "Rival " + std::to_string(i);
            c.firstYear = 1980;
            c.sharePrice = 100;
        }
    }
    ~FinanceWorld() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    World& w() { return g.world(); }
    Company& rival(int i) { return g.tables().companies[i]; }
};

}  // namespace cw::test
