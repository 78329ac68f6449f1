// A map that uses no chip set yet gets its first one from the palette: the pop-up opens over the
// empty palette, and the chip set added there, or dragged in from the chip-set editor, shows at
// once.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>

#include "MapEditorFormFixture.h"
#include "editor/MapChipSetEditorForm.h"
#include "editor/ZEPopupTreeView.h"
#include "input/UserInput.h"

namespace zelvo::test {
namespace {

namespace input = zelvo::test::input;

class EmptyPalette : public MapEditorFormTest {
 protected:
  void SetUp() override {
    MapEditorFormTest::SetUp();
    bare = AddMap("bare", 4, 4, nullptr);
    auto ids = bare->GetMap()->GetChipSetIDList();
    while (ids->GetCount() > 0) ids->Delete(0);
    form->SelectMap(bare);
    ASSERT_EQ(form->MapChipSetTabView()->count(), 0);
  }
  QMenu* openPopupOver(QWidget* target) {
    input::click(target, {}, Qt::RightButton);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  // The palette shows the chip set: it is current, and the palette has its size.
  void expectShown(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet) {
    EXPECT_EQ(form->MapChipSetTabView()->count(), 1);
    EXPECT_EQ(form->MapChipSetTabView()->currentIndex(), 0);
    EXPECT_EQ(engine().GetChipSet(), chipSet);
    EXPECT_EQ(form->ChipScroll()->BitmapWidth(), chipSet->GetWidth() * 32);
    EXPECT_EQ(form->ChipScroll()->BitmapHeight(), chipSet->GetHeight() * 32);
  }

  // Opens the chip-set editor from the map editor's menu bar and clicks the chip set named `name`.
  TMapChipSetEditorForm* openChipSetEditorOn(const char* name) {
    auto* bar = form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar) {
      ADD_FAILURE() << "the map editor has no menu bar";
      return nullptr;
    }
    input::click(bar, bar->actionGeometry(form->ChipSetEditorAction()).center());
    TMapChipSetEditorForm* chipSets = form->ChipSetForm();
    if (!chipSets->isVisible()) {
      ADD_FAILURE() << "the chip-set editor did not open";
      return nullptr;
    }
    auto found = chipSets->ChipSetTree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() != 1) {
      ADD_FAILURE() << "the chip-set editor lists no one chip set " << name;
      return nullptr;
    }
    input::click(chipSets->ChipSetTree, found.front());
    return chipSets;
  }

  std::shared_ptr<IZelvoMapTreeNodeControl> bare;
};

TEST_F(EmptyPalette, ARightClickOnThePaletteOffersToAddAChipSetWhichThenShowsAtOnce) {
  QMenu* menu = openPopupOver(form->ChipScroll());
  ASSERT_NE(menu, nullptr) << "no pop-up over the empty palette";
  EXPECT_TRUE(form->AddChipSetAction()->isEnabled());
  EXPECT_FALSE(form->StopChipSetAction()->isEnabled());
  input::whenModalOpens([](QWidget* modal) {
    auto* pick = dynamic_cast<TZEPopupTreeView*>(modal);
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->windowTitle(), QString::fromUtf8("使用するチップセットを選んでください"));
    QTreeWidget* tree = pick->TreeWidget();
    auto found = tree->findItems("other", Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) {
      ADD_FAILURE() << "the picker lists no chip set 'other'";
      pick->reject();
      return;
    }
    input::click(tree, found.front());
    input::click(pick->OkButton());

  });
  input::clickMenuItem(menu, form->AddChipSetAction());
  EXPECT_EQ(bare->GetMap()->GetChipSetIDList()->GetCount(), 1);
  expectShown(other);
  // With a tab the pop-up also opens over the tabs, and can stop the chip set's use.
  QMenu* again = openPopupOver(form->MapChipSetTabView());
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(form->StopChipSetAction()->isEnabled());
  again->close();
}

TEST_F(EmptyPalette, AChipSetDraggedInFromTheChipSetEditorShowsAtOnce) {
  ASSERT_NE(openChipSetEditorOn("plain"), nullptr);
  QMimeData data;
  data.setData("application/x-qabstractitemmodeldatalist", QByteArray("x"));
  EXPECT_TRUE(input::drop(form->ChipScroll(), form->ChipScroll()->rect().center(), data));
  expectShown(plain);
}

TEST_F(EmptyPalette, AChipSetUsedFromTheChipSetEditorsMenuShowsAtOnce) {
  TMapChipSetEditorForm* chipSets = openChipSetEditorOn("other");
  ASSERT_NE(chipSets, nullptr);
  QMenuBar* bar = chipSets->MainMenu;
  input::click(bar, bar->actionGeometry(chipSets->ChipSetMenu->menuAction()).center());
  ASSERT_TRUE(chipSets->ChipSetMenu->isVisible());
  ASSERT_TRUE(chipSets->UseAction->isEnabled());
  input::clickMenuItem(chipSets->ChipSetMenu, chipSets->UseAction);
  EXPECT_EQ(bare->GetMap()->GetChipSetIDList()->GetCount(), 1);
  expectShown(other);
}

}  // namespace
}  // namespace zelvo::test
