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
//
// Temporary and kept files get names of their own beside their target, created exclusively: a
// file, folder or link already holding such a name is never followed, written or removed.
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
  // Every target is checked and its old file kept aside before the first rename; a target that
  // cannot be replaced (a folder in its place) fails the commit with nothing renamed, and a
  // rename that fails puts back every target already replaced. Either every target holds its
  // new file afterwards or every target is as it was; throws EFileError in the second case.
  void commit();
  void abandon();
  size_t staged() const { return pending_.size(); }
  // The targets staged so far, in rename order.
  std::vector<std::filesystem::path> targets() const;

 private:
  struct Pending {
    std::filesystem::path temp;
    std::filesystem::path target;
    std::filesystem::path kept;  // the old target under a side name while the commit runs
    bool existed = false;
  };
  void keepOld(Pending& p);
  void putBack(size_t replaced, std::string& problems);
  std::vector<Pending> pending_;
};

// Test seam: the n-th file write from now (1 = the next) fails as if the disk refused it.
// 0 switches it off. Counts every temporary file written through this unit. Likewise the n-th
// rename of a temporary file over its target.
namespace FileFaults {
void failWriteNumber(int n);
void failRenameNumber(int n);
int writesSoFar();
void reset();
}  // namespace FileFaults

}  // namespace zelvo
