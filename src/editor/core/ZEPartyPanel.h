#pragma once
// The rules of the party editor "パーティエディタ": the charas, and the party members they are
// dragged into.

#include "editor/core/ZETree.h"

namespace zelvo {

class TZETreeDesigner;

class TZEPartyPanel {
 public:
  TZEPartyPanel(IZETree& charas, IZETree& party) : charas_(charas), party_(party) {}

  void setTreeDesigner(TZETreeDesigner* designer);
  // A chara node dropped on the party tree joins the party.
  void Drop(const IZETreeNode* charaNode);
  // The Delete key on the party tree.
  void RemoveSelected();

 private:
  IZETree& charas_;
  IZETree& party_;
  TZETreeDesigner* designer_ = nullptr;
};

}  // namespace zelvo
