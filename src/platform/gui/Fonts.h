#pragma once
// The faces the programs name (Windows faces, in CP932) mapped to the installed IPA fonts, always
// drawn without anti-aliasing so that colour keys and text colours stay exact pixels.

#include <cstdint>
#include <string>

#include <QFont>
#include <QString>

namespace zelvo::Fonts {

// "ＭＳ ゴシック" -> IPAGothic, "ＭＳ Ｐゴシック" -> IPAPGothic; any other face by its own name.
QString familyFor(const std::string& cp932Face);

// pixelHeight below 1 is taken as 1.
QFont make(const std::string& cp932Face, int32_t pixelHeight, bool fixedPitch = false);

// Text needs an application object; makes a widget application (offscreen when there is no
// display) when none exists yet.
void ensureGuiApplication();

}  // namespace zelvo::Fonts
