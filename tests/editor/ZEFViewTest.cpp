#include "editor/ZEFView.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "input/UserInput.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Fonts.h"

namespace zelvo {
namespace {

class FolderViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Fonts::ensureGuiApplication();
    saved_ = GameFolder;
  }
  void TearDown() override { GameFolder = saved_; }

 private:
  std::string saved_;
};

TEST_F(FolderViewTest, ShowsTheOpenGameAndItsFixedFolders) {
  GameFolder = Cp932::fromUtf8("冒険\\");
  TZEFView view;
  EXPECT_EQ(view.windowTitle(), QStringLiteral("作業フォルダの編集"));
  GameFolder = "Default\\";  // the game opened since the window was made
  view.show();
  const auto& fields = view.fields();
  ASSERT_EQ(fields.size(), 6u);
  const QStringList expected{"Default\\", "Maps\\", "Graphics\\", "Sounds\\", "Data\\", "Plugins\\"};
  for (size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i]->text(), expected[static_cast<int>(i)]);
  EXPECT_FALSE(fields[0]->isEnabled());
  EXPECT_TRUE(fields[1]->isEnabled());

  test::input::retype(fields[1], "Elsewhere\\");  // typed in, never read back
  test::input::click(view.okButton());
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  view.show();
  EXPECT_EQ(fields[1]->text(), QStringLiteral("Maps\\"));
  view.hide();
}

TEST_F(FolderViewTest, LabelsNameEachFolder) {
  TZEFView view;
  QStringList labels;
  for (QLabel* label : view.findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels, (QStringList{"ゲームフォルダ", "マップフォルダ", "画像フォルダ", "音楽フォルダ", "データフォルダ",
                                 "プラグインフォルダ"}));
}

}  // namespace
}  // namespace zelvo
