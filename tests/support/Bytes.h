#pragma once
// Building byte fixtures in tests: little-endian int32s, CP932 texts and raw bytes in order.

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

}  // namespace zelvo::test
