#pragma once
// The game's glossary: the three word lists its menus show, kept in "Data\" as "Capa.txt",
// "Battle.txt" and "Command.txt". Each list keeps the bytes of its file as they were read, so a
// list nobody changed is written back exactly as it came, whatever its line ends.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

// The kinds GetText and SetText take; any kind other than battle or command means the ability list.
inline constexpr int32_t kGrossaryCapability = 0;
inline constexpr int32_t kGrossaryBattle = 20;
inline constexpr int32_t kGrossaryCommand = 30;

class IZelvoGrossaryModel {
 public:
  virtual ~IZelvoGrossaryModel() = default;
  // The chosen list, every line followed by CR LF. Valid until the next call on the glossary.
  virtual const char* GetText(int32_t kind) = 0;
  // Replaces the chosen list by the lines of text (split at CR LF, LF or CR); nullptr empties it.
  virtual void SetText(int32_t kind, const char* text) = 0;
  // The same with the lines themselves, which may hold any byte, NUL included. Lines equal to
  // the list's are no change: its file keeps its own bytes.
  virtual void SetLines(int32_t kind, std::vector<std::string> lines) = 0;
  // Writes "Capa.txt", "Battle.txt", "Command.txt" into folder (CP932, ending in "\"), in this
  // order, each replaced whole. A file that cannot be written throws EFileError; the ones before
  // it stay written.
  virtual void SaveToFolder(const std::string& folder) = 0;
  // Reads each of the three files that exists; a missing file leaves its list as it was. A file
  // that exists but cannot be read throws EFileError; the ones before it stay read.
  virtual void LoadFromFolder(const std::string& folder) = 0;
  // The lines of the chosen list, without their line ends.
  virtual const std::vector<std::string>& GetLines(int32_t kind) const = 0;
  // Every byte SaveToFolder writes for the chosen list: the file as read, or the lines each
  // followed by CR LF once they were changed.
  virtual const std::string& GetFileBytes(int32_t kind) const = 0;
};

class TZelvoGrossaryModel final : public IZelvoGrossaryModel {
 public:
  const char* GetText(int32_t kind) override;
  void SetText(int32_t kind, const char* text) override;
  void SetLines(int32_t kind, std::vector<std::string> lines) override;
  void SaveToFolder(const std::string& folder) override;
  void LoadFromFolder(const std::string& folder) override;
  const std::vector<std::string>& GetLines(int32_t kind) const override { return lists_[slot(kind)].lines; }
  const std::string& GetFileBytes(int32_t kind) const override { return lists_[slot(kind)].bytes; }

  // The file name in "Data\" of the list a kind chooses.
  static const char* FileName(int32_t kind);
  // The lines of a text as the glossary splits it: at CR LF, LF or CR; a line end at the very
  // end starts no further line.
  static std::vector<std::string> SplitLines(const std::string& text);

 private:
  struct List {
    std::vector<std::string> lines;
    std::string bytes;  // what SaveToFolder writes: the file as read, or the lines with CR LF
  };
  static size_t slot(int32_t kind);

  std::array<List, 3> lists_;
  std::string text_;  // the answer of the last GetText
};

}  // namespace zelvo
