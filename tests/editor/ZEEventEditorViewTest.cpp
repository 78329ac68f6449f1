#include "editor/ZEEventEditorView.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "ZEEventWindowsFixture.h"
#include "editor/ZEEventEditorView2.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"

namespace zelvo {
namespace {

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
  view.Events().SetSelected(view.Events().GetTopLevel(0)->GetChild(0));
  view.EventTree()->itemClicked(view.EventTree()->currentItem(), 0);
  EXPECT_EQ(view.StatusBar()->currentMessage(), QString::number(event->GetID()));
}

TEST_F(EventEditorViewTest, EveryToolButtonIsInViewAtTheWindowsSize) {
  view.show();
  QApplication::processEvents();
  for (QAction* action : {view.NewPackageAction(), view.NewEventAction(), view.DeleteAction(),
                          view.NewSharedOrderAction(), view.DeleteSharedOrderAction()}) {
    SCOPED_TRACE(action->text().toStdString());
    QWidget* button = nullptr;
    for (QObject* o : action->associatedObjects())
      if (auto* bar = qobject_cast<QToolBar*>(o)) button = bar->widgetForAction(action);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
  }
  view.close();
}

TEST_F(EventEditorViewTest, RenamingInPlaceNamesTheModel) {
  QTreeWidgetItem* item = view.EventTree()->topLevelItem(0)->child(0);
  EXPECT_TRUE(item->flags() & Qt::ItemIsEditable);
  item->setText(0, "renamed");
  EXPECT_STREQ(event->GetName(), "renamed");
}

TEST_F(EventEditorViewTest, AddingAndDeletingEventsAndPackages) {
  view.NewEventAction()->trigger();
  EXPECT_EQ(package->GetCount(), 1) << "no selection, no event";
  view.Events().SetSelected(view.Events().GetTopLevel(0));
  view.NewEventAction()->trigger();
  EXPECT_EQ(package->GetCount(), 2);
  EXPECT_STREQ(event->GetName(), "ev") << "the designer's captions rename nothing";
  view.DeleteAction()->trigger();
  EXPECT_EQ(package->GetCount(), 1);
  view.NewPackageAction()->trigger();
  EXPECT_EQ(api->packages->GetCount(), 2);
  view.DeleteAction()->trigger();
  EXPECT_EQ(api->packages->GetCount(), 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EventEditorViewTest, DoubleClickingAnEventEditsItAndRenamesItsNode) {
  view.Events().SetSelected(view.Events().GetTopLevel(0)->GetChild(0));
  test::whenShown([&] {
    TZEEventEditorView2* editor = view.EventEditor();
    editor->NameField()->selectAll();
    test::typeInto(editor->NameField(), "new");
    editor->OkButton()->click();
  });
  view.EditSelectedEvent();
  EXPECT_STREQ(event->GetName(), "new");
  EXPECT_EQ(view.EventTree()->topLevelItem(0)->child(0)->text(0), "new");
  // A package node opens nothing.
  view.Events().SetSelected(view.Events().GetTopLevel(0));
  view.EditSelectedEvent();
}

TEST_F(EventEditorViewTest, ASharedListOpensAndAListWithOrdersAsksBeforeItGoes) {
  view.SharedOrders().SetSelected(view.SharedOrders().GetTopLevel(0));
  test::whenShown([&] {
    TZEEventEditorView2* editor = view.EventEditor();
    editor->NameField()->selectAll();
    test::typeInto(editor->NameField(), "L2");
    editor->OkButton()->click();
  });
  view.EditSelectedSharedOrder();
  EXPECT_EQ(view.OrderTree()->topLevelItem(0)->text(0), "L2");

  messages.answers = {MessageAnswer::Cancel};
  view.DeleteSharedOrderAction()->trigger();
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  view.SharedOrders().SetSelected(view.SharedOrders().GetTopLevel(0));
  test::pressKey(view.OrderTree(), Qt::Key_Delete);
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
  EXPECT_EQ(view.OrderTree()->topLevelItemCount(), 0);

  view.NewSharedOrderAction()->trigger();
  view.DeleteSharedOrderAction()->trigger();
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
  EXPECT_EQ(messages.shown.size(), 2u) << "an empty list goes without a question";
}

}  // namespace
}  // namespace zelvo
