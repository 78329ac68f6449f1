#include "model/ZelvoModel.h"

#include <cstring>

#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoModel::TZelvoModel(int32_t id) : id_(id), name_("ZMLObject" + std::to_string(id)) {}

void TZelvoModel::SetName(const char* name) {
  if (name) name_.assign(name, std::strlen(name));
}

void TZelvoModel::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(id_);
  w.writeInt32(static_cast<int32_t>(name_.size()));
  w.writeBytes(name_.c_str(), static_cast<int64_t>(name_.size()) + 1);
}

TBaseRecord ReadBaseRecord(BinaryReader& r) {
  TBaseRecord base;
  base.id = r.readInt32();
  int32_t n = r.readInt32();
  if (n < 0) r.fail("negative name length");
  // The name and its stored NUL in one read; a name whose byte n is not NUL keeps its n bytes.
  base.name = r.readString(int64_t(n) + 1);
  base.name.pop_back();
  TModelIDWatermark::Saw(base.id);
  return base;
}

TBaseRecord ReadBaseRecord(IZStream& stream) {
  BinaryReader r(stream);
  return ReadBaseRecord(r);
}

void TZelvoModel::CommitBase(TBaseRecord base) {
  id_ = base.id;
  name_ = std::move(base.name);
}

void TZelvoModel::LoadFromStream(IZStream& stream) { CommitBase(ReadBaseRecord(stream)); }

thread_local TModelIDWatermark* TModelIDWatermark::current_ = nullptr;

TModelIDWatermark::TModelIDWatermark() : outer_(current_) { current_ = this; }

TModelIDWatermark::~TModelIDWatermark() {
  current_ = outer_;
  Saw(highest_);
}

namespace {
void copyThrough(IZelvoModel& target, IZelvoModel& source, const int32_t* keepID) {
  TZStream memory("", TZStream::Memory);
  source.SaveToStream(memory);
  if (keepID) {
    memory.Seek(0);
    BinaryWriter(memory).writeInt32(*keepID);
  }
  memory.Seek(0);
  target.LoadFromStream(memory);
}
}  // namespace

void AssignModel(IZelvoModel& target, IZelvoModel& source) { copyThrough(target, source, nullptr); }

void AssignModelKeepID(IZelvoModel& target, IZelvoModel& source) {
  int32_t id = target.GetID();
  copyThrough(target, source, &id);
}

}  // namespace zelvo
