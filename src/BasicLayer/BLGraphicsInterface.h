#pragma once
// The screen: clear, present, textured, tinted and plain alpha-blended quads, texture and canvas
// creation, and the switch between window and full screen.

#include <cstdint>
#include <memory>

#include "model/ZelvoCommonTypes.h"

namespace zelvo {

namespace d3d9 {
class IDirect3D9;
class IDirect3DDevice9;
class IDirect3DTexture9;
}  // namespace d3d9

class IBLTexture;
class IBLCanvas;
class TPelmora;

class IBLGraphicsInterface {
 public:
  using TRect = ZelvoCommonTypes::TRect;
  virtual ~IBLGraphicsInterface() = default;
  virtual void Present() = 0;
  virtual void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) = 0;
  virtual void DrawTexture(const TRect& dest, IBLTexture* texture, const TRect& source) = 0;
  // texture null: an untextured quad in color. A texture that holds no picture draws nothing.
  virtual void DrawTextureColored(const TRect& dest, IBLTexture* texture, const TRect& source, uint32_t color) = 0;
  virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) = 0;
  virtual std::shared_ptr<IBLTexture> CreateTexture() = 0;
  virtual std::shared_ptr<IBLTexture> CreateTextureFromCanvas(IBLCanvas& canvas) = 0;
  // Throws EZelvoError for a side of 0, negative or too large.
  virtual std::shared_ptr<IBLCanvas> CreateCanvas(int32_t width, int32_t height) = 0;
  virtual std::shared_ptr<IBLCanvas> CreateCanvasFromFile(const char* fileName) = 0;
  virtual d3d9::IDirect3D9* GetDirect3D() = 0;
  virtual d3d9::IDirect3DDevice9* GetDevice() = 0;
  virtual void SetFullScreen(bool value) = 0;
  virtual bool IsFullScreen() = 0;
};

class TBLGraphicsInterface : public virtual IBLGraphicsInterface {
 public:
  // pelmora: not owned; it outlives the graphics interface.
  explicit TBLGraphicsInterface(TPelmora& pelmora) : pelmora_(&pelmora) {}

  void Present() override;
  void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  void DrawTexture(const TRect& dest, IBLTexture* texture, const TRect& source) override;
  void DrawTextureColored(const TRect& dest, IBLTexture* texture, const TRect& source, uint32_t color) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override;
  std::shared_ptr<IBLTexture> CreateTexture() override;
  std::shared_ptr<IBLTexture> CreateTextureFromCanvas(IBLCanvas& canvas) override;
  std::shared_ptr<IBLCanvas> CreateCanvas(int32_t width, int32_t height) override;
  std::shared_ptr<IBLCanvas> CreateCanvasFromFile(const char* fileName) override;
  d3d9::IDirect3D9* GetDirect3D() override;
  d3d9::IDirect3DDevice9* GetDevice() override;
  void SetFullScreen(bool value) override;
  bool IsFullScreen() override { return fullScreen_; }

 private:
  TPelmora* pelmora_;
  bool fullScreen_ = false;
};

}  // namespace zelvo
