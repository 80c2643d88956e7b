// Time per call of the skin drawing kernels on a full-HD window, each set
// against a plain peer doing the least work on the same pixels:
//   title strip 1920x30: nine-slice (stretched and tiled centre) and the
//     key-transparent draw, against copying the 1920x30 pixels row by row;
//   window shape 1920x1080: region runs from a border image, against one
//     pass that only counts its key pixels.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "skin/draw/drawing.h"
#include "skin/draw/region.h"

namespace korvane {
namespace {

constexpr int kWidth = 1920;
constexpr int kTitleHeight = 30;
constexpr int kHeight = 1080;
constexpr Margins kTitleMargins{40, 4, 90, 4};

// Two frames (active, inactive) of a 300x30 title bar: a gradient with
// rounded magenta corners, as skins draw them.
Image title_strip() {
    Image strip(600, kTitleHeight);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.at(x, y) = pixel_rgb(std::uint8_t(x % 300), std::uint8_t(4 * y), 200);
    for (int frame = 0; frame < 2; ++frame)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4 - y; ++x) {
                strip.at(300 * frame + x, y) = kKeyRgb;
                strip.at(300 * frame + 299 - x, y) = kKeyRgb;
            }
    return strip;
}

// A window-sized border image: an 8-pixel frame with rounded outer corners
// around a key-coloured inside.
Image border_image() {
    Image image(kWidth, kHeight, pixel_rgb(40, 60, 90));
    const Rect inside{8, 8, kWidth - 8, kHeight - 8};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int dx = std::min(x, kWidth - 1 - x);
            const int dy = std::min(y, kHeight - 1 - y);
            const bool outside_corner =
                dx < 10 && dy < 10 && (10 - dx) * (10 - dx) + (10 - dy) * (10 - dy) > 100;
            if (outside_corner || inside.contains({x, y})) image.at(x, y) = kKeyRgb;
        }
    return image;
}

void BM_CopyTitlePeer(benchmark::State& state) {
    const Image source = BuildNineSlice({kWidth, kTitleHeight}, {title_strip(), 2}, 1,
                                        kTitleMargins, false);
    Image target(kWidth, kTitleHeight);
    for (auto _ : state) {
        for (int y = 0; y < kTitleHeight; ++y)
            std::memcpy(target.row(y), source.row(y), kWidth * sizeof(Pixel));
        benchmark::DoNotOptimize(target.row(0));
        benchmark::ClobberMemory();
    }
}

void BM_NineSliceTitle(benchmark::State& state) {
    const Image strip = title_strip();
    const bool tile_centre = state.range(0) != 0;
    Image target(kWidth, kTitleHeight);
    for (auto _ : state) {
        DrawNineSlice(target.mutable_view(), target.bounds(), {strip, 2}, 1, kTitleMargins,
                      tile_centre, false);
        benchmark::DoNotOptimize(target.row(0));
        benchmark::ClobberMemory();
    }
}

void BM_TransparentTitle(benchmark::State& state) {
    const Image source = BuildNineSlice({kWidth, kTitleHeight}, {title_strip(), 2}, 1,
                                        kTitleMargins, false);
    Image target(kWidth, kTitleHeight);
    for (auto _ : state) {
        DrawTransparent(target.mutable_view(), target.bounds(), source);
        benchmark::DoNotOptimize(target.row(0));
        benchmark::ClobberMemory();
    }
}

void BM_CountKeyPixelsPeer(benchmark::State& state) {
    const Image border = border_image();
    const ImageView view = border;
    for (auto _ : state) {
        long key_pixels = 0;
        for (int y = 0; y < view.height(); ++y)
            key_pixels += std::count_if(view.row(y), view.row(y) + view.width(), is_key);
        benchmark::DoNotOptimize(key_pixels);
    }
}

void BM_RegionFromBorder(benchmark::State& state) {
    const Image border = border_image();
    std::size_t rects = 0;
    for (auto _ : state) {
        const auto batches = RegionFromBitmap(border, {0, 0});
        rects = 0;
        for (const RegionBatch& batch : batches) rects += batch.rects.size();
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = double(rects);
}

BENCHMARK(BM_CopyTitlePeer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NineSliceTitle)->Arg(0)->Arg(1)->ArgName("tiled")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TransparentTitle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountKeyPixelsPeer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RegionFromBorder)->Unit(benchmark::kMicrosecond);

// The console report, then each kernel's CPU time as a multiple of its
// peer's (CPU time: the machine is shared, wall time swings with its load).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}  // plain text for logs

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_NineSliceTitle/tiled:0", "BM_CopyTitlePeer"},
            {"BM_NineSliceTitle/tiled:1", "BM_CopyTitlePeer"},
            {"BM_TransparentTitle", "BM_CopyTitlePeer"},
            {"BM_RegionFromBorder", "BM_CountKeyPixelsPeer"},
        };
        for (const auto& [kernel, peer] : pairs) {
            const auto k = times_.find(kernel);
            const auto p = times_.find(peer);
            if (k == times_.end() || p == times_.end() || p->second <= 0) continue;
            std::printf("%-28s %7.2f x %s\n", kernel, k->second / p->second, peer);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    korvane::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
