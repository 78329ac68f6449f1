#pragma once
// A windowed 640 x 480 device on a frame sink, and helpers that draw the two quad kinds the
// basic layer draws, byte for byte as it builds them.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/D3D9Faults.h"
#include "platform/d3d9/FrameSink.h"

namespace zelvo::d3d9::test {

struct DeviceHarness {
  ScopedFaults faults;
  FrameSink sink;
  std::shared_ptr<IDirect3D9> d3d = Direct3DCreate9(D3D_SDK_VERSION);
  std::shared_ptr<IDirect3DDevice9> device;
  D3DPRESENT_PARAMETERS params;

  DeviceHarness() {
    params.BackBufferFormat = D3DFMT_A8R8G8B8;
    params.hDeviceWindow = &sink;
    params.Windowed = true;
    EXPECT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, &sink, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device),
              D3D_OK);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  }

  // A texture of w x h whose texel (x, y) is texel(x, y).
  template <typename F>
  std::shared_ptr<IDirect3DTexture9> texture(uint32_t w, uint32_t h, F texel) {
    std::shared_ptr<IDirect3DTexture9> t;
    EXPECT_EQ(device->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &t, nullptr), D3D_OK);
    D3DLOCKED_RECT lr;
    EXPECT_EQ(t->LockRect(0, &lr, nullptr, 0), D3D_OK);
    for (uint32_t y = 0; y < h; ++y)
      for (uint32_t x = 0; x < w; ++x)
        static_cast<uint32_t*>(lr.pBits)[y * (lr.Pitch / 4) + x] = texel(int(x), int(y));
    EXPECT_EQ(t->UnlockRect(0), D3D_OK);
    return t;
  }

  // As the textured draw builds it: 28-byte vertices, u and v the source over the divisors.
  HRESULT drawTextured(float l, float t, float r, float b, std::shared_ptr<IDirect3DTexture9> tex, float u0, float v0,
                       float u1, float v1, uint32_t color) {
    struct V { float x, y, z, rhw; uint32_t c; float u, v; };
    static_assert(sizeof(V) == 28);
    V v[4] = {{l, t, 1, 1, color, u0, v0}, {r, t, 1, 1, color, u1, v0}, {l, b, 1, 1, color, u0, v1},
              {r, b, 1, 1, color, u1, v1}};
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    device->SetTexture(0, std::move(tex));
    device->BeginScene();
    HRESULT hr = device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, sizeof(V));
    device->EndScene();
    return hr;
  }

  HRESULT fill(float l, float t, float r, float b, uint32_t color) {
    struct V { float x, y, z, rhw; uint32_t c; };
    static_assert(sizeof(V) == 20);
    V v[4] = {{l, t, 0, 0, color}, {r, t, 0, 0, color}, {l, b, 0, 0, color}, {r, b, 0, 0, color}};
    device->SetTexture(0, nullptr);
    device->BeginScene();
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    HRESULT hr = device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, sizeof(V));
    device->EndScene();
    return hr;
  }

  Frame present() {
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    return sink.lastFrame();
  }
};

}  // namespace zelvo::d3d9::test
