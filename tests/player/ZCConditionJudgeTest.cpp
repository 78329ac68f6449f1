#include "player/ZCConditionJudge.h"

#include <gtest/gtest.h>

#include "model/ZelvoConditionModel.h"
#include "player/ZCGameState.h"
#include "support/Bytes.h"

namespace zelvo {
namespace {

struct Line {
  int32_t kind, number, value;
};

// Built from the stored record, so numbers outside what the editor accepts can be tested too.
std::shared_ptr<IZelvoConditionModel> condition(const std::vector<Line>& lines) {
  test::Bytes bytes;
  bytes.i32(static_cast<int32_t>(lines.size()));
  for (const Line& l : lines) bytes.i32(l.kind).i32(l.number).i32(l.value).i32(0).i32(1).u8(0);
  auto c = std::make_shared<TZelvoConditionModel>();
  TZStream stream(bytes.vec(), "condition");
  c->LoadFromStream(stream);
  return c;
}

struct JudgeCase {
  const char* name;
  std::vector<Line> lines;
  bool holds;
};

// The game state of every case: switches 1 and 100000 on, variable 5 = 7, variable 100000 = -3.
class ConditionJudge : public testing::TestWithParam<JudgeCase> {
 protected:
  void SetUp() override {
    auto game = state.GetGameModel();
    game->SetSwitch(1, true);
    game->SetSwitch(100000, true);
    game->SetVariable(5, 7);
    game->SetVariable(100000, -3);
  }
  TZCGameState state;
};

TEST_P(ConditionJudge, Holds) {
  const JudgeCase& c = GetParam();
  ASSERT_EQ(condition(c.lines)->GetCount(), static_cast<int32_t>(c.lines.size()));
  EXPECT_EQ(state.GetConditionJudge()->Judge(condition(c.lines)), c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConditionJudge,
    testing::Values(JudgeCase{"NoLines", {}, true},
                    JudgeCase{"SwitchOn", {{0, 1, 0}}, true},
                    JudgeCase{"SwitchOff", {{0, 2, 0}}, false},
                    JudgeCase{"SwitchValueIsNotCompared", {{0, 1, 99}}, true},
                    JudgeCase{"LastSwitch", {{0, 100000, 0}}, true},
                    JudgeCase{"SwitchPastTheTableIsOff", {{0, 100001, 0}}, false},
                    JudgeCase{"NegativeSwitchIsOff", {{0, -1, 0}}, false},
                    JudgeCase{"VariableEqual", {{1, 5, 7}}, true},
                    JudgeCase{"VariableDiffers", {{1, 5, 8}}, false},
                    JudgeCase{"UnsetVariableIsZero", {{1, 6, 0}}, true},
                    JudgeCase{"LastVariable", {{1, 100000, -3}}, true},
                    JudgeCase{"VariablePastTheTableIsMinusOne", {{1, 100001, -1}}, true},
                    JudgeCase{"VariablePastTheTableIsNotZero", {{1, 100001, 0}}, false},
                    JudgeCase{"OtherKindIsNotTested", {{2, 2, 0}}, true},
                    JudgeCase{"NegativeKindIsNotTested", {{-1, 2, 0}}, true},
                    JudgeCase{"AllMustHold", {{0, 1, 0}, {1, 5, 7}, {2, 9, 9}}, true},
                    JudgeCase{"OneFailingLineFails", {{0, 1, 0}, {1, 5, 7}, {0, 3, 0}}, false},
                    JudgeCase{"FailingFirstLine", {{1, 5, 0}, {0, 1, 0}}, false}),
    [](const testing::TestParamInfo<JudgeCase>& info) { return std::string(info.param.name); });

TEST(ConditionJudgeEdges, NoConditionOrNoGameModelHolds) {
  auto failing = condition({{0, 1, 0}});
  EXPECT_TRUE(TZCConditionJudge(std::make_shared<TZCGameModel>()).Judge(nullptr));
  EXPECT_TRUE(TZCConditionJudge(nullptr).Judge(failing));
  EXPECT_FALSE(TZCConditionJudge(std::make_shared<TZCGameModel>()).Judge(failing));
}

TEST(ConditionJudgeEdges, FollowsTheSwitchesAsTheyChange) {
  TZCGameState state;
  auto c = condition({{0, 42, 0}});
  EXPECT_FALSE(state.GetConditionJudge()->Judge(c));
  state.GetGameModel()->SetSwitch(42, true);
  EXPECT_TRUE(state.GetConditionJudge()->Judge(c));
  state.GetGameModel()->SetSwitch(42, false);
  EXPECT_FALSE(state.GetConditionJudge()->Judge(c));
}

}  // namespace
}  // namespace zelvo
