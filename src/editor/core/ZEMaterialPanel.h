#pragma once
// The rules of the material editor "素材管理エディタ": the material tree, synchronised with the
// game's Graphics folder on request; the colour changes of the selected picture material and the
// fields of the selected change; and the preview of the picture with its changes applied.

#include <cstdint>
#include <memory>
#include <string>

#include "editor/core/ZETree.h"

namespace zelvo {

class Bitmap;
class IZelvoChangeColorModel;
class IZelvoMaterialModel;
class TZETreeDesigner;

class TZEMaterialPanel {
 public:
  static constexpr int32_t kPictureKind = 1001;

  // What the window shows beside the trees.
  struct View {
    bool materialPanels = false;  // "素材の設定", "色変換リスト" and the preview
    bool preview = false;
    std::string fullPath;         // CP932
    bool conversion = false;      // "変換設定"
    // The selected colour change.
    bool colorChange = false;
    std::string source, target;   // "%.8x"
    bool useTopLeft = false, ignoreSourceAlpha = false;
    bool sourceEnabled = false;
    bool deleteEnabled = false;
  };

  TZEMaterialPanel(IZETree& materials, IZETree& colorChanges) : materials_(materials), colorChanges_(colorChanges) {}

  void setTreeDesigner(TZETreeDesigner* designer);
  // "ファイル情報更新": the first package against the Graphics folder, the outcome told, the tree rebuilt.
  void Refresh();
  // "画像素材の追加": only tells that adding files is switched off.
  static void AddPictureMaterial();

  void SelectMaterial(IZETreeNode* node);
  void SelectColorChange(IZETreeNode* node);
  // "追加" and "削除" on the colour-change list.
  void AddColorChange();
  void DeleteColorChange();
  // Hexadecimal texts; anything else is ignored.
  void EditSource(const std::string& text);
  void EditTarget(const std::string& text);
  void SetUseTopLeft(bool value);
  void SetIgnoreSourceAlpha(bool value);

  const View& view() const { return view_; }
  const std::shared_ptr<IZelvoMaterialModel>& material() const { return material_; }

  // The picture with its colour changes, blended over a cross-hatch of shadow on face (0xAARRGGBB),
  // at the picture's size; false (preview untouched) when there is no readable picture.
  bool DrawPreview(Bitmap& preview, uint32_t face, uint32_t shadow) const;

 private:
  std::string folder() const;
  void showColorChange(IZETreeNode* node);
  void changed();

  IZETree& materials_;
  IZETree& colorChanges_;
  TZETreeDesigner* designer_ = nullptr;
  std::shared_ptr<IZelvoMaterialModel> material_;
  std::shared_ptr<IZelvoChangeColorModel> entry_;
  IZETreeNode* entryNode_ = nullptr;
  View view_;
};

}  // namespace zelvo
