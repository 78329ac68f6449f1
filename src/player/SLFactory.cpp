#include "player/SLFactory.h"

namespace zelvo {

std::shared_ptr<IZAnimation> TZFactory::CreateAnimation() { return std::make_shared<TZAnimation>(graphics_); }

std::shared_ptr<IZLabel> TZFactory::CreateLabel(int32_t size) { return std::make_shared<TZLabel>(size, graphics_); }

std::shared_ptr<IZImageLabel> TZFactory::CreateImageLabel(const char* fileName,
                                                          const std::shared_ptr<IZelvoMaterialModel>& material) {
  return std::make_shared<TZImageLabel>(fileName, graphics_, material);
}

std::shared_ptr<IZTextArea> TZFactory::CreateTextArea(int32_t size) {
  return std::make_shared<TZTextArea>(size, graphics_);
}

std::shared_ptr<IZContainer> TZFactory::CreateContainer() { return std::make_shared<TZContainer>(); }

std::shared_ptr<IZListView> TZFactory::CreateListView(int32_t width, int32_t height) {
  return std::make_shared<TZListView>(width, graphics_, height);
}

std::shared_ptr<IZFont> TZFactory::CreateFont() { return std::make_shared<TZFont>(); }

std::shared_ptr<IZTextWriter> TZFactory::CreateTextWriter(int32_t size) {
  return std::make_shared<TZTextWriter>(size, graphics_);
}

}  // namespace zelvo
