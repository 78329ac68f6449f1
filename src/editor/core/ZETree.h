#pragma once
// What the tree designer needs of a tree view, so its rules run the same over a Qt tree widget and
// over the plain in-memory tree the tests read. Captions are CP932; the icon index is the node's
// kind and, in the main window, the editor code.

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoConditionModelItem;
class IZelvoOrderModel;

// The model a node stands for: a model, or a condition item (which is no model), or nothing.
struct TZETreeNodeData {
  std::shared_ptr<IZelvoModel> model;
  std::shared_ptr<IZelvoConditionModelItem> conditionItem;

  TZETreeNodeData() = default;
  // Any model pointer, or a condition item.
  template <class T>
    requires std::is_convertible_v<T*, IZelvoModel*>
  TZETreeNodeData(std::shared_ptr<T> m) : model(std::move(m)) {}
  TZETreeNodeData(std::shared_ptr<IZelvoConditionModelItem> item) : conditionItem(std::move(item)) {}

  // The model as T, or null when the node holds another kind (or none).
  template <class T>
  std::shared_ptr<T> As() const {
    return std::dynamic_pointer_cast<T>(model);
  }
  bool Empty() const { return !model && !conditionItem; }
  bool operator==(const TZETreeNodeData& other) const {
    return model == other.model && conditionItem == other.conditionItem;
  }
};

class IZETreeNode {
 public:
  virtual ~IZETreeNode() = default;
  virtual std::string GetCaption() const = 0;
  virtual void SetCaption(const std::string& cp932) = 0;
  virtual int32_t GetIcon() const = 0;
  // Sets the icon and the selected-state icon alike.
  virtual void SetIcon(int32_t icon) = 0;
  virtual int32_t GetSelectedIcon() const = 0;
  virtual void SetSelectedIcon(int32_t icon) = 0;
  virtual TZETreeNodeData GetData() const = 0;
  virtual void SetData(TZETreeNodeData data) = 0;
  // Null for a top-level node.
  virtual IZETreeNode* GetParent() const = 0;
  // The position among its siblings.
  virtual int32_t GetIndex() const = 0;
  virtual int32_t GetChildCount() const = 0;
  virtual IZETreeNode* GetChild(int32_t index) const = 0;
};

class IZETree {
 public:
  virtual ~IZETree() = default;
  virtual void Clear() = 0;
  virtual int32_t GetTopLevelCount() const = 0;
  virtual IZETreeNode* GetTopLevel(int32_t index) const = 0;
  // A new last child of parent (null: a new last top-level node), icon -1, no data.
  virtual IZETreeNode* AddChild(IZETreeNode* parent, const std::string& cp932Caption) = 0;
  // A new node right after sibling, under the same parent.
  virtual IZETreeNode* InsertAfter(IZETreeNode* sibling, const std::string& cp932Caption) = 0;
  // Removes the node with everything below it; a removed selection leaves none selected.
  virtual void Delete(IZETreeNode* node) = 0;
  virtual IZETreeNode* GetSelected() const = 0;
  virtual void SetSelected(IZETreeNode* node) = 0;
  // The order whose children the order trees show at the top level.
  virtual std::shared_ptr<IZelvoOrderModel> GetTag() const = 0;
  virtual void SetTag(std::shared_ptr<IZelvoOrderModel> order) = 0;
};

}  // namespace zelvo
