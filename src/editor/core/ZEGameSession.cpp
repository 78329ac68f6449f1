#include "editor/core/ZEGameSession.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "model/EtcStringStream.h"
#include "model/ZMLZelvoAPIImpl.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"
#include "platform/core/FileStream.h"

namespace zelvo {

namespace {

// The editor's own folders beside the games, in lower case: a folder of any of these names is
// none, whatever the case it was made in ("Skin" holds the skins, not a game).
constexpr std::array<std::string_view, 6> kNotGames = {"mapeditor", "skin", "cvs", "manual", "editor",
                                                       "zeeventeditor"};

constexpr int32_t kPictureMaterial = 1001;
// A summary is a few lines; anything far larger is not one and is left alone.
constexpr int64_t kMaxSummaryBytes = 16 << 20;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string errorText(const std::exception& error) { return Cp932::toUtf8(error.what()); }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The summary box's lines: every "\n" ends one, and what follows the last is one more, even
// when empty, so trailing blank lines survive the trip through the box.
std::vector<std::string> boxLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::string joined(const std::vector<std::string>& lines, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += separator;
    text += lines[i];
  }
  return text;
}

std::optional<std::filesystem::path> readmePath() { return NativePath(GamePathPrefix() + "Readme.txt"); }

}  // namespace

std::vector<std::string> TZEGameSession::ListGames(const std::filesystem::path& baseDir) {
  std::vector<std::string> games;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(baseDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) continue;
    const std::u8string native = it->path().filename().u8string();
    std::string name(native.begin(), native.end());
    if (name.empty() || name.front() == '.') continue;
    if (std::find(kNotGames.begin(), kNotGames.end(), lowered(name)) != kNotGames.end()) continue;
    if (!IsCp932Text(name)) continue;
    games.push_back(std::move(name));
  }
  std::sort(games.begin(), games.end(), [](const std::string& a, const std::string& b) {
    std::string la = lowered(a), lb = lowered(b);
    return la != lb ? la < lb : a < b;
  });
  return games;
}

bool TZEGameSession::IsCp932Text(const std::string& utf8) {
  return Cp932::toUtf8(Cp932::fromUtf8(utf8)) == utf8;
}

TZEGameSession::OpenResult TZEGameSession::Open(const std::string& folder) {
  OpenResult result;
  std::error_code ec;
  // A folder that is not there is no game; reading it would open an empty one.
  const std::optional<std::filesystem::path> native = NativePath(GameBaseDir + folder);
  if (!native || !std::filesystem::is_directory(*native, ec)) {
    result.error = Cp932::toUtf8(folder) + " がありません";
    return result;
  }
  // A game keeps its data in "Data\" and its maps in "Maps\"; a folder with neither (the skins,
  // say) is no game, and saving into it would fill it with one.
  if (!std::filesystem::is_directory(*native / "Data", ec) && !std::filesystem::is_directory(*native / "Maps", ec)) {
    result.error = Cp932::toUtf8(folder) + " はゲームのフォルダではありません（Data\\ も Maps\\ もありません）。";
    return result;
  }
  const std::string previous = GameFolder;
  GameFolder = folder;
  std::shared_ptr<TZMLZelvoAPI> api;
  try {
    api = std::make_shared<TZMLZelvoAPI>();
    api->Load();
  } catch (const std::exception& error) {
    GameFolder = previous;
    result.error = errorText(error);
    return result;
  }
  api_ = api;
  folder_ = folder;
  result.opened = true;
  ReadSummary();

  if (auto images = api_->GetImageMaterials()) {
    const std::string graphics = GamePathPrefix() + "Graphics\\";
    try {
      result.materialsChanged = images->SyncWithFolder(graphics, graphics, api_.get(), kPictureMaterial,
                                                       result.addedMaterials, result.removedMaterials);
    } catch (const std::exception& error) {
      result.error = errorText(error);
    }
  }

  try {
    const std::filesystem::path editorFolder = RequireNativePath(GameBaseDir + "Editor\\", "create");
    std::filesystem::create_directories(editorFolder, ec);
    if (ec || !std::filesystem::is_directory(editorFolder))
      throw EFileError("create", editorFolder.string(), "not a folder");
    TEtcStringStream::WriteFile(RequireNativePath(GameBaseDir + kGamePathFile, "write"), GameFolder);
  } catch (const std::exception& error) {
    result.error = errorText(error);
  }
  return result;
}

std::optional<std::string> TZEGameSession::Save() {
  if (!api_) return std::string("開いているゲームがありません");
  try {
    api_->Save();
  } catch (const std::exception& error) {
    return SaveFailureText(error);
  }
  return std::nullopt;
}

std::string TZEGameSession::SaveFailureText(const std::exception& error) {
  // The system's own words name the trouble; the sentence before them says what it stopped.
  if (const auto* file = dynamic_cast<const EFileError*>(&error))
    return "ファイル「" + Cp932::toUtf8(file->path()) + "」を保存できませんでした。\n" + errorText(error);
  return "ゲームを保存できませんでした。\n" + errorText(error);
}

std::optional<std::string> TZEGameSession::Reload() {
  if (!api_) return std::string("開いているゲームがありません");
  try {
    auto api = std::make_shared<TZMLZelvoAPI>();
    api->Load();
    api_ = api;
  } catch (const std::exception& error) {
    return errorText(error);
  }
  return std::nullopt;
}

void TZEGameSession::ReadSummary() {
  summary_.clear();
  summaryWritable_ = true;
  std::error_code ec;
  const std::optional<std::filesystem::path> readme = readmePath();
  if (!readme || !std::filesystem::exists(*readme, ec)) return;
  const std::filesystem::path& file = *readme;
  try {
    FileStream stream(file, FileStream::Mode::Read);
    if (stream.GetSize() > kMaxSummaryBytes) throw EFileError("read", file.string(), "too large");
    std::string bytes(static_cast<size_t>(stream.GetSize()), '\0');
    if (!bytes.empty() && stream.Read(bytes.data(), static_cast<int32_t>(bytes.size())) !=
                              static_cast<int32_t>(bytes.size()))
      throw EFileError("read", file.string(), "short read");
    const std::string text = Cp932::toUtf8(bytes);
    // A file this editor could not write back unchanged is shown but never overwritten.
    summaryWritable_ = Cp932::fromUtf8(text) == bytes;
    summary_ = joined(splitLines(text), "\n");
  } catch (const std::exception&) {
    summaryWritable_ = false;
  }
}

void TZEGameSession::WriteSummary(const std::string& utf8Text) {
  // Unedited, the file stays byte for byte as it was read.
  if (!api_ || !summaryWritable_ || utf8Text == summary_) return;
  const std::vector<std::string> lines = boxLines(utf8Text);
  std::error_code ec;
  const std::optional<std::filesystem::path> folder = NativePath(GamePathPrefix()), readme = readmePath();
  if (!folder || !readme || !std::filesystem::is_directory(*folder, ec)) return;
  std::string bytes;
  for (const std::string& line : lines) bytes += Cp932::fromUtf8(line) + "\r\n";
  writeFileAtomically(*readme, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  summary_ = utf8Text;
}

}  // namespace zelvo
