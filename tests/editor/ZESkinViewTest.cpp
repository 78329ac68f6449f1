#include "editor/ZESkinView.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QImageWriter>
#include <QListWidget>
#include <QPushButton>

#include "input/UserInput.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Fonts.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

std::string text(const fs::path& p) {
  std::vector<uint8_t> b = test::readFile(p);
  return {b.begin(), b.end()};
}

class ZESkinViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Fonts::ensureGuiApplication();
    saved_ = SkinFolder;
    SkinFolder = "Skin\\Default\\";
    makeSkin("Default", Qt::gray);
    makeSkin("Blue", Qt::blue);
    makeSkin("Broken", Qt::red);
    fs::remove(base_ / "Skin" / "Broken" / "Empty.bmp");
    settings_.SetReloaders({[this] { calls_.push_back("map editor"); }, [this] { calls_.push_back("chip-set editor"); },
                            [this] { calls_.push_back("layer window"); }});
  }
  void TearDown() override {
    SkinFolder = saved_;
    FileFaults::reset();
  }

  void makeSkin(const std::string& name, Qt::GlobalColor colour) const {
    const fs::path folder = base_ / "Skin" / name;
    fs::create_directories(folder);
    for (std::string_view file : kSkinFiles) test::writeFile(folder / std::string(file), {'x'});
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(colour);
    QImageWriter writer(QString::fromStdString((folder / "BigIcon.ico").string()), "ico");
    ASSERT_TRUE(writer.write(icon)) << writer.errorString().toStdString();
  }
  void expectNothingChanged() const {
    EXPECT_EQ(SkinFolder, "Skin\\Default\\");
    EXPECT_TRUE(calls_.empty());
    EXPECT_FALSE(fs::exists(base_ / "Skin" / "Skin.ini"));
  }
  QStringList captions(const ZESkinView& view) const {
    QStringList out;
    for (int i = 0; i < view.SkinList()->count(); ++i) out << view.SkinList()->item(i)->text();
    return out;
  }

  test::TempDir base_;
  ZESkinSettings settings_{base_.path()};
  std::vector<std::string> calls_;
  std::string saved_;
};

TEST_F(ZESkinViewTest, MakingTheDialogStartsWithTheStoredSkin) {
  test::writeFile(base_ / "Skin" / "Skin.ini", test::Bytes().text("[Main]\r\nFolder=Blue\\\r\n"));
  ZESkinView view(settings_);
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  EXPECT_EQ(calls_, (std::vector<std::string>{"map editor", "chip-set editor", "layer window"}));
  SkinFolder = "Skin\\Default\\";
  test::writeFile(base_ / "Skin" / "Skin.ini", test::Bytes().text("[Main]\r\nFolder=Broken\\\r\n"));
  calls_.clear();
  ZESkinView second(settings_);
  EXPECT_EQ(SkinFolder, "Skin\\Broken\\");
  EXPECT_TRUE(calls_.empty());
}

TEST_F(ZESkinViewTest, ShowsTheValidSkinsWithTheirIconsAndTheCurrentSelected) {
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  EXPECT_EQ(view.windowTitle(), QString::fromUtf8("外観の設定"));
  EXPECT_EQ(captions(view), (QStringList{"Blue", "Default"}));
  ASSERT_NE(view.SkinList()->currentItem(), nullptr);
  EXPECT_EQ(view.SkinList()->currentItem()->text(), "Default");
  const QImage icon = view.SkinList()->item(0)->icon().pixmap(32, 32).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixelColor(16, 16), QColor(Qt::blue));
  EXPECT_EQ(view.OkButton()->text(), QString::fromUtf8("OK(&O)"));
  EXPECT_EQ(view.CancelButton()->text(), QString::fromUtf8("キャンセル(&C)"));
}

TEST_F(ZESkinViewTest, OkAppliesTheSelectedSkinAndRemembersIt) {
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  test::input::click(view.SkinList(), view.SkinList()->item(0));
  test::input::click(view.OkButton());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  EXPECT_EQ(calls_, (std::vector<std::string>{"map editor", "chip-set editor", "layer window"}));
  EXPECT_EQ(text(base_ / "Skin" / "Skin.ini"), "[Main]\r\nFolder=Blue\\\r\n");
}

TEST_F(ZESkinViewTest, OkWithNothingSelectedDoesNothing) {
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  QListWidget* list = view.SkinList();
  ASSERT_TRUE(list->currentItem() && list->currentItem()->isSelected());
  // Control and a click take the selection off the item.
  test::input::click(list->viewport(), list->visualItemRect(list->currentItem()).center(), Qt::LeftButton,
                     Qt::ControlModifier);
  ASSERT_TRUE(list->selectedItems().isEmpty());
  test::input::click(view.OkButton());
  EXPECT_TRUE(view.isVisible());
  expectNothingChanged();
}

TEST_F(ZESkinViewTest, CancelChangesNothing) {
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  test::input::click(view.SkinList(), view.SkinList()->item(0));
  test::input::click(view.CancelButton());
  EXPECT_EQ(view.result(), QDialog::Rejected);
  expectNothingChanged();
}

TEST_F(ZESkinViewTest, EveryShowingListsAfresh) {
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  view.hide();
  fs::remove(base_ / "Skin" / "Blue" / "Number.bmp");
  SkinFolder = "Skin\\Broken\\";
  view.show();
  EXPECT_EQ(captions(view), (QStringList{"Default"}));
  EXPECT_EQ(view.SkinList()->currentItem(), nullptr);
}

TEST_F(ZESkinViewTest, FailedRememberingIsShown) {
  MessageBoxRecorder boxes;
  ZESkinView view(settings_);
  calls_.clear();
  view.show();
  test::input::click(view.SkinList(), view.SkinList()->item(0));
  FileFaults::failWriteNumber(1);
  test::input::click(view.OkButton());
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  EXPECT_FALSE(fs::exists(base_ / "Skin" / "Skin.ini"));
}

}  // namespace
}  // namespace zelvo
