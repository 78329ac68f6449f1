#include "player/SLZelvoAPI.h"

namespace zelvo {

TSLZelvoAPI::TSLZelvoAPI(std::shared_ptr<IBLGraphicsInterface> graphics, std::shared_ptr<IBLSoundPlayer> soundPlayer)
    : TBLZelvoAPI(graphics, std::move(soundPlayer)), factory_(std::make_shared<TZFactory>(std::move(graphics))) {}

void TSLZelvoAPI::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) {
  if (auto graphics = GetGraphicsInterface()) graphics->FillRect(left, top, right, bottom, argb);
}

}  // namespace zelvo
