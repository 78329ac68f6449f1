#include "editor/ZEPartyView.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>

namespace zelvo {

namespace {

void addGroup(QWidget* parent, const char* title, QWidget* content, QHBoxLayout& layout) {
  auto* group = new QGroupBox(QString::fromUtf8(title), parent);
  (new QHBoxLayout(group))->addWidget(content);
  layout.addWidget(group);
}

}  // namespace

TZEPartyView::TZEPartyView(QWidget* parent)
    : TZEDatabaseDialog("パーティエディタ", parent),
      charaTree_(plainTree(this)),
      partyTree_(plainTree(this)),
      charas_(*charaTree_),
      party_(*partyTree_),
      panel_(charas_, party_) {
  auto* layout = new QHBoxLayout(this);
  addGroup(this, "キャラ一覧", charaTree_, *layout);
  addGroup(this, "パーティキャラ一覧", partyTree_, *layout);
  layout->addWidget(new QGroupBox(QString::fromUtf8("選択キャラ詳細"), this));
  charaTree_->setDragEnabled(true);
  charaTree_->setDragDropMode(QAbstractItemView::DragOnly);
  partyTree_->setAcceptDrops(true);
  partyTree_->viewport()->installEventFilter(this);
  partyTree_->installEventFilter(this);
}

void TZEPartyView::setImageList(const std::function<QIcon(int32_t)>& icons) {
  charas_.SetIconSource(icons);
  party_.SetIconSource(icons);
}

bool TZEPartyView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == partyTree_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    panel_.RemoveSelected();
    return true;
  }
  if (watched != partyTree_->viewport()) return TZEDatabaseDialog::eventFilter(watched, event);
  return takeDropFrom(event, charaTree_, [this](QDropEvent&) { dropChara(charaTree_->currentItem()); });
}

}  // namespace zelvo
