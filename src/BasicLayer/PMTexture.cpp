#include "BasicLayer/PMTexture.h"

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "BasicLayer/PMTextureBmp.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/PelmoraFormats.h"
#include "BasicLayer/PelmoraLog.h"
#include "BasicLayer/TSArc.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/FileStream.h"
#include "platform/d3d9/D3D9Faults.h"

namespace zelvo {

using namespace d3d9;
namespace Log = PelmoraLog;
using PelmoraLog::format;

namespace {

uint32_t readTexel(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  std::memcpy(&v, p, static_cast<size_t>(std::clamp(bytes, 0, 4)));
  return v;
}

void writeTexel(uint8_t* p, int bytes, uint32_t v) { std::memcpy(p, &v, static_cast<size_t>(std::clamp(bytes, 0, 4))); }

int nextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p <<= 1;
  return p;
}


}  // namespace

TPMTexture::TPMTexture(TPelmora& owner, std::vector<D3DFORMAT> formats, uint32_t usage, D3DPOOL pool,
                       uint32_t levels, std::string name)
    : owner_(&owner), name_(std::move(name)), formats_(std::move(formats)), usage_(usage), pool_(pool), levels_(levels) {
  id_ = owner.RegisterResource(
      this, "TPMTexture", name_, [this] { onRelease(); }, [this] { onRestore(); },
      [this] {
        if (pool_ == D3DPOOL_DEFAULT) onRelease();
      },
      [this] {
        if (pool_ == D3DPOOL_DEFAULT) SetSize(width_, height_);
      },
      [this] {
        texture_.reset();
        owner_ = nullptr;
      });
}

TPMTexture::~TPMTexture() {
  if (locked_ && texture_) texture_->UnlockRect(lockedLevel_);
  texture_.reset();
  savedImage_.reset();
  if (owner_ != nullptr) owner_->UnregisterResource(id_);
}

void TPMTexture::makeEmpty() {
  texture_.reset();
  locked_ = false;
  width_ = height_ = textureWidth_ = textureHeight_ = 0;
  ratioX_ = ratioY_ = 0;
  source_ = TextureSource::None;
}

bool TPMTexture::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    makeEmpty();
    return true;
  }
  const auto& device = owner_ ? owner_->Device() : nullptr;
  if (!device) return Log::fail("テクスチャの生成に失敗しました");
  D3DCAPS9 caps;
  if (!Log::check(device->GetDeviceCaps(&caps), "テクスチャの生成に失敗しました")) return false;
  if (uint32_t(width) > caps.MaxTextureWidth || uint32_t(height) > caps.MaxTextureHeight) {
    std::string message =
        format("要求されたテクスチャのサイズは大きすぎます。%d x %d 以内にして下さい", caps.MaxTextureWidth, caps.MaxTextureHeight);
    // Refused before anything is allocated; the texture stays empty.
    makeEmpty();
    Log::reportLoadError(message, format("%d x %d", width, height));
    return false;
  }
  width_ = width;
  height_ = height;
  int tw = width, th = height;
  if (caps.TextureCaps & D3DPTEXTURECAPS_SQUAREONLY) tw = th = std::max(tw, th);
  if (caps.TextureCaps & D3DPTEXTURECAPS_POW2) {
    tw = nextPowerOfTwo(tw);
    th = nextPowerOfTwo(th);
  }
  textureWidth_ = tw;
  textureHeight_ = th;
  ratioX_ = float(width) / float(tw);
  ratioY_ = float(height) / float(th);
  if (!createTexture()) return false;
  if (!restoring_) {
    savedImage_.reset();
    source_ = TextureSource::TextureOnly;
  }
  return true;
}

bool TPMTexture::createTexture() {
  const auto& device = owner_->Device();
  if (texture_) {
    Log::detail("テクスチャの再生成に伴い、以前のテクスチャを解放します");
    if (locked_) texture_->UnlockRect(lockedLevel_);
    locked_ = false;
    texture_.reset();
    if (!Log::check(faultPlan().check("Release"), "テクスチャの解放に失敗しました")) return false;
  }
  format_ = owner_->BackBufferFormat();
  for (D3DFORMAT candidate : formats_) {
    if (owner_->Direct3D()->CheckDeviceFormat(owner_->Adapter(), owner_->DeviceType(), owner_->BackBufferFormat(),
                                              usage_, D3DRTYPE_TEXTURE, candidate) == D3D_OK) {
      format_ = candidate;
      break;
    }
  }
  Log::detail("使用されるフォーマットは " + PelmoraFormats::FormatName(format_) + " です");
  std::shared_ptr<IDirect3DTexture9> texture;
  if (!Log::check(device->CreateTexture(uint32_t(textureWidth_), uint32_t(textureHeight_), levels_, usage_, format_,
                                        pool_, &texture, nullptr),
                  "テクスチャの生成に失敗しました")) {
    makeEmpty();
    return false;
  }
  texture_ = texture;
  Log::detail(format("残りテクスチャ容量は、約%fメガです", device->GetAvailableTextureMem() / 1048576.0));
  bytesPerTexel_ = PelmoraFormats::BitsPerTexel(format_) / 8;

  D3DLOCKED_RECT locked;
  if (!Log::check(texture_->LockRect(0, &locked, nullptr, 0), "LockRectに失敗しました")) return false;
  const uint32_t fill = PelmoraFormats::ARGBToTexel(format_, fillColor_);
  auto* bits = static_cast<uint8_t*>(locked.pBits);
  for (int y = 0; y < textureHeight_; ++y)
    for (int x = 0; x < textureWidth_; ++x) writeTexel(bits + y * locked.Pitch + x * bytesPerTexel_, bytesPerTexel_, fill);
  return Log::check(texture_->UnlockRect(0), "アンロックに失敗しました");
}

bool TPMTexture::loadBmp(ByteStream& stream, const std::string& errorText) {
  try {
    const auto& device = owner_ ? owner_->Device() : nullptr;
    D3DCAPS9 caps;
    int maxSize = int(kMaxTextureSize);
    if (device && device->GetDeviceCaps(&caps) == D3D_OK)
      maxSize = int(std::min(caps.MaxTextureWidth, caps.MaxTextureHeight));
    PMTextureBmp::Info info = PMTextureBmp::readInfo(stream, maxSize);
    if (!SetSize(info.width, info.height)) return false;
    D3DSURFACE_DESC desc;
    if (!Log::check(texture_->GetLevelDesc(0, &desc), "LoadBMP中にサーフェスがロックできませんでした")) return false;
    int32_t pitch = 0;
    uint8_t* bits = nullptr;
    if (!LockRect(0, nullptr, 0, &pitch, &bits)) return false;
    PMTextureBmp::Level level{bits, pitch, int(desc.Width), int(desc.Height), desc.Format};
    try {
      PMTextureBmp::readPixels(stream, info, level);
    } catch (...) {
      UnlockRect();
      throw;
    }
    return UnlockRect();
  } catch (const EZelvoError& e) {
    makeEmpty();
    Log::reportLoadError(errorText, e.what());
    return false;
  }
}

bool TPMTexture::LoadFromFile(const std::string& nameOrID, const std::string& archiveName) {
  if (archiveName.empty()) {
    Log::detail(format("ID %d(%s) のテクスチャに、%s を読み込みます", id_, Cp932::toUtf8(name_).c_str(),
                       Cp932::toUtf8(nameOrID).c_str()));
    const std::string errorText = Cp932::toUtf8(nameOrID) + "からの、読み込みエラー";
    std::unique_ptr<FileStream> file;
    try {
      file = std::make_unique<FileStream>(RequireNativePath(nameOrID), FileStream::Mode::Read);
    } catch (const EZelvoError& e) {
      makeEmpty();
      Log::reportLoadError(errorText, e.what());
      return false;
    }
    if (!loadBmp(*file, errorText)) return false;
    source_ = TextureSource::File;
    fileName_ = nameOrID;
    return true;
  }
  Log::detail(format("ID %d(%s) のテクスチャに、TSAファイル%s から ID %s を読み込みます", id_,
                     Cp932::toUtf8(name_).c_str(), Cp932::toUtf8(archiveName).c_str(),
                     Cp932::toUtf8(nameOrID).c_str()));
  const std::string errorText = Cp932::toUtf8(nameOrID) + " ＠ " + Cp932::toUtf8(archiveName) + "からの、読み込みエラー";
  std::unique_ptr<MemoryStream> entry;
  try {
    entry = TSAReadFile(RequireNativePath(archiveName), nameOrID);
  } catch (const EZelvoError& e) {
    makeEmpty();
    Log::reportLoadError(errorText, e.what());
    return false;
  }
  if (!loadBmp(*entry, errorText)) return false;
  source_ = TextureSource::Archive;
  archiveName_ = archiveName;
  entryID_ = nameOrID;
  return true;
}

bool TPMTexture::LoadFromStream(ByteStream& stream) {
  Log::detail(format("ID %d のテクスチャに、ストリームから読み込みます", id_));
  if (!loadBmp(stream, "ストリームからの、読み込みエラー")) return false;
  source_ = TextureSource::TextureOnly;
  return true;
}

bool TPMTexture::LoadFromBitmap(const QImage& bitmap) {
  Log::detail(format("ID %d のテクスチャに、TBitmapから読み込みます", id_));
  MemoryStream stream;
  QImage image = bitmap.convertToFormat(QImage::Format_RGB32);
  if (!image.isNull() && image.width() > 0 && image.height() > 0)
    PMTextureBmp::write24(stream, reinterpret_cast<const uint32_t*>(image.constBits()), image.width(), image.height(),
                          int(image.bytesPerLine() / 4));
  stream.Seek(0);
  return LoadFromStream(stream);
}

void TPMTexture::SaveToStream(ByteStream& stream) {
  std::vector<uint32_t> argb(static_cast<size_t>(width_) * height_);
  if (texture_ && width_ > 0 && height_ > 0) {
    int32_t pitch = 0;
    uint8_t* bits = nullptr;
    if (!LockRect(0, nullptr, D3DLOCK_READONLY, &pitch, &bits)) return;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        argb[size_t(y) * width_ + x] =
            PelmoraFormats::TexelToARGB(format_, readTexel(bits + y * pitch + x * bytesPerTexel_, bytesPerTexel_));
    if (!UnlockRect()) return;
  }
  PMTextureBmp::write32(stream, argb.data(), width_, height_, width_);
}

bool TPMTexture::LockRect(uint32_t level, const RECT* rect, uint32_t flags, int32_t* pitch, uint8_t** bits) {
  if (!texture_) return Log::fail("テクスチャが確保されていません。LockRectの前にSetSizeするか、BMPを読み込んでください");
  D3DLOCKED_RECT locked;
  if (!Log::check(texture_->LockRect(level, &locked, rect, flags), "LockRectに失敗しました")) return false;
  locked_ = true;
  lockedLevel_ = level;
  lockedRect_ = rect ? *rect : RECT{0, 0, textureWidth_, textureHeight_};
  pitch_ = locked.Pitch;
  bits_ = static_cast<uint8_t*>(locked.pBits);
  if (pitch) *pitch = pitch_;
  if (bits) *bits = bits_;
  if (!(flags & D3DLOCK_READONLY) && source_ != TextureSource::None) source_ = TextureSource::TextureOnly;
  return true;
}

bool TPMTexture::UnlockRect() {
  if (!texture_) return Log::fail("アンロックに失敗しました");
  HRESULT r = texture_->UnlockRect(lockedLevel_);
  locked_ = false;
  bits_ = nullptr;
  return Log::check(r, "アンロックに失敗しました");
}

uint32_t TPMTexture::GetTexel(uint32_t level, int x, int y) {
  if (isPictureless()) return 0;
  if (!locked_) {
    // One texel wide, so the lock itself refuses a position outside the level.
    RECT r{x, y, x + 1, y + 1};
    int32_t pitch = 0;
    uint8_t* bits = nullptr;
    if (!LockRect(level, &r, D3DLOCK_READONLY, &pitch, &bits)) return 0;
    uint32_t t = readTexel(bits, bytesPerTexel_);
    UnlockRect();
    return t;
  }
  if (level != lockedLevel_) {
    Log::fail("ロックしたレベルと同じレベルでテクセルを操作してください");
    return 0;
  }
  if (x < lockedRect_.left || x >= lockedRect_.right || y < lockedRect_.top || y >= lockedRect_.bottom) {
    Log::fail("ロックした範囲外のテクセルを操作ようとしました");
    return 0;
  }
  return readTexel(bits_ + (y - lockedRect_.top) * pitch_ + (x - lockedRect_.left) * bytesPerTexel_, bytesPerTexel_);
}

void TPMTexture::ForEachTexel(const RECT& rect, const TexelCallback& callback, void* data) {
  if (isPictureless() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  int32_t pitch = 0;
  uint8_t* bits = nullptr;
  if (!LockRect(0, &rect, 0, &pitch, &bits)) return;
  for (int y = rect.top; y < rect.bottom; ++y) {
    uint8_t* row = bits + (y - rect.top) * pitch;
    for (int x = rect.left; x < rect.right; ++x) {
      uint8_t* p = row + (x - rect.left) * bytesPerTexel_;
      writeTexel(p, bytesPerTexel_, callback(*this, readTexel(p, bytesPerTexel_), x, data, y));
    }
  }
  UnlockRect();
}

void TPMTexture::Fill(const RECT& rect, uint32_t color, bool keepAlpha) {
  if (isPictureless() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  int32_t pitch = 0;
  uint8_t* bits = nullptr;
  if (!LockRect(0, &rect, 0, &pitch, &bits)) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (keepAlpha) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = bits + y * pitch + x * bytesPerTexel_;
        uint32_t argb = PelmoraFormats::TexelToARGB(format_, readTexel(p, bytesPerTexel_));
        writeTexel(p, bytesPerTexel_, PelmoraFormats::ARGBToTexel(format_, (argb & 0xFF000000u) | (color & 0x00FFFFFFu)));
      }
  } else if (w > 0 && h > 0) {
    const uint32_t t = PelmoraFormats::ARGBToTexel(format_, color);
    for (int x = 0; x < w; ++x) writeTexel(bits + x * bytesPerTexel_, bytesPerTexel_, t);
    for (int y = 1; y < h; ++y) std::memcpy(bits + y * pitch, bits, static_cast<size_t>(w) * bytesPerTexel_);
  }
  UnlockRect();
}

void TPMTexture::SetColorKey(const RECT& rect, uint32_t keyColor) {
  if (isPictureless()) return;
  const uint32_t key = PelmoraFormats::ARGBToTexel(format_, keyColor) & 0x00FFFFFFu;
  const D3DFORMAT f = format_;
  ForEachTexel(
      rect,
      [key, f](TPMTexture&, uint32_t texel, int, void*, int) {
        uint32_t argb = PelmoraFormats::TexelToARGB(f, texel);
        uint32_t alpha = (texel & 0x00FFFFFFu) == key ? 0 : 0xFF000000u;
        return PelmoraFormats::ARGBToTexel(f, (argb & 0x00FFFFFFu) | alpha);
      },
      nullptr);
}

void TPMTexture::onRelease() {
  if (!texture_) return;
  if (locked_) UnlockRect();
  if (source_ == TextureSource::TextureOnly && KeepsContent()) {
    savedImage_ = std::make_unique<MemoryStream>();
    SaveToStream(*savedImage_);
    savedImage_->Seek(0);
  }
  texture_.reset();
}

void TPMTexture::onRestore() {
  restoring_ = true;
  if (KeepsContent()) {
    switch (source_) {
      case TextureSource::None: SetSize(width_, height_); break;
      case TextureSource::File: LoadFromFile(std::string(fileName_), {}); break;
      case TextureSource::Archive: LoadFromFile(std::string(entryID_), std::string(archiveName_)); break;
      case TextureSource::TextureOnly:
        if (savedImage_) {
          LoadFromStream(*savedImage_);
          savedImage_.reset();
        } else {
          SetSize(width_, height_);
        }
        break;
    }
  } else {
    SetSize(width_, height_);
  }
  restoring_ = false;
}

}  // namespace zelvo
