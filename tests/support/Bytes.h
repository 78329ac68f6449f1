#pragma once
// Building byte fixtures in tests: little-endian int32s, CP932 texts and raw bytes in order; and
// comparing byte sequences so that a failure shows where they part, not both sequences whole.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace zelvo::test {

class Bytes {
 public:
  Bytes() = default;
  Bytes(std::initializer_list<uint8_t> raw) : data_(raw) {}
  Bytes& i32(int32_t v);
  Bytes& u8(uint8_t v);
  Bytes& raw(const std::vector<uint8_t>& v);
  Bytes& text(const std::string& s);  // the bytes of s, no terminator
  Bytes& zeros(size_t n);
  // The base record: ID, n, the name's bytes and a NUL.
  Bytes& base(int32_t id, const std::string& name);
  const std::vector<uint8_t>& vec() const { return data_; }
  operator const std::vector<uint8_t>&() const { return data_; }
  size_t size() const { return data_.size(); }

 private:
  std::vector<uint8_t> data_;
};

std::vector<uint8_t> readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::vector<uint8_t>& bytes);
std::string hex(const std::vector<uint8_t>& bytes);

// For EXPECT_PRED_FORMAT2: equal, or a failure giving the first offset where the two differ, both
// lengths, and the bytes around that offset in hex.
testing::AssertionResult BytesEqual(const char* leftText, const char* rightText, const std::vector<uint8_t>& left,
                                    const std::vector<uint8_t>& right);

}  // namespace zelvo::test

#define EXPECT_BYTES_EQ(a, b) EXPECT_PRED_FORMAT2(::zelvo::test::BytesEqual, a, b)
#define ASSERT_BYTES_EQ(a, b) ASSERT_PRED_FORMAT2(::zelvo::test::BytesEqual, a, b)
