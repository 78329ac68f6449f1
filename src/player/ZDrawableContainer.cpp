#include "player/ZDrawableContainer.h"

#include <cstring>

namespace zelvo {

void TZContainer::DrawRect(const TRect&, const TRect&) {
  if (!visible_) return;
  for (auto it = children_.GetIterator(); it->HasNext();)
    if (auto child = it->Next()) child->Draw();
}

void TZContainer::Add(const std::shared_ptr<IZDrawable>& drawable) { children_.Add(drawable); }

void TZContainer::Remove(int32_t id) { children_.Delete(children_.IndexOfID(id)); }

std::shared_ptr<IZDrawable> TZContainer::FindByID(int32_t id) {
  std::shared_ptr<IZDrawable> found;
  for (auto it = children_.GetIterator(); it->HasNext();)
    if (auto child = it->Next(); child && child->GetID() == id) found = child;
  return found;
}

std::shared_ptr<IZDrawable> TZContainer::FindByName(const char* name) {
  std::shared_ptr<IZDrawable> found;
  if (!name) return found;
  for (auto it = children_.GetIterator(); it->HasNext();)
    if (auto child = it->Next(); child && std::strcmp(child->GetName(), name) == 0) found = child;
  return found;
}

void TZContainer::Arrange(int32_t mode) {
  if (mode != 1) return;
  int32_t y = y_ + margin_;
  for (auto it = children_.GetIterator(); it->HasNext();) {
    auto child = it->Next();
    if (!child) continue;
    child->SetX(x_ + margin_);
    child->SetY(y);
    y += child->GetHeight();
  }
}

}  // namespace zelvo
