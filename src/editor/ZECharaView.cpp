#include "editor/ZECharaView.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "editor/ZEEditorMediator.h"

namespace zelvo {

TZECharaView::TZECharaView(QWidget* parent)
    : TZEDatabaseDialog("キャラクターエディタ", parent),
      charaTree_(plainTree(this)),
      partTree_(plainTree(this)),
      charas_(*charaTree_),
      parts_(*partTree_),
      panel_(charas_, parts_),
      capability_(this) {
  charaTree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  charaTree_->setAcceptDrops(true);
  charaTree_->viewport()->installEventFilter(this);
  partTree_->setDragEnabled(true);
  partTree_->setDragDropMode(QAbstractItemView::DragOnly);
  new_ = new QPushButton(QString::fromUtf8("新規作成"), this);
  delete_ = new QPushButton(QString::fromUtf8("削除"), this);
  auto* list = new QGroupBox(QString::fromUtf8("キャラ一覧"), this);
  (new QVBoxLayout(list))->addWidget(charaTree_);
  auto* layout = new QGridLayout(this);
  layout->addWidget(list, 0, 0, 1, 2);
  layout->addWidget(new_, 1, 0);
  layout->addWidget(delete_, 1, 1);
  layout->addWidget(new QPushButton(QString::fromUtf8("職業"), this), 2, 0);  // no action yet
  layout->addWidget(new QPushButton(QString::fromUtf8("属性"), this), 2, 1);
  const char* kinds[] = {"スタイル", "あたり判定", "方向付きアニメ"};
  auto* choices = new QVBoxLayout;
  for (size_t i = 0; i < choices_.size(); ++i) {
    choices_[i] = new QRadioButton(QString::fromUtf8(kinds[i]), this);
    choices->addWidget(choices_[i]);
    connect(choices_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) panel_.ShowParts(static_cast<TZECharaPanel::Parts>(i));
    });
  }
  layout->addLayout(choices, 0, 2);
  layout->addWidget(partTree_, 0, 3, 3, 1);

  charas_.WhenRenamed(this, [this](IZETreeNode& node, const std::string& name) { panel_.Rename(node, name); });
  connect(charaTree_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { panel_.DoubleClickChara(charas_.NodeOf(item)); });
  connect(partTree_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { panel_.DoubleClickPart(parts_.NodeOf(item)); });
  connect(new_, &QPushButton::clicked, this, [this] {
    panel_.NewChara();
    makeEditable(*charaTree_);
  });
  connect(delete_, &QPushButton::clicked, this, [this] { panel_.DeleteSelected(); });
  panel_.setCapabilityOpener([this](const std::shared_ptr<IZelvoCapabilityModel>& capability) {
    capability_.setModel(capability);
    capability_.exec();
  });
}

void TZECharaView::setTreeDesigner(TZETreeDesigner* designer) {
  {
    const QSignalBlocker blocker(choices_[0]);
    choices_[0]->setChecked(true);
  }
  panel_.setTreeDesigner(designer);
  makeEditable(*charaTree_);
}

void TZECharaView::setEditorMediator(TZEEditorMediator* mediator) {
  if (!mediator) {
    panel_.setEditorOpener({});
    return;
  }
  panel_.setEditorOpener([mediator](uint32_t code) { mediator->OpenEditor(code); });
}

void TZECharaView::setImageList(const std::function<QIcon(int32_t)>& icons) {
  charas_.SetIconSource(icons);
  parts_.SetIconSource(icons);
}

bool TZECharaView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != charaTree_->viewport()) return TZEDatabaseDialog::eventFilter(watched, event);
  return takeDropFrom(event, partTree_, [this](QDropEvent& drop) {
    dropPart(charaTree_->itemAt(drop.position().toPoint()), partTree_->currentItem());
  });
}

}  // namespace zelvo
