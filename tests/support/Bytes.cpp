#include "support/Bytes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zelvo::test {

Bytes& Bytes::i32(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) data_.push_back(uint8_t(u >> (8 * i)));
  return *this;
}
Bytes& Bytes::u8(uint8_t v) {
  data_.push_back(v);
  return *this;
}
Bytes& Bytes::raw(const std::vector<uint8_t>& v) {
  data_.insert(data_.end(), v.begin(), v.end());
  return *this;
}
Bytes& Bytes::text(const std::string& s) {
  data_.insert(data_.end(), s.begin(), s.end());
  return *this;
}
Bytes& Bytes::zeros(size_t n) {
  data_.insert(data_.end(), n, 0);
  return *this;
}
Bytes& Bytes::base(int32_t id, const std::string& name) {
  return i32(id).i32(static_cast<int32_t>(name.size())).text(name).u8(0);
}

std::vector<uint8_t> readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

std::string hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) s += ' ';
    s += digits[bytes[i] >> 4];
    s += digits[bytes[i] & 15];
  }
  return s;
}

namespace {

// Bytes shown on each side of the first difference.
constexpr size_t kContext = 8;

// The bytes of one side from `from` up to `to` (clipped to its length), the one at `at` in brackets.
std::string around(const std::vector<uint8_t>& bytes, size_t from, size_t to, size_t at) {
  std::string s = from > 0 ? "... " : "";
  for (size_t i = from; i < std::min(to, bytes.size()); ++i) {
    char cell[8];
    std::snprintf(cell, sizeof cell, i == at ? "[%02X] " : "%02X ", bytes[i]);
    s += cell;
  }
  if (at >= bytes.size()) s += "[end]";
  else if (to < bytes.size()) s += "...";
  return s;
}

}  // namespace

testing::AssertionResult BytesEqual(const char* leftText, const char* rightText, const std::vector<uint8_t>& left,
                                    const std::vector<uint8_t>& right) {
  const auto [l, r] = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
  if (l == left.end() && r == right.end()) return testing::AssertionSuccess();
  const size_t at = static_cast<size_t>(l - left.begin());
  const size_t from = at > kContext ? at - kContext : 0;
  const size_t to = at + kContext + 1;
  char offset[48];
  std::snprintf(offset, sizeof offset, "%zu (0x%zX)", at, at);
  return testing::AssertionFailure() << leftText << " and " << rightText << " differ first at offset " << offset
                                     << "; lengths " << left.size() << " and " << right.size() << "\n  "
                                     << leftText << ": " << around(left, from, to, at) << "\n  " << rightText
                                     << ": " << around(right, from, to, at);
}

}  // namespace zelvo::test
