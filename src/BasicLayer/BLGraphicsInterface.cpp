#include "BasicLayer/BLGraphicsInterface.h"

#include <cfenv>
#include <cstring>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLTexture.h"
#include "BasicLayer/PMTexture.h"
#include "BasicLayer/Pelmora.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

using namespace d3d9;

namespace {

constexpr uint32_t kTexturedFVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;  // 0x144
constexpr uint32_t kPlainFVF = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;                   // 0x44

struct TexturedVertex {
  float x, y, z, rhw;
  uint32_t diffuse;
  float u, v;
};
static_assert(sizeof(TexturedVertex) == 28);

struct PlainVertex {
  float x, y, z, rhw;
  uint32_t diffuse;
};
static_assert(sizeof(PlainVertex) == 20);

#if defined(__x86_64__) || defined(__i386__)
struct FpuModes {
  uint16_t x87;
  uint32_t sse;
  bool operator==(const FpuModes&) const = default;
};

// The modes only (rounding, precision, exception masks), not the flags that ordinary arithmetic
// raises on every quad.
FpuModes currentFpuModes() {
  FpuModes m{};
  __asm__ volatile("fnstcw %0" : "=m"(m.x87));
  __asm__ volatile("stmxcsr %0" : "=m"(m.sse));
  m.sse &= ~0x3Fu;
  return m;
}

const FpuModes& defaultFpuModes() {
  static const FpuModes modes = [] {
    std::fenv_t saved;
    std::fegetenv(&saved);
    std::fesetenv(FE_DFL_ENV);
    FpuModes m = currentFpuModes();
    std::fesetenv(&saved);
    return m;
  }();
  return modes;
}

// The device may leave the floating-point unit in another mode; put it back after each call.
// Reading the modes is cheap, writing the whole environment is not, and a frame makes hundreds of
// calls.
void resetFpu() {
  if (!(currentFpuModes() == defaultFpuModes())) std::fesetenv(FE_DFL_ENV);
}
#else
// The device may leave the floating-point unit in another state; put it back after each call.
void resetFpu() { std::fesetenv(FE_DFL_ENV); }
#endif

void setAlphaBlending(IDirect3DDevice9& device) {
  device.SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
  device.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

}  // namespace

void TBLGraphicsInterface::Present() {
  if (auto& device = pelmora_->Device()) device->Present(nullptr, nullptr, nullptr, nullptr);
  resetFpu();
}

void TBLGraphicsInterface::Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  if (auto& device = pelmora_->Device())
    device->Clear(0, nullptr, D3DCLEAR_TARGET, uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b, 0.0f, 0);
}

void TBLGraphicsInterface::DrawTexture(const TRect& dest, IBLTexture* texture, const TRect& source) {
  DrawTextureColored(dest, texture, source, 0xFFFFFFFF);
}

void TBLGraphicsInterface::DrawTextureColored(const TRect& dest, IBLTexture* texture, const TRect& source,
                                              uint32_t color) {
  const std::shared_ptr<IDirect3DDevice9>& device = pelmora_->Device();
  if (!device) return;
  std::shared_ptr<IDirect3DTexture9> d3dTexture;
  // Widened first: a rectangle may span the whole int32 range.
  float w = float(int64_t(dest.Right) - dest.Left), h = float(int64_t(dest.Bottom) - dest.Top);
  if (texture) {
    // A texture without a picture would divide by 0; it draws nothing.
    auto* own = dynamic_cast<TBLTexture*>(texture);
    if (!own || texture->GetWidth() <= 0 || texture->GetHeight() <= 0 || !own->GetPMTexture().Texture()) return;
    d3dTexture = own->GetPMTexture().Texture();
    w = float(texture->GetWidth());
    h = float(texture->GetHeight());
  }
  device->SetFVF(kTexturedFVF);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
  device->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, 2);
  device->SetTextureStageState(0, D3DTSS_TEXCOORDINDEX, D3DTSS_TCI_CAMERASPACEPOSITION);
  setAlphaBlending(*device);
  const float l = float(dest.Left), t = float(dest.Top), r = float(dest.Right), b = float(dest.Bottom);
  const float u0 = float(source.Left) / w, u1 = float(source.Right) / w;
  const float v0 = float(source.Top) / h, v1 = float(source.Bottom) / h;
  const TexturedVertex quad[4] = {{l, t, 1, 1, color, u0, v0},
                                  {r, t, 1, 1, color, u1, v0},
                                  {l, b, 1, 1, color, u0, v1},
                                  {r, b, 1, 1, color, u1, v1}};
  device->SetTexture(0, d3dTexture);
  resetFpu();
  device->BeginScene();
  resetFpu();
  device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(TexturedVertex));
  resetFpu();
  device->EndScene();
  resetFpu();
}

void TBLGraphicsInterface::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) {
  const std::shared_ptr<IDirect3DDevice9>& device = pelmora_->Device();
  if (!device) return;
  device->SetTexture(0, nullptr);
  setAlphaBlending(*device);
  const float l = float(left), t = float(top), r = float(right), b = float(bottom);
  const PlainVertex quad[4] = {{l, t, 0, 0, color}, {r, t, 0, 0, color}, {l, b, 0, 0, color}, {r, b, 0, 0, color}};
  device->BeginScene();
  resetFpu();
  device->SetFVF(kPlainFVF);
  resetFpu();
  device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(PlainVertex));
  resetFpu();
  device->EndScene();
  resetFpu();
}

std::shared_ptr<IBLTexture> TBLGraphicsInterface::CreateTexture() { return std::make_shared<TBLTexture>(*pelmora_); }

std::shared_ptr<IBLTexture> TBLGraphicsInterface::CreateTextureFromCanvas(IBLCanvas& canvas) {
  return std::make_shared<TBLTexture>(*pelmora_, canvas);
}

std::shared_ptr<IBLCanvas> TBLGraphicsInterface::CreateCanvas(int32_t width, int32_t height) {
  return std::make_shared<TBLCanvas>(width, height);
}

std::shared_ptr<IBLCanvas> TBLGraphicsInterface::CreateCanvasFromFile(const char* fileName) {
  return std::make_shared<TBLCanvas>(fileName);
}

IDirect3D9* TBLGraphicsInterface::GetDirect3D() { return pelmora_->Direct3D().get(); }
IDirect3DDevice9* TBLGraphicsInterface::GetDevice() { return pelmora_->Device().get(); }

void TBLGraphicsInterface::SetFullScreen(bool value) {
  if (value)
    pelmora_->SwitchToFullScreen(kGameScreenWidth, kGameScreenHeight, D3DFMT_A8R8G8B8, {}, 0,
                                 D3DPRESENT_INTERVAL_IMMEDIATE, D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0);
  else
    pelmora_->SwitchToWindowed(kGameScreenWidth, kGameScreenHeight, {}, D3DPRESENT_INTERVAL_DEFAULT, D3DSWAPEFFECT_DISCARD,
                               D3DMULTISAMPLE_NONE, 0);
  resetFpu();
  fullScreen_ = value;
}

}  // namespace zelvo
