#pragma once
// The base of every data model: an ID, a CP932 name, and the base record every model's record
// begins with: int32 ID, int32 n, n name bytes, one NUL.

#include <cstdint>
#include <memory>
#include <string>

#include "model/ZStream.h"

namespace zelvo {

class BinaryReader;

class IZelvoModel {
 public:
  virtual ~IZelvoModel() = default;
  virtual int32_t GetID() const = 0;
  // The name up to its first NUL; valid until the name changes.
  virtual const char* GetName() const = 0;
  // nullptr is ignored.
  virtual void SetName(const char* name) = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  virtual void LoadFromStream(IZStream& stream) = 0;
  // The stored name bytes exactly (a loaded name may hold a NUL before its end).
  virtual const std::string& GetNameBytes() const = 0;
  virtual void SetNameBytes(std::string name) = 0;
};

using IZelvoModelPtr = std::shared_ptr<IZelvoModel>;

// The base record as read, held apart from any model until the record it begins has read whole.
struct TBaseRecord {
  int32_t id = 0;
  std::string name;
};

// Reads a base record and touches no model: a short or corrupt one throws EFormatError. The ID
// raises the watermark below as soon as it is read.
TBaseRecord ReadBaseRecord(BinaryReader& reader);
TBaseRecord ReadBaseRecord(IZStream& stream);

// Derived models override SaveToStream and LoadFromStream. A load is whole or nothing: a model
// reads its base record with ReadBaseRecord and the rest into locals or fresh parts, and only
// once everything read does it CommitBase along with the rest, so a failed read leaves it
// exactly as it was. A part kept in place (not replaced) must itself read whole or not at all.
class TZelvoModel : public virtual IZelvoModel {
 public:
  // Named "ZMLObject" + the ID.
  explicit TZelvoModel(int32_t id);

  int32_t GetID() const override { return id_; }
  const char* GetName() const override { return name_.c_str(); }
  void SetName(const char* name) override;
  void SaveToStream(IZStream& stream) override;
  // A short or corrupt base record throws EFormatError and leaves the model as it was.
  void LoadFromStream(IZStream& stream) override;
  const std::string& GetNameBytes() const override { return name_; }
  void SetNameBytes(std::string name) override { name_ = std::move(name); }

 protected:
  // A model with the given name in place of the numbered one.
  TZelvoModel(int32_t id, const char* name) : id_(id), name_(name) {}
  void SetID(int32_t id) { id_ = id; }
  // Takes the ID and name of a base record read earlier.
  void CommitBase(TBaseRecord base);

 private:
  int32_t id_;
  std::string name_;
};

// Smallest possible base record: ID, n = 0, the NUL.
inline constexpr int64_t kMinBaseRecordBytes = 9;

// While one lives, every base record read on this thread raises Highest() to its ID, so a load
// learns the largest ID in use without walking what it read. Scopes nest; an inner one passes
// what it saw on to the outer one when it ends.
class TModelIDWatermark {
 public:
  TModelIDWatermark();
  ~TModelIDWatermark();
  TModelIDWatermark(const TModelIDWatermark&) = delete;
  TModelIDWatermark& operator=(const TModelIDWatermark&) = delete;
  // 0 when no record with a positive ID was read.
  int32_t Highest() const { return highest_; }
  static void Saw(int32_t id) {
    if (current_ && id > current_->highest_) current_->highest_ = id;
  }

 private:
  int32_t highest_ = 0;
  TModelIDWatermark* outer_;
  static thread_local TModelIDWatermark* current_;
};

// Copies Source into Target through a memory stream, ID included.
void AssignModel(IZelvoModel& target, IZelvoModel& source);
// The same, keeping Target's own ID.
void AssignModelKeepID(IZelvoModel& target, IZelvoModel& source);

}  // namespace zelvo
