#include "editor/core/ZEMaterialPanel.h"

#include <gtest/gtest.h>

#include "editor/core/ZEPlainTree.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoStyleModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/GamePath.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/MessageBox.h"
#include "support/TempDir.h"
#include "support/TestGameData.h"

namespace zelvo::test {
namespace {

constexpr uint32_t kFace = 0xFFC0C0C0u;
constexpr uint32_t kShadow = 0xFF808080u;

class MaterialPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedBase_ = GameBaseDirNative();
    savedBaseText_ = GameBaseDir;
    savedFolder_ = GameFolder;
    SetGameBaseDirNative(base.path());
    GameFolder = "Game\\";
    std::filesystem::create_directories(base / "Game" / "Graphics");
    Bitmap red(2, 2);
    red.fill(0xFFFF0000u);
    ASSERT_TRUE(red.saveToFile(base / "Game" / "Graphics" / "red.bmp", 24));
    GamePath::clearCache();
    api->AddImageMaterials();
    panel.setTreeDesigner(&designer);
  }
  void TearDown() override {
    SetGameBaseDirNative(savedBase_);
    GameBaseDir = savedBaseText_;
    GameFolder = savedFolder_;
    GamePath::clearCache();
  }
  // Synchronised once, with the picture selected.
  IZETreeNode* pictureNode() {
    panel.Refresh();
    IZETreeNode* folder = materials.GetTopLevel(0);
    return folder && folder->GetChildCount() > 0 ? folder->GetChild(0) : nullptr;
  }

  // A new picture comes with the standard colour changes; these tests start without any.
  static void clearChanges(IZETreeNode* node) {
    ASSERT_NE(node, nullptr);
    auto material = node->GetData().As<IZelvoMaterialModel>();
    while (material->GetColorChangeCount() > 0) material->DeleteColorChange(0);
  }

  TempDir base;
  std::shared_ptr<TestGameData> api = std::make_shared<TestGameData>();
  TZETreeDesigner designer{api};
  TZEPlainTree materials, changes;
  TZEMaterialPanel panel{materials, changes};
  MessageBoxRecorder boxes;

 private:
  std::filesystem::path savedBase_;
  std::string savedBaseText_, savedFolder_;
};

TEST_F(MaterialPanelTest, RefreshTellsWhatItFoundAndRebuildsTheTree) {
  IZETreeNode* node = pictureNode();
  ASSERT_NE(node, nullptr);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "新規素材1個、迷子素材0個が見つかりました");
  EXPECT_EQ(node->GetIcon(), ZEIcon::Material);
  EXPECT_NE(Cp932::toUtf8(node->GetCaption()).find("<New!>"), std::string::npos);

  panel.Refresh();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "更新した素材はありません。");

  std::filesystem::remove(base / "Game" / "Graphics" / "red.bmp");
  GamePath::clearCache();
  panel.Refresh();
  EXPECT_EQ(boxes.shown.back().text, "新規素材0個、迷子素材1個が見つかりました");
  EXPECT_NE(Cp932::toUtf8(materials.GetTopLevel(0)->GetChild(0)->GetCaption()).find("<迷子>"), std::string::npos);
}

TEST_F(MaterialPanelTest, WithoutAPackageNothingIsSynchronised) {
  api->materials->Clear();
  panel.Refresh();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "更新した素材はありません。");
  TZEMaterialPanel::AddPictureMaterial();
  EXPECT_EQ(boxes.shown[1].text, "現在外部ファイルの追加機能を停止しています\nGraphicsフォルダに画像を入れて更新ボタンを押してください。");
}

TEST_F(MaterialPanelTest, APictureShowsItsPanelsAndColourChanges) {
  panel.SelectMaterial(materials.GetTopLevel(0));  // a folder shows no panels
  EXPECT_FALSE(panel.view().materialPanels);
  IZETreeNode* node = pictureNode();
  ASSERT_NE(node, nullptr);
  clearChanges(node);
  panel.SelectMaterial(node);
  EXPECT_TRUE(panel.view().materialPanels);
  EXPECT_TRUE(panel.view().preview);
  EXPECT_FALSE(panel.view().conversion);
  EXPECT_FALSE(panel.view().colorChange);
  EXPECT_EQ(panel.view().fullPath, GamePathPrefix() + "Graphics\\" + panel.material()->GetPath());

  panel.AddColorChange();
  panel.AddColorChange();
  panel.SelectMaterial(node);  // shown again: the first change selected
  ASSERT_EQ(changes.GetTopLevelCount(), 2);
  EXPECT_TRUE(panel.view().conversion);
  EXPECT_EQ(changes.GetSelected(), changes.GetTopLevel(0));
  EXPECT_TRUE(panel.view().colorChange);
}

TEST_F(MaterialPanelTest, EditingAChangeRenewsItsCaption) {
  IZETreeNode* node = pictureNode();
  clearChanges(node);
  panel.SelectMaterial(node);
  panel.AddColorChange();
  IZETreeNode* change = changes.GetTopLevel(0);
  changes.SetSelected(change);
  panel.SelectColorChange(change);
  auto entry = panel.material()->GetColorChange(0);

  struct Case {
    const char* text;
    uint32_t source;
  };
  for (const Case& c : {Case{"ff00ff00", 0xFF00FF00u}, Case{"xyz", 0xFF00FF00u}, Case{"00000001", 1u}}) {
    panel.EditSource(c.text);
    EXPECT_EQ(static_cast<uint32_t>(entry->GetSourceColor()), c.source) << c.text;
  }
  panel.EditTarget("0000ff00");
  EXPECT_EQ(entry->GetTargetColor(), 0xFF00);
  EXPECT_EQ(panel.view().target, "0000ff00");
  EXPECT_EQ(change->GetCaption(), TZETreeDesigner::ChangeColorCaption(*entry));

  panel.SetUseTopLeft(true);
  EXPECT_TRUE(entry->GetUseTopLeftColor());
  EXPECT_FALSE(panel.view().sourceEnabled);
  EXPECT_EQ(Cp932::toUtf8(change->GetCaption()).rfind("左上の色を", 0), 0u);
  panel.SetIgnoreSourceAlpha(true);
  EXPECT_TRUE(entry->GetIgnoreSourceAlpha());

  panel.DeleteColorChange();
  EXPECT_EQ(panel.material()->GetColorChangeCount(), 0);
  EXPECT_EQ(changes.GetTopLevelCount(), 0);
  EXPECT_FALSE(panel.view().colorChange);
  EXPECT_FALSE(panel.view().conversion);
}

TEST_F(MaterialPanelTest, ThePreviewAppliesTheChangesOverTheHatch) {
  IZETreeNode* node = pictureNode();
  clearChanges(node);
  panel.SelectMaterial(node);
  Bitmap preview;
  ASSERT_TRUE(panel.DrawPreview(preview, kFace, kShadow));
  ASSERT_EQ(preview.width(), 2);
  EXPECT_GE(preview.pixel(1, 0) >> 16 & 0xFF, 0xFEu);  // opaque red over the hatch
  EXPECT_EQ(preview.pixel(1, 0) & 0xFFFF, 0u);

  panel.AddColorChange();
  auto entry = panel.material()->GetColorChange(0);
  entry->SetSourceColor(static_cast<int32_t>(0xFFFF0000u));
  entry->SetTargetColor(0);  // transparent
  ASSERT_TRUE(panel.DrawPreview(preview, kFace, kShadow));
  // Nothing over the hatch, which a blend of a = 0 leaves at 255/256 of itself.
  EXPECT_EQ(preview.pixel(0, 0) & 0xFF, (kShadow & 0xFF) * 255 >> 8);
  EXPECT_EQ(preview.pixel(1, 0) & 0xFF, (kFace & 0xFF) * 255 >> 8);

  panel.SelectMaterial(nullptr);
  EXPECT_FALSE(panel.DrawPreview(preview, kFace, kShadow));
}

}  // namespace
}  // namespace zelvo::test
