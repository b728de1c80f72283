// The portable work of one refresh tick at the largest usual view: enlarge the
// capture and composite the grid and the pointer marker over it.
#include <benchmark/benchmark.h>

#include <random>

#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/MarkerLayer.h"
#include "engine/Stretch.h"
#include "engine/ViewRenderer.h"

namespace orvelle {
namespace {

constexpr int kZoom = 8;
constexpr Size kCapture{240, 135};
constexpr Size kView{kCapture.width * kZoom, kCapture.height * kZoom};  // 1920 x 1080

enum GridMode { kGridOff = 0, kGridSolid = 1, kGridRastered = 2 };

TBitmap32 RandomCapture(TStretchFilter filter) {
    TBitmap32 capture(kCapture.width, kCapture.height);
    std::mt19937 random(1);
    for (int y = 0; y < capture.Height(); ++y)
        for (int x = 0; x < capture.Width(); ++x) capture.At(x, y) = static_cast<Pixel>(random());
    capture.SetStretchFilter(filter);
    return capture;
}

// The enlargement alone, for comparison.
void BM_Enlarge(benchmark::State& state) {
    const TBitmap32 capture = RandomCapture(static_cast<TStretchFilter>(state.range(0)));
    TBitmap32 view(kView.width, kView.height);
    for (auto _ : state) {
        StretchDraw(capture.Ref(), view.Ref(), capture.StretchFilter());
        benchmark::DoNotOptimize(view.Row(0));
        benchmark::ClobberMemory();
    }
}

// One tick: the marker moves to a new pointer pixel, then the view is painted.
void BM_Tick(benchmark::State& state) {
    const TBitmap32 capture = RandomCapture(static_cast<TStretchFilter>(state.range(0)));
    const auto mode = static_cast<GridMode>(state.range(1));
    TBitmap32 view(kView.width, kView.height);
    GridLayer grid;
    grid.DrawGrid(GridState{kView, kZoom, mode != kGridOff, mode == kGridRastered, 0x808080});
    MarkerLayer marker;
    const Rect all{0, 0, kView.width, kView.height};
    int step = 0;
    for (auto _ : state) {
        const int cx = (step * 7) % kCapture.width;
        const int cy = (step * 3) % kCapture.height;
        ++step;
        marker.Draw(Point{cx * kZoom + kZoom / 2, cy * kZoom + kZoom / 2}, kView);
        RenderView(capture, view.Ref(), all, grid, marker);
        benchmark::DoNotOptimize(view.Row(0));
        benchmark::ClobberMemory();
    }
}

constexpr int kPrecise = static_cast<int>(TStretchFilter::sfNearest);
constexpr int kLanczos = static_cast<int>(TStretchFilter::sfLanczos);

BENCHMARK(BM_Enlarge)->ArgName("filter")->Arg(kPrecise)->Arg(kLanczos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tick)
    ->ArgNames({"filter", "grid"})
    ->ArgsProduct({{kPrecise, kLanczos}, {kGridOff, kGridSolid, kGridRastered}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvelle
