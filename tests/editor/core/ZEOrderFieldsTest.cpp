#include "editor/core/ZEOrderFields.h"

#include <gtest/gtest.h>

#include "model/ZelvoOrderModel.h"
#include "platform/core/Cp932.h"
#include "support/Bytes.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

TEST(OrderFieldsTest, EachTypeHasItsTab) {
  const std::pair<int32_t, ZEOrderTab> cases[] = {
      {2, ZEOrderTab::Text},       {1010, ZEOrderTab::Number}, {1011, ZEOrderTab::Number},
      {1012, ZEOrderTab::Number},  {4000, ZEOrderTab::MapMove}, {5100, ZEOrderTab::Effect},
      {5101, ZEOrderTab::Effect},  {0, ZEOrderTab::None},       {1, ZEOrderTab::None},
      {150000, ZEOrderTab::None},  {-2, ZEOrderTab::None},
  };
  for (const auto& [type, tab] : cases) EXPECT_EQ(OrderTabOf(type), tab) << type;
}

TEST(OrderFieldsTest, DecimalsAreWholeNumbersWithinRange) {
  const std::pair<const char*, std::optional<int32_t>> cases[] = {
      {"12", 12},         {" -7 ", -7},       {"+3", 3},         {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt}, {"", std::nullopt}, {" ", std::nullopt},
      {"1x", std::nullopt}, {"0x10", std::nullopt}, {"1.5", std::nullopt}, {"-", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimal(text), value) << text;
}

TEST(OrderFieldsTest, LoadSplitsTheColourAndWritesNumbersInDecimal) {
  TZelvoOrderModel order(5);
  order.SetText(Cp932::fromUtf8("やあ").c_str());
  order.SetFadeColor(static_cast<int32_t>(0xFF102030u));
  order.SetFadeSteps(7);
  order.SetMapID(-1);
  order.SetX(64);
  order.SetY(-32);
  order.SetFloorID(3);
  order.SetNumber(12);
  order.SetValue(-5);
  const auto f = TZEOrderFields::Load(order);
  EXPECT_EQ(Cp932::toUtf8(f.text), "やあ");
  EXPECT_EQ(f.fadeSteps, 7);
  EXPECT_EQ(f.red, "16");
  EXPECT_EQ(f.green, "32");
  EXPECT_EQ(f.blue, "48");
  EXPECT_EQ(f.mapID, "-1");
  EXPECT_EQ(f.x, "64");
  EXPECT_EQ(f.y, "-32");
  EXPECT_EQ(f.floorID, "3");
  EXPECT_EQ(f.number, "12");
  EXPECT_EQ(f.value, "-5");
}

TEST(OrderFieldsTest, StoreWritesEveryFieldAndFallsBackOnBadNumbers) {
  TZelvoOrderModel order(5);
  TZEOrderFields f = TZEOrderFields::Load(order);
  f.text = "hi";
  f.fadeSteps = 40;
  f.red = "255";
  f.green = " 1";
  f.blue = "0";
  f.mapID = "abc";
  f.x = "96";
  f.y = "";
  f.floorID = "9999999999";
  f.number = "4";
  f.value = "-3";
  ASSERT_EQ(f.Store(order), std::nullopt);
  EXPECT_STREQ(order.GetText(), "hi");
  EXPECT_EQ(order.GetFadeSteps(), kMaxFadeSteps);
  EXPECT_EQ(static_cast<uint32_t>(order.GetFadeColor()), 0x00FF0100u);
  EXPECT_EQ(order.GetMapID(), -1);
  EXPECT_EQ(order.GetX(), 96);
  EXPECT_EQ(order.GetY(), 0);
  EXPECT_EQ(order.GetFloorID(), 0);
  EXPECT_EQ(order.GetNumber(), 4);
  EXPECT_EQ(order.GetValue(), -3);
}

TEST(OrderFieldsTest, ABadColourPartStoresNothing) {
  TZelvoOrderModel order(5);
  order.SetType(OrderType::MoveToPlace);
  order.SetX(8);
  const auto before = test::saved(order);
  const struct {
    const char *r, *g, *b, *bad;
  } cases[] = {{"x", "0", "0", "R"}, {"0", "256", "0", "G"}, {"0", "0", "-1", "B"}, {"", "0", "0", "R"}};
  for (const auto& c : cases) {
    TZEOrderFields f = TZEOrderFields::Load(order);
    f.x = "1000";
    f.red = c.r;
    f.green = c.g;
    f.blue = c.b;
    EXPECT_EQ(f.Store(order), std::optional<std::string>(c.bad));
    EXPECT_BYTES_EQ(test::saved(order), before);
    EXPECT_EQ(order.GetX(), 8);
  }
}

TEST(OrderFieldsTest, GridColourFillsTheParts) {
  TZEOrderFields f;
  f.SetColor(0x80FF00u);
  EXPECT_EQ(f.red, "128");
  EXPECT_EQ(f.green, "255");
  EXPECT_EQ(f.blue, "0");
}

}  // namespace
}  // namespace zelvo
