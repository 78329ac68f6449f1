#include "model/ZelvoEventPositionList.h"

#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionModel.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

void TZelvoEventPositionList::Link(IZelvoEventPositionModel& position) {
  position.SetAPI(api_);
  position.SetLocalPackage(localPackage_.get());
}

void TZelvoEventPositionList::Add(std::shared_ptr<IZelvoEventPositionModel> position) {
  if (!position) return;
  Link(*position);
  positions_.add(std::move(position));
}

void TZelvoEventPositionList::Insert(int32_t index, std::shared_ptr<IZelvoEventPositionModel> position) {
  if (!position) return;
  if (index < 0 || index > positions_.count()) throw EIndexError("event position", index, positions_.count());
  Link(*position);
  positions_.insertUpToCount(index, std::move(position));
}

void TZelvoEventPositionList::Delete(int32_t index) {
  positions_.checkedAt(index, "event position");
  positions_.erase(index);
}

void TZelvoEventPositionList::DeleteByID(int32_t id) { positions_.erase(positions_.lastIndexOfID(id)); }

void TZelvoEventPositionList::Exchange(int32_t i, int32_t j) { positions_.exchange(i, j, "event position"); }

int32_t TZelvoEventPositionList::GetCount() const { return positions_.count(); }

std::shared_ptr<IZelvoEventPositionModel> TZelvoEventPositionList::GetItem(int32_t index) const {
  return positions_.checkedAt(index, "event position");
}

std::shared_ptr<IZelvoEventPositionModel> TZelvoEventPositionList::FindByID(int32_t id) const {
  return positions_.lastWithID(id);
}

void TZelvoEventPositionList::SetLocalPackage(std::shared_ptr<IZelvoEventPackageModel> package) {
  localPackage_ = std::move(package);
  for (auto& position : positions_.items()) position->SetLocalPackage(localPackage_.get());
}

void TZelvoEventPositionList::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(0);
  w.writeInt32(0);
  positions_.save(stream);
}

void TZelvoEventPositionList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t first = r.readInt32();
  r.readInt32();
  if (first != 0) {
    positions_.clear();
    return;
  }
  positions_.load(stream, [] { return std::make_shared<TZelvoEventPositionModel>(0); });
}

}  // namespace zelvo
