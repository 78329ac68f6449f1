#pragma once
// INI files as Windows reads and writes them: sections and keys match without regard to the
// case of ASCII letters, texts stay CP932 bytes, a missing key gives the caller's default,
// lines are written with CRLF. Files are untrusted: whatever they hold, reading never fails.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Equal apart from the case of ASCII letters; the trail byte of a two-byte CP932 character is
// compared exactly, so two different characters never match.
bool SameIniName(std::string_view a, std::string_view b);

// The text of one INI file in memory, line by line as it came, so a change keeps every other
// line. The first of duplicate sections, and the first of duplicate keys in it, is the one read
// and written; lines that are neither section, key nor comment are kept and never match.
class IniDocument {
 public:
  static IniDocument Parse(std::span<const uint8_t> bytes);
  // Every line followed by CRLF.
  std::vector<uint8_t> Serialize() const;

  // The value with surrounding blanks and one pair of enclosing quotes removed.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Replaces the key's line, or adds the key at the end of its section, or adds the section
  // at the end of the text. Names and values that would break the line structure (line ends,
  // NUL, "=" in a key, "]" in a section, empty names) throw std::invalid_argument.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  size_t LineCount() const { return lines_.size(); }

 private:
  std::optional<size_t> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(size_t sectionLine, std::string_view key) const;
  size_t SectionEnd(size_t sectionLine) const;

  bool bom_ = false;  // a UTF-8 mark before the first line, kept as it was
  std::vector<std::string> lines_;
};

// One INI file on disk. Every call reads the file afresh, and every write replaces it
// atomically, as the Windows profile calls do, so two objects on one file never undo each
// other's writes.
class IniFile {
 public:
  // A larger file is not an INI file this program wrote: it reads as empty and is never
  // replaced, so a write cannot throw its content away.
  static constexpr uintmax_t kMaxFileSize = 4u << 20;

  explicit IniFile(std::filesystem::path file);
  const std::filesystem::path& FileName() const { return file_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal, or hexadecimal after "0x" or "$", with an optional sign, fitting in 32 bits;
  // anything else gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

  // Throw EFileError when the file cannot be read or replaced (the file stays as it was),
  // EFormatError when it is too large, std::invalid_argument for unstorable names or values.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  // Several writes that replace the file once, so they land all together or not at all.
  void Update(const std::function<void(IniDocument&)>& change);

 private:
  enum class State { Missing, Loaded, Unreadable, TooLarge };
  struct Loaded {
    State state = State::Missing;
    IniDocument document;
    std::vector<uint8_t> bytes;
    std::string reason;
  };
  Loaded Load() const;

  std::filesystem::path file_;
};

// The integer reading of IniFile::ReadInteger, on a text.
std::optional<int32_t> ParseIniInteger(std::string_view text);

}  // namespace zelvo
