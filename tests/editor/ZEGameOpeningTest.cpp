// Making, opening and switching games in the main window, their summaries, and start-up on bad
// folders and files.

#include <gmock/gmock.h>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <fstream>

#include "EditorProgramFixture.h"
#include "input/UserInput.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/ZESkinView.h"
#include "model/ZMLZelvoAPI.h"
#include "platform/core/Cp932.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<uint8_t> gamePath(const std::string& folder) {
  return Bytes().i32(static_cast<int32_t>(folder.size())).text(folder).u8(0).vec();
}

class GameOpeningTest : public EditorProgramTest {
 protected:
  // A second game "Other" made from the bundled one, listed after "Default".
  void AddOtherGame() { tools::writeDefaultGame(base / "Other"); }
  int RowOf(const char* name) {
    for (int row = 0; row < view->GameList()->count(); ++row)
      if (view->GameList()->item(row)->text() == QString("[%1]").arg(name)) return row;
    return -1;
  }
  void OpenByList(const char* name) {
    const int row = RowOf(name);
    ASSERT_GE(row, 0) << name;
    input::doubleClick(view->GameList(), view->GameList()->item(row));
  }
  void StartShown() {
    Start();
    ShowActive();
  }
};

TEST_F(GameOpeningTest, ANewGameComesFromTheNameFieldAndTheButton) {
  StartShown();
  input::retype(view->NameEdit(), "Test1");
  input::click(view->CreateButton());
  EXPECT_THAT(Texts(), ElementsAre("ゲームの作成に成功しました。"));
  EXPECT_GE(RowOf("Test1"), 0);
  EXPECT_TRUE(std::filesystem::exists(base / "Test1" / "Data" / "Chara.Dat"));
  // Made, not opened.
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
  EXPECT_EQ(GameFolder, "Default\\");
}

TEST_F(GameOpeningTest, AGameNameMustBeOneNewPlainFolderName) {
  StartShown();
  input::retype(view->NameEdit(), "Test1");
  input::click(view->CreateButton());
  boxes.shown.clear();
  const int listed = view->GameList()->count();
  for (const char* name : {"test1", "TEST1", "", "a\\b", "a/b", "..", "x:y", "\xF0\x9F\x98\x80"}) {
    SCOPED_TRACE(name);
    input::retype(view->NameEdit(), QString::fromUtf8(name));
    input::key(view->NameEdit(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(boxes.shown.back().text, "ゲームの作成に失敗しました。");
  }
  EXPECT_EQ(view->GameList()->count(), listed);
  EXPECT_FALSE(std::filesystem::exists(base / "a"));
}

TEST_F(GameOpeningTest, ADoubleClickOpensTheGameAndTellsThePlayer) {
  AddOtherGame();
  std::ofstream(base / "Other" / "Readme.txt", std::ios::binary) << Cp932::fromUtf8("別のゲーム\r\n二行目\r\n");
  StartShown();
  OpenByList("Other");
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Other");
  EXPECT_EQ(view->NameEdit()->text(), "Other");
  EXPECT_EQ(GameFolder, "Other\\");
  EXPECT_BYTES_EQ(readFile(base / "Editor" / "GamePath.dat"), gamePath("Other\\"));
  EXPECT_EQ(view->SummaryBox()->toPlainText(), "別のゲーム\n二行目");
  EXPECT_EQ(view->Designer().getZMLZelvoAPI(), view->Session().Api());
}

TEST_F(GameOpeningTest, NewAndLostPicturesAreCountedAsTheGameOpens) {
  AddOtherGame();
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString((base / "Other" / "Graphics" / "Added.bmp").string()), "BMP"));
  std::filesystem::remove(base / "Other" / "Graphics" / "Splash.bmp");
  StartShown();
  boxes.shown.clear();
  OpenByList("Other");
  EXPECT_THAT(Texts(), ElementsAre("新規素材1個、迷子素材1個が見つかりました"));
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Information);
}

TEST_F(GameOpeningTest, TheMainWindowComesBackWhereItWas) {
  std::filesystem::create_directories(base / "Editor");
  std::ofstream(base / "Editor" / "Desktop.INI", std::ios::binary)
      << "[ZEView]\r\nLeft=20\r\nTop=30\r\nWidth=600\r\nHeight=400\r\nState=2\r\n";
  Start();
  EXPECT_EQ(view->geometry(), QRect(20, 30, 600, 400));
}

// Bounds without a state are applied, but leave each window's own placement as it is: the main
// window, which opens centred, is centred at the stored size; the others stand where they were.
TEST_F(GameOpeningTest, PlacesWithoutAStateKeepTheMainWindowCentred) {
  const char* sections[] = {"ZEView", "ZEEventEditorView2", "ZEOrderLView", "MapEditorForm", "MapChipSetEditorForm",
                            "MapEditorLayersForm"};
  std::filesystem::create_directories(base / "Editor");
  {
    std::ofstream ini(base / "Editor" / "Desktop.INI", std::ios::binary);
    for (const char* section : sections)
      ini << "[" << section << "]\r\nLeft=20\r\nTop=30\r\nWidth=600\r\nHeight=420\r\n";
  }
  Start();
  view->show();
  EXPECT_EQ(view->size(), QSize(600, 420));
  // The platform's frame may shift the shown window by a pixel or two.
  const QPoint off = view->geometry().center() - view->screen()->availableGeometry().center();
  EXPECT_LE(off.manhattanLength(), 4) << off.x() << "," << off.y();
  for (QWidget* window : windows->All()) {
    const QString name = window->objectName();
    if (window == view || std::find(std::begin(sections), std::end(sections), name.toStdString()) == std::end(sections))
      continue;
    EXPECT_EQ(window->pos(), QPoint(20, 30)) << name.toStdString();
    EXPECT_EQ(window->size(), QSize(600, 420).expandedTo(window->minimumSizeHint()).expandedTo(window->minimumSize()))
        << name.toStdString();
  }
}

TEST_F(GameOpeningTest, TheSummaryIsWrittenBackOnlyWhenItChanged) {
  AddOtherGame();
  // Line ends this editor would not write: the file stays as it is unless the text changes.
  std::ofstream(base / "Default" / "Readme.txt", std::ios::binary) << "one\ntwo";
  StartShown();
  EXPECT_EQ(view->SummaryBox()->toPlainText(), "one\ntwo");
  OpenByList("Other");
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), Bytes().text("one\ntwo").vec());
  OpenByList("Default");
  input::retype(view->SummaryBox(), QString::fromUtf8("変えた"));
  OpenByList("Other");
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), Bytes().text(Cp932::fromUtf8("変えた\r\n")).vec());
}

// Blank lines at the end are lines of the summary too: switching games or leaving keeps them,
// and an edit writes them back with the rest.
TEST_F(GameOpeningTest, TrailingBlankLinesOfTheSummaryStay) {
  AddOtherGame();
  const std::vector<uint8_t> read = Bytes().text("one\r\n\r\n").vec();
  writeFile(base / "Default" / "Readme.txt", read);
  StartShown();
  OpenByList("Other");
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), read) << "switching away";
  OpenByList("Default");
  Stop();
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), read) << "leaving";
  StartShown();
  input::key(view->SummaryBox(), Qt::Key_Home, Qt::ControlModifier);
  input::type(view->SummaryBox(), "z");
  OpenByList("Other");
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), Bytes().text("zone\r\n\r\n").vec()) << "edited";
}

// The skins' folder is no game in any case of its name; a folder without "Data\" and "Maps\" is
// refused with a word, and the game that was open stays open, and is what a save writes.
TEST_F(GameOpeningTest, AFolderThatIsNoGameIsNotListedOrOpened) {
  std::filesystem::create_directories(base / "Pictures" / "Graphics");
  StartShown();
  EXPECT_EQ(RowOf("Skin"), -1);
  boxes.shown.clear();
  OpenByList("Pictures");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(boxes.shown[0].text, HasSubstr("ゲームのフォルダではありません"));
  EXPECT_THAT(boxes.shown[0].text, HasSubstr("Pictures"));
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
  EXPECT_EQ(view->NameEdit()->text(), "Default");
  EXPECT_EQ(GameFolder, "Default\\");
  EXPECT_BYTES_EQ(readFile(base / "Editor" / "GamePath.dat"), gamePath("Default\\"));
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(boxes.shown.back().text, "保存が完了しました！");
  EXPECT_FALSE(std::filesystem::exists(base / "Pictures" / "Data"));
  EXPECT_FALSE(std::filesystem::exists(base / "Pictures" / "Maps"));
}

TEST_F(GameOpeningTest, TheSummaryBoxRefusesWhatItsFileCannotHold) {
  StartShown();
  input::retype(view->SummaryBox(), "abc");
  input::type(view->SummaryBox(), QString::fromUtf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(view->SummaryBox()->toPlainText(), "abc");
  EXPECT_THAT(Texts(), ElementsAre("この文章には使えない文字が含まれています")) << "not in silence";
  input::type(view->SummaryBox(), QString::fromUtf8("漢字"));
  EXPECT_EQ(view->SummaryBox()->toPlainText(), QString::fromUtf8("abc漢字"));
}

TEST_F(GameOpeningTest, ASummaryThatDoesNotReadBackIsNeverOverwritten) {
  AddOtherGame();
  const std::vector<uint8_t> odd = {'a', 0x81, 0x0D, 0x0A, 0xFF, 'b'};
  writeFile(base / "Default" / "Readme.txt", odd);
  StartShown();
  input::retype(view->SummaryBox(), "new");
  OpenByList("Other");
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Readme.txt"), odd);
}

TEST_F(GameOpeningTest, ACorruptGameLeavesTheOpenOneOpenAndSavingAsBefore) {
  AddOtherGame();
  truncateToHalf(base / "Other" / "Data" / "Chara.Dat");
  StartShown();
  const auto api = view->Session().Api();
  OpenByList("Other");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(boxes.shown[0].text, HasSubstr("Chara.Dat"));
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
  EXPECT_EQ(GameFolder, "Default\\");
  EXPECT_EQ(view->Session().Api(), api);
  EXPECT_BYTES_EQ(readFile(base / "Editor" / "GamePath.dat"), gamePath("Default\\"));
  const auto corrupt = readFile(base / "Other" / "Data" / "Chara.Dat");
  const auto good = readFile(base / "Default" / "Data" / "Chara.Dat");
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(boxes.shown.back().text, "保存が完了しました！");
  EXPECT_BYTES_EQ(readFile(base / "Other" / "Data" / "Chara.Dat"), corrupt);
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Data" / "Chara.Dat"), good);
}

TEST_F(GameOpeningTest, WithoutAGoodDefaultNoGameIsOpen) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> spoil;
    const char* named;
  };
  const std::vector<Case> cases = {
      {"missing", [](const std::filesystem::path& b) { std::filesystem::remove_all(b / "Default"); }, "Default"},
      {"corrupt", [](const std::filesystem::path& b) { truncateToHalf(b / "Default" / "Data" / "Chara.Dat"); },
       "Chara.Dat"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.spoil(base);
    boxes.shown.clear();
    Start();
    ShowActive();
    EXPECT_EQ(view->windowTitle(), "ZelvoEditor");
    EXPECT_FALSE(view->Session().IsOpen());
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_THAT(boxes.shown[0].text, HasSubstr(c.named));
    EXPECT_FALSE(std::filesystem::exists(base / "Editor" / "GamePath.dat"));
    input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(boxes.shown.back().text, "開いているゲームがありません");
    Stop();
    tools::writeDefaultGame(base / "Default");
  }
}

TEST_F(GameOpeningTest, AFileNamedEditorIsReportedAndTheEditorGoesOn) {
  std::ofstream(base / "Editor") << "not a folder";
  StartShown();
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_THAT(boxes.shown[0].text, HasSubstr("Editor"));
  input::key(view->GameList(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(boxes.shown.back().text, "保存が完了しました！");
  Stop();
  EXPECT_EQ(boxes.shown.back().text, "Editor\\Desktop.INIに書き込めませんでした");
  EXPECT_TRUE(std::filesystem::is_regular_file(base / "Editor"));
}

TEST_F(GameOpeningTest, HostilePlaceAndSkinFilesAreSurvived) {
  std::filesystem::create_directories(base / "Editor");
  std::ofstream(base / "Editor" / "Desktop.INI", std::ios::binary)
      << "[ZEView]\r\nLeft=-2147483648\r\nTop=99999999999999\r\nWidth=2147483647\r\nHeight=-5\r\nState=77\r\n"
      << std::string("\0\xFF\x81[", 4) << "\r\n[ZEView\r\n=\r\n";
  std::ofstream(base / "Skin" / "Skin.ini", std::ios::binary) << "[Main]\r\nFolder=..\\..\\etc\\\r\n\xFF\xFE";
  Start();
  view->show();
  EXPECT_EQ(SkinFolder, "Skin\\Default\\");
  EXPECT_TRUE(DesktopArea().intersects(view->geometry()));
  EXPECT_LE(view->width(), DesktopArea().width());
  EXPECT_LE(view->height(), DesktopArea().height());
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor - Default");
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

using SkinChoiceTest = EditorProgramTest;

TEST_F(SkinChoiceTest, AnotherSkinReachesTheSkinDrawingWindowsAtOnce) {
  tools::writeDefaultSkin(base / "Skin" / "Other");
  QImage green(96, 16, QImage::Format_RGB32);
  green.fill(QColor(0, 255, 0));
  ASSERT_TRUE(green.save(QString::fromStdString((base / "Skin" / "Other" / "LayerIcon.bmp").string()), "BMP"));
  Start();
  ShowActive();
  ASSERT_FALSE(windows->layers->Icons().empty());
  EXPECT_NE(windows->layers->Icons()[0].pixel(8, 8), QColor(0, 255, 0).rgb());
  QWidget* shown = nullptr;
  input::whenModalOpens([&](QWidget* modal) {
    shown = modal;
    QListWidget& list = *windows->skinView->SkinList();
    for (int row = 0; row < list.count(); ++row)
      if (list.item(row)->text() == "Other") input::click(&list, list.item(row));
    input::click(windows->skinView->OkButton());
  });
  // "編集" > "環境設定(&O)" > "外観（スキン）(&S)", as a person opens it.
  QMenuBar* bar = view->menuBar();
  QAction* edit = bar->actions().at(1);
  input::click(bar, bar->actionGeometry(edit).center());
  QMenu* settings = edit->menu()->actions().at(0)->menu();
  ASSERT_NE(settings, nullptr);
  input::clickMenuItem(edit->menu(), settings->menuAction());
  input::clickMenuItem(settings, view->SkinAction());
  EXPECT_EQ(shown, windows->skinView.get());
  EXPECT_EQ(SkinFolder, "Skin\\Other\\");
  ASSERT_FALSE(windows->layers->Icons().empty());
  EXPECT_EQ(windows->layers->Icons()[0].pixel(8, 8), QColor(0, 255, 0).rgb());
}

}  // namespace
}  // namespace zelvo::test
