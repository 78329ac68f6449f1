#include "editor/core/ZEAnimeEditor.h"

#include <algorithm>
#include <cstdio>

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoMaterialModel.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Cp932.h"
#include "platform/core/Errors.h"

namespace zelvo {

namespace {

int32_t checked(int32_t index, int32_t count) { return index >= 0 && index < count ? index : TZEAnimeEditor::kNone; }

// The index that takes the place of a deleted one: the same, or the one before when it was last.
int32_t successor(int32_t deleted, int32_t countAfter) {
  return countAfter <= 0 ? TZEAnimeEditor::kNone : std::min(deleted, countAfter - 1);
}

// Rounds toward minus infinity, so the grid is the same on both sides of 0.
int32_t floorToGrid(int32_t v, int32_t grid) {
  const int32_t q = v / grid;
  return (q * grid > v ? q - 1 : q) * grid;
}

bool readPositive(const std::string& text, int32_t& value) {
  int32_t v = 0;
  if (!TBitmap32::ParseInteger(text, v) || v < 1) return false;
  value = v;
  return true;
}

}  // namespace

TZEAnimeEditor::TZEAnimeEditor(Clock& clock) : clock_(clock) {}

void TZEAnimeEditor::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  designer_.setZMLZelvoAPI(api_);
  animes_ = api_ ? api_->GetAnimeList() : nullptr;
}

void TZEAnimeEditor::Show() {
  preview_.Stop();
  SelectAnime(kNone);
  if (tree_) {
    tree_->Clear();
    designer_.FillAnimeTree(*tree_, nullptr);
  }
  notify(ZEAnimeChange::Playback | ZEAnimeChange::Lists);
}

void TZEAnimeEditor::notify(uint32_t changes) const {
  if (OnChange) OnChange(changes);
}

// --- animes ---

std::shared_ptr<IZelvoAnimeModel> TZEAnimeEditor::CurrentAnime() const {
  return anime_ != kNone && animes_ && anime_ < animes_->GetCount() ? animes_->GetItem(anime_) : nullptr;
}

std::shared_ptr<IZelvoImageList> TZEAnimeEditor::currentImages() const {
  const auto anime = CurrentAnime();
  return anime ? anime->GetImageList() : nullptr;
}

std::shared_ptr<IZelvoAnimeFrameModel> TZEAnimeEditor::currentFrameModel() const {
  const auto anime = CurrentAnime();
  return anime && frame_ != kNone && frame_ < anime->GetFrameCount() ? anime->GetFrame(frame_) : nullptr;
}

void TZEAnimeEditor::SelectAnime(int32_t index) {
  const auto before = CurrentAnime();
  anime_ = checked(index, animes_ ? animes_->GetCount() : 0);
  image_ = frame_ = imageSelection_ = frameSelection_ = kNone;
  selecting_ = false;
  reloadPictures();
  uint32_t changes = ZEAnimeChange::AnimeSelected | ZEAnimeChange::ImageSelected | ZEAnimeChange::FrameSelected |
                     ZEAnimeChange::Lists | ZEAnimeChange::Preview | ZEAnimeChange::Selection;
  // Playback belongs to the anime that was playing; another one (or none, after a delete) starts still.
  if (preview_.Playing() && CurrentAnime() != before) {
    preview_.Stop();
    changes |= ZEAnimeChange::Playback;
  }
  notify(changes);
}

// The cache holds one reference per picture of the current anime, so deleting one of two
// entries of the same file keeps the file's picture for the other.
void TZEAnimeEditor::reloadPictures() {
  pictures_.Clear();
  const auto images = currentImages();
  for (int32_t i = 0; images && i < images->GetCount(); ++i) loadPicture(images->GetFileName(i));
}

void TZEAnimeEditor::loadPicture(const std::string& fileName) {
  try {
    pictures_.Load(PicturePath(fileName));
  } catch (const EZelvoError&) {
    // A picture that cannot be read is treated as missing: it is simply not cached.
  }
}

int32_t TZEAnimeEditor::animeIndexOf(const IZETreeNode& node) const {
  const auto model = node.GetData().As<IZelvoAnimeModel>();
  for (int32_t i = 0; model && animes_ && i < animes_->GetCount(); ++i)
    if (animes_->GetItem(i) == model) return i;
  return kNone;
}

void TZEAnimeEditor::ClickAnimeNode(IZETreeNode* node) {
  if (!node) {
    if (tree_) tree_->SetSelected(nullptr);
    notify(ZEAnimeChange::Lists);
    return;
  }
  SelectAnime(animeIndexOf(*node));
}

void TZEAnimeEditor::selectAnimeNode(int32_t index) {
  if (tree_) tree_->SetSelected(index != kNone && index < tree_->GetTopLevelCount() ? tree_->GetTopLevel(index) : nullptr);
}

void TZEAnimeEditor::NewAnime() {
  if (!api_ || !animes_ || !api_->GetIDManager()) return;
  auto anime = std::make_shared<TZelvoAnimeModel>(api_->GetIDManager()->NewID());
  animes_->Add(anime);
  if (tree_) {
    IZETreeNode* node = tree_->AddChild(nullptr, anime->GetName());
    node->SetIcon(ZEIcon::Entry);
    node->SetSelectedIcon(ZEIcon::EntrySelected);
    node->SetData(TZETreeNodeData(anime));
    tree_->SetSelected(node);
  }
  SelectAnime(animes_->GetCount() - 1);
}

bool TZEAnimeEditor::CanDeleteAnime() const { return tree_ && tree_->GetSelected(); }

void TZEAnimeEditor::DeleteAnime() {
  IZETreeNode* node = tree_ ? tree_->GetSelected() : nullptr;
  if (!node) return;
  const int32_t place = node->GetParent() ? kNone : node->GetIndex();
  const int32_t index = animeIndexOf(*node);
  if (preview_.Playing() && index == anime_) {
    preview_.Stop();
    notify(ZEAnimeChange::Playback);
  }
  tree_->Delete(node);
  if (index != kNone && animes_) animes_->Delete(index);
  const int32_t next = successor(place != kNone ? place : index, animes_ ? animes_->GetCount() : 0);
  SelectAnime(next);
  selectAnimeNode(next);
  notify(ZEAnimeChange::Lists);
}

// --- pictures ---

std::string TZEAnimeEditor::PicturePath(const std::string& fileName) {
  return GameBaseDir + GameFolder + "Graphics\\" + fileName;
}

std::vector<std::string> TZEAnimeEditor::ImageNames() const {
  std::vector<std::string> names;
  const auto images = currentImages();
  for (int32_t i = 0; images && i < images->GetCount(); ++i) names.push_back(images->GetFileName(i));
  return names;
}

const TBitmap32* TZEAnimeEditor::PictureOf(int32_t imageIndex) const {
  const auto images = currentImages();
  if (!images || imageIndex < 0 || imageIndex >= images->GetCount()) return nullptr;
  const TBitmap32* picture = pictures_.FindByName(PicturePath(images->GetFileName(imageIndex)));
  // A file that is no picture caches as an empty one.
  return picture && picture->Width() > 0 && picture->Height() > 0 ? picture : nullptr;
}

const TBitmap32* TZEAnimeEditor::CurrentPicture() const { return image_ == kNone ? nullptr : PictureOf(image_); }

void TZEAnimeEditor::SelectImage(int32_t index) {
  image_ = PictureOf(index) ? index : kNone;
  selecting_ = false;
  notify(ZEAnimeChange::ImageSelected | ZEAnimeChange::Lists | ZEAnimeChange::Selection);
}

void TZEAnimeEditor::ClickImage(int32_t index) {
  const auto images = currentImages();
  imageSelection_ = checked(index, images ? images->GetCount() : 0);
  if (imageSelection_ == kNone) {
    notify(ZEAnimeChange::Lists);
    return;
  }
  SelectImage(imageSelection_);
}

bool TZEAnimeEditor::AddImage(const std::shared_ptr<IZelvoMaterialModel>& picture) {
  const auto images = currentImages();
  if (!images || !picture || picture->GetKind() != MaterialKind::Picture) return false;
  images->Add(picture);
  loadPicture(picture->GetPath());
  notify(ZEAnimeChange::Lists | ZEAnimeChange::Preview | ZEAnimeChange::FrameSelected);
  return true;
}

bool TZEAnimeEditor::CanDeleteImage() const { return imageSelection_ != kNone; }

void TZEAnimeEditor::DeleteImage() {
  const auto images = currentImages();
  if (!images || imageSelection_ == kNone || imageSelection_ >= images->GetCount()) return;
  const int32_t at = imageSelection_;
  const std::string path = PicturePath(images->GetFileName(at));
  images->Delete(at);
  pictures_.Release(path);
  retargetFrames(at);
  imageSelection_ = successor(at, images->GetCount());
  SelectImage(imageSelection_);
  notify(ZEAnimeChange::Preview | ZEAnimeChange::FrameSelected);
}

void TZEAnimeEditor::retargetFrames(int32_t deletedImage) {
  const auto anime = CurrentAnime();
  for (int32_t i = 0; anime && i < anime->GetFrameCount(); ++i) {
    const auto frame = anime->GetFrame(i);
    const int32_t index = frame->GetImageIndex();
    if (index == deletedImage) frame->SetImageIndex(kNone);
    else if (index > deletedImage) frame->SetImageIndex(index - 1);
  }
}

// --- the selection on the picture ---

void TZEAnimeEditor::SetImageGrid(int32_t choice) {
  if (choice >= 0 && choice < kGridChoiceCount) imageGrid_ = kGridSizes[choice];
}

void TZEAnimeEditor::SetFrameGrid(int32_t choice) {
  if (choice >= 0 && choice < kGridChoiceCount) frameGrid_ = kGridSizes[choice];
}

TPoint TZEAnimeEditor::snap(int32_t x, int32_t y, int32_t grid) const {
  return {floorToGrid(x, grid), floorToGrid(y, grid)};
}

void TZEAnimeEditor::ImageMouseDown(TQonMouseButton button, int32_t x, int32_t y) {
  const TBitmap32* picture = CurrentPicture();
  if (!picture) return;
  x = std::clamp(x, 0, picture->Width() - 1);
  y = std::clamp(y, 0, picture->Height() - 1);
  if (button == mbLeft) {
    selecting_ = !selecting_;
    if (selecting_) {
      savedSelection_ = selection_;
      anchor_ = snap(x, y, imageGrid_);
    }
  } else if (button == mbRight && selecting_) {
    selection_ = savedSelection_;
    selecting_ = false;
    notify(ZEAnimeChange::Selection);
  }
}

void TZEAnimeEditor::ImageMouseMove(int32_t x, int32_t y) {
  const TBitmap32* picture = CurrentPicture();
  if (!picture || !selecting_) return;
  const TPoint to = snap(std::clamp(x, 0, picture->Width() - 1), std::clamp(y, 0, picture->Height() - 1), imageGrid_);
  TRect spanned = TRectNormalize(TRect{anchor_.X, anchor_.Y, to.X, to.Y});
  spanned.Right += imageGrid_;
  spanned.Bottom += imageGrid_;
  selection_ = spanned;
  notify(ZEAnimeChange::Selection);
}

// --- frames ---

std::vector<std::string> TZEAnimeEditor::FrameNames() const {
  std::vector<std::string> names;
  const auto anime = CurrentAnime();
  for (int32_t i = 0; anime && i < anime->GetFrameCount(); ++i) names.emplace_back(anime->GetFrame(i)->GetName());
  return names;
}

void TZEAnimeEditor::SelectFrame(int32_t index) {
  const auto anime = CurrentAnime();
  frame_ = checked(index, anime ? anime->GetFrameCount() : 0);
  notify(ZEAnimeChange::FrameSelected | ZEAnimeChange::Lists | ZEAnimeChange::Preview);
}

void TZEAnimeEditor::ClickFrame(int32_t index) {
  const auto anime = CurrentAnime();
  frameSelection_ = checked(index, anime ? anime->GetFrameCount() : 0);
  if (frameSelection_ == kNone) {
    notify(ZEAnimeChange::Lists);
    return;
  }
  SelectFrame(frameSelection_);
}

void TZEAnimeEditor::CreateFrame() {
  const auto anime = CurrentAnime();
  if (!anime || !CanCreateFrame() || !api_ || !api_->GetIDManager()) return;
  auto frame = std::make_shared<TZelvoAnimeFrameModel>(api_->GetIDManager()->NewID());
  frame->SetSourceRect(selection_);
  frame->SetDisplayTime(kNewFrameDisplayTime);
  frame->SetImageIndex(image_);
  anime->InsertFrame(frameSelection_, frame);
  afterFrameInsert(frameSelection_);
  notify(ZEAnimeChange::Lists | ZEAnimeChange::Preview);
}

// Inserting before a frame moves it and every later one down one place.
void TZEAnimeEditor::afterFrameInsert(int32_t at) {
  if (at == kNone) return;
  if (frame_ >= at) ++frame_;
  if (frameSelection_ >= at) ++frameSelection_;
}

void TZEAnimeEditor::UpdateFrame() {
  const auto frame = currentFrameModel();
  if (!frame || !CanUpdateFrame()) return;
  frame->SetSourceRect(selection_);
  notify(ZEAnimeChange::Preview);
}

bool TZEAnimeEditor::CanDeleteFrame() const { return frameSelection_ != kNone; }

void TZEAnimeEditor::DeleteFrame() {
  const auto anime = CurrentAnime();
  if (!anime || frameSelection_ == kNone || frameSelection_ >= anime->GetFrameCount()) return;
  const int32_t at = frameSelection_;
  anime->DeleteFrame(at);
  frameSelection_ = successor(at, anime->GetFrameCount());
  SelectFrame(frameSelection_);
}

void TZEAnimeEditor::FrameMouseDown(TQonMouseButton button, int32_t x, int32_t y) {
  if (button != mbLeft) return;
  const auto frame = currentFrameModel();
  if (!frame) return;
  const TPoint at = snap(x, y, frameGrid_);
  frame->SetOffset(at.X - TZEAnimePreview::kOrigin, at.Y - TZEAnimePreview::kOrigin);
  notify(ZEAnimeChange::Preview | ZEAnimeChange::FrameSelected);
}

void TZEAnimeEditor::FrameMouseMove(TQonShiftState shift, int32_t x, int32_t y) {
  if (shift & ssLeft) FrameMouseDown(mbLeft, x, y);
}

std::string TZEAnimeEditor::InitialOffsetText() { return Cp932::fromUtf8("座標 X=    0 : Y=    0"); }

std::string TZEAnimeEditor::OffsetText() const {
  const auto frame = currentFrameModel();
  if (!frame) return InitialOffsetText();
  if (!PictureOf(frame->GetImageIndex())) return Cp932::fromUtf8("指定された画像が利用できません");
  char numbers[32];
  std::snprintf(numbers, sizeof numbers, "X=%4d Y=%4d", frame->GetOffset().X, frame->GetOffset().Y);
  return Cp932::fromUtf8("座標 ") + numbers;
}

// --- fields ---

std::string TZEAnimeEditor::BaseSpeedText() const {
  const auto anime = CurrentAnime();
  return anime ? std::to_string(anime->GetBaseSpeed()) : std::string();
}

std::string TZEAnimeEditor::DisplayTimeText() const {
  const auto frame = currentFrameModel();
  return frame ? std::to_string(frame->GetDisplayTime()) : std::string();
}

std::string TZEAnimeEditor::MovieText() const {
  const auto anime = CurrentAnime();
  const auto movie = anime ? anime->GetStyle() : nullptr;
  return movie ? std::string(movie->GetPath()) : std::string();
}

bool TZEAnimeEditor::SetDisplayTimeText(const std::string& text) {
  const auto frame = currentFrameModel();
  int32_t ticks = 0;
  if (!frame || !readPositive(text, ticks)) return false;
  frame->SetDisplayTime(ticks);
  notify(ZEAnimeChange::Preview);
  return true;
}

bool TZEAnimeEditor::SetBaseSpeedText(const std::string& text) {
  const auto anime = CurrentAnime();
  int32_t speed = 0;
  if (!anime || !readPositive(text, speed)) return false;
  anime->SetBaseSpeed(speed);
  notify(ZEAnimeChange::Preview);
  return true;
}

// --- playback and preview ---

bool TZEAnimeEditor::TogglePlay() {
  const auto anime = CurrentAnime();
  if (anime && anime->GetFrameCount() > 0 && !preview_.Playing()) preview_.Start(clock_.timeGetTime());
  else preview_.Stop();
  notify(ZEAnimeChange::Playback | ZEAnimeChange::Preview);
  return preview_.Playing();
}

const TBitmap32& TZEAnimeEditor::ComposePreview() {
  const auto anime = CurrentAnime();
  return preview_.Compose(anime.get(), frame_, [this](int32_t index) { return PictureOf(index); },
                          clock_.timeGetTime());
}

}  // namespace zelvo
