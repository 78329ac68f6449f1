#include "editor/core/ZEChipSetEditorControl.h"

#include <algorithm>
#include <limits>

#include "editor/core/ZEMapChipSetEditor.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoPrivateTypes.h"
#include "platform/core/Errors.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

int32_t areaSide(int32_t chips) {
  return std::clamp(chips, 0, TZEChipSetEditorControl::kMaxAreaChips) * kChip;
}

}  // namespace

TZEChipSetEditorControl::TZEChipSetEditorControl(TZEMapChipSetEditor& editor) : editor_(editor) {}

void TZEChipSetEditorControl::setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api) {
  api_ = std::move(api);
  designer_.setZMLZelvoAPI(api_);
  const auto tree = api_ ? api_->GetMapTree() : nullptr;
  editor_.SetChipSetList(tree ? tree->GetChipSetList() : nullptr);
  // A set of the game that was open before is no longer one of this game's.
  SelectChipSet(nullptr);
}

void TZEChipSetEditorControl::LoadSkin() {
  skin_.Load();
  Recompose();
}

std::shared_ptr<IZelvoMapChipSetListControl> TZEChipSetEditorControl::chipSetList() const {
  return editor_.GetChipSetList();
}

void TZEChipSetEditorControl::FillTree(IZETree& tree) const {
  tree.Clear();
  designer_.FillChipSetList(tree, chipSetList());
}

std::shared_ptr<IZelvoMapChipSetModel> TZEChipSetEditorControl::ChipSetOf(const IZETreeNode* node) {
  return node ? node->GetData().As<IZelvoMapChipSetModel>() : nullptr;
}

void TZEChipSetEditorControl::ShowIcons(IZETreeNode& node, const IZelvoMapChipSetModel& chipSet) {
  const bool deleted = chipSet.GetDeleted();
  node.SetIcon(deleted ? ZEIcon::DeletedChipSet : ZEIcon::Entry);
  if (!deleted) node.SetSelectedIcon(ZEIcon::EntrySelected);
}

void TZEChipSetEditorControl::Rename(IZETreeNode& node) {
  const auto chipSet = ChipSetOf(&node);
  if (!chipSet) return;
  chipSet->SetName(node.GetCaption().c_str());
  node.SetCaption(chipSet->GetName());
}

IZETreeNode* TZEChipSetEditorControl::NewChipSet(IZETree& tree) {
  const auto list = chipSetList();
  const auto ids = api_ ? api_->GetIDManager() : nullptr;
  if (!list || !ids) return nullptr;
  auto chipSet = std::make_shared<TZelvoMapChipSetModel>(ids->NewID());
  list->Add(chipSet);
  IZETreeNode* node = tree.AddChild(nullptr, chipSet->GetName());
  if (!node) return nullptr;
  node->SetData(std::shared_ptr<IZelvoMapChipSetModel>(chipSet));
  ShowIcons(*node, *chipSet);
  return node;
}

bool TZEChipSetEditorControl::ToggleDeleted(IZETreeNode* node) {
  if (!selected_) return false;
  selected_->SetDeleted(!selected_->GetDeleted());
  if (node) ShowIcons(*node, *selected_);
  return selected_->GetDeleted();
}

std::string TZEChipSetEditorControl::DeleteCaption() const {
  if (selected_ && selected_->GetDeleted()) return "チップセットの削除を取り消し(&U)";
  return "チップセットをを削除(&D))";
}

void TZEChipSetEditorControl::PropertiesApplied(bool changed) {
  if (changed && link_) link_->LoadChipSetBitmaps();
  SelectChipSet(selected_);
  if (link_) link_->RepaintCanvas();
}

bool TZEChipSetEditorControl::CanUse() const { return selected_ && link_ && link_->GetOpenMap(); }

bool TZEChipSetEditorControl::UseChipSet() {
  if (!selected_ || !link_) return false;
  const auto node = link_->GetOpenMap();
  if (!node) return false;
  std::shared_ptr<IZelvoMapModel> map;
  try {
    map = node->GetMap();
  } catch (const EZelvoError&) {
    return false;  // its file cannot be read: there is no map to add the set to
  }
  const auto ids = map ? map->GetChipSetIDList() : nullptr;
  if (!ids) return false;
  bool listed = false;
  for (int32_t i = 0; i < ids->GetCount() && !listed; ++i) listed = ids->GetID(i) == selected_->GetID();
  // A second entry would give the map a second tab of the same set.
  if (!listed) {
    ids->AddID(selected_->GetID());
    node->SetModified(true);
  }
  link_->ShowChipSetTab(selected_, !listed);
  return true;
}

void TZEChipSetEditorControl::SelectChipSet(std::shared_ptr<IZelvoMapChipSetModel> chipSet) {
  chipX_ = chipY_ = -1;
  tracking_ = false;
  selected_ = std::move(chipSet);
  editor_.SetChipSet(selected_);
  loadPicture();
  Recompose();
}

void TZEChipSetEditorControl::loadPicture() {
  areaWidth_ = selected_ ? areaSide(selected_->GetWidth()) : 0;
  areaHeight_ = selected_ ? areaSide(selected_->GetHeight()) : 0;
  picture_ = TBitmap32();
  if (!selected_) return;
  picture_ = TZEChipSetSkin::LoadPicture(GamePathPrefix() + "Graphics\\" + selected_->GetImagePath());
  if (picture_.Width() > 0 && picture_.Height() > 0) return;
  picture_.SetSize(areaWidth_, areaHeight_, 32);
  picture_.GetBitmap().fill(kOpaqueBlack);
}

void TZEChipSetEditorControl::Close() {
  areaWidth_ = areaHeight_ = 0;
  tracking_ = false;
  picture_ = TBitmap32();
  composed_ = TBitmap32();
}

void TZEChipSetEditorControl::SetViews(uint32_t views) {
  views_ = views & (cvEncounter | cvHeight | cvPassability | cvGroundType);
  Recompose();
}

void TZEChipSetEditorControl::Recompose() {
  TZEChipSetOverlay::Compose(composed_, picture_, areaWidth_, areaHeight_, selected_.get(), views_, skin_);
}

void TZEChipSetEditorControl::MouseDown(TQonMouseButton button, int32_t x, int32_t y) {
  if (button != mbLeft) return;
  tracking_ = true;
  trackTo(x, y);
}

void TZEChipSetEditorControl::MouseMove(int32_t x, int32_t y) {
  if (tracking_) trackTo(x, y);
}

void TZEChipSetEditorControl::MouseUp(TQonMouseButton button, int32_t, int32_t) {
  if (button == mbLeft) tracking_ = false;
}

void TZEChipSetEditorControl::trackTo(int32_t x, int32_t y) {
  const bool inside = x >= 0 && x < areaWidth_ && y >= 0 && y < areaHeight_;
  chipX_ = inside ? x / kChip : -1;
  chipY_ = inside ? y / kChip : -1;
}

TRect TZEChipSetEditorControl::SelectionOutline() const {
  if (!HasSelectedChip()) return {-1, -1, -1, -1};
  return {chipX_ * kChip, chipY_ * kChip, chipX_ * kChip + kChip - 1, chipY_ * kChip + kChip - 1};
}

bool TZEChipSetEditorControl::SelectedChipRecord(TZelvoChipAttributes& chip) const {
  if (!selected_ || !HasSelectedChip() || !selected_->HasChip(chipX_, chipY_)) return false;
  chip = selected_->GetChip(chipX_, chipY_);
  return true;
}

template <class Change>
bool TZEChipSetEditorControl::writeChip(Change change) {
  TZelvoChipAttributes chip;
  if (!SelectedChipRecord(chip)) return false;
  change(chip);
  selected_->SetChip(chipX_, chipY_, chip);
  Recompose();
  return true;
}

bool TZEChipSetEditorControl::parseInt16(const std::string& text, int16_t& value) {
  int32_t v = 0;
  if (!TBitmap32::ParseInteger(text, v)) return false;
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) return false;
  value = static_cast<int16_t>(v);
  return true;
}

bool TZEChipSetEditorControl::SetHeightText(const std::string& text) {
  int16_t v = 0;
  return parseInt16(text, v) && writeChip([v](TZelvoChipAttributes& chip) { chip.Height = v; });
}

bool TZEChipSetEditorControl::SetEncounterText(const std::string& text) {
  int16_t v = 0;
  return parseInt16(text, v) && writeChip([v](TZelvoChipAttributes& chip) { chip.EncounterRate = v; });
}

bool TZEChipSetEditorControl::SetEventIDText(const std::string& text) {
  int32_t v = 0;
  return TBitmap32::ParseInteger(text, v) && writeChip([v](TZelvoChipAttributes& chip) { chip.EventID = v; });
}

bool TZEChipSetEditorControl::SetGroundType(int32_t kind) {
  if (kind < 0 || kind >= TZEChipSetOverlay::kGroundKinds) return false;
  return writeChip([kind](TZelvoChipAttributes& chip) { chip.GroundKind = static_cast<int16_t>(kind); });
}

bool TZEChipSetEditorControl::SetPassability(int32_t bits) {
  if (bits < 0 || bits > TZEChipSetOverlay::kAllWays) return false;
  return writeChip([bits](TZelvoChipAttributes& chip) { chip.Passability = static_cast<int16_t>(bits); });
}

}  // namespace zelvo
