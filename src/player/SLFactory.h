#pragma once
// Creates every standard-layer object on one graphics interface.

#include <cstdint>
#include <memory>

#include "BasicLayer/BLGraphicsInterface.h"
#include "model/ZelvoAPI.h"
#include "player/ZAnimation.h"
#include "player/ZDrawableContainer.h"
#include "player/ZLabel.h"
#include "player/ZListView.h"
#include "player/ZTextArea.h"
#include "player/ZTextWriter.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZFactory {
 public:
  virtual ~IZFactory() = default;
  virtual std::shared_ptr<IZAnimation> CreateAnimation() = 0;
  virtual std::shared_ptr<IZLabel> CreateLabel(int32_t size) = 0;
  virtual std::shared_ptr<IZImageLabel> CreateImageLabel(const char* fileName,
                                                          const std::shared_ptr<IZelvoMaterialModel>& material) = 0;
  virtual std::shared_ptr<IZTextArea> CreateTextArea(int32_t size) = 0;
  virtual std::shared_ptr<IZContainer> CreateContainer() = 0;
  virtual std::shared_ptr<IZListView> CreateListView(int32_t width, int32_t height) = 0;
  virtual std::shared_ptr<IZFont> CreateFont() = 0;
  virtual std::shared_ptr<IZTextWriter> CreateTextWriter(int32_t size) = 0;
};

class TZFactory : public virtual IZFactory {
 public:
  explicit TZFactory(std::shared_ptr<IBLGraphicsInterface> graphics) : graphics_(std::move(graphics)) {}
  std::shared_ptr<IZAnimation> CreateAnimation() override;
  std::shared_ptr<IZLabel> CreateLabel(int32_t size) override;
  std::shared_ptr<IZImageLabel> CreateImageLabel(const char* fileName,
                                                  const std::shared_ptr<IZelvoMaterialModel>& material) override;
  std::shared_ptr<IZTextArea> CreateTextArea(int32_t size) override;
  std::shared_ptr<IZContainer> CreateContainer() override;
  std::shared_ptr<IZListView> CreateListView(int32_t width, int32_t height) override;
  std::shared_ptr<IZFont> CreateFont() override;
  std::shared_ptr<IZTextWriter> CreateTextWriter(int32_t size) override;

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
};

}  // namespace zelvo
