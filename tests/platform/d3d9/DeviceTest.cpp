#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DeviceHarness.h"

namespace zelvo::d3d9 {
namespace {

using test::DeviceHarness;

TEST(Adapter, FixedAnswers) {
  ScopedFaults faults;
  auto d3d = Direct3DCreate9(D3D_SDK_VERSION);
  ASSERT_TRUE(d3d);
  EXPECT_FALSE(Direct3DCreate9(32));
  D3DCAPS9 caps;
  ASSERT_EQ(d3d->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps), D3D_OK);
  EXPECT_TRUE(caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT);
  EXPECT_EQ(caps.MaxTextureWidth, 4096u);
  EXPECT_EQ(caps.MaxTextureHeight, 4096u);
  EXPECT_EQ(caps.TextureCaps & (D3DPTEXTURECAPS_POW2 | D3DPTEXTURECAPS_SQUAREONLY), 0u);
  EXPECT_EQ(d3d->GetDeviceCaps(1, D3DDEVTYPE_HAL, &caps), D3DERR_INVALIDCALL);

  for (D3DFORMAT f : {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8})
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_A8R8G8B8, 0, D3DRTYPE_TEXTURE, f), D3D_OK);
  for (D3DFORMAT f : {D3DFMT_R5G6B5, D3DFMT_P8, D3DFMT_DXT1})
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_A8R8G8B8, 0, D3DRTYPE_TEXTURE, f), D3DERR_NOTAVAILABLE);
  for (D3DFORMAT f : {D3DFMT_D16, D3DFMT_D24S8, D3DFMT_D32})
    EXPECT_NE(d3d->CheckDepthStencilMatch(0, D3DDEVTYPE_HAL, D3DFMT_A8R8G8B8, D3DFMT_A8R8G8B8, f), D3D_OK);

  D3DDISPLAYMODE mode;
  ASSERT_EQ(d3d->GetAdapterDisplayMode(0, &mode), D3D_OK);
  EXPECT_EQ(mode.Width, 640u);
  D3DADAPTER_IDENTIFIER9 id;
  ASSERT_EQ(d3d->GetAdapterIdentifier(0, 0, &id), D3D_OK);
  EXPECT_STRNE(id.Driver, "");
}

TEST(Device, WindowedTakesTheClientSizeAndFullScreenKeepsTheBackBuffer) {
  ScopedFaults faults;
  FrameSink sink(320, 200);
  auto d3d = Direct3DCreate9(D3D_SDK_VERSION);
  D3DPRESENT_PARAMETERS pp;
  pp.hDeviceWindow = &sink;
  std::shared_ptr<IDirect3DDevice9> device;
  ASSERT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, &sink, 0, &pp, &device), D3D_OK);
  EXPECT_EQ(pp.BackBufferWidth, 320u);
  EXPECT_EQ(pp.BackBufferHeight, 200u);
  EXPECT_EQ(pp.BackBufferCount, 1u);
  device->Present(nullptr, nullptr, nullptr, nullptr);
  EXPECT_FALSE(sink.lastWasFullScreen());
  EXPECT_EQ(sink.lastFrame().width, 320);

  D3DPRESENT_PARAMETERS full;
  full.BackBufferWidth = 640;
  full.BackBufferHeight = 480;
  full.BackBufferFormat = D3DFMT_A8R8G8B8;
  full.hDeviceWindow = &sink;
  full.Windowed = false;
  full.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
  ASSERT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, &sink, 0, &full, &device), D3D_OK);
  device->Present(nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(sink.lastWasFullScreen());
  EXPECT_EQ(sink.lastFrame().width, 640);
  EXPECT_EQ(sink.lastFrame().height, 480);

  D3DPRESENT_PARAMETERS bad = full;
  bad.EnableAutoDepthStencil = true;  // no depth formats are offered
  EXPECT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, &sink, 0, &bad, &device), D3DERR_INVALIDCALL);
  EXPECT_FALSE(device);
}

TEST(Device, ClearFillsEveryPixelAlphaIncluded) {
  DeviceHarness h;
  ASSERT_EQ(h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0x12345678, 0, 0), D3D_OK);
  Frame f = h.present();
  ASSERT_EQ(f.pixels.size(), 640u * 480u);
  for (uint32_t p : f.pixels) ASSERT_EQ(p, 0x12345678u);
}

TEST(Device, PresentHandsACopyAndLeavesTheBackBuffer) {
  DeviceHarness h;
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 0, 0);
  h.fill(0, 0, 1, 1, 0xFFFFFFFF);
  Frame first = h.present();
  h.fill(1, 0, 2, 1, 0xFF00FF00);
  Frame second = h.present();
  EXPECT_EQ(first.at(1, 0), 0xFF000000u);
  EXPECT_EQ(second.at(0, 0), 0xFFFFFFFFu);  // not cleared by the present
  EXPECT_EQ(second.at(1, 0), 0xFF00FF00u);
  EXPECT_EQ(h.sink.frames().size(), 2u);
}

TEST(Device, DrawingNeedsASceneAndTheQuadShapes) {
  DeviceHarness h;
  struct V { float x, y, z, rhw; uint32_t c; } v[4] = {};
  h.device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, 20), D3DERR_INVALIDCALL);  // no scene
  ASSERT_EQ(h.device->BeginScene(), D3D_OK);
  EXPECT_EQ(h.device->BeginScene(), D3DERR_INVALIDCALL);
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, 28), D3DERR_INVALIDCALL);  // wrong stride
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, v, 20), D3DERR_INVALIDCALL);
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, nullptr, 20), D3DERR_INVALIDCALL);
  h.device->SetFVF(0x142);
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, 20), D3DERR_INVALIDCALL);
  h.device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
  EXPECT_EQ(h.device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, 20), D3D_OK);
  ASSERT_EQ(h.device->EndScene(), D3D_OK);
  EXPECT_EQ(h.device->EndScene(), D3DERR_INVALIDCALL);
}

TEST(Texture, OneLevelWithItsDescriptionAndLockState) {
  DeviceHarness h;
  std::shared_ptr<IDirect3DTexture9> t;
  ASSERT_EQ(h.device->CreateTexture(5, 3, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3D_OK);
  EXPECT_EQ(t->GetLevelCount(), 1u);
  D3DSURFACE_DESC desc;
  ASSERT_EQ(t->GetLevelDesc(0, &desc), D3D_OK);
  EXPECT_EQ(desc.Width, 5u);
  EXPECT_EQ(desc.Height, 3u);
  EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
  EXPECT_EQ(t->GetLevelDesc(1, &desc), D3DERR_INVALIDCALL);

  D3DLOCKED_RECT whole, part;
  EXPECT_EQ(t->UnlockRect(0), D3DERR_INVALIDCALL);  // not locked
  ASSERT_EQ(t->LockRect(0, &whole, nullptr, 0), D3D_OK);
  EXPECT_EQ(whole.Pitch, 20);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(static_cast<uint32_t*>(whole.pBits)[i], 0u) << "new textures are zero";
  EXPECT_EQ(t->LockRect(0, &part, nullptr, 0), D3DERR_INVALIDCALL);  // already locked
  ASSERT_EQ(t->UnlockRect(0), D3D_OK);
  RECT r{2, 1, 4, 3};
  ASSERT_EQ(t->LockRect(0, &part, &r, D3DLOCK_READONLY), D3D_OK);
  EXPECT_EQ(static_cast<uint32_t*>(part.pBits) - static_cast<uint32_t*>(whole.pBits), 7);
  ASSERT_EQ(t->UnlockRect(0), D3D_OK);
  for (RECT bad : {RECT{0, 0, 6, 1}, RECT{-1, 0, 1, 1}, RECT{3, 0, 2, 1}, RECT{0, 2, 1, 4}})
    EXPECT_EQ(t->LockRect(0, &part, &bad, 0), D3DERR_INVALIDCALL) << bad.left << "," << bad.top;
}

TEST(Texture, OversizeAndOddFormatsAreRefused) {
  DeviceHarness h;
  std::shared_ptr<IDirect3DTexture9> t;
  EXPECT_EQ(h.device->CreateTexture(4097, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3DERR_INVALIDCALL);
  EXPECT_EQ(h.device->CreateTexture(1, 0x7FFFFFFF, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr),
            D3DERR_INVALIDCALL);
  EXPECT_EQ(h.device->CreateTexture(0, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3DERR_INVALIDCALL);
  EXPECT_EQ(h.device->CreateTexture(4, 4, 1, 0, D3DFMT_R5G6B5, D3DPOOL_MANAGED, &t, nullptr), D3DERR_INVALIDCALL);
  EXPECT_FALSE(t);
  EXPECT_EQ(h.device->CreateTexture(4096, 4096, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3D_OK);
}

// Every call can be made to fail with the code a test chooses.
struct FaultCase {
  std::string call;
  std::function<HRESULT(DeviceHarness&)> run;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.call; }

class FaultTable : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTable, TheInjectedCodeComesBack) {
  DeviceHarness h;
  auto tex = h.texture(2, 2, [](int, int) { return 0u; });
  const int before = h.faults->callCount(GetParam().call);
  h.faults->failCall(GetParam().call, D3DERR_OUTOFVIDEOMEMORY, 1, 1);
  EXPECT_EQ(GetParam().run(h), D3D_OK) << "the first call passes";
  EXPECT_EQ(GetParam().run(h), D3DERR_OUTOFVIDEOMEMORY);
  EXPECT_NE(GetParam().run(h), D3DERR_OUTOFVIDEOMEMORY) << "only once";
  EXPECT_GE(h.faults->callCount(GetParam().call) - before, 3);
}

std::shared_ptr<IDirect3DTexture9> scratch(DeviceHarness& h) {
  std::shared_ptr<IDirect3DTexture9> t;
  h.device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr);
  return t;
}

INSTANTIATE_TEST_SUITE_P(
    EveryCall, FaultTable,
    ::testing::Values(
        FaultCase{"GetAdapterDisplayMode", [](DeviceHarness& h) { D3DDISPLAYMODE m; return h.d3d->GetAdapterDisplayMode(0, &m); }},
        FaultCase{"GetAdapterIdentifier", [](DeviceHarness& h) { D3DADAPTER_IDENTIFIER9 i; return h.d3d->GetAdapterIdentifier(0, 0, &i); }},
        FaultCase{"GetDeviceCaps", [](DeviceHarness& h) { D3DCAPS9 c; return h.d3d->GetDeviceCaps(0, D3DDEVTYPE_HAL, &c); }},
        FaultCase{"CheckDeviceFormat", [](DeviceHarness& h) {
          return h.d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_A8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_A8R8G8B8); }},
        FaultCase{"CreateDevice", [](DeviceHarness& h) {
          D3DPRESENT_PARAMETERS pp; pp.hDeviceWindow = &h.sink; std::shared_ptr<IDirect3DDevice9> d;
          return h.d3d->CreateDevice(0, D3DDEVTYPE_HAL, &h.sink, 0, &pp, &d); }},
        FaultCase{"GetBackBuffer", [](DeviceHarness& h) {
          std::shared_ptr<IDirect3DSurface9> s; return h.device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &s); }},
        FaultCase{"CreateTexture", [](DeviceHarness& h) {
          std::shared_ptr<IDirect3DTexture9> t; return h.device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr); }},
        FaultCase{"Clear", [](DeviceHarness& h) { return h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 0, 0); }},
        FaultCase{"Present", [](DeviceHarness& h) { return h.device->Present(nullptr, nullptr, nullptr, nullptr); }},
        FaultCase{"BeginScene", [](DeviceHarness& h) { HRESULT r = h.device->BeginScene(); h.device->EndScene(); return r; }},
        FaultCase{"EndScene", [](DeviceHarness& h) { h.device->BeginScene(); HRESULT r = h.device->EndScene(); if (r) h.device->EndScene(); return r; }},
        FaultCase{"SetFVF", [](DeviceHarness& h) { return h.device->SetFVF(0x144); }},
        FaultCase{"SetRenderState", [](DeviceHarness& h) { return h.device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1); }},
        FaultCase{"SetTextureStageState", [](DeviceHarness& h) { return h.device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE); }},
        FaultCase{"SetTexture", [](DeviceHarness& h) { return h.device->SetTexture(0, nullptr); }},
        FaultCase{"DrawPrimitiveUP", [](DeviceHarness& h) { return h.fill(0, 0, 1, 1, 0); }},
        FaultCase{"GetLevelDesc", [](DeviceHarness& h) { D3DSURFACE_DESC d; return scratch(h)->GetLevelDesc(0, &d); }},
        FaultCase{"LockRect", [](DeviceHarness& h) { D3DLOCKED_RECT l; return scratch(h)->LockRect(0, &l, nullptr, 0); }},
        FaultCase{"UnlockRect", [](DeviceHarness& h) {
          auto t = scratch(h); D3DLOCKED_RECT l; t->LockRect(0, &l, nullptr, 0); HRESULT r = t->UnlockRect(0);
          if (r) t->UnlockRect(0); return r; }}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.call; });

TEST(Faults, Direct3DCreateCanFail) {
  ScopedFaults faults;
  faults->failCall("Direct3DCreate9", D3DERR_NOTAVAILABLE);
  EXPECT_FALSE(Direct3DCreate9(D3D_SDK_VERSION));
  faults->clear();
  EXPECT_TRUE(Direct3DCreate9(D3D_SDK_VERSION));
}

}  // namespace
}  // namespace zelvo::d3d9

namespace zelvo::d3d9 {
namespace {

TEST(FrameSink, KeepsEveryFrameOrTheLastOnesUnderALimit) {
  DeviceHarness h;
  for (uint32_t i = 0; i < 3; ++i) {
    h.device->Clear(0, nullptr, D3DCLEAR_TARGET, i, 0, 0);
    h.present();
  }
  EXPECT_EQ(h.sink.frames().size(), 3u);
  h.sink.setFrameLimit(2);
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 3, 0, 0);
  h.present();
  ASSERT_EQ(h.sink.frames().size(), 2u);
  EXPECT_EQ(h.sink.frames()[0].at(0, 0), 2u);
  EXPECT_EQ(h.sink.frames()[1].at(0, 0), 3u);
  EXPECT_EQ(h.sink.presentCount(), 4);
}

}  // namespace
}  // namespace zelvo::d3d9
