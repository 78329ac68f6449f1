#include "player/ZLFactory.h"

#include "player/ZCZelvoAPI.h"
#include "player/ZLCharaView.h"
#include "player/ZLMapView.h"

namespace zelvo {

TZLFactory::TZLFactory(IZLZelvoAPI* viewAPI, std::shared_ptr<IBLGraphicsInterface> graphics, IZCZelvoAPI* controlAPI)
    : TZFactory(graphics), viewAPI_(viewAPI), graphics_(std::move(graphics)), controlAPI_(controlAPI) {}

std::shared_ptr<IZImageLabel> TZLFactory::CreateImageView() {
  return std::make_shared<TZImageLabel>("", graphics_, nullptr);
}

std::shared_ptr<IZelvoCollisionableView> TZLFactory::CreateCollisionableView(
    const std::shared_ptr<IZelvoCollisionableModel>& model) {
  return std::make_shared<TZelvoCollisionableView>(this, model);
}

std::shared_ptr<IZelvoCollisionableViewList> TZLFactory::CreateCollisionableViewList() {
  return std::make_shared<TZelvoCollisionableViewList>();
}

std::shared_ptr<IZelvoMapView> TZLFactory::CreateMapView(const std::shared_ptr<IZelvoMapModel>& map) {
  return std::make_shared<TZLMapView>(*this, map, controlAPI_);
}

std::shared_ptr<IZelvoEventView> TZLFactory::CreateEventView() {
  return std::make_shared<TZelvoEventView>(this, controlAPI_ ? controlAPI_->GetConditionJudge() : nullptr);
}

}  // namespace zelvo
