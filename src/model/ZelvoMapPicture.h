#pragma once
// The single picture laid over a floor instead of chips ("一枚絵マップ").

#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZelvoMapPictureModel : public virtual IZelvoModel {
 public:
  enum DrawType : int32_t { TopLeft = 0, Centred = 1, Stretched = 2, Tiled = 3 };

  virtual std::shared_ptr<IZelvoMaterialModel> GetImage() = 0;
  virtual int32_t GetImageID() const = 0;
  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual int32_t GetDrawType() const = 0;
  virtual int32_t GetEnabled() const = 0;
  virtual void SetWidth(int32_t value) = 0;
  virtual void SetHeight(int32_t value) = 0;
  virtual void SetDrawType(int32_t value) = 0;
  virtual void SetEnabled(int32_t value) = 0;
  // Links the material and takes its ID; nullptr gives -1.
  virtual void SetImage(std::shared_ptr<IZelvoMaterialModel> material) = 0;
};

class TZelvoMapPictureModel : public TZelvoModel, public virtual IZelvoMapPictureModel {
 public:
  explicit TZelvoMapPictureModel(int32_t id);

  std::shared_ptr<IZelvoMaterialModel> GetImage() override { return image_; }
  int32_t GetImageID() const override { return imageID_; }
  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  int32_t GetDrawType() const override { return drawType_; }
  int32_t GetEnabled() const override { return enabled_; }
  void SetWidth(int32_t value) override { width_ = value; }
  void SetHeight(int32_t value) override { height_ = value; }
  void SetDrawType(int32_t value) override { drawType_ = value; }
  void SetEnabled(int32_t value) override { enabled_ = value; }
  void SetImage(std::shared_ptr<IZelvoMaterialModel> material) override;

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t drawType_ = 0;
  int32_t enabled_ = 0;
  std::shared_ptr<IZelvoMaterialModel> image_;
  int32_t imageID_ = -1;  // no material linked
};

}  // namespace zelvo
