#include "editor/core/ZEGrossaryPanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoGrossaryModel.h"

namespace zelvo::test {
namespace {

std::vector<std::string> utf8Lines(const std::vector<std::string>& cp932) {
  std::vector<std::string> out;
  for (const auto& line : cp932) out.push_back(u8(line));
  return out;
}

TEST(GrossaryPanelTest, StartsWithTheStandardWords) {
  TZEGrossaryPanel panel;
  EXPECT_EQ(utf8Lines(panel.lists[0]),
            (std::vector<std::string>{"LV", "HP", "MP", "攻撃力", "防御力", "魔法攻撃力", "魔法防御力"}));
  EXPECT_EQ(utf8Lines(panel.lists[1]), (std::vector<std::string>{"攻撃", "スキル", "アイテム", "防御", "逃げる", "自動戦闘"}));
  EXPECT_EQ(utf8Lines(panel.lists[2]), (std::vector<std::string>{"アイテム", "スキル", "ステータス", "セーブ", "ロード", "終了"}));
  panel.Close();  // no data set: nothing to write
}

class GrossaryPanelDataTest : public DatabasePanelTest {};

TEST_F(GrossaryPanelDataTest, LoadsEachListAndWritesItBackOnClose) {
  auto grossary = api->GetGrossary();
  ASSERT_NE(grossary, nullptr);
  const int32_t kinds[] = {0, 20, 30};
  for (int32_t kind : kinds) grossary->SetText(kind, sj("語" + std::to_string(kind) + "\r\nB").c_str());
  TZEGrossaryPanel panel;
  panel.setZMLZelvoAPI(api);
  EXPECT_EQ(utf8Lines(panel.lists[1]), (std::vector<std::string>{"語20", "B"}));
  panel.lists[0] = {sj("体力"), sj("気力")};
  panel.lists[2].clear();
  panel.Close();
  EXPECT_EQ(utf8Lines(grossary->GetLines(0)), (std::vector<std::string>{"体力", "気力"}));
  EXPECT_EQ(utf8Lines(grossary->GetLines(20)), (std::vector<std::string>{"語20", "B"}));
  EXPECT_TRUE(grossary->GetLines(30).empty());
}

TEST_F(GrossaryPanelDataTest, ALineHoldingANulIsWrittenBackWhole) {
  using namespace std::string_literals;
  auto grossary = api->GetGrossary();
  grossary->SetLines(20, {"Attack", "De\0fense"s, "Magic"});
  TZEGrossaryPanel panel;
  panel.setZMLZelvoAPI(api);
  panel.lists[0] = {"\0"s};
  panel.Close();
  EXPECT_EQ(grossary->GetLines(20), (std::vector<std::string>{"Attack", "De\0fense"s, "Magic"}));
  EXPECT_EQ(grossary->GetFileBytes(20), "Attack\r\nDe\0fense\r\nMagic\r\n"s);
  EXPECT_EQ(grossary->GetFileBytes(0), "\0\r\n"s);
}

}  // namespace
}  // namespace zelvo::test
