#include "platform/core/IniFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "platform/core/AtomicFile.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// What one line means. A NUL ends the meaningful part of a line, as it ends a C string.
struct LineMeaning {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;
  std::string_view value;
};

LineMeaning classify(std::string_view line) {
  if (size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
  line = trim(line);
  if (line.empty() || line.front() == ';') return {};
  if (line.front() == '[') {
    std::string_view inner = line.substr(1);
    if (size_t close = inner.find(']'); close != std::string_view::npos) inner = inner.substr(0, close);
    return {LineMeaning::Section, trim(inner), {}};
  }
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  std::string_view key = trim(line.substr(0, eq));
  if (key.empty()) return {};
  return {LineMeaning::Key, key, trim(line.substr(eq + 1))};
}

std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

bool hasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

void checkStorable(std::string_view section, std::string_view key, std::string_view value) {
  std::string_view s = trim(section), k = trim(key);
  if (s.empty() || hasLineBreakOrNul(s) || s.find(']') != std::string_view::npos)
    throw std::invalid_argument("INI section name cannot be stored: " + std::string(section));
  if (k.empty() || hasLineBreakOrNul(k) || k.find('=') != std::string_view::npos || k.front() == ';' || k.front() == '[')
    throw std::invalid_argument("INI key name cannot be stored: " + std::string(key));
  if (hasLineBreakOrNul(value)) throw std::invalid_argument("INI value cannot be stored in one line");
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = foldAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Cp932::isLeadByte(static_cast<uint8_t>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (foldAscii(a[i]) != foldAscii(b[i])) return false;
  }
  return true;
}

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  text = trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text.front() == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && foldAscii(text[1]) == 'x') {
    hex = true;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  uint64_t magnitude = 0;
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (char c : text) {
    int digit = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  // Hexadecimal is a 32-bit pattern, so "$FFFFFFFF" is -1.
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

IniDocument IniDocument::Parse(std::span<const uint8_t> bytes) {
  IniDocument doc;
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.substr(0, kBom.size()) == kBom) {
    doc.bom_ = true;
    text.remove_prefix(kBom.size());
  }
  // CRLF, LF and a lone CR all end a line.
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    doc.lines_.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) doc.lines_.emplace_back(text.substr(start));
  return doc;
}

std::vector<uint8_t> IniDocument::Serialize() const {
  std::string out;
  if (bom_) out += kBom;
  for (const std::string& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return {out.begin(), out.end()};
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const {
  section = trim(section);
  for (size_t i = 0; i < lines_.size(); ++i) {
    LineMeaning m = classify(lines_[i]);
    if (m.kind == LineMeaning::Section && SameIniName(m.name, section)) return i;
  }
  return std::nullopt;
}

size_t IniDocument::SectionEnd(size_t sectionLine) const {
  size_t i = sectionLine + 1;
  while (i < lines_.size() && classify(lines_[i]).kind != LineMeaning::Section) ++i;
  return i;
}

std::optional<size_t> IniDocument::FindKey(size_t sectionLine, std::string_view key) const {
  key = trim(key);
  const size_t end = SectionEnd(sectionLine);
  for (size_t i = sectionLine + 1; i < end; ++i) {
    LineMeaning m = classify(lines_[i]);
    if (m.kind == LineMeaning::Key && SameIniName(m.name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
  // Empty names can never be written, so they name nothing.
  if (trim(section).empty() || trim(key).empty()) return std::nullopt;
  std::optional<size_t> s = FindSection(section);
  if (!s) return std::nullopt;
  std::optional<size_t> k = FindKey(*s, key);
  if (!k) return std::nullopt;
  return std::string(unquote(classify(lines_[*k]).value));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  checkStorable(section, key, value);
  std::string line = std::string(trim(key)) + "=" + std::string(value);
  std::optional<size_t> s = FindSection(section);
  if (!s) {
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(trim(section)) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  if (std::optional<size_t> k = FindKey(*s, key)) {
    // The key keeps the spelling the file gave it.
    lines_[*k] = std::string(classify(lines_[*k]).name) + "=" + std::string(value);
    return;
  }
  // After the section's last key, so blank lines before the next section stay where they are.
  size_t at = *s + 1;
  const size_t end = SectionEnd(*s);
  for (size_t i = *s + 1; i < end; ++i)
    if (classify(lines_[i]).kind == LineMeaning::Key) at = i + 1;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

IniFile::IniFile(std::filesystem::path file) : file_(std::move(file)) {}

IniFile::Loaded IniFile::Load() const {
  Loaded out;
  std::error_code ec;
  auto status = std::filesystem::status(file_, ec);
  if (!std::filesystem::exists(status)) return out;
  if (!std::filesystem::is_regular_file(status)) {
    out.state = State::Unreadable;
    out.reason = "not a file";
    return out;
  }
  std::ifstream in(file_, std::ios::binary);
  if (!in) {
    out.state = State::Unreadable;
    out.reason = std::strerror(errno);
    return out;
  }
  // Read at most one byte past the limit, so a file that grows meanwhile is still bounded.
  out.bytes.resize(static_cast<size_t>(kMaxFileSize) + 1);
  in.read(reinterpret_cast<char*>(out.bytes.data()), static_cast<std::streamsize>(out.bytes.size()));
  if (in.bad()) {
    out.state = State::Unreadable;
    out.reason = "read failed";
    out.bytes.clear();
    return out;
  }
  out.bytes.resize(static_cast<size_t>(in.gcount()));
  if (out.bytes.size() > kMaxFileSize) {
    out.state = State::TooLarge;
    out.bytes.clear();
    return out;
  }
  out.state = State::Loaded;
  out.document = IniDocument::Parse(out.bytes);
  return out;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  std::optional<std::string> v = Load().document.Find(section, key);
  return v ? *v : std::string(def);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  std::optional<std::string> v = Load().document.Find(section, key);
  if (!v) return def;
  return ParseIniInteger(*v).value_or(def);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Update([&](IniDocument& doc) { doc.Set(section, key, value); });
}

void IniFile::Update(const std::function<void(IniDocument&)>& change) {
  Loaded loaded = Load();
  if (loaded.state == State::Unreadable) throw EFileError("read", file_.string(), loaded.reason);
  if (loaded.state == State::TooLarge)
    throw EFormatError(file_.string(), static_cast<int64_t>(kMaxFileSize), "INI file too large to rewrite");
  change(loaded.document);
  std::vector<uint8_t> bytes = loaded.document.Serialize();
  // An unchanged file is left alone rather than rewritten.
  if (loaded.state == State::Loaded && bytes == loaded.bytes) return;
  writeFileAtomically(file_, bytes);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace zelvo
