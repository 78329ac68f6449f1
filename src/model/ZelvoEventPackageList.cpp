#include "model/ZelvoEventPackageList.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoEventPackageList::TZelvoEventPackageList(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {}

void TZelvoEventPackageList::SaveToStream(IZStream& stream) { packages_.save(stream); }

void TZelvoEventPackageList::LoadFromStream(IZStream& stream) {
  const int64_t start = stream.GetPosition();
  BinaryReader r(stream);
  if (r.readInt32() <= 0) {
    packages_.clear();
    return;
  }
  stream.Seek(static_cast<int32_t>(start));
  packages_.load(stream, [this] { return std::make_shared<TZelvoEventPackageModel>(-1, api_); },
                 TZelvoEventPackageModel::kMinRecordBytes);
}

}  // namespace zelvo
