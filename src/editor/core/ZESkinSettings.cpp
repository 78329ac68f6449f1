#include "editor/core/ZESkinSettings.h"

#include <algorithm>
#include <system_error>

#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/GamePath.h"
#include "platform/core/IniFile.h"

namespace zelvo {
namespace {

constexpr std::string_view kSkinRoot = "Skin\\";
constexpr std::string_view kDefaultFolder = "Default\\";
constexpr std::string_view kSection = "Main";
constexpr std::string_view kKey = "Folder";

bool isFile(const std::optional<std::filesystem::path>& p) {
  std::error_code ec;
  return p && std::filesystem::is_regular_file(*p, ec);
}

bool isFolder(const std::optional<std::filesystem::path>& p) {
  std::error_code ec;
  return p && std::filesystem::is_directory(*p, ec);
}

std::string folderOf(std::string_view name) { return std::string(kSkinRoot) + std::string(name) + "\\"; }

bool nameLess(const ZESkinEntry& a, const ZESkinEntry& b) {
  auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? u - 'A' + 'a' : u;
  };
  return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                      [&](char x, char y) { return fold(x) < fold(y); });
}

}  // namespace

ZESkinSettings::ZESkinSettings() : ZESkinSettings(GameBaseDirNative()) {}

ZESkinSettings::ZESkinSettings(std::filesystem::path baseDir) : baseDir_(std::move(baseDir)) {}

std::optional<std::filesystem::path> ZESkinSettings::Resolve(std::string_view cp932Path) const {
  return GamePath::find(baseDir_, cp932Path);
}

std::filesystem::path ZESkinSettings::IniPath() const { return *Resolve("Skin\\Skin.ini"); }

bool ZESkinSettings::IsStorableName(const std::string& utf8Name) {
  if (utf8Name.empty() || utf8Name == "." || utf8Name == "..") return false;
  // Control characters would break the line in "Skin.ini"; a separator would leave "Skin\".
  for (unsigned char c : utf8Name)
    if (c < 0x20 || c == 0x7F || c == '\\' || c == '/') return false;
  return Cp932::toUtf8(Cp932::fromUtf8(utf8Name)) == utf8Name;
}

bool ZESkinSettings::IsValidSkin(std::string_view folder) const {
  std::string base(folder);
  if (base.empty() || base.back() != '\\') base += '\\';
  return std::all_of(kSkinFiles.begin(), kSkinFiles.end(),
                     [&](std::string_view file) { return isFile(Resolve(base + std::string(file))); });
}

std::vector<ZESkinEntry> ZESkinSettings::ListSkins() const {
  std::vector<ZESkinEntry> skins;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(*Resolve(kSkinRoot), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string utf8 = it->path().filename().string();
    if (!IsStorableName(utf8)) continue;
    const std::string name = Cp932::fromUtf8(utf8);
    if (!IsValidSkin(folderOf(name))) continue;
    skins.push_back({name, Resolve(folderOf(name) + "BigIcon.ico").value_or(std::filesystem::path()), SameIniName(folderOf(name), SkinFolder)});
  }
  std::sort(skins.begin(), skins.end(), nameLess);
  return skins;
}

void ZESkinSettings::ApplySkin() const {
  for (const std::function<void()>& reload : reloaders_)
    if (reload) reload();
}

std::string ZESkinSettings::StoredFolder() const {
  const std::string value = IniFile(IniPath()).ReadString(kSection, kKey, kDefaultFolder);
  const std::vector<std::string> parts = GamePath::split(value);
  if (parts.size() != 1 || parts[0] == ".." || !IsStorableName(Cp932::toUtf8(parts[0])))
    return std::string(kDefaultFolder);
  return parts[0] + "\\";
}

bool ZESkinSettings::LoadAtStartup() {
  SkinFolder = std::string(kSkinRoot) + StoredFolder();
  if (!isFolder(Resolve(SkinFolder))) SkinFolder = folderOf("Default");
  if (!isFolder(Resolve(SkinFolder)) || !IsValidSkin(SkinFolder)) return false;
  ApplySkin();
  return true;
}

void ZESkinSettings::ChooseSkin(std::string_view name) {
  SkinFolder = folderOf(name);
  ApplySkin();
  IniFile(IniPath()).WriteString(kSection, kKey, std::string(name) + "\\");
}

}  // namespace zelvo
