#include "editor/core/ZEChipSetEditorControl.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/ChipSetEditorFixture.h"
#include "editor/core/ZEPlainTree.h"
#include "editor/core/ZEMapChipSetEditor.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

// What the chip-set editor asked of the map editor, in order.
class RecordingLink : public IZEChipSetMapEditorLink {
 public:
  std::shared_ptr<IZelvoMapTreeNodeControl> GetOpenMap() override { return open; }
  void ShowChipSetTab(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet, bool newTab) override {
    calls.push_back((newTab ? "new tab " : "tab ") + std::to_string(chipSet->GetID()));
  }
  void LoadChipSetBitmaps() override { calls.push_back("bitmaps"); }
  void RepaintCanvas() override { calls.push_back("repaint"); }
  std::shared_ptr<IZelvoMapTreeNodeControl> open;
  std::vector<std::string> calls;
};

class ZEChipSetEditorControlTest : public ::testing::Test, public test::ChipSetEditorFixture {
 protected:
  void SetUp() override {
    plain = AddChipSet(10, 8, 8);
    wide = AddChipSet(11, 16, 4);
    control.setZMLZelvoAPI(data);
  }
  TZelvoChipAttributes chip(int32_t x, int32_t y) const { return plain->GetChip(x, y); }
  void selectChip(int32_t x, int32_t y) {
    control.SelectChipSet(plain);
    control.MouseDown(mbLeft, x * 32 + 3, y * 32 + 3);
    control.MouseUp(mbLeft, x * 32 + 3, y * 32 + 3);
  }

  TZEMapChipSetEditor editor;
  TZEChipSetEditorControl control{editor};
  std::shared_ptr<TZelvoMapChipSetModel> plain, wide;
};

TEST_F(ZEChipSetEditorControlTest, TheDataSetsChipSetListGoesToTheEditorObject) {
  EXPECT_EQ(editor.GetChipSetList(), tree->GetChipSetList());
  control.setZMLZelvoAPI(nullptr);
  EXPECT_EQ(editor.GetChipSetList(), nullptr);
  TZEPlainTree nodes;
  control.FillTree(nodes);
  EXPECT_EQ(nodes.GetTopLevelCount(), 0);
  EXPECT_EQ(control.NewChipSet(nodes), nullptr);
  EXPECT_EQ(nodes.GetTopLevelCount(), 0);
}

TEST_F(ZEChipSetEditorControlTest, TheTreeFollowsTheListWithDeletedSetsMarked) {
  plain->SetName("Field");
  wide->SetDeleted(true);
  TZEPlainTree nodes;
  nodes.AddChild(nullptr, "left over");
  control.FillTree(nodes);
  ASSERT_EQ(nodes.GetTopLevelCount(), 2);
  IZETreeNode* first = nodes.GetTopLevel(0);
  EXPECT_EQ(TZEChipSetEditorControl::ChipSetOf(first), plain);
  EXPECT_EQ(first->GetCaption(), "Field");
  EXPECT_EQ(first->GetIcon(), 0);
  EXPECT_EQ(first->GetSelectedIcon(), 1);
  EXPECT_EQ(nodes.GetTopLevel(1)->GetIcon(), 5);
  EXPECT_EQ(nodes.GetTopLevel(1)->GetSelectedIcon(), 5);
  EXPECT_EQ(TZEChipSetEditorControl::ChipSetOf(nullptr), nullptr);
}

TEST_F(ZEChipSetEditorControlTest, ANewChipSetTakesTheNextIdAndJoinsTheList) {
  const int32_t next = data->ids->PeekID();
  TZEPlainTree nodes;
  control.FillTree(nodes);
  IZETreeNode* node = control.NewChipSet(nodes);
  ASSERT_NE(node, nullptr);
  const auto added = TZEChipSetEditorControl::ChipSetOf(node);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->GetID(), next);
  EXPECT_EQ(data->ids->PeekID(), next + 1);
  EXPECT_EQ(tree->GetChipSetList()->GetCount(), 3);
  EXPECT_EQ(tree->GetChipSetList()->GetItem(2), added);
  EXPECT_EQ(added->GetWidth(), 8);
  EXPECT_EQ(added->GetHeight(), 8);
  EXPECT_EQ(nodes.GetTopLevelCount(), 3);
  EXPECT_EQ(node->GetParent(), nullptr);
  EXPECT_EQ(node->GetCaption(), added->GetName());
  EXPECT_EQ(node->GetIcon(), 0);
  EXPECT_EQ(node->GetSelectedIcon(), 1);
}

TEST_F(ZEChipSetEditorControlTest, TogglingDeleteTwiceRestoresTheSetAndTheCaption) {
  TZEPlainTree nodes;
  control.FillTree(nodes);
  IZETreeNode* node = nodes.GetTopLevel(0);
  EXPECT_FALSE(control.CanDelete());
  EXPECT_FALSE(control.ToggleDeleted(node));
  EXPECT_FALSE(plain->GetDeleted());
  control.SelectChipSet(plain);
  EXPECT_EQ(control.DeleteCaption(), "チップセットをを削除(&D))");
  EXPECT_TRUE(control.ToggleDeleted(node));
  EXPECT_TRUE(plain->GetDeleted());
  EXPECT_EQ(node->GetIcon(), 5);
  EXPECT_EQ(node->GetSelectedIcon(), 5);
  EXPECT_EQ(control.DeleteCaption(), "チップセットの削除を取り消し(&U)");
  EXPECT_FALSE(control.ToggleDeleted(node));
  EXPECT_FALSE(plain->GetDeleted());
  EXPECT_EQ(node->GetIcon(), 0);
  EXPECT_EQ(node->GetSelectedIcon(), 1);
  EXPECT_TRUE(control.ToggleDeleted(nullptr));  // no node to show it on: only the flag
  EXPECT_TRUE(plain->GetDeleted());
}

TEST_F(ZEChipSetEditorControlTest, SelectingASetMakesItCurrentAndSizesTheArea) {
  control.SelectChipSet(wide);
  EXPECT_EQ(editor.GetChipSet(), wide);
  EXPECT_EQ(control.AreaWidth(), 16 * 32);
  EXPECT_EQ(control.AreaHeight(), 4 * 32);
  // No picture file: black at the area's size.
  EXPECT_EQ(control.Picture().Width(), 512);
  EXPECT_EQ(control.Picture().Height(), 128);
  EXPECT_EQ(control.Picture().GetPixel(511, 127), 0xFF000000u);
  control.SelectChipSet(nullptr);
  EXPECT_EQ(editor.GetChipSet(), nullptr);
  EXPECT_EQ(control.AreaWidth(), 0);
  EXPECT_EQ(control.Picture().Width(), 0);
  EXPECT_EQ(control.Composed().Width(), 0);
}

TEST_F(ZEChipSetEditorControlTest, ThePictureComesFromTheGamesGraphicsFolder) {
  WriteGraphic("Field.bmp", Solid(64, 32, 0xFF204060u));
  plain->SetImage(AddPictureMaterial(50, "Field.bmp"));
  control.SelectChipSet(plain);
  EXPECT_EQ(control.Picture().Width(), 64);
  EXPECT_EQ(control.Composed().Width(), 256);
  EXPECT_EQ(control.Composed().GetPixel(63, 31), 0xFF204060u);
  EXPECT_EQ(control.Composed().GetPixel(64, 0), 0xFF000000u);
}

TEST_F(ZEChipSetEditorControlTest, AnUnreadablePictureIsShownBlack) {
  std::ofstream(base_ / "Game" / "Graphics" / "Broken.bmp") << "BM not really";
  plain->SetImage(AddPictureMaterial(50, "Broken.bmp"));
  control.SelectChipSet(plain);
  EXPECT_EQ(control.Picture().Width(), 256);
  EXPECT_EQ(control.Picture().GetPixel(0, 0), 0xFF000000u);
}

TEST_F(ZEChipSetEditorControlTest, AHugeSetShowsAtMostTheLargestPicture) {
  auto huge = AddChipSet(12, 300, 1);
  control.SelectChipSet(huge);
  EXPECT_EQ(control.AreaWidth(), TZEChipSetEditorControl::kMaxAreaChips * 32);
  EXPECT_EQ(control.Composed().Width(), Bitmap::kMaxSide);
  control.MouseDown(mbLeft, Bitmap::kMaxSide - 1, 0);
  EXPECT_EQ(control.SelectedChip().X, 255);
}

TEST_F(ZEChipSetEditorControlTest, TheMouseChoosesChipsWhileTheLeftButtonIsHeld) {
  control.SelectChipSet(plain);
  const struct {
    int32_t x, y, column, row;
  } path[] = {
      {0, 0, 0, 0}, {31, 31, 0, 0}, {32, 0, 1, 0}, {255, 255, 7, 7}, {256, 10, -1, -1}, {-1, 5, -1, -1},
      {10, 256, -1, -1}, {100, 70, 3, 2},
  };
  control.MouseDown(mbLeft, 40, 40);
  EXPECT_TRUE(control.Tracking());
  EXPECT_EQ(control.SelectedChip().X, 1);
  for (const auto& p : path) {
    control.MouseMove(p.x, p.y);
    EXPECT_EQ(control.SelectedChip().X, p.column) << p.x << "," << p.y;
    EXPECT_EQ(control.SelectedChip().Y, p.row) << p.x << "," << p.y;
  }
  control.MouseUp(mbLeft, 100, 70);
  EXPECT_FALSE(control.Tracking());
  control.MouseMove(0, 0);
  EXPECT_EQ(control.SelectedChip().X, 3);
  const TRect outline = control.SelectionOutline();
  EXPECT_EQ(outline.Left, 96);
  EXPECT_EQ(outline.Top, 64);
  EXPECT_EQ(outline.Right, 127);
  EXPECT_EQ(outline.Bottom, 95);
}

TEST_F(ZEChipSetEditorControlTest, OtherButtonsDoNotChooseAndSelectingAgainClearsTheChip) {
  control.SelectChipSet(plain);
  control.MouseDown(mbRight, 40, 40);
  EXPECT_FALSE(control.Tracking());
  EXPECT_FALSE(control.HasSelectedChip());
  selectChip(2, 2);
  EXPECT_TRUE(control.HasSelectedChip());
  control.SelectChipSet(plain);
  EXPECT_FALSE(control.HasSelectedChip());
  EXPECT_EQ(control.SelectionOutline().Left, -1);
}

TEST_F(ZEChipSetEditorControlTest, EditTextsWriteOnlyWholeNumbersInTheFieldsRange) {
  using Setter = bool (TZEChipSetEditorControl::*)(const std::string&);
  const struct {
    Setter set;
    std::string text;
    bool written;
    int32_t height, encounter, eventID;
  } cases[] = {
      {&TZEChipSetEditorControl::SetHeightText, "12", true, 12, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "-3", true, -3, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "$10", true, 16, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "abc", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "-", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "1.5", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "32768", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetHeightText, "-32768", true, -32768, 0, 0},
      {&TZEChipSetEditorControl::SetEncounterText, "99", true, 0, 99, 0},
      {&TZEChipSetEditorControl::SetEncounterText, "70000", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetEventIDText, "123456789", true, 0, 0, 123456789},
      {&TZEChipSetEditorControl::SetEventIDText, "9999999999", false, 0, 0, 0},
      {&TZEChipSetEditorControl::SetEventIDText, "7 ", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    plain->SetChip(2, 1, {});
    selectChip(2, 1);
    EXPECT_EQ((control.*c.set)(c.text), c.written) << c.text;
    const TZelvoChipAttributes now = chip(2, 1);
    EXPECT_EQ(now.Height, c.height) << c.text;
    EXPECT_EQ(now.EncounterRate, c.encounter) << c.text;
    EXPECT_EQ(now.EventID, c.eventID) << c.text;
  }
}

TEST_F(ZEChipSetEditorControlTest, AFieldEditChangesOnlyItsOwnFieldOfTheChosenChip) {
  TZelvoChipAttributes before;
  before.Height = 1, before.GroundKind = 2, before.Passability = 3, before.EncounterRate = 4;
  before.Reserved = 0x55AA, before.EventID = 6;
  plain->SetChip(4, 5, before);
  selectChip(4, 5);
  ASSERT_TRUE(control.SetGroundType(8));
  ASSERT_TRUE(control.SetPassability(PassBits::Down | PassBits::Right));
  TZelvoChipAttributes expected = before;
  expected.GroundKind = 8;
  expected.Passability = 10;
  EXPECT_EQ(chip(4, 5), expected);
  EXPECT_EQ(chip(4, 4), TZelvoChipAttributes{});
}

TEST_F(ZEChipSetEditorControlTest, ListAndTogglesAcceptOnlyTheirValues) {
  selectChip(0, 0);
  for (int32_t kind : {-1, 9, 100}) EXPECT_FALSE(control.SetGroundType(kind)) << kind;
  for (int32_t bits : {-1, 16, 255}) EXPECT_FALSE(control.SetPassability(bits)) << bits;
  EXPECT_EQ(chip(0, 0), TZelvoChipAttributes{});
  EXPECT_TRUE(control.SetPassability(15));
  EXPECT_TRUE(control.SetPassability(0));
  EXPECT_EQ(chip(0, 0).Passability, 0);
}

TEST_F(ZEChipSetEditorControlTest, WithoutAChosenChipNothingIsWritten) {
  control.SelectChipSet(plain);
  EXPECT_FALSE(control.SetHeightText("5"));
  EXPECT_FALSE(control.SetGroundType(1));
  TZelvoChipAttributes record;
  EXPECT_FALSE(control.SelectedChipRecord(record));
  // The set shrank under a chosen chip: the chip is gone, nothing is read or written.
  selectChip(7, 7);
  plain->SetSize(4, 4);
  EXPECT_FALSE(control.SetHeightText("5"));
  EXPECT_FALSE(control.SelectedChipRecord(record));
}

TEST_F(ZEChipSetEditorControlTest, EditsAreShownAtOnceInTheOverlay) {
  control.SetViews(cvHeight);
  selectChip(1, 1);
  const uint32_t before = control.Composed().GetPixel(33, 33);
  ASSERT_TRUE(control.SetHeightText("16"));
  const uint32_t after = control.Composed().GetPixel(33, 33);
  EXPECT_NE(before, after);
  control.SetViews(cvNone);
  EXPECT_EQ(control.Composed().GetPixel(33, 33), 0xFF000000u);
}

TEST_F(ZEChipSetEditorControlTest, UsingASetAddsItToTheOpenMapOnce) {
  RecordingLink link;
  control.SetMapEditorLink(&link);
  control.SelectChipSet(plain);
  EXPECT_FALSE(control.CanUse());
  EXPECT_FALSE(control.UseChipSet());
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(30, data.get());
  tree->GetRootNode()->AddTopLevelNode(node);
  node->NewMap();
  node->SetModified(false);
  link.open = node;
  EXPECT_TRUE(control.CanUse());
  EXPECT_TRUE(control.UseChipSet());
  EXPECT_TRUE(control.UseChipSet());
  const auto ids = node->GetMap()->GetChipSetIDList();
  ASSERT_EQ(ids->GetCount(), 1);
  EXPECT_EQ(ids->GetID(0), 10);
  EXPECT_TRUE(node->IsModified());
  EXPECT_EQ(link.calls, (std::vector<std::string>{"new tab 10", "tab 10"}));
  control.SelectChipSet(nullptr);
  EXPECT_FALSE(control.CanUse());
  EXPECT_FALSE(control.UseChipSet());
}

TEST_F(ZEChipSetEditorControlTest, AfterThePropertiesTheMapEditorReloadsOnlyWhenSomethingChanged) {
  RecordingLink link;
  control.SetMapEditorLink(&link);
  selectChip(7, 7);
  plain->SetSize(4, 2);
  control.PropertiesApplied(false);
  EXPECT_EQ(link.calls, (std::vector<std::string>{"repaint"}));
  EXPECT_FALSE(control.HasSelectedChip());
  EXPECT_EQ(control.AreaWidth(), 128);
  EXPECT_EQ(control.AreaHeight(), 64);
  control.PropertiesApplied(true);
  EXPECT_EQ(link.calls, (std::vector<std::string>{"repaint", "bitmaps", "repaint"}));
  control.SetMapEditorLink(nullptr);
  control.PropertiesApplied(true);  // no map editor: only this window
  EXPECT_EQ(control.SelectedChipSet(), plain);
}

TEST_F(ZEChipSetEditorControlTest, RenamingAndClosing) {
  TZEPlainTree nodes;
  control.FillTree(nodes);
  nodes.GetTopLevel(0)->SetCaption(Cp932::fromUtf8("草原"));
  control.Rename(*nodes.GetTopLevel(0));
  EXPECT_EQ(std::string(plain->GetName()), Cp932::fromUtf8("草原"));
  EXPECT_EQ(std::string(wide->GetName()), "ZMLObject11");
  selectChip(1, 1);
  control.Close();
  EXPECT_EQ(control.AreaWidth(), 0);
  EXPECT_EQ(control.AreaHeight(), 0);
  EXPECT_EQ(control.Picture().Width(), 0);
  EXPECT_EQ(control.Composed().Width(), 0);
  control.MouseDown(mbLeft, 5, 5);
  EXPECT_FALSE(control.HasSelectedChip());
}

TEST_F(ZEChipSetEditorControlTest, TheSkinsPicturesAreLoadedWithTheirKeysAndAMissingOneIsEmpty) {
  Bitmap numbers = Solid(96, 32, 0xFFFF00FFu);
  numbers.setPixel(0, 0, 0xFFFF0000u);
  WriteSkinPicture("Number.bmp", numbers);
  WriteSkinPicture("GroundType.bmp", Solid(144, 16, 0xFFFF00FFu));
  control.LoadSkin();
  EXPECT_EQ(control.Skin().Numbers.GetPixel(0, 0), 0x80000000u);
  EXPECT_EQ(control.Skin().Numbers.GetPixel(1, 0), 0x00FF00FFu);
  EXPECT_EQ(TZEChipSetSkin::NumberSheet().GetPixel(0, 0), 0x80000000u);
  EXPECT_EQ(control.Skin().GroundType.GetPixel(0, 0), 0xFFFF00FFu);  // keyed only when drawn
  EXPECT_EQ(control.Skin().Traffic.Width(), 0);
  std::filesystem::remove(base_ / "Skin" / "Default" / "Number.bmp");
  control.LoadSkin();
  EXPECT_EQ(control.Skin().Numbers.Width(), 0);
}

TEST(ZEMapChipSetEditorInstance, TheFirstEditorObjectIsTheEditorsUntilItGoes) {
  ASSERT_EQ(TZEMapChipSetEditor::Instance(), nullptr);
  {
    TZEMapChipSetEditor first;
    EXPECT_EQ(TZEMapChipSetEditor::Instance(), &first);
    {
      TZEMapChipSetEditor second;
      EXPECT_EQ(TZEMapChipSetEditor::Instance(), &first);
    }
    EXPECT_EQ(TZEMapChipSetEditor::Instance(), &first);
  }
  EXPECT_EQ(TZEMapChipSetEditor::Instance(), nullptr);
}

}  // namespace
}  // namespace zelvo
