#include "player/ZDrawable.h"

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
  DrawRect({x_, y_, x_ + width_, y_ + height_}, {srcX_, srcY_, srcX_ + width_, srcY_ + height_});
}

}  // namespace zelvo
