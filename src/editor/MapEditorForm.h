#pragma once
// "マップエディタ": the window in which maps are built. A tree of the game's maps, a chip palette
// per chip set, one page per edit mode, the tool bar, and the map canvas. Every change to cells
// goes through the edit engine, preceded by an undo step. The mediator hands it the data set with
// setZMLZelvoAPI and then shows it modally with exec().
//
// The implementation is split by concern: the window's state, values and canvas
// (MapEditorForm.cpp), its controls and menus (MapEditorFormLayout.cpp), the mouse on the canvas
// and the palette (MapEditorFormMouse.cpp), the event mode (MapEditorFormEvents.cpp), the event
// tree (MapEditorFormEventTree.cpp) and the map tree, saving and chip-set tabs
// (MapEditorFormTree.cpp).

#include <QDialog>
#include <QImage>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/QonScrollBoxGeometry.h"
#include "editor/core/ZEChipSetEditorControl.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorGuides.h"
#include "editor/core/ZEMapEditorHost.h"
#include "editor/core/ZEMapEditorPainter.h"
#include "editor/core/ZEMapEditorPictures.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "editor/core/ZEMapEditorWindow.h"
#include "editor/core/ZETreeDesigner.h"
#include "platform/core/GameGeometry.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMimeData;
class QPainter;
class QPushButton;
class QSlider;
class QTabBar;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace zelvo {

class IZelvoEventModel;
class IZelvoEventPackageModel;
class IZelvoEventPositionModel;
class IZelvoMapTreeNodeControl;
class IZMLZelvoAPI;
class TMapChipSetEditorForm;
class TMapEditorLayersForm;
class TMapPropertyView;
class TMoveTypeView;
class TQonScrollBox;
class TZEEventEditorView2;

class TMapEditorForm : public QDialog,
                       public IZEMapEditorWindow,
                       public IZEMapEditorHost,
                       public IZEChipSetMapEditorLink {
 public:
  static constexpr int32_t kEventGrid = 16;
  static constexpr int32_t kOpacityThreshold = 80;
  // Sides of chip sets, picture layers and event graphics beyond this many pixels are not drawn
  // or allocated; data may claim anything.
  static constexpr int32_t kMaxSidePixels = 8192;
  static constexpr int32_t kMaxCursorSide = 1024;

  // Restores its place from the window-place file (the editor's own when none is given).
  explicit TMapEditorForm(QWidget* parent = nullptr, std::filesystem::path placeFile = {});
  ~TMapEditorForm() override;

  // The mediator hands the data set over with this, then shows the window modally.
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  // Reads the skin pictures again; the skin window calls it after the skin changed.
  void LoadSkin();
  // The tree icons ("treeicon.bmp") and the tool bar pictures ("mapchipbutton.bmp") of the skin.
  const std::vector<QImage>& TreeIcons() const { return treeIcons_; }
  void LoadChipSetBitmaps() override;
  std::shared_ptr<IZelvoMapModel> GetMapOfNode(IZelvoMapTreeNodeControl* node) const;

  // IZEMapEditorWindow
  void OpenMap(int32_t mapID) override;
  void CloseMap() override;
  void ResizeCanvas(int32_t width, int32_t height) override;
  void RefreshLayers() override;
  void RebuildMapTree() override;
  void RepaintCanvas() override;
  // IZEMapEditorHost
  void UpdateUndoButtons() override;
  void LoadLayerPictures() override;
  int32_t CanvasWidth() const override;
  void SetMoveTypeNames(const std::vector<std::string>& names) override;
  // IZEChipSetMapEditorLink
  std::shared_ptr<IZelvoMapTreeNodeControl> GetOpenMap() override { return engine_->GetMap(); }
  void ShowChipSetTab(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet, bool newTab) override;

  // Reads the node's map file if it is not read yet; false, with a message, when it cannot be.
  bool LoadMapOf(IZelvoMapTreeNodeControl& node);
  // LoadMapOf for every node given (nullptr skipped); false at the first that cannot be read.
  bool LoadMapsOf(std::initializer_list<IZelvoMapTreeNodeControl*> nodes);
  // Shows a map-tree node's map in the canvas; nullptr shows none.
  void SelectMap(std::shared_ptr<IZelvoMapTreeNodeControl> node);
  void UpdateSizeLabel();
  // A chip set dropped from the chip-set editor's tree: taken while a map is open that does not
  // use it yet; its tab is added, chosen and its palette shown. False when refused.
  bool AddDroppedChipSet(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet);

  // The event position whose rectangle overlaps the cursor rectangle at point with the nearest
  // top-left (the first on a tie), never skip; nullptr when none.
  static std::shared_ptr<IZelvoEventPositionModel> HoveredEventAt(
      const std::vector<std::shared_ptr<IZelvoEventPositionModel>>& positions, const TPoint& point,
      const TPoint& cursorSize, const IZelvoEventPositionModel* skip);
  // True when a map-tree node dragged onto target would stay a tree: not onto itself or below it.
  static bool CanDropNode(const IZelvoMapTreeNodeControl& dragged, const IZelvoMapTreeNodeControl* target);

  TZEMapEditor& Engine() { return *engine_; }
  TZEMapEditorPainter& Painter() { return *painter_; }
  TQonScrollBox* MapScroll() const { return mapScroll_; }
  TQonScrollBox* ChipScroll() const { return chipScroll_; }
  QTabWidget* Pages() const { return pages_; }
  QTreeWidget* MapTreeView() const;
  QTreeWidget* EventTreeView() const { return eventTreeView_; }
  QTabBar* MapChipSetTabView() const { return chipTabs_; }
  QWidget* LeftPanel() const { return leftPanel_; }
  QLabel* SizeLabel() const { return sizeLabel_; }
  QCheckBox* LoopCheck() const { return loopCheck_; }
  QCheckBox* GridCheck() const { return gridCheck_; }
  QSlider* TrackBar1() const { return zoomBar_; }
  QSlider* HeightBar() const { return heightBar_; }
  QLineEdit* HeightEdit() const { return heightEdit_; }
  QLabel* HeightBox() const { return heightBox_; }
  QSlider* EnemyBar() const { return enemyBar_; }
  QPushButton* DirectionButton(int index) const { return directionButtons_.at(size_t(index)); }
  QPushButton* AllWaysButton() const { return allWays_; }
  QPushButton* NoWayButton() const { return noWay_; }
  QComboBox* GroundCombo() const { return groundCombo_; }
  QComboBox* MoveCombo() const { return moveCombo_; }
  QComboBox* CursorCombo() const { return cursorCombo_; }
  QAction* ModeButton(int mode) const { return modeButtons_.at(size_t(mode)); }
  QAction* ToolButton(int tool) const { return toolButtons_.at(size_t(tool)); }
  QAction* EraserButton() const { return eraser_; }
  QAction* UndoButton() const { return undoButton_; }
  QAction* RedoButton() const { return redoButton_; }
  QAction* SaveAction() const { return save_; }
  QAction* NewMapAction() const { return newMap_; }
  QAction* DeleteMapAction() const { return deleteMap_; }
  QAction* EditMapAction() const { return editMap_; }
  QAction* MapPropertyAction() const { return mapProperty_; }
  QAction* AddChipSetAction() const { return addChipSet_; }
  QAction* StopChipSetAction() const { return stopChipSet_; }
  QMenu* MapPopup() const { return mapPopup_; }
  QAction* NewEventAction() const { return newEvent_; }
  QAction* PlaceEventAction() const { return placeEvent_; }
  QAction* EditEventAction() const { return editEvent_; }
  QAction* RelinkEventAction() const { return relinkEvent_; }
  QAction* DirectionEventAction() const { return directionEvent_; }
  QAction* MoveEventAction() const { return moveEvent_; }
  QAction* DeleteEventAction() const { return deleteEvent_; }
  QAction* StartPositionAction() const { return startPosition_; }
  QAction* StopMoveAction() const { return stopMove_; }
  QMenu* EventTreePopup() const { return eventTreePopup_; }
  QAction* TreeEditEventAction() const { return treeEditEvent_; }
  QAction* TreeDeleteEventAction() const { return treeDeleteEvent_; }
  QAction* UsePackageAction() const { return usePackage_; }
  QAction* StopPackageAction() const { return stopPackage_; }
  TMapEditorLayersForm* LayersForm() const { return layersForm_; }
  const TZEMapEditorPictures& Pictures() const { return pictures_; }
  // The chip-set editor the menu opens and chip sets are dragged from: the window set's one
  // (which becomes this window's child, so this modal window does not block it). A window
  // without one makes its own at first use.
  void SetChipSetEditor(TMapChipSetEditorForm* chipSetEditor);
  TMapChipSetEditorForm* ChipSetForm() const;
  QAction* ChipSetEditorAction() const { return chipSetEditor_; }
  TZEEventEditorView2* EventEditor();

  int32_t ToolStep() const { return toolStep_; }
  TPoint LastCell() const { return lastCell_; }
  bool Moving() const { return moving_; }
  const std::shared_ptr<IZelvoEventPositionModel>& Hovered() const { return hovered_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;
  // Chip sets dragged from the chip-set editor onto the tabs or the left panel.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class MapTree;

  // MapEditorFormLayout.cpp
  void makeControls();
  QWidget* makePages();
  void makeToolBar();
  void makeMenus();

  // MapEditorForm.cpp
  void connectControls();
  void LoadSkinIcons();
  void Opened();
  void Closed();
  void PageChanged(int page);
  void SetHeightText(const QString& text);
  void SetDirectionValue();
  void EraserClicked();
  void ReleaseEraser();
  void ShowEraserFrom(bool nothing);
  // The height box in the colour the canvas gives the chosen height.
  void UpdateHeightBox();
  // Drops a first point, a half-done copy, an event being moved: none has touched the map yet.
  void EndUnfinished();
  void ToolClicked(int tool);
  void UndoClick();
  void RedoClick();
  void PaintMap(QPainter& painter, const QRect& clip);
  void PaintPalette(QPainter& painter, const QRect& clip);
  void SizePalette();
  bool RecordWholeLayer();
  int32_t MapWidth() const;
  int32_t MapHeight() const;

  // MapEditorFormMouse.cpp
  bool LayerTooFaint() const;
  void MapMouseDown(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y);
  void MapMouseMove(TQonShiftState shift, int32_t x, int32_t y);
  void MapMouseUp(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y);
  void PressTool(TQonMouseButton button, bool shift, const TPoint& cell, const TPoint& pixel);
  void PressCopy(const TPoint& cell, const TPoint& pixel);
  void MoveWithButton(TQonShiftState shift, const TPoint& cell, const TPoint& pixel);
  void ShowGuide(const TPoint& cell, const TPoint& pixel);
  void PickAt(const TPoint& cell);
  void PaletteMouse(int32_t x, int32_t y);
  void InvalidateCellsAround(const TPoint& a, const TPoint& b);

  // MapEditorFormEvents.cpp
  TPoint CursorSize() const;
  TPoint SnappedPoint(int32_t x, int32_t y) const;
  void EventMouseDown(TQonMouseButton button, int32_t x, int32_t y);
  void EventMouseMove(int32_t x, int32_t y);
  void EventMouseUp(TQonMouseButton button, int32_t x, int32_t y);
  std::vector<std::shared_ptr<IZelvoEventPositionModel>> EventPositions() const;
  void OpenMapPopup(QPoint global);
  void NewEventClick();
  void EditEventClick();
  void RelinkEventClick();
  void DirectionEventClick();
  void DeleteEventClick();
  void StartPositionClick();
  void CancelMove();
  bool EditEvent(const std::shared_ptr<IZelvoEventModel>& event);
  void RefreshEventTree();
  void PlaceEvent(const TPoint& at, int32_t packageID, int32_t eventID);
  void makeEventActions();

  // MapEditorFormEventTree.cpp
  void makeEventTreeActions();
  std::shared_ptr<IZelvoEventModel> SelectedEvent() const;
  std::shared_ptr<IZelvoEventPackageModel> SelectedPackage() const;
  bool PackageUsed(const IZelvoEventPackageModel& package) const;
  void UpdateEventTreePopup();
  void EventTreeDoubleClick();
  void SetPackageUse(bool use);
  void DeleteTreeEvent();
  void OpenSharedEditor();
  bool AcceptEventDrop(QPoint at) const;
  void DropEvent(QPoint at);

  // MapEditorFormTree.cpp
  void FillMapTree();
  void AddTreeItems(QTreeWidgetItem* parent, const std::shared_ptr<IZelvoMapTreeNodeControl>& node);
  std::shared_ptr<IZelvoMapTreeNodeControl> NodeOf(QTreeWidgetItem* item) const;
  QTreeWidgetItem* ItemOf(const IZelvoMapTreeNodeControl* node) const;
  void NewMapClick();
  void DeleteMapClick();
  void EditMapClick();
  void MapPropertyClick();
  void RenameItem(QTreeWidgetItem* item);
  bool DropNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void SaveClick();
  // The open map read back after a save wrote it: the same layer and tab, fresh everything else.
  void ShowReloaded(const std::shared_ptr<IZelvoMapTreeNodeControl>& node);
  void RebuildChipSetTabs();
  void ChipSetTabChanged(int index);
  void AddChipSetClick();
  void StopChipSetClick();
  void AddChipSetID(int32_t id);
  void MarkModified(IZelvoMapTreeNodeControl* node);
  std::shared_ptr<IZelvoMapChipSetModel> DraggedChipSet(const QMimeData* data) const;

  std::filesystem::path placeFile_;
  std::unique_ptr<TZEMapEditor> engine_;
  std::shared_ptr<IZMLZelvoAPI> api_;
  bool apiGiven_ = false;
  TZETreeDesigner designer_;
  TZEMapEditorSkin skin_;
  TZEMapEditorPictures pictures_;
  std::unique_ptr<TZEMapEditorPainter> painter_;
  Bitmap canvas_;
  std::vector<QImage> treeIcons_;

  int32_t lastX_ = -1, lastY_ = -1;
  TPoint lastCell_{-1, -1};
  int32_t toolStep_ = 0;
  TZEMapEditorGuide guide_;
  bool cursorShown_ = false;
  TPoint cursorPoint_{-1, -1};
  TPoint lastPoint_{0, 0};
  std::shared_ptr<IZelvoEventPositionModel> hovered_;
  std::shared_ptr<IZelvoEventPositionModel> popupEvent_;
  bool moving_ = false;
  std::shared_ptr<IZelvoEventPositionModel> moved_;
  bool eraserDown_ = false;
  bool filling_ = false;
  std::vector<std::shared_ptr<IZelvoMapChipSetModel>> tabChipSets_;
  std::unordered_map<QTreeWidgetItem*, std::shared_ptr<IZelvoMapTreeNodeControl>> nodes_;

  QMenuBar* menuBar_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTabWidget* pages_ = nullptr;
  MapTree* mapTreeView_ = nullptr;
  QTreeWidget* eventTreeView_ = nullptr;
  std::unique_ptr<TZETreeWidgetAdapter> events_;
  QTabBar* chipTabs_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  TQonScrollBox* chipScroll_ = nullptr;
  TQonScrollBox* mapScroll_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  QCheckBox* loopCheck_ = nullptr;
  QCheckBox* gridCheck_ = nullptr;
  QSlider* zoomBar_ = nullptr;
  QLabel* heightBox_ = nullptr;
  QSlider* heightBar_ = nullptr;
  QLineEdit* heightEdit_ = nullptr;
  QSlider* enemyBar_ = nullptr;
  std::array<QPushButton*, 4> directionButtons_{};
  QPushButton* allWays_ = nullptr;
  QPushButton* noWay_ = nullptr;
  QComboBox* moveCombo_ = nullptr;
  QComboBox* groundCombo_ = nullptr;
  QComboBox* cursorCombo_ = nullptr;
  QPushButton* sharedEditorButton_ = nullptr;
  QActionGroup* modeGroup_ = nullptr;
  std::vector<QAction*> modeButtons_;
  std::vector<QAction*> toolButtons_;
  QAction* eraser_ = nullptr;
  QAction* undoButton_ = nullptr;
  QAction* redoButton_ = nullptr;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* chipSetEditor_ = nullptr;
  QAction* moveTypeEditor_ = nullptr;
  QMenu* treePopup_ = nullptr;
  QAction* newMap_ = nullptr;
  QAction* deleteMap_ = nullptr;
  QAction* editMap_ = nullptr;
  QAction* mapProperty_ = nullptr;
  QMenu* tabPopup_ = nullptr;
  QAction* addChipSet_ = nullptr;
  QAction* stopChipSet_ = nullptr;
  QMenu* mapPopup_ = nullptr;
  QAction* newEvent_ = nullptr;
  QAction* placeEvent_ = nullptr;
  QAction* editEvent_ = nullptr;
  QAction* relinkEvent_ = nullptr;
  QAction* directionEvent_ = nullptr;
  QAction* moveEvent_ = nullptr;
  QAction* deleteEvent_ = nullptr;
  QAction* startPosition_ = nullptr;
  QAction* stopMove_ = nullptr;
  QMenu* movePopup_ = nullptr;
  QMenu* eventTreePopup_ = nullptr;
  QAction* treeEditEvent_ = nullptr;
  QAction* treeDeleteEvent_ = nullptr;
  QAction* usePackage_ = nullptr;
  QAction* stopPackage_ = nullptr;
  TMapEditorLayersForm* layersForm_ = nullptr;
  mutable TMapChipSetEditorForm* chipSetForm_ = nullptr;
  TMapPropertyView* propertyView_ = nullptr;
  TMoveTypeView* moveTypeView_ = nullptr;
  TZEEventEditorView2* eventEditor_ = nullptr;
};

}  // namespace zelvo
