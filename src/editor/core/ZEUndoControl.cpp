#include "editor/core/ZEUndoControl.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <type_traits>
#include <cstring>
#include <new>
#include <stdexcept>

#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorWindow.h"
#include "model/ZStream.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/GameGeometry.h"
#include "platform/core/SpanStream.h"

namespace zelvo {

namespace {

constexpr int64_t kCellBytes = kMapCellBytes;
// Kinds that store no snapshot still get a block, so the step keeps its keys.
constexpr int64_t kKeysOnly = 1;
// A placed event keeps its floor, package, event and direction.
constexpr int64_t kEventPositionBytes = 4 * sizeof(int32_t);

std::vector<uint8_t> recordOf(IZelvoModel& model) {
  TZStream stream("", TZStream::Memory);
  model.SaveToStream(stream);
  return ReadAllBytes(stream);
}

// Where the cell in memory already has its stored byte layout, a step copies cells whole.
constexpr bool kCellsAsStored = std::endian::native == std::endian::little && sizeof(TZelvoMapCell) == kMapCellBytes &&
                                std::is_trivially_copyable_v<TZelvoMapCell> && offsetof(TZelvoMapCell, Column) == 4 &&
                                offsetof(TZelvoMapCell, Row) == 6 && offsetof(TZelvoMapCell, Flags) == 8 &&
                                offsetof(TZelvoMapCell, Height) == 12 && offsetof(TZelvoMapCell, GroundKind) == 14 &&
                                offsetof(TZelvoMapCell, Passability) == 16 && offsetof(TZelvoMapCell, Encounter) == 18 &&
                                offsetof(TZelvoMapCell, Param) == 20 && offsetof(TZelvoMapCell, EventID) == 24;

inline void storeCell(const TZelvoMapCell& cell, uint8_t* out) {
  if constexpr (kCellsAsStored)
    std::memcpy(out, &cell, kMapCellBytes);
  else
    EncodeMapCell(cell, out);
}

inline TZelvoMapCell loadCell(const uint8_t* in) {
  if constexpr (kCellsAsStored) {
    TZelvoMapCell cell;
    std::memcpy(&cell, in, kMapCellBytes);
    return cell;
  } else {
    return DecodeMapCell(in);
  }
}

inline bool storedAs(const TZelvoMapCell& cell, const uint8_t* stored) {
  if constexpr (kCellsAsStored) return std::memcmp(&cell, stored, kMapCellBytes) == 0;
  uint8_t now[kMapCellBytes];
  EncodeMapCell(cell, now);
  return std::memcmp(now, stored, kMapCellBytes) == 0;
}

// Rows of a floor's cells against the 28-byte cells a step holds. The data layer's own floor
// lends its grid, so a row is one copy; any other floor goes cell by cell.
class TCellRows {
 public:
  TCellRows(IZelvoMapFloorModel& floor, int32_t x1, int32_t x2)
      : floor_(floor), x1_(x1), x2_(x2), width_(x2 - x1), plain_(dynamic_cast<TZelvoMapFloorModel*>(&floor)) {
    if (!kCellsAsStored || !plain_ || x2 > plain_->GetWidth() || x1 < 0) plain_ = nullptr;
  }
  void Read(int32_t y, uint8_t* out) const {
    if (const TZelvoMapCell* row = Row(y))
      std::memcpy(out, row, size_t(width_) * kMapCellBytes);
    else
      for (int32_t x = x1_; x < x2_; ++x, out += kMapCellBytes) storeCell(floor_.GetCell(x, y), out);
  }
  void Write(int32_t y, const uint8_t* in) const {
    if (TZelvoMapCell* row = Row(y))
      std::memcpy(static_cast<void*>(row), in, size_t(width_) * kMapCellBytes);
    else
      for (int32_t x = x1_; x < x2_; ++x, in += kMapCellBytes) floor_.SetCell(x, y, loadCell(in));
  }
  // The first and last column of row y whose cell differs from the stored one; false when none.
  bool Differs(int32_t y, const uint8_t* in, int32_t& first, int32_t& last) const {
    const TZelvoMapCell* row = Row(y);
    if (row && std::memcmp(row, in, size_t(width_) * kMapCellBytes) == 0) return false;
    auto same = [&](int32_t x) {
      const uint8_t* stored = in + int64_t(x - x1_) * kMapCellBytes;
      return row ? std::memcmp(row + (x - x1_), stored, kMapCellBytes) == 0 : storedAs(floor_.GetCell(x, y), stored);
    };
    first = x1_;
    while (first < x2_ && same(first)) ++first;
    if (first == x2_) return false;
    last = x2_ - 1;
    while (same(last)) --last;
    return true;
  }

 private:
  TZelvoMapCell* Row(int32_t y) const {
    if (!plain_ || y < 0 || y >= plain_->GetHeight()) return nullptr;
    return plain_->CellData() + int64_t(y) * plain_->GetWidth() + x1_;
  }

  IZelvoMapFloorModel& floor_;
  int32_t x1_, x2_, width_;
  TZelvoMapFloorModel* plain_;
};

int32_t clampIndex(int32_t index, int32_t count) { return std::clamp(index, 0, std::max(count, 0)); }

bool validIndex(int32_t index, int32_t count) { return index >= 0 && index < count; }

}  // namespace

TZEUndoControl::TZEUndoControl(int32_t budget, TZEMapEditor& editor) : TEtcUndo(budget), editor_(editor) {}

std::unique_ptr<TEtcUndoChip> TZEUndoControl::CreateChip(const TEtcUndoKeys& keys) {
  auto chip = std::make_unique<TZEUndoChipModel>(*this, keys);
  chip->SetAPI(api_);
  return chip;
}

bool TZEUndoControl::Record(const TEtcUndoKeys& keys) {
  const auto [kind, k1, k2, k3, k4, k5, k6] = keys;
  try {
    // A rectangle step may shrink when its edit ends; it waits for that before it costs older steps.
    if (kind == UndoRect)
      AddPendingStep(kind, k1, k2, k3, k4, k5, k6);
    else
      AddStep(kind, k1, k2, k3, k4, k5, k6);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  MarkModifiedBy(keys);
  return true;
}

void TZEUndoControl::MarkModifiedBy(const TEtcUndoKeys& keys) const {
  switch (keys[0]) {
    // The start position belongs to the map tree, not to the map it names.
    case UndoStartPosition: return;
    case UndoMapNode: {
      // A map-tree step names the node; the map that changes is its parent's, or the node itself.
      const auto node = TZEMapNodeKeys::From(keys);
      MarkModified(node.ParentID);
      MarkModified(node.NodeID);
      return;
    }
    default: MarkModified(UndoNodeIDOf(keys));
  }
}

void TZEUndoControl::EndEdit() { EndPending(); }

void TZEUndoControl::MarkModified(int32_t nodeID) const {
  const auto& tree = editor_.GetMapTree();
  auto root = tree ? tree->GetRootNode() : nullptr;
  auto node = root ? root->FindNode(nodeID) : nullptr;
  if (node) node->GetRoot()->SetModified(true);
}

TZEUndoChipModel::TZEUndoChipModel(TZEUndoControl& owner, const TEtcUndoKeys& keys) : TEtcUndoChip(&owner, keys) {}

TZEMapEditor& TZEUndoChipModel::Editor() const { return static_cast<TZEUndoControl*>(GetOwner())->GetEditor(); }

std::shared_ptr<IZelvoMapTreeNodeControl> TZEUndoChipModel::FindNode(int32_t id) const {
  const auto& tree = Editor().GetMapTree();
  auto root = tree ? tree->GetRootNode() : nullptr;
  return root ? root->FindNode(id) : nullptr;
}

std::shared_ptr<IZelvoMapModel> TZEUndoChipModel::FindMap(int32_t id) const {
  auto node = FindNode(id);
  return node ? node->GetMap() : nullptr;
}

bool TZEUndoChipModel::IsOpenMap(int32_t id) const {
  const auto& node = Editor().GetMap();
  return node && node->GetID() == id;
}

void TZEUndoChipModel::OpenUnlessOpen(int32_t mapID) const {
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window && !IsOpenMap(mapID) && FindNode(mapID)) window->OpenMap(mapID);
}

void TZEUndoChipModel::RefreshLayersOf(int32_t mapID) const {
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (!window) return;
  if (IsOpenMap(mapID))
    window->RefreshLayers();
  else
    OpenUnlessOpen(mapID);
}

int64_t TZEUndoChipModel::DataSize(TEtcUndoKeys& keys) {
  switch (keys[0]) {
    case UndoRect: return RectSize(keys);
    case UndoWholeMap: return WholeMapSize(keys);
    case UndoFloor: return FloorSize(keys);
    case UndoMapNode: return NodeSize(keys);
    case UndoFloorOrder: return kKeysOnly;
    case UndoStartPosition: return StartSize(keys);
    case UndoEventPosition: return EventPositionSize(keys);
    case UndoEventMove: return EventMoveSize(keys);
    default: return 0;
  }
}

int64_t TZEUndoChipModel::RectSize(TEtcUndoKeys& keys) const {
  auto step = TZERectKeys::From(keys);
  auto map = FindMap(step.MapID);
  auto floor = map ? map->GetFloor(step.FloorIndex) : nullptr;
  if (!floor) return 0;
  // Cells outside the layer are never written back; a rectangle reaching past it keeps only
  // what it can restore.
  ZelvoCommonTypes::TRect& r = step.Rect;
  r = {std::clamp(std::min(r.Left, r.Right), 0, floor->GetWidth()),
       std::clamp(std::min(r.Top, r.Bottom), 0, floor->GetHeight()),
       std::clamp(std::max(r.Left, r.Right), 0, floor->GetWidth()),
       std::clamp(std::max(r.Top, r.Bottom), 0, floor->GetHeight())};
  step.Into(keys);
  return int64_t(r.Right - r.Left) * (r.Bottom - r.Top) * kCellBytes;
}

int64_t TZEUndoChipModel::WholeMapSize(TEtcUndoKeys& keys) const {
  auto step = TZEWholeMapKeys::From(keys);
  auto map = FindMap(step.MapID);
  if (!map) return 0;
  step.Width = map->GetWidth();
  step.Height = map->GetHeight();
  step.FloorCount = clampIndex(step.FloorCount, map->GetFloorCount());
  step.Into(keys);
  // A map without cells still has its size to give back.
  return std::max<int64_t>(kKeysOnly, int64_t(step.Width) * step.Height * kCellBytes * step.FloorCount);
}

int64_t TZEUndoChipModel::FloorSize(TEtcUndoKeys& keys) {
  auto step = TZEFloorKeys::From(keys);
  auto map = FindMap(step.MapID);
  auto floor = map && map->FindFloor(step.FloorID) ? map->GetFloor(step.FloorIndex) : nullptr;
  step.Existed = floor ? 1 : 0;
  if (floor) step.Width = floor->GetWidth(), step.Height = floor->GetHeight();
  step.Into(keys);
  if (!floor) return kKeysOnly;
  record_ = recordOf(*floor);
  return int64_t(sizeof(int32_t) + record_.size());
}

int64_t TZEUndoChipModel::NodeSize(TEtcUndoKeys& keys) {
  auto step = TZEMapNodeKeys::From(keys);
  auto node = FindNode(step.NodeID);
  step.Existed = node ? 1 : 0;
  if (node) {
    IZelvoMapTreeNodeControl* parent = node->GetParent();
    IZelvoMapTreeNodeControl* holder = parent ? parent : Editor().GetMapTree()->GetRootNode().get();
    step.ParentID = parent ? parent->GetID() : -1;
    step.Index = std::max(holder->IndexOfChild(node.get()), 0);
  }
  step.Into(keys);
  if (!node) return kKeysOnly;
  record_ = recordOf(*node);
  return int64_t(sizeof(int32_t) + record_.size());
}

int64_t TZEUndoChipModel::StartSize(TEtcUndoKeys& keys) const {
  const auto& tree = Editor().GetMapTree();
  if (!tree) return 0;
  auto start = tree->GetStartPosition();
  auto step = TZEStartPositionKeys::From(keys);
  step.X = start.X;
  step.Y = start.Y;
  step.FloorID = tree->GetStartFloorID();
  // The start position means nothing without its map, which changes with it.
  step.MapID = tree->GetStartMapID();
  step.Into(keys);
  return kKeysOnly;
}

int64_t TZEUndoChipModel::EventPositionSize(TEtcUndoKeys& keys) const {
  auto step = TZEEventPositionKeys::From(keys);
  auto position = FindEventPosition(step.MapID, step.PositionID);
  step.Existed = position ? 1 : 0;
  if (position) step.X = position->GetX(), step.Y = position->GetY();
  step.Into(keys);
  return position ? kEventPositionBytes : kKeysOnly;
}

int64_t TZEUndoChipModel::EventMoveSize(TEtcUndoKeys& keys) const {
  auto step = TZEEventMoveKeys::From(keys);
  if (auto position = FindEventPosition(step.MapID, step.PositionID)) {
    step.X = position->GetX();
    step.Y = position->GetY();
    step.FloorID = position->GetFloorID();
    step.Into(keys);
  }
  return kKeysOnly;
}

std::shared_ptr<IZelvoEventPositionModel> TZEUndoChipModel::FindEventPosition(int32_t mapID, int32_t id) const {
  auto map = FindMap(mapID);
  auto list = map ? map->GetEventPositionList() : nullptr;
  return list ? list->FindByID(id) : nullptr;
}

void TZEUndoChipModel::SaveData(uint8_t* data, const TEtcUndoKeys& keys) {
  // A block kept for its keys alone holds one byte, which is set so no step holds stray memory.
  if (GetSize() - kUndoHeaderBytes == kKeysOnly) {
    *data = 0;
    return;
  }
  switch (keys[0]) {
    case UndoRect: SaveRect(data, TZERectKeys::From(keys)); break;
    case UndoWholeMap: SaveWholeMap(data, TZEWholeMapKeys::From(keys)); break;
    case UndoFloor: SaveRecord(data, TZEFloorKeys::From(keys).Existed); break;
    case UndoMapNode: SaveRecord(data, TZEMapNodeKeys::From(keys).Existed); break;
    case UndoEventPosition: {
      const auto step = TZEEventPositionKeys::From(keys);
      if (step.Existed) SaveEventPosition(data, *FindEventPosition(step.MapID, step.PositionID));
      break;
    }
    default: break;
  }
}

void TZEUndoChipModel::SaveRect(uint8_t* data, const TZERectKeys& step) {
  const ZelvoCommonTypes::TRect& r = step.Rect;
  TCellRows rows(*FindMap(step.MapID)->GetFloor(step.FloorIndex), r.Left, r.Right);
  int64_t rowBytes = int64_t(r.Right - r.Left) * kCellBytes;
  for (int32_t y = r.Top; y < r.Bottom; ++y) rows.Read(y, data + (y - r.Top) * rowBytes);
}

void TZEUndoChipModel::SaveWholeMap(uint8_t* data, const TZEWholeMapKeys& step) {
  auto map = FindMap(step.MapID);
  int64_t w = step.Width, h = step.Height;
  for (int32_t f = 0; f < step.FloorCount; ++f) {
    auto floor = map->GetFloor(f);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) EncodeMapCell(floor->GetCell(x, y), data + (w * h * f + w * y + x) * kCellBytes);
  }
}

void TZEUndoChipModel::SaveRecord(uint8_t* data, bool existed) {
  if (!existed) return;
  const int64_t bytes = int64_t(sizeof(int32_t) + record_.size());
  SpanStream block(data, bytes, "undo");
  BinaryWriter out(block);
  out.writeInt32(static_cast<int32_t>(record_.size()));
  out.writeBytes(record_.data(), static_cast<int64_t>(record_.size()));
  record_.clear();
  record_.shrink_to_fit();
}

void TZEUndoChipModel::SaveEventPosition(uint8_t* data, const IZelvoEventPositionModel& position) {
  SpanStream block(data, kEventPositionBytes, "undo");
  BinaryWriter out(block);
  out.writeInt32(position.GetFloorID());
  out.writeInt32(position.GetPackageID());
  out.writeInt32(position.GetEventID());
  out.writeInt32(position.GetDirection());
}

void TZEUndoChipModel::Settle() {
  const auto step = TZERectKeys::From(GetKeys());
  if (GetKind() != UndoRect || !GetData()) return;
  auto map = FindMap(step.MapID);
  auto floor = map ? map->GetFloor(step.FloorIndex) : nullptr;
  if (!floor) return;
  // The box around the cells the edit changed, found on the bytes the step holds.
  const ZelvoCommonTypes::TRect& r = step.Rect;
  TCellRows rows(*floor, r.Left, r.Right);
  int64_t rowBytes = int64_t(r.Right - r.Left) * kCellBytes;
  int32_t minX = r.Right, maxX = r.Left - 1, minY = r.Bottom, maxY = r.Top - 1;
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    int32_t first = 0, last = 0;
    if (!rows.Differs(y, GetData() + (y - r.Top) * rowBytes, first, last)) continue;
    minX = std::min(minX, first), maxX = std::max(maxX, last);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  }
  if (maxX < minX) minX = r.Left, maxX = r.Left - 1, minY = r.Top, maxY = r.Top - 1;  // nothing changed: an empty box
  const ZelvoCommonTypes::TRect kept{minX, minY, maxX + 1, maxY + 1};
  if (kept == r) return;
  int32_t oldWidth = r.Right - r.Left;
  int32_t width = kept.Right - kept.Left, height = kept.Bottom - kept.Top;
  TZERectKeys settled = step;
  settled.Rect = kept;
  SetKeys(UndoKeysOf(settled));
  Reblock(int64_t(width) * height * kCellBytes, [&](const uint8_t* old, uint8_t* data) {
    for (int32_t row = 0; row < height; ++row)
      std::memcpy(data + int64_t(row) * width * kCellBytes,
                  old + ((int64_t(kept.Top - r.Top + row) * oldWidth) + (kept.Left - r.Left)) * kCellBytes,
                  size_t(width) * kCellBytes);
  });
}

std::vector<uint8_t> TZEUndoChipModel::StoredRecord() const {
  SpanStream block(GetData(), GetSize() - kUndoHeaderBytes, "undo");
  BinaryReader in(block);
  return in.readByteVector(in.readLength());
}

void TZEUndoChipModel::Restore() {
  switch (GetKind()) {
    case UndoRect: RestoreRect(); break;
    case UndoWholeMap: RestoreWholeMap(); break;
    case UndoFloor: RestoreFloor(); break;
    case UndoMapNode: RestoreNode(); break;
    case UndoFloorOrder: RestoreFloorOrder(); break;
    case UndoStartPosition: RestoreStart(); break;
    case UndoEventPosition: RestoreEventPosition(); break;
    case UndoEventMove: RestoreEventMove(); break;
    default: return;
  }
  static_cast<TZEUndoControl*>(GetOwner())->MarkModifiedBy(GetKeys());
}

void TZEUndoChipModel::RestoreRect() {
  const auto step = TZERectKeys::From(GetKeys());
  auto map = FindMap(step.MapID);
  auto floor = map ? map->GetFloor(step.FloorIndex) : nullptr;
  if (!floor) return;
  const ZelvoCommonTypes::TRect& r = step.Rect;
  TCellRows rows(*floor, r.Left, r.Right);
  int64_t rowBytes = int64_t(r.Right - r.Left) * kCellBytes;
  for (int32_t y = r.Top; y < r.Bottom; ++y) rows.Write(y, GetData() + (y - r.Top) * rowBytes);
  OpenUnlessOpen(step.MapID);
}

void TZEUndoChipModel::RestoreWholeMap() {
  const auto step = TZEWholeMapKeys::From(GetKeys());
  auto map = FindMap(step.MapID);
  if (!map) return;
  map->SetSize(step.Width, step.Height);
  const uint8_t* data = GetData();
  int64_t w = step.Width, h = step.Height;
  for (int32_t f = 0; f < step.FloorCount; ++f) {
    auto floor = map->GetFloor(f);
    if (!floor) break;
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) floor->SetCell(x, y, DecodeMapCell(data + (w * h * f + w * y + x) * kCellBytes));
  }
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window && IsOpenMap(step.MapID))
    window->ResizeCanvas(step.Width * kChip, step.Height * kChip);
  else
    OpenUnlessOpen(step.MapID);
}

void TZEUndoChipModel::RestoreFloor() {
  const auto step = TZEFloorKeys::From(GetKeys());
  auto map = FindMap(step.MapID);
  if (!map) return;
  if (!step.Existed) {
    if (validIndex(step.FloorIndex, map->GetFloorCount())) {
      map->DeleteFloor(step.FloorIndex);
      if (step.FloorIndex == map->GetFloorCount()) Editor().SetLayerIndex(step.FloorIndex - 1);
    }
  } else {
    auto floor = std::make_shared<TZelvoMapFloorModel>(step.FloorID, api_);
    TZStream stream(StoredRecord(), "undo");
    floor->LoadSized(stream, step.Width, step.Height);
    // A layer always has its map's size, even if the map changed size without a step of its own.
    if (floor->GetWidth() != map->GetWidth() || floor->GetHeight() != map->GetHeight())
      floor->SetSize(map->GetWidth(), map->GetHeight());
    int32_t index = clampIndex(step.FloorIndex, map->GetFloorCount());
    map->InsertFloor(index, floor);
    Editor().SetLayerIndex(index);
  }
  RefreshLayersOf(step.MapID);
}

void TZEUndoChipModel::RestoreNode() {
  const auto step = TZEMapNodeKeys::From(GetKeys());
  const auto& tree = Editor().GetMapTree();
  auto root = tree ? tree->GetRootNode() : nullptr;
  if (!root) return;
  auto parent = step.ParentID == -1 ? root : root->FindNode(step.ParentID);
  if (!step.Existed) {
    if (parent) parent->RemoveChild(step.NodeID);
  } else if (parent) {
    InsertNode(root, parent, step);
  }
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window) window->RebuildMapTree();
  // The open map may have left the tree with this node, or been replaced by the restored copy.
  const auto& open = Editor().GetMap();
  if (open && root->FindNode(open->GetID()) != open) {
    Editor().SetMap(nullptr);
    if (window) window->CloseMap();
  }
}

void TZEUndoChipModel::InsertNode(const std::shared_ptr<IZelvoMapTreeNodeControl>& root,
                                  const std::shared_ptr<IZelvoMapTreeNodeControl>& parent, const TZEMapNodeKeys& step) {
  // Read whole before it joins the tree, so a record that fails to load changes nothing.
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(step.NodeID, api_);
  TZStream stream(StoredRecord(), "undo");
  node->LoadFromStream(stream);
  // No two nodes share an ID: one still in the tree gives way to the copy, unless the place the
  // copy goes to lies inside it.
  if (auto existing = root->FindNode(step.NodeID)) {
    if (existing == parent || existing->FindNode(parent->GetID()) == parent) return;
    existing->GetRoot()->SetModified(true);
    IZelvoMapTreeNodeControl* holder = existing->GetParent();
    if (holder)
      holder->RemoveChild(step.NodeID);
    else
      root->RemoveChild(step.NodeID);
  }
  if (parent != root) parent->LoadMapFile();
  parent->InsertChild(clampIndex(step.Index, parent->GetChildCount()), node);
  node->SetParent(parent == root ? nullptr : parent.get());
  node->SetModified(true);
}

void TZEUndoChipModel::RestoreFloorOrder() {
  const auto step = TZEFloorOrderKeys::From(GetKeys());
  auto map = FindMap(step.MapID);
  if (!map) return;
  if (validIndex(step.IndexA, map->GetFloorCount()) && validIndex(step.IndexB, map->GetFloorCount()))
    map->ExchangeFloors(step.IndexA, step.IndexB);
  RefreshLayersOf(step.MapID);
}

void TZEUndoChipModel::RestoreStart() {
  const auto step = TZEStartPositionKeys::From(GetKeys());
  const auto& tree = Editor().GetMapTree();
  if (!tree) return;
  tree->SetStartPosition(step.X, step.Y);
  tree->SetStartFloorID(step.FloorID);
  tree->SetStartMapID(step.MapID);
}

void TZEUndoChipModel::RestoreEventPosition() {
  const auto step = TZEEventPositionKeys::From(GetKeys());
  auto map = FindMap(step.MapID);
  auto list = map ? map->GetEventPositionList() : nullptr;
  if (!list) return;
  if (step.Existed) {
    SpanStream block(GetData(), GetSize() - kUndoHeaderBytes, "undo");
    BinaryReader in(block);
    // One position per ID: a position still there is set back rather than doubled.
    auto position = list->FindByID(step.PositionID);
    if (!position) {
      position = std::make_shared<TZelvoEventPositionModel>(step.PositionID);
      list->Add(position);
    }
    position->SetPosition(step.X, step.Y, in.readInt32());
    position->SetPackageID(in.readInt32());
    position->SetEventID(in.readInt32());
    position->SetDirection(in.readInt32());
  } else {
    list->DeleteByID(step.PositionID);
  }
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window && IsOpenMap(step.MapID))
    window->RepaintCanvas();
  else
    OpenUnlessOpen(step.MapID);
}

void TZEUndoChipModel::RestoreEventMove() {
  const auto step = TZEEventMoveKeys::From(GetKeys());
  auto position = FindEventPosition(step.MapID, step.PositionID);
  if (!position) return;
  position->SetPosition(step.X, step.Y, step.FloorID);
  OpenUnlessOpen(step.MapID);
}

}  // namespace zelvo
