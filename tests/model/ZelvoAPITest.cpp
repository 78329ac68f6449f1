#include "model/ZelvoAPI.h"

#include <gtest/gtest.h>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "platform/core/Cp932.h"

namespace zelvo {
namespace {

TEST(ZFont, DefaultsAndChannelOrder) {
  TZFont font;
  EXPECT_EQ(static_cast<uint32_t>(font.GetColor()), 0xFF000000u);
  EXPECT_EQ(font.GetSize(), 12);
  EXPECT_EQ(Cp932::toUtf8(font.GetName()), "ＭＳ ゴシック");
  font.SetColor(1, 2, 3, 4);
  EXPECT_EQ(static_cast<uint32_t>(font.GetColor()), 0x01020304u);
  EXPECT_EQ(font.GetA(), 1);
  EXPECT_EQ(font.GetR(), 2);
  EXPECT_EQ(font.GetG(), 3);
  EXPECT_EQ(font.GetB(), 4);
}

TEST(ZelvoAPI, FoldersFollowTheSettings) {
  TZelvoAPI api;
  std::string saved = GameFolder;
  GameFolder = "Other\\";
  EXPECT_STREQ(api.GetGamePath(), "Other\\");
  GameFolder = saved;
  EXPECT_STREQ(api.GetMapsFolder(), "Maps\\");
  EXPECT_STREQ(api.GetDataFolder(), "Data\\");
  EXPECT_EQ(api.GetVersion(), 0);
  EXPECT_EQ(api.CreateStream("", 12)->GetSize(), 0);
  EXPECT_THROW(api.CreateStream("", 2), EStreamError);
}

}  // namespace
}  // namespace zelvo
