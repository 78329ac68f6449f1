#include "editor/ZEEventDirectionView.h"

#include <QPushButton>
#include <QToolButton>

#include "ZEEventWindowsFixture.h"
#include "input/UserInput.h"
#include "model/ZelvoEventPositionModel.h"

namespace zelvo {
namespace {

class EventDirectionViewTest : public test::EventWindowsTest {
 protected:
  std::vector<int32_t> checked() const {
    std::vector<int32_t> out;
    for (size_t i = 0; i < kDirectionButtons.size(); ++i)
      if (view.DirectionButton(i)->isChecked()) out.push_back(static_cast<int32_t>(i));
    return out;
  }
  std::shared_ptr<IZelvoEventPositionModel> position = factory.CreateEventPositionModel();
  TZEEventDirectionView view;
};

TEST_F(EventDirectionViewTest, ShowsTheDirectionAndOkStoresTheClickedOne) {
  EXPECT_EQ(view.DirectionButton(4)->text(), QString::fromUtf8("下"));
  position->SetDirection(4);
  view.SetTarget(position);
  test::whenShown([&] {
    EXPECT_EQ(checked(), std::vector<int32_t>{4});
    test::input::click(view.DirectionButton(2));
    EXPECT_EQ(checked(), std::vector<int32_t>{2});
    test::input::click(view.OkButton());
  });
  view.exec();
  EXPECT_EQ(position->GetDirection(), 2);
}

TEST_F(EventDirectionViewTest, ADirectionWithoutAButtonPressesNoneAndOkKeepsIt) {
  position->SetDirection(8);
  view.SetTarget(position);
  test::whenShown([&] {
    EXPECT_TRUE(checked().empty());
    test::input::click(view.OkButton());
  });
  view.exec();
  EXPECT_EQ(position->GetDirection(), 8);
}

TEST_F(EventDirectionViewTest, CancelChangesNothing) {
  position->SetDirection(9);
  view.SetTarget(position);
  test::whenShown([&] {
    EXPECT_EQ(checked(), std::vector<int32_t>{8});
    test::input::click(view.DirectionButton(0));
    test::input::click(view.CancelButton());
  });
  view.exec();
  EXPECT_EQ(position->GetDirection(), 9);
}

}  // namespace
}  // namespace zelvo
