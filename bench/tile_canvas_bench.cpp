// Composing the schematic in memory: a region of Tarninowo's size (94 x 20
// tiles) reduced to a 1280-pixel-wide pane, and zoomed far out.
#include <benchmark/benchmark.h>

#include <vector>

#include "ui/tile_canvas.h"

namespace {

constexpr int kRegionWidth = 94 * kTileSize;
constexpr int kRegionHeight = 20 * kTileSize;

void BM_ShrinkCanvas(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = kRegionHeight * width / kRegionWidth;
    std::vector<CanvasPixel> from(static_cast<size_t>(kRegionWidth * kRegionHeight));
    for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<CanvasPixel>(i * 2654435761u) & 0xFFFFFF;
    std::vector<CanvasPixel> to(static_cast<size_t>(width * height));
    for (auto _ : state) {
        ShrinkCanvas({from.data(), kRegionWidth, kRegionHeight}, {to.data(), width, height});
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_ShrinkCanvas)->Arg(1280)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_PutEveryTile(benchmark::State& state)
{
    std::vector<CanvasPixel> pixels(static_cast<size_t>(kRegionWidth * kRegionHeight));
    const TileCanvas canvas{pixels.data(), kRegionWidth, kRegionHeight};
    TilePixels tile;
    tile.pixels.fill(0x123456);
    for (auto _ : state)
        for (int y = 0; y < kRegionHeight; y += kTileSize)
            for (int x = 0; x < kRegionWidth; x += kTileSize) PutTileKeyed(canvas, x, y, tile, 0xFFFFFF);
    benchmark::DoNotOptimize(pixels.data());
}
BENCHMARK(BM_PutEveryTile)->Unit(benchmark::kMicrosecond);

}  // namespace
