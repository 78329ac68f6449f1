#include "model/ZelvoStatusModel.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(ZelvoStatusModel, StartsEmptyAndZero) {
  TZelvoStatusModel s;
  EXPECT_STREQ(s.GetName(), "");
  for (int32_t i = 0; i < 32; ++i) EXPECT_EQ(s.GetValue(i), 0) << i;
}

TEST(ZelvoStatusModel, ValuesInsideTheRangeOnly) {
  TZelvoStatusModel s;
  s.SetValue(0, 7);
  s.SetValue(31, 255);
  for (int32_t outside : {-1, 32, 1000}) s.SetValue(outside, 9);
  EXPECT_EQ(s.GetValue(0), 7);
  EXPECT_EQ(s.GetValue(31), 255);
  for (int32_t i = 1; i < 31; ++i) EXPECT_EQ(s.GetValue(i), 0) << i;
  for (int32_t outside : {-1, 32, 1000}) EXPECT_EQ(s.GetValue(outside), 0) << outside;
}

TEST(ZelvoStatusModel, NameIsACopy) {
  TZelvoStatusModel s;
  char text[] = "\x83\x58\x83\x65";
  s.SetName(text);
  text[0] = 'x';
  EXPECT_STREQ(s.GetName(), "\x83\x58\x83\x65");
  s.SetName(nullptr);
  EXPECT_STREQ(s.GetName(), "");
}

}  // namespace
}  // namespace zelvo
