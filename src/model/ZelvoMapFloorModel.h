#pragma once
// A floor (the editor's layer) of a map: a grid of cells of the map's size, its display settings,
// its layer type and its picture, and the step test that decides on which floor a walker ends up.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/ZelvoMapCell.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapModel;
class IZelvoMapPictureModel;
class IZelvoMapPositionControl;

class IZelvoMapFloorModel : public virtual IZelvoModel {
 public:
  enum LayerType : int32_t { Normal = 0, Sticking = 1, Impassable = 2 };
  enum Direction : int32_t { Up = 0, Down = 1, Left = 2, Right = 3 };

  virtual std::shared_ptr<IZelvoMapPictureModel> GetPicture() = 0;
  // Outside the grid: the map's loop mode 3 wraps, every other mode gives TZelvoMapCell::Outside().
  virtual TZelvoMapCell GetCell(int32_t x, int32_t y) const = 0;
  // Bit 1 up, 2 down, 4 left, 8 right: set when the step that way is not blocked.
  virtual int32_t GetPassMask(int32_t x, int32_t y) = 0;
  // Index in the map's floor list of the floor a step from (x, y) reaches; -1 when blocked.
  // Direction 0 up, 1 down, 2 left, anything else right.
  virtual int32_t GetStepFloor(int32_t x, int32_t y, int32_t direction) = 0;
  virtual std::shared_ptr<IZelvoMapPositionControl> CreatePositionControl(int32_t x, int32_t y, int32_t width,
                                                                          int32_t height) = 0;
  // The owning map; a back reference, never owning.
  virtual IZelvoMapModel* GetMap() const = 0;
  virtual void SetMap(IZelvoMapModel* map) = 0;
  virtual int32_t GetGameOpacity() const = 0;
  virtual int32_t GetEditorOpacity() const = 0;
  virtual int32_t GetBaseHeight() const = 0;
  virtual int32_t GetLayerType() const = 0;
  virtual void SetPicture(std::shared_ptr<IZelvoMapPictureModel> picture) = 0;
  // Nothing happens outside the grid.
  virtual void SetCell(int32_t x, int32_t y, const TZelvoMapCell& cell) = 0;
  // Negative values are ignored.
  virtual void SetGameOpacity(int32_t value) = 0;
  virtual void SetEditorOpacity(int32_t value) = 0;
  virtual void SetBaseHeight(int32_t value) = 0;
  // 0, 1 or 2; anything else is ignored.
  virtual void SetLayerType(int32_t value) = 0;
  // Keeps the overlapping top-left cells; the rest are new cells. Negative sizes count as 0;
  // a grid over kMaxFloorCells throws EIndexError.
  virtual void SetSize(int32_t width, int32_t height) = 0;
  // width x height x 28.
  virtual int32_t GetDataSize() const = 0;

  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  // The chip's values in place of the cell's "use the chip" markers, through the map's chip sets.
  virtual TZelvoMapCell ResolveCell(const TZelvoMapCell& cell) const = 0;
  // This floor's index in its map: the last floor with its ID, 0 when none.
  virtual int32_t GetFloorIndex() const = 0;
};

// 4096 x 4096: the largest grid a floor holds, so that its byte size stays an int32.
inline constexpr int64_t kMaxFloorCells = int64_t(1) << 24;

class TZelvoMapFloorModel : public TZelvoModel, public virtual IZelvoMapFloorModel {
 public:
  TZelvoMapFloorModel(int32_t id, IZMLZelvoAPI* api);

  std::shared_ptr<IZelvoMapPictureModel> GetPicture() override { return picture_; }
  TZelvoMapCell GetCell(int32_t x, int32_t y) const override;
  int32_t GetPassMask(int32_t x, int32_t y) override;
  int32_t GetStepFloor(int32_t x, int32_t y, int32_t direction) override;
  std::shared_ptr<IZelvoMapPositionControl> CreatePositionControl(int32_t x, int32_t y, int32_t width,
                                                                  int32_t height) override;
  IZelvoMapModel* GetMap() const override { return map_; }
  void SetMap(IZelvoMapModel* map) override { map_ = map; }
  int32_t GetGameOpacity() const override { return gameOpacity_; }
  int32_t GetEditorOpacity() const override { return editorOpacity_; }
  int32_t GetBaseHeight() const override { return baseHeight_; }
  int32_t GetLayerType() const override { return layerType_; }
  void SetPicture(std::shared_ptr<IZelvoMapPictureModel> picture) override;
  void SetCell(int32_t x, int32_t y, const TZelvoMapCell& cell) override;
  void SetGameOpacity(int32_t value) override;
  void SetEditorOpacity(int32_t value) override { editorOpacity_ = value; }
  void SetBaseHeight(int32_t value) override { baseHeight_ = value; }
  void SetLayerType(int32_t value) override;
  void SetSize(int32_t width, int32_t height) override;
  int32_t GetDataSize() const override;
  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  TZelvoMapCell ResolveCell(const TZelvoMapCell& cell) const override;
  int32_t GetFloorIndex() const override;
  // The grid, row after row (width x height cells), for copies too large to go cell by cell.
  const TZelvoMapCell* CellData() const { return cells_.data(); }
  TZelvoMapCell* CellData() { return cells_.data(); }

  // The grid as one block, row after row (width cells each), for code that reads or writes
  // whole rows or layers at once. Valid until the next SetSize or load.
  std::span<TZelvoMapCell> Cells() { return cells_; }
  std::span<const TZelvoMapCell> Cells() const { return cells_; }
  std::span<TZelvoMapCell> Row(int32_t y) {
    return y >= 0 && y < height_ ? std::span(cells_).subspan(size_t(y) * size_t(width_), size_t(width_))
                                 : std::span<TZelvoMapCell>();
  }

  // The record: base, -1, 0, the four settings, the picture, then the cells. The grid must have
  // been sized by the map first; the record does not hold the size.
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;
  // The same for a grid of width x height, which the floor takes only once the record read whole.
  void LoadSized(IZStream& stream, int32_t width, int32_t height);
  // Checks and passes over a floor record of a width x height grid without keeping it.
  static void SkipRecord(IZStream& stream, int32_t width, int32_t height);

 private:
  bool inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int32_t CheckStep(int32_t x, int32_t y, int32_t leaveBit, int32_t enterBit, const TZelvoMapCell& source,
                    int32_t sourceIndex, bool firstStep) const;
  void LinkPictureImage();
  static std::vector<TZelvoMapCell> readCells(BinaryReader& r, int64_t count, bool oldForm);

  std::shared_ptr<IZelvoMapPictureModel> picture_;
  int32_t editorOpacity_ = 255;
  int32_t gameOpacity_ = 255;
  int32_t baseHeight_ = 0;
  int32_t layerType_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<TZelvoMapCell> cells_;
  IZelvoMapModel* map_ = nullptr;
  IZMLZelvoAPI* api_ = nullptr;
};

}  // namespace zelvo
