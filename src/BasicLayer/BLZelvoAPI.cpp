#include "BasicLayer/BLZelvoAPI.h"

namespace zelvo {

void TBLZelvoAPI::Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  if (graphics_) graphics_->Clear(a, r, g, b);
}

void TBLZelvoAPI::Present() {
  if (graphics_) graphics_->Present();
}

}  // namespace zelvo
