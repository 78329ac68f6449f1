#pragma once
// A condition: the list of lines that decide whether an action of an event applies. Conditions
// keep no identity of their own: every one has the ID 0 and an empty name, and their records
// store neither.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ZelvoModel.h"

namespace zelvo {

// One line of a condition: a kind of test, a switch or variable number, a value and a selection.
class IZelvoConditionModelItem {
 public:
  virtual ~IZelvoConditionModelItem() = default;
  // The name up to its first NUL.
  virtual const char* GetName() const = 0;
  // nullptr does nothing.
  virtual void SetName(const char* name) = 0;
  virtual int32_t GetKind() const = 0;
  virtual void SetKind(int32_t value) = 0;
  virtual int32_t GetNumber() const = 0;
  // Stores only 0 <= value < 100000; returns its argument either way.
  virtual int32_t SetNumber(int32_t value) = 0;
  virtual int32_t GetValue() const = 0;
  // The same rule as SetNumber.
  virtual int32_t SetValue(int32_t value) = 0;
  virtual int32_t GetSelection() const = 0;
  virtual void SetSelection(int32_t value) = 0;
  // Kind, Number, Value, Selection, L, then the L bytes of the name buffer.
  virtual void LoadFromStream(IZStream& stream) = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // The name buffer exactly as set (name and NUL) or read (its L bytes); empty for a new line.
  virtual const std::string& GetNameBytes() const = 0;
};

using IZelvoConditionModelItemPtr = std::shared_ptr<IZelvoConditionModelItem>;

class TZelvoConditionModelItem final : public IZelvoConditionModelItem {
 public:
  const char* GetName() const override { return name_.c_str(); }
  void SetName(const char* name) override;
  int32_t GetKind() const override { return kind_; }
  void SetKind(int32_t value) override { kind_ = value; }
  int32_t GetNumber() const override { return number_; }
  int32_t SetNumber(int32_t value) override;
  int32_t GetValue() const override { return value_; }
  int32_t SetValue(int32_t value) override;
  int32_t GetSelection() const override { return selection_; }
  void SetSelection(int32_t value) override { selection_ = value; }
  // The fields are read as stored (the number range is not applied). A short record throws
  // EFormatError and leaves the line as it was.
  void LoadFromStream(IZStream& stream) override;
  // Writes back exactly the buffer it holds, so a name does not grow by a NUL on each round.
  void SaveToStream(IZStream& stream) override;
  const std::string& GetNameBytes() const override { return name_; }

  static constexpr int32_t kLimit = 100000;
  static constexpr int64_t kMinRecordBytes = 20;

 private:
  std::string name_;
  int32_t kind_ = 0, number_ = 0, value_ = 0, selection_ = 0;
};

class IZelvoConditionModel : public virtual IZelvoModel {
 public:
  virtual int32_t GetCount() const = 0;
  virtual void Clear() = 0;
  // nullptr outside 0..count-1.
  virtual IZelvoConditionModelItemPtr GetItem(int32_t index) const = 0;
  virtual void Add(IZelvoConditionModelItemPtr item) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // Before the item at Index when 0 <= Index < count; any other Index, count included, does nothing.
  virtual void Insert(int32_t index, IZelvoConditionModelItemPtr item) = 0;
  // The same operations as LoadFromStream and SaveToStream.
  virtual void LoadItemsFromStream(IZStream& stream) = 0;
  virtual void SaveItemsToStream(IZStream& stream) = 0;
};

using IZelvoConditionModelPtr = std::shared_ptr<IZelvoConditionModel>;

class TZelvoConditionModel : public TZelvoModel, public virtual IZelvoConditionModel {
 public:
  // The ID argument is not kept: every condition has the ID 0 and an empty name.
  explicit TZelvoConditionModel(int32_t id = 0);

  // The condition record: int32 item count, then each line's record; no base record.
  void SaveToStream(IZStream& stream) override;
  // Appends the stored lines after those already held; only when every line read. A short or
  // hostile record throws EFormatError and leaves the condition as it was.
  void LoadFromStream(IZStream& stream) override;

  int32_t GetCount() const override { return static_cast<int32_t>(items_.size()); }
  void Clear() override { items_.clear(); }
  IZelvoConditionModelItemPtr GetItem(int32_t index) const override;
  void Add(IZelvoConditionModelItemPtr item) override { items_.push_back(std::move(item)); }
  void Delete(int32_t index) override;
  void Insert(int32_t index, IZelvoConditionModelItemPtr item) override;
  void LoadItemsFromStream(IZStream& stream) override { LoadFromStream(stream); }
  void SaveItemsToStream(IZStream& stream) override { SaveToStream(stream); }

  // The smallest condition record: a count of 0.
  static constexpr int64_t kMinRecordBytes = 4;

 private:
  std::vector<IZelvoConditionModelItemPtr> items_;
};

}  // namespace zelvo
