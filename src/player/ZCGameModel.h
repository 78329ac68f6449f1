#pragma once
// The play state beyond the game data: switches and variables 0..100000.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/ZStream.h"

namespace zelvo {

class IZelvoModel;

class IZCGameModel {
 public:
  virtual ~IZCGameModel() = default;
  // Kept for others; the player neither sets nor reads it.
  virtual void SetAttachedModel(const std::shared_ptr<IZelvoModel>& model) = 0;
  virtual std::shared_ptr<IZelvoModel> GetAttachedModel() = 0;
  // Indexes outside 0..100000 are ignored.
  virtual void SetSwitch(int32_t index, bool value) = 0;
  virtual void SetVariable(int32_t index, int32_t value) = 0;
  // False outside 0..100000.
  virtual bool GetSwitch(int32_t index) = 0;
  // -1 outside 0..100000.
  virtual int32_t GetVariable(int32_t index) = 0;
  // The block: switches a byte each, three zero bytes, variables an int32 each, little-endian.
  virtual void SaveToStream(IZStream& stream) = 0;
  // A short read leaves the rest as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

class TZCGameModel final : public IZCGameModel {
 public:
  static constexpr int32_t kLastIndex = 100000;
  static constexpr int32_t kSlots = kLastIndex + 1;
  static constexpr int32_t kVariablesOffset = kSlots + 3;
  static constexpr int32_t kBlockSize = kVariablesOffset + 4 * kSlots;  // 500008

  TZCGameModel();

  void SetAttachedModel(const std::shared_ptr<IZelvoModel>& model) override { attached_ = model; }
  std::shared_ptr<IZelvoModel> GetAttachedModel() override { return attached_; }
  void SetSwitch(int32_t index, bool value) override;
  void SetVariable(int32_t index, int32_t value) override;
  bool GetSwitch(int32_t index) override;
  int32_t GetVariable(int32_t index) override;
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  static bool inRange(int32_t index) { return index >= 0 && index <= kLastIndex; }

  std::shared_ptr<IZelvoModel> attached_;
  std::vector<uint8_t> switches_;
  std::vector<int32_t> variables_;
};

}  // namespace zelvo
