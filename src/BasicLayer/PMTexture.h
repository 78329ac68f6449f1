#pragma once
// TPMTexture: a device texture that the wrapper releases and restores with the device, loads BMP
// pictures (a file, a stream, a bitmap, an archive entry), saves them as 32-bit BMPs and offers
// texel access.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"
#include "platform/core/MemoryStream.h"
#include "platform/d3d9/D3D9.h"

class QImage;

namespace zelvo {

class TPelmora;

enum class TextureSource : int { None = 0, File = 1, Archive = 2, TextureOnly = 3 };

class TPMTexture {
 public:
  // Registers with the wrapper; no device texture yet. name is CP932.
  TPMTexture(TPelmora& owner, std::vector<d3d9::D3DFORMAT> formats, uint32_t usage, d3d9::D3DPOOL pool,
             uint32_t levels, std::string name);
  ~TPMTexture();
  TPMTexture(const TPMTexture&) = delete;
  TPMTexture& operator=(const TPMTexture&) = delete;

  // A texture of this size filled with FillColor. A size past the device's cap is refused before
  // anything is allocated: the texture stays empty and false is returned.
  bool SetSize(int width, int height);

  // A BMP file (CP932 path built by the program, resolved with NativePath), or with a non-empty
  // archiveName the entry nameOrID of that archive. A picture that cannot be loaded leaves the
  // texture empty (0 x 0), is reported on stderr, and gives false; play goes on.
  bool LoadFromFile(const std::string& nameOrID, const std::string& archiveName = {});
  // A BMP starting at the stream's position.
  bool LoadFromStream(ByteStream& stream);
  // The bitmap saved as a 24-bit BMP, then loaded like a stream.
  bool LoadFromBitmap(const QImage& bitmap);
  // The image (Width x Height) as a 32-bit bottom-up BMP.
  void SaveToStream(ByteStream& stream);

  bool LockRect(uint32_t level, const d3d9::RECT* rect, uint32_t flags, int32_t* pitch, uint8_t** bits);
  bool UnlockRect();
  // The texel in the texture's format; 0 after a failed check.
  // A texture with no picture (never sized, or a picture that could not be loaded) has no texels:
  // GetTexel gives 0 and the texel operations below do nothing, so a lost picture never halts.
  uint32_t GetTexel(uint32_t level, int x, int y);

  using TexelCallback = std::function<uint32_t(TPMTexture& texture, uint32_t texel, int x, void* data, int y)>;
  void ForEachTexel(const d3d9::RECT& rect, const TexelCallback& callback, void* data);
  void Fill(const d3d9::RECT& rect, uint32_t color, bool keepAlpha);
  void SetColorKey(const d3d9::RECT& rect, uint32_t keyColor);

  int32_t ID() const { return id_; }
  const std::string& Name() const { return name_; }
  TPelmora* Owner() const { return owner_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int TextureWidth() const { return textureWidth_; }
  int TextureHeight() const { return textureHeight_; }
  float RatioX() const { return ratioX_; }
  float RatioY() const { return ratioY_; }
  d3d9::D3DFORMAT Format() const { return format_; }
  const std::shared_ptr<d3d9::IDirect3DTexture9>& Texture() const { return texture_; }
  uint32_t Usage() const { return usage_; }
  d3d9::D3DPOOL Pool() const { return pool_; }
  uint32_t Levels() const { return levels_; }
  uint32_t FillColor() const { return fillColor_; }
  void SetFillColor(uint32_t argb) { fillColor_ = argb; }
  bool Locked() const { return locked_; }
  int BytesPerTexel() const { return bytesPerTexel_; }
  bool KeepsContent() const { return pool_ != d3d9::D3DPOOL_DEFAULT; }
  TextureSource Source() const { return source_; }
  const std::string& FileName() const { return fileName_; }
  const std::string& ArchiveName() const { return archiveName_; }
  const std::string& EntryID() const { return entryID_; }
  bool HasSavedImage() const { return savedImage_ != nullptr; }

 private:
  bool isPictureless() const { return !texture_ && width_ == 0 && height_ == 0; }
  bool createTexture();
  bool loadBmp(ByteStream& stream, const std::string& errorText);
  void makeEmpty();
  void onRelease();
  void onRestore();
  bool checkTexture(const char* call);

  TPelmora* owner_;
  int32_t id_ = -1;
  std::string name_;
  std::vector<d3d9::D3DFORMAT> formats_;
  d3d9::D3DFORMAT format_ = d3d9::D3DFMT_UNKNOWN;
  int width_ = 0, height_ = 0;
  int textureWidth_ = 0, textureHeight_ = 0;
  float ratioX_ = 0, ratioY_ = 0;
  std::shared_ptr<d3d9::IDirect3DTexture9> texture_;
  uint32_t usage_;
  d3d9::D3DPOOL pool_;
  uint32_t levels_;
  uint32_t fillColor_ = 0;
  bool locked_ = false;
  uint32_t lockedLevel_ = 0;
  d3d9::RECT lockedRect_{};
  int32_t pitch_ = 0;
  uint8_t* bits_ = nullptr;
  int bytesPerTexel_ = 0;
  TextureSource source_ = TextureSource::None;
  std::string fileName_, archiveName_, entryID_;
  std::unique_ptr<MemoryStream> savedImage_;
  bool restoring_ = false;
};

}  // namespace zelvo
