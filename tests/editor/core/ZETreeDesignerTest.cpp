#include "editor/core/ZETreeDesigner.h"

#include <gtest/gtest.h>

#include "editor/core/ZEPlainTree.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Cp932.h"
#include "support/TestGameData.h"
#include "tools/DefaultGame.h"

namespace zelvo {
namespace {

std::string sj(const std::string& utf8) { return Cp932::fromUtf8(utf8); }
std::string u8(const std::string& cp932) { return Cp932::toUtf8(cp932); }

// One line per node: two spaces per level, the caption in UTF-8, then the icon.
void dump(const IZETreeNode& node, int depth, std::vector<std::string>& out) {
  out.push_back(std::string(static_cast<size_t>(depth) * 2, ' ') + u8(node.GetCaption()) + " [" +
                std::to_string(node.GetIcon()) + "]");
  for (int32_t i = 0; i < node.GetChildCount(); ++i) dump(*node.GetChild(i), depth + 1, out);
}

std::vector<std::string> dump(const IZETree& tree) {
  std::vector<std::string> out;
  for (int32_t i = 0; i < tree.GetTopLevelCount(); ++i) dump(*tree.GetTopLevel(i), 0, out);
  return out;
}

class TreeDesignerTest : public ::testing::Test {
 protected:
  std::shared_ptr<TZMLZelvoAPI> api = std::make_shared<TZMLZelvoAPI>();
  IZMLFactory& factory = *api->GetFactory();
  TZETreeDesigner designer{api};
  TZEPlainTree tree;

  template <class M>
  std::shared_ptr<M> named(std::shared_ptr<M> model, const std::string& utf8) {
    model->SetName(sj(utf8).c_str());
    return model;
  }
  std::shared_ptr<IZelvoOrderModel> order(const std::shared_ptr<IZelvoOrderModel>& parent, int32_t type,
                                          const std::string& name) {
    auto o = named(factory.CreateOrderModel(parent), name);
    o->SetType(type);
    return o;
  }
  std::shared_ptr<IZelvoEventPackageModel> package(const std::string& name, std::vector<std::string> events) {
    auto p = named(factory.CreateEventPackageModel(), name);
    for (const std::string& e : events) p->Add(named(factory.CreateEventModel(), e));
    api->GetEventPackageList()->Add(p);
    return p;
  }
  // A template node as the order list window holds them.
  IZETreeNode& templateNode(TZEPlainTree& templates, const std::string& caption, int32_t icon) {
    IZETreeNode* node = templates.AddChild(nullptr, sj(caption));
    node->SetIcon(icon);
    return *node;
  }
};

TEST_F(TreeDesignerTest, MainTreeListsEveryEditorWithItsCode) {
  tree.AddChild(nullptr, "stale");
  designer.BuildEditorTree(tree);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{
                            "テストプレー [20]", "シナリオ [0]", "マップ [1]", "  移動タイプの設定 [22]",
                            "マップチップ [32]", "共有イベント [2]", "キャラ [3]", "  職業エディタ [21]",
                            "  属性タイプエディタ [24]", "パーティ [19]", "条件エディタ [25]", "アイテム [4]",
                            "スキル [5]", "アニメ [6]", "戦闘シーン [7]", "方向付きアニメーション [8]",
                            "あたり判定 [9]", "素材管理エディタ [18]", "その他 [10]", "  ステータス画面 [11]",
                            "  作業フォルダの編集 [12]", "  プラグインの追加削除 [13]", "  用語エディタ [26]"}));
  designer.BuildMapRootNode(tree);
  EXPECT_EQ(dump(tree).back(), "マップ [1]");
}

TEST(OrderCodeFromNameTest, FirstContainedTemplateTextGivesTheType) {
  const std::pair<const char*, int32_t> cases[] = {
      {"ゲームの終了", 1},          {"文章の表示", 2},         {"場所の移動", 4000},
      {"フェードイン", 5100},       {"画面のフェードアウト", 5101}, {"スイッチオン", 1010},
      {"スイッチオフ", 1011},       {"変数値の設定", 1012},    {"フェードアウト後フェードイン", 5100},
      {"文章の表示とゲームの終了", 1}, {"ウェイト", 0},          {"", 0},
  };
  for (const auto& [caption, code] : cases) EXPECT_EQ(OrderCodeFromName(sj(caption)), code) << caption;
}

TEST_F(TreeDesignerTest, OrderCaptionsFollowTheType) {
  auto mapNode = named(factory.CreateMapTreeNode(), "はじまりの村");
  api->GetMapTree()->GetRootNode()->AddTopLevelNode(mapNode);
  auto unnamed = factory.CreateMapTreeNode();
  api->GetMapTree()->GetRootNode()->AddTopLevelNode(unnamed);
  auto lower = named(factory.CreateMapTreeNode(), "my object map");
  api->GetMapTree()->GetRootNode()->AddTopLevelNode(lower);

  auto root = factory.CreateOrderModel(nullptr);
  auto text = order(root, 2, "文章");
  text->SetText(sj("こんにちは").c_str());
  auto move = [&](int32_t mapID) {
    auto o = order(root, 4000, "移動");
    o->SetMapID(mapID);
    o->SetFloorID(2);
    o->SetX(64);
    o->SetY(-16);
    return o;
  };
  const std::pair<std::shared_ptr<IZelvoOrderModel>, std::string> cases[] = {
      {order(root, 1, "終了"), "終了"},
      {order(root, 1010, "オン"), "オン"},
      {order(root, 5101, "暗く"), "暗く"},
      {text, "文章 こんにちは"},
      {move(mapNode->GetID()), "<テスト中>移動 はじまりの村 ID2のレイヤ X64 Y-16"},
      {move(unnamed->GetID()), "<テスト中>移動 ID" + std::to_string(unnamed->GetID()) + "のマップ ID2のレイヤ X64 Y-16"},
      {move(lower->GetID()), "<テスト中>移動 ID" + std::to_string(lower->GetID()) + "のマップ ID2のレイヤ X64 Y-16"},
      {move(9999), "<テスト中>移動 無効なマップ ID2のレイヤ X64 Y-16"},
      {order(root, 150000, "新規"), "<未実装>新規"},
  };
  for (const auto& [o, caption] : cases) EXPECT_EQ(u8(designer.DescribeOrder(*o)), caption);

  designer.FillOrderTree(tree, nullptr, root);
  ASSERT_EQ(tree.GetTopLevelCount(), root->GetChildCount());
  const std::pair<int32_t, int32_t> typeIcons[] = {{1, 0}, {2, 0}, {1010, 1}, {4000, 4}, {5101, 5}, {150000, 150}};
  for (const auto& [o, caption] : cases) {
    IZETreeNode* node = tree.GetTopLevel(root->IndexOfChild(o.get()));
    EXPECT_EQ(u8(node->GetCaption()), caption);
    EXPECT_EQ(node->GetData().As<IZelvoOrderModel>(), o);
    for (const auto& [type, icon] : typeIcons)
      if (o->GetType() == type) {
        EXPECT_EQ(node->GetIcon(), icon) << type;
      }
  }
}

TEST_F(TreeDesignerTest, OrderTreeIsFilledRecursivelyAndWithoutAMapTree) {
  auto root = factory.CreateOrderModel(nullptr);
  auto outer = order(root, 5100, "明るく");
  order(outer, 2, "中");
  order(root, 4000, "外");
  TZETreeDesigner noGame;
  noGame.FillOrderTree(tree, nullptr, root);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"明るく [5]", "  中  [0]", "<テスト中>外 無効なマップ ID0のレイヤ X0 Y0 [4]"}));
}

TEST_F(TreeDesignerTest, OrdersFromTemplatesTakeTypeNameAndIcon) {
  auto root = factory.CreateOrderModel(nullptr);
  tree.SetTag(root);
  TZEPlainTree templates;
  auto first = designer.AddOrderFromTemplate(tree, nullptr, templateNode(templates, "ゲームの終了", 7));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->GetType(), 1);
  EXPECT_EQ(root->GetChild(0), first);
  EXPECT_EQ(dump(tree), std::vector<std::string>{"ゲームの終了 [7]"});

  IZETreeNode* firstNode = tree.GetTopLevel(0);
  auto variable = designer.AddOrderFromTemplate(tree, firstNode, templateNode(templates, "変数値の設定", 1));
  EXPECT_EQ(variable->GetType(), 1012);
  EXPECT_EQ(first->GetChild(0), variable);
  auto odd = designer.AddOrderFromTemplate(tree, nullptr, templateNode(templates, "待つ", 3));
  EXPECT_EQ(odd->GetType(), 0);
  EXPECT_EQ(u8(tree.GetTopLevel(1)->GetCaption()), "<未実装>待つ");

  // A refill describes from the model: icons follow the type.
  TZEPlainTree refilled;
  designer.FillOrderTree(refilled, nullptr, root);
  EXPECT_EQ(dump(refilled), (std::vector<std::string>{"ゲームの終了 [0]", "  変数値の設定 [1]", "<未実装>待つ [0]"}));
}

TEST_F(TreeDesignerTest, DescribingAgainBuildsFromTheModelNotTheCaption) {
  auto root = factory.CreateOrderModel(nullptr);
  tree.SetTag(root);
  TZEPlainTree templates;
  auto text = designer.AddOrderFromTemplate(tree, nullptr, templateNode(templates, "文章の表示", 0));
  text->SetText(sj("よろしく").c_str());
  IZETreeNode* node = tree.GetTopLevel(0);
  designer.DescribeOrderNode(*node);
  designer.DescribeOrderNode(*node);
  TZEPlainTree fresh;
  designer.FillOrderTree(fresh, nullptr, root);
  EXPECT_EQ(node->GetCaption(), fresh.GetTopLevel(0)->GetCaption());
  EXPECT_EQ(u8(node->GetCaption()), "文章の表示 よろしく");
}

TEST_F(TreeDesignerTest, InsertedOrdersGoRightAfterTheNode) {
  auto root = factory.CreateOrderModel(nullptr);
  auto a = order(root, 1, "A");
  auto b = order(root, 1, "B");
  tree.SetTag(root);
  designer.FillOrderTree(tree, nullptr, root);
  TZEPlainTree templates;
  IZETreeNode& fadeIn = templateNode(templates, "フェードイン", 5);

  auto middle = designer.InsertOrderFromTemplate(tree, tree.GetTopLevel(0), fadeIn);
  ASSERT_TRUE(middle);
  EXPECT_EQ(root->GetChild(1), middle);
  EXPECT_EQ(middle->GetParent(), root);
  EXPECT_EQ(tree.GetSelected(), tree.GetTopLevel(1));
  auto last = designer.InsertOrderFromTemplate(tree, tree.GetTopLevel(2), fadeIn);
  EXPECT_EQ(root->GetChild(3), last);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"A [0]", "フェードイン [5]", "B [0]", "フェードイン [5]"}));

  auto top = designer.InsertOrderFromTemplate(tree, nullptr, fadeIn);
  EXPECT_EQ(root->GetChildCount(), 5);
  EXPECT_EQ(root->GetChild(4), top);

  designer.DeleteOrderNode(tree, tree.GetTopLevel(1));
  EXPECT_EQ(root->GetChildCount(), 4);
  EXPECT_EQ(root->GetChild(1), b);
  EXPECT_EQ(u8(tree.GetTopLevel(1)->GetCaption()), "B");
  EXPECT_EQ(root->GetChild(0), a);
}

TEST_F(TreeDesignerTest, OrderRoutinesWithoutATagOrWithAStaleNodeChangeNothing) {
  TZEPlainTree templates;
  EXPECT_EQ(designer.AddOrderFromTemplate(tree, nullptr, templateNode(templates, "文章の表示", 0)), nullptr);
  EXPECT_EQ(tree.GetTopLevelCount(), 0);

  auto root = factory.CreateOrderModel(nullptr);
  order(root, 1, "A");
  order(root, 1, "B");
  tree.SetTag(root);
  designer.FillOrderTree(tree, nullptr, root);
  root->DeleteChild(0);  // changed elsewhere: the first node no longer matches
  designer.DeleteOrderNode(tree, tree.GetTopLevel(0));
  EXPECT_EQ(root->GetChildCount(), 1);
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
  EXPECT_EQ(designer.InsertOrderFromTemplate(tree, tree.GetTopLevel(0), templates.GetTopLevel(0)[0]), nullptr);
  EXPECT_EQ(root->GetChildCount(), 1);
}

TEST_F(TreeDesignerTest, EventTreeShowsPackagesAndTheirEvents) {
  package("村", {"村人", "長老"});
  package("迷子", {"犬"});
  auto looseModel = std::make_shared<TZelvoEventPackageModel>(-1, api.get());
  looseModel->SetName(sj("ローカル").c_str());
  api->GetEventPackageList()->Add(looseModel);
  designer.FillEventTree(tree);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"村 [15]", "  村人 [2]", "  長老 [2]", "迷子 [15]", "  犬 [2]",
                                                  "ローカル [31]"}));
  EXPECT_EQ(tree.GetTopLevel(0)->GetChild(1)->GetData().As<IZelvoEventModel>(),
            api->GetEventPackageList()->GetItem(0)->GetItem(1));
}

TEST_F(TreeDesignerTest, NewEventGoesIntoThePackageOfTheSelection) {
  auto village = package("村", {"村人"});
  auto local = std::make_shared<TZelvoEventPackageModel>(-1, api.get());
  api->GetEventPackageList()->Add(local);
  designer.FillEventTree(tree);

  designer.NewEvent(tree);  // nothing selected
  EXPECT_EQ(village->GetCount(), 1);

  tree.SetSelected(tree.GetTopLevel(0)->GetChild(0));
  designer.NewEvent(tree);
  ASSERT_EQ(village->GetCount(), 2);
  EXPECT_EQ(u8(tree.GetSelected()->GetCaption()), "新規イベント");
  EXPECT_EQ(tree.GetSelected()->GetParent(), tree.GetTopLevel(0));
  EXPECT_EQ(tree.GetSelected()->GetData().As<IZelvoEventModel>(), village->GetItem(1));

  tree.SetSelected(tree.GetTopLevel(1));
  designer.NewEvent(tree);
  EXPECT_EQ(local->GetCount(), 1);
  EXPECT_EQ(tree.GetTopLevel(1)->GetChildCount(), 1);
}

TEST_F(TreeDesignerTest, PackageNodeDependsOnTheListGiven) {
  auto listed = package("村", {"村人"});
  auto other = named(factory.CreateEventPackageModel(), "外");
  other->Add(factory.CreateEventModel());
  auto list = api->GetEventPackageList();
  EXPECT_EQ(designer.AddEventPackageNode(tree, nullptr, list, listed)->GetIcon(), 15);
  EXPECT_EQ(designer.AddEventPackageNode(tree, nullptr, list, other)->GetIcon(), -1);
  EXPECT_EQ(designer.AddEventPackageNode(tree, nullptr, nullptr, other)->GetIcon(), 31);
  EXPECT_EQ(designer.AddEventPackageNode(tree, nullptr, list, nullptr), nullptr);
  EXPECT_EQ(tree.GetTopLevel(0)->GetChildCount(), 1);
  EXPECT_EQ(tree.GetTopLevel(1)->GetChildCount(), 0);
  EXPECT_EQ(tree.GetTopLevel(2)->GetChildCount(), 1);
}

TEST_F(TreeDesignerTest, EventsAndPackagesAreCreatedAndDeletedWithTheirNodes) {
  auto village = package("村", {"村人", "長老"});
  designer.FillEventTree(tree);
  designer.NewEventPackage(tree);
  auto list = api->GetEventPackageList();
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_EQ(tree.GetSelected(), tree.GetTopLevel(1));
  EXPECT_EQ(dump(tree).back(), "新規パッケージ [15]");

  designer.DeleteEvent(tree, tree.GetTopLevel(0)->GetChild(0));
  ASSERT_EQ(village->GetCount(), 1);
  EXPECT_EQ(u8(village->GetItem(0)->GetNameBytes()), "長老");
  EXPECT_EQ(tree.GetTopLevel(0)->GetChildCount(), 1);

  designer.DeleteEventPackage(tree, tree.GetTopLevel(0));
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetItem(0)->GetID(), tree.GetTopLevel(0)->GetData().model->GetID());
  designer.DeleteEventPackage(tree, nullptr);
  designer.DeleteEvent(tree, nullptr);
  EXPECT_EQ(list->GetCount(), 1);
}

TEST_F(TreeDesignerTest, StaleNodesNeverDeleteAnotherModel) {
  package("一", {});
  package("二", {});
  designer.FillEventTree(tree);
  api->GetEventPackageList()->Delete(0);  // the list moved on; node 0 stands for a gone package
  designer.DeleteEventPackage(tree, tree.GetTopLevel(0));
  EXPECT_EQ(api->GetEventPackageList()->GetCount(), 1);
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
  // Its row is past the list's end, but its package is still listed: that is the one deleted.
  designer.DeleteEventPackage(tree, tree.GetTopLevel(1));
  EXPECT_EQ(api->GetEventPackageList()->GetCount(), 0);
  EXPECT_EQ(tree.GetTopLevelCount(), 1);
}

TEST_F(TreeDesignerTest, DeletesFindTheirModelWhenTheRowsDoNotFollowTheList) {
  // As the map editor shows them: the map's own package first, then the shared ones.
  auto village = package("村", {"村人", "長老"});
  auto woods = package("森", {"熊"});
  auto local = named(factory.CreateEventPackageModel(), "ローカル");
  local->Add(named(factory.CreateEventModel(), "宝箱"));
  auto list = api->GetEventPackageList();
  designer.AddEventPackageNode(tree, nullptr, nullptr, local);
  designer.AddEventPackageNode(tree, nullptr, list, village);
  designer.AddEventPackageNode(tree, nullptr, list, woods);
  ASSERT_EQ(tree.GetTopLevel(1)->GetChildCount(), 2);

  designer.DeleteEvent(tree, tree.GetTopLevel(1)->GetChild(1));
  ASSERT_EQ(village->GetCount(), 1);
  EXPECT_EQ(u8(village->GetItem(0)->GetNameBytes()), "村人");
  designer.DeleteEvent(tree, tree.GetTopLevel(0)->GetChild(0));
  EXPECT_EQ(local->GetCount(), 0);
  EXPECT_EQ(tree.GetTopLevel(0)->GetChildCount(), 0);

  designer.DeleteEventPackage(tree, tree.GetTopLevel(2));
  ASSERT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetItem(0), village);
  designer.DeleteEventPackage(tree, tree.GetTopLevel(0));  // the map's own package is in no list
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(tree.GetTopLevelCount(), 2);
}

TEST_F(TreeDesignerTest, MaterialTreeMarksLostAndNewItems) {
  auto root = api->GetMaterialRoot();
  auto pictures = named(api->GetImageMaterials(), "画像素材");
  auto lost = named(factory.CreateStyleModel(1001), "a.bmp");
  lost->SetMissingFlag(true);
  auto both = named(factory.CreateStyleModel(1001), "b.bmp");
  both->SetMissingFlag(true);
  both->SetNewFlag(true);
  auto fresh = named(factory.CreateStyleModel(4001), "c.avi");
  fresh->SetNewFlag(true);
  auto inner = named(factory.CreateStylePackage(), "中");
  inner->Add(named(factory.CreateStyleModel(1001), "d.bmp"));
  pictures->Add(lost);
  pictures->Add(both);
  pictures->Add(fresh);
  pictures->Add(inner);
  designer.FillMaterialTree(tree, nullptr);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"画像素材 [18]", "  a.bmp<迷子> [16]", "  b.bmp<迷子><New!> [16]",
                                                  "  c.avi<New!> [16]", "  中 [18]", "    d.bmp [16]"}));
  designer.DeleteChildNode(tree, tree.GetTopLevel(0)->GetChild(1));
  EXPECT_EQ(pictures->GetCount(), 3);
  EXPECT_EQ(pictures->GetItem(1), fresh);
  designer.DeleteChildNode(tree, tree.GetTopLevel(0));  // no parent: nothing to take it from
  EXPECT_EQ(root->GetCount(), 1);
}

TEST_F(TreeDesignerTest, ColorChangeCaptions) {
  struct Case {
    bool topLeft, ignoreAlpha;
    uint32_t source, target;
    const char* caption;
  };
  const Case cases[] = {
      {true, true, 0x12345678, 0, "左上の色を透明に"},
      {false, true, 0xFF00ABCD, 0x80FFFFFF, "@@00ABCDを80FFFFFFに"},
      {false, false, 0x0000ABCD, 0xFF000000, "0000ABCDをFF000000に"},
      {false, false, 0xFFFFFFFF, 1, "FFFFFFFFを00000001に"},
  };
  for (const Case& c : cases) {
    TZelvoChangeColorModel entry(-1);
    entry.SetUseTopLeftColor(c.topLeft);
    entry.SetIgnoreSourceAlpha(c.ignoreAlpha);
    entry.SetSourceColor(static_cast<int32_t>(c.source));
    entry.SetTargetColor(static_cast<int32_t>(c.target));
    EXPECT_EQ(u8(TZETreeDesigner::ChangeColorCaption(entry)), c.caption);
  }
}

TEST_F(TreeDesignerTest, ColorChangesAreAddedAndDeleted) {
  auto material = factory.CreateStyleModel(4001);
  material->AddColorChange()->SetTargetColor(0x11);
  designer.FillColorChangeList(tree, material);
  designer.AddColorChange(tree, material);
  ASSERT_EQ(material->GetColorChangeCount(), 2);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"@@000000を00000011に [-1]", "@@000000を透明に [-1]"}));
  designer.DeleteColorChange(tree, material);  // nothing selected
  tree.SetSelected(tree.GetTopLevel(0));
  designer.DeleteColorChange(tree, material);
  EXPECT_EQ(material->GetColorChangeCount(), 1);
  EXPECT_EQ(material->GetColorChange(0)->GetTargetColor(), 0);
  EXPECT_EQ(tree.GetTopLevelCount(), 1);
}

class CharaTreeTest : public TreeDesignerTest {
 protected:
  void SetUp() override {
    api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "箱"));
    api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "小箱"));
    api->GetDAnimationList()->Add(named(factory.CreateDAnimationModel(), "歩き"));
    named(api->GetImageMaterials(), "画像素材");
    picture = named(factory.CreateStyleModel(1001), "hero.bmp");
    api->GetMaterialRoot()->Add(picture);
  }
  std::shared_ptr<IZelvoMaterialModel> picture;
};

TEST_F(CharaTreeTest, CharaWithoutPartsGetsTheFirstOfEachList) {
  auto hero = named(factory.CreateCharaModel(), "勇者");
  api->GetCharaList()->Add(hero);
  designer.FillCharaTree(tree, nullptr);
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"勇者 [3]", "  箱 [9]", "  歩き [8]", "  画像素材 [16]", "  能力 [23]"}));
  EXPECT_EQ(hero->GetCollision(), api->GetCollisionList()->GetItem(0));
  EXPECT_EQ(hero->GetDAnimation(), api->GetDAnimationList()->GetItem(0));
  EXPECT_EQ(hero->GetMaterial(), api->GetMaterialRoot()->GetItem(0));
  EXPECT_EQ(tree.GetTopLevel(0)->GetChild(3)->GetData().As<IZelvoCapabilityModel>(), hero->GetCapability());
}

TEST_F(CharaTreeTest, EmptyListsGiveNoPartNodes) {
  auto empty = std::make_shared<test::TestGameData>();  // its lists and material root are empty
  TZETreeDesigner bare(empty);
  auto chara = factory.CreateCharaModel();
  IZETreeNode* node = tree.AddChild(nullptr, "x");
  bare.FillCharaDetails(tree, node, chara);
  EXPECT_EQ(node->GetChildCount(), 0);
  EXPECT_EQ(chara->GetCollision(), nullptr);
}

TEST_F(CharaTreeTest, DroppedPartsAreLinkedToTheChara) {
  auto hero = named(factory.CreateCharaModel(), "勇者");
  api->GetCharaList()->Add(hero);
  designer.FillCharaTree(tree, nullptr);
  TZEPlainTree parts;
  designer.FillCollisionTree(parts, nullptr);
  designer.FillMaterialPackageTree(parts, api->GetMaterialRoot(), nullptr);

  IZETreeNode* heroNode = tree.GetTopLevel(0);
  designer.DropChildNode(tree, heroNode->GetChild(1), parts.GetTopLevel(1));  // onto a detail node
  EXPECT_EQ(hero->GetCollision(), api->GetCollisionList()->GetItem(1));
  EXPECT_EQ(u8(heroNode->GetChild(0)->GetCaption()), "小箱");
  EXPECT_EQ(heroNode->GetChildCount(), 4);

  designer.DropChildNode(tree, heroNode, parts.GetTopLevel(3));  // the picture
  EXPECT_EQ(hero->GetMaterial(), picture);
  EXPECT_EQ(u8(heroNode->GetChild(2)->GetCaption()), "hero.bmp");

  IZETreeNode* capability = heroNode->GetChild(3);
  designer.DropChildNode(tree, heroNode, capability);  // not a part a chara holds
  designer.DropChildNode(tree, parts.GetTopLevel(0), parts.GetTopLevel(1));  // not a chara
  designer.DropChildNode(tree, nullptr, parts.GetTopLevel(1));
  EXPECT_EQ(heroNode->GetChildCount(), 4);
  EXPECT_EQ(hero->GetCollision(), api->GetCollisionList()->GetItem(1));
}

TEST_F(CharaTreeTest, CharasAreCreatedAndDeletedFromAnyOfTheirNodes) {
  api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
  designer.FillCharaTree(tree, nullptr);
  auto made = designer.NewChara(tree);
  ASSERT_TRUE(made);
  EXPECT_EQ(api->GetCharaList()->GetCount(), 2);
  EXPECT_EQ(tree.GetTopLevel(1)->GetData().As<IZelvoCharaModel>(), made);
  EXPECT_EQ(tree.GetTopLevel(1)->GetChildCount(), 4);

  tree.SetSelected(tree.GetTopLevel(0)->GetChild(3));
  designer.DeleteSelectedChara(tree);
  ASSERT_EQ(api->GetCharaList()->GetCount(), 1);
  EXPECT_EQ(api->GetCharaList()->GetItem(0), made);
  EXPECT_EQ(tree.GetSelected(), nullptr);
  EXPECT_EQ(tree.GetTopLevelCount(), 1);
  designer.DeleteSelectedChara(tree);
  EXPECT_EQ(api->GetCharaList()->GetCount(), 1);
}

TEST_F(CharaTreeTest, PartyMembersAreAddedAndRemoved) {
  auto hero = named(factory.CreateCharaModel(), "勇者");
  auto mage = named(factory.CreateCharaModel(), "魔法使い");
  api->GetCharaList()->Add(hero);
  api->GetCharaList()->Add(mage);
  TZEPlainTree charas;
  designer.FillPartyCharaList(charas, nullptr);
  EXPECT_EQ(dump(charas), (std::vector<std::string>{"勇者 [3]", "魔法使い [3]"}));
  designer.AddPartyMember(tree, charas.GetTopLevel(1));
  designer.AddPartyMember(tree, charas.GetTopLevel(0));
  designer.AddPartyMember(tree, nullptr);
  auto party = api->GetParty();
  ASSERT_EQ(party->GetCount(), 2);
  EXPECT_EQ(party->GetItem(0), mage);
  TZEPlainTree refilled;
  designer.FillPartyTree(refilled, nullptr);
  EXPECT_EQ(dump(refilled), dump(tree));

  tree.SetSelected(tree.GetTopLevel(0));
  designer.RemoveSelectedPartyMember(tree);
  ASSERT_EQ(party->GetCount(), 1);
  EXPECT_EQ(party->GetItem(0), hero);
  EXPECT_EQ(dump(tree), std::vector<std::string>{"勇者 [3]"});
  EXPECT_EQ(tree.GetSelected(), nullptr);
}

TEST_F(TreeDesignerTest, DatabaseListsAreCreatedAndDeleted) {
  struct Case {
    std::function<void(IZETree&)> create, remove, fill;
    std::function<int32_t()> count;
    const char* caption;
    int32_t icon;
  };
  const Case cases[] = {
      {[&](IZETree& t) { designer.NewAttribute(t); }, [&](IZETree& t) { designer.DeleteAttribute(t); },
       [&](IZETree& t) { designer.FillAttributeTree(t, nullptr); }, [&] { return api->GetAttributeList()->GetCount(); },
       "新規属性タイプ", 24},
      {[&](IZETree& t) { designer.NewJob(t); }, [&](IZETree& t) { designer.DeleteJob(t); },
       [&](IZETree& t) { designer.FillJobTree(t, nullptr); }, [&] { return api->GetJobList()->GetCount(); }, "新規職業",
       21},
      {[&](IZETree& t) { designer.NewCondition(t); }, [&](IZETree& t) { designer.DeleteCondition(t); },
       [&](IZETree& t) { designer.FillConditionTree(t, nullptr); }, [&] { return api->GetConditionList()->GetCount(); },
       "新規条件", 25},
  };
  for (const Case& c : cases) {
    TZEPlainTree t;
    c.create(t);
    c.create(t);
    EXPECT_EQ(c.count(), 2) << c.caption;
    TZEPlainTree refilled;
    c.fill(refilled);
    EXPECT_EQ(dump(refilled), dump(t)) << c.caption;
    EXPECT_EQ(dump(t).front(), std::string(c.caption) + " [" + std::to_string(c.icon) + "]");
    c.remove(t);  // the second is selected
    EXPECT_EQ(c.count(), 1) << c.caption;
    c.remove(t);  // nothing selected any more
    EXPECT_EQ(c.count(), 1) << c.caption;
    EXPECT_EQ(t.GetTopLevelCount(), 1) << c.caption;
  }
}

TEST_F(TreeDesignerTest, ConditionItemsComeFromTheSelectedTemplate) {
  auto condition = factory.CreateConditionModel();
  TZEPlainTree templates;
  templateNode(templates, "スイッチ", 25);
  templateNode(templates, "変数", 25);
  designer.AddConditionItem(tree, templates, condition);  // no template selected
  EXPECT_EQ(condition->GetCount(), 0);
  templates.SetSelected(templates.GetTopLevel(1));
  designer.AddConditionItem(tree, templates, condition);
  templates.SetSelected(templates.GetTopLevel(0));
  designer.AddConditionItem(tree, templates, condition);
  ASSERT_EQ(condition->GetCount(), 2);
  EXPECT_EQ(condition->GetItem(0)->GetKind(), 1);
  EXPECT_EQ(u8(condition->GetItem(0)->GetName()), "変数");
  EXPECT_EQ(condition->GetItem(1)->GetKind(), 0);
  TZEPlainTree refilled;
  designer.FillConditionNodes(refilled, nullptr, condition);
  EXPECT_EQ(dump(refilled), dump(tree));

  tree.SetSelected(tree.GetTopLevel(0));
  designer.DeleteConditionItem(tree, condition);
  ASSERT_EQ(condition->GetCount(), 1);
  EXPECT_EQ(condition->GetItem(0)->GetKind(), 0);
  EXPECT_EQ(dump(tree), std::vector<std::string>{"スイッチ [25]"});
}

TEST_F(TreeDesignerTest, CollisionsDirectionAnimationsAndSharedOrders) {
  designer.NewCollision(tree);
  EXPECT_EQ(tree.GetSelected(), tree.GetTopLevel(0));
  IZETreeNode* holder = tree.AddChild(nullptr, "holder");
  designer.NewDAnimation(tree, holder);
  EXPECT_EQ(tree.GetSelected(), holder->GetChild(0));
  EXPECT_EQ(dump(tree), (std::vector<std::string>{"新規あたり判定 [9]", "holder [-1]", "  新規方向付きアニメ [8]"}));
  EXPECT_EQ(api->GetCollisionList()->GetCount(), 1);
  EXPECT_EQ(u8(api->GetDAnimationList()->GetItem(0)->GetNameBytes()), "新規方向付きアニメ");

  TZEPlainTree orders;
  auto first = designer.NewSharedOrder(orders, nullptr);
  auto second = designer.NewSharedOrder(orders, orders.GetTopLevel(0));
  auto shared = api->GetSharedOrders();
  ASSERT_EQ(shared->GetChildCount(), 2);
  EXPECT_EQ(shared->GetChild(1), second);
  EXPECT_EQ(dump(orders), (std::vector<std::string>{"新規処理 [17]", "新規処理 [17]"}));
  designer.DeleteSharedOrder(orders, orders.GetTopLevel(0));
  EXPECT_EQ(shared->GetChildCount(), 1);
  EXPECT_EQ(shared->GetChild(0), second);
  TZEPlainTree refilled;
  designer.FillSharedOrderTree(refilled, nullptr);
  EXPECT_EQ(dump(refilled), dump(orders));
  EXPECT_NE(first->GetID(), second->GetID());
}

TEST_F(TreeDesignerTest, EntryListsUseTheEntryIcons) {
  auto animes = api->GetAnimeList();
  animes->Add(named(std::make_shared<TZelvoAnimeModel>(1), "炎"));
  api->GetMoveTypeList()->Add(named(std::make_shared<TZelvoMoveTypeModel>(2), "歩く"));
  IZETreeNode* top = tree.AddChild(nullptr, "top");
  IZETreeNode* anchor = tree.AddChild(top, "anchor");
  designer.FillAnimeTree(tree, anchor);
  ASSERT_EQ(top->GetChildCount(), 2);
  EXPECT_EQ(top->GetChild(1)->GetIcon(), 0);
  EXPECT_EQ(top->GetChild(1)->GetSelectedIcon(), 1);
  designer.FillMoveTypeTree(tree);
  EXPECT_EQ(dump(tree).back(), "歩く [0]");

  auto chipSets = std::make_shared<TZelvoMapChipSetListControl>();
  chipSets->Add(named(std::make_shared<TZelvoMapChipSetModel>(3), "草原"));
  auto gone = named(std::make_shared<TZelvoMapChipSetModel>(4), "旧");
  gone->SetDeleted(true);
  chipSets->Add(gone);
  TZEPlainTree sets;
  IZETreeNode* parent = sets.AddChild(nullptr, "マップチップ");
  sets.SetSelected(parent);
  designer.FillChipSetList(sets, chipSets);
  ASSERT_EQ(parent->GetChildCount(), 2);
  EXPECT_EQ(parent->GetChild(0)->GetSelectedIcon(), 1);
  EXPECT_EQ(parent->GetChild(1)->GetIcon(), 5);
  EXPECT_EQ(parent->GetChild(1)->GetSelectedIcon(), 5);
}

TEST_F(TreeDesignerTest, WithoutADataSetNothingIsFilledOrMade) {
  TZETreeDesigner none;
  none.FillCollisionTree(tree, nullptr);
  none.FillCharaTree(tree, nullptr);
  none.FillEventTree(tree);
  none.FillMaterialTree(tree, nullptr);
  none.NewCollision(tree);
  EXPECT_EQ(none.NewChara(tree), nullptr);
  EXPECT_EQ(none.NewSharedOrder(tree, nullptr), nullptr);
  EXPECT_EQ(tree.GetTopLevelCount(), 0);
  none.setZMLZelvoAPI(api);
  none.NewCollision(tree);
  EXPECT_EQ(api->GetCollisionList()->GetCount(), 1);
}

TEST(TreeDesignerDefaultGameTest, EveryTreeOfTheBundledGameMatchesItsList) {
  auto api = std::make_shared<TZMLZelvoAPI>();
  tools::buildDefaultGame(*api);
  TZETreeDesigner designer(api);
  TZEPlainTree charas, events, collisions;
  designer.FillCharaTree(charas, nullptr);
  designer.FillEventTree(events);
  designer.FillCollisionTree(collisions, nullptr);
  ASSERT_GT(api->GetCharaList()->GetCount(), 0);
  EXPECT_EQ(charas.GetTopLevelCount(), api->GetCharaList()->GetCount());
  EXPECT_EQ(events.GetTopLevelCount(), api->GetEventPackageList()->GetCount());
  EXPECT_EQ(collisions.GetTopLevelCount(), api->GetCollisionList()->GetCount());
  for (int32_t i = 0; i < charas.GetTopLevelCount(); ++i)
    EXPECT_EQ(charas.GetTopLevel(i)->GetData().As<IZelvoCharaModel>(), api->GetCharaList()->GetItem(i));
}

}  // namespace
}  // namespace zelvo
