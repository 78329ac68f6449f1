#include "editor/core/ZEPlainTree.h"

#include <algorithm>

namespace zelvo {

namespace {

template <class Nodes>
int32_t indexIn(const Nodes& nodes, const IZETreeNode* node) {
  for (size_t i = 0; i < nodes.size(); ++i)
    if (nodes[i].get() == node) return static_cast<int32_t>(i);
  return -1;
}

bool isWithin(const IZETreeNode* node, const IZETreeNode* root) {
  for (; node; node = node->GetParent())
    if (node == root) return true;
  return false;
}

}  // namespace

int32_t TZEPlainTreeNode::GetIndex() const { return siblings_ ? indexIn(*siblings_, this) : -1; }

IZETreeNode* TZEPlainTreeNode::GetChild(int32_t index) const {
  if (index < 0 || index >= GetChildCount()) return nullptr;
  return children_[static_cast<size_t>(index)].get();
}

void TZEPlainTree::Clear() {
  top_.clear();
  selected_ = nullptr;
}

IZETreeNode* TZEPlainTree::GetTopLevel(int32_t index) const {
  if (index < 0 || index >= GetTopLevelCount()) return nullptr;
  return top_[static_cast<size_t>(index)].get();
}

TZEPlainTreeNode* TZEPlainTree::own(IZETreeNode* node) const {
  auto* plain = dynamic_cast<TZEPlainTreeNode*>(node);
  if (!plain) return nullptr;
  const IZETreeNode* root = plain;
  while (root->GetParent()) root = root->GetParent();
  return indexIn(top_, root) >= 0 ? plain : nullptr;
}

IZETreeNode* TZEPlainTree::insert(TZEPlainTreeNode* parent, size_t at, const std::string& caption) {
  Nodes& nodes = siblingsOf(parent);
  auto node = std::make_unique<TZEPlainTreeNode>(parent, caption);
  node->siblings_ = &nodes;
  IZETreeNode* added = node.get();
  nodes.insert(nodes.begin() + static_cast<std::ptrdiff_t>(std::min(at, nodes.size())), std::move(node));
  return added;
}

IZETreeNode* TZEPlainTree::AddChild(IZETreeNode* parent, const std::string& cp932Caption) {
  TZEPlainTreeNode* owner = own(parent);
  if (parent && !owner) return nullptr;
  return insert(owner, siblingsOf(owner).size(), cp932Caption);
}

IZETreeNode* TZEPlainTree::InsertAfter(IZETreeNode* sibling, const std::string& cp932Caption) {
  TZEPlainTreeNode* node = own(sibling);
  if (!node) return AddChild(nullptr, cp932Caption);
  return insert(node->parent_, static_cast<size_t>(node->GetIndex()) + 1, cp932Caption);
}

void TZEPlainTree::Delete(IZETreeNode* node) {
  TZEPlainTreeNode* plain = own(node);
  if (!plain) return;
  if (isWithin(selected_, plain)) selected_ = nullptr;
  Nodes& nodes = siblingsOf(plain->parent_);
  nodes.erase(nodes.begin() + plain->GetIndex());
}

}  // namespace zelvo
