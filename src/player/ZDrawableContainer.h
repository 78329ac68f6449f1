#pragma once
// A drawable that draws its children in list order (later ones on top), each at its own place.

#include <cstdint>
#include <memory>

#include "player/ZDrawable.h"
#include "player/ZDrawableList.h"

namespace zelvo {

class IZContainer : public virtual IZDrawable {
 public:
  virtual void Add(const std::shared_ptr<IZDrawable>& drawable) = 0;
  // An ID no child has does nothing.
  virtual void Remove(int32_t id) = 0;
  // The last match in list order; null when none.
  virtual std::shared_ptr<IZDrawable> FindByID(int32_t id) = 0;
  virtual std::shared_ptr<IZDrawable> FindByName(const char* name) = 0;
  virtual int32_t Count() = 0;
  virtual std::shared_ptr<IZIterator> GetIterator() = 0;
  // Mode 1 stacks the children top-down inside the margin; any other mode does nothing.
  virtual void Arrange(int32_t mode) = 0;
};

class TZContainer : public TZDrawable, public virtual IZContainer {
 public:
  void DrawRect(const TRect& dest, const TRect& source) override;
  void Add(const std::shared_ptr<IZDrawable>& drawable) override;
  void Remove(int32_t id) override;
  std::shared_ptr<IZDrawable> FindByID(int32_t id) override;
  std::shared_ptr<IZDrawable> FindByName(const char* name) override;
  int32_t Count() override { return children_.Count(); }
  std::shared_ptr<IZIterator> GetIterator() override { return children_.GetIterator(); }
  void Arrange(int32_t mode) override;

  int32_t GetMargin() const { return margin_; }
  TZDrawableList& Children() { return children_; }

 protected:
  TZDrawableList children_;
  int32_t margin_ = 0;
};

}  // namespace zelvo
