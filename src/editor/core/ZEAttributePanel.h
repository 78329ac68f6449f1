#pragma once
// The rules of the attribute-type editor "属性タイプエディタ": its tree, and the attack and
// defence of the sixteen attributes of the shown type, written back on selection change and close.

#include <array>
#include <string>

#include "editor/core/ZEDetailPanel.h"

namespace zelvo {

class TZETreeDesigner;

class TZEAttributePanel final : public TZEDetailPanel {
 public:
  static constexpr int32_t kCount = 16;
  static constexpr int32_t kFallback = 100;

  explicit TZEAttributePanel(IZETree& tree) : tree_(tree) {}

  void setTreeDesigner(TZETreeDesigner* designer);
  void NewModel();
  void DeleteSelected();
  // A node's text edited: the type takes it as its name (CP932).
  void Rename(IZETreeNode& node, const std::string& name);

  std::array<std::string, kCount> attacks;
  std::array<std::string, kCount> defences;

 protected:
  bool Accepts(const IZETreeNode& node) const override;
  void Load(const IZETreeNode& node) override;
  void Store(IZETreeNode& node) override;

 private:
  IZETree& tree_;
  TZETreeDesigner* designer_ = nullptr;
};

}  // namespace zelvo
