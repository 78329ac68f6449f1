#include "editor/ZEOrdersView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "ZEEventWindowsFixture.h"
#include "input/UserInput.h"
#include "model/ZelvoOrderModel.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

class OrdersViewTest : public test::EventWindowsTest {
 protected:
  std::shared_ptr<IZelvoOrderModel> order(int32_t type) {
    auto o = factory.CreateOrderModel(root);
    o->SetType(type);
    return o;
  }
  // Opens the view on o, runs step inside it, and gives the tag it closed with.
  int edit(const std::shared_ptr<IZelvoOrderModel>& o, std::function<void()> step) {
    view.setZMLZelvoAPI(api);
    view.EditOrder(o);
    test::whenShown(std::move(step));
    view.exec();
    return view.Tag();
  }
  std::vector<QString> visibleTabs() const {
    std::vector<QString> out;
    for (int i = 0; i < view.Tabs()->count(); ++i)
      if (view.Tabs()->isTabVisible(i)) out.push_back(view.Tabs()->tabText(i));
    return out;
  }
  std::shared_ptr<IZelvoOrderModel> root = factory.CreateOrderModel(nullptr);
  TZEOrdersView view;
};

TEST_F(OrdersViewTest, EachTypeShowsItsOneTab) {
  const std::pair<int32_t, const char*> cases[] = {{2, "文章入力ウィンドウ"},     {1010, "数値設定ウィンドウ"},
                                                   {1012, "数値設定ウィンドウ"},   {4000, "マップ移動用ウィンドウ"},
                                                   {5101, "特殊効果用ウィンドウ"}, {0, nullptr},
                                                   {1, nullptr}};
  for (const auto& [type, tab] : cases) {
    view.EditOrder(order(type));
    EXPECT_EQ(visibleTabs(), tab ? std::vector<QString>{QString::fromUtf8(tab)} : std::vector<QString>{}) << type;
  }
}

TEST_F(OrdersViewTest, TypedTextIsStoredWithWindowsLineEnds) {
  auto text = order(OrderType::ShowText);
  text->SetText(test::sj("前\r\n").c_str());
  EXPECT_EQ(edit(text,
                 [&] {
                   EXPECT_EQ(view.StatusBar()->currentMessage(), QString::fromUtf8("前\n"));
                   test::input::key(view.TextInput(), Qt::Key_End, Qt::ControlModifier);
                   test::input::type(view.TextInput(), QString::fromUtf8("後\n終"));
                   EXPECT_EQ(view.TextCopy()->toPlainText(), QString::fromUtf8("前\n後\n終"));
                   test::input::click(view.OkButton());
                 }),
            1);
  EXPECT_EQ(test::u8(text->GetText()), "前\r\n後\r\n終");
}

TEST_F(OrdersViewTest, NumbersAreStoredAndBadOnesFallBack) {
  auto move = order(OrderType::MoveToPlace);
  move->SetMapID(3);
  edit(move, [&] {
    EXPECT_EQ(view.MapIDField()->text(), "3");
    EXPECT_TRUE(view.ShowMapButton()->isEnabled());
    test::input::retype(view.MapIDField(), "x");
    test::input::retype(view.XField(), "64");
    test::input::retype(view.YField(), "");
    test::input::retype(view.FloorIDField(), "2");
    test::input::click(view.OkButton());
  });
  EXPECT_EQ(move->GetMapID(), -1);
  EXPECT_EQ(move->GetX(), 64);
  EXPECT_EQ(move->GetY(), 0);
  EXPECT_EQ(move->GetFloorID(), 2);

  auto variable = order(OrderType::SetVariable);
  edit(variable, [&] {
    test::input::retype(view.NumberField(), "12");
    test::input::retype(view.ValueField(), "-40");
    test::input::click(view.OkButton());
  });
  EXPECT_EQ(variable->GetNumber(), 12);
  EXPECT_EQ(variable->GetValue(), -40);
}

TEST_F(OrdersViewTest, ABadColourIsReportedAndTheViewStaysOpen) {
  auto fade = order(OrderType::FadeOut);
  fade->SetFadeColor(0x102030);
  fade->SetFadeSteps(4);
  const auto before = test::saved(*root);
  int stillOpen = 0;
  EXPECT_EQ(edit(fade,
                 [&] {
                   EXPECT_EQ(view.RedField()->text(), "16");
                   EXPECT_EQ(view.StepsLabel()->text(), QString::fromUtf8("段階: 4"));
                   test::input::retype(view.GreenField(), "abc");
                   test::input::click(view.OkButton());
                   stillOpen += view.isVisible();
                   test::input::click(view.CancelButton());
                 }),
            0);
  EXPECT_EQ(stillOpen, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "'abc' は有効な整数値ではありません");
  EXPECT_BYTES_EQ(test::saved(*root), before);
}

TEST_F(OrdersViewTest, GridAndTrackBarSetTheEffect) {
  auto fade = order(OrderType::FadeIn);
  edit(fade, [&] {
    test::input::click(view.ColorCell(9));  // red
    EXPECT_EQ(view.RedField()->text(), "255");
    EXPECT_EQ(view.GreenField()->text(), "0");
    test::input::key(view.StepsBar(), Qt::Key_End);
    for (int i = 0; i < 4; ++i) test::input::key(view.StepsBar(), Qt::Key_Left);
    EXPECT_EQ(view.StepsLabel()->text(), QString::fromUtf8("段階:12"));
    test::input::click(view.OkButton());
  });
  EXPECT_EQ(static_cast<uint32_t>(fade->GetFadeColor()), 0x00FF0000u);
  EXPECT_EQ(fade->GetFadeSteps(), 12);
}

TEST_F(OrdersViewTest, CancelLeavesTheOrderAndOkKeepsItsChildren) {
  auto outer = order(OrderType::SwitchOn);
  auto inner = factory.CreateOrderModel(outer);
  const auto before = test::saved(*root);
  EXPECT_EQ(edit(outer,
                 [&] {
                   test::input::retype(view.NumberField(), "77");
                   test::input::click(view.CancelButton());
                 }),
            0);
  EXPECT_BYTES_EQ(test::saved(*root), before);
  EXPECT_EQ(edit(outer,
                 [&] {
                   test::input::retype(view.NumberField(), "77");
                   test::input::click(view.OkButton());
                 }),
            1);
  EXPECT_EQ(outer->GetNumber(), 77);
  ASSERT_EQ(outer->GetChildCount(), 1);
  EXPECT_EQ(outer->GetChild(0), inner);
  EXPECT_EQ(root->GetChild(0), outer);
}

TEST_F(OrdersViewTest, TheMapPickerWorksOnTheStoredWorkingCopy) {
  auto move = order(OrderType::MoveToPlace);
  view.SetMapPicker([&](const std::shared_ptr<IZMLZelvoAPI>& given, IZelvoOrderModel& working) {
    EXPECT_EQ(given, api);
    EXPECT_EQ(working.GetX(), 5);
    working.SetX(96);
    return true;
  });
  EXPECT_EQ(edit(move,
                 [&] {
                   test::input::retype(view.XField(), "5");
                   test::input::click(view.ShowMapButton());
                   EXPECT_EQ(view.XField()->text(), "96");
                   EXPECT_EQ(move->GetX(), 0);
                   test::input::click(view.CancelButton());
                 }),
            0);
  EXPECT_EQ(move->GetX(), 0);
}

// The keyboard reaches the buttons as the mouse does: Alt+O and Return in a field decide, Alt+C and
// Escape cancel, as the title bar's close button does; Return in the text is a new line.
TEST_F(OrdersViewTest, KeysDecideAndCancelAsTheButtonsDo) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tag;
  };
  for (const Case c : {Case{Qt::Key_O, Qt::AltModifier, 1}, Case{Qt::Key_Return, Qt::NoModifier, 1},
                       Case{Qt::Key_C, Qt::AltModifier, 0}, Case{Qt::Key_Escape, Qt::NoModifier, 0},
                       Case{Qt::Key_unknown, Qt::NoModifier, 0}}) {
    auto number = order(OrderType::SetVariable);
    number->SetNumber(3);
    EXPECT_EQ(edit(number,
                   [&] {
                     test::input::retype(view.NumberField(), "8");
                     if (c.key == Qt::Key_unknown)
                       test::input::closeWindow(&view);  // the title bar's close button
                     else
                       test::input::key(view.NumberField(), c.key, c.modifiers);
                   }),
              c.tag)
        << c.key;
    EXPECT_EQ(number->GetNumber(), c.tag ? 8 : 3) << c.key;
  }

  auto text = order(OrderType::ShowText);
  EXPECT_EQ(edit(text,
                 [&] {
                   test::input::type(view.TextInput(), QString::fromUtf8("上"));
                   test::input::key(view.TextInput(), Qt::Key_Return);
                   test::input::type(view.TextInput(), QString::fromUtf8("下"));
                   EXPECT_TRUE(view.isVisible());
                   test::input::key(view.TextInput(), Qt::Key_O, Qt::AltModifier);
                 }),
            1);
  EXPECT_EQ(test::u8(text->GetText()), "上\r\n下");
}

// A text CP932 cannot hold is refused at "決定(&O)" with a word, not dropped in silence: the view
// stays open with the text as typed, and the order keeps what it had.
TEST_F(OrdersViewTest, ATextTheFileCannotHoldIsRefusedWithAWord) {
  auto text = order(OrderType::ShowText);
  text->SetText(test::sj("前").c_str());
  const auto before = test::saved(*root);
  int stillOpen = 0;
  QString kept;
  EXPECT_EQ(edit(text,
                 [&] {
                   test::input::retype(view.TextInput(), QString::fromUtf8("村€"));
                   test::input::click(view.OkButton());
                   stillOpen += view.isVisible();
                   kept = view.TextInput()->toPlainText();
                   test::input::click(view.CancelButton());
                 }),
            0);
  EXPECT_EQ(stillOpen, 1);
  EXPECT_EQ(kept, QString::fromUtf8("村€"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "この文章には使えない文字が含まれています");
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_BYTES_EQ(test::saved(*root), before);
}

}  // namespace
}  // namespace zelvo
