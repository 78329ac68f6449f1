#include "editor/core/ZEMoveTypeEditor.h"

#include <algorithm>

#include <QImage>

#include "editor/core/Bitmap32.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoMoveTypeModel.h"

namespace zelvo {

TZEMoveTypeEditor& TZEMoveTypeEditor::Global() {
  static TZEMoveTypeEditor editor;
  return editor;
}

void TZEMoveTypeEditor::SetList(std::shared_ptr<IZelvoMoveTypeList> list) {
  list_ = std::move(list);
  selected_ = -1;
}

void TZEMoveTypeEditor::SetSelectedIndex(int32_t index) {
  selected_ = list_ && index >= 0 && index < list_->GetCount() ? index : -1;
}

std::shared_ptr<IZelvoMoveTypeModel> TZEMoveTypeEditor::GetSelected() const {
  if (!list_ || selected_ < 0 || selected_ >= list_->GetCount()) return nullptr;
  return list_->GetItem(selected_);
}

std::vector<std::string> TZEMoveTypeEditor::Names() const {
  std::vector<std::string> names;
  if (!list_) return names;
  for (int32_t i = 0; i < list_->GetCount(); ++i) names.push_back(list_->GetItem(i)->GetNameBytes());
  return names;
}

bool TZEMoveTypeEditor::CreateMoveType(IZMLZelvoAPI& api) {
  if (!list_) return false;
  auto ids = api.GetIDManager();
  list_->Add(std::make_shared<TZelvoMoveTypeModel>(ids ? ids->NewID() : 0));
  return true;
}

bool TZEMoveTypeEditor::DeleteSelected() {
  if (!GetSelected()) return false;
  list_->Delete(selected_);
  selected_ = -1;
  return true;
}

int32_t TZEMoveTypeEditor::EntryAt(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= kGridWidth || y >= kGridHeight) return -1;
  return x / kCell + (y / kCell) * kColumns;
}

int32_t TZEMoveTypeEditor::ToggleAt(int32_t x, int32_t y) {
  auto moveType = GetSelected();
  int32_t entry = EntryAt(x, y);
  if (!moveType || entry < 0) return -1;
  moveType->SetKindAllowed(entry, !moveType->IsKindAllowed(entry));
  return entry;
}

void TZEMoveTypeEditor::SetMaxStep(int32_t value) {
  if (auto moveType = GetSelected()) moveType->SetMaxStep(std::clamp(value, 0, kMaxStepLimit));
}

void TZEMoveTypeEditor::Rename(const std::string& cp932) {
  if (auto moveType = GetSelected()) moveType->SetNameBytes(cp932);
}

void TZEMoveTypeEditor::DrawCell(TBitmap32& grid, int32_t entry, const TBitmap32& ground,
                                 const TBitmap32& traffic) const {
  auto moveType = GetSelected();
  if (!moveType || entry < 0 || entry >= kKinds) return;
  TRect cell{entry % kColumns * kCell, entry / kColumns * kCell, 0, 0};
  cell.Right = cell.Left + kCell;
  cell.Bottom = cell.Top + kCell;
  int32_t pieceX = entry * kGroundPiece;
  QImage& out = grid.GetBitmap().image();
  bool covered = ground.Depth() == 32 && pieceX + kGroundPiece <= ground.Width() && kGroundPiece <= ground.Height();
  // The piece is stretched to twice its size, each pixel becoming a 2 x 2 block.
  for (int32_t dy = 0; dy < kCell; ++dy)
    for (int32_t dx = 0; dx < kCell; ++dx) {
      uint32_t pixel = covered ? ground.GetPixel(pieceX + dx * kGroundPiece / kCell, dy * kGroundPiece / kCell) : 0xFF000000u;
      if (cell.Left + dx < out.width() && cell.Top + dy < out.height()) out.setPixel(cell.Left + dx, cell.Top + dy, pixel);
    }
  int32_t markX = moveType->IsKindAllowed(entry) ? kAllowedMarkX : kBlockedMarkX;
  grid.BlendDraw(cell, traffic, TRect{markX, 0, markX + kCell, kCell});
}

void TZEMoveTypeEditor::DrawAll(TBitmap32& grid, const TBitmap32& ground, const TBitmap32& traffic) const {
  if (grid.Width() != kGridWidth || grid.Height() != kGridHeight) grid.SetSize(kGridWidth, kGridHeight, 32);
  for (int32_t e = 0; e < kKinds; ++e) DrawCell(grid, e, ground, traffic);
}

}  // namespace zelvo
