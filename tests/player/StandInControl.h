#pragma once
// A control-layer API for tests: the real game state over a data set that holds only the map
// tree and the party a test gives it.

#include <memory>

#include "model/ZelvoAPI.h"
#include "player/ZCGameState.h"
#include "player/ZCZelvoAPI.h"

namespace zelvo::test {

class StandInControl final : public TZelvoAPI, public virtual IZCZelvoAPI {
 public:
  std::shared_ptr<IZMLFactory> GetFactory() override { return nullptr; }
  std::shared_ptr<IZelvoModelIDManager> GetIDManager() override { return nullptr; }
  std::shared_ptr<IZelvoCollisionModelList> GetCollisionList() override { return nullptr; }
  std::shared_ptr<IZelvoDAnimationModelList> GetDAnimationList() override { return nullptr; }
  std::shared_ptr<IZelvoEventPackageList> GetEventPackageList() override { return nullptr; }
  std::shared_ptr<IZelvoMaterialPackage> GetMaterialRoot() override { return nullptr; }
  std::shared_ptr<IZelvoMaterialPackage> GetImageMaterials() override { return nullptr; }
  std::shared_ptr<IZelvoCharaModelList> GetCharaList() override { return nullptr; }
  std::shared_ptr<IZelvoPartyModel> GetParty() override { return party; }
  std::shared_ptr<IZelvoMapTreeControl> GetMapTree() override { return mapTree; }
  std::shared_ptr<IZelvoMoveTypeList> GetMoveTypeList() override { return nullptr; }
  std::shared_ptr<IZelvoOrderModel> GetSharedOrders() override { return nullptr; }
  std::shared_ptr<IZelvoAnimeModelList> GetAnimeList() override { return nullptr; }
  std::shared_ptr<IZelvoAttributeModelList> GetAttributeList() override { return nullptr; }
  std::shared_ptr<IZelvoJobModelList> GetJobList() override { return nullptr; }
  std::shared_ptr<IZelvoConditionModelList> GetConditionList() override { return nullptr; }
  std::shared_ptr<IZelvoGrossaryModel> GetGrossary() override { return nullptr; }
  void Save() override {}
  void Load() override {}

  std::shared_ptr<IZCGameModel> GetGameModel() override { return state.GetGameModel(); }
  std::shared_ptr<IZCConditionJudge> GetConditionJudge() override { return state.GetConditionJudge(); }
  std::shared_ptr<IZCOrderExList> GetEventOrders() override { return state.GetEventOrders(); }
  std::shared_ptr<IZelvoEventView> GetCurrentEvent() override { return state.GetCurrentEvent(); }
  void SetCurrentEvent(const std::shared_ptr<IZelvoEventView>& event) override { state.SetCurrentEvent(event); }
  std::shared_ptr<IZelvoOrderModel> GetCurrentOrder() override { return state.GetCurrentOrder(); }
  void SetCurrentOrder(const std::shared_ptr<IZelvoOrderModel>& order) override { state.SetCurrentOrder(order); }
  void SetWaitKey(uint32_t code) override { state.SetWaitKey(code); }
  bool IsWaitingKey(uint32_t code) override { return state.IsWaitingKey(code); }
  int32_t GetScrollX() override { return state.GetScrollX(); }
  int32_t GetScrollY() override { return state.GetScrollY(); }
  void SetScrollX(int32_t x) override { state.SetScrollX(x); }
  void SetScrollY(int32_t y) override { state.SetScrollY(y); }

  TZCGameState state;
  std::shared_ptr<IZelvoMapTreeControl> mapTree;
  std::shared_ptr<IZelvoPartyModel> party;
};

}  // namespace zelvo::test
