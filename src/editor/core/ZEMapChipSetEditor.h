#pragma once
// What the editor knows of chip sets between its windows: the current chip set (the one chosen
// in the chip-set editor) and the game's chip-set list, which the map editor reads. The chip-set
// editor window makes the one instance and ends it.

#include <memory>

namespace zelvo {

class IZelvoMapChipSetModel;
class IZelvoMapChipSetListControl;

class TZEMapChipSetEditor {
 public:
  // The first one made while none exists becomes the editor's instance.
  TZEMapChipSetEditor();
  ~TZEMapChipSetEditor();
  TZEMapChipSetEditor(const TZEMapChipSetEditor&) = delete;
  TZEMapChipSetEditor& operator=(const TZEMapChipSetEditor&) = delete;

  // nullptr when none.
  const std::shared_ptr<IZelvoMapChipSetModel>& GetChipSet() const { return chipSet_; }
  void SetChipSet(std::shared_ptr<IZelvoMapChipSetModel> chipSet) { chipSet_ = std::move(chipSet); }
  // nullptr until a data set is given.
  const std::shared_ptr<IZelvoMapChipSetListControl>& GetChipSetList() const { return chipSets_; }
  void SetChipSetList(std::shared_ptr<IZelvoMapChipSetListControl> list) { chipSets_ = std::move(list); }

  // The editor's instance; nullptr while the chip-set editor window does not exist.
  static TZEMapChipSetEditor* Instance();

 private:
  std::shared_ptr<IZelvoMapChipSetModel> chipSet_;
  std::shared_ptr<IZelvoMapChipSetListControl> chipSets_;
};

}  // namespace zelvo
