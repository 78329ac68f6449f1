#include "editor/core/ZEPartyPanel.h"

#include "editor/core/ZETreeDesigner.h"

namespace zelvo {

void TZEPartyPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  charas_.Clear();
  party_.Clear();
  if (!designer_) return;
  designer_->FillPartyCharaList(charas_, nullptr);
  designer_->FillPartyTree(party_, nullptr);
}

void TZEPartyPanel::Drop(const IZETreeNode* charaNode) {
  if (designer_) designer_->AddPartyMember(party_, charaNode);
}

void TZEPartyPanel::RemoveSelected() {
  if (designer_) designer_->RemoveSelectedPartyMember(party_);
}

}  // namespace zelvo
