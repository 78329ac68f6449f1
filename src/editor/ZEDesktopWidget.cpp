#include "editor/ZEDesktopWidget.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "platform/core/ClampedMath.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

constexpr const char* kDesignedPosition = "zelvoDesignedPosition";

template <typename Save>
bool saveReporting(Save save) {
  try {
    save();
    return true;
  } catch (const EZelvoError&) {
    return false;
  } catch (const std::invalid_argument&) {  // an object name that cannot be a section
    return false;
  }
}

}  // namespace

ZEDesktopWidget::ZEDesktopWidget(QWidget& widget) : widget_(widget) {}

std::string ZEDesktopWidget::ComponentName() const { return Cp932::fromUtf8(widget_.objectName().toStdString()); }

ZEDesktopWindow::State ZEDesktopWidget::GetState() const {
  if (widget_.isMinimized()) return State::Minimized;
  if (widget_.isMaximized()) return State::Maximized;
  return State::Normal;
}

void ZEDesktopWidget::SetState(State state) {
  Qt::WindowStates s = widget_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  // A dialog is run modally: minimised, it would hold the editor on a window nobody sees.
  const bool modal = widget_.isModal() || qobject_cast<QDialog*>(&widget_) != nullptr;
  if (state == State::Minimized && !modal) s |= Qt::WindowMinimized;
  if (state == State::Maximized) s |= Qt::WindowMaximized;
  widget_.setWindowState(s);
}

void ZEDesktopWidget::UseDesignedPosition() { widget_.setProperty(kDesignedPosition, true); }

ZEDesktopWindow::Bounds ZEDesktopWidget::GetBounds() const {
  QRect r = widget_.geometry();
  if (widget_.isMaximized() || widget_.isMinimized()) {
    const QRect normal = widget_.normalGeometry();
    if (normal.isValid()) r = normal;
  }
  return {r.x(), r.y(), r.width(), r.height()};
}

void ZEDesktopWidget::SetBounds(const Bounds& b) {
  // Without a screen the largest window Qt makes stands for the desktop.
  QRect area = DesktopArea();
  if (!area.isValid()) area = QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  QRect placed = FitIntoArea(b, area);
  // Never smaller than the window's layout allows, whatever the file says.
  const QSize least = widget_.minimumSizeHint().expandedTo(widget_.minimumSize());
  placed.setSize(placed.size().expandedTo(least));
  widget_.setGeometry(placed);
}

QRect DesktopArea() {
  QRect area;
  for (const QScreen* screen : QGuiApplication::screens()) area |= screen->availableGeometry();
  return area;
}

QRect FitIntoArea(const ZEDesktopWindow::Bounds& bounds, const QRect& area) {
  // Computed in 64 bits, before any QRect holds the stored values: a stored side near 2^31, or
  // a corner at -2^31, must not wrap on the way to the far edge.
  auto fit = [](int32_t pos, int32_t size, int32_t areaPos, int32_t areaSize) {
    const int64_t side = std::clamp<int64_t>(size, 1, std::max<int32_t>(areaSize, 1));
    const int64_t at = std::clamp<int64_t>(pos, areaPos, std::max<int64_t>(areaPos, int64_t{areaPos} + areaSize - side));
    return std::pair<int, int>(ClampToInt32(at), ClampToInt32(side));
  };
  auto [x, w] = fit(bounds.left, bounds.width, area.x(), area.width());
  auto [y, h] = fit(bounds.top, bounds.height, area.y(), area.height());
  return QRect(x, y, w, h);
}

void LoadWidgetPosition(QWidget& widget) {
  ZEDesktopWidget window(widget);
  ZEDesktopController().LoadPosition(window);
}

void LoadWidgetPosition(QWidget& widget, const std::filesystem::path& iniFile) {
  ZEDesktopWidget window(widget);
  ZEDesktopController(iniFile).LoadPosition(window);
}

bool SaveWidgetPosition(QWidget& widget) {
  ZEDesktopWidget window(widget);
  return saveReporting([&] { ZEDesktopController().SavePosition(window); });
}

bool SaveWidgetPosition(QWidget& widget, const std::filesystem::path& iniFile) {
  ZEDesktopWidget window(widget);
  return saveReporting([&] { ZEDesktopController(iniFile).SavePosition(window); });
}

bool HasDesignedPosition(const QWidget& widget) { return widget.property(kDesignedPosition).toBool(); }

void CentreUnlessPlaced(QWidget& widget) {
  if (HasDesignedPosition(widget)) return;
  const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect r = widget.frameGeometry();
  r.moveCenter(screen->availableGeometry().center());
  widget.move(r.topLeft());
}

}  // namespace zelvo
