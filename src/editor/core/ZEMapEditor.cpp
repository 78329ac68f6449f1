#include "editor/core/ZEMapEditor.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "editor/core/EtcBitmapList.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "platform/core/TrueModulo.h"
#include "platform/gui/MessageBox.h"

namespace zelvo {

namespace {

const char* const kUndoRefused = "メモリが足りないため、この編集はできません。";

// Piece number and neighbour mask of every piece of the coast block (piece 12 is unused).
struct CoastEntry {
  int32_t piece;
  int32_t mask;
};
constexpr CoastEntry kCoastPieces[] = {
    {0, 0},    {1, 36},   {2, 129},  {3, 1},    {4, 7},    {5, 4},    {6, 5},    {7, 253},  {8, 247},  {9, 239},
    {10, 165}, {11, 41},  {13, 148}, {14, 189}, {15, 191}, {16, 33},  {17, 231}, {18, 132}, {19, 32},  {20, 224},
    {21, 128}, {22, 160}, {23, 255}, {24, 164}, {25, 161}, {26, 228}, {27, 225}, {28, 180}, {29, 169}, {30, 229},
    {31, 173}, {32, 133}, {33, 37},  {34, 135}, {35, 39},  {36, 149}, {37, 45},  {38, 181}, {39, 167}, {40, 244},
    {41, 233}, {42, 151}, {43, 47},  {44, 245}, {45, 237}, {46, 183}, {47, 175}};

constexpr std::array<int32_t, 256> makeCoastTable() {
  std::array<int32_t, 256> table{};
  for (const auto& e : kCoastPieces) table[static_cast<size_t>(e.mask)] = e.piece;
  return table;
}
constexpr std::array<int32_t, 256> kCoastTable = makeCoastTable();

enum NeighbourBit : int32_t { UpLeft = 128, Up = 64, UpRight = 32, Left = 16, Right = 8, DownLeft = 4, Down = 2, DownRight = 1 };

// A side that differs makes both corners beside it differ.
int32_t applyCornerRule(int32_t mask) {
  if (mask & Up) mask |= UpLeft | UpRight;
  if (mask & Left) mask |= UpLeft | DownLeft;
  if (mask & Right) mask |= UpRight | DownRight;
  if (mask & Down) mask |= DownLeft | DownRight;
  return mask;
}

// The cell field that a value mode writes; nullptr for the other modes.
int16_t* valueField(TZelvoMapCell& cell, int32_t mode) {
  switch (mode) {
    case TZEMapEditor::ModeHeight: return &cell.Height;
    case TZEMapEditor::ModeEncounter: return &cell.Encounter;
    case TZEMapEditor::ModePassability: return &cell.Passability;
    case TZEMapEditor::ModeGroundType: return &cell.GroundKind;
    default: return nullptr;
  }
}

bool sameChip(const TZelvoMapCell& a, const TZelvoMapCell& b) {
  return a.ChipSetID == b.ChipSetID && a.Column == b.Column && a.Row == b.Row;
}

}  // namespace

// Whether a cell is a coast chip, with the chip set of the last ID asked remembered: a stroke
// asks about the same few chip sets over and over.
class TZEMapEditor::CoastTest {
 public:
  explicit CoastTest(const TZEMapEditor& editor) : editor_(editor) {}

  // ID 0 means "no chip", so an erased cell is never part of a coast.
  bool IsCoastSet(int32_t id) const {
    if (id == 0) return false;
    if (!known_ || id != lastID_) {
      auto chipSet = editor_.FindChipSet(id);
      lastCoast_ = chipSet && chipSet->GetEdgeFlag();
      lastID_ = id;
      known_ = true;
    }
    return lastCoast_;
  }
  bool InBlock(const TZelvoMapCell& cell) const { return cell.Column < kCoastColumns && cell.Row < kCoastRows; }
  int32_t Differs(const TZelvoMapCell& a, const TZelvoMapCell& b) const {
    return IsCoastSet(a.ChipSetID) && b.ChipSetID == a.ChipSetID && InBlock(a) ? 0 : 1;
  }

 private:
  const TZEMapEditor& editor_;
  mutable bool known_ = false;
  mutable int32_t lastID_ = 0;
  mutable bool lastCoast_ = false;
};

// The current layer for one operation, with the extent inside which cells exist.
struct TZEMapEditor::LayerView {
  std::shared_ptr<IZelvoMapModel> map;
  std::shared_ptr<IZelvoMapFloorModel> floor;
  int32_t width = 0;
  int32_t height = 0;
  // The floor's own block of cells when it offers one: fills touch every cell several times,
  // and a virtual call with a range check for each of those doubles their time.
  TZelvoMapCell* cells = nullptr;
  int32_t stride = 0;
  bool Inside(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  int64_t IndexOf(int32_t x, int32_t y) const { return int64_t(y) * width + x; }
  // Inside only.
  TZelvoMapCell Get(int32_t x, int32_t y) const {
    return cells ? cells[size_t(y) * size_t(stride) + size_t(x)] : floor->GetCell(x, y);
  }
  void Set(int32_t x, int32_t y, const TZelvoMapCell& cell) {
    if (cells)
      cells[size_t(y) * size_t(stride) + size_t(x)] = cell;
    else
      floor->SetCell(x, y, cell);
  }
};

TZelvoMapCell TZEMapEditor::ZeroCell() {
  TZelvoMapCell c;
  c.ChipSetID = 0;
  c.Height = 0;
  c.GroundKind = 0;
  c.Passability = 0;
  c.Encounter = 0;
  c.Param = 0;
  c.EventID = 0;
  return c;
}

TZEMapEditor::TZEMapEditor(std::shared_ptr<TEtcBitmapList> bitmaps)
    : bitmaps_(bitmaps ? std::move(bitmaps) : std::make_shared<TEtcBitmapList>()), undo_(std::make_unique<TZEUndoControl>(kUndoBudget, *this)) {}

TZEMapEditor::~TZEMapEditor() = default;

void TZEMapEditor::SetMapTree(std::shared_ptr<IZelvoMapTreeControl> mapTree) {
  mapTree_ = std::move(mapTree);
  undo_->SetAPI(mapTree_ ? mapTree_->GetAPI() : nullptr);
}

std::shared_ptr<IZelvoMapModel> TZEMapEditor::GetCurrentMap() const { return node_ ? node_->GetMap() : nullptr; }

std::shared_ptr<IZelvoMapFloorModel> TZEMapEditor::GetCurrentLayer() const {
  auto map = GetCurrentMap();
  return map ? map->GetFloor(layerIndex_) : nullptr;
}

bool TZEMapEditor::LayerOf(LayerView& view) const {
  view.map = GetCurrentMap();
  view.floor = view.map ? view.map->GetFloor(layerIndex_) : nullptr;
  if (!view.floor) return false;
  view.width = std::min(view.map->GetWidth(), view.floor->GetWidth());
  view.height = std::min(view.map->GetHeight(), view.floor->GetHeight());
  if (auto* own = dynamic_cast<TZelvoMapFloorModel*>(view.floor.get()); own && !own->Cells().empty()) {
    view.cells = own->Cells().data();
    view.stride = own->GetWidth();
  }
  return true;
}

bool TZEMapEditor::EditLayerOf(LayerView& view) {
  if (!LayerOf(view)) return false;
  MarkMapModified();
  return true;
}

bool TZEMapEditor::PenOnChipSet() const { return penOn_ && chipSet_ && pen_.ChipSetID == chipSet_->GetID(); }

bool TZEMapEditor::AddUndo(const TEtcUndoKeys& keys) {
  EndEdit();
  if (!undo_->Record(keys)) {
    AskInstalled(kUndoRefused, {}, MessageKind::Warning, {MessageAnswer::Ok});
    return false;
  }
  return true;
}

void TZEMapEditor::EndEdit() { undo_->EndEdit(); }

bool TZEMapEditor::Undo() { return Swapped(true); }

bool TZEMapEditor::Redo() { return Swapped(false); }

bool TZEMapEditor::Swapped(bool undo) {
  EndEdit();
  try {
    return undo ? undo_->Undo() : undo_->Redo();
  } catch (const std::bad_alloc&) {
    // The step that would undo the swap cannot be had: nothing is restored, the history stays.
    AskInstalled(kUndoRefused, {}, MessageKind::Warning, {MessageAnswer::Ok});
    return false;
  }
}

void TZEMapEditor::MarkMapModified() {
  if (node_) node_->GetRoot()->SetModified(true);
}

std::shared_ptr<IZelvoMapChipSetModel> TZEMapEditor::FindChipSet(int32_t id) const {
  auto list = mapTree_ ? mapTree_->GetChipSetList() : nullptr;
  return list ? list->FindByID(id) : nullptr;
}

int32_t TZEMapEditor::CoastPiece(int32_t mask) { return mask >= 0 && mask < 256 ? kCoastTable[size_t(mask)] : 0; }

int32_t TZEMapEditor::CellDiffers(const TZelvoMapCell& a, const TZelvoMapCell& b) const {
  return CoastTest(*this).Differs(a, b);
}

// ---- picking ----

void TZEMapEditor::PickChip(int32_t column, int32_t row) {
  if (!chipSet_ || !chipSet_->HasChip(column, row)) return;
  TZelvoChipAttributes chip = chipSet_->GetChip(column, row);
  penOn_ = 1;
  pen_ = ZeroCell();
  pen_.ChipSetID = chipSet_->GetID();
  pen_.Column = static_cast<uint16_t>(column);
  pen_.Row = static_cast<uint16_t>(row);
  pen_.Height = chip.Height;
  pen_.GroundKind = chip.GroundKind;
  pen_.Passability = chip.Passability;
  pen_.Encounter = chip.EncounterRate;
  pen_.Param = chip.Reserved;
  pen_.EventID = chip.EventID;
}

bool TZEMapEditor::ChipUsable(int32_t x, int32_t y) const {
  LayerView view;
  if (!LayerOf(view)) return false;
  TZelvoMapCell cell = view.floor->GetCell(x, y);
  auto ids = view.map->GetChipSetIDList();
  if (!ids || !ids->ContainsID(cell.ChipSetID)) return false;
  auto list = ids->GetChipSetList();
  auto chipSet = list ? list->FindByID(cell.ChipSetID) : nullptr;
  return chipSet && cell.Column < chipSet->GetWidth() && cell.Row < chipSet->GetHeight();
}

void TZEMapEditor::PickCell(int32_t x, int32_t y) {
  LayerView view;
  if (!LayerOf(view) || !view.Inside(x, y)) return;
  penOn_ = 1;
  TZelvoMapCell cell = view.floor->GetCell(x, y);
  if (mode_ == ModeChip) {
    pen_ = cell;
    if (!ChipUsable(x, y)) pen_.ChipSetID = 0;
  } else if (int16_t* field = valueField(cell, mode_)) {
    int32_t useChip = mode_ == ModeHeight ? TZelvoMapCell::kChipHeight : TZelvoMapCell::kChipValue;
    value_ = ChipUsable(x, y) ? *field : useChip;
  }
}

// ---- plotting ----

void TZEMapEditor::WriteCell(LayerView& view, int32_t x, int32_t y, bool shift) const {
  TZelvoMapCell cell = view.Get(x, y);
  if (mode_ == ModeChip) {
    bool on = penOn_ != 0;
    cell.ChipSetID = on ? pen_.ChipSetID : 0;
    cell.Column = on ? pen_.Column : 0;
    cell.Row = on ? pen_.Row : 0;
    cell.Flags = on && shift ? TZelvoMapCell::kFlagNoCoastFix : 0;
  } else if (int16_t* field = valueField(cell, mode_)) {
    *field = static_cast<int16_t>(value_ & 0xFFFF);
  } else {
    return;
  }
  view.Set(x, y, cell);
}

void TZEMapEditor::FixCoastOn(LayerView& view, const CoastTest& coast, int32_t x, int32_t y) const {
  if (!view.Inside(x, y)) return;
  TZelvoMapCell cell = view.Get(x, y);
  if (!coast.IsCoastSet(cell.ChipSetID) || !coast.InBlock(cell) || (cell.Flags & TZelvoMapCell::kFlagNoCoastFix))
    return;
  static constexpr int32_t kOffsets[8][3] = {{-1, -1, UpLeft}, {0, -1, Up},     {1, -1, UpRight}, {-1, 0, Left},
                                             {1, 0, Right},    {-1, 1, DownLeft}, {0, 1, Down},   {1, 1, DownRight}};
  int32_t mask = 0;
  for (const auto& o : kOffsets) {
    int32_t nx = x + o[0], ny = y + o[1];
    // Past the map edge counts as the same material, on looping maps too.
    if (view.Inside(nx, ny) && coast.Differs(view.Get(nx, ny), cell)) mask |= o[2];
  }
  int32_t piece = kCoastTable[size_t(applyCornerRule(mask))];
  auto column = static_cast<uint16_t>(piece % kCoastColumns);
  auto row = static_cast<uint16_t>(piece / kCoastColumns);
  if (cell.Column == column && cell.Row == row) return;
  cell.Column = column;
  cell.Row = row;
  view.Set(x, y, cell);
}

void TZEMapEditor::FixCoastCell(int32_t x, int32_t y) {
  LayerView view;
  if (EditLayerOf(view)) FixCoastOn(view, CoastTest(*this), x, y);
}

void TZEMapEditor::FixAround(LayerView& view, int32_t x, int32_t y, bool withCenter) {
  CoastTest coast(*this);
  for (int32_t dy = -1; dy <= 1; ++dy)
    for (int32_t dx = -1; dx <= 1; ++dx)
      if (withCenter || dx || dy) FixCoastOn(view, coast, x + dx, y + dy);
}

void TZEMapEditor::PlotOn(LayerView& view, int32_t x, int32_t y, bool shift) {
  if (!view.Inside(x, y)) return;
  WriteCell(view, x, y, shift);
  if (mode_ == ModeChip) FixAround(view, x, y, penOn_ != 0);
}

void TZEMapEditor::Plot(int32_t x, int32_t y, bool shift) {
  LayerView view;
  if (EditLayerOf(view)) PlotOn(view, x, y, shift);
}

// ---- lines and rectangles ----

void TZEMapEditor::LineOn(LayerView& view, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool shift) {
  int64_t dx = std::llabs(int64_t(x2) - x1), dy = std::llabs(int64_t(y2) - y1);
  bool xMajor = dx > dy;
  // Walk the major axis upwards from the end point with the smaller major coordinate.
  int64_t major = xMajor ? std::min(x1, x2) : std::min(y1, y2);
  bool firstIsStart = xMajor ? x1 <= x2 : y1 <= y2;
  int64_t minor = xMajor ? (firstIsStart ? y1 : y2) : (firstIsStart ? x1 : x2);
  int64_t minorEnd = xMajor ? (firstIsStart ? y2 : y1) : (firstIsStart ? x2 : x1);
  int64_t step = minorEnd > minor ? 1 : -1;
  int64_t length = xMajor ? dx : dy;  // cells after the first
  int64_t rise = xMajor ? dy : dx;
  int64_t extent = xMajor ? view.width : view.height;
  // Only the part of the walk inside the layer is plotted; its state at the first such cell
  // follows from the error term, which always stays within 0 .. length - 1.
  int64_t first = std::max<int64_t>(0, -major);
  int64_t last = std::min<int64_t>(length, extent - 1 - major);
  if (first > last) return;
  int64_t e0 = length / 2;
  int64_t e = e0;
  int64_t pos = minor;
  if (first > 0) {
    auto risen = static_cast<uint64_t>(first) * static_cast<uint64_t>(rise);
    e = TrueModulo(e0 - int64_t(risen % uint64_t(length)), length);
    pos = minor + step * int64_t((risen + uint64_t(e) - uint64_t(e0)) / uint64_t(length));
  }
  for (int64_t k = first;; ++k) {
    int64_t m = major + k;
    if (xMajor)
      PlotOn(view, int32_t(m), int32_t(std::clamp<int64_t>(pos, -1, view.height)), shift);
    else
      PlotOn(view, int32_t(std::clamp<int64_t>(pos, -1, view.width)), int32_t(m), shift);
    if (k == last) break;
    e -= rise;
    if (e < 0) {
      e += length;
      pos += step;
    }
  }
}

void TZEMapEditor::DrawLine(int32_t x, int32_t y, bool shift) {
  LayerView view;
  if (EditLayerOf(view)) LineOn(view, anchorX_, anchorY_, x, y, shift);
  SetAnchor(x, y);
}

void TZEMapEditor::DrawRect(int32_t x, int32_t y, bool shift) {
  int32_t ax = anchorX_, ay = anchorY_;
  DrawLine(x, ay, shift);
  DrawLine(x, y, shift);
  DrawLine(ax, y, shift);
  DrawLine(ax, ay, shift);
}

void TZEMapEditor::FillRect(int32_t x, int32_t y, bool shift) {
  int32_t ax = anchorX_;
  int32_t top = std::min(anchorY_, y), bottom = std::max(anchorY_, y);
  LayerView view;
  if (EditLayerOf(view)) {
    // Row by row the lines cover the rectangle exactly; writing it whole and fixing the coast
    // once afterwards gives the same cells.
    int32_t x0 = std::max(std::min(ax, x), 0), x1 = std::min(std::max(ax, x), view.width - 1);
    int32_t y0 = std::max(top, 0), y1 = std::min(bottom, view.height - 1);
    if (x0 <= x1 && y0 <= y1) {
      for (int32_t r = y0; r <= y1; ++r)
        for (int32_t c = x0; c <= x1; ++c) WriteCell(view, c, r, shift);
      if (mode_ == ModeChip) {
        CoastTest coast(*this);
        for (int32_t r = y0 - 1; r <= y1 + 1; ++r)
          for (int32_t c = x0 - 1; c <= x1 + 1; ++c) FixCoastOn(view, coast, c, r);
      }
    }
  }
  SetAnchor(x, bottom);
}

// ---- region fill ----

bool TZEMapEditor::FillWanted(const TZelvoMapCell& seed, bool seedCoast, bool shift) const {
  if (mode_ == ModeChip) {
    // What the fill writes: the pen's chip, or no chip for the eraser.
    TZelvoMapCell target = penOn_ ? pen_ : ZeroCell();
    bool targetCoast = penOn_ && CellDiffers(pen_, pen_) == 0;
    if (seedCoast && targetCoast && shift) return false;
    return !sameChip(seed, target);
  }
  TZelvoMapCell s = seed;
  if (int16_t* field = valueField(s, mode_)) return *field != static_cast<int16_t>(value_ & 0xFFFF);
  return false;  // modes that write nothing
}

bool TZEMapEditor::InRegion(const CoastTest& coast, const TZelvoMapCell& cell, const TZelvoMapCell& seed,
                            bool seedCoast) const {
  if (mode_ == ModeChip) return seedCoast ? coast.Differs(cell, seed) == 0 : sameChip(cell, seed);
  TZelvoMapCell a = cell, b = seed;
  int16_t* fa = valueField(a, mode_);
  return fa && *fa == *valueField(b, mode_);
}

// The cells a fill wrote, and the box around them.
struct TZEMapEditor::FillMarks {
  enum : uint8_t { Written = 1 };
  std::vector<uint8_t> cells;
  int32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
};

void TZEMapEditor::FloodFill(int32_t x, int32_t y, bool shift) {
  LayerView view;
  if (!EditLayerOf(view) || !view.Inside(x, y)) return;
  CoastTest coast(*this);
  seed_ = view.floor->GetCell(x, y);
  seedCoast_ = coast.Differs(seed_, seed_) == 0;
  if (!FillWanted(seed_, seedCoast_, shift)) return;
  FillMarks marks;
  FillRegion(view, coast, x, y, marks);
  if (mode_ == ModeChip) FixAfterFill(view, coast, marks);
}

void TZEMapEditor::FillRegion(LayerView& view, const CoastTest& coast, int32_t x, int32_t y, FillMarks& marks) {
  // Pending cells live on a stack of our own, so no layer is too large. A cell is marked when it
  // is queued and written when it is taken; membership is only ever tested on unmarked cells,
  // which are still as they were, so the order does not change the region. A layer holds at
  // most 2^24 cells, so a cell index fits 32 bits.
  marks.cells.assign(size_t(int64_t(view.width) * view.height), 0);
  marks.minX = marks.maxX = x;
  marks.minY = marks.maxY = y;
  std::vector<uint32_t> pending{uint32_t(view.IndexOf(x, y))};
  marks.cells[pending.back()] = FillMarks::Written;
  static constexpr int32_t kSteps[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  while (!pending.empty()) {
    uint32_t index = pending.back();
    pending.pop_back();
    auto cx = int32_t(index % uint32_t(view.width)), cy = int32_t(index / uint32_t(view.width));
    WriteCell(view, cx, cy, false);  // a fill never marks its cells as placed by hand
    marks.minX = std::min(marks.minX, cx), marks.maxX = std::max(marks.maxX, cx);
    marks.minY = std::min(marks.minY, cy), marks.maxY = std::max(marks.maxY, cy);
    for (const auto& s : kSteps) {
      int32_t nx = cx + s[0], ny = cy + s[1];
      if (!view.Inside(nx, ny)) continue;
      auto n = uint32_t(view.IndexOf(nx, ny));
      if (marks.cells[n] || !InRegion(coast, view.Get(nx, ny), seed_, seedCoast_)) continue;
      marks.cells[n] = FillMarks::Written;
      pending.push_back(n);
    }
  }
}

void TZEMapEditor::FixAfterFill(LayerView& view, const CoastTest& coast, FillMarks& marks) const {
  // Every cell next to a written one (or written itself) gets its piece chosen once, after the
  // last change. Whether a cell has a written neighbour is read off two sweeps: each row's
  // written marks widened by one cell to either side, then three such rows together.
  const int32_t x0 = std::max(marks.minX - 1, 0), x1 = std::min(marks.maxX + 1, view.width - 1);
  const int32_t y0 = std::max(marks.minY - 1, 0), y1 = std::min(marks.maxY + 1, view.height - 1);
  const auto span = size_t(x1 - x0 + 1);
  auto widened = [&](int32_t y, std::vector<uint8_t>& row) {
    std::fill(row.begin(), row.end(), uint8_t(0));
    if (y < marks.minY || y > marks.maxY) return;
    const uint8_t* written = marks.cells.data() + size_t(view.IndexOf(0, y));
    for (int32_t x = marks.minX; x <= marks.maxX; ++x)
      if (written[x] & FillMarks::Written)
        for (int32_t nx = std::max(x - 1, x0); nx <= std::min(x + 1, x1); ++nx) row[size_t(nx - x0)] = 1;
  };
  // A written cell holds the pen's chip: when that is no coast, the piece of a written cell
  // cannot change and only the cells around the region need a look.
  const bool penCoast = coast.IsCoastSet(penOn_ ? pen_.ChipSetID : 0);
  std::vector<uint8_t> above(span), here(span), below(span);
  widened(y0 - 1, above);
  widened(y0, here);
  for (int32_t cy = y0; cy <= y1; ++cy) {
    widened(cy + 1, below);
    const uint8_t* written = marks.cells.data() + size_t(view.IndexOf(0, cy));
    for (int32_t cx = x0; cx <= x1; ++cx) {
      const size_t i = size_t(cx - x0);
      if ((above[i] | here[i] | below[i]) && (penCoast || !(written[cx] & FillMarks::Written)))
        FixCoastOn(view, coast, cx, cy);
    }
    std::swap(above, here);
    std::swap(here, below);
  }
}

// ---- copy and paste ----

void TZEMapEditor::CopyRegion(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  LayerView view;
  if (!LayerOf(view)) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  int64_t width = int64_t(x2) - x1 + 1, height = int64_t(y2) - y1 + 1;
  // No layer is larger than this; a bigger rectangle is a caller's mistake, not a copy.
  if (width > kMaxFloorCells || height > kMaxFloorCells || width * height > kMaxFloorCells) return;
  copy_.resize(size_t(width * height));
  for (int64_t r = 0; r < height; ++r)
    for (int64_t c = 0; c < width; ++c)
      copy_[size_t(r * width + c)] = view.floor->GetCell(int32_t(x1 + c), int32_t(y1 + r));
  copyWidth_ = int32_t(width);
  copyHeight_ = int32_t(height);
}

void TZEMapEditor::PasteRegion(int32_t x, int32_t y) {
  LayerView view;
  if (!EditLayerOf(view) || copy_.empty()) return;
  int64_t rowEnd = std::min<int64_t>(int64_t(y) + copyHeight_, view.height);
  int64_t columnEnd = std::min<int64_t>(int64_t(x) + copyWidth_, view.width);
  for (int64_t r = std::max<int64_t>(y, 0); r < rowEnd; ++r)
    for (int64_t c = std::max<int64_t>(x, 0); c < columnEnd; ++c)
      view.floor->SetCell(int32_t(c), int32_t(r), copy_[size_t((r - y) * copyWidth_ + (c - x))]);
}

void TZEMapEditor::ClearCopy() {
  copy_.clear();
  copy_.shrink_to_fit();
  copyWidth_ = 0;
  copyHeight_ = 0;
}

}  // namespace zelvo
