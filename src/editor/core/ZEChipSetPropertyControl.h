#pragma once
// The rules of the chip-set property dialog without its widgets: the fields it shows for one
// chip set, the picture tree of the game's image materials, "サイズを取得", and what OK writes.
// TMapChipSetPropertyForm shows this state.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/GameGeometry.h"
#include "platform/gui/Bitmap.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZETree;
class IZETreeNode;
class IZelvoMapChipSetModel;
class IZelvoMaterialModel;

class TZEChipSetPropertyControl {
 public:
  // The most chips across or down a chip set can be given here: the largest picture's.
  static constexpr int32_t kMaxChips = Bitmap::kMaxSide / kChip;

  // Keeps the data set and fills the picture tree anew with its image materials, through the
  // tree designer.
  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api, IZETree& pictures);

  // Fills the fields from the chip set and clears the changed flag.
  void Show(std::shared_ptr<IZelvoMapChipSetModel> chipSet);
  const std::shared_ptr<IZelvoMapChipSetModel>& ChipSet() const { return chipSet_; }

  // Texts are CP932.
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int32_t ID() const { return id_; }
  const std::string& WidthText() const { return widthText_; }
  const std::string& HeightText() const { return heightText_; }
  // Both set the changed flag.
  void SetWidthText(std::string text);
  void SetHeightText(std::string text);
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
  bool EdgeFlag() const { return edgeFlag_; }
  void SetEdgeFlag(bool value) { edgeFlag_ = value; }
  const std::shared_ptr<IZelvoMaterialModel>& ChosenPicture() const { return chosen_; }
  bool Changed() const { return changed_; }

  // The picture of a picture-tree node becomes the chosen picture, its path the file name, and
  // the changed flag is set. A folder, or a node of no material, is not a picture: false.
  bool ChoosePicture(const IZETreeNode* node);
  // "サイズを取得": the size in chips of the picture named by the file name in the game's
  // "Graphics\" folder. A file that is missing or is no readable picture warns
  // "ファイルが見つかりません・・・" and leaves the size texts; false then.
  bool GetSize();
  // "OK": name, size (a text that is not a number from 1 to kMaxChips keeps that side's current
  // value), picture and coast-line flag go into the chip set.
  void Apply();

  // A size text as OK reads it: -1 when it is not a number.
  static int32_t ReadSize(const std::string& text);

 private:
  std::shared_ptr<IZMLZelvoAPI> api_;
  std::shared_ptr<IZelvoMapChipSetModel> chipSet_;
  std::string name_;
  int32_t id_ = 0;
  std::string widthText_;
  std::string heightText_;
  std::string fileName_;
  bool edgeFlag_ = false;
  std::shared_ptr<IZelvoMaterialModel> chosen_;
  bool changed_ = false;
};

}  // namespace zelvo
