#include "editor/core/ZEEventEditing.h"

#include <gtest/gtest.h>

#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/core/Cp932.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

std::string sj(const std::string& utf8) { return Cp932::fromUtf8(utf8); }
std::string u8(const std::string& cp932) { return Cp932::toUtf8(cp932); }

class EventEditingTest : public ::testing::Test {
 protected:
  std::shared_ptr<test::TestGameData> api = std::make_shared<test::TestGameData>();
  IZMLFactory& factory = *api->GetFactory();
  TZEEventEditing editing{api};

  std::shared_ptr<IZelvoDAnimationModel> animation(int32_t w, int32_t h) {
    auto a = factory.CreateDAnimationModel();
    a->SetWidth(w);
    a->SetHeight(h);
    a->SetFourDirections();
    api->dAnimations->Add(a);
    return a;
  }
  std::shared_ptr<IZelvoCollisionModel> collision() {
    auto c = factory.CreateCollisionModel();
    api->collisions->Add(c);
    return c;
  }
  std::shared_ptr<IZelvoOrderModel> sharedList(const std::string& name, int32_t orders) {
    auto list = factory.CreateOrderModel(api->sharedOrders);
    list->SetName(sj(name).c_str());
    for (int32_t i = 0; i < orders; ++i) factory.CreateOrderModel(list)->SetType(OrderType::ShowText);
    return list;
  }
  std::shared_ptr<IZelvoActionModel> action(const std::shared_ptr<IZelvoEventModel>& event, const std::string& name,
                                            std::shared_ptr<IZelvoOrderModel> order = nullptr) {
    auto a = factory.CreateActionModel();
    a->SetName(sj(name).c_str());
    if (!order) {
      order = factory.CreateOrderModel(nullptr);
      factory.CreateOrderModel(order)->SetType(OrderType::SwitchOn);
    }
    a->SetOrder(order);
    a->SetCondition(factory.CreateConditionModel());
    event->Add(a);
    return a;
  }
  // An event with an action of its own orders and one linked to a shared list.
  std::shared_ptr<IZelvoEventModel> gameEvent() {
    auto event = factory.CreateEventModel();
    event->SetName(sj("村人").c_str());
    auto own = action(event, "話す");
    own->SetDAnimation(animation(32, 48));
    own->SetCollision(collision());
    action(event, "", sharedList("共通", 2));
    return event;
  }
};

TEST_F(EventEditingTest, CancelledEditLeavesTheEventByteIdentical) {
  auto source = gameEvent();
  const auto before = test::saved(*source);
  const auto sharedBefore = test::saved(*api->sharedOrders);

  ASSERT_TRUE(editing.EditEvent(source));
  editing.SetName(sj("別人"));
  editing.SetActionName(sj("走る"));
  editing.SetDAnimationComboIndex(0);
  editing.SetCollisionComboIndex(0);
  editing.SetMaterial(nullptr);
  editing.CurrentAction()->GetOrder()->DeleteChild(0);
  editing.NewAction(0);
  editing.DeleteAction(2);
  editing.ShowAction(1);
  editing.LinkTo(api->sharedOrders->GetChild(0));
  editing.Release();

  EXPECT_BYTES_EQ(test::saved(*source), before);
  EXPECT_BYTES_EQ(test::saved(*api->sharedOrders), sharedBefore);
  EXPECT_EQ(source->GetItem(0)->GetOrder()->GetChildCount(), 1);
}

TEST_F(EventEditingTest, CommitWritesTheWorkingCopyBackAndKeepsSharedListsShared) {
  auto source = gameEvent();
  const int32_t sourceID = source->GetID();
  ASSERT_TRUE(editing.EditEvent(source));
  EXPECT_EQ(editing.WorkingEvent()->GetID(), sourceID);
  EXPECT_NE(editing.WorkingEvent(), source);
  editing.SetName(sj("長老"));
  ASSERT_EQ(editing.NewAction(0), 1);
  editing.SetActionName(sj("新しい"));
  ASSERT_TRUE(editing.Commit());

  EXPECT_EQ(u8(source->GetName()), "長老");
  EXPECT_EQ(source->GetID(), sourceID);
  ASSERT_EQ(source->GetCount(), 3);
  EXPECT_EQ(u8(source->GetItem(1)->GetName()), "新しい");
  // The list shown through the copy is the game's list, and stays so in the event.
  EXPECT_EQ(source->GetItem(2)->GetOrder(), api->sharedOrders->GetChild(0));
}

TEST_F(EventEditingTest, TabCaptionsNameActionsOrNumberThem) {
  auto event = factory.CreateEventModel();
  const std::pair<std::string, std::string> cases[] = {
      {"歩く", "歩く"},
      {"", "アクション2"},
      {"Object", "アクション3"},
      {"my oBjEcT page", "アクション4"},
      {"objec", "objec"},
      // The second byte of "Ｐ" is 'o': a character's trail byte is no letter.
      {"Ｐbject", "Ｐbject"},
  };
  for (const auto& [name, caption] : cases) action(event, name);
  ASSERT_TRUE(editing.EditEvent(event));
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(u8(editing.TabCaption(static_cast<int32_t>(i))), cases[i].second) << cases[i].first;
}

TEST_F(EventEditingTest, ShareNameFollowsWhichNamesAreObjects) {
  const struct {
    const char* event;
    const char* action;
    const char* list;
  } cases[] = {
      {"村人", "話す", "話す@村人の処理"},
      {"Object1", "object2", "Object1の処理"},
      {"Object1", "話す", "話すの処理"},
      {"村人", "OBJECT", "村人の処理"},
  };
  for (const auto& c : cases) {
    auto event = factory.CreateEventModel();
    event->SetName(sj(c.event).c_str());
    action(event, c.action);
    ASSERT_TRUE(editing.EditEvent(event));
    EXPECT_EQ(u8(editing.ShareName()), c.list) << c.event << " " << c.action;
  }
}

TEST_F(EventEditingTest, ShareNameCutsTheActionNameOnACharacter) {
  auto event = factory.CreateEventModel();
  event->SetName("E");
  std::string name;
  for (int i = 0; i < 200; ++i) name += sj("あ");
  action(event, "")->SetName(name.c_str());
  ASSERT_TRUE(editing.EditEvent(event));
  // 255 bytes would end inside the 128th character.
  EXPECT_EQ(editing.ShareName(), name.substr(0, 254) + "@E" + sj("の処理"));
  EXPECT_EQ(Cp932Prefix("a" + name, 256), ("a" + name).substr(0, 255));
  EXPECT_EQ(Cp932Prefix("ab", 10), "ab");
}

TEST_F(EventEditingTest, SharingPutsTheRootOrderIntoTheGameAtOnce) {
  auto source = gameEvent();
  ASSERT_TRUE(editing.EditEvent(source));
  EXPECT_EQ(editing.SharedListIndex(), -1);
  EXPECT_EQ(u8(editing.SharingLabel()), "この命令リストは共有されていません");
  EXPECT_EQ(u8(editing.ShareButtonCaption()), "共有リストに入れる(&S)");
  ASSERT_TRUE(editing.Share());
  EXPECT_FALSE(editing.Share());
  ASSERT_EQ(api->sharedOrders->GetChildCount(), 2);
  EXPECT_EQ(api->sharedOrders->GetChild(1), editing.CurrentAction()->GetOrder());
  EXPECT_EQ(editing.SharedListIndex(), 1);
  EXPECT_EQ(u8(editing.SharingLabel()), "命令リスト「話す@村人の処理」を共有中");
  EXPECT_EQ(u8(editing.ShareButtonCaption()), "共有解除(&S)");

  // OK keeps what was shared.
  ASSERT_TRUE(editing.Commit());
  editing.Release();
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 2);
}

TEST_F(EventEditingTest, CancelPutsTheSharedListsBackWhateverWasSharedUnsharedOrLinked) {
  struct Case {
    const char* name;
    void (*edit)(TZEEventEditing&, IZelvoOrderModel& shared);
  };
  const Case cases[] = {
      {"shared", [](TZEEventEditing& e, IZelvoOrderModel&) { ASSERT_TRUE(e.Share()); }},
      {"shared, unshared and shared again",
       [](TZEEventEditing& e, IZelvoOrderModel&) {
         ASSERT_TRUE(e.Share());
         ASSERT_TRUE(e.Unshare());
         ASSERT_TRUE(e.Share());
       }},
      {"a linked list unshared",
       [](TZEEventEditing& e, IZelvoOrderModel&) {
         e.ShowAction(1);
         ASSERT_TRUE(e.Unshare());
       }},
      {"linked, then shared elsewhere",
       [](TZEEventEditing& e, IZelvoOrderModel& shared) {
         ASSERT_TRUE(e.Share());
         e.ShowAction(1);
         ASSERT_TRUE(e.LinkTo(shared.GetChild(1)));
       }},
  };
  for (const auto& c : cases) {
    auto source = gameEvent();
    const auto eventBefore = test::saved(*source);
    const auto sharedBefore = test::saved(*api->sharedOrders);
    std::vector<std::shared_ptr<IZelvoOrderModel>> lists;
    for (int32_t i = 0; i < api->sharedOrders->GetChildCount(); ++i) lists.push_back(api->sharedOrders->GetChild(i));
    ASSERT_TRUE(editing.EditEvent(source));
    c.edit(editing, *api->sharedOrders);
    editing.Cancel();
    EXPECT_BYTES_EQ(test::saved(*api->sharedOrders), sharedBefore) << c.name;
    EXPECT_BYTES_EQ(test::saved(*source), eventBefore) << c.name;
    ASSERT_EQ(api->sharedOrders->GetChildCount(), int32_t(lists.size())) << c.name;
    for (size_t i = 0; i < lists.size(); ++i) EXPECT_EQ(api->sharedOrders->GetChild(int32_t(i)), lists[i]) << c.name;
    EXPECT_EQ(source->GetItem(1)->GetOrder(), lists.back()) << c.name << ": the linked action keeps its list";
  }
}

TEST_F(EventEditingTest, TwoLinkedActionsShowOneListAndUnsharingRemovesItForBoth) {
  auto event = factory.CreateEventModel();
  auto list = sharedList("共通", 1);
  action(event, "一", list);
  action(event, "二", list);
  ASSERT_TRUE(editing.EditEvent(event));
  for (int32_t i : {0, 1}) {
    editing.ShowAction(i);
    EXPECT_EQ(u8(editing.SharingLabel()), "命令リスト「共通」を共有中") << i;
  }
  ASSERT_TRUE(editing.Unshare());
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
  EXPECT_EQ(editing.CurrentAction()->GetOrder()->GetChildCount(), 1);
  editing.ShowAction(0);
  EXPECT_FALSE(editing.IsShared());
  EXPECT_FALSE(editing.Unshare());
}

TEST_F(EventEditingTest, LinkingTakesOnlyAGameListAndAsksWhenOrdersWouldGo) {
  auto source = gameEvent();
  auto list = api->sharedOrders->GetChild(0);
  ASSERT_TRUE(editing.EditEvent(source));
  EXPECT_TRUE(editing.LinkDiscardsOrders());
  auto stranger = factory.CreateOrderModel(nullptr);
  EXPECT_FALSE(editing.LinkTo(stranger));
  EXPECT_FALSE(editing.LinkTo(nullptr));
  EXPECT_NE(editing.CurrentAction()->GetOrder(), stranger);
  ASSERT_TRUE(editing.LinkTo(list));
  EXPECT_EQ(editing.CurrentAction()->GetOrder(), list);
  EXPECT_EQ(editing.SharedListIndex(), 0);
  EXPECT_FALSE(editing.LinkDiscardsOrders());
}

TEST_F(EventEditingTest, ComboIndexesAreCheckedAndZeroMeansNone) {
  auto source = gameEvent();
  auto second = animation(16, 16);
  ASSERT_TRUE(editing.EditEvent(source));
  EXPECT_EQ(editing.DAnimationComboIndex(), 1);
  EXPECT_EQ(editing.CollisionComboIndex(), 1);
  for (int32_t bad : {-1, 3, 1000}) {
    EXPECT_FALSE(editing.SetDAnimationComboIndex(bad)) << bad;
    EXPECT_FALSE(editing.SetCollisionComboIndex(bad)) << bad;
  }
  EXPECT_EQ(editing.DAnimationComboIndex(), 1);
  ASSERT_TRUE(editing.SetDAnimationComboIndex(2));
  EXPECT_EQ(editing.CurrentAction()->GetDAnimation(), second);
  ASSERT_TRUE(editing.SetCollisionComboIndex(0));
  EXPECT_EQ(editing.CurrentAction()->GetCollision(), nullptr);
  EXPECT_EQ(editing.CollisionComboIndex(), 0);
}

TEST_F(EventEditingTest, ShowingAnActionGivesItOrdersAndACondition) {
  auto event = factory.CreateEventModel();
  auto bare = factory.CreateActionModel();
  bare->SetOrder(nullptr);
  event->Add(bare);
  ASSERT_TRUE(editing.EditEvent(event));
  for (int32_t bad : {-1, 1, 99}) {
    EXPECT_FALSE(editing.ShowAction(bad));
    EXPECT_EQ(editing.CurrentAction(), nullptr);
  }
  ASSERT_TRUE(editing.ShowAction(0));
  EXPECT_NE(editing.CurrentAction()->GetOrder(), nullptr);
  EXPECT_NE(editing.CurrentAction()->GetCondition(), nullptr);
}

TEST_F(EventEditingTest, NewActionsTakeTheFigureOfTheCurrentOrTheFirstOfEachList) {
  auto picture = factory.CreateStyleModel(1001);
  api->materials->Add(picture);
  auto firstCollision = collision();
  auto firstAnimation = animation(32, 32);
  auto event = factory.CreateEventModel();
  ASSERT_TRUE(editing.EditEvent(event));
  ASSERT_EQ(editing.NewAction(-1), 0);
  auto first = editing.CurrentAction();
  EXPECT_EQ(first->GetCollision(), firstCollision);
  EXPECT_EQ(first->GetDAnimation(), firstAnimation);
  EXPECT_EQ(first->GetMaterial(), picture);

  editing.SetDAnimationComboIndex(0);
  ASSERT_EQ(editing.NewAction(0), 1);
  ASSERT_EQ(editing.NewAction(0), 1);  // after the selected tab, before the one added before
  EXPECT_EQ(editing.GetActionCount(), 3);
  auto inserted = editing.CurrentAction();
  EXPECT_EQ(inserted->GetDAnimation(), nullptr);
  EXPECT_EQ(inserted->GetMaterial(), picture);
  EXPECT_NE(inserted->GetOrder(), first->GetOrder());
  EXPECT_NE(inserted->GetCondition(), first->GetCondition());
  // A selected tab past the end appends.
  EXPECT_EQ(editing.NewAction(50), 3);

  EXPECT_EQ(editing.DeleteAction(4), -1);
  EXPECT_EQ(editing.DeleteAction(-1), -1);
  EXPECT_EQ(editing.GetActionCount(), 4);
  for (int32_t left = 3; left >= 1; --left) EXPECT_EQ(editing.DeleteAction(0), 0);
  EXPECT_EQ(editing.DeleteAction(0), -1);
  EXPECT_EQ(editing.CurrentAction(), nullptr);
  EXPECT_EQ(event->GetCount(), 0);
}

TEST_F(EventEditingTest, PreviewCentresTheFacingDownCellOrSaysWhatIsMissing) {
  auto event = factory.CreateEventModel();
  auto a = action(event, "x");
  ASSERT_TRUE(editing.EditEvent(event));
  EXPECT_EQ(editing.DescribePreview(true).message, "使用する絵が決まってません");

  auto picture = factory.CreateStyleModel(1001);
  picture->SetPath("chara\\a.bmp");
  editing.SetMaterial(picture);
  EXPECT_EQ(editing.DescribePreview(false).message, "使用する絵が決まってません");
  EXPECT_EQ(editing.DescribePreview(true).message, "アニメ設定がありません");

  const struct {
    int32_t w, h, destX, destY;
  } cases[] = {{32, 48, 48, 40}, {200, 304, 0, 0}, {128, 16, 0, 56}};
  for (const auto& c : cases) {
    editing.CurrentAction()->SetDAnimation(animation(c.w, c.h));
    const auto p = editing.DescribePreview(true);
    EXPECT_TRUE(p.message.empty());
    EXPECT_EQ(p.imagePath, "chara\\a.bmp");
    EXPECT_EQ(p.destX, c.destX) << c.w;
    EXPECT_EQ(p.destY, c.destY) << c.h;
    EXPECT_EQ(p.cellX, 0);
    EXPECT_EQ(p.cellY, 2 * c.h);  // four directions: down is the third row
    EXPECT_EQ(p.cellWidth, c.w);
  }
}

TEST_F(EventEditingTest, SharedListsAreEditedOnACopy) {
  auto list = sharedList("共通", 2);
  const auto before = test::saved(*list);
  ASSERT_TRUE(editing.EditSharedOrders(list));
  EXPECT_EQ(editing.GetMode(), TZEEventEditing::Mode::SharedOrders);
  EXPECT_EQ(editing.GetActionCount(), 0);
  EXPECT_EQ(editing.NewAction(0), -1);
  EXPECT_FALSE(editing.Share());
  editing.SetName(sj("改名"));
  editing.WorkingOrder()->DeleteChild(0);
  EXPECT_BYTES_EQ(test::saved(*list), before);

  ASSERT_TRUE(editing.Commit());
  EXPECT_EQ(u8(list->GetName()), "改名");
  EXPECT_EQ(list->GetChildCount(), 1);
  EXPECT_EQ(api->sharedOrders->GetChild(0), list);
}

TEST_F(EventEditingTest, NothingToEditDoesNothing) {
  EXPECT_FALSE(editing.EditEvent(nullptr));
  EXPECT_FALSE(editing.Commit());
  EXPECT_FALSE(editing.ShowAction(0));
  EXPECT_EQ(editing.GetName(), "");
  TZEEventEditing noGame;
  EXPECT_FALSE(noGame.EditEvent(factory.CreateEventModel()));
}

}  // namespace
}  // namespace zelvo
