#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/Errors.h"

namespace zelvo {
namespace {

int gFailAt = 0;
int gWrites = 0;
int gRenameFailAt = 0;
int gRenames = 0;

// Enough to step past any leftovers of earlier runs with the same process ID.
constexpr int kNameAttempts = 1000;

std::filesystem::path sideName(const std::filesystem::path& target, const char* suffix, int attempt) {
  std::filesystem::path name = target;
  name += ".zelvo-" + std::to_string(::getpid()) + (attempt > 0 ? "-" + std::to_string(attempt) : "") + suffix;
  return name;
}

void countWrite(const std::filesystem::path& target) {
  ++gWrites;
  if (gFailAt > 0 && gWrites == gFailAt) throw EFileError("write", target.string(), "injected failure");
}

// One temporary file being written under a fresh name beside target: removed again unless
// finished. The name is created exclusively, so nothing already there is followed or truncated.
class TempFile {
 public:
  TempFile(const std::filesystem::path& target, const char* suffix) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      std::filesystem::path name = sideName(target, suffix, attempt);
      fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
      if (fd_ >= 0) {
        path_ = std::move(name);
        return;
      }
      if (errno != EEXIST) throw EFileError("create", name.string(), std::strerror(errno));
    }
    throw EFileError("create", sideName(target, suffix, 0).string(), "every temporary name beside it is taken");
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!done_) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void write(const uint8_t* data, size_t size) {
    while (size > 0) {
      ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) fail(n < 0 ? errno : ENOSPC);
      data += n;
      size -= static_cast<size_t>(n);
    }
  }
  void copyFrom(const std::filesystem::path& source) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw EFileError("open", source.string(), std::strerror(errno));
    struct Closer {
      int fd;
      ~Closer() { ::close(fd); }
    } closer{in};
    std::vector<uint8_t> buffer(size_t(1) << 18);
    for (;;) {
      ssize_t n = ::read(in, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw EFileError("read", source.string(), std::strerror(errno));
      if (n == 0) break;
      write(buffer.data(), static_cast<size_t>(n));
    }
  }
  // Closes the file and keeps it; returns its name.
  std::filesystem::path finish() {
    int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0) {
      int e = errno;
      ::close(fd);
      fail(e);
    }
    if (::close(fd) != 0) fail(errno);
    done_ = true;
    return path_;
  }

 private:
  [[noreturn]] void fail(int error) { throw EFileError("write", path_.string(), std::strerror(error)); }

  std::filesystem::path path_;
  int fd_ = -1;
  bool done_ = false;
};

std::filesystem::path writeTemp(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  countWrite(target);
  TempFile file(target, ".tmp");
  file.write(bytes.data(), bytes.size());
  return file.finish();
}

std::filesystem::path copyToTemp(const std::filesystem::path& target, const std::filesystem::path& source) {
  countWrite(target);
  TempFile file(target, ".tmp");
  file.copyFrom(source);
  return file.finish();
}

// 0, or the error of the rename.
int renameOver(const std::filesystem::path& temp, const std::filesystem::path& target) {
  ++gRenames;
  if (gRenameFailAt > 0 && gRenames == gRenameFailAt) return EIO;
  return std::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  FileTransaction t;
  t.stage(target, bytes);
  t.commit();
}

FileTransaction::~FileTransaction() { abandon(); }

void FileTransaction::stage(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  pending_.push_back({writeTemp(target, bytes), target, {}, false});
}

void FileTransaction::stageFirst(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
  pending_.insert(pending_.begin(), {writeTemp(target, bytes), target, {}, false});
}

void FileTransaction::stageCopy(const std::filesystem::path& target, const std::filesystem::path& source) {
  pending_.push_back({copyToTemp(target, source), target, {}, false});
}

std::vector<std::filesystem::path> FileTransaction::targets() const {
  std::vector<std::filesystem::path> out;
  out.reserve(pending_.size());
  for (const Pending& p : pending_) out.push_back(p.target);
  return out;
}

// A second name for the old target (a hard link, or a copy where the disk has none), so that
// a later failure can put it back with one rename.
void FileTransaction::keepOld(Pending& p) {
  struct stat st {};
  if (::lstat(p.target.c_str(), &st) != 0) {
    if (errno == ENOENT) return;
    throw EFileError("replace", p.target.string(), std::strerror(errno));
  }
  if (S_ISDIR(st.st_mode)) throw EFileError("replace", p.target.string(), "a folder is in its place");
  p.existed = true;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::filesystem::path name = sideName(p.target, ".old", attempt);
    // linkat without AT_SYMLINK_FOLLOW gives a link target a second name of its own.
    if (::linkat(AT_FDCWD, p.target.c_str(), AT_FDCWD, name.c_str(), 0) == 0) {
      p.kept = std::move(name);
      return;
    }
    if (errno == EEXIST) continue;
    if (!S_ISREG(st.st_mode))
      throw EFileError("replace", p.target.string(), std::string("its old file cannot be kept: ") + std::strerror(errno));
    TempFile copy(p.target, ".old");
    copy.copyFrom(p.target);
    p.kept = copy.finish();
    return;
  }
  throw EFileError("replace", p.target.string(), "every name beside it for its old file is taken");
}

// Undoes the first `replaced` renames, last first. What cannot be put back stays on disk under
// its kept name, which problems then tells.
void FileTransaction::putBack(size_t replaced, std::string& problems) {
  for (size_t i = replaced; i-- > 0;) {
    Pending& p = pending_[i];
    if (p.existed) {
      if (std::rename(p.kept.c_str(), p.target.c_str()) != 0)
        problems += "; its old file is kept as '" + p.kept.string() + "'";
      p.kept.clear();
    } else if (::unlink(p.target.c_str()) != 0) {
      problems += "; the new '" + p.target.string() + "' could not be taken away again";
    }
    p.temp.clear();
  }
}

void FileTransaction::commit() {
  try {
    for (Pending& p : pending_) keepOld(p);
  } catch (...) {
    abandon();
    throw;
  }
  for (size_t i = 0; i < pending_.size(); ++i) {
    if (int error = renameOver(pending_[i].temp, pending_[i].target); error != 0) {
      std::string problems;
      putBack(i, problems);
      const std::filesystem::path target = pending_[i].target;
      abandon();
      throw EFileError("replace", target.string(), std::strerror(error) + problems);
    }
  }
  for (Pending& p : pending_) p.temp.clear();
  abandon();
}

void FileTransaction::abandon() {
  for (const Pending& p : pending_) {
    if (!p.temp.empty()) ::unlink(p.temp.c_str());
    if (!p.kept.empty()) ::unlink(p.kept.c_str());
  }
  pending_.clear();
}

namespace FileFaults {
void failWriteNumber(int n) { gFailAt = n > 0 ? gWrites + n : 0; }
void failRenameNumber(int n) { gRenameFailAt = n > 0 ? gRenames + n : 0; }
int writesSoFar() { return gWrites; }
void reset() {
  gFailAt = 0;
  gWrites = 0;
  gRenameFailAt = 0;
  gRenames = 0;
}
}  // namespace FileFaults

}  // namespace zelvo
