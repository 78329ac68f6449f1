#pragma once
// The game-view factory: makes every object of the game-view layer, and the standard layer's too.

#include <cstdint>
#include <memory>

#include "BasicLayer/BLGraphicsInterface.h"
#include "player/SLFactory.h"

namespace zelvo {

class IZLZelvoAPI;
class IZCZelvoAPI;
class IZelvoCollisionableModel;
class IZelvoCollisionableView;
class IZelvoCollisionableViewList;
class IZelvoEventView;
class IZelvoMapModel;
class IZelvoMapView;

class IZLFactory : public virtual IZFactory {
 public:
  // No file, no colour changes.
  virtual std::shared_ptr<IZImageLabel> CreateImageView() = 0;
  virtual std::shared_ptr<IZelvoCollisionableView> CreateCollisionableView(
      const std::shared_ptr<IZelvoCollisionableModel>& model) = 0;
  virtual std::shared_ptr<IZelvoCollisionableViewList> CreateCollisionableViewList() = 0;
  virtual std::shared_ptr<IZelvoMapView> CreateMapView(const std::shared_ptr<IZelvoMapModel>& map) = 0;
  virtual std::shared_ptr<IZelvoEventView> CreateEventView() = 0;
};

class TZLFactory : public TZFactory, public virtual IZLFactory {
 public:
  // Both APIs are back references and must outlive the factory and what it makes.
  TZLFactory(IZLZelvoAPI* viewAPI, std::shared_ptr<IBLGraphicsInterface> graphics, IZCZelvoAPI* controlAPI);
  std::shared_ptr<IZImageLabel> CreateImageView() override;
  std::shared_ptr<IZelvoCollisionableView> CreateCollisionableView(
      const std::shared_ptr<IZelvoCollisionableModel>& model) override;
  std::shared_ptr<IZelvoCollisionableViewList> CreateCollisionableViewList() override;
  std::shared_ptr<IZelvoMapView> CreateMapView(const std::shared_ptr<IZelvoMapModel>& map) override;
  std::shared_ptr<IZelvoEventView> CreateEventView() override;

  IZLZelvoAPI* GetViewAPI() const { return viewAPI_; }
  IZCZelvoAPI* GetControlAPI() const { return controlAPI_; }

 private:
  IZLZelvoAPI* viewAPI_;
  std::shared_ptr<IBLGraphicsInterface> graphics_;
  IZCZelvoAPI* controlAPI_;
};

}  // namespace zelvo
