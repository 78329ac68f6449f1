#include <gtest/gtest.h>

#include "model/ColorARGB.h"
#include "model/EtcMath.h"
#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoPrivateTypes.h"

namespace zelvo {
namespace {

TEST(ColorARGB, PacksAndWraps) {
  struct Case {
    int32_t a, r, g, b;
    uint32_t expected;
  };
  for (Case c : {Case{255, 255, 255, 255, 0xFFFFFFFF}, Case{0, 256, 0, 0, 0}, Case{0, 300, 0, 0, 0x002C0000},
                 Case{0, 255, 128, 0, 0x00FF8000}, Case{0, 0, -1, 0, 0xFFFFFF00}, Case{0, 0, 0, -1, 0xFFFFFFFF},
                 Case{511, 0, 0, 0, 0xFF000000}, Case{-256, 0, 0, 0, 0}}) {
    EXPECT_EQ(static_cast<uint32_t>(ColorARGB(c.a, c.r, c.g, c.b)), c.expected)
        << c.a << "," << c.r << "," << c.g << "," << c.b;
  }
}

TEST(EtcMath, MaxAndMin) {
  EXPECT_EQ(EtcMath::Max(3, 3), 3);
  EXPECT_EQ(EtcMath::Min(3, 3), 3);
  EXPECT_EQ(EtcMath::Max(-5, 2), 2);
  EXPECT_EQ(EtcMath::Min(-5, 2), -5);
}

TEST(CommonTypes, OppositeDirection) {
  const int32_t expected[8] = {4, 5, 6, 7, 0, 1, 2, 3};
  for (int32_t d = 0; d < 8; ++d) {
    EXPECT_EQ(ZelvoCommonTypes::OppositeDirection(d), expected[d]);
    EXPECT_EQ(ZelvoCommonTypes::OppositeDirection(ZelvoCommonTypes::OppositeDirection(d)), d);
  }
  for (int32_t d : {8, 9, -1, 1000}) EXPECT_EQ(ZelvoCommonTypes::OppositeDirection(d), 0);
  EXPECT_EQ(ZelvoCommonTypes::MakeRect(1, 2, 3, 4), (ZelvoCommonTypes::TRect{1, 2, 3, 4}));
  EXPECT_EQ(ZelvoCommonTypes::MakePoint(-1, 2).Y, 2);
}

TEST(PrivateTypes, StartValues) {
  EXPECT_EQ(GameFolder, "Game\\");
  EXPECT_EQ(SkinFolder, "Skin\\Default\\");
  EXPECT_EQ(DataVersion, 33);
}

}  // namespace
}  // namespace zelvo
