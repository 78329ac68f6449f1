#include "editor/core/ZEChipSetPropertyControl.h"

#include "editor/core/Bitmap32.h"
#include "editor/core/ZEChipSetSkin.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/GameGeometry.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

void TZEChipSetPropertyControl::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api, IZETree& pictures) {
  api_ = std::move(api);
  pictures.Clear();
  if (api_) TZETreeDesigner(api_).FillMaterialPackageTree(pictures, api_->GetImageMaterials(), nullptr);
}

void TZEChipSetPropertyControl::Show(std::shared_ptr<IZelvoMapChipSetModel> chipSet) {
  chipSet_ = std::move(chipSet);
  name_ = chipSet_ ? chipSet_->GetName() : "";
  id_ = chipSet_ ? chipSet_->GetID() : 0;
  widthText_ = chipSet_ ? std::to_string(chipSet_->GetWidth()) : "";
  heightText_ = chipSet_ ? std::to_string(chipSet_->GetHeight()) : "";
  fileName_ = chipSet_ ? chipSet_->GetImagePath() : "";
  chosen_ = chipSet_ ? chipSet_->GetImage() : nullptr;
  edgeFlag_ = chipSet_ && chipSet_->GetEdgeFlag();
  changed_ = false;
}

void TZEChipSetPropertyControl::SetWidthText(std::string text) {
  widthText_ = std::move(text);
  changed_ = true;
}

void TZEChipSetPropertyControl::SetHeightText(std::string text) {
  heightText_ = std::move(text);
  changed_ = true;
}

bool TZEChipSetPropertyControl::ChoosePicture(const IZETreeNode* node) {
  const auto material = node ? node->GetData().As<IZelvoMaterialModel>() : nullptr;
  if (!material || material->GetKind() == MaterialKind::Folder) return false;
  chosen_ = material;
  fileName_ = material->GetPath();
  changed_ = true;
  return true;
}

bool TZEChipSetPropertyControl::GetSize() {
  const TBitmap32 picture = TZEChipSetSkin::LoadPicture(GamePathPrefix() + "Graphics\\" + fileName_);
  if (picture.Width() == 0 || picture.Height() == 0) {
    AskInstalled("ファイルが見つかりません・・・", {}, MessageKind::Warning, {MessageAnswer::Ok});
    return false;
  }
  SetWidthText(std::to_string(picture.Width() / kChip));
  SetHeightText(std::to_string(picture.Height() / kChip));
  return true;
}

int32_t TZEChipSetPropertyControl::ReadSize(const std::string& text) {
  int32_t value = 0;
  return TBitmap32::ParseInteger(text, value) ? value : -1;
}

void TZEChipSetPropertyControl::Apply() {
  if (!chipSet_) return;
  chipSet_->SetName(name_.c_str());
  const auto side = [](const std::string& text, int32_t current) {
    const int32_t value = ReadSize(text);
    return value > 0 && value <= kMaxChips ? value : current;
  };
  chipSet_->SetSize(side(widthText_, chipSet_->GetWidth()), side(heightText_, chipSet_->GetHeight()));
  if (chosen_) chipSet_->SetImage(chosen_);
  chipSet_->SetEdgeFlag(edgeFlag_);
}

}  // namespace zelvo
