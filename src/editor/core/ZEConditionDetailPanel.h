#pragma once
// The rules of the condition detail window "条件詳細エディタ": the items of one condition, a tree
// of item templates whose position is the item kind, and the two number fields of the shown item.

#include <memory>
#include <string>

#include "editor/core/ZEDetailPanel.h"

namespace zelvo {

class IZelvoConditionModel;
class IZelvoConditionModelItem;
class TZETreeDesigner;

class TZEConditionDetailPanel final : public TZEDetailPanel {
 public:
  // The kind that compares a variable with a value; its fields show value and selection.
  static constexpr int32_t kVariableKind = 1;
  // The template captions, by kind (UTF-8): also the entries of the kind list "条件の種類".
  static const char* KindName(int32_t kind);
  static constexpr int32_t kKindCount = 2;

  struct Fields {
    int32_t kind = 0;
    std::string first, second;
  };

  TZEConditionDetailPanel(IZETree& items, IZETree& templates) : items_(items), templates_(templates) {}

  void setCondition(std::shared_ptr<IZelvoConditionModel> condition);
  // Refills the item tree (first item selected and shown) and the template tree.
  void setTreeDesigner(TZETreeDesigner* designer);
  // A template double-clicked: the selected template becomes a new item.
  void AddFromTemplate();
  // The Delete key: the selected item goes.
  void DeleteSelected();

  Fields fields;

 protected:
  bool Accepts(const IZETreeNode& node) const override { return node.GetData().conditionItem != nullptr; }
  void Load(const IZETreeNode& node) override;
  void Store(IZETreeNode& node) override;

 private:
  IZETree& items_;
  IZETree& templates_;
  TZETreeDesigner* designer_ = nullptr;
  std::shared_ptr<IZelvoConditionModel> condition_;
  Fields loaded_;  // the fields as the shown item filled them
};

}  // namespace zelvo
