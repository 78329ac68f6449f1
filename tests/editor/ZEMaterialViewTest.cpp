#include "editor/ZEMaterialView.h"

#include "editor/ZEDatabaseViewFixture.h"
#include "input/UserInput.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoStyleModel.h"
#include "model/ZelvoStylePackage.h"

namespace zelvo::test {
namespace {

class MaterialViewTest : public DatabaseViewTest {
 protected:
  void SetUp() override {
    auto folder = factory.CreateStylePackage();
    folder->SetName("Graphics");
    picture = factory.CreateStyleModel(TZEMaterialPanel::kPictureKind);
    picture->SetName("hero.bmp");
    picture->SetPath("hero.bmp");
    while (picture->GetColorChangeCount() > 0) picture->DeleteColorChange(0);
    folder->Add(picture);
    auto sound = factory.CreateStyleModel(1002);
    sound->SetName("bgm.wav");
    folder->Add(sound);
    api->GetMaterialRoot()->Clear();
    api->GetMaterialRoot()->Add(folder);
    view.setTreeDesigner(&designer);
    view.setZMLZelvoAPI(api);
    view.setMaterialRoot(api->GetMaterialRoot());
    view.show();
    view.materialTree()->expandAll();
  }
  void select(QTreeWidgetItem* node) { input::click(view.materialTree(), node); }
  QTreeWidgetItem* item(int index) { return view.materialTree()->topLevelItem(0)->child(index); }
  std::shared_ptr<IZelvoMaterialModel> picture;
  TZEMaterialView view;
};

TEST_F(MaterialViewTest, PanelsShowOnlyForMaterials) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("素材管理エディタ"));
  ASSERT_EQ(view.materialTree()->topLevelItemCount(), 1);
  EXPECT_TRUE(view.settingsPanel()->isHidden());
  select(item(0));
  EXPECT_FALSE(view.settingsPanel()->isHidden());
  EXPECT_FALSE(view.colorPanel()->isHidden());
  EXPECT_TRUE(view.fullPath()->text().endsWith(QStringLiteral("Graphics\\hero.bmp")));
  EXPECT_FALSE(view.conversionPanel()->isEnabled());
  select(item(1));
  EXPECT_TRUE(view.previewLabel()->isHidden());
  select(view.materialTree()->topLevelItem(0));
  EXPECT_TRUE(view.settingsPanel()->isHidden());
}

TEST_F(MaterialViewTest, ColourChangesAreAddedEditedAndDeleted) {
  select(item(0));
  input::click(view.addChangeButton());
  ASSERT_EQ(picture->GetColorChangeCount(), 1);
  ASSERT_EQ(view.colorChangeTree()->topLevelItemCount(), 1);
  input::click(view.colorChangeTree(), view.colorChangeTree()->topLevelItem(0));
  EXPECT_TRUE(view.conversionPanel()->isEnabled());
  EXPECT_TRUE(view.deleteChangeButton()->isEnabled()) << "the clicked change can be deleted";
  auto entry = picture->GetColorChange(0);
  input::retype(view.sourceEdit(), QStringLiteral("00ff00ff"));
  EXPECT_EQ(entry->GetSourceColor(), 0x00FF00FF);
  const int32_t target = entry->GetTargetColor();
  input::retype(view.targetEdit(), QStringLiteral("00000010"));
  EXPECT_EQ(entry->GetTargetColor(), 0x10);
  input::retype(view.targetEdit(), QStringLiteral("not hex"));
  EXPECT_EQ(entry->GetTargetColor(), 0x10);
  EXPECT_NE(target, 0x10);
  input::click(view.useTopLeftBox());
  EXPECT_TRUE(entry->GetUseTopLeftColor());
  EXPECT_FALSE(view.sourceEdit()->isEnabled());
  EXPECT_TRUE(view.colorChangeTree()->topLevelItem(0)->text(0).startsWith(QStringLiteral("左上の色を")));
  input::click(view.deleteChangeButton());
  EXPECT_EQ(picture->GetColorChangeCount(), 0);
  EXPECT_FALSE(view.deleteChangeButton()->isEnabled());
}

TEST_F(MaterialViewTest, ButtonsTellTheirMessages) {
  input::click(view.addPictureButton());
  input::click(view.refreshButton());  // no Graphics folder behind this game
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text.rfind("現在外部ファイルの追加機能を停止しています", 0), 0u);
  EXPECT_EQ(view.materialTree()->topLevelItemCount(), 1);
}

}  // namespace
}  // namespace zelvo::test
