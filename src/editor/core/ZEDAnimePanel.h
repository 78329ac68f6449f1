#pragma once
// The rules of the direction-animation editor: its tree, the direction toggles and number fields
// of the shown animation, and the preview of the reference picture cut to the animation's size.

#include <array>
#include <cstdint>
#include <string>

#include "editor/core/ZEDetailPanel.h"

namespace zelvo {

class Bitmap;
class TZETreeDesigner;

class TZEDAnimePanel final : public TZEDetailPanel {
 public:
  // The directions that have a toggle ("上" .. "左上", "特", "静止"); 8 has none.
  static constexpr std::array<int32_t, 10> kToggled{0, 1, 2, 3, 4, 5, 6, 7, 9, 10};

  struct Fields {
    std::string name;  // CP932
    std::array<bool, 11> directions{};
    // Texts as typed; each is written only when it is an integer other than -1.
    std::string patternCount, width, height, framesPerStep;
  };

  explicit TZEDAnimePanel(IZETree& tree) : tree_(tree) {}

  // Keeps the designer; the tree is filled when the window is shown.
  void setTreeDesigner(TZETreeDesigner* designer) { designer_ = designer; }
  // On show: the tree emptied and filled afresh.
  void Refill();
  void NewModel();
  bool DeleteSelected();

  Fields fields;

  // Black, with the reference picture's top-left width x height pixels (the X and Y fields,
  // non-numbers as 0) at the corner.
  void DrawPreview(Bitmap& preview, const Bitmap* reference) const;

 protected:
  bool Accepts(const IZETreeNode& node) const override;
  void Load(const IZETreeNode& node) override;
  void Store(IZETreeNode& node) override;

 private:
  IZETree& tree_;
  TZETreeDesigner* designer_ = nullptr;
};

}  // namespace zelvo
