// The software implementation of the device interfaces.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/D3D9Faults.h"
#include "platform/d3d9/Rasterizer.h"

namespace zelvo::d3d9 {

namespace {

HRESULT fault(const char* call) { return faultPlan().check(call); }

bool isColourFormat(D3DFORMAT f) { return f == D3DFMT_A8R8G8B8 || f == D3DFMT_X8R8G8B8; }

class SoftTexture;

// What one frame asks of the back buffer. Draws are recorded and rasterised when their result
// is needed (a present or a lock), so a frame that repeats the last one exactly (a game waiting
// for a key) costs no rasterising at all.
struct DrawCommand {
  enum class Kind { Clear, Quad } kind = Kind::Clear;
  uint32_t color = 0;
  Quad quad;
  std::shared_ptr<SoftTexture> texture;  // kept alive until the draw is rasterised and compared
  uint64_t textureVersion = 0;
  bool blend = false;
  // Paints every pixel of the target opaquely, so what was there before cannot show.
  bool hidesTarget = false;
  bool operator==(const DrawCommand& o) const;
};

// One ARGB pixel array with the lock state a surface or texture level keeps.
class PixelStore {
 public:
  PixelStore(uint32_t width, uint32_t height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0) {}

  HRESULT lock(D3DLOCKED_RECT* locked, const RECT* rect, uint32_t flags) {
    if (locked == nullptr || locked_) return D3DERR_INVALIDCALL;
    RECT r{0, 0, int32_t(width_), int32_t(height_)};
    if (rect != nullptr) {
      r = *rect;
      if (r.left < 0 || r.top < 0 || r.right > int32_t(width_) || r.bottom > int32_t(height_) ||
          r.left > r.right || r.top > r.bottom)
        return D3DERR_INVALIDCALL;
    }
    locked->Pitch = int32_t(width_ * 4);
    locked->pBits = pixels_.data() + static_cast<size_t>(r.top) * width_ + r.left;
    locked_ = true;
    if (!(flags & D3DLOCK_READONLY)) ++version_;
    return D3D_OK;
  }
  HRESULT unlock() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    return D3D_OK;
  }
  PixelView view() { return PixelView{pixels_.data(), int(width_), int(height_), int(width_)}; }
  uint32_t width() const { return width_; }
  uint32_t height() const { return height_; }
  std::vector<uint32_t>& pixels() { return pixels_; }
  // Changes with every lock that may write.
  uint64_t version() const { return version_; }

 private:
  uint32_t width_, height_;
  std::vector<uint32_t> pixels_;
  bool locked_ = false;
  uint64_t version_ = 0;
};

// The back buffer with the draws not yet rasterised into it.
class Scene {
 public:
  static constexpr size_t kMaxPending = 65536;
  Scene(uint32_t width, uint32_t height) : target_(width, height) {}

  PixelStore& target() { return target_; }
  void record(DrawCommand command) {
    // A program that draws without ever presenting still keeps its memory bounded.
    if (pending_.size() >= kMaxPending) flush();
    pending_.push_back(std::move(command));
  }
  // Brings the back buffer up to date with every recorded draw.
  void flush();
  // Before a write to texture: its pending draws must see its old texels.
  void flushIfUses(const SoftTexture* texture);
  // The buffer is about to be written from outside.
  void forgetResult() {
    flush();
    resultOf_.clear();
    ++serial_;
  }
  // Changes whenever the back buffer's pixels may have changed.
  uint64_t serial() const { return serial_; }

 private:
  PixelStore target_;
  std::vector<DrawCommand> pending_;
  // The draws, starting with a full clear, whose result the buffer holds; empty when unknown.
  std::vector<DrawCommand> resultOf_;
  uint64_t serial_ = 1;
};

// The back buffer seen from outside: a lock first brings it up to date.
class SoftSurface final : public IDirect3DSurface9 {
 public:
  SoftSurface(std::shared_ptr<Scene> scene, D3DFORMAT format)
      : scene_(std::move(scene)), store_(scene_->target()), format_(format) {}
  HRESULT GetDesc(D3DSURFACE_DESC* desc) override {
    if (HRESULT f = fault("GetDesc")) return f;
    if (desc == nullptr) return D3DERR_INVALIDCALL;
    *desc = D3DSURFACE_DESC{format_, D3DRTYPE_SURFACE, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT, store_.width(),
                            store_.height()};
    return D3D_OK;
  }
  HRESULT LockRect(D3DLOCKED_RECT* locked, const RECT* rect, uint32_t flags) override {
    if (HRESULT f = fault("LockRect")) return f;
    if (flags & D3DLOCK_READONLY)
      scene_->flush();
    else
      scene_->forgetResult();
    return store_.lock(locked, rect, flags);
  }
  HRESULT UnlockRect() override {
    if (HRESULT f = fault("UnlockRect")) return f;
    return store_.unlock();
  }

 private:
  std::shared_ptr<Scene> scene_;
  PixelStore& store_;
  D3DFORMAT format_;
};

class SoftTexture final : public IDirect3DTexture9 {
 public:
  SoftTexture(uint32_t w, uint32_t h, uint32_t usage, D3DFORMAT format, D3DPOOL pool, std::weak_ptr<Scene> scene)
      : store_(w, h), usage_(usage), format_(format), pool_(pool), scene_(std::move(scene)) {}
  uint32_t GetLevelCount() override { return 1; }
  HRESULT GetLevelDesc(uint32_t level, D3DSURFACE_DESC* desc) override {
    if (HRESULT f = fault("GetLevelDesc")) return f;
    if (level != 0 || desc == nullptr) return D3DERR_INVALIDCALL;
    *desc = D3DSURFACE_DESC{format_, D3DRTYPE_SURFACE, usage_, pool_, store_.width(), store_.height()};
    return D3D_OK;
  }
  HRESULT LockRect(uint32_t level, D3DLOCKED_RECT* locked, const RECT* rect, uint32_t flags) override {
    if (HRESULT f = fault("LockRect")) return f;
    if (level != 0) return D3DERR_INVALIDCALL;
    if (!(flags & D3DLOCK_READONLY))
      if (auto scene = scene_.lock()) scene->flushIfUses(this);
    return store_.lock(locked, rect, flags);
  }
  HRESULT UnlockRect(uint32_t level) override {
    if (HRESULT f = fault("UnlockRect")) return f;
    if (level != 0) return D3DERR_INVALIDCALL;
    return store_.unlock();
  }
  PixelStore& store() { return store_; }
  D3DFORMAT format() const { return format_; }
  // Every texel's alpha is 255; worked out once for each version of the texels.
  bool opaque() {
    if (opaqueVersion_ != store_.version() || !opaqueKnown_) {
      const auto& px = store_.pixels();
      opaque_ = std::all_of(px.begin(), px.end(), [](uint32_t t) { return (t >> 24) == 0xFF; });
      opaqueVersion_ = store_.version();
      opaqueKnown_ = true;
    }
    return opaque_;
  }

 private:
  PixelStore store_;
  uint32_t usage_;
  D3DFORMAT format_;
  D3DPOOL pool_;
  std::weak_ptr<Scene> scene_;
  bool opaque_ = false, opaqueKnown_ = false;
  uint64_t opaqueVersion_ = 0;
};

bool sameCorner(const QuadCorner& a, const QuadCorner& b) {
  return a.x == b.x && a.y == b.y && a.diffuse == b.diffuse && a.u == b.u && a.v == b.v;
}

bool DrawCommand::operator==(const DrawCommand& o) const {
  if (kind != o.kind) return false;
  if (kind == Kind::Clear) return color == o.color;
  return texture == o.texture && textureVersion == o.textureVersion && blend == o.blend &&
         quad.textured == o.quad.textured && sameCorner(quad.topLeft, o.quad.topLeft) &&
         sameCorner(quad.topRight, o.quad.topRight) && sameCorner(quad.bottomLeft, o.quad.bottomLeft) &&
         sameCorner(quad.bottomRight, o.quad.bottomRight);
}

void Scene::flush() {
  if (pending_.empty()) return;
  // From the last draw that hides everything before it, the result depends on the draws alone.
  const bool fromClear = std::any_of(pending_.begin(), pending_.end(), [](const DrawCommand& c) {
    return c.kind == DrawCommand::Kind::Clear || c.hidesTarget;
  });
  if (fromClear && pending_ == resultOf_) {
    pending_.clear();
    return;
  }
  PixelView target = target_.view();
  for (const DrawCommand& c : pending_) {
    if (c.kind == DrawCommand::Kind::Clear) {
      std::fill(target_.pixels().begin(), target_.pixels().end(), c.color);
      continue;
    }
    PixelView tex;
    if (c.texture) tex = c.texture->store().view();
    drawQuad(target, c.quad, c.texture ? &tex : nullptr, c.blend);
  }
  ++serial_;
  if (fromClear)
    resultOf_.swap(pending_);
  else
    resultOf_.clear();
  pending_.clear();
}

void Scene::flushIfUses(const SoftTexture* texture) {
  for (const DrawCommand& c : pending_)
    if (c.texture.get() == texture) return flush();
}

constexpr uint32_t kTextureMemory = 256u * 1024u * 1024u;

class SoftDevice final : public IDirect3DDevice9 {
 public:
  SoftDevice(const D3DPRESENT_PARAMETERS& params, D3DCAPS9 caps)
      : params_(params),
        caps_(caps),
        scene_(std::make_shared<Scene>(params.BackBufferWidth, params.BackBufferHeight)),
        backBuffer_(std::make_shared<SoftSurface>(scene_, params.BackBufferFormat)) {}

  HRESULT GetDeviceCaps(D3DCAPS9* caps) override {
    if (HRESULT f = fault("GetDeviceCaps")) return f;
    if (caps == nullptr) return D3DERR_INVALIDCALL;
    *caps = caps_;
    return D3D_OK;
  }
  uint32_t GetAvailableTextureMem() override { return kTextureMemory; }

  HRESULT GetBackBuffer(uint32_t swapChain, uint32_t index, D3DBACKBUFFER_TYPE,
                        std::shared_ptr<IDirect3DSurface9>* surface) override {
    if (HRESULT f = fault("GetBackBuffer")) return f;
    if (surface == nullptr || swapChain != 0 || index != 0) return D3DERR_INVALIDCALL;
    *surface = backBuffer_;
    return D3D_OK;
  }
  HRESULT GetDepthStencilSurface(std::shared_ptr<IDirect3DSurface9>* surface) override {
    if (surface != nullptr) surface->reset();
    if (HRESULT f = fault("GetDepthStencilSurface")) return f;
    return D3DERR_NOTFOUND;  // no depth formats are offered
  }

  HRESULT CreateTexture(uint32_t width, uint32_t height, uint32_t, uint32_t usage, D3DFORMAT format, D3DPOOL pool,
                        std::shared_ptr<IDirect3DTexture9>* texture, void*) override {
    if (texture != nullptr) texture->reset();
    if (HRESULT f = fault("CreateTexture")) return f;
    if (texture == nullptr || width == 0 || height == 0 || !isColourFormat(format)) return D3DERR_INVALIDCALL;
    // Refused before anything is allocated.
    if (width > caps_.MaxTextureWidth || height > caps_.MaxTextureHeight) return D3DERR_INVALIDCALL;
    *texture = std::make_shared<SoftTexture>(width, height, usage, format, pool, scene_);
    return D3D_OK;
  }

  HRESULT Clear(uint32_t count, const RECT* rects, uint32_t flags, uint32_t color, float, uint32_t) override {
    if (HRESULT f = fault("Clear")) return f;
    if (count != 0 || rects != nullptr) return D3DERR_INVALIDCALL;
    if (flags & D3DCLEAR_TARGET) {
      DrawCommand clear;
      clear.color = color;
      scene_->record(std::move(clear));
    }
    return D3D_OK;
  }

  HRESULT Present(const RECT* source, const RECT* dest, ID3D9Window* override, const void* dirty) override {
    if (HRESULT f = fault("Present")) return f;
    if (source != nullptr || dest != nullptr || dirty != nullptr) return D3DERR_INVALIDCALL;
    ID3D9Window* window = override != nullptr ? override : params_.hDeviceWindow;
    scene_->flush();
    if (window != nullptr) {
      // One buffer reused frame after frame; the window copies what it keeps.
      if (shownSceneSerial_ != scene_->serial()) {
        PixelStore& target = scene_->target();
        // Drawn again to the same picture (a splash over itself): still the same frame.
        const bool same = presented_.width == int(target.width()) && presented_.height == int(target.height()) &&
                          presented_.pixels == target.pixels();
        if (!same) {
          presented_.width = int(target.width());
          presented_.height = int(target.height());
          presented_.pixels.assign(target.pixels().begin(), target.pixels().end());
          ++presentedSerial_;
        }
        presented_.serial = presentedSerial_;
        shownSceneSerial_ = scene_->serial();
      }
      window->showFrame(presented_, !params_.Windowed);
    }
    return D3D_OK;
  }

  HRESULT BeginScene() override {
    if (HRESULT f = fault("BeginScene")) return f;
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
  }
  HRESULT EndScene() override {
    if (HRESULT f = fault("EndScene")) return f;
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
  }
  HRESULT SetFVF(uint32_t fvf) override {
    if (HRESULT f = fault("SetFVF")) return f;
    fvf_ = fvf;
    return D3D_OK;
  }
  HRESULT SetRenderState(D3DRENDERSTATETYPE state, uint32_t value) override {
    if (HRESULT f = fault("SetRenderState")) return f;
    switch (state) {
      case D3DRS_ALPHABLENDENABLE: blendEnabled_ = value != 0; break;
      case D3DRS_SRCBLEND: srcBlend_ = value; break;
      case D3DRS_DESTBLEND: destBlend_ = value; break;
      default: break;
    }
    return D3D_OK;
  }
  HRESULT SetTextureStageState(uint32_t stage, D3DTEXTURESTAGESTATETYPE, uint32_t) override {
    if (HRESULT f = fault("SetTextureStageState")) return f;
    // Stage 0 always modulates texture and diffuse, the one combination the player sets.
    return stage == 0 ? D3D_OK : D3DERR_INVALIDCALL;
  }
  HRESULT SetTexture(uint32_t stage, std::shared_ptr<IDirect3DTexture9> texture) override {
    if (HRESULT f = fault("SetTexture")) return f;
    if (stage != 0) return D3DERR_INVALIDCALL;
    auto soft = std::dynamic_pointer_cast<SoftTexture>(texture);
    if (texture && !soft) return D3DERR_INVALIDCALL;
    texture_ = std::move(soft);
    return D3D_OK;
  }

  HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, uint32_t count, const void* vertices, uint32_t stride) override {
    if (HRESULT f = fault("DrawPrimitiveUP")) return f;
    if (!inScene_ || vertices == nullptr || type != D3DPT_TRIANGLESTRIP || count != 2) return D3DERR_INVALIDCALL;
    const bool textured = fvf_ == (D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    if (!textured && fvf_ != (D3DFVF_XYZRHW | D3DFVF_DIFFUSE)) return D3DERR_INVALIDCALL;
    if (stride != (textured ? 28u : 20u)) return D3DERR_INVALIDCALL;
    DrawCommand draw;
    draw.kind = DrawCommand::Kind::Quad;
    draw.quad.textured = textured;
    const auto* bytes = static_cast<const uint8_t*>(vertices);
    QuadCorner* corners[4] = {&draw.quad.topLeft, &draw.quad.topRight, &draw.quad.bottomLeft, &draw.quad.bottomRight};
    for (int i = 0; i < 4; ++i) readCorner(bytes + i * stride, textured, *corners[i]);
    draw.texture = texture_;
    if (texture_) draw.textureVersion = texture_->store().version();
    draw.blend = blendEnabled_ && srcBlend_ == D3DBLEND_SRCALPHA && destBlend_ == D3DBLEND_INVSRCALPHA;
    draw.hidesTarget = hidesTarget(draw);
    scene_->record(std::move(draw));
    return D3D_OK;
  }

 private:
  // A splash picture drawn over the last frame: opaque texels over every pixel.
  bool hidesTarget(const DrawCommand& d) const {
    const Quad& q = d.quad;
    const PixelStore& target = scene_->target();
    const bool finite = std::isfinite(q.topLeft.x) && std::isfinite(q.topLeft.y) && std::isfinite(q.bottomRight.x) &&
                        std::isfinite(q.bottomRight.y);
    if (!finite || !(q.topLeft.x <= 0 && q.topLeft.y <= 0 && q.bottomRight.x > float(target.width()) - 1 &&
                     q.bottomRight.y > float(target.height()) - 1))
      return false;
    if (!d.blend) return true;
    if ((q.topLeft.diffuse >> 24) != 0xFF) return false;
    return !q.textured || !d.texture || d.texture->opaque();
  }

  static void readCorner(const uint8_t* p, bool textured, QuadCorner& c) {
    std::memcpy(&c.x, p, 4);
    std::memcpy(&c.y, p + 4, 4);
    std::memcpy(&c.diffuse, p + 16, 4);
    if (textured) {
      std::memcpy(&c.u, p + 20, 4);
      std::memcpy(&c.v, p + 24, 4);
    }
  }

  D3DPRESENT_PARAMETERS params_;
  D3DCAPS9 caps_;
  std::shared_ptr<Scene> scene_;
  std::shared_ptr<SoftSurface> backBuffer_;
  std::shared_ptr<SoftTexture> texture_;
  Frame presented_;
  uint64_t presentedSerial_ = 0;  // numbers the distinct pictures presented
  uint64_t shownSceneSerial_ = 0;
  uint32_t fvf_ = 0;
  bool inScene_ = false;
  bool blendEnabled_ = false;
  uint32_t srcBlend_ = D3DBLEND_ONE;
  uint32_t destBlend_ = D3DBLEND_ZERO;
};

class SoftDirect3D final : public IDirect3D9 {
 public:
  HRESULT GetAdapterDisplayMode(uint32_t adapter, D3DDISPLAYMODE* mode) override {
    if (HRESULT f = fault("GetAdapterDisplayMode")) return f;
    if (adapter != 0 || mode == nullptr) return D3DERR_INVALIDCALL;
    *mode = D3DDISPLAYMODE{kScreenWidth, kScreenHeight, 60, D3DFMT_X8R8G8B8};
    return D3D_OK;
  }
  HRESULT GetAdapterIdentifier(uint32_t adapter, uint32_t, D3DADAPTER_IDENTIFIER9* id) override {
    if (HRESULT f = fault("GetAdapterIdentifier")) return f;
    if (adapter != 0 || id == nullptr) return D3DERR_INVALIDCALL;
    *id = D3DADAPTER_IDENTIFIER9{};
    std::strcpy(id->Driver, "zelvo-soft");
    std::strcpy(id->Description, "Zelvo software rasteriser");
    return D3D_OK;
  }
  HRESULT GetDeviceCaps(uint32_t adapter, D3DDEVTYPE type, D3DCAPS9* caps) override {
    if (HRESULT f = fault("GetDeviceCaps")) return f;
    if (adapter != 0 || caps == nullptr) return D3DERR_INVALIDCALL;
    *caps = capsFor(type);
    return D3D_OK;
  }
  HRESULT CheckDeviceFormat(uint32_t adapter, D3DDEVTYPE, D3DFORMAT, uint32_t, D3DRESOURCETYPE,
                            D3DFORMAT check) override {
    if (HRESULT f = fault("CheckDeviceFormat")) return f;
    if (adapter != 0) return D3DERR_INVALIDCALL;
    return isColourFormat(check) ? D3D_OK : D3DERR_NOTAVAILABLE;
  }
  HRESULT CheckDepthStencilMatch(uint32_t, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, D3DFORMAT) override {
    if (HRESULT f = fault("CheckDepthStencilMatch")) return f;
    return D3DERR_NOTAVAILABLE;  // no depth formats
  }
  HRESULT CreateDevice(uint32_t adapter, D3DDEVTYPE type, ID3D9Window* focus, uint32_t,
                       D3DPRESENT_PARAMETERS* params, std::shared_ptr<IDirect3DDevice9>* device) override {
    if (device != nullptr) device->reset();
    if (HRESULT f = fault("CreateDevice")) return f;
    if (adapter != 0 || params == nullptr || device == nullptr) return D3DERR_INVALIDCALL;
    if (params->hDeviceWindow == nullptr) params->hDeviceWindow = focus;
    if (params->hDeviceWindow == nullptr || params->EnableAutoDepthStencil) return D3DERR_INVALIDCALL;
    if (params->Windowed) {
      if (params->BackBufferWidth == 0) params->BackBufferWidth = uint32_t(std::max(params->hDeviceWindow->clientWidth(), 1));
      if (params->BackBufferHeight == 0) params->BackBufferHeight = uint32_t(std::max(params->hDeviceWindow->clientHeight(), 1));
      if (params->BackBufferFormat == D3DFMT_UNKNOWN) params->BackBufferFormat = D3DFMT_X8R8G8B8;
    } else if (params->BackBufferWidth == 0 || params->BackBufferHeight == 0) {
      return D3DERR_INVALIDCALL;
    }
    if (!isColourFormat(params->BackBufferFormat)) return D3DERR_INVALIDCALL;
    if (params->BackBufferWidth > kMaxTextureSize || params->BackBufferHeight > kMaxTextureSize)
      return D3DERR_INVALIDCALL;
    if (params->BackBufferCount == 0) params->BackBufferCount = 1;
    if (params->BackBufferCount != 1) return D3DERR_INVALIDCALL;
    *device = std::make_shared<SoftDevice>(*params, capsFor(type));
    return D3D_OK;
  }

 private:
  static D3DCAPS9 capsFor(D3DDEVTYPE type) {
    D3DCAPS9 caps;
    caps.DeviceType = type;
    caps.DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    caps.TextureCaps = 0;
    caps.MaxTextureWidth = kMaxTextureSize;
    caps.MaxTextureHeight = kMaxTextureSize;
    return caps;
  }
};

}  // namespace

std::shared_ptr<IDirect3D9> Direct3DCreate9(uint32_t sdkVersion) {
  if (faultPlan().check("Direct3DCreate9") != D3D_OK || sdkVersion != D3D_SDK_VERSION) return nullptr;
  return std::make_shared<SoftDirect3D>();
}

}  // namespace zelvo::d3d9
