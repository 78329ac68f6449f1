#pragma once
// The map picker's rules for a move-to-place order: which map, layer and position it points at,
// chosen on a small map view. Positions are pixels, snapped to the grid. A map the picker had
// to load is dropped again when it closes; one already open stays as it was.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/core/ZETree.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapModel;
class IZelvoMapTreeNodeControl;

class TZEOrdersMapPicking {
 public:
  static constexpr int32_t kCellPixels = kChip;
  static constexpr int32_t kMapIcon = 4;

  TZEOrdersMapPicking() = default;
  TZEOrdersMapPicking(const TZEOrdersMapPicking&) = delete;
  TZEOrdersMapPicking& operator=(const TZEOrdersMapPicking&) = delete;
  ~TZEOrdersMapPicking() { UnloadOwnMap(); }

  // Keeps the data set and fills the map tree (cleared first) from the game's map tree.
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api, IZETree& mapTree);
  // Takes the order's map, layer and position; selects and loads its map node (the last node of
  // that map in tree order).
  void LoadOrder(const IZelvoOrderModel& order, IZETree& mapTree);
  // "X:%D Y:%D" of the position the picker was opened with.
  const std::string& PositionLabel() const { return label_; }

  // Shows the node's map (null: none); the map becomes the order's destination. False when the
  // node has no map that can be read.
  bool SelectMap(IZETreeNode* node);
  const std::shared_ptr<IZelvoMapModel>& GetMap() const { return map_; }
  // The node whose map is shown; null when none.
  const std::shared_ptr<IZelvoMapTreeNodeControl>& GetNode() const { return node_; }
  // The layers' names (CP932) in layer order, and the one of FloorID (-1 when none).
  std::vector<std::string> LayerNames() const;
  int32_t SelectedLayer() const;
  // Sets FloorID to the ID of layer index; other indexes do nothing.
  bool SelectLayer(int32_t index);

  // A whole number with 0 < value < 128 becomes the grid size; anything else is ignored.
  bool SetGridText(const std::string& text);
  int32_t GetGrid() const { return grid_; }
  // The view: the map's size in pixels, 0 x 0 without a map.
  int32_t ViewWidth() const;
  int32_t ViewHeight() const;
  // A drag with the left button at view pixel (x, y) moves the position, snapped to the grid,
  // when it lies inside the view's inner part.
  bool Drag(int32_t x, int32_t y);

  int32_t GetMapID() const { return mapID_; }
  int32_t GetFloorID() const { return floorID_; }
  int32_t GetX() const { return x_; }
  int32_t GetY() const { return y_; }

  // "OK(&O)": the order takes the map, position and layer.
  void Commit(IZelvoOrderModel& order) const;
  // Closing: the map the picker loaded is dropped and the tree emptied.
  void Close(IZETree& mapTree);

 private:
  void UnloadOwnMap();

  std::shared_ptr<IZMLZelvoAPI> api_;
  std::shared_ptr<IZelvoMapTreeNodeControl> node_;
  std::shared_ptr<IZelvoMapModel> map_;
  bool ownsLoad_ = false;
  int32_t mapID_ = 0, floorID_ = 0, x_ = 0, y_ = 0;
  int32_t grid_ = 16;
  std::string label_ = "X:0 Y:0";
};

}  // namespace zelvo
