#include "model/ZelvoStatusModel.h"

namespace zelvo {

uint8_t TZelvoStatusModel::GetValue(int32_t index) const {
  return index >= 0 && index < kValueCount ? values_[static_cast<size_t>(index)] : 0;
}

void TZelvoStatusModel::SetValue(int32_t index, uint8_t value) {
  if (index >= 0 && index < kValueCount) values_[static_cast<size_t>(index)] = value;
}

}  // namespace zelvo
