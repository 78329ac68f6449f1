// An author's session through the real windows: a new game from the bundled one, opened from
// the list, edited in a window opened from the editor tree, saved with Ctrl+S, then played by
// the player, which finds it through the file the editor wrote.

#include <gmock/gmock.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "EditorProgramFixture.h"
#include "editor/MoveTypeView.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoMapTreeWarningSink.h"
#include "model/ZelvoMoveTypeList.h"
#include "player/GameFolderChoice.h"
#include "player/HeadlessPlayer.h"

namespace zelvo::test {
namespace {

using ::testing::ElementsAre;
// Keeps the data layer's warnings while it lives.
class WarningRecorder final : public IZelvoWarningSink {
 public:
  void Warn(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

class EndToEndTest : public EditorProgramTest {
 protected:
  EndToEndTest() : warnings(std::make_shared<WarningRecorder>()) { SetDefaultWarningSink(warnings); }
  ~EndToEndTest() override { SetDefaultWarningSink(nullptr); }
  std::shared_ptr<WarningRecorder> warnings;
};

int32_t storedMoveTypes(const std::string& folder) {
  const std::string saved = GameFolder;
  GameFolder = folder;
  auto api = std::make_shared<TZMLZelvoAPI>();
  api->Load();
  GameFolder = saved;
  return api->GetMoveTypeList()->GetCount();
}

// The field frame after leaving the splash, as the player shows it from the start folder.
d3d9::Frame fieldFrame(const std::filesystem::path& startFolder, std::string* played) {
  THeadlessPlayer player;
  EXPECT_TRUE(player.Start(startFolder)) << player.Form().Failure();
  *played = player.Form().GameFolderText();
  ScriptedInput script;
  script.Tap(3, Qt::Key_Return);
  player.Run(script, 8);
  EXPECT_EQ(player.Form().CurrentState(), TZelvoForm::State::Field);
  return player.Sink().lastFrame();
}

TEST_F(EndToEndTest, MakeOpenEditSaveAndPlay) {
  Start();
  ShowActive();
  view->NameEdit()->setText("Test1");
  QTest::mouseClick(view->CreateButton(), Qt::LeftButton);
  const int row = view->GameList()->count() - 1;
  ASSERT_EQ(view->GameList()->item(row)->text(), "[Test1]");
  // A new game gets the template's data only; its author brings the pictures.
  std::filesystem::copy(base / "Default" / "Graphics", base / "Test1" / "Graphics",
                        std::filesystem::copy_options::recursive);
  doubleClickRow(*view->GameList(), row);
  ASSERT_EQ(view->windowTitle(), "ZelvoEditor - Test1");
  const int32_t before = storedMoveTypes("Test1\\");

  QTreeWidgetItem* node = findNode(*view->EditorTree(), QString::fromUtf8("移動タイプの設定"));
  ASSERT_NE(node, nullptr);
  QWidget* shown = ModalShownBy([&] { doubleClickNode(*view->EditorTree(), node); },
                                [&](QWidget&) { windows->moveTypeView->CreateAction()->trigger(); });
  EXPECT_EQ(shown, windows->moveTypeView.get());

  // The main window is active again once the modal window is gone.
  QApplication::setActiveWindow(view);
  QTest::keyClick(view->EditorTree(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_THAT(Texts(), ElementsAre("ゲームの作成に成功しました。", "保存が完了しました！"));
  EXPECT_EQ(storedMoveTypes("Test1\\"), before + 1);
  EXPECT_TRUE(warnings->warnings.empty());

  const GameFolderChoice choice = ChooseGameFolder(base);
  EXPECT_EQ(choice.folder, "Test1\\");
  EXPECT_EQ(choice.source, GameFolderChoice::Source::GamePathFile);
  std::string played;
  const d3d9::Frame edited = fieldFrame(base, &played);
  EXPECT_EQ(played, "Test1\\");

  // The game played is the bundled one as the editor saved it: the same field as "Default".
  TempDir reference;
  tools::writeDefaultGame(reference / "Default");
  std::string referencePlayed;
  const d3d9::Frame bundled = fieldFrame(reference.path(), &referencePlayed);
  EXPECT_EQ(referencePlayed, "Default\\");
  EXPECT_EQ(edited.pixels, bundled.pixels);
}

}  // namespace
}  // namespace zelvo::test
