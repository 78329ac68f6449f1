#include "editor/core/ZEMaterialPanel.h"

#include <cstdio>

#include "editor/core/Bitmap32.h"
#include "editor/core/EtcBitmap.h"
#include "editor/core/ZEDetailPanel.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoStyleModel.h"
#include "model/ZelvoStylePackage.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

void TZEMaterialPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  SelectMaterial(nullptr);
  materials_.Clear();
  if (designer_) designer_->FillMaterialTree(materials_, nullptr);
}

std::string TZEMaterialPanel::folder() const { return GamePathPrefix() + "Graphics\\"; }

void TZEMaterialPanel::Refresh() {
  const auto& api = designer_ ? designer_->getZMLZelvoAPI() : nullptr;
  auto root = api ? api->GetMaterialRoot() : nullptr;
  auto first = root && root->GetCount() > 0 ? std::dynamic_pointer_cast<IZelvoMaterialPackage>(root->GetItem(0)) : nullptr;
  int32_t newCount = 0, missingCount = 0;
  if (first && first->SyncWithFolder(folder(), folder(), api.get(), kPictureKind, newCount, missingCount)) {
    char text[128];
    std::snprintf(text, sizeof text, "新規素材%d個、迷子素材%d個が見つかりました", newCount, missingCount);
    AskInstalled(text, {}, MessageKind::Information);
  } else {
    AskInstalled("更新した素材はありません。", {}, MessageKind::Information);
  }
  setTreeDesigner(designer_);
}

void TZEMaterialPanel::AddPictureMaterial() {
  AskInstalled("現在外部ファイルの追加機能を停止しています\nGraphicsフォルダに画像を入れて更新ボタンを押してください。", {},
               MessageKind::Information);
}

void TZEMaterialPanel::SelectMaterial(IZETreeNode* node) {
  material_ = node && node->GetIcon() == ZEIcon::Material ? node->GetData().As<IZelvoMaterialModel>() : nullptr;
  colorChanges_.Clear();
  view_ = View{};
  entry_ = nullptr;
  entryNode_ = nullptr;
  if (!material_) return;
  view_.materialPanels = true;
  view_.fullPath = folder() + material_->GetPath();
  if (material_->GetKind() != kPictureKind) return;
  view_.preview = true;
  if (designer_) designer_->FillColorChangeList(colorChanges_, material_);
  view_.conversion = colorChanges_.GetTopLevelCount() > 0;
  IZETreeNode* first = view_.conversion ? colorChanges_.GetTopLevel(0) : nullptr;
  colorChanges_.SetSelected(first);
  showColorChange(first);
}

void TZEMaterialPanel::SelectColorChange(IZETreeNode* node) { showColorChange(node); }

void TZEMaterialPanel::showColorChange(IZETreeNode* node) {
  entryNode_ = node;
  entry_ = node ? std::dynamic_pointer_cast<IZelvoChangeColorModel>(node->GetData().model) : nullptr;
  view_.colorChange = view_.deleteEnabled = entry_ != nullptr;
  if (!entry_) return;
  view_.source = TZEFieldText::FromHex(static_cast<uint32_t>(entry_->GetSourceColor()));
  view_.target = TZEFieldText::FromHex(static_cast<uint32_t>(entry_->GetTargetColor()));
  view_.useTopLeft = entry_->GetUseTopLeftColor();
  view_.ignoreSourceAlpha = entry_->GetIgnoreSourceAlpha();
  view_.sourceEnabled = !view_.useTopLeft;
}

void TZEMaterialPanel::AddColorChange() {
  if (!designer_ || !material_ || material_->GetKind() != kPictureKind) return;
  designer_->AddColorChange(colorChanges_, material_);
  view_.conversion = true;
}

void TZEMaterialPanel::DeleteColorChange() {
  if (!designer_ || !entry_) return;
  designer_->DeleteColorChange(colorChanges_, material_);
  showColorChange(colorChanges_.GetSelected());
  view_.conversion = colorChanges_.GetTopLevelCount() > 0;
}

void TZEMaterialPanel::EditSource(const std::string& text) {
  const auto color = TZEFieldText::ToHex(text);
  if (!entry_ || !color) return;
  entry_->SetSourceColor(static_cast<int32_t>(*color));
  changed();
}

void TZEMaterialPanel::EditTarget(const std::string& text) {
  const auto color = TZEFieldText::ToHex(text);
  if (!entry_ || !color) return;
  entry_->SetTargetColor(static_cast<int32_t>(*color));
  changed();
}

void TZEMaterialPanel::SetUseTopLeft(bool value) {
  if (!entry_) return;
  entry_->SetUseTopLeftColor(value);
  changed();
}

void TZEMaterialPanel::SetIgnoreSourceAlpha(bool value) {
  if (!entry_) return;
  entry_->SetIgnoreSourceAlpha(value);
  changed();
}

void TZEMaterialPanel::changed() {
  if (entryNode_) entryNode_->SetCaption(TZETreeDesigner::ChangeColorCaption(*entry_));
  showColorChange(entryNode_);
}

bool TZEMaterialPanel::DrawPreview(Bitmap& preview, uint32_t face, uint32_t shadow) const {
  if (!material_ || material_->GetKind() != kPictureKind) return false;
  TBitmap32 picture;
  try {
    picture.LoadFromFile(folder() + material_->GetPath());
  } catch (const EZelvoError&) {
    return false;  // an unreadable picture has no preview
  }
  if (picture.Width() <= 0 || picture.Height() <= 0 || picture.Depth() != 32) return false;
  ApplyColorChanges(picture, *material_);
  preview = Bitmap(picture.Width(), picture.Height());
  for (int32_t y = 0; y < preview.height(); ++y)
    for (int32_t x = 0; x < preview.width(); ++x) preview.setPixel(x, y, (x + y) % 4 == 0 || (x - y) % 4 == 0 ? shadow : face);
  const TRect all{0, 0, picture.Width(), picture.Height()};
  TEtcBitmap::BlendDraw(preview, all, picture.GetBitmap(), all);
  return true;
}

}  // namespace zelvo
