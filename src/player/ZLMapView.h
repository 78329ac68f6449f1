#pragma once
// The map on the screen: one chip view per chip set the map names, one floor view per floor, the
// character list with an event view per placed event, drawing for a scroll position, and the
// test whether the player's 8-pixel step (onto another floor, perhaps) is allowed.

#include <cstdint>
#include <memory>
#include <vector>

#include "player/ZelvoMessageCodes.h"
#include "player/ZDrawable.h"
#include "player/ZLCharaView.h"
#include "player/ZLabel.h"
#include "player/ZViewList.h"

namespace zelvo {

class IZLFactory;
class IZCZelvoAPI;
class IZelvoMapModel;
class IZelvoMapFloorModel;
class IZelvoMapChipSetModel;

class IZelvoMapChipView : public virtual IZDrawable {
 public:
  virtual std::shared_ptr<IZelvoMapChipSetModel> GetModel() = 0;
  // Chip (Column, Row), 32 x 32, at screen (X, Y) with the view's visibility and colour; a chip
  // outside the picture draws nothing.
  virtual void DrawChip(int32_t x, int32_t y, int32_t column, int32_t row) = 0;
};

class TZelvoMapChipView final : public TZDrawable, public virtual IZelvoMapChipView {
 public:
  TZelvoMapChipView(IZLFactory& factory, std::shared_ptr<IZelvoMapChipSetModel> chipSet);
  std::shared_ptr<IZelvoMapChipSetModel> GetModel() override { return chipSet_; }
  void DrawChip(int32_t x, int32_t y, int32_t column, int32_t row) override;
  void Draw() override;

 private:
  bool inPicture(int32_t left, int32_t top, int32_t width, int32_t height) const;
  std::shared_ptr<IZelvoMapChipSetModel> chipSet_;
  std::shared_ptr<IZImageLabel> image_;
  int32_t pictureWidth_ = 0, pictureHeight_ = 0;
};

class IZelvoMapChipViewList : public IZViewList<IZelvoMapChipView> {
 public:
  // The last view whose chip set has that ID.
  virtual ViewPtr FindByID(int32_t id) = 0;
};

class IZelvoMapFloorView : public virtual IZDrawable {
 public:
  virtual int32_t GetPriority() = 0;
  virtual void SetPriority(int32_t value) = 0;
  virtual std::shared_ptr<IZelvoMapFloorModel> GetFloorModel() = 0;
};

class TZelvoMapFloorView final : public TZDrawable, public virtual IZelvoMapFloorView {
 public:
  // Map width and height are taken now, in pixels; the chip views are the map view's.
  TZelvoMapFloorView(std::shared_ptr<IZelvoMapFloorModel> floor, IZelvoMapChipViewList* chipViews,
                     int32_t mapWidthChips, int32_t mapHeightChips);
  int32_t GetPriority() override { return priority_; }
  void SetPriority(int32_t value) override { priority_ = value; }
  std::shared_ptr<IZelvoMapFloorModel> GetFloorModel() override { return floor_; }
  // 21 x 16 chips from the scroll position (X, Y), the map repeating in both directions; a map
  // without width or height draws nothing.
  void Draw() override;

 private:
  std::shared_ptr<IZelvoMapFloorModel> floor_;
  IZelvoMapChipViewList* chipViews_;
  int32_t priority_;
  int32_t widthChips_, heightChips_;
};

class IZelvoMapFloorViewList : public IZViewList<IZelvoMapFloorView> {
 public:
  // Stable, ascending by priority.
  virtual void Sort() = 0;
};

// Keys of the steps: the numeric-pad codes the field control passes.
inline constexpr int32_t kKeyDown = msg::kKeyDown, kKeyLeft = msg::kKeyLeft, kKeyRight = msg::kKeyRight,
                          kKeyUp = msg::kKeyUp;

class IZelvoMapView {
 public:
  virtual ~IZelvoMapView() = default;
  virtual void SetPlayerView(std::shared_ptr<IZelvoCollisionableView> view) = 0;
  virtual std::shared_ptr<IZelvoMapModel> GetMapModel() = 0;
  virtual IZelvoMapChipViewList& GetChipViewList() = 0;
  virtual IZelvoMapFloorViewList& GetFloorViewList() = 0;
  virtual std::shared_ptr<IZelvoCollisionableViewList> GetCollisionableViewList() = 0;
  // Whether the chip under the top-left corner of the player's box lets the player go anywhere.
  virtual bool TestPlayerCell() = 0;
  // View has just been moved 8 pixels by Key; True when that step is refused. May move the
  // party onto another floor and sets the view's draw floor.
  virtual bool CheckMove(int32_t key, IZelvoCollisionableView& view) = 0;
  // The screen's top-left corner at map pixel (X, Y).
  virtual void Draw(int32_t x, int32_t y) = 0;
};

class TZLMapView final : public IZelvoMapView {
 public:
  // Both are back references; the control API gives the party and the condition judge.
  TZLMapView(IZLFactory& factory, std::shared_ptr<IZelvoMapModel> map, IZCZelvoAPI* controlAPI);
  void SetPlayerView(std::shared_ptr<IZelvoCollisionableView> view) override { player_ = std::move(view); }
  std::shared_ptr<IZelvoMapModel> GetMapModel() override { return map_; }
  IZelvoMapChipViewList& GetChipViewList() override { return *chipViews_; }
  IZelvoMapFloorViewList& GetFloorViewList() override { return *floorViews_; }
  std::shared_ptr<IZelvoCollisionableViewList> GetCollisionableViewList() override { return charas_; }
  bool TestPlayerCell() override;
  bool CheckMove(int32_t key, IZelvoCollisionableView& view) override;
  void Draw(int32_t x, int32_t y) override;

  std::shared_ptr<IZelvoCollisionableView> GetPlayerView() const { return player_; }

 private:
  int32_t partyFloorID();
  void drawPlayer();
  std::shared_ptr<IZelvoMapModel> map_;
  IZCZelvoAPI* controlAPI_;
  std::unique_ptr<IZelvoMapChipViewList> chipViews_;
  std::unique_ptr<IZelvoMapFloorViewList> floorViews_;
  std::shared_ptr<IZelvoCollisionableViewList> charas_;
  std::shared_ptr<IZelvoCollisionableView> player_;
};

}  // namespace zelvo
