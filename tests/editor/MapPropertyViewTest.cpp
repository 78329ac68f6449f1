#include "editor/MapPropertyView.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "LayerWindowTesting.h"
#include "input/UserInput.h"
#include "platform/gui/MessageBox.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

class MapPropertyViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    f.node->SetNameBytes(Cp932::fromUtf8("町"));
    f.Draw({"c.c.c.", "..c..."});
    view.SetNode(f.node);
    view.show();
  }

  EditorFixture f{6, 4};
  HostRecorder host;
  TMapPropertyView view{f.editor, &host};
};

TEST_F(MapPropertyViewTest, ShowsTheNodesMap) {
  EXPECT_EQ(view.IDLabel()->text(), QString::number(kMapID));
  EXPECT_EQ(view.NameEdit()->text(), QString::fromUtf8("町"));
  EXPECT_EQ(view.WidthEdit()->text(), "6");
  EXPECT_EQ(view.HeightEdit()->text(), "4");
}

TEST_F(MapPropertyViewTest, OKRenamesAndResizesWithAnUndoStep) {
  auto before = f.Bytes();
  input::retype(view.NameEdit(), QString::fromUtf8("城"));
  input::retype(view.WidthEdit(), "3");
  input::retype(view.HeightEdit(), "2");
  input::click(view.OkButton());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(f.node->GetNameBytes(), Cp932::fromUtf8("城"));
  EXPECT_EQ(f.map->GetWidth(), 3);
  EXPECT_EQ(f.At(2, 0), EditorFixture::CellFor('c'));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"undo buttons", "canvas 96x64"}));
  f.editor.Undo();
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

TEST_F(MapPropertyViewTest, ANonNumberOrZeroSizeIsReportedAndTheWindowStays) {
  MessageBoxRecorder messages;
  auto before = f.Bytes();
  input::retype(view.WidthEdit(), "0");
  input::retype(view.HeightEdit(), "abc");
  input::click(view.OkButton());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(view.result(), QDialog::Accepted);
  EXPECT_EQ(f.map->GetWidth(), 6);
  EXPECT_BYTES_EQ(f.Bytes(), before);
  EXPECT_EQ(f.editor.GetUndoControl().GetStepCount(), 0);
}

TEST_F(MapPropertyViewTest, ANameTheFileCannotHoldIsRefusedAndTheWindowStays) {
  MessageBoxRecorder messages;
  auto before = f.Bytes();
  input::retype(view.NameEdit(), QString::fromUtf8("城😀"));
  input::retype(view.WidthEdit(), "3");
  input::click(view.OkButton());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "この名前には使えない文字が含まれています");
  EXPECT_NE(view.result(), QDialog::Accepted);
  EXPECT_EQ(f.node->GetNameBytes(), Cp932::fromUtf8("町"));
  EXPECT_EQ(f.map->GetWidth(), 6);
  EXPECT_BYTES_EQ(f.Bytes(), before);
}

TEST_F(MapPropertyViewTest, CancelChangesNothing) {
  input::retype(view.WidthEdit(), "2");
  input::click(view.CancelButton());
  EXPECT_EQ(view.result(), QDialog::Rejected);
  EXPECT_EQ(f.map->GetWidth(), 6);
}

TEST_F(MapPropertyViewTest, WithoutANodeOKIsOff) {
  view.SetNode(nullptr);
  EXPECT_FALSE(view.OkButton()->isEnabled());
  EXPECT_TRUE(view.IDLabel()->text().isEmpty());
}

}  // namespace
}  // namespace zelvo::test
