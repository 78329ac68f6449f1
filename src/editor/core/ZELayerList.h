#pragma once
// The rules of the layer window: which rows it shows for the open map's floors, what its menu
// items may do and what they do, each change preceded by its undo step. Rows run opposite to
// floors: row r shows floor (count - r - 1), so the top row is the highest floor.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

class IZEMapEditorHost;
class IZMLZelvoAPI;
class IZelvoMapFloorModel;
class IZelvoMapModel;
class TZEMapEditor;

class TZELayerList {
 public:
  // The icon of a selected row is this many places after that of its layer type.
  static constexpr int32_t kSelectedIconOffset = 3;
  static constexpr int32_t kMaxOpacity = 255;

  // Host may be nullptr.
  TZELayerList(TZEMapEditor& editor, IZEMapEditorHost* host);

  void SetAPI(IZMLZelvoAPI* api) { api_ = api; }
  IZMLZelvoAPI* GetAPI() const { return api_; }

  // The floor name, a colon, the editor opacity with at least two digits and "%" (CP932).
  static std::string RowText(const IZelvoMapFloorModel& floor);
  // One text per row, top row first; empty without a map.
  std::vector<std::string> Rows() const;
  int32_t RowCount() const;
  // -1 for a row that is not there.
  int32_t FloorOfRow(int32_t row) const;
  int32_t RowOfFloor(int32_t floor) const;
  // Layer type of the row's floor plus the selected offset; -1 for a row that is not there.
  int32_t IconOfRow(int32_t row, bool selected) const;

  // Brings the engine's layer index into the open map's floors (it may be stale after the map
  // changed behind the window) and answers its row; -1 without a map or floors.
  int32_t SelectedRow();
  // The layer index becomes the row's floor; false (nothing changes) without a map or for a row
  // that is not there.
  bool ClickRow(int32_t row);

  // Both only with a map open; the opacity is kept within 0..255.
  void SetEditorOpacity(int32_t value);
  void SetLayerName(const std::string& cp932);

  bool HasMap() const;
  bool CanDelete() const;
  bool CanMoveUp() const;
  bool CanMoveDown() const;

  // Each false when the item is disabled or its undo step was refused; the current layer index
  // is kept as the menu says.
  bool AddLayer();
  bool DeleteLayer();
  bool MoveUp();
  bool MoveDown();
  // Exchanges the floors of two rows; the selection goes to row B. False for the same row or a
  // row that is not there.
  bool ExchangeRows(int32_t rowA, int32_t rowB);
  // A dragged row dropped on another: the dragged row's floor and the target's change places
  // and the selection stays on the same row. A target past the last row (or -1) is the last row.
  bool DropRow(int32_t target, int32_t dragged);

 private:
  std::shared_ptr<IZelvoMapModel> Map() const;
  int32_t MapID() const;
  int32_t FreshFloorID(const IZelvoMapModel& map) const;
  void Recorded() const;

  TZEMapEditor& editor_;
  IZEMapEditorHost* host_;
  IZMLZelvoAPI* api_ = nullptr;
};

}  // namespace zelvo
