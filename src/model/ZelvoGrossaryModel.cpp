#include "model/ZelvoGrossaryModel.h"

#include <filesystem>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/FileStream.h"

namespace zelvo {

namespace {

// In save and load order.
constexpr int32_t kKindsInFileOrder[] = {kGrossaryCapability, kGrossaryBattle, kGrossaryCommand};

std::string joinWithCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

size_t TZelvoGrossaryModel::slot(int32_t kind) {
  switch (kind) {
    case kGrossaryBattle:
      return 1;
    case kGrossaryCommand:
      return 2;
    default:
      return 0;
  }
}

const char* TZelvoGrossaryModel::FileName(int32_t kind) {
  static const char* const names[] = {"Capa.txt", "Battle.txt", "Command.txt"};
  return names[slot(kind)];
}

std::vector<std::string> TZelvoGrossaryModel::SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string::npos) {
      lines.push_back(text.substr(i));
      break;
    }
    lines.push_back(text.substr(i, end - i));
    i = end + 1;
    if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

const char* TZelvoGrossaryModel::GetText(int32_t kind) {
  text_ = joinWithCrLf(lists_[slot(kind)].lines);
  return text_.c_str();
}

void TZelvoGrossaryModel::SetText(int32_t kind, const char* text) {
  SetLines(kind, SplitLines(text ? std::string(text) : std::string()));
}

void TZelvoGrossaryModel::SetLines(int32_t kind, std::vector<std::string> lines) {
  List& list = lists_[slot(kind)];
  // Handing back the text GetText gave is no change: the file keeps its own bytes.
  if (lines == list.lines) return;
  list.bytes = joinWithCrLf(lines);
  list.lines = std::move(lines);
}

void TZelvoGrossaryModel::SaveToFolder(const std::string& folder) {
  for (int32_t kind : kKindsInFileOrder) {
    const std::string& bytes = lists_[slot(kind)].bytes;
    writeFileAtomically(RequireNativePath(folder + FileName(kind), "write"),
                        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  }
}

void TZelvoGrossaryModel::LoadFromFolder(const std::string& folder) {
  for (int32_t kind : kKindsInFileOrder) {
    const std::optional<std::filesystem::path> file = NativePath(folder + FileName(kind));
    std::error_code ec;
    if (!file || !std::filesystem::exists(*file, ec)) continue;
    const std::filesystem::path& path = *file;
    std::vector<uint8_t> content = readWholeFile(path);
    List& list = lists_[slot(kind)];
    list.bytes.assign(content.begin(), content.end());
    list.lines = SplitLines(list.bytes);
  }
}

}  // namespace zelvo
