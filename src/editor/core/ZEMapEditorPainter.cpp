#include "editor/core/ZEMapEditorPainter.h"

#include <algorithm>
#include <utility>

#include "editor/core/EtcBitmapList.h"
#include "editor/core/PixelLanes.h"
#include "editor/core/ZEChipSetOverlay.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorPictures.h"
#include "editor/core/ZEMapEditorSkin.h"
#include "model/ZelvoActionModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

namespace {

constexpr int32_t kHalf = kChip / 2;
constexpr int32_t kMarker = 16;  // the side of a direction marker in "event.bmp"
constexpr int32_t kMarkerRows = 3;
constexpr TRect kCellArea{0, 0, kChip, kChip};

TRect sized(int64_t x, int64_t y, int64_t w, int64_t h) {
  const auto fit = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  return {fit(x), fit(y), fit(x + w), fit(y + h)};
}

// Opacities are stored as any int32; the picture routines take a byte.
int32_t opacityOf(const IZelvoMapFloorModel& floor) { return std::clamp(floor.GetEditorOpacity(), 0, 255); }

// Nearest-neighbour stretch of a source rectangle over a destination rectangle (paint-box pixels),
// written opaque, only inside clip and the target. Source pixels outside the source are skipped.
void stretchOpaque(Bitmap& target, const TPoint& origin, const TRect& clip, const TRect& dest, const Bitmap& source,
                   const TRect& from) {
  const int64_t dw = TRectWidth(dest), dh = TRectHeight(dest), sw = TRectWidth(from), sh = TRectHeight(from);
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || source.empty()) return;
  const int64_t left = std::max<int64_t>({dest.Left, clip.Left, int64_t(origin.X)});
  const int64_t right = std::min<int64_t>({dest.Right, clip.Right, int64_t(origin.X) + target.width()});
  const int64_t top = std::max<int64_t>({dest.Top, clip.Top, int64_t(origin.Y)});
  const int64_t bottom = std::min<int64_t>({dest.Bottom, clip.Bottom, int64_t(origin.Y) + target.height()});
  if (left >= right || top >= bottom) return;
  for (int64_t y = top; y < bottom; ++y) {
    const int64_t sy = from.Top + (y - dest.Top) * sh / dh;
    if (sy < 0 || sy >= source.height()) continue;
    const auto* in = reinterpret_cast<const uint32_t*>(source.image().constScanLine(int32_t(sy)));
    auto* out = reinterpret_cast<uint32_t*>(target.image().scanLine(int32_t(y - origin.Y)));
    if (sw == dw) {
      // Unzoomed: a straight copy of the row.
      for (int64_t x = left; x < right; ++x) {
        const int64_t sx = from.Left + (x - dest.Left);
        if (sx >= 0 && sx < source.width()) out[x - origin.X] = 0xFF000000u | in[sx];
      }
      continue;
    }
    // The source column advances by sw / dw per pixel, carried in whole steps.
    int64_t sx = from.Left + (left - dest.Left) * sw / dw;
    int64_t rest = (left - dest.Left) * sw % dw;
    for (int64_t x = left; x < right; ++x) {
      if (sx >= 0 && sx < source.width()) out[x - origin.X] = 0xFF000000u | in[sx];
      for (rest += sw; rest >= dw; rest -= dw) ++sx;
    }
  }
}

// The part of clip that lies on the target, in paint-box pixels; empty when none.
TRect onTarget(const Bitmap& target, const TPoint& origin, const TRect& clip) {
  return TRectClip(clip, TRectOffset({0, 0, target.width(), target.height()}, origin.X, origin.Y));
}

void frameOpaque(Bitmap& target, const TPoint& origin, const TRect& clip, const TRect& frame, uint32_t argb) {
  const TRect area = onTarget(target, origin, clip);
  const auto put = [&](int32_t x, int32_t y) {
    if (x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom) target.setPixel(x - origin.X, y - origin.Y, argb);
  };
  for (int32_t x = frame.Left; x < frame.Right; ++x) put(x, frame.Top), put(x, frame.Bottom - 1);
  for (int32_t y = frame.Top; y < frame.Bottom; ++y) put(frame.Left, y), put(frame.Right - 1, y);
}

int32_t zoomed(int64_t size, int32_t power) {
  if (size <= 0) return 0;
  return int32_t(std::clamp<int64_t>(size * power / 16, 1, INT32_MAX));
}

}  // namespace

// One picture piece placed in map pixels: drawn part by part into the cells it covers. With no
// picture it is the dark shade under an event.
struct TZEMapEditorPainter::Piece {
  TRect place;
  const TBitmap32* picture = nullptr;
  TPoint source{0, 0};
  int32_t alpha = 255;
};

struct TZEMapEditorPainter::Scene {
  struct ChipSet {
    int32_t id;
    std::shared_ptr<IZelvoMapChipSetModel> model;
    const TBitmap32* picture;
    int32_t width, height;  // in chips; nothing changes them during a paint
  };
  struct Layer {
    std::shared_ptr<IZelvoMapFloorModel> floor;
    int32_t opacity = 255;
    bool isPicture = false;
    const TBitmap32* picture = nullptr;
    int32_t pictureWidth = 0, pictureHeight = 0;
  };

  std::shared_ptr<IZelvoMapModel> map;
  std::vector<ChipSet> chipSets;
  std::vector<Layer> layers;
  std::shared_ptr<IZelvoMapFloorModel> current;
  int32_t currentLayer = -1;  // the current layer's place in layers; -1 when it is none of them
  int32_t mode = 0;
  std::vector<Piece> pieces;

  const ChipSet* Find(int32_t id) const {
    for (const ChipSet& c : chipSets)
      if (c.id == id) return &c;
    return nullptr;
  }
  // The cell's chip set when it is one of the map's and holds the cell's chip.
  const ChipSet* ChipOf(const TZelvoMapCell& cell) const {
    const ChipSet* c = Find(cell.ChipSetID);
    return c && cell.Column < c->width && cell.Row < c->height ? c : nullptr;
  }
};

TZEMapEditorPainter::TZEMapEditorPainter(const TZEMapEditor& engine, const TZEMapEditorSkin& skin,
                                         TZEMapEditorPictures& pictures)
    : engine_(engine), skin_(skin), pictures_(pictures) {
  work_.SetSize(kChip, kChip, 32);
}

TZEMapEditorPainter::~TZEMapEditorPainter() = default;

uint32_t TZEMapEditorPainter::HeightColor(int32_t h) {
  const auto argb = [](int32_t r, int32_t g, int32_t b) { return TBitmap32::MakeARGB(r, g, b, 0xAA); };
  if (h >= -15 && h <= -8) return argb(0, (h + 15) * 32, 255);
  if (h >= -7 && h <= -1) return argb(0, 255, -h * 32);
  if (h >= 0 && h <= 7) return argb(h * 32, 255, 0);
  if (h >= 8 && h <= 15) return argb(255, (15 - h) * 32, 0);
  return 0;
}

TRect TZEMapEditorPainter::CellsUnder(const TRect& clip, int32_t power, int32_t mapWidth, int32_t mapHeight) {
  const TRect none{0, 0, -1, -1};
  if (power <= 0 || mapWidth <= 0 || mapHeight <= 0) return none;
  const int64_t step = int64_t(kChip) * power / 16;
  if (step <= 0 || clip.Right <= 0 || clip.Bottom <= 0 || clip.Left >= clip.Right || clip.Top >= clip.Bottom)
    return none;
  const auto first = [&](int32_t v) { return int32_t(std::max<int64_t>(v, 0) / step); };
  const auto last = [&](int32_t v, int32_t size) { return int32_t(std::min<int64_t>((int64_t(v) - 1) / step, size - 1)); };
  TRect cells{first(clip.Left), first(clip.Top), last(clip.Right, mapWidth), last(clip.Bottom, mapHeight)};
  if (cells.Left > cells.Right || cells.Top > cells.Bottom) return none;
  return cells;
}

int32_t TZEMapEditorPainter::MoveGraphFlags(int32_t x, int32_t y) const {
  auto layer = engine_.GetCurrentLayer();
  if (!layer) return 0;
  const int32_t index = engine_.GetLayerIndex();
  int32_t flags = 0;
  for (int32_t d = 0; d < 4; ++d) {
    const int32_t bit = 1 << d;
    const int32_t reached = layer->GetStepFloor(x, y, d);
    if (reached == -1) continue;
    flags += reached == index ? bit : reached > index ? bit * 16 : bit * 256;
  }
  return flags;
}

// ---- the scene: what every cell of one paint shares ----

std::unique_ptr<TZEMapEditorPainter::Scene> TZEMapEditorPainter::MakeScene() {
  auto scene = std::make_unique<Scene>();
  scene->map = engine_.GetCurrentMap();
  scene->mode = engine_.GetMode();
  if (!scene->map) return scene;
  const auto& list = engine_.GetBitmapList();
  if (auto ids = scene->map->GetChipSetIDList()) {
    for (int32_t i = 0; i < ids->GetCount(); ++i) {
      auto chipSet = ids->GetChipSet(i);
      if (!chipSet) continue;
      scene->chipSets.push_back({chipSet->GetID(), chipSet, list ? list->FindByID(chipSet->GetID()) : nullptr,
                                 chipSet->GetWidth(), chipSet->GetHeight()});
    }
  }
  for (int32_t i = 0; i < scene->map->GetFloorCount(); ++i) {
    Scene::Layer layer;
    layer.floor = scene->map->GetFloor(i);
    if (!layer.floor) continue;
    layer.opacity = opacityOf(*layer.floor);
    auto picture = layer.floor->GetPicture();
    if (picture && picture->GetEnabled()) {
      layer.isPicture = true;
      layer.picture = pictures_.LayerPicture(*picture);
      layer.pictureWidth = picture->GetWidth();
      layer.pictureHeight = picture->GetHeight();
    }
    scene->layers.push_back(std::move(layer));
  }
  scene->current = engine_.GetCurrentLayer();
  for (size_t i = 0; i < scene->layers.size(); ++i)
    if (scene->layers[i].floor == scene->current) scene->currentLayer = int32_t(i);
  if (scene->mode == TZEMapEditor::ModeEvent) {
    AddStartMarker(*scene);
    AddEventPieces(*scene);
  }
  return scene;
}

void TZEMapEditorPainter::AddStartMarker(Scene& scene) const {
  const auto& tree = engine_.GetMapTree();
  if (!tree || !engine_.GetMap() || tree->GetStartNode() != engine_.GetMap()) return;
  const TPoint at = tree->GetStartPosition();
  const bool onLayer = scene.current && tree->GetStartFloorID() == scene.current->GetID();
  scene.pieces.push_back({sized(at.X, at.Y, kChip, kChip), &skin_.Start, {0, 0}, onLayer ? 255 : kOtherLayerStartAlpha});
}

void TZEMapEditorPainter::AddEventPieces(Scene& scene) {
  auto positions = scene.map->GetEventPositionList();
  if (!positions) return;
  for (int32_t i = 0; i < positions->GetCount(); ++i) {
    auto position = positions->GetItem(i);
    if (!position) continue;
    const int32_t alpha = scene.current && position->GetFloorID() == scene.current->GetID() ? 255 : kOtherLayerEventAlpha;
    int64_t width = kChip, height = kChip, row = 0;
    const TBitmap32* picture = nullptr;
    auto event = position->GetEvent();
    auto action = event && event->GetCount() > 0 ? event->GetItem(0) : nullptr;
    if (auto animation = action ? action->GetDAnimation() : nullptr) {
      width = animation->GetWidth();
      height = animation->GetHeight();
      row = animation->GetDirectionIndex(position->GetDirection());
      // A direction the animation does not have has no row to show.
      auto material = action->GetMaterial();
      if (material && row >= 0) picture = pictures_.EventPicture(*material);
    }
    const TRect place = sized(position->GetX(), position->GetY(), width, height);
    scene.pieces.push_back({place, nullptr, {0, 0}, alpha});
    if (picture && row * height <= INT32_MAX) scene.pieces.push_back({place, picture, {0, int32_t(row * height)}, alpha});
    const int32_t direction = position->GetDirection();
    if (direction >= 0) {
      const int64_t glyphY = int64_t(kMarker) * (direction / 8 + kMarkerRows);
      if (glyphY <= INT32_MAX)
        scene.pieces.push_back({sized(position->GetX(), position->GetY(), kMarker, kMarker), &skin_.Event,
                                {kMarker * (direction % 8), int32_t(glyphY)}, alpha});
    }
  }
}

// ---- composing one cell ----

const TBitmap32& TZEMapEditorPainter::ComposeCell(int32_t x, int32_t y) {
  const auto scene = MakeScene();
  std::vector<const Piece*> pieces;
  for (const Piece& piece : scene->pieces) pieces.push_back(&piece);
  Compose(*scene, pieces, x, y);
  return work_;
}

void TZEMapEditorPainter::Compose(const Scene& scene, const std::vector<const Piece*>& pieces, int32_t x, int32_t y) {
  ComposeBase(scene, x, y);
  ComposeTop(scene, CurrentOverlay(scene, x, y), pieces, x, y);
}

// The layers, veiled outside the chip mode: what cells with the same chips share in every mode.
void TZEMapEditorPainter::ComposeBase(const Scene& scene, int32_t x, int32_t y) {
  // The background's keyed pixels show this, not whatever the previous cell left.
  work_.GetBitmap().fill(0xFF000000u);
  work_.CopyDraw(kCellArea, skin_.Empty, kCellArea, kEmptyKey);
  DrawLayers(scene, x, y);
  if (scene.mode != TZEMapEditor::ModeChip) work_.FillRect(kCellArea, kVeil);
}

void TZEMapEditorPainter::ComposeTop(const Scene& scene, const Overlay& overlay, const std::vector<const Piece*>& pieces,
                                     int32_t x, int32_t y) {
  DrawOverlay(scene, overlay);
  if (scene.mode == TZEMapEditor::ModeEvent) DrawEventMode(pieces, x, y);
}

void TZEMapEditorPainter::DrawLayers(const Scene& scene, int32_t x, int32_t y) {
  for (const Scene::Layer& layer : scene.layers) {
    if (layer.isPicture) {
      if (layer.picture && x < layer.pictureWidth && y < layer.pictureHeight)
        work_.Draw(kCellArea, *layer.picture, sized(int64_t(x) * kChip, int64_t(y) * kChip, kChip, kChip), layer.opacity);
      continue;
    }
    const TZelvoMapCell cell = layer.floor->GetCell(x, y);
    const Scene::ChipSet* chipSet = scene.ChipOf(cell);
    if (!chipSet) continue;
    if (chipSet->picture)
      work_.Draw(kCellArea, *chipSet->picture, sized(cell.Column * kChip, cell.Row * kChip, kChip, kChip), layer.opacity);
    else
      work_.FillRect(kCellArea, uint32_t(layer.opacity) << 24);
  }
}

TZEMapEditorPainter::Overlay TZEMapEditorPainter::CurrentOverlay(const Scene& scene, int32_t x, int32_t y) const {
  return scene.currentLayer < 0 ? Overlay{} : OverlayOf(scene, scene.current->GetCell(x, y), x, y);
}

// What the mode's overlay shows for a cell of the current layer: nothing unless the layer's chip
// there is usable; otherwise the value shown and whether it is the cell's own or the chip's.
TZEMapEditorPainter::Overlay TZEMapEditorPainter::OverlayOf(const Scene& scene, const TZelvoMapCell& cell, int32_t x,
                                                             int32_t y) const {
  if (scene.mode == TZEMapEditor::ModeChip || scene.mode == TZEMapEditor::ModeEvent) return {};
  const Scene::ChipSet* chipSet = scene.ChipOf(cell);
  if (!chipSet) return {};
  const auto chip = [&] { return chipSet->model->GetChip(cell.Column, cell.Row); };
  switch (scene.mode) {
    case TZEMapEditor::ModeHeight:
      if (cell.Height != TZelvoMapCell::kChipHeight) return {true, true, cell.Height};
      return {true, false, chip().Height};
    case TZEMapEditor::ModeEncounter:
      if (cell.Encounter != TZelvoMapCell::kChipValue) return {true, true, cell.Encounter};
      return {true, false, chip().EncounterRate};
    case TZEMapEditor::ModePassability:
      if (cell.Passability != TZelvoMapCell::kChipValue) return {true, true, cell.Passability};
      return {true, false, chip().Passability};
    case TZEMapEditor::ModeMoveGraph: return {true, false, MoveGraphFlags(x, y)};
    case TZEMapEditor::ModeGroundType:
      if (cell.GroundKind != TZelvoMapCell::kChipValue) return {true, true, cell.GroundKind};
      return {true, false, chip().GroundKind};
    default: return {};
  }
}

void TZEMapEditorPainter::DrawOverlay(const Scene& scene, const Overlay& overlay) {
  if (!overlay.shown) return;
  switch (scene.mode) {
    case TZEMapEditor::ModeHeight:
      work_.FillRect(kCellArea, HeightColor(overlay.value));
      work_.DrawNumber(overlay.value, kNumberX, kNumberY, overlay.own ? 1 : 0, skin_.Digits);
      break;
    case TZEMapEditor::ModeEncounter:
      work_.DrawNumber(overlay.value, kNumberX, kNumberY, overlay.own ? 1 : 0, skin_.Digits);
      break;
    case TZEMapEditor::ModePassability: DrawPassability(overlay.value, overlay.own ? kEditorGlyphs : 0); break;
    case TZEMapEditor::ModeMoveGraph: DrawMoveGraph(overlay.value); break;
    case TZEMapEditor::ModeGroundType:
      DrawGroundType(overlay.value, overlay.own ? kOwnGroundShade : kChipGroundShade);
      break;
    default: break;
  }
}

void TZEMapEditorPainter::DrawGlyph(const TRect& source, int32_t atX, int32_t atY) {
  work_.BlendDraw(TRectPlaceAt({atX, atY}, source), skin_.Traffic, source);
}

// Only the four direction bits mean anything; other bits of a stored value are not shown.
void TZEMapEditorPainter::DrawPassability(int32_t bits, int32_t offset) {
  bits &= TZEChipSetOverlay::kAllWays;
  if (bits == 0) DrawGlyph({offset + 96, 0, offset + 96 + kChip, kChip}, 0, 0);
  else if (bits == TZEChipSetOverlay::kAllWays) DrawGlyph({offset, 0, offset + kChip, kChip}, 0, 0);
  else DrawHalves(bits, offset + kChip);
}

void TZEMapEditorPainter::DrawMoveGraph(int32_t flags) {
  if (flags == 0) return DrawGlyph({96, 0, 96 + kChip, kChip}, 0, 0);
  if (flags == 15) return DrawGlyph({0, 0, kChip, kChip}, 0, 0);
  DrawHalves(flags & 15, kChip);
  DrawHalves(flags >> 4 & 15, kHigherGlyphs);
  DrawHalves(flags >> 8 & 15, kLowerGlyphs);
}

// Half glyphs from the column at glyphs: up and down are 32 x 16 one above the other, then left
// and right 16 x 32 side by side.
void TZEMapEditorPainter::DrawHalves(int32_t bits, int32_t glyphs) {
  if (bits & PassBits::Up) DrawGlyph({glyphs, 0, glyphs + kChip, kHalf}, 0, 0);
  if (bits & PassBits::Down) DrawGlyph({glyphs, kHalf, glyphs + kChip, kChip}, 0, kHalf);
  if (bits & PassBits::Left) DrawGlyph({glyphs + kChip, 0, glyphs + kChip + kHalf, kChip}, 0, 0);
  if (bits & PassBits::Right) DrawGlyph({glyphs + kChip + kHalf, 0, glyphs + 2 * kChip, kChip}, kHalf, 0);
}

void TZEMapEditorPainter::DrawGroundType(int32_t kind, uint32_t shade) {
  work_.FillRect(kCellArea, shade);
  const TRect source = sized(int64_t(kind) * kHalf, 0, kHalf, kHalf);
  work_.CopyDraw(TRectPlaceAt({kGlyphAt, kGlyphAt}, source), skin_.GroundType, source, kGlyphKey);
}

void TZEMapEditorPainter::DrawEventMode(const std::vector<const Piece*>& pieces, int32_t x, int32_t y) {
  if (GridVisible && EventGrid > 0) {
    Bitmap& b = work_.GetBitmap();
    for (int32_t at = 0; at < kChip; at += EventGrid)
      for (int32_t i = 0; i < kChip; ++i) b.setPixel(i, at, kGridColor), b.setPixel(at, i, kGridColor);
  }
  const TRect cell = sized(int64_t(x) * kChip, int64_t(y) * kChip, kChip, kChip);
  for (const Piece* piece : pieces) DrawPiece(*piece, cell);
}

void TZEMapEditorPainter::DrawPiece(const Piece& piece, const TRect& cell) {
  const TRect overlap = TRectClip(piece.place, cell);
  if (TRectWidth(overlap) <= 0) return;
  const TRect dest = TRectOffset(overlap, -cell.Left, -cell.Top);
  if (!piece.picture) return work_.FillRect(dest, kEventShade);
  const TRect source = TRectOffset(overlap, piece.source.X - piece.place.Left, piece.source.Y - piece.place.Top);
  work_.Draw(dest, *piece.picture, source, piece.alpha);
}

// ---- onto the canvas ----

void TZEMapEditorPainter::InvalidateTiles() {
  ++generation_;
  tiles_.Clear();
  bases_.Clear();
}

// A picture layer shows another piece in every cell, so its cells are composed one by one.
bool TZEMapEditorPainter::TilesFit(const Scene& scene, int64_t step) const {
  if (step <= 0 || step > TZEMapEditorTiles::kMaxStep) return false;
  if (scene.layers.size() > size_t(TZEMapEditorTiles::kMaxLayers)) return false;
  for (const Scene::Layer& layer : scene.layers)
    if (layer.isPicture) return false;
  return true;
}

// Everything besides the cells' chips that a tile is made from.
std::vector<uint64_t> TZEMapEditorPainter::SceneKey(const Scene& scene, int32_t power, int32_t mode) const {
  const auto address = [](const void* p) { return uint64_t(reinterpret_cast<uintptr_t>(p)); };
  std::vector<uint64_t> key{generation_, uint64_t(uint32_t(power)), uint64_t(uint32_t(mode < 0 ? scene.mode : mode)),
                            uint64_t(GridVisible), uint64_t(uint32_t(EventGrid))};
  for (const TBitmap32* sheet : {&skin_.Empty, &skin_.Traffic, &skin_.GroundType, &skin_.Digits}) {
    key.push_back(address(sheet));
    key.push_back(uint64_t(uint32_t(sheet->Width())) << 32 | uint32_t(sheet->Height()));
  }
  for (const Scene::Layer& layer : scene.layers) key.push_back(uint64_t(uint32_t(layer.opacity)));
  for (const Scene::ChipSet& c : scene.chipSets) {
    key.push_back(uint64_t(uint32_t(c.id)) << 32 | uint32_t(c.model->GetWidth()));
    key.push_back(uint64_t(uint32_t(c.model->GetHeight())) << 32 | (c.picture ? 1u : 0u));
    key.push_back(address(c.picture));
    if (c.picture) key.push_back(uint64_t(uint32_t(c.picture->Width())) << 32 | uint32_t(c.picture->Height()));
  }
  return key;
}

TZEMapEditorTiles::Key TZEMapEditorPainter::CellKey(const Scene& scene, int32_t x, int32_t y, Overlay& overlay) const {
  TZEMapEditorTiles::Key key;
  TZelvoMapCell current;
  for (size_t i = 0; i < scene.layers.size(); ++i) {
    const TZelvoMapCell cell = scene.layers[i].floor->GetCell(x, y);
    if (int32_t(i) == scene.currentLayer) current = cell;
    // Only a drawable chip shows; every other cell of a layer draws nothing.
    key.layers[size_t(key.count++)] = scene.ChipOf(cell) ? uint64_t(uint32_t(cell.ChipSetID)) << 32 |
                                                              uint64_t(cell.Column) << 16 | cell.Row
                                                        : ~0ull;
  }
  // The overlay is drawn from exactly these: whether it shows, whose value it is, the value.
  overlay = scene.currentLayer < 0 ? Overlay{} : OverlayOf(scene, current, x, y);
  if (overlay.shown) key.overlay = uint64_t(1) << 40 | uint64_t(overlay.own) << 32 | uint32_t(overlay.value);
  return key;
}

namespace {

using lanes::blend;
using lanes::fill;

// The target's pixels, addressed in paint-box pixels.
struct Surface {
  uint32_t* bits;
  size_t stride;
  TPoint origin;
  uint32_t* Row(int32_t y) const { return bits + size_t(y - origin.Y) * stride - origin.X; }
};

// A cell at the zoom on the target: its place in paint-box pixels and the part of it to write.
struct ZoomedCell {
  const Surface& surface;
  TRect place;  // step x step
  TRect drawn;  // place clipped to the clip and the target
  int32_t step;
};

void copyTile(const ZoomedCell& cell, const uint32_t* tile) {
  const int32_t w = TRectWidth(cell.drawn);
  for (int32_t y = cell.drawn.Top; y < cell.drawn.Bottom; ++y) {
    const uint32_t* in = tile + size_t(y - cell.place.Top) * size_t(cell.step) + size_t(cell.drawn.Left - cell.place.Left);
    std::copy(in, in + w, cell.surface.Row(y) + cell.drawn.Left);
  }
}

// The work picture's pixels row after row, or pixels laid out so into it.
void copyWork(const Bitmap& work, uint32_t* to) {
  for (int32_t y = 0; y < kChip; ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(work.image().constScanLine(y));
    std::copy(in, in + kChip, to + size_t(y) * kChip);
  }
}

void copyIntoWork(const uint32_t* from, Bitmap& work) {
  for (int32_t y = 0; y < kChip; ++y) {
    const uint32_t* in = from + size_t(y) * kChip;
    std::copy(in, in + kChip, reinterpret_cast<uint32_t*>(work.image().scanLine(y)));
  }
}

}  // namespace

const uint32_t* TZEMapEditorPainter::TileOf(const Scene& scene, int32_t x, int32_t y, int32_t step) {
  Overlay overlay;
  const TZEMapEditorTiles::Key key = CellKey(scene, x, y, overlay);
  if (const uint32_t* tile = tiles_.Find(key)) return tile;
  Bitmap& work = work_.GetBitmap();
  if (!key.overlay) {
    Compose(scene, {}, x, y);
  } else {
    // The overlay modes show many values over few chip stacks: the stack is composed once.
    TZEMapEditorTiles::Key stack = key;
    stack.overlay = 0;
    if (const uint32_t* base = bases_.Find(stack)) {
      copyIntoWork(base, work);
    } else {
      ComposeBase(scene, x, y);
      copyWork(work, bases_.Add(stack));
    }
    ComposeTop(scene, overlay, {}, x, y);
  }
  uint32_t* tile = tiles_.Add(key);
  if (int32_t(sampled_.size()) != step) {
    sampled_.resize(size_t(step));
    for (int32_t i = 0; i < step; ++i) sampled_[size_t(i)] = i * kChip / step;
  }
  for (int32_t j = 0; j < step; ++j) {
    uint32_t* out = tile + size_t(j) * size_t(step);
    // Zoomed in, neighbouring rows sample the same work row.
    if (j > 0 && sampled_[size_t(j)] == sampled_[size_t(j - 1)]) {
      std::copy(out - step, out, out);
      continue;
    }
    const auto* in = reinterpret_cast<const uint32_t*>(std::as_const(work).image().constScanLine(sampled_[size_t(j)]));
    for (int32_t i = 0; i < step; ++i) out[i] = 0xFF000000u | in[sampled_[size_t(i)]];
  }
  return tile;
}

// A piece as DrawPiece would draw it into the cell's work picture, but onto the zoomed cell: each
// target pixel takes the work pixel its stretch samples.
void TZEMapEditorPainter::DrawZoomedPiece(const void* zoomed, const Piece& piece, const TRect& cellArea) {
  const ZoomedCell& cell = *static_cast<const ZoomedCell*>(zoomed);
  const TRect overlap = TRectClip(piece.place, cellArea);
  if (TRectWidth(overlap) <= 0 || TRectHeight(overlap) <= 0) return;
  const TRect dest = TRectOffset(overlap, -cellArea.Left, -cellArea.Top);
  const Bitmap* picture = piece.picture ? &piece.picture->GetBitmap() : nullptr;
  if (piece.picture && piece.picture->Depth() != 32) return;
  const int64_t offsetX = int64_t(piece.source.X) - piece.place.Left + cellArea.Left;
  const int64_t offsetY = int64_t(piece.source.Y) - piece.place.Top + cellArea.Top;
  for (int32_t y = cell.drawn.Top; y < cell.drawn.Bottom; ++y) {
    const int32_t v = int32_t(int64_t(y - cell.place.Top) * kChip / cell.step);
    if (v < dest.Top || v >= dest.Bottom) continue;
    const int64_t sy = offsetY + v;
    if (picture && (sy < 0 || sy >= picture->height())) continue;
    const auto* in = picture ? reinterpret_cast<const uint32_t*>(picture->image().constScanLine(int32_t(sy))) : nullptr;
    uint32_t* out = cell.surface.Row(y);
    for (int32_t x = cell.drawn.Left; x < cell.drawn.Right; ++x) {
      const int32_t u = int32_t(int64_t(x - cell.place.Left) * kChip / cell.step);
      if (u < dest.Left || u >= dest.Right) continue;
      if (!in) {
        out[x] = 0xFF000000u | fill(out[x], kEventShade);
        continue;
      }
      const int64_t sx = offsetX + u;
      if (sx < 0 || sx >= picture->width()) continue;
      const uint32_t s = in[sx];
      const uint32_t a = piece.alpha >= 255 ? s >> 24 : (s >> 24) * uint32_t(std::clamp(piece.alpha, 0, 255)) >> 8;
      out[x] = 0xFF000000u | blend(s, out[x], a);
    }
  }
}

void TZEMapEditorPainter::PaintCanvas(Bitmap& target, const TPoint& origin, const TRect& clip, int32_t power) {
  const auto scene = MakeScene();
  if (!scene->map) return;
  const TRect cells = CellsUnder(clip, power, scene->map->GetWidth(), scene->map->GetHeight());
  const int64_t step = int64_t(kChip) * power / 16;
  const bool tiled = TilesFit(*scene, step);
  if (tiled) {
    tiles_.Prepare(SceneKey(*scene, power), int32_t(step));
    // The stacks do not depend on the zoom or on which overlay is shown.
    bases_.Prepare(SceneKey(*scene, 0, TZEMapEditor::ModeHeight), kChip);
  }
  const TRect area = onTarget(target, origin, clip);
  const Surface surface{TRectWidth(area) > 0 ? reinterpret_cast<uint32_t*>(target.image().bits()) : nullptr,
                        size_t(target.image().bytesPerLine()) / sizeof(uint32_t), origin};
  std::vector<const Piece*> pieces;
  for (int32_t y = cells.Top; y <= cells.Bottom; ++y) {
    // Only the markers that reach into this row of cells are tried on its cells.
    pieces.clear();
    const TRect row = sized(int64_t(cells.Left) * kChip, int64_t(y) * kChip, int64_t(TRectWidth(cells) + 1) * kChip, kChip);
    for (const Piece& piece : scene->pieces)
      if (TRectWidth(TRectClip(piece.place, row)) > 0) pieces.push_back(&piece);
    for (int32_t x = cells.Left; x <= cells.Right; ++x) {
      const TRect place = sized(x * step, y * step, step, step);
      if (!tiled) {
        Compose(*scene, pieces, x, y);
        stretchOpaque(target, origin, clip, place, work_.GetBitmap(), kCellArea);
        continue;
      }
      const ZoomedCell zoomed{surface, place, TRectClip(place, area), int32_t(step)};
      if (TRectWidth(zoomed.drawn) <= 0 || TRectHeight(zoomed.drawn) <= 0) continue;
      copyTile(zoomed, TileOf(*scene, x, y, int32_t(step)));
      const TRect cellArea = sized(int64_t(x) * kChip, int64_t(y) * kChip, kChip, kChip);
      for (const Piece* piece : pieces) DrawZoomedPiece(&zoomed, *piece, cellArea);
    }
  }
}

void TZEMapEditorPainter::PaintPalette(Bitmap& target, const TPoint& origin, const TRect& clip, int32_t power) const {
  const auto& chipSet = engine_.GetChipSet();
  if (!chipSet || power <= 0) return;
  const auto& list = engine_.GetBitmapList();
  const TBitmap32* picture = list ? list->FindByID(chipSet->GetID()) : nullptr;
  if (picture) {
    const TRect area{0, 0, zoomed(int64_t(chipSet->GetWidth()) * kChip, power),
                     zoomed(int64_t(chipSet->GetHeight()) * kChip, power)};
    stretchOpaque(target, origin, clip, area, picture->GetBitmap(), {0, 0, picture->Width(), picture->Height()});
  } else {
    const TRect area = onTarget(target, origin, clip);
    for (int32_t y = area.Top; y < area.Bottom; ++y)
      for (int32_t x = area.Left; x < area.Right; ++x) target.setPixel(x - origin.X, y - origin.Y, 0xFF000000u);
  }
  if (!engine_.PenOnChipSet()) return;
  const TZelvoMapCell pen = engine_.GetPen();
  frameOpaque(target, origin, clip, TRectScale16(sized(pen.Column * kChip, pen.Row * kChip, kChip, kChip), power),
              0xFF000000u);
}

}  // namespace zelvo
