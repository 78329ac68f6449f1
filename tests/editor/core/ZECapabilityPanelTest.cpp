#include "editor/core/ZECapabilityPanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoCapabilityModel.h"

namespace zelvo::test {
namespace {

class CapabilityPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    for (int32_t i = 0; i < 16; ++i) {
      capability->SetValue(i, 10 + i);
      capability->SetGrowth(i, 20 + i);
    }
  }
  std::shared_ptr<IZelvoCapabilityModel> capability = factory.CreateCapabilityModel();
  TZECapabilityPanel panel;
};

TEST_F(CapabilityPanelTest, NoModelClosesAtOnce) {
  EXPECT_FALSE(panel.setModel(nullptr));
  panel.Close();  // nothing to write into
  EXPECT_TRUE(panel.setModel(capability));
}

TEST_F(CapabilityPanelTest, ShowsValuesAndGrowths) {
  ASSERT_TRUE(panel.setModel(capability));
  EXPECT_EQ(panel.values[0], "10");
  EXPECT_EQ(panel.values[15], "25");
  EXPECT_EQ(panel.growths[3], "23");
}

TEST_F(CapabilityPanelTest, ClosingWritesEveryFieldWithOneForNonNumbers) {
  ASSERT_TRUE(panel.setModel(capability));
  struct Case {
    int32_t index;
    const char* value;
    const char* growth;
    int32_t storedValue, storedGrowth;
  };
  const Case cases[] = {{0, "abc", "7", 1, 7}, {5, "-3", "", -3, 1}, {15, "99", "x1", 99, 1}};
  for (const Case& c : cases) {
    panel.values[static_cast<size_t>(c.index)] = c.value;
    panel.growths[static_cast<size_t>(c.index)] = c.growth;
  }
  panel.Close();
  for (const Case& c : cases) {
    EXPECT_EQ(capability->GetValue(c.index), c.storedValue) << c.index;
    EXPECT_EQ(capability->GetGrowth(c.index), c.storedGrowth) << c.index;
  }
  EXPECT_EQ(capability->GetValue(1), 11);  // untouched fields go back as they were
}

TEST(CapabilityPanelLabels, NamedRowsThenOthers) {
  EXPECT_STREQ(TZECapabilityPanel::Label(0), "LV");
  EXPECT_STREQ(TZECapabilityPanel::Label(7), "素早さ");
  EXPECT_STREQ(TZECapabilityPanel::Label(8), "その他");
  EXPECT_STREQ(TZECapabilityPanel::Label(15), "その他");
}

}  // namespace
}  // namespace zelvo::test
