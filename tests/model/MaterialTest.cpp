#include <gtest/gtest.h>

#include "MaterialFixtures.h"
#include "model/RecordDepth.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

using test::Bytes;
using test::saved;
using test::load;
namespace fx = test::fixture;

TEST(ChangeColorModel, BlocksRepeatTheFlagsAndTheBlueByte) {
  TZelvoChangeColorModel c(4);
  EXPECT_TRUE(c.GetIgnoreSourceAlpha());
  EXPECT_FALSE(c.GetUseTopLeftColor());
  c.SetSourceColor(static_cast<int32_t>(0xFF102030));
  EXPECT_BYTES_EQ(saved(c), Bytes()
                          .base(4, "ZMLObject4")
                          .i32(0)
                          .i32(static_cast<int32_t>(0xFF102030))
                          .i32(0)
                          .raw({0x01, 0x00, 0x00, 0x00})
                          .raw({0x00, 0x00, 0x00, 0x30})
                          .vec());
  c.SetUseTopLeftColor(true);
  c.SetIgnoreSourceAlpha(false);
  c.SetTargetColor(0x00ABCDEF);
  EXPECT_BYTES_EQ(saved(c), fx::changeColor(4, 0xFF102030, 0x00ABCDEF, false, true).vec());
}

TEST(ChangeColorModel, ReaderTakesEachValueFromItsOwnByte) {
  // The first block claims UseTopLeftColor, the second denies it; the blue byte of the colour
  // field disagrees with the second block's copy. The second block wins both.
  TZelvoChangeColorModel c(0);
  load(c, Bytes()
              .base(9, "c")
              .i32(12345)
              .i32(0x11223344)
              .i32(0x55667788)
              .raw({0x00, 0x01, 0x7F, 0x7F})
              .raw({0x00, 0x7F, 0x7F, 0x99})
              .vec());
  EXPECT_EQ(c.GetID(), 9);
  EXPECT_FALSE(c.GetIgnoreSourceAlpha());
  EXPECT_FALSE(c.GetUseTopLeftColor());
  EXPECT_EQ(c.GetSourceColor(), 0x11223399);
  EXPECT_EQ(c.GetTargetColor(), 0x55667788);
}

TEST(StyleModel, NewMaterialsByKind) {
  struct Case {
    int32_t kind;
    int32_t changes;
  };
  for (Case c : {Case{MaterialKind::Picture, 1}, Case{MaterialKind::Movie, 0}, Case{MaterialKind::Folder, 0}}) {
    TZelvoStyleModel m(3, c.kind);
    EXPECT_EQ(m.GetKind(), c.kind);
    EXPECT_STREQ(m.GetPath(), "");
    EXPECT_FALSE(m.GetMissingFlag());
    EXPECT_FALSE(m.GetNewFlag());
    ASSERT_EQ(m.GetColorChangeCount(), c.changes) << c.kind;
    if (c.changes) {
      EXPECT_TRUE(m.GetColorChange(0)->GetUseTopLeftColor());
      EXPECT_FALSE(m.GetColorChange(0)->GetIgnoreSourceAlpha());
      EXPECT_EQ(m.GetColorChange(0)->GetID(), -1);
    }
  }
  EXPECT_EQ(TZelvoStylePackage(2).GetKind(), MaterialKind::Folder);
}

TEST(StyleModel, UnmarkedRecordReadsWithOneDefaultColourChange) {
  TZelvoStyleModel m(0, MaterialKind::Movie);
  load(m, fx::unmarkedMaterial(12, "a", MaterialKind::Picture, "Graphics\\a.bmp"));
  EXPECT_EQ(m.GetID(), 12);
  EXPECT_EQ(m.GetKind(), MaterialKind::Picture);
  EXPECT_STREQ(m.GetPath(), "Graphics\\a.bmp");
  ASSERT_EQ(m.GetColorChangeCount(), 1);
  EXPECT_TRUE(m.GetColorChange(0)->GetIgnoreSourceAlpha());
  EXPECT_FALSE(m.GetColorChange(0)->GetUseTopLeftColor());
}

TEST(StyleModel, ReadingReplacesTheColourChangesAndKeepsTheSyncFlags) {
  TZelvoStyleModel m(0, MaterialKind::Picture);
  m.AddColorChange();
  m.SetMissingFlag(true);
  m.SetNewFlag(true);
  load(m, fx::material(12, "a", MaterialKind::Picture, "x",
                       {fx::changeColor(1, 1, 2, true, true), fx::changeColor(2, 3, 4, false, false)}));
  ASSERT_EQ(m.GetColorChangeCount(), 2);
  EXPECT_EQ(m.GetColorChange(1)->GetSourceColor(), 3);
  EXPECT_TRUE(m.GetMissingFlag());
  EXPECT_TRUE(m.GetNewFlag());
}

TEST(StyleModel, ColourChangeIndicesOutOfRangeAreIndexErrors) {
  TZelvoStyleModel m(1, MaterialKind::Movie);
  m.AddColorChange()->SetSourceColor(10);
  m.AddColorChange()->SetSourceColor(20);
  EXPECT_THROW(m.GetColorChange(2), EIndexError);
  EXPECT_THROW(m.GetColorChange(-1), EIndexError);
  EXPECT_THROW(m.DeleteColorChange(2), EIndexError);
  EXPECT_THROW(m.ExchangeColorChanges(0, 2), EIndexError);
  EXPECT_THROW(m.ExchangeColorChanges(-1, 1), EIndexError);
  EXPECT_EQ(m.GetColorChangeCount(), 2);
  m.ExchangeColorChanges(0, 1);
  EXPECT_EQ(m.GetColorChange(0)->GetSourceColor(), 20);
  m.DeleteColorChange(0);
  ASSERT_EQ(m.GetColorChangeCount(), 1);
  EXPECT_EQ(m.GetColorChange(0)->GetSourceColor(), 10);
}

TEST(StyleModel, PathIsCopiedUpToItsNul) {
  TZelvoStyleModel m(1, MaterialKind::Picture);
  std::string text = "Graphics\\b.bmp";
  m.SetPath(text.c_str());
  text[0] = 'X';
  m.SetPath(nullptr);
  EXPECT_STREQ(m.GetPath(), "Graphics\\b.bmp");
  // L counts the NUL.
  EXPECT_BYTES_EQ(saved(m), fx::material(1, "ZMLObject1", MaterialKind::Picture, "Graphics\\b.bmp",
                                   {fx::changeColor(-1, 0, 0, false, true)})
                          .vec());
}

std::shared_ptr<TZelvoStyleModel> picture(int32_t id) { return std::make_shared<TZelvoStyleModel>(id, 1001); }

std::vector<int32_t> childIDs(const IZelvoMaterialPackage& p) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < p.GetCount(); ++i) ids.push_back(p.GetItem(i)->GetID());
  return ids;
}

TEST(StylePackage, InsertOutsideDoesNothing) {
  TZelvoStylePackage p(1);
  p.Add(picture(10));
  p.Add(picture(11));
  p.Insert(2, picture(12));
  p.Insert(-1, picture(13));
  p.Insert(1, picture(14));
  p.Add(nullptr);
  EXPECT_EQ(childIDs(p), (std::vector<int32_t>{10, 14, 11}));
  p.Delete(3);
  p.Delete(-1);
  EXPECT_EQ(p.GetCount(), 3);
  EXPECT_EQ(p.GetItem(3), nullptr);
  p.Delete(0);
  EXPECT_EQ(childIDs(p), (std::vector<int32_t>{14, 11}));
  p.Clear();
  EXPECT_EQ(p.GetCount(), 0);
}

TEST(StylePackage, FindByIDSearchesDepthFirstBelowItself) {
  auto root = std::make_shared<TZelvoStylePackage>(1);
  auto a = std::make_shared<TZelvoStylePackage>(2);
  auto b = std::make_shared<TZelvoStylePackage>(3);
  auto deep = picture(7);
  auto later = picture(7);
  b->Add(deep);
  a->Add(picture(5));
  a->Add(b);
  root->Add(a);
  root->Add(later);
  root->Add(picture(8));
  EXPECT_EQ(root->FindByID(7), deep);  // two folders deep, before the later one at the top
  EXPECT_EQ(root->FindByID(3), b);
  EXPECT_EQ(root->FindByID(8)->GetID(), 8);
  EXPECT_EQ(root->FindByID(1), nullptr);  // not itself
  EXPECT_EQ(root->FindByID(99), nullptr);
}

TEST(StylePackage, AChildKeepsTheKindThatShapedIt) {
  // A folder whose record names kind 1001, and a material whose record names kind 1.
  Bytes file = Bytes()
                   .raw(fx::material(0, "root", 1, ""))
                   .i32(2)
                   .i32(1)
                   .raw(fx::material(3, "folder", 1001, "f"))
                   .i32(0)
                   .i32(4001)
                   .raw(fx::material(4, "movie", 1, "m"));
  TZelvoStylePackage root(0);
  load(root, file);
  ASSERT_EQ(root.GetCount(), 2);
  EXPECT_EQ(root.GetItem(0)->GetKind(), MaterialKind::Folder);
  EXPECT_NE(std::dynamic_pointer_cast<IZelvoMaterialPackage>(root.GetItem(0)), nullptr);
  EXPECT_EQ(root.GetItem(1)->GetKind(), MaterialKind::Movie);
  EXPECT_EQ(std::dynamic_pointer_cast<IZelvoMaterialPackage>(root.GetItem(1)), nullptr);

  std::vector<uint8_t> written = saved(root);
  TZelvoStylePackage again(0);
  load(again, written);
  EXPECT_BYTES_EQ(saved(again), written);
  EXPECT_EQ(again.GetItem(1)->GetKind(), MaterialKind::Movie);
}

Bytes nestedFolders(int depth) {
  Bytes b = Bytes().raw(fx::material(depth, "", 1, "")).i32(0);
  for (int d = depth - 1; d >= 0; --d) b = Bytes().raw(fx::material(d, "", 1, "")).i32(1).i32(1).raw(b);
  return b;
}

TEST(StylePackage, NestingIsLimited) {
  TZelvoStylePackage ok(0);
  load(ok, nestedFolders(50));
  EXPECT_EQ(ok.FindByID(50)->GetKind(), MaterialKind::Folder);

  TZelvoStylePackage hostile(0);
  hostile.Add(picture(1));
  TZStream in(nestedFolders(RecordDepthGuard::kLimit + 10), "hostile");
  EXPECT_THROW(hostile.LoadFromStream(in), EFormatError);
  EXPECT_EQ(childIDs(hostile), std::vector<int32_t>{1});
}

}  // namespace
}  // namespace zelvo
