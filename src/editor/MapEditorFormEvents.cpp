// The map editor window: the event mode. Pixel points snap to the event grid; the cursor is the
// moved event's size, else the direction animation chosen for it.

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QMenu>
#include <QTreeWidget>

#include "editor/MapEditorForm.h"
#include "editor/MapEditorLayersForm.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEEventDirectionView.h"
#include "editor/ZEEventEditorView2.h"
#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/Cp932.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

int32_t capSide(int32_t side) { return std::clamp(side, 1, TMapEditorForm::kMaxCursorSide); }

TPoint sizeOf(const IZelvoEventPositionModel& position) {
  return {capSide(position.GetGraphicWidth()), capSide(position.GetGraphicHeight())};
}

bool overlaps(const TPoint& a, const TPoint& aSize, const TPoint& b, const TPoint& bSize) {
  return int64_t(a.X) < int64_t(b.X) + bSize.X && int64_t(b.X) < int64_t(a.X) + aSize.X &&
         int64_t(a.Y) < int64_t(b.Y) + bSize.Y && int64_t(b.Y) < int64_t(a.Y) + aSize.Y;
}

}  // namespace

std::shared_ptr<IZelvoEventPositionModel> TMapEditorForm::HoveredEventAt(
    const std::vector<std::shared_ptr<IZelvoEventPositionModel>>& positions, const TPoint& point,
    const TPoint& cursorSize, const IZelvoEventPositionModel* skip) {
  std::shared_ptr<IZelvoEventPositionModel> best;
  int64_t bestDistance = 0;
  for (const auto& position : positions) {
    if (!position || position.get() == skip) continue;
    const TPoint at{position->GetX(), position->GetY()};
    if (!overlaps(at, sizeOf(*position), point, cursorSize)) continue;
    const int64_t dx = int64_t(at.X) - point.X, dy = int64_t(at.Y) - point.Y;
    const int64_t distance = dx * dx + dy * dy;
    if (!best || distance < bestDistance) best = position, bestDistance = distance;
  }
  return best;
}

TPoint TMapEditorForm::CursorSize() const {
  if (moving_ && moved_) return sizeOf(*moved_);
  const int index = cursorCombo_->currentIndex();
  auto list = api_ ? api_->GetDAnimationList() : nullptr;
  if (index <= 0 || !list) return {32, 32};
  auto animation = list->GetItem(index - 1);
  if (!animation) return {32, 32};
  return {capSide(animation->GetWidth()), capSide(animation->GetHeight())};
}

TPoint TMapEditorForm::SnappedPoint(int32_t x, int32_t y) const {
  return TZEMapEditorGuides::SnapEventPoint({x, y}, CursorSize(), kEventGrid);
}

std::vector<std::shared_ptr<IZelvoEventPositionModel>> TMapEditorForm::EventPositions() const {
  std::vector<std::shared_ptr<IZelvoEventPositionModel>> out;
  auto map = engine_->GetCurrentMap();
  auto list = map ? map->GetEventPositionList() : nullptr;
  for (int32_t i = 0; list && i < list->GetCount(); ++i) out.push_back(list->GetItem(i));
  return out;
}

void TMapEditorForm::EventMouseMove(int32_t x, int32_t y) {
  const TPoint snapped = SnappedPoint(x, y);
  if (cursorShown_ && snapped.X == cursorPoint_.X && snapped.Y == cursorPoint_.Y) return;
  cursorPoint_ = snapped;
  cursorShown_ = true;
  hovered_ = HoveredEventAt(EventPositions(), snapped, CursorSize(), moving_ ? moved_.get() : nullptr);
  mapScroll_->qonPaintBox->repaint();
}

void TMapEditorForm::EventMouseDown(TQonMouseButton button, int32_t x, int32_t y) {
  if (button != mbLeft || !moving_ || !moved_) return;
  const TPoint snapped = SnappedPoint(x, y);
  if (HoveredEventAt(EventPositions(), snapped, CursorSize(), moved_.get())) return;
  auto layer = engine_->GetCurrentLayer();
  if (!layer) return;
  if (!engine_->AddEventMoveUndo(moved_->GetID(), engine_->GetMap()->GetID())) return;
  moved_->SetPosition(snapped.X, snapped.Y, layer->GetID());
  moving_ = false;
  moved_.reset();
  UpdateUndoButtons();
  RepaintCanvas();
}

void TMapEditorForm::EventMouseUp(TQonMouseButton button, int32_t x, int32_t y) {
  if (button != mbRight) return;
  const QPoint global = QCursor::pos();
  if (moving_) {
    movePopup_->popup(global);
    return;
  }
  lastPoint_ = SnappedPoint(x, y);
  if (lastPoint_.X < 0 || lastPoint_.Y < 0 || int64_t(lastPoint_.X) >= int64_t(MapWidth()) * kChip ||
      int64_t(lastPoint_.Y) >= int64_t(MapHeight()) * kChip)
    return;
  if (LayerTooFaint())
    ShowMessage("このレイヤは不透明度が低いです", windowTitle().toStdString(), MessageKind::Warning);
  OpenMapPopup(global);
}

void TMapEditorForm::OpenMapPopup(QPoint global) {
  popupEvent_ = HoveredEventAt(EventPositions(), lastPoint_, CursorSize(), nullptr);
  const bool event = popupEvent_ != nullptr;
  newEvent_->setEnabled(!event);
  placeEvent_->setEnabled(!event);
  startPosition_->setEnabled(!event);
  for (QAction* entry : {editEvent_, relinkEvent_, directionEvent_, moveEvent_, deleteEvent_}) entry->setEnabled(event);
  stopMove_->setEnabled(false);
  mapPopup_->popup(global);
}

void TMapEditorForm::makeEventActions() {
  mapPopup_ = new QMenu(this);
  newEvent_ = mapPopup_->addAction(Text::u("新規イベントの作成(&N)"), this, [this] { NewEventClick(); });
  mapPopup_->setDefaultAction(newEvent_);
  placeEvent_ = mapPopup_->addAction(Text::u("選択されたイベントを設置(&P)"));
  editEvent_ = mapPopup_->addAction(Text::u("イベントの編集(&E)"), this, [this] { EditEventClick(); });
  relinkEvent_ = mapPopup_->addAction(Text::u("使用するイベントデータの変更(&C)"), this, [this] { RelinkEventClick(); });
  directionEvent_ = mapPopup_->addAction(Text::u("イベントの方向を設定(&D)"), this, [this] { DirectionEventClick(); });
  moveEvent_ = mapPopup_->addAction(Text::u("イベントの移動(&M)"), this, [this] {
    if (!popupEvent_) return;
    moving_ = true;
    moved_ = popupEvent_;
    hovered_.reset();
  });
  deleteEvent_ = mapPopup_->addAction(Text::u("イベントの削除(&D)"), this, [this] { DeleteEventClick(); });
  startPosition_ = mapPopup_->addAction(Text::u("スタート位置の設定(&S)"), this, [this] { StartPositionClick(); });
  stopMove_ = mapPopup_->addAction(Text::u("イベントの移動を中止(&S)"), this, [this] { CancelMove(); });
  movePopup_ = new QMenu(this);
  movePopup_->addAction(Text::u("イベント移動の中止(&S)"), this, [this] { CancelMove(); });
}

void TMapEditorForm::CancelMove() {
  if (!moving_) return;
  moving_ = false;
  moved_.reset();
  RepaintCanvas();
}

TZEEventEditorView2* TMapEditorForm::EventEditor() {
  if (!eventEditor_) eventEditor_ = new TZEEventEditorView2(this);
  return eventEditor_;
}

bool TMapEditorForm::EditEvent(const std::shared_ptr<IZelvoEventModel>& event) {
  TZEEventEditorView2* editor = EventEditor();
  editor->setZMLZelvoAPI(api_);
  editor->EditEvent(event);
  const bool layersShown = layersForm_->isVisible();
  layersForm_->hide();
  const bool ok = editor->exec() == QDialog::Accepted;
  if (layersShown) layersForm_->show();
  return ok;
}

void TMapEditorForm::NewEventClick() {
  auto map = engine_->GetCurrentMap();
  auto layer = engine_->GetCurrentLayer();
  auto factory = api_ ? api_->GetFactory() : nullptr;
  if (!map || !layer || !factory) return;
  auto event = factory->CreateEventModel();
  auto action = factory->CreateActionModel();
  if (!event || !action) return;
  action->SetOrder(factory->CreateOrderModel(nullptr));
  action->SetCondition(factory->CreateConditionModel());
  auto collisions = api_->GetCollisionList();
  if (collisions && collisions->GetCount() > 0) action->SetCollision(collisions->GetItem(0));
  auto animations = api_->GetDAnimationList();
  if (animations && animations->GetCount() > 0) action->SetDAnimation(animations->GetItem(0));
  event->Add(action);
  if (!EditEvent(event)) return;
  auto package = map->GetLocalEventPackage();
  if (!package) return;
  package->Add(event);
  PlaceEvent(lastPoint_, -1, event->GetID());
  RefreshEventTree();
}

void TMapEditorForm::PlaceEvent(const TPoint& at, int32_t packageID, int32_t eventID) {
  auto map = engine_->GetCurrentMap();
  auto layer = engine_->GetCurrentLayer();
  auto factory = api_ ? api_->GetFactory() : nullptr;
  if (!map || !layer || !factory) return;
  auto position = factory->CreateEventPositionModel();
  if (!position) return;
  if (!engine_->AddEventPositionUndo(position->GetID(), engine_->GetMap()->GetID())) return;
  position->SetAPI(api_.get());
  position->SetLocalPackage(map->GetLocalEventPackage().get());
  position->SetPosition(at.X, at.Y, layer->GetID());
  position->SetPackageID(packageID);
  position->SetEventID(eventID);
  map->GetEventPositionList()->Add(position);
  UpdateUndoButtons();
  RepaintCanvas();
}

void TMapEditorForm::EditEventClick() {
  auto event = popupEvent_ ? popupEvent_->GetEvent() : nullptr;
  if (!event) {
    ShowMessage("リンクしているイベントが有りません・・・", windowTitle().toStdString(), MessageKind::Warning);
    return;
  }
  EditEvent(event);
  RefreshEventTree();
}

void TMapEditorForm::RelinkEventClick() {
  if (!popupEvent_) return;
  IZETreeNode* selected = events_->GetSelected();
  auto event = selected ? selected->GetData().As<IZelvoEventModel>() : nullptr;
  if (!event) {
    ShowMessage("イベント一覧で対象のイベントを選択してから、もう一度操作を行ってください", windowTitle().toStdString(),
                MessageKind::Information);
    return;
  }
  IZETreeNode* parent = selected->GetParent();
  auto package = parent ? parent->GetData().As<IZelvoEventPackageModel>() : nullptr;
  auto map = engine_->GetCurrentMap();
  const bool local = !package || (map && package == map->GetLocalEventPackage());
  auto old = popupEvent_->GetEvent();
  const std::string oldName = old ? old->GetNameBytes() : Cp932::fromUtf8("[データ無し]");
  popupEvent_->SetPackageID(local ? -1 : package->GetID());
  popupEvent_->SetEventID(event->GetID());
  const std::string text = Cp932::toUtf8(Cp932::fromUtf8("配置したイベントを") + oldName + Cp932::fromUtf8("から") +
                                         event->GetNameBytes() + Cp932::fromUtf8("に変更しました"));
  ShowMessage(text, windowTitle().toStdString(), MessageKind::Information);
  RepaintCanvas();
}

void TMapEditorForm::DirectionEventClick() {
  if (!popupEvent_) return;
  TZEEventDirectionView view(this);
  view.SetTarget(popupEvent_);
  view.exec();
  RepaintCanvas();
}

void TMapEditorForm::DeleteEventClick() {
  auto map = engine_->GetCurrentMap();
  if (!popupEvent_ || !map) return;
  if (!engine_->AddEventPositionUndo(popupEvent_->GetID(), engine_->GetMap()->GetID())) return;
  map->GetEventPositionList()->DeleteByID(popupEvent_->GetID());
  if (hovered_ == popupEvent_) hovered_.reset();
  popupEvent_.reset();
  UpdateUndoButtons();
  RepaintCanvas();
}

void TMapEditorForm::StartPositionClick() {
  auto tree = engine_->GetMapTree();
  auto layer = engine_->GetCurrentLayer();
  auto node = engine_->GetMap();
  if (!tree || !layer || !node) return;
  if (!engine_->AddStartPositionUndo()) return;
  tree->SetStartMapID(node->GetID());
  tree->SetStartPosition(lastPoint_.X, lastPoint_.Y);
  tree->SetStartFloorID(layer->GetID());
  UpdateUndoButtons();
  RepaintCanvas();
}

void TMapEditorForm::RefreshEventTree() {
  eventTreeView_->clear();
  auto map = engine_->GetCurrentMap();
  if (map) {
    auto local = map->GetLocalEventPackage();
    IZETreeNode* node = events_->AddChild(nullptr, Cp932::fromUtf8("このマップのイベント"));
    node->SetIcon(ZEIcon::LoosePackage);
    node->SetData(local);
    designer_.FillPackageEvents(*events_, node, local);
    designer_.FillEventTree(*events_);
  }
  const QSignalBlocker block(cursorCombo_);
  cursorCombo_->clear();
  cursorCombo_->addItem(Text::u("<<未使用>>"));
  auto animations = api_ ? api_->GetDAnimationList() : nullptr;
  for (int32_t i = 0; animations && i < animations->GetCount(); ++i)
    if (auto animation = animations->GetItem(i))
      cursorCombo_->addItem(Text::fromCp932(animation->GetNameBytes()));
  cursorCombo_->setCurrentIndex(0);
}

}  // namespace zelvo
