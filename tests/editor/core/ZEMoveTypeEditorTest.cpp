#include "editor/core/ZEMoveTypeEditor.h"

#include <gtest/gtest.h>

#include "editor/core/Bitmap32.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "support/TestGameData.h"

namespace zelvo::test {
namespace {

class MoveTypeEditorTest : public ::testing::Test {
 protected:
  MoveTypeEditorTest() {
    for (const char* name : {"Walk", "Ship", "Bird"}) {
      auto moveType = std::make_shared<TZelvoMoveTypeModel>(data.ids->NewID());
      moveType->SetNameBytes(name);
      list->Add(moveType);
    }
    editor.SetList(list);
  }

  TestGameData data;
  std::shared_ptr<TZelvoMoveTypeList> list = std::make_shared<TZelvoMoveTypeList>();
  TZEMoveTypeEditor editor;
};

TEST(MoveTypeGrid, EntryUnderAPixel) {
  struct Case {
    int32_t x, y, entry;
  };
  for (const Case& c : {Case{100, 250, 31}, Case{128, 0, -1}, Case{0, 0, 0}, Case{31, 31, 0}, Case{32, 0, 1},
                        Case{0, 32, 4}, Case{127, 255, 31}, Case{-1, 0, -1}, Case{0, -1, -1}, Case{0, 256, -1},
                        Case{INT32_MIN, INT32_MAX, -1}})
    EXPECT_EQ(TZEMoveTypeEditor::EntryAt(c.x, c.y), c.entry) << c.x << ", " << c.y;
}

TEST_F(MoveTypeEditorTest, SelectionFollowsTheIndexAndStaysInTheList) {
  EXPECT_EQ(editor.GetSelectedIndex(), -1);
  EXPECT_EQ(editor.GetSelected(), nullptr);
  editor.SetSelectedIndex(1);
  EXPECT_EQ(editor.GetSelected()->GetNameBytes(), "Ship");
  for (int32_t index : {3, -2, 1000}) {
    editor.SetSelectedIndex(index);
    EXPECT_EQ(editor.GetSelectedIndex(), -1) << index;
  }
  EXPECT_EQ(editor.Names(), (std::vector<std::string>{"Walk", "Ship", "Bird"}));
}

TEST_F(MoveTypeEditorTest, AClickTogglesTheKindUnderIt) {
  editor.SetSelectedIndex(0);
  auto walk = list->GetItem(0);
  EXPECT_EQ(editor.ToggleAt(100, 250), 31);
  EXPECT_TRUE(walk->IsKindAllowed(31));
  EXPECT_EQ(walk->GetKinds(), int32_t(0x80000000u));
  EXPECT_EQ(editor.ToggleAt(100, 250), 31);
  EXPECT_EQ(walk->GetKinds(), 0);
  EXPECT_EQ(editor.ToggleAt(128, 0), -1);
  EXPECT_EQ(editor.ToggleAt(5, 40), 4);
  EXPECT_EQ(walk->GetKinds(), 1 << 4);
  EXPECT_EQ(list->GetItem(1)->GetKinds(), 0);
}

TEST_F(MoveTypeEditorTest, WithoutASelectionNothingChanges) {
  EXPECT_EQ(editor.ToggleAt(0, 0), -1);
  editor.SetMaxStep(2);
  editor.Rename("x");
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(list->GetItem(i)->GetKinds(), 0);
    EXPECT_EQ(list->GetItem(i)->GetMaxStep(), 0);
  }
  EXPECT_EQ(editor.Names(), (std::vector<std::string>{"Walk", "Ship", "Bird"}));
  EXPECT_FALSE(editor.DeleteSelected());
}

TEST_F(MoveTypeEditorTest, StepHeightStaysWithinTheBar) {
  editor.SetSelectedIndex(2);
  for (auto [typed, kept] : {std::pair{2, 2}, std::pair{7, 3}, std::pair{-1, 0}}) {
    editor.SetMaxStep(typed);
    EXPECT_EQ(list->GetItem(2)->GetMaxStep(), kept);
  }
  editor.Rename("Dragon");
  EXPECT_EQ(list->GetItem(2)->GetNameBytes(), "Dragon");
}

TEST_F(MoveTypeEditorTest, CreatingAndDeleting) {
  int32_t nextID = data.ids->PeekID();
  ASSERT_TRUE(editor.CreateMoveType(data));
  ASSERT_EQ(list->GetCount(), 4);
  EXPECT_EQ(list->GetItem(3)->GetID(), nextID);

  editor.SetSelectedIndex(3);
  ASSERT_TRUE(editor.DeleteSelected());
  EXPECT_EQ(editor.GetSelectedIndex(), -1);
  EXPECT_EQ(list->GetCount(), 3);
  for (int32_t i = 0; i < 3; ++i) {
    editor.SetSelectedIndex(0);
    ASSERT_TRUE(editor.DeleteSelected());
  }
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(editor.GetSelected(), nullptr);

  editor.SetList(nullptr);
  EXPECT_FALSE(editor.CreateMoveType(data));
  EXPECT_TRUE(editor.Names().empty());
}

// A ground strip whose piece k is a flat colour 8 (k + 1) (blue channel), and a traffic picture whose
// allowed mark is clear and whose blocked mark is opaque red.
class MoveTypeDrawingTest : public MoveTypeEditorTest {
 protected:
  MoveTypeDrawingTest() {
    ground.SetSize(16 * 20, 16, 32);
    for (int32_t x = 0; x < ground.Width(); ++x)
      for (int32_t y = 0; y < 16; ++y) ground.GetBitmap().image().setPixel(x, y, 0xFF000000u | uint32_t((x / 16 + 1) * 8));
    traffic.SetSize(128, 32, 32);
    for (int32_t x = 96; x < 128; ++x)
      for (int32_t y = 0; y < 32; ++y) traffic.GetBitmap().image().setPixel(x, y, 0xFFFF0000u);
    editor.SetSelectedIndex(0);
    list->GetItem(0)->SetKindAllowed(5, true);
    list->GetItem(0)->SetKindAllowed(25, true);
    editor.DrawAll(grid, ground, traffic);
  }

  TBitmap32 ground, traffic, grid;
};

TEST_F(MoveTypeDrawingTest, AnAllowedKindShowsItsGroundPieceStretched) {
  ASSERT_EQ(grid.Width(), 128);
  ASSERT_EQ(grid.Height(), 256);
  // Entry 5: column 1, row 1.
  for (auto [x, y] : {std::pair{32, 32}, std::pair{63, 63}, std::pair{47, 50}}) EXPECT_NEAR(int(grid.GetPixel(x, y) & 0xFFFFFF), 48, 1);
}

TEST_F(MoveTypeDrawingTest, ABlockedKindIsMarked) {
  uint32_t p = grid.GetPixel(0, 0);
  EXPECT_GE((p >> 16) & 0xFF, 250u);
  EXPECT_EQ(p & 0xFF, 0u);
}

TEST_F(MoveTypeDrawingTest, AKindBeyondTheGroundPictureIsBlack) {
  // Entry 25 (column 1, row 6) is past the 20 pieces.
  EXPECT_EQ(grid.GetPixel(40, 200) & 0xFFFFFF, 0u);
  list->GetItem(0)->SetKindAllowed(5, false);
  editor.DrawCell(grid, 5, ground, traffic);
  EXPECT_GE((grid.GetPixel(40, 40) >> 16) & 0xFF, 250u);
}

}  // namespace
}  // namespace zelvo::test
