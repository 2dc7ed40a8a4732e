// One preview frame (116 x 108, as the Color page paints it at every slider move), adjusted by
// the table-driven path and by the straight formulas, so their ratio comes out of one run.
#include "imaging/pixel_adjust.h"
#include "imaging/pixel_adjust_reference.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int FrameWidth = 116;
constexpr int FrameHeight = 108;

// A 16-colour picture like the real preview source, in bands, with some white.
std::vector<uint8_t> PreviewLikeFrame()
{
    static const uint8_t palette[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                           {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                           {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                           {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    const int stride = Dib24Stride(FrameWidth);
    std::vector<uint8_t> frame(static_cast<size_t>(stride) * FrameHeight, 0);
    for (int y = 0; y < FrameHeight; ++y)
        for (int x = 0; x < FrameWidth; ++x)
            std::memcpy(&frame[y * stride + 3 * x], palette[(x / 8 + y / 9) % 16], 3);
    return frame;
}

using AdjustFunction = void (*)(uint8_t*, int, int, int, int, int, int, int, int);

// Every level moved off 100, so every step of the adjustment runs.
void RunFrame(benchmark::State& state, AdjustFunction adjust)
{
    const std::vector<uint8_t> source = PreviewLikeFrame();
    std::vector<uint8_t> frame = source;
    const int stride = Dib24Stride(FrameWidth);
    for (auto _ : state) {
        std::memcpy(frame.data(), source.data(), source.size());
        adjust(frame.data(), FrameWidth, FrameHeight, stride, 120, 80, 130, 90, 110);
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * FrameWidth * FrameHeight);
}

void BM_PreviewFrameTableDriven(benchmark::State& state)
{
    RunFrame(state, &AdjustPixelBuffer);
}

void BM_PreviewFrameStraightFormula(benchmark::State& state)
{
    RunFrame(state, &AdjustPixelBufferReference);
}

BENCHMARK(BM_PreviewFrameTableDriven);
BENCHMARK(BM_PreviewFrameStraightFormula);

}  // namespace

BENCHMARK_MAIN();
