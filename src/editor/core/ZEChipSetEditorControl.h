#pragma once
// The rules of the chip-set editor window without its widgets: the game's chip sets as tree
// entries, creating, marking deleted, renaming and using them, choosing a chip on the picture,
// the fields of the chosen chip and what editing them writes, and the picture with its overlays.
// TMapChipSetEditorForm shows this state and feeds it the user's actions.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/core/Bitmap32.h"
#include "editor/core/QonScrollBoxGeometry.h"
#include "editor/core/ZEChipSetOverlay.h"
#include "editor/core/ZEChipSetSkin.h"
#include "editor/core/ZETreeDesigner.h"
#include "model/ZelvoMapChipSetModel.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapChipSetListControl;
class IZelvoMapTreeNodeControl;
class TZEMapChipSetEditor;

// What the chip-set editor asks of the map editor window; the window implements it.
class IZEChipSetMapEditorLink {
 public:
  virtual ~IZEChipSetMapEditorLink() = default;
  // The map-tree node whose map is open in the map editor; nullptr when none.
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> GetOpenMap() = 0;
  // The open map uses the chip set now: its palette tab (added first when newTab) is chosen and
  // its chips are shown.
  virtual void ShowChipSetTab(const std::shared_ptr<IZelvoMapChipSetModel>& chipSet, bool newTab) = 0;
  // The chip sets' pictures may have changed.
  virtual void LoadChipSetBitmaps() = 0;
  virtual void RepaintCanvas() = 0;
};

class TZEChipSetEditorControl {
 public:
  // The picture area holds at most this many chips across and down (the largest picture).
  static constexpr int32_t kMaxAreaChips = Bitmap::kMaxSide / kChip;

  // The editor's current chip set and chip-set list live in editor.
  explicit TZEChipSetEditorControl(TZEMapChipSetEditor& editor);

  // Keeps the data set and hands its map tree's chip-set list to the editor object.
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  const std::shared_ptr<IZMLZelvoAPI>& GetZMLZelvoAPI() const { return api_; }
  // Not owned; nullptr while there is no map editor window.
  void SetMapEditorLink(IZEChipSetMapEditorLink* link) { link_ = link; }
  IZEChipSetMapEditorLink* GetMapEditorLink() const { return link_; }
  // The overlay pictures, from the current skin; the picture is composed again.
  void LoadSkin();
  TZEChipSetSkin& Skin() { return skin_; }

  // The chip-set tree built anew: a node per set in list order, standing for it.
  void FillTree(IZETree& tree) const;
  // The chip set a node stands for, or nullptr.
  static std::shared_ptr<IZelvoMapChipSetModel> ChipSetOf(const IZETreeNode* node);
  // Icon 5 for a set marked deleted, else 0 with 1 when selected.
  static void ShowIcons(IZETreeNode& node, const IZelvoMapChipSetModel& chipSet);
  // The node's text was edited: its set takes the caption, and the node shows the name as stored.
  void Rename(IZETreeNode& node);

  // Commands. "新規チップセット": a chip set with a fresh ID joins the list and gets a top-level
  // node, which is returned; nullptr without a data set that has a chip-set list.
  IZETreeNode* NewChipSet(IZETree& tree);
  bool CanDelete() const { return selected_ != nullptr; }
  // Marks or unmarks the selected set and shows it on its node (when given); returns its
  // deleted flag now.
  bool ToggleDeleted(IZETreeNode* node);
  // The delete command's caption for the selected set (UTF-8).
  std::string DeleteCaption() const;
  bool CanEditProperties() const { return selected_ != nullptr; }
  // After the property dialog's OK: the map editor reloads its pictures when something that
  // shows changed, the selection is handled again, and the map canvas repaints.
  void PropertiesApplied(bool changed);
  bool CanUse() const;
  // The open map takes the selected set (once) and the map editor shows it. False when nothing
  // was done.
  bool UseChipSet();

  // The tree's selection: the set becomes current, no chip is selected, and the picture is
  // loaded and composed. nullptr: none.
  void SelectChipSet(std::shared_ptr<IZelvoMapChipSetModel> chipSet);
  const std::shared_ptr<IZelvoMapChipSetModel>& SelectedChipSet() const { return selected_; }
  // The window is shown (the tree is rebuilt, so nothing is selected) or closed.
  void Show() { SelectChipSet(nullptr); }
  void Close();

  // The picture area in picture pixels.
  int32_t AreaWidth() const { return areaWidth_; }
  int32_t AreaHeight() const { return areaHeight_; }
  const TBitmap32& Picture() const { return picture_; }
  const TBitmap32& Composed() const { return composed_; }
  uint32_t Views() const { return views_; }
  void SetViews(uint32_t views);
  void Recompose();

  // The mouse over the picture, in picture pixels.
  void MouseDown(TQonMouseButton button, int32_t x, int32_t y);
  void MouseMove(int32_t x, int32_t y);
  void MouseUp(TQonMouseButton button, int32_t x, int32_t y);
  bool Tracking() const { return tracking_; }
  // (-1, -1) when none.
  ZelvoCommonTypes::TPoint SelectedChip() const { return {chipX_, chipY_}; }
  bool HasSelectedChip() const { return chipX_ >= 0; }
  // The selected chip's cell, corners inclusive ((c x 32, r x 32) to (c x 32 + 31, r x 32 + 31)).
  TRect SelectionOutline() const;

  // The selected chip's record; false when no chip is selected.
  bool SelectedChipRecord(TZelvoChipAttributes& chip) const;
  // Field edits; each writes one field of the selected chip and recomposes. An edit text that is
  // not a whole number in the field's range writes nothing. False when nothing was written.
  bool SetHeightText(const std::string& text);
  bool SetEncounterText(const std::string& text);
  bool SetEventIDText(const std::string& text);
  // 0..8.
  bool SetGroundType(int32_t kind);
  // Bits 1 up, 2 down, 4 left, 8 right (0..15).
  bool SetPassability(int32_t bits);

 private:
  std::shared_ptr<IZelvoMapChipSetListControl> chipSetList() const;
  void loadPicture();
  void trackTo(int32_t x, int32_t y);
  template <class Change>
  bool writeChip(Change change);
  static bool parseInt16(const std::string& text, int16_t& value);

  TZEMapChipSetEditor& editor_;
  std::shared_ptr<IZMLZelvoAPI> api_;
  TZETreeDesigner designer_;
  IZEChipSetMapEditorLink* link_ = nullptr;
  TZEChipSetSkin skin_;
  std::shared_ptr<IZelvoMapChipSetModel> selected_;
  TBitmap32 picture_;
  TBitmap32 composed_;
  int32_t areaWidth_ = 0;
  int32_t areaHeight_ = 0;
  uint32_t views_ = cvNone;
  int32_t chipX_ = -1;
  int32_t chipY_ = -1;
  bool tracking_ = false;
};

}  // namespace zelvo
