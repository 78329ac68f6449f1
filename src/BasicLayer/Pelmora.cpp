#include "BasicLayer/Pelmora.h"

#include <algorithm>
#include <cstdio>

#include "BasicLayer/PelmoraFormats.h"
#include "BasicLayer/PelmoraLog.h"
#include "platform/core/Cp932.h"
#include "platform/d3d9/D3D9Faults.h"

namespace zelvo {

using namespace d3d9;
namespace Log = PelmoraLog;

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char buf[1024];
  std::snprintf(buf, sizeof buf, pattern, args...);
  return buf;
}

// What a release of the last holder would answer: the references left behind it. A test can make
// it leave references.
// ownHolders counts the references the releasing object itself keeps (a device its back buffer).
template <typename T>
uint32_t releaseReference(std::shared_ptr<T>& p, long ownHolders = 0) {
  if (!p) return 0;
  uint32_t left = static_cast<uint32_t>(std::max(0L, p.use_count() - 1 - ownHolders));
  p.reset();
  if (faultPlan().check("Release") != D3D_OK) left = std::max<uint32_t>(left, 1);
  return left;
}

}  // namespace

TPelmora::TPelmora(ID3D9Window* window) : window_(window) {}

TPelmora::~TPelmora() {
  if (!loaded_) return;
  Log::detail("■■■お別れの時がやってまいりました■■■");
  {
    Log::Section section;
    // Resources the wrapper does not own are told to forget it, never freed here.
    while (!resources_.empty()) {
      TPMResourceDesc desc = resources_.front();
      Log::line(format("ID %d(%s) のPelmoraリソースは、明示的に解放されていません", desc.ID,
                       Cp932::toUtf8(desc.Name).c_str()));
      if (desc.Release) desc.Release();
      resources_.erase(resources_.begin());
      if (desc.Detach) desc.Detach();
    }
    Log::detail("Pelmoraオブジェクトの解放に伴い、全ての関連オブジェクトを解放します");
    releaseDevice();
    Log::detail("Direct3Dオブジェクトの解放を行います");
    if (direct3D_) Log::check(releaseReference(direct3D_) == 0 ? D3D_OK : D3DERR_INVALIDCALL,
                              "Direct3Dオブジェクトの解放に失敗しました");
  }
  Log::detail("■■■それではごきげんよう■■■");
}

void TPelmora::SetDebugOption(uint32_t options) {
  debugOption_ = options;
  Log::setSwitches(options & pmoHaltOnError, options & pmoDebugMessage, options & pmoDetailedLog);
}

bool TPelmora::Loaded() {
  device_.reset();
  backBuffers_.clear();
  depthStencil_.reset();
  SetDebugOption(debugOption_);
  resources_.clear();
  nextResourceID_ = 0;
  loaded_ = true;
  Log::detail("");
  Log::detail("■■■起動時の初期化をします■■■");
  bool ok;
  {
    Log::Section section;
    Log::detail("Direct3Dを生成します");
    direct3D_ = Direct3DCreate9(D3D_SDK_VERSION);
    if (!direct3D_) return Log::fail("Direct3Dオプジェクトすら生成できません、論外");
    Log::detail("ウィンドウのクライアント領域のサイズに合わせて初期化を開始します");
    ok = SwitchToWindowed(window_ ? window_->clientWidth() : int(kScreenWidth),
                          window_ ? window_->clientHeight() : int(kScreenHeight), {}, D3DPRESENT_INTERVAL_DEFAULT,
                          D3DSWAPEFFECT_DISCARD, D3DMULTISAMPLE_NONE, 0);
  }
  Log::detail("■■■Pelmora 起動しました■■■");
  Log::detail("");
  return ok;
}

bool TPelmora::SwitchToWindowed(int clientWidth, int clientHeight, const std::vector<D3DFORMAT>& depthFormats,
                                uint32_t presentationInterval, D3DSWAPEFFECT swapEffect,
                                D3DMULTISAMPLE_TYPE multiSample, uint32_t adapter) {
  Log::detail("■■■Windowモードへ移行します■■■");
  bool ok = false;
  {
    Log::Section section;
    releaseDevice();
    // The desktop's format; the call is not checked, so a failure keeps the usual one.
    D3DDISPLAYMODE mode{0, 0, 0, D3DFMT_X8R8G8B8};
    if (direct3D_) {
      if (direct3D_->GetAdapterDisplayMode(adapter, &mode) != D3D_OK) mode = D3DDISPLAYMODE{0, 0, 0, D3DFMT_X8R8G8B8};
      mode.Width = static_cast<uint32_t>(std::max(clientWidth, 1));
      mode.Height = static_cast<uint32_t>(std::max(clientHeight, 1));
      ok = initDisplayMode(adapter, true, mode, multiSample, depthFormats, swapEffect, presentationInterval);
      if (window_) window_->setClientSize(clientWidth, clientHeight);
    }
  }
  Log::detail("■■■Windowモードへ移行しました■■■");
  return ok;
}

bool TPelmora::SwitchToFullScreen(int width, int height, D3DFORMAT backBufferFormat,
                                  const std::vector<D3DFORMAT>& depthFormats, uint32_t refreshRate,
                                  uint32_t presentationInterval, D3DSWAPEFFECT swapEffect,
                                  D3DMULTISAMPLE_TYPE multiSample, uint32_t adapter) {
  Log::detail("■■■フルスクリーンモードへ移行します■■■");
  bool ok;
  {
    Log::Section section;
    D3DDISPLAYMODE mode{static_cast<uint32_t>(std::max(width, 1)), static_cast<uint32_t>(std::max(height, 1)),
                        refreshRate, backBufferFormat};
    ok = initDisplayMode(adapter, false, mode, multiSample, depthFormats, swapEffect, presentationInterval);
  }
  Log::detail("■■■フルスクリーンモードへ移行しました■■■");
  return ok;
}

void TPelmora::logAdapterIdentifier(uint32_t adapter) {
  D3DADAPTER_IDENTIFIER9 id;
  if (direct3D_->GetAdapterIdentifier(adapter, 0, &id) != D3D_OK) return;
  Log::detail(format("Driver : %s", id.Driver));
  Log::detail(format("Description : %s", id.Description));
  Log::detail(format("VendorID : %.8x, DeviceID : %.8x, SubSysID : %.8x, Revision : %.8x", id.VendorId, id.DeviceId,
                     id.SubSysId, id.Revision));
}

D3DFORMAT TPelmora::chooseDepthFormat(uint32_t adapter, D3DDEVTYPE type, D3DFORMAT modeFormat,
                                      const std::vector<D3DFORMAT>& candidates) {
  for (D3DFORMAT f : candidates) {
    if (direct3D_->CheckDepthStencilMatch(adapter, type, modeFormat, modeFormat, f) == D3D_OK) {
      Log::detail("デプスステンシルサーフェスのフォーマット..." + PelmoraFormats::FormatName(f));
      return f;
    }
  }
  Log::detail("希望のデプスステンシルサーフェスのフォーマットが見つかりませんでした");
  return D3DFMT_UNKNOWN;
}

bool TPelmora::initDisplayMode(uint32_t adapter, bool windowed, const D3DDISPLAYMODE& mode,
                               D3DMULTISAMPLE_TYPE multiSample, const std::vector<D3DFORMAT>& depthFormats,
                               D3DSWAPEFFECT swapEffect, uint32_t presentationInterval) {
  Log::detail("■■■画面モードを初期化します■■■");
  bool ok;
  {
    Log::Section section;
    D3DPRESENT_PARAMETERS pp;
    pp.BackBufferWidth = mode.Width;
    pp.BackBufferHeight = mode.Height;
    pp.BackBufferFormat = mode.Format;
    pp.BackBufferCount = 0;
    pp.MultiSampleType = multiSample;
    pp.SwapEffect = swapEffect;
    pp.hDeviceWindow = window_;
    pp.Windowed = windowed;
    pp.EnableAutoDepthStencil = !depthFormats.empty();
    pp.PresentationInterval = presentationInterval;
    if (!windowed) pp.FullScreen_RefreshRateInHz = mode.RefreshRate;
    logAdapterIdentifier(adapter);
    if (windowed)
      Log::detail(format("ウィンドウモード %dx%dで初期化します", mode.Width, mode.Height));
    else
      Log::detail(format("フルスクリーンモード %dx%d %dHz %s で初期化します", mode.Width, mode.Height, mode.RefreshRate,
                         PelmoraFormats::FormatName(mode.Format).c_str()));
    D3DCAPS9 caps;
    if (direct3D_->GetDeviceCaps(adapter, D3DDEVTYPE_HAL, &caps) == D3D_OK && !useREFDevice_) {
      Log::detail("ハードウェアアクセラレーションを利用します");
      pp.AutoDepthStencilFormat = chooseDepthFormat(adapter, D3DDEVTYPE_HAL, mode.Format, depthFormats);
      if (pp.AutoDepthStencilFormat == D3DFMT_UNKNOWN) pp.EnableAutoDepthStencil = false;
      uint32_t flags;
      if ((caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) && !useSoftwareVertexProcessing_) {
        Log::detail("ハードウェアT&Lを利用します");
        flags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
      } else {
        Log::detail("ソフトウェアT&Lを利用します");
        flags = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
      }
      ok = createDevice(adapter, D3DDEVTYPE_HAL, pp, flags);
    } else {
      Log::detail("ソフトウェアエミュレーションを利用します");
      pp.AutoDepthStencilFormat = chooseDepthFormat(adapter, D3DDEVTYPE_REF, mode.Format, depthFormats);
      if (pp.AutoDepthStencilFormat == D3DFMT_UNKNOWN) pp.EnableAutoDepthStencil = false;
      ok = createDevice(adapter, D3DDEVTYPE_REF, pp, D3DCREATE_SOFTWARE_VERTEXPROCESSING);
    }
  }
  Log::detail("■■■画面モードを初期化しました■■■");
  return ok;
}

bool TPelmora::createDevice(uint32_t adapter, D3DDEVTYPE type, D3DPRESENT_PARAMETERS params, uint32_t flags) {
  if (device_) {
    Log::detail("新しいデバイスの生成の前に、全ての関連オブジェクトを解放します");
    releaseDevice();
  }
  Log::detail("Direct3DDeviceオブジェクトの生成を行います");
  std::shared_ptr<IDirect3DDevice9> device;
  if (!Log::check(direct3D_->CreateDevice(adapter, type, window_, flags, &params, &device),
                  "Direct3DDeviceオブジェクトの生成に失敗しました"))
    return false;
  device_ = device;
  backBuffers_.clear();
  for (uint32_t i = 0; i < params.BackBufferCount; ++i) {
    std::shared_ptr<IDirect3DSurface9> surface;
    if (device_->GetBackBuffer(0, i, D3DBACKBUFFER_TYPE_MONO, &surface) == D3D_OK) backBuffers_.push_back(surface);
  }
  if (device_->GetDepthStencilSurface(&depthStencil_) != D3D_OK) depthStencil_.reset();
  presentParameters_ = params;
  adapter_ = adapter;
  deviceType_ = type;
  windowed_ = params.Windowed;
  backBufferWidth_ = static_cast<int>(params.BackBufferWidth);
  backBufferHeight_ = static_cast<int>(params.BackBufferHeight);
  backBufferFormat_ = params.BackBufferFormat;
  Log::detail("全てのPelmoraリソースを再構築します");
  RestoreAllResources();
  return true;
}

bool TPelmora::releaseDevice() {
  Log::detail("■■■Direct3Dデバイスを解放します■■■");
  bool ok = true;
  {
    Log::Section section;
    Log::detail("全てのPelmoraリソースを解放します");
    ReleaseAllResources();
    if (depthStencil_) {
      Log::detail("デプスステンシルサーフェスを解放します");
      ok &= Log::check(releaseReference(depthStencil_, device_ ? 1 : 0) == 0 ? D3D_OK : D3DERR_INVALIDCALL,
                       "デプスステンシルサーフェスの解放に失敗しました");
    }
    for (size_t i = 0; i < backBuffers_.size(); ++i) {
      Log::detail("バックバッファを解放します");
      ok &= Log::check(releaseReference(backBuffers_[i], device_ ? 1 : 0) == 0 ? D3D_OK : D3DERR_INVALIDCALL,
                       "バックバッファ #" + std::to_string(i) + "　の解放に失敗しました");
    }
    backBuffers_.clear();
    if (device_) {
      Log::detail("Direct3DDeviceオブジェクトの解放を行います");
      ok &= Log::check(releaseReference(device_) == 0 ? D3D_OK : D3DERR_INVALIDCALL,
                       "Direct3DDeviceオブジェクトの解放に失敗しました");
    }
    device_.reset();
  }
  Log::detail("■■■Direct3Dデバイスを解放しました■■■");
  return ok;
}

std::shared_ptr<IDirect3DSurface9> TPelmora::GetBackBuffer(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= backBuffers_.size()) return nullptr;
  return backBuffers_[static_cast<size_t>(index)];
}

int32_t TPelmora::RegisterResource(void* owner, const std::string& ownerClass, const std::string& name,
                                   std::function<void()> release, std::function<void()> restore,
                                   std::function<void()> releaseIfDefaultPool,
                                   std::function<void()> restoreIfDefaultPool, std::function<void()> detach) {
  const int32_t id = nextResourceID_++;
  Log::detail(format("Pelmoraリソース(%s)を登録します ID は %d(%s) です", ownerClass.c_str(), id,
                     Cp932::toUtf8(name).c_str()));
  resources_.push_back(TPMResourceDesc{id, name, ownerClass, owner, std::move(release), std::move(restore),
                                       std::move(releaseIfDefaultPool), std::move(restoreIfDefaultPool),
                                       std::move(detach)});
  return id;
}

bool TPelmora::UnregisterResource(int32_t id) {
  auto it = std::find_if(resources_.begin(), resources_.end(), [id](const TPMResourceDesc& d) { return d.ID == id; });
  if (it == resources_.end())
    return Log::fail(format("リストに入ってないPelmoraリソース(ID:%d)が、UnregisterResource手続きに渡されました", id));
  Log::detail(format("Pelmoraリソース(%s) : ID %d(%s) を登録解除します", it->OwnerClass.c_str(), it->ID,
                     Cp932::toUtf8(it->Name).c_str()));
  resources_.erase(it);
  return true;
}

void TPelmora::ReleaseAllResources() {
  // A callback may unregister entries, so walk a copy of the IDs.
  std::vector<TPMResourceDesc> entries = resources_;
  for (const auto& d : entries)
    if (d.Release) d.Release();
}

void TPelmora::RestoreAllResources() {
  std::vector<TPMResourceDesc> entries = resources_;
  for (const auto& d : entries)
    if (d.Restore) d.Restore();
}

}  // namespace zelvo
