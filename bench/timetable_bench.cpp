// Reading a day's timetable, and the index rebuild that runs every simulation step.
#include <benchmark/benchmark.h>

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

}  // namespace
