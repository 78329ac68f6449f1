#include "editor/core/ZEChipSetPropertyControl.h"

#include <algorithm>

#include "editor/core/Bitmap32.h"
#include "editor/core/ZEChipSetSkin.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

namespace {

constexpr int32_t kChip = 32;

// Appends the children of package below parent; a folder that is one of its own ancestors is
// listed but not opened again, so a folder inside itself cannot make the walk endless.
void addChildren(const IZelvoMaterialPackage& package, int32_t parent,
                 std::vector<const IZelvoMaterialPackage*>& ancestors, std::vector<TZEMaterialTreeEntry>& out) {
  ancestors.push_back(&package);
  for (int32_t i = 0; i < package.GetCount(); ++i) {
    auto child = package.GetItem(i);
    if (!child) continue;
    TZEMaterialTreeEntry entry;
    entry.material = child;
    entry.parent = parent;
    entry.caption = child->GetName();
    if (child->GetMissingFlag()) entry.caption += Cp932::fromUtf8("<迷子>");
    if (child->GetNewFlag()) entry.caption += Cp932::fromUtf8("<New!>");
    const auto* folder = child->GetKind() == MaterialKind::Folder ? dynamic_cast<const IZelvoMaterialPackage*>(child.get())
                                                                  : nullptr;
    entry.icon = child->GetKind() == MaterialKind::Folder ? TZEChipSetPropertyControl::kIconFolder
                                                          : TZEChipSetPropertyControl::kIconMaterial;
    out.push_back(std::move(entry));
    const bool cycle = std::find(ancestors.begin(), ancestors.end(), folder) != ancestors.end();
    if (folder && !cycle) addChildren(*folder, int32_t(out.size()) - 1, ancestors, out);
  }
  ancestors.pop_back();
}

}  // namespace

void TZEChipSetPropertyControl::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  const auto images = api_ ? api_->GetImageMaterials() : nullptr;
  pictures_ = images ? MaterialTree(*images) : std::vector<TZEMaterialTreeEntry>{};
}

std::vector<TZEMaterialTreeEntry> TZEChipSetPropertyControl::MaterialTree(const IZelvoMaterialPackage& package) {
  std::vector<TZEMaterialTreeEntry> entries;
  std::vector<const IZelvoMaterialPackage*> ancestors;
  addChildren(package, -1, ancestors, entries);
  return entries;
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

bool TZEChipSetPropertyControl::ChoosePicture(int32_t entry) {
  if (entry < 0 || entry >= int32_t(pictures_.size())) return false;
  const auto& material = pictures_[size_t(entry)].material;
  if (!material || material->GetKind() == MaterialKind::Folder) return false;
  chosen_ = material;
  fileName_ = material->GetPath();
  changed_ = true;
  return true;
}

bool TZEChipSetPropertyControl::GetSize() {
  const TBitmap32 picture = TZEChipSetSkin::LoadPicture(GamePathPrefix() + "Graphics\\" + fileName_);
  if (picture.Width() == 0 || picture.Height() == 0) {
    ShowMessage("ファイルが見つかりません・・・", {}, MessageKind::Warning, {MessageAnswer::Ok});
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
