#pragma once
// The main window's image lists, drawn here: one 24 x 24 picture per editor code, so the editor
// tree and every window that takes the list show the same pictures, and one per order group for
// the order trees.

#include <QIcon>
#include <cstdint>
#include <functional>

namespace zelvo {

inline constexpr int kEditorIconSize = 24;
inline constexpr int32_t kEditorIconCount = 33;

// The icon of an index; an index outside the list gives an empty icon.
QIcon EditorIcon(int32_t index);
std::function<QIcon(int32_t)> EditorIconSource();

// The second list: the order groups' icons (an order's is its type div 1000).
inline constexpr int32_t kOrderIconCount = 8;
QIcon OrderIcon(int32_t index);
std::function<QIcon(int32_t)> OrderIconSource();

}  // namespace zelvo
