#pragma once
// The editor's skin: a folder under "Skin\" holding the editor's own icons and overlay
// pictures. These are the rules of choosing one: which folders are skins, which skin the
// editor starts with ("Skin\Skin.ini", section "Main", key "Folder"), and what choosing one
// does. The current skin is the process-wide SkinFolder ("Skin\" + name + "\").

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// The files every skin holds, in the order they are looked for.
inline constexpr std::array<std::string_view, 12> kSkinFiles = {
    "BigIcon.ico", "SmallIcon.ico", "TreeIcon.bmp", "LayerIcon.bmp", "MapchipButton.bmp", "GroundType.bmp",
    "Scroll.bmp",  "Event.bmp",     "Start.bmp",    "Number.bmp",    "Traffic.bmp",       "Empty.bmp"};

struct ZESkinEntry {
  std::string name;                 // the folder's name, CP932
  std::filesystem::path bigIcon;    // its "BigIcon.ico"
  bool current = false;             // it is SkinFolder
};

class ZESkinSettings {
 public:
  // What each window that draws skin pictures does to reload them, in the order a skin that is
  // applied reaches them.
  using Reloaders = std::vector<std::function<void()>>;

  // Over the native start folder (GameBaseDir).
  ZESkinSettings();
  explicit ZESkinSettings(std::filesystem::path baseDir);

  void SetReloaders(Reloaders reloaders) { reloaders_ = std::move(reloaders); }

  // All twelve files are in the folder (CP932, relative to the start folder, with or without
  // a trailing "\"); letter case does not matter.
  bool IsValidSkin(std::string_view folder) const;
  // The valid skins under "Skin\", by name, the current one marked.
  std::vector<ZESkinEntry> ListSkins() const;
  void ApplySkin() const;

  // What the editor does as it starts: SkinFolder from "Skin.ini", "Skin\Default\" when that
  // folder is missing, and the skin applied when it is valid. True when it was applied.
  bool LoadAtStartup();
  // The user chose the listed skin name: it becomes SkinFolder and is applied, then it is
  // remembered in "Skin.ini". Throws EFileError when that write fails (the skin stays applied).
  void ChooseSkin(std::string_view name);

  // "Folder" of section "Main" as a folder name with its "\" ("Default\" when missing). A
  // value that is not one folder name directly under "Skin\" ("..\x\", "a\b\") counts as
  // missing; a missing trailing "\" is added.
  std::string StoredFolder() const;
  std::filesystem::path IniPath() const;

  // A name that can be a skin: it survives the trip through CP932 into "Skin.ini" and back.
  static bool IsStorableName(const std::string& utf8Name);

 private:
  // None for a name that could lead out of the start folder.
  std::optional<std::filesystem::path> Resolve(std::string_view cp932Path) const;

  std::filesystem::path baseDir_;
  Reloaders reloaders_;
};

}  // namespace zelvo
