#include "editor/MapEditorLayersForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <functional>

#include "LayerWindowTesting.h"
#include "input/UserInput.h"
#include "platform/gui/MessageBox.h"
#include "editor/core/ZESkinPictures.h"
#include "model/ZelvoPrivateTypes.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo::test {
namespace {

class LayersFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    f.Layer(0)->SetNameBytes("A");
    for (const char* name : {"B", "C"}) {
      auto floor = std::make_shared<TZelvoMapFloorModel>(f.data.ids->NewID(), &f.data);
      floor->SetNameBytes(name);
      floor->SetSize(8, 8);
      f.map->AddFloor(floor);
    }
    form = std::make_unique<TMapEditorLayersForm>(f.editor, &host, nullptr, dir / "Desktop.INI");
    form->setZMLZelvoAPI(&f.data);
    form->show();
  }

  // A person's choice of a row: a click on it.
  void clickRow(int row) { input::click(form->List(), form->List()->item(row)); }
  // The bar moved from its left end by that many steps of the arrow key.
  void setBar(int value) {
    input::key(form->Transparency(), Qt::Key_Home);
    for (int i = 0; i < value; ++i) input::key(form->Transparency(), Qt::Key_Right);
  }
  // A right click on a row opens the list's menu; act runs on it while it is open, then it closes
  // (by the click act makes, or by Escape).
  // A row of -1 is the list's empty space.
  void withMenuOn(int row, const std::function<void(QMenu*)>& act) {
    bool opened = false;
    input::whenPopupOpens([act, &opened](QMenu* menu) {
      opened = true;
      act(menu);
      if (menu->isVisible()) input::key(menu, Qt::Key_Escape);
    });
    QWidget* rows = form->List()->viewport();
    const QPoint at = row < 0 ? rows->rect().center() : form->List()->visualItemRect(form->List()->item(row)).center();
    input::click(rows, at, Qt::RightButton);
    EXPECT_TRUE(opened) << "a right click opens the list's menu";
  }
  void chooseFromMenu(int row, QAction* action) {
    withMenuOn(row, [action](QMenu* menu) { input::clickMenuItem(menu, action); });
  }

  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < form->List()->count(); ++i) rows << form->List()->item(i)->text();
    return rows;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int32_t i = 0; i < f.map->GetFloorCount(); ++i) names.push_back(f.Layer(i)->GetNameBytes());
    return names;
  }

  TempDir dir;
  EditorFixture f;
  HostRecorder host;
  std::unique_ptr<TMapEditorLayersForm> form;
};

TEST_F(LayersFormTest, TheListShowsTheFloorsHighestFirstAndSelectsTheCurrentOne) {
  f.Layer(1)->SetEditorOpacity(5);
  f.editor.SetLayerIndex(1);
  form->RefreshList();
  EXPECT_EQ(Rows(), (QStringList{"C:255%", "B:05%", "A:255%"}));
  EXPECT_EQ(form->List()->currentRow(), 1);
  EXPECT_EQ(form->Transparency()->value(), 5);
  EXPECT_EQ(form->NameEdit()->text(), "B");
}

TEST_F(LayersFormTest, ChoosingARowMakesItsFloorCurrent) {
  form->RefreshList();
  host.calls.clear();
  clickRow(0);
  EXPECT_EQ(f.editor.GetLayerIndex(), 2);
  EXPECT_EQ(form->NameEdit()->text(), "C");
  EXPECT_EQ(host.calls, std::vector<std::string>{"repaint"});
}

TEST_F(LayersFormTest, TheBarAndTheNameFieldChangeTheCurrentLayer) {
  form->RefreshList();
  setBar(40);
  EXPECT_EQ(f.Layer(0)->GetEditorOpacity(), 40);
  EXPECT_EQ(Rows()[2], "A:40%");
  input::retype(form->NameEdit(), QString::fromUtf8("海"));
  EXPECT_EQ(f.Layer(0)->GetNameBytes(), Cp932::fromUtf8("海"));
  EXPECT_EQ(Rows()[2], QString::fromUtf8("海:40%"));
}

TEST_F(LayersFormTest, MenuItemsAreEnabledByTheCurrentLayer) {
  f.editor.SetLayerIndex(0);
  form->RefreshList();
  bool opened = false;
  withMenuOn(2, [&](QMenu*) {
    opened = true;
    EXPECT_TRUE(form->AddAction()->isEnabled());
    EXPECT_TRUE(form->DeleteAction()->isEnabled());
    EXPECT_TRUE(form->UpAction()->isEnabled());
    EXPECT_FALSE(form->DownAction()->isEnabled());
  });
  EXPECT_TRUE(opened);
  clickRow(0);
  withMenuOn(0, [&](QMenu*) {
    EXPECT_FALSE(form->UpAction()->isEnabled());
    EXPECT_TRUE(form->DownAction()->isEnabled());
  });
}

TEST_F(LayersFormTest, MovingUpFromTheMenuSwapsTheFloorsAndFollowsTheLayer) {
  f.editor.SetLayerIndex(0);
  form->RefreshList();
  host.calls.clear();
  chooseFromMenu(2, form->UpAction());
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(form->List()->currentRow(), 1);
  EXPECT_EQ(form->List()->currentItem()->text(), "A:255%");
  EXPECT_EQ(host.calls.front(), "undo buttons");
  EXPECT_EQ(f.editor.GetUndoControl().GetStepCount(), 1);
}

TEST_F(LayersFormTest, AddingAndDeletingFromTheMenu) {
  f.editor.SetLayerIndex(2);
  form->RefreshList();
  chooseFromMenu(0, form->AddAction());
  EXPECT_EQ(Rows().size(), 4);
  EXPECT_EQ(form->List()->currentRow(), 1);
  clickRow(0);
  chooseFromMenu(0, form->DeleteAction());
  EXPECT_EQ(Rows(), (QStringList{"C:255%", "B:255%", "A:255%"}));
  EXPECT_EQ(form->List()->currentRow(), 0);
  f.editor.Undo();
  form->RefreshList();
  EXPECT_EQ(Rows().size(), 4);
}

TEST_F(LayersFormTest, ADropExchangesTheDraggedRowWithTheRowDroppedOn) {
  form->RefreshList();
  clickRow(2);  // floor A
  // The platform without a screen carries no drag between two places of one list; the drop
  // arrives as the list hands it on.
  form->DropOnRow(-1);
  EXPECT_EQ(f.editor.GetUndoControl().GetStepCount(), 0);
  form->DropOnRow(0);
  EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(form->List()->currentRow(), 2);
}

TEST_F(LayersFormTest, WithoutAMapTheListIsEmptyAndOnlyTheDecorationItemIsOn) {
  f.editor.SetMap(nullptr);
  form->RefreshList();
  EXPECT_EQ(form->List()->count(), 0);
  withMenuOn(-1, [&](QMenu*) {
    for (QAction* action : {form->AddAction(), form->DeleteAction(), form->PropertiesAction(), form->UpAction(),
                            form->DownAction()})
      EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(form->DecorationAction()->isEnabled());
  });
  setBar(3);
  form->ShowProperties();
  EXPECT_EQ(f.Layer(0)->GetEditorOpacity(), 255);
}

TEST_F(LayersFormTest, IconsComeFromTheSkinWithMagentaClear) {
  std::string saved = SkinFolder;
  SkinFolder = "Skin\\Default\\";
  std::filesystem::create_directories(dir / "Skin" / "Default");
  QImage strip(96, 16, QImage::Format_RGB32);
  strip.fill(QColor(0, 128, 0));
  strip.setPixel(16, 0, 0xFFFF00FF);
  ASSERT_TRUE(strip.save(QString::fromStdString((dir / "Skin" / "Default" / "Layericon.bmp").string()), "BMP"));
  form->LoadIcons(ZESkinPictures(dir.path()));
  SkinFolder = saved;
  ASSERT_EQ(form->Icons().size(), 6u);
  EXPECT_EQ(qAlpha(form->Icons()[1].pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(form->Icons()[1].pixel(1, 0)), 255);
}

TEST_F(LayersFormTest, ThePlaceIsSavedWhenTheWindowGoes) {
  form.reset();
  std::vector<uint8_t> ini = readFile(dir / "Desktop.INI");
  std::string text(ini.begin(), ini.end());
  EXPECT_NE(text.find("[MapEditorLayersForm]"), std::string::npos);
}

// A layer name CP932 cannot hold is refused with a word and nothing of it stored.
TEST_F(LayersFormTest, ANameTheFileCannotHoldIsRefusedWithAWord) {
  MessageBoxRecorder messages;
  form->RefreshList();
  form->show();
  input::retype(form->NameEdit(), QString::fromUtf8("海€"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "この名前には使えない文字が含まれています");
  EXPECT_EQ(form->NameEdit()->text(), QString::fromUtf8("海€"));
  EXPECT_EQ(f.Layer(0)->GetNameBytes(), Cp932::fromUtf8("海"));
}

}  // namespace
}  // namespace zelvo::test
