#include "editor/core/ZECollisionPanel.h"

#include "editor/core/EtcBitmap.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionModelList.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

void TZECollisionPanel::setTreeDesigner(TZETreeDesigner* designer) {
  designer_ = designer;
  Forget();
  tree_.Clear();
  if (designer_) designer_->FillCollisionTree(tree_, nullptr);
}

void TZECollisionPanel::NewModel() {
  if (!designer_) return;
  designer_->NewCollision(tree_);
  Select(tree_.GetSelected());
}

bool TZECollisionPanel::DeleteSelected() {
  const auto& api = designer_ ? designer_->getZMLZelvoAPI() : nullptr;
  return DeleteSelectedFrom<IZelvoCollisionModel>(tree_, api ? api->GetCollisionList().get() : nullptr);
}

int32_t TZECollisionPanel::SetWidthFromBar(int32_t position) { return fields.w = Snap(position); }

int32_t TZECollisionPanel::SetHeightFromBar(int32_t position) { return fields.h = Snap(position); }

bool TZECollisionPanel::MouseMove(int32_t x, int32_t y) {
  if (!dragging_) return false;
  const Fields before = fields;
  fields.x = Snap(x);
  fields.y = Snap(y);
  return !(fields == before);
}

void TZECollisionPanel::DrawPreview(Bitmap& preview, const Bitmap* reference) const {
  preview.fill(0xFF000000u);
  if (reference && !reference->empty()) preview.blit(0, 0, *reference, 0, 0, kPreviewSide, kPreviewSide);
  Canvas canvas(preview);
  TEtcBitmap::DrawSelectionFrame(canvas, TRect{fields.x, fields.y, fields.x + fields.w, fields.y + fields.h}, 0xFFFFFF);
}

bool TZECollisionPanel::Accepts(const IZETreeNode& node) const {
  return node.GetData().As<IZelvoCollisionModel>() != nullptr;
}

void TZECollisionPanel::Load(const IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoCollisionModel>();
  const TRect rect = model->GetRect();
  fields = Fields{model->GetName(), rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, model->GetKind()};
}

void TZECollisionPanel::Store(IZETreeNode& node) {
  const auto model = node.GetData().As<IZelvoCollisionModel>();
  model->SetName(fields.name.c_str());
  model->SetRect(fields.x, fields.y, fields.x + fields.w, fields.y + fields.h);
  model->SetKind(fields.kind);
  node.SetCaption(model->GetName());
}

}  // namespace zelvo
