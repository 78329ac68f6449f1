#pragma once
// Our Direct3D-9-shaped device: the adapter object, the device, textures and surfaces, with the
// calls the wrapper and the basic layer make. Objects are held through std::shared_ptr; a
// holder's "release" is dropping its reference, and use_count tells what a release would return.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/GameGeometry.h"
#include "platform/d3d9/D3D9Types.h"

namespace zelvo::d3d9 {

// One presented picture: width x height ARGB pixels, rows top-down.
struct Frame {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  // The same nonzero serial means the same pixels as the frame presented before it; 0 is unknown.
  uint64_t serial = 0;
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What a device window is to the device: a client area that shows presented frames. The Qt
// presenter and the headless frame sink implement it.
class ID3D9Window {
 public:
  virtual ~ID3D9Window() = default;
  virtual int clientWidth() const = 0;
  virtual int clientHeight() const = 0;
  // Resizes the window so that its client area is exactly this size and shows it.
  virtual void setClientSize(int width, int height) = 0;
  // A copy of the back buffer; fullScreen asks for it scaled to the screen with its aspect kept.
  virtual void showFrame(const Frame& frame, bool fullScreen) = 0;
};

class IDirect3DSurface9 {
 public:
  virtual ~IDirect3DSurface9() = default;
  virtual HRESULT GetDesc(D3DSURFACE_DESC* desc) = 0;
  virtual HRESULT LockRect(D3DLOCKED_RECT* locked, const RECT* rect, uint32_t flags) = 0;
  virtual HRESULT UnlockRect() = 0;
};

class IDirect3DTexture9 {
 public:
  virtual ~IDirect3DTexture9() = default;
  virtual uint32_t GetLevelCount() = 0;
  virtual HRESULT GetLevelDesc(uint32_t level, D3DSURFACE_DESC* desc) = 0;
  virtual HRESULT LockRect(uint32_t level, D3DLOCKED_RECT* locked, const RECT* rect, uint32_t flags) = 0;
  virtual HRESULT UnlockRect(uint32_t level) = 0;
};

class IDirect3DDevice9 {
 public:
  virtual ~IDirect3DDevice9() = default;
  virtual HRESULT GetDeviceCaps(D3DCAPS9* caps) = 0;
  virtual uint32_t GetAvailableTextureMem() = 0;
  virtual HRESULT GetBackBuffer(uint32_t swapChain, uint32_t index, D3DBACKBUFFER_TYPE type,
                                std::shared_ptr<IDirect3DSurface9>* surface) = 0;
  virtual HRESULT GetDepthStencilSurface(std::shared_ptr<IDirect3DSurface9>* surface) = 0;
  virtual HRESULT CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                D3DFORMAT format, D3DPOOL pool, std::shared_ptr<IDirect3DTexture9>* texture,
                                void* sharedHandle) = 0;
  // count and rects: none (0, nullptr) clears the whole target. z and stencil are ignored.
  virtual HRESULT Clear(uint32_t count, const RECT* rects, uint32_t flags, uint32_t color, float z,
                        uint32_t stencil) = 0;
  // Only whole-buffer presents to the device window are offered, as the player makes.
  virtual HRESULT Present(const RECT* source, const RECT* dest, ID3D9Window* destWindowOverride,
                          const void* dirtyRegion) = 0;
  virtual HRESULT BeginScene() = 0;
  virtual HRESULT EndScene() = 0;
  virtual HRESULT SetFVF(uint32_t fvf) = 0;
  virtual HRESULT SetRenderState(D3DRENDERSTATETYPE state, uint32_t value) = 0;
  virtual HRESULT SetTextureStageState(uint32_t stage, D3DTEXTURESTAGESTATETYPE type, uint32_t value) = 0;
  virtual HRESULT SetTexture(uint32_t stage, std::shared_ptr<IDirect3DTexture9> texture) = 0;
  virtual HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, uint32_t primitiveCount, const void* vertices,
                                  uint32_t stride) = 0;
};

class IDirect3D9 {
 public:
  virtual ~IDirect3D9() = default;
  virtual HRESULT GetAdapterDisplayMode(uint32_t adapter, D3DDISPLAYMODE* mode) = 0;
  virtual HRESULT GetAdapterIdentifier(uint32_t adapter, uint32_t flags, D3DADAPTER_IDENTIFIER9* id) = 0;
  virtual HRESULT GetDeviceCaps(uint32_t adapter, D3DDEVTYPE type, D3DCAPS9* caps) = 0;
  virtual HRESULT CheckDeviceFormat(uint32_t adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat, uint32_t usage,
                                    D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat) = 0;
  virtual HRESULT CheckDepthStencilMatch(uint32_t adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                                         D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat) = 0;
  // Fills in the back-buffer size from the window when windowed and 0, and the count (0 means 1).
  virtual HRESULT CreateDevice(uint32_t adapter, D3DDEVTYPE type, ID3D9Window* focusWindow, uint32_t behaviorFlags,
                               D3DPRESENT_PARAMETERS* params, std::shared_ptr<IDirect3DDevice9>* device) = 0;
};

// The fixed answers of our adapter.
constexpr uint32_t kMaxTextureSize = 4096;
constexpr uint32_t kScreenWidth = static_cast<uint32_t>(kGameScreenWidth);
constexpr uint32_t kScreenHeight = static_cast<uint32_t>(kGameScreenHeight);

// Null when sdkVersion is not ours or when a test made this call fail.
std::shared_ptr<IDirect3D9> Direct3DCreate9(uint32_t sdkVersion);

}  // namespace zelvo::d3d9
