// What a user sees first: a picture for every editor in the editor tree and for every order
// group, icons in the trees of maps, animes and move types, a layer window that shows its names,
// and a failed save that says in Japanese which file it could not write.

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QSet>
#include <functional>
#include <set>

#include "EditorProgramFixture.h"
#include "editor/MapEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MoveTypeView.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEEditorIcons.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersMapEditor.h"
#include "editor/core/ZEMapEditor.h"
#include "input/UserInput.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"

namespace zelvo::test {
namespace {

namespace input = zelvo::test::input;

QImage pictureOf(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
  return icon.pixmap(kEditorIconSize, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Where the picture is opaque: its outline.
QByteArray outlineOf(const QImage& image) {
  QByteArray mask;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) mask.append(qAlpha(image.pixel(x, y)) > 128 ? '#' : '.');
  return mask;
}

using FirstSight = EditorProgramTest;

TEST_F(FirstSight, EveryEditorInTheTreeHasAPictureOfItsOwn) {
  Start();
  std::vector<QImage> pictures;
  std::set<QByteArray> outlines;
  for (QTreeWidgetItem* item : itemsOf(*view->EditorTree())) {
    const QImage picture = pictureOf(item->icon(0));
    ASSERT_FALSE(picture.isNull()) << item->text(0).toStdString();
    EXPECT_EQ(picture.size(), QSize(kEditorIconSize, kEditorIconSize));
    for (const QImage& seen : pictures) EXPECT_NE(picture, seen) << item->text(0).toStdString() << " looks like another";
    pictures.push_back(picture);
    outlines.insert(outlineOf(picture));
  }
  ASSERT_GE(pictures.size(), 20u);
  // Pictures, not one tile with a label: almost every editor has its own outline.
  EXPECT_GE(outlines.size() + 3, pictures.size());
}

TEST_F(FirstSight, TheOrderGroupsHavePicturesOfTheirOwn) {
  Start();
  QTreeWidget& templates = *windows->orderLView->TemplateTree();
  ASSERT_EQ(templates.topLevelItemCount(), kOrderIconCount);
  std::vector<QImage> pictures;
  for (int i = 0; i < templates.topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = templates.topLevelItem(i);
    const QImage picture = pictureOf(group->icon(0));
    ASSERT_FALSE(picture.isNull()) << group->text(0).toStdString();
    for (const QImage& seen : pictures) EXPECT_NE(picture, seen) << group->text(0).toStdString();
    pictures.push_back(picture);
    if (group->childCount() > 0) {
      EXPECT_EQ(pictureOf(group->child(0)->icon(0)), picture);
    }
  }
  // "マップ関連" is an order group, not the editor tree's "アイテム".
  QTreeWidgetItem* mapGroup = findNode(templates, QString::fromUtf8("マップ関連"));
  ASSERT_NE(mapGroup, nullptr);
  EXPECT_NE(pictureOf(mapGroup->icon(0)), pictureOf(EditorIcon(4)));
}

TEST_F(FirstSight, TheTreesOfMapsAnimesAndMoveTypesShowTheMapEditorsIcons) {
  Start();
  const std::vector<QImage>& icons = windows->mapEditor->TreeIcons();
  ASSERT_GE(icons.size(), 5u);
  const auto same = [](const QImage& shown, const QImage& icon) {
    return shown.convertToFormat(QImage::Format_ARGB32) == icon.convertToFormat(QImage::Format_ARGB32);
  };
  const auto shows = [&](QTreeWidgetItem* item, QIcon::Mode mode, size_t index) {
    if (!item) return false;
    const QImage shown = item->icon(0).pixmap(icons[index].size(), mode).toImage();
    return same(shown, icons[index]);
  };
  auto api = view->Session().Api();

  TZEOrdersMapEditor& picker = *windows->ordersMapEditor;
  picker.setZMLZelvoAPI(api);
  ASSERT_GT(picker.MapTree()->topLevelItemCount(), 0);
  EXPECT_TRUE(shows(picker.MapTree()->topLevelItem(0), QIcon::Normal, 0)) << "map picker";
  EXPECT_TRUE(shows(picker.MapTree()->topLevelItem(0), QIcon::Selected, 4)) << "map picker, chosen";

  TZEAnimeEditorView& animes = *windows->animeEditorView;
  animes.setZMLZelvoAPI(api);
  animes.show();
  if (animes.AnimeTree->topLevelItemCount() == 0) animes.NewAnimeAction->trigger();
  ASSERT_GT(animes.AnimeTree->topLevelItemCount(), 0);
  EXPECT_TRUE(shows(animes.AnimeTree->topLevelItem(0), QIcon::Normal, 0)) << "anime tree";
  EXPECT_TRUE(shows(animes.AnimeTree->topLevelItem(0), QIcon::Selected, 1)) << "anime tree, chosen";
  animes.close();

  TMoveTypeView& types = *windows->moveTypeView;
  types.setZMLZelvoAPI(api.get());
  types.show();
  types.CreateAction()->trigger();
  ASSERT_GT(types.Tree()->topLevelItemCount(), 0);
  EXPECT_TRUE(shows(types.Tree()->topLevelItem(0), QIcon::Normal, 0)) << "move-type tree";
  EXPECT_TRUE(shows(types.Tree()->topLevelItem(0), QIcon::Selected, 1)) << "move-type tree, chosen";
  types.close();
}

TEST_F(FirstSight, TheLayerWindowOpensWideEnoughForItsNames) {
  Start();
  ShowActive();
  auto api = view->Session().Api();
  auto node = api->GetMapTree()->GetRootNode()->GetChild(0);
  ASSERT_NE(node, nullptr);
  node->LoadMapFile();
  auto layer = node->GetMap()->GetFloor(0);
  layer->SetNameBytes("\x94\x77\x8c\x69\x83\x8c\x83\x43\x83\x84\x81\x5b");  // 背景レイヤー
  TMapEditorForm& editor = *windows->mapEditor;
  bool checked = false;
  input::whenModalOpens([&](QWidget* modal) {
    TMapEditorLayersForm* layers = editor.LayersForm();
    if (layers->isVisible() && layers->List()->count() > 0) {
      QListWidgetItem* row = layers->List()->item(layers->List()->count() - 1);
      const int needed = TMapEditorLayersForm::kRowHeight + QFontMetrics(layers->List()->font()).horizontalAdvance(row->text());
      EXPECT_GE(layers->List()->viewport()->width(), needed) << row->text().toStdString();
      EXPECT_GE(layers->List()->viewport()->height(), 4 * TMapEditorLayersForm::kRowHeight);
      checked = true;
    }
    modal->close();
  });
  input::doubleClick(view->EditorTree(), findNode(*view->EditorTree(), QString::fromUtf8("マップ")));
  EXPECT_TRUE(checked) << "the layer window showed no rows";
}

TEST_F(FirstSight, AFailedSaveSaysInJapaneseWhichFileItCouldNotWrite) {
  Start();
  ShowActive();
  std::filesystem::remove(base / "Default" / "Data" / "Job.Dat");
  std::filesystem::create_directories(base / "Default" / "Data" / "Job.Dat" / "x");
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  const std::string sentence = text.substr(0, text.find('\n'));
  EXPECT_EQ(sentence.rfind("ファイル「", 0), 0u) << text;
  EXPECT_NE(sentence.find("Job.Dat」を保存できませんでした。"), std::string::npos) << text;
  EXPECT_GT(text.size(), sentence.size() + 1) << "the system's own words follow";
}

}  // namespace
}  // namespace zelvo::test
