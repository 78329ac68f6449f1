#pragma once
// A data set with only what the material and chip-set models ask of it: a factory that makes
// materials under IDs from a counter of its own, and a material root whose first child is the
// image materials folder.

#include <memory>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoStylePackage.h"

namespace zelvo::test {

class MaterialFactory final : public IZMLFactory {
 public:
  explicit MaterialFactory(std::shared_ptr<IZelvoModelIDManager> ids) : ids_(std::move(ids)) {}
  std::shared_ptr<IZelvoMaterialModel> CreateStyleModel(int32_t kind) override {
    return std::make_shared<TZelvoStyleModel>(ids_->NewID(), kind);
  }
  std::shared_ptr<IZelvoMaterialPackage> CreateStylePackage() override {
    return std::make_shared<TZelvoStylePackage>(ids_->NewID());
  }
  std::shared_ptr<IZelvoModel> CreateModel() override { return nullptr; }
  std::shared_ptr<IZelvoCollisionModel> CreateCollisionModel() override { return nullptr; }
  std::shared_ptr<IZelvoDAnimationModel> CreateDAnimationModel() override { return nullptr; }
  std::shared_ptr<IZelvoEventPackageModel> CreateEventPackageModel() override { return nullptr; }
  std::shared_ptr<IZelvoEventModel> CreateEventModel() override { return nullptr; }
  std::shared_ptr<IZelvoActionModel> CreateActionModel() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> CreateOrderModel(const std::shared_ptr<IZelvoOrderModel>&) override {
    return nullptr;
  }
  std::shared_ptr<IZelvoConditionModel> CreateConditionModel() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelItem> CreateConditionModelItem() override { return nullptr; }
  std::shared_ptr<IZelvoCharaModel> CreateCharaModel() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> CreatePartyModel(const std::shared_ptr<IZelvoCharaModelList>&) override {
    return nullptr;
  }
  std::shared_ptr<IZelvoCapabilityModel> CreateCapabilityModel() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModel> CreateAttributeModel() override { return nullptr; }
  std::shared_ptr<IZelvoJobModel> CreateJobModel() override { return nullptr; }
  std::shared_ptr<IZelvoMapTreeNodeControl> CreateMapTreeNode() override { return nullptr; }
  std::shared_ptr<IZelvoMapFloorModel> CreateMapFloor() override { return nullptr; }
  std::shared_ptr<IZelvoEventPositionModel> CreateEventPositionModel() override { return nullptr; }

 private:
  std::shared_ptr<IZelvoModelIDManager> ids_;
};

class MaterialTestAPI final : public TZelvoAPI, public IZMLZelvoAPI {
 public:
  MaterialTestAPI() {
    root_->Add(images_);
  }
  std::shared_ptr<IZMLFactory> GetFactory() override { return factory_; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return ids_; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return root_; }
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override {
    return std::dynamic_pointer_cast<IZelvoMaterialPackage>(root_->GetItem(0));
  }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return nullptr; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return nullptr; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return nullptr; }
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return nullptr; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return nullptr; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return nullptr; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return nullptr; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return nullptr; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return nullptr; }
  void Save() override {}
  void Load() override {}

  // Drops the factory, as a data set without one would be.
  void dropFactory() { factory_ = nullptr; }

 private:
  std::shared_ptr<IZelvoModelIDManager> ids_ = std::make_shared<TZelvoModelIDManager>();
  std::shared_ptr<IZMLFactory> factory_ = std::make_shared<MaterialFactory>(ids_);
  std::shared_ptr<TZelvoStylePackage> root_ = std::make_shared<TZelvoStylePackage>(0);
  std::shared_ptr<TZelvoStylePackage> images_ = std::make_shared<TZelvoStylePackage>(0);
};

}  // namespace zelvo::test
