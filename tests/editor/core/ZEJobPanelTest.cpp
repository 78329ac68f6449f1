#include "editor/core/ZEJobPanel.h"

#include "editor/core/ZEDatabasePanelFixture.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoConditionModel.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoJobModel.h"

namespace zelvo::test {
namespace {

class JobPanelTest : public DatabasePanelTest {
 protected:
  void SetUp() override {
    api->GetJobList()->Add(named(factory.CreateJobModel(), "戦士"));
    api->GetJobList()->Add(named(factory.CreateJobModel(), "魔法使い"));
    api->GetConditionList()->Add(named(factory.CreateConditionModel(), "昼"));
    api->GetAttributeList()->Add(named(factory.CreateAttributeModel(), "炎"));
    panel.setTreeDesigner(&designer);
  }
  std::shared_ptr<IZelvoJobModel> job(int32_t index) { return api->GetJobList()->GetItem(index); }
  void select(IZETreeNode* node) {
    jobs.SetSelected(node);
    panel.Select(node);
  }
  TZEPlainTree jobs, conditions, attributes;
  TZEJobPanel panel{jobs, conditions, attributes};
};

TEST_F(JobPanelTest, FillsAllThreeTrees) {
  EXPECT_EQ(jobs.GetTopLevelCount(), 2);
  EXPECT_EQ(conditions.GetTopLevelCount(), 1);
  EXPECT_EQ(attributes.GetTopLevelCount(), 1);
}

TEST_F(JobPanelTest, TheJobShownBeforeTakesWhatIsSelectedInTheOtherTrees) {
  select(top(jobs, 0));
  conditions.SetSelected(top(conditions, 0));
  select(top(jobs, 1));
  EXPECT_EQ(job(0)->GetLinkedModel1(), api->GetConditionList()->GetItem(0));
  EXPECT_EQ(job(0)->GetLinkedModel2(), nullptr);  // nothing selected there
  EXPECT_TRUE(panel.conditionName.empty());

  attributes.SetSelected(top(attributes, 0));
  select(top(jobs, 0));
  EXPECT_EQ(job(1)->GetLinkedModel2(), api->GetAttributeList()->GetItem(0));
  EXPECT_EQ(u8(panel.conditionName), "昼");
  EXPECT_TRUE(panel.attributeName.empty());
}

TEST_F(JobPanelTest, RenameNewAndDeleteForgetTheShownJob) {
  panel.Rename(*top(jobs, 0), sj("騎士"));
  EXPECT_EQ(u8(job(0)->GetName()), "騎士");
  panel.NewModel();
  EXPECT_EQ(api->GetJobList()->GetCount(), 3);
  select(top(jobs, 0));
  conditions.SetSelected(top(conditions, 0));
  auto gone = job(0);
  panel.DeleteSelected();
  EXPECT_EQ(api->GetJobList()->GetCount(), 2);
  panel.Close(jobs);
  EXPECT_EQ(gone->GetLinkedModel1(), nullptr);
}

}  // namespace
}  // namespace zelvo::test
