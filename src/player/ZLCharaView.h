#pragma once
// Characters on the map: the collisionable view (hero or event page) with its walking animation,
// the event view that shows an event's first page that holds, and the map's character list.

#include <cstdint>
#include <memory>

#include "model/ZelvoCommonTypes.h"
#include "player/ZDrawable.h"
#include "player/ZLabel.h"
#include "player/ZelvoCollisionableView.h"
#include "player/ZelvoEventView.h"
#include "player/ZViewList.h"

namespace zelvo {

class IZLFactory;
class IZCConditionJudge;
class IZelvoCollisionableModel;

// The drawable side of a character view; nullptr when the view is not drawable.
IZDrawable* AsDrawable(IZelvoCollisionableView* view);
// The map-pixel collision box of a view's model; false when it has no model or no collision.
bool CollisionBox(IZelvoCollisionableView& view, ZelvoCommonTypes::TRect& box);

class TZelvoCollisionableView : public TZDrawable, public virtual IZelvoCollisionableView {
 public:
  // The factory is a back reference; Model may be null.
  TZelvoCollisionableView(IZLFactory* factory, std::shared_ptr<IZelvoCollisionableModel> model);

  int32_t GetDirection() override { return direction_; }
  void SetDirection(int32_t direction) override;
  bool GetFlag() override { return flag_; }
  void SetFlag(bool value) override { flag_ = value; }
  std::shared_ptr<IZelvoCollisionableModel> GetModel() override { return model_; }
  int32_t GetMapX() override { return mapX_; }
  int32_t GetMapY() override { return mapY_; }
  void SetMapX(int32_t x) override { mapX_ = x; }
  void SetMapY(int32_t y) override { mapY_ = y; }
  void SetFloorID(int32_t id) override { floorID_ = id; }
  int32_t GetFloorID() override { return floorID_; }
  void SetDrawFloorID(int32_t id) override { drawFloorID_ = id; }
  int32_t GetDrawFloorID() override { return drawFloorID_; }
  void DrawAt(int32_t x, int32_t y) override;
  // One frame of the walking animation; a direction animation with 0 patterns or 0 frames per
  // step counts as 1 of each.
  void Draw() override;

  uint32_t GetCounter() const { return counter_; }
  IZImageLabel* GetImageView() const { return image_.get(); }

 protected:
  // Null is ignored; loads the model's material picture, transparent.
  void SetModel(std::shared_ptr<IZelvoCollisionableModel> model);
  std::shared_ptr<IZelvoCollisionableModel> model_;

 private:
  IZLFactory* factory_;
  std::shared_ptr<IZImageLabel> image_;
  bool flag_ = false, hasPicture_ = false;
  int32_t mapX_ = 0, mapY_ = 0, floorID_ = 0, drawFloorID_ = 0, direction_ = 0;
  uint32_t counter_ = 0;
};

class TZelvoEventView : public TZelvoCollisionableView, public virtual IZelvoEventView {
 public:
  TZelvoEventView(IZLFactory* factory, std::shared_ptr<IZCConditionJudge> judge);
  void SetEventPackage(const std::shared_ptr<IZelvoEventModel>& event) override;
  std::shared_ptr<IZelvoActionModel> GetCurrentPage() override;
  std::shared_ptr<IZelvoCollisionableModel> GetModel() override;
  void Draw() override;

  std::shared_ptr<IZelvoEventModel> GetEvent() const { return event_; }

 private:
  std::shared_ptr<IZelvoEventModel> event_;
  std::shared_ptr<IZCConditionJudge> judge_;
  std::shared_ptr<IZelvoActionModel> shown_;
};

class IZelvoCollisionableViewList : public IZViewList<IZelvoCollisionableView> {
 public:
  // The last view whose model has that ID.
  virtual ViewPtr FindByModelID(int32_t id) = 0;
  // Every view that lies on the 640 x 480 screen, at its map position less the scroll.
  virtual void DrawVisible() = 0;
  // Every view's screen X becomes its map X - X.
  virtual void SetScrollX(int32_t x) = 0;
  virtual void SetScrollY(int32_t y) = 0;
  // The first other view on View's floor, with a model, whose box overlaps View's (touching is
  // not overlapping); no wrapping around the map's edges.
  virtual ViewPtr FindCollision(const ViewPtr& view) = 0;
  // Stable, ascending by screen Y.
  virtual void SortByY() = 0;
};

class TZelvoCollisionableViewList final
    : public TZViewList<IZelvoCollisionableViewList, IZelvoCollisionableView> {
 public:
  ViewPtr FindByModelID(int32_t id) override;
  void DrawVisible() override;
  void SetScrollX(int32_t x) override;
  void SetScrollY(int32_t y) override;
  ViewPtr FindCollision(const ViewPtr& view) override;
  void SortByY() override;

 private:
  int32_t scrollX_ = 0, scrollY_ = 0;
};

}  // namespace zelvo
