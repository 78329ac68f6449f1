#pragma once
// The rules of the animation editor without its widgets: which anime, picture and frame are
// current, what each command and field does to the animes of the open game, the selection
// dragged out on a picture, the offsets dragged in the frame view, and the timed preview.
// The window shows this state and reports every change it is told of through OnChange.
//
// Indexes handed in are checked: one outside its list means "none". Strings are CP932.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/core/EtcBitmapList.h"
#include "editor/core/QonScrollBoxGeometry.h"
#include "editor/core/ZEAnimePreview.h"
#include "editor/core/ZETreeDesigner.h"
#include "platform/core/Clock.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoAnimeModel;
class IZelvoAnimeModelList;
class IZelvoAnimeFrameModel;
class IZelvoImageList;
class IZelvoMaterialModel;

// What changed, as flags of OnChange.
namespace ZEAnimeChange {
inline constexpr uint32_t AnimeSelected = 1;  // lists, fields and both views start afresh
inline constexpr uint32_t ImageSelected = 2;  // the picture view's size
inline constexpr uint32_t FrameSelected = 4;  // the display-time field and the offset label
inline constexpr uint32_t Lists = 8;          // items, selections or enabled commands
inline constexpr uint32_t Preview = 16;       // the frame view needs a repaint
inline constexpr uint32_t Selection = 32;     // the picture view needs a repaint
inline constexpr uint32_t Playback = 64;      // playing started or stopped
}  // namespace ZEAnimeChange

class TZEAnimeEditor {
 public:
  static constexpr int32_t kNone = -1;
  static constexpr int32_t kFrameViewSize = TZEAnimePreview::kSize;
  static constexpr int32_t kNewFrameDisplayTime = 10;
  // The grid choices "1x1", "2x2", "4x4", "8x8", "16x16", "32x32".
  static constexpr int32_t kGridSizes[] = {1, 2, 4, 8, 16, 32};
  static constexpr int32_t kGridChoiceCount = 6;

  explicit TZEAnimeEditor(Clock& clock);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  const TZETreeDesigner& Designer() const { return designer_; }
  // The tree that shows the animes, one top-level node each (not owned; null for none).
  void SetAnimeTree(IZETree* tree) { tree_ = tree; }
  // Showing the window: playback stops, no anime is current, the tree is filled anew.
  void Show();

  // --- animes ---
  void SelectAnime(int32_t index);
  // A click on a node makes its anime current; null (empty space) clears the tree's selection.
  void ClickAnimeNode(IZETreeNode* node);
  // A new anime with a new ID, appended, selected in the tree and made current.
  void NewAnime();
  bool CanDeleteAnime() const;
  // The selected node's anime; then the one at the same place, or the one before the last.
  void DeleteAnime();
  int32_t CurrentAnimeIndex() const { return anime_; }
  std::shared_ptr<IZelvoAnimeModel> CurrentAnime() const;
  std::shared_ptr<IZelvoAnimeModelList> AnimeList() const { return animes_; }

  // --- pictures ---
  std::vector<std::string> ImageNames() const;
  int32_t ImageListSelection() const { return imageSelection_; }
  // Current only when its picture could be loaded.
  void SelectImage(int32_t index);
  // A click on the picture list; kNone (empty space) only clears the list's selection.
  void ClickImage(int32_t index);
  int32_t CurrentImageIndex() const { return image_; }
  const TBitmap32* CurrentPicture() const;
  bool CanAddImage() const { return anime_ != kNone; }
  // A picture material (kind 1001) appended to the current anime; anything else is refused.
  bool AddImage(const std::shared_ptr<IZelvoMaterialModel>& picture);
  bool CanDeleteImage() const;
  // The selected picture. Frames keep showing the pictures they showed: frames on a later
  // picture move down one index, frames on the deleted one are left with none (-1).
  void DeleteImage();
  // GameBaseDir + GameFolder + "Graphics\" + fileName.
  static std::string PicturePath(const std::string& fileName);
  // The picture of an index of the current anime's image list; null when not available.
  const TBitmap32* PictureOf(int32_t imageIndex) const;
  TEtcBitmapList& Pictures() { return pictures_; }

  // --- the selection on the picture ---
  // A choice index of kGridSizes; others are ignored.
  void SetImageGrid(int32_t choice);
  void SetFrameGrid(int32_t choice);
  int32_t ImageGrid() const { return imageGrid_; }
  int32_t FrameGrid() const { return frameGrid_; }
  // Picture pixels, clamped into the picture. Left toggles selecting; right cancels it.
  void ImageMouseDown(TQonMouseButton button, int32_t x, int32_t y);
  void ImageMouseMove(int32_t x, int32_t y);
  const TRect& Selection() const { return selection_; }
  bool Selecting() const { return selecting_; }

  // --- frames ---
  std::vector<std::string> FrameNames() const;
  int32_t FrameListSelection() const { return frameSelection_; }
  void SelectFrame(int32_t index);
  void ClickFrame(int32_t index);
  int32_t CurrentFrameIndex() const { return frame_; }
  bool CanCreateFrame() const { return image_ != kNone; }
  // Cut from the selection on the current picture, inserted before the selected frame (or
  // appended); the current and the selected frame stay the frames they were.
  void CreateFrame();
  bool CanUpdateFrame() const { return image_ != kNone && frame_ != kNone; }
  void UpdateFrame();
  bool CanDeleteFrame() const;
  // The selected frame; then the one at the same place, or the one before the last.
  void DeleteFrame();
  // Frame-view pixels: a left press or a drag with the left button places the current frame.
  void FrameMouseDown(TQonMouseButton button, int32_t x, int32_t y);
  void FrameMouseMove(TQonShiftState shift, int32_t x, int32_t y);
  // The offset label's text.
  std::string OffsetText() const;
  static std::string InitialOffsetText();

  // --- fields ---
  bool FieldsEnabled() const { return anime_ != kNone; }
  std::string BaseSpeedText() const;
  std::string DisplayTimeText() const;
  std::string MovieText() const;
  // Integers (decimal or "$" hexadecimal) of 1 or more are taken; false when ignored.
  bool SetDisplayTimeText(const std::string& text);
  bool SetBaseSpeedText(const std::string& text);

  // --- playback and preview ---
  // Only a current anime with frames plays; otherwise playing stops. Returns whether it plays.
  bool TogglePlay();
  bool Playing() const { return preview_.Playing(); }
  void SetBackgroundTile(const TBitmap32* tile) { preview_.SetBackgroundTile(tile); }
  // The preview at the clock's time; while playing this moves the playback on.
  const TBitmap32& ComposePreview();
  const TZEAnimePreview& Preview() const { return preview_; }

  std::function<void(uint32_t changes)> OnChange;

 private:
  std::shared_ptr<IZelvoAnimeFrameModel> currentFrameModel() const;
  std::shared_ptr<IZelvoImageList> currentImages() const;
  void loadPicture(const std::string& fileName);
  void reloadPictures();
  int32_t animeIndexOf(const IZETreeNode& node) const;
  void selectAnimeNode(int32_t index);
  void afterFrameInsert(int32_t at);
  void retargetFrames(int32_t deletedImage);
  void notify(uint32_t changes) const;
  TPoint snap(int32_t x, int32_t y, int32_t grid) const;

  Clock& clock_;
  std::shared_ptr<IZMLZelvoAPI> api_;
  std::shared_ptr<IZelvoAnimeModelList> animes_;
  TZETreeDesigner designer_;
  IZETree* tree_ = nullptr;

  int32_t anime_ = kNone;
  int32_t image_ = kNone;
  int32_t frame_ = kNone;
  int32_t imageSelection_ = kNone;
  int32_t frameSelection_ = kNone;

  TRect selection_;
  TRect savedSelection_;
  TPoint anchor_;
  bool selecting_ = false;
  int32_t frameGrid_ = 1;
  int32_t imageGrid_ = 1;

  TEtcBitmapList pictures_;
  TZEAnimePreview preview_;
};

}  // namespace zelvo
