#include "model/ZelvoEventPositionModel.h"

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventPackageList.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoEventPositionModel::TZelvoEventPositionModel(int32_t id) : TZelvoModel(id) {}

void TZelvoEventPositionModel::SetPosition(int32_t x, int32_t y, int32_t floorID) {
  f_.x = x;
  f_.y = y;
  f_.floorID = floorID;
}

void TZelvoEventPositionModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  for (int32_t v : {kVersion, 0, f_.x, f_.y, f_.floorID, f_.packageID, f_.eventID, f_.direction}) w.writeInt32(v);
}

void TZelvoEventPositionModel::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  TBaseRecord base = ReadBaseRecord(r);
  const int32_t version = r.readInt32();
  r.readInt32();  // reserved
  Fields f = f_;
  if (version == 0 || version == 1) {
    f.x = r.readInt32();
    f.y = r.readInt32();
    f.floorID = r.readInt32();
    f.packageID = r.readInt32();
    f.eventID = r.readInt32();
    f.direction = version == 1 ? r.readInt32() : 0;
  }
  CommitBase(std::move(base));
  f_ = f;
}

IZelvoEventModelPtr TZelvoEventPositionModel::GetEvent() const {
  IZelvoEventModelPtr event = localPackage_ ? localPackage_->GetByID(f_.eventID) : nullptr;
  std::shared_ptr<IZelvoEventPackageList> shared = api_ ? api_->GetEventPackageList() : nullptr;
  if (IZelvoEventPackageModelPtr package = shared ? shared->GetByID(f_.packageID) : nullptr)
    event = package->GetByID(f_.eventID);
  return event;
}

template <class Size>
int32_t TZelvoEventPositionModel::graphicSize(Size size) const {
  IZelvoEventModelPtr event = GetEvent();
  IZelvoActionModelPtr first = event ? event->GetItem(0) : nullptr;
  std::shared_ptr<IZelvoDAnimationModel> animation = first ? first->GetDAnimation() : nullptr;
  return animation ? size(*animation) : kDefaultGraphicSize;
}

int32_t TZelvoEventPositionModel::GetGraphicWidth() const {
  return graphicSize([](const IZelvoDAnimationModel& a) { return a.GetWidth(); });
}

int32_t TZelvoEventPositionModel::GetGraphicHeight() const {
  return graphicSize([](const IZelvoDAnimationModel& a) { return a.GetHeight(); });
}

}  // namespace zelvo
