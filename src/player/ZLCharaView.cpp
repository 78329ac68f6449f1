#include "player/ZLCharaView.h"

#include <algorithm>

#include "model/ZelvoActionModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionableModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStyleModel.h"
#include "platform/core/ClampedMath.h"
#include "platform/core/GameGeometry.h"
#include "player/ZCConditionJudge.h"
#include "player/ZLFactory.h"

namespace zelvo {

IZDrawable* AsDrawable(IZelvoCollisionableView* view) { return dynamic_cast<IZDrawable*>(view); }

bool CollisionBox(IZelvoCollisionableView& view, ZelvoCommonTypes::TRect& box) {
  auto model = view.GetModel();
  if (!model) return false;
  auto collision = model->GetCollision();
  if (!collision) return false;
  const auto r = collision->GetRect();
  const int32_t x = view.GetMapX(), y = view.GetMapY();
  box = {ClampedAdd(x, r.Left), ClampedAdd(y, r.Top), ClampedAdd(x, r.Right), ClampedAdd(y, r.Bottom)};
  return true;
}

TZelvoCollisionableView::TZelvoCollisionableView(IZLFactory* factory, std::shared_ptr<IZelvoCollisionableModel> model)
    : factory_(factory) {
  SetModel(std::move(model));
}

void TZelvoCollisionableView::SetDirection(int32_t direction) {
  if (direction >= 0 && direction <= 9) direction_ = direction;
}

void TZelvoCollisionableView::SetModel(std::shared_ptr<IZelvoCollisionableModel> model) {
  if (!model) return;
  model_ = std::move(model);
  image_ = factory_ ? factory_->CreateImageView() : nullptr;
  if (auto material = model_->GetMaterial(); material && image_) {
    const std::string path = GameBaseDir + GameFolder + "Graphics\\" + material->GetPath();
    image_->SetImage(path.c_str(), material);
    image_->SetTransparent(true);
  }
  // Without a picture there is nothing to draw; an empty texture is never handed on.
  hasPicture_ = image_ && image_->GetWidth() > 0 && image_->GetHeight() > 0;
  flag_ = true;
}

void TZelvoCollisionableView::DrawAt(int32_t x, int32_t y) {
  x_ = x;
  y_ = y;
  Draw();
}

void TZelvoCollisionableView::Draw() {
  if (!visible_ || !model_ || !hasPicture_) return;
  auto animation = model_->GetDAnimation();
  if (!animation) return;
  const uint32_t patterns = static_cast<uint32_t>(std::max(animation->GetPatternCount(), 1));
  const uint32_t framesPerStep = static_cast<uint32_t>(std::max(animation->GetFramesPerStep(), 1));
  const int32_t w = animation->GetWidth(), h = animation->GetHeight();
  int32_t rows = 0;
  for (int32_t d = 0; d < direction_; ++d)
    if (animation->GetDirectionEnabled(d)) ++rows;
  const int32_t pattern = static_cast<int32_t>((counter_ / framesPerStep) % patterns);
  image_->SetSrcX(ClampedMul(pattern, w));
  image_->SetSrcY(ClampedMul(rows, h));
  image_->SetWidth(w);
  image_->SetHeight(h);
  image_->SetX(x_);
  image_->SetY(y_);
  image_->SetVisible(visible_);
  image_->SetColor(color_);
  image_->Draw();
  ++counter_;
}

TZelvoEventView::TZelvoEventView(IZLFactory* factory, std::shared_ptr<IZCConditionJudge> judge)
    : TZelvoCollisionableView(factory, nullptr), judge_(std::move(judge)) {}

void TZelvoEventView::SetEventPackage(const std::shared_ptr<IZelvoEventModel>& event) {
  event_ = event;
  shown_ = GetCurrentPage();
  SetModel(shown_);
}

std::shared_ptr<IZelvoActionModel> TZelvoEventView::GetCurrentPage() {
  if (!event_) return nullptr;
  for (int32_t i = 0; i < event_->GetCount(); ++i) {
    auto page = event_->GetItem(i);
    if (!page) continue;
    auto condition = page->GetCondition();
    // A page without a condition always holds; without a judge only such pages do.
    if (!condition || (judge_ && judge_->Judge(condition))) return page;
  }
  return nullptr;
}

std::shared_ptr<IZelvoCollisionableModel> TZelvoEventView::GetModel() { return GetCurrentPage(); }

void TZelvoEventView::Draw() {
  auto page = GetCurrentPage();
  if (page != shown_) {
    shown_ = page;
    SetModel(page);
  }
  if (page) TZelvoCollisionableView::Draw();
}

IZelvoCollisionableViewList::ViewPtr TZelvoCollisionableViewList::FindByModelID(int32_t id) {
  for (auto it = views_.items().rbegin(); it != views_.items().rend(); ++it) {
    if (!*it) continue;
    auto model = (*it)->GetModel();
    if (model && model->GetID() == id) return *it;
  }
  return nullptr;
}

void TZelvoCollisionableViewList::DrawVisible() {
  for (auto& view : views_.items()) {
    IZDrawable* d = AsDrawable(view.get());
    if (!d) continue;
    const int64_t x = view->GetMapX(), y = view->GetMapY();
    if (x + d->GetWidth() >= scrollX_ && x < int64_t(scrollX_) + kGameScreenWidth && y + d->GetHeight() >= scrollY_ &&
        y < int64_t(scrollY_) + kGameScreenHeight)
      view->DrawAt(ClampedSub(view->GetMapX(), scrollX_), ClampedSub(view->GetMapY(), scrollY_));
  }
}

void TZelvoCollisionableViewList::SetScrollX(int32_t x) {
  scrollX_ = x;
  for (auto& view : views_.items())
    if (IZDrawable* d = AsDrawable(view.get())) d->SetX(ClampedSub(view->GetMapX(), x));
}

void TZelvoCollisionableViewList::SetScrollY(int32_t y) {
  scrollY_ = y;
  for (auto& view : views_.items())
    if (IZDrawable* d = AsDrawable(view.get())) d->SetY(ClampedSub(view->GetMapY(), y));
}

IZelvoCollisionableViewList::ViewPtr TZelvoCollisionableViewList::FindCollision(const ViewPtr& view) {
  ZelvoCommonTypes::TRect own;
  if (!view || !CollisionBox(*view, own)) return nullptr;
  IZDrawable* self = AsDrawable(view.get());
  for (auto& other : views_.items()) {
    if (!other || other == view) continue;
    IZDrawable* d = AsDrawable(other.get());
    if (self && d && d->GetID() == self->GetID()) continue;
    if (other->GetFloorID() != view->GetFloorID()) continue;
    ZelvoCommonTypes::TRect box;
    if (!CollisionBox(*other, box)) continue;
    if (box.Left < own.Right && box.Top < own.Bottom && own.Left < box.Right && own.Top < box.Bottom) return other;
  }
  return nullptr;
}

void TZelvoCollisionableViewList::SortByY() {
  auto y = [](const ViewPtr& v) {
    IZDrawable* d = AsDrawable(v.get());
    return d ? d->GetY() : 0;
  };
  std::stable_sort(views_.items().begin(), views_.items().end(),
                   [&y](const ViewPtr& a, const ViewPtr& b) { return y(a) < y(b); });
}

}  // namespace zelvo
