#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/core/Errors.h"

namespace zelvo {
namespace {

int gFailAt = 0;
int gWrites = 0;

void writeTemp(const std::filesystem::path& temp, std::span<const uint8_t> bytes) {
  ++gWrites;
  if (gFailAt > 0 && gWrites == gFailAt) throw EFileError("write", temp.string(), "injected failure");
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw EFileError("create", temp.string(), std::strerror(errno));
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      int e = errno;
      ::close(fd);
      std::remove(temp.c_str());
      throw EFileError("write", temp.string(), std::strerror(e));
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int e = errno;
    std::remove(temp.c_str());
    throw EFileError("write", temp.string(), std::strerror(e));
  }
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
