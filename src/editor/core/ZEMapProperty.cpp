#include "editor/core/ZEMapProperty.h"

#include <limits>

#include "editor/core/ZEInputNumber.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorHost.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeNodeControl.h"

namespace zelvo {

TZEMapProperty::TZEMapProperty(TZEMapEditor& editor, IZEMapEditorHost* host) : editor_(editor), host_(host) {}

TZEMapPropertyValues TZEMapProperty::Read() const {
  TZEMapPropertyValues v;
  if (!node_) return v;
  v.id = node_->GetID();
  v.name = node_->GetNameBytes();
  if (auto map = node_->GetMap()) {
    v.width = std::to_string(map->GetWidth());
    v.height = std::to_string(map->GetHeight());
  }
  return v;
}

TZEMapProperty::Result TZEMapProperty::Apply(const TZEMapPropertyValues& v) {
  if (!node_) return Result::NoMap;
  auto map = node_->GetMap();
  int32_t width = 0, height = 0;
  if (map) {
    const int32_t most = std::numeric_limits<int32_t>::max();
    if (!TZEInputNumber::ParseInRange(v.width, 1, most, width) || !TZEInputNumber::ParseInRange(v.height, 1, most, height))
      return Result::BadSize;
    if (int64_t(width) * height > kMaxFloorCells) return Result::TooLarge;
  }
  bool resize = map && (width != map->GetWidth() || height != map->GetHeight());
  // The step comes first: when it cannot be kept, neither name nor size changes.
  if (resize && !editor_.AddWholeMapUndo(map->GetFloorCount(), node_->GetID())) return Result::Refused;
  node_->SetNameBytes(v.name);
  node_->GetRoot()->SetModified(true);
  if (!resize) return Result::Renamed;

  if (host_) host_->UpdateUndoButtons();
  map->SetSize(width, height);
  // Only the open map's canvas follows; another map's size is not what the canvas shows.
  bool open = editor_.GetMap() == node_;
  if (host_ && open && host_->CanvasWidth() != 0) host_->ResizeCanvas(width * kCanvasCell, height * kCanvasCell);
  return Result::Resized;
}

std::string TZEMapProperty::Message(Result result) {
  switch (result) {
    case Result::BadSize: return "幅と縦には1以上の整数を入力してください";
    case Result::TooLarge: return "マップが大きすぎます（幅×縦は16777216マスまでです）";
    default: return {};
  }
}

}  // namespace zelvo
