#include "editor/ZEPopupTreeView.h"

#include <QPushButton>

#include "ZEEventWindowsFixture.h"
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
    popup.Tree().SetSelected(popup.Tree().GetTopLevel(1));
    popup.OkButton()->click();
  });
  EXPECT_EQ(popup.Execute(), QDialog::Accepted);
  EXPECT_EQ(popup.GetSelection().As<IZelvoOrderModel>(), second);
  EXPECT_EQ(popup.Tree().GetTopLevelCount(), 0);
}

TEST_F(PopupTreeViewTest, CancelAndOkWithoutSelectionBothGiveNothing) {
  const std::function<void()> endings[] = {[&] { popup.CancelButton()->click(); },
                                           [&] { popup.OkButton()->click(); }};
  for (const auto& end : endings) {
    fill();
    // A choice from an earlier showing does not survive the next one.
    test::whenShown([&] {
      popup.Tree().SetSelected(popup.Tree().GetTopLevel(0));
      popup.OkButton()->click();
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

}  // namespace
}  // namespace zelvo
