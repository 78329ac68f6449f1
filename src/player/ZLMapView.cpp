#include "player/ZLMapView.h"

#include <algorithm>

#include "model/ModelItems.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionableModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapCell.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPositionControl.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/ClampedMath.h"
#include "platform/core/GameGeometry.h"
#include "platform/core/TrueModulo.h"
#include "player/ZCZelvoAPI.h"
#include "player/ZLFactory.h"

namespace zelvo {

namespace {

// The widest box, in chips, that the position grid around the box's chip still holds whole.
constexpr int32_t kMaxBoxChips = 9;
constexpr int32_t kMaxMargin = IZelvoMapPositionControl::kReach * kChip;
constexpr int64_t kScreenWidth = kGameScreenWidth, kScreenHeight = kGameScreenHeight;

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Where a character goes on the screen along one axis; offset is its map position minus the
// scroll. On a map at least as big as the screen, one left of or above the screen shows again one
// map further on when it fits there. A smaller map shows several copies at once, and the touch
// test does not wrap: the character goes on the copy the player stands on, whose map position is
// the player's screen position plus the scroll, wrapped into the map.
int64_t screenPosition(int64_t offset, int64_t scroll, int64_t mapSize, int64_t screenSize, const int32_t* player) {
  if (mapSize <= 0) return offset;
  if (mapSize >= screenSize || !player) return offset + mapSize < screenSize ? offset + mapSize : offset;
  return offset + floorDiv(int64_t(*player) + scroll, mapSize) * mapSize;
}

class TZelvoMapChipViewList final : public TZViewList<IZelvoMapChipViewList, IZelvoMapChipView> {
 public:
  ViewPtr FindByID(int32_t id) override {
    for (auto it = views_.items().rbegin(); it != views_.items().rend(); ++it)
      if (*it && (*it)->GetModel() && (*it)->GetModel()->GetID() == id) return *it;
    return nullptr;
  }
};

class TZelvoMapFloorViewList final : public TZViewList<IZelvoMapFloorViewList, IZelvoMapFloorView> {
 public:
  void Sort() override {
    std::stable_sort(views_.items().begin(), views_.items().end(),
                     [](const ViewPtr& a, const ViewPtr& b) { return a->GetPriority() < b->GetPriority(); });
  }
};

}  // namespace

TZelvoMapChipView::TZelvoMapChipView(IZLFactory& factory, std::shared_ptr<IZelvoMapChipSetModel> chipSet)
    : chipSet_(std::move(chipSet)), image_(factory.CreateImageView()) {
  if (!chipSet_ || !image_) return;
  const std::string imagePath = chipSet_->GetImagePath();
  if (!imagePath.empty()) {
    const std::string path = GameBaseDir + GameFolder + "Graphics\\" + imagePath;
    image_->SetImage(path.c_str(), chipSet_->GetImage());
  }
  pictureWidth_ = image_->GetWidth();
  pictureHeight_ = image_->GetHeight();
}

bool TZelvoMapChipView::inPicture(int32_t left, int32_t top, int32_t width, int32_t height) const {
  return left >= 0 && top >= 0 && width > 0 && height > 0 && int64_t(left) + width <= pictureWidth_ &&
         int64_t(top) + height <= pictureHeight_;
}

void TZelvoMapChipView::DrawChip(int32_t x, int32_t y, int32_t column, int32_t row) {
  if (!image_ || !inPicture(kChip * column, kChip * row, kChip, kChip)) return;
  image_->SetSrcX(kChip * column);
  image_->SetSrcY(kChip * row);
  image_->SetWidth(kChip);
  image_->SetHeight(kChip);
  image_->SetX(x);
  image_->SetY(y);
  image_->SetVisible(visible_);
  image_->SetColor(color_);
  image_->Draw();
}

void TZelvoMapChipView::Draw() {
  if (!image_ || !inPicture(srcX_, srcY_, width_, height_)) return;
  image_->SetSrcX(srcX_);
  image_->SetSrcY(srcY_);
  image_->SetWidth(width_);
  image_->SetHeight(height_);
  image_->SetX(x_);
  image_->SetY(y_);
  image_->SetVisible(visible_);
  image_->SetColor(color_);
  image_->Draw();
}

TZelvoMapFloorView::TZelvoMapFloorView(std::shared_ptr<IZelvoMapFloorModel> floor, IZelvoMapChipViewList* chipViews,
                                       int32_t mapWidthChips, int32_t mapHeightChips)
    : floor_(std::move(floor)),
      chipViews_(chipViews),
      priority_(floor_ ? floor_->GetBaseHeight() : 0),
      widthChips_(mapWidthChips),
      heightChips_(mapHeightChips) {}

void TZelvoMapFloorView::Draw() {
  if (!floor_ || !chipViews_ || widthChips_ < 1 || heightChips_ < 1) return;
  const int64_t w = int64_t(widthChips_) * kChip, h = int64_t(heightChips_) * kChip;
  // A negative scroll counts from the far edge; the stored position is the wrapped one.
  if (x_ < 0) x_ = ClampToInt32(TrueModulo(x_, w));
  if (y_ < 0) y_ = ClampToInt32(TrueModulo(y_, h));
  const int32_t shiftX = x_ % kChip, shiftY = y_ % kChip;
  const int64_t firstColumn = x_ / kChip, firstRow = y_ / kChip;
  const uint32_t opacity = static_cast<uint32_t>(std::clamp(floor_->GetGameOpacity(), 0, 255));
  const uint32_t color = opacity << 24 | 0xFFFFFF;
  for (int32_t j = 0; j <= 15; ++j) {
    const int32_t row = static_cast<int32_t>((firstRow + j) % heightChips_);
    for (int32_t i = 0; i <= 20; ++i) {
      const int32_t column = static_cast<int32_t>((firstColumn + i) % widthChips_);
      const TZelvoMapCell cell = floor_->GetCell(column, row);
      auto chipView = chipViews_->FindByID(cell.ChipSetID);
      if (!chipView) continue;
      chipView->SetVisible(true);
      chipView->SetColor(color);
      chipView->DrawChip(kChip * i - shiftX, kChip * j - shiftY, cell.Column, cell.Row);
    }
  }
}

TZLMapView::TZLMapView(IZLFactory& factory, std::shared_ptr<IZelvoMapModel> map, IZCZelvoAPI* controlAPI)
    : map_(std::move(map)),
      controlAPI_(controlAPI),
      chipViews_(std::make_unique<TZelvoMapChipViewList>()),
      floorViews_(std::make_unique<TZelvoMapFloorViewList>()),
      charas_(factory.CreateCollisionableViewList()) {
  if (!map_) return;
  if (auto ids = map_->GetChipSetIDList())
    for (int32_t i = 0; i < ids->GetCount(); ++i)
      if (auto chipSet = ids->GetChipSet(i)) chipViews_->Add(std::make_shared<TZelvoMapChipView>(factory, chipSet));
  for (int32_t i = 0; i < map_->GetFloorCount(); ++i)
    floorViews_->Add(std::make_shared<TZelvoMapFloorView>(map_->GetFloor(i), chipViews_.get(), map_->GetWidth(),
                                                          map_->GetHeight()));
  auto positions = map_->GetEventPositionList();
  auto local = map_->GetLocalEventPackage();
  if (!positions || !charas_) return;
  for (int32_t i = 0; i < positions->GetCount(); ++i) {
    auto position = positions->GetItem(i);
    if (!position) continue;
    auto view = factory.CreateEventView();
    if (!view) continue;
    charas_->Add(view);
    view->SetEventPackage(local ? local->GetByID(position->GetEventID()) : nullptr);
    view->SetMapX(position->GetX());
    view->SetMapY(position->GetY());
    view->SetDirection(position->GetDirection());
    // Events meet the player on the floor they were placed on.
    view->SetFloorID(position->GetFloorID());
  }
}

int32_t TZLMapView::partyFloorID() {
  auto party = controlAPI_ ? controlAPI_->GetParty() : nullptr;
  return party ? party->GetFloorID() : 0;
}

void TZLMapView::drawPlayer() {
  IZDrawable* d = AsDrawable(player_.get());
  if (!d || !d->GetVisible()) return;
  d->Draw();
  d->SetVisible(false);
}

void TZLMapView::Draw(int32_t x, int32_t y) {
  if (!map_) return;
  floorViews_->Sort();
  IZDrawable* player = AsDrawable(player_.get());
  const int32_t floorOfParty = partyFloorID();
  if (player) {
    player->SetVisible(true);
    player_->SetFloorID(floorOfParty);
  }
  if (charas_) charas_->SortByY();
  const int64_t mapW = int64_t(map_->GetWidth()) * kChip, mapH = int64_t(map_->GetHeight()) * kChip;
  const int32_t playerX = player ? player->GetX() : 0, playerY = player ? player->GetY() : 0;
  for (int32_t f = 0; f < floorViews_->Count(); ++f) {
    auto floorView = floorViews_->Get(f);
    auto floor = floorView->GetFloorModel();
    const int32_t floorID = floor ? floor->GetID() : 0;
    floorView->SetX(x);
    floorView->SetY(y);
    floorView->Draw();
    const int32_t count = charas_ ? charas_->Count() : 0;
    for (int32_t c = 0; c < count; ++c) {
      auto chara = charas_->Get(c);
      IZDrawable* d = AsDrawable(chara.get());
      if (!d) continue;
      if (player && floorOfParty == floorID && player->GetY() < d->GetY()) drawPlayer();
      if (chara->GetFloorID() != floorID) continue;
      d->SetVisible(true);
      const int64_t sx = int64_t(chara->GetMapX()) - x, sy = int64_t(chara->GetMapY()) - y;
      // A character placed far beyond the int32 range of the screen stays off it.
      d->SetX(ClampToInt32(screenPosition(sx, x, mapW, kScreenWidth, player ? &playerX : nullptr)));
      d->SetY(ClampToInt32(screenPosition(sy, y, mapH, kScreenHeight, player ? &playerY : nullptr)));
      d->Draw();
    }
    if (player && floorID == player_->GetDrawFloorID()) drawPlayer();
  }
}

bool TZLMapView::TestPlayerCell() {
  if (!map_ || !player_ || map_->GetWidth() < 1 || map_->GetHeight() < 1) return false;
  auto floor = map_->FindFloor(partyFloorID());
  ZelvoCommonTypes::TRect box;
  if (!floor || !CollisionBox(*player_, box)) return false;
  const int64_t x = TrueModulo(box.Left, int64_t(map_->GetWidth()) * kChip) / kChip;
  const int64_t y = TrueModulo(box.Top, int64_t(map_->GetHeight()) * kChip) / kChip;
  return floor->GetPassMask(static_cast<int32_t>(x), static_cast<int32_t>(y)) > 0;
}

bool TZLMapView::CheckMove(int32_t key, IZelvoCollisionableView& view) {
  if (key != kKeyUp && key != kKeyDown && key != kKeyLeft && key != kKeyRight) return false;
  // Without a map to walk on, or a box to walk with, nothing moves.
  if (!map_ || map_->GetWidth() < 1 || map_->GetHeight() < 1) return true;
  auto model = view.GetModel();
  auto collision = model ? model->GetCollision() : nullptr;
  if (!collision) return true;
  const auto rect = collision->GetRect();
  const int32_t L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  const int64_t bw64 = int64_t(R) - L, bh64 = int64_t(B) - T;
  if (bw64 <= 0 || bh64 <= 0 || bw64 > kMaxBoxChips * kChip || bh64 > kMaxBoxChips * kChip) return true;
  const int32_t BW = static_cast<int32_t>(bw64), BH = static_cast<int32_t>(bh64);
  const int32_t bx = ClampToInt32((int64_t(view.GetMapX()) + L) % (int64_t(map_->GetWidth()) * kChip));
  const int32_t by = ClampToInt32((int64_t(view.GetMapY()) + T) % (int64_t(map_->GetHeight()) * kChip));
  auto party = controlAPI_ ? controlAPI_->GetParty() : nullptr;
  auto start = map_->FindFloor(party ? party->GetFloorID() : 0);
  if (!start) return true;

  std::shared_ptr<IZelvoMapPositionControl> control;
  switch (key) {
    case kKeyUp: control = start->CreatePositionControl(bx, by + 8, BW, BH); break;
    case kKeyDown: control = start->CreatePositionControl(bx, by - 8, BW, BH); break;
    case kKeyLeft: control = start->CreatePositionControl(bx + 8, by, BW, BH); break;
    default: control = start->CreatePositionControl(bx - 8, by, BW, BH); break;
  }
  if (!control) return true;
  if (!control->IsAllReachable()) return true;

  const auto extent = control->GetChipExtent();
  const int32_t ex = extent.X, ey = extent.Y;
  if (ex < 1 || ey < 1 || ex > kMaxBoxChips + 1 || ey > kMaxBoxChips + 1) return true;
  bool blocked = false;
  int32_t target = -1;
  // One chip step from floor g at (fx, fy); the reached floor must let the box spread to its
  // neighbours at (mx, my). Answers the reached floor index, -1 when refused.
  auto step = [&](int32_t g, int32_t fx, int32_t fy, int32_t direction, int32_t mx, int32_t my, int32_t needBits) {
    auto from = map_->GetFloor(g);
    const int32_t n = from ? from->GetStepFloor(fx, fy, direction) : -1;
    auto reached = n >= 0 ? map_->GetFloor(n) : nullptr;
    if (!reached || (reached->GetPassMask(mx, my) & needBits) != needBits) {
      blocked = true;
      return -1;
    }
    return n;
  };
  auto sideBits = [](int32_t i, int32_t last, int32_t lowBit, int32_t highBit) {
    return (i == 0 ? 0 : lowBit) | (i == last ? 0 : highBit);
  };
  const int32_t cx = bx / kChip, cy = by / kChip;
  switch (key) {
    case kKeyUp:
      if ((by + 8) / kChip != by / kChip)
        for (int32_t i = 0; i < ex; ++i) {
          const int32_t n = step(control->GetGridValue(i, 0), cx + i, (by + 8) / kChip, IZelvoMapFloorModel::Up,
                                 cx + i, cy, sideBits(i, ex - 1, 4, 8));
          if (i == 0 && n >= 0) target = n;
        }
      break;
    case kKeyDown:
      if ((by - 8 + BH) % kChip == 0)
        for (int32_t i = 0; i < ex; ++i)
          step(control->GetGridValue(i, ey - 1), cx + i, (by - 8) / kChip + ey - 1, IZelvoMapFloorModel::Down,
               cx + i, cy + ey, sideBits(i, ex - 1, 4, 8));
      target = control->GetGridValue(0, by % kChip == 0 ? 1 : 0);
      break;
    case kKeyLeft:
      if ((bx + 8) / kChip != bx / kChip)
        for (int32_t i = 0; i < ey; ++i) {
          const int32_t n = step(control->GetGridValue(0, i), (bx + 8) / kChip, cy + i, IZelvoMapFloorModel::Left,
                                 cx, cy + i, sideBits(i, ey - 1, 1, 2));
          if (i == 0 && n >= 0) target = n;
        }
      break;
    default:
      if ((bx - 8 + BW) % kChip == 0)
        for (int32_t i = 0; i < ey; ++i)
          step(control->GetGridValue(ex - 1, i), (bx - 8) / kChip + ex - 1, cy + i, IZelvoMapFloorModel::Right,
               cx + ex, cy + i, sideBits(i, ey - 1, 1, 2));
      target = control->GetGridValue(bx % kChip == 0 ? 1 : 0, 0);
      break;
  }

  if (auto animation = model->GetDAnimation()) {
    auto margin = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, -kMaxMargin, kMaxMargin)); };
    const int32_t top = control->GetMaxInRect(margin(L), margin(T), margin(int64_t(animation->GetWidth()) - R),
                                              margin(int64_t(animation->GetHeight()) - B));
    if (auto floor = map_->GetFloor(top)) view.SetDrawFloorID(floor->GetID());
  }
  if (!blocked && target != -1 && party)
    if (auto floor = map_->GetFloor(target)) party->SetFloorID(floor->GetID());
  return blocked;
}

}  // namespace zelvo
