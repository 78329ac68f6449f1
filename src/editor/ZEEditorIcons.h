#pragma once
// The main window's image list: one 24 x 24 icon per editor code, drawn here, so the editor
// tree and every window that takes the list show the same pictures.

#include <QIcon>
#include <cstdint>
#include <functional>

namespace zelvo {

inline constexpr int kEditorIconSize = 24;
inline constexpr int32_t kEditorIconCount = 33;

// The icon of an index; an index outside the list gives an empty icon.
QIcon EditorIcon(int32_t index);
std::function<QIcon(int32_t)> EditorIconSource();

}  // namespace zelvo
