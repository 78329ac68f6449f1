#include <QApplication>
#include <functional>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/ZEAttributeView.h"
#include "editor/ZECapabilityEditor.h"
#include "editor/ZECharaView.h"
#include "editor/ZEConditionDetailView.h"
#include "editor/ZEConditionView.h"
#include "editor/ZEDAnimeView.h"
#include "editor/ZEDatabaseViewFixture.h"
#include "editor/ZEGrossaryEditor.h"
#include "editor/ZEJobView.h"
#include "editor/ZEPartyView.h"
#include "editor/ZEStatusView.h"
#include "editor/ZEStyleEditorView.h"
#include "input/UserInput.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoGrossaryModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoPartyModel.h"

namespace zelvo::test {
namespace {

// Renames a node in place as a person does: a click on it, F2, the new name and Return.
void renameInPlace(QTreeWidget* tree, QTreeWidgetItem* item, const QString& name) {
  if (tree->currentItem() != item) input::click(tree, item);
  input::key(tree, Qt::Key_F2);
  QWidget* editor = tree->window()->focusWidget();
  ASSERT_NE(editor, tree) << "no editor opened";
  input::retype(editor, name);
  input::key(editor, Qt::Key_Return);
}

TEST_F(DatabaseViewTest, CapabilityEditorStoresNonNumbersAsOne) {
  auto capability = factory.CreateCapabilityModel();
  capability->SetValue(2, 30);
  TZECapabilityEditor editor;
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("能力エディタ"));
  editor.setModel(capability);
  editor.show();
  EXPECT_EQ(editor.field(2)->text(), QStringLiteral("30"));
  EXPECT_EQ(editor.field(2)->objectName(), QStringLiteral("Edit3"));
  input::retype(editor.field(0), QStringLiteral("abc"));
  input::retype(editor.field(16), QStringLiteral("9"));
  input::key(editor.field(16), Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(capability->GetValue(0), 1);
  EXPECT_EQ(capability->GetGrowth(0), 9);
  EXPECT_EQ(capability->GetValue(2), 30);

  editor.setModel(nullptr);  // closes at once, writing nothing
  EXPECT_EQ(editor.exec(), QDialog::Rejected);
  EXPECT_EQ(capability->GetGrowth(0), 9);
}

TEST_F(DatabaseViewTest, AttributeViewWritesOnSelectionChangeAndRenames) {
  api->GetAttributeList()->Add(named(factory.CreateAttributeModel(), "炎"));
  api->GetAttributeList()->Add(named(factory.CreateAttributeModel(), "氷"));
  TZEAttributeView view;
  view.setTreeDesigner(&designer);
  view.show();
  QTreeWidget* tree = view.tree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  input::click(tree, tree->topLevelItem(0));
  input::retype(view.field(0), QStringLiteral("x"));
  input::retype(view.field(16), QStringLiteral("12"));
  input::click(tree, tree->topLevelItem(1));
  auto fire = api->GetAttributeList()->GetItem(0);
  EXPECT_EQ(fire->GetAttack(0), 100);
  EXPECT_EQ(fire->GetDefence(0), 12);
  renameInPlace(tree, tree->topLevelItem(1), QStringLiteral("雷"));
  EXPECT_EQ(u8(api->GetAttributeList()->GetItem(1)->GetName()), "雷");
  input::click(view.newButton());
  EXPECT_EQ(api->GetAttributeList()->GetCount(), 3);
  input::click(tree, tree->topLevelItem(0));
  input::click(view.deleteButton());
  EXPECT_EQ(api->GetAttributeList()->GetCount(), 2);
  input::key(tree, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
}

TEST_F(DatabaseViewTest, ConditionViewOpensTheDetailOnDoubleClick) {
  auto condition = named(factory.CreateConditionModel(), "扉");
  api->GetConditionList()->Add(condition);
  TZEConditionView view;
  std::vector<std::shared_ptr<IZelvoConditionModel>> opened;
  view.setDetailOpener([&](const std::shared_ptr<IZelvoConditionModel>& c) { opened.push_back(c); });
  view.setTreeDesigner(&designer);
  view.show();
  ASSERT_EQ(view.tree()->topLevelItemCount(), 1);
  input::doubleClick(view.tree(), view.tree()->topLevelItem(0));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], condition);
  input::click(view.newButton());
  EXPECT_EQ(api->GetConditionList()->GetCount(), 2);
}

TEST_F(DatabaseViewTest, ConditionDetailWritesFieldsAndDeletesByKey) {
  auto condition = factory.CreateConditionModel();
  for (int kind : {1, 0}) {
    auto item = factory.CreateConditionModelItem();
    item->SetKind(kind);
    item->SetNumber(3);
    item->SetValue(7);
    condition->Add(item);
  }
  TZEConditionDetailView view;
  view.setCondition(condition);
  view.setTreeDesigner(&designer);
  view.show();
  EXPECT_EQ(view.itemTree()->currentItem(), view.itemTree()->topLevelItem(0));
  EXPECT_EQ(view.kindList()->currentText(), QStringLiteral("変数"));
  EXPECT_EQ(view.firstField()->text(), QStringLiteral("7"));
  input::retype(view.firstField(), QStringLiteral("5"));
  input::click(view.itemTree(), view.itemTree()->topLevelItem(1));
  EXPECT_EQ(condition->GetItem(0)->GetValue(), 5);
  EXPECT_EQ(condition->GetItem(0)->GetNumber(), 5);  // the one field stands for both
  EXPECT_EQ(view.firstField()->text(), QStringLiteral("3"));

  input::doubleClick(view.templateTree(), view.templateTree()->topLevelItem(0));
  ASSERT_EQ(condition->GetCount(), 3);
  EXPECT_EQ(condition->GetItem(2)->GetKind(), 0);
  input::key(view.itemTree(), Qt::Key_Delete);
  ASSERT_EQ(condition->GetCount(), 2);
  EXPECT_EQ(condition->GetItem(1)->GetKind(), 0);
  input::key(view.itemTree(), Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
}

TEST_F(DatabaseViewTest, GrossaryEditorShowsAndWritesItsLists) {
  TZEGrossaryEditor fresh;
  EXPECT_EQ(fresh.list(2)->toPlainText(), QStringLiteral("アイテム\nスキル\nステータス\nセーブ\nロード\n終了"));
  auto grossary = api->GetGrossary();
  grossary->SetText(20, sj("斬る\r\n守る\r\n").c_str());
  TZEGrossaryEditor editor;
  editor.setZMLZelvoAPI(api);
  editor.show();
  EXPECT_EQ(editor.list(1)->toPlainText(), QStringLiteral("斬る\n守る"));
  input::retype(editor.list(1), QStringLiteral("突く\n逃げる\n"));
  input::key(editor.list(1), Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  const auto& lines = grossary->GetLines(20);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(u8(lines[1].c_str()), "逃げる");
}

// One line CP932 cannot hold keeps the window open with the warning and the list as typed, so no
// edit of the list is lost; mended, every line of it is written.
TEST_F(DatabaseViewTest, GrossaryEditorRefusesALineTheFileCannotHold) {
  auto grossary = api->GetGrossary();
  grossary->SetText(20, sj("斬る\r\n守る\r\n").c_str());
  TZEGrossaryEditor editor;
  editor.setZMLZelvoAPI(api);
  editor.show();
  input::retype(editor.list(1), QString::fromUtf8("突く\n€\n逃げる"));
  input::key(editor.list(1), Qt::Key_Escape);
  EXPECT_TRUE(editor.isVisible());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "この名前には使えない文字が含まれています");
  EXPECT_EQ(boxes.shown[0].caption, "用語エディタ");
  EXPECT_EQ(editor.list(1)->toPlainText(), QString::fromUtf8("突く\n€\n逃げる"));
  ASSERT_EQ(grossary->GetLines(20).size(), 2u);
  EXPECT_EQ(u8(grossary->GetLines(20)[0].c_str()), "斬る");

  input::retype(editor.list(1), QString::fromUtf8("突く\n円\n逃げる"));
  input::key(editor.list(1), Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  const auto& lines = grossary->GetLines(20);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(u8(lines[1].c_str()), "円");
}

TEST_F(DatabaseViewTest, DAnimeViewFillsOnShowAndSkipsBadNumbers) {
  auto anime = named(factory.CreateDAnimationModel(), "歩行");
  anime->SetPatternCount(4);
  api->GetDAnimationList()->Add(anime);
  TZEDAnimeView view;
  view.setZMLZelvoAPI(api);
  view.setTreeDesigner(&designer);
  EXPECT_EQ(view.tree()->topLevelItemCount(), 0);
  view.show();
  ASSERT_EQ(view.tree()->topLevelItemCount(), 1);
  EXPECT_EQ(view.directionToggle(8), nullptr);
  input::click(view.tree(), view.tree()->topLevelItem(0));
  EXPECT_EQ(view.patternCountEdit()->text(), QStringLiteral("4"));
  EXPECT_EQ(view.nameEdit()->text(), QString::fromUtf8("歩行"));
  input::retype(view.patternCountEdit(), QStringLiteral("abc"));
  input::retype(view.framesPerStepEdit(), QStringLiteral("9"));
  input::click(view.directionToggle(10));
  input::key(view.framesPerStepEdit(), Qt::Key_Escape);
  EXPECT_EQ(anime->GetPatternCount(), 4);
  EXPECT_EQ(anime->GetFramesPerStep(), 9);
  EXPECT_TRUE(anime->GetDirectionEnabled(10));
}

TEST_F(DatabaseViewTest, JobViewLinksTheSelectedConditionAndAttribute) {
  api->GetJobList()->Add(named(factory.CreateJobModel(), "戦士"));
  api->GetJobList()->Add(named(factory.CreateJobModel(), "僧侶"));
  api->GetConditionList()->Add(named(factory.CreateConditionModel(), "昼"));
  api->GetAttributeList()->Add(named(factory.CreateAttributeModel(), "炎"));
  TZEJobView view;
  view.setTreeDesigner(&designer);
  view.show();
  input::click(view.jobTree(), view.jobTree()->topLevelItem(0));
  input::click(view.conditionTree(), view.conditionTree()->topLevelItem(0));
  input::click(view.attributeTree(), view.attributeTree()->topLevelItem(0));
  input::click(view.jobTree(), view.jobTree()->topLevelItem(1));
  input::click(view.jobTree(), view.jobTree()->topLevelItem(0));
  EXPECT_EQ(view.conditionName()->text(), QStringLiteral("昼"));
  EXPECT_EQ(view.attributeName()->text(), QStringLiteral("炎"));
  renameInPlace(view.jobTree(), view.jobTree()->topLevelItem(1), QStringLiteral("賢者"));
  EXPECT_EQ(u8(api->GetJobList()->GetItem(1)->GetName()), "賢者");
}

TEST_F(DatabaseViewTest, PartyViewAddsByDropAndRemovesByDeleteKey) {
  api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
  TZEPartyView view;
  view.setTreeDesigner(&designer);
  ASSERT_EQ(view.charaTree()->topLevelItemCount(), 1);
  // The offscreen platform runs no drag between two widgets (QDrag::exec returns at once), so the
  // drop is handed over as the tree's drop handler hands it.
  view.dropChara(view.charaTree()->topLevelItem(0));
  ASSERT_EQ(api->GetParty()->GetCount(), 1);
  ASSERT_EQ(view.partyTree()->topLevelItemCount(), 1);
  view.show();
  input::click(view.partyTree(), view.partyTree()->topLevelItem(0));
  input::key(view.partyTree(), Qt::Key_Delete);
  EXPECT_EQ(api->GetParty()->GetCount(), 0);
  EXPECT_EQ(view.partyTree()->topLevelItemCount(), 0);
}

TEST_F(DatabaseViewTest, CharaViewLinksDroppedPartsAndOpensEditors) {
  api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "人"));
  api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "大"));
  api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
  TZECharaView view;
  std::vector<uint32_t> codes;
  std::vector<std::shared_ptr<IZelvoCapabilityModel>> capabilities;
  view.setEditorOpener([&](uint32_t code) { codes.push_back(code); });
  view.setCapabilityOpener([&](const std::shared_ptr<IZelvoCapabilityModel>& c) { capabilities.push_back(c); });
  view.setTreeDesigner(&designer);
  view.show();
  EXPECT_TRUE(view.partsChoice(0)->isChecked());
  input::click(view.partsChoice(1));
  ASSERT_EQ(view.partTree()->topLevelItemCount(), 2);
  QTreeWidgetItem* hero = view.charaTree()->topLevelItem(0);
  // The offscreen platform runs no drag between two widgets (QDrag::exec returns at once), so the
  // drop is handed over as the tree's drop handler hands it.
  view.dropPart(hero, view.partTree()->topLevelItem(1));
  auto chara = api->GetCharaList()->GetItem(0);
  EXPECT_EQ(chara->GetCollision(), api->GetCollisionList()->GetItem(1));

  input::doubleClick(view.partTree(), view.partTree()->topLevelItem(0));
  EXPECT_EQ(codes, (std::vector<uint32_t>{9}));
  hero->setExpanded(true);
  for (int i = 0; i < hero->childCount(); ++i) input::doubleClick(view.charaTree(), hero->child(i));
  ASSERT_EQ(capabilities.size(), 1u);
  EXPECT_EQ(capabilities[0], chara->GetCapability());

  renameInPlace(view.charaTree(), hero, QStringLiteral("王"));
  EXPECT_EQ(u8(chara->GetName()), "王");
  input::click(view.newButton());
  EXPECT_EQ(api->GetCharaList()->GetCount(), 2);
}

TEST_F(DatabaseViewTest, StatusAndStyleWindowsHaveTheirCaptions) {
  TZEStatusView status;
  EXPECT_EQ(status.windowTitle(), QStringLiteral("ステータス画面の編集"));
  status.show();
  input::click(status.okButton());
  EXPECT_FALSE(status.isVisible());
  EXPECT_EQ(status.result(), QDialog::Accepted);
  TZEStyleEditorView style;
  EXPECT_EQ(style.windowTitle(), QStringLiteral("スタイルエディタ"));
}

// A name typed in place that CP932 cannot hold is refused in every database tree: one warning,
// the model keeps its name, and the node shows it again.
TEST_F(DatabaseViewTest, ANameTypedInPlaceThatTheFilesCannotHoldIsRefusedInEveryTree) {
  api->GetAttributeList()->Add(named(factory.CreateAttributeModel(), "炎"));
  api->GetJobList()->Add(named(factory.CreateJobModel(), "戦士"));
  api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
  api->GetConditionList()->Add(named(factory.CreateConditionModel(), "扉"));
  TZEAttributeView attributes;
  TZEJobView jobs;
  TZECharaView charas;
  TZEConditionView conditions;
  struct Case {
    const char* editor;
    QWidget* view;
    std::function<void()> build;
    std::function<QTreeWidget*()> tree;
    std::function<std::string()> name;
  };
  const Case cases[] = {
      {"attributes", &attributes, [&] { attributes.setTreeDesigner(&designer); }, [&] { return attributes.tree(); },
       [&] { return u8(api->GetAttributeList()->GetItem(0)->GetName()); }},
      {"jobs", &jobs, [&] { jobs.setTreeDesigner(&designer); }, [&] { return jobs.jobTree(); },
       [&] { return u8(api->GetJobList()->GetItem(0)->GetName()); }},
      {"characters", &charas, [&] { charas.setTreeDesigner(&designer); }, [&] { return charas.charaTree(); },
       [&] { return u8(api->GetCharaList()->GetItem(0)->GetName()); }},
      {"conditions", &conditions, [&] { conditions.setTreeDesigner(&designer); }, [&] { return conditions.tree(); },
       [&] { return u8(api->GetConditionList()->GetItem(0)->GetName()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.editor);
    boxes.shown.clear();
    c.build();
    c.view->show();
    QTreeWidget* tree = c.tree();
    ASSERT_GT(tree->topLevelItemCount(), 0);
    QTreeWidgetItem* item = tree->topLevelItem(0);
    const std::string before = c.name();
    renameInPlace(tree, item, QString::fromUtf8("村€"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "この名前には使えない文字が含まれています");
    EXPECT_EQ(c.name(), before);
    EXPECT_EQ(item->text(0).toStdString(), before);
    renameInPlace(tree, item, QString::fromUtf8("村"));
    EXPECT_EQ(c.name(), "村");
    EXPECT_EQ(boxes.shown.size(), 1u);
    c.view->hide();
  }
}

}  // namespace
}  // namespace zelvo::test
