#include "editor/ZEPopupTreeView.h"

#include <QPushButton>

#include "ZEEventWindowsFixture.h"
#include "input/UserInput.h"
#include "model/ZelvoOrderModel.h"

namespace zelvo {
namespace {

class PopupTreeViewTest : public test::EventWindowsTest {
 protected:
  void fill() {
    popup.Tree().AddChild(nullptr, "a")->SetData(first);
    popup.Tree().AddChild(nullptr, "b")->SetData(second);
  }
  TZEPopupTreeView popup;
  std::shared_ptr<IZelvoOrderModel> first = factory.CreateOrderModel(nullptr);
  std::shared_ptr<IZelvoOrderModel> second = factory.CreateOrderModel(nullptr);
};

TEST_F(PopupTreeViewTest, OkGivesTheChosenNodesModelAndEmptiesTheTree) {
  EXPECT_EQ(popup.windowTitle(), "ZEPopupTreeView");
  fill();
  test::whenShown([&] {
    test::input::click(popup.TreeWidget(), popup.TreeWidget()->topLevelItem(1));
    test::input::click(popup.OkButton());
  });
  EXPECT_EQ(popup.Execute(), QDialog::Accepted);
  EXPECT_EQ(popup.GetSelection().As<IZelvoOrderModel>(), second);
  EXPECT_EQ(popup.Tree().GetTopLevelCount(), 0);
}

TEST_F(PopupTreeViewTest, CancelAndOkWithoutSelectionBothGiveNothing) {
  const std::function<void()> endings[] = {[&] { test::input::click(popup.CancelButton()); },
                                           [&] { test::input::click(popup.OkButton()); }};
  for (const auto& end : endings) {
    fill();
    // A choice from an earlier showing does not survive the next one.
    test::whenShown([&] {
      test::input::click(popup.TreeWidget(), popup.TreeWidget()->topLevelItem(0));
      test::input::click(popup.OkButton());
    });
    popup.Execute();
    ASSERT_EQ(popup.GetSelection().As<IZelvoOrderModel>(), first);
    fill();
    test::whenShown(end);
    popup.Execute();
    EXPECT_TRUE(popup.GetSelection().Empty());
    EXPECT_EQ(popup.Tree().GetTopLevelCount(), 0);
  }
}

// A double click on a node, and Return on the node the arrow keys reached, each choose it as OK does.
TEST_F(PopupTreeViewTest, ADoubleClickOrReturnChoosesTheNode) {
  const std::function<void()> choices[] = {
      [&] { test::input::doubleClick(popup.TreeWidget(), popup.TreeWidget()->topLevelItem(1)); },
      [&] {
        test::input::click(popup.TreeWidget(), popup.TreeWidget()->topLevelItem(0));
        test::input::key(popup.TreeWidget(), Qt::Key_Down);
        test::input::key(popup.TreeWidget(), Qt::Key_Return);
      }};
  for (const auto& choose : choices) {
    fill();
    test::whenShown(choose);
    EXPECT_EQ(popup.Execute(), QDialog::Accepted);
    EXPECT_EQ(popup.GetSelection().As<IZelvoOrderModel>(), second);
  }
}

}  // namespace
}  // namespace zelvo
