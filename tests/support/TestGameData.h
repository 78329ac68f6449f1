#pragma once
// A game data set for model tests, held in memory only: the real factory over a fresh ID counter,
// empty real lists a test fills with what its models look up, and nothing read from or written
// to a game folder. Lists a test assigns null stand for a data set without them.

#include <memory>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoStylePackage.h"

namespace zelvo::test {

// A condition with an ID of its own, as another data set might hand one out.
class IdentifiedCondition : public TZelvoConditionModel {
 public:
  explicit IdentifiedCondition(int32_t id) { SetID(id); }
};

class TestGameData : public TZelvoAPI, public virtual IZMLZelvoAPI {
 public:
  TestGameData();

  // Adds an empty image materials folder to the material root: its first item in a fresh data set.
  std::shared_ptr<TZelvoStylePackage> AddImageMaterials();

  std::shared_ptr<IZMLFactory> GetFactory() override { return factory; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return ids; }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return collisions; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return dAnimations; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return packages; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return materials; }
  // Item 0 of the material root, asked of the root each time; none while the root is empty.
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override;
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return party; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return mapTree; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return sharedOrders; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return nullptr; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return conditions; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return grossary; }
  void Save() override {}
  void Load() override {}

  std::shared_ptr<TZelvoModelIDManager> ids;
  std::shared_ptr<IZMLFactory> factory;
  std::shared_ptr<TZelvoCollisionModelList> collisions = std::make_shared<TZelvoCollisionModelList>();
  std::shared_ptr<TZelvoDAnimationModelList> dAnimations = std::make_shared<TZelvoDAnimationModelList>();
  std::shared_ptr<TZelvoStylePackage> materials = std::make_shared<TZelvoStylePackage>(1);
  std::shared_ptr<TZelvoOrderModel> sharedOrders = std::make_shared<TZelvoOrderModel>(3);
  std::shared_ptr<TZelvoConditionModelList> conditions = std::make_shared<TZelvoConditionModelList>();
  std::shared_ptr<TZelvoEventPackageList> packages = std::make_shared<TZelvoEventPackageList>(-1, this);
  std::shared_ptr<IZelvoMapTreeControl> mapTree;
  std::shared_ptr<IZelvoPartyModel> party;
  std::shared_ptr<IZelvoGrossaryModel> grossary;
};

}  // namespace zelvo::test
