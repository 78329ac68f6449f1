#include "model/ZelvoIntParamsList.h"

#include <algorithm>

#include "platform/core/BinaryReader.h"

namespace zelvo {

namespace {
constexpr int64_t kRowBytes = 4 * IZMLIntParamsList::kColumns;
}

TZMLIntParamsList::TZMLIntParamsList() : rows_(static_cast<size_t>(kGrowth) * kColumns, 0) {}

int32_t TZMLIntParamsList::GetValue(int32_t row, int32_t col) const {
  return valid(row, col) ? rows_[static_cast<size_t>(row) * kColumns + static_cast<size_t>(col)] : kNoValue;
}

void TZMLIntParamsList::SetValue(int32_t row, int32_t col, int32_t value) {
  if (valid(row, col)) cell(row, col) = value;
}

void TZMLIntParamsList::AddRow() {
  if (count_ + 1 > capacity_) {
    capacity_ += kGrowth;
    rows_.resize(static_cast<size_t>(capacity_) * kColumns, 0);
  }
  ++count_;
  // A row that reappears after a delete would otherwise show the former last row's values.
  for (int32_t c = 0; c < kColumns; ++c) cell(count_ - 1, c) = 0;
}

void TZMLIntParamsList::DeleteRow(int32_t row) {
  if (row < 0 || row >= count_) return;
  auto first = rows_.begin() + static_cast<std::ptrdiff_t>(row) * kColumns;
  std::copy(first + kColumns, rows_.begin() + static_cast<std::ptrdiff_t>(count_) * kColumns, first);
  --count_;
}

void TZMLIntParamsList::ExchangeRows(int32_t row1, int32_t row2) {
  if (row1 < 0 || row1 >= count_ || row2 < 0 || row2 >= count_) return;
  for (int32_t c = 0; c < kColumns; ++c) std::swap(cell(row1, c), cell(row2, c));
}

void TZMLIntParamsList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t n = r.readInt32();
  if (n < 1) {
    count_ = 0;
    capacity_ = kGrowth;
    rows_.assign(static_cast<size_t>(kGrowth) * kColumns, 0);
    return;
  }
  r.requireAvailable(int64_t(n) * kRowBytes, "parameter rows");
  std::vector<int32_t> rows(static_cast<size_t>(n) * kColumns);
  for (int32_t& v : rows) v = r.readInt32();
  rows_ = std::move(rows);
  capacity_ = n;
  count_ = n;
}

void TZMLIntParamsList::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(count_);
  for (int64_t i = 0; i < int64_t(count_) * kColumns; ++i) w.writeInt32(rows_[static_cast<size_t>(i)]);
}

}  // namespace zelvo
