#pragma once
// The party editor "パーティエディタ": a thin shell over TZEPartyPanel. Charas are dragged from
// "キャラ一覧" onto "パーティキャラ一覧"; the Delete key removes the selected member.

#include <QTreeWidget>
#include <functional>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEPartyPanel.h"

namespace zelvo {

class TZEPartyView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 19;

  explicit TZEPartyView(QWidget* parent = nullptr);

  void setTreeDesigner(TZETreeDesigner* designer) { panel_.setTreeDesigner(designer); }
  void setImageList(const std::function<QIcon(int32_t)>& icons);
  // What a drop of a chara item onto the party tree does.
  void dropChara(QTreeWidgetItem* charaItem) { panel_.Drop(charas_.NodeOf(charaItem)); }

  QTreeWidget* charaTree() const { return charaTree_; }
  QTreeWidget* partyTree() const { return partyTree_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* charaTree_;
  QTreeWidget* partyTree_;
  TZETreeWidgetAdapter charas_, party_;
  TZEPartyPanel panel_;
};

}  // namespace zelvo
