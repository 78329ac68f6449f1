#include "editor/ZEEventEditorView.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include "ZEEventWindowsFixture.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersView.h"
#include "input/UserInput.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"

namespace zelvo {
namespace {

namespace input = test::input;

QTreeWidgetItem* itemOf(IZETreeNode* node) { return dynamic_cast<TZETreeWidgetItem*>(node); }

// The tool bar button that shows an action.
QWidget* buttonOf(QAction* action) {
  for (QObject* o : action->associatedObjects())
    if (auto* bar = qobject_cast<QToolBar*>(o)) return bar->widgetForAction(action);
  return nullptr;
}

class EventEditorViewTest : public test::EventWindowsTest {
 protected:
  void SetUp() override {
    EventWindowsTest::SetUp();
    package = factory.CreateEventPackageModel();
    package->SetName("pack");
    event = factory.CreateEventModel();
    event->SetName("ev");
    package->Add(event);
    api->packages->Add(package);
    list = factory.CreateOrderModel(api->sharedOrders);
    list->SetName("list");
    factory.CreateOrderModel(list);
    view.setZMLZelvoAPI(api);
    view.SetTreeDesigner(&designer);
  }
  void TearDown() override {
    view.close();
    EventWindowsTest::TearDown();
  }
  QTreeWidgetItem* eventItem() { return itemOf(view.Events().GetTopLevel(0)->GetChild(0)); }
  QTreeWidgetItem* listItem() { return itemOf(view.SharedOrders().GetTopLevel(0)); }
  void showView() {
    view.show();
    QApplication::setActiveWindow(&view);
  }
  void clickTool(QAction* action) {
    QWidget* button = buttonOf(action);
    ASSERT_NE(button, nullptr) << action->text().toStdString();
    input::click(button);
  }

  std::shared_ptr<IZelvoEventPackageModel> package;
  std::shared_ptr<IZelvoEventModel> event;
  std::shared_ptr<IZelvoOrderModel> list;
  TZETreeDesigner designer;
  TZEEventEditorView view;
};

TEST_F(EventEditorViewTest, TreesShowThePackagesAndTheSharedLists) {
  EXPECT_EQ(view.windowTitle(), QString::fromUtf8("イベントエディタ"));
  ASSERT_EQ(view.EventTree()->topLevelItemCount(), 1);
  EXPECT_EQ(view.EventTree()->topLevelItem(0)->childCount(), 1);
  EXPECT_EQ(view.OrderTree()->topLevelItemCount(), 1);
  showView();
  input::click(view.EventTree(), eventItem());
  EXPECT_EQ(view.StatusBar()->currentMessage(), QString::number(event->GetID()));
  input::click(view.OrderTree(), listItem());
  EXPECT_EQ(view.StatusBar()->currentMessage(), QString::number(list->GetID()));
}

TEST_F(EventEditorViewTest, EveryToolButtonIsInViewAtTheWindowsSize) {
  showView();
  QApplication::processEvents();
  for (QAction* action : {view.NewPackageAction(), view.NewEventAction(), view.DeleteAction(),
                          view.NewSharedOrderAction(), view.DeleteSharedOrderAction()}) {
    SCOPED_TRACE(action->text().toStdString());
    QWidget* button = buttonOf(action);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
  }
}

TEST_F(EventEditorViewTest, RenamingInPlaceNamesTheModel) {
  QTreeWidgetItem* item = eventItem();
  EXPECT_TRUE(item->flags() & Qt::ItemIsEditable);
  showView();
  input::click(view.EventTree(), item);
  input::key(view.EventTree(), Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, view.EventTree()) << "F2 opens the name for editing";
  input::retype(editor, "renamed");
  input::key(editor, Qt::Key_Return);
  EXPECT_STREQ(event->GetName(), "renamed");
}

TEST_F(EventEditorViewTest, AddingAndDeletingEventsAndPackages) {
  showView();
  clickTool(view.NewEventAction());
  EXPECT_EQ(package->GetCount(), 1) << "no selection, no event";
  input::click(view.EventTree(), view.EventTree()->topLevelItem(0));
  clickTool(view.NewEventAction());
  EXPECT_EQ(package->GetCount(), 2);
  EXPECT_STREQ(event->GetName(), "ev") << "the designer's captions rename nothing";
  clickTool(view.DeleteAction());
  EXPECT_EQ(package->GetCount(), 1);
  clickTool(view.NewPackageAction());
  EXPECT_EQ(api->packages->GetCount(), 2);
  clickTool(view.DeleteAction());
  EXPECT_EQ(api->packages->GetCount(), 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EventEditorViewTest, DoubleClickingAnEventEditsItAndRenamesItsNode) {
  showView();
  input::whenModalOpens([&](QWidget*) {
    TZEEventEditorView2* editor = view.EventEditor();
    input::retype(editor->NameField(), "new");
    input::click(editor->OkButton());
  });
  input::doubleClick(view.EventTree(), eventItem());
  EXPECT_STREQ(event->GetName(), "new");
  EXPECT_EQ(view.EventTree()->topLevelItem(0)->child(0)->text(0), "new");
  // A package node opens nothing.
  input::doubleClick(view.EventTree(), view.EventTree()->topLevelItem(0));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EventEditorViewTest, ASharedListOpensAndAListWithOrdersAsksBeforeItGoes) {
  showView();
  input::whenModalOpens([&](QWidget*) {
    TZEEventEditorView2* editor = view.EventEditor();
    input::retype(editor->NameField(), "L2");
    input::click(editor->OkButton());
  });
  input::doubleClick(view.OrderTree(), listItem());
  EXPECT_EQ(view.OrderTree()->topLevelItem(0)->text(0), "L2");

  messages.answers = {MessageAnswer::Cancel};
  clickTool(view.DeleteSharedOrderAction());
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  input::click(view.OrderTree(), listItem());
  input::key(view.OrderTree(), Qt::Key_Delete);
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
  EXPECT_EQ(view.OrderTree()->topLevelItemCount(), 0);

  clickTool(view.NewSharedOrderAction());
  clickTool(view.DeleteSharedOrderAction());
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
  EXPECT_EQ(messages.shown.size(), 2u) << "an empty list goes without a question";
}

// The window set's event editing window has no parent; opened from this modal window it must
// still let its order list window take clicks and keys.
class OrderListFromHereTest : public EventEditorViewTest, public ::testing::WithParamInterface<bool> {};

TEST_P(OrderListFromHereTest, TheOrderListTakesClicksAndKeys) {
  const bool sharedList = GetParam();
  event->Add(factory.CreateActionModel());
  TZEEventEditorView2 editor;  // as the window set makes it
  view.SetEventEditor(&editor);
  bool ran = false;
  input::whenModalOpens([&](QWidget*) {
    input::whenModalOpens([&](QWidget* opened) {
      ran = true;
      EXPECT_EQ(opened, &editor);
      TZEOrderLView* orderList = editor.OrderList();
      ASSERT_TRUE(orderList->isVisible());
      QTreeWidget* templates = orderList->TemplateTree();
      // A key in the list's tree moves to the next template ("文章の表示" after "表示する選択肢").
      input::click(templates, itemOf(orderList->Templates().GetTopLevel(0)->GetChild(1)));
      input::key(templates, Qt::Key_Down);
      EXPECT_EQ(orderList->Templates().GetSelected(), orderList->Templates().GetTopLevel(0)->GetChild(2));
      EXPECT_TRUE(orderList->AddAction()->isEnabled());
      const int32_t before = editor.Orders().GetTopLevelCount();
      input::whenModalOpens([&](QWidget* ordersView) {
        EXPECT_EQ(ordersView, editor.OrdersView());
        input::type(editor.OrdersView()->TextInput(), "hi");
        input::click(editor.OrdersView()->OkButton());
      });
      input::doubleClick(templates, itemOf(orderList->Templates().GetTopLevel(0)->GetChild(2)));
      EXPECT_EQ(editor.Orders().GetTopLevelCount(), before + 1);
      // Lost from view, Ctrl+W brings it back, still taking clicks.
      orderList->hide();
      input::key(editor.OrderTree(), Qt::Key_W, Qt::ControlModifier);
      ASSERT_TRUE(orderList->isVisible());
      input::click(templates, itemOf(orderList->Templates().GetTopLevel(0)->GetChild(0)));
      EXPECT_EQ(orderList->Templates().GetSelected(), orderList->Templates().GetTopLevel(0)->GetChild(0));
      input::click(editor.OkButton());
    });
    if (sharedList)
      input::doubleClick(view.OrderTree(), listItem());
    else
      input::doubleClick(view.EventTree(), eventItem());
    input::key(view.EventTree(), Qt::Key_Escape);
  });
  view.exec();
  EXPECT_TRUE(ran);
  std::shared_ptr<IZelvoOrderModel> orders = sharedList ? list : event->GetItem(0)->GetOrder();
  ASSERT_EQ(event->GetCount(), 1);
  ASSERT_NE(orders, nullptr);
  ASSERT_GE(orders->GetChildCount(), 1);
  auto added = orders->GetChild(orders->GetChildCount() - 1);
  EXPECT_EQ(added->GetType(), OrderType::ShowText);
  EXPECT_STREQ(added->GetText(), "hi");
}

INSTANTIATE_TEST_SUITE_P(EventOrSharedList, OrderListFromHereTest, ::testing::Bool());

}  // namespace
}  // namespace zelvo
