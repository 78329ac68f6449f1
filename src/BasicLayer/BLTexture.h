#pragma once
// One picture in video memory, loaded from a BMP (with a material's colour changes) or made from
// a canvas. Width and height are the picture's, not the possibly larger device texture's.

#include <cstdint>
#include <memory>

namespace zelvo {

namespace d3d9 {
class IDirect3D9;
class IDirect3DDevice9;
class IDirect3DTexture9;
}  // namespace d3d9

class IZelvoMaterialModel;
class IBLCanvas;
class TPelmora;
class TPMTexture;

class IBLTexture {
 public:
  virtual ~IBLTexture() = default;
  // A missing file leaves the texture as it was. material may be null.
  virtual void LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) = 0;
  virtual int32_t GetWidth() = 0;
  virtual int32_t GetHeight() = 0;
  // True: black texels become transparent, all others opaque. False changes nothing.
  virtual void SetColorKey(bool value) = 0;
  virtual bool GetColorKey() = 0;
  // Every texel whose whole ARGB value equals source becomes target.
  virtual void ReplaceColor(uint32_t source, uint32_t target) = 0;
  virtual void Reserved() = 0;
  // No new reference; null while the texture holds no picture.
  virtual d3d9::IDirect3DTexture9* GetD3DTexture() = 0;
};

class TBLTexture : public virtual IBLTexture {
 public:
  explicit TBLTexture(TPelmora& owner);
  // Takes the canvas's size and pixels as they are now.
  TBLTexture(TPelmora& owner, IBLCanvas& canvas);
  ~TBLTexture() override;
  TBLTexture(const TBLTexture&) = delete;
  TBLTexture& operator=(const TBLTexture&) = delete;

  void LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) override;
  int32_t GetWidth() override;
  int32_t GetHeight() override;
  void SetColorKey(bool value) override;
  bool GetColorKey() override { return colorKey_; }
  void ReplaceColor(uint32_t source, uint32_t target) override;
  void Reserved() override {}
  d3d9::IDirect3DTexture9* GetD3DTexture() override;

  TPMTexture& GetPMTexture() { return *texture_; }

 private:
  std::unique_ptr<TPMTexture> texture_;
  bool colorKey_ = false;
};

}  // namespace zelvo
