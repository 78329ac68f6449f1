#include "player/ZDrawable.h"

#include "platform/core/ClampedMath.h"

namespace zelvo {

namespace {
int32_t lastDrawableID = 0;  // process-wide; IDs are never reused
}  // namespace

TZDrawable::TZDrawable() : id_(++lastDrawableID), name_("SLObject" + std::to_string(id_)) {}

void TZDrawable::SetTransparent(bool value) {
  if (value) transparent_ = true;
}

void TZDrawable::SetName(const char* name) { name_ = name ? name : ""; }

void TZDrawable::DrawRect(const TRect&, const TRect&) {}

void TZDrawable::Draw() {
  if (!visible_) return;
  // Positions and sizes may come from a game's files: a rectangle past the int32 range stops at it.
  DrawRect({x_, y_, ClampedAdd(x_, width_), ClampedAdd(y_, height_)},
           {srcX_, srcY_, ClampedAdd(srcX_, width_), ClampedAdd(srcY_, height_)});
}

}  // namespace zelvo
