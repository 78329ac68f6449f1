#pragma once
// A top-level QWidget as the window-place controller sees it, and the calls a window makes:
// restore its place when it is made, save it when it goes, centre itself unless placed.

#include <QRect>

#include "editor/core/ZEDesktopController.h"

class QWidget;

namespace zelvo {

class ZEDesktopWidget final : public ZEDesktopWindow {
 public:
  // The section is the widget's object name.
  explicit ZEDesktopWidget(QWidget& widget);

  std::string ComponentName() const override;
  State GetState() const override;
  // A dialog (or a modal window) is never minimised: it runs modally.
  void SetState(State state) override;
  void UseDesignedPosition() override;
  // The client area's bounds, which set back give the same window on any window manager.
  Bounds GetBounds() const override;
  // Bounds beyond the desktop are brought inside it, so a stored place from a larger screen,
  // or a hostile file, never makes a window that cannot be reached or a giant picture buffer;
  // nor one smaller than its layout's minimum.
  void SetBounds(const Bounds& bounds) override;

 private:
  QWidget& widget_;
};

// The area a window may take: all screens' available areas together.
QRect DesktopArea();
// The bounds (as a file gave them, any int32) moved and cut so they lie within area; a side is
// at least 1 pixel.
QRect FitIntoArea(const ZEDesktopWindow::Bounds& bounds, const QRect& area);

// Restores the widget's place from "Editor\Desktop.INI" (or the given file).
void LoadWidgetPosition(QWidget& widget);
void LoadWidgetPosition(QWidget& widget, const std::filesystem::path& iniFile);
// Saves it; false when the file could not be written (a window that is closing must not be
// stopped by that), the file then being as it was.
bool SaveWidgetPosition(QWidget& widget);
bool SaveWidgetPosition(QWidget& widget, const std::filesystem::path& iniFile);

// True once a stored state chose the designed position for the widget.
bool HasDesignedPosition(const QWidget& widget);
// For windows that open centred on the screen: centres the widget unless a stored state chose
// its designed position.
void CentreUnlessPlaced(QWidget& widget);

}  // namespace zelvo
