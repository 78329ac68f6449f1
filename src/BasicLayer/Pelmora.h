#pragma once
// TPelmora: the player's thin wrapper over the Direct3D 9 device. It creates the adapter object
// and a device for its window, switches between windowed and full screen by releasing and
// re-creating the device, and keeps the registry of device-dependent resources, which are
// released before and restored after every re-creation, in registration order.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/d3d9/D3D9.h"

namespace zelvo {

// DebugOption bits.
constexpr uint32_t pmoHaltOnError = 1;
constexpr uint32_t pmoDebugMessage = 2;
constexpr uint32_t pmoDetailedLog = 4;
constexpr uint32_t pmoAll = pmoHaltOnError | pmoDebugMessage | pmoDetailedLog;

struct TPMResourceDesc {
  int32_t ID = 0;
  std::string Name;         // CP932
  std::string OwnerClass;   // for the log
  void* Owner = nullptr;
  std::function<void()> Release, Restore, ReleaseIfDefaultPool, RestoreIfDefaultPool;
  // Called when the wrapper goes first: the owner must forget the wrapper (it is not freed here).
  std::function<void()> Detach;
};

class TPelmora {
 public:
  // window is the device window (the Qt presenter or a frame sink); not owned.
  explicit TPelmora(d3d9::ID3D9Window* window);
  ~TPelmora();
  TPelmora(const TPelmora&) = delete;
  TPelmora& operator=(const TPelmora&) = delete;

  // The run-time start: the adapter object and a windowed device of the window's client size.
  // False when a check failed and halting is off.
  bool Loaded();

  bool SwitchToWindowed(int clientWidth, int clientHeight, const std::vector<d3d9::D3DFORMAT>& depthFormats,
                        uint32_t presentationInterval, d3d9::D3DSWAPEFFECT swapEffect,
                        d3d9::D3DMULTISAMPLE_TYPE multiSample, uint32_t adapter);
  bool SwitchToFullScreen(int width, int height, d3d9::D3DFORMAT backBufferFormat,
                          const std::vector<d3d9::D3DFORMAT>& depthFormats, uint32_t refreshRate,
                          uint32_t presentationInterval, d3d9::D3DSWAPEFFECT swapEffect,
                          d3d9::D3DMULTISAMPLE_TYPE multiSample, uint32_t adapter);

  std::shared_ptr<d3d9::IDirect3DSurface9> GetBackBuffer(int index) const;

  // name is CP932; returns the new ID (0, 1, 2, ...; never reused).
  int32_t RegisterResource(void* owner, const std::string& ownerClass, const std::string& name,
                           std::function<void()> release, std::function<void()> restore,
                           std::function<void()> releaseIfDefaultPool, std::function<void()> restoreIfDefaultPool,
                           std::function<void()> detach = {});
  // False (after the failure path) when no entry has this ID.
  bool UnregisterResource(int32_t id);
  void ReleaseAllResources();
  void RestoreAllResources();
  size_t ResourceCount() const { return resources_.size(); }
  const std::vector<TPMResourceDesc>& Resources() const { return resources_; }

  void SetDebugOption(uint32_t options);
  uint32_t DebugOption() const { return debugOption_; }
  void SetUseREFDevice(bool value) { useREFDevice_ = value; }
  bool UseREFDevice() const { return useREFDevice_; }
  void SetUseSoftwareVertexProcessing(bool value) { useSoftwareVertexProcessing_ = value; }
  bool UseSoftwareVertexProcessing() const { return useSoftwareVertexProcessing_; }

  const std::shared_ptr<d3d9::IDirect3D9>& Direct3D() const { return direct3D_; }
  const std::shared_ptr<d3d9::IDirect3DDevice9>& Device() const { return device_; }
  d3d9::ID3D9Window* Window() const { return window_; }
  bool Windowed() const { return windowed_; }
  uint32_t Adapter() const { return adapter_; }
  d3d9::D3DDEVTYPE DeviceType() const { return deviceType_; }
  int BackBufferWidth() const { return backBufferWidth_; }
  int BackBufferHeight() const { return backBufferHeight_; }
  d3d9::D3DFORMAT BackBufferFormat() const { return backBufferFormat_; }
  const d3d9::D3DPRESENT_PARAMETERS& PresentParameters() const { return presentParameters_; }

 private:
  bool initDisplayMode(uint32_t adapter, bool windowed, const d3d9::D3DDISPLAYMODE& mode,
                       d3d9::D3DMULTISAMPLE_TYPE multiSample, const std::vector<d3d9::D3DFORMAT>& depthFormats,
                       d3d9::D3DSWAPEFFECT swapEffect, uint32_t presentationInterval);
  d3d9::D3DFORMAT chooseDepthFormat(uint32_t adapter, d3d9::D3DDEVTYPE type, d3d9::D3DFORMAT modeFormat,
                                    const std::vector<d3d9::D3DFORMAT>& candidates);
  bool createDevice(uint32_t adapter, d3d9::D3DDEVTYPE type, d3d9::D3DPRESENT_PARAMETERS params,
                    uint32_t behaviourFlags);
  bool releaseDevice();
  void logAdapterIdentifier(uint32_t adapter);

  d3d9::ID3D9Window* window_;
  std::shared_ptr<d3d9::IDirect3D9> direct3D_;
  std::shared_ptr<d3d9::IDirect3DDevice9> device_;
  std::vector<std::shared_ptr<d3d9::IDirect3DSurface9>> backBuffers_;
  std::shared_ptr<d3d9::IDirect3DSurface9> depthStencil_;
  d3d9::D3DPRESENT_PARAMETERS presentParameters_{};
  uint32_t adapter_ = 0;
  d3d9::D3DDEVTYPE deviceType_ = d3d9::D3DDEVTYPE_HAL;
  bool windowed_ = true;
  int backBufferWidth_ = 0;
  int backBufferHeight_ = 0;
  d3d9::D3DFORMAT backBufferFormat_ = d3d9::D3DFMT_UNKNOWN;
  std::vector<TPMResourceDesc> resources_;
  int32_t nextResourceID_ = 0;
  uint32_t debugOption_ = pmoAll;
  bool useREFDevice_ = false;
  bool useSoftwareVertexProcessing_ = false;
  bool loaded_ = false;
};

}  // namespace zelvo
