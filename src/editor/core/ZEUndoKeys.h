#pragma once
// The map editor's undo steps by kind, each with a named view of the seven keys a step keeps.
// Key 0 is the kind; keys 1-6 name what the step covers. The keys are the stored form: a view is
// read from them (From) and written back into them (Into), and a key a kind does not use is left
// as it was. A field marked * is filled in from the model when the step is made, ** only when the
// thing it names existed then.

#include <cstdint>

#include "editor/core/EtcUndo.h"
#include "model/ZelvoCommonTypes.h"

namespace zelvo {

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

// The cells of a rectangle of one layer.
struct TZERectKeys {
  static constexpr TZEUndoKind kKind = UndoRect;
  // Right and bottom exclusive; clipped to the layer*.
  ZelvoCommonTypes::TRect Rect;
  int32_t FloorIndex = 0;
  int32_t MapID = 0;

  static TZERectKeys From(const TEtcUndoKeys& k) { return {{k[1], k[2], k[3], k[4]}, k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const {
    k[0] = kKind, k[1] = Rect.Left, k[2] = Rect.Top, k[3] = Rect.Right, k[4] = Rect.Bottom, k[5] = FloorIndex,
    k[6] = MapID;
  }
  friend bool operator==(const TZERectKeys&, const TZERectKeys&) = default;
};

// The size of a map and the cells of its first floors.
struct TZEWholeMapKeys {
  static constexpr TZEUndoKind kKind = UndoWholeMap;
  int32_t Width = 0;       // *
  int32_t Height = 0;      // *
  int32_t FloorCount = 0;  // at most the map's*
  int32_t MapID = 0;

  static TZEWholeMapKeys From(const TEtcUndoKeys& k) { return {k[3], k[4], k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[3] = Width, k[4] = Height, k[5] = FloorCount, k[6] = MapID; }
  friend bool operator==(const TZEWholeMapKeys&, const TZEWholeMapKeys&) = default;
};

// One layer, there or not.
struct TZEFloorKeys {
  static constexpr TZEUndoKind kKind = UndoFloor;
  int32_t FloorID = 0;
  int32_t Existed = 0;  // * (1 or 0)
  int32_t Width = 0;    // **
  int32_t Height = 0;   // **
  int32_t FloorIndex = 0;
  int32_t MapID = 0;

  static TZEFloorKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[3], k[4], k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const {
    k[0] = kKind, k[1] = FloorID, k[2] = Existed, k[3] = Width, k[4] = Height, k[5] = FloorIndex, k[6] = MapID;
  }
  friend bool operator==(const TZEFloorKeys&, const TZEFloorKeys&) = default;
};

// One node of the map tree with everything below it, there or not.
struct TZEMapNodeKeys {
  static constexpr TZEUndoKind kKind = UndoMapNode;
  int32_t ParentID = 0;  // -1 at the top level**
  int32_t Existed = 0;   // * (1 or 0)
  int32_t Index = 0;     // among the parent's children**
  int32_t NodeID = 0;

  static TZEMapNodeKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[3], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[1] = ParentID, k[2] = Existed, k[3] = Index, k[6] = NodeID; }
  friend bool operator==(const TZEMapNodeKeys&, const TZEMapNodeKeys&) = default;
};

// Two layers that changed places.
struct TZEFloorOrderKeys {
  static constexpr TZEUndoKind kKind = UndoFloorOrder;
  int32_t IndexA = 0;
  int32_t IndexB = 0;
  int32_t MapID = 0;

  static TZEFloorOrderKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[1] = IndexA, k[2] = IndexB, k[6] = MapID; }
  friend bool operator==(const TZEFloorOrderKeys&, const TZEFloorOrderKeys&) = default;
};

// Where the game starts.
struct TZEStartPositionKeys {
  static constexpr TZEUndoKind kKind = UndoStartPosition;
  int32_t X = 0;        // *
  int32_t Y = 0;        // *
  int32_t FloorID = 0;  // *
  int32_t MapID = 0;    // *

  static TZEStartPositionKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[1] = X, k[2] = Y, k[5] = FloorID, k[6] = MapID; }
  friend bool operator==(const TZEStartPositionKeys&, const TZEStartPositionKeys&) = default;
};

// One placed event, there or not.
struct TZEEventPositionKeys {
  static constexpr TZEUndoKind kKind = UndoEventPosition;
  int32_t X = 0;        // **
  int32_t Y = 0;        // **
  int32_t Existed = 0;  // * (1 or 0)
  int32_t PositionID = 0;
  int32_t MapID = 0;

  static TZEEventPositionKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[4], k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[1] = X, k[2] = Y, k[4] = Existed, k[5] = PositionID, k[6] = MapID; }
  friend bool operator==(const TZEEventPositionKeys&, const TZEEventPositionKeys&) = default;
};

// Where a placed event stands.
struct TZEEventMoveKeys {
  static constexpr TZEUndoKind kKind = UndoEventMove;
  int32_t X = 0;        // **
  int32_t Y = 0;        // **
  int32_t PositionID = 0;
  int32_t FloorID = 0;  // **
  int32_t MapID = 0;

  static TZEEventMoveKeys From(const TEtcUndoKeys& k) { return {k[1], k[2], k[3], k[5], k[6]}; }
  void Into(TEtcUndoKeys& k) const { k[0] = kKind, k[1] = X, k[2] = Y, k[3] = PositionID, k[5] = FloorID, k[6] = MapID; }
  friend bool operator==(const TZEEventMoveKeys&, const TZEEventMoveKeys&) = default;
};

// The map-tree node a step of any kind names in its last key: its map's ID (a map's ID is its
// node's), or for a map-tree step the node itself.
inline int32_t UndoNodeIDOf(const TEtcUndoKeys& keys) { return keys[6]; }

// The keys of a new step: the view's, with the keys its kind does not use at 0.
template <typename Keys>
TEtcUndoKeys UndoKeysOf(const Keys& view) {
  TEtcUndoKeys keys{};
  view.Into(keys);
  return keys;
}

}  // namespace zelvo
