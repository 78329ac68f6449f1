#include "model/ZelvoCollisionableModel.h"

#include <gtest/gtest.h>

#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;

TEST(ZelvoCollisionableModel, WritesTheIDsOfItsReferences) {
  TZelvoCollisionableModel none(5);
  EXPECT_BYTES_EQ(saved(none), Bytes().base(5, "ZMLObject5").i32(-1).i32(-1).i32(-1).vec());
  TZelvoCollisionableModel material(5);
  material.SetMaterial(std::make_shared<TZelvoStyleModel>(12, MaterialKind::Picture));
  EXPECT_BYTES_EQ(saved(material), Bytes().base(5, "ZMLObject5").i32(-1).i32(-1).i32(12).vec());
}

TEST(ZelvoCollisionableModel, StoredIDsChangeOnlyOnLoadAndSave) {
  TZelvoCollisionableModel m(-1);
  TZStream in(Bytes().base(2, "c").i32(7).i32(8).i32(9).vec(), "fixture");
  m.LoadFromStream(in);
  EXPECT_EQ((std::vector<int32_t>{m.GetCollisionID(), m.GetDAnimationID(), m.GetMaterialID()}),
            (std::vector<int32_t>{7, 8, 9}));
  EXPECT_EQ(m.GetCollision(), nullptr);
  m.SetCollision(std::make_shared<TZelvoCollisionModel>(3));
  EXPECT_EQ(m.GetCollisionID(), 7);
  saved(m);
  EXPECT_EQ(m.GetCollisionID(), 3);
  EXPECT_EQ(m.GetDAnimationID(), -1);
}

TEST(ZelvoCollisionableModel, ResolveRefsLooksEachIDUp) {
  test::TestGameData game;
  auto collision = std::make_shared<TZelvoCollisionModel>(4);
  auto animation = std::make_shared<TZelvoDAnimationModel>(4);
  auto folder = std::make_shared<TZelvoStylePackage>(20);
  auto picture = std::make_shared<TZelvoStyleModel>(9, MaterialKind::Picture);
  folder->Add(picture);
  game.collisions->Add(collision);
  game.dAnimations->Add(animation);
  game.materials->Add(folder);
  // A list item not yet read has the ID -1; -1 must still name nothing.
  game.collisions->Add(std::make_shared<TZelvoCollisionModel>(-1));

  struct Case {
    int32_t collision, dAnimation, material;
    bool hasCollision, hasDAnimation, hasMaterial;
  };
  for (Case c : {Case{-1, 4, 9, false, true, true}, Case{4, 4, 10, true, true, false}, Case{-1, -1, -1, false, false, false},
                 Case{5, 0, 1, false, false, false}}) {
    TZelvoCollisionableModel m(-1);
    m.SetCollision(collision);
    TZStream in(Bytes().base(2, "c").i32(c.collision).i32(c.dAnimation).i32(c.material).vec(), "fixture");
    m.LoadFromStream(in);
    m.ResolveRefs(&game);
    EXPECT_EQ(m.GetCollision() == collision, c.hasCollision) << c.collision;
    EXPECT_EQ(m.GetDAnimation() == animation, c.hasDAnimation) << c.dAnimation;
    EXPECT_EQ(m.GetMaterial() == picture, c.hasMaterial) << c.material;
    if (!c.hasCollision) {
      EXPECT_EQ(m.GetCollision(), nullptr);
    }
    if (!c.hasMaterial) {
      EXPECT_EQ(m.GetMaterial(), nullptr);
    }
  }
  TZelvoCollisionableModel m(1);
  m.SetCollision(collision);
  m.ResolveRefs(nullptr);
  EXPECT_EQ(m.GetCollision(), nullptr);
}

TEST(ZelvoCollisionableModel, TruncationsLeaveTheModelAsItWas) {
  TZelvoCollisionableModel m(3);
  TZStream first(Bytes().base(3, "k").i32(1).i32(2).i32(3).vec(), "fixture");
  m.LoadFromStream(first);
  test::expectEveryTruncationFails(Bytes().base(8, "other").i32(4).i32(5).i32(6), [&](IZStream& s) { m.LoadFromStream(s); },
                                   [&] {
                                     EXPECT_EQ(m.GetID(), 3);
                                     EXPECT_STREQ(m.GetName(), "k");
                                     EXPECT_EQ(m.GetMaterialID(), 3);
                                   });
}

}  // namespace
}  // namespace zelvo
