// What the colour inspector adds to a refresh tick: a way of seeing over the
// capture, the average of the sampled square, the readout in a format with
// the contrast to a pinned colour, and the square's outline in the view. The
// whole tick with all of it on is measured against the plain tick.
//
// The patch follows a pointer that moves on every tick, over a screen or,
// as the worst case, over noise, where every pixel is a colour of its own.
#include <benchmark/benchmark.h>

#include <iterator>
#include <random>
#include <string>

#include "app/ColorText.h"
#include "engine/AreaAverage.h"
#include "engine/Bitmap32.h"
#include "engine/GridLayer.h"
#include "engine/MarkerLayer.h"
#include "engine/ViewRenderer.h"
#include "engine/Vision.h"

namespace orvelle {
namespace {

constexpr int kZoom = 8;
constexpr Size kCapture{240, 135};
constexpr Size kView{kCapture.width * kZoom, kCapture.height * kZoom};  // 1920 x 1080
constexpr Size kScreenSize{960, 540};

enum Content { kNoise = 0, kScreen = 1 };

// A screen: a window's face above a white page with lines of smoothed text
// (a few greys and colour fringes).
TBitmap32 MakeScreen(Content content) {
    TBitmap32 screen(kScreenSize.width, kScreenSize.height);
    std::mt19937 random(7);
    constexpr Pixel kInk[] = {0xFF000000u, 0xFF404040u, 0xFF808080u, 0xFFC0C0C0u, 0xFF3060C0u, 0xFFC06030u};
    for (int y = 0; y < screen.Height(); ++y) {
        for (int x = 0; x < screen.Width(); ++x) {
            Pixel& p = screen.At(x, y);
            if (content == kNoise) {
                p = static_cast<Pixel>(random());
            } else if (y < 60) {
                p = 0xFFF0F0F0u;
            } else {
                const bool inLine = (y - 60) % 14 < 9;  // lines 9 pixels high, 5 apart
                p = inLine && random() % 3 == 0 ? kInk[random() % std::size(kInk)] : 0xFFFFFFFFu;
            }
        }
    }
    return screen;
}

// The patch around the pointer on the `step`th tick.
ConstImageRef PatchAt(const TBitmap32& screen, int step) {
    const int left = (step * 7) % (kScreenSize.width - kCapture.width);
    const int top = (step * 3) % (kScreenSize.height - kCapture.height);
    const ConstImageRef all = screen.Ref();
    return ConstImageRef{all.Row(top) + left, kCapture.width, kCapture.height, all.stride};
}

void BM_Vision(benchmark::State& state) {
    const TBitmap32 screen = MakeScreen(static_cast<Content>(state.range(1)));
    const auto mode = static_cast<VisionMode>(state.range(0));
    TBitmap32 seen(kCapture.width, kCapture.height);
    VisionSimulator simulator;
    int step = 0;
    for (auto _ : state) {
        simulator.Simulate(PatchAt(screen, step++), seen.Ref(), mode);
        benchmark::DoNotOptimize(seen.Row(0));
        benchmark::ClobberMemory();
    }
}

void BM_AreaAverage(benchmark::State& state) {
    const TBitmap32 screen = MakeScreen(kNoise);
    const int side = static_cast<int>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        const int x = (step * 7) % (kScreenSize.width - side);
        const int y = (step * 3) % (kScreenSize.height - side);
        ++step;
        benchmark::DoNotOptimize(AverageColor(screen.Ref(), Rect{x, y, x + side, y + side}));
    }
}

// One tick with the grid and the marker; with the inspector on, also the
// deuteranopia view, a 9 x 9 average, the OKLCH readout, the contrast to a
// pinned colour and the square's outline.
void BM_TickWithInspector(benchmark::State& state) {
    const bool inspector = state.range(0) != 0;
    const TBitmap32 screen = MakeScreen(static_cast<Content>(state.range(1)));
    TBitmap32 seen(kCapture.width, kCapture.height);
    VisionSimulator simulator;
    TBitmap32 view(kView.width, kView.height);
    GridLayer grid;
    grid.DrawGrid(GridState{kView, kZoom, true, false, 0x808080});
    MarkerLayer marker;
    const Rect all{0, 0, kView.width, kView.height};
    constexpr int kHalf = 4;
    const Pixel pinned = 0xFF651323;
    std::string colorPanel;
    std::string contrastPanel;
    int step = 0;
    for (auto _ : state) {
        const ConstImageRef capture = PatchAt(screen, step);
        const int cx = kCapture.width / 2;
        const int cy = kCapture.height / 2;
        ++step;
        marker.Draw(Point{cx * kZoom + kZoom / 2, cy * kZoom + kZoom / 2}, kView);
        if (inspector) {
            simulator.Simulate(capture, seen.Ref(), VisionMode::Deuteranopia);
            const Pixel read = AverageColor(capture, Rect{cx - kHalf, cy - kHalf, cx + kHalf + 1, cy + kHalf + 1});
            FormatColor(read, ColorFormat::Oklch, kDefaultColorTemplate, colorPanel);
            ContrastSummary(pinned, read, contrastPanel);
            RenderView(seen.Ref(), TStretchFilter::sfNearest, view.Ref(), all, grid, marker);
            DrawSampleOutline(view.Ref(), all,
                              Rect{(cx - kHalf) * kZoom, (cy - kHalf) * kZoom, (cx + kHalf + 1) * kZoom,
                                   (cy + kHalf + 1) * kZoom});
        } else {
            FormatColor(capture.At(cx, cy), ColorFormat::Hex, kDefaultColorTemplate, colorPanel);
            RenderView(capture, TStretchFilter::sfNearest, view.Ref(), all, grid, marker);
        }
        benchmark::DoNotOptimize(view.Row(0));
        benchmark::DoNotOptimize(colorPanel.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Vision)
    ->ArgNames({"mode", "screen"})
    ->ArgsProduct({benchmark::CreateDenseRange(static_cast<int>(VisionMode::Protanopia),
                                               static_cast<int>(VisionMode::Count) - 1, 1),
                   {kScreen, kNoise}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AreaAverage)->ArgName("side")->Arg(1)->Arg(3)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickWithInspector)
    ->ArgNames({"inspector", "screen"})
    ->ArgsProduct({{0, 1}, {kScreen, kNoise}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvelle
