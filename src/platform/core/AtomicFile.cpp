#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/core/Errors.h"

namespace zelvo {
namespace {

int gFailAt = 0;
int gWrites = 0;

// One temporary file being written: removed again unless finished.
class TempFile {
 public:
  explicit TempFile(const std::filesystem::path& temp) : temp_(temp) {
    ++gWrites;
    if (gFailAt > 0 && gWrites == gFailAt) throw EFileError("write", temp.string(), "injected failure");
    fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) throw EFileError("create", temp.string(), std::strerror(errno));
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!done_) std::remove(temp_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  void write(const uint8_t* data, size_t size) {
    while (size > 0) {
      ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) fail(n < 0 ? errno : ENOSPC);
      data += n;
      size -= static_cast<size_t>(n);
    }
  }
  void finish() {
    int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0) {
      int e = errno;
      ::close(fd);
      fail(e);
    }
    if (::close(fd) != 0) fail(errno);
    done_ = true;
  }

 private:
  [[noreturn]] void fail(int error) { throw EFileError("write", temp_.string(), std::strerror(error)); }

  std::filesystem::path temp_;
  int fd_ = -1;
  bool done_ = false;
};

void writeTemp(const std::filesystem::path& temp, std::span<const uint8_t> bytes) {
  TempFile file(temp);
  file.write(bytes.data(), bytes.size());
  file.finish();
}

void copyToTemp(const std::filesystem::path& temp, const std::filesystem::path& source) {
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) throw EFileError("open", source.string(), std::strerror(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{in};
  TempFile file(temp);
  std::vector<uint8_t> buffer(size_t(1) << 18);
  for (;;) {
    ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EFileError("read", source.string(), std::strerror(errno));
    if (n == 0) break;
    file.write(buffer.data(), static_cast<size_t>(n));
  }
  file.finish();
}

void renameOver(const std::filesystem::path& temp, const std::filesystem::path& target) {
  if (std::rename(temp.c_str(), target.c_str()) != 0)
    throw EFileError("replace", target.string(), std::strerror(errno));
}

}  // namespace

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
  std::filesystem::path temp = target;
  temp += ".zelvo-" + std::to_string(::getpid()) + ".tmp";
  return temp;
}

void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  FileTransaction t;
  t.stage(target, bytes);
  t.commit();
}

FileTransaction::~FileTransaction() { abandon(); }

void FileTransaction::stage(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  std::filesystem::path temp = temporaryNameFor(target);
  writeTemp(temp, bytes);
  pending_.push_back({temp, target});
}

void FileTransaction::stageFirst(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  std::filesystem::path temp = temporaryNameFor(target);
  writeTemp(temp, bytes);
  pending_.insert(pending_.begin(), {temp, target});
}

void FileTransaction::stageCopy(const std::filesystem::path& target, const std::filesystem::path& source) {
  std::filesystem::path temp = temporaryNameFor(target);
  copyToTemp(temp, source);
  pending_.push_back({temp, target});
}

void FileTransaction::commit() {
  // Once the first rename has happened the rest are the same kind of call on the same disk;
  // a failure there is reported and the untouched temporaries removed.
  for (size_t i = 0; i < pending_.size(); ++i) {
    try {
      renameOver(pending_[i].temp, pending_[i].target);
    } catch (...) {
      pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i));
      abandon();
      throw;
    }
  }
  pending_.clear();
}

void FileTransaction::abandon() {
  for (const Pending& p : pending_) std::remove(p.temp.c_str());
  pending_.clear();
}

namespace FileFaults {
void failWriteNumber(int n) {
  gFailAt = n > 0 ? gWrites + n : 0;
}
int writesSoFar() { return gWrites; }
void reset() {
  gFailAt = 0;
  gWrites = 0;
}
}  // namespace FileFaults

}  // namespace zelvo
