#pragma once
// The map editor's undo history: the generic history with eight kinds of step over the map tree
// that the edit engine holds. Key 0 is the kind; keys 1-6 name what the step covers.

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/core/EtcUndo.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapModel;
class IZelvoMapTreeNodeControl;
class TZEMapEditor;

// Keys by kind (a key marked * is filled in from the model when the step is made, ** only when
// the thing named existed then):
//   Rect: x1, y1, x2, y2 (the rectangle, right and bottom exclusive; clipped to the layer*), floor
//         index, map ID.
//   WholeMap: -, -, width*, height*, floor count (at most the map's*), map ID.
//   Floor: floor ID, existed*, width**, height**, floor index, map ID.
//   MapNode: parent node ID (-1 top level)**, existed*, index among the parent's children**, -, -,
//            node ID.
//   FloorOrder: floor index A, floor index B, -, -, -, map ID.
//   StartPosition: start X*, start Y*, -, -, start floor ID*, start map ID*.
//   EventPosition: X**, Y**, -, existed*, event position ID, map ID.
//   EventMove: X*, Y*, event position ID, -, floor ID*, map ID.
enum TZEUndoKind : int32_t {
  UndoRect = 0,
  UndoWholeMap = 1,
  UndoFloor = 2,
  UndoMapNode = 3,
  UndoFloorOrder = 4,
  UndoStartPosition = 5,
  UndoEventPosition = 6,
  UndoEventMove = 7
};

class TZEUndoControl : public TEtcUndo {
 public:
  // The engine is the one that owns this history; steps reach the map tree through it.
  TZEUndoControl(int32_t budget, TZEMapEditor& editor);

  void SetAPI(IZMLZelvoAPI* api) { api_ = api; }
  IZMLZelvoAPI* GetAPI() const { return api_; }
  TZEMapEditor& GetEditor() const { return editor_; }

  // AddStep that refuses, changing nothing, a step that cannot be allocated; marks the map the
  // keys name modified.
  [[nodiscard]] bool Record(const TEtcUndoKeys& keys);
  // Ends the newest step's edit: a whole-layer step keeps only the rectangle that changed.
  void EndEdit();
  // Marks the top-level node of the node with this ID modified; nothing for an ID not in the tree.
  void MarkModified(int32_t nodeID) const;

 protected:
  std::unique_ptr<TEtcUndoChip> CreateChip(const TEtcUndoKeys& keys) override;

 private:
  TZEMapEditor& editor_;
  IZMLZelvoAPI* api_ = nullptr;
};

class TZEUndoChipModel : public TEtcUndoChip {
 public:
  TZEUndoChipModel(TZEUndoControl& owner, const TEtcUndoKeys& keys);

  void SetAPI(IZMLZelvoAPI* api) { api_ = api; }
  void Restore() override;
  // A rectangle step shrinks to the box around the cells that differ from what it holds.
  void Settle() override;

 protected:
  int64_t DataSize(TEtcUndoKeys& keys) override;
  void SaveData(uint8_t* data, const TEtcUndoKeys& keys) override;

 private:
  TZEMapEditor& Editor() const;
  std::shared_ptr<IZelvoMapTreeNodeControl> FindNode(int32_t id) const;
  std::shared_ptr<IZelvoMapModel> FindMap(int32_t id) const;
  bool IsOpenMap(int32_t id) const;
  void OpenUnlessOpen(int32_t mapID) const;
  void RefreshLayersOf(int32_t mapID) const;

  int64_t RectSize(TEtcUndoKeys& keys) const;
  int64_t WholeMapSize(TEtcUndoKeys& keys) const;
  int64_t FloorSize(TEtcUndoKeys& keys);
  int64_t NodeSize(TEtcUndoKeys& keys);
  int64_t EventPositionSize(TEtcUndoKeys& keys) const;
  int64_t StartSize(TEtcUndoKeys& keys) const;
  int64_t EventMoveSize(TEtcUndoKeys& keys) const;

  void RestoreRect();
  void RestoreWholeMap();
  void RestoreFloor();
  void RestoreNode();
  void InsertNode(const std::shared_ptr<IZelvoMapTreeNodeControl>& root,
                  const std::shared_ptr<IZelvoMapTreeNodeControl>& parent);
  void RestoreFloorOrder();
  void RestoreStart();
  void RestoreEventPosition();
  void RestoreEventMove();

  // A record: what the snapshot holds after its length word.
  std::vector<uint8_t> StoredRecord() const;

  IZMLZelvoAPI* api_ = nullptr;
  // The record sized by DataSize, written by SaveData.
  std::vector<uint8_t> record_;
};

}  // namespace zelvo
