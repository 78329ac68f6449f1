// The skin reaches every window that draws skin pictures: as the program starts, and again when
// another skin is chosen. The map editor opens the window set's chip-set editor, which therefore
// has the skin and keeps one place in "Desktop.INI".

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QTreeWidget>
#include <fstream>
#include <functional>

#include "EditorProgramFixture.h"
#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MoveTypeView.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEOrdersMapEditor.h"
#include "editor/core/ZEAnimePreview.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "editor/core/ZESkinSettings.h"
#include "input/UserInput.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMoveTypeList.h"

namespace zelvo::test {
namespace {

namespace fs = std::filesystem;
namespace input = zelvo::test::input;

constexpr QRgb kRed = 0xFFC03020, kBlue = 0xFF2040C0;

class SkinUsersTest : public EditorProgramTest {
 protected:
  // Every picture of the skin in one colour; its icons stay those of the bundled skin.
  void PaintSkin(const std::string& name, QRgb colour) const {
    const fs::path folder = base / "Skin" / name;
    fs::create_directories(folder);
    for (std::string_view file : kSkinFiles) {
      const fs::path path = folder / std::string(file);
      if (path.extension() == ".ico") {
        if (name != "Default") fs::copy_file(base / "Skin" / "Default" / std::string(file), path, fs::copy_options::overwrite_existing);
        continue;
      }
      QImage picture(512, 64, QImage::Format_RGB32);
      picture.fill(colour);
      ASSERT_TRUE(picture.save(QString::fromStdString(path.string()), "BMP")) << path;
    }
  }

  // The colour each window that draws skin pictures shows from its skin now.
  struct Probe {
    const char* window;
    std::function<QRgb(TZEEditorWindows&)> colour;
  };
  static QRgb iconColour(const std::vector<QImage>& icons) {
    return icons.empty() ? 0u : icons.front().pixel(8, 8);
  }
  static QRgb iconColour(const QIcon& icon) { return icon.isNull() ? 0u : icon.pixmap(16).toImage().pixel(8, 8); }
  std::vector<Probe> Probes() const {
    return {
        {"map editor", [](TZEEditorWindows& w) { return iconColour(w.mapEditor->TreeIcons()); }},
        {"chip-set editor", [](TZEEditorWindows& w) { return iconColour(w.chipSetEditor->TreeIcon(0)); }},
        {"layer window", [](TZEEditorWindows& w) { return iconColour(w.layers->Icons()); }},
        {"map editor's layer window", [](TZEEditorWindows& w) { return iconColour(w.mapEditor->LayersForm()->Icons()); }},
        {"move-type editor",
         [this](TZEEditorWindows& w) {
           TMoveTypeView& types = *w.moveTypeView;
           types.setZMLZelvoAPI(view->Session().Api().get());
           types.show();
           if (types.Tree()->topLevelItemCount() == 0) types.CreateAction()->trigger();
           types.Tree()->setCurrentItem(types.Tree()->topLevelItem(0));
           const QRgb grid = types.GridPicture().GetPixel(40, 40);
           types.close();
           return grid;
         }},
        {"animation editor", [](TZEEditorWindows& w) { return w.animeEditorView->Editor().ComposePreview().GetPixel(5, 5); }},
        {"move order's map picker", [](TZEEditorWindows& w) { return QRgb(w.ordersMapEditor->Skin().Empty.GetPixel(5, 5)); }},
    };
  }
  // Blending rounds each channel by a step at most.
  static bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
  }
  void ExpectEveryWindowShows(QRgb colour) {
    for (const Probe& probe : Probes()) {
      const QRgb shown = probe.colour(*windows);
      EXPECT_TRUE(near(shown, colour)) << probe.window << ": " << std::hex << shown << " for " << colour;
    }
  }
};

TEST_F(SkinUsersTest, EveryWindowThatDrawsSkinPicturesHasThemFromTheStartAndAfterAChange) {
  PaintSkin("Default", kRed);
  PaintSkin("Blue", kBlue);
  Start();
  ExpectEveryWindowShows(kRed);
  windows->skinSettings->ChooseSkin("Blue");
  ExpectEveryWindowShows(kBlue);
}

TEST_F(SkinUsersTest, TheAnimationPreviewIsTiledWithTheCellBackgroundAndShowsItsCentreBands) {
  Start();
  const TBitmap32& tile = windows->animeEditorView->BackgroundTile();
  ASSERT_EQ(tile.Width(), TZEAnimePreview::kTileSize);
  const TBitmap32& preview = windows->animeEditorView->Editor().ComposePreview();
  for (int32_t y : {0, 37, 255})
    for (int32_t x : {3, 70, 250}) EXPECT_EQ(preview.GetPixel(x, y), tile.GetPixel(x % 32, y % 32)) << x << "," << y;
  // The bands through the centre are darker than the tile under them.
  const auto darker = [](uint32_t band, uint32_t plain) { return (band & 0xFF) < (plain & 0xFF); };
  EXPECT_TRUE(darker(preview.GetPixel(127, 5), tile.GetPixel(127 % 32, 5)));
  EXPECT_TRUE(darker(preview.GetPixel(5, 128), tile.GetPixel(5, 128 % 32)));
}

TEST_F(SkinUsersTest, TheMapEditorOpensTheWindowSetsChipSetEditorWithTheSkin) {
  Start();
  ShowActive();
  TMapChipSetEditorForm* chipSets = windows->chipSetEditor.get();
  ASSERT_EQ(windows->mapEditor->ChipSetForm(), chipSets);
  bool opened = false;
  input::whenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(modal, windows->mapEditor.get());
    input::key(windows->mapEditor->MapTreeView(), Qt::Key_L, Qt::ControlModifier);
    opened = chipSets->isVisible();
    QTreeWidget* tree = chipSets->ChipSetTree;
    if (opened && tree->topLevelItemCount() > 0) {
      EXPECT_FALSE(tree->topLevelItem(0)->icon(0).isNull()) << "the skin's tree icons";
      // The map editor is modal; its chip-set editor still takes clicks.
      input::click(tree, tree->topLevelItem(0));
      EXPECT_NE(chipSets->Editor().GetChipSet(), nullptr);
    }
    modal->close();
  });
  input::doubleClick(view->EditorTree(), findNode(*view->EditorTree(), QString::fromUtf8("マップ")));
  EXPECT_TRUE(opened);
  EXPECT_GT(chipSets->ChipSetTree->topLevelItemCount(), 0);
}

TEST_F(SkinUsersTest, TheChipSetEditorKeepsOnePlaceInTheDesktopFile) {
  Start();
  // The window the map editor opens is there too, and goes after the window set's; a second
  // window of the same name would then write its own place over the one the author gave.
  ASSERT_NE(windows->mapEditor->ChipSetForm(), nullptr);
  windows->chipSetEditor->setGeometry(123, 145, 456, 321);
  const QRect placed = windows->chipSetEditor->geometry();
  Stop();
  std::ifstream in(base / "Editor" / "Desktop.INI");
  const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t section = ini.find("[MapChipSetEditorForm]");
  ASSERT_NE(section, std::string::npos) << ini;
  EXPECT_EQ(ini.find("[MapChipSetEditorForm]", section + 1), std::string::npos);
  const std::string rest = ini.substr(section, ini.find("\n[", section + 1) - section);
  EXPECT_NE(rest.find("Left=" + std::to_string(placed.x())), std::string::npos) << rest;
  EXPECT_NE(rest.find("Width=" + std::to_string(placed.width())), std::string::npos) << rest;
}

}  // namespace
}  // namespace zelvo::test
