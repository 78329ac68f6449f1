#pragma once
// The rules of the job editor "職業エディタ": the jobs, renamed in place; the job shown before a
// selection change (or at closing) takes the condition and the attribute type selected in their
// trees, and the shown job's linked models are named.

#include <string>

#include "editor/core/ZEDetailPanel.h"

namespace zelvo {

class TZETreeDesigner;

class TZEJobPanel final : public TZEDetailPanel {
 public:
  TZEJobPanel(IZETree& jobs, IZETree& conditions, IZETree& attributes)
      : jobs_(jobs), conditions_(conditions), attributes_(attributes) {}

  void setTreeDesigner(TZETreeDesigner* designer);
  void NewModel();
  void DeleteSelected();
  void Rename(IZETreeNode& node, const std::string& name);

  // The names of the shown job's condition and attribute type (CP932; empty when none).
  std::string conditionName, attributeName;

 protected:
  bool Accepts(const IZETreeNode& node) const override;
  void Load(const IZETreeNode& node) override;
  void Store(IZETreeNode& node) override;

 private:
  IZETree& jobs_;
  IZETree& conditions_;
  IZETree& attributes_;
  TZETreeDesigner* designer_ = nullptr;
};

}  // namespace zelvo
