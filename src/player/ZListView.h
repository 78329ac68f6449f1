#pragma once
// A framed vertical list with one highlighted row: the game's menus and command windows.

#include <cstdint>
#include <memory>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "player/ZDrawableContainer.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZListView : public virtual IZContainer {
 public:
  // Only when the file exists; replaces the drawn border.
  virtual void LoadFrame(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) = 0;
  virtual void SetFrameVisible(bool value) = 0;
  virtual int32_t GetSelected() = 0;
  // Outside 0 .. child count - 1 selects nothing (-1).
  virtual void SetSelected(int32_t index) = 0;
  virtual uint32_t GetHighlight() = 0;
  virtual void SetHighlight(uint32_t argb) = 0;
};

class TZListView : public TZContainer, public virtual IZListView {
 public:
  static constexpr int32_t kMargin = 8;
  TZListView(int32_t width, std::shared_ptr<IBLGraphicsInterface> graphics, int32_t height);
  void LoadFrame(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) override;
  void SetFrameVisible(bool value) override { frameVisible_ = value; }
  int32_t GetSelected() override { return selected_; }
  void SetSelected(int32_t index) override;
  uint32_t GetHighlight() override { return highlight_; }
  void SetHighlight(uint32_t argb) override { highlight_ = argb; }
  void DrawRect(const TRect& dest, const TRect& source) override;
  void SetTransparent(bool value) override;
  IBLTexture& GetFrameTexture() { return *frameTexture_; }

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLCanvas> frameCanvas_;
  std::shared_ptr<IBLTexture> frameTexture_;
  bool frameVisible_ = false;
  int32_t selected_ = -1;
  uint32_t highlight_ = 0xFF00FFFF;
};

}  // namespace zelvo
