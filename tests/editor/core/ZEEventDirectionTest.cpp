#include "editor/core/ZEEventDirection.h"

#include <gtest/gtest.h>

#include "model/ZelvoEventPositionModel.h"
#include "support/TestGameData.h"

namespace zelvo {
namespace {

class EventDirectionTest : public ::testing::Test {
 protected:
  test::TestGameData api;
  std::shared_ptr<IZelvoEventPositionModel> position = api.GetFactory()->CreateEventPositionModel();
  TZEEventDirection direction;
};

TEST_F(EventDirectionTest, TheCurrentDirectionsButtonIsPressedAndOkStoresIt) {
  const std::pair<int32_t, int32_t> cases[] = {{0, 0}, {1, 1}, {4, 4}, {7, 7}, {9, 8}, {8, -1}, {10, -1}, {-3, -1}};
  for (const auto& [value, button] : cases) {
    position->SetDirection(value);
    direction.SetTarget(position);
    EXPECT_EQ(direction.PressedButton(), button) << value;
    EXPECT_EQ(direction.Commit(), button >= 0);
    EXPECT_EQ(position->GetDirection(), value) << "OK keeps what it showed";
  }
}

TEST_F(EventDirectionTest, EveryButtonStoresItsValue) {
  position->SetDirection(8);
  direction.SetTarget(position);
  for (size_t i = 0; i < kDirectionButtons.size(); ++i) {
    direction.Press(static_cast<int32_t>(i));
    ASSERT_TRUE(direction.Commit());
    EXPECT_EQ(position->GetDirection(), kDirectionButtons[i].value) << kDirectionButtons[i].caption;
  }
  direction.Press(9);
  EXPECT_EQ(direction.PressedButton(), -1);
  EXPECT_FALSE(direction.Commit());
  EXPECT_EQ(position->GetDirection(), 9);
  TZEEventDirection none;
  none.Press(0);
  EXPECT_FALSE(none.Commit());
}

}  // namespace
}  // namespace zelvo
