#include "player/ZCGameModel.h"

#include <algorithm>

#include "platform/core/LittleEndian.h"

namespace zelvo {

TZCGameModel::TZCGameModel() : switches_(kSlots, 0), variables_(kSlots, 0) {}

void TZCGameModel::SetSwitch(int32_t index, bool value) {
  if (inRange(index)) switches_[index] = value ? 1 : 0;
}

void TZCGameModel::SetVariable(int32_t index, int32_t value) {
  if (inRange(index)) variables_[index] = value;
}

bool TZCGameModel::GetSwitch(int32_t index) { return inRange(index) && switches_[index] != 0; }

int32_t TZCGameModel::GetVariable(int32_t index) { return inRange(index) ? variables_[index] : -1; }

void TZCGameModel::SaveToStream(IZStream& stream) {
  std::vector<uint8_t> block(kBlockSize, 0);
  std::copy(switches_.begin(), switches_.end(), block.begin());
  for (int32_t i = 0; i < kSlots; ++i) {
    LittleEndian::storeI32(block.data() + kVariablesOffset + 4 * i, variables_[i]);
  }
  stream.Write(block.data(), kBlockSize);
}

// Only what was read is taken: whole switch bytes, and variables whose four bytes all arrived.
void TZCGameModel::LoadFromStream(IZStream& stream) {
  std::vector<uint8_t> block(kBlockSize, 0);
  const int32_t got = std::clamp(stream.Read(block.data(), kBlockSize), 0, kBlockSize);
  const int32_t switchBytes = std::min(got, kSlots);
  std::copy(block.begin(), block.begin() + switchBytes, switches_.begin());
  const int32_t wholeVariables = std::max(0, got - kVariablesOffset) / 4;
  for (int32_t i = 0; i < wholeVariables; ++i) {
    variables_[i] = LittleEndian::loadI32(block.data() + kVariablesOffset + 4 * i);
  }
}

}  // namespace zelvo
