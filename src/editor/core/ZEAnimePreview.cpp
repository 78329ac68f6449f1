#include "editor/core/ZEAnimePreview.h"

#include <algorithm>

#include "model/ZelvoAnimeModel.h"

namespace zelvo {

namespace {

int32_t displayTimeOf(const IZelvoAnimeModel& anime, int32_t index) {
  return anime.GetFrame(index)->GetDisplayTime();
}

}  // namespace

TZEAnimePreview::TZEAnimePreview() { picture_.SetSize(kSize, kSize, 32); }

void TZEAnimePreview::Start(uint32_t now) {
  playing_ = true;
  playingFrame_ = 0;
  lastSwitch_ = now;
}

const TBitmap32& TZEAnimePreview::Compose(const IZelvoAnimeModel* anime, int32_t currentFrame,
                                          const TPictureSource& pictures, uint32_t now) {
  FillBackground();
  const int32_t count = anime ? anime->GetFrameCount() : 0;
  if (playing_ && count > 0) {
    // Frames may have been deleted since the last compose.
    if (playingFrame_ < 0 || playingFrame_ >= count) {
      playingFrame_ = 0;
      lastSwitch_ = now;
    }
    drawStep(*anime, playingFrame_, pictures);
    advance(*anime, now);
  } else if (!playing_ && currentFrame >= 0 && currentFrame < count) {
    const auto frame = anime->GetFrame(currentFrame);
    DrawFrame(*frame, pictures ? pictures(frame->GetImageIndex()) : nullptr);
  }
  DrawCross();
  return picture_;
}

void TZEAnimePreview::drawStep(const IZelvoAnimeModel& anime, int32_t first, const TPictureSource& pictures) {
  const int32_t count = anime.GetFrameCount();
  int32_t index = first;
  // One pass at most: a list whose frames all have no time is drawn once, all together.
  for (int32_t drawn = 0; drawn < count; ++drawn) {
    const auto frame = anime.GetFrame(index);
    DrawFrame(*frame, pictures ? pictures(frame->GetImageIndex()) : nullptr);
    if (frame->GetDisplayTime() > 0) break;
    index = NextFrame(index, count);
  }
}

// The time left over after a switch is kept, so every step is shown for its own time however
// the composes fall; whole passes are dropped first, so a long pause costs one pass at most.
void TZEAnimePreview::advance(const IZelvoAnimeModel& anime, uint32_t now) {
  const int64_t cycle = CycleMilliseconds(anime);
  if (cycle <= 0) return;  // nothing can be timed: the step stays on screen
  const int32_t count = anime.GetFrameCount();
  int64_t elapsed = static_cast<uint32_t>(now - lastSwitch_);
  const int32_t shownEnd = StepEnd(anime, playingFrame_);
  const int64_t shown = AnimeFrameMilliseconds(displayTimeOf(anime, shownEnd), anime.GetBaseSpeed());
  if (elapsed < shown) return;
  elapsed -= shown;
  playingFrame_ = NextFrame(shownEnd, count);
  elapsed %= cycle;
  for (int64_t step = StepMilliseconds(anime, playingFrame_); elapsed >= step;
       step = StepMilliseconds(anime, playingFrame_)) {
    elapsed -= step;
    playingFrame_ = NextFrame(StepEnd(anime, playingFrame_), count);
  }
  lastSwitch_ = now - static_cast<uint32_t>(elapsed);
}

void TZEAnimePreview::DrawFrame(const IZelvoAnimeFrameModel& frame, const TBitmap32* picture) {
  const TRect source = frame.GetSourceRect();
  const TPoint offset = frame.GetOffset();
  // Loaded data may hold any values: the arithmetic is wide enough for all of them.
  const int64_t left = int64_t(kOrigin) + offset.X, top = int64_t(kOrigin) + offset.Y;
  const int64_t right = left + (int64_t(source.Right) - source.Left);
  const int64_t bottom = top + (int64_t(source.Bottom) - source.Top);
  const int64_t clipLeft = std::max<int64_t>(left, 0), clipTop = std::max<int64_t>(top, 0);
  const int64_t clipRight = std::min<int64_t>(right, kSize), clipBottom = std::min<int64_t>(bottom, kSize);
  if (clipRight - clipLeft <= 1 || clipBottom <= clipTop) return;
  const TRect dest{int32_t(clipLeft), int32_t(clipTop), int32_t(clipRight), int32_t(clipBottom)};
  if (!picture) {
    picture_.FillRect(dest, kMissingPicture);
    return;
  }
  // Only the part inside the picture is read.
  int64_t sourceLeft = source.Left + (clipLeft - left), sourceTop = source.Top + (clipTop - top);
  int64_t destLeft = clipLeft, destTop = clipTop, width = clipRight - clipLeft, height = clipBottom - clipTop;
  if (sourceLeft < 0) destLeft -= sourceLeft, width += sourceLeft, sourceLeft = 0;
  if (sourceTop < 0) destTop -= sourceTop, height += sourceTop, sourceTop = 0;
  width = std::min<int64_t>(width, picture->Width() - sourceLeft);
  height = std::min<int64_t>(height, picture->Height() - sourceTop);
  if (width <= 0 || height <= 0) return;
  const auto rect = [](int64_t l, int64_t t, int64_t w, int64_t h) {
    return TRect{int32_t(l), int32_t(t), int32_t(l + w), int32_t(t + h)};
  };
  picture_.BlendDraw(rect(destLeft, destTop, width, height), *picture, rect(sourceLeft, sourceTop, width, height));
}

void TZEAnimePreview::FillBackground() {
  Bitmap& bitmap = picture_.GetBitmap();
  const bool hasTile = tile_ && tile_->Width() > 0 && tile_->Height() > 0;
  if (!hasTile || tile_->Width() < kTileSize || tile_->Height() < kTileSize) bitmap.fill(kNoTileColor);
  if (!hasTile) return;
  const int32_t w = std::min(tile_->Width(), kTileSize), h = std::min(tile_->Height(), kTileSize);
  for (int32_t y = 0; y < kSize; y += kTileSize)
    for (int32_t x = 0; x < kSize; x += kTileSize) bitmap.blit(x, y, tile_->GetBitmap(), 0, 0, w, h);
}

void TZEAnimePreview::DrawCross() {
  picture_.FillRect({kOrigin - 1, 0, kOrigin + 1, kSize}, kCrossColor);
  picture_.FillRect({0, kOrigin - 1, kSize, kOrigin + 1}, kCrossColor);
}

int32_t TZEAnimePreview::NextFrame(int32_t index, int32_t frameCount) {
  return index + 1 < frameCount ? index + 1 : 0;
}

int32_t TZEAnimePreview::StepEnd(const IZelvoAnimeModel& anime, int32_t index) {
  const int32_t count = anime.GetFrameCount();
  if (count <= 0) return index;
  int32_t at = index;
  for (int32_t seen = 0; seen < count; ++seen) {
    if (displayTimeOf(anime, at) > 0) return at;
    at = NextFrame(at, count);
  }
  return (index + count - 1) % count;
}

int64_t TZEAnimePreview::StepMilliseconds(const IZelvoAnimeModel& anime, int32_t index) {
  if (anime.GetFrameCount() <= 0) return 0;
  return AnimeFrameMilliseconds(displayTimeOf(anime, StepEnd(anime, index)), anime.GetBaseSpeed());
}

int64_t TZEAnimePreview::CycleMilliseconds(const IZelvoAnimeModel& anime) {
  int64_t total = 0;
  for (int32_t i = 0; i < anime.GetFrameCount(); ++i)
    total += AnimeFrameMilliseconds(displayTimeOf(anime, i), anime.GetBaseSpeed());
  return total;
}

}  // namespace zelvo
