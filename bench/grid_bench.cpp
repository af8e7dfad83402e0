// The table accessors sit under every model access: measure a full sweep.
#include <benchmark/benchmark.h>

#include "model/grid2d.h"

namespace {

void BM_GridSweep(benchmark::State& state)
{
    const int32_t rows = 60, cols = 100;
    Grid2D<int32_t> grid;
    grid.Create(rows, cols);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int32_t i = 0; i < rows; ++i)
            for (int32_t j = 0; j < cols; ++j) sum += *grid.Row(i)->At(j);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * rows * cols);
}
BENCHMARK(BM_GridSweep);

}  // namespace
