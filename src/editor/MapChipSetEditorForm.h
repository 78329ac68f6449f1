#pragma once
// The chip-set editor window "マップチップセットエディタ": the game's chip sets in a tree, the
// picture of the selected set with its attribute overlays, and the attribute fields of the chip
// chosen on it. The window makes the editor's TZEMapChipSetEditor and holds it while it exists;
// the rules are TZEChipSetEditorControl's.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <QDialog>
#include <QIcon>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEChipSetEditorControl.h"
#include "editor/core/ZEMapChipSetEditor.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelvo {

class TMapChipSetPropertyForm;
class TQonScrollBox;

class TMapChipSetEditorForm : public QDialog {
 public:
  explicit TMapChipSetEditorForm(QWidget* parent = nullptr);
  ~TMapChipSetEditorForm() override;

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  // The skin's digit sheet, overlay glyphs and tree icons.
  void LoadSkin();
  static uint32_t HeightColor(int32_t height) { return TZEChipSetOverlay::HeightColor(height); }
  // Not owned; nullptr while there is no map editor window.
  void SetMapEditorLink(IZEChipSetMapEditorLink* link) { control_.SetMapEditorLink(link); }
  // The main window's icons, which the property dialog's picture tree shows.
  void SetMainIconList(std::vector<QIcon> icons) { mainIcons_ = std::move(icons); }

  // The skin's tree icon of an index (none outside the strip).
  QIcon TreeIcon(int32_t index) const;
  TZEChipSetEditorControl& Control() { return control_; }
  TZEMapChipSetEditor& Editor() { return editor_; }
  TMapChipSetPropertyForm* PropertyForm() const { return propertyForm_; }

  // The commands, as the menu, the tree's pop-up menu and the tool bar trigger them.
  QAction* NewAction;
  QAction* DeleteAction;
  QAction* PropertyAction;
  QAction* UseAction;
  QAction* NormalViewAction;
  QAction* HeightViewAction;
  QAction* EncounterViewAction;
  QAction* PassabilityViewAction;
  QAction* GroundTypeViewAction;

  QMenuBar* MainMenu;
  QMenu* ChipSetMenu;
  QMenu* TreePopup;
  QToolBar* ViewBar;
  QTreeWidget* ChipSetTree;
  TQonScrollBox* PictureScroll;
  QTabWidget* FieldTabs;
  QLineEdit* HeightEdit;
  QComboBox* GroundTypeList;
  QLineEdit* EncounterEdit;
  QLineEdit* EventIDEdit;
  // "↑", "↓", "←", "→": bits 1, 2, 4, 8.
  std::array<QPushButton*, 4> PassButtons;
  QPushButton* AllWaysButton;
  QPushButton* NoWayButton;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void makeActions();
  void makeViewBar();
  void makeFields();
  void makeLayout();
  void connectFields();

  void BuildTree();
  void MakeEditable(IZETreeNode* node);
  IZETreeNode* SelectedNode() const;

  void ChipSetTreeChange();
  void ChipSetTreeEdited(IZETreeNode& node);
  void NewChipSetExecute();
  void DeleteChipSetExecute();
  void PropertyExecute();
  void UseChipSetExecute();
  void ViewChange();
  void RefreshCommands();
  void RefreshPicture();
  void RefreshFields();
  void PassButtonClick();
  void SetPassability(int32_t bits);
  void FieldWritten(bool written);

  void PicturePaint(QPainter& painter, const QRect& clip);
  void PictureMouseDown(TQonMouseButton button, int32_t x, int32_t y);
  void PictureMouseMove(int32_t x, int32_t y);
  void PictureMouseUp(TQonMouseButton button, int32_t x, int32_t y);

  TZEMapChipSetEditor editor_;
  TZEChipSetEditorControl control_{editor_};
  TMapChipSetPropertyForm* propertyForm_;
  std::vector<QIcon> treeIcons_;
  std::vector<QIcon> mainIcons_;
  std::unique_ptr<TZETreeWidgetAdapter> tree_;
};

}  // namespace zelvo
