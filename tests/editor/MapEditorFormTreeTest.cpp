// The map editor window's map tree: new, delete, rename, drags, and "保存(&S)" read back from disk.

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabBar>

#include "MapEditorFormFixture.h"
#include "platform/core/AtomicFile.h"

namespace zelvo::test {
namespace {

class MapTree : public MapEditorFormTest {
 protected:
  QTreeWidget* view() { return form->MapTreeView(); }
  QTreeWidgetItem* item(const QString& name) {
    auto found = view()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found[0];
  }
  // Drags the named map onto target (nullptr: the empty space below the items) with real drag
  // events on the tree's viewport; true when the tree accepted the drop.
  bool drag(const QString& name, QTreeWidgetItem* target) {
    // The press that starts a drag makes the item current; the drag carries the tree's own items.
    input::click(view(), item(name));
    QMimeData data;
    data.setData("application/x-qabstractitemmodeldatalist", QByteArray("x"));
    const QPoint at = target ? view()->visualItemRect(target).center() : QPoint(5, view()->viewport()->height() - 3);
    return input::drop(view()->viewport(), at, data);
  }
  // A rename as a person makes it: the map chosen, F2, the new name typed over the old, Enter.
  void rename(const QString& from, const QString& to) {
    // A second click on the chosen map would start its own, delayed edit.
    if (view()->currentItem() != item(from)) input::click(view(), item(from));
    input::key(view(), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(editor && editor != view()) << "F2 opened no editor on " << from.toStdString();
    input::retype(editor, to);
    input::key(editor, Qt::Key_Return);
  }
  std::vector<std::string> topLevelNames() {
    std::vector<std::string> names;
    auto root = tree->GetRootNode();
    for (int32_t i = 0; i < root->GetChildCount(); ++i) names.push_back(root->GetChild(i)->GetNameBytes());
    return names;
  }
};

TEST_F(MapTree, ANewMapGoesUnderTheSelectedOneAndUndoTakesItAway) {
  rightClickMap(item("town"));
  choose(form->NewMapAction());
  ASSERT_EQ(town->GetChildCount(), 2);
  EXPECT_EQ(item("town")->childCount(), 2);
  EXPECT_TRUE(town->IsModified());
  EXPECT_EQ(done(), 1);
  choose(form->UndoButton());
  EXPECT_EQ(town->GetChildCount(), 1);
  EXPECT_EQ(item("town")->childCount(), 1) << "the tree view follows the undo";

  rightClickMap(nullptr);
  choose(form->NewMapAction());
  EXPECT_EQ(tree->GetRootNode()->GetChildCount(), 2) << "without a selection it is a new top-level map";
}

TEST_F(MapTree, DeletingTheOpenMapClosesItAndUndoBringsItBack) {
  rightClickMap(item("town"));
  choose(form->DeleteMapAction());
  EXPECT_EQ(tree->GetRootNode()->GetChildCount(), 0);
  EXPECT_EQ(engine().GetMap(), nullptr);
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 0);
  EXPECT_EQ(view()->topLevelItemCount(), 0);
  choose(form->UndoButton());
  EXPECT_EQ(topLevelNames(), std::vector<std::string>{"town"});
  EXPECT_EQ(view()->topLevelItemCount(), 1);
}

TEST_F(MapTree, RenamingTakesNamesCp932CanHoldAndRefusesOthers) {
  rename("house", QString::fromUtf8("宿屋"));
  EXPECT_EQ(house->GetNameBytes(), Cp932::fromUtf8("宿屋"));
  EXPECT_TRUE(town->IsModified());
  rename(QString::fromUtf8("宿屋"), QString::fromUtf8("宿\U0001F600"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(house->GetNameBytes(), Cp932::fromUtf8("宿屋"));
  EXPECT_NE(item(QString::fromUtf8("宿屋")), nullptr) << "the old name is shown again";
}

TEST_F(MapTree, DragsMoveMapsButNeverOntoThemselvesTheirAncestorsOrBelowThemselves) {
  auto inn = AddMap("inn", 4, 4, house);
  auto shop = AddMap("shop", 4, 4, nullptr);
  form->RebuildMapTree();
  EXPECT_FALSE(drag("town", item("inn"))) << "onto its own descendant";
  EXPECT_FALSE(drag("town", item("town")));
  EXPECT_FALSE(drag("inn", item("house"))) << "onto its parent";
  EXPECT_FALSE(drag("inn", item("town"))) << "onto its grandparent";
  EXPECT_EQ(topLevelNames(), (std::vector<std::string>{"town", "shop"}));
  EXPECT_EQ(inn->GetParent(), house.get());
  EXPECT_EQ(town->GetChildCount(), 1);

  EXPECT_TRUE(drag("inn", item("shop")));
  EXPECT_EQ(inn->GetParent(), shop.get());
  EXPECT_EQ(house->GetChildCount(), 0);
  EXPECT_EQ(item("inn")->parent(), item("shop"));

  EXPECT_TRUE(drag("house", nullptr));
  EXPECT_EQ(topLevelNames(), (std::vector<std::string>{"town", "shop", "house"}));
  EXPECT_EQ(house->GetParent(), nullptr);
  EXPECT_EQ(view()->topLevelItemCount(), 3);
  EXPECT_EQ(done(), 0) << "drags record no undo step";
}

TEST_F(MapTree, SaveWritesTheMapsFolderThatReadsBackToTheSameTreeAndCells) {
  pickChip(3, 2);
  click(cell(4, 5));
  AddMap("inn", 4, 4, house);
  form->RebuildMapTree();
  choose(form->SaveAction());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "Game" / "Maps" / "tree.map"));

  TZMLZelvoAPI read;
  read.Load();
  auto root = read.GetMapTree()->GetRootNode();
  ASSERT_EQ(root->GetChildCount(), 1);
  auto readTown = root->GetChild(0);
  EXPECT_EQ(readTown->GetNameBytes(), "town");
  ASSERT_EQ(readTown->GetChildCount(), 1);
  EXPECT_EQ(readTown->GetChild(0)->GetNameBytes(), "house");
  ASSERT_EQ(readTown->GetChild(0)->GetChildCount(), 1);
  EXPECT_EQ(readTown->GetChild(0)->GetChild(0)->GetNameBytes(), "inn");
  const TZelvoMapCell saved = readTown->GetMap()->GetFloor(0)->GetCell(4, 5);
  EXPECT_TRUE(isPen(saved, plain->GetID(), 3, 2));
  EXPECT_EQ(form->MapChipSetTabView()->count(), 2) << "the open map is shown again";
}

TEST_F(MapTree, AMapFileThatCannotBeReadIsReportedAndNothingIsOpened) {
  choose(form->SaveAction());
  ASSERT_TRUE(messages.shown.empty());
  // Every map file cut short; the tree file still names them.
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "Game" / "Maps"))
    if (entry.path().filename() != "tree.map") std::filesystem::resize_file(entry.path(), 10);
  auto read = std::make_shared<TZMLZelvoAPI>();
  read->Load();
  input::closeWindow(form.get());
  form->setZMLZelvoAPI(read);
  form->show();
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().kind, MessageKind::Error);
  EXPECT_EQ(engine().GetMap(), nullptr);
  EXPECT_EQ(form->MapScroll()->BitmapWidth(), 0);
  EXPECT_FALSE(read->GetMapTree()->GetRootNode()->GetChild(0)->IsModified()) << "a save leaves the file alone";
}

TEST_F(MapTree, AFailedSaveSaysSoKeepsTheMarksAndLeavesTheDiskAsItWas) {
  choose(form->SaveAction());
  const auto tree = std::filesystem::path(dir_.path() / "Game" / "Maps" / "tree.map");
  ASSERT_TRUE(std::filesystem::exists(tree));
  const auto before = std::filesystem::file_size(tree);
  rename("house", "a much longer name for the house");
  FileFaults::failWriteNumber(1);
  choose(form->SaveAction());
  FileFaults::reset();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  // The first file written is the one that fails; the message names it, whichever it is.
  EXPECT_NE(messages.shown[0].text.find((dir_.path() / "Game" / "Data").string()), std::string::npos)
      << messages.shown[0].text;
  EXPECT_TRUE(town->IsModified());
  EXPECT_EQ(std::filesystem::file_size(tree), before);
}

}  // namespace
}  // namespace zelvo::test
