#pragma once
// Where new models of an open game are made: each call draws its IDs from the game's counter.
// The implementation (TZMLFactory) lives in ZMLFactoryImpl.h.

#include <cstdint>
#include <memory>

namespace zelvo {

class IZelvoModel;
class IZelvoCollisionModel;
class IZelvoDAnimationModel;
class IZelvoEventPackageModel;
class IZelvoEventModel;
class IZelvoActionModel;
class IZelvoOrderModel;
class IZelvoMaterialModel;
class IZelvoMaterialPackage;
class IZelvoConditionModel;
class IZelvoConditionModelItem;
class IZelvoCharaModel;
class IZelvoCharaModelList;
class IZelvoPartyModel;
class IZelvoCapabilityModel;
class IZelvoAttributeModel;
class IZelvoJobModel;
class IZelvoMapTreeNodeControl;
class IZelvoMapFloorModel;
class IZelvoEventPositionModel;

class IZMLFactory {
 public:
  virtual ~IZMLFactory() = default;
  virtual std::shared_ptr<IZelvoModel> CreateModel() = 0;
  virtual std::shared_ptr<IZelvoCollisionModel> CreateCollisionModel() = 0;
  virtual std::shared_ptr<IZelvoDAnimationModel> CreateDAnimationModel() = 0;
  virtual std::shared_ptr<IZelvoEventPackageModel> CreateEventPackageModel() = 0;
  virtual std::shared_ptr<IZelvoEventModel> CreateEventModel() = 0;
  virtual std::shared_ptr<IZelvoActionModel> CreateActionModel() = 0;
  // parent may be null.
  virtual std::shared_ptr<IZelvoOrderModel> CreateOrderModel(const std::shared_ptr<IZelvoOrderModel>& parent) = 0;
  // kind: 1001 picture, 4001 movie.
  virtual std::shared_ptr<IZelvoMaterialModel> CreateStyleModel(int32_t kind) = 0;
  virtual std::shared_ptr<IZelvoMaterialPackage> CreateStylePackage() = 0;
  virtual std::shared_ptr<IZelvoConditionModel> CreateConditionModel() = 0;
  virtual std::shared_ptr<IZelvoConditionModelItem> CreateConditionModelItem() = 0;
  virtual std::shared_ptr<IZelvoCharaModel> CreateCharaModel() = 0;
  virtual std::shared_ptr<IZelvoPartyModel> CreatePartyModel(const std::shared_ptr<IZelvoCharaModelList>& charas) = 0;
  virtual std::shared_ptr<IZelvoCapabilityModel> CreateCapabilityModel() = 0;
  virtual std::shared_ptr<IZelvoAttributeModel> CreateAttributeModel() = 0;
  virtual std::shared_ptr<IZelvoJobModel> CreateJobModel() = 0;
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> CreateMapTreeNode() = 0;
  virtual std::shared_ptr<IZelvoMapFloorModel> CreateMapFloor() = 0;
  virtual std::shared_ptr<IZelvoEventPositionModel> CreateEventPositionModel() = 0;
};

}  // namespace zelvo
