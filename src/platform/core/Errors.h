#pragma once
// The typed errors every layer throws. Messages are UTF-8, ready for stderr and message boxes.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zelvo {

class EZelvoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A stream that could not be made (an unknown mode).
class EStreamError : public EZelvoError {
 public:
  using EZelvoError::EZelvoError;
};

// Open, read, write or rename of a file failed.
class EFileError : public EZelvoError {
 public:
  EFileError(const std::string& action, const std::string& path, const std::string& reason = {});
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Truncated or corrupt data.
class EFormatError : public EZelvoError {
 public:
  EFormatError(const std::string& source, int64_t offset, const std::string& what);
  const std::string& source() const { return source_; }
  int64_t offset() const { return offset_; }

 private:
  std::string source_;
  int64_t offset_;
};

// A list index out of range.
class EIndexError : public EZelvoError {
 public:
  EIndexError(const std::string& what, int64_t index, int64_t count);
};

}  // namespace zelvo
