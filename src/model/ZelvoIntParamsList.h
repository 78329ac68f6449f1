#pragma once
// A growable table of rows of eight int32 values (a job's effects, one per row).

#include <cstdint>
#include <memory>
#include <vector>

#include "model/ZStream.h"

namespace zelvo {

class IZMLIntParamsList {
 public:
  virtual ~IZMLIntParamsList() = default;
  // kNoValue when Row is outside 0..Count-1 or Col outside 0..7.
  virtual int32_t GetValue(int32_t row, int32_t col) const = 0;
  // Nothing out of range.
  virtual void SetValue(int32_t row, int32_t col, int32_t value) = 0;
  virtual int32_t GetCount() const = 0;
  // One more row, all zero; the capacity grows by 100 rows when it is exceeded.
  virtual void AddRow() = 0;
  // Moves every later row one place up; nothing outside 0..Count-1.
  virtual void DeleteRow(int32_t row) = 0;
  // Nothing unless both are in 0..Count-1.
  virtual void ExchangeRows(int32_t row1, int32_t row2) = 0;
  virtual void Reserved1() = 0;
  virtual void Reserved2() = 0;
  // int32 row count r, then r rows of eight int32.
  virtual void LoadFromStream(IZStream& stream) = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  virtual int32_t GetCapacity() const = 0;

  static constexpr int32_t kColumns = 8;
  static constexpr int32_t kNoValue = INT32_MIN;
};

using IZMLIntParamsListPtr = std::shared_ptr<IZMLIntParamsList>;

class TZMLIntParamsList final : public IZMLIntParamsList {
 public:
  TZMLIntParamsList();

  int32_t GetValue(int32_t row, int32_t col) const override;
  void SetValue(int32_t row, int32_t col, int32_t value) override;
  int32_t GetCount() const override { return count_; }
  void AddRow() override;
  void DeleteRow(int32_t row) override;
  void ExchangeRows(int32_t row1, int32_t row2) override;
  void Reserved1() override {}
  void Reserved2() override {}
  // The capacity becomes the number of rows read (100 for none) and so does the count. A short
  // or hostile record throws EFormatError and leaves the table as it was.
  void LoadFromStream(IZStream& stream) override;
  void SaveToStream(IZStream& stream) override;
  int32_t GetCapacity() const override { return capacity_; }

  static constexpr int32_t kGrowth = 100;

 private:
  bool valid(int32_t row, int32_t col) const { return row >= 0 && row < count_ && col >= 0 && col < kColumns; }
  int32_t& cell(int32_t row, int32_t col) { return rows_[static_cast<size_t>(row) * kColumns + static_cast<size_t>(col)]; }

  int32_t count_ = 0;
  int32_t capacity_ = kGrowth;
  std::vector<int32_t> rows_;
};

}  // namespace zelvo
