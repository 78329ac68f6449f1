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

namespace zelvo {

namespace {

constexpr int64_t kCellBytes = kMapCellBytes;
// Kinds that store no snapshot still get a block, so the step keeps its keys.
constexpr int64_t kKeysOnly = 1;
constexpr int32_t kEventPositionInts = 4;

void putInt(uint8_t* p, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t getInt(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

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
  try {
    // A rectangle step may shrink when its edit ends; it waits for that before it costs older steps.
    if (keys[0] == UndoRect)
      AddPendingStep(keys[0], keys[1], keys[2], keys[3], keys[4], keys[5], keys[6]);
    else
      AddStep(keys[0], keys[1], keys[2], keys[3], keys[4], keys[5], keys[6]);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  // A map-tree step names the node; the map that changes is its parent's, or the node itself.
  if (keys[0] == UndoMapNode) MarkModified(keys[1]);
  if (keys[0] != UndoStartPosition) MarkModified(keys[6]);
  return true;
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
  auto map = FindMap(keys[6]);
  auto floor = map ? map->GetFloor(keys[5]) : nullptr;
  if (!floor) return 0;
  // Cells outside the layer are never written back; a rectangle reaching past it keeps only
  // what it can restore.
  int32_t x1 = std::clamp(std::min(keys[1], keys[3]), 0, floor->GetWidth());
  int32_t x2 = std::clamp(std::max(keys[1], keys[3]), 0, floor->GetWidth());
  int32_t y1 = std::clamp(std::min(keys[2], keys[4]), 0, floor->GetHeight());
  int32_t y2 = std::clamp(std::max(keys[2], keys[4]), 0, floor->GetHeight());
  keys[1] = x1, keys[2] = y1, keys[3] = x2, keys[4] = y2;
  return int64_t(x2 - x1) * (y2 - y1) * kCellBytes;
}

int64_t TZEUndoChipModel::WholeMapSize(TEtcUndoKeys& keys) const {
  auto map = FindMap(keys[6]);
  if (!map) return 0;
  keys[3] = map->GetWidth();
  keys[4] = map->GetHeight();
  keys[5] = clampIndex(keys[5], map->GetFloorCount());
  // A map without cells still has its size to give back.
  return std::max<int64_t>(kKeysOnly, int64_t(keys[3]) * keys[4] * kCellBytes * keys[5]);
}

int64_t TZEUndoChipModel::FloorSize(TEtcUndoKeys& keys) {
  auto map = FindMap(keys[6]);
  auto floor = map && map->FindFloor(keys[1]) ? map->GetFloor(keys[5]) : nullptr;
  keys[2] = floor ? 1 : 0;
  if (!floor) return kKeysOnly;
  keys[3] = floor->GetWidth();
  keys[4] = floor->GetHeight();
  record_ = recordOf(*floor);
  return int64_t(sizeof(int32_t) + record_.size());
}

int64_t TZEUndoChipModel::NodeSize(TEtcUndoKeys& keys) {
  auto node = FindNode(keys[6]);
  keys[2] = node ? 1 : 0;
  if (!node) return kKeysOnly;
  IZelvoMapTreeNodeControl* parent = node->GetParent();
  IZelvoMapTreeNodeControl* holder = parent ? parent : Editor().GetMapTree()->GetRootNode().get();
  keys[1] = parent ? parent->GetID() : -1;
  keys[3] = std::max(holder->IndexOfChild(node.get()), 0);
  record_ = recordOf(*node);
  return int64_t(sizeof(int32_t) + record_.size());
}

int64_t TZEUndoChipModel::StartSize(TEtcUndoKeys& keys) const {
  const auto& tree = Editor().GetMapTree();
  if (!tree) return 0;
  auto start = tree->GetStartPosition();
  keys[1] = start.X;
  keys[2] = start.Y;
  keys[5] = tree->GetStartFloorID();
  // The start position means nothing without its map, which changes with it.
  keys[6] = tree->GetStartMapID();
  return kKeysOnly;
}

int64_t TZEUndoChipModel::EventPositionSize(TEtcUndoKeys& keys) const {
  auto map = FindMap(keys[6]);
  auto list = map ? map->GetEventPositionList() : nullptr;
  auto position = list ? list->FindByID(keys[5]) : nullptr;
  keys[4] = position ? 1 : 0;
  if (!position) return kKeysOnly;
  keys[1] = position->GetX();
  keys[2] = position->GetY();
  return kEventPositionInts * sizeof(int32_t);
}

int64_t TZEUndoChipModel::EventMoveSize(TEtcUndoKeys& keys) const {
  auto map = FindMap(keys[6]);
  auto list = map ? map->GetEventPositionList() : nullptr;
  auto position = list ? list->FindByID(keys[3]) : nullptr;
  if (position) {
    keys[1] = position->GetX();
    keys[2] = position->GetY();
    keys[5] = position->GetFloorID();
  }
  return kKeysOnly;
}

void TZEUndoChipModel::SaveData(uint8_t* data, const TEtcUndoKeys& keys) {
  switch (keys[0]) {
    case UndoRect: {
      TCellRows rows(*FindMap(keys[6])->GetFloor(keys[5]), keys[1], keys[3]);
      int64_t rowBytes = int64_t(keys[3] - keys[1]) * kCellBytes;
      for (int32_t y = keys[2]; y < keys[4]; ++y) rows.Read(y, data + (y - keys[2]) * rowBytes);
      break;
    }
    case UndoWholeMap: {
      auto map = FindMap(keys[6]);
      int64_t w = keys[3], h = keys[4];
      for (int32_t f = 0; f < keys[5]; ++f) {
        auto floor = map->GetFloor(f);
        for (int32_t y = 0; y < h; ++y)
          for (int32_t x = 0; x < w; ++x) EncodeMapCell(floor->GetCell(x, y), data + (w * h * f + w * y + x) * kCellBytes);
      }
      break;
    }
    case UndoFloor:
    case UndoMapNode:
      if (record_.empty()) break;
      putInt(data, static_cast<int32_t>(record_.size()));
      std::memcpy(data + sizeof(int32_t), record_.data(), record_.size());
      record_.clear();
      record_.shrink_to_fit();
      break;
    case UndoEventPosition:
      if (keys[4]) {
        auto position = FindMap(keys[6])->GetEventPositionList()->FindByID(keys[5]);
        putInt(data, position->GetFloorID());
        putInt(data + 4, position->GetPackageID());
        putInt(data + 8, position->GetEventID());
        putInt(data + 12, position->GetDirection());
      }
      break;
    default: break;
  }
}

void TZEUndoChipModel::Settle() {
  const auto k = GetKeys();
  if (k[0] != UndoRect || !GetData()) return;
  auto map = FindMap(k[6]);
  auto floor = map ? map->GetFloor(k[5]) : nullptr;
  if (!floor) return;
  // The box around the cells the edit changed, found on the bytes the step holds.
  TCellRows rows(*floor, k[1], k[3]);
  int64_t rowBytes = int64_t(k[3] - k[1]) * kCellBytes;
  int32_t minX = k[3], maxX = k[1] - 1, minY = k[4], maxY = k[2] - 1;
  for (int32_t y = k[2]; y < k[4]; ++y) {
    int32_t first = 0, last = 0;
    if (!rows.Differs(y, GetData() + (y - k[2]) * rowBytes, first, last)) continue;
    minX = std::min(minX, first), maxX = std::max(maxX, last);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  }
  if (maxX < minX) minX = k[1], maxX = k[1] - 1, minY = k[2], maxY = k[2] - 1;  // nothing changed: an empty box
  if (minX == k[1] && minY == k[2] && maxX == k[3] - 1 && maxY == k[4] - 1) return;
  int32_t oldWidth = k[3] - k[1];
  int32_t width = maxX - minX + 1, height = maxY - minY + 1;
  SetKey(1, minX), SetKey(2, minY), SetKey(3, maxX + 1), SetKey(4, maxY + 1);
  Reblock(int64_t(width) * height * kCellBytes, [&](const uint8_t* old, uint8_t* data) {
    for (int32_t r = 0; r < height; ++r)
      std::memcpy(data + int64_t(r) * width * kCellBytes,
                  old + ((int64_t(minY - k[2] + r) * oldWidth) + (minX - k[1])) * kCellBytes,
                  size_t(width) * kCellBytes);
  });
}

std::vector<uint8_t> TZEUndoChipModel::StoredRecord() const {
  const uint8_t* data = GetData();
  int32_t length = getInt(data);
  return std::vector<uint8_t>(data + sizeof(int32_t), data + sizeof(int32_t) + length);
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
  const auto& owner = *static_cast<TZEUndoControl*>(GetOwner());
  if (GetKind() == UndoMapNode) owner.MarkModified(GetKey(1));
  if (GetKind() != UndoStartPosition) owner.MarkModified(GetKey(6));
}

void TZEUndoChipModel::RestoreRect() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  auto floor = map ? map->GetFloor(k[5]) : nullptr;
  if (!floor) return;
  TCellRows rows(*floor, k[1], k[3]);
  int64_t rowBytes = int64_t(k[3] - k[1]) * kCellBytes;
  for (int32_t y = k[2]; y < k[4]; ++y) rows.Write(y, GetData() + (y - k[2]) * rowBytes);
  OpenUnlessOpen(k[6]);
}

void TZEUndoChipModel::RestoreWholeMap() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  if (!map) return;
  map->SetSize(k[3], k[4]);
  const uint8_t* data = GetData();
  int64_t w = k[3], h = k[4];
  for (int32_t f = 0; f < k[5]; ++f) {
    auto floor = map->GetFloor(f);
    if (!floor) break;
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) floor->SetCell(x, y, DecodeMapCell(data + (w * h * f + w * y + x) * kCellBytes));
  }
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window && IsOpenMap(k[6]))
    window->ResizeCanvas(k[3] * 32, k[4] * 32);
  else
    OpenUnlessOpen(k[6]);
}

void TZEUndoChipModel::RestoreFloor() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  if (!map) return;
  if (!k[2]) {
    if (validIndex(k[5], map->GetFloorCount())) {
      map->DeleteFloor(k[5]);
      if (k[5] == map->GetFloorCount()) Editor().SetLayerIndex(k[5] - 1);
    }
  } else {
    auto floor = std::make_shared<TZelvoMapFloorModel>(k[1], api_);
    TZStream stream(StoredRecord(), "undo");
    floor->LoadSized(stream, k[3], k[4]);
    // A layer always has its map's size, even if the map changed size without a step of its own.
    if (floor->GetWidth() != map->GetWidth() || floor->GetHeight() != map->GetHeight())
      floor->SetSize(map->GetWidth(), map->GetHeight());
    int32_t index = clampIndex(k[5], map->GetFloorCount());
    map->InsertFloor(index, floor);
    Editor().SetLayerIndex(index);
  }
  RefreshLayersOf(k[6]);
}

void TZEUndoChipModel::RestoreNode() {
  const auto& k = GetKeys();
  const auto& tree = Editor().GetMapTree();
  auto root = tree ? tree->GetRootNode() : nullptr;
  if (!root) return;
  auto parent = k[1] == -1 ? root : root->FindNode(k[1]);
  if (!k[2]) {
    if (parent) parent->RemoveChild(k[6]);
  } else if (parent) {
    InsertNode(root, parent);
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
                                  const std::shared_ptr<IZelvoMapTreeNodeControl>& parent) {
  const auto& k = GetKeys();
  // Read whole before it joins the tree, so a record that fails to load changes nothing.
  auto node = std::make_shared<TZelvoMapTreeNodeControl>(k[6], api_);
  TZStream stream(StoredRecord(), "undo");
  node->LoadFromStream(stream);
  // No two nodes share an ID: one still in the tree gives way to the copy, unless the place the
  // copy goes to lies inside it.
  if (auto existing = root->FindNode(k[6])) {
    if (existing == parent || existing->FindNode(parent->GetID()) == parent) return;
    existing->GetRoot()->SetModified(true);
    IZelvoMapTreeNodeControl* holder = existing->GetParent();
    if (holder)
      holder->RemoveChild(k[6]);
    else
      root->RemoveChild(k[6]);
  }
  if (parent != root) parent->LoadMapFile();
  parent->InsertChild(clampIndex(k[3], parent->GetChildCount()), node);
  node->SetParent(parent == root ? nullptr : parent.get());
  node->SetModified(true);
}

void TZEUndoChipModel::RestoreFloorOrder() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  if (!map) return;
  if (validIndex(k[1], map->GetFloorCount()) && validIndex(k[2], map->GetFloorCount())) map->ExchangeFloors(k[1], k[2]);
  RefreshLayersOf(k[6]);
}

void TZEUndoChipModel::RestoreStart() {
  const auto& k = GetKeys();
  const auto& tree = Editor().GetMapTree();
  if (!tree) return;
  tree->SetStartPosition(k[1], k[2]);
  tree->SetStartFloorID(k[5]);
  tree->SetStartMapID(k[6]);
}

void TZEUndoChipModel::RestoreEventPosition() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  auto list = map ? map->GetEventPositionList() : nullptr;
  if (!list) return;
  if (k[4]) {
    const uint8_t* data = GetData();
    // One position per ID: a position still there is set back rather than doubled.
    auto position = list->FindByID(k[5]);
    if (!position) {
      position = std::make_shared<TZelvoEventPositionModel>(k[5]);
      list->Add(position);
    }
    position->SetPosition(k[1], k[2], getInt(data));
    position->SetPackageID(getInt(data + 4));
    position->SetEventID(getInt(data + 8));
    position->SetDirection(getInt(data + 12));
  } else {
    list->DeleteByID(k[5]);
  }
  IZEMapEditorWindow* window = Editor().GetWindow();
  if (window && IsOpenMap(k[6]))
    window->RepaintCanvas();
  else
    OpenUnlessOpen(k[6]);
}

void TZEUndoChipModel::RestoreEventMove() {
  const auto& k = GetKeys();
  auto map = FindMap(k[6]);
  auto list = map ? map->GetEventPositionList() : nullptr;
  auto position = list ? list->FindByID(k[3]) : nullptr;
  if (!position) return;
  position->SetPosition(k[1], k[2], k[5]);
  OpenUnlessOpen(k[6]);
}

}  // namespace zelvo
