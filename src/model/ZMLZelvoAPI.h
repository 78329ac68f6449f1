#pragma once
// The game data set's interface: every list and model of one game folder, reached through these
// getters. The class that implements it (TZMLZelvoAPI) lives in ZMLZelvoAPIImpl.h; models hold
// this interface as a raw back pointer, never an owning one.

#include <memory>

#include "model/ZelvoAPI.h"

namespace zelvo {

class IZMLFactory;
class IZelvoModelIDManager;
class IZelvoCollisionModelList;
class IZelvoDAnimationModelList;
class IZelvoEventPackageList;
class IZelvoMaterialPackage;
class IZelvoCharaModelList;
class IZelvoPartyModel;
class IZelvoMapTreeControl;
class IZelvoMoveTypeList;
class IZelvoOrderModel;
class IZelvoAnimeModelList;
class IZelvoAttributeModelList;
class IZelvoJobModelList;
class IZelvoConditionModelList;
class IZelvoGrossaryModel;

class IZMLZelvoAPI : public virtual IZelvoAPI {
 public:
  virtual std::shared_ptr<IZMLFactory> GetFactory() = 0;
  virtual std::shared_ptr<IZelvoModelIDManager> GetIDManager() = 0;
  virtual std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() = 0;
  virtual std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() = 0;
  virtual std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() = 0;
  virtual std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() = 0;
  // Item 0 of the material root, asked of the root each time.
  virtual std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() = 0;
  virtual std::shared_ptr<IZelvoCharaModelList> GetCharaList() = 0;
  virtual std::shared_ptr<IZelvoPartyModel> GetParty() = 0;
  virtual std::shared_ptr<IZelvoMapTreeControl> GetMapTree() = 0;
  virtual std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() = 0;
  virtual std::shared_ptr<IZelvoOrderModel> GetSharedOrders() = 0;
  virtual std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() = 0;
  virtual std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() = 0;
  virtual std::shared_ptr<IZelvoJobModelList> GetJobList() = 0;
  virtual std::shared_ptr<IZelvoConditionModelList> GetConditionList() = 0;
  virtual std::shared_ptr<IZelvoGrossaryModel> GetGrossary() = 0;
  virtual void Save() = 0;
  virtual void Load() = 0;
};

}  // namespace zelvo
