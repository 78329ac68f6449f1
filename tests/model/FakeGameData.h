#pragma once
// A small game data set for the event tests: real lists where the models look things up, a
// counter the factory draws from, and nothing else.

#include <memory>
#include <vector>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoStylePackage.h"

namespace zelvo::test {

// A condition with an ID of its own, as another data set might hand one out.
class IdentifiedCondition : public TZelvoConditionModel {
 public:
  explicit IdentifiedCondition(int32_t id) { SetID(id); }
};

class FakeConditionList final : public IZelvoConditionModelList {
 public:
  void Clear() override { items_.clear(); }
  int32_t GetCount() const override { return items_.count(); }
  void Add(std::shared_ptr<IZelvoConditionModel> c) override { items_.add(std::move(c)); }
  void Insert(int32_t index, std::shared_ptr<IZelvoConditionModel> c) override { items_.insertInside(index, std::move(c)); }
  void Delete(int32_t index) override { items_.erase(index); }
  std::shared_ptr<IZelvoConditionModel> GetItem(int32_t index) const override { return items_.at(index); }
  std::shared_ptr<IZelvoConditionModel> FindByID(int32_t id) const override { return items_.firstWithID(id); }
  void SaveToStream(IZStream& stream) override { items_.save(stream); }
  void LoadFromStream(IZStream&) override {}

 private:
  ModelItems<IZelvoConditionModel> items_;
};

// Draws an ID for every model it makes, as the game's factory does.
class CountingFactory final : public IZMLFactory {
 public:
  CountingFactory(IZelvoModelIDManager& ids, IZMLZelvoAPI* api) : ids_(ids), api_(api) {}
  std::shared_ptr<IZelvoModel> CreateModel() override { return std::make_shared<TZelvoModel>(ids_.NewID()); }
  std::shared_ptr<IZelvoCollisionModel> CreateCollisionModel() override {
    return std::make_shared<TZelvoCollisionModel>(ids_.NewID());
  }
  std::shared_ptr<IZelvoDAnimationModel> CreateDAnimationModel() override {
    return std::make_shared<TZelvoDAnimationModel>(ids_.NewID());
  }
  std::shared_ptr<IZelvoEventPackageModel> CreateEventPackageModel() override {
    return std::make_shared<TZelvoEventPackageModel>(ids_.NewID(), api_);
  }
  std::shared_ptr<IZelvoEventModel> CreateEventModel() override {
    return std::make_shared<TZelvoEventModel>(ids_.NewID(), api_);
  }
  std::shared_ptr<IZelvoActionModel> CreateActionModel() override {
    return std::make_shared<TZelvoActionModel>(ids_.NewID(), api_);
  }
  std::shared_ptr<IZelvoOrderModel> CreateOrderModel(const std::shared_ptr<IZelvoOrderModel>& parent) override {
    return TZelvoOrderModel::CreateChild(ids_.NewID(), parent);
  }
  std::shared_ptr<IZelvoMaterialModel> CreateStyleModel(int32_t kind) override {
    return std::make_shared<TZelvoStyleModel>(ids_.NewID(), kind);
  }
  std::shared_ptr<IZelvoMaterialPackage> CreateStylePackage() override {
    return std::make_shared<TZelvoStylePackage>(ids_.NewID());
  }
  std::shared_ptr<IZelvoConditionModel> CreateConditionModel() override {
    return std::make_shared<TZelvoConditionModel>(ids_.NewID());
  }
  std::shared_ptr<IZelvoConditionModelItem> CreateConditionModelItem() override {
    return std::make_shared<TZelvoConditionModelItem>();
  }
  std::shared_ptr<IZelvoCharaModel> CreateCharaModel() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> CreatePartyModel(const std::shared_ptr<IZelvoCharaModelList>&) override {
    return nullptr;
  }
  std::shared_ptr<IZelvoCapabilityModel> CreateCapabilityModel() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModel> CreateAttributeModel() override { return nullptr; }
  std::shared_ptr<IZelvoJobModel> CreateJobModel() override { return nullptr; }
  std::shared_ptr<IZelvoMapTreeNodeControl> CreateMapTreeNode() override { return nullptr; }
  std::shared_ptr<IZelvoMapFloorModel> CreateMapFloor() override { return nullptr; }
  std::shared_ptr<IZelvoEventPositionModel> CreateEventPositionModel() override {
    return std::make_shared<TZelvoEventPositionModel>(ids_.NewID());
  }

 private:
  IZelvoModelIDManager& ids_;
  IZMLZelvoAPI* api_;
};

class FakeGameData : public TZelvoAPI, public virtual IZMLZelvoAPI {
 public:
  std::shared_ptr<TZelvoModelIDManager> ids = std::make_shared<TZelvoModelIDManager>();
  std::shared_ptr<CountingFactory> factory = std::make_shared<CountingFactory>(*ids, this);
  std::shared_ptr<TZelvoCollisionModelList> collisions = std::make_shared<TZelvoCollisionModelList>();
  std::shared_ptr<TZelvoDAnimationModelList> dAnimations = std::make_shared<TZelvoDAnimationModelList>();
  std::shared_ptr<TZelvoStylePackage> materials = std::make_shared<TZelvoStylePackage>(1);
  std::shared_ptr<TZelvoOrderModel> sharedOrders = std::make_shared<TZelvoOrderModel>(3);
  std::shared_ptr<FakeConditionList> conditions = std::make_shared<FakeConditionList>();
  std::shared_ptr<TZelvoEventPackageList> packages = std::make_shared<TZelvoEventPackageList>(-1, this);

  std::shared_ptr<IZMLFactory> GetFactory() override { return factory; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return ids; }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return collisions; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return dAnimations; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return packages; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return materials; }
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override { return nullptr; }
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return nullptr; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return nullptr; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return sharedOrders; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return nullptr; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return conditions; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return nullptr; }
  void Save() override {}
  void Load() override {}
};

}  // namespace zelvo::test
