#pragma once
// The base of every model shown on a map as a figure: it refers to a collision (hit box), a
// direction animation and a material (the picture). Records store the three IDs (-1 none); the
// references come back through ResolveRefs once the lists they point into are loaded.

#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoCollisionModel;
class IZelvoDAnimationModel;
class IZelvoMaterialModel;

class IZelvoCollisionableModel : public virtual IZelvoModel {
 public:
  virtual std::shared_ptr<IZelvoDAnimationModel> GetDAnimation() const = 0;
  // The reference only; the stored ID changes on the next save.
  virtual void SetDAnimation(std::shared_ptr<IZelvoDAnimationModel> value) = 0;
  virtual int32_t GetDAnimationID() const = 0;
  virtual std::shared_ptr<IZelvoCollisionModel> GetCollision() const = 0;
  virtual void SetCollision(std::shared_ptr<IZelvoCollisionModel> value) = 0;
  virtual int32_t GetCollisionID() const = 0;
  virtual std::shared_ptr<IZelvoMaterialModel> GetMaterial() const = 0;
  virtual void SetMaterial(std::shared_ptr<IZelvoMaterialModel> value) = 0;
  virtual int32_t GetMaterialID() const = 0;
  // Looks the three IDs up in api's collision list, direction-animation list and material tree;
  // each reference becomes what was found, nullptr when nothing has that ID (or api is null).
  virtual void ResolveRefs(IZMLZelvoAPI* api) = 0;
};

using IZelvoCollisionableModelPtr = std::shared_ptr<IZelvoCollisionableModel>;

class TZelvoCollisionableModel : public TZelvoModel, public virtual IZelvoCollisionableModel {
 public:
  explicit TZelvoCollisionableModel(int32_t id);

  // The base record, then the IDs of the three references (-1 for none), which become the
  // stored IDs.
  void SaveToStream(IZStream& stream) override;
  // The base record and the three IDs; the references are left as they were. A short record
  // throws EFormatError and leaves the model as it was.
  void LoadFromStream(IZStream& stream) override;

  std::shared_ptr<IZelvoDAnimationModel> GetDAnimation() const override { return dAnimation_; }
  void SetDAnimation(std::shared_ptr<IZelvoDAnimationModel> value) override { dAnimation_ = std::move(value); }
  int32_t GetDAnimationID() const override { return ids_.dAnimation; }
  std::shared_ptr<IZelvoCollisionModel> GetCollision() const override { return collision_; }
  void SetCollision(std::shared_ptr<IZelvoCollisionModel> value) override { collision_ = std::move(value); }
  int32_t GetCollisionID() const override { return ids_.collision; }
  std::shared_ptr<IZelvoMaterialModel> GetMaterial() const override { return material_; }
  void SetMaterial(std::shared_ptr<IZelvoMaterialModel> value) override { material_ = std::move(value); }
  int32_t GetMaterialID() const override { return ids_.material; }
  void ResolveRefs(IZMLZelvoAPI* api) override;

  // The three IDs after the base record.
  static constexpr int64_t kOwnBytes = 12;
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + kOwnBytes;

 protected:
  struct IDs {
    int32_t collision = 0, dAnimation = 0, material = 0;
  };
  // This model's part of a record, read whole before anything is kept: a derived reader reads
  // its own part after it and commits both once everything read.
  struct Record {
    TBaseRecord base;
    IDs ids;
  };
  static Record ReadRecord(IZStream& stream);
  void CommitRecord(Record record);

 private:
  std::shared_ptr<IZelvoCollisionModel> collision_;
  std::shared_ptr<IZelvoDAnimationModel> dAnimation_;
  std::shared_ptr<IZelvoMaterialModel> material_;
  IDs ids_;
};

}  // namespace zelvo
