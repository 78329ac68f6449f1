#include <gtest/gtest.h>

#include <functional>

#include "model/ZMLFactoryImpl.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoStylePackage.h"

namespace zelvo {
namespace {

std::shared_ptr<IZelvoModelIDManager> counterAt(int32_t value) {
  auto ids = std::make_shared<TZelvoModelIDManager>();
  while (ids->PeekID() < value) ids->NewID();
  return ids;
}

TEST(ZMLFactory, EveryModelTakesTheNextIDOnce) {
  struct Case {
    const char* what;
    std::function<std::shared_ptr<IZelvoModel>(IZMLFactory&)> make;
  };
  const Case cases[] = {
      {"model", [](IZMLFactory& f) { return f.CreateModel(); }},
      {"collision", [](IZMLFactory& f) { return f.CreateCollisionModel(); }},
      {"direction animation", [](IZMLFactory& f) { return f.CreateDAnimationModel(); }},
      {"event package", [](IZMLFactory& f) { return f.CreateEventPackageModel(); }},
      {"event", [](IZMLFactory& f) { return f.CreateEventModel(); }},
      {"action", [](IZMLFactory& f) { return f.CreateActionModel(); }},
      {"order", [](IZMLFactory& f) { return f.CreateOrderModel(nullptr); }},
      {"picture", [](IZMLFactory& f) { return f.CreateStyleModel(1001); }},
      {"folder", [](IZMLFactory& f) { return f.CreateStylePackage(); }},
      {"capability", [](IZMLFactory& f) { return f.CreateCapabilityModel(); }},
      {"attribute", [](IZMLFactory& f) { return f.CreateAttributeModel(); }},
      {"job", [](IZMLFactory& f) { return f.CreateJobModel(); }},
      {"map tree node", [](IZMLFactory& f) { return f.CreateMapTreeNode(); }},
      {"map floor", [](IZMLFactory& f) { return f.CreateMapFloor(); }},
      {"event position", [](IZMLFactory& f) { return f.CreateEventPositionModel(); }},
  };
  for (const Case& c : cases) {
    auto ids = counterAt(40);
    TZMLFactory factory(ids, nullptr);
    std::shared_ptr<IZelvoModel> model = c.make(factory);
    ASSERT_TRUE(model) << c.what;
    EXPECT_EQ(model->GetID(), 40) << c.what;
    EXPECT_EQ(ids->PeekID(), 41) << c.what;
  }
}

TEST(ZMLFactory, AConditionDrawsAnIDButKeepsNone) {
  auto ids = counterAt(5);
  TZMLFactory factory(ids, nullptr);
  EXPECT_EQ(factory.CreateConditionModel()->GetID(), 0);
  EXPECT_EQ(ids->PeekID(), 6);
}

TEST(ZMLFactory, ACharacterDrawsItsCapabilityFirst) {
  auto ids = counterAt(10);
  TZMLFactory factory(ids, nullptr);
  std::shared_ptr<IZelvoCharaModel> chara = factory.CreateCharaModel();
  EXPECT_EQ(chara->GetID(), 11);
  ASSERT_TRUE(chara->GetCapability());
  EXPECT_EQ(chara->GetCapability()->GetID(), 10);
  EXPECT_EQ(ids->PeekID(), 12);
}

TEST(ZMLFactory, PartiesAndConditionLinesDrawNoID) {
  auto ids = counterAt(7);
  TZMLFactory factory(ids, nullptr);
  auto charas = std::make_shared<TZelvoCharaModelList>();
  EXPECT_TRUE(factory.CreatePartyModel(charas));
  EXPECT_TRUE(factory.CreateConditionModelItem());
  EXPECT_EQ(ids->PeekID(), 7);
}

TEST(ZMLFactory, MaterialKindsAreStoredAsGiven) {
  TZMLFactory factory(counterAt(1), nullptr);
  std::shared_ptr<IZelvoMaterialModel> picture = factory.CreateStyleModel(1001);
  std::shared_ptr<IZelvoMaterialModel> movie = factory.CreateStyleModel(4001);
  EXPECT_EQ(picture->GetKind(), 1001);
  EXPECT_EQ(picture->GetColorChangeCount(), 1);
  EXPECT_EQ(movie->GetKind(), 4001);
  EXPECT_EQ(movie->GetColorChangeCount(), 0);
  EXPECT_EQ(factory.CreateStylePackage()->GetKind(), 1);
}

TEST(ZMLFactory, AnOrderMadeUnderAParentIsItsLastChild) {
  TZMLFactory factory(counterAt(1), nullptr);
  std::shared_ptr<IZelvoOrderModel> root = factory.CreateOrderModel(nullptr);
  std::shared_ptr<IZelvoOrderModel> child = factory.CreateOrderModel(root);
  ASSERT_EQ(root->GetChildCount(), 1);
  EXPECT_EQ(root->GetChild(0), child);
  EXPECT_EQ(child->GetParent(), root);
  EXPECT_EQ(root->GetParent(), nullptr);
}

}  // namespace
}  // namespace zelvo
