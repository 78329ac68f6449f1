#pragma once
// The capability editor "能力エディタ": a thin shell over TZECapabilityPanel.

#include <QLineEdit>
#include <array>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/core/ZECapabilityPanel.h"

namespace zelvo {

class TZECapabilityEditor final : public TZEDatabaseDialog {
 public:
  explicit TZECapabilityEditor(QWidget* parent = nullptr);

  // Without a model the window closes at once (and stays closed when shown).
  void setModel(std::shared_ptr<IZelvoCapabilityModel> model);
  // "Edit1".."Edit32": the values, then the growths.
  QLineEdit* field(int index) const { return fields_[static_cast<size_t>(index)]; }
  int exec() override;

 protected:
  void closing() override;

 private:
  TZECapabilityPanel panel_;
  bool hasModel_ = false;
  std::array<QLineEdit*, 2 * TZECapabilityPanel::kCount> fields_{};
};

}  // namespace zelvo
