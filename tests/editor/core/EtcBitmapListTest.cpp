#include "editor/core/EtcBitmapList.h"

#include <gtest/gtest.h>

#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

class EtcBitmapListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Bitmap b(2, 1);
    b.setPixel(0, 0, 0xFF112233);
    b.setPixel(1, 0, 0xFF445566);
    ASSERT_TRUE(b.saveToFile(dir_ / "a.bmp", 24));
    ASSERT_TRUE(b.saveToFile(dir_ / "b.bmp", 24));
  }
  std::string name(const char* file) const { return Cp932::fromUtf8((dir_ / file).string()); }

  test::TempDir dir_;
  TEtcBitmapList list_;
};

TEST_F(EtcBitmapListTest, LoadGivesThePictureOnlyTheFirstTimeAndCountsEveryLoad) {
  TBitmap32* first = list_.Load(name("a.bmp"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetPixel(1, 0), 0xFF445566u);
  EXPECT_EQ(list_.Load(name("a.bmp")), nullptr);
  EXPECT_EQ(list_.RefCountOf(name("a.bmp")), 2);
  EXPECT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.FindByName(name("a.bmp")), first);
  list_.Release(name("a.bmp"));
  EXPECT_EQ(list_.FindByName(name("a.bmp")), first);
  list_.Release(name("a.bmp"));
  EXPECT_EQ(list_.FindByName(name("a.bmp")), nullptr);
  EXPECT_EQ(list_.Count(), 0);
  list_.Release(name("a.bmp"));  // not cached: ignored
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(EtcBitmapListTest, MissingFilesAndUnreadablePicturesCacheNothing) {
  EXPECT_EQ(list_.Load(name("none.bmp")), nullptr);
  EXPECT_EQ(list_.LoadSized(name("none.bmp"), 4, 4, rtTile, 7), nullptr);
  EXPECT_EQ(list_.LoadSizedShared(name("none.bmp"), 4, 4, rtTile), nullptr);
  test::writeFile(dir_ / "bad.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_THROW(list_.Load(name("bad.bmp")), EFormatError);
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_EQ(list_.FindByName(name("bad.bmp")), nullptr);
}

TEST_F(EtcBitmapListTest, NamesMatchExactlyAndTheLatestMatchWins) {
  ASSERT_NE(list_.Load(name("a.bmp")), nullptr);
  EXPECT_EQ(list_.FindByName(name("A.bmp")), nullptr);
  // The file resolves without regard to case, but the cache keys on the name as given.
  TBitmap32* upper = list_.Load(name("A.bmp"));
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(list_.Count(), 2);
  TBitmap32* sized1 = list_.LoadSized(name("b.bmp"), 4, 2, rtTile, 10);
  TBitmap32* sized2 = list_.LoadSized(name("b.bmp"), 4, 2, rtTile, 11);
  ASSERT_NE(sized1, nullptr);
  ASSERT_NE(sized2, nullptr);
  EXPECT_NE(sized1, sized2);
  EXPECT_EQ(list_.FindByName(name("b.bmp")), sized2);
  EXPECT_EQ(list_.Find(name("b.bmp"), 4, 2, rtTile), sized2);
  EXPECT_EQ(list_.FindByID(10), sized1);
  EXPECT_EQ(list_.FindByID(11), sized2);
  EXPECT_EQ(list_.FindByID(12), nullptr);
  // Pictures loaded without an ID are never found by one.
  EXPECT_EQ(list_.FindByID(0), nullptr);
  EXPECT_EQ(list_.FindByID(TEtcBitmapContainer::kNoID), nullptr);
}

TEST_F(EtcBitmapListTest, LoadSizedResizesAndStoresItsKeys) {
  TBitmap32* b = list_.LoadSized(name("a.bmp"), 5, 3, rtTile, 42);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 5);
  EXPECT_EQ(b->Height(), 3);
  EXPECT_EQ(b->GetPixel(4, 2), 0xFF112233u);
  const TEtcBitmapContainer* c = list_.GetContainer(0);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->FileName, name("a.bmp"));
  EXPECT_EQ(c->Width, 5);
  EXPECT_EQ(c->Height, 3);
  EXPECT_EQ(c->ResizeType, rtTile);
  EXPECT_EQ(c->ID, 42);
  EXPECT_EQ(c->RefCount, 1);
  EXPECT_EQ(list_.GetContainer(1), nullptr);
  EXPECT_EQ(list_.GetContainer(-1), nullptr);
}

TEST_F(EtcBitmapListTest, LoadSizedSharedMatchesNameSizeAndTypeTogether) {
  TBitmap32* first = list_.LoadSizedShared(name("a.bmp"), 4, 4, rtCenter);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 4);
  EXPECT_EQ(list_.LoadSizedShared(name("a.bmp"), 4, 4, rtCenter), nullptr);
  EXPECT_EQ(list_.GetContainer(0)->RefCount, 2);
  EXPECT_EQ(list_.GetContainer(0)->ID, TEtcBitmapContainer::kNoID);
  struct Case { int32_t w, h, type; };
  for (const Case c : {Case{4, 5, rtCenter}, Case{5, 4, rtCenter}, Case{4, 4, rtStretch}}) {
    TBitmap32* other = list_.LoadSizedShared(name("a.bmp"), c.w, c.h, c.type);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, first);
    EXPECT_EQ(list_.Find(name("a.bmp"), c.w, c.h, c.type), other);
  }
  EXPECT_EQ(list_.Find(name("a.bmp"), 4, 4, rtCenter), first);
  EXPECT_EQ(list_.Count(), 4);
  list_.Clear();
  EXPECT_EQ(list_.Count(), 0);
  EXPECT_EQ(list_.Find(name("a.bmp"), 4, 4, rtCenter), nullptr);
}

}  // namespace
}  // namespace zelvo
