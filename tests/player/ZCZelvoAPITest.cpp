#include "player/ZCZelvoAPIImpl.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingView.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "player/ZCOrderExecutors.h"
#include "player/ZelvoMessage.h"
#include "player/ZelvoMessageCodes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

// The data set reads its counters at creation: point it at an empty game folder.
class ControlAPI : public testing::Test {
 protected:
  void SetUp() override {
    savedBase_ = GameBaseDirNative();
    savedFolder_ = GameFolder;
    std::filesystem::create_directories(dir_.path() / "Game");
    SetGameBaseDirNative(dir_.path());
    GameFolder = "Game\\";
    api = std::make_shared<TZCZelvoAPI>();
  }
  void TearDown() override {
    api.reset();
    SetGameBaseDirNative(savedBase_);
    GameFolder = savedFolder_;
  }

  test::TempDir dir_;
  std::filesystem::path savedBase_;
  std::string savedFolder_;
  std::shared_ptr<TZCZelvoAPI> api;
};

TEST_F(ControlAPI, IsTheDataSetWithItsPlayState) {
  EXPECT_EQ(api->GetVersion(), 13);
  std::shared_ptr<IZMLZelvoAPI> dataSet = api;
  auto control = std::dynamic_pointer_cast<IZCZelvoAPI>(dataSet);
  ASSERT_NE(control, nullptr);
  EXPECT_NE(control->GetMapTree(), nullptr);
  EXPECT_NE(control->GetParty(), nullptr);
  ASSERT_EQ(control->GetEventOrders()->Count(), 7);
  EXPECT_NE(control->GetEventOrders()->FindByType(OrderType::MoveToPlace), nullptr);
  EXPECT_EQ(control->GetCurrentOrder(), nullptr);
  EXPECT_EQ(control->GetCurrentEvent(), nullptr);
  EXPECT_FALSE(control->IsWaitingKey(msg::kFrameTick));
  control->SetWaitKey(msg::kMouseDown);
  EXPECT_TRUE(control->IsWaitingKey(0x41));
  EXPECT_FALSE(control->IsWaitingKey(msg::kMouseDown));
  control->SetScrollX(-5);
  control->SetScrollY(7);
  EXPECT_EQ(control->GetScrollX(), -5);
  EXPECT_EQ(control->GetScrollY(), 7);
}

TEST_F(ControlAPI, JudgeReadsTheGameModelItHands) {
  api->GetGameModel()->SetVariable(2, 9);
  auto block = api->CreateStream("", TZStream::Memory);
  api->GetGameModel()->SaveToStream(*block);
  EXPECT_EQ(block->GetSize(), TZCGameModel::kBlockSize);
  auto condition = std::make_shared<TZelvoConditionModel>();
  auto line = std::make_shared<TZelvoConditionModelItem>();
  line->SetKind(TZCConditionJudge::kKindVariable);
  line->SetNumber(2);
  line->SetValue(9);
  condition->Add(line);
  EXPECT_TRUE(api->GetConditionJudge()->Judge(condition));
  api->GetGameModel()->SetVariable(2, 8);
  EXPECT_FALSE(api->GetConditionJudge()->Judge(condition));
}

TEST_F(ControlAPI, LoadedGameThenAMoveOverItsOwnTreeAndParty) {
  api->Load();
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(12, api.get());
  node->NewMap();
  node->GetMap()->AddFloor(std::make_shared<TZelvoMapFloorModel>(2, api.get()));
  api->GetMapTree()->GetRootNode()->AddTopLevelNode(node);

  auto view = std::make_shared<test::RecordingView>();
  TZelvoMessage queue(view, api);
  auto move = std::make_shared<TZelvoOrderModel>(1);
  move->SetType(OrderType::MoveToPlace);
  move->SetMapID(12);
  move->SetFloorID(2);
  move->SetX(320);
  move->SetY(256);
  api->SetCurrentOrder(move);
  queue.PostMessage(msg::kFrameTick, msg::kPlayerSender);
  api->GetEventOrders()->FindByType(OrderType::MoveToPlace)->Execute(nullptr, queue);
  EXPECT_EQ(view->shownMap, node->GetMap());
  EXPECT_EQ(api->GetScrollX(), 32);
  EXPECT_EQ(api->GetScrollY(), 32);
  EXPECT_EQ(api->GetParty()->GetMapID(), 12);
  EXPECT_EQ(api->GetParty()->GetFloorID(), 2);
}

}  // namespace
}  // namespace zelvo
