#include "model/ZMLFactoryImpl.h"

#include "model/ZelvoActionModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Errors.h"

namespace zelvo {

TZMLFactory::TZMLFactory(std::shared_ptr<IZelvoModelIDManager> ids, IZMLZelvoAPI* api)
    : ids_(std::move(ids)), api_(api) {
  if (!ids_) throw EZelvoError("model factory: no ID counter");
}

int32_t TZMLFactory::newID() { return ids_->NewID(); }

std::shared_ptr<IZelvoModel> TZMLFactory::CreateModel() { return std::make_shared<TZelvoModel>(newID()); }

std::shared_ptr<IZelvoCollisionModel> TZMLFactory::CreateCollisionModel() {
  return std::make_shared<TZelvoCollisionModel>(newID());
}

std::shared_ptr<IZelvoDAnimationModel> TZMLFactory::CreateDAnimationModel() {
  return std::make_shared<TZelvoDAnimationModel>(newID());
}

std::shared_ptr<IZelvoEventPackageModel> TZMLFactory::CreateEventPackageModel() {
  return std::make_shared<TZelvoEventPackageModel>(newID(), api_);
}

std::shared_ptr<IZelvoEventModel> TZMLFactory::CreateEventModel() {
  return std::make_shared<TZelvoEventModel>(newID(), api_);
}

std::shared_ptr<IZelvoActionModel> TZMLFactory::CreateActionModel() {
  return std::make_shared<TZelvoActionModel>(newID(), api_);
}

std::shared_ptr<IZelvoOrderModel> TZMLFactory::CreateOrderModel(const std::shared_ptr<IZelvoOrderModel>& parent) {
  return TZelvoOrderModel::CreateChild(newID(), parent);
}

std::shared_ptr<IZelvoMaterialModel> TZMLFactory::CreateStyleModel(int32_t kind) {
  return std::make_shared<TZelvoStyleModel>(newID(), kind);
}

std::shared_ptr<IZelvoMaterialPackage> TZMLFactory::CreateStylePackage() {
  return std::make_shared<TZelvoStylePackage>(newID());
}

std::shared_ptr<IZelvoConditionModel> TZMLFactory::CreateConditionModel() {
  return std::make_shared<TZelvoConditionModel>(newID());
}

std::shared_ptr<IZelvoConditionModelItem> TZMLFactory::CreateConditionModelItem() {
  return std::make_shared<TZelvoConditionModelItem>();
}

std::shared_ptr<IZelvoCharaModel> TZMLFactory::CreateCharaModel() {
  // The capability draws its ID first, then the character.
  std::shared_ptr<IZelvoCapabilityModel> capability = CreateCapabilityModel();
  return std::make_shared<TZelvoCharaModel>(newID(), std::move(capability));
}

std::shared_ptr<IZelvoPartyModel> TZMLFactory::CreatePartyModel(const std::shared_ptr<IZelvoCharaModelList>& charas) {
  return std::make_shared<TZelvoPartyModel>(charas);
}

std::shared_ptr<IZelvoCapabilityModel> TZMLFactory::CreateCapabilityModel() {
  return std::make_shared<TZelvoCapabilityModel>(newID());
}

std::shared_ptr<IZelvoAttributeModel> TZMLFactory::CreateAttributeModel() {
  return std::make_shared<TZelvoAttributeModel>(newID());
}

std::shared_ptr<IZelvoJobModel> TZMLFactory::CreateJobModel() { return std::make_shared<TZelvoJobModel>(newID()); }

std::shared_ptr<IZelvoMapTreeNodeControl> TZMLFactory::CreateMapTreeNode() {
  return std::make_shared<TZelvoMapTreeNodeControl>(newID(), api_);
}

std::shared_ptr<IZelvoMapFloorModel> TZMLFactory::CreateMapFloor() {
  return std::make_shared<TZelvoMapFloorModel>(newID(), api_);
}

std::shared_ptr<IZelvoEventPositionModel> TZMLFactory::CreateEventPositionModel() {
  return std::make_shared<TZelvoEventPositionModel>(newID());
}

}  // namespace zelvo
