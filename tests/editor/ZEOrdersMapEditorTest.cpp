#include "editor/ZEOrdersMapEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "ZEEventWindowsFixture.h"
#include "editor/ZEOrdersView.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {
namespace {

void dragTo(QWidget* view, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &press);
}

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
  std::shared_ptr<TZMLZelvoAPI> game = std::make_shared<TZMLZelvoAPI>();
  std::shared_ptr<IZelvoMapTreeNodeControl> village;
  std::shared_ptr<IZelvoOrderModel> order;
};

TEST_F(OrdersMapEditorTest, ADragAndOkGiveTheOrderAGridPosition) {
  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*order);
  EXPECT_EQ(picker.PositionLabel()->text(), "X:16 Y:16");
  ASSERT_EQ(picker.LayerList()->count(), 2);
  EXPECT_EQ(picker.LayerList()->currentRow(), 0);
  EXPECT_EQ(picker.View()->width(), 320);
  test::whenShown([&] {
    picker.LayerList()->setCurrentRow(1);
    picker.GridField()->setText("128");
    dragTo(picker.View(), QPoint(47, 70));
    picker.OkButton()->click();
  });
  picker.exec();
  EXPECT_EQ(order->GetX(), 32);
  EXPECT_EQ(order->GetY(), 64);
  EXPECT_EQ(order->GetFloorID(), village->GetMap()->GetFloor(1)->GetID());
  EXPECT_EQ(picker.Maps().GetTopLevelCount(), 0);
}

TEST_F(OrdersMapEditorTest, CancelLeavesTheOrder) {
  TZEOrdersMapEditor picker;
  picker.setZMLZelvoAPI(game);
  picker.LoadOrder(*order);
  test::whenShown([&] {
    picker.GridField()->setText("8");
    dragTo(picker.View(), QPoint(47, 70));
    picker.CancelButton()->click();
  });
  picker.exec();
  EXPECT_EQ(order->GetX(), 16);
  EXPECT_EQ(order->GetY(), 16);
}

TEST_F(OrdersMapEditorTest, TheOrderViewShowsThePickedPlace) {
  TZEOrdersView view;
  view.setZMLZelvoAPI(game);
  view.EditOrder(order);
  test::whenShown([&] {
    test::whenShown([&] {
      auto* picker = QApplication::activeModalWidget();
      auto* map = dynamic_cast<TZEOrdersMapEditor*>(picker);
      ASSERT_NE(map, nullptr);
      dragTo(map->View(), QPoint(100, 40));
      map->OkButton()->click();
    });
    view.ShowMapButton()->click();
    EXPECT_EQ(view.XField()->text(), "96");
    EXPECT_EQ(view.YField()->text(), "32");
    view.OkButton()->click();
  });
  view.exec();
  EXPECT_EQ(order->GetX(), 96);
  EXPECT_EQ(order->GetY(), 32);
}

}  // namespace
}  // namespace zelvo
