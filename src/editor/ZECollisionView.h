#pragma once
// The collision editor window "あたり判定": a thin shell over TZECollisionPanel.

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "editor/ZEDatabaseDialog.h"
#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZECollisionPanel.h"
#include "editor/core/ZEReferencePicture.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

class IZMLZelvoAPI;
class TZETreeDesigner;

class TZECollisionView final : public TZEDatabaseDialog {
 public:
  static constexpr int kEditorCode = 9;

  explicit TZECollisionView(QWidget* parent = nullptr);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) { api_ = std::move(api); }
  void setTreeDesigner(TZETreeDesigner* designer);
  void setImageList(std::function<QIcon(int32_t)> icons) { adapter_.SetIconSource(std::move(icons)); }

  // The reference picture, as the "Load" dialog hands it over; false when it cannot be read.
  bool loadReference(const QString& file);
  // One timer step: the preview redrawn.
  void tick();

  QTreeWidget* tree() const { return tree_; }
  QLineEdit* nameEdit() const { return name_; }
  QScrollBar* widthBar() const { return widthBar_; }
  QScrollBar* heightBar() const { return heightBar_; }
  QLabel* widthLabel() const { return widthLabel_; }
  QLabel* heightLabel() const { return heightLabel_; }
  QRadioButton* kindButton(int kind) const;
  QLabel* preview() const { return preview_; }
  QLabel* referenceName() const { return referenceName_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* deleteButton() const { return delete_; }
  const Bitmap& previewPicture() const { return picture_; }
  const TZECollisionPanel& panel() const { return panel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool mayClose() override;
  void closing() override;

 private:
  // False, after the warning, when the name cannot be taken; nothing is read then.
  bool readFields();
  void showFields();
  void selectionChanged(QTreeWidgetItem* item, QTreeWidgetItem* previous);
  void pickReference();

  std::shared_ptr<IZMLZelvoAPI> api_;
  QTreeWidget* tree_;
  TZETreeWidgetAdapter adapter_;
  TZECollisionPanel panel_;
  QLineEdit* name_;
  QScrollBar* widthBar_;
  QScrollBar* heightBar_;
  QLabel* widthLabel_;
  QLabel* heightLabel_;
  QButtonGroup* kinds_;
  QLabel* preview_;
  QLabel* referenceName_;
  QPushButton* new_;
  QPushButton* delete_;
  QTimer timer_;
  TZEReferencePicture reference_;
  Bitmap picture_{TZECollisionPanel::kPreviewSide, TZECollisionPanel::kPreviewSide};
};

}  // namespace zelvo
