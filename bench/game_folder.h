// A private game folder holding a copy of the shipped data.zip, for the
// benchmarks that start a real game. Removed when it goes out of scope.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace cw::bench {

class GameFolder {
public:
    // Skips the benchmark with a message when data.zip has not been built.
    GameFolder(benchmark::State& state, const std::string& name) {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
        std::error_code ec;
        std::filesystem::copy_file(std::filesystem::path(CW_BENCH_GAME_DIR) / "data.zip", path_ / "data.zip", ec);
        ready_ = !ec;
        if (!ready_) state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
    }
    ~GameFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    bool ready() const { return ready_; }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
    bool ready_ = false;
};

}  // namespace cw::bench
