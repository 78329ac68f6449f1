// The editor program as it starts, and its main window's commands, through the real windows.

#include <gmock/gmock.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>
#include <fstream>

#include "EditorProgramFixture.h"
#include "input/UserInput.h"
#include "editor/MapChipSetEditorForm.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEEventEditorView2.h"
#include "editor/ZEOrderLView.h"
#include "editor/ZEPopupTreeView.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoCharaModelList.h"
#include "platform/core/Cp932.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

using ::testing::ElementsAre;

std::vector<uint8_t> gamePathBytes(const std::string& folder) {
  return Bytes().i32(static_cast<int32_t>(folder.size())).text(folder).u8(0).vec();
}

using StartUpTest = EditorProgramTest;

TEST_F(StartUpTest, OpensTheBundledGameAndTellsThePlayer) {
  Start();
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
  EXPECT_EQ(view->NameEdit()->text(), "Default");
  EXPECT_EQ(GameFolder, "Default\\");
  EXPECT_BYTES_EQ(readFile(base / "Editor" / "GamePath.dat"), gamePathBytes("Default\\"));
  EXPECT_EQ(readFile(base / "Editor" / "GamePath.dat").size(), 13u);
  ASSERT_GT(view->GameList()->count(), 0);
  EXPECT_EQ(view->GameList()->currentRow(), 0);
  EXPECT_EQ(view->GameList()->item(0)->text(), "[Default]");
  EXPECT_TRUE(view->Session().IsOpen());
  EXPECT_TRUE(boxes.shown.empty()) << (boxes.shown.empty() ? "" : boxes.shown.front().text);
  EXPECT_EQ(QApplication::applicationName().isEmpty(), false);
}

TEST_F(StartUpTest, MakesEveryWindowOnceInTheTableOrderWithItsCaption) {
  Start();
  const std::vector<const char*> captions = {
      "ZelvoEditor - Default", "作業フォルダの編集", "あたり判定", "方向付きアニメーションエディタ",
      "ステータス画面の編集", "スタイルエディタ", "キャラクターエディタ", "素材管理エディタ", "パーティエディタ",
      "マップエディタ", "マップチップセットエディタ", "レイヤー", "移動タイプの設定", "マップのプロパティ",
      "レイヤのプロパティ", "チップセットのプロパティ", "外観の設定", "アニメーションエディタ", nullptr,
      "イベントの向きの設定", "職業エディタ", "能力エディタ", "属性タイプエディタ", "条件エディタ",
      "条件詳細エディタ", "用語エディタ", "簡易マップビュー", "イベントエディタ", "処理の内容を設定してください",
      "イベント編集ウィンドウ", "命令選択ウィンドウ"};
  const std::vector<QWidget*> all = windows->All();
  ASSERT_EQ(all.size(), 31u);
  for (size_t row = 0; row < all.size(); ++row) {
    SCOPED_TRACE(row + 1);
    ASSERT_NE(all[row], nullptr);
    if (captions[row]) {
      EXPECT_EQ(all[row]->windowTitle().toStdString(), captions[row]);
    }
    EXPECT_FALSE(all[row]->objectName().isEmpty());
    EXPECT_EQ(all[row]->isVisible(), false);
  }
  EXPECT_EQ(all[0]->objectName(), "ZEView");
  EXPECT_EQ(windows->chipSetEditor->objectName(), "MapChipSetEditorForm");
  EXPECT_EQ(all[9]->objectName(), "MapEditorForm");
  EXPECT_EQ(windows->orderLView->objectName(), "ZEOrderLView");
  EXPECT_EQ(windows->eventEditorView2->objectName(), "ZEEventEditorView2");
}

TEST_F(StartUpTest, TheEditorTreeCarriesEveryEditorByItsCode) {
  Start();
  QTreeWidget& tree = *view->EditorTree();
  struct Node {
    const char* caption;
    int32_t code;
  };
  for (const Node& node : {Node{"マップ", 1}, Node{"共有イベント", 2}, Node{"キャラ", 3}, Node{"テストプレー", 20},
                           Node{"用語エディタ", 26}, Node{"マップチップ", 32}}) {
    SCOPED_TRACE(node.caption);
    QTreeWidgetItem* item = findNode(tree, QString::fromUtf8(node.caption));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(view->EditorTreeAdapter().NodeOf(item)->GetIcon(), node.code);
    EXPECT_EQ(item->icon(0).isNull(), false);
  }
}

TEST_F(StartUpTest, ADoubleClickOpensTheEditorAndLeavesItsNodeAsItWas) {
  Start();
  ShowActive();
  QTreeWidget& tree = *view->EditorTree();
  QTreeWidgetItem* maps = findNode(tree, "マップ");
  ASSERT_NE(maps, nullptr);
  ASSERT_GT(maps->childCount(), 0);
  maps->setExpanded(true);
  QWidget* shown = nullptr;
  input::whenModalOpens([&](QWidget* modal) {
    shown = modal;
    modal->close();
  });
  input::doubleClick(&tree, maps);
  EXPECT_NE(shown, nullptr);
  EXPECT_TRUE(maps->isExpanded()) << "its children stay in view";
}

// The editor's own folders are left out in whatever case they were made: "Skin" holds the skins.
TEST_F(StartUpTest, ListsGameFoldersSortedWithoutTheEditorsOwn) {
  for (const char* folder : {"beta", "Alpha", ".hidden", "Editor", "editor", "EDITOR", "MapEditor", "mapeditor", "skin",
                             "SKIN", "CVS", "cvs", "manual", "Manual", "ZEEventEditor", "zeeventeditor", "gamma",
                             "Skins"})
    std::filesystem::create_directories(base / folder);
  std::ofstream(base / "notafolder") << "x";
  EXPECT_THAT(TZEGameSession::ListGames(base), ElementsAre("Alpha", "beta", "Default", "gamma", "Skins"));
  Start();
  QStringList listed;
  for (int row = 0; row < view->GameList()->count(); ++row) listed << view->GameList()->item(row)->text();
  EXPECT_EQ(listed, QStringList({"[Alpha]", "[beta]", "[Default]", "[gamma]", "[Skins]"}));
}

TEST_F(StartUpTest, ANameCp932CannotHoldIsNotListed) {
  std::filesystem::create_directories(base / std::filesystem::path(u8"ok\u00e9"));
  std::filesystem::create_directories(base / std::filesystem::path(u8"\U0001F600"));
  EXPECT_THAT(TZEGameSession::ListGames(base), ElementsAre("Default"));
}

TEST_F(StartUpTest, AGameFolderNamedGameGetsNothingWritten) {
  std::filesystem::create_directories(base / "Game");
  Start();
  Stop();
  EXPECT_TRUE(std::filesystem::is_empty(base / "Game"));
}

TEST_F(StartUpTest, ClosingAsksAndNoKeepsTheWindow) {
  Start();
  view->show();
  boxes.answers = {MessageAnswer::No};
  input::key(view->NameEdit(), Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Zelvo Editorを終了しても構いませんか？");
  EXPECT_THAT(boxes.shown[0].buttons, ElementsAre(MessageAnswer::Yes, MessageAnswer::No));
  EXPECT_TRUE(view->isVisible());
  boxes.answers = {MessageAnswer::Yes};
  QMenuBar* bar = view->menuBar();
  QAction* file = bar->actions().at(0);
  input::click(bar, bar->actionGeometry(file).center());
  input::clickMenuItem(file->menu(), view->QuitAction());
  EXPECT_FALSE(view->isVisible());
}

TEST_F(StartUpTest, ClosingWritesThePlaceAndAChangedSummary) {
  Start();
  view->show();
  input::retype(view->SummaryBox(), "一行目\n二行目");
  Stop();
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"),
            Bytes().text(Cp932::fromUtf8("一行目\r\n二行目\r\n")).vec());
  std::ifstream ini(base / "Editor" / "Desktop.INI");
  std::string text((std::istreambuf_iterator<char>(ini)), {});
  EXPECT_NE(text.find("[ZEView]"), std::string::npos);
}

TEST_F(StartUpTest, ASummaryThatCannotBeWrittenIsReportedAndThePlaceStillSaved) {
  Start();
  std::filesystem::remove(base / "Default" / "Readme.txt");
  std::filesystem::create_directories(base / "Default" / "Readme.txt" / "x");
  view->show();
  input::retype(view->SummaryBox(), "changed");
  Stop();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(boxes.shown[0].text, ::testing::HasSubstr("Readme.txt"));
  EXPECT_TRUE(std::filesystem::exists(base / "Editor" / "Desktop.INI"));
}

TEST_F(StartUpTest, APlaceThatCannotBeWrittenIsReported) {
  Start();
  std::filesystem::remove_all(base / "Editor");
  std::ofstream(base / "Editor") << "a file";
  Stop();
  EXPECT_THAT(Texts(), ElementsAre("Editor\\Desktop.INIに書き込めませんでした"));
}

TEST_F(StartUpTest, ControlGAloneStartsTestPlayFromAnyControl) {
  Start();
  view->show();
  input::key(view->SummaryBox(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
  input::key(view->SummaryBox(), Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_TRUE(boxes.shown.empty());
  input::key(view->SummaryBox(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_THAT(Texts(), ElementsAre("エディタと同じフォルダにRunZelvo3が必要です"));
}

TEST_F(StartUpTest, ControlSSavesTheWholeGameAndSaysSo) {
  Start();
  ShowActive();
  std::filesystem::remove(base / "Default" / "Data" / "Chara.Dat");
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_THAT(Texts(), ElementsAre("保存が完了しました！"));
  EXPECT_TRUE(std::filesystem::exists(base / "Default" / "Data" / "Chara.Dat"));
}

TEST_F(StartUpTest, ASaveThatFailsNamesTheFileAndCutsNothingShort) {
  Start();
  const auto before = readFile(base / "Default" / "Data" / "Chara.Dat");
  // A folder where a data file belongs cannot be replaced, whoever runs the test.
  std::filesystem::remove(base / "Default" / "Data" / "Job.Dat");
  std::filesystem::create_directories(base / "Default" / "Data" / "Job.Dat" / "x");
  ShowActive();
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text, "保存が完了しました！");
  EXPECT_NE(boxes.shown[0].text.find("Job.Dat"), std::string::npos) << boxes.shown[0].text;
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Data" / "Chara.Dat"), before);
}

TEST_F(StartUpTest, ReloadReadsTheFolderAgainAndKeepsTheGameWhenThatFails) {
  Start();
  ShowActive();
  input::key(view->GameList(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(boxes.shown.empty());
  const auto api = view->Session().Api();
  truncateToHalf(base / "Default" / "Data" / "Chara.Dat");
  input::key(view->GameList(), Qt::Key_L, Qt::ControlModifier);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("Chara.Dat"), std::string::npos) << boxes.shown[0].text;
  EXPECT_EQ(view->Session().Api(), api);
  EXPECT_EQ(view->Designer().getZMLZelvoAPI(), api);
}

TEST_F(StartUpTest, TheBuildButtonOnlyExplains) {
  Start();
  view->show();
  input::click(view->BuildButton());
  EXPECT_THAT(Texts(), ElementsAre("現在はまだゲーム構築機能は有りません。ゲームフォルダと実行ファイルをコピーして配布してください。"));
}

TEST_F(StartUpTest, ToolBarButtonsFilterTheTree) {
  Start();
  view->show();
  QTreeWidget& tree = *view->EditorTree();
  const int full = tree.topLevelItemCount();
  auto press = [&](int button) {
    QAction* action = view->ToolButton(button);
    const QList<QObject*> shownIn = action->associatedObjects();
    QToolBar* bar = nullptr;
    for (QObject* o : shownIn) if (!bar) bar = qobject_cast<QToolBar*>(o);
    ASSERT_NE(bar, nullptr);
    input::click(bar->widgetForAction(action));
  };
  press(1);
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  EXPECT_EQ(tree.topLevelItem(0)->text(0), "マップ");
  press(4);
  EXPECT_EQ(tree.topLevelItemCount(), 1);
  press(3);
  const auto charas = view->Session().Api()->GetCharaList();
  ASSERT_NE(charas, nullptr);
  EXPECT_EQ(tree.topLevelItemCount(), charas->GetCount());
  press(0);
  EXPECT_EQ(tree.topLevelItemCount(), full);
  EXPECT_TRUE(view->ToolButton(0)->isChecked());
}

// The skin dialog opens from the menu, takes a click on a skin and its OK, and gives the main
// window back its input when it closes.
TEST_F(StartUpTest, TheSkinIsChosenFromTheMenuByMouse) {
  tools::writeDefaultSkin(base / "Skin" / "Blue");
  Start();
  ShowActive();
  bool chosen = false;
  input::whenModalOpens([&](QWidget* modal) {
    auto* list = modal->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr) << modal->windowTitle().toStdString();
    EXPECT_EQ(modal->windowTitle(), QString::fromUtf8("外観の設定"));
    const auto blue = list->findItems("Blue", Qt::MatchExactly);
    ASSERT_EQ(blue.size(), 1);
    input::click(list, blue[0]);
    for (QPushButton* button : modal->findChildren<QPushButton*>())
      if (button->text() == QString::fromUtf8("OK(&O)")) input::click(button);
    chosen = !modal->isVisible();
  });
  input::clickMenuBarItem(view->menuBar(), view->SkinAction());
  EXPECT_TRUE(chosen);
  EXPECT_EQ(SkinFolder, "Skin\\Blue\\");
  input::retype(view->NameEdit(), "typed");
  EXPECT_EQ(view->NameEdit()->text(), "typed") << "the main window takes keys again";
}

// Opened by a double click on its node, the animation editor takes clicks on its menu and tree,
// and the picture picker it opens over itself takes them too: a picture is added by mouse alone.
TEST_F(StartUpTest, TheAnimationEditorAndItsPickerTakeClicksWhenOpenedFromTheTree) {
  Start();
  ShowActive();
  QTreeWidgetItem* node = findNode(*view->EditorTree(), "アニメ");
  ASSERT_NE(node, nullptr);
  int pictures = -1;
  bool closed = false;
  input::whenModalOpens([&](QWidget* modal) {
    auto* anime = dynamic_cast<TZEAnimeEditorView*>(modal);
    ASSERT_NE(anime, nullptr) << modal->windowTitle().toStdString();
    input::clickMenuBarItem(anime->MainMenu, anime->NewAnimeAction);
    ASSERT_GT(anime->AnimeTree->topLevelItemCount(), 0);
    input::click(anime->AnimeTree, anime->AnimeTree->topLevelItem(0));
    EXPECT_EQ(anime->BaseSpeedEdit->text(), "60");
    input::whenModalOpens([&](QWidget* opened) {
      auto* picker = dynamic_cast<TZEPopupTreeView*>(opened);
      ASSERT_NE(picker, nullptr) << opened->windowTitle().toStdString();
      QTreeWidgetItem* folder = picker->TreeWidget()->topLevelItem(0);
      ASSERT_TRUE(folder && folder->childCount() > 0);
      input::click(picker->TreeWidget(), folder);
      input::key(picker->TreeWidget(), Qt::Key_Right);  // opens the folder
      input::click(picker->TreeWidget(), folder->child(0));
      input::click(picker->OkButton());
    });
    input::click(anime->AddImageButton);
    pictures = anime->ImageList->count();
    input::key(anime->AnimeTree, Qt::Key_Escape);
    closed = !modal->isVisible();
  });
  input::doubleClick(view->EditorTree(), node);
  EXPECT_EQ(pictures, 1);
  EXPECT_TRUE(closed);
}

// The counter's arithmetic, with the application's events sent straight to it: Qt reports a state
// once, so a second deactivation in a row cannot be made through the window system.
TEST_F(StartUpTest, TheActivationCounterFollowsTheApplication) {
  Start();
  QEvent activate(QEvent::ApplicationActivate), deactivate(QEvent::ApplicationDeactivate);
  QCoreApplication::sendEvent(qApp, &activate);
  EXPECT_EQ(view->ActivationCounter(), 1);
  QCoreApplication::sendEvent(qApp, &deactivate);
  QCoreApplication::sendEvent(qApp, &deactivate);
  EXPECT_EQ(view->ActivationCounter(), -1);
  QCoreApplication::sendEvent(qApp, &activate);
  EXPECT_EQ(view->ActivationCounter(), 1);
}

// Coming to the front and leaving it reach the counter as the window system reports them.
TEST_F(StartUpTest, TheActivationCounterHearsTheWindowSystem) {
  Start();
  input::applicationState(Qt::ApplicationInactive);
  EXPECT_EQ(qApp->applicationState(), Qt::ApplicationInactive);
  const int away = view->ActivationCounter();
  input::applicationState(Qt::ApplicationActive);
  EXPECT_EQ(view->ActivationCounter(), 1);
  input::applicationState(Qt::ApplicationInactive);
  EXPECT_EQ(view->ActivationCounter(), 0);
  EXPECT_LE(away, 0);
}

}  // namespace
}  // namespace zelvo::test
