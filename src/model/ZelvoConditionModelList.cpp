#include "model/ZelvoConditionModelList.h"

#include "model/ZelvoConditionModel.h"
#include "model/ZelvoDatabaseListImpl.h"

namespace zelvo {

template class TZelvoDatabaseList<IZelvoConditionModelList, IZelvoConditionModel>;

std::shared_ptr<IZelvoConditionModel> TZelvoConditionModelList::NewRecord() const {
  return std::make_shared<TZelvoConditionModel>(-1);
}

}  // namespace zelvo
