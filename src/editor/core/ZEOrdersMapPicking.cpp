#include "editor/core/ZEOrdersMapPicking.h"

#include <algorithm>
#include <cstdint>

#include "editor/core/ZEOrderFields.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

void addMapNodes(IZETree& tree, IZETreeNode* parent, const IZelvoMapTreeNodeControl& from) {
  for (int32_t i = 0; i < from.GetChildCount(); ++i) {
    auto child = from.GetChild(i);
    if (!child) continue;
    IZETreeNode* node = tree.AddChild(parent, child->GetName());
    node->SetData(child);
    node->SetIcon(0);
    node->SetSelectedIcon(TZEOrdersMapPicking::kMapIcon);
    addMapNodes(tree, node, *child);
  }
}

void lastWithID(IZETreeNode* node, int32_t id, IZETreeNode*& found) {
  auto model = node->GetData().model;
  if (model && model->GetID() == id) found = node;
  for (int32_t i = 0; i < node->GetChildCount(); ++i) lastWithID(node->GetChild(i), id, found);
}

}  // namespace

void TZEOrdersMapPicking::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api, IZETree& mapTree) {
  Close(mapTree);
  api_ = std::move(api);
  auto tree = api_ ? api_->GetMapTree() : nullptr;
  auto root = tree ? tree->GetRootNode() : nullptr;
  if (root) addMapNodes(mapTree, nullptr, *root);
}

void TZEOrdersMapPicking::LoadOrder(const IZelvoOrderModel& order, IZETree& mapTree) {
  x_ = order.GetX();
  y_ = order.GetY();
  mapID_ = order.GetMapID();
  floorID_ = order.GetFloorID();
  label_ = "X:" + std::to_string(x_) + " Y:" + std::to_string(y_);
  IZETreeNode* found = nullptr;
  for (int32_t i = 0; i < mapTree.GetTopLevelCount(); ++i) lastWithID(mapTree.GetTopLevel(i), mapID_, found);
  mapTree.SetSelected(found);
  SelectMap(found);
}

bool TZEOrdersMapPicking::SelectMap(IZETreeNode* node) {
  UnloadOwnMap();
  auto mapNode = node ? node->GetData().As<IZelvoMapTreeNodeControl>() : nullptr;
  if (!mapNode) return false;
  const bool wasLoaded = mapNode->IsMapLoaded();
  std::shared_ptr<IZelvoMapModel> map;
  try {
    map = mapNode->GetMap();
  } catch (const EZelvoError&) {
    // A map file that cannot be read shows no map; the picker goes on.
    map = nullptr;
  }
  node_ = mapNode;
  ownsLoad_ = !wasLoaded && mapNode->IsMapLoaded();
  map_ = map;
  mapID_ = mapNode->GetID();
  return map_ != nullptr;
}

std::vector<std::string> TZEOrdersMapPicking::LayerNames() const {
  std::vector<std::string> names;
  for (int32_t i = 0; map_ && i < map_->GetFloorCount(); ++i) {
    auto floor = map_->GetFloor(i);
    names.push_back(floor ? floor->GetName() : std::string());
  }
  return names;
}

int32_t TZEOrdersMapPicking::SelectedLayer() const {
  for (int32_t i = 0; map_ && i < map_->GetFloorCount(); ++i)
    if (auto floor = map_->GetFloor(i); floor && floor->GetID() == floorID_) return i;
  return -1;
}

bool TZEOrdersMapPicking::SelectLayer(int32_t index) {
  auto floor = map_ ? map_->GetFloor(index) : nullptr;
  if (!floor) return false;
  floorID_ = floor->GetID();
  return true;
}

bool TZEOrdersMapPicking::SetGridText(const std::string& text) {
  const auto value = ParseDecimal(text);
  if (!value || *value <= 0 || *value >= 128) return false;
  grid_ = *value;
  return true;
}

int32_t TZEOrdersMapPicking::ViewWidth() const {
  return map_ ? static_cast<int32_t>(std::min<int64_t>(int64_t{map_->GetWidth()} * kCellPixels, INT32_MAX)) : 0;
}

int32_t TZEOrdersMapPicking::ViewHeight() const {
  return map_ ? static_cast<int32_t>(std::min<int64_t>(int64_t{map_->GetHeight()} * kCellPixels, INT32_MAX)) : 0;
}

bool TZEOrdersMapPicking::Drag(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || int64_t{x} + 8 >= ViewWidth() || int64_t{y} + 8 >= ViewHeight()) return false;
  x_ = grid_ * (x / grid_);
  y_ = grid_ * (y / grid_);
  return true;
}

void TZEOrdersMapPicking::Commit(IZelvoOrderModel& order) const {
  order.SetMapID(mapID_);
  order.SetX(x_);
  order.SetY(y_);
  order.SetFloorID(floorID_);
}

void TZEOrdersMapPicking::Close(IZETree& mapTree) {
  UnloadOwnMap();
  mapTree.Clear();
}

void TZEOrdersMapPicking::UnloadOwnMap() {
  // Only a map the picker read itself, and never one with changes the user has not saved.
  if (node_ && ownsLoad_ && !node_->IsModified() && !node_->ChangedSinceRead()) node_->UnloadMap();
  node_.reset();
  map_.reset();
  ownsLoad_ = false;
}

}  // namespace zelvo
