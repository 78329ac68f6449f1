#include "player/ZDrawableList.h"

namespace zelvo {

void TZDrawableItem::Unlink() {
  auto prev = prev_.lock();
  if (prev) prev->SetNext(next_);
  if (next_) next_->SetPrev(prev);
}

std::shared_ptr<IZDrawable> TZIterator::Current() { return current_ ? current_->GetDrawable() : nullptr; }

std::shared_ptr<IZDrawable> TZIterator::Next() {
  if (!current_) return nullptr;
  passed_ = current_;
  current_ = current_->GetNext();
  return passed_->GetDrawable();
}

TZDrawableList::~TZDrawableList() {
  // Item by item, so a long list never unwinds in one deep chain of destructors.
  while (count_ > 0) Delete(0);
  head_.reset();
}

std::shared_ptr<IZDrawableItem> TZDrawableList::itemAt(int32_t index) {
  if (index < 0 || index >= count_) return nullptr;
  auto item = head_;
  for (int32_t i = 0; item && i < index; ++i) item = item->GetNext();
  return item;
}

std::shared_ptr<IZDrawable> TZDrawableList::GetItem(int32_t index) {
  auto item = itemAt(index);
  return item ? item->GetDrawable() : nullptr;
}

int32_t TZDrawableList::IndexOfID(int32_t id) {
  int32_t i = 0;
  for (auto item = head_; item; item = item->GetNext(), ++i)
    if (item->GetDrawable() && item->GetDrawable()->GetID() == id) return i;
  return -1;
}

std::shared_ptr<IZIterator> TZDrawableList::GetIterator() { return std::make_shared<TZIterator>(head_); }

void TZDrawableList::Delete(int32_t index) {
  auto item = itemAt(index);
  if (!item) return;
  if (index == 0) head_ = item->GetNext();
  item->Unlink();
  item->SetNext(nullptr);
  item->SetPrev(nullptr);
  --count_;
}

void TZDrawableList::Add(const std::shared_ptr<IZDrawable>& drawable) {
  if (!head_) {
    head_ = std::make_shared<TZDrawableItem>(drawable, nullptr, nullptr);
  } else {
    auto last = head_;
    while (last->GetNext()) last = last->GetNext();
    last->SetNext(std::make_shared<TZDrawableItem>(drawable, last, nullptr));
  }
  ++count_;
}

void TZDrawableList::Insert(int32_t index, const std::shared_ptr<IZDrawable>& drawable) {
  auto at = itemAt(index);
  if (!head_ || !at) {
    Add(drawable);
    return;
  }
  auto prev = at->GetPrev();
  auto item = std::make_shared<TZDrawableItem>(drawable, prev, at);
  if (prev)
    prev->SetNext(item);
  else
    head_ = item;
  at->SetPrev(item);
  ++count_;
}

}  // namespace zelvo
