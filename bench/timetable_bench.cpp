// Reading a day's timetable, the index rebuild and the update that run every
// simulation step, and the timetable block of a saved game.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/timetable.h"

namespace {

const std::string kDayFile = std::string(SEMARION_FIXTURES) + "/timetables/wrzosogrod_day.roz";

void BM_LoadRoz(benchmark::State& state)
{
    Timetable t;
    PictureNameTable pictures{};
    for (auto _ : state) benchmark::DoNotOptimize(t.LoadRoz(kDayFile.c_str(), pictures));
    state.SetItemsProcessed(state.iterations() * t.TrainCount());
}
BENCHMARK(BM_LoadRoz);

// Both indexes, as the update rebuilds them, after delays have moved some rows.
void BM_BuildIndexes(benchmark::State& state)
{
    Timetable t;
    PictureNameTable pictures{};
    t.LoadRoz(kDayFile.c_str(), pictures);
    for (int32_t r = 0; r < t.TrainCount(); r += 3) t.ExpectedTime(r, kRawRow, 1, 1200 + r);
    for (auto _ : state) {
        t.BuildIndex(kDepartureMode);
        t.BuildIndex(kArrivalMode);
        benchmark::DoNotOptimize(t.IndexRow(0, kDepartureMode, false));
    }
    state.SetItemsProcessed(state.iterations() * 2 * t.TrainCount());
}
BENCHMARK(BM_BuildIndexes);

// A whole day as the game runs it: one update per game second, random delays
// drawn as the trains come near, both indexes rebuilt every time.
void BM_UpdateFullDay(benchmark::State& state)
{
    PictureNameTable pictures{};
    int32_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Timetable t;
        t.LoadRoz(kDayFile.c_str(), pictures);
        rows = t.TrainCount();
        state.ResumeTiming();
        for (int32_t hour = 0; hour < 24; ++hour)
            for (int32_t minute = 0; minute < 60; ++minute)
                for (int32_t second = 0; second < 60; ++second)
                    benchmark::DoNotOptimize(t.Update(hour * 100 + minute));
    }
    state.SetItemsProcessed(state.iterations() * 24 * 60 * 60);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_UpdateFullDay)->Unit(benchmark::kMillisecond);

// Writing the timetable block and reading it back, as save and load do.
void BM_SaveBlockRoundTrip(benchmark::State& state)
{
    PictureNameTable pictures{};
    Timetable t;
    t.LoadRoz(kDayFile.c_str(), pictures);
    for (int32_t now = 0; now < 2400; now += 100) t.Update(now);
    const std::string path = std::filesystem::temp_directory_path() / "semarion_bench.sav";
    Timetable loaded;
    loaded.VehicleTypeCount(t.VehicleTypeCount());
    const std::string head = "6,\n";  // the saved game's version, then the block
    for (auto _ : state) {
        if (std::FILE* file = std::fopen(path.c_str(), "w")) {
            std::fputs(head.c_str(), file);
            std::fclose(file);
        }
        t.AppendToSave(path.c_str());
        benchmark::DoNotOptimize(loaded.LoadFromSave(static_cast<long>(head.size()), path.c_str()));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveBlockRoundTrip);

}  // namespace
