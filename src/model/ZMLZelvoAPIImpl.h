#pragma once
// One game folder in memory: every list and model of the game, its factory and its ID counter,
// read from and written to "Data\" and "Maps\" in one fixed order.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/ZMLZelvoAPI.h"

namespace zelvo {

class FileTransaction;
class IZelvoStatusModel;
class IZelvoMapTreeNodeControl;

class TZMLZelvoAPI : public TZelvoAPI, public virtual IZMLZelvoAPI {
 public:
  // Reads "Data\IDDoc.rid" and "Data\GameIDDoc.rid" of GameBaseDir + GameFolder when present.
  TZMLZelvoAPI();
  ~TZMLZelvoAPI() override;
  TZMLZelvoAPI(const TZMLZelvoAPI&) = delete;
  TZMLZelvoAPI& operator=(const TZMLZelvoAPI&) = delete;

  int32_t GetVersion() override { return 13; }

  std::shared_ptr<IZMLFactory> GetFactory() override { return factory_; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return ids_; }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return collisions_; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return dAnimations_; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return eventPackages_; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return materialRoot_; }
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override;
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return charas_; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return party_; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return mapTree_; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return moveTypes_; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return sharedOrders_; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return animes_; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return attributes_; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return jobs_; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return conditions_; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return grossary_; }

  // Writes every file of the game to a temporary name first and renames them over the old files
  // only when all were written ("IDDoc.rid" first), so a failed save leaves the folder as it was.
  // Refused with EZelvoError after a Load that failed part-way.
  void Save() override;
  // Save, with more files replaced together with the game's own: stageMore adds them to the
  // same transaction once the game's files are staged, so all of them reach the disk or none.
  void SaveTogetherWith(const std::function<void(FileTransaction&)>& stageMore);
  // Reads the game folder in its fixed order. A reload first empties the shared event packages
  // and the party, which would otherwise be appended twice. A failure names the file and leaves
  // the data set marked as not loaded until a Load succeeds.
  void Load() override;

  // True after a Load that threw, until the next Load succeeds.
  bool LoadFailed() const { return loadFailed_; }

 private:
  void loadSteps();
  void loadEventPackages(IZStream& stream);
  void saveEventPackages(IZStream& stream);
  void saveFiles(const std::function<void(FileTransaction&)>& stageMore);
  std::string dataFolder() const;
  std::string mapsFolder() const;

  std::shared_ptr<IZelvoModelIDManager> ids_;
  std::shared_ptr<IZelvoModelIDManager> gameIds_;
  std::shared_ptr<IZMLFactory> factory_;
  std::shared_ptr<IZelvoCollisionModelList> collisions_;
  std::shared_ptr<IZelvoDAnimationModelList> dAnimations_;
  std::shared_ptr<IZelvoEventPackageList> eventPackages_;
  std::shared_ptr<IZelvoMapTreeControl> mapTree_;
  std::shared_ptr<IZelvoMoveTypeList> moveTypes_;
  std::shared_ptr<IZelvoMaterialPackage> materialRoot_;
  std::shared_ptr<IZelvoCharaModelList> charas_;
  std::shared_ptr<IZelvoPartyModel> party_;
  std::shared_ptr<IZelvoOrderModel> sharedOrders_;
  std::shared_ptr<IZelvoAnimeModelList> animes_;
  std::shared_ptr<IZelvoAttributeModelList> attributes_;
  std::shared_ptr<IZelvoJobModelList> jobs_;
  std::shared_ptr<IZelvoConditionModelList> conditions_;
  std::shared_ptr<IZelvoGrossaryModel> grossary_;
  std::shared_ptr<IZelvoStatusModel> status_;
  bool loadFailed_ = false;
};

}  // namespace zelvo
