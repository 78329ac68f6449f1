#pragma once
// The model factory of one open game: every new model draws its ID from the game's counter here.

#include <memory>

#include "model/ZMLFactory.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoModelIDManager;

class TZMLFactory final : public IZMLFactory {
 public:
  // api is the data set the models that need one are bound to; the factory does not own it
  // (the data set owns the factory).
  TZMLFactory(std::shared_ptr<IZelvoModelIDManager> ids, IZMLZelvoAPI* api);

  std::shared_ptr<IZelvoModel> CreateModel() override;
  std::shared_ptr<IZelvoCollisionModel> CreateCollisionModel() override;
  std::shared_ptr<IZelvoDAnimationModel> CreateDAnimationModel() override;
  std::shared_ptr<IZelvoEventPackageModel> CreateEventPackageModel() override;
  std::shared_ptr<IZelvoEventModel> CreateEventModel() override;
  std::shared_ptr<IZelvoActionModel> CreateActionModel() override;
  std::shared_ptr<IZelvoOrderModel> CreateOrderModel(const std::shared_ptr<IZelvoOrderModel>& parent) override;
  std::shared_ptr<IZelvoMaterialModel> CreateStyleModel(int32_t kind) override;
  std::shared_ptr<IZelvoMaterialPackage> CreateStylePackage() override;
  std::shared_ptr<IZelvoConditionModel> CreateConditionModel() override;
  std::shared_ptr<IZelvoConditionModelItem> CreateConditionModelItem() override;
  std::shared_ptr<IZelvoCharaModel> CreateCharaModel() override;
  std::shared_ptr<IZelvoPartyModel> CreatePartyModel(const std::shared_ptr<IZelvoCharaModelList>& charas) override;
  std::shared_ptr<IZelvoCapabilityModel> CreateCapabilityModel() override;
  std::shared_ptr<IZelvoAttributeModel> CreateAttributeModel() override;
  std::shared_ptr<IZelvoJobModel> CreateJobModel() override;
  std::shared_ptr<IZelvoMapTreeNodeControl> CreateMapTreeNode() override;
  std::shared_ptr<IZelvoMapFloorModel> CreateMapFloor() override;
  std::shared_ptr<IZelvoEventPositionModel> CreateEventPositionModel() override;

 private:
  int32_t newID();

  std::shared_ptr<IZelvoModelIDManager> ids_;
  IZMLZelvoAPI* api_;
};

}  // namespace zelvo
