#pragma once
// The basic layer's API object: the plug-in base plus the graphics interface and the sound player.

#include <memory>

#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/SoundPlayer.h"
#include "model/ZelvoAPI.h"

namespace zelvo {

class IBLZelvoAPI : public virtual IZelvoAPI {
 public:
  virtual std::shared_ptr<IBLGraphicsInterface> GetGraphicsInterface() = 0;
  virtual std::shared_ptr<IBLSoundPlayer> GetSoundPlayer() = 0;
};

class TBLZelvoAPI : public TZelvoAPI, public virtual IBLZelvoAPI {
 public:
  TBLZelvoAPI(std::shared_ptr<IBLGraphicsInterface> graphics, std::shared_ptr<IBLSoundPlayer> soundPlayer)
      : graphics_(std::move(graphics)), soundPlayer_(std::move(soundPlayer)) {}

  int32_t GetVersion() override { return 10; }
  void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override;
  void Present() override;
  std::shared_ptr<IBLGraphicsInterface> GetGraphicsInterface() override { return graphics_; }
  std::shared_ptr<IBLSoundPlayer> GetSoundPlayer() override { return soundPlayer_; }

 private:
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  std::shared_ptr<IBLSoundPlayer> soundPlayer_;
};

}  // namespace zelvo
