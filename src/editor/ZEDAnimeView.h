#pragma once
// The direction-animation editor "方向付きアニメーションエディタ": a thin shell over TZEDAnimePanel.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEDAnimePanel.h"
#include "editor/core/ZEReferencePicture.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

class IZMLZelvoAPI;

class TZEDAnimeView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 8;
  static constexpr int kPreviewSide = 256;

  explicit TZEDAnimeView(QWidget* parent = nullptr);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  void setTreeDesigner(TZETreeDesigner* designer) { panel_.setTreeDesigner(designer); }
  void setImageList(std::function<QIcon(int32_t)> icons) { adapter_.SetIconSource(std::move(icons)); }

  bool loadReference(const QString& file);
  void tick();

  QTreeWidget* tree() const { return tree_; }
  QLineEdit* nameEdit() const { return name_; }
  // The toggle of direction d (0..7, 9, 10); null for 8.
  QCheckBox* directionToggle(int d) const;
  QLineEdit* patternCountEdit() const { return patternCount_; }
  QLineEdit* widthEdit() const { return width_; }
  QLineEdit* heightEdit() const { return height_; }
  QLineEdit* framesPerStepEdit() const { return framesPerStep_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }
  const Bitmap& previewPicture() const { return picture_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool mayClose() override;
  void closing() override;

 private:
  // False, after the warning, when the name cannot be taken; nothing is read then.
  bool readFields();
  void showFields();

  std::shared_ptr<IZMLZelvoAPI> api_;
  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  TZEDAnimePanel panel_;
  QLineEdit* name_;
  std::array<QCheckBox*, 11> toggles_{};
  QLineEdit* patternCount_;
  QLineEdit* width_;
  QLineEdit* height_;
  QLineEdit* framesPerStep_;
  QPushButton* new_;
  QPushButton* delete_;
  QLabel* preview_;
  QLabel* referenceName_;
  QTimer timer_;
  TZEReferencePicture reference_;
  Bitmap picture_{kPreviewSide, kPreviewSide};
};

}  // namespace zelvo
