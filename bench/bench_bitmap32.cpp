// Speed of the editor's 32-bit picture routines on a 640 x 480 map canvas, in pixels per second.
#include <benchmark/benchmark.h>

#include "editor/core/Bitmap32.h"

namespace {

using namespace zelvo;

constexpr int32_t kW = 640, kH = 480;

TBitmap32 picture(uint32_t seed) {
  TBitmap32 b;
  b.SetSize(kW, kH, 32);
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) b.GetBitmap().setPixel(x, y, uint32_t(x * 2654435761u + y * 40503u + seed));
  return b;
}

void pixels(benchmark::State& state) { state.SetItemsProcessed(int64_t(state.iterations()) * kW * kH); }

void BM_BlendDraw(benchmark::State& state) {
  TBitmap32 dest = picture(1);
  const TBitmap32 source = picture(2);
  for (auto _ : state) {
    dest.BlendDraw({0, 0, kW, kH}, source, {0, 0, kW, kH});
    benchmark::DoNotOptimize(dest.GetBitmap().image().constBits());
  }
  pixels(state);
}
BENCHMARK(BM_BlendDraw);

void BM_DrawWithGlobalAlpha(benchmark::State& state) {
  TBitmap32 dest = picture(1);
  const TBitmap32 source = picture(2);
  for (auto _ : state) {
    dest.Draw({0, 0, kW, kH}, source, {0, 0, kW, kH}, 128);
    benchmark::DoNotOptimize(dest.GetBitmap().image().constBits());
  }
  pixels(state);
}
BENCHMARK(BM_DrawWithGlobalAlpha);

void BM_FillRect(benchmark::State& state) {
  TBitmap32 dest = picture(1);
  for (auto _ : state) {
    dest.FillRect({0, 0, kW, kH}, 0x45000000);
    benchmark::DoNotOptimize(dest.GetBitmap().image().constBits());
  }
  pixels(state);
}
BENCHMARK(BM_FillRect);

// The map canvas drawn as 20 x 15 chips of 32 x 32, each copied with a colour key.
void BM_CopyDrawChips(benchmark::State& state) {
  TBitmap32 dest = picture(1);
  const TBitmap32 chips = picture(3);
  for (auto _ : state) {
    for (int32_t y = 0; y < kH; y += 32)
      for (int32_t x = 0; x < kW; x += 32) dest.CopyDraw({x, y, x + 32, y + 32}, chips, {kW - 32 - x, y, kW - x, y + 32}, 0xFFFF00FF);
    benchmark::DoNotOptimize(dest.GetBitmap().image().constBits());
  }
  pixels(state);
}
BENCHMARK(BM_CopyDrawChips);

void BM_ReplaceColor(benchmark::State& state) {
  TBitmap32 dest = picture(1);
  for (auto _ : state) {
    dest.ReplaceColor(0xFF00FF, 0, 0);
    benchmark::DoNotOptimize(dest.GetBitmap().image().constBits());
  }
  pixels(state);
}
BENCHMARK(BM_ReplaceColor);

}  // namespace

BENCHMARK_MAIN();
