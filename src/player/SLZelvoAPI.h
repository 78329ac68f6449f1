#pragma once
// The standard layer's API object: the basic layer's, plus the factory and a plain fill.

#include <cstdint>
#include <memory>

#include "BasicLayer/BLZelvoAPI.h"
#include "player/SLFactory.h"

namespace zelvo {

class ISLZelvoAPI : public virtual IZelvoAPI {
 public:
  virtual std::shared_ptr<IZFactory> GetFactory() = 0;
  virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) = 0;
};

class TSLZelvoAPI : public TBLZelvoAPI, public virtual ISLZelvoAPI {
 public:
  TSLZelvoAPI(std::shared_ptr<IBLGraphicsInterface> graphics, std::shared_ptr<IBLSoundPlayer> soundPlayer);
  std::shared_ptr<IZFactory> GetFactory() override { return factory_; }
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t argb) override;

 private:
  std::shared_ptr<IZFactory> factory_;
};

}  // namespace zelvo
