#include "model/ZelvoMapPicture.h"

#include "model/ZelvoMapFloorChips.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoMapPictureModel::TZelvoMapPictureModel(int32_t id) : TZelvoModel(id) {}

void TZelvoMapPictureModel::SetImage(std::shared_ptr<IZelvoMaterialModel> material) {
  imageID_ = MaterialID(material);
  image_ = std::move(material);
}

void TZelvoMapPictureModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(-1);
  w.writeInt32(4);
  w.writeInt32(0);
  w.writeInt32(width_);
  w.writeInt32(height_);
  w.writeInt32(drawType_);
  w.writeInt32(enabled_);
  w.writeInt32(imageID_);
}

void TZelvoMapPictureModel::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  TBaseRecord base = ReadBaseRecord(r);
  int32_t version = 0;
  int32_t width = r.readInt32();
  if (width == -1) {
    version = r.readInt32();
    r.readInt32();
    width = r.readInt32();
  }
  int32_t height = r.readInt32();
  int32_t drawType = r.readInt32();
  int32_t enabled = enabled_;
  int32_t imageID = imageID_;
  switch (version) {
    case 1:
      imageID = ReadEmbeddedMaterialID(stream);
      break;
    case 2:
      enabled = r.readInt32();
      imageID = ReadEmbeddedMaterialID(stream);
      break;
    case 4:
      enabled = r.readInt32();
      imageID = r.readInt32();
      break;
    default:
      break;
  }
  CommitBase(std::move(base));
  width_ = width;
  height_ = height;
  drawType_ = drawType;
  enabled_ = enabled;
  imageID_ = imageID;
}

}  // namespace zelvo
