#include "BasicLayer/BLTexture.h"

#include <filesystem>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/PMTexture.h"
#include "BasicLayer/Pelmora.h"
#include "BasicLayer/PelmoraFormats.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {

std::unique_ptr<TPMTexture> makeTexture(TPelmora& owner) {
  return std::make_unique<TPMTexture>(owner, std::vector<d3d9::D3DFORMAT>{d3d9::D3DFMT_A8R8G8B8}, 0,
                                      d3d9::D3DPOOL_MANAGED, 0, "Test");
}

// Replaces, over the picture, every texel that matches the source (all 32 bits, or red, green and
// blue only) by the target.
void replaceTexels(TPMTexture& texture, uint32_t source, uint32_t target, bool rgbOnly) {
  if (texture.Width() <= 0 || texture.Height() <= 0) return;
  const d3d9::D3DFORMAT format = texture.Format();
  const uint32_t mask = rgbOnly ? 0x00FFFFFFu : 0xFFFFFFFFu;
  const uint32_t targetTexel = PelmoraFormats::ARGBToTexel(format, target);
  texture.ForEachTexel(
      d3d9::RECT{0, 0, texture.Width(), texture.Height()},
      [=](TPMTexture&, uint32_t texel, int, void*, int) {
        return (PelmoraFormats::TexelToARGB(format, texel) & mask) == (source & mask) ? targetTexel : texel;
      },
      nullptr);
}

}  // namespace

TBLTexture::TBLTexture(TPelmora& owner) : texture_(makeTexture(owner)) {}

TBLTexture::TBLTexture(TPelmora& owner, IBLCanvas& canvas) : texture_(makeTexture(owner)) {
  texture_->LoadFromBitmap(canvas.GetBitmap().image());
}

TBLTexture::~TBLTexture() = default;

void TBLTexture::LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>& material) {
  if (!fileName || !*fileName) return;
  if (!NativeFileExists(fileName)) return;
  texture_->LoadFromFile(fileName);
  if (!material) return;
  for (int32_t i = 0; i < material->GetColorChangeCount(); ++i) {
    auto change = material->GetColorChange(i);
    uint32_t source = static_cast<uint32_t>(change->GetSourceColor());
    if (change->GetUseTopLeftColor() && texture_->Width() > 0)
      source = PelmoraFormats::TexelToARGB(texture_->Format(), texture_->GetTexel(0, 0, 0));
    replaceTexels(*texture_, source, static_cast<uint32_t>(change->GetTargetColor()), change->GetIgnoreSourceAlpha());
  }
}

int32_t TBLTexture::GetWidth() { return texture_->Width(); }
int32_t TBLTexture::GetHeight() { return texture_->Height(); }

void TBLTexture::SetColorKey(bool value) {
  if (!value) return;
  if (texture_->Width() > 0 && texture_->Height() > 0)
    texture_->SetColorKey(d3d9::RECT{0, 0, texture_->Width(), texture_->Height()}, 0);
  colorKey_ = true;
}

void TBLTexture::ReplaceColor(uint32_t source, uint32_t target) { replaceTexels(*texture_, source, target, false); }

d3d9::IDirect3DTexture9* TBLTexture::GetD3DTexture() { return texture_->Texture().get(); }

}  // namespace zelvo
