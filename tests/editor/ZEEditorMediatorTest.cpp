// Every editor code through the mediator, the condition detail, and test play in a stand-in player.

#include <gmock/gmock.h>

#include <QDeadlineTimer>
#include <QRadioButton>
#include <QThread>
#include <fstream>
#include <map>

#include "EditorProgramFixture.h"
#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorForm.h"
#include "editor/MoveTypeView.h"
#include "editor/ZEAnimeEditorView.h"
#include "editor/ZEAttributeView.h"
#include "editor/ZECharaView.h"
#include "editor/ZECollisionView.h"
#include "editor/ZEConditionDetailView.h"
#include "editor/ZEConditionView.h"
#include "editor/ZEDAnimeView.h"
#include "editor/ZEEventEditorView.h"
#include "editor/ZEFView.h"
#include "editor/ZEGrossaryEditor.h"
#include "editor/ZEJobView.h"
#include "editor/ZEMaterialView.h"
#include "editor/ZEPartyView.h"
#include "editor/ZEStatusView.h"
#include "editor/core/ZEMoveTypeEditor.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "support/Bytes.h"

namespace zelvo::test {
namespace {

using ::testing::ElementsAre;
using MediatorTest = EditorProgramTest;
namespace input = test::input;

TEST_F(MediatorTest, EachCodeOpensItsWindowModallyOrNothing) {
  Start();
  ASSERT_NE(windows->mapEditor, nullptr) << "the program builds the map editor window in";
  const std::map<uint32_t, QWidget*> expected = {
      {1, windows->mapEditor.get()},       {2, windows->eventEditorView.get()}, {3, windows->charaView.get()},      {6, windows->animeEditorView.get()},
      {8, windows->dAnimeView.get()},      {9, windows->collisionView.get()},  {11, windows->statusView.get()},
      {12, windows->folderView.get()},     {18, windows->materialView.get()},  {19, windows->partyView.get()},
      {21, windows->jobView.get()},        {22, windows->moveTypeView.get()},  {24, windows->attributeView.get()},
      {25, windows->conditionView.get()},  {26, windows->grossaryEditor.get()}, {32, windows->chipSetEditor.get()}};
  for (uint32_t code = 0; code <= 40; ++code) {
    if (code == TZEEditorMediator::kTestPlay) continue;
    SCOPED_TRACE(code);
    bool modal = false;
    QWidget* shown = ModalShownBy([&] { view->Mediator().OpenEditor(code); },
                                  [&](QWidget& window) { modal = window.isModal() || window.windowModality() != Qt::NonModal; });
    auto it = expected.find(code);
    EXPECT_EQ(shown, it == expected.end() ? nullptr : it->second);
    if (shown) {
      EXPECT_TRUE(modal);
      EXPECT_FALSE(shown->isVisible());
    }
  }
  EXPECT_TRUE(boxes.shown.empty()) << (boxes.shown.empty() ? "" : boxes.shown.front().text);
}

TEST_F(MediatorTest, TheWindowsGetTheOpenGame) {
  Start();
  std::shared_ptr<IZelvoMoveTypeList> shownList;
  ModalShownBy([&] { view->Mediator().OpenEditor(22); },
               [&](QWidget&) { shownList = TZEMoveTypeEditor::Global().GetList(); });
  EXPECT_EQ(shownList, view->Session().Api()->GetMoveTypeList());
}

TEST_F(MediatorTest, AWindowShowingAlreadyIsNotShownAgain) {
  Start();
  int nested = 0;
  QWidget* shown = ModalShownBy([&] { view->Mediator().OpenEditor(12); }, [&](QWidget&) {
    QWidget* again = ModalShownBy([&] { view->Mediator().OpenEditor(12); });
    if (again) ++nested;
  });
  EXPECT_EQ(shown, windows->folderView.get());
  EXPECT_EQ(nested, 0);
}

TEST_F(MediatorTest, TheCharaEditorOpensFurtherEditorsThroughTheSameMediator) {
  Start();
  QWidget* nested = nullptr;
  QWidget* shown = ModalShownBy([&] { view->Mediator().OpenEditor(3); }, [&](QWidget&) {
    TZECharaView& charas = *windows->charaView;
    input::click(charas.partsChoice(1));  // "あたり判定"
    QTreeWidget& parts = *charas.partTree();
    ASSERT_GT(parts.topLevelItemCount(), 0);
    nested = ModalShownBy([&] { doubleClickNode(parts, parts.topLevelItem(0)); });
  });
  EXPECT_EQ(shown, windows->charaView.get());
  EXPECT_EQ(nested, windows->collisionView.get());
}

TEST_F(MediatorTest, TheTreeOpensAnEditorByItsNode) {
  Start();
  view->show();
  QTreeWidgetItem* node = findNode(*view->EditorTree(), QString::fromUtf8("用語エディタ"));
  ASSERT_NE(node, nullptr);
  QWidget* shown = ModalShownBy([&] { doubleClickNode(*view->EditorTree(), node); });
  EXPECT_EQ(shown, windows->grossaryEditor.get());
}

TEST_F(MediatorTest, TheConditionDetailOpensForOneCondition) {
  Start();
  EXPECT_EQ(ModalShownBy([&] { view->Mediator().OpenConditionDetail(nullptr); }), nullptr);
  auto condition = std::make_shared<TZelvoConditionModel>();
  view->Session().Api()->GetConditionList()->Add(condition);
  EXPECT_EQ(ModalShownBy([&] { view->Mediator().OpenConditionDetail(condition); }),
            windows->conditionDetailView.get());
}

TEST_F(MediatorTest, WithNoGameOpenTheEditorsAndTestPlaySaySo) {
  std::filesystem::remove_all(base / "Default");
  Start();
  EXPECT_EQ(view->windowTitle(), "ZelvoEditor");
  boxes.shown.clear();
  EXPECT_EQ(ModalShownBy([&] { view->Mediator().OpenEditor(26); }), nullptr);
  view->Mediator().OpenEditor(TZEEditorMediator::kTestPlay);
  showForInput(*view);
  input::key(view->EditorTree(), Qt::Key_S, Qt::ControlModifier);  // "保存", as the menu shows it
  EXPECT_THAT(Texts(), ElementsAre("開いているゲームがありません", "開いているゲームがありません",
                                   "開いているゲームがありません"));
}

// A stand-in player that writes where it was started and how many arguments it got.
void writeStandIn(const std::filesystem::path& file, bool executable = true) {
  std::ofstream(file) << "#!/bin/sh\npwd > started.txt\necho \"$#\" >> started.txt\n";
  std::filesystem::permissions(file,
                               executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read |
                                                                                    std::filesystem::perms::owner_write);
}

std::string waitForFile(const std::filesystem::path& file) {
  QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    if (text.find('\n') != std::string::npos && text.find('\n') + 1 < text.size() && text.back() == '\n') return text;
    QCoreApplication::processEvents();
    QThread::yieldCurrentThread();
  }
  return {};
}

TEST_F(MediatorTest, TestPlayStartsThePlayerBesideTheEditorWithoutArguments) {
  writeStandIn(base / "RunZelvo3");
  Start();
  const auto before = readFile(base / "Default" / "Data" / "Chara.Dat");
  view->Mediator().OpenEditor(TZEEditorMediator::kTestPlay);
  EXPECT_TRUE(boxes.shown.empty());
  const std::string record = waitForFile(base / "started.txt");
  EXPECT_EQ(record, std::filesystem::canonical(base).string() + "\n0\n");
  // Nothing was saved first, and the editor goes on at once.
  EXPECT_BYTES_EQ(readFile(base / "Default" / "Data" / "Chara.Dat"), before);
  EXPECT_EQ(ModalShownBy([&] { view->Mediator().OpenEditor(12); }), windows->folderView.get());
}

TEST_F(MediatorTest, TestPlayWarnsWhenThePlayerIsMissingOrCannotStart) {
  Start();
  view->Mediator().OpenEditor(TZEEditorMediator::kTestPlay);
  writeStandIn(base / "RunZelvo3", false);
  view->Mediator().OpenEditor(TZEEditorMediator::kTestPlay);
  EXPECT_THAT(Texts(), ElementsAre("エディタと同じフォルダにRunZelvo3が必要です", "RunZelvo3を起動できませんでした"));
  EXPECT_FALSE(std::filesystem::exists(base / "started.txt"));
}

}  // namespace
}  // namespace zelvo::test
