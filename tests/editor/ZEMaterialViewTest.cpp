#include "editor/ZEMaterialView.h"

#include "editor/ZEDatabaseViewFixture.h"
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
  }
  QTreeWidgetItem* item(int index) { return view.materialTree()->topLevelItem(0)->child(index); }
  std::shared_ptr<IZelvoMaterialModel> picture;
  TZEMaterialView view;
};

TEST_F(MaterialViewTest, PanelsShowOnlyForMaterials) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("素材管理エディタ"));
  ASSERT_EQ(view.materialTree()->topLevelItemCount(), 1);
  EXPECT_TRUE(view.settingsPanel()->isHidden());
  view.materialTree()->setCurrentItem(item(0));
  EXPECT_FALSE(view.settingsPanel()->isHidden());
  EXPECT_FALSE(view.colorPanel()->isHidden());
  EXPECT_TRUE(view.fullPath()->text().endsWith(QStringLiteral("Graphics\\hero.bmp")));
  EXPECT_FALSE(view.conversionPanel()->isEnabled());
  view.materialTree()->setCurrentItem(item(1));
  EXPECT_TRUE(view.previewLabel()->isHidden());
  view.materialTree()->setCurrentItem(view.materialTree()->topLevelItem(0));
  EXPECT_TRUE(view.settingsPanel()->isHidden());
}

TEST_F(MaterialViewTest, ColourChangesAreAddedEditedAndDeleted) {
  view.materialTree()->setCurrentItem(item(0));
  view.addChangeButton()->click();
  ASSERT_EQ(picture->GetColorChangeCount(), 1);
  ASSERT_EQ(view.colorChangeTree()->topLevelItemCount(), 1);
  view.colorChangeTree()->setCurrentItem(view.colorChangeTree()->topLevelItem(0));
  EXPECT_TRUE(view.conversionPanel()->isEnabled());
  auto entry = picture->GetColorChange(0);
  view.sourceEdit()->setText(QStringLiteral("00ff00ff"));
  emit view.sourceEdit()->textEdited(view.sourceEdit()->text());
  EXPECT_EQ(entry->GetSourceColor(), 0x00FF00FF);
  const int32_t target = entry->GetTargetColor();
  emit view.targetEdit()->textEdited(QStringLiteral("00000010"));
  EXPECT_EQ(entry->GetTargetColor(), 0x10);
  emit view.targetEdit()->textEdited(QStringLiteral("not hex"));
  EXPECT_EQ(entry->GetTargetColor(), 0x10);
  EXPECT_NE(target, 0x10);
  view.useTopLeftBox()->click();
  EXPECT_TRUE(entry->GetUseTopLeftColor());
  EXPECT_FALSE(view.sourceEdit()->isEnabled());
  EXPECT_TRUE(view.colorChangeTree()->topLevelItem(0)->text(0).startsWith(QStringLiteral("左上の色を")));
  view.deleteChangeButton()->click();
  EXPECT_EQ(picture->GetColorChangeCount(), 0);
  EXPECT_FALSE(view.deleteChangeButton()->isEnabled());
}

TEST_F(MaterialViewTest, ButtonsTellTheirMessages) {
  view.addPictureButton()->click();
  view.refreshButton()->click();  // no Graphics folder behind this game
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text.rfind("現在外部ファイルの追加機能を停止しています", 0), 0u);
  EXPECT_EQ(view.materialTree()->topLevelItemCount(), 1);
}

}  // namespace
}  // namespace zelvo::test
