#pragma once
// The glossary editor "用語エディタ": a thin shell over TZEGrossaryPanel, one text list per
// glossary list.

#include <QPlainTextEdit>
#include <array>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/core/ZEGrossaryPanel.h"

namespace zelvo {

class TZEGrossaryEditor final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 26;

  explicit TZEGrossaryEditor(QWidget* parent = nullptr);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  // "能力関係", "戦闘時コマンド", "コマンド".
  QPlainTextEdit* list(int index) const { return lists_[static_cast<size_t>(index)]; }

 protected:
  bool mayClose() override;
  void closing() override;

 private:
  void showLists();
  // The lines of list i as the author typed them, the end of the last line not counted.
  QStringList linesOf(size_t i) const;

  TZEGrossaryPanel panel_;
  std::array<QPlainTextEdit*, 3> lists_{};
};

}  // namespace zelvo
