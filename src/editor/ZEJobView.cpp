#include "editor/ZEJobView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include "platform/gui/Text.h"

namespace zelvo {

namespace {

// The effect panel, which nothing reads yet.
QGroupBox* effectPanel(QWidget* parent) {
  auto* group = new QGroupBox(QString::fromUtf8("職業をつけることによる効果"), parent);
  auto* layout = new QGridLayout(group);
  layout->addWidget(new QLabel(QString::fromUtf8("効果対象"), group), 0, 0);
  layout->addWidget(new QLabel(QString::fromUtf8("効果数値"), group), 0, 1);
  for (int i = 0; i < 16; ++i) {
    layout->addWidget(new QLabel(QString::fromUtf8("能力%1 / 能力値上昇-能力%1").arg(i + 1), group), i + 1, 0);
    layout->addWidget(new QLineEdit(group), i + 1, 1);
  }
  return group;
}

}  // namespace

TZEJobView::TZEJobView(QWidget* parent)
    : TZEDatabaseDialog("職業エディタ", parent),
      jobTree_(plainTree(this)),
      conditionTree_(plainTree(this)),
      attributeTree_(plainTree(this)),
      jobs_(*jobTree_),
      conditions_(*conditionTree_),
      attributes_(*attributeTree_),
      panel_(jobs_, conditions_, attributes_) {
  jobTree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  conditionName_ = new QLabel(this);
  attributeName_ = new QLabel(this);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(jobTree_, 0, 0);
  layout->addWidget(new_, 1, 0);
  layout->addWidget(delete_, 2, 0);
  layout->addWidget(conditionTree_, 0, 1);
  layout->addWidget(conditionName_, 1, 1);
  layout->addWidget(attributeTree_, 0, 2);
  layout->addWidget(attributeName_, 1, 2);
  layout->addWidget(effectPanel(this), 0, 3, 3, 1);

  jobs_.WhenSelectionChanges(this, [this] {
    panel_.Select(jobs_.GetSelected());
    showNames();
  });
  jobs_.WhenRenamed(this, [this](IZETreeNode& node, const std::string& name) { panel_.Rename(node, name); });
  connect(new_, &QPushButton::clicked, this, [this] {
    panel_.NewModel();
    makeEditable(*jobTree_);
  });
  connect(delete_, &QPushButton::clicked, this, [this] { panel_.DeleteSelected(); });
}

void TZEJobView::setTreeDesigner(TZETreeDesigner* designer) {
  const QSignalBlocker blocker(jobTree_);
  panel_.setTreeDesigner(designer);
  makeEditable(*jobTree_);
  showNames();
}

void TZEJobView::setImageList(const std::function<QIcon(int32_t)>& icons) {
  for (TZETreeWidgetAdapter* tree : {&jobs_, &conditions_, &attributes_}) tree->SetIconSource(icons);
}

void TZEJobView::closing() {
  const QSignalBlocker blocker(jobTree_);
  panel_.Close(jobs_);
}

void TZEJobView::showNames() {
  conditionName_->setText(Text::fromCp932(panel_.conditionName));
  attributeName_->setText(Text::fromCp932(panel_.attributeName));
}

}  // namespace zelvo
