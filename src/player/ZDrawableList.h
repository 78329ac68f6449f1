#pragma once
// A doubly linked list of drawables with an iterator. Each item owns its successor; the link back
// to its predecessor is weak, so a list never keeps itself alive.

#include <cstdint>
#include <memory>

#include "player/ZDrawable.h"

namespace zelvo {

class IZDrawableItem {
 public:
  virtual ~IZDrawableItem() = default;
  virtual std::shared_ptr<IZDrawableItem> GetNext() = 0;
  virtual std::shared_ptr<IZDrawableItem> GetPrev() = 0;
  virtual std::shared_ptr<IZDrawable> GetDrawable() = 0;
  // Joins its neighbours to each other.
  virtual void Unlink() = 0;
  virtual void SetNext(const std::shared_ptr<IZDrawableItem>& item) = 0;
  virtual void SetPrev(const std::shared_ptr<IZDrawableItem>& item) = 0;
};

class TZDrawableItem : public virtual IZDrawableItem {
 public:
  TZDrawableItem(std::shared_ptr<IZDrawable> drawable, std::shared_ptr<IZDrawableItem> prev,
                 std::shared_ptr<IZDrawableItem> next)
      : next_(std::move(next)), prev_(prev), drawable_(std::move(drawable)) {}
  std::shared_ptr<IZDrawableItem> GetNext() override { return next_; }
  std::shared_ptr<IZDrawableItem> GetPrev() override { return prev_.lock(); }
  std::shared_ptr<IZDrawable> GetDrawable() override { return drawable_; }
  void Unlink() override;
  void SetNext(const std::shared_ptr<IZDrawableItem>& item) override { next_ = item; }
  void SetPrev(const std::shared_ptr<IZDrawableItem>& item) override { prev_ = item; }

 private:
  std::shared_ptr<IZDrawableItem> next_;
  std::weak_ptr<IZDrawableItem> prev_;
  std::shared_ptr<IZDrawable> drawable_;
};

class IZIterator {
 public:
  virtual ~IZIterator() = default;
  // Null at the end.
  virtual std::shared_ptr<IZDrawable> Current() = 0;
  virtual bool HasNext() = 0;
  // The current drawable, then moves on; null at the end.
  virtual std::shared_ptr<IZDrawable> Next() = 0;
};

class TZIterator : public virtual IZIterator {
 public:
  explicit TZIterator(std::shared_ptr<IZDrawableItem> head) : current_(std::move(head)) {}
  std::shared_ptr<IZDrawable> Current() override;
  bool HasNext() override { return current_ != nullptr; }
  std::shared_ptr<IZDrawable> Next() override;

 private:
  std::shared_ptr<IZDrawableItem> current_, passed_;
};

class IZDrawableList {
 public:
  virtual ~IZDrawableList() = default;
  // Null outside 0 .. Count - 1.
  virtual std::shared_ptr<IZDrawable> GetItem(int32_t index) = 0;
  // -1 when no drawable has the ID.
  virtual int32_t IndexOfID(int32_t id) = 0;
  virtual int32_t Count() = 0;
  virtual std::shared_ptr<IZIterator> GetIterator() = 0;
  // Outside 0 .. Count - 1 does nothing.
  virtual void Delete(int32_t index) = 0;
  virtual void Add(const std::shared_ptr<IZDrawable>& drawable) = 0;
  // Before the item at index; an index outside 0 .. Count - 1 of a non-empty list appends.
  virtual void Insert(int32_t index, const std::shared_ptr<IZDrawable>& drawable) = 0;
};

class TZDrawableList : public virtual IZDrawableList {
 public:
  TZDrawableList() = default;
  ~TZDrawableList() override;
  TZDrawableList(const TZDrawableList&) = delete;
  TZDrawableList& operator=(const TZDrawableList&) = delete;

  std::shared_ptr<IZDrawable> GetItem(int32_t index) override;
  int32_t IndexOfID(int32_t id) override;
  int32_t Count() override { return count_; }
  std::shared_ptr<IZIterator> GetIterator() override;
  void Delete(int32_t index) override;
  void Add(const std::shared_ptr<IZDrawable>& drawable) override;
  void Insert(int32_t index, const std::shared_ptr<IZDrawable>& drawable) override;

 private:
  std::shared_ptr<IZDrawableItem> itemAt(int32_t index);
  std::shared_ptr<IZDrawableItem> head_;
  int32_t count_ = 0;
};

}  // namespace zelvo
