// The map editor window: the event tree of the event page (the map's own events first, then the
// shared packages), its pop-up, and events dragged from it onto the canvas.

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

#include "editor/MapEditorForm.h"
#include "editor/QonScrollBox.h"
#include "editor/ZEEventEditorView.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageIDList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoMapModel.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

// A drop position on the scroll box as a content pixel of its picture.
QPoint contentPoint(const TQonScrollBox& box, QPoint at) { return box.PicturePoint(at); }

}  // namespace

void TMapEditorForm::makeEventTreeActions() {
  eventTreePopup_ = new QMenu(this);
  treeEditEvent_ = eventTreePopup_->addAction(Text::u("イベントの編集(&E)"), this, [this] {
    if (auto event = SelectedEvent()) {
      EditEvent(event);
      RefreshEventTree();
    }
  });
  treeDeleteEvent_ = eventTreePopup_->addAction(Text::u("イベントの削除(&D)"), this, [this] { DeleteTreeEvent(); });
  usePackage_ = eventTreePopup_->addAction(Text::u("このパッケージを使用する(&A)"), this, [this] { SetPackageUse(true); });
  stopPackage_ = eventTreePopup_->addAction(Text::u("このパッケージの使用を中止する(&D)"), this, [this] { SetPackageUse(false); });
  eventTreeView_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(eventTreeView_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    UpdateEventTreePopup();
    eventTreePopup_->popup(eventTreeView_->viewport()->mapToGlobal(at));
  });
  connect(eventTreeView_, &QTreeWidget::itemDoubleClicked, this, [this] { EventTreeDoubleClick(); });
  mapScroll_->OnDragOver = [this](const QMimeData*, QPoint at, bool& accept) { accept = AcceptEventDrop(at); };
  mapScroll_->OnDragDrop = [this](const QMimeData*, QPoint at) { DropEvent(at); };
}

std::shared_ptr<IZelvoEventModel> TMapEditorForm::SelectedEvent() const {
  IZETreeNode* node = events_->GetSelected();
  return node ? node->GetData().As<IZelvoEventModel>() : nullptr;
}

// The package node selected, or the package of the event selected.
std::shared_ptr<IZelvoEventPackageModel> TMapEditorForm::SelectedPackage() const {
  IZETreeNode* node = events_->GetSelected();
  if (node && node->GetData().As<IZelvoEventModel>()) node = node->GetParent();
  return node ? node->GetData().As<IZelvoEventPackageModel>() : nullptr;
}

bool TMapEditorForm::PackageUsed(const IZelvoEventPackageModel& package) const {
  auto map = engine_->GetCurrentMap();
  auto ids = map ? map->GetEventPackageIDList() : nullptr;
  for (int32_t i = 0; ids && i < ids->GetCount(); ++i)
    if (ids->GetID(i) == package.GetID()) return true;
  return false;
}

void TMapEditorForm::UpdateEventTreePopup() {
  auto map = engine_->GetCurrentMap();
  const bool event = SelectedEvent() != nullptr;
  auto package = event ? nullptr : SelectedPackage();
  // The map's own package is always in use; only shared ones are switched.
  const bool shared = package && map && package != map->GetLocalEventPackage();
  treeEditEvent_->setEnabled(event);
  treeDeleteEvent_->setEnabled(event);
  usePackage_->setEnabled(shared && !PackageUsed(*package));
  stopPackage_->setEnabled(shared && PackageUsed(*package));
}

void TMapEditorForm::EventTreeDoubleClick() {
  if (auto event = SelectedEvent()) {
    EditEvent(event);
    RefreshEventTree();
    return;
  }
  auto package = SelectedPackage();
  auto map = engine_->GetCurrentMap();
  if (package && map && package != map->GetLocalEventPackage()) SetPackageUse(!PackageUsed(*package));
}

void TMapEditorForm::SetPackageUse(bool use) {
  auto package = SelectedPackage();
  auto map = engine_->GetCurrentMap();
  if (!package || !map || package == map->GetLocalEventPackage() || PackageUsed(*package) == use) return;
  if (use) map->GetEventPackageIDList()->Add(package);
  else map->GetEventPackageIDList()->RemoveID(package->GetID());
  MarkModified(engine_->GetMap().get());
}

void TMapEditorForm::DeleteTreeEvent() {
  auto event = SelectedEvent();
  auto package = SelectedPackage();
  auto map = engine_->GetCurrentMap();
  if (!event || !package || !map) return;
  if (package != map->GetLocalEventPackage()) {
    ShowMessage("このイベントは共有イベントです。\r\n削除は共有イベントエディタから行ってください", windowTitle().toStdString(),
                MessageKind::Warning);
    return;
  }
  for (int32_t i = 0; i < package->GetCount(); ++i)
    if (package->GetItem(i) == event) {
      package->Delete(i);
      break;
    }
  RefreshEventTree();
  RepaintCanvas();
}

void TMapEditorForm::OpenSharedEditor() {
  TZEEventEditorView editor(this);
  editor.setZMLZelvoAPI(api_);
  editor.exec();
  RefreshEventTree();
}

// Only an event of the event tree, in the event mode, onto the open map.
bool TMapEditorForm::AcceptEventDrop(QPoint at) const {
  at = contentPoint(*mapScroll_, at);
  if (engine_->GetMode() != TZEMapEditor::ModeEvent || !engine_->GetCurrentLayer() || !SelectedEvent()) return false;
  const TPoint point = SnappedPoint(at.x(), at.y());
  return point.X >= 0 && point.Y >= 0 && int64_t(point.X) < int64_t(MapWidth()) * kChip &&
         int64_t(point.Y) < int64_t(MapHeight()) * kChip;
}

void TMapEditorForm::DropEvent(QPoint at) {
  if (!AcceptEventDrop(at)) return;
  at = contentPoint(*mapScroll_, at);
  auto event = SelectedEvent();
  auto package = SelectedPackage();
  auto map = engine_->GetCurrentMap();
  const bool local = !package || package == map->GetLocalEventPackage();
  PlaceEvent(SnappedPoint(at.x(), at.y()), local ? -1 : package->GetID(), event->GetID());
}

}  // namespace zelvo
