#pragma once
// Where the editor's windows were: each restores its place and state from "Editor\Desktop.INI"
// when it is made and saves them there when it goes, in a section named after the window.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/core/IniFile.h"

namespace zelvo {

// The sections of the windows that keep their place.
namespace DesktopSection {
inline constexpr std::string_view MainWindow = "ZEView";
inline constexpr std::string_view EventEditor = "ZEEventEditorView2";
inline constexpr std::string_view OrderList = "ZEOrderLView";
inline constexpr std::string_view MapEditor = "MapEditorForm";
inline constexpr std::string_view ChipSetEditor = "MapChipSetEditorForm";
inline constexpr std::string_view LayerWindow = "MapEditorLayersForm";
}  // namespace DesktopSection

// What the controller needs of a window; the widget side implements it over a real window.
class ZEDesktopWindow {
 public:
  // The stored codes of "State".
  enum class State : int32_t { Maximized = 0, Minimized = 1, Normal = 2 };
  struct Bounds {
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds&) const = default;
  };

  virtual ~ZEDesktopWindow() = default;
  virtual std::string ComponentName() const = 0;  // the section, CP932
  virtual State GetState() const = 0;
  virtual void SetState(State state) = 0;
  // Turns off any automatic placement, such as centring on the screen, so the bounds stand.
  virtual void UseDesignedPosition() = 0;
  // A maximised or minimised window answers its normal bounds.
  virtual Bounds GetBounds() const = 0;
  virtual void SetBounds(const Bounds& bounds) = 0;
};

class ZEDesktopController {
 public:
  // GameBaseDir + "Editor\Desktop.INI".
  ZEDesktopController();
  explicit ZEDesktopController(std::filesystem::path iniFile);

  // Never fails: whatever the file holds, missing or unusable values keep the window's own.
  void LoadPosition(ZEDesktopWindow& window) const;
  // Writes the five keys in one replacement of the file; throws EFileError or EFormatError
  // when that fails, leaving the file as it was.
  void SavePosition(const ZEDesktopWindow& window);

 private:
  IniFile ini_;
};

}  // namespace zelvo
