#pragma once
// A tree held in memory only: what the tree designer fills when no widget shows the result, and
// what tests read back.

#include <memory>
#include <vector>

#include "editor/core/ZETree.h"

namespace zelvo {

class TZEPlainTreeNode final : public IZETreeNode {
 public:
  TZEPlainTreeNode(TZEPlainTreeNode* parent, std::string caption) : parent_(parent), caption_(std::move(caption)) {}

  std::string GetCaption() const override { return caption_; }
  void SetCaption(const std::string& cp932) override { caption_ = cp932; }
  int32_t GetIcon() const override { return icon_; }
  void SetIcon(int32_t icon) override { icon_ = selectedIcon_ = icon; }
  int32_t GetSelectedIcon() const override { return selectedIcon_; }
  void SetSelectedIcon(int32_t icon) override { selectedIcon_ = icon; }
  TZETreeNodeData GetData() const override { return data_; }
  void SetData(TZETreeNodeData data) override { data_ = std::move(data); }
  IZETreeNode* GetParent() const override { return parent_; }
  int32_t GetIndex() const override;
  int32_t GetChildCount() const override { return static_cast<int32_t>(children_.size()); }
  IZETreeNode* GetChild(int32_t index) const override;

 private:
  friend class TZEPlainTree;
  TZEPlainTreeNode* parent_;
  std::string caption_;
  int32_t icon_ = -1;
  int32_t selectedIcon_ = -1;
  TZETreeNodeData data_;
  std::vector<std::unique_ptr<TZEPlainTreeNode>> children_;
  const std::vector<std::unique_ptr<TZEPlainTreeNode>>* siblings_ = nullptr;
};

class TZEPlainTree final : public IZETree {
 public:
  TZEPlainTree() = default;
  TZEPlainTree(const TZEPlainTree&) = delete;
  TZEPlainTree& operator=(const TZEPlainTree&) = delete;
  void Clear() override;
  int32_t GetTopLevelCount() const override { return static_cast<int32_t>(top_.size()); }
  IZETreeNode* GetTopLevel(int32_t index) const override;
  IZETreeNode* AddChild(IZETreeNode* parent, const std::string& cp932Caption) override;
  IZETreeNode* InsertAfter(IZETreeNode* sibling, const std::string& cp932Caption) override;
  void Delete(IZETreeNode* node) override;
  IZETreeNode* GetSelected() const override { return selected_; }
  void SetSelected(IZETreeNode* node) override { selected_ = node; }
  std::shared_ptr<IZelvoOrderModel> GetTag() const override { return tag_; }
  void SetTag(std::shared_ptr<IZelvoOrderModel> order) override { tag_ = std::move(order); }

 private:
  using Nodes = std::vector<std::unique_ptr<TZEPlainTreeNode>>;
  Nodes& siblingsOf(TZEPlainTreeNode* parent) { return parent ? parent->children_ : top_; }
  TZEPlainTreeNode* own(IZETreeNode* node) const;
  IZETreeNode* insert(TZEPlainTreeNode* parent, size_t at, const std::string& caption);

  Nodes top_;
  IZETreeNode* selected_ = nullptr;
  std::shared_ptr<IZelvoOrderModel> tag_;
};

}  // namespace zelvo
