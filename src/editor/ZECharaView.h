#pragma once
// The chara editor "キャラクターエディタ": a thin shell over TZECharaPanel. Parts are dragged from
// the parts tree onto a chara; a capability node opens the capability editor, a part the editor of
// its kind through the opener it is given (the editor mediator's).

#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>

#include "editor/ZECapabilityEditor.h"
#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZECharaPanel.h"

namespace zelvo {

class TZEEditorMediator;

class TZECharaView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 3;

  explicit TZECharaView(QWidget* parent = nullptr);

  void setTreeDesigner(TZETreeDesigner* designer);
  void setImageList(const std::function<QIcon(int32_t)>& icons);
  // The menu tree opens further editors by code through this mediator.
  void setEditorMediator(TZEEditorMediator* mediator);
  void setEditorOpener(TZECharaPanel::EditorOpener opener) { panel_.setEditorOpener(std::move(opener)); }
  // How a capability record is edited; by default this window's capability editor, shown modally.
  void setCapabilityOpener(TZECharaPanel::CapabilityOpener opener) { panel_.setCapabilityOpener(std::move(opener)); }
  // What a drop of a part item onto a chara item does.
  void dropPart(QTreeWidgetItem* target, QTreeWidgetItem* part) { panel_.Drop(charas_.NodeOf(target), parts_.NodeOf(part)); }

  QTreeWidget* charaTree() const { return charaTree_; }
  QTreeWidget* partTree() const { return partTree_; }
  // "スタイル", "あたり判定", "方向付きアニメ".
  QRadioButton* partsChoice(int index) const { return choices_[static_cast<size_t>(index)]; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }
  TZECapabilityEditor& capabilityEditor() { return capability_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* charaTree_;
  QTreeWidget* partTree_;
  TZETreeWidgetAdapter charas_, parts_;
  TZECharaPanel panel_;
  std::array<QRadioButton*, 3> choices_{};
  QPushButton* new_;
  QPushButton* delete_;
  TZECapabilityEditor capability_;
};

}  // namespace zelvo
