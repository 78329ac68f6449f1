#include "player/ZCConditionJudge.h"

#include "model/ZelvoConditionModel.h"

namespace zelvo {

bool TZCConditionJudge::Judge(const std::shared_ptr<IZelvoConditionModel>& condition) {
  if (!gameModel_ || !condition) return true;
  for (int32_t i = 0; i < condition->GetCount(); ++i) {
    auto item = condition->GetItem(i);
    if (!item) continue;
    switch (item->GetKind()) {
      case kKindSwitch:
        if (!gameModel_->GetSwitch(item->GetNumber())) return false;
        break;
      case kKindVariable:
        if (gameModel_->GetVariable(item->GetNumber()) != item->GetValue()) return false;
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace zelvo
