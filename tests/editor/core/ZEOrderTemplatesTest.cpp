#include "editor/core/ZEOrderTemplates.h"

#include <gtest/gtest.h>

#include "editor/core/ZEPlainTree.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

std::string u8(const std::string& cp932) { return Cp932::toUtf8(cp932); }

class OrderTemplatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TZEOrderTemplates::Fill(templates);
    root->SetType(OrderType::NewOrder);
    for (int32_t type : {OrderType::ShowText, OrderType::SwitchOn}) api->GetFactory()->CreateOrderModel(root)->SetType(type);
    api->GetFactory()->CreateOrderModel(root->GetChild(1))->SetType(OrderType::GameEnd);
    orders.SetTag(root);
    designer.FillOrderTree(orders, nullptr, root);
  }
  const IZETreeNode& find(const std::string& utf8) const {
    for (int32_t g = 0; g < templates.GetTopLevelCount(); ++g)
      for (int32_t t = 0; t < templates.GetTopLevel(g)->GetChildCount(); ++t)
        if (u8(templates.GetTopLevel(g)->GetChild(t)->GetCaption()) == utf8) return *templates.GetTopLevel(g)->GetChild(t);
    ADD_FAILURE() << utf8;
    return *templates.GetTopLevel(0);
  }

  std::shared_ptr<test::TestGameData> api = std::make_shared<test::TestGameData>();
  TZETreeDesigner designer{api};
  TZEPlainTree templates, orders;
  std::shared_ptr<IZelvoOrderModel> root = api->GetFactory()->CreateOrderModel(nullptr);
};

TEST_F(OrderTemplatesTest, GroupsHoldTheirTemplatesWithTheGroupsIcon) {
  const std::tuple<const char*, int32_t, int32_t> groups[] = {
      {"文字列関係", 0, 3}, {"スイッチ・変数関係", 1, 4}, {"マップ関連", 4, 4},
      {"数値・パーティ・アイテム・スキル関係", 2, 5}, {"ファイル・画像・音楽・効果音関係", 3, 4},
      {"画像処理関係", 5, 3}, {"分岐関係", 6, 0}, {"その他", 7, 1}};
  ASSERT_EQ(templates.GetTopLevelCount(), 8);
  for (int32_t i = 0; i < 8; ++i) {
    const auto& [caption, icon, count] = groups[i];
    IZETreeNode* group = templates.GetTopLevel(i);
    EXPECT_EQ(u8(group->GetCaption()), caption);
    EXPECT_EQ(group->GetIcon(), icon);
    EXPECT_FALSE(TZEOrderTemplates::IsTemplate(group));
    ASSERT_EQ(group->GetChildCount(), count) << caption;
    for (int32_t t = 0; t < count; ++t) {
      EXPECT_EQ(group->GetChild(t)->GetIcon(), icon);
      EXPECT_TRUE(TZEOrderTemplates::IsTemplate(group->GetChild(t)));
    }
  }
  EXPECT_EQ(OrderCodeFromName(find("場所の移動").GetCaption()), OrderType::MoveToPlace);
}

TEST_F(OrderTemplatesTest, AConfirmedAddKeepsTheSelectedNewOrder) {
  IZETreeNode* edited = nullptr;
  auto order = TZEOrderTemplates::AddAndEdit(designer, orders, find("スイッチオン"), false, [&](IZETreeNode& node) {
    edited = &node;
    return true;
  });
  ASSERT_TRUE(order);
  EXPECT_EQ(order->GetType(), OrderType::SwitchOn);
  EXPECT_EQ(root->GetChildCount(), 3);
  ASSERT_EQ(orders.GetSelected(), edited);
  EXPECT_EQ(edited->GetData().As<IZelvoOrderModel>(), order);
}

TEST_F(OrderTemplatesTest, AnUnknownTemplateMakesAnUnbuiltOrder) {
  auto order = TZEOrderTemplates::AddAndEdit(designer, orders, find("画面の色の変更"), true,
                                             [](IZETreeNode&) { return true; });
  ASSERT_TRUE(order);
  EXPECT_EQ(order->GetType(), 0);
  EXPECT_EQ(u8(orders.GetSelected()->GetCaption()), "<未実装>画面の色の変更");
}

TEST_F(OrderTemplatesTest, ACancelledAddRemovesExactlyThatOrderWhereverItWent) {
  const auto before = test::saved(*root);
  auto cancel = [](IZETreeNode&) { return false; };
  const std::pair<int32_t, bool> placements[] = {{-1, false}, {-1, true}, {0, false}, {1, true}, {1, false}};
  for (const auto& [selected, asChild] : placements) {
    orders.SetSelected(selected < 0 ? nullptr : orders.GetTopLevel(selected));
    int32_t runs = 0;
    EXPECT_EQ(TZEOrderTemplates::AddAndEdit(designer, orders, find("文章の表示"), asChild,
                                            [&](IZETreeNode& n) {
                                              ++runs;
                                              return cancel(n);
                                            }),
              nullptr);
    EXPECT_EQ(runs, 1);
    EXPECT_BYTES_EQ(test::saved(*root), before) << selected << asChild;
    TZEPlainTree refilled;
    designer.FillOrderTree(refilled, nullptr, root);
    EXPECT_EQ(orders.GetTopLevelCount(), refilled.GetTopLevelCount());
    EXPECT_EQ(orders.GetTopLevel(1)->GetChildCount(), 1);
  }
  // An empty list.
  auto empty = api->GetFactory()->CreateOrderModel(nullptr);
  TZEPlainTree none;
  none.SetTag(empty);
  EXPECT_EQ(TZEOrderTemplates::AddAndEdit(designer, none, find("文章の表示"), false, cancel), nullptr);
  EXPECT_EQ(empty->GetChildCount(), 0);
  EXPECT_EQ(none.GetTopLevelCount(), 0);
  // A group is no template.
  EXPECT_EQ(TZEOrderTemplates::AddAndEdit(designer, none, *templates.GetTopLevel(0), false,
                                          [](IZETreeNode&) { return true; }),
            nullptr);
}

}  // namespace
}  // namespace zelvo
