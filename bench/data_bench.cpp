// The reference import and the save files: what a player waits for when a
// game starts, is saved or is loaded.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "refdata/import.h"
#include "state/save_file.h"

namespace {
namespace fs = std::filesystem;

// A scratch game folder holding a copy of the shipped data.zip.
struct ScratchFolder {
    fs::path dir;
    bool ok = false;
    ScratchFolder() {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("cw_bench_" + std::to_string(rd()));
        fs::create_directories(dir);
        std::error_code ec;
        fs::copy_file(fs::path(CW_BENCH_GAME_DIR) / "data.zip", dir / "data.zip", ec);
        ok = !ec;
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

void runImport(benchmark::State& state, cw::ImportAction action) {
    ScratchFolder folder;
    if (!folder.ok) {
        state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
        return;
    }
    cw::Game g;
    g.programFolder = folder.dir.string();
    cw::SilentPlayer player;
    for (auto _ : state) {
        cw::ReferenceTables ref;
        cw::importReferenceData(g, player, ref, action);
        benchmark::DoNotOptimize(ref.List_games.rowCount());
    }
}

// A normal import reads the derived tables ready-made from the archive.
void BM_ImportPlain(benchmark::State& state) { runImport(state, cw::ImportAction::StartNewGame); }
BENCHMARK(BM_ImportPlain)->Unit(benchmark::kMillisecond);

// A rebuild converts the whole raw catalogue again (target: under a second).
void BM_ImportRebuild(benchmark::State& state) { runImport(state, cw::ImportAction::RebuildData); }
BENCHMARK(BM_ImportRebuild)->Unit(benchmark::kMillisecond);

// A save: the image, flushed to disk, its check file and the inbox file
// (target: under 150 ms).
void BM_Save(benchmark::State& state) {
    ScratchFolder folder;
    cw::Game g;
    g.programFolder = folder.dir.string();
    for (auto _ : state) {
        const std::string why = cw::writeSaveFiles(g, "bench.sav");
        if (!why.empty()) state.SkipWithError(why.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(cw::kSaveImageSize));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// A load: the load screen's check of the file, then the read and the copy
// into the tables (target: under 60 ms; the seven short pauses that let the
// progress bar be seen are left out).
void BM_Load(benchmark::State& state) {
    ScratchFolder folder;
    cw::Game g;
    g.programFolder = folder.dir.string();
    if (!cw::writeSaveFiles(g, "bench.sav").empty()) {
        state.SkipWithError("cannot write the save to load");
        return;
    }
    cw::SilentPlayer player;
    for (auto _ : state) {
        if (cw::checkSaveFile(g, "bench.sav")) state.SkipWithError("the save was refused");
        const std::string why = cw::loadSaveImage(g, "bench.sav", player);
        if (!why.empty()) state.SkipWithError(why.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(cw::kSaveImageSize));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

}  // namespace
