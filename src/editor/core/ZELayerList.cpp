#include "editor/core/ZELayerList.h"

#include <algorithm>
#include <cstdio>

#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorHost.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "platform/core/ClampedMath.h"

namespace zelvo {

TZELayerList::TZELayerList(TZEMapEditor& editor, IZEMapEditorHost* host) : editor_(editor), host_(host) {}

std::shared_ptr<IZelvoMapModel> TZELayerList::Map() const { return editor_.GetCurrentMap(); }

int32_t TZELayerList::MapID() const { return editor_.GetMap() ? editor_.GetMap()->GetID() : -1; }

bool TZELayerList::HasMap() const { return Map() != nullptr; }

std::string TZELayerList::RowText(const IZelvoMapFloorModel& floor) {
  char percent[32];
  std::snprintf(percent, sizeof percent, ":%.2d%%", floor.GetEditorOpacity());
  return floor.GetNameBytes() + percent;
}

int32_t TZELayerList::RowCount() const {
  auto map = Map();
  return map ? map->GetFloorCount() : 0;
}

int32_t TZELayerList::FloorOfRow(int32_t row) const {
  int32_t count = RowCount();
  return row >= 0 && row < count ? count - row - 1 : -1;
}

int32_t TZELayerList::RowOfFloor(int32_t floor) const {
  int32_t count = RowCount();
  return floor >= 0 && floor < count ? count - floor - 1 : -1;
}

std::vector<std::string> TZELayerList::Rows() const {
  std::vector<std::string> rows;
  auto map = Map();
  if (!map) return rows;
  for (int32_t f = map->GetFloorCount(); f-- > 0;) rows.push_back(RowText(*map->GetFloor(f)));
  return rows;
}

int32_t TZELayerList::IconOfRow(int32_t row, bool selected) const {
  int32_t floor = FloorOfRow(row);
  if (floor < 0) return -1;
  // The type is whatever the file holds.
  return ClampedAdd(Map()->GetFloor(floor)->GetLayerType(), selected ? kSelectedIconOffset : 0);
}

int32_t TZELayerList::SelectedRow() {
  int32_t count = RowCount();
  if (count == 0) return -1;
  int32_t index = std::clamp(editor_.GetLayerIndex(), 0, count - 1);
  editor_.SetLayerIndex(index);
  return RowOfFloor(index);
}

bool TZELayerList::ClickRow(int32_t row) {
  int32_t floor = FloorOfRow(row);
  if (floor < 0) return false;
  editor_.SetLayerIndex(floor);
  return true;
}

void TZELayerList::SetEditorOpacity(int32_t value) {
  auto layer = editor_.GetCurrentLayer();
  if (!layer) return;
  layer->SetEditorOpacity(std::clamp(value, 0, kMaxOpacity));
  editor_.MarkMapModified();
}

void TZELayerList::SetLayerName(const std::string& cp932) {
  auto layer = editor_.GetCurrentLayer();
  if (!layer) return;
  layer->SetNameBytes(cp932);
  editor_.MarkMapModified();
}

bool TZELayerList::CanDelete() const { return RowCount() > 1; }

bool TZELayerList::CanMoveUp() const {
  int32_t count = RowCount();
  return count > 0 && editor_.GetLayerIndex() < count - 1;
}

bool TZELayerList::CanMoveDown() const { return HasMap() && editor_.GetLayerIndex() > 0; }

int32_t TZELayerList::FreshFloorID(const IZelvoMapModel& map) const {
  // The undo step tells an added floor from a kept one by its ID, so the ID must be new to the map.
  auto ids = api_ ? api_->GetIDManager() : nullptr;
  int32_t id = ids ? ids->NewID() : 0;
  for (int32_t tries = 0; map.FindFloor(id) && tries < 1000; ++tries) id = ids ? ids->NewID() : id + 1;
  return id;
}

void TZELayerList::Recorded() const {
  if (host_) host_->UpdateUndoButtons();
}

bool TZELayerList::AddLayer() {
  auto map = Map();
  if (!map) return false;
  int32_t index = SelectedRow() < 0 ? 0 : editor_.GetLayerIndex() + 1;
  auto floor = std::make_shared<TZelvoMapFloorModel>(FreshFloorID(*map), api_);
  if (!editor_.AddFloorUndo(floor->GetID(), {map->GetWidth(), map->GetHeight()}, index, MapID())) return false;
  Recorded();
  floor->SetSize(map->GetWidth(), map->GetHeight());
  map->InsertFloor(index, floor);
  return true;
}

bool TZELayerList::DeleteLayer() {
  if (!CanDelete()) return false;
  auto map = Map();
  int32_t index = editor_.GetLayerIndex();
  if (RowOfFloor(index) < 0) return false;
  if (!editor_.AddFloorUndo(map->GetFloor(index)->GetID(), {map->GetWidth(), map->GetHeight()}, index, MapID()))
    return false;
  Recorded();
  map->DeleteFloor(index);
  if (index == map->GetFloorCount()) editor_.SetLayerIndex(index - 1);
  return true;
}

bool TZELayerList::MoveUp() {
  if (!CanMoveUp()) return false;
  int32_t row = SelectedRow();
  return ExchangeRows(row, row - 1);
}

bool TZELayerList::MoveDown() {
  if (!CanMoveDown()) return false;
  int32_t row = SelectedRow();
  return ExchangeRows(row, row + 1);
}

bool TZELayerList::ExchangeRows(int32_t rowA, int32_t rowB) {
  int32_t a = FloorOfRow(rowA);
  int32_t b = FloorOfRow(rowB);
  if (a < 0 || b < 0 || a == b) return false;
  if (!editor_.AddFloorOrderUndo(a, b, MapID())) return false;
  Recorded();
  Map()->ExchangeFloors(a, b);
  editor_.SetLayerIndex(b);
  return true;
}

bool TZELayerList::DropRow(int32_t target, int32_t dragged) {
  int32_t count = RowCount();
  if (count == 0) return false;
  if (target < 0 || target >= count) target = count - 1;
  return ExchangeRows(target, dragged);
}

}  // namespace zelvo
