#pragma once
// The rules of the chara editor "キャラクターエディタ": the charas with their parts, a second tree
// of parts of one kind to drag onto a chara, and double clicks that open the capability editor or
// the editor of a part. The openers are the mediator's and the capability editor's, handed in as
// callbacks.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "editor/core/ZETree.h"

namespace zelvo {

class IZelvoCapabilityModel;
class TZETreeDesigner;

class TZECharaPanel {
 public:
  // What the parts tree shows: "スタイル", "あたり判定", "方向付きアニメ".
  enum class Parts { Styles, Collisions, DAnimations };
  using EditorOpener = std::function<void(uint32_t code)>;
  using CapabilityOpener = std::function<void(const std::shared_ptr<IZelvoCapabilityModel>&)>;

  TZECharaPanel(IZETree& charas, IZETree& parts) : charas_(charas), parts_(parts) {}

  // Refills the chara tree, and the parts tree with the styles.
  void setTreeDesigner(TZETreeDesigner* designer);
  void setEditorOpener(EditorOpener opener) { openEditor_ = std::move(opener); }
  void setCapabilityOpener(CapabilityOpener opener) { openCapability_ = std::move(opener); }

  void ShowParts(Parts parts);
  Parts ShownParts() const { return shown_; }
  void NewChara();
  void DeleteSelected();
  // A part dropped on a chara node (or a node right below one) becomes that chara's part.
  void Drop(IZETreeNode* target, const IZETreeNode* part);
  // A chara node's text edited: the chara takes it as its name.
  void Rename(IZETreeNode& node, const std::string& name);
  // On the chara tree: a capability node opens the capability editor for its record.
  void DoubleClickChara(const IZETreeNode* node) const;
  // On the parts tree: the editor whose code is the part's icon.
  void DoubleClickPart(const IZETreeNode* node) const;

 private:
  IZETree& charas_;
  IZETree& parts_;
  TZETreeDesigner* designer_ = nullptr;
  Parts shown_ = Parts::Styles;
  EditorOpener openEditor_;
  CapabilityOpener openCapability_;
};

}  // namespace zelvo
