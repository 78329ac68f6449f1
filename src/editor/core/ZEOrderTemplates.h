#pragma once
// The order list window's templates and its rule for adding an order: the new order is put
// into the event window's order tree, edited at once, and taken out again unless the edit was
// confirmed, so a cancelled add leaves the order list as it was.

#include <functional>
#include <memory>

#include "editor/core/ZETreeDesigner.h"

namespace zelvo {

class TZEOrderTemplates {
 public:
  // The group nodes (level 0) with their templates (level 1), each with its group's icon.
  static void Fill(IZETree& templates);
  // Whether the node is a template an order can be made from.
  static bool IsTemplate(const IZETreeNode* node) { return node && node->GetParent() != nullptr; }

  // Adds an order from templateNode to orders (after its selected node, or below it when
  // asChild), selects it and runs edit on its node; when edit returns false the order is
  // removed again. The order kept, or null.
  static std::shared_ptr<IZelvoOrderModel> AddAndEdit(const TZETreeDesigner& designer, IZETree& orders,
                                                      const IZETreeNode& templateNode, bool asChild,
                                                      const std::function<bool(IZETreeNode&)>& edit);
};

}  // namespace zelvo
