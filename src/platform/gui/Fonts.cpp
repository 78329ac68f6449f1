#include "platform/gui/Fonts.h"

#include <QApplication>

#include "platform/gui/Text.h"

namespace zelvo::Fonts {

namespace {
// "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" in CP932.
constexpr const char* kMsGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
constexpr const char* kMsPGothic = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
}  // namespace

QString familyFor(const std::string& cp932Face) {
  if (cp932Face == kMsGothic) return QStringLiteral("IPAGothic");
  if (cp932Face == kMsPGothic) return QStringLiteral("IPAPGothic");
  if (cp932Face.empty()) return QStringLiteral("IPAGothic");
  return Text::fromCp932(cp932Face);
}

QFont make(const std::string& cp932Face, int32_t pixelHeight, bool fixedPitch) {
  QFont font(familyFor(cp932Face));
  font.setPixelSize(pixelHeight < 1 ? 1 : pixelHeight);
  font.setFixedPitch(fixedPitch);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

void ensureGuiApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "zelvo";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // A widget application, so that windows made later in the same process work too.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

}  // namespace zelvo::Fonts

// fontconfig keeps its caches until the process ends; in sanitizer builds that is not our leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
