#pragma once
// Saving that never loses what was on disk: data goes to a temporary file beside the target,
// which replaces the target only once it was written whole.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zelvo {

// Writes bytes to target atomically; throws EFileError and leaves target untouched on failure.
void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes);

// Several files replaced together: stage() writes each temporary file at once, commit() renames
// them over their targets in stage order. Dropping an uncommitted transaction removes its
// temporary files, so a save that fails part-way leaves every target as it was.
class FileTransaction {
 public:
  FileTransaction() = default;
  ~FileTransaction();
  FileTransaction(const FileTransaction&) = delete;
  FileTransaction& operator=(const FileTransaction&) = delete;

  void stage(const std::filesystem::path& target, std::span<const uint8_t> bytes);
  // The same, renamed before every file staged so far.
  void stageFirst(const std::filesystem::path& target, std::span<const uint8_t> bytes);
  // A temporary copy of the file source, streamed through a small buffer.
  void stageCopy(const std::filesystem::path& target, const std::filesystem::path& source);
  void commit();
  void abandon();
  size_t staged() const { return pending_.size(); }

 private:
  struct Pending {
    std::filesystem::path temp;
    std::filesystem::path target;
  };
  std::vector<Pending> pending_;
};

// The temporary name used beside target.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target);

// Test seam: the n-th file write from now (1 = the next) fails as if the disk refused it.
// 0 switches it off. Counts every temporary file written through this unit.
namespace FileFaults {
void failWriteNumber(int n);
int writesSoFar();
void reset();
}  // namespace FileFaults

}  // namespace zelvo
