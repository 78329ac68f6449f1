#pragma once
// The animation editor's 256 x 256 preview: the frames of an anime composed over a background
// tile, and the playback that steps through the frames by the clock it is given.
//
// A frame whose display time is 0 (or less) is drawn together with the frames after it, up to
// and including the next frame with a time; such a run is one step of the playback, shown for
// the last frame's time. Frames wrap around: the frame after the last is frame 0.

#include <cstdint>
#include <functional>

#include "editor/core/Bitmap32.h"

namespace zelvo {

class IZelvoAnimeFrameModel;
class IZelvoAnimeModel;

class TZEAnimePreview {
 public:
  static constexpr int32_t kSize = 256;
  static constexpr int32_t kOrigin = 128;  // where a frame with offset (0, 0) has its top-left corner
  static constexpr int32_t kTileSize = 32;
  static constexpr uint32_t kMissingPicture = 0x88000000u;
  static constexpr uint32_t kCrossColor = 0x66000000u;
  // The background without a tile.
  static constexpr uint32_t kNoTileColor = 0xFF000000u;

  // The picture a frame's image index names; nullptr when it is not available.
  using TPictureSource = std::function<const TBitmap32*(int32_t imageIndex)>;

  TZEAnimePreview();

  // Not owned; nullptr fills the background with kNoTileColor.
  void SetBackgroundTile(const TBitmap32* tile) { tile_ = tile; }

  bool Playing() const { return playing_; }
  int32_t PlayingFrame() const { return playingFrame_; }
  uint32_t LastSwitchTime() const { return lastSwitch_; }
  // From frame 0, timed from now.
  void Start(uint32_t now);
  void Stop() { playing_ = false; }

  // Composes the preview: playing, the step at the playing frame, then moves the playing frame
  // on by the time passed since the last switch (the next compose shows that); not playing,
  // the frame currentFrame (nothing for an index outside the anime). anime may be null.
  const TBitmap32& Compose(const IZelvoAnimeModel* anime, int32_t currentFrame, const TPictureSource& pictures,
                           uint32_t now);
  const TBitmap32& Picture() const { return picture_; }

  // The frame's source rectangle placed at kOrigin + its offset and clipped to the preview; the
  // source is cut by as much. A clipped width of 1 or less draws nothing; a missing picture draws
  // the destination in kMissingPicture.
  void DrawFrame(const IZelvoAnimeFrameModel& frame, const TBitmap32* picture);
  void FillBackground();
  void DrawCross();

  // Timing over any frame list. index + 1, 0 after the last (0 for an empty list).
  static int32_t NextFrame(int32_t index, int32_t frameCount);
  // The last frame of the step that begins at index: the first at or after it with a display
  // time above 0, at most one pass round; the frame before index when none has a time.
  static int32_t StepEnd(const IZelvoAnimeModel& anime, int32_t index);
  // The step's time in milliseconds (0 when it cannot be timed: base speed 0 or less).
  static int64_t StepMilliseconds(const IZelvoAnimeModel& anime, int32_t index);
  // One pass over every frame.
  static int64_t CycleMilliseconds(const IZelvoAnimeModel& anime);

 private:
  void drawStep(const IZelvoAnimeModel& anime, int32_t first, const TPictureSource& pictures);
  void advance(const IZelvoAnimeModel& anime, uint32_t now);

  TBitmap32 picture_;
  const TBitmap32* tile_ = nullptr;
  bool playing_ = false;
  int32_t playingFrame_ = 0;
  uint32_t lastSwitch_ = 0;
};

}  // namespace zelvo
