#include "model/ZelvoAPI.h"

#include <cstring>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

void TZFont::SetColor(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  a_ = a;
  r_ = r;
  g_ = g;
  b_ = b;
}

int32_t TZFont::GetColor() const {
  return static_cast<int32_t>(uint32_t(a_) << 24 | uint32_t(r_) << 16 | uint32_t(g_) << 8 | b_);
}

void TZFont::SetName(const char* name) {
  if (name) name_.assign(name, std::strlen(name));
}

const char* TZelvoAPI::GetGamePath() { return GameFolder.c_str(); }
const char* TZelvoAPI::GetSkinPath() { return SkinFolder.c_str(); }

std::shared_ptr<IZFont> TZelvoAPI::CreateFont() { return std::make_shared<TZFont>(); }

std::shared_ptr<IZStream> TZelvoAPI::CreateStream(const std::string& fileName, int32_t mode) {
  return std::make_shared<TZStream>(fileName, mode);
}

}  // namespace zelvo
