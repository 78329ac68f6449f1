#include "model/ZelvoMapChipSetListControl.h"

#include <algorithm>

#include "platform/core/Errors.h"

namespace zelvo {

void TZelvoMapChipSetListControl::Insert(int32_t index, std::shared_ptr<IZelvoMapChipSetModel> chipSet) {
  if (index < 0 || index > items_.count()) throw EIndexError("chip set", index, items_.count());
  if (chipSet) items_.insertUpToCount(index, std::move(chipSet));
}

void TZelvoMapChipSetListControl::Delete(int32_t index) {
  items_.checkedAt(index, "chip set");
  items_.erase(index);
}

void TZelvoMapChipSetListControl::LoadFromStream(IZStream& stream) {
  items_.load(stream, [] { return std::make_shared<TZelvoMapChipSetModel>(-1); },
              TZelvoMapChipSetModel::kMinRecordBytes);
}

void TZelvoMapChipSetListControl::SaveToStream(IZStream& stream) {
  auto& sets = items_.items();
  sets.erase(std::remove_if(sets.begin(), sets.end(), [](const auto& s) { return !s || s->GetDeleted(); }),
             sets.end());
  items_.save(stream);
}

}  // namespace zelvo
