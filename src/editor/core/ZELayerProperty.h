#pragma once
// The rules of the layer property dialog: the values it shows for a layer and how the entered
// ones go back. Numbers are typed text; every entry is checked before anything is applied, so a
// rejected entry leaves the layer as it was.

#include <cstdint>
#include <memory>
#include <string>

namespace zelvo {

class IZelvoMapFloorModel;
class IZelvoMaterialModel;

struct TZELayerPropertyValues {
  int32_t gameOpacity = 255;
  std::string name;  // CP932
  int32_t layerType = 0;
  std::string baseHeight;  // the typed texts
  bool pictureEnabled = false;
  std::shared_ptr<IZelvoMaterialModel> image;
  std::string pictureWidth;
  std::string pictureHeight;
  int32_t drawType = 0;
};

class TZELayerProperty {
 public:
  // The picture is drawn at its stated size, so a side is kept to what a picture can have.
  static constexpr int32_t kMaxPictureSide = 8192;
  static constexpr int32_t kLayerTypeCount = 3;
  static constexpr int32_t kDrawTypeCount = 4;

  enum class Result { Applied, BadBaseHeight, BadPictureWidth, BadPictureHeight };

  static TZELayerPropertyValues Read(IZelvoMapFloorModel& floor);
  // Writes all values, or none when one of the numbers is not acceptable.
  static Result Apply(IZelvoMapFloorModel& floor, const TZELayerPropertyValues& values);
  // The message for a rejected entry (UTF-8); empty for Applied.
  static std::string Message(Result result);
  // The file name shown for a picture material (UTF-8); empty for none.
  static std::string PicturePath(const IZelvoMaterialModel* material);
};

}  // namespace zelvo
