#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

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

void pressDelete(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

TEST_F(DatabaseViewTest, CapabilityEditorStoresNonNumbersAsOne) {
  auto capability = factory.CreateCapabilityModel();
  capability->SetValue(2, 30);
  TZECapabilityEditor editor;
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("能力エディタ"));
  editor.setModel(capability);
  EXPECT_EQ(editor.field(2)->text(), QStringLiteral("30"));
  EXPECT_EQ(editor.field(2)->objectName(), QStringLiteral("Edit3"));
  editor.field(0)->setText(QStringLiteral("abc"));
  editor.field(16)->setText(QStringLiteral("9"));
  editor.accept();
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
  QTreeWidget* tree = view.tree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  tree->setCurrentItem(tree->topLevelItem(0));
  view.field(0)->setText(QStringLiteral("x"));
  view.field(16)->setText(QStringLiteral("12"));
  tree->setCurrentItem(tree->topLevelItem(1));
  auto fire = api->GetAttributeList()->GetItem(0);
  EXPECT_EQ(fire->GetAttack(0), 100);
  EXPECT_EQ(fire->GetDefence(0), 12);
  tree->topLevelItem(1)->setText(0, QStringLiteral("雷"));
  EXPECT_EQ(u8(api->GetAttributeList()->GetItem(1)->GetName()), "雷");
  view.newButton()->click();
  EXPECT_EQ(api->GetAttributeList()->GetCount(), 3);
  tree->setCurrentItem(tree->topLevelItem(0));
  view.deleteButton()->click();
  EXPECT_EQ(api->GetAttributeList()->GetCount(), 2);
  view.reject();
}

TEST_F(DatabaseViewTest, ConditionViewOpensTheDetailOnDoubleClick) {
  auto condition = named(factory.CreateConditionModel(), "扉");
  api->GetConditionList()->Add(condition);
  TZEConditionView view;
  std::vector<std::shared_ptr<IZelvoConditionModel>> opened;
  view.setDetailOpener([&](const std::shared_ptr<IZelvoConditionModel>& c) { opened.push_back(c); });
  view.setTreeDesigner(&designer);
  ASSERT_EQ(view.tree()->topLevelItemCount(), 1);
  emit view.tree()->itemDoubleClicked(view.tree()->topLevelItem(0), 0);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], condition);
  view.newButton()->click();
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
  EXPECT_EQ(view.itemTree()->currentItem(), view.itemTree()->topLevelItem(0));
  EXPECT_EQ(view.kindList()->currentText(), QStringLiteral("変数"));
  EXPECT_EQ(view.firstField()->text(), QStringLiteral("7"));
  view.firstField()->setText(QStringLiteral("5"));
  view.itemTree()->setCurrentItem(view.itemTree()->topLevelItem(1));
  EXPECT_EQ(condition->GetItem(0)->GetValue(), 5);
  EXPECT_EQ(condition->GetItem(0)->GetNumber(), 5);  // the one field stands for both
  EXPECT_EQ(view.firstField()->text(), QStringLiteral("3"));

  view.templateTree()->setCurrentItem(view.templateTree()->topLevelItem(0));
  emit view.templateTree()->itemDoubleClicked(view.templateTree()->topLevelItem(0), 0);
  ASSERT_EQ(condition->GetCount(), 3);
  EXPECT_EQ(condition->GetItem(2)->GetKind(), 0);
  pressDelete(view.itemTree());
  ASSERT_EQ(condition->GetCount(), 2);
  EXPECT_EQ(condition->GetItem(1)->GetKind(), 0);
  view.reject();
}

TEST_F(DatabaseViewTest, GrossaryEditorShowsAndWritesItsLists) {
  TZEGrossaryEditor fresh;
  EXPECT_EQ(fresh.list(2)->toPlainText(), QStringLiteral("アイテム\nスキル\nステータス\nセーブ\nロード\n終了"));
  auto grossary = api->GetGrossary();
  grossary->SetText(20, sj("斬る\r\n守る\r\n").c_str());
  TZEGrossaryEditor editor;
  editor.setZMLZelvoAPI(api);
  EXPECT_EQ(editor.list(1)->toPlainText(), QStringLiteral("斬る\n守る"));
  editor.list(1)->setPlainText(QStringLiteral("突く\n逃げる\n"));
  editor.accept();
  const auto& lines = grossary->GetLines(20);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(u8(lines[1].c_str()), "逃げる");
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
  view.tree()->setCurrentItem(view.tree()->topLevelItem(0));
  EXPECT_EQ(view.patternCountEdit()->text(), QStringLiteral("4"));
  view.patternCountEdit()->setText(QStringLiteral("abc"));
  view.framesPerStepEdit()->setText(QStringLiteral("9"));
  view.directionToggle(10)->setChecked(true);
  view.reject();
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
  view.jobTree()->setCurrentItem(view.jobTree()->topLevelItem(0));
  view.conditionTree()->setCurrentItem(view.conditionTree()->topLevelItem(0));
  view.attributeTree()->setCurrentItem(view.attributeTree()->topLevelItem(0));
  view.jobTree()->setCurrentItem(view.jobTree()->topLevelItem(1));
  view.jobTree()->setCurrentItem(view.jobTree()->topLevelItem(0));
  EXPECT_EQ(view.conditionName()->text(), QStringLiteral("昼"));
  EXPECT_EQ(view.attributeName()->text(), QStringLiteral("炎"));
  view.jobTree()->topLevelItem(1)->setText(0, QStringLiteral("賢者"));
  EXPECT_EQ(u8(api->GetJobList()->GetItem(1)->GetName()), "賢者");
}

TEST_F(DatabaseViewTest, PartyViewAddsByDropAndRemovesByDeleteKey) {
  api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
  TZEPartyView view;
  view.setTreeDesigner(&designer);
  ASSERT_EQ(view.charaTree()->topLevelItemCount(), 1);
  view.dropChara(view.charaTree()->topLevelItem(0));
  ASSERT_EQ(api->GetParty()->GetCount(), 1);
  ASSERT_EQ(view.partyTree()->topLevelItemCount(), 1);
  view.partyTree()->setCurrentItem(view.partyTree()->topLevelItem(0));
  pressDelete(view.partyTree());
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
  EXPECT_TRUE(view.partsChoice(0)->isChecked());
  view.partsChoice(1)->setChecked(true);
  ASSERT_EQ(view.partTree()->topLevelItemCount(), 2);
  QTreeWidgetItem* hero = view.charaTree()->topLevelItem(0);
  view.dropPart(hero, view.partTree()->topLevelItem(1));
  auto chara = api->GetCharaList()->GetItem(0);
  EXPECT_EQ(chara->GetCollision(), api->GetCollisionList()->GetItem(1));

  emit view.partTree()->itemDoubleClicked(view.partTree()->topLevelItem(0), 0);
  EXPECT_EQ(codes, (std::vector<uint32_t>{9}));
  for (int i = 0; i < hero->childCount(); ++i) emit view.charaTree()->itemDoubleClicked(hero->child(i), 0);
  ASSERT_EQ(capabilities.size(), 1u);
  EXPECT_EQ(capabilities[0], chara->GetCapability());

  hero->setText(0, QStringLiteral("王"));
  EXPECT_EQ(u8(chara->GetName()), "王");
  view.newButton()->click();
  EXPECT_EQ(api->GetCharaList()->GetCount(), 2);
}

TEST_F(DatabaseViewTest, StatusAndStyleWindowsHaveTheirCaptions) {
  TZEStatusView status;
  EXPECT_EQ(status.windowTitle(), QStringLiteral("ステータス画面の編集"));
  status.show();
  status.okButton()->click();
  EXPECT_FALSE(status.isVisible());
  EXPECT_EQ(status.result(), QDialog::Accepted);
  TZEStyleEditorView style;
  EXPECT_EQ(style.windowTitle(), QStringLiteral("スタイルエディタ"));
}

}  // namespace
}  // namespace zelvo::test
