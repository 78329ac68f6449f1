#pragma once
// The event editing window's rules without its widgets. Everything is edited on a working copy
// (ID -1) and written back into the source only by Commit, so a cancelled edit leaves the
// game's event or shared list exactly as it was. The shared order lists are the game's own:
// sharing and unsharing act on them at once, so that the window shows them, and Cancel puts
// them back as they were when the edit began; linking changes only the working copy.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoActionModel;
class IZelvoEventModel;
class IZelvoMaterialModel;
class IZelvoOrderModel;

// True when the CP932 text holds "object" in any letter case (trail bytes are never letters).
bool ContainsObjectWord(const std::string& cp932);
// At most limit bytes of a CP932 text, never ending inside a two-byte character.
std::string Cp932Prefix(const std::string& cp932, size_t limit);

class TZEEventEditing {
 public:
  enum class Mode { None, Event, SharedOrders };

  explicit TZEEventEditing(std::shared_ptr<IZMLZelvoAPI> api = nullptr) : api_(std::move(api)) {}
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  const std::shared_ptr<IZMLZelvoAPI>& getZMLZelvoAPI() const { return api_; }

  // Each makes the working copy; a null source (or no data set) edits nothing.
  bool EditEvent(std::shared_ptr<IZelvoEventModel> source);
  bool EditSharedOrders(std::shared_ptr<IZelvoOrderModel> source);
  Mode GetMode() const { return mode_; }
  const std::shared_ptr<IZelvoEventModel>& WorkingEvent() const { return workEvent_; }
  const std::shared_ptr<IZelvoOrderModel>& WorkingOrder() const { return workOrder_; }

  // The working event's (or list's) name, CP932.
  std::string GetName() const;
  void SetName(const std::string& cp932);

  int32_t GetActionCount() const;
  // Action i's name, or "アクション" + (i + 1) when it is empty or holds "object".
  std::string TabCaption(int32_t index) const;

  // Makes action index current, giving it a root order and a condition when it lacks one;
  // an index outside the actions (-1 included) clears the current action. False then.
  bool ShowAction(int32_t index);
  int32_t CurrentIndex() const { return current_; }
  std::shared_ptr<IZelvoActionModel> CurrentAction() const;
  void SetActionName(const std::string& cp932);

  // Combo indexes: 0 is "<<未使用>>", item k of the list is k + 1.
  int32_t DAnimationComboIndex() const;
  int32_t CollisionComboIndex() const;
  // An index outside the combo leaves the action as it was; false then.
  bool SetDAnimationComboIndex(int32_t comboIndex);
  bool SetCollisionComboIndex(int32_t comboIndex);
  // Null clears the picture (the picker was cancelled or nothing chosen).
  void SetMaterial(std::shared_ptr<IZelvoMaterialModel> material);

  // The position of the current root order among the shared lists (the last when listed twice);
  // -1 when it is not shared or there is no current action.
  int32_t SharedListIndex() const;
  bool IsShared() const { return SharedListIndex() >= 0; }
  std::string SharingLabel() const;
  std::string ShareButtonCaption() const;
  // The name a root order gets when it is put into the shared lists.
  std::string ShareName() const;
  // Puts the current root order into the shared lists; false when shared already or impossible.
  bool Share();
  // Removes every shared list with the root order's ID; the action keeps its order.
  bool Unshare();
  // Whether linking would throw away orders of the action's own.
  bool LinkDiscardsOrders() const;
  // The chosen shared list becomes the action's root order; only a list of the game's shared
  // lists is taken.
  bool LinkTo(const std::shared_ptr<IZelvoOrderModel>& sharedList);

  // A new action after the selected tab (or the first action of an empty event); its index, or
  // -1 when not editing an event.
  int32_t NewAction(int32_t selectedTab);
  // Deletes action index; the action to show next (0 when any remain), -1 when none or invalid.
  int32_t DeleteAction(int32_t index);

  // Writes the working copy into its source; the shared lists stay as sharing left them.
  bool Commit();
  // Unless committed, the shared lists go back to the very lists they were when the edit began
  // (whatever was shared or unshared meanwhile); then Release.
  void Cancel();
  // Forgets the working copies, the sources and the current action.
  void Release();

  // What the 128x128 preview shows.
  struct Preview {
    std::string message;    // UTF-8; empty when a picture is drawn
    std::string imagePath;  // game path below "Graphics\" (CP932), empty when none
    int32_t cellX = 0, cellY = 0, cellWidth = 0, cellHeight = 0;  // the cell in the picture
    int32_t destX = 0, destY = 0;
  };
  // pictureExists tells whether the material's picture is there to load.
  Preview DescribePreview(bool pictureExists) const;

 private:
  std::shared_ptr<IZelvoOrderModel> sharedOrders() const;
  std::shared_ptr<IZelvoOrderModel> rootOrder() const;

  std::shared_ptr<IZMLZelvoAPI> api_;
  Mode mode_ = Mode::None;
  std::shared_ptr<IZelvoEventModel> sourceEvent_, workEvent_;
  std::shared_ptr<IZelvoOrderModel> sourceOrder_, workOrder_;
  // The shared lists as the edit found them, until it is committed.
  std::vector<std::shared_ptr<IZelvoOrderModel>> sharedBefore_;
  bool sharedSaved_ = false;
  int32_t current_ = -1;
};

}  // namespace zelvo
