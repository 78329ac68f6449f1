#pragma once
// The map editor's undo history: the generic history with eight kinds of step over the map tree
// that the edit engine holds. The kinds and their keys are in ZEUndoKeys.h.

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/core/EtcUndo.h"
#include "editor/core/ZEUndoKeys.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoEventPositionModel;
class IZelvoMapModel;
class IZelvoMapTreeNodeControl;
class TZEMapEditor;

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
  // Marks modified the maps a step with these keys changes.
  void MarkModifiedBy(const TEtcUndoKeys& keys) const;

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
  std::shared_ptr<IZelvoEventPositionModel> FindEventPosition(int32_t mapID, int32_t id) const;
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

  void SaveRect(uint8_t* data, const TZERectKeys& step);
  void SaveWholeMap(uint8_t* data, const TZEWholeMapKeys& step);
  // The record taken by DataSize behind its length, for a thing that existed.
  void SaveRecord(uint8_t* data, bool existed);
  void SaveEventPosition(uint8_t* data, const IZelvoEventPositionModel& position);

  void RestoreRect();
  void RestoreWholeMap();
  void RestoreFloor();
  void RestoreNode();
  void InsertNode(const std::shared_ptr<IZelvoMapTreeNodeControl>& root,
                  const std::shared_ptr<IZelvoMapTreeNodeControl>& parent, const TZEMapNodeKeys& step);
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
