#pragma once
// The part every database window shares: a panel showing the model of one tree node. The panel
// holds its edits only while that node stays shown; showing another node, or closing, first
// writes the panel back into the model it came from.

#include <cstdint>
#include <optional>
#include <string>

#include "editor/core/ZETree.h"

namespace zelvo {

class TZEDetailPanel {
 public:
  virtual ~TZEDetailPanel() = default;

  // The node whose model the panel shows, or null.
  IZETreeNode* Shown() const { return shown_; }
  // Writes the panel into the shown node's model, then shows node (null: none). Showing the node
  // already shown does nothing, so the panel keeps its edits.
  void Select(IZETreeNode* node);
  // Writes the panel back and clears the tree's selection.
  void Close(IZETree& tree);
  // Drops the shown node without writing: it is about to go.
  void Forget() { shown_ = nullptr; }
  // Writes the panel into the shown node's model, keeping it shown.
  void WriteBack();

  // The question every database window asks before a delete; true on OK.
  static bool ConfirmDelete();

 protected:
  // After the question, the selected node goes, and its model from list when it is the item at
  // the node's position (a tree that drifted from its list never costs another model).
  template <class Model, class List>
  bool DeleteSelectedFrom(IZETree& tree, List* list) {
    IZETreeNode* node = tree.GetSelected();
    if (!node || !list || !ConfirmDelete()) return false;
    const int32_t index = node->GetIndex();
    const auto model = node->GetData().template As<Model>();
    if (model && list->GetItem(index) == model) list->Delete(index);
    Forget();
    tree.Delete(node);
    tree.SetSelected(nullptr);
    return true;
  }

  // True when the node stands for a model this panel edits.
  virtual bool Accepts(const IZETreeNode& node) const = 0;
  virtual void Load(const IZETreeNode& node) = 0;
  virtual void Store(IZETreeNode& node) = 0;

 private:
  IZETreeNode* shown_ = nullptr;
};

// How the windows read their text fields.
class TZEFieldText {
 public:
  // A decimal integer (sign allowed, surrounding blanks ignored) that fits 32 bits; none otherwise.
  static std::optional<int32_t> ToInt(const std::string& text);
  static int32_t ToIntOr(const std::string& text, int32_t fallback) { return ToInt(text).value_or(fallback); }
  // Hexadecimal digits (an optional "$" or "0x" in front) that fit 32 bits; none otherwise.
  static std::optional<uint32_t> ToHex(const std::string& text);
  static std::string FromInt(int32_t value) { return std::to_string(value); }
  // Eight lower-case hexadecimal digits.
  static std::string FromHex(uint32_t value);
};

}  // namespace zelvo
