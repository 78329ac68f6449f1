#include "editor/ZEEventDirectionView.h"

#include <QPushButton>
#include <QToolButton>
#include <functional>

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

// OK is the default button: a click on it, Return and its mnemonic each store the clicked direction.
TEST_F(EventDirectionViewTest, ShowsTheDirectionAndOkStoresTheClickedOne) {
  EXPECT_EQ(view.DirectionButton(4)->text(), QString::fromUtf8("下"));
  const std::function<void()> oks[] = {[&] { test::input::click(view.OkButton()); },
                                       [&] { test::input::key(view.DirectionButton(2), Qt::Key_Return); },
                                       [&] { test::input::key(view.DirectionButton(2), Qt::Key_O, Qt::AltModifier); }};
  for (const auto& ok : oks) {
    position->SetDirection(4);
    view.SetTarget(position);
    test::whenShown([&] {
      EXPECT_EQ(checked(), std::vector<int32_t>{4});
      test::input::click(view.DirectionButton(2));
      EXPECT_EQ(checked(), std::vector<int32_t>{2});
      ok();
    });
    view.exec();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(position->GetDirection(), 2);
  }
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
  const std::function<void()> cancels[] = {[&] { test::input::click(view.CancelButton()); },
                                           [&] { test::input::key(view.DirectionButton(0), Qt::Key_Escape); },
                                           [&] { test::input::key(view.DirectionButton(0), Qt::Key_C, Qt::AltModifier); },
                                           [&] { test::input::closeWindow(&view); }};
  for (const auto& cancel : cancels) {
    position->SetDirection(9);
    view.SetTarget(position);
    test::whenShown([&] {
      EXPECT_EQ(checked(), std::vector<int32_t>{8});
      test::input::click(view.DirectionButton(0));
      cancel();
    });
    view.exec();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(position->GetDirection(), 9);
  }
}

}  // namespace
}  // namespace zelvo
