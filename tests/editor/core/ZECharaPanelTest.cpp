#include "editor/core/ZECharaPanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "editor/core/ZEPartyPanel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoPartyModel.h"

namespace zelvo::test {
namespace {

class CharaPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "人"));
    api->GetCollisionList()->Add(named(factory.CreateCollisionModel(), "大"));
    api->GetDAnimationList()->Add(named(factory.CreateDAnimationModel(), "歩行"));
    api->GetCharaList()->Add(named(factory.CreateCharaModel(), "勇者"));
    panel.setTreeDesigner(&designer);
    panel.setEditorOpener([this](uint32_t code) { codes.push_back(code); });
    panel.setCapabilityOpener([this](const std::shared_ptr<IZelvoCapabilityModel>& c) { capabilities.push_back(c); });
  }
  std::shared_ptr<IZelvoCharaModel> chara(int32_t index) { return api->GetCharaList()->GetItem(index); }
  TZEPlainTree charas, parts;
  TZECharaPanel panel{charas, parts};
  std::vector<uint32_t> codes;
  std::vector<std::shared_ptr<IZelvoCapabilityModel>> capabilities;
};

TEST_F(CharaPanelTest, ThePartsTreeShowsTheChosenKind) {
  EXPECT_EQ(panel.ShownParts(), TZECharaPanel::Parts::Styles);
  struct Case {
    TZECharaPanel::Parts parts;
    int32_t count, icon;
  };
  for (const Case& c : {Case{TZECharaPanel::Parts::Collisions, 2, 9}, Case{TZECharaPanel::Parts::DAnimations, 1, 8}}) {
    panel.ShowParts(c.parts);
    ASSERT_EQ(parts.GetTopLevelCount(), c.count);
    EXPECT_EQ(top(parts, 0)->GetIcon(), c.icon);
  }
  panel.setTreeDesigner(&designer);  // a fresh opening starts with the styles again
  EXPECT_EQ(panel.ShownParts(), TZECharaPanel::Parts::Styles);
}

TEST_F(CharaPanelTest, DroppingAPartLinksItToTheChara) {
  panel.ShowParts(TZECharaPanel::Parts::Collisions);
  IZETreeNode* hero = top(charas, 0);
  panel.Drop(hero->GetChild(0), top(parts, 1));  // onto a node right below the chara
  EXPECT_EQ(chara(0)->GetCollision(), api->GetCollisionList()->GetItem(1));
  EXPECT_EQ(u8(TZETreeDesigner::FindChildByIcon(*hero, 9)->GetCaption()), "大");
}

TEST_F(CharaPanelTest, DoubleClicksOpenTheCapabilityOrThePartsEditor) {
  IZETreeNode* capability = TZETreeDesigner::FindChildByIcon(*top(charas, 0), ZEIcon::Capability);
  ASSERT_NE(capability, nullptr);
  panel.DoubleClickChara(capability);
  panel.DoubleClickChara(top(charas, 0));  // the chara itself opens nothing
  ASSERT_EQ(capabilities.size(), 1u);
  EXPECT_EQ(capabilities[0], chara(0)->GetCapability());

  panel.ShowParts(TZECharaPanel::Parts::DAnimations);
  panel.DoubleClickPart(top(parts, 0));
  panel.DoubleClickPart(nullptr);
  EXPECT_EQ(codes, (std::vector<uint32_t>{8}));
}

TEST_F(CharaPanelTest, RenamingOnlyRenamesCharaNodes) {
  IZETreeNode* hero = top(charas, 0);
  panel.Rename(*hero, sj("王"));
  EXPECT_EQ(u8(chara(0)->GetName()), "王");
  panel.Rename(*TZETreeDesigner::FindChildByIcon(*hero, 9), sj("別"));
  EXPECT_EQ(u8(api->GetCollisionList()->GetItem(0)->GetName()), "人");
}

TEST_F(CharaPanelTest, NewAndDelete) {
  panel.NewChara();
  ASSERT_EQ(api->GetCharaList()->GetCount(), 2);
  charas.SetSelected(top(charas, 0)->GetChild(0));  // a part below the chara deletes the chara
  panel.DeleteSelected();
  ASSERT_EQ(api->GetCharaList()->GetCount(), 1);
  EXPECT_EQ(charas.GetTopLevelCount(), 1);
}

TEST_F(CharaPanelTest, PartyMembersComeByDragAndGoByDelete) {
  TZEPlainTree list, party;
  TZEPartyPanel partyPanel(list, party);
  partyPanel.setTreeDesigner(&designer);
  ASSERT_EQ(list.GetTopLevelCount(), 1);
  EXPECT_EQ(party.GetTopLevelCount(), 0);
  partyPanel.Drop(top(list, 0));
  partyPanel.Drop(nullptr);
  ASSERT_EQ(api->GetParty()->GetCount(), 1);
  ASSERT_EQ(party.GetTopLevelCount(), 1);
  partyPanel.setTreeDesigner(&designer);
  EXPECT_EQ(party.GetTopLevelCount(), 1);
  partyPanel.RemoveSelected();  // nothing selected
  EXPECT_EQ(api->GetParty()->GetCount(), 1);
  party.SetSelected(top(party, 0));
  partyPanel.RemoveSelected();
  EXPECT_EQ(api->GetParty()->GetCount(), 0);
  EXPECT_EQ(party.GetTopLevelCount(), 0);
}

}  // namespace
}  // namespace zelvo::test
