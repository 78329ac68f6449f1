#include "editor/core/ZELayerProperty.h"

#include <algorithm>

#include "editor/core/ZEInputNumber.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/core/Cp932.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

static_assert(TZELayerProperty::kMaxPictureSide == Bitmap::kMaxSide);

TZELayerPropertyValues TZELayerProperty::Read(IZelvoMapFloorModel& floor) {
  TZELayerPropertyValues v;
  v.gameOpacity = floor.GetGameOpacity();
  v.name = floor.GetNameBytes();
  v.layerType = floor.GetLayerType();
  v.baseHeight = std::to_string(floor.GetBaseHeight());
  if (auto picture = floor.GetPicture()) {
    v.pictureEnabled = picture->GetEnabled() != 0;
    v.image = picture->GetImage();
    v.pictureWidth = std::to_string(picture->GetWidth());
    v.pictureHeight = std::to_string(picture->GetHeight());
    v.drawType = picture->GetDrawType();
  }
  return v;
}

TZELayerProperty::Result TZELayerProperty::Apply(IZelvoMapFloorModel& floor, const TZELayerPropertyValues& v) {
  int32_t baseHeight = 0, width = 0, height = 0;
  if (!TZEInputNumber::Parse(v.baseHeight, baseHeight)) return Result::BadBaseHeight;
  if (!TZEInputNumber::ParseInRange(v.pictureWidth, 0, kMaxPictureSide, width)) return Result::BadPictureWidth;
  if (!TZEInputNumber::ParseInRange(v.pictureHeight, 0, kMaxPictureSide, height)) return Result::BadPictureHeight;

  floor.SetGameOpacity(std::clamp(v.gameOpacity, 0, 255));
  floor.SetNameBytes(v.name);
  if (auto picture = floor.GetPicture()) {
    picture->SetImage(v.image);
    picture->SetEnabled(v.pictureEnabled ? 1 : 0);
  }
  floor.SetBaseHeight(baseHeight);
  if (auto picture = floor.GetPicture()) {
    picture->SetWidth(width);
    picture->SetHeight(height);
    if (v.drawType >= 0 && v.drawType < kDrawTypeCount) picture->SetDrawType(v.drawType);
  }
  floor.SetLayerType(v.layerType);
  return Result::Applied;
}

std::string TZELayerProperty::Message(Result result) {
  switch (result) {
    case Result::BadBaseHeight: return "基本の高さには整数を入力してください";
    case Result::BadPictureWidth: return "横幅には0から8192までの整数を入力してください";
    case Result::BadPictureHeight: return "高さには0から8192までの整数を入力してください";
    case Result::Applied: break;
  }
  return {};
}

std::string TZELayerProperty::PicturePath(const IZelvoMaterialModel* material) {
  return material ? Cp932::toUtf8(material->GetPath()) : std::string();
}

}  // namespace zelvo
