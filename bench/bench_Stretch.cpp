// Speed of the stretch filters on the magnifier's workloads, against a memset of the same
// destination as the floor. Run with e.g. --benchmark_min_time=0.2.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/Stretch.h"

namespace orvelle {
namespace {

struct Workload {
    const char* name;
    int width;
    int height;
    int zoom;
};

constexpr Workload kWorkloads[] = {
    {"A_240x135_z8", 240, 135, 8},
    {"B_480x270_z8", 480, 270, 8},
    {"C_47x19_z8", 47, 19, 8},  // the default window
    {"D_120x68_z32", 120, 68, 32},
};

constexpr TStretchFilter kFilters[] = {TStretchFilter::sfNearest, TStretchFilter::sfDraft,  TStretchFilter::sfLinear,
                                       TStretchFilter::sfCosine,  TStretchFilter::sfSpline, TStretchFilter::sfLanczos,
                                       TStretchFilter::sfMitchell};
constexpr const char* kFilterNames[] = {"Precise", "Simple", "Linear", "Cosine", "Bicubic", "Lanczos", "Mitchell"};
constexpr const char* kSimdNames[] = {"Scalar", "Sse2", "Avx2"};

std::vector<Pixel> RandomPixels(std::size_t count) {
    std::mt19937 random(20240607);
    std::vector<Pixel> pixels(count);
    for (Pixel& p : pixels) p = static_cast<Pixel>(random());
    return pixels;
}

void Floor(benchmark::State& state, Workload w) {
    std::vector<Pixel> dst(static_cast<std::size_t>(w.width * w.zoom) * static_cast<std::size_t>(w.height * w.zoom));
    for (auto _ : state) {
        std::memset(dst.data(), 0, dst.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
}

void Stretch(benchmark::State& state, Workload w, TStretchFilter filter, StretchSimd level) {
    const std::vector<Pixel> src = RandomPixels(static_cast<std::size_t>(w.width) * static_cast<std::size_t>(w.height));
    const int dstWidth = w.width * w.zoom, dstHeight = w.height * w.zoom;
    std::vector<Pixel> dst(static_cast<std::size_t>(dstWidth) * static_cast<std::size_t>(dstHeight));
    SetStretchSimdLevel(level);
    if (ActiveStretchSimd() != level) {
        state.SkipWithError("instruction set not available");
        return;
    }
    for (auto _ : state) {
        StretchDraw(ConstImageRef{src.data(), w.width, w.height, w.width},
                    ImageRef{dst.data(), dstWidth, dstHeight, dstWidth}, filter);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetStretchSimdLevel(BestStretchSimd());
}

const bool registered = [] {
    for (const Workload& w : kWorkloads) {
        benchmark::RegisterBenchmark((std::string(w.name) + "/memset").c_str(), Floor, w)
            ->Unit(benchmark::kMillisecond);
        for (int f = 0; f < 7; ++f) {
            // Every path on workload A, the best one elsewhere.
            for (int level = 2; level >= 0; --level) {
                if (level != static_cast<int>(BestStretchSimd()) && w.name[0] != 'A') continue;
                if (level > static_cast<int>(BestStretchSimd())) continue;
                const std::string name = std::string(w.name) + "/" + kFilterNames[f] + "/" + kSimdNames[level];
                benchmark::RegisterBenchmark(name.c_str(), Stretch, w, kFilters[f], static_cast<StretchSimd>(level))
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    return true;
}();

}  // namespace
}  // namespace orvelle
