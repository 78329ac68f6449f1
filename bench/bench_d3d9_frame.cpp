// One 640 x 480 frame as the field draws it: a clear, a full floor of 336 blended 32 x 32 chips
// from a chip-set texture, and a full-screen blended quad (a fade), each quad its own scene as
// the basic layer draws them. Reported in milliseconds and as a share of the 20 ms frame. The
// device rasterises when a frame is presented and skips a frame that repeats the one before, so
// the frames measured here differ from each other unless the name says they repeat.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/FrameSink.h"

namespace {

using namespace zelvo::d3d9;

struct Vertex {
  float x, y, z, rhw;
  uint32_t color;
  float u, v;
};

struct Scene {
  FrameSink sink;
  std::shared_ptr<IDirect3D9> d3d = Direct3DCreate9(D3D_SDK_VERSION);
  std::shared_ptr<IDirect3DDevice9> device;
  std::shared_ptr<IDirect3DTexture9> chips, screen;

  Scene() {
    D3DPRESENT_PARAMETERS pp;
    pp.BackBufferFormat = D3DFMT_A8R8G8B8;
    pp.hDeviceWindow = &sink;
    d3d->CreateDevice(0, D3DDEVTYPE_HAL, &sink, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device);
    // A chip set whose chips have transparent corners, like most map chips.
    chips = texture(256, 256, [](int x, int y) {
      bool corner = (x % 32 < 4 || x % 32 > 27) && (y % 32 < 4 || y % 32 > 27);
      return corner ? 0u : 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x40;
    });
    screen = texture(640, 480, [](int x, int y) { return 0x7F000000u | (uint32_t(x ^ y) & 0xFFFFFF); });
  }

  template <typename F>
  std::shared_ptr<IDirect3DTexture9> texture(uint32_t w, uint32_t h, F texel) {
    std::shared_ptr<IDirect3DTexture9> t;
    device->CreateTexture(w, h, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr);
    D3DLOCKED_RECT lr;
    t->LockRect(0, &lr, nullptr, 0);
    for (uint32_t y = 0; y < h; ++y)
      for (uint32_t x = 0; x < w; ++x) static_cast<uint32_t*>(lr.pBits)[y * (lr.Pitch / 4) + x] = texel(int(x), int(y));
    t->UnlockRect(0);
    return t;
  }

  void quad(float l, float t, float r, float b, const std::shared_ptr<IDirect3DTexture9>& tex, float sl, float st,
            float sr, float sb, float w, float h, uint32_t color) {
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    Vertex v[4] = {{l, t, 1, 1, color, sl / w, st / h}, {r, t, 1, 1, color, sr / w, st / h},
                   {l, b, 1, 1, color, sl / w, sb / h}, {r, b, 1, 1, color, sr / w, sb / h}};
    device->SetTexture(0, tex);
    device->BeginScene();
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, sizeof(Vertex));
    device->EndScene();
  }

  void frame(uint32_t clearColour = 0xFF000000) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, clearColour, 0, 0);
    // 21 x 16 chips: the screen plus the column and row a scrolled map shows in part.
    for (int row = 0; row < 16; ++row)
      for (int col = 0; col < 21; ++col) {
        float x = float(col * 32 - 13), y = float(row * 32 - 7);
        float sx = float((col * 5 + row) % 8 * 32), sy = float((row * 3 + col) % 8 * 32);
        quad(x, y, x + 32, y + 32, chips, sx, sy, sx + 32, sy + 32, 256, 256, 0xFFFFFFFF);
      }
    quad(0, 0, 640, 480, screen, 0, 0, 640, 480, 640, 480, 0xFFFFFFFF);
  }

  void present() {
    device->Present(nullptr, nullptr, nullptr, nullptr);
    sink.clearFrames();
  }

  // What a lock of the back buffer forces: every recorded draw rasterised, nothing presented.
  void rasterise() {
    std::shared_ptr<IDirect3DSurface9> back;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
    D3DLOCKED_RECT lr;
    back->LockRect(&lr, nullptr, D3DLOCK_READONLY);
    back->UnlockRect();
  }
};

// Wall time of the loop body, as milliseconds per frame and as the share of the 20 ms budget.
class Report {
 public:
  void add(std::chrono::steady_clock::duration d) { total_ += d; }
  void write(benchmark::State& state) const {
    double ms = std::chrono::duration<double, std::milli>(total_).count() / double(state.iterations());
    state.counters["ms"] = ms;
    state.counters["of_20ms"] = ms / 20.0;
  }

 private:
  std::chrono::steady_clock::duration total_{};
};

template <typename F>
void run(benchmark::State& state, F body) {
  Report report;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    body();
    benchmark::ClobberMemory();
    report.add(std::chrono::steady_clock::now() - start);
  }
  report.write(state);
}

void BM_FieldFrame(benchmark::State& state) {
  Scene scene;
  uint32_t frames = 0;
  run(state, [&] {
    scene.frame(0xFF000000 | (++frames & 1));
    scene.rasterise();
  });
}
BENCHMARK(BM_FieldFrame)->Unit(benchmark::kMillisecond);

void BM_FieldFramePresented(benchmark::State& state) {
  Scene scene;
  uint32_t frames = 0;
  run(state, [&] {
    scene.frame(0xFF000000 | (++frames & 1));
    scene.present();
  });
}
BENCHMARK(BM_FieldFramePresented)->Unit(benchmark::kMillisecond);

// A game waiting for a key draws the same frame again and again.
void BM_RepeatedFieldFramePresented(benchmark::State& state) {
  Scene scene;
  run(state, [&] {
    scene.frame();
    scene.present();
  });
}
BENCHMARK(BM_RepeatedFieldFramePresented)->Unit(benchmark::kMillisecond);

void BM_ChipsOnly(benchmark::State& state) {
  Scene scene;
  run(state, [&] {
    for (int i = 0; i < 336; ++i) {
      float x = float(i % 21 * 32), y = float(i / 21 * 32);
      scene.quad(x, y, x + 32, y + 32, scene.chips, 0, 0, 32, 32, 256, 256, 0xFFFFFFFF);
    }
    scene.rasterise();
  });
}
BENCHMARK(BM_ChipsOnly)->Unit(benchmark::kMillisecond);

void BM_FullScreenBlend(benchmark::State& state) {
  Scene scene;
  run(state, [&] {
    scene.quad(0, 0, 640, 480, scene.screen, 0, 0, 640, 480, 640, 480, 0xFFFFFFFF);
    scene.rasterise();
  });
}
BENCHMARK(BM_FullScreenBlend)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
