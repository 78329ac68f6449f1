#include "editor/MapLayerPropertyForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTreeWidget>

#include "LayerWindowTesting.h"
#include "input/UserInput.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/gui/MessageBox.h"

namespace zelvo::test {
namespace {

// Moves a slider to `value` by keys: to its start, then by pages and single steps.
void slideTo(QSlider* slider, int value) {
  input::key(slider, Qt::Key_Home);
  for (int i = 0; i < (value - slider->minimum()) / slider->pageStep(); ++i) input::key(slider, Qt::Key_PageUp);
  while (slider->value() < value) input::key(slider, Qt::Key_Right);
}

class LayerPropertyFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    auto images = f.data.AddImageMaterials();
    auto folder = std::make_shared<TZelvoStylePackage>(60);
    folder->SetNameBytes("Sky");
    sky->SetNameBytes("sky");
    sky->SetPath("Graphics\\sky.bmp");
    folder->Add(sky);
    images->Add(folder);
    layer = f.Layer(0);
    layer->SetNameBytes("Ground");
    layer->SetBaseHeight(2);
    form.SetOnApplied([this] { ++applied; });
    form.setZMLZelvoAPI(&f.data);
    form.LoadLayer();
    form.show();
  }

  EditorFixture f;
  HostRecorder host;
  std::shared_ptr<TZelvoStyleModel> sky = std::make_shared<TZelvoStyleModel>(61, 1001);
  std::shared_ptr<IZelvoMapFloorModel> layer;
  TMapLayerPropertyForm form{f.editor, &host};
  int applied = 0;
};

TEST_F(LayerPropertyFormTest, ShowsTheCurrentLayer) {
  EXPECT_EQ(form.NameEdit()->text(), "Ground");
  EXPECT_EQ(form.BaseHeight()->text(), "2");
  EXPECT_EQ(form.GameOpacity()->value(), 255);
  EXPECT_EQ(form.LayerType()->currentIndex(), 0);
  EXPECT_EQ(form.LayerType()->count(), 3);
  EXPECT_EQ(form.DrawType()->count(), 4);
  EXPECT_FALSE(form.PictureEnabled()->isChecked());
  EXPECT_TRUE(form.PictureFile()->text().isEmpty());
}

TEST_F(LayerPropertyFormTest, OKAppliesTheFieldsAndTellsTheMapEditor) {
  ASSERT_EQ(form.PictureTree()->topLevelItemCount(), 1);
  QTreeWidgetItem* folder = form.PictureTree()->topLevelItem(0);
  input::click(form.PictureTree(), folder);
  EXPECT_TRUE(form.PictureFile()->text().isEmpty());
  input::key(form.PictureTree(), Qt::Key_Right);  // opens the folder
  input::click(form.PictureTree(), folder->child(0));
  EXPECT_EQ(form.PictureFile()->text(), "Graphics\\sky.bmp");

  input::retype(form.NameEdit(), QString::fromUtf8("空"));
  input::retype(form.BaseHeight(), "-10000");
  slideTo(form.GameOpacity(), 99);
  input::choose(form.LayerType(), 2);
  input::click(form.PictureEnabled());
  ASSERT_TRUE(form.PictureEnabled()->isChecked());
  input::retype(form.PictureWidth(), "320");
  input::retype(form.PictureHeight(), "240");
  input::choose(form.DrawType(), 2);
  input::click(form.OkButton());

  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(layer->GetNameBytes(), Cp932::fromUtf8("空"));
  EXPECT_EQ(layer->GetBaseHeight(), -10000);
  EXPECT_EQ(layer->GetGameOpacity(), 99);
  EXPECT_EQ(layer->GetLayerType(), 2);
  auto picture = layer->GetPicture();
  EXPECT_EQ(picture->GetEnabled(), 1);
  EXPECT_EQ(picture->GetImageID(), 61);
  EXPECT_EQ(picture->GetWidth(), 320);
  EXPECT_EQ(picture->GetHeight(), 240);
  EXPECT_EQ(picture->GetDrawType(), 2);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"pictures", "repaint"}));
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(f.editor.GetUndoControl().GetStepCount(), 0);
}

TEST_F(LayerPropertyFormTest, AMistypedNumberIsReportedAndNothingChanges) {
  MessageBoxRecorder messages;
  input::retype(form.NameEdit(), "Other");
  input::retype(form.PictureWidth(), "12a");
  input::click(form.OkButton());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_NE(form.result(), QDialog::Accepted);
  EXPECT_EQ(layer->GetNameBytes(), "Ground");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(applied, 0);
}

TEST_F(LayerPropertyFormTest, CancelChangesNothing) {
  input::retype(form.NameEdit(), "Other");
  input::click(form.CancelButton());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(layer->GetNameBytes(), "Ground");
}

TEST_F(LayerPropertyFormTest, WithoutALayerOKIsOff) {
  f.editor.SetLayerIndex(5);
  EXPECT_FALSE(form.LoadLayer());
  EXPECT_FALSE(form.OkButton()->isEnabled());
}

}  // namespace
}  // namespace zelvo::test
