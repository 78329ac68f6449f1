#include "editor/MapEditorForm.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QIcon>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QTreeWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/MapChipSetEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/MapEditorMapTree.h"
#include "editor/MapPropertyView.h"
#include "editor/MoveTypeView.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEDesktopWidget.h"
#include "editor/core/ZEDesktopController.h"
#include "editor/core/ZESkinPictures.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/ClampedMath.h"
#include "platform/core/Errors.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

constexpr int32_t kNothingHeight = 0x7FFF;

}  // namespace

TMapEditorForm::TMapEditorForm(QWidget* parent, std::filesystem::path placeFile)
    : QDialog(parent, Qt::Window), placeFile_(std::move(placeFile)), engine_(std::make_unique<TZEMapEditor>()) {
  setObjectName(QString::fromUtf8(DesktopSection::MapEditor.data(), DesktopSection::MapEditor.size()));
  setWindowTitle(Text::u("マップエディタ"));
  engine_->SetWindow(this);
  painter_ = std::make_unique<TZEMapEditorPainter>(*engine_, skin_, pictures_);
  makeControls();
  makeMenus();
  makeEventActions();
  makeEventTreeActions();
  connectControls();
  layersForm_ = new TMapEditorLayersForm(*engine_, this, this, placeFile_);
  propertyView_ = new TMapPropertyView(*engine_, this, this);
  pages_->setCurrentIndex(0);
  if (placeFile_.empty()) LoadWidgetPosition(*this);
  else LoadWidgetPosition(*this, placeFile_);
}

TMapEditorForm::~TMapEditorForm() {
  if (placeFile_.empty()) SaveWidgetPosition(*this);
  else SaveWidgetPosition(*this, placeFile_);
  engine_->SetWindow(nullptr);
}

void TMapEditorForm::SetChipSetEditor(TMapChipSetEditorForm* chipSetEditor) {
  chipSetForm_ = chipSetEditor;
  if (!chipSetForm_) return;
  if (chipSetForm_->parentWidget() != this) chipSetForm_->setParent(this, chipSetForm_->windowFlags());
  chipSetForm_->SetMapEditorLink(this);
  // Chip sets are dragged out of its tree onto the palette.
  chipSetForm_->ChipSetTree->setDragEnabled(true);
  chipSetForm_->ChipSetTree->setDragDropMode(QAbstractItemView::DragOnly);
  chipSetForm_->setZMLZelvoAPI(api_);
}

TMapChipSetEditorForm* TMapEditorForm::ChipSetForm() const {
  if (!chipSetForm_) {
    auto* self = const_cast<TMapEditorForm*>(this);
    self->SetChipSetEditor(new TMapChipSetEditorForm(self));
  }
  return chipSetForm_;
}

// ---- controls

QTreeWidget* TMapEditorForm::MapTreeView() const { return mapTreeView_; }

void TMapEditorForm::connectControls() {
  mapScroll_->OnPaint = [this](QPainter& painter, const QRect& clip) { PaintMap(painter, clip); };
  mapScroll_->OnMouseDown = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) {
    MapMouseDown(b, s, x, y);
  };
  mapScroll_->OnMouseMove = [this](TQonShiftState s, int32_t x, int32_t y) { MapMouseMove(s, x, y); };
  mapScroll_->OnMouseUp = [this](TQonMouseButton b, TQonShiftState s, int32_t x, int32_t y) { MapMouseUp(b, s, x, y); };
  chipScroll_->OnPaint = [this](QPainter& painter, const QRect& clip) { PaintPalette(painter, clip); };
  chipScroll_->OnDragOver = [this](const QMimeData* data, QPoint, bool& accept) {
    auto chipSet = DraggedChipSet(data);
    auto map = engine_->GetCurrentMap();
    accept = chipSet && map && !map->GetChipSetIDList()->ContainsID(chipSet->GetID());
  };
  chipScroll_->OnDragDrop = [this](const QMimeData* data, QPoint) { AddDroppedChipSet(DraggedChipSet(data)); };
  for (QWidget* target : {static_cast<QWidget*>(chipTabs_), leftPanel_}) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
  }
  chipScroll_->OnMouseDown = [this](TQonMouseButton b, TQonShiftState, int32_t x, int32_t y) {
    if (b == mbLeft) PaletteMouse(x, y);
  };
  chipScroll_->OnMouseMove = [this](TQonShiftState, int32_t x, int32_t y) {
    if (chipScroll_->IsButtonDown(mbLeft)) PaletteMouse(x, y);
  };

  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) { PageChanged(page); });
  for (QAction* button : modeButtons_)
    connect(button, &QAction::triggered, this, [this, button] { pages_->setCurrentIndex(button->data().toInt()); });
  for (QAction* button : toolButtons_)
    connect(button, &QAction::triggered, this, [this, button] { ToolClicked(button->data().toInt()); });
  connect(eraser_, &QAction::triggered, this, [this] { EraserClicked(); });
  connect(undoButton_, &QAction::triggered, this, [this] { UndoClick(); });
  connect(redoButton_, &QAction::triggered, this, [this] { RedoClick(); });

  connect(heightEdit_, &QLineEdit::textChanged, this, [this](const QString& text) { SetHeightText(text); });
  connect(heightBar_, &QSlider::valueChanged, this, [this](int position) {
    const QString text = QString::number(-position);
    if (heightEdit_->text() != text) heightEdit_->setText(text);
  });
  connect(enemyBar_, &QSlider::valueChanged, this, [this](int position) { engine_->SetValue(position); });
  for (QPushButton* button : directionButtons_)
    connect(button, &QPushButton::clicked, this, [this] { SetDirectionValue(); });
  connect(allWays_, &QPushButton::clicked, this, [this] {
    for (QPushButton* button : directionButtons_) button->setChecked(true);
    SetDirectionValue();
  });
  connect(noWay_, &QPushButton::clicked, this, [this] {
    for (QPushButton* button : directionButtons_) button->setChecked(false);
    SetDirectionValue();
  });
  connect(groundCombo_, &QComboBox::currentIndexChanged, this, [this](int index) { engine_->SetValue(index); });
  connect(moveCombo_, &QComboBox::currentIndexChanged, this, [this] { RepaintCanvas(); });

  connect(zoomBar_, &QSlider::valueChanged, this, [this](int position) {
    mapScroll_->SetPower(position * 8);
    RepaintCanvas();
  });
  connect(loopCheck_, &QCheckBox::toggled, this, [this](bool on) {
    if (auto map = engine_->GetCurrentMap()) map->SetLoopMode(on ? 3 : 0);
  });
  connect(gridCheck_, &QCheckBox::toggled, this, [this](bool on) {
    painter_->GridVisible = on;
    RepaintCanvas();
  });

  connect(chipTabs_, &QTabBar::currentChanged, this, [this](int index) { ChipSetTabChanged(index); });
  QWidget* chipPage = chipTabs_->parentWidget();
  connect(chipPage, &QWidget::customContextMenuRequested, this, [this, chipPage](const QPoint& at) {
    addChipSet_->setEnabled(engine_->GetCurrentMap() != nullptr);
    stopChipSet_->setEnabled(chipTabs_->currentIndex() >= 0);
    tabPopup_->popup(chipPage->mapToGlobal(at));
  });
  connect(mapTreeView_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { RenameItem(item); });
  connect(mapTreeView_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { SelectMap(NodeOf(item)); });
  connect(sharedEditorButton_, &QPushButton::clicked, this, [this] { OpenSharedEditor(); });
}

bool TMapEditorForm::eventFilter(QObject* watched, QEvent* event) {
  const bool target = watched == chipTabs_ || watched == leftPanel_;
  if (!target) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      auto chipSet = DraggedChipSet(drag->mimeData());
      auto map = engine_->GetCurrentMap();
      if (chipSet && map && !map->GetChipSetIDList()->ContainsID(chipSet->GetID())) drag->acceptProposedAction();
      else drag->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (AddDroppedChipSet(DraggedChipSet(drop->mimeData()))) drop->acceptProposedAction();
      else drop->ignore();
      return true;
    }
    default:
      return QDialog::eventFilter(watched, event);
  }
}

// ---- the data set, skin, opening and closing

void TMapEditorForm::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  apiGiven_ = api_ != nullptr;
  designer_.setZMLZelvoAPI(api_);
  engine_->SetMapTree(api_ ? api_->GetMapTree() : nullptr);
  ChipSetForm()->setZMLZelvoAPI(api_);
}

void TMapEditorForm::LoadSkin() {
  skin_.Load();
  LoadSkinIcons();
  painter_->InvalidateTiles();
  RepaintCanvas();
}

void TMapEditorForm::LoadSkinIcons() {
  const ZESkinPictures skin;
  treeIcons_ = skin.LoadIconStrip("treeicon.bmp");
  // The tool bar's pictures in button order: the modes, the tools, the eraser, undo and redo.
  const std::vector<QImage> buttons = skin.LoadIconStrip("mapchipbutton.bmp");
  std::vector<QAction*> actions = modeButtons_;
  actions.insert(actions.end(), toolButtons_.begin(), toolButtons_.end());
  actions.insert(actions.end(), {eraser_, undoButton_, redoButton_});
  for (size_t i = 0; i < actions.size(); ++i)
    actions[i]->setIcon(i < buttons.size() ? QIcon(QPixmap::fromImage(buttons[i])) : QIcon());
  events_->SetIconSource([this](int32_t index) {
    return index >= 0 && size_t(index) < treeIcons_.size() ? QIcon(QPixmap::fromImage(treeIcons_[size_t(index)])) : QIcon();
  });
  FillMapTree();
}

void TMapEditorForm::LoadChipSetBitmaps() {
  auto map = engine_->GetCurrentMap();
  if (map) pictures_.LoadChipSetBitmaps(*engine_->GetBitmapList(), *map);
  else engine_->GetBitmapList()->Clear();
  painter_->InvalidateTiles();
}

void TMapEditorForm::LoadLayerPictures() {
  if (auto map = engine_->GetCurrentMap()) pictures_.LoadLayerPictures(*map);
  painter_->InvalidateTiles();
  RepaintCanvas();
}

std::shared_ptr<IZelvoMapModel> TMapEditorForm::GetMapOfNode(IZelvoMapTreeNodeControl* node) const {
  return node ? node->GetMap() : nullptr;
}

void TMapEditorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Opened();
}

void TMapEditorForm::Opened() {
  if (!apiGiven_) {
    ShowMessage("内部エラー setZMLZelvoAPIを実行していません", windowTitle().toStdString(), MessageKind::Warning);
    return;
  }
  // The window lives as long as the program, while the open game changes under it.
  const char* graphics = api_->GetGraphicsFolder();
  pictures_.SetGraphicsFolder(GamePathPrefix() + (graphics ? graphics : "Graphics\\"));
  skin_.Load();
  LoadSkinIcons();
  painter_->InvalidateTiles();
  FillMapTree();
  if (mapTreeView_->topLevelItemCount() > 0) {
    mapTreeView_->setCurrentItem(mapTreeView_->topLevelItem(0));
    SelectMap(NodeOf(mapTreeView_->topLevelItem(0)));
  }
  std::vector<std::string> moveTypes;
  if (auto list = api_->GetMoveTypeList())
    for (int32_t i = 0; i < list->GetCount(); ++i)
      if (auto moveType = list->GetItem(i)) moveTypes.push_back(moveType->GetNameBytes());
  SetMoveTypeNames(moveTypes);
  layersForm_->setZMLZelvoAPI(api_.get());
  layersForm_->show();
  UpdateHeightBox();
  UpdateSizeLabel();
}

void TMapEditorForm::closeEvent(QCloseEvent* event) {
  Closed();
  QDialog::closeEvent(event);
}

void TMapEditorForm::done(int result) {
  Closed();
  QDialog::done(result);
}

void TMapEditorForm::EndUnfinished() {
  // An unfinished action (a first point, a half-done copy, an event being moved) has not
  // touched the map yet; dropping its state keeps the map as it was before it.
  engine_->EndEdit();
  toolStep_ = 0;
  guide_ = {};
  moving_ = false;
  moved_.reset();
  hovered_.reset();
  popupEvent_.reset();
  cursorShown_ = false;
  engine_->ClearCopy();
}

void TMapEditorForm::Closed() {
  SelectMap(nullptr);
  engine_->GetUndoControl().Clear();
  UpdateUndoButtons();
  if (chipSetForm_) chipSetForm_->close();
  layersForm_->close();
  if (moveTypeView_) moveTypeView_->close();
  engine_->GetBitmapList()->Clear();
  pictures_.LayerPictures().Clear();
  pictures_.EventPictures().Clear();
  pictures_.ClearEventPictures();
  // The data set goes with the game it belongs to; the next showing must be handed one again.
  api_.reset();
  apiGiven_ = false;
  designer_.setZMLZelvoAPI(nullptr);
  engine_->SetMapTree(nullptr);
  layersForm_->setZMLZelvoAPI(nullptr);
}

// ---- selecting a map

bool TMapEditorForm::LoadMapOf(IZelvoMapTreeNodeControl& node) {
  try {
    node.LoadMapFile();
    return true;
  } catch (const EZelvoError& error) {
    // Nothing is opened or marked modified, so a save leaves the unreadable file as it is.
    ShowMessage(std::string("マップを読み込めませんでした\n") + error.what(), windowTitle().toStdString(),
                MessageKind::Error);
    return false;
  }
}

bool TMapEditorForm::LoadMapsOf(std::initializer_list<IZelvoMapTreeNodeControl*> nodes) {
  for (IZelvoMapTreeNodeControl* node : nodes)
    if (node && !LoadMapOf(*node)) return false;
  return true;
}

void TMapEditorForm::SelectMap(std::shared_ptr<IZelvoMapTreeNodeControl> node) {
  // What was begun on the map shown so far ends with it; it must not land on the next one.
  EndUnfinished();
  eventTreeView_->clear();
  if (!node) {
    engine_->SetMap(nullptr);
    engine_->GetBitmapList()->Clear();
    tabChipSets_.clear();
    const QSignalBlocker block(chipTabs_);
    while (chipTabs_->count() > 0) chipTabs_->removeTab(0);
    engine_->SetChipSet(nullptr);
    ResizeCanvas(0, 0);
    SizePalette();
    if (layersForm_) layersForm_->RefreshList();
    return;
  }
  if (!LoadMapOf(*node)) {
    SelectMap(nullptr);
    return;
  }
  engine_->SetMap(node);
  engine_->SetLayerIndex(0);
  node->SetModified(true);
  RebuildChipSetTabs();
  LoadChipSetBitmaps();
  if (auto map = engine_->GetCurrentMap()) {
    pictures_.LoadLayerPictures(*map);
    ResizeCanvas(ClampedMul(map->GetWidth(), kChip), ClampedMul(map->GetHeight(), kChip));
    const QSignalBlocker block(loopCheck_);
    loopCheck_->setChecked(map->GetLoopMode() != 0);
  } else {
    ResizeCanvas(0, 0);
  }
  layersForm_->RefreshList();
  RefreshEventTree();
  UpdateSizeLabel();
}

void TMapEditorForm::OpenMap(int32_t mapID) {
  auto tree = engine_->GetMapTree();
  if (!tree) return;
  auto node = tree->GetRootNode()->FindNode(mapID);
  if (!node) return;
  if (QTreeWidgetItem* item = ItemOf(node.get())) mapTreeView_->setCurrentItem(item);
  SelectMap(node);
}

void TMapEditorForm::CloseMap() { SelectMap(nullptr); }

void TMapEditorForm::UpdateSizeLabel() {
  auto tree = engine_->GetMapTree();
  int32_t loaded = 0, all = 0;
  if (tree && tree->GetRootNode()) {
    loaded = tree->GetRootNode()->GetTotalDataSize() / 1000;
    all = tree->GetRootNode()->GetDataSize() / 1000;
  }
  sizeLabel_->setText(QString("%1/%2 KByte").arg(loaded).arg(all));
}

int32_t TMapEditorForm::MapWidth() const {
  auto map = engine_->GetCurrentMap();
  return map ? map->GetWidth() : 0;
}

int32_t TMapEditorForm::MapHeight() const {
  auto map = engine_->GetCurrentMap();
  return map ? map->GetHeight() : 0;
}

// ---- canvas

void TMapEditorForm::ResizeCanvas(int32_t width, int32_t height) {
  // The scroll box draws only what is in view, so the canvas is the whole map.
  mapScroll_->SetBitmapWidth(std::max(width, 0));
  mapScroll_->SetBitmapHeight(std::max(height, 0));
  RepaintCanvas();
}

int32_t TMapEditorForm::CanvasWidth() const { return mapScroll_->BitmapWidth(); }

void TMapEditorForm::RefreshLayers() {
  if (layersForm_) layersForm_->RefreshList();
}

void TMapEditorForm::RepaintCanvas() { mapScroll_->qonPaintBox->update(); }

void TMapEditorForm::SetMoveTypeNames(const std::vector<std::string>& names) {
  const QSignalBlocker block(moveCombo_);
  moveCombo_->clear();
  for (const std::string& name : names) moveCombo_->addItem(Text::fromCp932(name));
  if (!names.empty()) moveCombo_->setCurrentIndex(0);
}

void TMapEditorForm::PaintMap(QPainter& painter, const QRect& clip) {
  if (!engine_->GetCurrentMap() || clip.isEmpty()) return;
  // One picture for every paint; it only grows, so scrolling allocates nothing.
  const int32_t w = std::min(clip.width(), Bitmap::kMaxSide), h = std::min(clip.height(), Bitmap::kMaxSide);
  if (canvas_.width() < w || canvas_.height() < h)
    canvas_ = Bitmap(std::max(w, canvas_.width()), std::max(h, canvas_.height()));
  Bitmap& target = canvas_;
  const TPoint origin{clip.left(), clip.top()};
  const TRect area{clip.left(), clip.top(), clip.left() + w, clip.top() + h};
  painter_->EventGrid = kEventGrid;
  painter_->PaintCanvas(target, origin, area, mapScroll_->Power());
  if (guide_.kind != TZEMapEditorGuide::None) TZEMapEditorGuides::Draw(target, origin, guide_);
  if (cursorShown_ && !hovered_)
    TZEMapEditorGuides::DrawEventCursor(target, origin, cursorPoint_, CursorSize(), mapScroll_->Power(), moving_);
  painter.drawImage(clip.topLeft(), target.image(), QRect(0, 0, w, h));
}

void TMapEditorForm::PaintPalette(QPainter& painter, const QRect& clip) {
  if (!engine_->GetChipSet() || clip.isEmpty()) return;
  Bitmap target(std::min(clip.width(), Bitmap::kMaxSide), std::min(clip.height(), Bitmap::kMaxSide));
  const TRect area{clip.left(), clip.top(), clip.left() + target.width(), clip.top() + target.height()};
  painter_->PaintPalette(target, {clip.left(), clip.top()}, area, chipScroll_->Power());
  painter.drawImage(clip.topLeft(), target.image());
}

void TMapEditorForm::SizePalette() {
  auto chipSet = engine_->GetChipSet();
  const int32_t limit = kMaxSidePixels;
  const int64_t width = chipSet ? int64_t(chipSet->GetWidth()) * kChip : 0;
  const int64_t height = chipSet ? int64_t(chipSet->GetHeight()) * kChip : 0;
  chipScroll_->SetBitmapWidth(int32_t(std::clamp<int64_t>(width, 0, limit)));
  chipScroll_->SetBitmapHeight(int32_t(std::clamp<int64_t>(height, 0, limit)));
  chipScroll_->qonPaintBox->update();
}

// ---- modes, values, eraser, tools

void TMapEditorForm::PageChanged(int page) {
  switch (page) {
    case TZEMapEditor::ModeHeight: engine_->SetValue(-heightBar_->value()); break;
    case TZEMapEditor::ModeEncounter: engine_->SetValue(enemyBar_->value()); break;
    case TZEMapEditor::ModePassability: SetDirectionValue(); break;
    case TZEMapEditor::ModeGroundType: engine_->SetValue(groundCombo_->currentIndex()); break;
    case TZEMapEditor::ModeEvent: engine_->SetValue(-1); break;
    default: break;
  }
  if (page >= 0 && size_t(page) < modeButtons_.size()) modeButtons_[size_t(page)]->setChecked(true);
  CancelMove();
  engine_->SetMode(page);
  UpdateHeightBox();
  cursorShown_ = false;
  guide_ = {};
  mapScroll_->qonPaintBox->repaint();
  UpdateSizeLabel();
}

void TMapEditorForm::SetHeightText(const QString& text) {
  bool ok = false;
  int value = text.trimmed().toInt(&ok);
  if (!ok) value = 300;
  if (value < -15 || value > 15) return;
  {
    const QSignalBlocker block(heightBar_);
    heightBar_->setValue(-value);
  }
  engine_->SetValue(value);
  ReleaseEraser();
  UpdateHeightBox();
}

void TMapEditorForm::UpdateHeightBox() {
  // The engine's value is the height only on the height page; elsewhere the bar holds it.
  const int32_t height = engine_->GetMode() == TZEMapEditor::ModeHeight ? engine_->GetValue() : -heightBar_->value();
  QPalette palette = heightBox_->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(TZEMapEditorPainter::HeightBoxColor(height)));
  heightBox_->setPalette(palette);
  heightBox_->update();
}

void TMapEditorForm::SetDirectionValue() {
  int32_t value = 0;
  for (size_t i = 0; i < directionButtons_.size(); ++i)
    if (directionButtons_[i]->isChecked()) value |= 1 << i;
  engine_->SetValue(value);
  ReleaseEraser();
}

void TMapEditorForm::EraserClicked() {
  if (eraserDown_) {
    // A second press leaves it down.
    eraser_->setChecked(true);
    return;
  }
  eraserDown_ = true;
  eraser_->setChecked(true);
  switch (engine_->GetMode()) {
    case TZEMapEditor::ModeChip: engine_->SetPenOn(0); break;
    case TZEMapEditor::ModeHeight:
      engine_->SetValue(kNothingHeight);
      UpdateHeightBox();
      break;
    case TZEMapEditor::ModeEncounter:
    case TZEMapEditor::ModePassability:
    case TZEMapEditor::ModeGroundType: engine_->SetValue(-1); break;
    default: break;
  }
}

void TMapEditorForm::ReleaseEraser() {
  eraserDown_ = false;
  eraser_->setChecked(false);
}

void TMapEditorForm::ShowEraserFrom(bool nothing) {
  eraserDown_ = nothing;
  eraser_->setChecked(nothing);
}

void TMapEditorForm::ToolClicked(int tool) {
  engine_->SetTool(tool);
  toolStep_ = 0;
  guide_ = {};
  engine_->ClearCopy();
  RepaintCanvas();
}

// ---- undo

bool TMapEditorForm::RecordWholeLayer() {
  auto node = engine_->GetMap();
  if (!node) return false;
  // A refused step has shown its message; the change it would guard is not made.
  return engine_->AddRectUndo({0, 0, MapWidth(), MapHeight()}, engine_->GetLayerIndex(), node->GetID());
}

void TMapEditorForm::UpdateUndoButtons() {
  TZEUndoControl& undo = engine_->GetUndoControl();
  const int32_t steps = undo.GetStepCount(), undone = undo.GetUndoneCount();
  undoButton_->setToolTip(QString::number(steps));
  undoButton_->setEnabled(steps - undone > 0);
  redoButton_->setToolTip(QString::number(undone));
  redoButton_->setEnabled(undone > 0);
}

void TMapEditorForm::UndoClick() {
  if (!undoButton_->isEnabled()) return;
  engine_->Undo();
  RepaintCanvas();
  UpdateUndoButtons();
}

void TMapEditorForm::RedoClick() {
  if (!redoButton_->isEnabled()) return;
  engine_->Redo();
  RepaintCanvas();
  UpdateUndoButtons();
}

}  // namespace zelvo
