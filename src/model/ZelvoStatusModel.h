#pragma once
// A name and 32 byte values the game data set creates and holds; nothing loads or saves it.

#include <array>
#include <cstdint>
#include <string>

namespace zelvo {

class IZelvoStatusModel {
 public:
  virtual ~IZelvoStatusModel() = default;
  virtual const char* GetName() const = 0;
  // nullptr empties the name.
  virtual void SetName(const char* name) = 0;
  // 0 outside 0..31.
  virtual uint8_t GetValue(int32_t index) const = 0;
  // Outside 0..31 is ignored.
  virtual void SetValue(int32_t index, uint8_t value) = 0;
};

class TZelvoStatusModel final : public IZelvoStatusModel {
 public:
  static constexpr int32_t kValueCount = 32;

  const char* GetName() const override { return name_.c_str(); }
  void SetName(const char* name) override { name_ = name ? name : ""; }
  uint8_t GetValue(int32_t index) const override;
  void SetValue(int32_t index, uint8_t value) override;

 private:
  std::string name_;
  std::array<uint8_t, kValueCount> values_{};
};

}  // namespace zelvo
