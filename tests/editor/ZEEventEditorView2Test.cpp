#include "editor/ZEEventEditorView2.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "ZEEventWindowsFixture.h"
#include "input/UserInput.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEOrdersView.h"
#include "editor/ZEPopupTreeView.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "input/UserInput.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoStyleModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

namespace input = test::input;

QTreeWidgetItem* itemOf(IZETreeNode* node) { return dynamic_cast<TZETreeWidgetItem*>(node); }

// Right-clicks the item and chooses the action from the tree's pop-up menu.
void fromPopup(QTreeWidget* tree, QTreeWidgetItem* item, QAction* action) {
  input::whenPopupOpens([action](QMenu* menu) { input::clickMenuItem(menu, action); });
  input::click(tree, item, Qt::RightButton);
}

class EventEditorView2Test : public test::EventWindowsTest {
 protected:
  void SetUp() override {
    EventWindowsTest::SetUp();
    images = api->AddImageMaterials();
    picture = factory.CreateStyleModel(MaterialKind::Picture);
    picture->SetName("pic");
    images->Add(picture);
    auto anim = factory.CreateDAnimationModel();
    anim->SetName("walk");
    api->dAnimations->Add(anim);
    api->collisions->Add(factory.CreateCollisionModel());
    event = factory.CreateEventModel();
    event->SetName(test::sj("村人").c_str());
    for (const char* name : {"話す", "Object"}) {
      auto a = factory.CreateActionModel();
      a->SetName(test::sj(name).c_str());
      a->SetMaterial(picture);
      auto root = factory.CreateOrderModel(nullptr);
      factory.CreateOrderModel(root)->SetType(OrderType::SwitchOn);
      a->SetOrder(root);
      a->SetCondition(factory.CreateConditionModel());
      event->Add(a);
    }
    view = std::make_unique<TZEEventEditorView2>();
    view->setZMLZelvoAPI(api);
  }
  // Runs the window on the event with step inside it.
  void run(std::function<void()> step) {
    view->EditEvent(event);
    input::whenModalOpens([step = std::move(step)](QWidget*) { step(); });
    view->exec();
  }
  QTreeWidgetItem* order(int32_t index) { return itemOf(view->Orders().GetTopLevel(index)); }
  void clickOrder(int32_t index) { input::click(view->OrderTree(), order(index)); }
  std::vector<QString> tabs() const {
    std::vector<QString> out;
    for (int i = 0; i < view->Tabs()->count(); ++i) out.push_back(view->Tabs()->tabText(i));
    return out;
  }

  std::shared_ptr<TZelvoStylePackage> images;
  std::shared_ptr<IZelvoMaterialModel> picture;
  std::shared_ptr<IZelvoEventModel> event;
  std::unique_ptr<TZEEventEditorView2> view;
};

TEST_F(EventEditorView2Test, ShowsTheEventWithItsTabsAndFirstAction) {
  run([&] {
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("イベントの編集ウィンドウ"));
    EXPECT_EQ(view->NameField()->text(), QString::fromUtf8("村人"));
    EXPECT_EQ(tabs(), (std::vector<QString>{QString::fromUtf8("話す"), QString::fromUtf8("アクション2")}));
    EXPECT_EQ(view->ActionNameField()->text(), QString::fromUtf8("話す"));
    EXPECT_EQ(view->DAnimationCombo()->count(), 2);
    EXPECT_EQ(view->DAnimationCombo()->currentIndex(), 0);
    EXPECT_EQ(view->OrderTree()->topLevelItemCount(), 1);
    EXPECT_EQ(view->SharingLabel()->text(), QString::fromUtf8("この命令リストは共有されていません"));
    EXPECT_TRUE(view->OrderList()->isVisible());
    // Lost from view, the order list comes back with Ctrl+W.
    view->OrderList()->hide();
    input::key(view->OrderTree(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(view->OrderList()->isVisible());
    input::click(view->CancelButton());
  });
  EXPECT_EQ(view->Tag(), 0);
  EXPECT_FALSE(view->OrderList()->isVisible());
}

TEST_F(EventEditorView2Test, CancelLeavesTheEventByteIdentical) {
  const auto before = test::saved(*event);
  run([&] {
    input::retype(view->NameField(), "abc");
    input::key(view->ActionNameField(), Qt::Key_End);
    input::type(view->ActionNameField(), "x");
    EXPECT_EQ(view->Tabs()->tabText(0), QString::fromUtf8("話すx"));
    input::key(view->DAnimationCombo(), Qt::Key_Down);
    EXPECT_EQ(view->Editing().CurrentAction()->GetDAnimation(), api->dAnimations->GetItem(0));
    fromPopup(view->OrderTree(), order(0), view->DeleteOrderAction());
    EXPECT_EQ(view->OrderTree()->topLevelItemCount(), 0);
    input::click(view->NewActionButton());
    input::click(view->CancelButton());
  });
  EXPECT_EQ(view->Tag(), 0);
  EXPECT_BYTES_EQ(test::saved(*event), before);
}

TEST_F(EventEditorView2Test, OkWritesTheEditsBack) {
  run([&] {
    input::retype(view->NameField(), "abc");
    input::key(view->DAnimationCombo(), Qt::Key_Down);
    input::click(view->NewActionButton());
    EXPECT_EQ(view->Tabs()->count(), 3);
    EXPECT_EQ(view->Tabs()->currentIndex(), 1);
    input::clickTab(view->Tabs(), 2);
    input::click(view->DeleteActionButton());
    input::click(view->OkButton());
  });
  EXPECT_EQ(view->Tag(), 1);
  EXPECT_STREQ(event->GetName(), "abc");
  ASSERT_EQ(event->GetCount(), 2);
  EXPECT_EQ(event->GetItem(0)->GetDAnimation(), api->dAnimations->GetItem(0));
  EXPECT_EQ(event->GetItem(1)->GetDAnimation(), api->dAnimations->GetItem(0)) << "the new action's figure";
}

TEST_F(EventEditorView2Test, SharingAsksAndPutsTheListIntoTheGame) {
  messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  run([&] {
    input::click(view->ShareButton());
    EXPECT_EQ(api->sharedOrders->GetChildCount(), 0);
    input::click(view->ShareButton());
    EXPECT_EQ(view->SharingLabel()->text(), QString::fromUtf8("命令リスト「話す@村人の処理」を共有中"));
    EXPECT_EQ(view->ShareButton()->text(), QString::fromUtf8("共有解除(&S)"));
    EXPECT_EQ(api->sharedOrders->GetChildCount(), 1);  // the game's at once, while the window is open
    input::click(view->CancelButton());
  });
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "このアクションの処理内容を\n\r他のアクションと共有できるようにしますか？");
  EXPECT_EQ(api->sharedOrders->GetChildCount(), 0) << "Cancel takes the sharing back";
}

TEST_F(EventEditorView2Test, SharingIsKeptByOk) {
  messages.answers = {MessageAnswer::Ok};
  run([&] {
    input::click(view->ShareButton());
    input::click(view->OkButton());
  });
  ASSERT_EQ(api->sharedOrders->GetChildCount(), 1);
  EXPECT_EQ(api->sharedOrders->GetChild(0)->GetID(), event->GetItem(0)->GetOrder()->GetID());
}

TEST_F(EventEditorView2Test, LinkingAsksThenTakesTheChosenList) {
  auto list = factory.CreateOrderModel(api->sharedOrders);
  list->SetName("common");
  messages.answers = {MessageAnswer::Ok};
  run([&] {
    input::whenModalOpens([&](QWidget*) {
      TZEPopupTreeView* popup = view->PopupTree();
      ASSERT_EQ(popup->Tree().GetTopLevelCount(), 1);
      input::click(popup->TreeWidget(), itemOf(popup->Tree().GetTopLevel(0)));
      input::click(popup->OkButton());
    });
    input::click(view->LinkButton());
    EXPECT_EQ(view->SharingLabel()->text(), QString::fromUtf8("命令リスト「common」を共有中"));
    EXPECT_EQ(view->OrderTree()->topLevelItemCount(), 0);
    input::click(view->OkButton());
  });
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(event->GetItem(0)->GetOrder(), list);
}

TEST_F(EventEditorView2Test, CancellingThePicturePickerRemovesThePicture) {
  run([&] {
    input::whenModalOpens([&](QWidget*) {
      EXPECT_EQ(view->PopupTree()->windowTitle(), QString::fromUtf8("使用する画像を選んでください"));
      EXPECT_EQ(view->PopupTree()->Tree().GetTopLevelCount(), 1);
      input::click(view->PopupTree()->CancelButton());
    });
    input::click(view->PictureButton());
    EXPECT_EQ(view->Editing().CurrentAction()->GetMaterial(), nullptr);
    EXPECT_FALSE(view->Preview()->pixmap().isNull());
    input::click(view->OkButton());
  });
  EXPECT_EQ(event->GetItem(0)->GetMaterial(), nullptr);
  EXPECT_EQ(event->GetItem(1)->GetMaterial(), picture);
}

// A 32-bit BMP, alpha included, as the game's pictures may be: rows above split one colour, the
// rest another.
std::vector<uint8_t> bmp32(int32_t width, int32_t height, int32_t split, uint32_t top, uint32_t bottom) {
  std::vector<uint8_t> out;
  auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
  };
  const uint32_t pixels = uint32_t(width * height * 4);
  out.push_back('B'), out.push_back('M');
  put(54 + pixels, 4), put(0, 4), put(54, 4);
  put(40, 4), put(uint32_t(width), 4), put(uint32_t(height), 4), put(1, 2), put(32, 2), put(0, 4), put(pixels, 4);
  put(0, 4), put(0, 4), put(0, 4), put(0, 4);
  for (int32_t y = height - 1; y >= 0; --y)  // bottom row first
    for (int32_t x = 0; x < width; ++x) put(y < split ? top : bottom, 4);
  return out;
}

TEST_F(EventEditorView2Test, ThePreviewDrawsWithTheGamesReaderAndTheColourChanges) {
  auto material = factory.CreateStyleModel(MaterialKind::Picture);
  material->SetName("half.bmp");
  material->SetPath("half.bmp");
  images->Add(material);
  while (material->GetColorChangeCount() > 0) material->DeleteColorChange(0);  // not the usual key
  auto change = material->AddColorChange();
  change->SetUseTopLeftColor(false);
  change->SetIgnoreSourceAlpha(false);
  change->SetSourceColor(int32_t(0xFF0000FFu));  // opaque blue becomes green
  change->SetTargetColor(int32_t(0xFF00FF00u));
  const auto file = RequireNativePath(GamePathPrefix() + "Graphics\\" + material->GetPath());
  std::filesystem::create_directories(file.parent_path());
  // The facing-down cell is rows 32..47: its upper half opaque blue, its lower half red, wholly
  // transparent.
  test::writeFile(file, bmp32(32, 64, 40, 0xFF0000FFu, 0x00FF0000u));
  auto anim = api->dAnimations->GetItem(0);
  anim->SetWidth(32);
  anim->SetHeight(16);
  anim->SetFourDirections();
  for (int32_t i = 0; i < event->GetCount(); ++i) {
    event->GetItem(i)->SetMaterial(material);
    event->GetItem(i)->SetDAnimation(anim);
  }
  QImage shown;
  run([&] {
    shown = view->Preview()->pixmap().toImage();
    input::click(view->CancelButton());
  });
  ASSERT_FALSE(shown.isNull());
  EXPECT_EQ(shown.pixel(64, 58) & 0xFFFFFFu, 0x00FF00u) << "the colour change is applied";
  EXPECT_NE(shown.pixel(64, 68) & 0xFFFFFFu, 0xFF0000u) << "a transparent part shows the background";
  EXPECT_EQ(shown.pixel(64, 68), shown.pixel(64, 100)) << "a transparent part shows the background";
}

TEST_F(EventEditorView2Test, AnOrderAddedFromTheListIsKeptOnlyWhenConfirmed) {
  run([&] {
    TZEOrderLView* list = view->OrderList();
    IZETree& templates = list->Templates();
    QTreeWidget* tree = list->TemplateTree();
    EXPECT_FALSE(list->AddAction()->isEnabled());
    input::click(tree, itemOf(templates.GetTopLevel(0)));
    EXPECT_FALSE(list->AddAction()->isEnabled()) << "a group is no template";
    QTreeWidgetItem* text = itemOf(templates.GetTopLevel(0)->GetChild(2));  // "文章の表示"
    input::click(tree, text);
    EXPECT_TRUE(list->AddAction()->isEnabled());
    EXPECT_TRUE(list->AddChildAction()->isEnabled());

    clickOrder(0);
    input::whenModalOpens([&](QWidget*) { input::click(view->OrdersView()->CancelButton()); });
    fromPopup(tree, text, list->AddAction());
    EXPECT_EQ(view->Orders().GetTopLevelCount(), 1);

    clickOrder(0);
    input::whenModalOpens([&](QWidget*) {
      input::type(view->OrdersView()->TextInput(), "hello");
      input::click(view->OrdersView()->OkButton());
    });
    fromPopup(tree, text, list->AddChildAction());
    ASSERT_EQ(view->Orders().GetTopLevel(0)->GetChildCount(), 1);
    input::click(view->OkButton());
  });
  auto root = event->GetItem(0)->GetOrder();
  ASSERT_EQ(root->GetChildCount(), 1);
  ASSERT_EQ(root->GetChild(0)->GetChildCount(), 1);
  EXPECT_EQ(root->GetChild(0)->GetChild(0)->GetType(), OrderType::ShowText);
  EXPECT_STREQ(root->GetChild(0)->GetChild(0)->GetText(), "hello");
}

TEST_F(EventEditorView2Test, EditingAnOrderDescribesItAgain) {
  run([&] {
    EXPECT_FALSE(view->EditOrderAction()->isEnabled());
    clickOrder(0);
    EXPECT_TRUE(view->EditOrderAction()->isEnabled());
    EXPECT_TRUE(view->DeleteOrderAction()->isEnabled());
    const QString before = order(0)->text(0);
    view->Orders().GetTopLevel(0)->GetData().As<IZelvoOrderModel>()->SetName("renamed");
    input::whenModalOpens([&](QWidget*) { input::click(view->OrdersView()->OkButton()); });
    fromPopup(view->OrderTree(), order(0), view->EditOrderAction());
    EXPECT_NE(order(0)->text(0), before) << "described again from the order";
    input::whenModalOpens([&](QWidget*) { input::click(view->OrdersView()->CancelButton()); });
    input::doubleClick(view->OrderTree(), order(0));
    EXPECT_EQ(QApplication::activeModalWidget(), view.get()) << "a double click edits the order";
    input::key(view->OrderTree(), Qt::Key_Delete);
    EXPECT_EQ(view->Orders().GetTopLevelCount(), 0);
    EXPECT_FALSE(view->EditOrderAction()->isEnabled());
    input::click(view->OkButton());
  });
  EXPECT_EQ(event->GetItem(0)->GetOrder()->GetChildCount(), 0);
}

TEST_F(EventEditorView2Test, ASharedListIsEditedOnItsOwn) {
  auto list = factory.CreateOrderModel(api->sharedOrders);
  list->SetName("common");
  factory.CreateOrderModel(list);
  const auto before = test::saved(*list);
  view->EditSharedOrders(list);
  input::whenModalOpens([&](QWidget*) {
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("共有処理の編集ウィンドウ"));
    EXPECT_EQ(tabs(), std::vector<QString>{QString::fromUtf8("処理の編集")});
    EXPECT_FALSE(view->CharaGroup()->isVisible());
    EXPECT_FALSE(view->ShareButton()->isVisible());
    EXPECT_TRUE(view->SharingLabel()->text().isEmpty());
    EXPECT_EQ(view->OrderTree()->topLevelItemCount(), 1);
    fromPopup(view->OrderTree(), order(0), view->DeleteOrderAction());
    EXPECT_EQ(view->OrderTree()->topLevelItemCount(), 0);
    input::click(view->CancelButton());
  });
  view->exec();
  EXPECT_BYTES_EQ(test::saved(*list), before);

  view->EditSharedOrders(list);
  input::whenModalOpens([&](QWidget*) {
    input::retype(view->NameField(), "renamed");
    input::click(view->OkButton());
  });
  view->exec();
  EXPECT_STREQ(list->GetName(), "renamed");
  EXPECT_EQ(list->GetChildCount(), 1);
}

TEST_F(EventEditorView2Test, TheConditionButtonsOpenTheEditorOrSayItIsNotThere) {
  std::vector<std::shared_ptr<IZelvoConditionModel>> opened;
  view->SetConditionEditor([&](const std::shared_ptr<IZelvoConditionModel>& condition) {
    opened.push_back(condition);
    condition->Add(factory.CreateConditionModelItem());
  });
  run([&] {
    EXPECT_EQ(view->ConditionTree()->topLevelItemCount(), 0);
    input::click(view->ConditionEditorButton());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], view->Editing().CurrentAction()->GetCondition());
    EXPECT_EQ(view->ConditionTree()->topLevelItemCount(), 1);
    input::click(view->ConditionListButton());
    input::click(view->CancelButton());
  });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "申し訳ありません。\n\rまだ未実装です。");
  EXPECT_EQ(event->GetItem(0)->GetCondition()->GetCount(), 0) << "the condition edited was the copy's";
}

TEST_F(EventEditorView2Test, AnEventOfOneActionShowsItsTab) {
  event->Delete(1);
  run([&] {
    ASSERT_EQ(view->Tabs()->count(), 1);
    EXPECT_TRUE(view->Tabs()->isVisible());
    const QRect tab = view->Tabs()->tabRect(0);
    EXPECT_GT(tab.width(), 0);
    EXPECT_TRUE(view->Tabs()->rect().contains(tab.center())) << "tab bar " << view->Tabs()->width() << "x"
                                                              << view->Tabs()->height();
    input::click(view->CancelButton());
  });
}

TEST_F(EventEditorView2Test, AnEventWithoutActionsGetsItsFirstFromTheLists) {
  event->Clear();
  run([&] {
    EXPECT_FALSE(view->Tabs()->isVisible());
    input::click(view->NewActionButton());
    EXPECT_EQ(view->Tabs()->count(), 1);
    EXPECT_EQ(view->Tabs()->tabText(0), QString::fromUtf8("アクション1"));
    input::click(view->DeleteActionButton());
    EXPECT_EQ(view->Tabs()->count(), 0);
    EXPECT_FALSE(view->DeleteActionButton()->isEnabled());
    input::click(view->NewActionButton());
    input::click(view->OkButton());
  });
  ASSERT_EQ(event->GetCount(), 1);
  EXPECT_EQ(event->GetItem(0)->GetDAnimation(), api->dAnimations->GetItem(0));
  EXPECT_EQ(event->GetItem(0)->GetCollision(), api->collisions->GetItem(0));
}

// A name CP932 cannot hold is refused whole where the window takes its fields (OK, another
// action), with the warning the property dialogs give; it stays in its field as typed, the keys
// after it still arrive, and nothing of it reaches the event.
TEST_F(EventEditorView2Test, ANameTheFilesCannotHoldIsRefusedWhole) {
  const auto before = test::saved(*event);
  run([&] {
    test::input::retype(view->NameField(), QString::fromUtf8("村€"));
    test::input::type(view->NameField(), "A");
    EXPECT_EQ(view->NameField()->text(), QString::fromUtf8("村€A"));
    test::input::click(view->OkButton());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "この名前には使えない文字が含まれています");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->NameField()->text(), QString::fromUtf8("村€A"));

    test::input::retype(view->NameField(), QString::fromUtf8("村A"));
    test::input::retype(view->ActionNameField(), QString::fromUtf8("話€"));
    test::input::clickTab(view->Tabs(), 1);
    EXPECT_EQ(messages.shown.size(), 2u);
    QApplication::processEvents();
    EXPECT_EQ(view->Tabs()->currentIndex(), 0) << "the action being named stays shown";
    EXPECT_EQ(view->ActionNameField()->text(), QString::fromUtf8("話€"));
    test::input::click(view->OkButton());
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_TRUE(view->isVisible());
    test::input::click(view->CancelButton());
  });
  EXPECT_BYTES_EQ(test::saved(*event), before);

  messages.shown.clear();
  run([&] {
    test::input::retype(view->NameField(), QString::fromUtf8("村€"));
    test::input::key(view->NameField(), Qt::Key_Backspace);
    test::input::type(view->NameField(), "A");
    test::input::retype(view->ActionNameField(), QString::fromUtf8("話€"));
    test::input::key(view->ActionNameField(), Qt::Key_Backspace);
    test::input::click(view->OkButton());
  });
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(view->Tag(), 1);
  EXPECT_EQ(test::u8(event->GetName()), "村A");
  EXPECT_EQ(test::u8(event->GetItem(0)->GetName()), "話");
}

}  // namespace
}  // namespace zelvo
