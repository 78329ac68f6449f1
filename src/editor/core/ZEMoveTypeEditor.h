#pragma once
// The move-type editor's state and rules: the game's move-type list, the selected move type, and
// the grid of 4 x 8 toggles in which entry e (ground kind e) is the 32 x 32 cell at column
// e mod 4, row e div 4. The map editor reads the list from the one global editor.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMoveTypeList;
class IZelvoMoveTypeModel;
class TBitmap32;

class TZEMoveTypeEditor {
 public:
  static constexpr int32_t kColumns = 4;
  static constexpr int32_t kRows = 8;
  static constexpr int32_t kCell = 32;
  static constexpr int32_t kGridWidth = kColumns * kCell;
  static constexpr int32_t kGridHeight = kRows * kCell;
  static constexpr int32_t kKinds = kColumns * kRows;
  static constexpr int32_t kMaxStepLimit = 3;
  // The piece of the ground-type picture for one kind, and the traffic picture's two marks.
  static constexpr int32_t kGroundPiece = 16;
  static constexpr int32_t kAllowedMarkX = 0;
  static constexpr int32_t kBlockedMarkX = 96;

  // The one the map editor and the move-type window share.
  static TZEMoveTypeEditor& Global();

  const std::shared_ptr<IZelvoMoveTypeList>& GetList() const { return list_; }
  // Clears the selection as well.
  void SetList(std::shared_ptr<IZelvoMoveTypeList> list);
  int32_t GetSelectedIndex() const { return selected_; }
  // -1, or an index outside the list, selects nothing.
  void SetSelectedIndex(int32_t index);
  // nullptr when nothing is selected.
  std::shared_ptr<IZelvoMoveTypeModel> GetSelected() const;

  // Names (CP932) in list order; empty without a list.
  std::vector<std::string> Names() const;
  // Appends a move type with a fresh ID of the data set; false without a list.
  bool CreateMoveType(IZMLZelvoAPI& api);
  // Deletes the selected move type; the selection is cleared. False when nothing is selected.
  bool DeleteSelected();

  // The entry under a grid pixel; -1 outside the grid.
  static int32_t EntryAt(int32_t x, int32_t y);
  // Toggles the entry under a grid pixel of the selected move type; the entry, or -1 when
  // nothing is selected or the pixel is outside the grid.
  int32_t ToggleAt(int32_t x, int32_t y);
  // Kept within 0..3; nothing without a selection.
  void SetMaxStep(int32_t value);
  void Rename(const std::string& cp932);

  // Draws entry e of the selected move type into a 128 x 256 grid picture: its ground piece
  // stretched over the cell, the allowed or blocked mark blended over it. A kind the ground
  // picture does not reach shows black under its mark.
  void DrawCell(TBitmap32& grid, int32_t entry, const TBitmap32& ground, const TBitmap32& traffic) const;
  void DrawAll(TBitmap32& grid, const TBitmap32& ground, const TBitmap32& traffic) const;

 private:
  std::shared_ptr<IZelvoMoveTypeList> list_;
  int32_t selected_ = -1;
};

}  // namespace zelvo
