// Shared pieces of the people tests: the shipped reference tables, and a
// search for a seed whose next draws come out as a test needs them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "fakes/recording_player.h"
#include "refdata/import.h"
#include "state/game.h"
#include "state/random.h"

namespace cw::test {

// The tables a new game imports from the shipped data.zip; loaded once.
inline const ReferenceTables& shippedTables() {
    static std::unique_ptr<ReferenceTables> tables = [] {
        namespace fs = std::filesystem;
        auto t = std::make_unique<ReferenceTables>();
        std::random_device rd;
        const fs::path dir = fs::temp_directory_path() / ("cw_people_" + std::to_string(rd()));
        fs::create_directories(dir);
        fs::copy_file(fs::path(CW_DATA_MEMBERS_DIR).parent_path() / "game" / "data.zip", dir / "data.zip");
        Game g;
        g.programFolder = dir.string();
        g.rng.seed = 99;
        RecordingPlayer p;
        importReferenceData(g, p, *t, ImportAction::StartNewGame);
        std::error_code ec;
        fs::remove_all(dir, ec);
        return t;
    }();
    return *tables;
}

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
