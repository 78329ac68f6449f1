#pragma once
// The rules of the map property window: the ID, name and size of a map-tree node's map, and how
// the entered name and size go back. A resize is preceded by its undo step; sizes are checked
// first, so a mistyped number never cuts the map.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/GameGeometry.h"

namespace zelvo {

class IZEMapEditorHost;
class IZelvoMapTreeNodeControl;
class TZEMapEditor;

struct TZEMapPropertyValues {
  int32_t id = -1;
  std::string name;  // CP932
  std::string width;  // the typed texts
  std::string height;
};

class TZEMapProperty {
 public:
  static constexpr int32_t kCanvasCell = kChip;

  // Refused: the resize could not be made undoable; its message is already shown.
  enum class Result { Renamed, Resized, BadSize, TooLarge, NoMap, Refused };

  // Host may be nullptr.
  TZEMapProperty(TZEMapEditor& editor, IZEMapEditorHost* host);

  // The node to show; nullptr for none. Its map file is read when it is not in memory yet.
  void SetNode(std::shared_ptr<IZelvoMapTreeNodeControl> node) { node_ = std::move(node); }
  const std::shared_ptr<IZelvoMapTreeNodeControl>& GetNode() const { return node_; }
  // Sizes are empty when the node has no map.
  TZEMapPropertyValues Read() const;
  // BadSize, TooLarge and Refused change nothing; otherwise the name is set, and the map is resized when
  // its size differs. The node is marked modified so the change is saved.
  Result Apply(const TZEMapPropertyValues& values);
  // The message for a rejected entry (UTF-8); empty for accepted ones.
  static std::string Message(Result result);

 private:
  TZEMapEditor& editor_;
  IZEMapEditorHost* host_;
  std::shared_ptr<IZelvoMapTreeNodeControl> node_;
};

}  // namespace zelvo
