#include "editor/ZEOrdersMapEditor.h"

#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ZEEventWindowsFixture.h"
#include "editor/ZEOrdersView.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoStyleModel.h"
#include "platform/gui/Bitmap.h"
#include "editor/QonScrollBox.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "input/UserInput.h"

namespace zelvo {
namespace {

namespace input = test::input;

// The left button held from a cell's corner to `at`, as an author drags the marker.
void dragTo(QWidget* view, QPoint at) { input::drag(view, QPoint(1, 1), at); }

class OrdersMapEditorTest : public test::EventWindowsTest {
 protected:
  void SetUp() override {
    EventWindowsTest::SetUp();
    village = game->GetFactory()->CreateMapTreeNode();
    village->SetName("village");
    game->GetMapTree()->GetRootNode()->AddTopLevelNode(village);
    village->NewMap();
    village->GetMap()->SetSize(10, 8);
    while (village->GetMap()->GetFloorCount() > 0) village->GetMap()->DeleteFloor(0);
    for (const char* name : {"ground", "roof"}) {
      auto floor = game->GetFactory()->CreateMapFloor();
      floor->SetName(name);
      village->GetMap()->AddFloor(floor);
    }
    order = game->GetFactory()->CreateOrderModel(nullptr);
    order->SetType(OrderType::MoveToPlace);
    order->SetMapID(village->GetID());
    order->SetFloorID(village->GetMap()->GetFloor(0)->GetID());
    order->SetX(16);
    order->SetY(16);
  }
  // A map of its own beside the village, with layers of its own.
  std::shared_ptr<IZelvoMapTreeNodeControl> addCastle() {
    auto castle = game->GetFactory()->CreateMapTreeNode();
    castle->SetName("castle");
    game->GetMapTree()->GetRootNode()->AddTopLevelNode(castle);
    castle->NewMap();
    castle->GetMap()->SetSize(6, 5);
    while (castle->GetMap()->GetFloorCount() > 0) castle->GetMap()->DeleteFloor(0);
    for (const char* name : {"hall", "tower", "cellar"}) {
      auto floor = game->GetFactory()->CreateMapFloor();
      floor->SetName(name);
      castle->GetMap()->AddFloor(floor);
    }
    return castle;
  }
  QTreeWidgetItem* mapItem(TZEOrdersMapEditor& picker, const char* name) {
    auto found = picker.MapTree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
  }

  std::shared_ptr<TZMLZelvoAPI> game = std::make_shared<TZMLZelvoAPI>();
  std::shared_ptr<IZelvoMapTreeNodeControl> village;
  std::shared_ptr<IZelvoOrderModel> order;
};

TEST_F(OrdersMapEditorTest, ADragAndOkGiveTheOrderAGridPosition) {
  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*order);
  input::whenModalOpens([&](QWidget*) {
    EXPECT_EQ(picker.PositionLabel()->text(), "X:16 Y:16");
    ASSERT_EQ(picker.LayerList()->count(), 2);
    EXPECT_EQ(picker.LayerList()->currentRow(), 0);
    EXPECT_EQ(picker.View()->width(), 320);
    input::click(picker.LayerList(), picker.LayerList()->item(1));
    input::retype(picker.GridField(), "0");  // out of range: the grid stays 16
    dragTo(picker.View(), QPoint(47, 70));
    input::click(picker.OkButton());
  });
  picker.exec();
  EXPECT_EQ(order->GetX(), 32);
  EXPECT_EQ(order->GetY(), 64);
  EXPECT_EQ(order->GetFloorID(), village->GetMap()->GetFloor(1)->GetID());
  EXPECT_EQ(picker.Maps().GetTopLevelCount(), 0);
}

TEST_F(OrdersMapEditorTest, TheViewPaintsTheCellsThroughTheMapPainterThenTheMarker) {
  // A chip set whose picture is red on the left half of chip (1, 0) and blue elsewhere.
  const std::string savedFolder = GameFolder;
  GameFolder = "Game\\";
  std::filesystem::create_directories(folder_.path() / "Game" / "Graphics");
  Bitmap sheet(64, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) sheet.setPixel(x, y, x >= 32 && x < 48 ? 0xFFFF0000u : 0xFF0000FFu);
  ASSERT_TRUE(sheet.saveToFile(folder_.path() / "Game" / "Graphics" / "chips.bmp", 32));
  auto chipSet = std::make_shared<TZelvoMapChipSetModel>(55);
  chipSet->SetSize(2, 1);
  auto material = std::make_shared<TZelvoStyleModel>(901, MaterialKind::Picture);
  material->SetPath("chips.bmp");
  chipSet->SetImage(material);
  game->GetMapTree()->GetChipSetList()->Add(chipSet);
  village->GetMap()->GetChipSetIDList()->AddID(55);
  TZelvoMapCell chip;
  chip.ChipSetID = 55;
  chip.Column = 1;
  village->GetMap()->GetFloor(0)->SetSize(10, 8);
  village->GetMap()->GetFloor(0)->SetCell(3, 3, chip);

  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*order);
  picker.show();
  QImage shot(picker.View()->size(), QImage::Format_ARGB32);
  picker.View()->render(&shot);
  // An opaque chip blended over the black background: 255 x 255 >> 8 = 254 per channel.
  constexpr uint32_t red = 0xFFFE0000u, blue = 0xFF0000FEu;
  EXPECT_EQ(shot.pixel(3 * 32 + 5, 3 * 32 + 20), red);
  EXPECT_EQ(shot.pixel(3 * 32 + 20, 3 * 32 + 20), blue);
  EXPECT_NE(shot.pixel(5 * 32 + 5, 3 * 32 + 20), red) << "a cell without the chip";
  // The marker at (16, 16): black, white, white, black outlines from the outside in.
  const QColor expected[] = {Qt::black, Qt::white, Qt::white, Qt::black};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(shot.pixelColor(16 + i, 30), expected[i]) << i;

  // At 200 % the cell and the marker are twice as large.
  picker.ScrollBox()->SetPower(32);
  picker.ScrollBox()->ScrollTo(TQonScrollAxis::Horizontal, 0);
  picker.ScrollBox()->ScrollTo(TQonScrollAxis::Vertical, 0);
  QImage zoomed(picker.View()->size(), QImage::Format_ARGB32);
  picker.View()->render(&zoomed);
  EXPECT_EQ(picker.ScrollBox()->Geometry().ZoomedWidth(), 640);
  ASSERT_GT(zoomed.height(), 3 * 64 + 40);
  EXPECT_EQ(zoomed.pixel(3 * 64 + 10, 3 * 64 + 40), red);
  EXPECT_EQ(zoomed.pixelColor(32, 60), QColor(Qt::black));
  EXPECT_EQ(zoomed.pixelColor(34, 60), QColor(Qt::white));
  GameFolder = savedFolder;
}

TEST_F(OrdersMapEditorTest, CancelLeavesTheOrder) {
  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*order);
  input::whenModalOpens([&](QWidget*) {
    input::retype(picker.GridField(), "8");
    dragTo(picker.View(), QPoint(47, 70));
    input::click(picker.CancelButton());
  });
  picker.exec();
  EXPECT_EQ(order->GetX(), 16);
  EXPECT_EQ(order->GetY(), 16);
}

TEST_F(OrdersMapEditorTest, TheOrderViewShowsThePickedPlace) {
  TZEOrdersView view;
  view.setZMLZelvoAPI(game);
  view.EditOrder(order);
  input::whenModalOpens([&](QWidget*) {
    input::whenModalOpens([&](QWidget* picker) {
      auto* map = dynamic_cast<TZEOrdersMapEditor*>(picker);
      ASSERT_NE(map, nullptr);
      dragTo(map->View(), QPoint(100, 40));
      input::click(map->OkButton());
    });
    input::click(view.ShowMapButton());
    EXPECT_EQ(view.XField()->text(), "96");
    EXPECT_EQ(view.YField()->text(), "32");
    input::click(view.OkButton());
  });
  view.exec();
  EXPECT_EQ(order->GetX(), 96);
  EXPECT_EQ(order->GetY(), 32);
}

// A new move order has no map yet; the author clicks one, then a layer, then drags the marker.
TEST_F(OrdersMapEditorTest, AClickedMapShowsItsLayersAndOkStoresIt) {
  auto castle = addCastle();
  auto fresh = game->GetFactory()->CreateOrderModel(nullptr);
  fresh->SetType(OrderType::MoveToPlace);
  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*fresh);
  input::whenModalOpens([&](QWidget*) {
    EXPECT_EQ(picker.LayerList()->count(), 0);
    input::click(picker.MapTree(), mapItem(picker, "village"));
    EXPECT_EQ(picker.LayerList()->count(), 2);
    input::click(picker.MapTree(), mapItem(picker, "castle"));
    ASSERT_EQ(picker.LayerList()->count(), 3);
    EXPECT_EQ(picker.LayerList()->item(2)->text(), "cellar");
    EXPECT_EQ(picker.View()->width(), 6 * 32);
    EXPECT_EQ(picker.View()->height(), 5 * 32);
    input::click(picker.LayerList(), picker.LayerList()->item(2));
    dragTo(picker.View(), QPoint(70, 40));
    input::click(picker.OkButton());
  });
  picker.exec();
  EXPECT_EQ(fresh->GetMapID(), castle->GetID());
  EXPECT_EQ(fresh->GetFloorID(), castle->GetMap()->GetFloor(2)->GetID());
  EXPECT_EQ(fresh->GetX(), 64);
  EXPECT_EQ(fresh->GetY(), 32);
}

}  // namespace
}  // namespace zelvo
